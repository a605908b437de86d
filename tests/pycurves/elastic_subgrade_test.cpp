// Elastic subgrade: the modulus interpolated over the layer with the multipliers at every
// deflection, the soil movement load, and the printed and plotted curve at a user depth.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profile/profile_fixture.h"
#include "pycurves/py_framework.h"

namespace tavik::testing {
namespace {

constexpr int kElasticSubgradeIndex = 13;

// One elastic subgrade layer 0 to 600 in over a 24 in pile, 100 increments (h = 6 in); the
// subgrade modulus runs from es_top to es_bottom; the multipliers are pm and ym everywhere.
void Subgrade_Pile(ProfileRun& r, double es_top, double es_bottom, double pm = 1.0,
                   double ym = 1.0) {
  PyModifierTable& t = r.problem().PyModifiers;
  t.NumPoints = 2;
  t.Depth = {0.0, 600.0};
  t.PMultiplier = {pm, pm};
  t.YMultiplier = {ym, ym};
  r.Add_Section(600.0, 24.0, 24.0, 29.0e6, 1000.0);
  r.Add_Layer(kElasticSubgradeIndex, 0.0, 600.0, Props{}, Props{});
  r.problem().Layers[0].Top.ElasticSubgradeModulus = es_top;
  r.problem().Layers[0].Bottom.ElasticSubgradeModulus = es_bottom;
  r.Discretise(100);
}

TEST(ElasticSubgrade, ModulusOverTheLayerAtEveryDeflection) {
  // Es = 100 pci at the top to 200 pci at 600 in; node modulus pm Es b / ym.
  struct Case {
    const char* what;
    int node;
    double pm;
    double ym;
    double es;
  };
  const Case cases[] = {
      {"top", 1, 1.0, 1.0, 2400.0},         // 100 * 24
      {"mid-depth", 51, 1.0, 1.0, 3600.0},  // 150 * 24
      {"quarter depth", 26, 1.0, 1.0, 3000.0},
      {"bottom", 101, 1.0, 1.0, 4800.0},
      {"pm = 2", 51, 2.0, 1.0, 7200.0},
      {"ym = 2", 51, 1.0, 2.0, 1800.0},
  };
  for (const Case& c : cases) {
    for (double y : {0.0, 0.3, 50.0}) {
      ProfileRun r;
      Subgrade_Pile(r, 100.0, 200.0, c.pm, c.ym);
      r.run().Nodes.rd_Y[c.node] = y;
      PY_ElasticSubgrade(r.run(), 1);
      EXPECT_EQ(r.run().Status.ErrorNumber, 0);
      EXPECT_NEAR(r.run().Nodes.rd_NodeEs[c.node], c.es, 1e-9) << c.what << " y = " << y;
    }
  }
}

TEST(ElasticSubgrade, SoilMovementLoad) {
  // Soil moving 0.1 in: load = 0.1 * Es + 0 (no distributed load) = 0.1 * 3600.
  ProfileRun r;
  DepthValueTable& move = r.problem().SoilMovement;
  move.NumPoints = 2;
  move.Depth[0] = 0.0;
  move.Depth[1] = 600.0;
  move.Value[0] = 0.1;
  move.Value[1] = 0.1;
  Subgrade_Pile(r, 100.0, 200.0);
  PY_ElasticSubgrade(r.run(), 1);
  EXPECT_NEAR(r.run().Nodes.rd_NodeLoad[51], 360.0, 1e-9);
}

TEST(ElasticSubgrade, PrintedAndPlottedCurveAtUserDepth) {
  // Es = 100 pci, b = 24 in, ym = 2: ks = 2400 lb/in**2; point k at y = (k - 1) * 3 in,
  // printed at ym y = 6 (k - 1) in with p = 7200 (k - 1) lb/in, up to 96 in and 115200.
  ProfileRun r;
  Subgrade_Pile(r, 100.0, 100.0, 1.0, 2.0);
  r.problem().NumPyOutputDepths = 1;
  r.problem().PyOutputDepths[0] = 120.0;  // 10 ft
  Py_Curves_At_User_Depths(r.run());
  ASSERT_EQ(r.run().Status.ErrorNumber, 0);

  const std::vector<std::string> block = {
      "",
      "",
      "p-y Curve for Elastic Subgrade",
      "",
      Parameter_Line("Soil Layer Number", "         1"),
      Parameter_Line("Depth below pile head", "      10.000 ft"),
      Parameter_Line("Depth below ground surface", "      10.000 ft"),
      Parameter_Line("Shaft Diameter", "      24.000 in"),
      Parameter_Line("Elastic Subgrade Modulus", "     100.000 lbs/in**3"),
      Parameter_Line("p-multiplier", "     1.00000"),
      Parameter_Line("y-multiplier", "     2.00000"),
      "",
      "        y, in        p, lbs/in",
      "---------------   ---------------",
      "         0.00000           0.00000",
      "        6.000000       7200.000000",
  };
  const auto report = r.Report_Lines();
  ASSERT_EQ(report.size(), 3u + block.size() + 15u + 2u);
  for (std::size_t k = 0; k < block.size(); ++k) EXPECT_EQ(report[3 + k], block[k]) << k;
  EXPECT_EQ(report[3 + block.size() + 14], "       96.000000           115200.");

  const auto plot = r.Plot_Lines();
  ASSERT_EQ(plot.size(), 19u);
  const std::string gap(50, ' ');
  EXPECT_EQ(plot[1], "  1.2000000E+02   17" + std::string(60, ' ') +
                         "Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on "
                         "curve no. 1");
  EXPECT_EQ(plot[3],
            "  6.0000000E+00  7.2000000E+03" + gap + "Line 8(2): y, p, for elastic subgrade");
  EXPECT_EQ(plot[18],
            "  9.6000000E+01  1.1520000E+05" + gap + "Line 8(17): y, p, for elastic subgrade");
}

}  // namespace
}  // namespace tavik::testing
