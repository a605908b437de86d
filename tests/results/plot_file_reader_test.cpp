// The plot-file reader against real runs of the engine (the values read equal those written,
// record for record, and the counts and values the inputs give) and against plot files with
// each kind of damage (the error names the file and the line).
#include "results/plot_file_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>

#include "results/results_test_support.h"

namespace tavik::results {
namespace {

using tavik::testing::Read_File;
using tavik::testing::Read_Lines;
using tavik::testing::ScratchDir;
using tavik::testing::Write_File;
using testing::Run_Engine_On_Text;
using testing::Source_File;
using testing::Split_Plot_Numbers;

// Inputs that together write every record kind: stiffness-only and full runs; elastic,
// elastic-plastic and moment-curvature sections, two sections in one pile; p-y curves at
// user depths; length studies; the stiffness matrix; LRFD; US customary and SI units.
const char* const kInputs[] = {
    "examples/drilled_shaft_clay_over_sand.inp",  "examples/elastic_pile_stiff_clay_si.inp",
    "examples/elastic_pipe_pile_soft_clay.inp",   "examples/prestressed_square_pile_sand.inp",
    "tests/cases/api_sand_head_studies_si.inp",   "tests/cases/elastic_subgrade_head_studies.inp",
    "tests/cases/lrfd_elastic_plastic_pipe.inp",  "tests/cases/liquefied_sand_over_clay.inp",
    "tests/cases/steel_pipe_soft_clay.inp",       "tests/cases/weak_rock_socket.inp",
    "tests/results/two_sections_all_records.inp",
};

// The bundled drilled shaft as a stiffness-only run (ICOM 2).
std::string Stiffness_Only_Input() {
  std::string text = Read_File(Source_File("examples/drilled_shaft_clay_over_sand.inp"));
  const std::string option = "ComputeEIOnly NO";
  text.replace(text.find(option), option.size(), "ComputeEIOnly YES");
  return text;
}

std::string Stem_Of(const std::string& input) {
  return std::filesystem::path(input).stem().string();
}

// Every number of the model, grouped by the record kind that holds it, in file order.
testing::RecordNumbers Model_Numbers(const RunResults& r) {
  testing::RecordNumbers n;
  n[1].push_back({static_cast<double>(r.head.icom), static_cast<double>(r.head.units),
                  static_cast<double>(r.head.kyl), r.head.stiffness_matrix ? 1.0 : 0.0});
  n[2].push_back({static_cast<double>(r.head.num_sections)});
  for (const SectionCurves& s : r.sections) {
    for (const ThrustCurve& t : s.thrusts) {
      n[4].push_back({static_cast<double>(t.points.size()), t.axial_thrust, t.nominal_moment});
      for (const CurvePoint& p : t.points) n[5].push_back({p.moment, p.ei, p.curvature});
    }
  }
  for (const PyCurve& c : r.py_curves) {
    n[7].push_back({c.depth, static_cast<double>(c.points.size())});
    for (const PyPoint& p : c.points) n[8].push_back({p.y, p.p});
  }
  for (const LoadCaseResults& c : r.load_cases) {
    for (const NodeRow& p : c.nodes) {
      n[10].push_back({p.depth, p.deflection, p.moment, p.shear, p.soil_reaction, p.ei});
    }
    n[11].push_back({static_cast<double>(c.length_study.size())});
    for (const LengthStudyPoint& p : c.length_study) {
      n[12].push_back({p.pile_length, p.head_deflection, p.max_moment, p.max_shear});
    }
  }
  for (const LoadCaseResults& c : r.load_cases) {
    if (!c.summary) continue;
    const CaseSummary& s = *c.summary;
    n[13].push_back({s.head_shear, s.head_deflection, s.max_moment, s.max_shear, s.head_rotation});
  }
  for (const StiffnessRow& k : r.stiffness_matrix) {
    n[14].push_back(
        {k.shear, k.moment, k.k22, k.k23, k.k32, k.k33, k.head_deflection, k.head_rotation});
  }
  return n;
}

TEST(ResultsReader, ReadsEveryRecordAsWritten) {
  ScratchDir dir;
  std::vector<std::string> stems;
  for (const char* input : kInputs) {
    stems.push_back(Run_Engine_On_Text(dir, Stem_Of(input), Read_File(Source_File(input))));
  }
  stems.push_back(Run_Engine_On_Text(dir, "stiffness_only", Stiffness_Only_Input()));

  for (const std::string& stem : stems) {
    SCOPED_TRACE(stem);
    const ReadResult read = Read_Results(stem + ".plt", stem + ".out");
    ASSERT_TRUE(read.ok) << read.error;
    testing::RecordNumbers written = Split_Plot_Numbers(stem + ".plt");
    // Counts only, whose records the model holds as the size of what follows.
    for (int kind : {3, 6, 9}) written.erase(kind);
    EXPECT_EQ(Model_Numbers(read.results), written);
  }
}

struct KnownRun {
  const char* input;
  UnitSystem units;
  int icom;
  std::size_t sections;
  std::size_t load_cases;
  std::size_t nodes;
  std::vector<double> head_shears;  // Line 13 of each case: the shear the input gives
  std::vector<double> py_depths;    // p-y curves at user depths, in the pile length unit
  std::size_t study_points;         // length-study points of load case 1
  std::size_t stiffness_rows;
  bool lrfd;
};

TEST(ResultsReader, CountsAndValuesTheInputsGive) {
  const KnownRun runs[] = {
      // Two cases of 20 and 80 kips head shear; Increments 100 gives 101 nodes.
      {"examples/drilled_shaft_clay_over_sand.inp",
       UnitSystem::kUSCustomary,
       3,
       1,
       2,
       101,
       {20000.0, 80000.0},
       {},
       0,
       0,
       false},
      {"examples/elastic_pile_stiff_clay_si.inp",
       UnitSystem::kSI,
       3,
       1,
       1,
       101,
       {},
       {},
       0,
       0,
       false},
      // Load case 1 runs a length study of 20 trial lengths (its .check file); ComputeKmatrix
      // gives ten load levels.
      {"tests/cases/elastic_subgrade_head_studies.inp",
       UnitSystem::kUSCustomary,
       3,
       1,
       2,
       101,
       {10000.0, 20000.0},
       {},
       20,
       10,
       false},
      // Three factored combinations.
      {"tests/cases/lrfd_elastic_plastic_pipe.inp",
       UnitSystem::kUSCustomary,
       3,
       1,
       3,
       101,
       {},
       {},
       0,
       0,
       true},
      // Curves at 10 ft and 30 ft: 120 in and 360 in, the pile's internal length unit.
      {"tests/results/two_sections_all_records.inp",
       UnitSystem::kUSCustomary,
       3,
       2,
       2,
       101,
       {20000.0, 80000.0},
       {120.0, 360.0},
       0,
       10,
       false},
  };
  ScratchDir dir;
  for (const KnownRun& run : runs) {
    SCOPED_TRACE(run.input);
    const std::string stem =
        Run_Engine_On_Text(dir, Stem_Of(run.input), Read_File(Source_File(run.input)));
    const ReadResult read = Read_Results(stem + ".plt");
    ASSERT_TRUE(read.ok) << read.error;
    const RunResults& r = read.results;
    EXPECT_EQ(r.head.units, run.units);
    EXPECT_EQ(r.head.icom, run.icom);
    EXPECT_EQ(r.head.stiffness_matrix, run.stiffness_rows > 0);
    EXPECT_EQ(r.sections.size(), run.sections);
    EXPECT_EQ(r.lrfd, run.lrfd);
    ASSERT_EQ(r.load_cases.size(), run.load_cases);
    for (std::size_t c = 0; c < r.load_cases.size(); ++c) {
      EXPECT_EQ(r.load_cases[c].number, static_cast<int>(c + 1));
      EXPECT_EQ(r.load_cases[c].nodes.size(), run.nodes);
      ASSERT_TRUE(r.load_cases[c].summary.has_value());
      if (!run.head_shears.empty()) {
        EXPECT_EQ(r.load_cases[c].summary->head_shear, run.head_shears[c]);
      }
    }
    EXPECT_EQ(r.load_cases.front().length_study.size(), run.study_points);
    ASSERT_EQ(r.py_curves.size(), run.py_depths.size());
    for (std::size_t k = 0; k < r.py_curves.size(); ++k) {
      EXPECT_EQ(r.py_curves[k].depth, run.py_depths[k]);
    }
    EXPECT_EQ(r.stiffness_matrix.size(), run.stiffness_rows);
  }
}

TEST(ResultsReader, SectionsOfTwoKindsAndTheirThrusts) {
  ScratchDir dir;
  const std::string stem = Run_Engine_On_Text(dir, "two", Read_File(Source_File(kInputs[10])));
  const ReadResult read = Read_Results(stem + ".plt");
  ASSERT_TRUE(read.ok) << read.error;
  const std::vector<SectionCurves>& sections = read.results.sections;
  ASSERT_EQ(sections.size(), 2u);
  EXPECT_EQ(sections[0].section, 1);
  EXPECT_EQ(sections[0].kind, StiffnessKind::kMomentCurvature);
  EXPECT_EQ(sections[1].section, 2);
  EXPECT_EQ(sections[1].kind, StiffnessKind::kElastic);
  for (const SectionCurves& s : sections) {
    // The thrusts of the two load cases, 0 and 300000 lbs, in kips.
    ASSERT_EQ(s.thrusts.size(), 2u);
    EXPECT_EQ(s.thrusts[0].axial_thrust, 0.0);
    EXPECT_EQ(s.thrusts[1].axial_thrust, 300.0);
  }
  // The elastic pipe: EI = 29e6 psi x 2549.3 in4 = 7.39297e10 lb-in2, 7.39297e7 kip-in2 in
  // the section table; the plot file holds it to 8 significant digits.
  EXPECT_NEAR(sections[1].thrusts[0].points[0].ei, 7.39297e7, 1.0);
}

TEST(ResultsReader, ReportColumnsFillThePrintedNodesOnly) {
  ScratchDir dir;
  const std::string stem = Run_Engine_On_Text(dir, "shaft", Read_File(Source_File(kInputs[0])));
  const ReadResult with_report = Read_Results(stem + ".plt", stem + ".out");
  ASSERT_TRUE(with_report.ok) << with_report.error;
  // PrintIncrement 2: the report prints nodes 1, 3, 5, ... Its first row of load case 1
  // (read from the report): slope -0.000961, Es*h 1629.0400, distributed load 0.000.
  const std::string report = Read_File(stem + ".out");
  ASSERT_NE(report.find("      0.00     0.1530  2.930E-07     20000.  -0.000961      0.000  "
                        "3.800E+11   -83.1052  1629.0400      0.000"),
            std::string::npos);
  const std::vector<NodeRow>& nodes = with_report.results.load_cases[0].nodes;
  EXPECT_EQ(nodes[0].slope, -0.000961);
  EXPECT_EQ(nodes[0].soil_spring, 1629.04);
  EXPECT_EQ(nodes[0].distributed_load, 0.0);
  for (const LoadCaseResults& c : with_report.results.load_cases) {
    for (std::size_t i = 0; i < c.nodes.size(); ++i) {
      const bool printed = i % 2 == 0;
      EXPECT_EQ(c.nodes[i].slope.has_value(), printed) << "node " << i + 1;
      EXPECT_EQ(c.nodes[i].soil_spring.has_value(), printed) << "node " << i + 1;
      EXPECT_EQ(c.nodes[i].distributed_load.has_value(), printed) << "node " << i + 1;
    }
  }

  // Without a report (none given, or none there) the columns stay empty.
  for (const std::string& report_path : {std::string(), dir.File("absent.out")}) {
    const ReadResult plain = Read_Results(stem + ".plt", report_path);
    ASSERT_TRUE(plain.ok) << plain.error;
    for (const NodeRow& node : plain.results.load_cases[0].nodes) {
      EXPECT_FALSE(node.slope || node.soil_spring || node.distributed_load);
    }
  }

  // The report of another pile (60 ft, nodes every 7.2 in) matches none of these nodes
  // (50 ft, every 6 in) past the head: refused, naming the report line.
  const std::string other = Run_Engine_On_Text(dir, "pipe", Read_File(Source_File(kInputs[2])));
  const ReadResult mixed = Read_Results(stem + ".plt", other + ".out");
  EXPECT_FALSE(mixed.ok);
  EXPECT_NE(mixed.error.find(other + ".out:"), std::string::npos) << mixed.error;
  EXPECT_NE(mixed.error.find("depth 14.400 matches no node"), std::string::npos) << mixed.error;
}

// --- Damaged plot files -------------------------------------------------------------------

using Lines = std::vector<std::string>;

// Index of the n-th line (1-based) holding `label`.
std::size_t Find_Record(const Lines& lines, const std::string& label, int n) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find(label) != std::string::npos && --n == 0) return i;
  }
  ADD_FAILURE() << "no record " << label;
  return 0;
}

