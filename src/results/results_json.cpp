#include "results/results_json.h"

#include <cmath>
#include <fstream>
#include <limits>
#include <optional>

namespace tavik::results {

namespace {

// Keys in the order written here: format, units and run head first, then the tables.
using json = nlohmann::ordered_json;

constexpr std::string_view kNaN = "NaN";
constexpr std::string_view kInfinity = "Infinity";
constexpr std::string_view kMinusInfinity = "-Infinity";
constexpr int kJsonIndent = 1;

// Unit texts of one unit system, as the report prints them.
struct UnitNames {
  const char* system;
  const char* length;          // node depths, deflections, pile lengths, p-y curves
  const char* force;           // shears
  const char* moment;          // bending moments of the pile
  const char* ei;              // bending stiffness of the pile nodes
  const char* line_load;       // soil reaction, distributed load, p of the p-y curves
  const char* section_force;   // axial thrust of the section tables
  const char* section_moment;  // moments of the section tables
  const char* section_ei;      // EI of the section tables
  const char* curvature;
  const char* nominal_moment;  // nominal moment capacity ("Line 4")
  const char* k22;             // force/length
  const char* k23;             // force/radian
  const char* k32;             // moment/length
  const char* k33;             // moment/radian
};

// US customary: the pile in inches and pounds (depths too), the section tables in kips and
// inches, the nominal moment capacity in in-lbs. SI: kN and m throughout. General units: the
// consistent force F and length L throughout.
constexpr UnitNames kUSCustomaryUnits = {
    "US customary", "in",     "lbs",    "in-lbs", "lb-in^2", "lb/in",    "kips",     "kip-in",
    "kip-in^2",     "rad/in", "in-lbs", "lb/in",  "lb/rad",  "in-lb/in", "in-lb/rad"};
constexpr UnitNames kSIUnits = {"SI",   "m",    "kN",     "kN-m",   "kN-m^2",
                                "kN/m", "kN",   "kN-m",   "kN-m^2", "rad/m",
                                "kN-m", "kN/m", "kN/rad", "kN-m/m", "kN-m/rad"};
constexpr UnitNames kGeneralUnits = {"general", "L",   "F",     "F-L",   "F-L^2",
                                     "F/L",     "F",   "F-L",   "F-L^2", "rad/L",
                                     "F-L",     "F/L", "F/rad", "F-L/L", "F-L/rad"};
constexpr const char* kRadians = "rad";

const UnitNames& Unit_Names(UnitSystem units) {
  switch (units) {
    case UnitSystem::kSI:
      return kSIUnits;
    case UnitSystem::kGeneral:
      return kGeneralUnits;
    case UnitSystem::kUSCustomary:
    default:
      return kUSCustomaryUnits;
  }
}

// The unit of every column of every table, keyed as the tables are.
json Unit_Table(UnitSystem system) {
  const UnitNames& u = Unit_Names(system);
  return json{
      {"system", u.system},
      {"sections",
       {{"axial_thrust", u.section_force},
        {"nominal_moment", u.nominal_moment},
        {"moment", u.section_moment},
        {"ei", u.section_ei},
        {"curvature", u.curvature}}},
      {"py_curves", {{"depth", u.length}, {"y", u.length}, {"p", u.line_load}}},
      {"nodes",
       {{"depth", u.length},
        {"deflection", u.length},
        {"slope", kRadians},
        {"moment", u.moment},
        {"shear", u.force},
        {"soil_reaction", u.line_load},
        {"soil_spring", u.line_load},
        {"ei", u.ei},
        {"distributed_load", u.line_load}}},
      {"summary",
       {{"head_shear", u.force},
        {"head_deflection", u.length},
        {"max_moment", u.moment},
        {"max_shear", u.force},
        {"head_rotation", kRadians}}},
      {"length_study",
       {{"pile_length", u.length},
        {"head_deflection", u.length},
        {"max_moment", u.moment},
        {"max_shear", u.force}}},
      {"stiffness_matrix",
       {{"shear", u.force},
        {"moment", u.moment},
        {"k22", u.k22},
        {"k23", u.k23},
        {"k32", u.k32},
        {"k33", u.k33},
        {"head_deflection", u.length},
        {"head_rotation", kRadians}}},
  };
}

const char* Kind_Name(StiffnessKind kind) {
  switch (kind) {
    case StiffnessKind::kElastic:
      return "elastic";
    case StiffnessKind::kElasticPlastic:
      return "elastic-plastic";
    case StiffnessKind::kMomentCurvature:
    default:
      return "moment-curvature";
  }
}

// A number, or the name of a value that JSON numbers cannot hold.
json Number(double x) {
  if (std::isnan(x)) return std::string(kNaN);
  if (std::isinf(x)) return std::string(x > 0 ? kInfinity : kMinusInfinity);
  return x;
}

json Optional_Number(const std::optional<double>& x) {
  return x ? Number(*x) : json(nullptr);
}

// One column of a table: the member `field` of every row.
template <typename Row, typename Field>
json Column(const std::vector<Row>& rows, Field Row::*field) {
  json column = json::array();
  for (const Row& row : rows) {
    if constexpr (std::is_same_v<Field, std::optional<double>>) {
      column.push_back(Optional_Number(row.*field));
    } else {
      column.push_back(Number(row.*field));
    }
  }
  return column;
}

json Summary_Json(const std::optional<CaseSummary>& summary) {
  if (!summary) return nullptr;
  return json{{"head_shear", Number(summary->head_shear)},
              {"head_deflection", Number(summary->head_deflection)},
              {"max_moment", Number(summary->max_moment)},
              {"max_shear", Number(summary->max_shear)},
              {"head_rotation", Number(summary->head_rotation)}};
}

// --- Reading back -------------------------------------------------------------------------

// Reading stops at the first key that is missing or of the wrong type; `error` names it.
class JsonReader {
 public:
  bool Failed() const { return !error_.empty(); }
  const std::string& Error() const { return error_; }

