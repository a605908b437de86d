// The soil property lookups: strength at interfaces between soil classes, the point-field
// rule at interfaces, the averages from the ground surface, the p-y modifiers, the layer
// modulus and the errors for depths below the profile.
#include <gtest/gtest.h>

#include "profile/profile_fixture.h"
#include "profile/soil_lookup.h"

namespace tavik::testing {
namespace {

// Two layers, 0-100 and 100-200 in, on a pile of `pile_length`.
void Two_Layers(ProfileRun& r, int upper, Props upper_top, Props upper_bottom, int lower,
                Props lower_top, Props lower_bottom, double pile_length = 200.0) {
  r.Add_Section(pile_length, 12.0, 12.0, 29.0e6, 1000.0);
  r.Add_Layer(upper, 0.0, 100.0, upper_top, upper_bottom);
  r.Add_Layer(lower, 100.0, 200.0, lower_top, lower_bottom);
}

Props Cohesion(double c) {
  return Props{0.03, c, 0.0, 0.0, 0.0};
}

TEST(FnC, StrengthAtInterfacesByClassOfTheTwoLayers) {
  struct Case {
    const char* what;
    int upper;
    double ca;  // bottom of the upper layer
    int lower;
    double cb;  // top of the lower layer
    double expected;
  };
  const Case cases[] = {
      {"soft clay over soft clay: the mean", kSoftClayIndex, 10, kSoftClayIndex, 20, 15},
      {"soft clay over weak rock: (2*10 + 200)/2", kSoftClayIndex, 10, kWeakRockIndex, 200, 110},
      {"soft clay over sand: the clay", kSoftClayIndex, 10, kSandIndex, 0, 10},
      {"soft clay over user curves: the clay", kSoftClayIndex, 10, kUserCurvesIndex, 0, 10},
      {"sand over clay: the clay's top value", kSandIndex, 0, kSoftClayIndex, 12, 12},
      {"weak rock over clay: (2*10 + 100)/2", kWeakRockIndex, 100, kSoftClayIndex, 10, 60},
      {"weak rock over weak rock: the mean", kWeakRockIndex, 100, kWeakRockIndex, 300, 200},
      {"cemented silt with cohesion is cohesive", kCementedSiltIndex, 8, kSandIndex, 0, 8},
      {"cemented silt without cohesion is cohesionless", kCementedSiltIndex, 0,
       kStiffClayNoWaterIndex, 30, 30},
  };
  for (const Case& c : cases) {
    ProfileRun r;
    Two_Layers(r, c.upper, Cohesion(c.ca), Cohesion(c.ca), c.lower, Cohesion(c.cb), Cohesion(c.cb));
    EXPECT_DOUBLE_EQ(fn_c(r.run(), 100.0), c.expected) << c.what;
    EXPECT_TRUE(r.run().b_AtInterface) << c.what;
    EXPECT_EQ(r.run().Status.ErrorNumber, 0) << c.what;
  }
}

TEST(FnC, InterpolatesWithinLayerAndTakesUpperValueAtTip) {
  ProfileRun r;
  Two_Layers(r, kSoftClayIndex, Cohesion(0), Cohesion(10), kSoftClayIndex, Cohesion(20),
             Cohesion(40), 100.0);
  EXPECT_DOUBLE_EQ(fn_c(r.run(), 50.0), 5.0);
  EXPECT_FALSE(r.run().b_AtInterface);
  // Within 1.0E-6 of the interface counts as the interface.
  EXPECT_TRUE((fn_c(r.run(), 100.0 - 5e-7), r.run().b_AtInterface));
  // The interface at the pile tip (pile 100 in long): the upper layer's value.
  EXPECT_DOUBLE_EQ(fn_c(r.run(), 100.0), 10.0);
  EXPECT_DOUBLE_EQ(fn_c(r.run(), 150.0), 30.0);
  EXPECT_DOUBLE_EQ(fn_c(r.run(), 200.0), 40.0);  // the deepest point
}

TEST(FnC, Errors) {
  {  // Two cohesionless layers cannot meet: runtime error 30 (RUN00024, number 230).
    ProfileRun r;
    Two_Layers(r, kSandIndex, Cohesion(0), Cohesion(0), kApiSandIndex, Cohesion(0), Cohesion(0));
    EXPECT_DOUBLE_EQ(fn_c(r.run(), 100.0), 0.0);
    EXPECT_EQ(r.run().Status.ErrorNumber, 230);
    EXPECT_EQ(r.run().Status.ErrorCode, "RUN00024");
    const auto report = r.Report_Lines();
    EXPECT_EQ(report[2], " ***** Runtime Error No. 30 *****");
    EXPECT_EQ(report.back(), "Tavik ended prematurely due to runtime error number RUN00024");
  }
  {  // Below the deepest strength point: input error 5.
    ProfileRun r;
    Two_Layers(r, kSoftClayIndex, Cohesion(10), Cohesion(10), kSoftClayIndex, Cohesion(20),
               Cohesion(20));
    EXPECT_DOUBLE_EQ(fn_c(r.run(), 250.0), 0.0);
    EXPECT_EQ(r.run().Status.ErrorNumber, 105);
    const auto messages = r.Message_Lines();
    ASSERT_GE(messages.size(), 10u);
    EXPECT_EQ(messages[0], "**** Input Data Error No. 5 ****");
    EXPECT_EQ(messages[6], "Problem:  The value for a pile station depth is   2.5000E+02");
    EXPECT_EQ(messages[8], "soil shear strength versus depth at    200.000");
  }
  {  // A first layer of zero thickness below the depth asked: input error 60.
    ProfileRun r;
    r.Add_Section(200.0, 12.0, 12.0, 29.0e6, 1000.0);
    r.Add_Layer(kSoftClayIndex, 100.0, 100.0, Cohesion(10), Cohesion(10));
    r.Add_Layer(kSoftClayIndex, 100.0, 200.0, Cohesion(10), Cohesion(10));
    fn_c(r.run(), 50.0);
    EXPECT_EQ(r.run().Status.ErrorNumber, 160);
  }
}

TEST(PointFieldLookups, Epsilon50AtInterfaces) {
  struct Case {
    const char* what;
    double upper;
    double lower;
    double x;
    double expected;
  };
  const Case cases[] = {
      {"both positive: the mean", 0.01, 0.02, 100.0, 0.015},
      {"upper zero: the lower value", 0.0, 0.02, 100.0, 0.02},
      {"lower zero: the upper value", 0.01, 0.0, 100.0, 0.01},
      {"within the upper layer", 0.01, 0.02, 50.0, 0.01},
  };
  for (const Case& c : cases) {
    ProfileRun r;
    Two_Layers(r, kSoftClayIndex, Props{0, 10, 0, c.upper, 0}, Props{0, 10, 0, c.upper, 0},
               kSoftClayIndex, Props{0, 10, 0, c.lower, 0}, Props{0, 10, 0, c.lower, 0});
    EXPECT_DOUBLE_EQ(Epsilon50_At_Depth(r.run(), c.x), c.expected) << c.what;
  }
  // At the pile tip the upper value; below the profile 0.
  ProfileRun r;
  Two_Layers(r, kSoftClayIndex, Props{0, 10, 0, 0.01, 0}, Props{0, 10, 0, 0.01, 0}, kSoftClayIndex,
             Props{0, 10, 0, 0.02, 0}, Props{0, 10, 0, 0.02, 0}, 100.0);
  EXPECT_DOUBLE_EQ(Epsilon50_At_Depth(r.run(), 100.0), 0.01);
  EXPECT_DOUBLE_EQ(Epsilon50_At_Depth(r.run(), 300.0), 0.0);
}

TEST(PointFieldLookups, FrictionAngleLinearAndErrorBelowProfile) {
  ProfileRun r;
  Two_Layers(r, kSandIndex, Props{0.03, 0, 30, 0, 0}, Props{0.03, 0, 34, 0, 0}, kSandIndex,
             Props{0.03, 0, 36, 0, 0}, Props{0.03, 0, 36, 0, 0});
  EXPECT_DOUBLE_EQ(Friction_Angle_At_Depth(r.run(), 25.0), 31.0);
  EXPECT_DOUBLE_EQ(Friction_Angle_At_Depth(r.run(), 100.0), 35.0);
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
  EXPECT_DOUBLE_EQ(Friction_Angle_At_Depth(r.run(), 201.0), 0.0);
  EXPECT_EQ(r.run().Status.ErrorNumber, 104);
  EXPECT_EQ(r.Report_Lines()[0], "**** Input Data Error No. 4 ****");
}

TEST(PointFieldLookups, KrmTakesLowerLayerAtInterfaceExceptAtTip) {
  ProfileRun r;
  Two_Layers(r, kWeakRockIndex, Props{0, 500, 0, 0.0001, 0}, Props{0, 500, 0, 0.0003, 0},
             kWeakRockIndex, Props{0, 500, 0, 0.0005, 0}, Props{0, 500, 0, 0.0005, 0});
  EXPECT_DOUBLE_EQ(Krm_At_Depth(r.run(), 100.0), 0.0005);
  EXPECT_DOUBLE_EQ(Krm_At_Depth(r.run(), 50.0), 0.0002);
  EXPECT_DOUBLE_EQ(Krm_At_Depth(r.run(), 250.0), 0.0);
  r.problem().PileLength = 100.0;
  EXPECT_DOUBLE_EQ(Krm_At_Depth(r.run(), 100.0), 0.0003);
}

TEST(Averages, UnitWeightFromGroundSurface) {
  ProfileRun r;
  // Unit weight 0 at the ground, 0.05 at 100 in, then 0.06 down to 200 in.
  Two_Layers(r, kSoftClayIndex, Props{0.0, 10, 0, 0, 0}, Props{0.05, 10, 0, 0, 0}, kSoftClayIndex,
             Props{0.06, 10, 0, 0, 0}, Props{0.06, 10, 0, 0, 0});
  RunContext& run = r.run();
  // At the ground surface: the first positive unit weight of the profile.
  EXPECT_DOUBLE_EQ(Avg_Unit_Weight_To_Depth(run, 0.0), 0.05);
  // Mean of the linear 0 -> 0.025 over 0-50: 0.0125; over 0-100: 0.025.
  EXPECT_DOUBLE_EQ(Avg_Unit_Weight_To_Depth(run, 50.0), 0.0125);
  EXPECT_DOUBLE_EQ(Avg_Unit_Weight_To_Depth(run, 100.0), 0.025);
  // Over 0-150: (0.025 * 100 + 0.06 * 50) / 150 = 5.5 / 150.
  EXPECT_NEAR(Avg_Unit_Weight_To_Depth(run, 150.0), 5.5 / 150.0, 1e-15);
  EXPECT_NEAR(Avg_Unit_Weight_To_Depth(run, 200.0), 8.5 / 200.0, 1e-15);
  EXPECT_EQ(run.Status.ErrorNumber, 0);
  // Above the ground surface: 0.
  run.Problem.GroundSurfaceDepth = 10.0;
  EXPECT_DOUBLE_EQ(Avg_Unit_Weight_To_Depth(run, 5.0), 0.0);
  // Below the profile: input error 15.
  Avg_Unit_Weight_To_Depth(run, 210.0);
  EXPECT_EQ(run.Status.ErrorNumber, 115);
}

TEST(Averages, CohesionBelowProfileIsInputError3) {
  ProfileRun r;
  Two_Layers(r, kStiffClayNoWaterIndex, Cohesion(10), Cohesion(20), kStiffClayNoWaterIndex,
             Cohesion(20), Cohesion(20));
  EXPECT_DOUBLE_EQ(Avg_Cohesion_To_Depth(r.run(), 100.0), 15.0);
  EXPECT_DOUBLE_EQ(Avg_Cohesion_To_Depth(r.run(), 0.0), 10.0);  // fn_c at the ground
  Avg_Cohesion_To_Depth(r.run(), 210.0);
  EXPECT_EQ(r.run().Status.ErrorNumber, 103);
  EXPECT_EQ(r.Message_Lines()[0], "**** Input Data Error No. 3 ****");
}

TEST(PyModifiers, LinearWithStepsAndOneOutsideTheTable) {
  ProfileRun r;
  PyModifierTable& t = r.problem().PyModifiers;
  // (depth, pm, ym): a step at 100.
  const double rows[][3] = {{0, 1.0, 1.0}, {100, 0.5, 2.0}, {100, 0.8, 3.0}, {200, 1.0, 1.0}};
  for (const auto& row : rows) {
    t.Depth[t.NumPoints] = row[0];
    t.PMultiplier[t.NumPoints] = row[1];
    t.YMultiplier[t.NumPoints] = row[2];
    ++t.NumPoints;
  }
  const RunContext& run = r.run();
  EXPECT_DOUBLE_EQ(P_Multiplier_At_Depth(run, 50.0), 0.75);
  EXPECT_DOUBLE_EQ(Y_Multiplier_At_Depth(run, 50.0), 1.5);
  EXPECT_DOUBLE_EQ(P_Multiplier_At_Depth(run, 100.0), 0.8);  // the second row of the step
  EXPECT_DOUBLE_EQ(Y_Multiplier_At_Depth(run, 100.0), 3.0);
  EXPECT_DOUBLE_EQ(P_Multiplier_At_Depth(run, 150.0), 0.9);
  EXPECT_DOUBLE_EQ(P_Multiplier_At_Depth(run, 200.0), 1.0);
  EXPECT_DOUBLE_EQ(P_Multiplier_At_Depth(run, 250.0), 1.0);
  EXPECT_DOUBLE_EQ(Y_Multiplier_At_Depth(run, -1.0), 1.0);
  // A table of one row defines no depth range.
  t.NumPoints = 1;
  EXPECT_DOUBLE_EQ(P_Multiplier_At_Depth(run, 0.0), 1.0);
}

TEST(LayerModulus, LinearOverLayerAndErrorForZeroThickness) {
  ProfileRun r;
  Two_Layers(r, kWeakRockIndex, Cohesion(500), Cohesion(500), kWeakRockIndex, Cohesion(500),
             Cohesion(500));
  r.problem().Layers[1].SubgradeModulusTop = 10.0;
  r.problem().Layers[1].SubgradeModulusBottom = 30.0;
  EXPECT_DOUBLE_EQ(Layer_Modulus_At_Depth(r.run(), 2, 150.0, RockModulusCaller::WeakRock), 20.0);
  r.problem().Layers[1].XLayerBottom = 100.0;
  EXPECT_DOUBLE_EQ(Layer_Modulus_At_Depth(r.run(), 2, 100.0, RockModulusCaller::MassiveRock), 0.0);
  EXPECT_EQ(r.run().Status.ErrorNumber, 220);
  const std::vector<std::string> expected = {
      "**** Runtime Error No. 20 ****",
      "",
      "Problem:  The top and bottom elevations for massive rock layer are equal.",
      "          The top and bottom elevations for layer 2 =   1.0000E+02",
      "",
      "Solution: Correct the input data for elevations defining the massive rock layer.",
      ""};
  EXPECT_EQ(r.Message_Lines(), expected);
}

}  // namespace
}  // namespace tavik::testing
