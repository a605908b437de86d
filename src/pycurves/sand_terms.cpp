// The wedge and flow-around terms, the layering correction and the bookkeeping shared by
// the Reese and API sand criteria.
#include "pycurves/sand_terms.h"

#include <cmath>
#include <numbers>

#include "pycurves/py_framework.h"

namespace tavik {

namespace {

constexpr double kQuarterPi = std::numbers::pi / 4.0;
constexpr double kAtRestCoefficient = 0.4;        // K0
constexpr double kNoActiveCoefficient = 1.0e-10;  // cos^2 theta - cos^2 phi below it
constexpr double kSlopeSignThreshold = 1.0e-14;   // deflection and slope sign limits
constexpr double kNoSlopeFactor = 1.0e-20;        // s at most: the wedge is not modified

}  // namespace

SandAngles Sand_Angles(double phi_r) {
  SandAngles a;
  a.PhiR = phi_r;
  a.Alpha = phi_r / 2.0;
  a.Beta = kQuarterPi + a.Alpha;
  a.K0 = kAtRestCoefficient;
  const double tan_active = std::tan(kQuarterPi - a.Alpha);
  a.KaLevel = tan_active * tan_active;
  a.TanBeta = std::tan(a.Beta);
  a.Kp = a.TanBeta * a.TanBeta;
  a.TanPhi = std::tan(phi_r);
  a.TanAlpha = std::tan(a.Alpha);
  a.SinBeta = std::sin(a.Beta);
  a.CosAlpha = std::cos(a.Alpha);
  a.TanBetaMinusPhi = std::tan(a.Beta - phi_r);
  return a;
}

bool Slope_Steeper_Than_Friction(double theta, double phi_r) {
  const double cos_theta = std::cos(theta);
  const double cos_phi = std::cos(phi_r);
  return cos_theta * cos_theta - cos_phi * cos_phi < kNoActiveCoefficient;
}

double Sloping_Ground_Ka(const SandAngles& angles, double theta) {
  if (Slope_Steeper_Than_Friction(theta, angles.PhiR)) return angles.KaLevel;
  const double cos_theta = std::cos(theta);
  const double cos_phi = std::cos(angles.PhiR);
  const double root = std::sqrt(cos_theta * cos_theta - cos_phi * cos_phi);
  return cos_theta * (cos_theta - root) / (cos_theta + root);
}

double Sand_Wedge_Resistance(const SandAngles& a, double ka, double gamma, double z, double b) {
  return gamma * z *
         (a.K0 * z * a.TanPhi * a.SinBeta / (a.CosAlpha * a.TanBetaMinusPhi) +
          a.TanBeta / a.TanBetaMinusPhi * (b + z * a.TanBeta * a.TanAlpha) +
          a.K0 * z * a.TanBeta * (a.TanPhi * a.SinBeta - a.TanAlpha) - ka * b);
}

double Sand_Sloped_Wedge_Resistance(const SandAngles& a, double ka, double gamma, double z,
                                    double b, double t, double s) {
  const double q = t / s;
  const double M = 4.0 * q * q * q - 3.0 * q * q + 1.0;
  return gamma * z *
         (a.TanBeta / a.TanBetaMinusPhi * (b + z * a.TanBeta * a.TanAlpha / s) / s - ka * b +
          M * a.K0 * z * a.TanPhi * a.SinBeta / (a.CosAlpha * a.TanBetaMinusPhi) +
          M * a.K0 * z * a.TanBeta * (a.TanPhi * a.SinBeta - a.TanAlpha));
}

double Sand_Wedge_With_Slope(const SandAngles& a, double ka, double gamma, double z, double b,
                             double theta, double deflection, double slope_threshold, double* s) {
  *s = 1.0;
  double pst = Sand_Wedge_Resistance(a, ka, gamma, z, b);
  if (!(std::fabs(theta) > slope_threshold)) return pst;
  const double t = std::tan(std::fabs(theta)) * a.TanBeta;
  const bool same_sign = (deflection > kSlopeSignThreshold && theta > kSlopeSignThreshold) ||
                         (deflection < kSlopeSignThreshold && theta < kSlopeSignThreshold);
  *s = same_sign ? 1.0 + t : 1.0 - t;
  if (*s > kNoSlopeFactor) pst = Sand_Sloped_Wedge_Resistance(a, ka, gamma, z, b, t, *s);
  return pst;
}

double Sand_Flow_Around_Resistance(const SandAngles& a, double gamma, double z, double b) {
  const double tan4 = std::pow(a.TanBeta, 4);
  const double tan8 = std::pow(a.TanBeta, 8);
  return (a.K0 * a.TanPhi * tan4 + a.KaLevel * (tan8 - 1.0)) * b * gamma * z;
}

void Accumulate_Sand_Layer_Resistance(RunContext& run, int j, int i, double previous,
                                      double value) {
  Accumulate_Layer_Resistance(run, j, i, previous, value);
  if (Layer_1_Above_Pile_Head(run, j)) {
    const SoilLayer& layer1 = run.Problem.Layers[0];
    run.rd_LayerPuSum[1] = value * 0.5 * (layer1.XLayerBottom - layer1.XLayerTop);
  }
}

double Output_Depth_Deflection(const RunContext& run, double d) {
  const PileNodes& nodes = run.Nodes;
  const int num_nodes = nodes.i_Num_Nodes;
  for (int m = 1; m <= num_nodes; ++m) {
    if (nodes.rd_NodeVertDepth[m] < d) continue;
    if (m == 1) return nodes.rd_Y[1];
    return nodes.rd_Y[m - 1] + (nodes.rd_Y[m] - nodes.rd_Y[m - 1]) *
                                   (d - nodes.rd_NodeVertDepth[m - 1]) /
                                   (nodes.rd_NodeVertDepth[m] - nodes.rd_NodeVertDepth[m - 1]);
  }
  return num_nodes >= 1 ? nodes.rd_Y[num_nodes] : 0.0;
}

void Write_Sand_Depth_Note(RunContext& run) {
  TextChannel& out = run.Report;
  if (run.i_RockLayersAbove == 0) {
    out.Write_Line("This p-y curve is computed using the equivalent depth.");
    return;
  }
  out.Write_Line("This layer is below one or more layers of rock.  In this case, the ");
  out.Write_Line("layering correction is not used and the true depth below the ground ");
  out.Write_Line("surface is used when computing the p-y curve.  ");
}

}  // namespace tavik
