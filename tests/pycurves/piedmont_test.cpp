// Piedmont residual soil: the initial modulus of each field test in US customary and SI
// units, the three branches of the curve through the soil modulus of the analysis, the
// multipliers, the units and test types without a modulus, and the printed and plotted
// curve at a user depth.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "profile/profile_fixture.h"
#include "pycurves/py_framework.h"

namespace tavik::testing {
namespace {

constexpr int kPiedmontIndex = 10;

// Field values of one property point: test type and the value of that test.
struct FieldTest {
  int type = 0;
  double value = 0.0;
};

void Set_Field_Test(SoilPropertyPoint& point, const FieldTest& test) {
  point.TestType = test.type;
  point.N60 = test.type == 1 ? test.value : 0.0;
  point.ConeTipResistance = test.type == 2 ? test.value : 0.0;
  point.DilatometerModulus = test.type == 3 ? test.value : 0.0;
  point.PressuremeterModulus = test.type == 4 ? test.value : 0.0;
}

// One Piedmont layer over a pile of width b and length L, 100 increments; the top and
// bottom points carry the field tests given.
void Piedmont_Pile(ProfileRun& r, double b, double length, FieldTest top, FieldTest bottom) {
  r.Add_Section(length, b, b, 29.0e6, 1000.0);
  r.Add_Layer(kPiedmontIndex, 0.0, length, Props{}, Props{});
  Set_Field_Test(r.problem().Layers[0].Top, top);
  Set_Field_Test(r.problem().Layers[0].Bottom, bottom);
  r.Discretise(100);
}

double Modulus_At(ProfileRun& r, int i, double y) {
  r.run().Nodes.rd_Y[i] = y;
  PY_Piedmont(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
  return r.run().Nodes.rd_NodeEs[i];
}

TEST(Piedmont, InitialModulusAndBranchesOfEveryFieldTest) {
  // Es0 = factor * field value: SPT 22 (US) or 151.68466 (SI) times N60, CPT 0.118 qc,
  // DMT 0.076 Ed, PMT 0.235 Ep. With y1 = 0.001 b and y2 = 0.0375 b the secant modulus
  // divided by Es0 b is
  //   1                              at y = y1/2 (linear branch),
  //   1 - 0.21624703 ln 10 = 0.50207281231776   at y = b/100 (log branch, 1000 y/b = 10),
  //   0.21632074 y2 / y = 0.10816037 at y = 2 y2 (plateau).
  struct Case {
    const char* what;
    int iunits;
    FieldTest test;
    double es0;
    double b;
  };
  const Case cases[] = {
      {"US SPT N60 = 10", kUnitsUSCustomary, {1, 10.0}, 220.0, 36.0},
      {"US CPT qc = 1000 psi", kUnitsUSCustomary, {2, 1000.0}, 118.0, 36.0},
      {"US DMT Ed = 2000 psi", kUnitsUSCustomary, {3, 2000.0}, 152.0, 36.0},
      {"US PMT Ep = 1000 psi", kUnitsUSCustomary, {4, 1000.0}, 235.0, 36.0},
      {"SI SPT N60 = 10", kUnitsSI, {1, 10.0}, 1516.8466, 0.9},
      {"SI CPT qc = 10000 kPa", kUnitsSI, {2, 10000.0}, 1180.0, 0.9},
      {"SI DMT Ed = 20000 kPa", kUnitsSI, {3, 20000.0}, 1520.0, 0.9},
      {"SI PMT Ep = 10000 kPa", kUnitsSI, {4, 10000.0}, 2350.0, 0.9},
  };
  struct Branch {
    const char* what;
    double y_over_b;
    double ratio;
  };
  const Branch branches[] = {
      {"linear", 0.0005, 1.0},
      {"logarithmic", 0.01, 0.50207281231776},
      {"plateau", 0.075, 0.10816037},
  };
  for (const Case& c : cases) {
    for (const Branch& branch : branches) {
      ProfileRun r(c.iunits);
      Piedmont_Pile(r, c.b, 25.0 * c.b, c.test, c.test);
      const double es = Modulus_At(r, 51, branch.y_over_b * c.b);
      EXPECT_NEAR(es / (c.es0 * c.b), branch.ratio, 1e-12) << c.what << ", " << branch.what;
    }
  }
}

TEST(Piedmont, SptExampleAndInterpolationOverTheLayer) {
  // N60 = 10, b = 36 in: Es0 = 220 psi; at y = 0.5 in p = 7920 * 0.5 * (1 - 0.21624703
  // ln(500/36)) = 1706.8977426 lb/in; beyond y2 = 1.35 in p = 0.21632074 * 7920 * 1.35 =
  // 2312.9013521 lb/in.
  {
    ProfileRun r;
    Piedmont_Pile(r, 36.0, 600.0, {1, 10.0}, {1, 10.0});
    EXPECT_NEAR(Modulus_At(r, 51, 0.5) * 0.5, 1706.8977426, 1e-6);
    EXPECT_NEAR(Modulus_At(r, 51, 3.0) * 3.0, 2312.9013521, 1e-6);
  }
  // N60 from 10 at the top to 30 at the bottom: 20 at mid-depth, linear branch Es0 b.
  ProfileRun r;
  Piedmont_Pile(r, 36.0, 600.0, {1, 10.0}, {1, 30.0});
  EXPECT_NEAR(Modulus_At(r, 51, 0.01), 440.0 * 36.0, 1e-9);
}

TEST(Piedmont, MultipliersAndTheNoDeflectionModulus) {
  // pm = 2, ym = 1: no deflection gives Es0 b (pm not applied); a deflection on the
  // linear branch gives 2 Es0 b. pm = 1, ym = 2: 0.02 in is 0.01 on the curve, still
  // linear: Es = Es0 b / 2.
  struct Case {
    double pm;
    double ym;
    double y;
    double es;
  };
  const Case cases[] = {
      {2.0, 1.0, 0.0, 7920.0},
      {2.0, 1.0, 0.01, 15840.0},
      {1.0, 2.0, 0.02, 3960.0},
      {1.0, 2.0, 0.0, 3960.0},
  };
  for (const Case& c : cases) {
    ProfileRun r;
    PyModifierTable& t = r.problem().PyModifiers;
    t.NumPoints = 2;
    t.Depth = {0.0, 600.0};
    t.PMultiplier = {c.pm, c.pm};
    t.YMultiplier = {c.ym, c.ym};
    Piedmont_Pile(r, 36.0, 600.0, {1, 10.0}, {1, 10.0});
    EXPECT_NEAR(Modulus_At(r, 51, c.y), c.es, 1e-9) << c.pm << " " << c.ym << " " << c.y;
  }
}

TEST(Piedmont, NoModulusInGeneralUnitsOrForAnUnknownTestType) {
  struct Case {
    const char* what;
    int iunits;
    int test_type;
  };
  const Case cases[] = {
      {"general units", kUnitsGeneral, 1},
      {"test type 0", kUnitsUSCustomary, 0},
      {"test type 5", kUnitsSI, 5},
  };
  for (const Case& c : cases) {
    ProfileRun r(c.iunits);
    Piedmont_Pile(r, 36.0, 600.0, {1, 10.0}, {1, 10.0});
    r.problem().Layers[0].Top.TestType = c.test_type;
    for (int i = 1; i <= 101; ++i) {
      r.run().Nodes.rd_Y[i] = (i % 3) * 0.5;  // zero and nonzero deflections
      r.run().Nodes.rd_NodeEs[i] = -1.0;
    }
    PY_Piedmont(r.run(), 1);
    EXPECT_EQ(r.run().Status.ErrorNumber, 0) << c.what;
    for (int i = 1; i <= 101; ++i) EXPECT_EQ(r.run().Nodes.rd_NodeEs[i], 0.0) << c.what << i;
  }
}

TEST(Piedmont, PrintedAndPlottedCurveAtUserDepth) {
  ProfileRun r;
  Piedmont_Pile(r, 36.0, 600.0, {1, 10.0}, {1, 10.0});
  r.problem().NumPyOutputDepths = 1;
  r.problem().PyOutputDepths[0] = 120.0;  // 10 ft
  Py_Curves_At_User_Depths(r.run());
  ASSERT_EQ(r.run().Status.ErrorNumber, 0);

  // y1 = 0.036 in, y2 = 1.35 in, step (y2 - y1)/14 = 0.0938571; point 9 is y1 + 7 steps
  // = 0.693 in: p = 7920 * 0.693 * (1 - 0.21624703 ln(693/36)) = 1978.335079 lb/in.
  const std::vector<std::string> head = {
      "",
      "",
      "p-y Curve for Piedmont Residual Soil Criteria",
      "",
      Parameter_Line("Soil Layer Number", "         1"),
      Parameter_Line("Depth below pile head", "      10.000 ft"),
      Parameter_Line("Depth below ground surface", "      10.000 ft"),
      Parameter_Line("Shaft Diameter", "      36.000 in"),
      Parameter_Line("Type of Field Test", "Standard Penetration Test"),
      Parameter_Line("SPT  N60-value", "      10.000 blows/ft"),
      Parameter_Line("Initial Modulus from Field Tests", "     220.000 lbs/in**2"),
      Parameter_Line("p-multiplier", "     1.00000"),
      Parameter_Line("y-multiplier", "     1.00000"),
      "",
      "        y, in        p, lbs/in",  // "p, " at column 22
      "---------------   ---------------",
      "         0.00000           0.00000",
      "        0.036000        285.120000",  // Es0 b y1 = 7920 * 0.036
  };
  const auto report = r.Report_Lines();
  ASSERT_EQ(report.size(), 3u + head.size() + 15u + 2u);
  for (std::size_t k = 0; k < head.size(); ++k) EXPECT_EQ(report[3 + k], head[k]) << k;
  EXPECT_EQ(report[3 + head.size() + 6], "        0.693000       1978.335079");
  // Points 16 (y2) and 17 (1.05 y2) on the plateau 2312.901352.
  EXPECT_EQ(report[3 + head.size() + 13], "        1.350000       2312.901352");
  EXPECT_EQ(report[3 + head.size() + 14], "        1.417500       2312.901352");

  const auto plot = r.Plot_Lines();
  ASSERT_EQ(plot.size(), 19u);
  const std::string gap(50, ' ');
  EXPECT_EQ(plot[1], "  1.2000000E+02   17" + std::string(60, ' ') +
                         "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on "
                         "curve no. 1");
  EXPECT_EQ(plot[2],
            "  0.0000000E+00  0.0000000E+00" + gap + "Line 8(1): y, p, for Piedmont residual soil");
  EXPECT_EQ(plot[10],
            "  6.9300000E-01  1.9783351E+03" + gap + "Line 8(9): y, p, for Piedmont residual soil");
  EXPECT_EQ(plot[18], "  1.4175000E+00  2.3129014E+03" + gap +
                          "Line 8(17): y, p, for Piedmont residual soil");
}

TEST(Piedmont, PrintedFieldTestLinesByUnitsAndTestType) {
  // The value line carries its unit directly after the number; general units print the
  // test name only; an unknown test type prints neither.
  struct Case {
    int iunits;
    FieldTest test;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {kUnitsSI,
       {1, 12.0},
       {Parameter_Line("Type of Field Test", "Standard Penetration Test"),
        Parameter_Line("SPT  N60-value", "      12.000 blows/0.3 m")}},
      {kUnitsUSCustomary,
       {2, 500.0},
       {Parameter_Line("Type of Field Test", "Cone Penetration Test"),
        Parameter_Line("CPT qc", "     500.000 psi")}},
      {kUnitsSI,
       {3, 8000.0},
       {Parameter_Line("Type of Field Test", "Dilatometer Test"),
        Parameter_Line("DMT Edmt", "    8000.000 kPa")}},
      {kUnitsUSCustomary,
       {4, 700.0},
       {Parameter_Line("Type of Field Test", "Pressuremeter Test"),
        Parameter_Line("DMT Epmt", "     700.000 psi")}},
      {kUnitsGeneral, {4, 700.0}, {Parameter_Line("Type of Field Test", "Pressuremeter Test")}},
      {kUnitsUSCustomary, {6, 700.0}, {}},
  };
  for (const Case& c : cases) {
    ProfileRun r(c.iunits);
    Piedmont_Pile(r, 36.0, 600.0, c.test, c.test);
    r.problem().NumPyOutputDepths = 1;
    r.problem().PyOutputDepths[0] = 120.0;
    Py_Curves_At_User_Depths(r.run());
    const auto report = r.Report_Lines();
    // Lines 11 on: after the title, its empty line, the layer, two depths and the diameter.
    ASSERT_GT(report.size(), 13u);
    for (std::size_t k = 0; k < c.lines.size(); ++k) {
      EXPECT_EQ(report[11 + k], c.lines[k]) << c.iunits << " " << c.test.type;
    }
    EXPECT_EQ(report[11 + c.lines.size()].substr(0, 32), "Initial Modulus from Field Tests");
  }
}

}  // namespace
}  // namespace tavik::testing
