// Fixed-width fields and record positioning of FortranLine.
//
// Unless a comment says otherwise, every expected string in this file is gfortran 12's
// output for the same edit descriptors and values (a formatted WRITE of the same double,
// integer or text), captured with a throwaway program outside the repository.
#include "run/fortran_format.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>

namespace tavik {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

enum Descriptor { kF, kES, kE };

struct RealCase {
  Descriptor descriptor;
  int w;
  int d;
  double x;
  const char* expected;
};

// The case as it would read in a format: "F5.2 of 0.125".
std::string Describe(const RealCase& c) {
  static constexpr const char* kNames[] = {"F", "ES", "E"};
  char text[96];
  std::snprintf(text, sizeof text, "%s%d.%d of %.17g", kNames[c.descriptor], c.w, c.d, c.x);
  return text;
}

std::string Format(const RealCase& c) {
  FortranLine line;
  switch (c.descriptor) {
    case kF:
      line.F(c.x, c.w, c.d);
      break;
    case kES:
      line.ES(c.x, c.w, c.d);
      break;
    case kE:
      line.E(c.x, c.w, c.d);
      break;
  }
  return line.str();
}

template <std::size_t N>
void ExpectAll(const RealCase (&cases)[N]) {
  for (const RealCase& c : cases) EXPECT_EQ(Format(c), c.expected) << Describe(c);
}

TEST(FortranFormatTest, FixedPoint) {
  static constexpr RealCase kCases[] = {
      // Main paths.
      {kF, 10, 3, 123.456, "   123.456"},
      {kF, 12, 5, -3.14159265, "    -3.14159"},
      {kF, 10, 0, 12345.6, "    12346."},
      {kF, 8, 2, 7.0, "    7.00"},
      // Exact binary ties go to the even digit; 0.35 and 0.45 are not ties in binary.
      {kF, 5, 2, 0.125, " 0.12"},
      {kF, 5, 2, 0.375, " 0.38"},
      {kF, 5, 2, -0.125, "-0.12"},
      {kF, 3, 0, 2.5, " 2."},
      {kF, 3, 0, 3.5, " 4."},
      {kF, 3, 0, 0.5, " 0."},
      {kF, 4, 0, -0.5, " -0."},
      {kF, 7, 0, 99998.5, " 99998."},
      {kF, 5, 1, 0.35, "  0.3"},
      {kF, 5, 1, 0.45, "  0.5"},
      // Carries into a new digit, which may overflow the field (9.9995 lies just below
      // the tie, so it does not carry).
      {kF, 6, 3, 9.9995, " 9.999"},
      {kF, 6, 3, 9.99951, "10.000"},
      {kF, 5, 3, 9.99951, "*****"},
      {kF, 7, 0, 99999.5, "100000."},
      {kF, 6, 0, 99999.5, "******"},
      {kF, 6, 1, -99.96, "-100.0"},
      // Negative values that round to zero, -0.0 and the smallest subnormal keep the sign.
      {kF, 5, 2, 0.0, " 0.00"},
      {kF, 5, 2, -0.0, "-0.00"},
      {kF, 5, 2, -0.001, "-0.00"},
      {kF, 4, 2, -0.001, "-.00"},
      {kF, 3, 2, -0.001, "***"},
      {kF, 4, 0, -0.4, " -0."},
      {kF, 8, 3, -4.9406564584124654e-324, "  -0.000"},
      // The leading zero goes only when the field has no room for it; with d = 0 it stays.
      {kF, 5, 3, 0.5, "0.500"},
      {kF, 4, 3, 0.5, ".500"},
      {kF, 3, 3, 0.5, "***"},
      {kF, 6, 3, -0.5, "-0.500"},
      {kF, 5, 3, -0.5, "-.500"},
      {kF, 4, 3, -0.5, "****"},
      {kF, 2, 0, 0.4, "0."},
      {kF, 1, 0, 0.4, "*"},
      {kF, 3, 0, -0.4, "-0."},
      {kF, 2, 0, -0.4, "**"},
      // Just fits, just overflows.
      {kF, 8, 3, 1234.567, "1234.567"},
      {kF, 7, 3, 1234.567, "*******"},
      {kF, 9, 3, -1234.567, "-1234.567"},
      {kF, 8, 3, -1234.567, "********"},
      {kF, 12, 5, -999.99999, "  -999.99999"},
      {kF, 12, 5, 1.0e7, "************"},
      {kF, 10, 2, 1.0e300, "**********"},
      // F0.d: shortest form, no leading zero unless d = 0, exact digits of the binary value.
      {kF, 0, 3, -1.5, "-1.500"},
      {kF, 0, 2, 0.5, ".50"},
      {kF, 0, 2, -0.001, "-.00"},
      {kF, 0, 0, 0.4, "0."},
      {kF, 0, 0, -0.0, "-0."},
      {kF, 0, 1, 0.96, "1.0"},
      {kF, 0, 0, 123.6, "124."},
      {kF, 0, 2, 1.0e20, "100000000000000000000.00"},
      {kF, 0, 40, 0.1, ".1000000000000000055511151231257827021182"},
      // Infinity and NaN.
      {kF, 2, 0, kInf, "**"},
      {kF, 3, 0, kInf, "Inf"},
      {kF, 7, 1, kInf, "    Inf"},
      {kF, 8, 1, kInf, "Infinity"},
      {kF, 3, 0, -kInf, "***"},
      {kF, 4, 0, -kInf, "-Inf"},
      {kF, 8, 0, -kInf, "    -Inf"},
      {kF, 9, 0, -kInf, "-Infinity"},
      {kF, 0, 3, -kInf, "-Inf"},
      {kF, 2, 0, kNaN, "**"},
      {kF, 10, 0, kNaN, "       NaN"},
      {kF, 5, 0, -kNaN, "  NaN"},
      {kF, 0, 3, kNaN, "NaN"},
  };
  ExpectAll(kCases);
}

TEST(FortranFormatTest, Scientific) {
  static constexpr RealCase kCases[] = {
      // Main paths and zeros.
      {kES, 15, 7, 12345.678, "  1.2345678E+04"},
      {kES, 10, 3, -0.00123456, "-1.235E-03"},
      {kES, 10, 3, 0.0, " 0.000E+00"},
      {kES, 10, 3, -0.0, "-0.000E+00"},
      // Exponents 9, 99, 100 and the ends of the range: beyond 99 the letter gives way to
      // a third digit.
      {kES, 10, 3, 1.0e9, " 1.000E+09"},
      {kES, 10, 3, 1.0e-9, " 1.000E-09"},
      {kES, 10, 3, 1.0e99, " 1.000E+99"},
      {kES, 10, 3, -1.0e-99, "-1.000E-99"},
      {kES, 10, 3, 1.0e100, " 1.000+100"},
      {kES, 10, 3, 1.0e-100, " 1.000-100"},
      {kES, 10, 3, 1.5e308, " 1.500+308"},
      {kES, 10, 3, 2.2250738585072014e-308, " 2.225-308"},
      {kES, 10, 3, 4.9406564584124654e-324, " 4.941-324"},
      // Carries into the exponent, across 99/100 too; exact binary ties.
      {kES, 10, 3, 0.99995, " 1.000E+00"},
      {kES, 10, 3, 9.9996e99, " 1.000+100"},
      {kES, 10, 3, 9.9996e-10, " 1.000E-09"},
      {kES, 10, 2, 1.125, "  1.12E+00"},
      {kES, 10, 2, 1.375, "  1.38E+00"},
      {kES, 8, 0, 2.5, "  2.E+00"},
      {kES, 8, 0, 1.5, "  2.E+00"},
      // Just fits, just overflows; d = 0.
      {kES, 9, 3, 1.0, "1.000E+00"},
      {kES, 9, 3, -1.0, "*********"},
      {kES, 10, 3, -1.0, "-1.000E+00"},
      {kES, 10, 3, -1.0e100, "-1.000+100"},
      {kES, 6, 0, 1.0e5, "1.E+05"},
      {kES, 5, 0, 1.0e5, "*****"},
      // ES0.d: fewest exponent digits, no exponent when it is 0; ES0.0 writes 17 decimals.
      {kES, 0, 3, 1.0e5, "1.000E+5"},
      {kES, 0, 3, 2.5, "2.500"},
      {kES, 0, 3, -1.0e100, "-1.000E+100"},
      {kES, 0, 0, 1.5, "1.50000000000000000"},
      // Infinity and NaN.
      {kES, 12, 3, -kInf, "   -Infinity"},
      {kES, 3, 1, kNaN, "NaN"},
  };
  ExpectAll(kCases);
}

TEST(FortranFormatTest, NormalizedScientific) {
  static constexpr RealCase kCases[] = {
      // Main paths, zeros and exact binary ties (0.1125 is not one).
      {kE, 12, 4, 12345.678, "  0.1235E+05"},
      {kE, 10, 3, 0.0, " 0.000E+00"},
      {kE, 10, 3, -0.0, "-0.000E+00"},
      {kE, 10, 3, 0.1125, " 0.113E+00"},
      {kE, 10, 2, 0.125, "  0.12E+00"},
      {kE, 10, 3, 999.5, " 0.100E+04"},
      {kE, 10, 3, 998.5, " 0.998E+03"},
      {kE, 10, 3, 0.99996, " 0.100E+01"},
      // The leading zero goes only when the field has no room for it.
      {kE, 9, 3, 0.5, "0.500E+00"},
      {kE, 8, 3, 0.5, ".500E+00"},
      {kE, 7, 3, 0.5, "*******"},
      {kE, 10, 3, -0.5, "-0.500E+00"},
      {kE, 9, 3, -0.5, "-.500E+00"},
      {kE, 8, 3, -0.5, "********"},
      // Exponents 9, 99, 100 and the smallest subnormal.
      {kE, 12, 3, 1.0e8, "   0.100E+09"},
      {kE, 12, 3, 1.0e-10, "   0.100E-09"},
      {kE, 12, 3, 1.0e98, "   0.100E+99"},
      {kE, 12, 3, 1.0e99, "   0.100+100"},
      {kE, 12, 3, 1.0e-100, "   0.100E-99"},
      {kE, 12, 3, 1.0e-101, "   0.100-100"},
      {kE, 10, 3, 4.9406564584124654e-324, " 0.494-323"},
      // E0.d: as ES0.d, keeping the leading zero only up to 25 columns; E0.0 writes 17
      // digits.
      {kE, 0, 3, 0.5, "0.500"},
      {kE, 0, 3, -0.05, "-0.500E-1"},
      {kE, 0, 3, 0.0, "0.000"},
      {kE, 0, 23, 0.5, "0.50000000000000000000000"},
      {kE, 0, 24, 0.5, ".500000000000000000000000"},
      {kE, 0, 0, 1.5, "0.15000000000000000E+1"},
      // Infinity.
      {kE, 12, 3, kInf, "    Infinity"},
  };
  ExpectAll(kCases);
}

// Digits asked for beyond the exact decimal expansion of the double are zeros.
TEST(FortranFormatTest, DecimalsBeyondTheExactExpansion) {
  FortranLine fixed;
  fixed.F(0.5, 0, 1080);
  EXPECT_EQ(fixed.str(), ".5" + std::string(1079, '0'));
  FortranLine scientific;
  scientific.ES(-0.5, 810, 800);
  EXPECT_EQ(scientific.str(), "   -5." + std::string(800, '0') + "E-01");
}

TEST(FortranFormatTest, Integers) {
  constexpr long long kMin = std::numeric_limits<long long>::min();
  constexpr long long kMax = std::numeric_limits<long long>::max();
  constexpr int kNoMinimum = -1;  // plain Iw
  struct Case {
    int w;
    int m;
    long long n;
    const char* expected;
  };
  static constexpr Case kCases[] = {
      {5, kNoMinimum, -42, "  -42"},
      {3, kNoMinimum, -99, "-99"},
      {3, kNoMinimum, -100, "***"},
      {3, kNoMinimum, 999, "999"},
      {3, kNoMinimum, 1000, "***"},
      {1, kNoMinimum, 0, "0"},
      {0, kNoMinimum, 0, "0"},
      {0, kNoMinimum, -1234567, "-1234567"},
      {0, kNoMinimum, kMin, "-9223372036854775808"},
      {20, kNoMinimum, kMin, "-9223372036854775808"},
      {19, kNoMinimum, kMin, "*******************"},
      {19, kNoMinimum, kMax, "9223372036854775807"},
      // Iw.m: at least m digits; with m = 0 the value 0 has none.
      {2, 2, 7, "07"},
      {5, 3, -7, " -007"},
      {4, 3, -7, "-007"},
      {3, 3, -7, "***"},
      {5, 2, 12345, "12345"},
      {4, 0, 0, "    "},
      {4, 0, 5, "   5"},
      {0, 3, -5, "-005"},
      {0, 0, 0, " "},
  };
  for (const Case& c : kCases) {
    FortranLine line;
    if (c.m == kNoMinimum) {
      line.I(c.n, c.w);
    } else {
      line.I(c.n, c.w, c.m);
    }
    EXPECT_EQ(line.str(), c.expected) << "I" << c.w << "." << c.m << " of " << c.n;
  }
}

TEST(FortranFormatTest, TextAndPositioning) {
  struct Case {
    const char* format;  // the Fortran format the expected record comes from
    void (*write)(FortranLine&);
    const char* expected;
  };
  static constexpr Case kCases[] = {
      {"(A5,A2,A3,A) 'abc' x3, '|'",
       [](FortranLine& l) { l.A("abc", 5).A("abc", 2).A("abc", 3).A("|"); }, "  abcababc|"},
      {"(A,5X,A,A) 'ab','cd','|'", [](FortranLine& l) { l.A("ab").X(5).A("cd").A("|"); },
       "ab     cd|"},
      {"(A,5X) 'ab'", [](FortranLine& l) { l.A("ab").X(5); }, "ab"},
      {"(A,T10) 'ab'", [](FortranLine& l) { l.A("ab").T(10); }, "ab"},
      {"(A,5X,A) 'ab',''", [](FortranLine& l) { l.A("ab").X(5).A(""); }, "ab     "},
      {"(A,T10,A) 'ab','Z'", [](FortranLine& l) { l.A("ab").T(10).A("Z"); }, "ab       Z"},
      {"(A,T1,A,A) 'abcdef','XY','|'", [](FortranLine& l) { l.A("abcdef").T(1).A("XY").A("|"); },
       "XY|def"},
      {"(A,T3,3X,A) 'abcdef','Z'", [](FortranLine& l) { l.A("abcdef").T(3).X(3).A("Z"); },
       "abcdeZ"},
      {"(A,T3,3X,A) 'abc','Z'", [](FortranLine& l) { l.A("abc").T(3).X(3).A("Z"); }, "abc  Z"},
      {"(A,T8,T1,A) 'abcd',''", [](FortranLine& l) { l.A("abcd").T(8).T(1).A(""); }, "abcd"},
      {"(A,F6.2,I4,ES10.2,T3,I2) 'x=',1.5,-7,2.5e-3,42",
       [](FortranLine& l) { l.A("x=").F(1.5, 6, 2).I(-7, 4).ES(2.5e-3, 10, 2).T(3).I(42, 2); },
       "x=421.50  -7  2.50E-03"},
  };
  for (const Case& c : kCases) {
    FortranLine line;
    c.write(line);
    EXPECT_EQ(line.str(), c.expected) << c.format;
  }
}

// Fields gfortran refuses with a run-time error, and arguments no format can express.
// These expectations are FortranLine's own rules, not gfortran output.
TEST(FortranFormatTest, FieldsWithoutAFortranCounterpart) {
  EXPECT_EQ(FortranLine().E(1.5, 10, 0).str(), "**********");  // Ew.0
  EXPECT_EQ(FortranLine().I(5, 2, 3).str(), "**");             // Iw.m with m > w
  // Negative w and d are taken as 0: F0.0 (gfortran writes "-2." for F0.0 of -1.5).
  EXPECT_EQ(FortranLine().F(-1.5, -3, -1).str(), "-2.");
  // A column before the first is the first.
  EXPECT_EQ(FortranLine().A("abc").T(-4).A("Z").str(), "Zbc");
}

}  // namespace
}  // namespace tavik
