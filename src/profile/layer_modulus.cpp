// Layer properties interpolated over a layer: any value between its top and bottom, and the
// subgrade modulus (rock-mass modulus for the rock criteria) at a depth.
#include "profile/soil_lookup.h"

namespace tavik {

namespace {
constexpr int kEqualElevationsError = 20;  // RUN00020
}  // namespace

double Value_Over_Layer(const SoilLayer& layer, double top_value, double bottom_value, double x) {
  const double thickness = layer.XLayerBottom - layer.XLayerTop;
  if (thickness <= 0.0) return top_value;
  return top_value + (bottom_value - top_value) * (x - layer.XLayerTop) / thickness;
}

// Layer_Modulus_At_Depth(j, x): reads SubgradeModulusTop/Bottom and XLayerTop/Bottom of
// layer j; modulus in the layer's input unit. Runtime error 20 for a zero-thickness layer.
double Layer_Modulus_At_Depth(RunContext& run, int j, double x, RockModulusCaller caller) {
  const SoilLayer& layer = run.Problem.Layers[j - 1];
  const double top = layer.XLayerTop;
  const double bottom = layer.XLayerBottom;
  if (top != bottom) {
    return layer.SubgradeModulusTop +
           (x - top) * (layer.SubgradeModulusBottom - layer.SubgradeModulusTop) / (bottom - top);
  }
  if (caller == RockModulusCaller::MassiveRock) {
    for (TextChannel* out : {&run.Report, &run.Messages}) {
      out->Write_Line("**** Runtime Error No. 20 ****");
      out->Empty_Lines(1);
      out->Write_Line("Problem:  The top and bottom elevations for massive rock layer are equal.");
      out->Line()
          .A("          The top and bottom elevations for layer ")
          .I(j, 0)
          .A(" = ")
          .ES(top, 12, 4);
      out->End_Line();
      out->Empty_Lines(1);
      out->Write_Line(
          "Solution: Correct the input data for elevations defining the massive rock layer.");
      out->Empty_Lines(1);
    }
    Terminate_With_Error(run, Runtime_Error_Code(kEqualElevationsError),
                         200 + kEqualElevationsError);
    return 0.0;
  }
  // The weak rock message follows the termination lines.
  Terminate_With_Error(run, Runtime_Error_Code(kEqualElevationsError), 200 + kEqualElevationsError);
  for (TextChannel* out : {&run.Report, &run.Messages}) {
    out->Write_Line("**** Runtime Error No. 20 ****");
    out->Empty_Lines(1);
    out->Write_Line("Problem:  The top and bottom elevations for weak rock layer are equal.");
    out->Write_Line("Solution: Correct the input data for elevations defining weak rock layer.");
    out->Empty_Lines(1);
  }
  return 0.0;
}

}  // namespace tavik
