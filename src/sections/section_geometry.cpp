#include "sections/section_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tavik {

namespace {
// Half-angle cosines closer to 0 than this are taken as a half circle.
constexpr double kHalfCircleCosine = 1e-12;
// Cosines beyond +-1 by rounding are pulled back to +-1 when they lie beyond +-0.99.
constexpr double kCosineClamp = 0.99;
// Clipped vertices closer than this (squared distance) to an earlier one are dropped.
constexpr double kDuplicateDistanceSquared = 1e-8;

struct Point {
  double x;
  double y;
};
}  // namespace

double Circular_Segment_Area(double d, double h) {
  // Segment of half-angle alpha = arccos(b), b = 1 - h / r: A = d**2 / 8 (2 alpha - sin 2 alpha).
  double b = 1.0 - h / (d / 2.0);
  if (std::fabs(b) > 1.0) {
    if (b > kCosineClamp) b = 1.0;
    if (b < -kCosineClamp) b = -1.0;
  }
  double alpha = std::numbers::pi / 2.0;
  if (std::fabs(b) >= kHalfCircleCosine) {
    alpha = std::atan(std::sqrt(std::fabs(1.0 - b * b)) / b);
    if (b < 0.0) alpha += std::numbers::pi;
  }
  return d * d / 8.0 * (2.0 * alpha - std::sin(2.0 * alpha));
}

double Polygon_Area_Below(const EI_Vars& vars, double level) {
  // Sutherland-Hodgman clip of the closed outline against y <= level.
  const int n = vars.NumOutlinePoints;
  std::array<Point, 2 * kMaxOutlinePoints + 2> clipped{};
  int count = 0;
  auto emit = [&](Point p) {
    if (count < static_cast<int>(clipped.size())) clipped[count] = p;
    ++count;
  };
  auto crossing = [level](Point a, Point b) {
    const double x = (b.x == a.x) ? a.x : a.x + (level - a.y) * (b.x - a.x) / (b.y - a.y);
    return Point{x, level};
  };
  for (int i = 0; i < n; ++i) {
    const Point a{vars.OutlineX[i], vars.OutlineY[i]};
    const int next = (i + 1 < n) ? i + 1 : 0;
    const Point b{vars.OutlineX[next], vars.OutlineY[next]};
    const bool a_inside = a.y <= level;
    const bool b_inside = b.y <= level;
    if (a_inside && b_inside) {
      if (count == 0) emit(a);
      emit(b);
    } else if (a_inside) {
      if (count == 0) emit(a);
      emit(crossing(a, b));
    } else if (b_inside) {
      emit(crossing(a, b));
      emit(b);
    }
  }
  count = std::min(count, static_cast<int>(clipped.size()));
  if (count > 1 && clipped[count - 1].x == clipped[0].x && clipped[count - 1].y == clipped[0].y) {
    --count;
  }
  // Remove near-duplicates, keeping the earlier vertex.
  int kept = 0;
  for (int i = 0; i < count; ++i) {
    bool duplicate = false;
    for (int k = 0; k < kept && !duplicate; ++k) {
      const double dx = clipped[i].x - clipped[k].x;
      const double dy = clipped[i].y - clipped[k].y;
      duplicate = dx * dx + dy * dy < kDuplicateDistanceSquared;
    }
    if (!duplicate) clipped[kept++] = clipped[i];
  }
  if (kept < 3 || kept > kMaxClippedPoints) return 0.0;
  double twice_area = 0.0;
  for (int i = 0; i < kept; ++i) {
    const Point& p = clipped[i];
    const Point& q = clipped[(i + 1) % kept];
    twice_area += p.x * q.y - q.x * p.y;
  }
  return 0.5 * twice_area;
}

double Polygon_Slice_Area(const EI_Vars& vars, double y_low, double y_high) {
  return Polygon_Area_Below(vars, y_high) - Polygon_Area_Below(vars, y_low);
}

int fn_FindSliceY(const EI_Vars& vars, double y) {
  for (int k = 1; k <= kNumSlices; ++k) {
    if (vars.SliceY[k - 1] >= y && y > vars.SliceY[k]) return k;
  }
  return kNumSlices;
}

}  // namespace tavik
