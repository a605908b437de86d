// Vuggy limestone (strong rock): the tri-linear curve with its brittle drop for qu = 2000 psi
// and b = 36 in, the strength warning below the layer top, the printed curve, and the trial
// moduli of a load case against the literal procedure (one pass per node of the pile).
#include <gtest/gtest.h>

#include <string>

#include "analysis/form_soil_moduli.h"
#include "input/input_fixture.h"
#include "profile/profile_fixture.h"
#include "pycurves/py_framework.h"

namespace tavik::testing {
namespace {

constexpr int kVuggyIndex = 9;

// A 36 in shaft, 600 in long, 100 increments (6 in) unless stated, over sand to
// `rock_top`, then vuggy limestone of strength qu (psi) and unit weight 0.0347 pci; a
// second limestone layer from 400 in when `two_layers`.
void Rock_Shaft(ProfileRun& r, double qu, double rock_top = 0.0, bool two_layers = false,
                int increments = 100) {
  r.Add_Section(600.0, 36.0, 36.0, 3.6e6, 82448.0);
  const Props rock{.gamma = 0.0347, .c = qu};
  if (rock_top > 0.0) {
    r.Add_Layer(kSandIndex, 0.0, rock_top, Props{.gamma = 0.0347, .phi = 35.0},
                Props{.gamma = 0.0347, .phi = 35.0});
  }
  r.Add_Layer(kVuggyIndex, rock_top, two_layers ? 400.0 : 700.0, rock, rock);
  if (two_layers) r.Add_Layer(kVuggyIndex, 400.0, 700.0, rock, rock);
  r.Discretise(increments);
}

double Modulus_At(ProfileRun& r, int i, double y) {
  r.run().Nodes.rd_Y[i] = y;
  PY_VuggyLimestone(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
  return r.run().Nodes.rd_NodeEs[i];
}

TEST(VuggyLimestone, TriLinearCurveWithBrittleDrop) {
  // qu = 2000 psi: su = 1000 psi; b = 36 in: y1 = 0.0004 b = 0.0144 in, p1 = 0.8 b su =
  // 28800 lb/in, y2 = 0.0024 b = 0.0864 in with p(y2) = b su = 36000 lb/in. Beyond y2 the
  // residual 0.5 gamma' b z: at node 18 (z = 102 in) 0.5 * 0.0347 * 36 * 102 = 63.7092.
  ProfileRun r;
  Rock_Shaft(r, 2000.0);
  EXPECT_NEAR(Modulus_At(r, 18, 0.01), 2.0e6, 1e-6);  // 2000 su on the first line
  EXPECT_NEAR(Modulus_At(r, 18, 0.0144) * 0.0144, 28800.0, 1e-6);
  EXPECT_NEAR(Modulus_At(r, 18, 0.05) * 0.05, 28800.0 + 1.0e5 * (0.05 - 0.0144), 1e-6);
  EXPECT_NEAR(Modulus_At(r, 18, 0.0863) * 0.0863, 36000.0 - 1.0e5 * 0.0001, 1e-6);
  EXPECT_NEAR(Modulus_At(r, 18, 0.1) * 0.1, 63.7092, 1e-9);
  EXPECT_NEAR(Modulus_At(r, 18, 0.0), 2.0e6, 1e-6);  // no deflection: 2000 su / ym
}

TEST(VuggyLimestone, StrengthWarningBelowTheLayerTopOnly) {
  // su = 400 psi (< 500) at every node but the first, which lies on the layer top.
  ProfileRun low;
  Rock_Shaft(low, 800.0);
  PY_VuggyLimestone(low.run(), 1);
  EXPECT_EQ(low.run().Status.WarningTally[308], 100);
  ProfileRun usual;
  Rock_Shaft(usual, 2000.0);
  PY_VuggyLimestone(usual.run(), 1);
  EXPECT_EQ(usual.run().Status.WarningTally[308], 0);
  // Without strength the second line is undefined: input error 62.
  ProfileRun none;
  Rock_Shaft(none, 0.0);
  PY_VuggyLimestone(none.run(), 1);
  EXPECT_EQ(none.run().Status.ErrorNumber, 162);
}

TEST(VuggyLimestone, PrintedCurve) {
  ProfileRun r;
  Rock_Shaft(r, 2000.0);
  r.problem().NumPyOutputDepths = 1;
  r.problem().PyOutputDepths[0] = 120.0;
  Py_Curves_At_User_Depths(r.run());
  ASSERT_EQ(r.run().Status.ErrorNumber, 0);
  EXPECT_TRUE(
      Contains_Lines(r.Report_Lines(),
                     {"p-y Curve for Vuggy Limestone (Strong Rock) Criteria",
                      Parameter_Line("Soil Layer Number", "           1"),
                      Parameter_Line("Depth below pile head", "      10.000 ft"),
                      Parameter_Line("Depth below ground surface", "      10.000 ft"),
                      Parameter_Line("Shaft Diameter", "      36.000 in"),
                      Parameter_Line("Uniaxial Compressive Strength", "    2000.000 lbs/in**2"),
                      Parameter_Line("p-multiplier", "     1.00000"),
                      Parameter_Line("y-multiplier", "     1.00000"), "",
                      "        y, in        p, lbs/in", "---------------   ---------------",
                      "         0.00000           0.00000", "        0.014400            28800."}));
  const auto plot = r.Plot_Lines();
  ASSERT_EQ(plot.size(), 19u);
  EXPECT_EQ(plot[18], "  8.6400000E-02  3.6000000E+04" + std::string(50, ' ') +
                          "Line 8(17): y, p, for vuggy limestone rock");
}

// The trial moduli stand for the literal procedure: after the trial modulus of each node,
// every strong-rock layer holding nodes passes through the criterion, with the bookkeeping
// "flag, then count". The literal procedure is run here on a second, identical run.
TEST(VuggyLimestone, TrialModuliMatchOnePassPerNode) {
  for (bool two_layers : {false, true}) {
    ProfileRun fast;
    ProfileRun literal;
    for (ProfileRun* r : {&fast, &literal}) {
      // su = 400: warning 308 below each top; 41 nodes keep the tallies below their cap.
      Rock_Shaft(*r, 800.0, 120.0, two_layers, 40);
      r->run().i_RockLayersAbove = 0;
    }
    RunContext& run = literal.run();
    const int layers = run.Problem.i_Number_of_Layers;
    for (int i = 1; i <= run.Nodes.i_Num_Nodes; ++i) {
      run.Nodes.rd_NodeEs[i] = 50000.0;
      for (int j = 2; j <= layers; ++j) ASSERT_TRUE(Call_Layer_Criterion(run, j));
    }
    for (int i = 1; i <= fast.run().Nodes.i_Num_Nodes; ++i) fast.run().Nodes.rd_NodeEs[i] = 50000.0;
    Vuggy_Limestone_Trial_Moduli(fast.run());

    ASSERT_EQ(fast.run().Status.ErrorNumber, 0);
    for (int i = 1; i <= run.Nodes.i_Num_Nodes; ++i) {
      EXPECT_EQ(fast.run().Nodes.rd_NodeEs[i], run.Nodes.rd_NodeEs[i]) << i;
    }
    EXPECT_EQ(fast.run().Status.WarningTally[308], run.Status.WarningTally[308]);
    EXPECT_GT(run.Status.WarningTally[308], 0);
    EXPECT_EQ(fast.run().i_RockLayersAbove, run.i_RockLayersAbove);
    for (int j = 1; j <= layers; ++j) {
      EXPECT_EQ(fast.run().b_BelowRockLayer[j], run.b_BelowRockLayer[j]) << j;
    }
    // The rock nodes carry 2000 su (no deflection), the sand nodes the trial 50000.
    EXPECT_EQ(fast.run().Nodes.rd_NodeEs[1], 50000.0);
    EXPECT_NEAR(fast.run().Nodes.rd_NodeEs[30], 2000.0 * 400.0, 1e-6);
  }
}

}  // namespace
}  // namespace tavik::testing
