// The layering correction by equivalent depth, per soil code: soft clay, stiff clay
// without and with free water, sand (Reese and API) and cemented silt.
#include "profile/equivalent_depth.h"

#include <cmath>

#include "pycurves/criterion_factors.h"
#include "pycurves/soil_code_names.h"

namespace tavik {

namespace {

constexpr double kNegligibleLayerSum = 0.01;
constexpr double kHugeResistance = 1.0e20;
constexpr double kHugeResistanceReplacement = 100.0;
constexpr double kMatlockJ = 0.5;
constexpr double kCyclicSoftClayFactor = 0.72;
constexpr int kStiffClaySteps = 50;
constexpr int kSandSteps = 500;
constexpr double kSandDeepFactor = 0.88;

// Root z >= 0 of f z^2 + h z = F (the shallow resistance integral of the clays).
double Shallow_Root(double f, double h, double resistance) {
  return (std::sqrt(h * h + 4.0 * resistance * f) - h) * 0.5 / f;
}

// Soft clay (Matlock; J = 0.5 for "SoftClay", the layer's J for "SoftClyJ").
double Soft_Clay_Depth(const CurrentSoilParameters& s, double j_factor, bool cyclic, double F) {
  const double b = s.b;
  const double c = s.c;
  const double g = s.Gamma;
  const double xr = 6.0 * b * c / (j_factor * c + b * g);
  double f_xr;
  double deep_rate;
  if (cyclic) {
    f_xr = (1.5 * xr * b * c + c * xr * xr / 6.0 + xr * xr * b * g / 3.0) * kCyclicSoftClayFactor;
    deep_rate = kCyclicSoftClayFactor * 9.0 * b * c;
  } else {
    f_xr = ((3.0 * c + j_factor * xr * g) * b + 0.25 * xr * c) * xr;
    deep_rate = 9.0 * b * c;
  }
  if (F > f_xr) return xr + (F - f_xr) / deep_rate;
  return Shallow_Root(0.25 * c + 0.5 * b * g, 3.0 * b * c, F);
}

// Stiff clay without free water (Welch and Reese).
double Stiff_Clay_No_Water_Depth(const CurrentSoilParameters& s, double F) {
  const double b = s.b;
  const double c = s.c;
  const double ca = s.ca;
  const double g = s.Gamma;
  const double xt = (9.0 * c - 3.0 * ca) * b / (0.5 * ca + g * b);
  const double f_xt = ((0.25 * xt + 3.0 * b) * ca + 0.5 * g * xt * b) * xt;
  if (F > f_xt) return xt + (F - f_xt) / (9.0 * c * b);
  return Shallow_Root(0.25 * ca + 0.5 * g * b, 3.0 * b * ca, F);
}

// Stiff clay with free water (Reese, Cox and Koop): the residual resistance v * pc
// integrated in 50 steps down to the transition depth xt.
double Stiff_Clay_Free_Water_Depth(const CurrentSoilParameters& s, bool cyclic, double F) {
  const double b = s.b;
  const double c = s.c;
  const double ca = s.ca;
  const double g = s.Gamma;
  const double xt = (11.0 * c - 2.0 * ca) * b / (g * b + 2.83 * ca);
  const double d = xt / kStiffClaySteps;
  double sum = 0.0;
  double v = 0.0;
  for (int i = 1; i <= kStiffClaySteps; ++i) {
    const double z = i * d;
    const double as = Stiff_Clay_As(z / b);
    const double ac = Stiff_Clay_Ac(z / b);
    v = cyclic ? 0.936 * ac - 0.4182 * as : 0.5 * std::sqrt(6.0 * as) - 0.411 - 0.75 * as;
    const double next = sum + d * v * ((g * z + 2.0 * ca) * b + 2.83 * z * ca);
    if (F < next) return z - d * (next - F) / (next - sum);
    sum = next;
  }
  return xt + (F - sum) / (11.0 * c * v * b);
}

// The wedge coefficients of the sand and silt integrals.
struct WedgeCoefficients {
  double C1 = 0.0;
  double C2 = 0.0;
  double C3 = 0.0;
};

WedgeCoefficients Wedge_Coefficients(const CurrentSoilParameters& s) {
  const double tan_phi = std::tan(s.PhiR);
  const double tan_alpha = std::tan(s.Alpha);
  const double tan_beta = std::tan(s.Beta);
  WedgeCoefficients w;
  w.C1 = tan_beta *
         (tan_alpha * s.Kp +
          (std::sin(s.Beta) * (1.0 / std::cos(s.Alpha) + 1.0) * tan_phi - tan_alpha) * s.K0);
  w.C2 = s.Kp - s.Ka;
  w.C3 = s.Kp * s.Kp * (s.Kp + s.K0 * tan_phi) - s.Ka;
  return w;
}

// Sand ("Sand", "API Sand"): A * wedge resistance integrated by trapezoids in 500 steps
// down to zt, the depth where the wedge meets the flow-around resistance.
double Sand_Depth(const CurrentSoilParameters& s, bool cyclic, double F) {
  const double b = s.b;
  const double g = s.Gamma;
  const WedgeCoefficients w = Wedge_Coefficients(s);
  const double zt = (w.C3 - w.C2) * b / w.C1;
  const double d = zt / kSandSteps;
  double sum = 0.0;
  double previous = 0.0;
  for (int i = 1; i <= kSandSteps; ++i) {
    const double z = i * d;
    const double r = z / b;
    const double resistance = Sand_Factor_A(z, b, cyclic) * g * b * b * (w.C1 * r * r + w.C2 * r);
    const double next = sum + (previous + resistance) * d / 2.0;
    if (F < next) return z - d * (next - F) / (next - sum);
    sum = next;
    previous = resistance;
  }
  return zt + (F - sum) / (kSandDeepFactor * s.zn * w.C3 * g * b);
}

// Cemented silt: the cohesive and frictional shallow resistance integrated in 500 steps.
double Cemented_Silt_Depth(const CurrentSoilParameters& s, bool cyclic, double F) {
  const double b = s.b;
  const double c = s.c;
  const double g = s.Gamma;
  const WedgeCoefficients w = Wedge_Coefficients(s);
  const double zt = (w.C3 - w.C2) * b / w.C1;
  const double d = zt / kSandSteps;
  double sum = 0.0;
  for (int i = 1; i <= kSandSteps; ++i) {
    const double z = i * d;
    const double r = z / b;
    const double resistance = (g * b + 0.5 * c) * z +
                              Sand_Factor_A(z, b, cyclic) * g * b * b * (w.C1 * r * r + w.C2 * r) +
                              3.0 * b * c;
    const double next = sum + resistance * d;
    if (F < next) return z - d * (next - F) / (next - sum);
    sum = next;
  }
  return zt + (F - sum) / (kSandDeepFactor * s.zn * w.C3 * g * b + 9.0 * b * c);
}

}  // namespace

void Equivalent_Depth_Of_Layer(RunContext& run, int j) {
  if (j < 1 || j > kMaxLayers) return;
  double resistance_above = 0.0;
  for (int k = 1; k < j; ++k) {
    if (run.rd_LayerPuSum[k] < kNegligibleLayerSum) run.rd_LayerPuSum[k] = run.rd_LayerKeptPuSum[k];
    resistance_above += run.rd_LayerPuSum[k];
    if (resistance_above > kHugeResistance) resistance_above = kHugeResistanceReplacement;
  }

  const std::string_view code = Layer_Soil_Code(run.Problem, j);
  const CurrentSoilParameters& soil = run.CurrentSoil;
  const bool cyclic = run.Problem.Options.Cyclic;
  const double F = resistance_above;
  double depth;
  if (code == kCodeSoftClay) {
    depth = Soft_Clay_Depth(soil, kMatlockJ, cyclic, F);
  } else if (code == kCodeSoftClayJ) {
    depth = Soft_Clay_Depth(soil, soil.J, cyclic, F);
  } else if (code == kCodeStiffClayNoWater || code == kCodeStiffClayNoWaterK) {
    depth = Stiff_Clay_No_Water_Depth(soil, F);
  } else if (code == kCodeStiffClayFreeWater) {
    depth = Stiff_Clay_Free_Water_Depth(soil, cyclic, F);
  } else if (code == kCodeSand || code == kCodeApiSand) {
    depth = Sand_Depth(soil, cyclic, F);
  } else if (code == kCodeCementedSilt) {
    depth = Cemented_Silt_Depth(soil, cyclic, F);
  } else {
    return;
  }
  run.rd_LayerEqDepth[j] = depth;
}

}  // namespace tavik
