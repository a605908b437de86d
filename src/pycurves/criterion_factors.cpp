// The empirical factor tables and polynomials of the sand and stiff clay criteria.
#include "pycurves/criterion_factors.h"

#include <array>

#include "profile/soil_lookup.h"

namespace tavik {

namespace {

constexpr int kSandTablePoints = 10;
constexpr std::array<double, kSandTablePoints> kSandRatio = {0.0, 0.5, 1.0, 1.5, 2.0,
                                                             2.5, 3.0, 4.0, 5.0, 6.0};
constexpr std::array<std::array<double, kSandTablePoints>, 4> kSandFactor = {{
    {2.83, 2.48, 2.11, 1.76, 1.48, 1.23, 1.06, 0.90, 0.88, 0.88},  // A static
    {0.75, 0.93, 1.07, 1.11, 1.03, 0.98, 0.94, 0.90, 0.88, 0.88},  // A cyclic
    {2.14, 1.83, 1.54, 1.27, 1.05, 0.86, 0.71, 0.53, 0.50, 0.50},  // B static
    {0.53, 0.72, 0.83, 0.86, 0.82, 0.77, 0.70, 0.55, 0.55, 0.55},  // B cyclic
}};

constexpr double kAsLimit = 0.6;
constexpr double kAsRatioLimit = 3.3;
constexpr double kAcLimit = 0.3;
constexpr double kAcRatioLimit = 1.5;

}  // namespace

double Sand_Factor_At_Ratio(double z, double b, SandFactorTable table) {
  const auto& factor = kSandFactor[static_cast<int>(table)];
  const double r = z / b;
  for (int k = 1; k < kSandTablePoints; ++k) {
    if (kSandRatio[k] > r) {
      if (r < kSandRatio[k - 1]) return factor[k - 1];  // a negative ratio: the first value
      return factor[k - 1] + (factor[k] - factor[k - 1]) * (r - kSandRatio[k - 1]) /
                                 (kSandRatio[k] - kSandRatio[k - 1]);
    }
  }
  return factor[kSandTablePoints - 1];
}

double Stiff_Clay_As(double r) {
  if (r > kAsRatioLimit) return kAsLimit;
  const double as = 0.2345 + 0.2958796 * r - 0.0786111 * r * r + 0.0068981 * r * r * r;
  return as > kAsLimit ? kAsLimit : as;
}

double Stiff_Clay_Ac(double r) {
  if (r > kAcRatioLimit) return kAcLimit;
  const double ac = 0.2 + 0.153333 * r - 0.075 * r * r + 0.011667 * r * r * r;
  return ac > kAcLimit ? kAcLimit : ac;
}

namespace {

constexpr std::array<double, 4> kStiffClayDefaultEpsilon50 = {0.011, 0.007, 0.005, 0.004};
constexpr std::array<double, 4> kStiffClayKStaticUS = {250.0, 500.0, 1000.0, 2000.0};
constexpr std::array<double, 4> kStiffClayKCyclicUS = {100.0, 200.0, 400.0, 800.0};
constexpr std::array<double, 4> kStiffClayKStaticSI = {67861.797, 135723.59, 271447.19, 542894.38};
constexpr std::array<double, 4> kStiffClayKCyclicSI = {27144.711, 54289.398, 108578.9, 217157.7};

}  // namespace

int Stiff_Clay_Cohesion_Class(int iunits, double c, const CohesionClassLimits& limits) {
  const std::array<double, 3>* bounds = nullptr;
  if (iunits == kUnitsUSCustomary) bounds = &limits.Psi;
  if (iunits == kUnitsSI) bounds = &limits.KPa;
  if (bounds == nullptr) return -1;
  int cls = 0;
  while (cls < 3 && c >= (*bounds)[cls]) ++cls;
  return cls;
}

double Stiff_Clay_Default_Epsilon50(int cls) {
  return kStiffClayDefaultEpsilon50[cls];
}

double Stiff_Clay_Layer_k(ProblemData& problem, int j, double x, int cls,
                          bool default_only_for_zero_top) {
  SoilLayer& layer = problem.Layers[j - 1];
  if (layer.SubgradeModulusBottom <= 0.0) layer.SubgradeModulusBottom = layer.SubgradeModulusTop;
  const double kt = layer.SubgradeModulusTop;
  const double kb = layer.SubgradeModulusBottom;
  const bool defaulted = default_only_for_zero_top ? kt == 0.0 : kt <= 0.0;
  if (defaulted && cls >= 0) return Stiff_Clay_Default_k(problem, cls);
  return Value_Over_Layer(layer, kt, kb, x);
}

double Stiff_Clay_Default_k(const ProblemData& problem, int cls) {
  const bool cyclic = problem.Options.Cyclic;
  if (problem.IUNITS == kUnitsSI) {
    return cyclic ? kStiffClayKCyclicSI[cls] : kStiffClayKStaticSI[cls];
  }
  return cyclic ? kStiffClayKCyclicUS[cls] : kStiffClayKStaticUS[cls];
}

}  // namespace tavik
