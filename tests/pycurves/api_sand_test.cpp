// The API RP-2A sand criterion: the tanh curve through the soil modulus of the analysis
// (static and cyclic, level and sloping ground), the default subgrade modulus, the errors
// and the warning, and the printed and plotted curve.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "profile/profile_fixture.h"
#include "pycurves/py_framework.h"

namespace tavik::testing {
namespace {

// Sand of unit weight 0.04 pci and phi = 35 degrees on a 12 in pile 600 in long, 100
// increments (node i at z = 6 (i - 1)), k = 100 pci. Hand calculation at phi = 35:
// C1 = tan(beta) [K0 (tan(phi) sin(beta) (1/cos(alpha) + 1) - tan(alpha)) + tan(alpha)
// tan^2(beta)] = 2.970448, C2 = tan^2(beta) - Ka = 3.419182, C3 = tan^4(beta) (K0 tan(phi) +
// tan^2(beta)) - Ka = 53.793453; pus = (C1 z + C2 b) g z, pud = C3 z b g.
const Props kSand{0.04, 0.0, 35.0, 0.0, 0.0};

void Sand_Pile(ProfileRun& r, double k = 100.0, Props props = kSand) {
  r.Add_Section(600.0, 12.0, 12.0, 29.0e6, 1000.0);
  r.Add_Layer(kApiSandIndex, 0.0, 600.0, props, props);
  r.problem().Layers[0].SubgradeModulusTop = k;
  r.problem().Layers[0].SubgradeModulusBottom = k;
  r.Discretise(100);
}

double Modulus_At(ProfileRun& r, int i, double y) {
  r.run().Nodes.rd_Y[i] = y;
  PY_APISand(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
  return r.run().Nodes.rd_NodeEs[i];
}

TEST(ApiSand, CurvePointsStaticAndCyclic) {
  // Es = A pu tanh(k z y / (A pu)) / y.
  // z = 6: pu = pus = 14.124689; static A = 3 - 0.8 * 0.5 = 2.6, cyclic A = 0.9.
  // z = 30: pu = pus = 156.172335; static A = 3 - 0.8 * 2.5 = 1.0.
  // z = 60: pu = pus = 526.216892; A = 0.9 (the floor, reached at z = 2.625 b).
  // z = 240: pud = 6197.005822 < pus controls; A = 0.9.
  struct Case {
    const char* what;
    bool cyclic;
    int node;
    double y;
    double es;
  };
  const Case cases[] = {
      {"static z=6", false, 2, 0.01, 594.7177847359},
      {"static z=30", false, 6, 0.1, 1496.1245792998},
      {"static z=60 A at its floor", false, 11, 0.5, 947.1844442505},
      {"static z=240 deep", false, 41, 0.1, 22620.7028138031},
      {"no deflection: k z", false, 21, 0.0, 12000.0},
      {"cyclic z=6", true, 2, 0.1, 127.1019932921},
      {"cyclic z=30", true, 6, 0.01, 2955.2587358938},
  };
  for (const Case& c : cases) {
    ProfileRun r;
    Sand_Pile(r);
    r.problem().Options.Cyclic = c.cyclic;
    EXPECT_NEAR(Modulus_At(r, c.node, c.y) / c.es, 1.0, 1e-10) << c.what;
  }
}

TEST(ApiSand, GroundSurfaceNodeResistsNothing) {
  for (double y : {0.0, 0.1}) {
    ProfileRun r;
    Sand_Pile(r);
    EXPECT_EQ(Modulus_At(r, 1, y), 0.0) << y;
  }
}

TEST(ApiSand, SlopingGroundByDeflectionDirection) {
  // Slope 10 degrees, z = 30, A = 1: Ka' = cos t (cos t - r)/(cos t + r) with
  // r = sqrt(cos^2 t - cos^2 phi): 0.281751; t = tan 10 tan 62.5 = 0.338721. Deflection
  // with the slope: s = 1 + t, pus = 103.637260; against it: s = 1 - t, pus = 280.170164;
  // pud = 774.625728. Es = pus tanh(3000 * 0.1 / pus) / 0.1.
  struct Case {
    double y;
    double es;
  };
  const Case cases[] = {{0.1, 1030.0498723627}, {-0.1, 2212.6553245067}};
  for (const Case& c : cases) {
    ProfileRun r;
    Sand_Pile(r);
    r.problem().GroundSlopeAngle = 10.0 * std::acos(-1.0) / 180.0;
    r.problem().SlopeMinusBatter = r.problem().GroundSlopeAngle;
    EXPECT_NEAR(Modulus_At(r, 6, c.y) / c.es, 1.0, 1e-10) << c.y;
  }
}

TEST(ApiSand, DefaultSubgradeModulus) {
  // phi = 30 in US customary units: k = 1.209829E-7 * 30^5.694468 = 31.199218 pci.
  ProfileRun r;
  Sand_Pile(r, 0.0, Props{0.04, 0.0, 30.0, 0.0, 0.0});
  EXPECT_NEAR(Modulus_At(r, 21, 0.0) / (120.0 * 31.19921792), 1.0, 1e-9);
}

TEST(ApiSand, NoDefaultSubgradeModulusInGeneralUnits) {
  ProfileRun r(kUnitsGeneral);
  Sand_Pile(r, 0.0);
  PY_APISand(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 213);
  const auto messages = r.Message_Lines();
  ASSERT_GE(messages.size(), 3u);
  EXPECT_EQ(messages[2], "**** Runtime Error No. 13 ****");
}

TEST(ApiSand, ZeroFrictionAngleBelowFirstNodeIsInputError1) {
  ProfileRun r;
  Sand_Pile(r, 100.0, Props{0.04, 0.0, 0.0, 0.0, 0.0});
  PY_APISand(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 101);  // node 1 passes, node 2 stops the run
  const std::vector<std::string> expected = {
      "**** Input Data Error No. 1 ****",
      "",
      "An error was detected in the input data when computing a p-y.",
      "curve using the API sand criteria for layer 1.",
      "",
      "Problem:  A zero was input for the friction angle for sand.",
      "",
      "Solution:  Check the friction angle values and revise the ",
      "data to correct this problem.",
      ""};
  EXPECT_EQ(r.Message_Lines(), expected);
  const auto report = r.Report_Lines();
  ASSERT_GE(report.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(report.begin(), report.begin() + expected.size()), expected);
}

TEST(ApiSand, SlopeSteeperThanFrictionIsInputError2) {
  ProfileRun r;
  Sand_Pile(r);
  r.problem().GroundSlopeAngle = 40.0 * std::acos(-1.0) / 180.0;
  r.problem().SlopeMinusBatter = r.problem().GroundSlopeAngle;
  PY_APISand(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 102);
  const std::vector<std::string> expected = {
      "**** Input Data Error No. 2 ****",
      "",
      "An error was detected in the input data when computing a p-y.",
      "curve using the API criteria for sand for layer 1.",
      "",
      "Problem:  The angle of the ground slope can not be greater ",
      "than the internal friction angle of the sand.",
      "",
      "Solution:  Set the value for slope angle to be less than ",
      "the angle of friction."};
  EXPECT_EQ(r.Message_Lines(), expected);
}

TEST(ApiSand, UnusualFrictionAngleIsTalliedWithoutText) {
  ProfileRun r;
  Sand_Pile(r, 100.0, Props{0.04, 0.0, 50.0, 0.0, 0.0});
  Modulus_At(r, 21, 0.0);
  EXPECT_EQ(r.run().Status.WarningTally[303], 101);
  EXPECT_TRUE(r.Message_Lines().empty());
}

std::vector<std::string> Printed_Curve(ProfileRun& r, double k) {
  Sand_Pile(r, k);
  r.problem().NumPyOutputDepths = 1;
  r.problem().PyOutputDepths[0] = 120.0;
  Py_Curves_At_User_Depths(r.run());
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
  return r.Report_Lines();
}

TEST(ApiSand, PrintedAndPlottedCurveAtUserDepth) {
  ProfileRun r;
  const auto report = Printed_Curve(r, 100.0);
  // z = 120: pus = (C1 120 + C2 12) 0.04 * 120 = 1907.922670 < pud = 3098.502911;
  // A = 0.9, A pu = 1717.130403. Steps dy = (pi/16) A pu / (k z) = 0.028096481; the last
  // point at pi A pu / (k z) = 0.449544 has p = A pu tanh(pi) = 1710.729.
  const std::vector<std::string> head = {
      "",
      "",
      "p-y Curve Computed Using API Sand Criteria for Static Loading",
      Parameter_Line("Soil Layer Number", "           1"),
      Parameter_Line("Depth below pile head", "      10.000 ft"),
      Parameter_Line("Depth below ground surface", "      10.000 ft"),
      Parameter_Line("Ground Slope Angle", "       0.000 degrees"),
      Parameter_Line("Pile Batter", "       0.000 degrees"),
      Parameter_Line("Effective Slope", "       0.000 degrees"),
      Parameter_Line("Equivalent Depth (see note)", "     120.000 in"),
      Parameter_Line("Diameter", "      12.000 in"),
      Parameter_Line("Friction Angle phi", "      35.000 deg."),
      Parameter_Line("Avg. Eff. Unit Wt.", "     0.04000 lbs/in**3"),
      Parameter_Line("A", "     0.90000"),
      Parameter_Line("k", "     100.000 lbs/in**3"),
      Parameter_Line("C1", "     2.97045"),
      Parameter_Line("C2", "     3.41918"),
      Parameter_Line("C3", "    53.79345"),
      Parameter_Line("Pus", "    1907.923 lbs/in"),
      Parameter_Line("Pud", "    3098.503 lbs/in"),
      Parameter_Line("Pu", "    1907.923 lbs/in"),
      Parameter_Line("p-multiplier", "     1.00000"),
      Parameter_Line("y-multiplier", "     1.00000"),
      "",
      "This p-y curve is computed using the equivalent depth.",
      "        y, in             p,lbs/in",
      "----------------    -----------------",
      "         0.0000            0.000",
      "         0.0281          332.891",
  };
  ASSERT_GE(report.size(), 3 + head.size());
  EXPECT_EQ(std::vector<std::string>(report.begin() + 3, report.begin() + 3 + head.size()), head);
  const std::vector<std::string> tail = {"         0.4495         1710.729", "", ""};
  EXPECT_EQ(std::vector<std::string>(report.end() - tail.size(), report.end()), tail);

  const auto plot = r.Plot_Lines();
  ASSERT_EQ(plot.size(), 19u);
  EXPECT_EQ(plot[1], "  1.2000000E+02   17" + std::string(60, ' ') +
                         "Line 7:  p-y curve depth in API sand, no. p-y points on curve no. 1");
  EXPECT_EQ(plot[18], "  4.4954369E-01  1.7107291E+03" + std::string(50, ' ') +
                          "Line 8(17): y, p, for API sand");
}

TEST(ApiSand, DefaultKNoteUnderThePrintedCurve) {
  ProfileRun r;
  const auto report = Printed_Curve(r, 0.0);
  ASSERT_GE(report.size(), 5u);
  EXPECT_EQ(report[report.size() - 4], "");
  EXPECT_EQ(report[report.size() - 3],
            "The above p-y curve was computed using the internal default value of k.");
}

}  // namespace
}  // namespace tavik::testing
