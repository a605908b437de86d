#include <string_view>
#include <utility>

#include "input/block_readers.h"
#include "input/input_errors.h"

namespace tavik {

namespace {

constexpr std::string_view kBlock = "AXIAL THRUST LOADS";

// Ascending order by exchange: for i < j, entries i and j are swapped when entry i is the
// greater.
void Sort_Thrusts_By_Exchange(ProblemData& problem) {
  const int n = problem.NumLoadCases;
  for (int i = 0; i < n - 1; ++i) {
    for (int j = i + 1; j < n; ++j) {
      double& first = problem.LoadCases[i].AxialThrust;
      double& second = problem.LoadCases[j].AxialThrust;
      if (first > second) std::swap(first, second);
    }
  }
}

}  // namespace

// Reads the "AXIAL THRUST LOADS" block of the stiffness-only computations: N, then N lines
// (seq, axial thrust in lbs / kN). The thrusts go, sorted ascending, into the AxialThrust of
// load cases 1 to N, and NumLoadCases becomes N; the other fields of those cases are kept and
// the cases beyond N are cleared. N below 1 means one load case of thrust 0 and no lines.
// The derived thrust list UniqueThrusts is cleared. Errors: more than 100 thrusts (input
// error 91), a value that is not a number (90), the end of the file inside the block (99).
void Read_Axial_Thrusts(RunContext& run) {
  ProblemData& problem = run.Problem;
  problem.UniqueThrusts.fill(0.0);
  problem.NumUniqueThrusts = 0;

  int num_thrusts = 0;
  FreeFormatRead count(run.Input);
  count.Int(num_thrusts);
  if (count.Failed()) {
    Report_Read_Failure(run, count, kBlock);
    return;
  }

  if (num_thrusts >= 1) {
    run.Messages.Write_Line("Reading axial thrust force data for EI-only computations");
    if (num_thrusts > kMaxLoadCases) {
      Report_Count_Too_Large(run, kBlock, "axial thrusts", num_thrusts, kMaxLoadCases);
      return;
    }
    for (int i = 0; i < num_thrusts; ++i) {
      int sequence = 0;
      FreeFormatRead read(run.Input);
      read.Int(sequence).Real(problem.LoadCases[i].AxialThrust);
      if (read.Failed()) {
        Report_Read_Failure(run, read, kBlock);
        return;
      }
    }
  } else {
    num_thrusts = 1;
    problem.LoadCases[0].AxialThrust = 0.0;
  }

  for (int i = num_thrusts; i < kMaxLoadCases; ++i) problem.LoadCases[i] = LoadCase{};
  problem.NumLoadCases = num_thrusts;
  Sort_Thrusts_By_Exchange(problem);
}

}  // namespace tavik
