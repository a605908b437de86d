// The plot file is read as the engine writes it, record group by record group:
//
//   Line 1                    ICOM, IUNITS, KYL, KXX
//   Line 2                    number of sections
//   Line 3                    number of thrusts of section 1 (when there are sections)
//   { Line 4 { Line 5 } }     per section and thrust: the bending-stiffness curve
// and, for a full analysis (ICOM 3), after them:
//   Line 6 { Line 7 { Line 8 } }           p-y curves at the user's depths
//   Line 9                                  number of load cases and of nodes
//   { { Line 10 } Line 11 { Line 12 } }     per load case: nodes, then its length study
//   { Line 13 }                             pile-head summary, one per load case
//   [ Line 9 ] { Line 14 }                  pile-head stiffness computation (KXX = 1)
//
// A run that ends on an error stops writing wherever it is, so its file ends early; such a
// file, like any file that breaks this order, is refused with the line where it goes wrong.
#include "results/plot_file_reader.h"

#include <fstream>
#include <sstream>

#include "results/plot_record.h"
#include "results/report_node_columns.h"

namespace tavik::results {

namespace {

// Records are at most about 180 columns; a longer line is no plot record (and is not read
// whole, so a file without line ends cannot exhaust memory).
constexpr std::size_t kMaxLineLength = 1000;
// The pile-head stiffness computation: ten fixed-head and ten restrained-head cases.
constexpr int kStiffnessCases = 20;

constexpr int kStiffnessOnly = 2;
constexpr int kFullAnalysis = 3;
// "Line 4": the point count (I5), a gap of 10 blanks, then the thrust and the capacity.
constexpr int kLine4Gap = 10;

// Label texts that tell variants of a record kind apart.
constexpr std::string_view kLrfdMark = "LRFD";
constexpr std::string_view kElasticCurveMark = "Elas. M-EI";
constexpr std::string_view kElasticPlasticCurveMark = "for elastic-plastic EI";
constexpr std::string_view kPyCriterionStart = "depth in ";
constexpr std::string_view kPyCriterionEnd = ", no.";

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// The integer after `key` in a label ("Sect#=" in "... for Sect#=1, AxLd#=2, ...").
bool Label_Value(std::string_view label, std::string_view key, int& value) {
  const std::size_t at = label.find(key);
  if (at == std::string_view::npos) return false;
  const std::string_view rest = label.substr(at + key.size());
  const std::size_t end = rest.find_first_not_of("0123456789");
  return Parse_Fortran_Integer(rest.substr(0, end), value);
}

// The number in parentheses right after the record kind ("Line 10(  7): ...").
bool Label_Index(std::string_view label, int& value) {
  const std::size_t open = label.find('(');
  const std::size_t close = label.find(')');
  if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
    return false;
  }
  return Parse_Fortran_Integer(label.substr(open + 1, close - open - 1), value);
}

// The integer that ends a label ("... for load case 12").
bool Label_Trailing_Number(std::string_view label, int& value) {
  const std::size_t last = label.find_last_not_of("0123456789");
  if (last == std::string_view::npos || last + 1 == label.size()) return false;
  return Parse_Fortran_Integer(label.substr(last + 1), value);
}

// The plot file as a sequence of records with one record of lookahead.
class RecordStream {
 public:
  RecordStream(std::istream& in, const std::string& path) : in_(in), path_(path) {}

  // The next record, not taken; nullptr at the end of the file or when the next line is no
  // record (then `Failed()`).
  const PlotRecord* Peek() {
    if (!has_next_ && !at_end_ && error_.empty()) Read_Next();
    return has_next_ ? &next_ : nullptr;
  }
  void Take() { has_next_ = false; }
  bool Failed() const { return !error_.empty(); }
  const std::string& Error() const { return error_; }
  int Lines_Read() const { return line_number_; }

