// The sand criterion of Reese, Cox and Koop: the curve through the soil modulus of the
// analysis (static and cyclic), the default subgrade modulus, the errors and warnings, the
// three curve shapes, the layering correction and the printed and plotted curve.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "profile/profile_fixture.h"
#include "pycurves/default_sand_k.h"
#include "pycurves/py_framework.h"

namespace tavik::testing {
namespace {

// Sand of unit weight 0.04 pci and phi = 35 degrees on a 12 in pile 600 in long, 100
// increments (h = 6 in, node i at z = 6 (i - 1)). Hand calculation at phi = 35:
// alpha = 17.5, beta = 62.5 degrees, Ka = tan^2 27.5 = 0.27099, Kp = tan^2 62.5 = 3.69017;
// the wedge is (C1 z + C2 b) g z with C1 = 2.970448, C2 = Kp - Ka = 3.419182 and the
// flow-around value (K0 tan(phi) tan^4 beta + Ka (tan^8 beta - 1)) b g z = 53.793453 b g z.
// ym = b/60 = 0.2, yu = 3b/80 = 0.45.
const Props kSand{0.04, 0.0, 35.0, 0.0, 0.0};

void Sand_Pile(ProfileRun& r, double k = 100.0, Props props = kSand) {
  r.Add_Section(600.0, 12.0, 12.0, 29.0e6, 1000.0);
  r.Add_Layer(kSandIndex, 0.0, 600.0, props, props);
  r.problem().Layers[0].SubgradeModulusTop = k;
  r.problem().Layers[0].SubgradeModulusBottom = k;
  r.Discretise(100);
}

double Modulus_At(ProfileRun& r, int i, double y) {
  r.run().Nodes.rd_Y[i] = y;
  PY_SandReese(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
  return r.run().Nodes.rd_NodeEs[i];
}

TEST(SandReese, CurvePointsStaticAndCyclic) {
  // Static, z = 30 (z/b = 2.5: A = 1.23, B = 0.86): ps = pst = 156.172335, pu = 192.091973,
  // pm = 134.308208, m = (pu - pm)/(yu - ym) = 231.135056, n = pm/(m ym) = 2.905405,
  // C = pm/ym^(1/n) = 233.710529, yk = (C/(k z))^(n/(n-1)) = 0.020409 with k z = 3000.
  // z = 120 (A = 0.88, B = 0.5): ps = pst = 1907.92267, n = 1.644737, C = 2538.07549.
  // z = 240: the flow-around value controls, ps = 6197.005822, pu = 5453.365123.
  // Cyclic, z = 30 (A = 0.98, B = 0.77): pu = 153.048889, pm = 120.252698, n = 4.583333,
  // C = 170.843074; z = 60 (A = 0.88, B = 0.55): pu = 463.070865, pm = 289.419291,
  // m = 694.606298; z = 240: C = 7379.89522, n = 2.083333, yk = 0.103532.
  struct Case {
    const char* what;
    bool cyclic;
    int node;
    double y;
    double es;
  };
  const Case cases[] = {
      {"static z=30 initial line below yk: k z", false, 6, 0.01, 3000.0},
      {"static z=30 parabola: C y^(1/n) / y", false, 6, 0.1, 1058.0159918149},
      {"static z=30 straight: (pm + m (y - ym)) / y", false, 6, 0.3, 524.7390471039},
      {"static z=30 plateau: pu / y", false, 6, 1.0, 192.0919726005},
      {"static z=120 straight", false, 21, 0.4, 3834.9245657330},
      {"static z=120 no deflection: k z", false, 21, 0.0, 12000.0},
      {"static z=240 deep plateau", false, 41, 1.0, 5453.3651232770},
      {"cyclic z=30 parabola", true, 6, 0.1, 1033.7500850866},
      {"cyclic z=60 straight", true, 11, 0.3, 1196.2664015633},
      {"cyclic z=240 still on k z y below yk", true, 41, 0.1, 24000.0},
      {"cyclic z=240 straight", true, 41, 0.4, 12610.9068475780},
  };
  for (const Case& c : cases) {
    ProfileRun r;
    Sand_Pile(r);
    r.problem().Options.Cyclic = c.cyclic;
    EXPECT_NEAR(Modulus_At(r, c.node, c.y) / c.es, 1.0, 1e-10) << c.what;
  }
}

TEST(SandReese, MultipliersScaleTheCurve) {
  // pm = 2, ym = 0.5: a deflection of 0.05 is 0.1 on the curve at z = 30;
  // Es = 2 * 105.8015991815 / 0.05.
  ProfileRun r;
  PyModifierTable& t = r.problem().PyModifiers;
  t.NumPoints = 2;
  t.Depth = {0.0, 600.0};
  t.PMultiplier = {2.0, 2.0};
  t.YMultiplier = {0.5, 0.5};
  Sand_Pile(r);
  EXPECT_NEAR(Modulus_At(r, 6, 0.05) / 4232.063967260, 1.0, 1e-10);
}

TEST(SandReese, SlopingGroundByDeflectionDirection) {
  // Slope 10 degrees, z = 30 (A = 1.23, B = 0.86): Ka' = 0.281751, t = tan 10 tan 62.5 =
  // 0.338721; the wedge with the slope terms is 103.637260 for a deflection with the slope
  // (s = 1 + t) and 280.170164 against it (s = 1 - t), both below psd = 774.625728. On the
  // straight part p(0.3) = ps (B + (A - B) * 0.1/0.25) = 1.008 ps; Es = p / 0.3.
  struct Case {
    double y;
    double es;
  };
  const Case cases[] = {{0.3, 348.2211931644}, {-0.3, 941.3717495624}};
  for (const Case& c : cases) {
    ProfileRun r;
    Sand_Pile(r);
    r.problem().GroundSlopeAngle = 10.0 * std::acos(-1.0) / 180.0;
    r.problem().SlopeMinusBatter = r.problem().GroundSlopeAngle;
    EXPECT_NEAR(Modulus_At(r, 6, c.y) / c.es, 1.0, 1e-10) << c.y;
  }
}

TEST(SandReese, DefaultSubgradeModulus) {
  // k = 0 on input: the modulus at zero deflection is k z with the default k.
  // US: 1.209829E-7 * 30^5.694468 = 31.199218 pci; above 40 degrees 160.54745.
  // SI (kN/m**3), phi = 35: 0.00003284046 * 35^5.694468 = 20373.0148 for a unit weight
  // above 12.225, 4.1417488E-6 * 35^6.4161181 = 33427.7143 at or below it; above 40
  // degrees 43580.148 and 78739.008.
  struct Case {
    int iunits;
    double phi;
    double gamma;
    double k;
  };
  const Case cases[] = {
      {kUnitsUSCustomary, 30.0, 0.04, 31.19921792},
      {kUnitsUSCustomary, 42.0, 0.04, 160.54745},
      {kUnitsSI, 35.0, 15.0, 20373.01477},
      {kUnitsSI, 35.0, 10.0, 33427.71433},
      {kUnitsSI, 42.0, 15.0, 43580.148},
      {kUnitsSI, 42.0, 12.225, 78739.008},
  };
  for (const Case& c : cases) {
    ProfileRun r(c.iunits);
    Sand_Pile(r, 0.0, Props{c.gamma, 0.0, c.phi, 0.0, 0.0});
    EXPECT_NEAR(Modulus_At(r, 21, 0.0) / (120.0 * c.k), 1.0, 1e-9) << c.phi << " " << c.gamma;
  }
}

TEST(SandReese, NoDefaultSubgradeModulusInGeneralUnits) {
  ProfileRun r(kUnitsGeneral);
  Sand_Pile(r, 0.0);
  PY_SandReese(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 213);
  const std::vector<std::string> expected = {
      "",
      "",
      "**** Runtime Error No. 13 ****",
      "",
      "Problem:  General units have been selected for use in computations in      ",
      "combination with default values of k for a layer classified as API sand    ",
      "criteria. This combination of data cannot be used because Tavik cannot     ",
      "compute default values of subgrade modulus in general units.               ",
      "",
      "Solution:  You must select either US customary for SI units for the        ",
      "units of computation to use a default value for subgrade subgrade modulus  ",
      "for the API sand criteria or enter an appropriate proper value by entering ",
      "a non-zero for k."};
  EXPECT_EQ(r.Message_Lines(), expected);
  const auto report = r.Report_Lines();
  ASSERT_GE(report.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(report.begin(), report.begin() + expected.size()), expected);
}

TEST(SandReese, ZeroFrictionAngleIsInputError8) {
  ProfileRun r;
  Sand_Pile(r, 100.0, Props{0.04, 0.0, 0.0, 0.0, 0.0});
  PY_SandReese(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 108);
  const std::vector<std::string> expected = {
      "**** Input Data Error No. 8 ****",
      "",
      "An error was detected in the input data for friction angle.",
      "Problem:  Zero was input for the friction angle for a sand when computing ",
      "          a p-y curve using the Reese et al. criteria.",
      "",
      "Solution: Check values of soil strength values and revise the input data.",
      ""};
  EXPECT_EQ(r.Message_Lines(), expected);
}

TEST(SandReese, SlopeSteeperThanFrictionIsInputError9) {
  ProfileRun r;
  Sand_Pile(r);
  r.problem().GroundSlopeAngle = 40.0 * std::acos(-1.0) / 180.0;  // steeper than 35 degrees
  r.problem().SlopeMinusBatter = r.problem().GroundSlopeAngle;
  PY_SandReese(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 109);
  const std::vector<std::string> expected = {
      "**** Input Data Error No. 9 ****",
      "",
      "An error was found in the input data when computing a p-y curve using ",
      "the Reese sand criteria for layer 1.",
      "",
      "Problem:  The angle of the ground slope can not be greater than the ",
      "internal friction angle of the sand.",
      "",
      "Solution:  Set the value for slope angle to be less than the angle of friction."};
  EXPECT_EQ(r.Message_Lines(), expected);
  EXPECT_EQ(r.Report_Lines()[0], expected[0]);
}

TEST(SandReese, UnusualFrictionAngleWarnsAndIsUsed) {
  ProfileRun r;
  Sand_Pile(r, 100.0, Props{0.04, 0.0, 50.0, 0.0, 0.0});
  Modulus_At(r, 21, 0.0);
  EXPECT_EQ(r.run().Status.WarningTally[302], 101);  // one per node
  const std::vector<std::string> block = {
      "",
      "**** Warning ****",
      "",
      "An unreasonable value for friction angle was input for a Reese sand layer. ",
      "The input value is either smaller than 20 degrees or higher than 48 degrees.",
      "The input data should be checked for correctness.",
      "",
      "The input value for friction angle was used in computations.",
      ""};
  const auto messages = r.Message_Lines();
  ASSERT_EQ(messages.size(), 101 * block.size());
  EXPECT_EQ(std::vector<std::string>(messages.begin(), messages.begin() + block.size()), block);
}

TEST(SandReese, ModulusNotANumber) {
  // A y-multiplier of 0 leaves the deflection on the curve undefined (runtime error 31); an
  // unbounded k gives no initial modulus (k z not a number: runtime error 32).
  struct Case {
    double ym;
    double k;
    int error;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {{0.0, 100.0, 231}, {1.0, inf, 232}};
  for (const Case& c : cases) {
    ProfileRun r;
    PyModifierTable& t = r.problem().PyModifiers;
    t.NumPoints = 2;
    t.Depth = {0.0, 600.0};
    t.PMultiplier = {1.0, 1.0};
    t.YMultiplier = {c.ym, c.ym};
    Sand_Pile(r, c.k);
    PY_SandReese(r.run(), 1);
    EXPECT_EQ(r.run().Status.ErrorNumber, c.error);
    const std::vector<std::string> expected = {
        "**** Runtime Error No " + std::to_string(c.error - 200) + " ****", "",
        "The computed value of soil modulus computed in Reese Sand is not-a-number for node "
        "number 1",
        "", "This problem is usually due to a required soil property being left equal to zero."};
    EXPECT_EQ(r.Message_Lines(), expected);
  }
}

TEST(SandReese, IdenticalLayersGiveEquivalentDepthNearTrueDepth) {
  // The integrated wedge of the layer above equals the layer's own integral up to its true
  // depth (the Reese wedge is (C1 z + C2 b) g z), so splitting one sand at 120 in changes
  // nothing but the node spacing of the sum.
  ProfileRun r;
  r.Add_Section(600.0, 12.0, 12.0, 29.0e6, 1000.0);
  r.Add_Layer(kSandIndex, 0.0, 120.0, kSand, kSand);
  r.Add_Layer(kSandIndex, 120.0, 600.0, kSand, kSand);
  for (int j = 0; j < 2; ++j) {
    r.problem().Layers[j].SubgradeModulusTop = 100.0;
    r.problem().Layers[j].SubgradeModulusBottom = 100.0;
  }
  r.Discretise(100);
  PY_SandReese(r.run(), 1);
  PY_SandReese(r.run(), 2);
  ASSERT_EQ(r.run().Status.ErrorNumber, 0);
  EXPECT_NEAR(r.run().rd_LayerEqDepth[2], 120.0, 0.5);
}

// The curve printed at 120 in (10 ft) for a layer of subgrade modulus k.
std::vector<std::string> Printed_Curve(ProfileRun& r, double k) {
  Sand_Pile(r, k);
  r.problem().NumPyOutputDepths = 1;
  r.problem().PyOutputDepths[0] = 120.0;
  Py_Curves_At_User_Depths(r.run());
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
  return r.Report_Lines();
}

bool Contains(const std::vector<std::string>& lines, const std::string& text) {
  for (const std::string& line : lines) {
    if (line == text) return true;
  }
  return false;
}

TEST(SandReese, ThreeCurveShapes) {
  // z = 120, static: C = 2538.0755, n = 1.644737, yk = (C/(120 k))^2.55. k = 100:
  // yk = 0.0190 < ym (normal); k = 34: yk = 0.2979 between ym and yu (tri-linear); k = 10:
  // yk = 6.76 > yu (bi-linear), printed along k z y up to yx = pu/(k z) = 1.399143 in 14
  // steps, then pu = 1678.971949 at 1.025 yx and 1.05 yx.
  struct Case {
    double k;
    const char* note;
  };
  const Case cases[] = {
      {100.0, "This curve has the normal shape for a Reese sand p-y curve where Yk < Ym < Yu."},
      {34.0, "This curve has a tri-linear shape for a Reese sand p-y curve because Ym < Yk < Yu."},
      {10.0, "This curve has a bi-linear shape for a Reese sand p-y curve because Ym < Yu < Yk."},
  };
  for (const Case& c : cases) {
    ProfileRun r;
    const auto report = Printed_Curve(r, c.k);
    EXPECT_TRUE(Contains(report, c.note)) << c.k;
  }
  ProfileRun r;
  const auto report = Printed_Curve(r, 10.0);
  // Point 2 at yx/14 = 0.09993881 on k z y (1200 * 0.09993881 = 119.926568), marked.
  EXPECT_TRUE(Contains(report, "        0.099939        119.926568   *"));
  EXPECT_TRUE(Contains(report, "        1.469100       1678.971949"));  // 1.05 yx, pu
  EXPECT_TRUE(Contains(report, "* p value(s) computed using p = k * Eff x * y "));
}

TEST(SandReese, PrintedAndPlottedCurveAtUserDepth) {
  ProfileRun r;
  const auto report = Printed_Curve(r, 100.0);
  // Values of the static curve at z = 120 (see CurvePointsStaticAndCyclic): pst =
  // 1907.922670 < psd = 3098.502911; m = 2900.042458; yk = 0.019006, pk = k z yk = 228.069;
  // pm = 0.5 ps = 953.961335; pu = 0.88 ps = 1678.971949. Unit weight 0.04 * 1728 pcf.
  const std::vector<std::string> head = {
      "",
      "",
      "p-y Curve in Sand Computed Using Reese Criteria for Static Loading Conditions",
      Parameter_Line("Soil Layer Number", "           1"),
      Parameter_Line("Depth below pile head", "      10.000 ft"),
      Parameter_Line("Depth below ground surface", "      10.000 ft"),
      Parameter_Line("Ground Slope Angle", "       0.000 degrees"),
      Parameter_Line("Pile Batter", "       0.000 degrees"),
      Parameter_Line("Effective Slope", "       0.000 degrees"),
      Parameter_Line("Equivalent Depth (see note)", "     120.000 in"),
      Parameter_Line("Pile Diameter, b", "      12.000 in"),
      Parameter_Line("Angle of Friction", "      35.000 degrees"),
      Parameter_Line("Avg. Eff. Unit Weight", "    69.12000 lbs/ft**3"),
      Parameter_Line("kpy", "     100.000 lbs/in**3"),
      Parameter_Line("K active", "       0.271"),
      Parameter_Line("K passive", "       3.690"),
      Parameter_Line("K0", "       0.400"),
      Parameter_Line("Pst", "    1907.923 lbs/in"),
      Parameter_Line("Psd", "    3098.503 lbs/in"),
      Parameter_Line("Ps = Pst (shallow controls)", "    1907.923 lbs/in"),
      Parameter_Line("A (static)", "      0.8800"),
      Parameter_Line("B (static)", "      0.5000"),
      Parameter_Line("C = pm/(ym^(1/n))", "   2538.0755"),
      Parameter_Line("n = pm/(m ym)", "      1.6447"),
      Parameter_Line("m = (pu-pm)/(yu-ym)", "   2900.0425"),
      Parameter_Line("Yk = [c/(kx)]^(n/(n-1))", "      0.0190 in"),
      Parameter_Line("Pk", "     228.069 lbs/in"),
      Parameter_Line("Ym = b/60", "       0.200 in"),
      Parameter_Line("Pm = B ps", "     953.961 lbs/in"),
      Parameter_Line("Yu = 3b/80", "       0.450 in"),
      Parameter_Line("Pu = A Ps", "    1678.972 lbs/in"),
      Parameter_Line("Es,lim", "   12000.000 lbs/in**2"),
      Parameter_Line("p-multiplier", "     1.00000"),
      Parameter_Line("y-multiplier", "     1.00000"),
      "",
      "This p-y curve is computed using the equivalent depth.",
      "This curve has the normal shape for a Reese sand p-y curve where Yk < Ym < Yu.",
      "",
      "         y, in           p, lbs/in",  // "y, " at column 10, "p, " at column 26
      "----------------    -----------------",
      "         0.00000           0.00000",
      "        0.019006        228.069488   *",  // (yk, k z yk) on the initial line
  };
  ASSERT_GE(report.size(), 3 + head.size());
  EXPECT_EQ(std::vector<std::string>(report.begin() + 3, report.begin() + 3 + head.size()), head);
  // Point 13 (ym, pm) and point 17 (1.05 yu, pu), then the marker note and the end.
  EXPECT_TRUE(Contains(report, "        0.200000        953.961335"));
  const std::vector<std::string> tail = {"        0.472500       1678.971949",
                                         "",
                                         "* p value(s) computed using p = k * Eff x * y ",
                                         "",
                                         "",
                                         ""};
  EXPECT_EQ(std::vector<std::string>(report.end() - tail.size(), report.end()), tail);

  const auto plot = r.Plot_Lines();
  ASSERT_EQ(plot.size(), 19u);
  EXPECT_EQ(plot[1], "  1.2000000E+02   17" + std::string(60, ' ') +
                         "Line 7:  p-y curve depth in sand, no. p-y points on curve no. 1");
  EXPECT_EQ(plot[3],
            "  1.9005791E-02  2.2806949E+02" + std::string(50, ' ') + "Line 8( 2): y, p, for sand");
  EXPECT_EQ(plot[18],
            "  4.7250000E-01  1.6789719E+03" + std::string(50, ' ') + "Line 8(17): y, p, for sand");
}

TEST(SandReese, DeflectionsOfTheCurveForANarrowPile) {
  // b = 3 in: ym = b/60 = 0.05 and yu = 3 b/80 = 9/80 = 0.1125. The double nearest to 0.1125
  // lies just above it, so F12.3 prints 0.113; (3/80) 3, one bit lower, would print 0.112.
  ProfileRun r;
  r.Add_Section(600.0, 3.0, 3.0, 29.0e6, 10.0);
  r.Add_Layer(kSandIndex, 0.0, 600.0, kSand, kSand);
  r.problem().Layers[0].SubgradeModulusTop = 100.0;
  r.problem().Layers[0].SubgradeModulusBottom = 100.0;
  r.Discretise(100);
  r.problem().NumPyOutputDepths = 1;
  r.problem().PyOutputDepths[0] = 120.0;
  Py_Curves_At_User_Depths(r.run());
  ASSERT_EQ(r.run().Status.ErrorNumber, 0);
  const auto report = r.Report_Lines();
  EXPECT_TRUE(Contains(report, Parameter_Line("Ym = b/60", "       0.050 in")));
  EXPECT_TRUE(Contains(report, Parameter_Line("Yu = 3b/80", "       0.113 in")));
}

TEST(SandReese, DefaultKNoteUnderThePrintedCurve) {
  ProfileRun r;
  const auto report = Printed_Curve(r, 0.0);
  ASSERT_GE(report.size(), 3u);
  EXPECT_EQ(report[report.size() - 3],
            "The above p-y curve was computed using internal default values of k.");
  EXPECT_EQ(r.problem().Layers[0].SubgradeModulusTop, 0.0);
}

}  // namespace
}  // namespace tavik::testing
