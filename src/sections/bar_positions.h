// Placement of reinforcing bars and prestressing strands in a section's own coordinates:
// origin at the section centre, x to the right, y upwards, bending about the horizontal
// (x) axis. Lengths in the section-dimension unit (in, or m in SI). Both routines fill
// tables of 300 entries (the bar and strand tables of a section); bar k is element k - 1.
#ifndef TAVIK_SECTIONS_BAR_POSITIONS_H
#define TAVIK_SECTIONS_BAR_POSITIONS_H

#include <array>

#include "run/problem_data.h"

namespace tavik {

using BarCoordinates = std::array<double, kMaxBars>;

// Bars on a circle inside a round section of diameter `diameter`: n positions (bundles)
// equally spaced counterclockwise from the +x axis on the circle of bar centres of radius
// R = (diameter - bar_diameter)/2 - cover, with `kind` bars per position:
//   kind 1: single bars (n = 1: one bar at the centre);
//   kind 2: two touching bars per position, at angles -+ (bar_diameter/R)/2 about it
//           (n = 1: two bars side by side at the centre);
//   kind 3: as kind 2, plus a third bar on the position's angle, one bar-triangle height
//           (bar_diameter * sqrt(3)/2) inside the circle.
// x and y are cleared first (all 300 entries). A bar diameter above 100 is taken as 0.
// Positions are computed only when diameter > 0, diameter >= bar_diameter, cover > 0,
// 1 <= n, kind is 1 to 3, n * kind <= 300 and R > 0; otherwise the tables stay cleared
// and the result is false.
bool Position_Bars_In_Circle(BarCoordinates& x, BarCoordinates& y, double diameter, double cover,
                             double bar_diameter, int n, int kind);

// n strands on the perimeter of the square of half-side a = (width - strand_diameter)/2 -
// cover centred on the section, pattern 1 or 2. With m = n rounded down to even and q = m/4
// rounded down, each horizontal face (y = -a, y = +a) carries h strands corner to corner
// and each vertical face v strands between the corners:
//   m = 4q:     h = q + 1, v = q - 1 (both patterns)
//   m = 4q + 2: pattern 1 h = q + 2, v = q - 1; pattern 2 h = q + 1, v = q.
// Strand 1 is the corner (-a, -a); then the bottom face left to right, the right face
// upwards, the top face right to left from the corner (a, a), the left face downwards. An
// odd n puts strand n at the centre. Entries beyond n are left unchanged.
// Returns false, changing nothing, when n is outside 1 to 300, n is 2 or 3 (a square needs
// its four corners), the pattern is not 1 or 2, or a <= 0.
bool Position_Strands_On_Square(BarCoordinates& x, BarCoordinates& y, double width, double cover,
                                double strand_diameter, int n, int pattern);

}  // namespace tavik

#endif  // TAVIK_SECTIONS_BAR_POSITIONS_H
