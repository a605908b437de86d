#include "sections/material_curves.h"

#include <algorithm>
#include <cmath>

namespace tavik {

namespace {
// Concrete (Hognestad parabola to eps0, then a straight line down to 0.85 f'c at the
// crushing strain; a small residual stress beyond it).
constexpr double kPsiPerKsi = 1000.0;
constexpr double kModulusPerRootFc = 57.0;     // Ec = 57 sqrt(1000 f'c) ksi
constexpr double kRuptureReinforced = 0.0075;  // fr = 7.5 sqrt(f'c psi) psi
constexpr double kRupturePrestressed = 0.004;  // fr = 4 sqrt(f'c psi) psi
constexpr double kPeakStrainFactor = 1.7;      // eps0 = 1.7 f'c / Ec
constexpr double kCrushingStrain = 0.0038;
constexpr double kDescendingDrop = 0.15;  // to 0.85 f'c at the crushing strain
// Crushed concrete keeps a token stress, 0.001 in the section's stress unit (ksi or kPa),
// so that its slices never carry exactly nothing.
constexpr double kResidualStress = 0.001;

// Prestressing strands: elastic line to a limit strain, then the PCI power formulas.
constexpr double kStrandModulus = 28500.0;  // ksi, the curves' own elastic line
constexpr double kBarModulus = 29000.0;     // ksi, high-strength bars

struct PowerCurve {
  double limit_strain;
  double fpu;
  double a;  // fps = fpu - a / (x - b)
  double b;
};
constexpr PowerCurve kPCI250{0.0076, 250.0, 0.04, 0.0064};
constexpr PowerCurve kPCI270{0.0086, 270.0, 0.04, 0.007};
constexpr PowerCurve kGrade300{0.0088846, 300.0, 0.0835, 0.0071};

double Power_Curve_Stress(const PowerCurve& curve, double x) {
  const double ax = std::fabs(x);
  if (ax <= curve.limit_strain) return kStrandModulus * x;
  const double stress = std::min(curve.fpu, curve.fpu - curve.a / (ax - curve.b));
  return x < 0.0 ? -stress : stress;
}

double Bilinear_Bar_Stress(double fpu, double limit_strain, double x) {
  if (std::fabs(x) <= limit_strain) return kBarModulus * x;
  return x < 0.0 ? -fpu : fpu;
}

// Tension branch of the concrete curve: the mirror of the parabola, -f'c (2r - r**2).
// Elastic, perfectly plastic steel: E eps limited to +-fy.
double Limited(double sigma, double fy) {
  return std::max(-fy, std::min(fy, sigma));
}

double Tension_Parabola(double fc, double strain, double eps0) {
  const double r = std::fabs(strain / eps0);
  return -fc * (2.0 * r - r * r);
}
}  // namespace

double Deformed_Bar_Fpu(int size_code) {
  if (size_code == 1) return 157.0;
  if (size_code == 3 || size_code == 5) return 160.0;
  return 150.0;
}

double Strand_Stress_Ksi(int steel_model, double x, double deformed_fpu) {
  switch (steel_model) {
    case kStrandPCI250:
      return Power_Curve_Stress(kPCI250, x);
    case kStrandPCI270:
      return Power_Curve_Stress(kPCI270, x);
    case kStrandGrade300:
      return Power_Curve_Stress(kGrade300, x);
    case kSmoothBars145:
      return Bilinear_Bar_Stress(145.0, 0.005, x);
    case kSmoothBars160:
      return Bilinear_Bar_Stress(160.0, 0.005517241379310344, x);
    case kDeformedBars:
      return Bilinear_Bar_Stress(deformed_fpu, deformed_fpu / kBarModulus, x);
    default:
      return 0.0;
  }
}

void Set_Concrete_Properties(EI_Vars& vars) {
  if (vars.i_ConcreteModel != kConcreteCurve) {
    vars.rd_Ec = 0.0;
    return;
  }
  // The empirical rules are in ksi; SI strengths are scaled to ksi and back.
  const double scale = vars.rd_StressScale;
  const double fc = vars.rd_Fc / scale;
  const double root_fc_psi = std::sqrt(kPsiPerKsi * fc);
  const double ec = kModulusPerRootFc * root_fc_psi;
  const double rupture =
      vars.i_SteelModel == kRebarModel ? kRuptureReinforced : kRupturePrestressed;
  const double fr = -rupture * root_fc_psi;
  vars.rd_Eps0 = kPeakStrainFactor * fc / ec;
  // Strain at which the tension parabola reaches fr: -(1 - sqrt(1 + fr / f'c)) eps0.
  vars.rd_EpsCr = -(1.0 - std::sqrt(1.0 + fr / fc)) * vars.rd_Eps0;
  vars.rd_Ec = ec * scale;
  vars.rd_Fr = fr * scale;
}

double Compute_Concrete_Stresses(EI_Vars& vars, double phi, double c) {
  const double fc = vars.rd_Fc;
  const double eps0 = vars.rd_Eps0;
  // Extreme tension fibre: once it is past the cracking strain, no slice carries tension.
  const double eps_bottom = (c - vars.rd_Depth) * phi + vars.rd_EpsPc;
  bool cracked = eps_bottom < vars.rd_EpsCr;
  double force = 0.0;
  // The strain falls from the top face down (positive curvature): the compressed slices
  // come first, then the slices in tension.
  int k = 1;
  for (; k <= kNumSlices && vars.Strain[k] > 0.0; ++k) {
    const double eps = vars.Strain[k];
    double sigma = kResidualStress;
    if (eps <= kCrushingStrain) {
      const double r = eps / eps0;
      sigma = r < 1.0 ? fc * (2.0 * r - r * r)
                      : fc - kDescendingDrop * fc * (eps - eps0) / (kCrushingStrain - eps0);
    }
    vars.ConcreteStress[k] = sigma;
    force += sigma * vars.ConcreteSliceArea[k];
  }
  // Tension from the top down: the first slice to crack cracks every slice below it.
  for (; k <= kNumSlices && !cracked; ++k) {
    double sigma = Tension_Parabola(fc, vars.Strain[k], eps0);
    if (sigma < vars.rd_Fr || vars.b_CrackedByAxialTension) {
      sigma = 0.0;
      cracked = true;
    }
    vars.ConcreteStress[k] = sigma;
    force += sigma * vars.ConcreteSliceArea[k];
  }
  for (; k <= kNumSlices; ++k) vars.ConcreteStress[k] = 0.0;
  vars.b_Cracked = cracked;
  return force;
}

double Compute_Core_Concrete_Stresses(EI_Vars& vars, double phi, double c) {
  if (vars.i_CoreFillModel != kCoreConcreteCurve) return 0.0;
  const double fc = vars.rd_Fc;
  const double eps0 = vars.rd_Eps0;
  const double eps_bottom = (c - vars.rd_Depth) * phi + vars.rd_EpsPc;
  bool cracked = vars.b_Cracked || eps_bottom < vars.rd_EpsCr;
  double force = 0.0;
  for (int k = vars.i_CoreTopSlice; k <= vars.i_CoreBottomSlice; ++k) {
    const double eps = vars.Strain[k];
    double sigma = 0.0;
    if (eps <= 0.0) {
      if (!cracked) {
        sigma = Tension_Parabola(fc, eps, eps0);
        if (sigma < vars.rd_Fr) {
          sigma = 0.0;
          cracked = true;
        }
      }
    } else if (eps <= kCrushingStrain) {
      // Confined by the core: the parabola throughout.
      const double r = eps / eps0;
      sigma = fc * (2.0 * r - r * r);
    } else {
      sigma = kResidualStress;
    }
    vars.CoreConcreteStress[k] = sigma;
    force += sigma * vars.CoreConcreteSliceArea[k];
  }
  vars.b_Cracked = cracked;
  return force;
}

double Rebar_Stress(const EI_Vars& vars, double strain) {
  if (vars.i_SteelModel == kRebarModel) return Limited(vars.rd_Es * strain, vars.rd_Fy);
  // Strands: the slice strain plus the strain locked in by the prestress.
  const double x = strain + vars.rd_EpsPs;
  return Strand_Stress_Ksi(vars.i_SteelModel, x, Deformed_Bar_Fpu(vars.i_StrandSizeCode)) *
         vars.rd_StressScale;
}

double Compute_Rebar_Stresses(EI_Vars& vars) {
  // The stress is needed where bars are; a limit applies somewhere on the depth when it
  // applies at one of the extreme slices, the strain being linear over the depth.
  double force = 0.0;
  for (int b = 0; b < vars.NumBarSlices; ++b) {
    const int k = vars.BarSlice[b];
    vars.RebarStress[k] = Rebar_Stress(vars, vars.Strain[k]);
    force += vars.RebarStress[k] * vars.RebarSliceArea[k];
  }
  if (vars.i_SteelModel == kRebarModel && vars.NumBars > 0) {
    const double fy = vars.rd_Fy;
    if (std::fabs(vars.rd_Es * vars.Strain[1]) > fy ||
        std::fabs(vars.rd_Es * vars.Strain[kNumSlices]) > fy) {
      vars.b_Yielded = true;
    }
  }
  return force;
}

double Compute_Casing_Stresses(EI_Vars& vars) {
  const double es = vars.rd_CasingEs;
  const double fy = vars.rd_CasingFy;
  bool yielded = false;
  double force = 0.0;
  for (int k = 1; k <= kNumSlices; ++k) {
    const double sigma = es * vars.Strain[k];
    if (std::fabs(sigma) > fy) yielded = true;
    vars.CasingStress[k] = Limited(sigma, fy);
    force += vars.CasingStress[k] * vars.CasingSliceArea[k];
  }
  if (yielded) vars.b_Yielded = true;
  return force;
}

double Compute_Core_Stresses(EI_Vars& vars) {
  if (vars.CoreWall <= 0.0) return 0.0;  // a void core carries no stress
  const double es = vars.rd_CoreEs;
  const double fy = vars.rd_CoreFy;
  bool yielded = false;
  double force = 0.0;
  for (int k = vars.i_CoreTopSlice; k <= vars.i_CoreBottomSlice; ++k) {
    const double sigma = es * vars.Strain[k];
    if (std::fabs(sigma) > fy) yielded = true;
    vars.CoreStress[k] = Limited(sigma, fy);
    force += vars.CoreStress[k] * vars.CoreSliceArea[k];
  }
  if (yielded) vars.b_Yielded = true;
  return force;
}

}  // namespace tavik
