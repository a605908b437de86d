#include <algorithm>

#include "input/input_checks.h"

namespace tavik {

namespace {
constexpr int kZeroPileWidthError = 27;    // INP00027
constexpr int kPilePointCountError = 17;   // INP00017
constexpr int kMinPilePropertyPoints = 2;  // the pile needs its top and its tip
}  // namespace

// Check_Pile_Widths: reads the PileWidth of pile property points 1 to NumPoints (at most the
// 40 the table holds). When any is 0 or less, both the report and the runtime message file
// receive the error 27 block and the run ends with input error 27 (number 127). Only the
// widths are tested: the areas, inertias and moduli of the table are left zero for the
// sections whose stiffness comes from the section analysis.
void Check_Pile_Widths(RunContext& run) {
  const PilePropertyTable& table = run.Problem.PileProperties;
  const int count = std::clamp(table.NumPoints, 0, kMaxPilePropertyPoints);
  const bool any_zero = std::any_of(table.PileWidth.begin(), table.PileWidth.begin() + count,
                                    [](double width) { return !(width > 0.0); });
  if (!any_zero) return;
  for (TextChannel* channel : {&run.Report, &run.Messages}) {
    channel->Empty_Lines(1);
    channel->Write_Line("**** Input Data Error No. 27 ****");
    channel->Empty_Lines(1);
    channel->Write_Line("Problem:  Zero values for one of the following values were ");
    channel->Write_Line("entered for one or more values of pile diameter.");
    channel->Empty_Lines(1);
    channel->Write_Line("Solution:  NONE of these values may be zero.  Correct the ");
    channel->Write_Line("pile property data in your input data.");
    channel->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(kZeroPileWidthError), 100 + kZeroPileWidthError);
}

// Check_Pile_Property_Count: reads PileProperties.NumPoints. Outside 2 to 40, both files
// receive the error 17 block naming the number (I10) and the run ends with input error 17
// (number 117). A SECTIONS block without sections leaves 0 points and so ends here.
void Check_Pile_Property_Count(RunContext& run) {
  const int count = run.Problem.PileProperties.NumPoints;
  if (count >= kMinPilePropertyPoints && count <= kMaxPilePropertyPoints) return;
  for (TextChannel* channel : {&run.Report, &run.Messages}) {
    channel->Empty_Lines(2);
    channel->Write_Line("**** Input Data Error No. 17 ****");
    channel->Empty_Lines(1);
    channel->Write_Line("The number of points to define the pile properties ");
    channel->Line().A("is 2 to 40, not the input value of ").I(count, 10);
    channel->End_Line();
    channel->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(kPilePointCountError), 100 + kPilePointCountError);
}

}  // namespace tavik
