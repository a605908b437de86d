#include "results/report_node_columns.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <string_view>

#include "results/plot_record.h"

namespace tavik::results {

namespace {

// Head lines of a load case's results in the report (the LRFD form names the combination).
constexpr std::string_view kCaseHead = "for Lateral Loading for Load Case Number ";
constexpr std::string_view kLrfdCaseHead = "for Lateral Loading for LRFD Load Case Number ";

// A table row: depth, deflection, moment, shear, slope, total stress, EI, soil reaction,
// soil spring Es*h, distributed load.
constexpr std::size_t kRowValues = 10;
constexpr std::size_t kDepthColumn = 0;
constexpr std::size_t kSlopeColumn = 4;
constexpr std::size_t kSpringColumn = 8;
constexpr std::size_t kLoadColumn = 9;

// The case number after a head text, or 0 when the line is no case head.
int Case_Head_Number(std::string_view line) {
  for (std::string_view head : {kCaseHead, kLrfdCaseHead}) {
    const std::size_t at = line.find(head);
    if (at == std::string_view::npos) continue;
    int number = 0;
    if (Parse_Fortran_Integer(line.substr(at + head.size()), number) && number > 0) return number;
  }
  return 0;
}

// The ten numbers of a table row and the text of its depth; false for any other line.
bool Table_Row(const std::string& line, std::array<double, kRowValues>& values,
               std::string& depth_text) {
  std::istringstream words(line);
  std::size_t count = 0;
  for (std::string word; words >> word;) {
    if (count == kRowValues || !Parse_Fortran_Real(word, values[count])) return false;
    if (count == kDepthColumn) depth_text = word;
    ++count;
  }
  return count == kRowValues;
}

// Half a unit in the last place of a printed number: how far the printed value may lie from
// the value it was rounded from ("12.000": 0.0005; "20000.": 0.5; "1.25E+04": 50).
double Half_Last_Place(std::string_view text) {
  const std::size_t e = text.find_first_of("Ee");
  const std::string_view mantissa = text.substr(0, e);
  int exponent = 0;
  if (e != std::string_view::npos) Parse_Fortran_Integer(text.substr(e + 1), exponent);
  const std::size_t point = mantissa.find('.');
  const int decimals =
      point == std::string_view::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
  return 0.5 * std::pow(10.0, exponent - decimals);
}

// The node of `nodes` whose depth prints as `depth_text`: the nearest one, when it lies
// within half a unit of the last printed place (with a margin for the decimal conversion);
// -1 otherwise. The nodes are in order of increasing depth.
int Node_At_Depth(const std::vector<NodeRow>& nodes, double depth, std::string_view depth_text) {
  if (nodes.empty() || !std::isfinite(depth)) return -1;
  const auto below = std::lower_bound(nodes.begin(), nodes.end(), depth,
                                      [](const NodeRow& n, double d) { return n.depth < d; });
  std::size_t i = static_cast<std::size_t>(below - nodes.begin());
  if (i == nodes.size() || (i > 0 && depth - nodes[i - 1].depth < nodes[i].depth - depth)) --i;
  constexpr double kConversionMargin = 1.0 + 1.0e-9;
  if (std::fabs(nodes[i].depth - depth) > Half_Last_Place(depth_text) * kConversionMargin) {
    return -1;
  }
  return static_cast<int>(i);
}

}  // namespace

ReportColumns Read_Report_Node_Columns(const std::string& report_path, RunResults& results,
                                       std::string& error) {
  std::ifstream in(report_path);
  if (!in) return ReportColumns::kNoReport;

  LoadCaseResults* current = nullptr;  // the case whose table is awaited or being read
  bool in_table = false;
  int last_node = -1;  // rows come in order of depth
  int line_number = 0;
  std::array<double, kRowValues> row{};
  std::string depth_text;
  for (std::string line; std::getline(in, line);) {
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const int head = Case_Head_Number(line);
    if (head > 0) {
      const auto found =
          std::find_if(results.load_cases.begin(), results.load_cases.end(),
                       [head](const LoadCaseResults& c) { return c.number == head; });
      if (found == results.load_cases.end()) {
        error = report_path + ":" + std::to_string(line_number) + ": the results of load case " +
                std::to_string(head) + ", which the plot file does not hold";
        return ReportColumns::kMismatch;
      }
      current = &*found;
      in_table = false;
      last_node = -1;
      continue;
    }
    if (current == nullptr) continue;
    if (!Table_Row(line, row, depth_text)) {
      // The first line after the rows ends the table of this case.
      if (in_table) current = nullptr;
      continue;
    }
    in_table = true;
    const int node = Node_At_Depth(current->nodes, row[kDepthColumn], depth_text);
    if (node <= last_node) {
      std::ostringstream what;
      what << report_path << ":" << line_number << ": the row at depth " << depth_text
           << " matches no node of load case " << current->number
           << " in the plot file (is the report of the same run?)";
      error = what.str();
      return ReportColumns::kMismatch;
    }
    last_node = node;
    NodeRow& target = current->nodes[static_cast<std::size_t>(node)];
    target.slope = row[kSlopeColumn];
    target.soil_spring = row[kSpringColumn];
    target.distributed_load = row[kLoadColumn];
  }
  return ReportColumns::kRead;
}

}  // namespace tavik::results
