// Cemented silt: the default k (stiff clay class plus the frictional part), the ultimate
// resistance A Pu,phi + Pu,c against a hand calculation of the Reese wedge and Matlock's
// cohesive resistance, the errors of the layer's values and of a steep slope, and the
// printed curve.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "input/input_fixture.h"
#include "profile/profile_fixture.h"
#include "pycurves/py_framework.h"

namespace tavik::testing {
namespace {

// c = 1500 psf, phi = 32 degrees, gamma' = 0.05 pci (above the water table: > 0.045).
constexpr double kCohesion = 1500.0 / 144.0;

// A 24 in pipe, 600 in long, 100 increments (6 in), in one cemented silt layer (k of the
// layer given or 0 for the default).
void Silt_Pile(ProfileRun& r, double c = kCohesion, double phi = 32.0, double k = 0.0) {
  r.Add_Section(600.0, 24.0, 24.0, 29.0e6, 2549.3);
  const Props silt{.gamma = 0.05, .c = c, .phi = phi, .eps50 = 0.007};
  r.Add_Layer(kCementedSiltIndex, 0.0, 700.0, silt, silt);
  r.problem().Layers[0].SubgradeModulusTop = k;
  r.problem().Layers[0].SubgradeModulusBottom = k;
  r.Discretise(100);
}

TEST(CementedSilt, DefaultKIsClayClassPlusFrictionPart) {
  // c = 1500 psf lies in the 1000 to 2000 psf class (static 500 pci); phi = 32 above the
  // water table adds 90 pci: k = 590 pci. Without deflection Es = k z: node 11 at 60 in.
  ProfileRun r;
  Silt_Pile(r);
  PY_CementedSilt(r.run(), 1);
  ASSERT_EQ(r.run().Status.ErrorNumber, 0);
  EXPECT_NEAR(r.run().Nodes.rd_NodeEs[11], 590.0 * 60.0, 1e-9);
}

TEST(CementedSilt, UltimateResistanceAddsFrictionAndCohesion) {
  // At z = 60 in (z/b = 2.5, A static 1.23): Reese wedge pst = 622.849230 lb/in (below the
  // flow-around 2650.61), Matlock Np = 0.5*60/24 + 3 + 0.05*60/10.416667 = 4.538, Pu,c =
  // 4.538 c b = 1134.5 lb/in; pu = 1.23 * 622.849230 + 1134.5 = 1900.604553 lb/in and
  // pm = 1.5 (622.849230 + 1134.5) = 2636.023845 lb/in.
  ProfileRun r;
  Silt_Pile(r);
  r.problem().NumPyOutputDepths = 1;
  r.problem().PyOutputDepths[0] = 60.0;
  Py_Curves_At_User_Depths(r.run());
  ASSERT_EQ(r.run().Status.ErrorNumber, 0);
  const auto report = r.Report_Lines();
  EXPECT_TRUE(Contains_Lines(report, {Parameter_Line("Pu", "    1900.605 lbs/in")}));
  EXPECT_TRUE(Contains_Lines(report, {Parameter_Line("pm", "    2636.024 lbs/in")}));
  EXPECT_TRUE(Contains_Lines(report, {Parameter_Line("Pu,c", "    1134.500 lbs/in"),
                                      Parameter_Line("Pu,phi", "     622.849 lbs/in")}));
  EXPECT_TRUE(
      Contains_Lines(report, {Parameter_Line("k (interp. from input)", "     590.000 lbs/in**3")}));
  EXPECT_TRUE(
      Contains_Lines(report, {"p-y Curve Computed Using the Static Criteria for Cemented Silt"}));
  const auto plot = r.Plot_Lines();
  ASSERT_EQ(plot.size(), 19u);
  // Beyond yu = 3b/80 = 0.9 in the curve is pu: the last point at 1.15 yu.
  EXPECT_EQ(plot[18], "  1.0350000E+00  1.9006046E+03" + std::string(50, ' ') +
                          "Line 8(17): y, p, for cemented c-phi");
}

TEST(CementedSilt, ErrorsOfTheLayerValuesAndTheSlope) {
  struct Case {
    const char* what;
    int iunits;
    double c;
    double phi;
    double slope_degrees;
    int error;
  };
  const Case cases[] = {
      {"no cohesion below the top", kUnitsUSCustomary, 0.0, 32.0, 0.0, 148},
      {"no friction", kUnitsUSCustomary, kCohesion, 0.0, 0.0, 110},
      {"slope steeper than friction", kUnitsUSCustomary, kCohesion, 20.0, 25.0, 223},
      {"general units, no default k", kUnitsGeneral, kCohesion, 32.0, 0.0, 175},
  };
  for (const Case& c : cases) {
    ProfileRun r(c.iunits);
    Silt_Pile(r, c.c, c.phi);
    r.problem().SlopeMinusBatter = c.slope_degrees * std::numbers::pi / 180.0;
    PY_CementedSilt(r.run(), 1);
    EXPECT_EQ(r.run().Status.ErrorNumber, c.error) << c.what;
  }
}

}  // namespace
}  // namespace tavik::testing
