#include "echo/echo_blocks.h"
#include "input/input_checks.h"

namespace tavik {

namespace {
constexpr int kUnitWeightIndent = 20;
constexpr int kEmptyLinesBefore = 1;  // after the empty line that ends the layering block
// Head line 2: the depth unit under "Depth X", the unit weight unit under "Eff. Unit Weight".
constexpr int kDepthUnitColumn = 15;
constexpr int kWeightUnitColumn = 30;
}  // namespace

// Echo_Effective_Unit_Weights: reads the soil property points (layer j's top is point
// 2j-1, its bottom point 2j; depths in feet or metres, unit weights in pcf or kN/m3). Writes
// the heading "Effective Unit Weight of Soil vs. Depth", the number of points and one row per
// point (I3, F17.2, F15.5), then runs the unit weight check.
void Echo_Effective_Unit_Weights(RunContext& run) {
  const ProblemData& problem = run.Problem;
  TextChannel& report = run.Report;
  const int layers = Within_Capacity(problem.i_Number_of_Layers, kMaxLayers);
  report.Empty_Lines(kEmptyLinesBefore);
  Write_Heading(report, "Effective Unit Weight of Soil vs. Depth", kUnitWeightIndent);
  report.Line()
      .A("Effective unit weight of soil with depth defined using ")
      .I(2 * layers, 0)
      .A(" points");
  report.End_Line();
  report.Empty_Lines(1);
  report.Write_Line("Point        Depth X    Eff. Unit Weight");
  report.Line()
      .A(" No.")
      .T(kDepthUnitColumn)
      .A(Trimmed(run.Units.c_UnitDepth))
      .T(kWeightUnitColumn)
      .A(Trimmed(run.Units.c_UnitWeight));
  report.End_Line();
  report.Write_Line("-----      ----------   ----------------");
  int point = 0;
  for (int j = 0; j < layers; ++j) {
    const SoilLayer& layer = problem.Layers[j];
    report.Line().I(++point, 3).F(layer.XLayerTop, 17, 2).F(layer.Top.EffectiveUnitWeight, 15, 5);
    report.End_Line();
    report.Line()
        .I(++point, 3)
        .F(layer.XLayerBottom, 17, 2)
        .F(layer.Bottom.EffectiveUnitWeight, 15, 5);
    report.End_Line();
  }
  Check_Effective_Unit_Weights(run);
}

}  // namespace tavik
