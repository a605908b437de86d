// Whole LRFD runs: what the combinations replace and what they leave to the input load
// cases (the pile-head stiffness matrix, the stiffness-only thrusts), and the length study,
// which an LRFD run never makes.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/analysis_fixture.h"
#include "tavik/tavik.h"
#include "test_support.h"

namespace tavik {
namespace {

using testing::Count_Lines_Containing;
using testing::Find_Line;

struct RunLines {
  RunOutcome outcome;
  std::vector<std::string> report;
  std::vector<std::string> plot;
  std::vector<std::string> messages;
};

RunLines Run_Input(const std::string& text) {
  testing::ScratchDir dir;
  testing::Write_File(dir.File("case.inp"), text);
  RunLines result;
  result.outcome = Run_Analysis(
      {dir.File("case.inp"), dir.File("case.out"), dir.File("case.plt"), dir.File("case.msg")});
  result.report = testing::Read_Lines(dir.File("case.out"));
  result.plot = testing::Read_Lines(dir.File("case.plt"));
  result.messages = testing::Read_Lines(dir.File("case.msg"));
  return result;
}

// The options block with the two switches of these tests.
std::string Options(bool stiffness_only, bool kmatrix) {
  return std::string("OPTIONS\nUnits USCS\nUseLRFD YES\nComputeKmatrix ") +
         (kmatrix ? "YES" : "NO") +
         "\nUseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly " +
         (stiffness_only ? "YES" : "NO") +
         "\nLoading STATIC     0\nMaxIterations 100\nDeflectionLimit 100.0\nTolerance 1.0E-5\n"
         "Increments 100\nPrintSummaryOnly YES\nPrintIncrement 2\nPrintPYCurves NO\n"
         "ComputeInteraction NO\n";
}

// Two groups (DL: 5000 lbs shear, 20000 lbs axial; LL: 10000 lbs, -8000 lbs) and one
// combination, 1.25 DL + 1.75 LL: V = 23750 lbs, P = 11000 lbs.
constexpr const char* kLrfdBlocks =
    "LRFD LOADS\n2\n1 1 5000.0 0.0 20000.0 0\n2 2 10000.0 0.0 -8000.0 0\n"
    "LRFD FACTORS AND CASES\n1\n1 1.25 1.75 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nStrength I\n";

constexpr const char* kTitle = "TAVIKP6\nTITLE\nLRFD run\n\n\n\n\n";

// An elastic 24 in pipe, EI = 29e6 x 2549.3 = 7.39297e10 lb-in2, 60 ft, on an elastic
// subgrade of 50 pci (K = 50 x 24 = 1200 lb/in2). Input load case 1: V = 2000 lbs,
// M = 1000 in-lbs, no thrust, length flag 0 (a length study requested).
TEST(LrfdRun, StiffnessMatrixFromInputLoadCaseOneAndNoLengthStudy) {
  const std::string input =
      std::string(kTitle) + Options(false, true) +
      "SECTIONS\n1\n1\n11\n60.0\n3\n29000000.0\n24.0\n24.0\n0.5\n0.5\n36.914\n36.914\n2549.3\n"
      "2549.3\nSOIL LAYERS\n1\n13 0.0 70.0\n60.0 50.0\n60.0 50.0\n" +
      kLrfdBlocks + "LOADING\n1\n1 1 2000.0 1000.0 0.0 0\n0\nEND\n";
  const RunLines run = Run_Input(input);
  ASSERT_EQ(run.outcome.error_number, 0);

  // No length study: the Line 11 record of the combination holds 0 points, none follows.
  EXPECT_NE(Find_Line(run.plot,
                      "Line 11: Num. points on Ytop vs. Length curve for LRFD load "
                      "case 1"),
            -1);
  EXPECT_EQ(Count_Lines_Containing(run.plot, "Line 12:"), 0);
  EXPECT_EQ(Count_Lines_Containing(run.messages, "Computing top deflection vs. pile"), 0);

  // The stiffness loads are 0.1, log10(2), ... times V0 = 2000 and M0 = 1000 of input load
  // case 1, not of the combination (23750 lbs).
  std::vector<std::vector<double>> rows;
  for (const std::string& line : run.plot) {
    if (line.find("Line 14:") == std::string::npos) continue;
    std::istringstream in(line);
    std::vector<double> values(8);
    for (double& v : values) in >> v;
    rows.push_back(values);
  }
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_DOUBLE_EQ(rows[0][0], 200.0);
  EXPECT_DOUBLE_EQ(rows[0][1], 100.0);
  EXPECT_DOUBLE_EQ(rows[9][0], 2000.0);
  EXPECT_DOUBLE_EQ(rows[9][1], 1000.0);
  // Fixed head of a long pile on a Winkler foundation: K22 = 4 EI beta^3, beta = (K / 4
  // EI)^(1/4) = 7.98134e-3 /in: K22 = 4 x 7.39297e10 x 5.08427e-7 = 150352 lb/in (within the
  // finite-difference error, 1 %).
  const double ei = 29.0e6 * 2549.3;
  const double beta = std::pow(1200.0 / (4.0 * ei), 0.25);
  EXPECT_NEAR(rows[0][2], 4.0 * ei * beta * beta * beta, 0.01 * 150352.0);
}

// A stiffness-only run echoes no LRFD tables (the echo stops after the options), so the
// combinations are never formed: the sections are computed for the axial forces of the load
// groups as the reader listed them, -8000 and 20000 lbs, that is -8 and 20 kips.
TEST(LrfdRun, StiffnessOnlyUsesTheAxialForcesOfTheGroups) {
  const std::string input = std::string(kTitle) + Options(true, false) +
                            "SECTIONS\n1\n1\n4\n60.0\n24.0\n0.5\n36000.0\n29000000.0\n"
                            "SOIL LAYERS\n1\n13 0.0 70.0\n60.0 50.0\n60.0 50.0\n" +
                            kLrfdBlocks + "END\n";
  const RunLines run = Run_Input(input);
  ASSERT_EQ(run.outcome.error_number, 0);
  EXPECT_EQ(Find_Line(run.report, "Unfactored Loading Groups for LRFD Analysis"), -1);
  EXPECT_NE(Find_Line(run.report,
                      "Axial thrust force values were determined from LRFD load combinations"),
            -1);
  EXPECT_NE(
      Find_Line(run.report, "Number of Axial Thrust Force Values Determined from Input Data = 2"),
      -1);
  EXPECT_NE(Find_Line(run.report, "      1               -8.000"), -1);
  EXPECT_NE(Find_Line(run.report, "      2               20.000"), -1);
  const int line3 = Find_Line(run.plot, "Line 3 : Total number of axial thrusts");
  ASSERT_NE(line3, -1);
  EXPECT_EQ(run.plot[line3].substr(0, 5), "    2");
  EXPECT_NE(run.plot[line3].find("for EI-only computations"), std::string::npos);
}

}  // namespace
}  // namespace tavik
