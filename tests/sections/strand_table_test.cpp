// The strand table: the published diameters, areas, ultimate strengths and moduli of
// standard prestressing strands and high-strength bars, and their units.
#include <gtest/gtest.h>

#include <cmath>

#include "sections/strand_table.h"

namespace tavik {
namespace {

// Table values are single-precision constants: compare to a relative 1e-6.
void Expect_Close(double actual, double expected) {
  EXPECT_NEAR(actual, expected, 1.0e-6 * std::abs(expected));
}

TEST(StrandTable, StrandsAndBarsInUSCustomaryUnits) {
  struct Case {
    int type, size;
    double diameter, area, ultimate, modulus_ksi;
  };
  const Case cases[] = {
      {0, 0, 0.34, 0.058, 250000, 28000},   // PCI 250, first size
      {0, 6, 0.6, 0.216, 250000, 28000},    // PCI 250, last size
      {1, 3, 0.5, 0.153, 270000, 28000},    // PCI 270 half-inch strand
      {1, 7, 0.7, 0.294, 270000, 28000},    // PCI 270, last size
      {2, 1, 0.438, 0.115, 300000, 28000},  // PCI 300
      {3, 2, 1.0, 0.785, 145000, 29000},    // smooth 145 ksi bar, 1 in
      {4, 5, 1.375, 1.485, 160000, 29000},  // smooth 160 ksi bar, 1-3/8 in
      {5, 0, 0.625, 0.28, 157000, 29000},   // deformed bars: strength by size
      {5, 1, 1.0, 0.85, 150000, 29000},    {5, 2, 1.0, 0.85, 160000, 29000},
      {5, 4, 1.25, 1.25, 160000, 29000},   {5, 5, 1.375, 1.58, 150000, 29000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "type " << c.type << " size " << c.size);
    PileSection section;
    ASSERT_TRUE(Lookup_Strand(section, kUnitsUSCustomary, c.type, c.size, 3));
    Expect_Close(section.Rebar.BarDiameter[2], c.diameter);
    Expect_Close(section.Rebar.BarArea[2], c.area);
    EXPECT_EQ(section.Rebar.StrandUltimateStrength, c.ultimate);
    EXPECT_EQ(section.Rebar.SteelModulus, c.modulus_ksi);
    EXPECT_EQ(section.Rebar.BarDiameter[0], 0.0);  // only strand 3 is set
  }
}

// In SI the diameter is in metres (x 0.0254) and the area in square metres, the modulus in
// kPa (28000 ksi = 193053200 kPa for strands, 29000 ksi = 199947760 kPa for bars); the
// ultimate strength stays in psi. General units keep inches but take the kPa modulus.
TEST(StrandTable, MetricAndGeneralUnits) {
  PileSection si;
  ASSERT_TRUE(Lookup_Strand(si, kUnitsSI, 1, 3, 1));
  Expect_Close(si.Rebar.BarDiameter[0], 0.0127);               // 0.5 in
  Expect_Close(si.Rebar.BarArea[0], 0.153 * 0.0254 * 0.0254);  // 9.8709e-5 m2
  EXPECT_EQ(si.Rebar.SteelModulus, 193053200.0);
  EXPECT_EQ(si.Rebar.StrandUltimateStrength, 270000.0);

  PileSection bars;
  ASSERT_TRUE(Lookup_Strand(bars, kUnitsSI, 3, 0, 1));
  Expect_Close(bars.Rebar.BarDiameter[0], 0.01905);  // 0.75 in
  EXPECT_EQ(bars.Rebar.SteelModulus, 199947760.0);

  PileSection general;
  ASSERT_TRUE(Lookup_Strand(general, kUnitsGeneral, 1, 3, 1));
  Expect_Close(general.Rebar.BarDiameter[0], 0.5);
  EXPECT_EQ(general.Rebar.SteelModulus, 193053200.0);
}

TEST(StrandTable, SizeOrTypeOutsideTheTable) {
  EXPECT_EQ(Strand_Size_Count(0), 7);
  EXPECT_EQ(Strand_Size_Count(1), 8);
  EXPECT_EQ(Strand_Size_Count(2), 5);
  EXPECT_EQ(Strand_Size_Count(3), 6);
  EXPECT_EQ(Strand_Size_Count(5), 6);
  EXPECT_EQ(Strand_Size_Count(-1), 0);
  EXPECT_EQ(Strand_Size_Count(6), 0);

  // PCI 300 has sizes 0 to 4: size 5 sets the type's strength and modulus, not the strand.
  PileSection section;
  section.Rebar.BarDiameter[0] = 7.0;
  section.Rebar.BarArea[0] = 8.0;
  EXPECT_FALSE(Lookup_Strand(section, kUnitsUSCustomary, 2, 5, 1));
  EXPECT_EQ(section.Rebar.BarDiameter[0], 7.0);
  EXPECT_EQ(section.Rebar.BarArea[0], 8.0);
  EXPECT_EQ(section.Rebar.StrandUltimateStrength, 300000.0);
  EXPECT_EQ(section.Rebar.SteelModulus, 28000.0);

  // An unknown type sets nothing at all.
  PileSection untouched;
  EXPECT_FALSE(Lookup_Strand(untouched, kUnitsUSCustomary, 6, 0, 1));
  EXPECT_EQ(untouched.Rebar.SteelModulus, 0.0);
  EXPECT_EQ(untouched.Rebar.StrandUltimateStrength, 0.0);
  EXPECT_EQ(untouched.Rebar.BarDiameter[0], 0.0);

  // A strand number outside the table of 300 is never written.
  EXPECT_FALSE(Lookup_Strand(untouched, kUnitsUSCustomary, 1, 3, 301));
  EXPECT_FALSE(Lookup_Strand(untouched, kUnitsUSCustomary, 1, 3, 0));
}

}  // namespace
}  // namespace tavik