  bool Fail(const std::string& path, const std::string& what) {
    if (error_.empty()) error_ = "JSON " + path + ": " + what;
    return false;
  }

  const json* Member(const json& object, const std::string& path, const char* key) {
    if (!object.is_object()) {
      Fail(path.empty() ? "document" : path, "not an object");
      return nullptr;
    }
    const auto found = object.find(key);
    if (found == object.end()) {
      Fail(path + "." + key, "missing");
      return nullptr;
    }
    return &*found;
  }

  bool Number(const json& value, const std::string& path, double& x) {
    if (value.is_number()) {
      x = value.get<double>();
      return true;
    }
    if (value.is_string()) {
      const std::string& name = value.get_ref<const std::string&>();
      if (name == kNaN) {
        x = std::numeric_limits<double>::quiet_NaN();
        return true;
      }
      if (name == kInfinity || name == kMinusInfinity) {
        x = name == kInfinity ? std::numeric_limits<double>::infinity()
                              : -std::numeric_limits<double>::infinity();
        return true;
      }
    }
    return Fail(path, "not a number");
  }

  bool Number(const json& object, const std::string& path, const char* key, double& x) {
    const json* value = Member(object, path, key);
    return value != nullptr && Number(*value, path + "." + key, x);
  }

  bool Integer(const json& object, const std::string& path, const char* key, int& n) {
    const json* value = Member(object, path, key);
    if (value == nullptr) return false;
    if (!value->is_number_integer()) return Fail(path + "." + key, "not an integer");
    n = value->get<int>();
    return true;
  }

  bool Boolean(const json& object, const std::string& path, const char* key, bool& b) {
    const json* value = Member(object, path, key);
    if (value == nullptr) return false;
    if (!value->is_boolean()) return Fail(path + "." + key, "not true or false");
    b = value->get<bool>();
    return true;
  }

