#include "run/fortran_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace tavik {

namespace {

constexpr char kBlank = ' ';
constexpr char kOverflowFill = '*';

// The exact decimal expansion of a finite double has at most 309 digits before the point,
// 1074 after it and 767 significant digits: digits requested beyond these are zeros, so
// the digit generator is never asked for more and the zeros are written separately.
constexpr int kMaxIntegerDigits = 309;
constexpr int kMaxExactFractionDigits = 1074;
constexpr int kMaxExactSignificantDigits = 767;

// Room for the sign, "0", the point and the digits of any fixed or scientific form, plus
// the exponent of the scientific form ("e-324").
constexpr int kDigitBufferSize = 1 + kMaxIntegerDigits + 1 + kMaxExactFractionDigits + 16;
// Room for the decimal digits and sign of any long long.
constexpr int kIntegerBufferSize = 24;

// Exponents of magnitude up to this are written with the letter ("E+dd"); larger ones as
// sign and three digits ("+ddd").
constexpr int kTwoDigitExponentMax = 99;
// Columns taken by the exponent of ESw.d / Ew.d with w > 0 ("E+dd" or "+ddd").
constexpr int kExponentWidth = 4;
// E0.d writes the leading "0" of its mantissa only while the whole field, sign and
// exponent included, is at most this wide ("0.500E-1" but ".5000...000" with 24 zeros);
// F0.d never writes it.
constexpr std::size_t kShortestNormalizedZeroLimit = 25;
// Decimals written by ES0.0 and E0.0 (17 significant digits or more tell doubles apart).
constexpr int kShortestScientificDecimals = 17;

constexpr std::string_view kInfShort = "Inf";
constexpr std::string_view kInfLong = "Infinity";
constexpr std::string_view kNegInfShort = "-Inf";
constexpr std::string_view kNegInfLong = "-Infinity";
constexpr std::string_view kNotANumber = "NaN";

// Powers of ten exactly representable as doubles: kPow10[k] = 10^k.
constexpr int kMaxExactPow10 = 22;
constexpr double kPow10[kMaxExactPow10 + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The record and its current position, as seen by the field writers below. Writing at a
// position beyond the end of the record first fills the gap with blanks; writing over
// existing characters replaces them; the position then moves past what was written.
class Cursor {
 public:
  Cursor(std::string& text, std::size_t& pos) : text_(text), pos_(pos) {}

  // Writes `field` at the position (possibly empty: the gap up to the position is still
  // filled, as for any data transfer).
  void Put(std::string_view field) {
    const std::size_t overlap = Reach(field.size());
    if (overlap > 0) std::memcpy(text_.data() + pos_, field.data(), overlap);
    text_.append(field.data() + overlap, field.size() - overlap);
    pos_ += field.size();
  }

  // Writes `count` copies of `c` at the position.
  void Fill(char c, std::size_t count) {
    const std::size_t overlap = Reach(count);
    if (overlap > 0) std::memset(text_.data() + pos_, c, overlap);
    text_.append(count - overlap, c);
    pos_ += count;
  }

 private:
  // Fills the gap between the end of the record and the position with blanks and returns
  // how many of the next `count` characters land on existing characters.
  std::size_t Reach(std::size_t count) {
    if (pos_ > text_.size()) text_.append(pos_ - text_.size(), kBlank);
    return std::min(count, text_.size() - pos_);
  }

  std::string& text_;
  std::size_t& pos_;
};

// A numeric field assembled from pieces: the head (sign, digits, point) held in a
// writable buffer, then `zeros` '0's beyond the exactly generated digits, then `tail` (the
// exponent). `optional_zero` is true when the head holds a leading "0" before the point
// (after any sign) that may be dropped for lack of room.
struct NumberPieces {
  char* head = nullptr;
  std::size_t head_size = 0;
  std::size_t zeros = 0;
  std::string_view tail;
  bool optional_zero = false;

  std::size_t Size() const { return head_size + zeros + tail.size(); }

  // Removes the optional leading "0" from the head, keeping any sign in front.
  void DropZero() {
    if (!optional_zero) return;
    if (head[0] == '-') head[1] = '-';
    ++head;
    --head_size;
    optional_zero = false;
  }
};

// Writes `pieces` right-aligned in w columns, dropping the optional leading zero when the
// field has no room for it; a field that still does not fit is w asterisks. With w = 0 the
// field takes exactly its own width and keeps the optional zero only while that width
// stays within `shortest_zero_limit` columns.
void PutNumber(Cursor& out, NumberPieces pieces, int w, std::size_t shortest_zero_limit) {
  if (w == 0) {
    if (pieces.Size() > shortest_zero_limit) pieces.DropZero();
  } else {
    const auto width = static_cast<std::size_t>(w);
    if (pieces.Size() > width) pieces.DropZero();
    if (pieces.Size() > width) {
      out.Fill(kOverflowFill, width);
      return;
    }
    out.Fill(kBlank, width - pieces.Size());
  }
  out.Put(std::string_view(pieces.head, pieces.head_size));
  if (pieces.zeros > 0) out.Fill('0', pieces.zeros);
  out.Put(pieces.tail);
}

// Writes an infinity or NaN in w columns (w = 0: its own width): "Infinity" when the
// field has room for it, else "Inf"; negative infinities carry a minus sign; NaN is never
// signed. Asterisks when even the short form does not fit.
void PutNonFinite(Cursor& out, double x, int w) {
  std::string_view text = kNotANumber;
  if (std::isinf(x)) {
    const bool negative = std::signbit(x);
    const std::string_view full = negative ? kNegInfLong : kInfLong;
    text = (w > 0 && static_cast<std::size_t>(w) >= full.size())
               ? full
               : (negative ? kNegInfShort : kInfShort);
  }
  if (w == 0) {
    out.Put(text);
    return;
  }
  const auto width = static_cast<std::size_t>(w);
  if (text.size() > width) {
    out.Fill(kOverflowFill, width);
    return;
  }
  out.Fill(kBlank, width - text.size());
  out.Put(text);
}

// Writes the exponent `e` of a scientific field into `dest` and returns its length. For
// w > 0 it takes four columns ("E+dd", or "+ddd" beyond two digits); for w = 0 it is
// "E" with the sign and the fewest digits, and is left out entirely when e = 0.
std::size_t FormatExponent(char* dest, int e, int w) {
  const bool shortest = w == 0;
  if (shortest && e == 0) return 0;
  char* p = dest;
  const int magnitude = e < 0 ? -e : e;
  if (shortest || magnitude <= kTwoDigitExponentMax) *p++ = 'E';
  *p++ = e < 0 ? '-' : '+';
  if (!shortest && magnitude < 10) *p++ = '0';
  // magnitude <= 999 for any double, so a 3-digit space suffices.
  p = std::to_chars(p, p + 3, magnitude).ptr;
  return static_cast<std::size_t>(p - dest);
}

// Fw.d of a finite or non-finite x into `out`.
void PutFixed(Cursor& out, double x, int w, int d) {
  if (!std::isfinite(x)) {
    PutNonFinite(out, x, w);
    return;
  }
  // A field narrower than its point and decimals, or a magnitude of 10^w or more (more
  // integer digits than columns), can never fit: skip generating the digits.
  const double magnitude = std::fabs(x);
  if (w > 0 && (d >= w || (w <= kMaxExactPow10 && magnitude >= kPow10[w]))) {
    out.Fill(kOverflowFill, static_cast<std::size_t>(w));
    return;
  }
  char buffer[kDigitBufferSize];
  char* const start = buffer;
  char* p = start;
  if (std::signbit(x)) *p++ = '-';
  char* const digits = p;
  const int generated = std::min(d, kMaxExactFractionDigits);
  // Cannot fail: the buffer holds the longest fixed form of a double.
  p = std::to_chars(p, buffer + kDigitBufferSize, magnitude, std::chars_format::fixed, generated)
          .ptr;
  if (d == 0) *p++ = '.';
  NumberPieces pieces;
  pieces.head = start;
  pieces.head_size = static_cast<std::size_t>(p - start);
  pieces.zeros = static_cast<std::size_t>(d - generated);
  // "0.ddd": the integer part is zero. With d = 0 the "0" is all there is and stays.
  pieces.optional_zero = d > 0 && digits[0] == '0';
  PutNumber(out, pieces, w, /*shortest_zero_limit=*/0);
}

// ESw.d (normalized = false: "d.ddd") or Ew.d (normalized = true: "0.ddd") of x.
void PutScientific(Cursor& out, double x, int w, int d, bool normalized) {
  if (!std::isfinite(x)) {
    PutNonFinite(out, x, w);
    return;
  }
  // ES0.0 and E0.0 leave the precision to the writer: enough decimals to tell any two
  // doubles apart. Ew.0 otherwise has no digit to show; fields narrower than the shortest
  // possible form overflow.
  if (w == 0 && d == 0) d = kShortestScientificDecimals;
  const long long shortest = (normalized ? 1LL : 2LL) + d + kExponentWidth;
  if ((normalized && d == 0) || (w > 0 && shortest > w)) {
    out.Fill(kOverflowFill, static_cast<std::size_t>(w));
    return;
  }
  // Significant digits shown: d + 1 for ES, d for E; generated exactly up to the longest
  // exact expansion, zeros beyond.
  const long long significant = normalized ? d : d + 1LL;
  const int generated =
      static_cast<int>(std::min<long long>(significant, kMaxExactSignificantDigits));
  char digits[kMaxExactSignificantDigits + 16];
  const std::to_chars_result r = std::to_chars(digits, digits + sizeof digits, std::fabs(x),
                                               std::chars_format::scientific, generated - 1);
  // digits = "D[.DDD]e+XX" or "D[.DDD]e-XX"
  const char* const exp_mark = std::find(digits, r.ptr, 'e');
  int e = 0;
  std::from_chars(exp_mark + (exp_mark[1] == '+' ? 2 : 1), r.ptr, e);
  if (normalized && x != 0.0) ++e;

  char buffer[kMaxExactSignificantDigits + 16];
  char* const start = buffer;
  char* p = start;
  if (std::signbit(x)) *p++ = '-';
  // "0.D" + "DDD" for E, "D." + "DDD" for ES.
  if (normalized) {
    *p++ = '0';
    *p++ = '.';
    *p++ = digits[0];
  } else {
    *p++ = digits[0];
    *p++ = '.';
  }
  if (generated > 1) {
    const auto rest = static_cast<std::size_t>(generated - 1);
    std::memcpy(p, digits + 2, rest);
    p += rest;
  }
  char exponent[8];
  const std::size_t exponent_size = FormatExponent(exponent, e, w);

  NumberPieces pieces;
  pieces.head = start;
  pieces.head_size = static_cast<std::size_t>(p - start);
  pieces.zeros = static_cast<std::size_t>(significant - generated);
  pieces.tail = std::string_view(exponent, exponent_size);
  pieces.optional_zero = normalized;
  PutNumber(out, pieces, w, kShortestNormalizedZeroLimit);
}

}  // namespace

// Writes `field` at the current position and moves past it.
void FortranLine::Put(std::string_view field) {
  Cursor(text_, pos_).Put(field);
}

// A: writes the text as it stands.
FortranLine& FortranLine::A(std::string_view text) {
  Put(text);
  return *this;
}

// Aw: writes the text right-aligned in w columns, or its first w characters when longer.
// Negative w is taken as 0 (nothing written).
FortranLine& FortranLine::A(std::string_view text, int w) {
  Cursor out(text_, pos_);
  const auto width = static_cast<std::size_t>(std::max(w, 0));
  if (text.size() >= width) {
    out.Put(text.substr(0, width));
  } else {
    out.Fill(kBlank, width - text.size());
    out.Put(text);
  }
  return *this;
}

// Iw / I0: as Iw.1.
FortranLine& FortranLine::I(long long n, int w) {
  return I(n, w, 1);
}

// Iw.m / I0.m: writes n right-aligned in w columns (w <= 0: the shortest form) with a
// minus sign when negative and at least m digits, zero-filled on the left; w asterisks
// when it does not fit or m > w. With m = 0 the value 0 has no digits: Iw.0 writes w
// blanks and I0.0 one blank. Negative m is taken as 0.
FortranLine& FortranLine::I(long long n, int w, int m) {
  Cursor out(text_, pos_);
  w = std::max(w, 0);
  m = std::max(m, 0);
  if (w > 0 && m > w) {
    out.Fill(kOverflowFill, static_cast<std::size_t>(w));
    return *this;
  }
  // The magnitude as unsigned, so that the most negative long long has one too.
  const unsigned long long magnitude =
      n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
  char buffer[kIntegerBufferSize];
  // Cannot fail: the buffer holds the 20 digits of any unsigned long long.
  const char* const end = std::to_chars(buffer, buffer + kIntegerBufferSize, magnitude).ptr;
  std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
  if (n == 0 && m == 0) digits = {};
  const auto min_digits = static_cast<std::size_t>(m);
  const std::size_t zeros = min_digits > digits.size() ? min_digits - digits.size() : 0;
  const std::size_t size = (n < 0 ? 1 : 0) + zeros + digits.size();
  if (w > 0) {
    const auto width = static_cast<std::size_t>(w);
    if (size > width) {
      out.Fill(kOverflowFill, width);
      return *this;
    }
    out.Fill(kBlank, width - size);
  } else if (size == 0) {
    out.Fill(kBlank, 1);
    return *this;
  }
  if (n < 0) out.Put("-");
  out.Fill('0', zeros);
  out.Put(digits);
  return *this;
}

// Fw.d / F0.d of x (any double). Negative w or d are taken as 0.
FortranLine& FortranLine::F(double x, int w, int d) {
  Cursor out(text_, pos_);
  PutFixed(out, x, std::max(w, 0), std::max(d, 0));
  return *this;
}

// ESw.d of x (any double). Negative w or d are taken as 0.
FortranLine& FortranLine::ES(double x, int w, int d) {
  Cursor out(text_, pos_);
  PutScientific(out, x, std::max(w, 0), std::max(d, 0), /*normalized=*/false);
  return *this;
}

// Ew.d of x (any double). Negative w or d are taken as 0.
FortranLine& FortranLine::E(double x, int w, int d) {
  Cursor out(text_, pos_);
  PutScientific(out, x, std::max(w, 0), std::max(d, 0), /*normalized=*/true);
  return *this;
}

// nX: moves the position n columns right without writing (n <= 0: no move).
FortranLine& FortranLine::X(int n) {
  if (n > 0) pos_ += static_cast<std::size_t>(n);
  return *this;
}

// Tn: moves the position to column n (1-based; n < 1 is taken as 1) without writing.
FortranLine& FortranLine::T(int column) {
  pos_ = static_cast<std::size_t>(std::max(column, 1) - 1);
  return *this;
}

}  // namespace tavik
