// Weak rock (Reese 1997): the strength reduction by RQD, the resistance and initial modulus
// from the top of the rock to 3 b and below, the depth into rock running on through a
// weak rock layer above, the curve up to pur at 16 yrm, the errors and warnings of the
// layer's values, and the printed curve.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "input/input_fixture.h"
#include "profile/profile_fixture.h"
#include "profile/soil_lookup.h"
#include "pycurves/py_framework.h"

namespace tavik::testing {
namespace {

// Rock values of one layer (US customary: psi).
struct Rock {
  double qu = 500.0;
  double Em = 5.0e4;
  double rqd = 0.0;
  double krm = 0.0001;
};

void Set_Rock(SoilLayer& layer, const Rock& rock) {
  for (SoilPropertyPoint* point : {&layer.Top, &layer.Bottom}) {
    point->EffectiveUnitWeight = 0.08;
    point->Cohesion = rock.qu;
    point->RQD = rock.rqd;
    point->Epsilon50 = rock.krm;
  }
  layer.SubgradeModulusTop = rock.Em;
  layer.SubgradeModulusBottom = rock.Em;
}

// A 24 in shaft, 144 in long, 100 increments (nodes every 1.44 in), in weak rock layers
// from the pile head down, split at `split` (no split when 0).
void Rock_Shaft(ProfileRun& r, const Rock& rock, double split = 0.0) {
  r.Add_Section(144.0, 24.0, 24.0, 3.6e6, 16286.0);
  if (split > 0.0) {
    r.Add_Layer(kWeakRockIndex, 0.0, split, Props{}, Props{});
    r.Add_Layer(kWeakRockIndex, split, 200.0, Props{}, Props{});
  } else {
    r.Add_Layer(kWeakRockIndex, 0.0, 200.0, Props{}, Props{});
  }
  for (int j = 0; j < r.problem().i_Number_of_Layers; ++j) Set_Rock(r.problem().Layers[j], rock);
  r.Discretise(100);
}

double Modulus_At(ProfileRun& r, int j, int i, double y) {
  r.run().Nodes.rd_Y[i] = y;
  PY_WeakRock(r.run(), j);
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
  return r.run().Nodes.rd_NodeEs[i];
}

TEST(WeakRock, ResistanceAndInitialModulusFromTheTopOfRock) {
  // qu = 500 psi, b = 24 in, Em = 50000 psi, krm = 0.0001: yrm = 0.0024 in.
  // alpha_r = 1 - RQD/150: 1 for RQD 0, 1/3 for RQD 100 (0.33333332 with the
  // single-precision 1/150).
  // At the top (xr = 0): pur = alpha_r qu b, Kir = 100 Em = 5.0E6 psi; below 3 b = 72 in:
  // pur = 5.2 alpha_r qu b, Kir = 500 Em (the shallow values at xr = 3 b: 1 + 1.4*3 = 5.2,
  // 100 + 400 = 500). On the initial line Es = Kir; at 16 yrm = 0.0384 in
  // p = 0.5 pur 16^0.25 = pur; at 20 yrm p stays pur.
  struct Case {
    const char* what;
    double rqd;
    int node;
    double pur;
    double Kir;
  };
  const Case cases[] = {
      {"top, RQD 0", 0.0, 1, 12000.0, 5.0e6},
      {"top, RQD 100", 100.0, 1, 4000.0, 5.0e6},
      // node 52 at 73.44 in, below 3 b.
      {"deep, RQD 0", 0.0, 52, 62400.0, 2.5e7},
      {"deep, RQD 100", 100.0, 52, 20800.0, 2.5e7},
      // node 51 at 72 in: xr = 72 + 1.0E-8 in, just past 3 b.
      {"at 3 b, RQD 0", 0.0, 51, 62400.0, 2.5e7},
      // node 50 at 70.56 in: Kir = Em (100 + 400 * 70.56/72) = 492 Em, pur = qu b (1 + 1.4
      // * 70.56/24) = 61392.
      {"just above 3 b", 0.0, 50, 61392.0, 2.46e7},
  };
  for (const Case& c : cases) {
    ProfileRun r;
    Rock_Shaft(r, {.rqd = c.rqd});
    EXPECT_NEAR(Modulus_At(r, 1, c.node, 1.0e-6), c.Kir, c.Kir * 1e-6) << c.what;
    EXPECT_NEAR(Modulus_At(r, 1, c.node, 0.0384) * 0.0384, c.pur, c.pur * 1e-6) << c.what;
    EXPECT_NEAR(Modulus_At(r, 1, c.node, 0.048) * 0.048, c.pur, c.pur * 1e-6) << c.what;
  }
}

TEST(WeakRock, EndOfTheInitialLine) {
  // At the top, RQD 0: yA = (pur/(2 yrm^0.25 Kir))^1.333 = (12000/(2 * 0.0024^0.25 *
  // 5.0E6))^1.333 = 9.5409848E-4 in. Just below it the modulus is Kir, just above it the
  // secant 0.5 pur (y/yrm)^0.25 / y, which at yA equals Kir to within the 1.333 exponent
  // (0.2 %). (xr = 1.0E-8 in at the top: Kir exceeds 100 Em by 5.6E-8 of it.)
  ProfileRun r;
  Rock_Shaft(r, {});
  const double yA = 9.540984816e-4;
  EXPECT_NEAR(Modulus_At(r, 1, 1, 0.999 * yA), 5.0e6, 0.01);
  const double above = Modulus_At(r, 1, 1, 1.001 * yA);
  EXPECT_NEAR(above * 1.001 * yA, 0.5 * 12000.0 * std::pow(1.001 * yA / 0.0024, 0.25), 1e-4);
  EXPECT_NEAR(above / 5.0e6, 1.0, 0.003);
}

TEST(WeakRock, DepthIntoRockContinuesFromTheLayerAbove) {
  // Two weak rock layers split at 60 in: node 46 of layer 2 at 64.8 in has xr = 64.8 in
  // (not 4.8), so Kir = Em (100 + 400 * 64.8/72) = 460 Em.
  ProfileRun r;
  Rock_Shaft(r, {}, 60.0);
  EXPECT_NEAR(Modulus_At(r, 2, 46, 1.0e-6), 460.0 * 5.0e4, 0.01);
}

TEST(WeakRock, ErrorsOfTheLayerValues) {
  struct Case {
    const char* what;
    Rock rock;
    int error;
  };
  const Case cases[] = {
      {"Em 0: no default exists", {.Em = 0.0}, 172},
      {"qu 0", {.qu = 0.0}, 162},
      {"krm 0 (INP00163)", {.krm = 0.0}, 163},
      {"RQD 120 %", {.rqd = 120.0}, 149},
  };
  for (const Case& c : cases) {
    ProfileRun r;
    Rock_Shaft(r, c.rock);
    PY_WeakRock(r.run(), 1);
    EXPECT_EQ(r.run().Status.ErrorNumber, c.error) << c.what;
  }
  // A pile station below the deepest RQD data: input error 31 (the lookup alone; fn_c
  // stops first in a run).
  ProfileRun r;
  Rock_Shaft(r, {});
  EXPECT_EQ(RQD_At_Depth(r.run(), 250.0), 0.0);
  EXPECT_EQ(r.run().Status.ErrorNumber, 131);
}

TEST(WeakRock, WarningsOfUnusualValues) {
  // 101 nodes, none at an interface (one layer): one warning per node.
  struct Case {
    const char* what;
    int iunits;
    Rock rock;
    int warning;
  };
  const Case cases[] = {
      {"qu 50 psi", kUnitsUSCustomary, {.qu = 50.0}, 3071},
      {"qu 2000 psi", kUnitsUSCustomary, {.qu = 2000.0}, 3072},
      {"qu 500 kPa", kUnitsSI, {.qu = 500.0}, 3073},
      {"qu 8000 kPa", kUnitsSI, {.qu = 8000.0}, 3074},
      {"krm 0.00001", kUnitsUSCustomary, {.krm = 0.00001}, 316},
      {"krm 0.001", kUnitsUSCustomary, {.krm = 0.001}, 317},
  };
  for (const Case& c : cases) {
    ProfileRun r(c.iunits);
    Rock_Shaft(r, c.rock);
    PY_WeakRock(r.run(), 1);
    EXPECT_EQ(r.run().Status.ErrorNumber, 0) << c.what;
    EXPECT_EQ(r.run().Status.WarningTally[c.warning], 101) << c.what;
  }
}

TEST(WeakRock, PrintedCurveReachesPurAt16Yrm) {
  ProfileRun r;
  Rock_Shaft(r, {});
  r.problem().NumPyOutputDepths = 1;
  r.problem().PyOutputDepths[0] = 0.0;
  Py_Curves_At_User_Depths(r.run());
  ASSERT_EQ(r.run().Status.ErrorNumber, 0);
  const auto report = r.Report_Lines();
  EXPECT_TRUE(Contains_Lines(
      report,
      {Parameter_Line("Eir", "      50000. lbs/in**2"), Parameter_Line("Pu", "   12000.000 lbs/in"),
       Parameter_Line("k_rm", "     0.00010"), Parameter_Line("K_ir", " 5.00000E+06 lbs/in**2"),
       Parameter_Line("Alpha_r", "       1.000"), Parameter_Line("Yu", "     0.90000 in"),
       Parameter_Line("Yrm", "     0.00240 in"), Parameter_Line("Y_A", " 9.54098E-04 in")}));
  const auto plot = r.Plot_Lines();
  ASSERT_EQ(plot.size(), 19u);
  const std::string gap(50, ' ');
  // Point 16: (16 yrm, pur); point 17: (20 yrm, pur).
  EXPECT_EQ(plot[17], "  3.8400000E-02  1.2000000E+04" + gap + "Line 8(16): y, p, for weak rock");
  EXPECT_EQ(plot[18], "  4.8000000E-02  1.2000000E+04" + gap + "Line 8(17): y, p, for weak rock");
}

}  // namespace
}  // namespace tavik::testing
