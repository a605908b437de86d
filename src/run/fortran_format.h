// Fixed-width record formatting with the semantics of Fortran edit descriptors.
//
// Every report line, plot record and run-message line of Tavik is composed here: no
// other code pads or rounds numbers by hand. A FortranLine is one output record under
// construction with a current position (1-based column = pos + 1). Each descriptor writes
// at the current position, overwriting what is there or extending the record, and moves
// the position past what it wrote, exactly like a formatted WRITE. X and T only move the
// position: the columns they skip beyond the end of the record become blanks when the
// next field is written (even an empty one), so a trailing X or T adds nothing, and an X
// over existing characters keeps them.
//
// Numeric conventions (as a Fortran runtime formats them):
//   - Rounding is to nearest on the exact binary value of the double; the sign of a
//     negative value is written even when it rounds to zero ("-0.00").
//   - A value that does not fit its field is written as w asterisks.
//   - Infinity and NaN are written as "Inf"/"Infinity"/"NaN", right-aligned, signed when
//     negative ("Infinity" from w = 8, "-Infinity" from w = 9); asterisks when even
//     "Inf"/"-Inf"/"NaN" does not fit. NaN is never signed.
//   - Negative w or d are taken as 0. No routine fails or throws.
#ifndef TAVIK_RUN_FORTRAN_FORMAT_H
#define TAVIK_RUN_FORTRAN_FORMAT_H

#include <cstddef>
#include <string>
#include <string_view>

namespace tavik {

class FortranLine {
 public:
  // A: the text as it stands.
  FortranLine& A(std::string_view text);
  // Aw: the text right-aligned in w columns, or its leftmost w characters when longer.
  FortranLine& A(std::string_view text, int w);
  // Iw: integer right-aligned in w columns; w = 0 is I0 (shortest form).
  FortranLine& I(long long n, int w);
  // Iw.m: as Iw with at least m digits, zero-filled on the left (I2.2 of 7 is "07");
  // w asterisks when m > w. With m = 0 the value 0 has no digits: Iw.0 writes w blanks,
  // I0.0 one blank. Iw is Iw.1.
  FortranLine& I(long long n, int w, int m);
  // Fw.d: fixed point with d decimals; the leading zero of |x| < 1 is dropped when the
  // field has no room for it (F4.3 of 0.5 is ".500"). w = 0 is F0.d (shortest form, which
  // never has the leading zero when d > 0: F0.2 of 0.5 is ".50"; F0.0 of 0.4 is "0.").
  FortranLine& F(double x, int w, int d);
  // ESw.d: scientific, one nonzero digit before the point ("1.2346E+04"). The exponent
  // takes the form E+dd for |exp| <= 99 and +ddd (no letter) for 99 < |exp| <= 999.
  // w = 0 is the shortest form: exponent as "E" with the fewest digits ("1.000E+5"), left
  // out when it is 0 ("2.500"); ES0.0 writes 17 decimals.
  FortranLine& ES(double x, int w, int d);
  // Ew.d: normalised mantissa 0.dddd ("0.1235E+05"); the leading "0" is dropped when
  // the field has no room for it. Ew.0 (w > 0) has no digit to show: w asterisks.
  // w = 0 is the shortest form, exponent as for ES0.d; it keeps the leading "0" only
  // while the field is at most 25 columns wide. E0.0 writes 17 digits.
  FortranLine& E(double x, int w, int d);
  // nX: move n columns right (n <= 0: no move).
  FortranLine& X(int n);
  // Tn: move to column n (1-based; n < 1 is column 1). A later field written there
  // overwrites the record; characters beyond what it writes stay.
  FortranLine& T(int column);

  const std::string& str() const { return text_; }
  bool empty() const { return text_.empty(); }
  std::size_t size() const { return text_.size(); }
  void clear() {
    text_.clear();
    pos_ = 0;
  }

 private:
  void Put(std::string_view field);

  std::string text_;
  std::size_t pos_ = 0;
};

}  // namespace tavik

#endif  // TAVIK_RUN_FORTRAN_FORMAT_H
