// The results report of the load cases and their summary: layout of the report blocks and
// plot records in US customary, SI and general units, the options that shorten the report,
// the equilibrium check and its warning, and the count of zero-deflection points.
#include <gtest/gtest.h>

#include <string>

#include "analysis/analysis_fixture.h"
#include "analysis/load_case_report.h"
#include "run/run_status.h"
#include "test_support.h"

namespace tavik {
namespace {

using testing::AnalysisRun;
using testing::Count_Lines_Containing;
using testing::Find_Line;
using testing::PileSetup;
using testing::Run_Lateral;

PileSetup Two_Cases(int iunits) {
  PileSetup setup;
  setup.iunits = iunits;
  setup.print_increment = 10;
  setup.cases = {{kLoadShearMoment, 10000.0, 0.0, 0.0, false},
                 {kLoadShearSlope, 10000.0, 0.0, 0.0, false}};
  return setup;
}

TEST(LoadCaseReport, UsCustomaryLayout) {
  const AnalysisRun result = Run_Lateral(Two_Cases(kUnitsUSCustomary));
  ASSERT_EQ(result.error(), 0);
  const auto& r = result.report;
  const int title = Find_Line(r, "Computed Values of Pile Loading and Deflection");
  ASSERT_GE(title, 3);
  EXPECT_EQ(r[title], "                 Computed Values of Pile Loading and Deflection");
  EXPECT_EQ(r[title + 1], "                   for Lateral Loading for Load Case Number 1");
  EXPECT_EQ(r[title + 2], std::string(80, '-'));
  EXPECT_EQ(r[title + 4], "Pile-head conditions are Shear and Moment (Loading Type 1)");
  // Label, "= " at column 56, F15.3 and the unit.
  EXPECT_EQ(r[title + 5],
            "Horizontal shear force at pile head                    =       10000.000 lbs");
  EXPECT_EQ(r[title + 7],
            "Axial thrust load on pile head                         =           0.000 lbs");
  EXPECT_EQ(r[title + 9].substr(0, 31), "   Depth    Deflect.    Bending");
  EXPECT_EQ(r[title + 11].substr(0, 30), "   inches    inches     in-lbs");
  // Rows for nodes 1, 11, ..., 101 (printing increment 10): 11 rows; the head row at depth
  // 0 and Es*h of half an increment: 50000 lb/in**2 x 3 in = 150000.
  const int first_row = title + 13;
  EXPECT_EQ(r[first_row].substr(0, 10), "      0.00");
  EXPECT_EQ(r[first_row].substr(87, 11), "    150000.");
  EXPECT_EQ(r[first_row + 1].substr(0, 10), "    60.000");
  EXPECT_EQ(r[first_row + 1].substr(87, 11), "    300000.");
  EXPECT_EQ(r[first_row + 10].substr(0, 10), "   600.000");
  EXPECT_EQ(r[first_row + 10].substr(87, 11), "    150000.");
  EXPECT_EQ(r[first_row + 11], "");
  // Fixed head of case 2.
  EXPECT_NE(Find_Line(r, "(Zero slope for this load indicates fixed-head conditions)"), -1);

  // Summary table: case, type, the conditions in fields of 11 (10000 as F10.4, 0 as F10.3).
  const int rule = Find_Line(r, "----  ----  --------------");
  ASSERT_NE(rule, -1);
  EXPECT_EQ(r[rule - 1].substr(0, 20), " No.   No.    y(inch");
  EXPECT_EQ(r[rule + 1].substr(0, 42), "  1     1   V = 10000.0000  M =      0.000");
  EXPECT_EQ(r[rule + 2].substr(0, 42), "  2     2   V = 10000.0000  S =      0.000");
  EXPECT_EQ(r[rule + 1].size(), 117u);

  // Plot file, after the elastic section's table records: Line 6 (no output depths), Line 9
  // once, Line 10 for every node of both cases, Line 11 per case, Line 13 per case.
  const auto& p = result.plot;
  const int line6 = Find_Line(p, "Line 6 :");
  ASSERT_GE(line6, 1);
  EXPECT_EQ(p[line6], "    0" + std::string(75, ' ') + "Line 6 : number of output p-y curves");
  EXPECT_EQ(p[line6 + 1], "    2  101    1" + std::string(65, ' ') +
                              "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI");
  EXPECT_EQ(p[line6 + 2].substr(90), " Line 10(  1): nodal depth, y, M, V, p, EI");
  EXPECT_EQ(Count_Lines_Containing(p, "Line 9:"), 1);
  EXPECT_EQ(Count_Lines_Containing(p, "Line 10("), 202);
  EXPECT_EQ(
      Count_Lines_Containing(p, "Line 11: Num. points on Ytop vs. Length curve for load case "), 2);
  const int line13 = Find_Line(p, "Line 13:");
  ASSERT_NE(line13, -1);
  EXPECT_EQ(p[line13].substr(75),
            "     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)");
  EXPECT_EQ(p[line13].substr(0, 15), "  1.0000000E+04");  // the head shear of case 1
}

TEST(LoadCaseReport, SiLayout) {
  PileSetup setup = Two_Cases(kUnitsSI);
  // An SI pile of the same stiffness scale: EI = 1e5 kN-m**2 on the trial modulus.
  setup.length = 20.0;
  setup.ei = 1.0e5;
  setup.inertia = 1.0e-3;
  setup.width = 0.6;
  setup.area = 0.02;
  setup.tolerance = 1.0e-7;
  setup.cases = {{kLoadShearMoment, 100.0, 0.0, 0.0, false}};
  const AnalysisRun result = Run_Lateral(setup);
  ASSERT_EQ(result.error(), 0);
  const auto& r = result.report;
  EXPECT_NE(
      Find_Line(r, "Horizontal shear force at pile head                    =         100.000 kN"),
      -1);
  EXPECT_NE(Find_Line(r, "   meters    meters      kN-m       kN        radians     kPa*"), -1);
  EXPECT_NE(Find_Line(r, "Load Type 1: Load 1 = Shear, kN, and Load 2 = Moment, kN-m "), -1);
  EXPECT_NE(Find_Line(r, " meters below pile head"), -1);
  EXPECT_EQ(Find_Line(r, " inches"), -1);
  EXPECT_NE(
      Find_Line(result.plot, "Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)"), -1);
}

// General units: no head conditions, table header or unit lines (units unknown), but the
// rows and the plot records; the summary carries the SI label on its Line 13 records.
TEST(LoadCaseReport, GeneralUnitsLeaveOutUnitBlocks) {
  const AnalysisRun result = Run_Lateral(Two_Cases(kUnitsGeneral));
  ASSERT_EQ(result.error(), 0);
  const auto& r = result.report;
  EXPECT_EQ(Find_Line(r, "Pile-head conditions are"), -1);
  EXPECT_EQ(Find_Line(r, "   Depth    Deflect."), -1);
  EXPECT_EQ(Find_Line(r, "Pile-head deflection             ="), -1);
  EXPECT_EQ(Find_Line(r, "Load Type 1: Load 1"), -1);
  EXPECT_EQ(Find_Line(r, "Case  Type"), -1);
  EXPECT_EQ(Count_Lines_Containing(r, "   600.000 "), 2);  // the tip rows of both cases
  EXPECT_EQ(Find_Line(r, "Output Verification"), -1);      // not judged in general units
  EXPECT_EQ(Count_Lines_Containing(result.plot, "Line 13: TopV(kN) TopY(m)"), 2);
}

// Summary only: no per-case blocks, but the Line 9 and Line 10 records and the summary.
TEST(LoadCaseReport, SummaryOnly) {
  PileSetup setup = Two_Cases(kUnitsUSCustomary);
  setup.summary_only = true;
  const AnalysisRun result = Run_Lateral(setup);
  ASSERT_EQ(result.error(), 0);
  EXPECT_EQ(Find_Line(result.report, "Computed Values of Pile Loading"), -1);
  EXPECT_EQ(Find_Line(result.report, "Output Summary for Load Case"), -1);
  EXPECT_EQ(Find_Line(result.report, "Output Verification"), -1);
  EXPECT_NE(Find_Line(result.report, "Summary of Pile Response(s)"), -1);
  EXPECT_EQ(Count_Lines_Containing(result.plot, "Line 10("), 202);
}

// Deflections that do not solve the beam-column equations (a single node pushed out):
// the moment imbalance is far above 1 in-lb, so the warning is written to both files, the
// run still ends normally, and no warning is counted.
TEST(LoadCaseReport, EquilibriumWarning) {
  testing::ScratchDir dir;
  RunContext run;
  testing::Set_Winkler_Nodes(run, 100, 1000.0, 1.0e10, 1000.0);
  run.Problem.NumLoadCases = 1;
  run.Analysis.NumLoadCases = 1;
  run.Analysis.Head.LoadType = kLoadShearMoment;
  run.Report.Open(dir.File("case.out"));
  run.Messages.Open(dir.File("case.msg"));
  run.Plot.Open(dir.File("case.plt"));
  run.Nodes.rd_Y[50] = 0.01;
  Write_Load_Case_Results(run, 1);
  run.Report.Close();
  run.Messages.Close();
  run.Plot.Close();
  const auto report = testing::Read_Lines(dir.File("case.out"));
  const auto messages = testing::Read_Lines(dir.File("case.msg"));
  const int warning = Find_Line(report, "**** Warning - POSSIBLE SOLUTION ERROR 5501 ****");
  ASSERT_NE(warning, -1);
  EXPECT_EQ(report[warning + 2],
            "Force and moment imbalances may be too large for a good solution.");
  EXPECT_EQ(report[warning + 13].substr(0, 52),
            "Maximum internal moment imbalance for pile        = ");
  EXPECT_EQ(report[warning + 13].substr(64), " in-lbs");
  EXPECT_EQ(report[warning + 14].substr(64), " lbs");
  EXPECT_EQ(Find_Line(report, "Output Verification"), -1);
  const int note = Find_Line(messages, "**** Warning - POSSIBLE SOLUTION ERROR 550 ****");
  ASSERT_NE(note, -1);
  EXPECT_NE(messages[note + 13].find(" in-lbs at node "), std::string::npos);
  EXPECT_FALSE(run.Status.Has_Error());
  EXPECT_EQ(Run_Return_Value(run.Status), 0);
}

// Zero-deflection points are sign changes between neighbouring nodes; a node of exactly
// zero deflection is no crossing. Pattern: + (nodes 1-9), - (10-19), 0 (20), + (21-101).
TEST(LoadCaseReport, ZeroDeflectionPoints) {
  testing::ScratchDir dir;
  RunContext run;
  testing::Set_Winkler_Nodes(run, 100, 1000.0, 1.0e10, 1000.0);
  run.Analysis.NumLoadCases = 1;
  run.Analysis.Head.LoadType = kLoadShearMoment;
  run.Report.Open(dir.File("case.out"));
  for (int i = 1; i <= 102; ++i) run.Nodes.rd_Y[i] = (i < 10) ? 1.0 : (i < 20) ? -1.0 : 1.0;
  run.Nodes.rd_Y[20] = 0.0;
  Write_Load_Case_Results(run, 1);
  run.Report.Close();
  const auto report = testing::Read_Lines(dir.File("case.out"));
  EXPECT_NE(Find_Line(report, "Number of zero deflection points =              1"), -1);
}

}  // namespace
}  // namespace tavik
