#include "results/figures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>

#include "results/result_units.h"

namespace tavik::results {

namespace {

// Significant digits of the numbers written into legend texts (thrusts, depths).
constexpr int kLegendDigits = 6;
// A curve against depth needs two nodes.
constexpr std::size_t kMinimumCurvePoints = 2;
// US customary plot files hold the nominal moment capacity in in-lbs, the curves in in-kips.
constexpr double kPoundsPerKip = 1000.0;

std::string Short_Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*g", kLegendDigits, value);
  return text;
}

std::string Case_Label(const RunResults& results, int number) {
  return (results.lrfd ? "LRFD combination " : "Load case ") + std::to_string(number);
}

// A figure of more than kMaxNamedCurves load-case curves names each curve by its number only,
// and says so in its title, so that the legend stays a few lines high.
constexpr std::size_t kMaxNamedCurves = 10;

Figure Case_Figure(const RunResults& results, const char* name, const char* title, bool portrait,
                   Panel panel) {
  std::string full_title = title;
  if (panel.series.size() > kMaxNamedCurves) {
    for (Series& series : panel.series) {
      series.label = series.label.substr(series.label.rfind(' ') + 1);
    }
    full_title += results.lrfd ? ", by LRFD combination" : ", by load case";
  }
  return Figure{name, full_title, portrait, {std::move(panel)}};
}

// One response quantity of the node table, drawn against depth.
struct DepthQuantity {
  const char* name;
  const char* title;
  std::string label;
  std::function<std::optional<double>(const NodeRow&)> value;
};

std::vector<DepthQuantity> Depth_Quantities(const ResultUnits& u) {
  return {
      {"deflection", "Deflection against depth", "Deflection y (" + u.length + ")",
       [](const NodeRow& n) { return std::optional<double>(n.deflection); }},
      {"slope", "Slope against depth", "Slope S (" + u.rotation + ")",
       [](const NodeRow& n) { return n.slope; }},
      {"moment", "Bending moment against depth", "Bending moment M (" + u.moment + ")",
       [](const NodeRow& n) { return std::optional<double>(n.moment); }},
      {"shear", "Shear force against depth", "Shear force V (" + u.force + ")",
       [](const NodeRow& n) { return std::optional<double>(n.shear); }},
      {"soil_reaction", "Soil reaction against depth", "Soil reaction p (" + u.line_load + ")",
       [](const NodeRow& n) { return std::optional<double>(n.soil_reaction); }},
      {"bending_stiffness", "Bending stiffness against depth",
       "Bending stiffness EI (" + u.stiffness + ")",
       [](const NodeRow& n) { return std::optional<double>(n.ei); }},
  };
}

// One curve per load case through the nodes that hold the quantity: all of them, except for
// the slope, which only the report gives, at the nodes it prints (every PrintIncrement-th).
std::optional<Figure> Depth_Figure(const RunResults& results, const DepthQuantity& quantity,
                                   const ResultUnits& u) {
  Panel panel;
  panel.x_label = quantity.label;
  panel.y_label = "Depth below pile head (" + u.length + ")";
  panel.depth_axis = true;
  for (const LoadCaseResults& load_case : results.load_cases) {
    Series series;
    series.label = Case_Label(results, load_case.number);
    for (const NodeRow& node : load_case.nodes) {
      const std::optional<double> value = quantity.value(node);
      if (!value) continue;
      series.x.push_back(*value);
      series.y.push_back(node.depth);
    }
    if (series.x.size() >= kMinimumCurvePoints) panel.series.push_back(std::move(series));
  }
  if (panel.series.empty()) return std::nullopt;
  return Case_Figure(results, quantity.name, quantity.title, true, std::move(panel));
}

std::optional<Figure> Py_Figure(const RunResults& results, const ResultUnits& u) {
  Panel panel;
  panel.x_label = "Deflection y (" + u.length + ")";
  panel.y_label = "Soil reaction p (" + u.line_load + ")";
  panel.x_from_zero = panel.y_from_zero = true;
  for (const PyCurve& curve : results.py_curves) {
    if (curve.points.empty()) continue;
    Series series;
    series.label = "Depth " + Short_Number(curve.depth) + " " + u.length;
    if (!curve.criterion.empty()) series.label += ", " + curve.criterion;
    for (const PyPoint& point : curve.points) {
      series.x.push_back(point.y);
      series.y.push_back(point.p);
    }
    panel.series.push_back(std::move(series));
  }
  if (panel.series.empty()) return std::nullopt;
  return Figure{"py_curves", "p-y curves at the requested depths", false, {std::move(panel)}};
}

// Where a curve first reaches the moment `target`, by linear interpolation between its points
// (moments ascending along the curve): the value of `other` there. None when the curve stays
// below the target or starts above it.
std::optional<double> At_Moment(const ThrustCurve& thrust, double target,
                                double CurvePoint::*other) {
  const std::vector<CurvePoint>& points = thrust.points;
  for (std::size_t k = 0; k < points.size(); ++k) {
    if (points[k].moment < target) continue;
    if (k == 0)
      return points[0].moment == target ? std::optional<double>(points[0].*other) : std::nullopt;
    const CurvePoint& a = points[k - 1];
    const CurvePoint& b = points[k];
    const double t = (target - a.moment) / (b.moment - a.moment);
    return a.*other + t * (b.*other - a.*other);
  }
  return std::nullopt;
}

std::string Thrust_Label(double thrust, const ResultUnits& u) {
  return "Thrust " + Short_Number(thrust) + " " + u.section_force;
}

// The moment-curvature and EI-moment figures of a section: one curve per thrust, the nominal
// moment capacity of each thrust marked on its curve (black diamonds).
void Section_Figures(const RunResults& results, const SectionCurves& section, const ResultUnits& u,
                     std::vector<Figure>& figures) {
  Panel curvature;
  curvature.x_label = "Curvature φ (" + u.section_curvature + ")";
  curvature.y_label = "Bending moment M (" + u.section_moment + ")";
  Panel stiffness;
  stiffness.x_label = "Bending moment M (" + u.section_moment + ")";
  stiffness.y_label = "Bending stiffness EI (" + u.section_stiffness + ")";
  curvature.x_from_zero = curvature.y_from_zero = true;
  stiffness.x_from_zero = stiffness.y_from_zero = true;
  Series curvature_marks{"Nominal moment capacity", {}, {}, SeriesStyle::kPoints, true, {}};
  Series stiffness_marks = curvature_marks;
  for (const ThrustCurve& thrust : section.thrusts) {
    if (thrust.points.empty()) continue;
    Series mc{Thrust_Label(thrust.axial_thrust, u), {}, {}, SeriesStyle::kLine, false, {}};
    Series em = mc;
    for (const CurvePoint& point : thrust.points) {
      mc.x.push_back(point.curvature);
      mc.y.push_back(point.moment);
      em.x.push_back(point.moment);
      em.y.push_back(point.ei);
    }
    curvature.series.push_back(std::move(mc));
    stiffness.series.push_back(std::move(em));
    const double mn = Nominal_Moment(results, thrust);
    if (const auto phi = At_Moment(thrust, mn, &CurvePoint::curvature)) {
      curvature_marks.x.push_back(*phi);
      curvature_marks.y.push_back(mn);
    }
    if (const auto ei = At_Moment(thrust, mn, &CurvePoint::ei)) {
      stiffness_marks.x.push_back(mn);
      stiffness_marks.y.push_back(*ei);
    }
  }
  if (curvature.series.empty()) return;
  if (!curvature_marks.x.empty()) curvature.series.push_back(std::move(curvature_marks));
  if (!stiffness_marks.x.empty()) stiffness.series.push_back(std::move(stiffness_marks));
  const std::string number = std::to_string(section.section);
  figures.push_back({"moment_curvature_section_" + number,
                     "Moment against curvature, section " + number,
                     false,
                     {std::move(curvature)}});
  figures.push_back({"ei_moment_section_" + number,
                     "Bending stiffness against moment, section " + number,
                     false,
                     {std::move(stiffness)}});
}

// The pile-head shear of every load case against another summary value, in ascending order
// of that value, each point labelled with its case number.
std::optional<Figure> Head_Shear_Figure(const RunResults& results, const char* name,
                                        const char* title, const std::string& x_label,
                                        double CaseSummary::*x_value, const ResultUnits& u) {
  std::vector<std::pair<double, const LoadCaseResults*>> cases;
  for (const LoadCaseResults& load_case : results.load_cases) {
    if (load_case.summary) cases.emplace_back((*load_case.summary).*x_value, &load_case);
  }
  if (cases.empty()) return std::nullopt;
  std::stable_sort(cases.begin(), cases.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  Series series{results.lrfd ? "LRFD combinations" : "Load cases",
                {},
                {},
                SeriesStyle::kLineAndPoints,
                false,
                {}};
  for (const auto& [x, load_case] : cases) {
    series.x.push_back(x);
    series.y.push_back(load_case->summary->head_shear);
    series.point_labels.push_back(std::to_string(load_case->number));
  }
  Panel panel;
  panel.x_label = x_label;
  panel.y_label = "Pile-head shear V (" + u.force + ")";
  panel.x_from_zero = panel.y_from_zero = true;
  panel.legend = false;
  panel.series.push_back(std::move(series));
  return Figure{name, title, false, {std::move(panel)}};
}

std::optional<Figure> Stiffness_Figure(const RunResults& results, const ResultUnits& u) {
  if (results.stiffness_matrix.empty()) return std::nullopt;
  const std::string shear = "Pile-head shear V (" + u.force + ")";
  const std::string moment = "Pile-head moment M (" + u.moment + ")";
  struct Term {
    const char* name;
    std::string unit;
    bool against_moment;
    double StiffnessRow::*value;
  };
  const Term terms[] = {
      {"K22", u.force + "/" + u.length, false, &StiffnessRow::k22},
      {"K23", u.force + "/rad", true, &StiffnessRow::k23},
      {"K32", u.moment + "/" + u.length, false, &StiffnessRow::k32},
      {"K33", u.moment + "/rad", true, &StiffnessRow::k33},
  };
  Figure figure{"stiffness_matrix", "Pile-head stiffness terms against load level", false, {}};
  for (const Term& term : terms) {
    Series series{term.name, {}, {}, SeriesStyle::kLineAndPoints, false, {}};
    for (const StiffnessRow& row : results.stiffness_matrix) {
      series.x.push_back(term.against_moment ? row.moment : row.shear);
      series.y.push_back(row.*(term.value));
    }
    Panel panel;
    panel.x_label = term.against_moment ? moment : shear;
    panel.y_label = std::string(term.name) + " (" + term.unit + ")";
    panel.x_from_zero = panel.y_from_zero = true;
    panel.legend = false;
    panel.series.push_back(std::move(series));
    figure.panels.push_back(std::move(panel));
  }
  return figure;
}

std::optional<Figure> Length_Study_Figure(const RunResults& results, const ResultUnits& u) {
  Panel panel;
  panel.x_label = "Pile length (" + u.length + ")";
  panel.y_label = "Pile-head deflection (" + u.length + ")";
  panel.y_from_zero = true;
  for (const LoadCaseResults& load_case : results.load_cases) {
    if (load_case.length_study.empty()) continue;
    Series series{Case_Label(results, load_case.number), {},    {},
                  SeriesStyle::kLineAndPoints,           false, {}};
    for (const LengthStudyPoint& point : load_case.length_study) {
      series.x.push_back(point.pile_length);
      series.y.push_back(point.head_deflection);
    }
    panel.series.push_back(std::move(series));
  }
  if (panel.series.empty()) return std::nullopt;
  return Case_Figure(results, "length_study", "Pile-head deflection against pile length", false,
                     std::move(panel));
}

}  // namespace

double Nominal_Moment(const RunResults& results, const ThrustCurve& thrust) {
  return results.head.units == UnitSystem::kUSCustomary ? thrust.nominal_moment / kPoundsPerKip
                                                        : thrust.nominal_moment;
}

std::vector<Figure> Build_Figures(const RunResults& results) {
  const ResultUnits u = Result_Units(results.head.units);
  std::vector<Figure> figures;
  auto add = [&figures](std::optional<Figure> figure) {
    if (figure) figures.push_back(std::move(*figure));
  };
  for (const DepthQuantity& quantity : Depth_Quantities(u)) {
    add(Depth_Figure(results, quantity, u));
  }
  add(Py_Figure(results, u));
  for (const SectionCurves& section : results.sections) {
    // A linear elastic section's table is a lookup of its constant EI over an arbitrary
    // curvature range, not a moment-curvature analysis: the EI against depth shows it.
    if (section.kind == StiffnessKind::kElastic) continue;
    Section_Figures(results, section, u, figures);
  }
  add(Head_Shear_Figure(results, "head_shear_deflection", "Pile-head shear against deflection",
                        "Pile-head deflection y (" + u.length + ")", &CaseSummary::head_deflection,
                        u));
  add(Head_Shear_Figure(results, "head_shear_max_moment", "Pile-head shear against maximum moment",
                        "Maximum bending moment (" + u.moment + ")", &CaseSummary::max_moment, u));
  add(Stiffness_Figure(results, u));
  add(Length_Study_Figure(results, u));
  return figures;
}

}  // namespace tavik::results
