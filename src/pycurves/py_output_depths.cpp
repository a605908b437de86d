// The output pass: p-y curves printed and plotted at the depths the user names, after load
// case 1 has converged.
#include <algorithm>
#include <array>

#include "profile/pile_discretisation.h"
#include "pycurves/py_framework.h"

namespace tavik {

namespace {

constexpr int kDepthAboveGroundError = 23;  // input error 23, stored without a message code

// Input error 23 (non-fatal wording; the run stops after the pass): depth number k lies
// above the ground surface.
void Report_Depth_Above_Ground(RunContext& run, int k, double depth) {
  const ProblemData& problem = run.Problem;
  const std::string_view length = run.Units.c_UnitLength;
  for (TextChannel* out : {&run.Report, &run.Messages}) {
    out->Write_Line("**** Input Data Error No. 23 (NON-FATAL) ****");
    out->Empty_Lines(1);
    out->Line().A("p-y curves cannot be generated at depth number ").I(k, 0);
    out->End_Line();
    out->Line()
        .A("This location is ")
        .F(depth, 9, 3)
        .A(" ")
        .A(length.substr(0, 1))
        .A(" below the pile head and ");
    out->End_Line();
    out->Write_Line("is above the ground surface for this problem.");
    out->Empty_Lines(1);
    out->Line()
        .A("The ground surface is ")
        .F(problem.GroundSurfaceDepth, 9, 3)
        .A(" ")
        .A(Trimmed(length))
        .A(" below the top of the pile.");
    out->End_Line();
    out->Empty_Lines(1);
  }
  run.Plot.Line().ES(depth, 15, 7).I(0, 5).X(60).A("Line 7:  p-y curve depth, no. p-y points");
  run.Plot.End_Line();
  Store_Error_Number(run.Status, 100 + kDepthAboveGroundError);
}

// The regular nodes of the analysis, their layer node ranges and sections.
void Restore_Regular_Nodes(RunContext& run) {
  PileNodes& nodes = run.Nodes;
  const int n = nodes.i_Num_Increments;
  if (n < 1 || n > kMaxIncrements) return;
  nodes.rd_Increment = nodes.rd_PileLength / n;
  for (int i = 1; i <= n; ++i) nodes.rd_NodeDepth[i] = (i - 1) * nodes.rd_Increment;
  nodes.rd_NodeDepth[n + 1] = nodes.rd_PileLength;
  Assign_Nodes_To_Layers(run, n + 1);
  Assign_Section_To_Nodes(run, n + 1);
}

}  // namespace

// Py_Curves_At_User_Depths: reads PyOutputDepths, the layers and b_BelowRockLayer; writes
// the report, plot records "Line 6" to "Line 8" and the runtime message line; uses
// rd_NodeDepth and the layer node ranges of run as scratch and restores them.
void Py_Curves_At_User_Depths(RunContext& run) {
  const ProblemData& problem = run.Problem;
  std::array<double, kMaxPyOutputDepths> depth{};
  int n = std::clamp(problem.NumPyOutputDepths, 0, kMaxPyOutputDepths);
  std::copy_n(problem.PyOutputDepths.begin(), n, depth.begin());
  std::sort(depth.begin(), depth.begin() + n);
  n = static_cast<int>(std::unique(depth.begin(), depth.begin() + n) - depth.begin());

  run.Plot.Line().I(n, 5).X(75).A("Line 6 : number of output p-y curves");
  run.Plot.End_Line();
  run.Messages.Write_Line("Computing p-y curves for output at user-specified depths.");
  run.Report.Rule('-');
  run.Report.Line().X(20).A("p-y Curves Reported for Specified Depths");
  run.Report.End_Line();
  run.Report.Rule('-');

  if (n > 0 && depth[0] < problem.GroundSurfaceDepth) {
    Report_Depth_Above_Ground(run, 1, depth[0]);
    Restore_Regular_Nodes(run);
    return;
  }

  for (int k = 1; k <= n; ++k) run.Nodes.rd_NodeDepth[k] = depth[k - 1];
  Assign_Nodes_To_Layers_Along_Axis(run, n);

  run.b_PyOutputPass = true;
  const int num_layers = std::clamp(problem.i_Number_of_Layers, 0, kMaxLayers);
  for (int j = 1; j <= num_layers; ++j) {
    run.i_RockLayersAbove = run.b_BelowRockLayer[j] ? 1 : 0;
    const PyCriterionEntry& entry = Py_Criterion_For_Soil_Type(problem.Layers[j - 1].SoilTypeIndex);
    if (run.i_TopNodeInLayer[j] > 0 && entry.b_OutputAtUserDepths && entry.routine != nullptr) {
      entry.routine(run, j);
      if (run.Status.Has_Error()) break;
    }
    run.Report.Empty_Lines(2);
  }
  run.b_PyOutputPass = false;
  Restore_Regular_Nodes(run);
}

}  // namespace tavik
