#include <string_view>

#include "input/block_readers.h"
#include "input/input_errors.h"

namespace tavik {

namespace {
constexpr std::string_view kBlock = "DEPTHS OF PRINTED P-Y CURVES";
}  // namespace

// Reads the "DEPTHS OF PRINTED P-Y CURVES" block when the option PrintPYCurves is YES: N,
// then N lines (seq, depth in ft / m). Fills NumPyOutputDepths and PyOutputDepths (entries
// beyond N cleared); the depths are checked against the pile and the ground with the whole
// input. With PrintPYCurves NO the block is its keyword alone: nothing is read or changed.
// Sequence numbers are read and ignored. Errors: a negative N (input error 92), more than
// 100 depths (91), a value that is not a number (90), the end of the file inside the block
// (99).
void Read_Py_Output_Depths(RunContext& run) {
  ProblemData& problem = run.Problem;
  if (!problem.Options.PrintPYCurves) return;
  run.Messages.Write_Line("Reading p-y output depths data");

  int num_depths = 0;
  FreeFormatRead count(run.Input);
  count.Int(num_depths);
  if (count.Failed()) {
    Report_Read_Failure(run, count, kBlock);
    return;
  }
  if (num_depths < 0) {
    Report_Value_Out_Of_Range(run, kBlock, "number of depths", num_depths, "0 to 100");
    return;
  }
  if (num_depths > kMaxPyOutputDepths) {
    Report_Count_Too_Large(run, kBlock, "p-y output depths", num_depths, kMaxPyOutputDepths);
    return;
  }

  problem.PyOutputDepths.fill(0.0);
  problem.NumPyOutputDepths = 0;
  for (int k = 0; k < num_depths; ++k) {
    int sequence = 0;
    FreeFormatRead read(run.Input);
    read.Int(sequence).Real(problem.PyOutputDepths[k]);
    if (read.Failed()) {
      Report_Read_Failure(run, read, kBlock);
      return;
    }
  }
  problem.NumPyOutputDepths = num_depths;
}

}  // namespace tavik
