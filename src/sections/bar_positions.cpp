#include "sections/bar_positions.h"

#include <cmath>
#include <numbers>

namespace tavik {

namespace {

constexpr double kLargestBarDiameter = 100.0;           // a larger bar diameter is taken as 0
constexpr double kTriangleHeight = 0.8660254037844386;  // sqrt(3)/2: third bar of a bundle
constexpr int kSingleBars = 1;
constexpr int kBundlesOfTwo = 2;
constexpr int kBundlesOfThree = 3;

void Place(BarCoordinates& x, BarCoordinates& y, int bar, double radius, double angle) {
  x[bar] = radius * std::cos(angle);
  y[bar] = radius * std::sin(angle);
}

}  // namespace

bool Position_Bars_In_Circle(BarCoordinates& x, BarCoordinates& y, double diameter, double cover,
                             double bar_diameter, int n, int kind) {
  x.fill(0.0);
  y.fill(0.0);
  const double db = std::abs(bar_diameter) > kLargestBarDiameter ? 0.0 : bar_diameter;
  const double radius = (diameter - db) / 2.0 - cover;
  const bool accepted = diameter > 0.0 && diameter >= db && cover > 0.0 && n >= 1 &&
                        kind >= kSingleBars && kind <= kBundlesOfThree && n <= kMaxBars / kind &&
                        radius > 0.0;
  if (!accepted) return false;

  const double spacing = 2.0 * std::numbers::pi / n;  // angle between positions
  const double spread = db / radius;                  // angle subtended by one bar
  for (int j = 0; j < n; ++j) {
    const double theta = j * spacing;
    switch (kind) {
      case kSingleBars:
        if (n > 1) Place(x, y, j, radius, theta);
        break;
      case kBundlesOfTwo:
        if (n == 1) {
          x[0] = -db / 2.0;
          x[1] = db / 2.0;
        } else {
          Place(x, y, 2 * j, radius, theta - spread / 2.0);
          Place(x, y, 2 * j + 1, radius, theta + spread / 2.0);
        }
        break;
      case kBundlesOfThree:
        Place(x, y, 3 * j, radius, theta - spread / 2.0);
        Place(x, y, 3 * j + 1, radius, theta + spread / 2.0);
        Place(x, y, 3 * j + 2, radius - db * kTriangleHeight, theta);
        break;
    }
  }
  return true;
}

bool Position_Strands_On_Square(BarCoordinates& x, BarCoordinates& y, double width, double cover,
                                double strand_diameter, int n, int pattern) {
  const double a = (width - strand_diameter) / 2.0 - cover;
  if (n < 1 || n > kMaxBars || n == 2 || n == 3 || (pattern != 1 && pattern != 2) || !(a > 0.0)) {
    return false;
  }
  const int m = n - n % 2;  // strands on the perimeter
  const int q = m / 4;
  int h = q + 1;  // per horizontal face, corners included
  int v = q - 1;  // per vertical face, between the corners
  if (m == 4 * q + 2) {
    if (pattern == 1) {
      h = q + 2;
    } else {
      v = q;
    }
  }

  int k = 0;  // next strand (0-based)
  auto put = [&](double px, double py) {
    x[k] = px;
    y[k] = py;
    ++k;
  };
  if (m > 0) {
    const double along = 2.0 * a / (h - 1);               // spacing on a horizontal face
    const double up = 2.0 * a / (v + 1);                  // gap on a vertical face
    for (int j = 0; j < h; ++j) put(-a + j * along, -a);  // bottom, left to right
    for (int j = 1; j <= v; ++j) put(a, -a + j * up);     // right, upwards
    for (int j = 0; j < h; ++j) put(a - j * along, a);    // top, right to left
    for (int j = 1; j <= v; ++j) put(-a, a - j * up);     // left, downwards
  }
  if (n % 2 == 1) put(0.0, 0.0);
  return true;
}

}  // namespace tavik
