// A whole run from an input data file: a steel pipe pile in soft clay with two load cases,
// read, echoed, analysed and reported, with the plot records in the order the host reads
// them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/analysis_fixture.h"
#include "tavik/tavik.h"
#include "test_support.h"

namespace tavik {
namespace {

using testing::Count_Lines_Containing;
using testing::Find_Line;

// 24-in pipe (wall 0.5 in, I = 2530 in**4), 50 ft long, in soft clay (30 pcf, 720 psf,
// e50 = 0.01) from the pile head to 60 ft; shears of 10 and 20 kips.
const char* const kInput =
    "TAVIKP6\n"
    "TITLE\n"
    "Pipe pile in soft clay\n2\n3\n4\n5\n"
    "OPTIONS\n"
    "Units USCS\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\n"
    "UsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\nMaxIterations 100\n"
    "ExcessDefl 50.0\nTolerance 1.0E-5\nIncrements 100\nPrintSummaryOnly NO\n"
    "PrintIncrement 10\nPrintPYCurves NO\nComputeInteraction NO\n"
    "SECTIONS\n"
    "1\n1\n11\n50\n3\n29000000\n24\n24\n0.5\n0.5\n36.9\n36.9\n2530\n2530\n"
    "SOIL LAYERS\n"
    "1\n1 0 60\n30 720 0.01\n30 720 0.01\n"
    "LOADING\n"
    "2\n1 1 10000 0 0 1\n2 1 20000 0 0 1\n0\n"
    "END\n";

TEST(LateralAnalysisEndToEnd, PipePileInSoftClay) {
  testing::ScratchDir dir;
  testing::Write_File(dir.File("case.inp"), kInput);
  const RunOutcome outcome = Run_Analysis(
      {dir.File("case.inp"), dir.File("case.out"), dir.File("case.plt"), dir.File("case.msg")});
  EXPECT_EQ(outcome.status, 0);
  const auto report = testing::Read_Lines(dir.File("case.out"));
  const auto plot = testing::Read_Lines(dir.File("case.plt"));
  const auto messages = testing::Read_Lines(dir.File("case.msg"));

  // Report: both cases with their verification, the summary, the normal end.
  EXPECT_EQ(Count_Lines_Containing(report, "Computed Values of Pile Loading and Deflection"), 2);
  EXPECT_EQ(Count_Lines_Containing(report, "Output Verification: Computed forces"), 2);
  const int summary = Find_Line(report, "Summary of Pile Response(s)");
  ASSERT_NE(summary, -1);
  EXPECT_GT(summary, Find_Line(report, "Output Summary for Load Case No. 2:"));
  EXPECT_NE(Find_Line(report, "The analysis ended normally. ", summary), -1);

  // Plot records in the host's order: Line 1, 2, the elastic section's table (Line 3, one
  // Line 4 for the one thrust, 150 Line 5 records), Line 6, then per case Line 9 (first
  // case only), 101 Line 10 records and a Line 11, then one Line 13 per case.
  std::vector<std::string> kinds;
  for (const std::string& record : plot) {
    const auto at = record.find("Line ");
    ASSERT_NE(at, std::string::npos) << record;
    std::string kind = record.substr(at + 5, 2);
    if (kind.back() == ' ' || kind.back() == ':' || kind.back() == '(') kind.pop_back();
    if (kinds.empty() || kinds.back() != kind || (kind != "10" && kind != "5")) {
      kinds.push_back(kind);
    }
  }
  EXPECT_EQ(kinds, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "9", "10", "11", "10",
                                             "11", "13", "13"}));
  EXPECT_EQ(Count_Lines_Containing(plot, "Line 10("), 202);
  EXPECT_EQ(Count_Lines_Containing(plot, "Line 5 : Elastic Moment, EI, Curvature for Sect#=1"),
            150);

  // Run-message file: the progress of both cases.
  EXPECT_NE(Find_Line(messages, "Computing lateral response of pile for load number 1"), -1);
  EXPECT_EQ(Count_Lines_Containing(messages, "Convergence Criteria Met"), 2);
  EXPECT_NE(Find_Line(messages, "Completed Analysis 2"), -1);
}

}  // namespace
}  // namespace tavik
