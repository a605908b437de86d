#include <string_view>

#include "input/block_readers.h"
#include "input/input_errors.h"

namespace tavik {

namespace {
constexpr std::string_view kBlock = "TIP SHEAR";
}  // namespace

// Reads the "TIP SHEAR" block: N, then N lines (seq, pile-tip displacement in in / m, tip
// shear force in lbs / kN). Fills TipShear; N of 0 or less leaves the table empty with no
// lines read. Sequence numbers are read and ignored; the shape of the curve is checked with
// the whole input. Errors: more than 50 points (input error 91), a value that is not a
// number (90), the end of the file inside the block (99).
void Read_Tip_Shear(RunContext& run) {
  TipShearTable& table = run.Problem.TipShear;
  int num_points = 0;
  FreeFormatRead count(run.Input);
  count.Int(num_points);
  if (count.Failed()) {
    Report_Read_Failure(run, count, kBlock);
    return;
  }
  table = TipShearTable{};
  if (num_points <= 0) return;

  run.Messages.Write_Line("Reading tip shear data");
  if (num_points > kMaxTipShearPoints) {
    Report_Count_Too_Large(run, kBlock, "tip shear points", num_points, kMaxTipShearPoints);
    return;
  }
  for (int k = 0; k < num_points; ++k) {
    int sequence = 0;
    FreeFormatRead read(run.Input);
    read.Int(sequence).Real(table.Displacement[k]).Real(table.Shear[k]);
    if (read.Failed()) {
      Report_Read_Failure(run, read, kBlock);
      return;
    }
  }
  table.NumPoints = num_points;
}

}  // namespace tavik
