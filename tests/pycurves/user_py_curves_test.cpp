// User-input p-y curves: interpolation in deflection and in depth, the curve beyond its last
// point, nodes outside the layer's depths, the initial slope at no deflection, the
// accumulated resistance for the layering correction, a layer whose two depths coincide,
// the curves the input rejects, and the printed and plotted curve at a user depth.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "profile/profile_fixture.h"
#include "pycurves/py_framework.h"
#include "tavik/tavik.h"
#include "test_support.h"

namespace tavik::testing {
namespace {

void Set_Curve(UserPyCurve& curve, const std::vector<std::pair<double, double>>& points) {
  curve.NumPoints = static_cast<int>(points.size());
  for (std::size_t k = 0; k < points.size(); ++k) {
    curve.Y[k] = points[k].first;
    curve.P[k] = points[k].second;
  }
}

// Top curve (0, 0), (1, 100), (2, 150) at 0 in, bottom curve (0, 0), (1, 300), (2, 450)
// at 600 in; a 24 in pile 600 in long, 100 increments (h = 6 in, node 51 at mid-depth).
void User_Curve_Pile(ProfileRun& r, double pm = 1.0, double ym = 1.0) {
  PyModifierTable& t = r.problem().PyModifiers;
  t.NumPoints = 2;
  t.Depth = {0.0, 600.0};
  t.PMultiplier = {pm, pm};
  t.YMultiplier = {ym, ym};
  r.Add_Section(600.0, 24.0, 24.0, 29.0e6, 1000.0);
  r.Add_Layer(kUserCurvesIndex, 0.0, 600.0, Props{}, Props{});
  Set_Curve(r.problem().Layers[0].UserCurveTop, {{0.0, 0.0}, {1.0, 100.0}, {2.0, 150.0}});
  Set_Curve(r.problem().Layers[0].UserCurveBottom, {{0.0, 0.0}, {1.0, 300.0}, {2.0, 450.0}});
  r.Discretise(100);
}

double Modulus_At(ProfileRun& r, int i, double y) {
  r.run().Nodes.rd_Y[i] = y;
  PY_UserCurves(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
  return r.run().Nodes.rd_NodeEs[i];
}

TEST(UserCurves, InterpolationInDeflectionAndDepth) {
  struct Case {
    const char* what;
    int node;
    double y;
    double es;
  };
  const Case cases[] = {
      // Mid-depth: pT = 125, pB = 375 at y = 1.5, p = 250.
      {"mid-depth, second segment", 51, 1.5, 250.0 / 1.5},
      // pT = 150, pB = 450 beyond the last points: p = 300.
      {"mid-depth, beyond the last point", 51, 3.0, 100.0},
      // y = 0: the initial slopes 100 and 300 averaged.
      {"mid-depth, no deflection", 51, 0.0, 200.0},
      // Quarter depth (150 in), y = 0.5: pT = 50, pB = 150, p = 50 + 100 / 4 = 75.
      {"quarter depth, first segment", 26, 0.5, 150.0},
      // At a point of the curves: pT = 100, pB = 300 at y = 1, three quarters down: 250.
      {"three-quarter depth, at a curve point", 76, 1.0, 250.0},
      {"top, on the top curve", 1, 2.0, 75.0},
      {"bottom, on the bottom curve", 101, 1.5, 250.0},
  };
  for (const Case& c : cases) {
    ProfileRun r;
    User_Curve_Pile(r);
    EXPECT_NEAR(Modulus_At(r, c.node, c.y), c.es, 1e-9) << c.what;
  }
}

TEST(UserCurves, MultipliersApplyOnlyAboveTheSmallDeflection) {
  // pm = 2, ym = 0.5: a deflection of 0.75 is 1.5 on the curve, p = 250:
  // Es = 2 * 250 / (0.5 * 1.5) = 666.67. With no deflection the initial slope 200 stands.
  ProfileRun r;
  User_Curve_Pile(r, 2.0, 0.5);
  EXPECT_NEAR(Modulus_At(r, 51, 0.75), 2.0 * 250.0 / 0.75, 1e-9);
  EXPECT_NEAR(Modulus_At(r, 51, 0.0), 200.0, 1e-9);
}

TEST(UserCurves, NodesOutsideTheLayerDepthsGetNoModulus) {
  // A pile battered by 60 degrees: vertical depth = axial depth / 2, so the layer of
  // vertical depth 0 to 400 in holds every node, while the curves' depths are compared with
  // the axial depth: nodes beyond 400 in along the axis (68 to 101) lie outside the layer.
  ProfileRun r;
  r.problem().PileBatterAngle = std::acos(0.5);
  r.Add_Section(600.0, 24.0, 24.0, 29.0e6, 1000.0);
  r.Add_Layer(kUserCurvesIndex, 0.0, 400.0, Props{}, Props{});
  Set_Curve(r.problem().Layers[0].UserCurveTop, {{0.0, 0.0}, {1.0, 100.0}, {2.0, 150.0}});
  Set_Curve(r.problem().Layers[0].UserCurveBottom, {{0.0, 0.0}, {1.0, 300.0}, {2.0, 450.0}});
  r.Discretise(100);
  ASSERT_EQ(r.run().i_BottomNodeInLayer[1], 101);
  for (int i = 1; i <= 101; ++i) r.run().Nodes.rd_Y[i] = (i % 2) * 0.5;
  PY_UserCurves(r.run(), 1);
  const auto& es = r.run().Nodes.rd_NodeEs;
  // Node 51 (300 in along the axis, 3/4 of the way): slope 100 + 200 * 0.75 = 250.
  EXPECT_NEAR(es[51], 250.0, 1e-9);
  EXPECT_NEAR(es[67], 100.0 + 200.0 * 396.0 / 400.0, 1e-9);  // inside, y = 0.5
  for (int i : {68, 69, 100, 101}) EXPECT_EQ(es[i], 0.0) << i;
}

TEST(UserCurves, AccumulatedResistanceForTheLayersBelow) {
  // pu = 150 + 300 X / 600 at every node, summed over the 101 nodes with one full increment
  // each: 6 * (101 * 150 + 0.5 * 6 * 5050) = 181800. The output pass leaves it alone.
  ProfileRun r;
  User_Curve_Pile(r);
  r.run().rd_LayerPuSum[1] = 1.0e9;
  PY_UserCurves(r.run(), 1);
  EXPECT_NEAR(r.run().rd_LayerPuSum[1], 181800.0, 1e-6);
  PY_UserCurves(r.run(), 1);  // rebuilt, not added to
  EXPECT_NEAR(r.run().rd_LayerPuSum[1], 181800.0, 1e-6);
  r.problem().NumPyOutputDepths = 1;
  r.problem().PyOutputDepths[0] = 300.0;
  Py_Curves_At_User_Depths(r.run());
  EXPECT_NEAR(r.run().rd_LayerPuSum[1], 181800.0, 1e-6);
}

TEST(UserCurves, CoincidentLayerDepthsUseTheTopCurve) {
  // Both depths at 300 in and the node at 300 in: the depth interpolation would divide
  // 0 by 0; the top curve governs instead (as the ultimate resistance does), so y = 1.5
  // gives 125 / 1.5, no deflection the top slope 100, and pu = 150 per increment.
  for (double y : {1.5, 0.0}) {
    ProfileRun r;
    User_Curve_Pile(r);
    SoilLayer& layer = r.problem().Layers[0];
    layer.XLayerTop = 300.0;
    layer.XLayerBottom = 300.0;
    r.run().i_TopNodeInLayer[1] = 51;
    r.run().i_BottomNodeInLayer[1] = 51;
    const double es = Modulus_At(r, 51, y);
    EXPECT_FALSE(std::isnan(es));
    EXPECT_NEAR(es, y > 0.0 ? 125.0 / 1.5 : 100.0, 1e-9) << y;
    EXPECT_NEAR(r.run().rd_LayerPuSum[1], 6.0 * 150.0, 1e-9);
  }
}

TEST(UserCurves, ThinLayerInterpolatesTheCurvesButTakesTheTopUltimate) {
  // Depths 299.9999995 and 300 in (5.0E-7 apart) and the node at 300 in, the bottom depth:
  // the curves are still interpolated in depth, (X - DT)/(DB - DT) = 1, so y = 1.5 gives
  // pB = 375 (Es = 250) and no deflection the bottom slope 300; the ultimate resistance
  // alone treats depths within 1.0E-6 as one and takes PT = 150 per 6 in increment.
  for (double y : {1.5, 0.0}) {
    ProfileRun r;
    User_Curve_Pile(r);
    SoilLayer& layer = r.problem().Layers[0];
    layer.XLayerTop = 300.0 - 5.0e-7;
    layer.XLayerBottom = 300.0;
    r.run().i_TopNodeInLayer[1] = 51;
    r.run().i_BottomNodeInLayer[1] = 51;
    EXPECT_NEAR(Modulus_At(r, 51, y), y > 0.0 ? 375.0 / 1.5 : 300.0, 1e-9) << y;
    EXPECT_NEAR(r.run().rd_LayerPuSum[1], 6.0 * 150.0, 1e-9);
  }
}

TEST(UserCurves, TwoPointCurveBelowItsFirstPoint) {
  // Curves (0.5, 50), (1.5, 150) at both depths: a deflection of 0.25 below the first point
  // extrapolates along the only segment: p = 50 + (0.25 - 0.5) * 100 = 25, Es = 100.
  ProfileRun r;
  User_Curve_Pile(r);
  Set_Curve(r.problem().Layers[0].UserCurveTop, {{0.5, 50.0}, {1.5, 150.0}});
  Set_Curve(r.problem().Layers[0].UserCurveBottom, {{0.5, 50.0}, {1.5, 150.0}});
  EXPECT_NEAR(Modulus_At(r, 51, 0.25), 100.0, 1e-9);
  EXPECT_NEAR(Modulus_At(r, 51, 0.5), 100.0, 1e-9);  // at the first point: p(1) = 50
}

TEST(UserCurves, PrintedAndPlottedCurveAtUserDepth) {
  // Mid-depth (300 in = 25 ft): the curve (0, 0), (1, 200), (2, 300), constant beyond.
  // Points: 0; 0.001; (k - 2) * 24 / 160 = 0.15 (k - 2) for k = 3 .. 14; 4.8; 9; 12.
  ProfileRun r;
  User_Curve_Pile(r);
  r.problem().NumPyOutputDepths = 1;
  r.problem().PyOutputDepths[0] = 300.0;
  Py_Curves_At_User_Depths(r.run());
  ASSERT_EQ(r.run().Status.ErrorNumber, 0);

  const std::vector<std::string> block = {
      "",
      "",
      "p-y Curve Computed by Interpolation Between User-input Curves",
      "",
      "Soil Layer Number           =            1",
      "Depth below pile head       =       25.000 ft",
      "Depth below ground surface  =       25.000 ft",
      "Pile diameter               =       24.000 in ",  // the stored "in " of 3 characters
      "p-multiplier                =        1.000",
      "y-multiplier                =        1.000",
      "",
      "      y, in             p, lbs/in",  // "y, " at column 7, "p, " at column 25
      "----------------    ----------------",
      "         0.0000              0.0000",
      "         0.0010              0.2000",  // 200 * 0.001
      "         0.1500             30.0000",  // 200 * 0.15
  };
  const auto report = r.Report_Lines();
  ASSERT_EQ(report.size(), 3u + block.size() + 14u + 2u);
  for (std::size_t k = 0; k < block.size(); ++k) EXPECT_EQ(report[3 + k], block[k]) << k;
  EXPECT_EQ(report[3 + block.size() + 10], "         1.8000            280.0000");  // point 14
  EXPECT_EQ(report[3 + block.size() + 13], "        12.0000            300.0000");  // point 17

  const auto plot = r.Plot_Lines();
  ASSERT_EQ(plot.size(), 19u);
  const std::string gap(20, ' ');
  EXPECT_EQ(plot[1], "  3.0000000E+02   17" + std::string(60, ' ') +
                         "Line 7:  p-y curve depth in user-input p-y curve, no. p-y points on "
                         "curve no. 1");
  EXPECT_EQ(plot[3],
            "  1.0000000E-03  2.0000000E-01" + gap + "Line 8( 2): y, p, for user-input p-y curve");
  EXPECT_EQ(plot[18],
            "  1.2000000E+01  3.0000000E+02" + gap + "Line 8(17): y, p, for user-input p-y curve");
}

TEST(UserCurves, SiDepthsAndDiameterKeepTheStoredUnitWidth) {
  // SI, a 0.6 m pile, curves at 0 and 15 m, output at 7.5 m: the second point is 0.001 m
  // whatever the width; the depth and width units are the stored "m  ".
  ProfileRun r(kUnitsSI);
  r.Add_Section(15.0, 0.6, 0.6, 2.0e8, 0.001);
  r.Add_Layer(kUserCurvesIndex, 0.0, 15.0, Props{}, Props{});
  Set_Curve(r.problem().Layers[0].UserCurveTop, {{0.0, 0.0}, {0.01, 100.0}});
  Set_Curve(r.problem().Layers[0].UserCurveBottom, {{0.0, 0.0}, {0.01, 300.0}});
  r.Discretise(100);
  r.problem().NumPyOutputDepths = 1;
  r.problem().PyOutputDepths[0] = 7.5;
  Py_Curves_At_User_Depths(r.run());
  const auto report = r.Report_Lines();
  ASSERT_GT(report.size(), 18u);
  EXPECT_EQ(report[8], "Depth below pile head       =        7.500 m  ");
  EXPECT_EQ(report[9], "Depth below ground surface  =        7.500 m  ");
  EXPECT_EQ(report[10], "Pile diameter               =        0.600 m  ");
  EXPECT_EQ(report[14], "      y, m              p, kN/m");
  // Point 2: y = 0.001 m on the mid-depth curve of slope 20000: p = 20 kN/m.
  EXPECT_EQ(report[17], "         0.0010             20.0000");
}

// A whole input file: an elastic pipe pile in one User p-y layer; the bottom curve's points
// go between the head and the tail.
constexpr const char* kHead =
    "TAVIKP6\nTITLE\nUser curve check\n\n\n\n\nOPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix NO\n"
    "UseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly NO\n"
    "Loading STATIC     0\nMaxIterations 100\nDeflectionLimit 100.0\nTolerance 1.0E-5\n"
    "Increments 100\nPrintSummaryOnly NO\nPrintIncrement 2\nPrintPYCurves NO\n"
    "ComputeInteraction NO\nSECTIONS\n1\n1\n11\n60.0\n3\n29000000.0\n24.0\n24.0\n0.5\n0.5\n"
    "36.914\n36.914\n2549.3\n2549.3\nSOIL LAYERS\n1\n14 0.0 70.0\n0.0 3\n0.0 0.0\n"
    "1.0 100.0\n2.0 150.0\n0.0 3\n";
constexpr const char* kTail = "LOADING\n1\n1 1 1000.0 0.0 0.0 1\n0\nEND\n";

// The input keeps out the curves whose initial slope p(2)/y(2) or whose segments would
// divide by zero: input error 92 when the deflections do not increase from point to point
// or the second deflection is not positive.
TEST(UserCurves, InputRejectsCurvesWithoutIncreasingDeflections) {
  struct Case {
    const char* what;
    const char* bottom_points;
    const char* line;
  };
  const Case cases[] = {
      {"second deflection zero", "0.0 0.0\n0.0 100.0\n1.0 200.0\n",
       ", gives the number of a user p-y curve point whose deflection is not above the one "
       "before it (or not positive at point 2) = 2."},
      {"second deflection negative", "-1.0 0.0\n-0.5 100.0\n1.0 200.0\n", "point 2) = 2."},
      {"third deflection repeats the second", "0.0 0.0\n1.0 100.0\n1.0 200.0\n", "point 2) = 3."},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    const std::string input = dir.File("user.inp");
    Write_File(input, std::string(kHead) + c.bottom_points + kTail);
    const RunOutcome outcome =
        Run_Analysis({input, dir.File("user.out"), dir.File("user.plt"), dir.File("user.msg")});
    EXPECT_EQ(outcome.error_number, 192) << c.what;
    EXPECT_EQ(outcome.message_code, "INP00092") << c.what;
    bool found = false;
    for (const std::string& line : Read_Lines(dir.File("user.msg"))) {
      if (line.find(c.line) != std::string::npos) found = true;
    }
    EXPECT_TRUE(found) << c.what;
  }
}

}  // namespace
}  // namespace tavik::testing
