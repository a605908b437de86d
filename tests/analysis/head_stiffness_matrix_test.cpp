// The pile-head stiffness matrix: the closed-form stiffnesses of a long beam on an elastic
// foundation, the symmetry of the discrete system, the load set taken from load case 1,
// the report block and the "Line 14" records, and how the computation ends.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/analysis_fixture.h"
#include "analysis/head_stiffness_matrix.h"

namespace tavik {
namespace {

using testing::AnalysisRun;
using testing::Count_Lines_Containing;
using testing::Find_Line;
using testing::kTrialModulus;
using testing::PileSetup;
using testing::Run_Lateral;

// The load levels of the ten cases of each kind, to five decimals: 0.1, then log10(s).
constexpr double kLevels[] = {0.1,     0.30103, 0.47712, 0.60206, 0.69897,
                              0.77815, 0.8451,  0.90309, 0.95424, 1.0};

PileSetup Stiffness_Setup() {
  PileSetup setup;
  setup.compute_kmatrix = true;
  setup.cases = {{kLoadShearMoment, 10000.0, 0.0, 0.0, false}};
  return setup;
}

// The leading numbers of every "Line 14" record.
std::vector<std::vector<double>> Line14_Records(const std::vector<std::string>& plot) {
  std::vector<std::vector<double>> records;
  for (const std::string& line : plot) {
    if (line.find("Line 14:") == std::string::npos) continue;
    std::istringstream in(line);
    std::vector<double> values(8);
    for (double& v : values) in >> v;
    records.push_back(values);
  }
  return records;
}

// The constant-modulus soil (k = 50000 lb/in**2) under the 50 ft pipe pile (EI = 2.9e10
// lb-in**2) is a Winkler foundation: b = (k / 4 EI)^(1/4) = 0.025623 /in, b L = 15.4, a
// long pile, whose head stiffnesses are K22 = 4 EI b^3, K23 = K32 = 2 EI b^2, K33 = 2 EI b
// (Hetenyi). The central differences are second order: the error at 100 increments
// (b h = 0.154) must be about four times that at 200 (b h = 0.077), and below (b h)^2.
TEST(HeadStiffnessMatrix, LongPileMatchesClosedFormWithSecondOrderError) {
  const PileSetup base = Stiffness_Setup();
  const double b = std::pow(kTrialModulus / (4.0 * base.ei), 0.25);
  const double exact[4] = {4.0 * base.ei * b * b * b, 2.0 * base.ei * b * b, 2.0 * base.ei * b * b,
                           2.0 * base.ei * b};
  double error[2][4] = {};
  const int increments[2] = {100, 200};
  for (int m = 0; m < 2; ++m) {
    PileSetup setup = base;
    setup.increments = increments[m];
    const AnalysisRun result = Run_Lateral(setup);
    ASSERT_EQ(result.error(), 0);
    const HeadStiffnessMatrix& k = result.run->Analysis.HeadStiffness;
    ASSERT_TRUE(k.Computed);
    const double bh = b * setup.length / setup.increments;
    for (int i = 1; i <= kStiffnessLoadLevels; ++i) {
      SCOPED_TRACE(::testing::Message() << "n = " << setup.increments << ", level " << i);
      const double values[4] = {k.K22[i], k.K23[i], k.K32[i], k.K33[i]};
      for (int c = 0; c < 4; ++c) {
        const double relative = values[c] / exact[c] - 1.0;
        EXPECT_LT(std::fabs(relative), bh * bh) << "component " << c;
        if (i == 1) error[m][c] = relative;
        // A linear soil: the same stiffness at every load level.
        const double first[4] = {k.K22[1], k.K23[1], k.K32[1], k.K33[1]};
        EXPECT_NEAR(values[c], first[c], 1.0e-9 * std::fabs(first[c]));
      }
      // The discrete system is symmetric: K23 = K32.
      EXPECT_NEAR(k.K23[i], k.K32[i], 1.0e-9 * k.K23[i]);
    }
  }
  for (int c = 0; c < 4; ++c) {
    SCOPED_TRACE(c);
    const double ratio = error[0][c] / error[1][c];
    EXPECT_GT(ratio, 3.5);
    EXPECT_LT(ratio, 4.5);
  }
}

// V0 and M0 from the two conditions of load case 1, with the defaults for a negligible
// value (10 lbs and 100 in-lbs, the same loads in kN and kN-m); the ten levels of each.
TEST(HeadStiffnessMatrix, LoadSetFromFirstLoadCase) {
  struct Row {
    const char* why;
    int iunits;
    LoadCase first;
    double v0;
    double m0;
  };
  const Row rows[] = {
      {"given shear and moment",
       kUnitsUSCustomary,
       {kLoadShearMoment, 8000.0, 5000.0, 0.0, false},
       8000.0,
       5000.0},
      {"fixed head: slope 0 as condition 2",
       kUnitsUSCustomary,
       {kLoadShearSlope, 8000.0, 0.0, 0.0, false},
       8000.0,
       100.0},
      {"negligible loads, US customary",
       kUnitsUSCustomary,
       {kLoadShearMoment, 5.0e-8, 0.0, 0.0, false},
       10.0,
       100.0},
      {"zero loads, SI", kUnitsSI, {kLoadShearMoment, 0.0, 0.0, 0.0, false}, 0.0444822, 0.01129848},
      {"general units keep the values",
       kUnitsGeneral,
       {kLoadShearMoment, 2.0, 3.0, 0.0, false},
       2.0,
       3.0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    PileSetup setup = Stiffness_Setup();
    setup.iunits = row.iunits;
    setup.cases = {row.first, {kLoadShearMoment, 20000.0, 0.0, 0.0, false}};
    const AnalysisRun result = Run_Lateral(setup);
    ASSERT_EQ(result.error(), 0);
    const HeadStiffnessMatrix& k = result.run->Analysis.HeadStiffness;
    ASSERT_TRUE(k.Computed);
    const auto records = Line14_Records(result.plot);
    ASSERT_EQ(records.size(), 10u);
    for (int i = 1; i <= kStiffnessLoadLevels; ++i) {
      EXPECT_NEAR(k.Shear[i], kLevels[i - 1] * row.v0, 5.0e-6 * row.v0);
      EXPECT_NEAR(k.Moment[i], kLevels[i - 1] * row.m0, 5.0e-6 * row.m0);
      EXPECT_NEAR(records[i - 1][0], k.Shear[i], 1.0e-7 * row.v0);
      EXPECT_NEAR(records[i - 1][1], k.Moment[i], 1.0e-7 * row.m0);
    }
    // The input load cases are left as they were.
    const ProblemData& problem = result.run->Problem;
    EXPECT_EQ(problem.NumLoadCases, 2);
    EXPECT_EQ(problem.LoadCases[0].LoadType, row.first.LoadType);
    EXPECT_EQ(problem.LoadCases[0].Condition1, row.first.Condition1);
    EXPECT_EQ(problem.LoadCases[0].Condition2, row.first.Condition2);
    EXPECT_EQ(problem.LoadCases[1].Condition1, 20000.0);
  }
}

// In general units a zero condition has no default: the matrix is not computed (it would be
// 0 / 0), the report says why, and the run still ends normally.
TEST(HeadStiffnessMatrix, GeneralUnitsWithoutLoadsIsNotComputed) {
  PileSetup setup = Stiffness_Setup();
  setup.iunits = kUnitsGeneral;
  const AnalysisRun result = Run_Lateral(setup);
  EXPECT_EQ(result.error(), 0);
  EXPECT_FALSE(result.run->Analysis.HeadStiffness.Computed);
  EXPECT_NE(Find_Line(result.report, "Pile-head stiffness matrix not computed"), -1);
  EXPECT_NE(Find_Line(result.messages, "Pile-head stiffness matrix not computed"), -1);
  EXPECT_EQ(Count_Lines_Containing(result.plot, "Line 14:"), 0);
  EXPECT_EQ(Count_Lines_Containing(result.messages, "Analysis Case 2,"), 0);
}

// The report block: heading, the fixed-head and rotation tables of ten rows each (a field of
// 14 and four of 16), the definitions; and the "Line 14" records, eight ES15.7 fields and
// the label. K22 is the applied shear over the head deflection of the same row.
TEST(HeadStiffnessMatrix, ReportBlockAndPlotRecords) {
  const AnalysisRun result = Run_Lateral(Stiffness_Setup());
  ASSERT_EQ(result.error(), 0);
  const auto& report = result.report;
  const int title = Find_Line(report, "Computed Pile-head Stiffness Matrix Values");
  ASSERT_NE(title, -1);
  EXPECT_EQ(report[title], "                  Computed Pile-head Stiffness Matrix Values");
  EXPECT_EQ(report[title - 1], std::string(80, '-'));
  EXPECT_EQ(report[title - 2], "");
  EXPECT_EQ(report[title - 3], "");
  EXPECT_EQ(report[title + 1], "                    K22, K23, K32, K33 for Pile  Head");
  EXPECT_EQ(report[title + 4],
            "    Pile-Top       Pile-Top        Pile-Top                                   ");
  EXPECT_EQ(report[title + 6],
            "     inches          lbs            in-lbs          lb/in.         in-lb/in.  ");
  const std::string rule =
      "  ------------  --------------  --------------  --------------  --------------";
  const int fixed = Find_Line(report, rule, title);
  const int rotation = Find_Line(report, rule, fixed + 1);
  ASSERT_NE(fixed, -1);
  ASSERT_EQ(rotation, fixed + 15);
  EXPECT_EQ(report[rotation - 1],
            "     radians          lbs            in-lbs         lb/rad         in-lb/rad ");
  for (int r = 1; r <= 10; ++r) {
    EXPECT_EQ(report[fixed + r].size(), 78u);
    EXPECT_EQ(report[rotation + r].size(), 78u);
  }
  EXPECT_EQ(report[fixed + 11], "");
  EXPECT_EQ(report[rotation + 11], "");
  EXPECT_EQ(report[rotation + 12], "  K22 = abs(Shear Reaction/Top y)");
  EXPECT_EQ(report[rotation + 15], "  K33 = abs(Moment Reaction/Top Rotation)");

  const int first = Find_Line(result.plot, "Line 14:");
  ASSERT_NE(first, -1);
  EXPECT_EQ(result.plot[first].substr(120), "  Line 14: V, M, K22, K23, K32, K33, ytop, theta");
  const auto records = Line14_Records(result.plot);
  ASSERT_EQ(records.size(), 10u);
  for (const auto& r : records) EXPECT_NEAR(r[2], r[0] / r[6], 2.0e-7 * r[2]);
  // The stiffness cases are recorded, not reported: one results block for load case 1, no
  // node records; but their first case heads them with a Line 9 of the twenty cases, just
  // before the Line 14 records.
  EXPECT_EQ(Count_Lines_Containing(report, "Output Summary for Load Case No."), 1);
  EXPECT_EQ(Count_Lines_Containing(result.plot, "Line 10("), 101);
  EXPECT_EQ(Count_Lines_Containing(result.plot, "Line 9:"), 2);
  EXPECT_EQ(result.plot[first - 1].substr(0, 15), "   20  101    1");
  EXPECT_NE(result.plot[first - 1].find("Line 9:  No. loads, No. nodes"), std::string::npos);
  EXPECT_EQ(Count_Lines_Containing(result.messages, "Analysis Case 20,"), 6);
}

// A stiffness case that does not converge ends the computation: no later case, no report,
// no error. A type 3 first case hands its rotational stiffness (8e7 in-lb/rad) to the
// moment cases as M0, so their moments reach 8e7 in-lbs on the soft clay; with 30
// iterations allowed, load case 1 (28 iterations) converges and case 14 does not.
TEST(HeadStiffnessMatrix, CaseWithoutConvergenceEndsTheComputation) {
  PileSetup setup = Stiffness_Setup();
  setup.soil_index = testing::kSoftClaySoil;
  setup.unit_weight = 0.0174;
  setup.cohesion = 5.0;
  setup.epsilon50 = 0.01;
  setup.max_iterations = 30;
  setup.cases = {{kLoadShearRotStiffness, 10000.0, 8.0e7, 0.0, false}};
  const AnalysisRun result = Run_Lateral(setup);
  EXPECT_EQ(result.error(), 0);
  EXPECT_FALSE(result.run->Analysis.HeadStiffness.Computed);
  EXPECT_EQ(Count_Lines_Containing(result.messages, "Analysis Case 14,"), 30);
  EXPECT_EQ(Count_Lines_Containing(result.messages, "Analysis Case 15,"), 0);
  EXPECT_EQ(Find_Line(result.report, "Computed Pile-head Stiffness Matrix Values"), -1);
  EXPECT_EQ(Count_Lines_Containing(result.plot, "Line 14:"), 0);
  EXPECT_EQ(Find_Line(result.report, "Runtime Error"), -1);
}

// Deflections that are not numbers inside the computation: runtime error 28 as in the load
// cases, and the computation stops at once (here the pile loses its bending stiffness after
// the load cases).
TEST(HeadStiffnessMatrix, NotANumberIsRuntimeError28) {
  PileSetup setup = Stiffness_Setup();
  setup.compute_kmatrix = false;
  const AnalysisRun result = Run_Lateral(setup, [](RunContext& run) {
    run.Problem.PileProperties.PileModulus.fill(0.0);
    Compute_Head_Stiffness_Matrix(run);
  });
  EXPECT_EQ(result.error(), 228);
  const int heading = Find_Line(result.report, "**** Runtime Error No. 28 ****");
  ASSERT_NE(heading, -1);
  EXPECT_EQ(result.report[heading + 2],
            "Either top deflection or maximum change in deflection is not a number after "
            "iteration 1");
  EXPECT_EQ(Count_Lines_Containing(result.messages, "Analysis Case 2,"), 0);
  EXPECT_FALSE(result.run->Analysis.HeadStiffness.Computed);
  EXPECT_FALSE(result.run->Analysis.b_StiffnessMatrixMode);
}

}  // namespace
}  // namespace tavik
