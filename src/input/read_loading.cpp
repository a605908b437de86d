#include <string_view>

#include "input/block_readers.h"
#include "input/input_errors.h"

namespace tavik {

namespace {

constexpr std::string_view kBlock = "LOADING";

// A length flag of 1 asks for no pile-head deflection against pile length study; any other
// value asks for one.
constexpr int kNoLengthStudyFlag = 1;

// The distributed lateral load of the LOADING block: M, then M lines (seq, depth,
// intensity). M of 0 or less means no distributed load and no point lines.
void Read_Distributed_Load(RunContext& run) {
  DepthValueTable& table = run.Problem.DistributedLoad;
  table = DepthValueTable{};
  int num_points = 0;
  FreeFormatRead count(run.Input);
  count.Int(num_points);
  if (count.Failed()) {
    Report_Read_Failure(run, count, kBlock);
    return;
  }
  if (num_points <= 0) return;
  if (num_points > kMaxDistributedLoadPoints) {
    Report_Count_Too_Large(run, kBlock, "distributed load points", num_points,
                           kMaxDistributedLoadPoints);
    return;
  }
  for (int k = 0; k < num_points; ++k) {
    int sequence = 0;
    FreeFormatRead read(run.Input);
    read.Int(sequence).Real(table.Depth[k]).Real(table.Value[k]);
    if (read.Failed()) {
      Report_Read_Failure(run, read, kBlock);
      return;
    }
  }
  table.NumPoints = num_points;
}

}  // namespace

// Reads the "LOADING" block: N, then N pile-head load cases (seq, load type, condition 1,
// condition 2, axial thrust, length flag), then the distributed load (M and M points of
// depth and intensity). Fills NumLoadCases, LoadCases (cases beyond N cleared) and
// DistributedLoad, in input units (forces lbs / kN, moments in-lbs / kN-m, deflections
// in / m, slopes in radians; distributed load depths in / m, intensities lb/in / kN/m).
// Sequence numbers are read and ignored. Errors: a negative N or a load type outside 1 to 5
// (input error 92), more than 100 load cases or 50 distributed load points (91), a value
// that is not a number (90), the end of the file inside the block (99).
void Read_Loading(RunContext& run) {
  run.Messages.Write_Line("Reading pile head loading data");
  ProblemData& problem = run.Problem;

  int num_cases = 0;
  FreeFormatRead count(run.Input);
  count.Int(num_cases);
  if (count.Failed()) {
    Report_Read_Failure(run, count, kBlock);
    return;
  }
  if (num_cases < 0) {
    Report_Value_Out_Of_Range(run, kBlock, "number of load cases", num_cases, "0 to 100");
    return;
  }
  if (num_cases > kMaxLoadCases) {
    Report_Count_Too_Large(run, kBlock, "load cases", num_cases, kMaxLoadCases);
    return;
  }

  problem.LoadCases.fill(LoadCase{});
  problem.NumLoadCases = 0;
  for (int i = 0; i < num_cases; ++i) {
    LoadCase& load = problem.LoadCases[i];
    int sequence = 0;
    int length_flag = 0;
    FreeFormatRead read(run.Input);
    read.Int(sequence)
        .Int(load.LoadType)
        .Real(load.Condition1)
        .Real(load.Condition2)
        .Real(load.AxialThrust)
        .Int(length_flag);
    if (read.Failed()) {
      Report_Read_Failure(run, read, kBlock);
      return;
    }
    if (load.LoadType < kLoadShearMoment || load.LoadType > kLoadDeflectionSlope) {
      Report_Value_Out_Of_Range(run, kBlock, "load type", load.LoadType, "1 to 5");
      return;
    }
    load.b_PileLengthStudy = length_flag != kNoLengthStudyFlag;
    problem.NumLoadCases = i + 1;
  }

  Read_Distributed_Load(run);
}

}  // namespace tavik