  // Sets the error (the first one stays) and returns false.
  bool Fail(int line, const std::string& what) {
    if (error_.empty()) {
      error_ = line > 0 ? path_ + ":" + std::to_string(line) + ": " + what : path_ + ": " + what;
    }
    return false;
  }

 private:
  // Reads one line into `line`; false at the end of the file or on a line that is too long.
  bool Read_Line(std::string& line) {
    char buffer[kMaxLineLength + 1];
    in_.getline(buffer, sizeof buffer);
    const std::streamsize got = in_.gcount();  // the line end included, when there was one
    if (in_.bad()) return Fail(line_number_ + 1, "the file cannot be read");
    if (in_.fail()) {
      if (got == 0 && in_.eof()) return false;  // end of the file
      ++line_number_;
      return Fail(line_number_, "a line longer than " + std::to_string(kMaxLineLength) +
                                    " characters: no plot record");
    }
    ++line_number_;
    const bool line_end = !in_.eof();
    line.assign(buffer, static_cast<std::size_t>(got) - (line_end ? 1 : 0));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
  }

  void Read_Next() {
    std::string line;
    int first_blank = 0;  // an empty line is accepted only at the end of the file
    while (Read_Line(line)) {
      if (line.find_first_not_of(" \t") == std::string::npos) {
        if (first_blank == 0) first_blank = line_number_;
        continue;
      }
      if (first_blank > 0) {
        Fail(first_blank, "an empty line between records");
        return;
      }
      std::string problem;
      if (!Split_Plot_Record(line, line_number_, next_, problem)) {
        Fail(line_number_, problem);
        return;
      }
      has_next_ = true;
      return;
    }
    at_end_ = true;
  }

  std::istream& in_;
  const std::string& path_;
  int line_number_ = 0;
  PlotRecord next_;
  bool has_next_ = false;
  bool at_end_ = false;
  std::string error_;
};

class PlotFileParser {
 public:
  PlotFileParser(std::istream& in, const std::string& path) : records_(in, path) {}

  bool Parse(RunResults& results) {
    if (!Read_Head(results)) return false;
    if (!Read_Sections(results)) return false;
    if (results.head.icom == kFullAnalysis) {
      if (!Read_Py_Curves(results)) return false;
      if (!Read_Load_Cases(results)) return false;
      if (!Read_Summaries(results)) return false;
      if (!Read_Stiffness_Matrix(results)) return false;
    }
    return Expect_End();
  }

  const std::string& Error() const { return records_.Error(); }

 private:
  // Takes the next record, which must be of `kind`; `expected` says what it should hold.
  const PlotRecord* Expect(int kind, const std::string& expected) {
    const PlotRecord* record = records_.Peek();
    if (records_.Failed()) return nullptr;
    if (record == nullptr) {
      records_.Fail(records_.Lines_Read(),
                    "the file ends after this line, before a Line " + std::to_string(kind) +
                        " record (" + expected +
                        "); a run that ended on an error leaves its plot file "
                        "incomplete");
      return nullptr;
    }
    if (record->kind != kind) {
      Out_Of_Place(*record, "a Line " + std::to_string(kind) + " record (" + expected + ")");
      return nullptr;
    }
    records_.Take();
    return record;
  }

  // True when the next record is of `kind` (false at the end or on a broken line).
  bool Next_Is(int kind) {
    const PlotRecord* record = records_.Peek();
    return record != nullptr && record->kind == kind;
  }

  bool Out_Of_Place(const PlotRecord& record, const std::string& expected) {
    return records_.Fail(record.line_number, "a Line " + std::to_string(record.kind) +
                                                 " record out of place: expected " + expected);
  }

  bool Bad_Field(const PlotRecord& record, const FieldCursor& fields) {
    return records_.Fail(record.line_number,
                         "Line " + std::to_string(record.kind) + " record: " + fields.Problem());
  }

