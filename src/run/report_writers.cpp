#include "run/report_writers.h"

#include <cmath>
#include <string>

#include "pycurves/soil_type_codes.h"

namespace tavik {

namespace {
constexpr double kZeroBelow = 1.0e-12;
constexpr double kFixedNoDecimalsAbove = 10000.0;
constexpr int kDefaultIntegerWidth = 10;
constexpr int kMaxIntegerWidth = 16;
constexpr int kSoilNameWidth = 34;
constexpr std::string_view kNotANumber = "  Not-a-Number";

double Power_Of_Ten(int exponent) { return std::pow(10.0, exponent); }

// 10**(w-3) - 1 evaluated in single precision, as the limit above which a value no longer
// fits the fixed form (1E10 for w = 13, 99999997952 for w = 14).
double Scientific_Above(int width) {
  float power = 1.0f;
  for (int k = 0; k < width - 3; ++k) power *= 10.0f;
  const float limit = power - 1.0f;
  return static_cast<double>(limit);
}
}  // namespace

void Write_Real(TextChannel& out, double x, int width) {
  FortranLine& line = out.Line();
  if (std::isnan(x)) {
    line.A(kNotANumber);
    return;
  }
  const int field = width - 1;
  double ax = std::fabs(x);
  if (ax < kZeroBelow) {
    x = 0.0;
    ax = 0.0;
  }
  line.X(1);
  if (ax == 0.0) {
    line.F(0.0, field, width - 8);
  } else if (ax > Scientific_Above(width)) {
    line.ES(x, field, width - 8);
  } else if (ax > kFixedNoDecimalsAbove) {
    line.F(x, field, 0);
  } else if (ax > Power_Of_Ten(9 - width)) {
    line.F(x, field, width - 7);
  } else if (ax >= Power_Of_Ten(7 - width)) {
    line.F(x, field, width - 5);
  } else {
    line.ES(x, field, width - 8);
  }
}

void Write_Integer(TextChannel& out, long long n, int width) {
  if (width < 1 || width > kMaxIntegerWidth) width = kDefaultIntegerWidth;
  out.Line().I(n, width);
}

void Write_Blanks(TextChannel& out, int count) {
  if (count > 0) out.Line().A("", count);
}

void Write_Text10(TextChannel& out, std::string_view text) { out.Line().A(text); }

void Write_Text8(TextChannel& out, std::string_view text) { out.Write_Line(text); }

void Write_Soil_Name(TextChannel& out, int soil_type_index) {
  std::string_view name;
  if (soil_type_index >= 1 && soil_type_index <= kNumSoilTypeCodes) {
    name = kSoilLongName[soil_type_index];
  }
  out.Line().A(name).A("", kSoilNameWidth - static_cast<int>(name.size()));
}

void End_Line(TextChannel& out) { out.End_Line(); }

}  // namespace tavik