  bool Text(const json& object, const std::string& path, const char* key, std::string& text) {
    const json* value = Member(object, path, key);
    if (value == nullptr) return false;
    if (!value->is_string()) return Fail(path + "." + key, "not a string");
    text = value->get<std::string>();
    return true;
  }

  const json* Array(const json& object, const std::string& path, const char* key) {
    const json* value = Member(object, path, key);
    if (value == nullptr) return nullptr;
    if (!value->is_array()) {
      Fail(path + "." + key, "not an array");
      return nullptr;
    }
    return value;
  }

  // Column `key` of the table at `path` into member `field` of `rows`; the first column read
  // sizes the rows, the others must have as many entries.
  template <typename Row, typename Field>
  bool Column(const json& table, const std::string& path, const char* key, std::vector<Row>& rows,
              Field Row::*field, bool first) {
    const json* column = Array(table, path, key);
    if (column == nullptr) return false;
    const std::string where = path + "." + key;
    if (first) {
      rows.assign(column->size(), Row{});
    } else if (column->size() != rows.size()) {
      return Fail(where, "has " + std::to_string(column->size()) + " entries, the table " +
                             std::to_string(rows.size()));
    }
    for (std::size_t i = 0; i < column->size(); ++i) {
      const json& entry = (*column)[i];
      const std::string at = where + "[" + std::to_string(i) + "]";
      if constexpr (std::is_same_v<Field, std::optional<double>>) {
        if (entry.is_null()) {
          (rows[i].*field).reset();
          continue;
        }
        double x = 0.0;
        if (!Number(entry, at, x)) return false;
        rows[i].*field = x;
      } else {
        if (!Number(entry, at, rows[i].*field)) return false;
      }
    }
    return true;
  }

