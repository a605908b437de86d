// tavik._core: the engine and the results reader for Python. Each call runs one analysis (or a
// list of them on worker threads) with the interpreter lock released, so Python threads run
// analyses in parallel; the results come back as dicts of numpy arrays, which the pure-Python
// part of the package (python/tavik/) turns into tables.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "batch/batch_run.h"
#include "results/plot_file_reader.h"
#include "tavik/tavik.h"

namespace py = pybind11;

namespace {

using tavik::batch::CaseSummaryRow;
using tavik::batch::InputResult;
namespace results = tavik::results;

// A numpy array of one member of each record; a missing optional value is NaN.
template <typename Record, typename Get>
py::array_t<double> Column(const std::vector<Record>& records, Get get) {
  py::array_t<double> column(static_cast<py::ssize_t>(records.size()));
  double* out = column.mutable_data();
  for (const Record& r : records) *out++ = get(r);
  return column;
}

double Or_NaN(const std::optional<double>& value) {
  return value ? *value : std::numeric_limits<double>::quiet_NaN();
}

py::dict Nodes(const std::vector<results::NodeRow>& nodes) {
  using N = results::NodeRow;
  py::dict table;
  table["depth"] = Column(nodes, [](const N& n) { return n.depth; });
  table["deflection"] = Column(nodes, [](const N& n) { return n.deflection; });
  table["slope"] = Column(nodes, [](const N& n) { return Or_NaN(n.slope); });
  table["moment"] = Column(nodes, [](const N& n) { return n.moment; });
  table["shear"] = Column(nodes, [](const N& n) { return n.shear; });
  table["soil_reaction"] = Column(nodes, [](const N& n) { return n.soil_reaction; });
  table["soil_spring"] = Column(nodes, [](const N& n) { return Or_NaN(n.soil_spring); });
  table["distributed_load"] = Column(nodes, [](const N& n) { return Or_NaN(n.distributed_load); });
  table["ei"] = Column(nodes, [](const N& n) { return n.ei; });
  return table;
}

py::dict Summary_Table(const std::vector<CaseSummaryRow>& rows) {
  using R = CaseSummaryRow;
  py::dict table;
  py::array_t<int> numbers(static_cast<py::ssize_t>(rows.size()));
  int* number = numbers.mutable_data();
  for (const R& r : rows) *number++ = r.load_case;
  table["load_case"] = numbers;
  table["head_deflection"] = Column(rows, [](const R& r) { return r.head_deflection; });
  table["head_rotation"] = Column(rows, [](const R& r) { return r.head_rotation; });
  table["max_moment"] = Column(rows, [](const R& r) { return r.max_moment; });
  table["max_moment_depth"] = Column(rows, [](const R& r) { return r.max_moment_depth; });
  table["max_shear"] = Column(rows, [](const R& r) { return r.max_shear; });
  table["max_shear_depth"] = Column(rows, [](const R& r) { return r.max_shear_depth; });
  return table;
}

const char* Kind_Name(results::StiffnessKind kind) {
  switch (kind) {
    case results::StiffnessKind::kMomentCurvature:
      return "moment_curvature";
    case results::StiffnessKind::kElastic:
      return "elastic";
    case results::StiffnessKind::kElasticPlastic:
      return "elastic_plastic";
  }
  return "";
}

py::dict Results_Dict(const results::RunResults& run) {
  py::dict out;
  out["units"] = tavik::batch::Units_Name(run.head.units);
  out["icom"] = run.head.icom;
  out["kyl"] = run.head.kyl;
  out["stiffness_matrix_computed"] = run.head.stiffness_matrix;
  out["num_sections"] = run.head.num_sections;
  out["lrfd"] = run.lrfd;

  py::list sections;
  for (const results::SectionCurves& s : run.sections) {
    py::list thrusts;
    for (const results::ThrustCurve& t : s.thrusts) {
      using P = results::CurvePoint;
      py::dict thrust;
      thrust["axial_thrust"] = t.axial_thrust;
      thrust["nominal_moment"] = t.nominal_moment;
      thrust["moment"] = Column(t.points, [](const P& p) { return p.moment; });
      thrust["ei"] = Column(t.points, [](const P& p) { return p.ei; });
      thrust["curvature"] = Column(t.points, [](const P& p) { return p.curvature; });
      thrusts.append(thrust);
    }
    py::dict section;
    section["section"] = s.section;
    section["kind"] = Kind_Name(s.kind);
    section["thrusts"] = thrusts;
    sections.append(section);
  }
  out["sections"] = sections;

  py::list curves;
  for (const results::PyCurve& c : run.py_curves) {
    using P = results::PyPoint;
    py::dict curve;
    curve["depth"] = c.depth;
    curve["criterion"] = c.criterion;
    curve["y"] = Column(c.points, [](const P& p) { return p.y; });
    curve["p"] = Column(c.points, [](const P& p) { return p.p; });
    curves.append(curve);
  }
  out["py_curves"] = curves;

  py::list cases;
  for (const results::LoadCaseResults& lc : run.load_cases) {
    py::dict one;
    one["number"] = lc.number;
    one["nodes"] = Nodes(lc.nodes);
    if (lc.summary) {
      py::dict summary;
      summary["head_shear"] = lc.summary->head_shear;
      summary["head_deflection"] = lc.summary->head_deflection;
      summary["max_moment"] = lc.summary->max_moment;
      summary["max_shear"] = lc.summary->max_shear;
      summary["head_rotation"] = lc.summary->head_rotation;
      one["summary"] = summary;
    } else {
      one["summary"] = py::none();
    }
    using L = results::LengthStudyPoint;
    py::dict study;
    study["pile_length"] = Column(lc.length_study, [](const L& p) { return p.pile_length; });
    study["head_deflection"] =
        Column(lc.length_study, [](const L& p) { return p.head_deflection; });
    study["max_moment"] = Column(lc.length_study, [](const L& p) { return p.max_moment; });
    study["max_shear"] = Column(lc.length_study, [](const L& p) { return p.max_shear; });
    one["length_study"] = study;
    cases.append(one);
  }
  out["load_cases"] = cases;

  using S = results::StiffnessRow;
  const std::vector<S>& rows = run.stiffness_matrix;
  py::dict matrix;
  matrix["shear"] = Column(rows, [](const S& r) { return r.shear; });
  matrix["moment"] = Column(rows, [](const S& r) { return r.moment; });
  matrix["k22"] = Column(rows, [](const S& r) { return r.k22; });
  matrix["k23"] = Column(rows, [](const S& r) { return r.k23; });
  matrix["k32"] = Column(rows, [](const S& r) { return r.k32; });
  matrix["k33"] = Column(rows, [](const S& r) { return r.k33; });
  matrix["head_deflection"] = Column(rows, [](const S& r) { return r.head_deflection; });
  matrix["head_rotation"] = Column(rows, [](const S& r) { return r.head_rotation; });
  out["stiffness_matrix"] = matrix;

  out["summary"] = Summary_Table(tavik::batch::Summarise_Load_Cases(run));
  return out;
}

py::dict Outcome_Dict(const tavik::RunOutcome& outcome, tavik::batch::RunEnd end) {
  py::dict out;
  out["status"] = outcome.status;
  out["end"] = tavik::batch::RunEnd_Name(end);
  out["error_number"] = outcome.error_number;
  out["message_code"] = outcome.message_code;
  out["error_meaning"] = outcome.error_meaning;
  py::dict warnings;
  for (const tavik::WarningCount& w : outcome.warnings) warnings[py::int_(w.number)] = w.count;
  out["warnings"] = warnings;
  return out;
}

tavik::RunPaths Paths(const std::string& input, const std::string& report, const std::string& plot,
                      const std::string& messages) {
  return tavik::RunPaths{input, report, plot, messages};
}

// One analysis with its whole results model (the report's node columns included). A run that
// ended on an error returns its outcome and no results.
py::dict Run(const std::string& input, const std::string& report, const std::string& plot,
             const std::string& messages) {
  const tavik::RunPaths paths = Paths(input, report, plot, messages);
  tavik::RunOutcome outcome;
  tavik::batch::RunEnd end;
  results::ReadResult read;
  {
    py::gil_scoped_release unlocked;
    tavik::batch::Remove_Old_Outputs(paths);
    outcome = tavik::Run_Analysis(paths);
    end = tavik::batch::Run_End_Of(outcome);
    if (outcome.error_number == 0) {
      read = results::Read_Results(paths.plot, paths.report);
      if (!read.ok) end = tavik::batch::RunEnd::kResultsUnreadable;
    }
  }
  py::dict out = Outcome_Dict(outcome, end);
  out["results_error"] = read.error;
  out["results"] = read.ok ? py::object(Results_Dict(read.results)) : py::object(py::none());
  return out;
}

// The batch path: many analyses on `threads` worker threads, each reduced to its pile-head
// summary (plot file only). One dict per input, in order.
py::list Run_Summaries(const std::vector<std::vector<std::string>>& files, int threads) {
  std::vector<tavik::RunPaths> runs;
  runs.reserve(files.size());
  for (const std::vector<std::string>& f : files) {
    if (f.size() != 4) throw py::value_error("each run needs input, report, plot and messages");
    runs.push_back(Paths(f[0], f[1], f[2], f[3]));
  }
  std::vector<InputResult> done;
  {
    py::gil_scoped_release unlocked;
    done = tavik::batch::Run_Batch(runs, threads);
  }
  py::list out;
  for (const InputResult& r : done) {
    py::dict one = Outcome_Dict(r.outcome, r.end);
    one["results_error"] = r.results_error;
    one["units"] = tavik::batch::Units_Name(r.units);
    one["summary"] = Summary_Table(r.cases);
    out.append(one);
  }
  return out;
}

}  // namespace

PYBIND11_MODULE(_core, m) {
  m.doc() = "The Tavik engine: one analysis per call, the interpreter lock released.";
  m.def("run", &Run, py::arg("input"), py::arg("report"), py::arg("plot"), py::arg("messages"),
        "Run one analysis on explicit file paths and read its results back.");
  m.def("run_summaries", &Run_Summaries, py::arg("files"), py::arg("threads") = 1,
        "Run many analyses ([input, report, plot, messages] each) on worker threads and "
        "return the outcome and pile-head summary of each.");
  m.def("version", [] { return std::string(tavik::Version_Text()); });
  m.attr("INTERFACE_VERSION") = tavik::kInterfaceVersion;
}
