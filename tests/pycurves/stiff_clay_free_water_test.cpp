// Stiff clay with free water (Reese, Cox and Koop): the static and cyclic curves through the
// soil modulus of the analysis, the default k and e50 by cohesion class, the average
// cohesion, the layering correction, the errors and warnings, and the printed and plotted
// curve at a user depth.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "profile/profile_fixture.h"
#include "pycurves/py_framework.h"

namespace tavik::testing {
namespace {

// c = 10 psi (1440 psf), unit weight 0.03 pci, e50 and k left at 0 (defaults 0.007 and
// 500 pci static / 200 pci cyclic), on a 12 in pile 600 in long, 100 increments (h = 6 in).
// y50 = e50 b = 0.084 in.
// Node 21 (z = 120 in): r = 10, As = 0.6, Ac = 0.3; pct = (0.03*12 + 2.83*10)*120 + 2*10*12
// = 3679.2 > pcd = 11*10*12 = 1320, so pc = 1320; kz = 60000 static, 24000 cyclic.
// Node 6 (z = 30 in): r = 2.5, As = 0.2345 + 0.2958796*2.5 - 0.0786111*6.25 +
// 0.0068981*15.625 = 0.59066244; pc = pct = 28.66*30 + 240 = 1099.8; kz = 15000 static.
const Props kClay{0.03, 10.0, 0.0, 0.0, 0.0};

void Clay_Pile(ProfileRun& r, Props props = kClay) {
  r.Add_Section(600.0, 12.0, 12.0, 29.0e6, 1000.0);
  r.Add_Layer(kStiffClayFreeWaterIndex, 0.0, 600.0, props, props);
  r.Discretise(100);
}

// The modulus of node i after one analysis pass of layer 1 with the node deflected by y.
double Modulus_At(ProfileRun& r, int i, double y) {
  r.run().Nodes.rd_Y[i] = y;
  Py_Criterion_For_Soil_Type(kStiffClayFreeWaterIndex).routine(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
  return r.run().Nodes.rd_NodeEs[i];
}

struct CurvePoint {
  const char* what;
  int node;
  double y;
  double es;
};

TEST(StiffClayFreeWater, StaticCurve) {
  const CurvePoint cases[] = {
      // Node 21: on the initial line, p = kz y < 0.5 pc sqrt(y/y50) = 22.8.
      {"initial line", 21, 1.0e-4, 60000.0},
      // At As y50 = 0.0504: p = 0.5*1320*sqrt(0.6) = 511.2338017.
      {"at As y50", 21, 0.0504, 10143.52781},
      // At 6 As y50 = 0.3024: p = 1320*(0.5*sqrt(3.6) - 0.055*5^1.25) = 709.4503458.
      {"at 6 As y50", 21, 0.3024, 2346.065958},
      // At 12 As y50: 0.5*1320*sqrt(3.6) - 0.411*1320 - 0.0625*1320*0.3024/0.084 = 412.74195.
      {"between 6 and 18 As y50", 21, 0.6048, 682.4437061},
      // Beyond 18 As y50: 1252.28396 - 0.75*0.6*1320 - 542.52 = 115.7419534.
      {"residual", 21, 1.008, 114.8233665},
      // Node 6 at 3 As y50 = 0.14884693: 1099.8*(0.5*sqrt(3 As) - 0.055*2^1.25) = 588.13706.
      {"shallow, between As y50 and 6 As y50", 6, 0.1488469343, 3951.287706},
      {"no deflection: k z", 6, 0.0, 15000.0},
  };
  for (const CurvePoint& c : cases) {
    ProfileRun r;
    Clay_Pile(r);
    EXPECT_NEAR(Modulus_At(r, c.node, c.y) / c.es, 1.0, 1e-9) << c.what;
  }
}

TEST(StiffClayFreeWater, CyclicCurve) {
  // Node 21: yp = 4.1*0.6*0.084 = 0.20664; Ac pc = 396.
  const CurvePoint cases[] = {
      // Below the line k z y = 2.4: 396*(1 - (0.092888/0.092988)^2.5) = 1.06379496.
      {"near zero, on the curve", 21, 1.0e-4, 10637.94955},
      {"peak at 0.45 yp", 21, 0.092988, 4258.614015},
      // 0.936*396 - 0.085*1320*(0.6*0.20664)/0.084 = 205.0488.
      {"falling branch at 1.2 yp", 21, 0.247968, 826.9163763},
      // 370.656 - 0.102*1320*0.20664/0.084 = 39.4416.
      {"residual beyond 1.8 yp", 21, 0.41328, 95.43554007},
      {"no deflection: k z with the cyclic default k", 21, 0.0, 24000.0},
  };
  for (const CurvePoint& c : cases) {
    ProfileRun r;
    Clay_Pile(r);
    r.problem().Options.Cyclic = true;
    r.problem().Options.NumCycles = 100.0;
    EXPECT_NEAR(Modulus_At(r, c.node, c.y) / c.es, 1.0, 1e-9) << c.what;
  }
}

TEST(StiffClayFreeWater, SubgradeModulusFromLayerOrDefault) {
  // Node 21 (x = z = 120) without deflection: Es = k * 120.
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
      {"1500 psf static", kUnitsUSCustomary, 1500.0 / 144.0, false, 0.0, 0.0, 500.0},
      {"1500 psf cyclic", kUnitsUSCustomary, 1500.0 / 144.0, true, 0.0, 0.0, 200.0},
      // 1000/144 = 6.94444444 lies below the single-precision limit 6.9444447.
      {"1000 psf is still the lowest class", kUnitsUSCustomary, 1000.0 / 144.0, false, 0.0, 0.0,
       250.0},
      {"3000 psf", kUnitsUSCustomary, 3000.0 / 144.0, false, 0.0, 0.0, 1000.0},
      {"5000 psf cyclic", kUnitsUSCustomary, 5000.0 / 144.0, true, 0.0, 0.0, 800.0},
      {"SI on the limit 47.88026 kPa", kUnitsSI, 47.88026, false, 0.0, 0.0, 135723.59},
      {"SI 200 kPa cyclic", kUnitsSI, 200.0, true, 0.0, 0.0, 217157.7},
      // Linear over the layer: 100 + 120*(700 - 100)/600.
      {"input k interpolated", kUnitsUSCustomary, 10.0, false, 100.0, 700.0, 220.0},
      {"bottom k 0 takes the top value", kUnitsUSCustomary, 10.0, false, 300.0, 0.0, 300.0},
      // Any top value <= 0 takes the default (c = 10 psi: 500 pci static).
      {"a negative top k takes the default", kUnitsUSCustomary, 10.0, false, -300.0, 0.0, 500.0},
      {"general units keep the input k", kUnitsGeneral, 10.0, false, 300.0, 300.0, 300.0},
  };
  for (const Case& c : cases) {
    ProfileRun r(c.iunits);
    Clay_Pile(r, Props{0.03, c.c, 0.0, 0.01, 0.0});
    r.problem().Options.Cyclic = c.cyclic;
    r.problem().Layers[0].SubgradeModulusTop = c.k_top;
    r.problem().Layers[0].SubgradeModulusBottom = c.k_bottom;
    EXPECT_NEAR(Modulus_At(r, 21, 0.0), c.k * 120.0, 1e-9) << c.what;
    if (c.k_bottom == 0.0) {
      EXPECT_EQ(r.problem().Layers[0].SubgradeModulusBottom, c.k_top) << "stored: " << c.what;
    }
  }
}

TEST(StiffClayFreeWater, DefaultEpsilon50ByCohesionClass) {
  // Node 21 with k = 1.0E6 (never limiting) at y = 0.01 <= As y50: pc = pcd = 132 c, so
  // Es = 0.5 * 132 c * sqrt(0.01 / (12 e50)) / 0.01.
  struct Case {
    int iunits;
    double c;
    double e50;
  };
  const Case cases[] = {
      {kUnitsUSCustomary, 900.0 / 144.0, 0.011},
      {kUnitsUSCustomary, 1500.0 / 144.0, 0.007},
      {kUnitsUSCustomary, 3000.0 / 144.0, 0.005},
      {kUnitsUSCustomary, 5000.0 / 144.0, 0.004},
      {kUnitsSI, 100.0, 0.005},
  };
  for (const Case& c : cases) {
    ProfileRun r(c.iunits);
    Clay_Pile(r, Props{0.03, c.c, 0.0, 0.0, 0.0});
    r.problem().Layers[0].SubgradeModulusTop = 1.0e6;
    const double expected = 0.5 * 132.0 * c.c * std::sqrt(0.01 / (12.0 * c.e50)) / 0.01;
    EXPECT_NEAR(Modulus_At(r, 21, 0.01) / expected, 1.0, 1e-12) << c.c;
  }
}

TEST(StiffClayFreeWater, NoDefaultEpsilon50InGeneralUnitsStopsTheRun) {
  // Without e50 the curve has no y50 and the modulus is undefined: runtime error 39.
  ProfileRun r(kUnitsGeneral);
  Clay_Pile(r, Props{0.03, 10.0, 0.0, 0.0, 0.0});
  r.problem().Layers[0].SubgradeModulusTop = 300.0;
  PY_StiffClayFreeWater(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 239);
  const std::vector<std::string> expected = {
      "**** Runtime Error No 39 ****", "",
      "The computed value of soil modulus computed in stiff clay with free water is "
      "not-a-number for node number 1",
      "", "This problem is usually due to a required soil property being left equal to zero."};
  EXPECT_EQ(r.Message_Lines(), expected);
}

TEST(StiffClayFreeWater, NoDefaultKInGeneralUnitsStopsTheRun) {
  // General units have no default k: a k left at zero would cap the curve at k z y = 0 and
  // take away the layer's whole resistance, so the run stops (runtime error 39).
  ProfileRun r(kUnitsGeneral);
  Clay_Pile(r, Props{0.03, 10.0, 0.0, 0.01, 0.0});
  PY_StiffClayFreeWater(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 239);
}

TEST(StiffClayFreeWater, ZeroCohesionBelowFirstNodeIsInputError14) {
  ProfileRun r;
  Clay_Pile(r, Props{0.03, 0.0, 0.0, 0.0, 0.0});
  PY_StiffClayFreeWater(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 114);  // node 1 passes, node 2 stops the run
  const std::vector<std::string> block = {
      "**** Input Data Error No. 14 ****",
      "",
      "An error was detected in the input data used to compute p-y curves in ",
      "stiff clay with free water.",
      "",
      "Problem:  Zero was input for the cohesion of a stiff clay. ",
      "",
      "Solution:  Check and compare the values of shear strength and revise the ",
      "input so that the strength values are correct for the soil types specified.",
      ""};
  EXPECT_EQ(r.Message_Lines(), block);
  std::vector<std::string> report = block;
  report.insert(report.end(),
                {"", "", "Tavik ended prematurely due to input error number INP00014"});
  EXPECT_EQ(r.Report_Lines(), report);
}

TEST(StiffClayFreeWater, StrengthWarningsAwayFromInterfaces) {
  struct Case {
    int iunits;
    double c;
    int warning;
  };
  const Case cases[] = {
      {kUnitsUSCustomary, 3.0, 3051},   // below 500 psf
      {kUnitsUSCustomary, 60.0, 3052},  // above 8000 psf
      {kUnitsSI, 20.0, 3053},
      {kUnitsSI, 400.0, 3054},
  };
  for (const Case& c : cases) {
    ProfileRun r(c.iunits);
    Clay_Pile(r, Props{0.03, c.c, 0.0, 0.01, 0.0});
    Modulus_At(r, 21, 0.01);
    EXPECT_EQ(r.run().Status.WarningTally[c.warning], 101) << c.warning;  // one per node
  }
  ProfileRun usual;
  Clay_Pile(usual);
  Modulus_At(usual, 21, 0.01);
  for (int w = 3051; w <= 3054; ++w) EXPECT_EQ(usual.run().Status.WarningTally[w], 0);
}

// Stiff clay c = 20 psi from 0 to 30 in over the standard clay: layer 1 holds nodes 1 to 5
// (0 to 24 in), layer 2 starts at node 6 (30 in), where the cohesion is the mean 15.
void Layered_Pile(ProfileRun& r) {
  r.Add_Section(600.0, 12.0, 12.0, 29.0e6, 1000.0);
  const Props strong{0.03, 20.0, 0.0, 0.0, 0.0};
  r.Add_Layer(kStiffClayFreeWaterIndex, 0.0, 30.0, strong, strong);
  r.Add_Layer(kStiffClayFreeWaterIndex, 30.0, 600.0, kClay, kClay);
  r.Discretise(100);
  for (int i = 1; i <= 101; ++i) r.run().Nodes.rd_Y[i] = 0.04;
}

TEST(StiffClayFreeWater, LayeringCorrectionFromResidualResistanceAbove) {
  // Layer 1 (c = ca = 20): pc = 56.96 z + 480 (below 2640), pr = v(As(z/12)) pc with
  // v = 0.5 sqrt(6 As) - 0.411 - 0.75 As: at z = 0, 6, 12, 18, 24 pr = 2.98087, 45.05308,
  // 86.63296, 124.39004, 158.80027; trapezoids (h = 6) plus (30 - 24) * pr(24):
  // sum = 2974.601517.
  // Layer 2 at its first node: c = ca = 15, xt = (165 - 30)*12/(0.36 + 42.45) = 37.841626;
  // the 50-step integral of v ((g' z + 2 ca) b + 2.83 z ca) reaches the sum at
  // z = 34.001832. Node 6 (z = 34.001832): As = 0.59865546, pc = pct = 42.81 z + 360 =
  // 1815.61843 < 1980; c = 15 gives e50 = 0.005 (y50 = 0.06) and k = 1000. At y = 0.04,
  // beyond As y50 = 0.0359193: p = pc (0.5 sqrt(0.04/0.06) - 0.055 (0.04/0.0359193 - 1)^1.25)
  // = 734.63682, Es = 18365.9204.
  ProfileRun r;
  Layered_Pile(r);
  RunContext& run = r.run();
  PY_StiffClayFreeWater(run, 1);
  EXPECT_NEAR(run.rd_LayerPuSum[1], 2974.601517, 1e-5);
  run.i_RockLayersAbove = 0;
  PY_StiffClayFreeWater(run, 2);
  EXPECT_NEAR(run.rd_LayerEqDepth[2], 34.001832, 1e-5);
  EXPECT_NEAR(run.Nodes.rd_NodeEs[6], 18365.9204, 1e-3);
}

TEST(StiffClayFreeWater, LayerBelowRockKeepsTrueDepth) {
  // Node 7 at its true depth below the ground, z = 36 (not 6 + the equivalent depth 34):
  // kz = 500*36 = 18000 caps the curve at y = 0.01 (kz y = 180 against
  // 0.5 * 1320 * sqrt(0.01/0.084) = 227.7), so Es = kz.
  ProfileRun r;
  Layered_Pile(r);
  RunContext& run = r.run();
  run.Nodes.rd_Y[7] = 0.01;
  PY_StiffClayFreeWater(run, 1);
  run.i_RockLayersAbove = 1;
  PY_StiffClayFreeWater(run, 2);
  EXPECT_EQ(run.rd_LayerEqDepth[2], -10000.0);
  EXPECT_NEAR(run.Nodes.rd_NodeEs[7], 18000.0, 1e-9);
}

// The report of a curve at one user depth (the framework's three heading lines first).
std::vector<std::string> Report_At(ProfileRun& r, std::vector<double> depths) {
  r.problem().NumPyOutputDepths = static_cast<int>(depths.size());
  for (std::size_t k = 0; k < depths.size(); ++k) r.problem().PyOutputDepths[k] = depths[k];
  Py_Curves_At_User_Depths(r.run());
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
  return r.Report_Lines();
}

TEST(StiffClayFreeWater, AverageCohesionOverTheLayerPrintedAtUserDepths) {
  // Layer 2 cohesion 10 at 30 in to 40 at 600 in (linear): c(60) = 11.578947,
  // c(120) = 14.736842, c(240) = 21.052632. The running trapezoid over the printed depths:
  // ca(60) = c(60); ca(120) = (c(60) + c(120))/2 = 13.157895; ca(240) = (60*13.157895 +
  // 120*(14.736842 + 21.052632)/2)/180 = 16.315789. Layer 1 prints the mean from the
  // ground (c constant 20).
  ProfileRun r;
  r.Add_Section(600.0, 12.0, 12.0, 29.0e6, 1000.0);
  r.Add_Layer(kStiffClayFreeWaterIndex, 0.0, 30.0, Props{0.03, 20.0}, Props{0.03, 20.0});
  r.Add_Layer(kStiffClayFreeWaterIndex, 30.0, 600.0, Props{0.03, 10.0}, Props{0.03, 40.0});
  r.Discretise(100);
  r.run().b_BelowRockLayer[2] = true;  // true depths: no equivalent depth computed yet
  std::vector<std::string> averages;
  for (const std::string& line : Report_At(r, {12.0, 60.0, 120.0, 240.0})) {
    if (line.rfind("Avergage c", 0) == 0) averages.push_back(line);
  }
  const std::vector<std::string> expected = {
      Parameter_Line("Avergage c", "      20.000 lbs/in**2"),
      Parameter_Line("Avergage c", "      11.579 lbs/in**2"),
      Parameter_Line("Avergage c", "      13.158 lbs/in**2"),
      Parameter_Line("Avergage c", "      16.316 lbs/in**2")};
  EXPECT_EQ(averages, expected);
}

TEST(StiffClayFreeWater, SlopeFactorCountsNoDeflectionAsNegative) {
  // Printed at 12 in (node 3 of the converged pile): pct = (0.36 + 28.3)*12 + 240 = 583.92,
  // times F for theta = 0.2: same sign 1/(1 + tan 0.2) = 0.83145562, opposite sign
  // cos 0.2 * 0.70710677 / cos(0.2 + pi/4) = 1.25424881.
  struct Case {
    double y;
    const char* pct;
  };
  const Case cases[] = {
      {0.0, "     732.381"},  // counts as negative: 583.92 * 1.25424881
      {-0.1, "     732.381"},
      {0.1, "     485.504"},      // 583.92 * 0.83145562
      {1.0e-20, "     583.920"},  // exactly the threshold: F = 1
  };
  for (const Case& c : cases) {
    ProfileRun r;
    Clay_Pile(r);
    r.problem().SlopeMinusBatter = 0.2;
    r.run().Nodes.rd_Y[1] = c.y;  // the printed curve is output "node" 1
    const auto report = Report_At(r, {12.0});
    ASSERT_GT(report.size(), 21u);
    EXPECT_EQ(report[19], Parameter_Line("pct", std::string(c.pct) + " lbs/in")) << c.y;
  }
}

TEST(StiffClayFreeWater, PrintedAndPlottedStaticCurve) {
  ProfileRun r;
  Clay_Pile(r);
  const auto report = Report_At(r, {120.0});
  // pu printed is the residual pr = (0.5 sqrt(3.6) - 0.411 - 0.45) * 1320 = 115.742.
  const std::vector<std::string> block = {
      "",
      "",
      "p-y Curve Computed Using Static Criteria for Stiff Clay with Free Water",
      Parameter_Line("Soil Layer Number", "           1"),
      Parameter_Line("Depth below pile head", "      10.000 ft"),
      Parameter_Line("Depth below ground surface", "      10.000 ft"),
      Parameter_Line("Equivalent Depth", "     120.000 in"),
      Parameter_Line("Diameter", "      12.000 in"),
      Parameter_Line("c (at curve depth)", "      10.000 lbs/in**2"),
      Parameter_Line("Avergage c", "      10.000 lbs/in**2"),
      Parameter_Line("Average Eff. Unit Weight", "     0.03000 lbs/in**3"),
      Parameter_Line("k", "     500.000 lbs/in**3"),
      Parameter_Line("Epsilon50", "     0.00700"),
      Parameter_Line("y50", "       0.084 in"),
      Parameter_Line("As", "       0.600"),
      Parameter_Line("Ac (not used)", "     0.30000"),
      Parameter_Line("pct", "    3679.200 lbs/in"),
      Parameter_Line("pcd", "    1320.000 lbs/in"),
      Parameter_Line("pc", "    1320.000 lbs/in"),
      Parameter_Line("pu", "     115.742 lbs/in"),
      Parameter_Line("p-multiplier", "     1.00000"),
      Parameter_Line("y-multiplier", "     1.00000"),
      "",
      "        y, in             p,lbs/in",
      "----------------    -----------------",
      "         0.00000           0.00000",
  };
  ASSERT_EQ(report.size(), 3 + block.size() + 16 + 2);
  EXPECT_EQ(std::vector<std::string>(report.begin() + 3, report.begin() + 3 + block.size()), block);
  // Row 3: y = As y50 = 0.0504, p = 511.2338017.
  EXPECT_EQ(report[3 + block.size() + 1], "        0.050400        511.233802");

  const auto plot = r.Plot_Lines();
  ASSERT_EQ(plot.size(), 19u);
  const std::string gap(50, ' ');
  EXPECT_EQ(plot[1], "  1.2000000E+02   17" + std::string(60, ' ') +
                         "Line 7:  p-y curve depth in stiff clay with free water, no. p-y "
                         "points on curve no. 1");
  EXPECT_EQ(plot[4], "  5.0400000E-02  5.1123380E+02" + gap +
                         "Line 8( 3): y, p, for static stiff clay with free water");
  // Last point at 19 As y50 = 0.9576: the residual 115.7419534.
  EXPECT_EQ(plot[18], "  9.5760000E-01  1.1574195E+02" + gap +
                          "Line 8(17): y, p, for static stiff clay with free water");
}

TEST(StiffClayFreeWater, PrintedAndPlottedCyclicCurve) {
  ProfileRun r;
  Clay_Pile(r);
  r.problem().Options.Cyclic = true;
  r.problem().Options.NumCycles = 100.0;
  const auto report = Report_At(r, {120.0});
  ASSERT_GT(report.size(), 38u);
  EXPECT_EQ(report[5], "p-y Curve Computed Using Cyclic Criteria for Stiff Clay with Free Water");
  EXPECT_EQ(report[14], Parameter_Line("k", "     200.000 lbs/in**3"));
  EXPECT_EQ(report[18], Parameter_Line("Ac", "     0.30000"));
  // pu = (0.936*0.3 - 0.4182*0.6) * 1320 = 39.4416.
  EXPECT_EQ(report[22], Parameter_Line("pu", "      39.442 lbs/in"));
  EXPECT_EQ(report[25], Parameter_Line("Number of Cycles of Loading", "        100."));
  EXPECT_EQ(report[26], "");
  EXPECT_EQ(report[27], "        y, in             p,lbs/in");
  // Row 10: y = 0.45 yp = 0.092988, p = Ac pc = 396 (F15.4, F17.3).
  EXPECT_EQ(report[29 + 9], "         0.0930          396.000");
  const auto plot = r.Plot_Lines();
  ASSERT_EQ(plot.size(), 19u);
  EXPECT_EQ(plot[11], "  9.2988000E-02  3.9600000E+02" + std::string(50, ' ') +
                          "Line 8(10): y, p, for cyclic stiff clay w/water");
}

}  // namespace
}  // namespace tavik::testing
