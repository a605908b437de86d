// The factored LRFD loads: sums by load type, factored combinations, the batter
// transformation, the thrust list and the per-type node loads, against hand calculations.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>

#include "analysis/analysis_fixture.h"
#include "lrfd/lrfd.h"
#include "run/unit_labels.h"
#include "test_support.h"

namespace tavik {
namespace {

using testing::Find_Line;

struct LrfdRun {
  RunContext run;
  std::vector<std::string> report;
};

// Three groups: two dead loads (H 1000 and 500, P 100000 and 50000, M 2000 and 0) and a wind
// load (H 3000, M 10000, P -20000); three combinations.
// `change`, when given, edits the problem before the loads are formed.
std::unique_ptr<LrfdRun> Form(double batter_degrees,
                              const std::function<void(ProblemData&)>& change = nullptr) {
  auto result = std::make_unique<LrfdRun>();
  RunContext& run = result->run;
  testing::ScratchDir dir;
  run.Report.Open(dir.File("l.out"));
  ProblemData& p = run.Problem;
  p.IUNITS = kUnitsUSCustomary;
  Set_Unit_Labels(run.Units, p.IUNITS);
  p.PileBatterAngle = batter_degrees * std::numbers::pi / 180.0;
  p.NumLrfdLoads = 3;
  p.LrfdLoads[0] = LrfdLoad{1, 1000.0, 2000.0, 100000.0, {}};
  p.LrfdLoads[1] = LrfdLoad{1, 500.0, 0.0, 50000.0, {}};
  p.LrfdLoads[2] = LrfdLoad{5, 3000.0, 10000.0, -20000.0, {}};
  p.NumLrfdCombinations = 3;
  // 1: 1.25 DL + 1.0 W; 2: 0.9 DL + 1.0 W; 3: 2.0 W, no dead load.
  p.LrfdCombinations[0].LoadFactor[0] = 1.25;
  p.LrfdCombinations[0].LoadFactor[4] = 1.0;
  p.LrfdCombinations[1].LoadFactor[0] = 0.9;
  p.LrfdCombinations[1].LoadFactor[4] = 1.0;
  p.LrfdCombinations[2].LoadFactor[4] = 2.0;
  for (int m = 0; m < 3; ++m) {
    p.LrfdCombinations[m].FlexureResistanceFactor = 0.9;
    p.LrfdCombinations[m].ShearResistanceFactor = 0.0;
    p.LrfdCombinations[m].Name = "Combination " + std::to_string(m + 1);
  }
  if (change) change(p);
  Set_Unit_Labels(run.Units, p.IUNITS);
  Form_LRFD_Loads(run);
  run.Report.Close();
  result->report = testing::Read_Lines(dir.File("l.out"));
  return result;
}

// Sums: DL H 1500, M 2000, P 150000 (two groups); W H 3000, M 10000, P -20000.
//   1: V = 1.25 x 1500 + 3000 = 4875, M = 2500 + 10000 = 12500, P = 187500 - 20000 = 167500
//   2: V = 1350 + 3000 = 4350, M = 1800 + 10000 = 11800, P = 135000 - 20000 = 115000
//   3: V = 6000, M = 20000, P = -40000 (a tension)
TEST(LrfdLoads, SumsAndFactoredCombinations) {
  const auto result = Form(0.0);
  const LrfdState& lrfd = result->run.Lrfd;
  EXPECT_EQ(lrfd.TypeSums[1].Count, 2);
  EXPECT_DOUBLE_EQ(lrfd.TypeSums[1].Axial, 150000.0);
  EXPECT_EQ(lrfd.TypeSums[2].Count, 0);
  EXPECT_DOUBLE_EQ(lrfd.Shear[1], 4875.0);
  EXPECT_DOUBLE_EQ(lrfd.Moment[1], 12500.0);
  EXPECT_DOUBLE_EQ(lrfd.Axial[1], 167500.0);
  EXPECT_DOUBLE_EQ(lrfd.Shear[2], 4350.0);
  EXPECT_DOUBLE_EQ(lrfd.Axial[2], 115000.0);
  EXPECT_DOUBLE_EQ(lrfd.Shear[3], 6000.0);
  EXPECT_DOUBLE_EQ(lrfd.Axial[3], -40000.0);
  // Thrust list ascending in kips: -40, 115, 167.5; each combination knows its entry.
  const ProblemData& p = result->run.Problem;
  ASSERT_EQ(p.NumUniqueThrusts, 3);
  EXPECT_DOUBLE_EQ(p.UniqueThrusts[0], -40.0);
  EXPECT_DOUBLE_EQ(p.UniqueThrusts[2], 167.5);
  EXPECT_EQ(lrfd.ThrustIndex[1], 3);
  EXPECT_EQ(lrfd.ThrustIndex[3], 1);
  // A combination without dead load starts its line with " +"; a shear factor that is not
  // positive is printed as 0.75.
  EXPECT_NE(Find_Line(result->report, "Factored Load =  + 2.00*W  "), -1);
  EXPECT_NE(Find_Line(result->report, "Factored Load =  1.25*DL + 1.00*W  "), -1);
  EXPECT_NE(Find_Line(result->report, "Structural Resistance Factor for Shear   = 0.750"), -1);
  EXPECT_NE(Find_Line(result->report,
                      "Dead Loads   (DL)                 1500.00                 "
                      "2000.00               150000.00           2"),
            -1);
  // A load type without groups: zero totals and a count of 0.
  EXPECT_NE(Find_Line(result->report,
                      "Live Loads   (LL)                    0.00                    0.00      "
                      "              0.00           0"),
            -1);
  // No batter: no transformation table.
  EXPECT_EQ(Find_Line(result->report, "Factored Loads Transformed for Pile Batter"), -1);
}

// A fourth combination with the factors of the first (other resistance factors) has the
// same factored axial force, 167500 lbs: it shares the first one's entry, and the list keeps
// three values.
TEST(LrfdLoads, EqualAxialForcesShareOneThrust) {
  const auto result = Form(0.0, [](ProblemData& p) {
    p.NumLrfdCombinations = 4;
    p.LrfdCombinations[3] = p.LrfdCombinations[0];
    p.LrfdCombinations[3].FlexureResistanceFactor = 1.0;
  });
  const LrfdState& lrfd = result->run.Lrfd;
  EXPECT_EQ(result->run.Problem.NumUniqueThrusts, 3);
  EXPECT_EQ(lrfd.ThrustIndex[4], 3);
  EXPECT_EQ(lrfd.ThrustIndex[1], 3);
  EXPECT_NE(Find_Line(result->report, "Number of Unique Axial Thrust Values = 3"), -1);
  // The thrust table ends the report of this fixture: three rows after its rule.
  const int rule = Find_Line(result->report, "------   ---------------------");
  ASSERT_NE(rule, -1);
  ASSERT_EQ(static_cast<int>(result->report.size()), rule + 4);
  EXPECT_EQ(result->report[rule + 3], "   3      167500.000");
}

// The transformation applies only to a batter above 1e-06 radians in magnitude; below it
// the loads stay as factored (combination 1: V = 4875, P = 167500) and no table is written.
TEST(LrfdLoads, BatterThreshold) {
  struct Case {
    double batter;  // radians
    bool transformed;
  };
  const Case cases[] = {
      {0.0, false}, {1e-06, false}, {-1e-06, false}, {2e-06, true}, {-2e-06, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.batter);
    const auto result = Form(0.0, [&](ProblemData& p) { p.PileBatterAngle = c.batter; });
    const LrfdState& lrfd = result->run.Lrfd;
    const bool table =
        Find_Line(result->report, "Factored Loads Transformed for Pile Batter") != -1;
    EXPECT_EQ(table, c.transformed);
    if (c.transformed) {
      // V' = V cos b + P sin b: 4875 + 167500 b to first order.
      EXPECT_NEAR(lrfd.Shear[1], 4875.0 + 167500.0 * c.batter, 1e-6);
    } else {
      EXPECT_EQ(lrfd.Shear[1], 4875.0);
      EXPECT_EQ(lrfd.Axial[1], 167500.0);
    }
  }
}

// Unit labels of the factored loads: pounds in US customary units, kN and kN-m otherwise
// (general units included); the unit line of the totals by combination only in US customary
// and SI units.
TEST(LrfdLoads, UnitLabelsOfTheFactoredLoads) {
  struct Case {
    int iunits;
    const char* force;
    const char* moment;
    const char* unit_line;  // nullptr: none
  };
  const Case cases[] = {
      {kUnitsUSCustomary, "4875.00 lbs", "12500.00 in-lbs",
       "     Number               lbs              in-lbs               lbs        "},
      {kUnitsSI, "4875.00 kN", "12500.00 kN-m",
       "     Number               kN                kN-m                kN         "},
      {kUnitsGeneral, "4875.00 kN", "12500.00 kN-m", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.iunits);
    const auto result = Form(0.0, [&](ProblemData& p) { p.IUNITS = c.iunits; });
    const auto& report = result->report;
    const int force = Find_Line(report, "Factored Horizontal Force = ");
    ASSERT_NE(force, -1);
    EXPECT_NE(report[force].find(c.force), std::string::npos) << report[force];
    const int moment = Find_Line(report, "Factored Moment           = ");
    ASSERT_NE(moment, -1);
    EXPECT_NE(report[moment].find(c.moment), std::string::npos) << report[moment];
    EXPECT_EQ(Find_Line(report, "     Number    ") != -1, c.unit_line != nullptr);
    if (c.unit_line != nullptr) {
      EXPECT_NE(Find_Line(report, c.unit_line), -1);
    }
  }
}

// The distributed-load points of a group are listed as entered (depths in inches in US
// customary units, the unit the node depths are integrated in).
TEST(LrfdLoads, DistributedPointsAsEntered) {
  const auto result = Form(0.0, [](ProblemData& p) {
    p.LrfdLoads[2].DistributedLoad = DepthValueTable{2, {0.0, 120.0}, {2.0, 1.5}};
  });
  const auto& report = result->report;
  EXPECT_NE(Find_Line(report, "Number of Distributed Loading Points Input for Load Group 3 = 2"),
            -1);
  EXPECT_NE(Find_Line(report, "   1                 0.00                 2.00"), -1);
  EXPECT_NE(Find_Line(report, "   2               120.00                 1.50"), -1);
}

// A 10 degree batter: V' = V cos b + P sin b, P' = -V sin b + P cos b, M unchanged.
// Combination 3: V = 6000, P = -40000: V' = 5908.85 - 6945.93 = -1037.08,
// P' = -1041.89 - 39392.31 = -40434.20.
TEST(LrfdLoads, BatterTransformation) {
  const auto result = Form(10.0);
  const LrfdState& lrfd = result->run.Lrfd;
  const double c = std::cos(10.0 * std::numbers::pi / 180.0);
  const double s = std::sin(10.0 * std::numbers::pi / 180.0);
  EXPECT_NEAR(lrfd.Shear[3], 6000.0 * c - 40000.0 * s, 1e-9);
  EXPECT_NEAR(lrfd.Axial[3], -6000.0 * s - 40000.0 * c, 1e-9);
  EXPECT_NEAR(lrfd.Shear[3], -1037.08, 0.01);
  EXPECT_NEAR(lrfd.Axial[3], -40434.20, 0.01);
  EXPECT_DOUBLE_EQ(lrfd.Moment[3], 20000.0);
  EXPECT_NE(Find_Line(result->report, "Pile PileBatter =  10.000 degrees"), -1);
  EXPECT_NE(Find_Line(result->report, "   T(2,1) = -Sin(PileBatter) =  -0.1736"), -1);
}

// Node loads: a wind group with 2 lb/in from 0 to 120 in, a dead group with 1 lb/in from 0
// to 60 in; nodes every 10 in. A node at 30 in carries 2 and 1 lb/in; the head node's
// tributary length starts at the head, so it has 5 in of the profile over h = 10 in (0.5 of
// the dead load's 1 lb/in); the node at 60 in has half of it too. Combination 1 at 30 in:
// 1.25 x 1 + 1.0 x 2 = 3.25 lb/in; combination 3: 2.0 x 2 = 4.0 lb/in.
TEST(LrfdLoads, FactoredNodeLoads) {
  auto result = Form(0.0);
  RunContext& run = result->run;
  run.Problem.LrfdLoads[2].DistributedLoad = DepthValueTable{2, {0.0, 120.0}, {2.0, 2.0}};
  run.Problem.LrfdLoads[0].DistributedLoad = DepthValueTable{2, {0.0, 60.0}, {1.0, 1.0}};
  PileNodes& nodes = run.Nodes;
  nodes.i_Num_Nodes = 21;
  nodes.rd_Increment = 10.0;
  for (int i = 1; i <= 21; ++i) nodes.rd_NodeDepth[i] = 10.0 * (i - 1);
  LRFD_Distributed_Loads(run);
  EXPECT_DOUBLE_EQ(run.Lrfd.TypeNodeLoad[5][4], 2.0);
  EXPECT_DOUBLE_EQ(run.Lrfd.TypeNodeLoad[1][7], 0.5);
  EXPECT_DOUBLE_EQ(run.Lrfd.TypeNodeLoad[1][1], 0.5);  // 5 in of the 10 in, over h
  EXPECT_DOUBLE_EQ(LRFD_Node_Load(run, 4, 1), 3.25);
  EXPECT_DOUBLE_EQ(LRFD_Node_Load(run, 4, 3), 4.0);
}

}  // namespace
}  // namespace tavik
