#include <string>
#include <string_view>

#include "input/block_readers.h"
#include "input/input_errors.h"

namespace tavik {

namespace {

constexpr std::string_view kBlock = "LRFD FACTORS AND CASES";
constexpr int kErrorCombinationCount = 94;  // INP00094: combinations not 1 to 100

// The file ended where the name line of a combination was due: reported as the end of the
// file inside this block.
void Report_Missing_Name_Line(RunContext& run) {
  FreeFormatRead at_end(run.Input);
  std::string nothing;
  at_end.Word(nothing);  // fails with the end of the file
  Report_Read_Failure(run, at_end, kBlock);
}

}  // namespace

// Reads the "LRFD FACTORS AND CASES" block: N (1 to 100), then per load combination a
// factor line (seq, the 13 load factors DL, LL, EQ, IM, Wind, Watr, Ice, Soil, Roof, Rain,
// Snow, Temp, Spec, the flexure and the shear resistance factor) and a name line, taken whole
// (up to 256 characters). Fills NumLrfdCombinations and LrfdCombinations (combinations
// beyond N cleared). Sequence numbers are read and ignored. Errors: N outside 1 to 100
// (input error 94, message to the report), a value that is not a number (90), the end of
// the file inside the block (99).
void Read_Lrfd_Factors(RunContext& run) {
  run.Messages.Write_Line("Reading LRFD load and resistance factor data ");
  ProblemData& problem = run.Problem;

  int num_combinations = 0;
  FreeFormatRead count(run.Input);
  count.Int(num_combinations);
  if (count.Failed()) {
    Report_Read_Failure(run, count, kBlock);
    return;
  }
  if (num_combinations < 1 || num_combinations > kMaxLrfdCombinations) {
    TextChannel& report = run.Report;
    report.Empty_Lines(2);
    report.Line().A("***** Input Data Error No. ").I(kErrorCombinationCount, 0).A(" *****");
    report.End_Line();
    report.Empty_Lines(2);
    report.Write_Line("Number of LRFD load combinations outside of the valid range of 1 to 100.");
    report.Empty_Lines(2);
    report.Line().A("Number of LRFD load combinations input is ").I(num_combinations, 0);
    report.End_Line();
    report.Empty_Lines(2);
    Terminate_With_Error(run, Input_Error_Code(kErrorCombinationCount),
                         100 + kErrorCombinationCount);
    return;
  }

  problem.LrfdCombinations.fill(LrfdCombination{});
  problem.NumLrfdCombinations = num_combinations;
  for (int m = 0; m < num_combinations; ++m) {
    LrfdCombination& combination = problem.LrfdCombinations[m];
    int sequence = 0;
    FreeFormatRead read(run.Input);
    read.Int(sequence);
    for (double& factor : combination.LoadFactor) read.Real(factor);
    read.Real(combination.FlexureResistanceFactor).Real(combination.ShearResistanceFactor);
    if (read.Failed()) {
      Report_Read_Failure(run, read, kBlock);
      return;
    }
    if (!run.Input.Read_Line(combination.Name)) {
      Report_Missing_Name_Line(run);
      return;
    }
  }
}

}  // namespace tavik
