#include <array>
#include <cmath>
#include <numbers>

#include "sections/section_reports.h"

namespace tavik {

namespace {

// Two bar areas closer than this (sq. in.) are the same standard bar.
constexpr double kAreaMatch = 1.0e-6;

struct StandardBar {
  double area;      // sq. in.
  double diameter;  // in
};

// Nominal areas and diameters of the standard bar sizes, in table order (the first match
// wins): the US inch-pound sizes #3 to #11, #14 and #18, then two series of metric sizes
// expressed in inches. The values are single-precision constants.
constexpr std::array<StandardBar, 40> kStandardBars = {{
    {0.11, 0.375},
    {0.2, 0.5},
    {0.31, 0.625},
    {0.44, 0.75},
    {0.6, 0.875},
    {0.79, 1.0},
    {1.0, 1.128},
    {1.27, 1.27},
    {1.56, 1.41},
    {2.25, 1.693},
    {4.0, 2.257},
    {0.1550003, 0.4448819},
    {0.3100006, 0.6299213},
    {0.465001, 0.7677166},
    {0.7750016, 0.992126},
    {1.085002, 1.177165},
    {1.550003, 1.405512},
    {2.325005, 1.720472},
    {3.875008, 2.220473},
    {0.04340009, 0.2362205},
    {0.07750016, 0.3149607},
    {0.1224502, 0.3937008},
    {0.1751504, 0.472441},
    {0.2387005, 0.5511811},
    {0.3115506, 0.6299213},
    {0.486701, 0.7874016},
    {0.7610516, 0.984252},
    {1.246203, 1.259843},
    {1.946804, 1.574803},
    {0.0490886, 0.25},
    {0.1105617, 0.3751969},
    {0.1963854, 0.5},
    {0.3078306, 0.6259843},
    {0.4440759, 0.7519685},
    {0.6000062, 0.8740157},
    {0.9957221, 1.125984},
    {1.231012, 1.251969},
    {1.482733, 1.374016},
    {1.767004, 1.503937},
    {2.077004, 1.625984},
}};

}  // namespace

// Bar_Diameter_From_Area: the nominal diameter (in) of a standard bar whose area (sq. in.)
// matches `area` within 1e-6; otherwise the diameter of a circle of that area, and 0 for a
// negative area.
double Bar_Diameter_From_Area(double area) {
  for (const StandardBar& bar : kStandardBars) {
    if (std::abs(area - bar.area) <= kAreaMatch) return bar.diameter;
  }
  if (area < 0.0) return 0.0;
  return std::sqrt(4.0 * area / std::numbers::pi);
}

}  // namespace tavik
