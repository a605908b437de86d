// What the figures of a run show, as plain data: one `Figure` per kind whose data the run
// holds, each with its panels, axis labels (quantity and unit) and curves. Drawing them is the
// renderer's work (figure_renderer.h); this file decides what is drawn.
#ifndef TAVIK_RESULTS_FIGURES_H
#define TAVIK_RESULTS_FIGURES_H

#include <string>
#include <vector>

#include "results/results_model.h"

namespace tavik::results {

enum class SeriesStyle {
  kLine,           // a curve through the points
  kLineAndPoints,  // a curve with a mark at every point (few points, each one a result)
  kPoints          // marks only
};

// One curve of a panel. A reference series (the nominal moment capacities) is drawn in black
// marks over the data curves, which take the colours of the palette in order.
struct Series {
  std::string label;  // legend text
  std::vector<double> x;
  std::vector<double> y;
  SeriesStyle style = SeriesStyle::kLine;
  bool reference = false;
  std::vector<std::string> point_labels;  // empty, or one short text per point (case numbers)
};

struct Panel {
  std::string x_label;  // quantity and unit, e.g. "Deflection y (in)"
  std::string y_label;
  bool depth_axis = false;   // y is the depth below the pile head: it grows downwards
  bool x_from_zero = false;  // the x axis reaches zero (a load, a deflection, a curvature)
  bool y_from_zero = false;
  bool legend = true;  // false where the axis labels say all (one curve of pile-head values)
  std::vector<Series> series;
};

struct Figure {
  std::string name;   // file stem, e.g. "deflection" or "moment_curvature_section_1"
  std::string title;  // e.g. "Deflection against depth"
  bool portrait = false;
  std::vector<Panel> panels;  // one, or four drawn two by two
};

// The figures of a run, in the order of the page: the response against depth (deflection,
// slope when the report was read, moment, shear, soil reaction, EI), the p-y curves at user
// depths, the moment-curvature and EI-moment curves of every nonlinear section, the pile-head
// shear against deflection and against the maximum moment, the pile-head stiffness terms and
// the pile-head deflection against pile length. A kind whose records are absent is left out.
// Non-finite values are kept; the renderer skips them.
std::vector<Figure> Build_Figures(const RunResults& results);

// The nominal moment capacity of a thrust in the unit of the section curves' moments (US
// customary plot files hold it in in-lbs, the curves in in-kips).
double Nominal_Moment(const RunResults& results, const ThrustCurve& thrust);

}  // namespace tavik::results

#endif  // TAVIK_RESULTS_FIGURES_H
