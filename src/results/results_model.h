// The results of one run as a program reads them back: what the plot file records (run head,
// moment-curvature curves, p-y curves at user depths, the node table and summary of every
// load case, the length studies, the pile-head stiffness rows), plus the node-table columns
// that only the report prints (slope, soil spring, distributed load) when the report is at
// hand. Plain data; numbers exactly as the files hold them, in the run's own units
// (`UnitSystem`). Built by `Read_Results` (plot_file_reader.h), read by the JSON writer, the
// figures and the batch summary.
//
// Units, as the engine writes them: the pile (node depths, deflections, lengths, p-y curves)
// in its internal units, inches and pounds in US customary units (depths in inches, not
// feet), metres and kilonewtons in SI, L and F in general units; the section tables in the
// section units (kips and inches in US customary units, kN and metres in SI), except the
// nominal moment capacity of "Line 4", which US customary runs write in in-lbs.
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
  bool operator==(const RunHead&) const = default;
};

// One point of a bending-stiffness curve ("Line 5"): moment, EI and curvature in the section
// units (kip-in, kip-in2, 1/in in US customary; kN-m, kN-m2, 1/m in SI).
struct CurvePoint {
  double moment = 0.0;
  double ei = 0.0;
  double curvature = 0.0;
  bool operator==(const CurvePoint&) const = default;
};

// The kind of bending-stiffness table, from the label of its "Line 4" records. A user-EI
// section has the labels of a moment-curvature section and reads as one.
enum class StiffnessKind { kMomentCurvature, kElastic, kElasticPlastic };

// One axial thrust of a section ("Line 4" and its "Line 5" points).
struct ThrustCurve {
  double axial_thrust = 0.0;    // kips (US customary) or kN
  double nominal_moment = 0.0;  // nominal moment capacity: in-lbs (US customary) or kN-m
  std::vector<CurvePoint> points;
  bool operator==(const ThrustCurve&) const = default;
};

struct SectionCurves {
  int section = 0;  // 1-based section number
  StiffnessKind kind = StiffnessKind::kMomentCurvature;
  std::vector<ThrustCurve> thrusts;
  bool operator==(const SectionCurves&) const = default;
};

// A p-y curve at a user depth ("Line 7" and its "Line 8" points).
struct PyPoint {
  double y = 0.0;  // deflection, pile length unit
  double p = 0.0;  // soil reaction, force/length
  bool operator==(const PyPoint&) const = default;
};
struct PyCurve {
  double depth = 0.0;     // below the pile head, pile length unit
  std::string criterion;  // the criterion named in the record label, e.g. "soft clay"
  std::vector<PyPoint> points;
  bool operator==(const PyCurve&) const = default;
};

// One node of a load case ("Line 10"), with the report-only columns when the report was read
// and printed the node (the report prints every PrintIncrement-th node only).
struct NodeRow {
  double depth = 0.0;  // below the pile head, pile length unit
  double deflection = 0.0;
  double moment = 0.0;
  double shear = 0.0;
  double soil_reaction = 0.0;
  double ei = 0.0;
  std::optional<double> slope;             // radians
  std::optional<double> soil_spring;       // Es*h, force/length
  std::optional<double> distributed_load;  // force/length
  bool operator==(const NodeRow&) const = default;
};

// Pile-head summary of a load case ("Line 13").
struct CaseSummary {
  double head_shear = 0.0;
  double head_deflection = 0.0;
  double max_moment = 0.0;
  double max_shear = 0.0;
  double head_rotation = 0.0;
  bool operator==(const CaseSummary&) const = default;
};

// One point of the pile-head deflection against pile length ("Line 12").
struct LengthStudyPoint {
  double pile_length = 0.0;
  double head_deflection = 0.0;
  double max_moment = 0.0;
  double max_shear = 0.0;
  bool operator==(const LengthStudyPoint&) const = default;
};

struct LoadCaseResults {
  int number = 0;  // 1-based load case (or LRFD combination) number
  std::vector<NodeRow> nodes;
  std::optional<CaseSummary> summary;
  std::vector<LengthStudyPoint> length_study;  // empty when no study ran
  bool operator==(const LoadCaseResults&) const = default;
};

// One row of the pile-head stiffness computation ("Line 14"): the load level, the four
// stiffnesses (K22 force/length, K23 force/radian, K32 moment/length, K33 moment/radian) and
// the magnitudes of the head deflection (fixed head) and rotation (restrained head).
struct StiffnessRow {
  double shear = 0.0;
  double moment = 0.0;
  double k22 = 0.0;
  double k23 = 0.0;
  double k32 = 0.0;
  double k33 = 0.0;
  double head_deflection = 0.0;
  double head_rotation = 0.0;
  bool operator==(const StiffnessRow&) const = default;
};

struct RunResults {
  RunHead head;
  bool lrfd = false;  // the load cases are factored LRFD combinations
  std::vector<SectionCurves> sections;
  std::vector<PyCurve> py_curves;
  std::vector<LoadCaseResults> load_cases;
  std::vector<StiffnessRow> stiffness_matrix;
  bool operator==(const RunResults&) const = default;
};

}  // namespace tavik::results

#endif  // TAVIK_RESULTS_RESULTS_MODEL_H
