#include "results/plot_record.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace tavik::results {

namespace {

constexpr std::string_view kLabelStart = "Line ";
// Longest text of one number this reader converts (an F field of the report is at most 14
// columns, an ES field of the plot file 15).
constexpr std::size_t kMaxNumberText = 40;

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

bool Is_Digit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The engine's words for values that are not finite numbers.
bool Non_Finite_Word(std::string_view text, double& value) {
  const bool negative = !text.empty() && text.front() == '-';
  const std::string_view word = negative ? text.substr(1) : text;
  if (word == "Infinity" || word == "Inf") {
    value = negative ? -std::numeric_limits<double>::infinity()
                     : std::numeric_limits<double>::infinity();
    return true;
  }
  if (!negative && (word == "NaN" || word == "Not-a-Number")) {
    value = std::numeric_limits<double>::quiet_NaN();
    return true;
  }
  return false;
}

}  // namespace

bool Parse_Fortran_Real(std::string_view text, double& value) {
  text = Trim(text);
  if (text.empty() || text.size() > kMaxNumberText) return false;
  if (Non_Finite_Word(text, value)) return true;

  // sign? digits [. digits] ([Ee] sign? digits | sign digits)?, rewritten as the plain form
  // that from_chars reads ("1.0000000-100" becomes "1.0000000E-100").
  char plain[kMaxNumberText + 2];
  std::size_t n = 0;
  std::size_t k = 0;
  if (text[k] == '+' || text[k] == '-') {
    if (text[k] == '-') plain[n++] = '-';
    ++k;
  }
  int mantissa_digits = 0;
  while (k < text.size() && Is_Digit(text[k])) {
    plain[n++] = text[k++];
    ++mantissa_digits;
  }
  if (k < text.size() && text[k] == '.') {
    plain[n++] = text[k++];
    while (k < text.size() && Is_Digit(text[k])) {
      plain[n++] = text[k++];
      ++mantissa_digits;
    }
  }
  if (mantissa_digits == 0) return false;
  if (k < text.size()) {
    plain[n++] = 'E';
    if (text[k] == 'E' || text[k] == 'e') {
      ++k;
    } else if (text[k] != '+' && text[k] != '-') {
      return false;
    }
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) plain[n++] = text[k++];
    int exponent_digits = 0;
    while (k < text.size() && Is_Digit(text[k])) {
      plain[n++] = text[k++];
      ++exponent_digits;
    }
    if (exponent_digits == 0 || k != text.size()) return false;
  }
  double parsed = 0.0;
  const auto [end, error] = std::from_chars(plain, plain + n, parsed);
  if (error != std::errc() || end != plain + n) return false;
  value = parsed;
  return true;
}

bool Parse_Fortran_Integer(std::string_view text, int& value) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  int parsed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  value = parsed;
  return true;
}

bool Split_Plot_Record(std::string_view line, int line_number, PlotRecord& record,
                       std::string& problem) {
  // The label is the first "Line " followed by a digit: numbers never contain letters.
  std::size_t at = line.find(kLabelStart);
  while (at != std::string_view::npos) {
    const std::size_t digit = at + kLabelStart.size();
    if (digit < line.size() && Is_Digit(line[digit])) break;
    at = line.find(kLabelStart, at + 1);
  }
  if (at == std::string_view::npos) {
    problem = "no record label (\"Line \" and a record number): a truncated or foreign line";
    return false;
  }
  std::size_t end = at + kLabelStart.size();
  int kind = 0;
  while (end < line.size() && Is_Digit(line[end]) && kind < 1000) {
    kind = kind * 10 + (line[end] - '0');
    ++end;
  }
  record.line_number = line_number;
  record.kind = kind;
  record.numbers = std::string(line.substr(0, at));
  const std::size_t last = line.find_last_not_of(' ');
  record.label = std::string(line.substr(at, last + 1 - at));
  return true;
}

std::string FieldCursor::Columns(int width) const {
  return "columns " + std::to_string(column_ + 1) + "-" + std::to_string(column_ + width);
}

bool FieldCursor::Take(int width, std::string_view& field, const std::string& what) {
  const std::size_t last = column_ + static_cast<std::size_t>(width);
  if (last > numbers_.size()) {
    problem_ = "truncated record: " + what + " (" + Columns(width) + ") is " +
               (column_ >= numbers_.size() ? "missing" : "cut short") + " before the label";
    return false;
  }
  field = numbers_.substr(column_, static_cast<std::size_t>(width));
  column_ = last;
  return true;
}

bool FieldCursor::Integer(int& value, int width) {
  ++field_;
  const std::string what = "field " + std::to_string(field_);
  const std::string columns = Columns(width);
  std::string_view field;
  if (!Take(width, field, what)) return false;
  if (Parse_Fortran_Integer(field, value)) return true;
  problem_ = what + " (" + columns + ") is not an integer: \"" + std::string(field) + "\"";
  return false;
}

bool FieldCursor::Real(double& value, int width) {
  ++field_;
  const std::string what = "field " + std::to_string(field_);
  const std::string columns = Columns(width);
  std::string_view field;
  if (!Take(width, field, what)) return false;
  if (Parse_Fortran_Real(field, value)) return true;
  problem_ = what + " (" + columns + ") is not a number: \"" + std::string(field) + "\"";
  return false;
}

bool FieldCursor::Blank(int width) {
  const std::string columns = Columns(width);
  std::string_view field;
  if (!Take(width, field, "the blank gap")) return false;
  if (Trim(field).empty()) return true;
  problem_ = columns + " should be blank: \"" + std::string(field) + "\"";
  return false;
}

bool FieldCursor::Rest_Blank() {
  const std::string_view rest = column_ < numbers_.size() ? numbers_.substr(column_) : "";
  if (Trim(rest).empty()) return true;
  problem_ = "unexpected text after field " + std::to_string(field_) + " (from column " +
             std::to_string(column_ + 1) + "): \"" + std::string(Trim(rest)) + "\"";
  return false;
}

}  // namespace tavik::results
