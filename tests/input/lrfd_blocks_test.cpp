// The LRFD input blocks: "LRFD LOADS" (unfactored load groups with their distributed loads)
// and "LRFD FACTORS AND CASES" (load and resistance factors of the combinations).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/block_readers.h"
#include "input/input_fixture.h"

namespace tavik {
namespace {

using testing::Contains_Lines;
using testing::Run_Reader;

using Lines = std::vector<std::string>;

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

// The closing lines every input error writes to the report.
Lines Ending(const char* code) {
  return {"", "", std::string("Tavik ended prematurely due to input error number ") + code};
}

TEST(LrfdLoadsBlock, ReadsLoadsWithAndWithoutDistributedLoad) {
  const auto result = Run_Reader(Read_Lrfd_Loads,
                                 "2\n"
                                 "1 1 1000 -5000 200000 0\n"
                                 "2 13 50.5 0 -1E4 2\n"
                                 "1 0 1.5\n"
                                 "2 10 0.5\n"
                                 "END\n");
  ASSERT_EQ(result.error(), 0);
  const ProblemData& p = result.problem();
  ASSERT_EQ(p.NumLrfdLoads, 2);
  const LrfdLoad& dead = p.LrfdLoads[0];
  EXPECT_EQ(dead.LoadKind, 1);
  EXPECT_DOUBLE_EQ(dead.Shear, 1000.0);
  EXPECT_DOUBLE_EQ(dead.Moment, -5000.0);
  EXPECT_DOUBLE_EQ(dead.Axial, 200000.0);
  EXPECT_EQ(dead.DistributedLoad.NumPoints, 0);
  const LrfdLoad& special = p.LrfdLoads[1];
  EXPECT_EQ(special.LoadKind, 13);
  EXPECT_DOUBLE_EQ(special.Shear, 50.5);
  EXPECT_DOUBLE_EQ(special.Axial, -1.0e4);
  ASSERT_EQ(special.DistributedLoad.NumPoints, 2);
  EXPECT_DOUBLE_EQ(special.DistributedLoad.Depth[1], 10.0);
  EXPECT_DOUBLE_EQ(special.DistributedLoad.Value[0], 1.5);
  EXPECT_DOUBLE_EQ(special.DistributedLoad.Value[1], 0.5);
  EXPECT_EQ(result.messages, (Lines{"Reading LRFD unfactored load data"}));
  EXPECT_EQ(Next_Line(result), "END");
}

TEST(LrfdLoadsBlock, AcceptsOneHundredDistributedLoadPoints) {
  // An LRFD load holds up to 100 points, twice the plain distributed load table.
  const auto result =
      Run_Reader(Read_Lrfd_Loads, "1\n1 5 0 0 0 100\n" + Numbered_Lines(100, "2.0 4.0") + "END\n");
  ASSERT_EQ(result.error(), 0);
  EXPECT_EQ(result.problem().LrfdLoads[0].DistributedLoad.NumPoints, 100);
  EXPECT_DOUBLE_EQ(result.problem().LrfdLoads[0].DistributedLoad.Value[99], 4.0);
  EXPECT_EQ(Next_Line(result), "END");
}

TEST(LrfdLoadsBlock, LoadCountOutsideOneTo100IsError98) {
  for (const int n : {0, -4, 101}) {
    const auto result = Run_Reader(Read_Lrfd_Loads, std::to_string(n) + "\n");
    EXPECT_EQ(result.error(), 198) << n;
    Lines expected = {"",
                      "",
                      "***** Input Data Error No. 98 *****",
                      "",
                      "",
                      "Number of LRFD loads specified is " + std::to_string(n),
                      "This is outside of the valid range to 1 to 100",
                      "",
                      ""};
    for (const auto& line : Ending("INP00098")) expected.push_back(line);
    EXPECT_EQ(result.report, expected) << n;
    // The message goes to the report only.
    EXPECT_EQ(result.messages, (Lines{"Reading LRFD unfactored load data"})) << n;
  }
}

TEST(LrfdLoadsBlock, LoadOutOfOrderIsError97) {
  const auto result = Run_Reader(Read_Lrfd_Loads, "3\n1 1 0 0 0 0\n3 2 0 0 0 0\n2 2 0 0 0 0\n");
  EXPECT_EQ(result.error(), 197);
  EXPECT_TRUE(Contains_Lines(
      result.report, {"", "", "***** Input Data Error No. 97 *****", "", "",
                      "Input appears to be out-of-order for LRFD loading",
                      "Input load number is 3 and the expected load number is 2", "", "", "", "",
                      "Tavik ended prematurely due to input error number INP00097"}));
}

TEST(LrfdLoadsBlock, DistributedPointCountNeitherZeroNorTwoTo100IsError95) {
  for (const int points : {1, -1, 101}) {
    const auto result = Run_Reader(
        Read_Lrfd_Loads, "2\n1 1 0 0 0 2\n1 0 1\n2 5 1\n2 2 0 0 0 " + std::to_string(points) +
                             "\n" + Numbered_Lines(points > 0 ? points : 0, "0 0"));
    EXPECT_EQ(result.error(), 195) << points;
    EXPECT_TRUE(Contains_Lines(
        result.report,
        {"", "", "***** Input Data Error No. 95 *****", "", "",
         "Number of distributed load points for LRFD load number 2 is outside of the valid range "
         "of 0 or 2 to 100.",
         "", "", "The input number of distributed load points is " + std::to_string(points), "", "",
         "", "", "Tavik ended prematurely due to input error number INP00095"}))
        << points;
  }
}

TEST(LrfdLoadsBlock, DistributedPointOutOfOrderIsError96) {
  const auto result =
      Run_Reader(Read_Lrfd_Loads, "2\n1 1 0 0 0 0\n2 2 0 0 0 3\n1 0 1\n3 5 1\n2 9 1\n");
  EXPECT_EQ(result.error(), 196);
  EXPECT_TRUE(Contains_Lines(
      result.report,
      {"", "", "***** Input Data Error No. 96 *****", "", "",
       "Input appears to be out-of-order for LRFD distributed load 2", "", "",
       "Input distributed load point is 3", " and the expected point number is 2", "", "", "", "",
       "Tavik ended prematurely due to input error number INP00096"}));
}

TEST(LrfdLoadsBlock, LoadKindOutsideThe13TypesIsError92) {
  for (const char* kind : {"0", "14"}) {
    const auto result =
        Run_Reader(Read_Lrfd_Loads, std::string("1\n1 ") + kind + " 100 0 0 0\nEND\n");
    EXPECT_EQ(result.error(), 192) << kind;
    EXPECT_TRUE(Contains_Lines(result.report,
                               {std::string("Problem: The LRFD LOADS block, line 2, gives LRFD "
                                            "load type = ") +
                                    kind + ".",
                                "Solution: Use one of 1 to 13."}))
        << kind;
  }
}

TEST(LrfdFactorsBlock, ReadsFactorsAndWholeNameLines) {
  const auto result = Run_Reader(Read_Lrfd_Factors,
                                 "2\n"
                                 "1 1.25 1.75 0 0 0 0 0 0 0 0 0 0 0.5 0.9 0.75\n"
                                 "Strength I, maximum dead load\n"
                                 "2 0.9 0 1.0 0.1 1.4 0.2 0.3 0.4 0.5 0.6 0.7 0.8\n"
                                 "   1.3 1.0 1.0\n"
                                 "\n"
                                 "END\n");
  ASSERT_EQ(result.error(), 0);
  const ProblemData& p = result.problem();
  ASSERT_EQ(p.NumLrfdCombinations, 2);
  const LrfdCombination& first = p.LrfdCombinations[0];
  EXPECT_DOUBLE_EQ(first.LoadFactor[0], 1.25);  // DL
  EXPECT_DOUBLE_EQ(first.LoadFactor[1], 1.75);  // LL
  EXPECT_DOUBLE_EQ(first.LoadFactor[12], 0.5);  // Spec (special loads)
  EXPECT_DOUBLE_EQ(first.FlexureResistanceFactor, 0.9);
  EXPECT_DOUBLE_EQ(first.ShearResistanceFactor, 0.75);
  EXPECT_EQ(first.Name, "Strength I, maximum dead load");
  // The second factor line continues on the next line; its name line is empty.
  const LrfdCombination& second = p.LrfdCombinations[1];
  const double factors[] = {0.9, 0, 1.0, 0.1, 1.4, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 1.3};
  for (int t = 0; t < kLrfdLoadKinds; ++t) EXPECT_DOUBLE_EQ(second.LoadFactor[t], factors[t]);
  EXPECT_DOUBLE_EQ(second.FlexureResistanceFactor, 1.0);
  EXPECT_DOUBLE_EQ(second.ShearResistanceFactor, 1.0);
  EXPECT_EQ(second.Name, "");
  // The progress line keeps its trailing blank.
  EXPECT_EQ(result.messages, (Lines{"Reading LRFD load and resistance factor data "}));
  EXPECT_EQ(Next_Line(result), "END");
}

TEST(LrfdFactorsBlock, CombinationCountOutsideOneTo100IsError94) {
  for (const int n : {0, 101}) {
    const auto result = Run_Reader(Read_Lrfd_Factors, std::to_string(n) + "\n");
    EXPECT_EQ(result.error(), 194) << n;
    Lines expected = {
        "", "", "***** Input Data Error No. 94 *****",
        "", "", "Number of LRFD load combinations outside of the valid range of 1 to 100.",
        "", "", "Number of LRFD load combinations input is " + std::to_string(n),
        "", ""};
    for (const auto& line : Ending("INP00094")) expected.push_back(line);
    EXPECT_EQ(result.report, expected) << n;
  }
}

TEST(LrfdFactorsBlock, MissingNameLineIsEndOfFileInsideTheBlock) {
  const auto result = Run_Reader(Read_Lrfd_Factors, "1\n1 1 1 1 1 1 1 1 1 1 1 1 1 1 0.9 0.75\n");
  EXPECT_EQ(result.error(), 199);
  EXPECT_TRUE(Contains_Lines(result.report,
                             {"The input file ended inside the LRFD FACTORS AND CASES block."}));
}

}  // namespace
}  // namespace tavik