 private:
  std::string error_;
};

bool Read_Head(JsonReader& in, const json& document, RunResults& results) {
  const json* run = in.Member(document, "", "run");
  if (run == nullptr) return false;
  RunHead& head = results.head;
  int iunits = 0;
  if (!in.Integer(*run, "run", "icom", head.icom) || !in.Integer(*run, "run", "iunits", iunits) ||
      !in.Integer(*run, "run", "kyl", head.kyl) ||
      !in.Boolean(*run, "run", "stiffness_matrix", head.stiffness_matrix) ||
      !in.Integer(*run, "run", "num_sections", head.num_sections) ||
      !in.Boolean(*run, "run", "lrfd", results.lrfd)) {
    return false;
  }
  if (iunits < 1 || iunits > 3) return in.Fail("run.iunits", "not 1, 2 or 3");
  head.units = static_cast<UnitSystem>(iunits);
  return true;
}

bool Read_Sections(JsonReader& in, const json& document, RunResults& results) {
  const json* sections = in.Array(document, "", "sections");
  if (sections == nullptr) return false;
  for (std::size_t s = 0; s < sections->size(); ++s) {
    const std::string path = "sections[" + std::to_string(s) + "]";
    const json& item = (*sections)[s];
    SectionCurves section;
    std::string kind;
    if (!in.Integer(item, path, "section", section.section) || !in.Text(item, path, "kind", kind)) {
      return false;
    }
    if (kind == Kind_Name(StiffnessKind::kElastic)) {
      section.kind = StiffnessKind::kElastic;
    } else if (kind == Kind_Name(StiffnessKind::kElasticPlastic)) {
      section.kind = StiffnessKind::kElasticPlastic;
    } else if (kind == Kind_Name(StiffnessKind::kMomentCurvature)) {
      section.kind = StiffnessKind::kMomentCurvature;
    } else {
      return in.Fail(path + ".kind", "not a kind of bending-stiffness table");
    }
    const json* thrusts = in.Array(item, path, "thrusts");
    if (thrusts == nullptr) return false;
    for (std::size_t t = 0; t < thrusts->size(); ++t) {
      const std::string at = path + ".thrusts[" + std::to_string(t) + "]";
      const json& entry = (*thrusts)[t];
      ThrustCurve curve;
      if (!in.Number(entry, at, "axial_thrust", curve.axial_thrust) ||
          !in.Number(entry, at, "nominal_moment", curve.nominal_moment)) {
        return false;
      }
      const json* points = in.Member(entry, at, "points");
      if (points == nullptr) return false;
      const std::string p = at + ".points";
      if (!in.Column(*points, p, "moment", curve.points, &CurvePoint::moment, true) ||
          !in.Column(*points, p, "ei", curve.points, &CurvePoint::ei, false) ||
          !in.Column(*points, p, "curvature", curve.points, &CurvePoint::curvature, false)) {
        return false;
      }
      section.thrusts.push_back(std::move(curve));
    }
    results.sections.push_back(std::move(section));
  }
  return true;
}

bool Read_Py_Curves(JsonReader& in, const json& document, RunResults& results) {
  const json* curves = in.Array(document, "", "py_curves");
  if (curves == nullptr) return false;
  for (std::size_t k = 0; k < curves->size(); ++k) {
    const std::string path = "py_curves[" + std::to_string(k) + "]";
    const json& item = (*curves)[k];
    PyCurve curve;
    if (!in.Number(item, path, "depth", curve.depth) ||
        !in.Text(item, path, "criterion", curve.criterion)) {
      return false;
    }
    const json* points = in.Member(item, path, "points");
    if (points == nullptr) return false;
    const std::string p = path + ".points";
    if (!in.Column(*points, p, "y", curve.points, &PyPoint::y, true) ||
        !in.Column(*points, p, "p", curve.points, &PyPoint::p, false)) {
      return false;
    }
    results.py_curves.push_back(std::move(curve));
  }
  return true;
}

bool Read_Nodes(JsonReader& in, const json& nodes, const std::string& p,
                std::vector<NodeRow>& rows) {
  return in.Column(nodes, p, "depth", rows, &NodeRow::depth, true) &&
         in.Column(nodes, p, "deflection", rows, &NodeRow::deflection, false) &&
         in.Column(nodes, p, "slope", rows, &NodeRow::slope, false) &&
         in.Column(nodes, p, "moment", rows, &NodeRow::moment, false) &&
         in.Column(nodes, p, "shear", rows, &NodeRow::shear, false) &&
         in.Column(nodes, p, "soil_reaction", rows, &NodeRow::soil_reaction, false) &&
         in.Column(nodes, p, "soil_spring", rows, &NodeRow::soil_spring, false) &&
         in.Column(nodes, p, "ei", rows, &NodeRow::ei, false) &&
         in.Column(nodes, p, "distributed_load", rows, &NodeRow::distributed_load, false);
}

bool Read_Load_Cases(JsonReader& in, const json& document, RunResults& results) {
  const json* cases = in.Array(document, "", "load_cases");
  if (cases == nullptr) return false;
  for (std::size_t c = 0; c < cases->size(); ++c) {
    const std::string path = "load_cases[" + std::to_string(c) + "]";
    const json& item = (*cases)[c];
    LoadCaseResults load_case;
    if (!in.Integer(item, path, "number", load_case.number)) return false;
    const json* nodes = in.Member(item, path, "nodes");
    if (nodes == nullptr || !Read_Nodes(in, *nodes, path + ".nodes", load_case.nodes)) {
      return false;
    }
    const json* summary = in.Member(item, path, "summary");
    if (summary == nullptr) return false;
    if (!summary->is_null()) {
      CaseSummary s;
      const std::string p = path + ".summary";
      if (!in.Number(*summary, p, "head_shear", s.head_shear) ||
          !in.Number(*summary, p, "head_deflection", s.head_deflection) ||
          !in.Number(*summary, p, "max_moment", s.max_moment) ||
          !in.Number(*summary, p, "max_shear", s.max_shear) ||
          !in.Number(*summary, p, "head_rotation", s.head_rotation)) {
        return false;
      }
      load_case.summary = s;
    }
    const json* study = in.Member(item, path, "length_study");
    if (study == nullptr) return false;
    const std::string p = path + ".length_study";
    std::vector<LengthStudyPoint>& points = load_case.length_study;
    if (!in.Column(*study, p, "pile_length", points, &LengthStudyPoint::pile_length, true) ||
        !in.Column(*study, p, "head_deflection", points, &LengthStudyPoint::head_deflection,
                   false) ||
        !in.Column(*study, p, "max_moment", points, &LengthStudyPoint::max_moment, false) ||
        !in.Column(*study, p, "max_shear", points, &LengthStudyPoint::max_shear, false)) {
      return false;
    }
    results.load_cases.push_back(std::move(load_case));
  }
  return true;
}

bool Read_Stiffness_Matrix(JsonReader& in, const json& document, RunResults& results) {
  const json* table = in.Member(document, "", "stiffness_matrix");
  if (table == nullptr) return false;
  const std::string p = "stiffness_matrix";
  std::vector<StiffnessRow>& rows = results.stiffness_matrix;
  return in.Column(*table, p, "shear", rows, &StiffnessRow::shear, true) &&
         in.Column(*table, p, "moment", rows, &StiffnessRow::moment, false) &&
         in.Column(*table, p, "k22", rows, &StiffnessRow::k22, false) &&
         in.Column(*table, p, "k23", rows, &StiffnessRow::k23, false) &&
         in.Column(*table, p, "k32", rows, &StiffnessRow::k32, false) &&
         in.Column(*table, p, "k33", rows, &StiffnessRow::k33, false) &&
         in.Column(*table, p, "head_deflection", rows, &StiffnessRow::head_deflection, false) &&
         in.Column(*table, p, "head_rotation", rows, &StiffnessRow::head_rotation, false);
}

}  // namespace

json Results_To_Json(const RunResults& results) {
  try {
    const RunHead& head = results.head;
    json sections = json::array();
    for (const SectionCurves& s : results.sections) {
      json thrusts = json::array();
      for (const ThrustCurve& t : s.thrusts) {
        thrusts.push_back({{"axial_thrust", Number(t.axial_thrust)},
                           {"nominal_moment", Number(t.nominal_moment)},
                           {"points",
                            {{"moment", Column(t.points, &CurvePoint::moment)},
                             {"ei", Column(t.points, &CurvePoint::ei)},
                             {"curvature", Column(t.points, &CurvePoint::curvature)}}}});
      }
      sections.push_back(
          {{"section", s.section}, {"kind", Kind_Name(s.kind)}, {"thrusts", std::move(thrusts)}});
    }
    json py_curves = json::array();
    for (const PyCurve& c : results.py_curves) {
      py_curves.push_back(
          {{"depth", Number(c.depth)},
           {"criterion", c.criterion},
           {"points",
            {{"y", Column(c.points, &PyPoint::y)}, {"p", Column(c.points, &PyPoint::p)}}}});
    }
    json load_cases = json::array();
    for (const LoadCaseResults& c : results.load_cases) {
      const std::vector<NodeRow>& n = c.nodes;
      const std::vector<LengthStudyPoint>& s = c.length_study;
      load_cases.push_back({{"number", c.number},
                            {"nodes",
                             {{"depth", Column(n, &NodeRow::depth)},
                              {"deflection", Column(n, &NodeRow::deflection)},
                              {"slope", Column(n, &NodeRow::slope)},
                              {"moment", Column(n, &NodeRow::moment)},
                              {"shear", Column(n, &NodeRow::shear)},
                              {"soil_reaction", Column(n, &NodeRow::soil_reaction)},
                              {"soil_spring", Column(n, &NodeRow::soil_spring)},
                              {"ei", Column(n, &NodeRow::ei)},
                              {"distributed_load", Column(n, &NodeRow::distributed_load)}}},
                            {"summary", Summary_Json(c.summary)},
                            {"length_study",
                             {{"pile_length", Column(s, &LengthStudyPoint::pile_length)},
                              {"head_deflection", Column(s, &LengthStudyPoint::head_deflection)},
                              {"max_moment", Column(s, &LengthStudyPoint::max_moment)},
                              {"max_shear", Column(s, &LengthStudyPoint::max_shear)}}}});
    }
    const std::vector<StiffnessRow>& k = results.stiffness_matrix;
    return json{
        {"format", kResultsFormatName},
        {"format_version", kResultsFormatVersion},
        {"units", Unit_Table(head.units)},
        {"run",
         {{"icom", head.icom},
          {"analysis", head.icom == 2 ? "stiffness only" : "full analysis"},
          {"iunits", static_cast<int>(head.units)},
          {"kyl", head.kyl},
          {"stiffness_matrix", head.stiffness_matrix},
          {"num_sections", head.num_sections},
          {"lrfd", results.lrfd}}},
        {"sections", std::move(sections)},
        {"py_curves", std::move(py_curves)},
        {"load_cases", std::move(load_cases)},
        {"stiffness_matrix",
         {{"shear", Column(k, &StiffnessRow::shear)},
          {"moment", Column(k, &StiffnessRow::moment)},
          {"k22", Column(k, &StiffnessRow::k22)},
          {"k23", Column(k, &StiffnessRow::k23)},
          {"k32", Column(k, &StiffnessRow::k32)},
          {"k33", Column(k, &StiffnessRow::k33)},
          {"head_deflection", Column(k, &StiffnessRow::head_deflection)},
          {"head_rotation", Column(k, &StiffnessRow::head_rotation)}}},
    };
  } catch (const std::exception&) {
    return json();  // out of memory only
  }
}

ReadResult Results_From_Json(const json& document) {
  ReadResult result;
  try {
    JsonReader in;
    std::string format;
    int version = 0;
    if (!in.Text(document, "", "format", format) ||
        !in.Integer(document, "", "format_version", version)) {
      result.error = in.Error();
      return result;
    }
    if (format != kResultsFormatName) {
      result.error = "JSON .format: \"" + format + "\" is not " + std::string(kResultsFormatName);
      return result;
    }
    if (version != kResultsFormatVersion) {
      result.error = "JSON .format_version: " + std::to_string(version) + " is not " +
                     std::to_string(kResultsFormatVersion);
      return result;
    }
    RunResults& r = result.results;
    if (!Read_Head(in, document, r) || !Read_Sections(in, document, r) ||
        !Read_Py_Curves(in, document, r) || !Read_Load_Cases(in, document, r) ||
        !Read_Stiffness_Matrix(in, document, r)) {
      result.error = in.Error();
      result.results = RunResults{};
      return result;
    }
    result.ok = true;
  } catch (const std::exception& e) {
    result = ReadResult{};
    result.error = std::string("JSON: ") + e.what();
  }
  return result;
}

bool Write_Results_Json(const RunResults& results, const std::string& json_path,
                        std::string& error) {
  try {
    // Texts from the file (the criterion names) that are not valid UTF-8 are replaced, not
    // refused.
    const std::string text =
        Results_To_Json(results).dump(kJsonIndent, ' ', false, json::error_handler_t::replace);
    std::ofstream out(json_path, std::ios::binary | std::ios::trunc);
    if (!out) {
      error = json_path + ": cannot be created";
      return false;
    }
    out << text << '\n';
    out.close();
    if (!out) {
      error = json_path + ": cannot be written";
      return false;
    }
    return true;
  } catch (const std::exception& e) {
    error = json_path + ": " + e.what();
    return false;
  }
}

}  // namespace tavik::results
