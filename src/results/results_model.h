// The results of one run as a program reads them back: what the plot file records (run head,
// moment-curvature curves, p-y curves at user depths, the node table and summary of every
// load case, the length studies, the pile-head stiffness rows), plus the node-table columns
// that only the report prints (slope, soil spring, distributed load) when the report is at
// hand. Plain data; numbers exactly as the files hold them, in the run's own units
// (`UnitSystem`). Built by `Read_Results` (plot_file_reader.h), read by the JSON writer, the
// figures and the batch summary.
#ifndef TAVIK_RESULTS_RESULTS_MODEL_H
#define TAVIK_RESULTS_RESULTS_MODEL_H

#include <optional>
#include <string>
#include <vector>

namespace tavik::results {

// IUNITS of the run: 1 US customary (lb, in), 2 SI (kN, m), 3 general (F, L).
enum class UnitSystem { kUSCustomary = 1, kSI = 2, kGeneral = 3 };

// Plot record "Line 1" and "Line 2".
struct RunHead {
  int icom = 0;  // 2 stiffness only, 3 full analysis
  UnitSystem units = UnitSystem::kUSCustomary;
  int kyl = 0;                    // 0 for the keyword input format
  bool stiffness_matrix = false;  // KXX = 1
  int num_sections = 0;
};

// One point of a bending-stiffness curve ("Line 5"): moment, EI and curvature in the section
// units (kip-in, kip-in2, 1/in in US customary; kN-m, kN-m2, 1/m in SI).
struct CurvePoint {
  double moment = 0.0;
  double ei = 0.0;
  double curvature = 0.0;
};

// The kind of bending-stiffness table, from the record labels of "Line 3" to "Line 5".
enum class StiffnessKind { kMomentCurvature, kElastic, kElasticPlastic };

// One axial thrust of a section ("Line 4" and its "Line 5" points).
struct ThrustCurve {
  double axial_thrust = 0.0;    // kips (US customary) or kN
  double nominal_moment = 0.0;  // nominal moment capacity, section moment unit
  std::vector<CurvePoint> points;
};

struct SectionCurves {
  int section = 0;  // 1-based section number
  StiffnessKind kind = StiffnessKind::kMomentCurvature;
  std::vector<ThrustCurve> thrusts;
};

// A p-y curve at a user depth ("Line 7" and its "Line 8" points).
struct PyPoint {
  double y = 0.0;
  double p = 0.0;
};
struct PyCurve {
  double depth = 0.0;
  std::string criterion;  // the criterion named in the record label, e.g. "soft clay"
  std::vector<PyPoint> points;
};

// One node of a load case ("Line 10"), with the report-only columns when the report was read.
struct NodeRow {
  double depth = 0.0;
  double deflection = 0.0;
  double moment = 0.0;
  double shear = 0.0;
  double soil_reaction = 0.0;
  double ei = 0.0;
  std::optional<double> slope;             // radians
  std::optional<double> soil_spring;       // Es*h, force/length
  std::optional<double> distributed_load;  // force/length
};

// Pile-head summary of a load case ("Line 13").
struct CaseSummary {
  double head_shear = 0.0;
  double head_deflection = 0.0;
  double max_moment = 0.0;
  double max_shear = 0.0;
  double head_rotation = 0.0;
};

// One point of the pile-head deflection against pile length ("Line 12").
struct LengthStudyPoint {
  double pile_length = 0.0;
  double head_deflection = 0.0;
  double max_moment = 0.0;
  double max_shear = 0.0;
};

struct LoadCaseResults {
  int number = 0;  // 1-based load case (or LRFD combination) number
  std::vector<NodeRow> nodes;
  std::optional<CaseSummary> summary;
  std::vector<LengthStudyPoint> length_study;  // empty when no study ran
};

// One row of the pile-head stiffness computation ("Line 14").
struct StiffnessRow {
  double shear = 0.0;
  double moment = 0.0;
  double k22 = 0.0;
  double k23 = 0.0;
  double k32 = 0.0;
  double k33 = 0.0;
  double head_deflection = 0.0;
  double head_rotation = 0.0;
};

struct RunResults {
  RunHead head;
  bool lrfd = false;  // the load cases are factored LRFD combinations
  std::vector<SectionCurves> sections;
  std::vector<PyCurve> py_curves;
  std::vector<LoadCaseResults> load_cases;
  std::vector<StiffnessRow> stiffness_matrix;
};

}  // namespace tavik::results

#endif  // TAVIK_RESULTS_RESULTS_MODEL_H
