#include "input/input_checks.h"

namespace tavik {

namespace {
constexpr int kModifierAboveGroundError = 21;  // INP00021
}  // namespace

// Check_Py_Modifier_Depths: when the PyModifiers table has points and GroundSurfaceDepth is
// deeper than its first depth (both as entered), both files receive the error 21 block with
// the two depths (ES12.4) and the run ends with input error 21 (number 121). The second
// line of the block carries the next line's text after an apostrophe, as the program has
// always printed it.
void Check_Py_Modifier_Depths(RunContext& run) {
  const ProblemData& problem = run.Problem;
  if (problem.PyModifiers.NumPoints < 1) return;
  const double first_depth = problem.PyModifiers.Depth[0];
  if (!(problem.GroundSurfaceDepth > first_depth)) return;
  for (TextChannel* channel : {&run.Report, &run.Messages}) {
    channel->Write_Line("**** Input Data Error No. 21 ****");
    channel->Empty_Lines(1);
    channel->Write_Line("Problem:  The depth for the first data for p-multipliers is ");
    channel->Line()
        .A("          located at ")
        .ES(first_depth, 12, 4)
        .A(" below the top of the pile.'          The ground surface is located at ")
        .ES(problem.GroundSurfaceDepth, 12, 4)
        .A(".");
    channel->End_Line();
    channel->Write_Line("Solution:  Correct the input data so that the first depth for ");
    channel->Write_Line("          the p-multiplier data is the same as the elevation as the ");
    channel->Write_Line("          ground surface.");
  }
  Terminate_With_Error(run, Input_Error_Code(kModifierAboveGroundError),
                       100 + kModifierAboveGroundError);
}

}  // namespace tavik
