// The shared report helpers: the magnitude rule of Write_Real at the widths in use, integer
// fields, soil names and unit labels.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "run/report_writers.h"
#include "run/unit_labels.h"
#include "test_support.h"

namespace tavik {
namespace {

// Formats through a real channel and returns the single line it wrote.
template <typename Write>
std::string One_Line(Write write) {
  testing::ScratchDir dir;
  const std::string path = dir.File("line.txt");
  {
    TextChannel channel;
    EXPECT_TRUE(channel.Open(path));
    write(channel);
    channel.End_Line();
  }
  std::string text = testing::Read_File(path);
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

// Expected fields are gfortran 12's output of the edit descriptor that the magnitude rule
// selects, preceded by the one blank the helper writes.
TEST(WriteReal, MagnitudeRuleAtEachWidth) {
  struct Case {
    double x;
    int width;
    const char* expected;
  };
  const Case cases[] = {
      {0.0, 13, "      0.00000"},           // zero: F12.5
      {1.0e-13, 13, "      0.00000"},       // below 1E-12 counts as zero
      {1.5, 13, "     1.500000"},           // F12.6
      {-1.5, 13, "    -1.500000"},
      {12345.6, 13, "       12346."},        // above 10000: F12.0
      {-1.0e10, 13, " ************"},       // at the single-precision limit: F12.0 overflows
      {0.0, 11, "      0.000"},             // F10.3
      {123456789.0, 11, "  1.235E+08"},     // above 10**8 - 1: ES10.3
      {0.5, 11, "     0.5000"},             // above 10**-2: F10.4
      {0.002, 11, "   0.002000"},           // at least 10**-4: F10.6
      {0.00005, 11, "  5.000E-05"},         // below 10**-4: ES10.3
      {9999999.0, 10, "  9999999."},        // 10**7 - 1 is exact in single precision
      {10000000.0, 10, "  1.00E+07"},
      {-0.25, 10, "    -0.250"},            // F9.3
      {99999997952.0, 14, "  99999997952."},  // 10**11 - 1 in single precision
      {99999997953.0, 14, "  1.000000E+11"},
      {-0.0123456789, 14, "    -0.0123457"},  // F13.7
      {5.0e-5, 14, "     0.0000500"},       // above 10**-5: F13.7
      {5.0e-6, 14, "   0.000005000"},       // at least 10**-7: F13.9
      {-1.0e-7, 13, " -1.00000E-07"},       // below 10**-6: ES12.5
  };
  for (const Case& c : cases) {
    EXPECT_EQ(One_Line([&](TextChannel& out) { Write_Real(out, c.x, c.width); }), c.expected)
        << c.x << " at width " << c.width;
  }
}

TEST(WriteReal, NotANumberReplacesBlankAndField) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(One_Line([&](TextChannel& out) { Write_Real(out, nan, 13); }), "  Not-a-Number");
  EXPECT_EQ(One_Line([&](TextChannel& out) { Write_Real(out, nan, 10); }), "  Not-a-Number");
}

TEST(WriteInteger, WidthOutsideOneToSixteenBecomesTen) {
  EXPECT_EQ(One_Line([](TextChannel& out) { Write_Integer(out, 42, 0); }), "        42");
  EXPECT_EQ(One_Line([](TextChannel& out) { Write_Integer(out, 42, 17); }), "        42");
  EXPECT_EQ(One_Line([](TextChannel& out) { Write_Integer(out, -42, 4); }), " -42");
  EXPECT_EQ(One_Line([](TextChannel& out) { Write_Integer(out, 12345, 3); }), "***");
}

TEST(ReportText, SoilNamesFillThirtyFourColumns) {
  EXPECT_EQ(One_Line([](TextChannel& out) {
              Write_Soil_Name(out, 4);
              Write_Text10(out, "|");
            }),
            "Stiff Clay w/o Free Water, using k|");
  EXPECT_EQ(One_Line([](TextChannel& out) {
              Write_Soil_Name(out, 17);
              Write_Text10(out, "|");
            }),
            std::string(34, ' ') + "|");
  EXPECT_EQ(One_Line([](TextChannel& out) {
              Write_Blanks(out, 3);
              Write_Text10(out, "SoftClay  ");
              Write_Text10(out, "|");
            }),
            "   SoftClay  |");
}

TEST(UnitLabels, EachSystemAndTheUnitIndependentPieces) {
  UnitLabels labels;
  Set_Unit_Labels(labels, 1);
  EXPECT_EQ(labels.c_UnitLength, "in ");
  EXPECT_EQ(labels.c_UnitMoment, "in-lb");
  EXPECT_EQ(labels.c_UnitStress, "psf ");
  Set_Unit_Labels(labels, 2);
  EXPECT_EQ(labels.c_UnitForce, "kN  ");
  EXPECT_EQ(labels.c_UnitWeight, "kN/m3");
  EXPECT_EQ(labels.c_UnitSmallLength, "mm");
  Set_Unit_Labels(labels, 3);
  EXPECT_EQ(labels.c_UnitStress, "F/L2");
  EXPECT_EQ(labels.c_UnitDepth, "L ");
  // A stress label composed from the pieces, as the writers build it.
  Set_Unit_Labels(labels, 1);
  std::string stress;
  for (const std::string_view* piece : {&labels.c_UnitForce3, &labels.c_UnitSlash, &labels.c_UnitLength,
                                   &labels.c_UnitPower, &labels.c_UnitSquare}) {
    stress += Trimmed(*piece);
  }
  EXPECT_EQ(stress, "lbs/in**2");
  Set_Unit_Labels(labels, 0);
  EXPECT_EQ(labels.c_UnitLength, "");
  EXPECT_EQ(labels.c_UnitCube, "3  ");
  EXPECT_EQ(labels.c_UnitPower, "**");
}

}  // namespace
}  // namespace tavik