  bool Bad_Value(const PlotRecord& record, const std::string& what) {
    return records_.Fail(record.line_number,
                         "Line " + std::to_string(record.kind) + " record: " + what);
  }

  // A count field that must not be negative.
  bool Count(const PlotRecord& record, FieldCursor& fields, int& count, const char* what) {
    if (!fields.Integer(count)) return Bad_Field(record, fields);
    if (count < 0) return Bad_Value(record, std::string("negative ") + what);
    return true;
  }

  bool Read_Head(RunResults& results) {
    if (records_.Peek() == nullptr && !records_.Failed()) {
      return records_.Fail(0, "the plot file holds no records (the run ended before it wrote any)");
    }
    const PlotRecord* line1 = Expect(1, "ICOM, IUNITS, KYL, KXX");
    if (line1 == nullptr) return false;
    FieldCursor fields(line1->numbers);
    int icom = 0;
    int iunits = 0;
    int kxx = 0;
    RunHead& head = results.head;
    if (!fields.Integer(icom) || !fields.Integer(iunits) || !fields.Integer(head.kyl) ||
        !fields.Integer(kxx) || !fields.Rest_Blank()) {
      return Bad_Field(*line1, fields);
    }
    if (icom != kStiffnessOnly && icom != kFullAnalysis) {
      return Bad_Value(*line1, "ICOM " + std::to_string(icom) + " is neither 2 nor 3");
    }
    if (iunits < 1 || iunits > 3) {
      return Bad_Value(*line1, "IUNITS " + std::to_string(iunits) + " is not 1, 2 or 3");
    }
    if (kxx != 0 && kxx != 1) {
      return Bad_Value(*line1, "KXX " + std::to_string(kxx) + " is neither 0 nor 1");
    }
    head.icom = icom;
    head.units = static_cast<UnitSystem>(iunits);
    head.stiffness_matrix = kxx == 1;

    const PlotRecord* line2 = Expect(2, "the number of sections");
    if (line2 == nullptr) return false;
    FieldCursor count(line2->numbers);
    if (!Count(*line2, count, head.num_sections, "number of sections")) return false;
    if (!count.Rest_Blank()) return Bad_Field(*line2, count);
    sections_line_ = line2->line_number;
    return true;
  }

  // Line 3 and the curves of every section.
  bool Read_Sections(RunResults& results) {
    const int announced = results.head.num_sections;
    if (announced == 0) return true;
    const PlotRecord* line3 = Expect(3, "the number of axial thrusts");
    if (line3 == nullptr) return false;
    FieldCursor fields(line3->numbers);
    int first_thrusts = 0;
    if (!Count(*line3, fields, first_thrusts, "number of axial thrusts")) return false;
    if (!fields.Rest_Blank()) return Bad_Field(*line3, fields);
    if (Contains(line3->label, kLrfdMark)) results.lrfd = true;
    const int thrusts_line = line3->line_number;

    while (Next_Is(4)) {
      if (!Read_Thrust_Curve(results)) return false;
    }
    if (records_.Failed()) return false;
    // A full analysis has curves for every section; a stiffness-only run drops the thrusts
    // beyond a section's axial capacity, and a section may be left with none.
    const int held = results.sections.empty() ? 0 : results.sections.back().section;
    if (held < announced && results.head.icom == kFullAnalysis) {
      return Missing_After_Curves("the curves of section " + std::to_string(held + 1) +
                                  " (Line 2 at line " + std::to_string(sections_line_) +
                                  " announces " + std::to_string(announced) + " sections)");
    }
    const std::size_t first_held =
        (!results.sections.empty() && results.sections.front().section == 1)
            ? results.sections.front().thrusts.size()
            : 0;
    if (first_held != static_cast<std::size_t>(first_thrusts)) {
      return records_.Fail(thrusts_line,
                           "Line 3 record: announces " + std::to_string(first_thrusts) +
                               " axial thrusts for section 1, the file holds curves for " +
                               std::to_string(first_held));
    }
    return true;
  }

