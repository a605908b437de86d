// A small run built in memory for the figure and page tests, and readers of the svg files
// PLplot's svg driver writes (texts as <text> elements of character references, lines as
// <polyline> elements in PLplot's own coordinates, y upwards).
#ifndef TAVIK_TESTS_RESULTS_FIGURE_FIXTURE_H
#define TAVIK_TESTS_RESULTS_FIGURE_FIXTURE_H

#include <string>
#include <vector>

#include "results/results_model.h"

namespace tavik::results::testing {

// US customary run: section 1 nonlinear with two thrusts, section 2 linear elastic, two p-y
// curves, three load cases of five nodes (slope read from the report), a length study for
// load case 2, three stiffness rows.
RunResults Sample_Run();

// Every text of the drawing, its character references decoded to UTF-8.
std::vector<std::string> Svg_Texts(const std::string& svg);

// The polylines of at least three points drawn in a data colour (not black, white or the
// grey of the grid): the curves. Each is its list of (x, y) points.
struct SvgLine {
  std::string stroke;
  std::vector<std::pair<double, double>> points;
};
std::vector<SvgLine> Svg_Curves(const std::string& svg);

// How many texts equal `text`.
int Count_Texts(const std::vector<std::string>& texts, const std::string& text);

}  // namespace tavik::results::testing

#endif  // TAVIK_TESTS_RESULTS_FIGURE_FIXTURE_H
