#include <string_view>

#include "input/block_readers.h"
#include "input/input_errors.h"

namespace tavik {

namespace {
constexpr std::string_view kBlock = "GROUPEFF or GROUP EFFECT FACTORS";
}  // namespace

// Reads the "GROUPEFF" and "GROUP EFFECT FACTORS" blocks: N, then N lines (seq, depth in ft
// / m, p-multiplier, y-multiplier). Fills PyModifiers; N replaces the point count that the
// option UsePYModifiers set, and N of 0 or less leaves the table empty with no lines read.
// Sequence numbers are read and ignored. Errors: more than 80 points (input error 91), a
// value that is not a number (90), the end of the file inside the block (99), a negative
// p-multiplier or a y-multiplier that is not positive (92): the soil modulus is
// pm * p / (ym * y), so such a point would give a negative or infinite modulus.
void Read_Py_Modifiers(RunContext& run) {
  PyModifierTable& table = run.Problem.PyModifiers;
  int num_points = 0;
  FreeFormatRead count(run.Input);
  count.Int(num_points);
  if (count.Failed()) {
    Report_Read_Failure(run, count, kBlock);
    return;
  }
  table = PyModifierTable{};
  if (num_points <= 0) return;

  run.Messages.Write_Line("Reading p-y multiplier data");
  if (num_points > kMaxPyModifierPoints) {
    Report_Count_Too_Large(run, kBlock, "p-y modifier points", num_points, kMaxPyModifierPoints);
    return;
  }
  for (int k = 0; k < num_points; ++k) {
    int sequence = 0;
    FreeFormatRead read(run.Input);
    read.Int(sequence).Real(table.Depth[k]).Real(table.PMultiplier[k]).Real(table.YMultiplier[k]);
    if (read.Failed()) {
      Report_Read_Failure(run, read, kBlock);
      return;
    }
    if (table.PMultiplier[k] < 0.0 || table.YMultiplier[k] <= 0.0) {
      Report_Value_Out_Of_Range(
          run, kBlock,
          "the number of a point whose p-multiplier is negative or y-multiplier not positive",
          k + 1, "p-multipliers of zero or more and y-multipliers above zero");
      return;
    }
  }
  table.NumPoints = num_points;
}

}  // namespace tavik