  // A group ended before `expected`: at the record that came instead, or at the end.
  bool Missing_After_Curves(const std::string& expected) {
    const PlotRecord* record = records_.Peek();
    if (records_.Failed()) return false;
    if (record == nullptr) {
      return records_.Fail(records_.Lines_Read(),
                           "the file ends after this line, before " + expected +
                               "; a run that ended on an error leaves its plot file incomplete");
    }
    return Out_Of_Place(*record, expected);
  }

  // One Line 4 record and its Line 5 points.
  bool Read_Thrust_Curve(RunResults& results) {
    const PlotRecord* line4 = Expect(4, "a bending-stiffness curve");
    if (line4 == nullptr) return false;
    const int line4_number = line4->line_number;
    FieldCursor fields(line4->numbers);
    int count = 0;
    ThrustCurve curve;
    if (!Count(*line4, fields, count, "number of curve points")) return false;
    if (!fields.Blank(kLine4Gap) || !fields.Real(curve.axial_thrust) ||
        !fields.Real(curve.nominal_moment) || !fields.Rest_Blank()) {
      return Bad_Field(*line4, fields);
    }
    const StiffnessKind kind = Contains(line4->label, kElasticCurveMark) ? StiffnessKind::kElastic
                               : Contains(line4->label, kElasticPlasticCurveMark)
                                   ? StiffnessKind::kElasticPlastic
                                   : StiffnessKind::kMomentCurvature;

    // The section and thrust numbers are in the labels of the points; a curve without points
    // stays with the section in hand.
    int section = results.sections.empty() ? 1 : results.sections.back().section;
    int thrust = 0;
    for (int p = 1; p <= count; ++p) {
      const PlotRecord* line5 =
          Expect(5, "point " + std::to_string(p) + " of the " + std::to_string(count) +
                        " that Line 4 at line " + std::to_string(line4_number) + " announces");
      if (line5 == nullptr) return false;
      FieldCursor values(line5->numbers);
      CurvePoint point;
      if (!values.Real(point.moment) || !values.Real(point.ei) || !values.Real(point.curvature) ||
          !values.Rest_Blank()) {
        return Bad_Field(*line5, values);
      }
      int j = 0;
      int t = 0;
      int n = 0;
      if (!Label_Value(line5->label, "Sect#=", j) || !Label_Value(line5->label, "AxLd#=", t) ||
          !Label_Value(line5->label, "CurvPnt#=", n)) {
        return Bad_Value(*line5, "the label lacks its section, thrust or point number");
      }
      if (n != p) {
        return Bad_Value(*line5, "point number " + std::to_string(n) + " where point " +
                                     std::to_string(p) + " was expected");
      }
      if (p == 1) {
        section = j;
        thrust = t;
      } else if (j != section || t != thrust) {
        return Bad_Value(*line5, "section " + std::to_string(j) + ", thrust " + std::to_string(t) +
                                     " inside the curve of section " + std::to_string(section) +
                                     ", thrust " + std::to_string(thrust));
      }
      curve.points.push_back(point);
    }

    if (results.sections.empty() || results.sections.back().section != section) {
      const int previous = results.sections.empty() ? 0 : results.sections.back().section;
      if (section <= previous || section > results.head.num_sections) {
        return records_.Fail(line4_number, "Line 4 record: the curve of section " +
                                               std::to_string(section) + " after section " +
                                               std::to_string(previous) + " of " +
                                               std::to_string(results.head.num_sections));
      }
      SectionCurves added;
      added.section = section;
      added.kind = kind;
      results.sections.push_back(added);
    }
    SectionCurves& owner = results.sections.back();
    const int expected_thrust = static_cast<int>(owner.thrusts.size()) + 1;
    if (count > 0 && thrust != expected_thrust) {
      return records_.Fail(line4_number + 1, "Line 5 record: thrust " + std::to_string(thrust) +
                                                 " where thrust " +
                                                 std::to_string(expected_thrust) + " of section " +
                                                 std::to_string(section) + " was expected");
    }
    owner.thrusts.push_back(std::move(curve));
    return true;
  }

