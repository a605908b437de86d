// Placement of bars on a circle and of strands on a square, against positions worked out
// by hand from the geometry of the section.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "sections/bar_positions.h"

namespace tavik {
namespace {

constexpr double kTolerance = 1.0e-9;

using Point = std::pair<double, double>;

void Expect_Positions(const BarCoordinates& x, const BarCoordinates& y,
                      const std::vector<Point>& expected) {
  for (std::size_t k = 0; k < expected.size(); ++k) {
    SCOPED_TRACE(::testing::Message() << "bar " << k + 1);
    EXPECT_NEAR(x[k], expected[k].first, kTolerance);
    EXPECT_NEAR(y[k], expected[k].second, kTolerance);
  }
}

// Single bars. D = 36, cover 3, bar 1: centres on R = (36 - 1)/2 - 3 = 14.5, every 60
// degrees from +x: (14.5 cos 60k, 14.5 sin 60k), cos 60 = 0.5, sin 60 = 0.8660254037844386.
TEST(BarsInCircle, SingleBarsEquallySpacedFromThePositiveX) {
  BarCoordinates x{};
  BarCoordinates y{};
  ASSERT_TRUE(Position_Bars_In_Circle(x, y, 36.0, 3.0, 1.0, 6, 1));
  const double s = 14.5 * 0.8660254037844386;  // 12.557368...
  Expect_Positions(x, y,
                   {{14.5, 0.0}, {7.25, s}, {-7.25, s}, {-14.5, 0.0}, {-7.25, -s}, {7.25, -s}});
  EXPECT_EQ(x[6], 0.0);  // the rest of the table is cleared

  // 4 bars on a 20 in circle: D = 24, cover 1.5, bar 1 -> R = 11.5 - 1.5 = 10.
  ASSERT_TRUE(Position_Bars_In_Circle(x, y, 24.0, 1.5, 1.0, 4, 1));
  Expect_Positions(x, y, {{10.0, 0.0}, {0.0, 10.0}, {-10.0, 0.0}, {0.0, -10.0}});
}

// Bundles on R = 10 with bar 1: each bar is turned by half of db/R = 0.1 rad either side
// of its position: cos 0.05 = 0.99875026039496628, sin 0.05 = 0.04997916927067833.
TEST(BarsInCircle, BundlesOfTwoAndThree) {
  const double c = 10.0 * 0.99875026039496628;
  const double s = 10.0 * 0.04997916927067833;
  BarCoordinates x{};
  BarCoordinates y{};
  ASSERT_TRUE(Position_Bars_In_Circle(x, y, 24.0, 1.5, 1.0, 4, 2));
  Expect_Positions(x, y, {{c, -s}, {c, s}, {s, c}, {-s, c}, {-c, s}, {-c, -s}, {-s, -c}, {s, -c}});

  // Bundles of three at 0 and 180 degrees: the third bar lies on the position's angle, one
  // triangle height (sqrt(3)/2 x 1) inside: radius 10 - 0.8660254037844386.
  ASSERT_TRUE(Position_Bars_In_Circle(x, y, 24.0, 1.5, 1.0, 2, 3));
  const double inner = 10.0 - 0.8660254037844386;
  Expect_Positions(x, y, {{c, -s}, {c, s}, {inner, 0.0}, {-c, s}, {-c, -s}, {-inner, 0.0}});
}

TEST(BarsInCircle, OnePositionIsAtTheCentre) {
  BarCoordinates x{};
  BarCoordinates y{};
  ASSERT_TRUE(Position_Bars_In_Circle(x, y, 24.0, 1.5, 1.0, 1, 1));
  Expect_Positions(x, y, {{0.0, 0.0}});
  // Two bars side by side, touching at the centre.
  ASSERT_TRUE(Position_Bars_In_Circle(x, y, 24.0, 1.5, 1.0, 1, 2));
  Expect_Positions(x, y, {{-0.5, 0.0}, {0.5, 0.0}});
}

// Arguments with which no circle of bars exists (or whose bars would not fit in the table
// of 300) are refused and leave the tables cleared; nothing divides by zero.
TEST(BarsInCircle, RefusesWhatDoesNotFit) {
  struct Case {
    const char* why;
    double diameter, cover, bar_diameter;
    int n, kind;
  };
  const Case cases[] = {
      {"zero diameter", 0.0, 1.5, 1.0, 4, 1},
      {"zero cover", 24.0, 0.0, 1.0, 4, 1},
      {"negative cover", 24.0, -1.0, 1.0, 4, 1},
      {"bar wider than the section", 1.0, 0.1, 2.0, 4, 1},
      {"no radius left: (10 - 1)/2 - 5 < 0", 10.0, 5.0, 1.0, 4, 1},
      {"radius exactly 0: (11 - 1)/2 - 5", 11.0, 5.0, 1.0, 4, 1},
      {"no positions", 24.0, 1.5, 1.0, 0, 1},
      {"kind 0", 24.0, 1.5, 1.0, 4, 0},
      {"kind 4", 24.0, 1.5, 1.0, 4, 4},
      {"301 single bars", 24.0, 1.5, 0.1, 301, 1},
      {"101 bundles of three = 303 bars", 24.0, 1.5, 0.1, 101, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    BarCoordinates x{};
    BarCoordinates y{};
    x.fill(7.0);
    y.fill(7.0);
    EXPECT_FALSE(Position_Bars_In_Circle(x, y, c.diameter, c.cover, c.bar_diameter, c.n, c.kind));
    EXPECT_EQ(x, BarCoordinates{});
    EXPECT_EQ(y, BarCoordinates{});
  }
  // The full table is accepted: 150 bundles of two fill all 300 entries.
  BarCoordinates x{};
  BarCoordinates y{};
  EXPECT_TRUE(Position_Bars_In_Circle(x, y, 240.0, 1.5, 1.0, 150, 2));
  EXPECT_NE(x[299], 0.0);
}

// B = 24, cover 2, strand 0.5: a = (24 - 0.5)/2 - 2 = 9.75. 12 strands: q = 3, h = 4 per
// horizontal face (spacing 19.5/3 = 6.5), v = 2 per vertical face (gaps 19.5/3 = 6.5).
const std::vector<Point> kTwelveOnSquare = {
    {-9.75, -9.75}, {-3.25, -9.75}, {3.25, -9.75}, {9.75, -9.75},  // bottom, left to right
    {9.75, -3.25},  {9.75, 3.25},                                  // right, upwards
    {9.75, 9.75},   {3.25, 9.75},   {-3.25, 9.75}, {-9.75, 9.75},  // top, right to left
    {-9.75, 3.25},  {-9.75, -3.25}};                               // left, downwards

TEST(StrandsOnSquare, TwelveStrandsBothPatterns) {
  for (int pattern : {1, 2}) {
    SCOPED_TRACE(pattern);
    BarCoordinates x{};
    BarCoordinates y{};
    ASSERT_TRUE(Position_Strands_On_Square(x, y, 24.0, 2.0, 0.5, 12, pattern));
    Expect_Positions(x, y, kTwelveOnSquare);
  }
}

// 14 strands (q = 3, m = 4q + 2): pattern 1 puts the extra pair on the horizontal faces
// (h = 5, spacing 19.5/4 = 4.875; v = 2, gaps 6.5), pattern 2 on the vertical faces (h = 4,
// spacing 6.5; v = 3, gaps 4.875).
TEST(StrandsOnSquare, ExtraPairGoesToTheFacesOfThePattern) {
  BarCoordinates x{};
  BarCoordinates y{};
  ASSERT_TRUE(Position_Strands_On_Square(x, y, 24.0, 2.0, 0.5, 14, 1));
  Expect_Positions(x, y,
                   {{-9.75, -9.75},
                    {-4.875, -9.75},
                    {0.0, -9.75},
                    {4.875, -9.75},
                    {9.75, -9.75},
                    {9.75, -3.25},
                    {9.75, 3.25},
                    {9.75, 9.75},
                    {4.875, 9.75},
                    {0.0, 9.75},
                    {-4.875, 9.75},
                    {-9.75, 9.75},
                    {-9.75, 3.25},
                    {-9.75, -3.25}});

  ASSERT_TRUE(Position_Strands_On_Square(x, y, 24.0, 2.0, 0.5, 14, 2));
  Expect_Positions(x, y,
                   {{-9.75, -9.75},
                    {-3.25, -9.75},
                    {3.25, -9.75},
                    {9.75, -9.75},
                    {9.75, -4.875},
                    {9.75, 0.0},
                    {9.75, 4.875},
                    {9.75, 9.75},
                    {3.25, 9.75},
                    {-3.25, 9.75},
                    {-9.75, 9.75},
                    {-9.75, 4.875},
                    {-9.75, 0.0},
                    {-9.75, -4.875}});
}

TEST(StrandsOnSquare, OddStrandGoesToTheCentreAndTheRestIsUntouched) {
  BarCoordinates x{};
  BarCoordinates y{};
  x.fill(7.0);
  y.fill(7.0);
  ASSERT_TRUE(Position_Strands_On_Square(x, y, 24.0, 2.0, 0.5, 13, 1));
  std::vector<Point> expected = kTwelveOnSquare;
  expected.push_back({0.0, 0.0});
  Expect_Positions(x, y, expected);
  EXPECT_EQ(x[13], 7.0);
  EXPECT_EQ(y[299], 7.0);

  ASSERT_TRUE(Position_Strands_On_Square(x, y, 24.0, 2.0, 0.5, 1, 2));
  Expect_Positions(x, y, {{0.0, 0.0}});
}

// 2 or 3 strands cannot make the four corners of a square; nothing is changed.
TEST(StrandsOnSquare, RefusesArrangementsWithoutASquare) {
  struct Case {
    const char* why;
    double width, cover;
    int n, pattern;
  };
  const Case cases[] = {
      {"2 strands", 24.0, 2.0, 2, 1},
      {"3 strands", 24.0, 2.0, 3, 2},
      {"no strands", 24.0, 2.0, 0, 1},
      {"301 strands", 24.0, 2.0, 301, 1},
      {"pattern 0", 24.0, 2.0, 8, 0},
      {"pattern 3", 24.0, 2.0, 8, 3},
      {"half-side 0: (4.5 - 0.5)/2 - 2", 4.5, 2.0, 8, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    BarCoordinates x{};
    BarCoordinates y{};
    x.fill(7.0);
    EXPECT_FALSE(Position_Strands_On_Square(x, y, c.width, c.cover, 0.5, c.n, c.pattern));
    EXPECT_EQ(x[0], 7.0);
  }
}

}  // namespace
}  // namespace tavik
