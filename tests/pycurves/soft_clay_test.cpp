// The soft clay criteria (Matlock, and with the layer's J): curve shapes through the soil
// modulus of the analysis, the defaults, the errors and warnings, the layering correction,
// and the printed and plotted curve at a user depth.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "profile/pile_discretisation.h"
#include "profile/profile_fixture.h"
#include "pycurves/py_framework.h"

namespace tavik::testing {
namespace {

// Soft clay c = 3 psi, unit weight 0.03 pci, e50 = 0.02 on a 12 in pile 600 in long, 100
// increments (h = 6 in). At node 21 (z = 120 in): Np = 3 + 0.03*120/3 + 0.5*120/12 = 9.2,
// so pu = 9 c b = 324 lb/in; y50 = 2.5 * 0.02 * 12 = 0.6 in. At node 6 (z = 30 in):
// Np = 3 + 0.3 + 1.25 = 4.55, pu = 4.55 * 36 = 163.8 lb/in.
const Props kClay{0.03, 3.0, 0.0, 0.02, 0.5};

void Soft_Clay_Pile(ProfileRun& r, int index = kSoftClayIndex, Props props = kClay) {
  r.Add_Section(600.0, 12.0, 12.0, 29.0e6, 1000.0);
  r.Add_Layer(index, 0.0, 600.0, props, props);
  r.Discretise(100);
}

// The modulus of node i after one analysis pass of layer 1 with the node deflected by y.
double Modulus_At(ProfileRun& r, int i, double y, int index = kSoftClayIndex) {
  r.run().Nodes.rd_Y[i] = y;
  Py_Criterion_For_Soil_Type(index).routine(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
  return r.run().Nodes.rd_NodeEs[i];
}

TEST(SoftClay, StaticCurveShape) {
  struct Case {
    const char* what;
    double y;
    double es;
  };
  const Case cases[] = {
      // p(3 y50) = 0.5 pu 3^(1/3) = 233.644430; Es = p / 1.8.
      {"at 3 y50", 1.8, 129.80246133},
      // p(8 y50) = pu = 324; Es = 324 / 4.8.
      {"at 8 y50", 4.8, 67.5},
      {"beyond 8 y50: pu", 6.0, 54.0},
      // y = 0: the limiting modulus 0.01077217 pu / (0.00003 y50) = 359.07 * 324 / 0.6.
      {"no deflection", 0.0, 193899.06},
  };
  for (const Case& c : cases) {
    ProfileRun r;
    Soft_Clay_Pile(r);
    EXPECT_NEAR(Modulus_At(r, 21, c.y), c.es, 1e-6) << c.what;
  }
}

TEST(SoftClay, CyclicCurveBelowAndAboveTransitionDepth) {
  // Xr = max(2.5 b, 6 b c / (g b + J c)) = 216 / 1.86 = 116.129 in. Node 6 (z = 30):
  // pc = 0.72112477 * 163.8 = 118.120237, pr = z pc / Xr = 30.514395.
  struct Case {
    const char* what;
    int node;
    double y;
    double es;
  };
  const Case cases[] = {
      {"halfway from 3 y50 to 15 y50: (pc + pr)/2 / 5.4", 6, 5.4, 13.76246592},
      {"beyond 15 y50: pr / 12", 6, 12.0, 2.54286622},
      // Node 31 (z = 180 > Xr): pu = 324, the plateau 0.72112477 * 324 = 233.644425.
      {"below Xr the plateau pc / 5.4", 31, 5.4, 43.2674862},
  };
  for (const Case& c : cases) {
    ProfileRun r;
    Soft_Clay_Pile(r);
    r.problem().Options.Cyclic = true;
    r.problem().Options.NumCycles = 100.0;
    EXPECT_NEAR(Modulus_At(r, c.node, c.y), c.es, 1e-6) << c.what;
  }
}

TEST(SoftClay, MultipliersScaleTheCurve) {
  // pm = 2, ym = 0.5: a deflection of 0.9 is 1.8 = 3 y50 on the curve;
  // Es = 2 * 233.644430 / (0.5 * 1.8).
  ProfileRun r;
  PyModifierTable& t = r.problem().PyModifiers;
  t.NumPoints = 2;
  t.Depth = {0.0, 600.0};
  t.PMultiplier = {2.0, 2.0};
  t.YMultiplier = {0.5, 0.5};
  Soft_Clay_Pile(r);
  EXPECT_NEAR(Modulus_At(r, 21, 0.9), 519.20984531, 1e-6);
}

TEST(SoftClay, SlopeFactorOnShallowResistance) {
  // Node 6 at y = y50: Es = 0.5 pu / y50 = 0.5 * 4.55 * F * 36 / 0.6.
  struct Case {
    double theta;
    double es;
  };
  const Case cases[] = {
      {0.0, 136.5},
      {0.2, 113.49369006},   // F = 1/(1 + tan 0.2) = 0.8314556
      {-0.2, 171.20496171},  // F = cos 0.2 * 0.70710677 / cos(0.2 + pi/4) = 1.2542488
  };
  for (const Case& c : cases) {
    ProfileRun r;
    Soft_Clay_Pile(r);
    r.problem().SlopeMinusBatter = c.theta;
    EXPECT_NEAR(Modulus_At(r, 6, 0.6), c.es, 1e-6) << c.theta;
  }
}

TEST(SoftClay, DefaultEpsilon50AtSinglePrecisionLimits) {
  // Node 51 (z = 300): Np > 9, pu = 108 c; Es at y = 0 = 0.01077217 * 108 c /
  // (0.00003 * 2.5 * e50 * 12). The limits 500, 1000 and 4000 psf are single-precision
  // values in psi slightly above the exact ratios (500/144 = 3.47222222 < 3.4722223).
  struct Case {
    int iunits;
    double c;
    double e50;
  };
  const Case cases[] = {
      {kUnitsUSCustomary, 400.0 / 144.0, 0.02},
      {kUnitsUSCustomary, 500.0 / 144.0, 0.02},
      {kUnitsUSCustomary, 700.0 / 144.0, 0.01},
      {kUnitsUSCustomary, 1000.0 / 144.0, 0.01},
      {kUnitsUSCustomary, 4000.0 / 144.0, 0.005},
      {kUnitsUSCustomary, 4100.0 / 144.0, 0.004},
      {kUnitsSI, 50.0, 0.005},
  };
  for (const Case& c : cases) {
    ProfileRun r(c.iunits);
    Soft_Clay_Pile(r, kSoftClayIndex, Props{0.03, c.c, 0.0, 0.0, 0.0});
    const double expected = 0.01077217 * 108.0 * c.c / (0.00003 * 2.5 * c.e50 * 12.0);
    EXPECT_NEAR(Modulus_At(r, 51, 0.0) / expected, 1.0, 1e-12) << c.c;
  }
}

TEST(SoftClay, NoDefaultEpsilon50InGeneralUnits) {
  for (int index : {kSoftClayIndex, kSoftClayJIndex}) {
    ProfileRun r(kUnitsGeneral);
    Soft_Clay_Pile(r, index, Props{0.03, 3.0, 0.0, 0.0, 0.5});
    Py_Criterion_For_Soil_Type(index).routine(r.run(), 1);
    EXPECT_EQ(r.run().Status.ErrorNumber, index == kSoftClayIndex ? 237 : 238);
    EXPECT_TRUE(r.Report_Lines().empty());
    EXPECT_TRUE(r.Message_Lines().empty());
  }
}

TEST(SoftClay, HighStrengthWarningAwayFromInterfaces) {
  ProfileRun high;
  Soft_Clay_Pile(high, kSoftClayIndex, Props{0.03, 1300.0 / 144.0, 0.0, 0.02, 0.0});
  Modulus_At(high, 21, 1.0);
  EXPECT_EQ(high.run().Status.WarningTally[3041], 101);  // one per node

  ProfileRun usual;  // 1200 psf: below the 1250 psf limit
  Soft_Clay_Pile(usual, kSoftClayIndex, Props{0.03, 1200.0 / 144.0, 0.0, 0.02, 0.0});
  Modulus_At(usual, 21, 1.0);
  EXPECT_EQ(usual.run().Status.WarningTally[3041], 0);
}

TEST(SoftClay, ZeroCohesionBelowFirstNodeIsInputError12) {
  ProfileRun r;
  Soft_Clay_Pile(r, kSoftClayIndex, Props{0.03, 0.0, 0.0, 0.02, 0.0});
  PY_SoftClay(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 112);  // node 1 passes, node 2 stops the run
  const std::vector<std::string> block = {
      "**** Input Data Error No. 12 ****",
      "",
      "An error was detected that is related to an incompatibility between the input ",
      "data defining soil layering and soil shear strength values when computing a ",
      "p-y curve using the Matlock soft clay criteria.",
      "",
      "Problem:  A negative or zero value of cohesion was input for a soft clay soil.",
      "",
      "Solution:  Please compare the depth values for soil layering and soil shear ",
      "strength values and revise the input data.",
      ""};
  const std::string detail =
      "Layer no. = 1, Node no. = 2, Top node in layer = 1, Elevation =      6.000, c(x) =      "
      "0.000";
  std::vector<std::string> messages = block;
  messages.push_back(detail);
  EXPECT_EQ(r.Message_Lines(), messages);
  std::vector<std::string> report = block;
  report.push_back(detail + ", Pile length =    600.000");
  report.push_back(", ITOP = 1, IBOT = 101");
  report.insert(report.end(),
                {"", "", "Tavik ended prematurely due to input error number INP00012"});
  EXPECT_EQ(r.Report_Lines(), report);
}

TEST(SoftClay, ZeroCohesionWithJIsInputError71) {
  ProfileRun r;
  Soft_Clay_Pile(r, kSoftClayJIndex, Props{0.03, 0.0, 0.0, 0.02, 0.5});
  PY_SoftClayJ(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 171);
  const auto messages = r.Message_Lines();
  ASSERT_GE(messages.size(), 7u);
  EXPECT_EQ(messages[0], "**** Input Data Error No. 71 ****");
  EXPECT_EQ(
      messages[6],
      "Problem:  A negative or zero value of cohesion was input for a soft clay soil with J.");
}

TEST(SoftClay, ModulusNotANumber) {
  // A y-multiplier of 0 makes the deflection on the curve undefined.
  struct Case {
    int index;
    int error;
    const char* text;
  };
  const Case cases[] = {
      {kSoftClayIndex, 234,
       "The computed value of soil modulus computed in soft clay is not-a-number for node "
       "number 1"},
      {kSoftClayJIndex, 236,
       "The computed value of soil modulus computed in API soft clay is not-a-number for node "
       "number 1"},
  };
  for (const Case& c : cases) {
    ProfileRun r;
    PyModifierTable& t = r.problem().PyModifiers;
    t.NumPoints = 2;
    t.Depth = {0.0, 600.0};
    t.PMultiplier = {1.0, 1.0};
    t.YMultiplier = {0.0, 0.0};
    Soft_Clay_Pile(r, c.index);
    Py_Criterion_For_Soil_Type(c.index).routine(r.run(), 1);
    EXPECT_EQ(r.run().Status.ErrorNumber, c.error);
    const std::vector<std::string> expected = {
        "**** Runtime Error No " + std::to_string(c.error - 200) + " ****", "", c.text, "",
        "This problem is usually due to a required soil property being left equal to zero."};
    EXPECT_EQ(r.Message_Lines(), expected);
  }
}

TEST(SoftClay, SoilMovementLoad) {
  // Soil moving 0.1 in everywhere: node 21 deflected 1.9 in sits 1.8 = 3 y50 on the curve;
  // load = 0.1 * Es + 0 (no distributed load).
  ProfileRun r;
  DepthValueTable& move = r.problem().SoilMovement;
  move.NumPoints = 2;
  move.Depth[0] = 0.0;
  move.Depth[1] = 600.0;
  move.Value[0] = 0.1;
  move.Value[1] = 0.1;
  Soft_Clay_Pile(r);
  EXPECT_NEAR(Modulus_At(r, 21, 1.9), 129.80246133, 1e-6);
  EXPECT_NEAR(r.run().Nodes.rd_NodeLoad[21], 12.980246133, 1e-7);
}

// Stronger soft clay (c = 10) from 0 to 30 in over the standard clay: layer 1 holds nodes 1
// to 5 (0 to 24 in), layer 2 starts at node 6 (30 in).
void Layered_Pile(ProfileRun& r) {
  r.Add_Section(600.0, 12.0, 12.0, 29.0e6, 1000.0);
  const Props strong{0.03, 10.0, 0.0, 0.02, 0.0};
  r.Add_Layer(kSoftClayIndex, 0.0, 30.0, strong, strong);
  r.Add_Layer(kSoftClayIndex, 30.0, 600.0, kClay, kClay);
  r.Discretise(100);
  for (int i = 1; i <= 101; ++i) r.run().Nodes.rd_Y[i] = 0.6;  // y = y50 everywhere
}

TEST(SoftClay, LayeringCorrectionFromLayersAbove) {
  // Layer 1: pu = (30 + 0.03 z + 5 z/12) 12 = 360 + 5.36 z, summed by trapezoids over 0-24
  // (exact for a straight line: 10183.68) plus pu(24) h = 488.64 * 6: F = 13115.52.
  // At 30 in the cohesion is the mean of the two clays, c = 6.5: the equivalent depth solves
  // (0.25 c + 0.5 b g) z^2 + 3 b c z = F: z = 42.268063. Node 6 then has
  // Np = 3 + 0.03 z / 6.5 + 0.5 z / 12 = 4.956253 and Es = 0.5 Np c b / y50 = 322.156422.
  ProfileRun r;
  Layered_Pile(r);
  RunContext& run = r.run();
  PY_SoftClay(run, 1);
  EXPECT_NEAR(run.rd_LayerPuSum[1], 13115.52, 1e-8);
  run.i_RockLayersAbove = 0;
  PY_SoftClay(run, 2);
  EXPECT_NEAR(run.rd_LayerEqDepth[2], 42.26806259, 1e-7);
  EXPECT_NEAR(run.Nodes.rd_NodeEs[6], 322.15642163, 1e-6);
}

TEST(SoftClay, LayerBelowRockKeepsTrueDepth) {
  // Node 6 at its true depth 30: Np = 3 + 0.03*30/6.5 + 1.25 = 4.388462, Es = 285.25.
  ProfileRun r;
  Layered_Pile(r);
  RunContext& run = r.run();
  PY_SoftClay(run, 1);
  run.i_RockLayersAbove = 1;
  PY_SoftClay(run, 2);
  EXPECT_EQ(run.rd_LayerEqDepth[2], -10000.0);
  EXPECT_NEAR(run.Nodes.rd_NodeEs[6], 285.25, 1e-9);
}

TEST(SoftClay, IdenticalLayersGiveEquivalentDepthNearTrueDepth) {
  // Splitting one clay into two layers at 120 in must not change the soil: the equivalent
  // depth of the lower layer is its true depth, up to the node spacing of the sum.
  ProfileRun r;
  r.Add_Section(600.0, 12.0, 12.0, 29.0e6, 1000.0);
  r.Add_Layer(kSoftClayIndex, 0.0, 120.0, kClay, kClay);
  r.Add_Layer(kSoftClayIndex, 120.0, 600.0, kClay, kClay);
  r.Discretise(100);
  PY_SoftClay(r.run(), 1);
  PY_SoftClay(r.run(), 2);
  EXPECT_NEAR(r.run().rd_LayerEqDepth[2], 120.0, 0.2);
}

TEST(SoftClay, PrintedAndPlottedCurveAtUserDepth) {
  ProfileRun r;
  Soft_Clay_Pile(r);
  r.problem().NumPyOutputDepths = 1;
  r.problem().PyOutputDepths[0] = 120.0;  // 10 ft
  Py_Curves_At_User_Depths(r.run());
  ASSERT_EQ(r.run().Status.ErrorNumber, 0);

  // Xr = 116.129 in; pu_s = (0.5*120/12 + 3 + 0.03*120/3) * 12 * 3 = 331.2; pu_d = 324;
  // rows: y = r * 0.6 for the 17 ratios, p = 162 r^(1/3) up to 8 y50, then 324.
  const std::vector<std::string> expected = {
      std::string(80, '-'),
      std::string(20, ' ') + "p-y Curves Reported for Specified Depths",
      std::string(80, '-'),
      "",
      "",
      "p-y Curve Computed Using the Soft Clay Criteria for Static Loading Conditions",
      Parameter_Line("Soil Layer Number", "           1"),
      Parameter_Line("Depth below pile head", "      10.000 ft"),
      Parameter_Line("Depth below ground surface", "      10.000 ft"),
      Parameter_Line("Ground Slope Angle", "       0.000 degrees"),
      Parameter_Line("Pile Batter", "       0.000 degrees"),
      Parameter_Line("Effective Slope", "       0.000 degrees"),
      Parameter_Line("Equivalent Depth", "     120.000 in"),
      Parameter_Line("Pile Diameter", "      12.000 in"),
      Parameter_Line("Cohesion, c", "       3.000 lbs/in**2"),
      Parameter_Line("Avg Eff Unit Weight", "     0.03000 lbs/in**3"),
      Parameter_Line("Epsilon50 parameter", "     0.02000"),
      Parameter_Line("J", "       0.500"),
      Parameter_Line("Transition Depth Xr", "     116.129 in"),
      Parameter_Line("pu_s", "     331.200 lbs/in"),
      Parameter_Line("pu_d", "     324.000 lbs/in"),
      Parameter_Line("Y50", "     0.60000 in"),
      Parameter_Line("p-multiplier", "     1.00000"),
      Parameter_Line("y-multiplier", "     1.00000"),
      "",
      "     y, in              p, lbs/in",  // "p, " at column 25
      "----------------    -----------------",
      "         0.00000           0.00000",
      "        0.004800         32.400000",
      "        0.150000        102.053605",
      "        0.300000        128.579485",
      "        0.450000        147.186768",
      "        0.600000        162.000000",
      "        0.750000        174.509210",
      "        0.900000        185.443707",
      "        1.050000        195.221523",
      "        1.200000        204.107210",
      "        1.350000        212.280053",
      "        1.500000        219.867827",
      "        1.650000        226.965186",
      "        1.800000        233.644430",
      "        4.800000        324.000000",
      "        4.920000        324.000000",
      "        5.040000        324.000000",
      "",
      ""};
  EXPECT_EQ(r.Report_Lines(), expected);

  const std::string gap(50, ' ');
  const std::vector<std::string> plot = {
      "    1" + std::string(75, ' ') + "Line 6 : number of output p-y curves",
      "  1.2000000E+02   17" + std::string(60, ' ') +
          "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 1",
      "  0.0000000E+00  0.0000000E+00" + gap + "Line 8( 1): y, p, for soft clay",
      "  4.8000000E-03  3.2400000E+01" + gap + "Line 8( 2): y, p, for soft clay",
      "  1.5000000E-01  1.0205361E+02" + gap + "Line 8( 3): y, p, for soft clay",
      "  3.0000000E-01  1.2857949E+02" + gap + "Line 8( 4): y, p, for soft clay",
      "  4.5000000E-01  1.4718677E+02" + gap + "Line 8( 5): y, p, for soft clay",
      "  6.0000000E-01  1.6200000E+02" + gap + "Line 8( 6): y, p, for soft clay",
      "  7.5000000E-01  1.7450921E+02" + gap + "Line 8( 7): y, p, for soft clay",
      "  9.0000000E-01  1.8544371E+02" + gap + "Line 8( 8): y, p, for soft clay",
      "  1.0500000E+00  1.9522152E+02" + gap + "Line 8( 9): y, p, for soft clay",
      "  1.2000000E+00  2.0410721E+02" + gap + "Line 8(10): y, p, for soft clay",
      "  1.3500000E+00  2.1228005E+02" + gap + "Line 8(11): y, p, for soft clay",
      "  1.5000000E+00  2.1986783E+02" + gap + "Line 8(12): y, p, for soft clay",
      "  1.6500000E+00  2.2696519E+02" + gap + "Line 8(13): y, p, for soft clay",
      "  1.8000000E+00  2.3364443E+02" + gap + "Line 8(14): y, p, for soft clay",
      "  4.8000000E+00  3.2400000E+02" + gap + "Line 8(15): y, p, for soft clay",
      "  4.9200000E+00  3.2400000E+02" + gap + "Line 8(16): y, p, for soft clay",
      "  5.0400000E+00  3.2400000E+02" + gap + "Line 8(17): y, p, for soft clay"};
  EXPECT_EQ(r.Plot_Lines(), plot);
}

TEST(SoftClay, SoftClayWithJPrintsFeetAndPoundsPerSquareFootInUsUnits) {
  ProfileRun r;
  Soft_Clay_Pile(r, kSoftClayJIndex);
  r.problem().NumPyOutputDepths = 1;
  r.problem().PyOutputDepths[0] = 120.0;
  r.problem().Options.Cyclic = true;
  r.problem().Options.NumCycles = 100.0;
  Py_Curves_At_User_Depths(r.run());
  ASSERT_EQ(r.run().Status.ErrorNumber, 0);
  const auto report = r.Report_Lines();
  ASSERT_GT(report.size(), 28u);
  EXPECT_EQ(report[5],
            "p-y Curve Computed Using the Soft Clay Criteria with J for Cyclic Loading Conditions");
  EXPECT_EQ(report[12], Parameter_Line("Equivalent Depth", "      10.000 ft"));
  EXPECT_EQ(report[14], Parameter_Line("Cohesion, c", "     432.000 lbs/ft**2"));  // 3 * 144
  EXPECT_EQ(report[15], Parameter_Line("Avg Eff Unit Weight", "    51.84000 lbs/ft**3"));  // * 1728
  EXPECT_EQ(report[17], Parameter_Line("J parameter", "       0.500"));
  EXPECT_EQ(report[24], "Number of cycles of loading =         100.");
  EXPECT_EQ(report[25], "Xr                          =      116.129 in");
  const auto plot = r.Plot_Lines();
  ASSERT_GT(plot.size(), 2u);
  EXPECT_EQ(plot[1],
            "  1.2000000E+02   17" + std::string(60, ' ') +
                "Line 7:  p-y curve depth in soft clay with J, no. points on p-y curve no. 1");
}

}  // namespace
}  // namespace tavik::testing