  // Line 6 and the p-y curves at the user's depths. The count is that of the depths; a
  // depth in a layer whose criterion has no curve output (massive rock) gets no curve, so
  // fewer curves than the count may follow, never more.
  bool Read_Py_Curves(RunResults& results) {
    const PlotRecord* line6 = Expect(6, "the number of p-y curves at user depths");
    if (line6 == nullptr) return false;
    FieldCursor fields(line6->numbers);
    int announced = 0;
    if (!Count(*line6, fields, announced, "number of p-y curves")) return false;
    if (!fields.Rest_Blank()) return Bad_Field(*line6, fields);
    const int line6_number = line6->line_number;
    while (Next_Is(7)) {
      const PlotRecord* line7 = Expect(7, "a p-y curve");
      if (line7 == nullptr) return false;
      if (static_cast<int>(results.py_curves.size()) == announced) {
        return Bad_Value(*line7, "one p-y curve more than the " + std::to_string(announced) +
                                     " that Line 6 at line " + std::to_string(line6_number) +
                                     " announces");
      }
      FieldCursor values(line7->numbers);
      PyCurve curve;
      int count = 0;
      if (!values.Real(curve.depth)) return Bad_Field(*line7, values);
      if (!Count(*line7, values, count, "number of p-y points")) return false;
      if (!values.Rest_Blank()) return Bad_Field(*line7, values);
      const std::size_t from = line7->label.find(kPyCriterionStart);
      if (from != std::string::npos) {
        const std::size_t start = from + kPyCriterionStart.size();
        curve.criterion =
            line7->label.substr(start, line7->label.find(kPyCriterionEnd, start) - start);
      }
      const int line7_number = line7->line_number;
      for (int p = 1; p <= count; ++p) {
        const PlotRecord* line8 =
            Expect(8, "point " + std::to_string(p) + " of the " + std::to_string(count) +
                          " that Line 7 at line " + std::to_string(line7_number) + " announces");
        if (line8 == nullptr) return false;
        FieldCursor point_fields(line8->numbers);
        PyPoint point;
        if (!point_fields.Real(point.y) || !point_fields.Real(point.p) ||
            !point_fields.Rest_Blank()) {
          return Bad_Field(*line8, point_fields);
        }
        int index = 0;
        if (!Label_Index(line8->label, index) || index != p) {
          return Bad_Value(*line8, "the label does not number it point " + std::to_string(p));
        }
        curve.points.push_back(point);
      }
      results.py_curves.push_back(std::move(curve));
    }
    return !records_.Failed();
  }

  // Line 9, then per load case its nodes, its Line 11 and the points of its length study.
  bool Read_Load_Cases(RunResults& results) {
    const PlotRecord* line9 = Expect(9, "the numbers of load cases and of nodes");
    if (line9 == nullptr) return false;
    FieldCursor fields(line9->numbers);
    int iunits = 0;
    if (!Count(*line9, fields, num_cases_, "number of load cases") ||
        !Count(*line9, fields, num_nodes_, "number of nodes")) {
      return false;
    }
    if (!fields.Integer(iunits) || !fields.Rest_Blank()) return Bad_Field(*line9, fields);
    if (iunits != static_cast<int>(results.head.units)) {
      return Bad_Value(*line9, "IUNITS " + std::to_string(iunits) + " differs from " +
                                   std::to_string(static_cast<int>(results.head.units)) +
                                   " of Line 1");
    }
    if (num_nodes_ < 1) return Bad_Value(*line9, "no nodes");
    cases_line_ = line9->line_number;

    for (int c = 1; c <= num_cases_; ++c) {
      LoadCaseResults load_case;
      load_case.number = c;
      if (!Read_Nodes(c, load_case)) return false;
      if (!Read_Length_Study(c, load_case, results)) return false;
      results.load_cases.push_back(std::move(load_case));
    }
    return true;
  }

