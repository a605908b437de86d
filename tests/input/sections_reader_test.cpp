// The SECTIONS block: stacked sections and their pile property points, each section type's
// values, the SI conversions, the bar and strand sub-blocks and the input errors.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "input/block_readers.h"
#include "input/input_fixture.h"

namespace tavik {
namespace {

using testing::Contains_Lines;
using testing::ReadResult;

ReadResult Read(const std::string& text, int iunits = kUnitsUSCustomary) {
  return testing::Run_Reader(Read_Sections, text,
                             [iunits](RunContext& run) { run.Problem.IUNITS = iunits; });
}

// Concrete sub-block with defaults, and a section without bars.
const std::string kConcrete =
    "4000\n"
    "0.75\n"
    "Use default concrete tensile strength\n"
    "Use internal stress-strain curve for concrete\n";
const std::string kNoRebar = "No rebar\n";

// A drilled shaft: number, type 1, length, diameter, concrete, no rebar.
std::string Drilled_Shaft(int number, const std::string& length, const std::string& width) {
  return std::to_string(number) + "\n1\n" + length + "\n" + width + "\n" + kConcrete + kNoRebar;
}

TEST(SectionsReader, StackedSectionsGivePilePropertyStations) {
  // 30 ft over 40 ft: stations 0, 30 | 30, 70; the pile is 70 ft long.
  const ReadResult r = Read("2\n" + Drilled_Shaft(1, "30", "36") + Drilled_Shaft(2, "40", "30"));
  ASSERT_EQ(r.error(), 0);
  const ProblemData& p = r.problem();
  EXPECT_EQ(p.NumSections, 2);
  EXPECT_EQ(p.PileLength, 70.0);
  EXPECT_EQ(p.PileProperties.NumPoints, 4);
  const double stations[] = {0.0, 30.0, 30.0, 70.0};
  const double widths[] = {36.0, 36.0, 30.0, 30.0};
  for (int s = 0; s < 4; ++s) {
    EXPECT_EQ(p.PileProperties.PileStation[s], stations[s]);
    EXPECT_EQ(p.PileProperties.PileWidth[s], widths[s]);
    EXPECT_EQ(p.PileProperties.PileInertia[s], 0.0);  // from the section tables later
  }
  EXPECT_EQ(p.Sections[1].SectionTopDepth, 30.0);
  EXPECT_EQ(p.Sections[1].SectionBottomDepth, 70.0);
  EXPECT_EQ(p.Sections[0].Concrete.ConcreteStrength, 4000.0);
  EXPECT_EQ(p.Sections[0].Concrete.MaxAggregateSize, 0.75);
  EXPECT_TRUE(Contains_Lines(
      r.messages,
      {"Reading section properties for Section 1", "Reading concrete property data for Section 1",
       "Reading rebar property data for Section 1", "Reading section properties for Section 2"}));
}

TEST(SectionsReader, NoSectionsStoresNothing) {
  const ReadResult r = Read("0\n");
  ASSERT_EQ(r.error(), 0);
  EXPECT_EQ(r.problem().NumSections, 0);
  EXPECT_EQ(r.problem().PileProperties.NumPoints, 0);
  EXPECT_EQ(r.problem().PileLength, 0.0);
}

// A second block starts the pile again from the head.
TEST(SectionsReader, SecondBlockRestartsThePile) {
  const ReadResult r = testing::Run_Reader(
      [](RunContext& run) {
        Read_Sections(run);
        Read_Sections(run);
      },
      "1\n" + Drilled_Shaft(1, "30", "36") + "1\n" + Drilled_Shaft(1, "25", "24"),
      [](RunContext& run) { run.Problem.IUNITS = kUnitsUSCustomary; });
  ASSERT_EQ(r.error(), 0);
  EXPECT_EQ(r.problem().PileLength, 25.0);
  EXPECT_EQ(r.problem().PileProperties.PileStation[1], 25.0);
  EXPECT_EQ(r.problem().PileProperties.PileWidth[0], 24.0);
}

// Each section type reads its own values in order; the checks name the field each input
// value lands in.
TEST(SectionsReader, ValuesOfEachSectionType) {
  struct Case {
    const char* name;
    std::string text;
    std::function<void(const ProblemData&)> check;
  };
  const std::vector<Case> cases = {
      {"rectangular: Width is the depth, the pile width is the width across",
       "1\n1\n0\n20\n24\n18\n" + kConcrete + kNoRebar,
       [](const ProblemData& p) {
         const PileSection& s = p.Sections[0];
         EXPECT_EQ(s.SectionType, 0);
         EXPECT_EQ(s.SectionDepth, 24.0);
         EXPECT_EQ(s.SectionWidth, 18.0);
         EXPECT_EQ(s.Width, 24.0);
         EXPECT_EQ(p.PileProperties.PileWidth[0], 18.0);
         EXPECT_EQ(p.PileProperties.PileWidth[1], 18.0);
       }},
      {"cased shaft", "1\n1\n2\n20\n36\n0.5\n36000\n29000000\n" + kConcrete + kNoRebar,
       [](const ProblemData& p) {
         const PileSection& s = p.Sections[0];
         EXPECT_EQ(s.Width, 36.0);
         EXPECT_EQ(s.CasingWallThickness, 0.5);
         EXPECT_EQ(s.CasingYieldStress, 36000.0);
         EXPECT_EQ(s.CasingModulus, 29000000.0);
       }},
      {"type 3: casing and a filled core",
       "1\n1\n3\n20\n36\n0.5\n36000\n29000000\n20\n0.75\n50000\n29500000\n" + kConcrete + kNoRebar,
       [](const ProblemData& p) {
         const PileSection& s = p.Sections[0];
         EXPECT_EQ(s.SectionType, 3);
         EXPECT_TRUE(s.b_FillCoreWithConcrete);
         EXPECT_EQ(s.CoreDiameter, 20.0);
         EXPECT_EQ(s.CoreWallThickness, 0.75);
         EXPECT_EQ(s.CoreYieldStress, 50000.0);
         EXPECT_EQ(s.CoreModulus, 29500000.0);
       }},
      {"type -3: type 3 with a void core",
       "1\n1\n-3\n20\n36\n0.5\n36000\n29000000\n20\n0.75\n50000\n29500000\n" + kConcrete + kNoRebar,
       [](const ProblemData& p) {
         EXPECT_EQ(p.Sections[0].SectionType, 3);
         EXPECT_FALSE(p.Sections[0].b_FillCoreWithConcrete);
         EXPECT_EQ(p.Sections[0].CoreModulus, 29500000.0);
       }},
      {"square hollow prestressed: void, then chamfer",
       "1\n1\n8\n20\n24\n12\n1.5\n" + kConcrete + "Manually-positioned strands\n1\n0\n0\n0.2\n",
       [](const ProblemData& p) {
         EXPECT_EQ(p.Sections[0].VoidDiameter, 12.0);
         EXPECT_EQ(p.Sections[0].CornerChamfer, 1.5);
         EXPECT_EQ(p.PileProperties.PileWidth[1], 24.0);
       }},
      {"user EI: width, then the stiffness for each thrust",
       "1\n1\n13\n20\n24\n2\n0\n2\n1000\n4.0e9\n2000\n3.0e9\n100\n1\n1500\n3.5e9\n",
       [](const ProblemData& p) {
         const UserEITable& table = p.Sections[0].UserEI;
         ASSERT_EQ(table.Curves.size(), 2u);
         EXPECT_EQ(table.Curves[0].UserThrust, 0.0);
         EXPECT_EQ(table.Curves[0].UserMoment, (std::vector<double>{1000.0, 2000.0}));
         EXPECT_EQ(table.Curves[0].UserStiffness, (std::vector<double>{4.0e9, 3.0e9}));
         EXPECT_EQ(table.Curves[1].UserThrust, 100.0);
         EXPECT_EQ(table.Curves[1].UserStiffness, (std::vector<double>{3.5e9}));
         EXPECT_EQ(p.PileProperties.PileWidth[0], 24.0);
       }},
      {"micropile: length only, no length added to the pile, zero points",
       "2\n" + Drilled_Shaft(1, "30", "36") + "2\n14\n10\n",
       [](const ProblemData& p) {
         EXPECT_EQ(p.Sections[1].SectionType, 14);
         EXPECT_EQ(p.Sections[1].SectionLength, 10.0);
         EXPECT_EQ(p.PileLength, 30.0);
         EXPECT_EQ(p.PileProperties.NumPoints, 4);
         EXPECT_EQ(p.PileProperties.PileWidth[2], 0.0);
         EXPECT_EQ(p.PileProperties.PileWidth[3], 0.0);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ReadResult r = Read(c.text);
    ASSERT_EQ(r.error(), 0) << (r.report.empty() ? "" : r.report.back());
    c.check(r.problem());
  }
}

// Pipe of D = 12 in, t = 0.5 in (inside 11 in):
//   A = pi/4 (12^2 - 11^2) = pi/4 x 23 = 18.0642 in2
//   I = pi/64 (12^4 - 11^4) = pi/64 (20736 - 14641) = pi/64 x 6095 = 299.187 in4
TEST(SectionsReader, SteelPipeAreaAndInertia) {
  const ReadResult r = Read("1\n1\n4\n50\n12\n0.5\n36000\n29000000\n");
  ASSERT_EQ(r.error(), 0);
  const PilePropertyTable& t = r.problem().PileProperties;
  for (int s = 0; s < 2; ++s) {
    EXPECT_NEAR(t.PileArea[s], 18.0642, 1.0e-4);
    EXPECT_NEAR(t.PileArea[s], 23.0 * std::numbers::pi / 4.0, 1.0e-12);
    EXPECT_NEAR(t.PileInertia[s], 299.187, 1.0e-3);
    EXPECT_NEAR(t.PileInertia[s], 6095.0 * std::numbers::pi / 64.0, 1.0e-9);
    EXPECT_EQ(t.PileModulus[s], 29000000.0);
    EXPECT_EQ(t.PileWidth[s], 12.0);
  }
  EXPECT_EQ(t.PileStation[1], 50.0);
}

// The elastic shapes choose the pile width: widths at top and bottom (1 to 3), the flange
// width (strong H), the section depth (weak H), the drilled hole (embedded pole, whose own
// diameters become the stress widths).
TEST(SectionsReader, ElasticSectionsChooseThePileWidthByShape) {
  struct Case {
    const char* name;
    std::string values;  // after the shape line
    int shape;
    double top_width, bottom_width, top_stress, bottom_stress;
  };
  const std::vector<Case> cases = {
      {"rectangular", "3000\n14\n12\n16\n15\n224\n180\n4779\n3375\n", 1, 14, 12, 0, 0},
      {"circular", "3000\n14\n12\n154\n113\n1886\n1018\n", 2, 14, 12, 0, 0},
      {"pipe", "29000000\n16\n14\n0.5\n0.4\n24\n17\n730\n400\n", 3, 16, 14, 0, 0},
      {"strong H", "29000000\n10.2\n10.0\n0.565\n0.565\n15.5\n271\n", 4, 10.2, 10.2, 0, 0},
      {"weak H", "29000000\n10.2\n10.0\n0.565\n0.565\n15.5\n92\n", 5, 10.0, 10.0, 0, 0},
      {"embedded pole", "1600000\n12\n10\n113\n79\n1018\n491\n30\n", 6, 30, 30, 12, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ReadResult r = Read("1\n1\n11\n40\n" + std::to_string(c.shape) + "\n" + c.values);
    ASSERT_EQ(r.error(), 0);
    const PilePropertyTable& t = r.problem().PileProperties;
    EXPECT_EQ(t.PileWidth[0], c.top_width);
    EXPECT_EQ(t.PileWidth[1], c.bottom_width);
    EXPECT_EQ(t.PileStressWidth[0], c.top_stress);
    EXPECT_EQ(t.PileStressWidth[1], c.bottom_stress);
    EXPECT_EQ(t.PileModulus[0], t.PileModulus[1]);
    EXPECT_EQ(t.PileStation[1], 40.0);
    EXPECT_TRUE(Contains_Lines(r.messages, {"Reading elastic section properties for Section 1"}));
  }
  // Areas and inertias at the top and bottom; one value for both ends of an H-pile.
  const ReadResult rect = Read("1\n1\n11\n40\n1\n3000\n14\n12\n16\n15\n224\n180\n4779\n3375\n");
  EXPECT_EQ(rect.problem().PileProperties.PileArea[0], 224.0);
  EXPECT_EQ(rect.problem().PileProperties.PileArea[1], 180.0);
  EXPECT_EQ(rect.problem().PileProperties.PileInertia[1], 3375.0);
  EXPECT_EQ(rect.problem().Sections[0].BottomDepthOrWall, 15.0);
  const ReadResult h = Read("1\n1\n11\n40\n4\n29000000\n10.2\n10.0\n0.565\n0.5\n15.5\n271\n");
  const PileSection& hs = h.problem().Sections[0];
  EXPECT_EQ(hs.TopDepthOrWall, 10.0);
  EXPECT_EQ(hs.BottomDepthOrWall, 10.0);
  EXPECT_EQ(hs.FlangeThickness, 0.565);
  EXPECT_EQ(hs.WebThickness, 0.5);
  EXPECT_EQ(hs.BottomArea, 15.5);
  EXPECT_EQ(hs.BottomInertia, 271.0);
}

// The plastic moments come right after the modulus: two for round and rectangular shapes,
// one for both ends of an H-pile.
TEST(SectionsReader, ElasticPlasticSectionReadsThePlasticMoments) {
  const ReadResult round =
      Read("1\n1\n12\n40\n2\n3000\n5.0e6\n4.0e6\n14\n12\n154\n113\n1886\n1018\n");
  ASSERT_EQ(round.error(), 0);
  const PileSection& r = round.problem().Sections[0];
  EXPECT_EQ(r.TopPlasticMoment, 5.0e6);
  EXPECT_EQ(r.BottomPlasticMoment, 4.0e6);
  EXPECT_EQ(r.TopWidth, 14.0);
  EXPECT_EQ(r.BottomInertia, 1018.0);
  EXPECT_TRUE(
      Contains_Lines(round.messages, {"Reading elastic-plastic section properties for Section 1"}));

  const ReadResult h = Read("1\n1\n12\n40\n5\n29000000\n3.0e6\n10.2\n10.0\n0.565\n0.5\n15.5\n92\n");
  ASSERT_EQ(h.error(), 0);
  const PileSection& hs = h.problem().Sections[0];
  EXPECT_EQ(hs.TopPlasticMoment, 3.0e6);
  EXPECT_EQ(hs.BottomPlasticMoment, 3.0e6);
  EXPECT_EQ(hs.TopWidth, 10.2);
  EXPECT_EQ(h.problem().PileProperties.PileWidth[0], 10.0);  // weak axis: the depth
}

// SI input: section dimensions mm -> m, areas mm2 -> m2, inertias mm4 -> m4; lengths along
// the pile (m), stresses and moduli (kPa) are kept.
TEST(SectionsReader, MetricDimensionsAreStoredInMetres) {
  const ReadResult shaft = Read(
      "1\n1\n3\n12\n900\n12\n248000\n200000000\n500\n10\n345000\n200000000\n"
      "28000\n19\nUse default concrete tensile strength\n"
      "Use internal stress-strain curve for concrete\n"
      "Rebar Arrangement Not Same As Section Above\nRebar in noncircular pattern\n"
      "420000\n200000000\n1\n1 7 25 491 300 -150\n",
      kUnitsSI);
  ASSERT_EQ(shaft.error(), 0);
  const PileSection& s = shaft.problem().Sections[0];
  EXPECT_EQ(s.SectionLength, 12.0);
  EXPECT_DOUBLE_EQ(s.Width, 0.9);
  EXPECT_DOUBLE_EQ(s.CasingWallThickness, 0.012);
  EXPECT_EQ(s.CasingYieldStress, 248000.0);
  EXPECT_EQ(s.CasingModulus, 200000000.0);
  EXPECT_DOUBLE_EQ(s.CoreDiameter, 0.5);
  EXPECT_DOUBLE_EQ(s.CoreWallThickness, 0.01);
  EXPECT_EQ(s.Concrete.ConcreteStrength, 28000.0);
  EXPECT_DOUBLE_EQ(s.Concrete.MaxAggregateSize, 0.019);
  EXPECT_EQ(s.Rebar.RebarYieldStress, 420000.0);
  EXPECT_EQ(s.Rebar.BarIndex[0], 7);
  EXPECT_DOUBLE_EQ(s.Rebar.BarDiameter[0], 0.025);
  EXPECT_DOUBLE_EQ(s.Rebar.BarArea[0], 4.91e-4);
  EXPECT_DOUBLE_EQ(s.Rebar.BarX[0], 0.3);
  EXPECT_DOUBLE_EQ(s.Rebar.BarY[0], -0.15);
  EXPECT_DOUBLE_EQ(shaft.problem().PileProperties.PileWidth[0], 0.9);
  EXPECT_EQ(shaft.problem().PileProperties.PileStation[1], 12.0);

  // Rectangular: depth and width converted before Width takes the depth.
  const ReadResult rect = Read("1\n1\n0\n10\n600\n450\n" + kConcrete + kNoRebar, kUnitsSI);
  EXPECT_DOUBLE_EQ(rect.problem().Sections[0].Width, 0.6);
  EXPECT_DOUBLE_EQ(rect.problem().PileProperties.PileWidth[0], 0.45);

  // Elastic rectangle 300 x 400 mm: area 120000 mm2 = 0.12 m2, inertia 1.6e9 mm4 = 1.6e-3 m4.
  const ReadResult elastic = Read(
      "1\n1\n11\n10\n1\n25000000\n300\n300\n400\n400\n120000\n120000\n1.6e9\n1.6e9\n", kUnitsSI);
  ASSERT_EQ(elastic.error(), 0);
  const PilePropertyTable& t = elastic.problem().PileProperties;
  EXPECT_DOUBLE_EQ(t.PileWidth[0], 0.3);
  EXPECT_DOUBLE_EQ(t.PileArea[0], 0.12);
  EXPECT_DOUBLE_EQ(t.PileInertia[1], 1.6e-3);
  EXPECT_EQ(t.PileModulus[0], 25000000.0);
  EXPECT_DOUBLE_EQ(elastic.problem().Sections[0].BottomDepthOrWall, 0.4);

  // General units are never converted.
  const ReadResult general = Read("1\n1\n1\n12\n900\n" + kConcrete + kNoRebar, kUnitsGeneral);
  EXPECT_EQ(general.problem().Sections[0].Width, 900.0);
}

// 4 single bars on a 24 in shaft, cover 1.5, bar 1.0: centres on R = 11.5 - 1.5 = 10 (a
// 20 in circle) at 0, 90, 180, 270 degrees, all moved 2 in along y by the offset.
TEST(SectionsReader, BarsInACircleWithAnOffset) {
  const ReadResult r = Read("1\n1\n1\n30\n24\n" + kConcrete +
                            "Rebar Arrangement Same As Section Above\nRebar in circle\n"
                            "60000\n29000000\n4\n1\n1.0\n0.79\n1.5\n2\n");
  ASSERT_EQ(r.error(), 0);
  const ReinforcementData& b = r.problem().Sections[0].Rebar;
  EXPECT_TRUE(b.b_RebarInCircle);
  EXPECT_EQ(b.RebarYieldStress, 60000.0);
  EXPECT_EQ(b.SteelModulus, 29000000.0);
  ASSERT_EQ(b.NumBars, 4);
  const double x[] = {10.0, 0.0, -10.0, 0.0};
  const double y[] = {2.0, 12.0, 2.0, -8.0};
  for (int k = 0; k < 4; ++k) {
    EXPECT_NEAR(b.BarX[k], x[k], 1.0e-12);
    EXPECT_NEAR(b.BarY[k], y[k], 1.0e-12);
    EXPECT_EQ(b.BarArea[k], 0.79);
    EXPECT_EQ(b.BarDiameter[k], 1.0);
  }
}

// 6 positions of 2 bars: 12 bars of 0.79 in2; each pair straddles its position symmetrically.
TEST(SectionsReader, BundledBarsInACircle) {
  const ReadResult r = Read("1\n1\n1\n30\n36\n" + kConcrete +
                            "Rebar Arrangement Not Same As Section Above\nRebar in circle\n"
                            "60000\n29000000\n6\n2\n1.0\n0.79\n3\n0\n");
  ASSERT_EQ(r.error(), 0);
  const ReinforcementData& b = r.problem().Sections[0].Rebar;
  ASSERT_EQ(b.NumBars, 12);
  EXPECT_EQ(b.NumBundles, 6);
  EXPECT_EQ(b.BarsPerBundle, 2);
  for (int k = 0; k < 12; ++k) {
    EXPECT_EQ(b.BarArea[k], 0.79);
    EXPECT_NEAR(std::hypot(b.BarX[k], b.BarY[k]), 14.5, 1.0e-12);  // (36 - 1)/2 - 3
  }
  // The first pair sits at -+ half a bar's angle (1/14.5 rad) about the +x axis.
  EXPECT_NEAR(b.BarY[0], -14.5 * std::sin(0.5 / 14.5), 1.0e-12);
  EXPECT_NEAR(b.BarY[1], 14.5 * std::sin(0.5 / 14.5), 1.0e-12);
}

// "No rebar" ends the sub-block: the next line is the next section. A bar arrangement line
// not recognised reads no bar data either.
TEST(SectionsReader, SectionsWithoutBarData) {
  const ReadResult r = Read("2\n" + Drilled_Shaft(1, "30", "36") + "2\n1\n10\n30\n" + kConcrete +
                            "Rebar Arrangement Same As Section Above\nRebar in spiral\n");
  ASSERT_EQ(r.error(), 0);
  EXPECT_EQ(r.problem().Sections[0].Rebar.NumBars, 0);
  EXPECT_EQ(r.problem().Sections[1].Rebar.NumBars, 0);
  EXPECT_EQ(r.problem().PileLength, 40.0);
}

TEST(SectionsReader, ConcreteOptionsAndInputCurve) {
  const ReadResult r = Read(
      "1\n1\n1\n30\n36\n5000\n1.0\nOverride concrete tensile strength\n530\n"
      "Input stress-strain curve for concrete\n3\n1 0.0 0.0\n2, 0.001, 3000\n3 0.003 5000\n" +
      kNoRebar);
  ASSERT_EQ(r.error(), 0);
  const ConcreteData& c = r.problem().Sections[0].Concrete;
  EXPECT_EQ(c.TensileStrength, 530.0);
  ASSERT_EQ(c.NumCurvePoints, 3);
  EXPECT_EQ(c.CurveStrain[1], 0.001);
  EXPECT_EQ(c.CurveStress[2], 5000.0);
}

// PCI 270 strands of size 3 (1/2 in): 0.5 in, 0.153 in2, fpu 270000 psi, E 28000 ksi; in
// SI 0.0127 m and E 193053200 kPa. Twelve on a square: B = 24, cover 2 -> half-side 9.75.
TEST(SectionsReader, AutopositionedStrandsInBothUnitSystems) {
  const ReadResult us = Read("1\n1\n7\n40\n24\n1\n" + kConcrete +
                             "Autoposition strands\n1\n3\n12\n350000\n0.2\n2\n1\n");
  ASSERT_EQ(us.error(), 0);
  const ReinforcementData& s = us.problem().Sections[0].Rebar;
  EXPECT_EQ(s.NumStrands, 12);
  EXPECT_EQ(s.StrandType, 1);
  EXPECT_EQ(s.StrandSize[11], 3);
  EXPECT_EQ(s.PrestressForce, 350000.0);
  EXPECT_EQ(s.PrestressLoss, 0.2);
  EXPECT_EQ(s.StrandPattern, 1);
  EXPECT_NEAR(s.StrandDiameter, 0.5, 1.0e-7);
  EXPECT_NEAR(s.StrandArea, 0.153, 1.0e-7);
  EXPECT_NEAR(s.BarArea[11], 0.153, 1.0e-7);
  EXPECT_EQ(s.StrandUltimateStrength, 270000.0);
  EXPECT_EQ(s.SteelModulus, 28000.0);
  EXPECT_NEAR(s.BarX[0], -9.75, 1.0e-7);  // strand 1: bottom-left corner
  EXPECT_NEAR(s.BarY[0], -9.75, 1.0e-7);
  EXPECT_NEAR(s.BarX[4], 9.75, 1.0e-7);  // strand 5: right face
  EXPECT_NEAR(s.BarY[4], -3.25, 1.0e-7);
  EXPECT_TRUE(Contains_Lines(us.messages, {"Reading prestressing strand data for Section 1"}));

  // SI round pile of 600 mm, cover 50 mm, 4 strands on a circle:
  // R = (0.6 - 0.0127)/2 - 0.05 = 0.24365 m.
  const ReadResult si =
      Read("1\n1\n5\n12\n600\n" + kConcrete + "Autoposition strands\n1\n3\n4\n1500\n0.2\n50\n0\n",
           kUnitsSI);
  ASSERT_EQ(si.error(), 0);
  const ReinforcementData& m = si.problem().Sections[0].Rebar;
  EXPECT_NEAR(m.StrandDiameter, 0.0127, 1.0e-8);
  EXPECT_DOUBLE_EQ(m.StrandCover, 0.05);
  EXPECT_EQ(m.SteelModulus, 193053200.0);
  EXPECT_NEAR(m.BarX[0], 0.24365, 1.0e-8);
  EXPECT_NEAR(m.BarY[1], 0.24365, 1.0e-8);
  EXPECT_NEAR(m.BarX[2], -0.24365, 1.0e-8);
}

TEST(SectionsReader, ManuallyPositionedStrands) {
  const ReadResult r = Read("1\n1\n5\n12\n600\n" + kConcrete +
                                "Manually-positioned strands\n3\n2\n1500\n0.15\n"
                                "1 2 200 0\n2 4 -200 100\n",
                            kUnitsSI);
  ASSERT_EQ(r.error(), 0);
  const ReinforcementData& s = r.problem().Sections[0].Rebar;
  EXPECT_EQ(s.StrandType, 3);
  EXPECT_EQ(s.NumStrands, 2);
  EXPECT_EQ(s.StrandSize[1], 4);
  EXPECT_DOUBLE_EQ(s.BarX[0], 0.2);
  EXPECT_DOUBLE_EQ(s.BarX[1], -0.2);
  EXPECT_DOUBLE_EQ(s.BarY[1], 0.1);
  EXPECT_NEAR(s.BarDiameter[0], 1.0 * 0.0254, 1.0e-8);   // smooth bar size 2: 1 in
  EXPECT_NEAR(s.BarDiameter[1], 1.25 * 0.0254, 1.0e-8);  // size 4: 1.25 in
  EXPECT_EQ(s.SteelModulus, 199947760.0);
  EXPECT_EQ(s.StrandUltimateStrength, 145000.0);
}

// Every input error of the block: its number and the lines that explain it.
TEST(SectionsReader, InputErrors) {
  const std::string shaft_head = "1\n1\n1\n30\n36\n";
  const std::string circle = shaft_head + kConcrete +
                             "Rebar Arrangement Same As Section Above\nRebar in circle\n"
                             "60000\n29000000\n";
  const std::string strands = "1\n1\n7\n40\n24\n1\n" + kConcrete;
  struct Case {
    const char* name;
    std::string text;
    int error;
    std::vector<std::string> lines;  // consecutive lines of the report
  };
  const std::vector<Case> cases = {
      {"section out of order",
       "1\n2\n1\n30\n36\n",
       195,
       {"SECTION DATA OUT-OF-ORDER", "",
        "Expecting section number 1, but section number 2 was found"}},
      {"second section out of order",
       "2\n" + Drilled_Shaft(1, "30", "36") + "3\n",
       195,
       {"Expecting section number 2, but section number 3 was found"}},
      {"tensile strength option",
       shaft_head + "4000\n0.75\nUse default tensile strength\n",
       195,
       {"", "INPUT ERROR - Unrecognized command for concrete tensile strength option"}},
      {"stress-strain option",
       shaft_head + "4000\n0.75\nUse default concrete tensile strength\nUse my curve\n",
       195,
       {"", "INPUT ERROR - Unrecognized input for concrete stress-strain option"}},
      {"concrete curve out of sequence",
       shaft_head +
           "4000\n0.75\nUse default concrete tensile strength\n"
           "Input stress-strain curve for concrete\n4\n1 0 0\n2 0.001 3000\n4 0.002 4000\n",
       195,
       {"", "INPUT ERROR - Sequence error encountered when reading concrete stress-strain curve",
        "", "Expecting line no. 3 but line no. 4 was read", "", ""}},
      {"rebar continuation line",
       shaft_head + kConcrete + "Rebar same as above\n",
       195,
       {"", "INPUT ERROR - Unrecognized command for rebar continuation from section above option"}},
      {"strand mode",
       strands + "Strands by hand\n",
       195,
       {"INPUT ERROR - Unrecognized input for strand no. ", ""}},
      {"strand out of sequence",
       strands + "Manually-positioned strands\n1\n3\n1000\n0.2\n1 3 5 5\n3 3 -5 5\n",
       195,
       {"INPUT ERROR - Input out-of-order for strand no. 2"}},
      {"21 sections", "21\n", 191, {"**** Input Data Error No. 91 ****"}},
      {"negative number of sections", "-1\n", 192, {"**** Input Data Error No. 92 ****"}},
      {"section type 15", "1\n1\n15\n", 192, {"**** Input Data Error No. 92 ****"}},
      {"section type -1", "1\n1\n-1\n", 192, {"**** Input Data Error No. 92 ****"}},
      {"101 concrete curve points",
       shaft_head + "4000\n0.75\nUse default concrete tensile strength\n"
                    "Input stress-strain curve for concrete\n101\n",
       191,
       {"**** Input Data Error No. 91 ****"}},
      {"301 bars one by one",
       shaft_head + kConcrete +
           "Rebar Arrangement Same As Section Above\nRebar in noncircular pattern\n"
           "60000\n29000000\n301\n",
       191,
       {"**** Input Data Error No. 91 ****"}},
      {"101 bundles of 3 bars", circle + "101\n3\n", 191, {"**** Input Data Error No. 91 ****"}},
      {"no bar positions", circle + "0\n", 192, {"**** Input Data Error No. 92 ****"}},
      {"4 bars per bundle", circle + "8\n4\n", 192, {"**** Input Data Error No. 92 ****"}},
      {"bar circle with zero cover",
       circle + "8\n1\n1.0\n0.79\n0\n0\n",
       192,
       {"**** Input Data Error No. 92 ****"}},
      {"bar circle in a shaft of zero width",
       "1\n1\n1\n30\n0\n" + kConcrete +
           "Rebar Arrangement Same As Section Above\nRebar in circle\n"
           "60000\n29000000\n8\n1\n1.0\n0.79\n3\n0\n",
       192,
       {"**** Input Data Error No. 92 ****"}},
      {"301 strands",
       strands + "Manually-positioned strands\n1\n301\n",
       191,
       {"**** Input Data Error No. 91 ****"}},
      {"strand type 6",
       strands + "Autoposition strands\n6\n",
       192,
       {"**** Input Data Error No. 92 ****"}},
      {"strand size 8 of PCI 270",
       strands + "Autoposition strands\n1\n8\n",
       192,
       {"**** Input Data Error No. 92 ****"}},
      {"strand size 5 of PCI 300, manual",
       strands + "Manually-positioned strands\n2\n1\n1000\n0.2\n1 5 0 0\n",
       192,
       {"**** Input Data Error No. 92 ****"}},
      {"strand pattern 3",
       strands + "Autoposition strands\n1\n3\n8\n1000\n0.2\n2\n3\n",
       192,
       {"**** Input Data Error No. 92 ****"}},
      {"2 strands on a square",
       strands + "Autoposition strands\n1\n3\n2\n1000\n0.2\n2\n1\n",
       192,
       {"**** Input Data Error No. 92 ****"}},
      {"square larger than the section",
       strands + "Autoposition strands\n1\n3\n8\n1000\n0.2\n12\n1\n",
       192,
       {"**** Input Data Error No. 92 ****"}},
      {"elastic shape 7", "1\n1\n11\n40\n7\n", 192, {"**** Input Data Error No. 92 ****"}},
      {"101 user EI thrusts",
       "1\n1\n13\n20\n24\n101\n",
       191,
       {"**** Input Data Error No. 91 ****"}},
      {"151 user EI points",
       "1\n1\n13\n20\n24\n1\n0\n151\n",
       191,
       {"**** Input Data Error No. 91 ****"}},
      {"end of file inside a section",
       "1\n1\n1\n30\n",
       199,
       {"The input file ended inside the SECTIONS block."}},
      {"end of file at an option line",
       shaft_head + "4000\n0.75\n",
       199,
       {"The input file ended inside the SECTIONS block."}},
      {"width not a number", "1\n1\n1\n30\nwide\n", 190, {"**** Input Data Error No. 90 ****"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ReadResult r = Read(c.text);
    EXPECT_EQ(r.error(), c.error);
    EXPECT_TRUE(Contains_Lines(r.report, c.lines));
    EXPECT_TRUE(Contains_Lines(r.report, {"Tavik ended prematurely due to input error number " +
                                          Input_Error_Code(c.error - 100)}));
  }
}

// The sections read before an error are kept, and reading stops at the error.
TEST(SectionsReader, StopsAtTheFirstError) {
  const ReadResult r = Read("3\n" + Drilled_Shaft(1, "30", "36") + "3\n1\n10\n30\n");
  EXPECT_EQ(r.error(), 195);
  EXPECT_EQ(r.problem().Sections[0].Width, 36.0);
  EXPECT_EQ(r.problem().PileLength, 30.0);
  EXPECT_FALSE(Contains_Lines(r.messages, {"Reading section properties for Section 3"}));
}

}  // namespace
}  // namespace tavik
