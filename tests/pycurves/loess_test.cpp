// Loess: the ultimate resistance from the cone tip resistance, its degradation with the
// number of cycles, the reduction near the pile head, the modulus at zero deflection, the
// cycle limit, and the printed curve.
#include <gtest/gtest.h>

#include <string>

#include "input/input_fixture.h"
#include "profile/profile_fixture.h"
#include "pycurves/py_framework.h"

namespace tavik::testing {
namespace {

constexpr int kLoessIndex = 12;

// A 24 in shaft, 600 in long, 100 increments (6 in), in loess of qc = 1000 psi.
void Loess_Shaft(ProfileRun& r, double cycles) {
  r.problem().Options.NumCycles = cycles;
  r.Add_Section(600.0, 24.0, 24.0, 3.6e6, 16286.0);
  r.Add_Layer(kLoessIndex, 0.0, 700.0, Props{.gamma = 0.05}, Props{.gamma = 0.05});
  r.problem().Layers[0].Top.ConeTipResistance = 1000.0;
  r.problem().Layers[0].Bottom.ConeTipResistance = 1000.0;
  r.Discretise(100);
}

TEST(Loess, ResistanceByCyclesAndNearTheHead) {
  // pu = b 0.409 qc / (0.24 ln N + 1): 9816 lb/in for N = 1 (and for N = 0, counted as
  // one cycle); 9816/1.5526204 = 6322.214921 for N = 10. Ei = pu/yr, yr = 0.117 in, is
  // the modulus at zero deflection. Within 2 b of the head qc is scaled by X/(2b) + 0.5:
  // 0.5 at the head, 1.0 at X = b = 24 in (node 5).
  struct Case {
    double cycles;
    int node;
    double pu;
  };
  const Case cases[] = {
      {1.0, 11, 9816.0}, {0.0, 11, 9816.0}, {10.0, 11, 6322.21492059},
      {1.0, 1, 4908.0},  {1.0, 5, 9816.0},
  };
  for (const Case& c : cases) {
    ProfileRun r;
    Loess_Shaft(r, c.cycles);
    PY_Loess(r.run(), 1);
    ASSERT_EQ(r.run().Status.ErrorNumber, 0);
    EXPECT_NEAR(r.run().Nodes.rd_NodeEs[c.node], c.pu / 0.117, 1e-6) << c.cycles << " " << c.node;
  }
  // The curve: p(yr) = Ei yr / (2 + 0.1 e^-1) = pu / 2.0367879 at y = yr.
  ProfileRun r;
  Loess_Shaft(r, 1.0);
  r.run().Nodes.rd_Y[11] = 0.117;
  PY_Loess(r.run(), 1);
  EXPECT_NEAR(r.run().Nodes.rd_NodeEs[11] * 0.117, 9816.0 / 2.03678794412, 1e-6);
}

TEST(Loess, MoreThanTenCyclesStopTheRun) {
  ProfileRun r;
  Loess_Shaft(r, 11.0);
  PY_Loess(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 170);
  EXPECT_TRUE(Contains_Lines(r.Report_Lines(), {"**** Input Data Error No. 70 ****"}));
}

TEST(Loess, PrintedCurve) {
  ProfileRun r;
  Loess_Shaft(r, 1.0);
  r.problem().NumPyOutputDepths = 1;
  r.problem().PyOutputDepths[0] = 120.0;
  Py_Curves_At_User_Depths(r.run());
  ASSERT_EQ(r.run().Status.ErrorNumber, 0);
  EXPECT_TRUE(Contains_Lines(
      r.Report_Lines(), {"p-y Curve for Loess", Parameter_Line("Soil Layer Number", "         1"),
                         Parameter_Line("Depth below pile head", "      10.000 ft"),
                         Parameter_Line("Depth below ground surface", "      10.000 ft"),
                         Parameter_Line("Shaft Diameter", "      24.000 in"),
                         Parameter_Line("Cone tip resistance", "    1000.000 lbs/in**2"),
                         Parameter_Line("Initial Modulus, Ei", "   83897.436 lbs/in**2"),
                         Parameter_Line("p_u0", "     409.000 lbs/in**2"),
                         Parameter_Line("p_u", "    9816.000 lbs/in"),
                         Parameter_Line("Number of Cycles of Loading", "          1. cycles")}));
  const auto plot = r.Plot_Lines();
  ASSERT_EQ(plot.size(), 19u);
  EXPECT_EQ(plot[1].substr(80),
            "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y "
            "points on curve no. 1");
  // Point 17 at 50 yr = 5.85 in.
  EXPECT_EQ(plot[18].substr(0, 15), "  5.8500000E+00");
  EXPECT_EQ(plot[18].substr(80), "Line 8(17): y, p, for Loess");
}

}  // namespace
}  // namespace tavik::testing
