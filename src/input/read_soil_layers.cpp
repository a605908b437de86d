#include "input/block_readers.h"
#include "input/input_errors.h"
#include "input/input_file.h"
#include "input/read_soil_properties.h"
#include "pycurves/soil_type_codes.h"

namespace tavik {

// Read_Soil_Layers: reads the "SOIL LAYERS" block that follows its keyword line: the number
// of layers L; then per layer a heading line (soil type index, depth of the top and of the
// bottom of the layer below the pile head) and the property lines its soil type code reads
// (Read_Soil_Properties).
// Writes: "Reading soil layering data" to the runtime message file; run.Problem.Layers
// (the table is cleared first, so a later block replaces an earlier one whole),
// i_Number_of_Layers (grown layer by layer as each is complete) and GroundSurfaceDepth
// (the top of layer 1; 0 without layers). The top and bottom of layer j are the soil
// property points 2j-1 and 2j, and the depths of the user p-y curves of a User p-y layer
// are its top and bottom depths, so no other list is kept.
// Units: everything as read (US customary depths in feet, unit weights in pcf, cohesion in
// psf); the conversion to internal units is done later, once, for the whole input.
// Errors (the run is ended and the reader returns at once): L above 40 (input error 91) or
// negative (92), before anything is stored; a soil type index whose code is not one of the
// 17 defined codes, i.e. outside 1 to 17 (92); the end of the file inside the block (99); a
// value that is not a number (90); and the errors of the property lines.
void Read_Soil_Layers(RunContext& run) {
  run.Messages.Write_Line("Reading soil layering data");
  ProblemData& problem = run.Problem;

  int num_layers = 0;
  {
    FreeFormatRead read(run.Input);
    read.Int(num_layers);
    if (read.Failed()) {
      Report_Read_Failure(run, read, kSoilLayersBlock);
      return;
    }
  }
  if (num_layers > kMaxLayers) {
    Report_Count_Too_Large(run, kSoilLayersBlock, "soil layers", num_layers, kMaxLayers);
    return;
  }
  if (num_layers < 0) {
    Report_Value_Out_Of_Range(run, kSoilLayersBlock, "the number of soil layers", num_layers,
                              "the layer counts 0 to 40");
    return;
  }

  problem.Layers.fill(SoilLayer{});
  problem.i_Number_of_Layers = 0;
  problem.GroundSurfaceDepth = 0.0;
  for (int j = 1; j <= num_layers; ++j) {
    SoilLayer layer;
    FreeFormatRead read(run.Input);
    read.Int(layer.SoilTypeIndex).Real(layer.XLayerTop).Real(layer.XLayerBottom);
    if (read.Failed()) {
      Report_Read_Failure(run, read, kSoilLayersBlock);
      return;
    }
    const std::string_view code = Soil_Type_Code(layer.SoilTypeIndex);
    if (!Is_Defined_Soil_Code(code)) {
      Report_Value_Out_Of_Range(run, kSoilLayersBlock, "the soil type index", layer.SoilTypeIndex,
                                "the soil type indices 1 to 17");
      return;
    }
    Read_Soil_Properties(run, code, layer);
    if (run.Status.Has_Error()) return;
    problem.Layers[j - 1] = layer;
    problem.i_Number_of_Layers = j;
  }
  if (num_layers > 0) problem.GroundSurfaceDepth = problem.Layers[0].XLayerTop;
}

}  // namespace tavik
