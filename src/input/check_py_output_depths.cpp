#include <algorithm>

#include "input/input_checks.h"
#include "run/unit_labels.h"

namespace tavik {

namespace {
constexpr int kDepthAboveGroundError = 29;  // INP00029
constexpr int kDepthBelowTipError = 30;     // INP00030

void Report_Depth_Below_Tip(RunContext& run, int input_point, double depth) {
  for (TextChannel* channel : {&run.Report, &run.Messages}) {
    channel->Write_Line("**** Input Data Error No. 30 ****");
    channel->Empty_Lines(1);
    channel->Write_Line("Problem:  Printing of a p-y curve was specified below the pile tip.");
    channel->Empty_Lines(1);
    channel->Write_Line("Solution:  Specify printing depths only for depths above the pile tip.");
    channel->Empty_Lines(1);
    channel->Line()
        .A("Input Point ")
        .I(input_point, 0)
        .A(" at ")
        .F(depth, 7, 2)
        .A(" ")
        .A(Trimmed(run.Units.c_UnitDepth))
        .A(" was not printed because it is below the pile tip.");
    channel->End_Line();
  }
  Terminate_With_Error(run, Input_Error_Code(kDepthBelowTipError), 100 + kDepthBelowTipError);
}

void Report_Depth_Above_Ground(RunContext& run) {
  for (TextChannel* channel : {&run.Report, &run.Messages}) {
    channel->Write_Line("**** Input Data Error No. 29 ****");
    channel->Empty_Lines(1);
    channel->Write_Line(
        "Problem:  A depth above the ground surface was specified for the printing");
    channel->Write_Line("of a p-y curve.");
    channel->Empty_Lines(1);
    channel->Write_Line("Solution:  Specify a depth between the ground surface and pile tip.");
    channel->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(kDepthAboveGroundError), 100 + kDepthAboveGroundError);
}
}  // namespace

// Check_Py_Output_Depths: when Options.PrintPYCurves is set, rebuilds PyOutputDepths in
// place. The count starts at 0 and PrintPYCurves is cleared; each input depth z (feet or
// metres below the pile head, as entered), in order, is kept when it lies between the ground
// surface and the pile tip (GroundSurfaceDepth <= z, 0 <= z, z <= PileLength), and a kept
// depth sets PrintPYCurves again. The first depth that is not kept ends the run: below the
// tip, input error 30 naming its position in the input list and its depth; otherwise (above
// the ground surface, above the pile head, or not a number), input error 29.
void Check_Py_Output_Depths(RunContext& run) {
  ProblemData& problem = run.Problem;
  if (!problem.Options.PrintPYCurves) return;
  const int input_count = std::clamp(problem.NumPyOutputDepths, 0, kMaxPyOutputDepths);
  problem.NumPyOutputDepths = 0;
  problem.Options.PrintPYCurves = false;
  for (int i = 1; i <= input_count; ++i) {
    const double depth = problem.PyOutputDepths[i - 1];
    if (problem.GroundSurfaceDepth <= depth && depth >= 0.0 && depth <= problem.PileLength) {
      problem.PyOutputDepths[problem.NumPyOutputDepths] = depth;
      ++problem.NumPyOutputDepths;
      problem.Options.PrintPYCurves = true;
    } else if (depth > problem.PileLength) {
      Report_Depth_Below_Tip(run, i, depth);
      return;
    } else {
      Report_Depth_Above_Ground(run);
      return;
    }
  }
}

}  // namespace tavik
