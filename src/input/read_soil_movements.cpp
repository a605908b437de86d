#include <string_view>

#include "input/block_readers.h"
#include "input/input_errors.h"

namespace tavik {

namespace {

constexpr std::string_view kBlock = "SOIL MOVEMENTS";
constexpr int kErrorLineCount = 53;  // INP00053: soil movement lines not 2 to 100
constexpr int kMinSoilMovementPoints = 2;
constexpr double kMillimetresPerMetre = 1000.0;

void Report_Line_Count(RunContext& run, int num_lines) {
  for (TextChannel* channel : {&run.Messages, &run.Report}) {
    channel->Line().A("**** Input Data Error No. ").I(kErrorLineCount, 0).A(" ****");
    channel->End_Line();
    channel->Empty_Lines(2);
    channel->Line().A("Number of lines specified for soil movement data = ").I(num_lines, 0);
    channel->End_Line();
    channel->Write_Line(
        "The number of lines of soil movement data cannot be less than 2 or exceed 100.");
    channel->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(kErrorLineCount), 100 + kErrorLineCount);
}

}  // namespace

// Reads the "SOIL MOVEMENTS" block when the option UseSoilMovement is YES: N (2 to 100),
// then N lines (seq, depth in ft / m, lateral soil movement in in / mm). Fills SoilMovement;
// in SI the movements are converted from millimetres to metres as they are read. With
// UseSoilMovement NO the block is its keyword alone: nothing is read or changed, and a data
// line that follows is left for the keyword reader. Sequence numbers are read and ignored.
// Errors: N outside 2 to 100 (input error 53, message to the runtime message file and the
// report), a value that is not a number (90), the end of the file inside the block (99).
void Read_Soil_Movements(RunContext& run) {
  ProblemData& problem = run.Problem;
  if (!problem.Options.UseSoilMovement) return;
  run.Messages.Write_Line("Reading soil movement data");

  int num_lines = 0;
  FreeFormatRead count(run.Input);
  count.Int(num_lines);
  if (count.Failed()) {
    Report_Read_Failure(run, count, kBlock);
    return;
  }
  if (num_lines < kMinSoilMovementPoints || num_lines > kMaxSoilMovementPoints) {
    Report_Line_Count(run, num_lines);
    return;
  }

  DepthValueTable& table = problem.SoilMovement;
  table = DepthValueTable{};
  for (int k = 0; k < num_lines; ++k) {
    int sequence = 0;
    FreeFormatRead read(run.Input);
    read.Int(sequence).Real(table.Depth[k]).Real(table.Value[k]);
    if (read.Failed()) {
      Report_Read_Failure(run, read, kBlock);
      return;
    }
    if (problem.IUNITS == kUnitsSI) table.Value[k] /= kMillimetresPerMetre;
  }
  table.NumPoints = num_lines;
}

}  // namespace tavik
