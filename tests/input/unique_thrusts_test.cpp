// The derived list of axial thrusts built after "END": its source, the lbs-to-kips step in
// US customary units, the ascending order, the removal of repeated values, and the cases in
// which it is not built.
#include <gtest/gtest.h>

#include <vector>

#include "input/unique_thrusts.h"

namespace tavik {
namespace {

ProblemData With_Load_Case_Thrusts(int units, const std::vector<double>& thrusts) {
  ProblemData problem;
  problem.IUNITS = units;
  problem.NumSections = 1;
  problem.NumLoadCases = static_cast<int>(thrusts.size());
  for (std::size_t i = 0; i < thrusts.size(); ++i) problem.LoadCases[i].AxialThrust = thrusts[i];
  return problem;
}

std::vector<double> Thrust_List(const ProblemData& problem) {
  return std::vector<double>(problem.UniqueThrusts.begin(),
                             problem.UniqueThrusts.begin() + problem.NumUniqueThrusts);
}

TEST(UniqueThrusts, FromLoadCases) {
  struct Case {
    int units;
    std::vector<double> thrusts;
    std::vector<double> expected;
  };
  const Case cases[] = {
      // lbs -> kips: 50000 lbs = 50 kips; the repeated 50000 is listed once.
      {kUnitsUSCustomary, {0.0, 50000.0, 50000.0, 100000.0}, {0.0, 50.0, 100.0}},
      // SI thrusts stay in kN; ascending order.
      {kUnitsSI, {300.0, 100.0, 200.0}, {100.0, 200.0, 300.0}},
      // Tension (negative) sorts first; repeats apart in the input meet after sorting.
      {kUnitsGeneral, {-100.0, 200.0, -100.0, 0.0, 200.0}, {-100.0, 0.0, 200.0}},
      {kUnitsUSCustomary, {1500.0}, {1.5}},
      // Values equal only after rounding are distinct: 1000.0001 lbs is not 1 kip.
      {kUnitsGeneral, {1.0, 1.0000001}, {1.0, 1.0000001}},
      {kUnitsGeneral, {}, {}},
  };
  for (const Case& c : cases) {
    ProblemData problem = With_Load_Case_Thrusts(c.units, c.thrusts);
    Build_Unique_Thrusts(problem);
    EXPECT_EQ(Thrust_List(problem), c.expected);
  }
}

TEST(UniqueThrusts, LrfdLoadsAreTheSourceWithLrfd) {
  ProblemData problem = With_Load_Case_Thrusts(kUnitsUSCustomary, {999000.0});
  problem.Options.UseLRFD = true;
  problem.NumLrfdLoads = 3;
  problem.LrfdLoads[0].Axial = 20000.0;
  problem.LrfdLoads[1].Axial = 10000.0;
  problem.LrfdLoads[2].Axial = 20000.0;
  Build_Unique_Thrusts(problem);
  EXPECT_EQ(Thrust_List(problem), (std::vector<double>{10.0, 20.0}));
}

// Not built with ComputeInteraction YES or without sections: the list stays as it was.
TEST(UniqueThrusts, NotBuilt) {
  ProblemData interaction = With_Load_Case_Thrusts(kUnitsSI, {100.0});
  interaction.Options.ComputeInteraction = true;
  Build_Unique_Thrusts(interaction);
  EXPECT_EQ(interaction.NumUniqueThrusts, 0);
  EXPECT_EQ(interaction.UniqueThrusts[0], 0.0);

  ProblemData no_section = With_Load_Case_Thrusts(kUnitsSI, {100.0});
  no_section.NumSections = 0;
  Build_Unique_Thrusts(no_section);
  EXPECT_EQ(no_section.NumUniqueThrusts, 0);
}

// A rebuild leaves no stale entry past the new count (entries beyond the count are zero).
TEST(UniqueThrusts, RebuildClearsOldEntries) {
  ProblemData problem = With_Load_Case_Thrusts(kUnitsSI, {5.0, 4.0, 3.0, 2.0, 1.0});
  Build_Unique_Thrusts(problem);
  ASSERT_EQ(problem.NumUniqueThrusts, 5);
  problem.NumLoadCases = 3;
  problem.LoadCases[0].AxialThrust = 7.0;
  problem.LoadCases[1].AxialThrust = 7.0;
  problem.LoadCases[2].AxialThrust = 7.0;
  Build_Unique_Thrusts(problem);
  EXPECT_EQ(Thrust_List(problem), std::vector<double>{7.0});
  for (int i = 1; i < kMaxThrusts; ++i) EXPECT_EQ(problem.UniqueThrusts[i], 0.0) << i;
}

// A full table of 100 distinct thrusts, given in descending order, fills the list exactly.
TEST(UniqueThrusts, FullTable) {
  std::vector<double> thrusts;
  std::vector<double> ascending;
  for (int i = kMaxLoadCases; i >= 1; --i) thrusts.push_back(i);
  for (int i = 1; i <= kMaxLoadCases; ++i) ascending.push_back(i);
  ProblemData problem = With_Load_Case_Thrusts(kUnitsGeneral, thrusts);
  Build_Unique_Thrusts(problem);
  EXPECT_EQ(Thrust_List(problem), ascending);
}

}  // namespace
}  // namespace tavik
