#include <string_view>

#include "input/block_readers.h"
#include "input/input_errors.h"

namespace tavik {

namespace {

constexpr std::string_view kBlock = "LRFD LOADS";

constexpr int kErrorLoadCount = 98;       // INP00098: number of loads not 1 to 100
constexpr int kErrorLoadOrder = 97;       // INP00097: load line out of order
constexpr int kErrorPointOrder = 96;      // INP00096: distributed load point out of order
constexpr int kErrorPointCount = 95;      // INP00095: points neither 0 nor 2 to 100
constexpr int kMinDistributedPoints = 2;  // a distributed load profile needs two points

// The heading of the LRFD input errors, framed by two empty lines on each side.
void Write_Heading(TextChannel& report, int error) {
  report.Empty_Lines(2);
  report.Line().A("***** Input Data Error No. ").I(error, 0).A(" *****");
  report.End_Line();
  report.Empty_Lines(2);
}

void Terminate(RunContext& run, int error) {
  Terminate_With_Error(run, Input_Error_Code(error), 100 + error);
}

// Reads the P distributed load points (k, depth, intensity) of LRFD load `load_number`,
// checking that the k-th line carries sequence number k (input error 96).
void Read_Lrfd_Distributed_Load(RunContext& run, int load_number, DepthValueTable& table) {
  for (int k = 1; k <= table.NumPoints; ++k) {
    int sequence = 0;
    FreeFormatRead read(run.Input);
    read.Int(sequence).Real(table.Depth[k - 1]).Real(table.Value[k - 1]);
    if (read.Failed()) {
      Report_Read_Failure(run, read, kBlock);
      return;
    }
    if (sequence != k) {
      TextChannel& report = run.Report;
      Write_Heading(report, kErrorPointOrder);
      report.Line().A("Input appears to be out-of-order for LRFD distributed load ");
      report.Line().I(load_number, 0);
      report.End_Line();
      report.Empty_Lines(2);
      report.Line().A("Input distributed load point is ").I(sequence, 0);
      report.End_Line();
      report.Line().A(" and the expected point number is ").I(k, 0);
      report.End_Line();
      report.Empty_Lines(2);
      Terminate(run, kErrorPointOrder);
      return;
    }
  }
}

}  // namespace

// Reads the "LRFD LOADS" block: N (1 to 100), then for each unfactored load i a line (i,
// load kind, shear, moment, axial force, P) and P distributed load points (k, depth,
// intensity), P being 0 or 2 to 100. Fills NumLrfdLoads and LrfdLoads (loads beyond N
// cleared), in input units. Errors, with their messages to the report: N outside 1 to 100
// (input error 98), a load line whose number is not i (97), P neither 0 nor 2 to 100 (95), a
// point line whose number is not k (96); a load kind outside 1 to 13 (92), a value that is
// not a number (90), the end of the file inside the block (99).
void Read_Lrfd_Loads(RunContext& run) {
  run.Messages.Write_Line("Reading LRFD unfactored load data");
  ProblemData& problem = run.Problem;
  TextChannel& report = run.Report;

  int num_loads = 0;
  FreeFormatRead count(run.Input);
  count.Int(num_loads);
  if (count.Failed()) {
    Report_Read_Failure(run, count, kBlock);
    return;
  }
  if (num_loads < 1 || num_loads > kMaxLrfdLoads) {
    Write_Heading(report, kErrorLoadCount);
    report.Line().A("Number of LRFD loads specified is ").I(num_loads, 0);
    report.End_Line();
    report.Write_Line("This is outside of the valid range to 1 to 100");
    report.Empty_Lines(2);
    Terminate(run, kErrorLoadCount);
    return;
  }

  problem.LrfdLoads.fill(LrfdLoad{});
  problem.NumLrfdLoads = num_loads;
  for (int i = 1; i <= num_loads; ++i) {
    LrfdLoad& load = problem.LrfdLoads[i - 1];
    int sequence = 0;
    int num_points = 0;
    FreeFormatRead read(run.Input);
    read.Int(sequence)
        .Int(load.LoadKind)
        .Real(load.Shear)
        .Real(load.Moment)
        .Real(load.Axial)
        .Int(num_points);
    if (read.Failed()) {
      Report_Read_Failure(run, read, kBlock);
      return;
    }
    if (sequence != i) {
      Write_Heading(report, kErrorLoadOrder);
      report.Write_Line("Input appears to be out-of-order for LRFD loading");
      report.Line().A("Input load number is ").I(sequence, 0);
      report.Line().A(" and the expected load number is ").I(i, 0);
      report.End_Line();
      report.Empty_Lines(2);
      Terminate(run, kErrorLoadOrder);
      return;
    }
    if (num_points != 0 &&
        (num_points < kMinDistributedPoints || num_points > kMaxLrfdDistributedPoints)) {
      Write_Heading(report, kErrorPointCount);
      report.Line().A("Number of distributed load points for LRFD load number ").I(i, 0);
      report.Line().A(" is outside of the valid range of 0 or 2 to 100.");
      report.End_Line();
      report.Empty_Lines(2);
      report.Line().A("The input number of distributed load points is ").I(num_points, 0);
      report.End_Line();
      report.Empty_Lines(2);
      Terminate(run, kErrorPointCount);
      return;
    }
    if (load.LoadKind < 1 || load.LoadKind > kLrfdLoadKinds) {
      Report_Value_Out_Of_Range(run, kBlock, "LRFD load type", load.LoadKind, "1 to 13");
      return;
    }
    load.DistributedLoad.NumPoints = num_points;
    Read_Lrfd_Distributed_Load(run, i, load.DistributedLoad);
    if (run.Status.Has_Error()) return;
  }
}

}  // namespace tavik
