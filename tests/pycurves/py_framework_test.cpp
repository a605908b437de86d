// The shared parts of the p-y criteria: the slope factor, the dispatch by soil type and
// the output pass at the user's depths.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "profile/profile_fixture.h"
#include "pycurves/py_framework.h"

namespace tavik::testing {
namespace {

TEST(SlopeFactor, BySignOfDeflectionAndSlope) {
  struct Case {
    const char* what;
    double y;
    double theta;
    double expected;
  };
  // 1/(1 + tan 0.2) = 1/1.2027100 = 0.8314556;
  // cos 0.2 * 0.70710677 / cos(0.2 + pi/4) = 0.6930113 / 0.5525340 = 1.2542488.
  const Case cases[] = {
      {"same sign, positive", 1.0, 0.2, 0.8314556048},
      {"same sign, negative", -1.0, -0.2, 0.8314556048},
      {"deflection against the slope raises the resistance", 1.0, -0.2, 1.2542488037},
      {"negative deflection with a positive slope", -1.0, 0.2, 1.2542488037},
      {"no deflection", 0.0, 0.2, 1.0},
      {"no slope", 1.0, 0.0, 1.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(Slope_Factor(c.y, c.theta), c.expected, 1e-9) << c.what;
  }
}

TEST(CriterionDispatch, TableBySoilTypeIndex) {
  EXPECT_EQ(Py_Criterion_For_Soil_Type(1).routine, &PY_SoftClay);
  EXPECT_EQ(Py_Criterion_For_Soil_Type(15).routine, &PY_SoftClayJ);
  EXPECT_EQ(Py_Criterion_For_Soil_Type(8).after, AfterCriterion::CountThenFlag);  // weak rock
  EXPECT_EQ(Py_Criterion_For_Soil_Type(9).after, AfterCriterion::FlagThenCount);  // vuggy LS
  EXPECT_EQ(Py_Criterion_For_Soil_Type(14).after, AfterCriterion::Nothing);       // user p-y
  EXPECT_FALSE(Py_Criterion_For_Soil_Type(16).b_OutputAtUserDepths);              // MassRock
  for (int index : {0, 17, 18, 20, 21, -3}) {
    EXPECT_EQ(Py_Criterion_For_Soil_Type(index).routine, nullptr) << index;
    EXPECT_FALSE(Py_Criterion_For_Soil_Type(index).b_OutputAtUserDepths) << index;
  }
}

const Props kClay{0.03, 3.0, 0.0, 0.02, 0.0};

// A 600 in pile, 12 in wide, in soft clay (layer 1 down to `boundary`) over a layer of
// soil type `lower`; 100 increments.
void Two_Layer_Pile(ProfileRun& r, double boundary, int lower, double ground = 0.0) {
  r.Add_Section(600.0, 12.0, 12.0, 29.0e6, 1000.0);
  r.Add_Layer(kSoftClayIndex, ground, boundary, kClay, kClay);
  r.Add_Layer(lower, boundary, 600.0, kClay, kClay);
  r.Discretise(100);
}

void Set_Output_Depths(ProfileRun& r, std::initializer_list<double> depths) {
  ProblemData& p = r.problem();
  p.NumPyOutputDepths = 0;
  for (double d : depths) p.PyOutputDepths[p.NumPyOutputDepths++] = d;
}

std::vector<std::string> Curve_Records(const std::vector<std::string>& plot) {
  std::vector<std::string> records;
  for (const std::string& line : plot) {
    if (line.find("Line 7") != std::string::npos) records.push_back(line);
  }
  return records;
}

TEST(OutputAtUserDepths, SortsDepthsAndDropsRepeats) {
  ProfileRun r;
  Two_Layer_Pile(r, 300.0, kSoftClayIndex);
  Set_Output_Depths(r, {120.0, 60.0, 120.0});  // 10, 5 and 10 ft
  Py_Curves_At_User_Depths(r.run());
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
  // The regular nodes and layer ranges are back.
  EXPECT_DOUBLE_EQ(r.run().Nodes.rd_NodeDepth[2], 6.0);
  EXPECT_EQ(r.run().i_TopNodeInLayer[2], 51);
  EXPECT_FALSE(r.run().b_PyOutputPass);

  const auto plot = r.Plot_Lines();
  ASSERT_FALSE(plot.empty());
  EXPECT_EQ(plot[0], "    2" + std::string(75, ' ') + "Line 6 : number of output p-y curves");
  const std::string gap(60, ' ');
  const std::vector<std::string> expected = {
      "  6.0000000E+01   17" + gap +
          "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 1",
      "  1.2000000E+02   17" + gap +
          "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 2"};
  EXPECT_EQ(Curve_Records(plot), expected);
  EXPECT_EQ(r.Message_Lines(),
            std::vector<std::string>{"Computing p-y curves for output at user-specified depths."});
}

TEST(OutputAtUserDepths, DepthAboveGroundIsInputError23WithoutCurves) {
  ProfileRun r;
  Two_Layer_Pile(r, 300.0, kSoftClayIndex, 30.0);  // ground surface 30 in below the head
  Set_Output_Depths(r, {240.0, 12.0});
  Py_Curves_At_User_Depths(r.run());
  EXPECT_EQ(r.run().Status.ErrorNumber, 123);
  EXPECT_EQ(r.run().i_TopNodeInLayer[1], 6);  // regular nodes restored

  const std::vector<std::string> block = {
      "**** Input Data Error No. 23 (NON-FATAL) ****",
      "",
      "p-y curves cannot be generated at depth number 1",
      "This location is    12.000 i below the pile head and ",
      "is above the ground surface for this problem.",
      "",
      "The ground surface is    30.000 in below the top of the pile.",
      ""};
  const auto report = r.Report_Lines();
  ASSERT_EQ(report.size(), 3 + block.size());
  EXPECT_EQ(std::vector<std::string>(report.begin() + 3, report.end()), block);
  const auto plot = r.Plot_Lines();
  ASSERT_EQ(plot.size(), 2u);
  EXPECT_EQ(plot[1], "  1.2000000E+01    0" + std::string(60, ' ') +
                         "Line 7:  p-y curve depth, no. p-y points");
}

TEST(OutputAtUserDepths, LayerWithoutOutputCriterionGetsOnlyTwoEmptyLines) {
  ProfileRun r;
  Two_Layer_Pile(r, 120.0, kMassiveRockIndex);
  Set_Output_Depths(r, {60.0, 240.0});
  Py_Curves_At_User_Depths(r.run());
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
  EXPECT_EQ(Curve_Records(r.Plot_Lines()).size(), 1u);  // the soft clay depth only
  const auto report = r.Report_Lines();
  ASSERT_GE(report.size(), 5u);
  // The last row of the soft clay curve, then 2 empty lines per layer.
  EXPECT_EQ(report[report.size() - 5].substr(0, 3), "   ");
  EXPECT_FALSE(report[report.size() - 5].empty());
  for (size_t k = report.size() - 4; k < report.size(); ++k) EXPECT_EQ(report[k], "") << k;
}

}  // namespace
}  // namespace tavik::testing
