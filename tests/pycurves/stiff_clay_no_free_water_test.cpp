// Stiff clay without free water (Welch and Reese), without and with the initial line k z:
// the static and cyclic curves through the soil modulus of the analysis, the small-
// deflection moduli, the default e50 and k, the number of cycles kept for the run, the
// layering correction, the errors and warnings, and the printed and plotted curve.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "profile/profile_fixture.h"
#include "pycurves/py_framework.h"

namespace tavik::testing {
namespace {

constexpr int kStiffClayNoWaterKIndex = 4;

// c = 10 psi (1440 psf), unit weight 0.03 pci, e50 left at 0 (default 0.007), on a 12 in
// pile 600 in long, 100 increments (h = 6 in): y50 = 2.5*0.007*12 = 0.21 in, y16 = 3.36 in.
// Node 21 (z = 120 in): pct = (0.36 + 5)*120 + 3*12*10 = 1003.2 < pcd = 9*12*10 = 1080, so
// pu = 1003.2. With k: default 500 pci static, 200 pci cyclic; kz = 60000 / 24000.
const Props kClay{0.03, 10.0, 0.0, 0.0, 0.0};

void Clay_Pile(ProfileRun& r, int index, Props props = kClay) {
  r.Add_Section(600.0, 12.0, 12.0, 29.0e6, 1000.0);
  r.Add_Layer(index, 0.0, 600.0, props, props);
  r.Discretise(100);
}

double Modulus_At(ProfileRun& r, int index, int i, double y) {
  r.run().Nodes.rd_Y[i] = y;
  Py_Criterion_For_Soil_Type(index).routine(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
  return r.run().Nodes.rd_NodeEs[i];
}

struct CurvePoint {
  const char* what;
  int index;
  bool cyclic;
  double y;
  double es;
};

TEST(StiffClayNoFreeWater, CurvesWithAndWithoutInitialK) {
  constexpr int AW = kStiffClayNoWaterIndex;
  constexpr int AK = kStiffClayNoWaterKIndex;
  const CurvePoint cases[] = {
      // Static: p(y50) = 0.5 pu = 501.6; p(16 y50) = pu.
      {"static at y50", AW, false, 0.21, 2388.5714286},
      {"static at 16 y50", AW, false, 3.36, 298.5714286},
      {"static beyond 16 y50", AW, false, 5.0, 200.64},
      // Below y0 = 0.00002 b = 0.00024: 0.5 pu (y50/y0)^0.75 / y50 = 0.5*1003.2*875^0.75/0.21.
      {"no deflection: limiting modulus", AW, false, 0.0, 384276.89496},
      {"below y0: limiting modulus", AW, false, 0.0002, 384276.89496},
      // Cyclic, N = 100: y50 stretched by 1 + 0.6*2 = 2.2 to 0.462; pu reached at
      // 16*0.462 = 7.392 = (16 + 19.2) y50.
      {"cyclic at the stretched y50", AW, true, 0.462, 1085.7142857},
      // 0.5 pu (3.36/0.462)^0.25 = 823.72425.
      {"cyclic at 16 y50", AW, true, 3.36, 245.15602775},
      {"cyclic reaches pu at 35.2 y50", AW, true, 7.392, 135.7142857},
      // With k: the line kz y caps the quarter-power curve near zero.
      {"k: no deflection", AK, false, 0.0, 60000.0},
      {"k: below y0 on the line", AK, false, 0.0002, 60000.0},
      {"k: at y50 off the line", AK, false, 0.21, 2388.5714286},
      {"k: beyond 16 y50 pu without the line", AK, false, 5.0, 200.64},
      {"k: cyclic on the line", AK, true, 1.0e-4, 24000.0},
  };
  for (const CurvePoint& c : cases) {
    ProfileRun r;
    Clay_Pile(r, c.index);
    r.problem().Options.Cyclic = c.cyclic;
    r.problem().Options.NumCycles = c.cyclic ? 100.0 : 0.0;
    EXPECT_NEAR(Modulus_At(r, c.index, 21, c.y) / c.es, 1.0, 1e-9) << c.what;
  }
}

TEST(StiffClayNoFreeWater, DefaultEpsilon50ByCohesionClass) {
  // Node 21 at y = 1 (below 16 y50 for every class): Es = 0.5 pu (1/y50)^0.25 with
  // pu = min(43.2 + 96 c, 108 c) and y50 = 30 e50.
  struct Case {
    double c;
    double e50;
    double es;
  };
  const Case cases[] = {
      {6.9, 0.011, 465.47899876},     // pu = 705.6
      {6.94, 0.007, 523.99947527},    // on the limit: the higher class; pu = 709.44
      {13.88, 0.005, 1105.26040737},  // pu = 1375.68
      {27.78, 0.004, 2302.27291354},  // pu = 2710.08
  };
  for (int index : {kStiffClayNoWaterIndex, kStiffClayNoWaterKIndex}) {
    for (const Case& c : cases) {
      ProfileRun r;
      Clay_Pile(r, index, Props{0.03, c.c, 0.0, 0.0, 0.0});
      r.problem().Layers[0].SubgradeModulusTop = 1.0e6;  // the line never limits
      EXPECT_NEAR(Modulus_At(r, index, 21, 1.0) / c.es, 1.0, 1e-9) << index << " " << c.c;
    }
  }
}

TEST(StiffClayNoFreeWater, InitialKFromLayerOrDefault) {
  // Node 21 (z = 120) without deflection: Es = k z.
  struct Case {
    const char* what;
    int iunits;
    double c;
    bool cyclic;
    double k_top;
    double k_bottom;
    double k;
  };
  const Case cases[] = {
      {"3000 psf static", kUnitsUSCustomary, 3000.0 / 144.0, false, 0.0, 0.0, 1000.0},
      {"just below 6.94 psi", kUnitsUSCustomary, 6.93, false, 0.0, 0.0, 250.0},
      {"on 6.94 psi", kUnitsUSCustomary, 6.94, false, 0.0, 0.0, 500.0},
      {"30 psi cyclic", kUnitsUSCustomary, 30.0, true, 0.0, 0.0, 800.0},
      {"SI on 47.8927 kPa", kUnitsSI, 47.8927, false, 0.0, 0.0, 135723.59},
      {"input k interpolated", kUnitsUSCustomary, 10.0, false, 100.0, 700.0, 220.0},
      {"bottom k 0 takes the top value", kUnitsUSCustomary, 10.0, false, 300.0, 0.0, 300.0},
  };
  for (const Case& c : cases) {
    ProfileRun r(c.iunits);
    Clay_Pile(r, kStiffClayNoWaterKIndex, Props{0.03, c.c, 0.0, 0.01, 0.0});
    r.problem().Options.Cyclic = c.cyclic;
    r.problem().Options.NumCycles = c.cyclic ? 100.0 : 0.0;
    r.problem().Layers[0].SubgradeModulusTop = c.k_top;
    r.problem().Layers[0].SubgradeModulusBottom = c.k_bottom;
    EXPECT_NEAR(Modulus_At(r, kStiffClayNoWaterKIndex, 21, 0.0), c.k * 120.0, 1e-9) << c.what;
  }
}

TEST(StiffClayNoFreeWater, OnlyATopKOfExactlyZeroTakesTheDefault) {
  // Here the default k is taken only for a top value of exactly 0 (stiff clay with free water
  // takes it for any value <= 0). A top k of -300 pci is kept, interpolated to -300 pci at
  // every depth (the bottom 0 takes the top value), and a k that is not positive stops the
  // run with runtime error 39 at node 1 instead of running with the default 500 pci.
  ProfileRun r;
  Clay_Pile(r, kStiffClayNoWaterKIndex, Props{0.03, 10.0, 0.0, 0.01, 0.0});
  r.problem().Layers[0].SubgradeModulusTop = -300.0;
  PY_StiffClayNoFreeWaterK(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 239);
  EXPECT_EQ(r.problem().Layers[0].SubgradeModulusBottom, -300.0);
}

TEST(StiffClayNoFreeWater, NumberOfCyclesAdjustedOnEntryForTheRun) {
  struct Case {
    int index;
    double cycles_in;
    double cycles_out;
  };
  const Case cases[] = {
      {kStiffClayNoWaterIndex, 0.0, 1.0},  {kStiffClayNoWaterIndex, 0.5, 1.0},
      {kStiffClayNoWaterIndex, 3.0, 3.0},  {kStiffClayNoWaterKIndex, 0.0, 1.0},
      {kStiffClayNoWaterKIndex, 0.5, 0.5},
  };
  for (const Case& c : cases) {
    ProfileRun r;
    Clay_Pile(r, c.index);
    r.problem().Options.NumCycles = c.cycles_in;
    Modulus_At(r, c.index, 21, 0.21);
    EXPECT_EQ(r.problem().Options.NumCycles, c.cycles_out) << c.index << " " << c.cycles_in;
  }
}

TEST(StiffClayNoFreeWater, NoDefaultEpsilon50InGeneralUnitsStopsTheRun) {
  struct Case {
    int index;
    const char* name;
  };
  const Case cases[] = {
      {kStiffClayNoWaterIndex, "stiff clay without free water"},
      {kStiffClayNoWaterKIndex, "stiff clay without free water using k"},
  };
  for (const Case& c : cases) {
    ProfileRun r(kUnitsGeneral);
    Clay_Pile(r, c.index, Props{0.03, 10.0, 0.0, 0.0, 0.0});
    r.problem().Layers[0].SubgradeModulusTop = 300.0;
    Py_Criterion_For_Soil_Type(c.index).routine(r.run(), 1);
    EXPECT_EQ(r.run().Status.ErrorNumber, 239);
    const auto messages = r.Message_Lines();
    ASSERT_EQ(messages.size(), 5u);
    EXPECT_EQ(messages[2], "The computed value of soil modulus computed in " + std::string(c.name) +
                               " is not-a-number for node number 1");
  }
}

TEST(StiffClayNoFreeWater, NoDefaultKInGeneralUnitsStopsTheRunWithK) {
  // General units have no default k: with k left at zero the variant with k would cap its
  // curve at k z y = 0, so it stops (runtime error 39); the variant without k needs none.
  for (const int index : {kStiffClayNoWaterKIndex, kStiffClayNoWaterIndex}) {
    ProfileRun r(kUnitsGeneral);
    Clay_Pile(r, index, Props{0.03, 10.0, 0.0, 0.01, 0.0});
    Py_Criterion_For_Soil_Type(index).routine(r.run(), 1);
    EXPECT_EQ(r.run().Status.ErrorNumber, index == kStiffClayNoWaterKIndex ? 239 : 0) << index;
  }
}

TEST(StiffClayNoFreeWater, ZeroCohesionBelowFirstNodeIsInputError13) {
  const std::vector<std::string> block = {
      "**** Input Data Error No. 13 ****",
      "",
      "An error was detected in the input data.",
      "Problem:  Zero was input for cohesion of stiff clay without free water.",
      "",
      "Solution:  Please check the values of soil shear strength and revise the input data.",
      ""};
  for (int index : {kStiffClayNoWaterIndex, kStiffClayNoWaterKIndex}) {
    ProfileRun r;
    Clay_Pile(r, index, Props{0.03, 0.0, 0.0, 0.01, 0.0});
    Py_Criterion_For_Soil_Type(index).routine(r.run(), 1);
    EXPECT_EQ(r.run().Status.ErrorNumber, 113);  // node 1 passes, node 2 stops the run
    EXPECT_EQ(r.Message_Lines(), block);
    std::vector<std::string> report = block;
    report.insert(report.end(),
                  {"", "", "Tavik ended prematurely due to input error number INP00013"});
    EXPECT_EQ(r.Report_Lines(), report);
  }
}

TEST(StiffClayNoFreeWater, StrengthWarningsAwayFromInterfaces) {
  struct Case {
    int index;
    int iunits;
    double c;
    int warning;
  };
  const Case cases[] = {
      {kStiffClayNoWaterIndex, kUnitsUSCustomary, 3.0, 3061},
      {kStiffClayNoWaterIndex, kUnitsUSCustomary, 60.0, 3062},
      {kStiffClayNoWaterIndex, kUnitsSI, 20.0, 3063},
      {kStiffClayNoWaterIndex, kUnitsSI, 400.0, 3064},
      {kStiffClayNoWaterKIndex, kUnitsUSCustomary, 3.0, 3261},
      {kStiffClayNoWaterKIndex, kUnitsUSCustomary, 60.0, 3262},
      {kStiffClayNoWaterKIndex, kUnitsSI, 20.0, 3263},
      {kStiffClayNoWaterKIndex, kUnitsSI, 400.0, 3264},
  };
  for (const Case& c : cases) {
    ProfileRun r(c.iunits);
    Clay_Pile(r, c.index, Props{0.03, c.c, 0.0, 0.01, 0.0});
    Modulus_At(r, c.index, 21, 0.1);
    EXPECT_EQ(r.run().Status.WarningTally[c.warning], 101) << c.warning;  // one per node
  }
}

// Stiff clay c = 20 psi from 0 to 30 in over the standard clay: layer 1 holds nodes 1 to 5
// (0 to 24 in), layer 2 starts at node 6 (30 in), where the cohesion is the mean 15
// (e50 0.005, y50 = 0.15).
void Layered_Pile(ProfileRun& r) {
  r.Add_Section(600.0, 12.0, 12.0, 29.0e6, 1000.0);
  const Props strong{0.03, 20.0, 0.0, 0.0, 0.0};
  r.Add_Layer(kStiffClayNoWaterIndex, 0.0, 30.0, strong, strong);
  r.Add_Layer(kStiffClayNoWaterIndex, 30.0, 600.0, kClay, kClay);
  r.Discretise(100);
  r.run().Nodes.rd_Y[6] = 0.15;
}

TEST(StiffClayNoFreeWater, LayeringCorrection) {
  // Layer 1: pu = (0.36 + 10) z + 720 = 720, 782.16, 844.32, 906.48, 968.64 at z = 0 .. 24;
  // trapezoids (h = 6) 20263.68 plus (30 - 24) * 968.64: sum = 26075.52.
  // Layer 2 (c = ca = 15): xt = (135 - 45)*12/(7.5 + 0.36) = 137.40458, F(xt) = 148396.9 > sum,
  // so h = 540, f = 3.93 and z = (sqrt(540^2 + 4*26075.52*3.93) - 540)/7.86 = 37.857538.
  // Node 6: pu = pct = 7.86 z + 540 = 837.56025; at y50 Es = 0.5 pu / 0.15 = 2791.8675.
  ProfileRun r;
  Layered_Pile(r);
  RunContext& run = r.run();
  PY_StiffClayNoFreeWater(run, 1);
  EXPECT_NEAR(run.rd_LayerPuSum[1], 26075.52, 1e-8);
  run.i_RockLayersAbove = 0;
  PY_StiffClayNoFreeWater(run, 2);
  EXPECT_NEAR(run.rd_LayerEqDepth[2], 37.857538, 1e-6);
  EXPECT_NEAR(run.Nodes.rd_NodeEs[6], 2791.8675, 1e-4);
}

TEST(StiffClayNoFreeWater, LayerBelowRockKeepsTrueDepth) {
  // Node 6 at z = 30: pu = 7.86*30 + 540 = 775.8; Es at y50 = 0.5*775.8/0.15 = 2586.
  ProfileRun r;
  Layered_Pile(r);
  RunContext& run = r.run();
  PY_StiffClayNoFreeWater(run, 1);
  run.i_RockLayersAbove = 1;
  PY_StiffClayNoFreeWater(run, 2);
  EXPECT_EQ(run.rd_LayerEqDepth[2], -10000.0);
  EXPECT_NEAR(run.Nodes.rd_NodeEs[6], 2586.0, 1e-9);
}

std::vector<std::string> Report_At(ProfileRun& r, double depth) {
  r.problem().NumPyOutputDepths = 1;
  r.problem().PyOutputDepths[0] = depth;
  Py_Curves_At_User_Depths(r.run());
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
  return r.Report_Lines();
}

TEST(StiffClayNoFreeWater, PrintedAndPlottedStaticCurve) {
  ProfileRun r;
  Clay_Pile(r, kStiffClayNoWaterIndex);
  const auto report = Report_At(r, 120.0);
  const std::vector<std::string> block = {
      "",
      "",
      "p-y Curve Computed Using Static Criteria for Stiff Clay without Free Water",
      Parameter_Line("Soil Layer Number", "           1"),
      Parameter_Line("Depth below pile head", "      10.000 ft"),
      Parameter_Line("Depth below ground surface", "      10.000 ft"),
      Parameter_Line("Ground Slope Angle", "       0.000 degrees"),
      Parameter_Line("Pile Batter Angle", "       0.000 degrees"),
      Parameter_Line("Effective Slope", "       0.000 degrees"),
      Parameter_Line("Equivalent Depth", "     120.000 in"),
      Parameter_Line("Diameter", "      12.000 in"),
      Parameter_Line("Undrained cohesion, c", "    10.00000 lbs/in**2"),
      Parameter_Line("Average Eff. Unit Weight", "     0.03000 lbs/in**3"),
      Parameter_Line("Epsilon-50", "     0.00700"),
      Parameter_Line("Pct", "    1003.200 lbs/in"),
      Parameter_Line("Pcd", "    1080.000 lbs/in"),
      Parameter_Line("Pu", "    1003.200 lbs/in"),
      Parameter_Line("y50", "       0.210 in"),
      Parameter_Line("p-multiplier", "     1.00000"),
      Parameter_Line("y-multiplier", "     1.00000"),
      "        y, in            p, lbs/in",
      "----------------    -----------------",
      "         0.00000           0.00000",
  };
  ASSERT_EQ(report.size(), 3 + block.size() + 16 + 2);
  EXPECT_EQ(std::vector<std::string>(report.begin() + 3, report.begin() + 3 + block.size()), block);
  // Row 14: y = 0.5 y16 = 1.68, p = 0.5 pu 8^0.25 = 843.5872838.
  EXPECT_EQ(report[3 + block.size() + 12], "        1.680000        843.587284");

  const auto plot = r.Plot_Lines();
  ASSERT_EQ(plot.size(), 19u);
  const std::string gap(50, ' ');
  EXPECT_EQ(plot[1], "  1.2000000E+02   17" + std::string(60, ' ') +
                         "Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points "
                         "on curve no. 1");
  // Point 2: y = 0.00001 y16 = 3.36E-5, p = 0.5 pu (1.6E-4)^0.25 = 56.414082.
  EXPECT_EQ(plot[3],
            "  3.3600000E-05  5.6414082E+01" + gap + "Line 8( 2): y, p, for stiff clay w/o water");
  // Points 16 and 17: (y16 + 16.8 y50)/2 = 3.444 and 16.8 y50 = 3.528, both at pu.
  EXPECT_EQ(plot[17],
            "  3.4440000E+00  1.0032000E+03" + gap + "Line 8(16): y, p, for stiff clay w/o water");
  EXPECT_EQ(plot[18],
            "  3.5280000E+00  1.0032000E+03" + gap + "Line 8(17): y, p, for stiff clay w/o water");
}

TEST(StiffClayNoFreeWater, PrintedCyclicCurvesOfBothRoutines) {
  // N = 100: the last point is yl = 1.25 * 35.2 y50 = 9.24, at pu.
  {
    ProfileRun r;
    Clay_Pile(r, kStiffClayNoWaterIndex);
    r.problem().Options.Cyclic = true;
    r.problem().Options.NumCycles = 100.0;
    const auto report = Report_At(r, 120.0);
    ASSERT_GT(report.size(), 25u);
    EXPECT_EQ(report[5],
              "p-y Curve Computed Using Cyclic Criteria for Stiff Clay without Free Water");
    EXPECT_EQ(report[23], Parameter_Line("Number of cycles of loading ", "        100."));
    EXPECT_EQ(report[24], "        y, in            p, lbs/in");
    const auto plot = r.Plot_Lines();
    ASSERT_EQ(plot.size(), 19u);
    EXPECT_EQ(plot[18], "  9.2400000E+00  1.0032000E+03" + std::string(50, ' ') +
                            "Line 8(17): y, p, for stiff clay w/o water");
  }
  {
    ProfileRun r;
    Clay_Pile(r, kStiffClayNoWaterKIndex);
    r.problem().Options.Cyclic = true;
    r.problem().Options.NumCycles = 100.0;
    const auto report = Report_At(r, 120.0);
    ASSERT_GT(report.size(), 25u);
    EXPECT_EQ(report[5],
              "p-y Curve Computed Using Cyclic Criteria for Stiff Clay without Free Water");
    EXPECT_EQ(report[6], "with Option of Defining Initial k");
    EXPECT_EQ(report[14], Parameter_Line("k", "        200. lbs/in**3"));
    EXPECT_EQ(report[22], Parameter_Line("Number of Cycles of Loading", "        100."));
    EXPECT_EQ(report[23], "");
    EXPECT_EQ(report[24], "        y, in            p, lbs/in");
    const auto plot = r.Plot_Lines();
    ASSERT_EQ(plot.size(), 19u);
    EXPECT_EQ(plot[1], "  1.2000000E+02   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in stiff clay w/o free water with k, no. "
                           "p-y points on curve no. 1");
    // Point 2: y = 0.00001 y16 = 3.36E-5 on the line 24000 y = 0.8064.
    EXPECT_EQ(plot[3], "  3.3600000E-05  8.0640000E-01" + std::string(50, ' ') +
                           "Line 8( 2): y, p, for stiff clay with k");
  }
}

}  // namespace
}  // namespace tavik::testing