// Replaces the I5 field starting at `column` (0-based) with `value`.
void Set_Count(std::string& line, std::size_t column, int value) {
  char field[8];
  std::snprintf(field, sizeof field, "%5d", value);
  line.replace(column, 5, field);
}

struct Damage {
  const char* what;
  const char* label;  // the record damaged
  int occurrence;
  std::function<void(Lines&, std::size_t)> edit;
  const char* error_label;  // the record the error names (its line), nullptr: the damaged one
  int error_occurrence;
  const char* message;
};

TEST(ResultsReader, DamagedFilesNameTheLine) {
  ScratchDir dir;
  const std::string stem = Run_Engine_On_Text(dir, "base", Read_File(Source_File(kInputs[10])));
  const Lines base = Read_Lines(stem + ".plt");
  ASSERT_TRUE(Read_Results(stem + ".plt").ok);

  const Damage damages[] = {
      {"a record cut before its label", "Line 10(", 5,
       [](Lines& l, std::size_t i) { l[i] = l[i].substr(0, 40); }, nullptr, 0, "no record label"},
      {"a record with fields missing in front of its label", "Line 13:", 1,
       [](Lines& l, std::size_t i) { l[i] = l[i].substr(0, 30) + "  " + l[i].substr(80); }, nullptr,
       0, "truncated record: field 3 (columns 31-45) is cut short"},
      {"a number field that is not a number", "Line 10(", 3,
       [](Lines& l, std::size_t i) { l[i][26] = 'X'; }, nullptr, 0,
       "field 2 (columns 16-30) is not a number"},
      {"a count field that is not a number", "Line 9:", 1,
       [](Lines& l, std::size_t i) { l[i][8] = 'x'; }, nullptr, 0,
       "field 2 (columns 6-10) is not an integer"},
      {"Line 4 announces one point more than follow", "Line 4 :", 1,
       [](Lines& l, std::size_t i) { Set_Count(l[i], 0, 129); }, "Line 4 :", 2,
       "expected a Line 5 record (point 129 of the 129"},
      {"Line 4 announces one point fewer than follow", "Line 4 :", 1,
       [](Lines& l, std::size_t i) { Set_Count(l[i], 0, 127); }, "CurvPnt#=128", 1,
       "a Line 5 record out of place"},
      {"Line 4 announces 99999 points", "Line 4 :", 1,
       [](Lines& l, std::size_t i) { Set_Count(l[i], 0, 99999); }, "Line 4 :", 2,
       "point 129 of the 99999"},
      {"Line 3 announces a thrust more than section 1 has", "Line 3 :", 1,
       [](Lines& l, std::size_t i) { Set_Count(l[i], 0, 3); }, nullptr, 0,
       "announces 3 axial thrusts for section 1, the file holds curves for 2"},
      {"Line 2 announces a section more than have curves", "Line 2 :", 1,
       [](Lines& l, std::size_t i) { Set_Count(l[i], 0, 3); }, "Line 6 :", 1,
       "expected the curves of section 3"},
      {"Line 6 announces fewer p-y curves than follow", "Line 6 :", 1,
       [](Lines& l, std::size_t i) { Set_Count(l[i], 0, 1); }, "Line 7:", 2,
       "one p-y curve more than the 1"},
      {"Line 7 announces a p-y point more than follow", "Line 7:", 1,
       [](Lines& l, std::size_t i) { Set_Count(l[i], 15, 18); }, "Line 7:", 2,
       "expected a Line 8 record (point 18 of the 18"},
      {"Line 9 announces fewer nodes than follow", "Line 9:", 1,
       [](Lines& l, std::size_t i) { Set_Count(l[i], 5, 100); }, "Line 10(101)", 1,
       "expected a Line 11 record"},
      {"Line 9 announces a load case more than follow", "Line 9:", 1,
       [](Lines& l, std::size_t i) { Set_Count(l[i], 0, 3); }, "Line 13:", 1,
       "expected a Line 10 record (node 1 of 101, load case 3 of the 3"},
      {"Line 9 gives other units than Line 1", "Line 9:", 1,
       [](Lines& l, std::size_t i) { Set_Count(l[i], 10, 2); }, nullptr, 0,
       "IUNITS 2 differs from 1 of Line 1"},
      {"Line 11 announces length-study points that do not follow", "Line 11:", 1,
       [](Lines& l, std::size_t i) { Set_Count(l[i], 0, 2); }, "Line 10(  1)", 2,
       "expected a Line 12 record (point 1 of the 2"},
      {"a node numbered out of turn", "Line 10(  7)", 1,
       [](Lines& l, std::size_t i) { l[i].replace(l[i].find("(  7)"), 5, "(  8)"); }, nullptr, 0,
       "does not number it node 7"},
      {"a record kind out of place (Line 9 missing)", "Line 9:", 1,
       [](Lines& l, std::size_t i) { l.erase(l.begin() + static_cast<std::ptrdiff_t>(i)); },
       nullptr, 0, "a Line 10 record out of place: expected a Line 9 record"},
      {"stiffness rows in a run without the stiffness matrix", "Line 1 :", 1,
       [](Lines& l, std::size_t i) { Set_Count(l[i], 15, 0); }, "Line 9:", 2,
       "a second Line 9 in a run without the stiffness matrix"},
      {"ICOM neither 2 nor 3", "Line 1 :", 1,
       [](Lines& l, std::size_t i) { Set_Count(l[i], 0, 4); }, nullptr, 0,
       "ICOM 4 is neither 2 nor 3"},
      {"the file ends before the summary (a run ended on an error)", "Line 13:", 1,
       [](Lines& l, std::size_t i) { l.resize(i); }, "Line 11:", 2,
       "the file ends after this line, before a Line 13 record"},
      {"an empty line between records", "Line 5 :", 3,
       [](Lines& l, std::size_t i) { l.insert(l.begin() + static_cast<std::ptrdiff_t>(i), ""); },
       nullptr, 0, "an empty line between records"},
      {"a line too long for a record", "Line 5 :", 3,
       [](Lines& l, std::size_t i) { l[i] = std::string(5000, '1'); }, nullptr, 0,
       "a line longer than 1000 characters"},
  };
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.what);
    Lines lines = base;
    const std::size_t at = Find_Record(lines, damage.label, damage.occurrence);
    // The line the error must name, found before the edit moves lines.
    const std::size_t named = damage.error_label == nullptr
                                  ? at
                                  : Find_Record(base, damage.error_label, damage.error_occurrence);
    damage.edit(lines, at);
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    const std::string path = dir.File("damaged.plt");
    Write_File(path, text);
    const ReadResult read = Read_Results(path);
    EXPECT_FALSE(read.ok);
    const std::string where = path + ":" + std::to_string(named + 1) + ": ";
    EXPECT_EQ(read.error.rfind(where, 0), 0u) << read.error;
    EXPECT_NE(read.error.find(damage.message), std::string::npos) << read.error;
  }
}

TEST(ResultsReader, EmptyAndMissingFiles) {
  ScratchDir dir;
  Write_File(dir.File("empty.plt"), "");
  const ReadResult empty = Read_Results(dir.File("empty.plt"));
  EXPECT_FALSE(empty.ok);
  EXPECT_EQ(empty.error,
            dir.File("empty.plt") +
                ": the plot file holds no records (the run ended before it wrote any)");
  const ReadResult missing = Read_Results(dir.File("absent.plt"));
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.error, dir.File("absent.plt") + ": the plot file cannot be opened");
}

}  // namespace
}  // namespace tavik::results
