// The pile-head loading blocks: "LOADING" (load cases and the distributed load) and "AXIAL
// THRUST LOADS" (the thrusts of the stiffness-only computations).
#include <gtest/gtest.h>

#include <string>

#include "input/block_readers.h"
#include "input/input_fixture.h"

namespace tavik {
namespace {

using testing::Contains_Lines;
using testing::Run_Reader;

// The line a reader leaves unread: a block reader must consume exactly its block.
std::string Next_Line(const testing::ReadResult& result) {
  std::string line;
  if (!result.run->Input.Read_Line(line)) return "<end of file>";
  return line;
}

// N lines "k <value>" for k = 1 to n.
std::string Numbered_Lines(int n, const std::string& values) {
  std::string text;
  for (int k = 1; k <= n; ++k) text += std::to_string(k) + " " + values + "\n";
  return text;
}

TEST(LoadingBlock, ReadsLoadCasesAndDistributedLoad) {
  // The third case is written over two lines: a free-format read continues on the next line.
  const auto result = Run_Reader(Read_Loading,
                                 "3\n"
                                 "1 1 1000.0 -2.5E5 20000 1\n"
                                 "2 5, 0.25, 0.01, 0, 0\n"
                                 "3 3 500 \n"
                                 " 1.2D6 -300 2\n"
                                 "2\n"
                                 "1 120 10.5\n"
                                 "2 240 0\n"
                                 "END\n");
  ASSERT_EQ(result.error(), 0);
  const ProblemData& p = result.problem();
  ASSERT_EQ(p.NumLoadCases, 3);
  const LoadCase& a = p.LoadCases[0];
  EXPECT_EQ(a.LoadType, 1);
  EXPECT_DOUBLE_EQ(a.Condition1, 1000.0);
  EXPECT_DOUBLE_EQ(a.Condition2, -2.5e5);
  EXPECT_DOUBLE_EQ(a.AxialThrust, 20000.0);
  const LoadCase& b = p.LoadCases[1];
  EXPECT_EQ(b.LoadType, 5);
  EXPECT_DOUBLE_EQ(b.Condition1, 0.25);
  EXPECT_DOUBLE_EQ(b.Condition2, 0.01);
  const LoadCase& c = p.LoadCases[2];
  EXPECT_EQ(c.LoadType, 3);
  EXPECT_DOUBLE_EQ(c.Condition2, 1.2e6);
  EXPECT_DOUBLE_EQ(c.AxialThrust, -300.0);
  // Length flag 1 asks for no pile-length study; 0 and 2 (anything else) ask for one.
  EXPECT_FALSE(a.b_PileLengthStudy);
  EXPECT_TRUE(b.b_PileLengthStudy);
  EXPECT_TRUE(c.b_PileLengthStudy);

  ASSERT_EQ(p.DistributedLoad.NumPoints, 2);
  EXPECT_DOUBLE_EQ(p.DistributedLoad.Depth[0], 120.0);
  EXPECT_DOUBLE_EQ(p.DistributedLoad.Value[0], 10.5);
  EXPECT_DOUBLE_EQ(p.DistributedLoad.Depth[1], 240.0);
  EXPECT_EQ(result.messages, (std::vector<std::string>{"Reading pile head loading data"}));
  EXPECT_EQ(Next_Line(result), "END");
}

TEST(LoadingBlock, NoDistributedLoadReadsNoPointLinesAndClearsEarlierPoints) {
  // M = 0 and a negative M both mean no distributed load: the next line is not read.
  for (const char* m : {"0", "-2"}) {
    const auto result = Run_Reader(Read_Loading, std::string("1\n1 2 100 0 0 1\n") + m + "\nEND\n",
                                   [](RunContext& run) {
                                     // A distributed load and more load cases from an earlier
                                     // LOADING block.
                                     run.Problem.DistributedLoad.NumPoints = 2;
                                     run.Problem.DistributedLoad.Depth = {1.0, 2.0};
                                     run.Problem.DistributedLoad.Value = {3.0, 4.0};
                                     run.Problem.NumLoadCases = 2;
                                     run.Problem.LoadCases[1].LoadType = 4;
                                     run.Problem.LoadCases[1].AxialThrust = 9.0;
                                   });
    ASSERT_EQ(result.error(), 0) << m;
    const ProblemData& p = result.problem();
    EXPECT_EQ(p.NumLoadCases, 1);
    EXPECT_EQ(p.LoadCases[1].LoadType, 0) << "cases beyond the count are cleared";
    EXPECT_EQ(p.LoadCases[1].AxialThrust, 0.0);
    EXPECT_EQ(p.DistributedLoad.NumPoints, 0);
    EXPECT_EQ(p.DistributedLoad.Depth[0], 0.0);
    EXPECT_EQ(p.DistributedLoad.Value[1], 0.0);
    EXPECT_EQ(Next_Line(result), "END") << m;
  }
}

TEST(LoadingBlock, AcceptsFullTables) {
  // 100 load cases and 50 distributed load points fill their tables exactly.
  const auto result =
      Run_Reader(Read_Loading, "100\n" + Numbered_Lines(100, "4 0.1 0 0 1") + "50\n" +
                                   Numbered_Lines(50, "12.0 3.0") + "END\n");
  ASSERT_EQ(result.error(), 0);
  EXPECT_EQ(result.problem().NumLoadCases, 100);
  EXPECT_EQ(result.problem().LoadCases[99].LoadType, 4);
  EXPECT_EQ(result.problem().DistributedLoad.NumPoints, 50);
  EXPECT_DOUBLE_EQ(result.problem().DistributedLoad.Value[49], 3.0);
  EXPECT_EQ(Next_Line(result), "END");
}

TEST(LoadingBlock, RejectsBadCountsAndLoadTypes) {
  struct Case {
    const char* name;
    std::string text;
    int error;
    const char* problem_line;  // the "Problem:" line of the message
  };
  const Case cases[] = {
      {"load type 0", "1\n1 0 100 0 0 1\n0\n", 192,
       "Problem: The LOADING block, line 2, gives load type = 0."},
      {"load type 6", "2\n1 1 100 0 0 1\n2 6 100 0 0 1\n0\n", 192,
       "Problem: The LOADING block, line 3, gives load type = 6."},
      {"negative count", "-1\n0\n", 192,
       "Problem: The LOADING block, line 1, gives number of load cases = -1."},
      {"101 load cases", "101\n" + Numbered_Lines(101, "1 0 0 0 1"), 191,
       "Problem: The LOADING block, line 1, gives 101 load cases."},
      // The plain distributed load table holds 50 points (an LRFD load holds 100).
      {"51 distributed points", "1\n1 1 0 0 0 1\n51\n" + Numbered_Lines(51, "0 0"), 191,
       "Problem: The LOADING block, line 3, gives 51 distributed load points."},
      {"text for a number", "1\n1 1 10O.0 0 0 1\n0\n", 190,
       "Problem: In the LOADING block, line 2 of the input file, the value \"10O.0\""},
  };
  for (const Case& c : cases) {
    const auto result = Run_Reader(Read_Loading, c.text);
    EXPECT_EQ(result.error(), c.error) << c.name;
    EXPECT_TRUE(Contains_Lines(result.report, {c.problem_line})) << c.name;
    EXPECT_TRUE(Contains_Lines(result.messages, {c.problem_line})) << c.name;
  }
}

TEST(AxialThrustBlock, StoresThrustsSortedAscendingAsLoadCases) {
  const auto result =
      Run_Reader(Read_Axial_Thrusts, "3\n1 500\n2 100\n3 300\nEND\n", [](RunContext& run) {
        // A derived thrust list and four cases from earlier blocks.
        run.Problem.NumUniqueThrusts = 2;
        run.Problem.UniqueThrusts[0] = 7.0;
        run.Problem.UniqueThrusts[1] = 8.0;
        run.Problem.NumLoadCases = 4;
        run.Problem.LoadCases[3].AxialThrust = 900.0;
      });
  ASSERT_EQ(result.error(), 0);
  const ProblemData& p = result.problem();
  ASSERT_EQ(p.NumLoadCases, 3);
  EXPECT_DOUBLE_EQ(p.LoadCases[0].AxialThrust, 100.0);
  EXPECT_DOUBLE_EQ(p.LoadCases[1].AxialThrust, 300.0);
  EXPECT_DOUBLE_EQ(p.LoadCases[2].AxialThrust, 500.0);
  EXPECT_EQ(p.LoadCases[3].AxialThrust, 0.0) << "cases beyond the count are cleared";
  EXPECT_EQ(p.NumUniqueThrusts, 0);
  EXPECT_EQ(p.UniqueThrusts[0], 0.0);
  EXPECT_EQ(result.messages,
            (std::vector<std::string>{"Reading axial thrust force data for EI-only computations"}));
  EXPECT_EQ(Next_Line(result), "END");
}

TEST(AxialThrustBlock, SortHandlesNegativeAndRepeatedThrusts) {
  // Tension is negative; repeated values stay (the derived list removes them later).
  const auto result = Run_Reader(Read_Axial_Thrusts, "5\n1 0\n2 -50\n3 200\n4 -50\n5 10\n");
  ASSERT_EQ(result.error(), 0);
  const double expected[] = {-50.0, -50.0, 0.0, 10.0, 200.0};
  for (int i = 0; i < 5; ++i)
    EXPECT_DOUBLE_EQ(result.problem().LoadCases[i].AxialThrust, expected[i]);
}

TEST(AxialThrustBlock, CountBelowOneGivesOneCaseOfZeroThrust) {
  for (const char* n : {"0", "-3"}) {
    const auto result =
        Run_Reader(Read_Axial_Thrusts, std::string(n) + "\nEND\n", [](RunContext& run) {
          run.Problem.NumLoadCases = 2;
          run.Problem.LoadCases[0].AxialThrust = 250.0;
          run.Problem.LoadCases[1].AxialThrust = 500.0;
        });
    ASSERT_EQ(result.error(), 0) << n;
    EXPECT_EQ(result.problem().NumLoadCases, 1);
    EXPECT_EQ(result.problem().LoadCases[0].AxialThrust, 0.0);
    EXPECT_EQ(result.problem().LoadCases[1].AxialThrust, 0.0);
    EXPECT_TRUE(result.messages.empty()) << "no progress line without thrust lines";
    EXPECT_EQ(Next_Line(result), "END") << n;
  }
}

TEST(AxialThrustBlock, RejectsMoreThan100Thrusts) {
  const auto full = Run_Reader(Read_Axial_Thrusts, "100\n" + Numbered_Lines(100, "5.0"));
  EXPECT_EQ(full.error(), 0);
  EXPECT_EQ(full.problem().NumLoadCases, 100);

  const auto result = Run_Reader(Read_Axial_Thrusts, "101\n" + Numbered_Lines(101, "5.0"));
  EXPECT_EQ(result.error(), 191);
  EXPECT_TRUE(Contains_Lines(
      result.report, {"Problem: The AXIAL THRUST LOADS block, line 1, gives 101 axial thrusts.",
                      "Solution: Give at most 100 axial thrusts."}));
  EXPECT_TRUE(Contains_Lines(result.report, {"Tavik ended prematurely due to input error number "
                                             "INP00091"}));
}

}  // namespace
}  // namespace tavik