  std::string Of_Case(int c) const {
    return "load case " + std::to_string(c) + " of the " + std::to_string(num_cases_) +
           " that Line 9 at line " + std::to_string(cases_line_) + " announces";
  }

  bool Read_Nodes(int c, LoadCaseResults& load_case) {
    for (int i = 1; i <= num_nodes_; ++i) {
      const PlotRecord* line10 = Expect(10, "node " + std::to_string(i) + " of " +
                                                std::to_string(num_nodes_) + ", " + Of_Case(c));
      if (line10 == nullptr) return false;
      FieldCursor fields(line10->numbers);
      NodeRow node;
      if (!fields.Real(node.depth) || !fields.Real(node.deflection) || !fields.Real(node.moment) ||
          !fields.Real(node.shear) || !fields.Real(node.soil_reaction) || !fields.Real(node.ei) ||
          !fields.Rest_Blank()) {
        return Bad_Field(*line10, fields);
      }
      int index = 0;
      if (!Label_Index(line10->label, index) || index != i) {
        return Bad_Value(*line10, "the label does not number it node " + std::to_string(i));
      }
      if (!load_case.nodes.empty() && !(node.depth > load_case.nodes.back().depth)) {
        return Bad_Value(*line10, "the depth does not increase from the node above");
      }
      load_case.nodes.push_back(node);
    }
    return true;
  }

  bool Read_Length_Study(int c, LoadCaseResults& load_case, RunResults& results) {
    const PlotRecord* line11 = Expect(11, "the length study of " + Of_Case(c));
    if (line11 == nullptr) return false;
    FieldCursor fields(line11->numbers);
    int count = 0;
    if (!Count(*line11, fields, count, "number of length-study points")) return false;
    if (!fields.Rest_Blank()) return Bad_Field(*line11, fields);
    int number = 0;
    if (!Label_Trailing_Number(line11->label, number) || number != c) {
      return Bad_Value(*line11, "the label does not name load case " + std::to_string(c));
    }
    if (Contains(line11->label, kLrfdMark)) results.lrfd = true;
    const int line11_number = line11->line_number;
    for (int p = 1; p <= count; ++p) {
      const PlotRecord* line12 =
          Expect(12, "point " + std::to_string(p) + " of the " + std::to_string(count) +
                         " that Line 11 at line " + std::to_string(line11_number) + " announces");
      if (line12 == nullptr) return false;
      FieldCursor values(line12->numbers);
      LengthStudyPoint point;
      if (!values.Real(point.pile_length) || !values.Real(point.head_deflection) ||
          !values.Real(point.max_moment) || !values.Real(point.max_shear) || !values.Rest_Blank()) {
        return Bad_Field(*line12, values);
      }
      load_case.length_study.push_back(point);
    }
    return true;
  }

  // One Line 13 per load case, in case order.
  bool Read_Summaries(RunResults& results) {
    for (LoadCaseResults& load_case : results.load_cases) {
      const PlotRecord* line13 =
          Expect(13, "the pile-head summary of " + Of_Case(load_case.number));
      if (line13 == nullptr) return false;
      FieldCursor fields(line13->numbers);
      CaseSummary summary;
      if (!fields.Real(summary.head_shear) || !fields.Real(summary.head_deflection) ||
          !fields.Real(summary.max_moment) || !fields.Real(summary.max_shear) ||
          !fields.Real(summary.head_rotation) || !fields.Rest_Blank()) {
        return Bad_Field(*line13, fields);
      }
      load_case.summary = summary;
    }
    return true;
  }

