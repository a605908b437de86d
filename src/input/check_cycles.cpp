#include <algorithm>
#include <cmath>

#include "input/input_checks.h"

namespace tavik {

namespace {
constexpr double kFewestCycles = 2.0;
constexpr double kMostCycles = 5000.0;
constexpr int kCyclesOutOfRangeError = 28;  // INP00028
// Cycle counts are printed truncated to an integer; beyond this the value is shown capped,
// so that no conversion overflows.
constexpr double kLargestPrintedCycles = 2.0e9;
}  // namespace

// The number of cycles truncated to an integer, as the echo and the error text print it.
long long Truncated_Cycles(double cycles) {
  if (!std::isfinite(cycles)) return 0;
  return static_cast<long long>(
      std::trunc(std::clamp(cycles, -kLargestPrintedCycles, kLargestPrintedCycles)));
}

// Check_Number_Of_Cycles: reads Options.Cyclic and Options.NumCycles. With cyclic loading
// and fewer than 2 or more than 5000 cycles, both files receive the error 28 block ending
// with "Number of cycles of loading = " and the truncated count, and the run ends with
// input error 28 (number 128). Static loading is not tested.
void Check_Number_Of_Cycles(RunContext& run) {
  const AnalysisOptions& options = run.Problem.Options;
  if (!options.Cyclic) return;
  if (!(options.NumCycles < kFewestCycles) && !(options.NumCycles > kMostCycles)) return;
  for (TextChannel* channel : {&run.Report, &run.Messages}) {
    channel->Empty_Lines(2);
    channel->Write_Line("**** Input Data Error No. 28 ****");
    channel->Empty_Lines(1);
    channel->Write_Line(
        "Problem:  Cyclic loading type was specified and the number of cycles of loading");
    channel->Write_Line("are outside the valid range of 2 to 5,000.");
    channel->Empty_Lines(1);
    channel->Write_Line(
        "Solution:  Either correct the number of cycles of loading to be within 2 to 5,000");
    channel->Write_Line("or specify static loading.");
    channel->Line().A("Number of cycles of loading = ").I(Truncated_Cycles(options.NumCycles), 0);
    channel->End_Line();
  }
  Terminate_With_Error(run, Input_Error_Code(kCyclesOutOfRangeError), 100 + kCyclesOutOfRangeError);
}

}  // namespace tavik
