// One line of a plot file taken apart: the fixed-width number fields in front and the label
// "Line N..." that names the record kind. Also the reading of one number as the engine's
// Fortran-style edit descriptors write it (ES15.7 and I5 fields of the plot file, the F and
// ES fields of the report tables).
#ifndef TAVIK_RESULTS_PLOT_RECORD_H
#define TAVIK_RESULTS_PLOT_RECORD_H

#include <string>
#include <string_view>

namespace tavik::results {

// Widths of the plot file's number fields: counts in I5, values in ES15.7.
inline constexpr int kCountWidth = 5;
inline constexpr int kValueWidth = 15;

// Reads one real written by an F, ES or E edit descriptor: "12.000", "20000." (no
// decimals), "2.9297848E-07", "1.0000000-100" (a three-digit exponent takes the place of the
// "E"), or the engine's non-finite words "NaN", "Infinity", "Inf" (signed when negative) and
// the report's "Not-a-Number". Blanks around the text are ignored. False for anything else,
// `value` then unchanged.
bool Parse_Fortran_Real(std::string_view text, double& value);

// Reads one integer of an I edit descriptor (blanks around it ignored). False for anything
// else, including a field of asterisks (a number too wide for its field).
bool Parse_Fortran_Integer(std::string_view text, int& value);

// A plot-file line split at its label.
struct PlotRecord {
  int line_number = 0;  // 1-based line of the file
  int kind = 0;         // N of "Line N"
  std::string numbers;  // the text in front of the label
  std::string label;    // from "Line " to the end of the line, trailing blanks removed
};

// Splits `line` at the first "Line " followed by a record number. False, with `problem`
// saying why, when the line has no such label.
bool Split_Plot_Record(std::string_view line, int line_number, PlotRecord& record,
                       std::string& problem);

// Walks the number fields of a record from column 1: each call takes the next field of the
// given width. A field that is missing (the numbers end before it) or not a number stops the
// walk; `Problem()` then says which field and why.
class FieldCursor {
 public:
  explicit FieldCursor(std::string_view numbers) : numbers_(numbers) {}
  bool Integer(int& value, int width = kCountWidth);
  bool Real(double& value, int width = kValueWidth);
  // A gap of `width` columns that must be blank (an X edit descriptor).
  bool Blank(int width);
  // The rest of the number text must be blank (no field beyond those of the layout).
  bool Rest_Blank();
  const std::string& Problem() const { return problem_; }

 private:
  bool Take(int width, std::string_view& field, const std::string& what);
  std::string Columns(int width) const;  // "columns a-b" of the next field

  std::string_view numbers_;
  std::size_t column_ = 0;  // 0-based column of the next field
  int field_ = 0;           // number fields taken so far
  std::string problem_;
};

}  // namespace tavik::results

#endif  // TAVIK_RESULTS_PLOT_RECORD_H