  // The rows of the pile-head stiffness matrix: none when it was not asked for (KXX = 0) or
  // could not be computed. Its first case, once converged, writes a Line 9 of its own (the
  // twenty cases of the computation, the nodes of the pile), with no node records after it.
  bool Read_Stiffness_Matrix(RunResults& results) {
    if (Next_Is(9)) {
      const PlotRecord* line9 = Expect(9, "the Line 9 of the pile-head stiffness computation");
      if (line9 == nullptr) return false;
      if (!results.head.stiffness_matrix) {
        return Bad_Value(*line9,
                         "a second Line 9 in a run without the stiffness matrix (KXX = 0 in "
                         "Line 1)");
      }
      FieldCursor fields(line9->numbers);
      int cases = 0;
      int nodes = 0;
      int iunits = 0;
      if (!fields.Integer(cases) || !fields.Integer(nodes) || !fields.Integer(iunits) ||
          !fields.Rest_Blank()) {
        return Bad_Field(*line9, fields);
      }
      if (cases != kStiffnessCases || nodes != num_nodes_) {
        return Bad_Value(*line9, "the stiffness computation has " +
                                     std::to_string(kStiffnessCases) + " cases on the " +
                                     std::to_string(num_nodes_) + " nodes of the pile");
      }
    }
    while (Next_Is(14)) {
      const PlotRecord* line14 = Expect(14, "a pile-head stiffness row");
      if (line14 == nullptr) return false;
      if (!results.head.stiffness_matrix) {
        return Bad_Value(*line14,
                         "a pile-head stiffness row in a run without the stiffness "
                         "matrix (KXX = 0 in Line 1)");
      }
      FieldCursor fields(line14->numbers);
      StiffnessRow row;
      if (!fields.Real(row.shear) || !fields.Real(row.moment) || !fields.Real(row.k22) ||
          !fields.Real(row.k23) || !fields.Real(row.k32) || !fields.Real(row.k33) ||
          !fields.Real(row.head_deflection) || !fields.Real(row.head_rotation) ||
          !fields.Rest_Blank()) {
        return Bad_Field(*line14, fields);
      }
      results.stiffness_matrix.push_back(row);
    }
    return !records_.Failed();
  }

  bool Expect_End() {
    const PlotRecord* record = records_.Peek();
    if (records_.Failed()) return false;
    if (record == nullptr) return true;
    return Out_Of_Place(*record, "the end of the file after the last record of the run");
  }

  RecordStream records_;
  int sections_line_ = 0;
  int cases_line_ = 0;
  int num_cases_ = 0;
  int num_nodes_ = 0;
};

}  // namespace

namespace {

// The records of `in` into `result` (ok = false with the error on failure).
void Parse_Plot_Stream(std::istream& in, const std::string& name, ReadResult& result) {
  PlotFileParser parser(in, name);
  if (!parser.Parse(result.results)) {
    result.error = parser.Error();
    result.results = RunResults{};
    return;
  }
  result.ok = true;
}

}  // namespace

ReadResult Read_Results(const std::string& plot_path, const std::string& report_path) {
  ReadResult result;
  try {
    std::ifstream in(plot_path, std::ios::binary);
    if (!in) {
      result.error = plot_path + ": the plot file cannot be opened";
      return result;
    }
    Parse_Plot_Stream(in, plot_path, result);
    if (result.ok && !report_path.empty() &&
        Read_Report_Node_Columns(report_path, result.results, result.error) ==
            ReportColumns::kMismatch) {
      result.ok = false;
      result.results = RunResults{};
    }
  } catch (const std::exception& e) {
    result = ReadResult{};
    result.error = plot_path + ": " + e.what();
  }
  return result;
}

ReadResult Read_Plot_Text(const std::string& text, const std::string& name) {
  ReadResult result;
  try {
    std::istringstream in(text);
    Parse_Plot_Stream(in, name, result);
  } catch (const std::exception& e) {
    result = ReadResult{};
    result.error = name + ": " + e.what();
  }
  return result;
}

}  // namespace tavik::results
