// Liquefied sand (Rollins et al. 2005): the coefficients at the ground surface and with
// depth, the depth scaled by the unit weight below the first layer, US customary units, the
// modulus at zero deflection, general units refused, and the printed curve.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "input/input_fixture.h"
#include "profile/profile_fixture.h"
#include "pycurves/py_framework.h"

namespace tavik::testing {
namespace {

constexpr int kLiquefiedSandIndex = 7;

double Modulus_At(ProfileRun& r, int j, int i, double y) {
  r.run().Nodes.rd_Y[i] = y;
  PY_LiquefiedSand(r.run(), j);
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
  return r.run().Nodes.rd_NodeEs[i];
}

// SI: a 1 m pile, 10 m long, 100 increments (nodes every 0.1 m), one layer of 8 kN/m3.
void One_Layer_SI(ProfileRun& r) {
  r.Add_Section(10.0, 1.0, 1.0, 2.0e7, 0.05);
  r.Add_Layer(kLiquefiedSandIndex, 0.0, 12.0, Props{8.0}, Props{8.0});
  r.Discretise(100);
}

TEST(LiquefiedSand, CurveOfTheFirstLayerInSI) {
  // p = A (1000 B y)^C Pd kN/m, y in m; b = 1 m gives Pd = 3.81 ln 1 + 5.6 = 5.6.
  //   ground (zm = 0): A = 3.0E-7, B = 2.8, C = 2.85: p(0.01) = 3e-7 * 28^2.85 * 5.6
  //     = 0.0223722504 kN/m; the raw limit 3e-7 (420)^2.85 5.6 = 50.3 is cut to 15 kN/m;
  //   zm = 2 m: A = 2.3104940E-4, B = 3.1596674, C = 1.8164571: p(0.05) = 12.7519357.
  ProfileRun r(kUnitsSI);
  One_Layer_SI(r);
  EXPECT_NEAR(Modulus_At(r, 1, 1, 0.01) * 0.01, 0.022372250377, 1e-10);
  EXPECT_NEAR(Modulus_At(r, 1, 21, 0.05) * 0.05, 12.7519356993, 1e-8);
  EXPECT_NEAR(Modulus_At(r, 1, 21, 0.5) * 0.5, 15.0, 1e-12);  // the upper limit
  // Zero relative deflection: p/y -> 0 as y -> 0 since C > 1 (no division by zero).
  EXPECT_EQ(Modulus_At(r, 1, 21, 0.0), 0.0);
}

TEST(LiquefiedSand, LowerLayerDepthScaledByUnitWeight) {
  // Layer 1 (0 to 2 m) 8 kN/m3, layer 2 12 kN/m3: at 4 m the mean unit weight is
  // (8*2 + 12*2)/4 = 10, so zm = (10/10) 4 = 4 m: A = 5.0803049E-3, B = 3.3422946,
  // C = 1.4732185; p(0.005) = 1.80237734 kN/m.
  ProfileRun r(kUnitsSI);
  r.Add_Section(10.0, 1.0, 1.0, 2.0e7, 0.05);
  r.Add_Layer(kLiquefiedSandIndex, 0.0, 2.0, Props{8.0}, Props{8.0});
  r.Add_Layer(kLiquefiedSandIndex, 2.0, 12.0, Props{12.0}, Props{12.0});
  r.Discretise(100);
  EXPECT_NEAR(Modulus_At(r, 2, 41, 0.005) * 0.005, 1.8023773437, 1e-8);
}

TEST(LiquefiedSand, UsCustomaryUnitsAndMultipliers) {
  // b = 24 in: bm = 0.6096 m, Pd = 3.81 ln 0.6096 + 5.6 = 3.7142318; node at 48 in,
  // zm = 1.2192 m; p(1 in) = 5.7101474 A (25.4 B)^C Pd = 6.0681192 lb/in. With pm = 2 and
  // ym = 2 a deflection of 2 in is 1 in on the curve: Es = (2/2) p(1)/1.
  ProfileRun r;
  PyModifierTable& t = r.problem().PyModifiers;
  t.NumPoints = 2;
  t.Depth = {0.0, 1200.0};
  t.PMultiplier = {2.0, 2.0};
  t.YMultiplier = {2.0, 2.0};
  r.Add_Section(480.0, 24.0, 24.0, 29.0e6, 2000.0);
  r.Add_Layer(kLiquefiedSandIndex, 0.0, 600.0, Props{0.0368396}, Props{0.0368396});
  r.Discretise(100);  // nodes every 4.8 in: node 11 at 48 in
  EXPECT_NEAR(Modulus_At(r, 1, 11, 2.0), 6.068119168, 1e-7);
}

TEST(LiquefiedSand, GeneralUnitsHaveNoCurve) {
  ProfileRun r(kUnitsGeneral);
  One_Layer_SI(r);
  PY_LiquefiedSand(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 173);
  EXPECT_TRUE(Contains_Lines(r.Report_Lines(), {"**** Input Data Error No. 73 ****"}));
}

TEST(LiquefiedSand, PrintedCurveEndsAt157mmAndNotesTheDepthLimit) {
  ProfileRun r(kUnitsSI);
  One_Layer_SI(r);
  r.problem().NumPyOutputDepths = 2;
  r.problem().PyOutputDepths[0] = 0.0;
  r.problem().PyOutputDepths[1] = 7.0;  // zm = 7 m > 6 m: the note
  Py_Curves_At_User_Depths(r.run());
  ASSERT_EQ(r.run().Status.ErrorNumber, 0);
  const auto report = r.Report_Lines();
  EXPECT_TRUE(Contains_Lines(
      report, {"p-y Curve Computed Using Liquefied Sand Criteria", "",
               Parameter_Line("Depth below pile head", "       0.000 m"),
               Parameter_Line("Depth below ground surface", "       0.000 m"),
               Parameter_Line("Depth below ground surface in meters", "       0.000 m"),
               Parameter_Line("Pile Diameter", "       1.000 m"),
               Parameter_Line("Pile Diameter in meters", "       1.000 m"),
               Parameter_Line("Gamma Avg", "     8.00000 kN/m**3"),
               Parameter_Line("A ", " 3.00000E-07"), Parameter_Line("B ", "     2.80000"),
               Parameter_Line("C ", "     2.85000"), Parameter_Line("Pd", "     5.60000"),
               Parameter_Line("Upper limit Pu", "      15.000 kN/m")}));
  EXPECT_TRUE(Contains_Lines(
      report, {"NOTE: This p-y curve is deeper than the depth of 6.0 meters recommended by",
               "Rollins, et al. (2005)"}));
  const auto plot = r.Plot_Lines();
  // Line 6, then 1 + 17 records per curve; the last point of each at y = 0.1575 m.
  ASSERT_EQ(plot.size(), 1u + 2u * 18u);
  EXPECT_EQ(plot[1], "  0.0000000E+00   17" + std::string(60, ' ') +
                         "Line 7:  p-y curve depth in liquefied sand, no. p-y points on curve "
                         "no. 1");
  EXPECT_EQ(plot[18].substr(0, 15), "  1.5750000E-01");
  EXPECT_EQ(plot[18].substr(30), std::string(20, ' ') + "Line 8(17): y, p, for liquefied sand");
}

}  // namespace
}  // namespace tavik::testing
