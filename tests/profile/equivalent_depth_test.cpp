// The layering correction: equivalent depths of soft clay, stiff clay and sand layers for a
// given resistance of the layers above.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "profile/equivalent_depth.h"
#include "profile/profile_fixture.h"

namespace tavik::testing {
namespace {

// Layer 1 of any soil above a layer 2 of soil type `index`; the resistance of layer 1 is F.
void Layer_Two_Of(ProfileRun& r, int index, double F) {
  r.Add_Layer(kSandIndex, 0.0, 120.0, Props{}, Props{});
  r.Add_Layer(index, 120.0, 600.0, Props{}, Props{});
  r.run().rd_LayerPuSum[1] = F;
}

// Soft clay b = 12 in, c = 3 psi, unit weight 0.03 pci.
void Soft_Clay_Soil(RunContext& run) {
  run.CurrentSoil.b = 12.0;
  run.CurrentSoil.c = 3.0;
  run.CurrentSoil.Gamma = 0.03;
  run.CurrentSoil.J = 0.5;
}

TEST(EquivalentDepth, SoftClayStatic) {
  // xr = 6 b c / (J c + b g) = 216 / 1.86 = 116.129032; Matlock's shallow resistance
  // integrated to xr: 3 c b xr + g b xr^2 / 2 + 0.25 c xr^2 = 25083.870968 (= 216 xr).
  struct Case {
    double F;
    double expected;
  };
  const Case cases[] = {
      {0.0, 0.0},  // nothing above: the layer starts as at the ground surface
      // Root of 0.93 z^2 + 108 z = 5000: (sqrt(108^2 + 4*5000*0.93) - 108) / 1.86.
      {5000.0, 35.46533001},
      // Beyond xr at the deep rate 9 c b = 324: 116.129032 + (30000 - 25083.870968) / 324.
      {30000.0, 131.30227001},
  };
  for (const Case& c : cases) {
    ProfileRun r;
    Layer_Two_Of(r, kSoftClayIndex, c.F);
    Soft_Clay_Soil(r.run());
    Equivalent_Depth_Of_Layer(r.run(), 2);
    EXPECT_NEAR(r.run().rd_LayerEqDepth[2], c.expected, 1e-7) << c.F;
  }
}

TEST(EquivalentDepth, SoftClayCyclic) {
  // Cyclic integral to xr: (1.5 xr b c + c xr^2/6 + xr^2 b g / 3) * 0.72 = 10535.225806;
  // beyond it the rate 0.72 * 324: 116.129032 + (30000 - 10535.225806) / 233.28.
  ProfileRun r;
  Layer_Two_Of(r, kSoftClayIndex, 30000.0);
  r.problem().Options.Cyclic = true;
  Soft_Clay_Soil(r.run());
  Equivalent_Depth_Of_Layer(r.run(), 2);
  EXPECT_NEAR(r.run().rd_LayerEqDepth[2], 199.56856498, 1e-7);
}

TEST(EquivalentDepth, StiffClayWithoutFreeWater) {
  // b = 12, c = ca = 10, g = 0.03: xt = (90 - 30) 12 / 5.36 = 134.328358, integral to xt
  // ((0.25 xt + 36) 10 + 0.18 xt) xt = 96716.417910.
  struct Case {
    double F;
    double expected;
  };
  const Case cases[] = {
      // Root of 2.68 z^2 + 360 z = 1000.
      {1000.0, 2.72259563},
      // 134.328358 + (100000 - 96716.417910) / 1080.
      {100000.0, 137.36871200},
  };
  for (const Case& c : cases) {
    ProfileRun r;
    Layer_Two_Of(r, kStiffClayNoWaterIndex, c.F);
    r.run().CurrentSoil.b = 12.0;
    r.run().CurrentSoil.c = 10.0;
    r.run().CurrentSoil.ca = 10.0;
    r.run().CurrentSoil.Gamma = 0.03;
    Equivalent_Depth_Of_Layer(r.run(), 2);
    EXPECT_NEAR(r.run().rd_LayerEqDepth[2], c.expected, 1e-7) << c.F;
  }
}

// Sand of phi = 35 degrees, K0 = 0.4, b = 12 in, unit weight 0.04 pci, node 240 in deep.
void Sand_Soil(RunContext& run) {
  const double phi = 35.0 * std::numbers::pi / 180.0;
  CurrentSoilParameters& s = run.CurrentSoil;
  s.b = 12.0;
  s.Gamma = 0.04;
  s.PhiR = phi;
  s.Alpha = phi / 2.0;
  s.Beta = std::numbers::pi / 4.0 + phi / 2.0;
  s.K0 = 0.4;
  s.Ka = std::pow(std::tan(std::numbers::pi / 4.0 - phi / 2.0), 2);
  s.Kp = std::pow(std::tan(s.Beta), 2);
  s.zn = 240.0;
}

TEST(EquivalentDepth, SandBelowStrongerSoilUsesDeepRateAtNodeDepth) {
  // Beyond zt the depth grows at the deep rate 0.88 zn C3 g b (Reese's flow-around
  // resistance, C3 = Kp^2 (Kp + K0 tan phi) - Ka): two resistances beyond the shallow
  // integral differ in depth by their difference over that rate.
  double depth[2];
  const double F[2] = {1.0e6, 2.0e6};
  double rate = 0.0;
  for (int k = 0; k < 2; ++k) {
    ProfileRun r;
    Layer_Two_Of(r, kSandIndex, F[k]);
    Sand_Soil(r.run());
    const CurrentSoilParameters& s = r.run().CurrentSoil;
    const double c3 = s.Kp * s.Kp * (s.Kp + s.K0 * std::tan(s.PhiR)) - s.Ka;
    rate = 0.88 * s.zn * c3 * s.Gamma * s.b;
    Equivalent_Depth_Of_Layer(r.run(), 2);
    depth[k] = r.run().rd_LayerEqDepth[2];
  }
  EXPECT_NEAR(depth[1] - depth[0], 1.0e6 / rate, 1e-6);

  ProfileRun r;  // nothing above: depth 0
  Layer_Two_Of(r, kApiSandIndex, 0.0);
  Sand_Soil(r.run());
  Equivalent_Depth_Of_Layer(r.run(), 2);
  EXPECT_NEAR(r.run().rd_LayerEqDepth[2], 0.0, 1e-12);
}

TEST(EquivalentDepth, NegligibleSumsAndCodesWithoutCorrection) {
  {  // A layer sum below 0.01 is replaced, also in storage, by the layer's kept sum.
    ProfileRun r;
    Layer_Two_Of(r, kSoftClayIndex, 0.005);
    r.run().rd_LayerKeptPuSum[1] = 5000.0;
    Soft_Clay_Soil(r.run());
    Equivalent_Depth_Of_Layer(r.run(), 2);
    EXPECT_DOUBLE_EQ(r.run().rd_LayerPuSum[1], 5000.0);
    EXPECT_NEAR(r.run().rd_LayerEqDepth[2], 35.46533001, 1e-7);
  }
  {  // Weak rock has no correction: the depth stays unset.
    ProfileRun r;
    Layer_Two_Of(r, kWeakRockIndex, 5000.0);
    Equivalent_Depth_Of_Layer(r.run(), 2);
    EXPECT_EQ(r.run().rd_LayerEqDepth[2], -10000.0);
  }
}

}  // namespace
}  // namespace tavik::testing
