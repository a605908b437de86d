// Massive rock p-y curves by Liang, Yang and Nusairat (2009): PY_MassiveRock. A hyperbola
// p = y / (1/Ki + y/pu). The ultimate resistance pu is the smaller of a wedge resistance
// near the surface and a flow-around resistance at depth, both from the Hoek-Brown strength
// envelope of the rock mass; the initial modulus Ki depends on the rock mass modulus and the
// pile's bending stiffness. Massive rock has no printed curves.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "profile/pile_discretisation.h"
#include "profile/soil_lookup.h"
#include "pycurves/py_framework.h"

namespace tavik {

namespace {

// Rock mass constants: mi = 6, GSI = 42, Poisson's ratio 0.4, disturbance 0.
constexpr double kMi = 6.0;
constexpr double kMbExponent = -2.0714285714;           // (GSI - 100)/28
constexpr double kSExponent = -6.4444444444;            // (GSI - 100)/9
constexpr double kAExponent = -2.8;                     // -GSI/15
constexpr double kExpMinusTwentyThirds = 0.0012726338;  // exp(-20/3)
constexpr double kOneSixth = 0.16666667;                // the single-precision 1/6
constexpr double kModulusExponent = 1.9354838;          // GSI/21.7
constexpr double kPoissonExponent = -0.8;               // -2 nu
// Kr = 1 - sin(45) with the sine of 45 radians (0.14909648), as the criterion was
// calibrated; not 1 - sin(45 degrees).
constexpr double kKrAngle = 45.0;
constexpr double kSideShearFactor = 0.45;  // side shear 0.45 sqrt(qu)
constexpr double kTwoThirds = 2.0 / 3.0;
constexpr double kStiffnessExponent = 0.284;
constexpr double kMinimumStress = 0.00001;
constexpr double kSmallDeflection = 1.0e-14;
// A node at the ground surface takes this depth (0.0001 in, 0.00000254 m).
constexpr double kSurfaceDepthUS = 0.0001;
constexpr double kSurfaceDepthSI = 0.00000254;
// Reference width of the initial modulus, one foot in the run's length unit.
constexpr double kReferenceWidthIn = 12.0;
constexpr double kReferenceWidthM = 0.3048;
constexpr int kInputErrorNoRockProperty = 74;

// The constants of the rock mass, the same for every node.
struct RockMass {
  double mb = 0.0;
  double s = 0.0;
  double a = 0.0;
  double Kr = 0.0;
  double fE = 0.0;
  double fNu = 0.0;
};

RockMass Rock_Mass_Constants() {
  RockMass r;
  r.mb = kMi * std::exp(kMbExponent);
  r.s = std::exp(kSExponent);
  r.a = 0.5 + (std::exp(kAExponent) - kExpMinusTwentyThirds) * kOneSixth;
  r.Kr = 1.0 - std::sin(kKrAngle);
  r.fE = std::exp(kModulusExponent);
  r.fNu = std::exp(kPoissonExponent);
  return r;
}

// The ultimate resistance pu (force/length) at a node: width b, effective unit weight
// gamma, depth H of the node below the ground, depth zs of the overburden, strength qu.
double Massive_Rock_Ultimate(const RockMass& r, double b, double gamma, double H, double zs,
                             double qu) {
  // Hoek-Brown envelope at sigma3 = sigma_v, and its tangent (c', phi_m) there.
  const double sigma_v = gamma * zs;
  const double sigma1 = sigma_v + qu * std::pow(r.mb * sigma_v / qu + r.s, r.a);
  const double delta = sigma1 - sigma_v;
  const double sigma_n = sigma_v + delta * delta / (0.5 * qu * r.mb + 2.0 * delta);
  const double tau = std::sqrt(qu * r.mb / (2.0 * delta) + 1.0) * (sigma_n - sigma_v);
  // 2 tau/delta <= 1 in exact arithmetic; the clamp keeps a rounding above 1 off asin.
  const double phi_m = std::numbers::pi / 2.0 - std::asin(std::min(2.0 * tau / delta, 1.0));
  const double tan_phi = std::tan(phi_m);
  const double c = tau - sigma_n * tan_phi;

  const double alpha = phi_m / 2.0;
  const double beta = std::numbers::pi / 4.0 + alpha;
  const double tan_active = std::tan(std::numbers::pi / 4.0 - alpha);
  const double Ka = tan_active * tan_active;
  const double sigma_star = std::max(kMinimumStress, sigma_v);
  const double sin_a = std::sin(alpha);
  const double cos_a = std::cos(alpha);
  const double sin_b = std::sin(beta);
  const double cos_b = std::cos(beta);
  const double tan_a = std::tan(alpha);
  const double tan_b = std::tan(beta);

  // Wedge near the surface.
  const double overburden = 0.5 * gamma * H + sigma_star;
  const double A1 = (tan_phi * r.Kr * overburden + c) * H * tan_b / cos_a;
  const double A2 = c * (b + 2.0 * H * tan_b * tan_a);
  const double A3 = H * r.Kr * overburden * tan_b / cos_a;
  const double Pw =
      (((sigma_star + gamma * H) * b + (2.0 * sigma_star + gamma * H) * H * tan_b * tan_a) * tan_b +
       2.0 * A1 * cos_b * cos_a + A2) /
      (sin_b - tan_phi * cos_b);
  // The active thrust on the back of the wedge, Kr b gamma (H - 2 c'/(gamma sqrt Ka) +
  // sigma*/gamma), written without the divisions by gamma (a rock of no unit weight).
  const double back_thrust = r.Kr * b * (gamma * H - 2.0 * c / std::sqrt(Ka) + sigma_star);
  const double pw = (2.0 * A1 * cos_a + tan_phi * Pw + A2 / cos_b) * sin_b + tan_phi * cos_b * Pw -
                    2.0 * A3 * sin_a - std::max(0.0, back_thrust);

  // Flow around the pile at depth: pd = (pi/4 sigma1 - sigma_a + 2/3 0.45 sqrt(qu)) b, with
  // the Rankine active pressure sigma_a = Ka sigma* - 2 c' sqrt(Ka) (its cohesion term is
  // the 2 c' sqrt(Ka) of the published expression; the reading that raises Ka to the power
  // sigma* has no physical meaning).
  const double sigma_a = Ka * sigma_star - 2.0 * c * std::sqrt(Ka);
  const double pd =
      (std::numbers::pi / 4.0 * sigma1 - sigma_a + kTwoThirds * kSideShearFactor * std::sqrt(qu)) *
      b;
  return std::min(pd, pw);
}

// Without a positive strength or modulus the envelope and the initial modulus divide by
// zero; the reader leaves both zero when a layer carries no property lines.
void Report_No_Rock_Property(RunContext& run, int j, std::string_view property) {
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Write_Line("**** Input Data Error No. 74 ****");
    out->Empty_Lines(1);
    out->Line()
        .A("Problem:  The input value of the ")
        .A(property)
        .A(" of massive rock layer ")
        .I(j, 0);
    out->End_Line();
    out->Write_Line("          is zero or negative at its top or bottom.");
    out->Empty_Lines(1);
    out->Line().A("Solution: Check the input values for layer ").I(j, 0);
    out->End_Line();
    out->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(kInputErrorNoRockProperty),
                       100 + kInputErrorNoRockProperty);
}

}  // namespace

// PY_MassiveRock(j): massive rock for the nodes of layer j (analysis mode only; there are
// no printed curves). Reads the unit weight, qu through fn_c (psi in US customary units,
// kPa in SI), the intact rock modulus Ei of the layer, the node's bending stiffness
// rd_NodeEI, the pile width and the multipliers. Sets rd_NodeEs(i) = pm (p/y)/ym, or Ki/ym
// below a deflection of 1.0E-14; no soil movement load. Errors: qu or Ei not positive at the
// layer's top or bottom (input error 74), runtime error 20 for a layer of no thickness, and
// the lookup errors.
void PY_MassiveRock(RunContext& run, int j) {
  const int first = run.i_TopNodeInLayer[j];
  const int last = run.i_BottomNodeInLayer[j];
  if (first < 1 || last < first || run.b_PyOutputPass) return;
  const ProblemData& problem = run.Problem;
  const SoilLayer& layer = problem.Layers[j - 1];
  if (!(layer.Top.Cohesion > 0.0 && layer.Bottom.Cohesion > 0.0)) {
    Report_No_Rock_Property(run, j, "uniaxial compressive strength qu");
    return;
  }
  if (!(layer.SubgradeModulusTop > 0.0 && layer.SubgradeModulusBottom > 0.0)) {
    Report_No_Rock_Property(run, j, "intact rock modulus Ei");
    return;
  }
  const bool si = problem.IUNITS == kUnitsSI;
  const double reference_width = si ? kReferenceWidthM : kReferenceWidthIn;
  const RockMass rock = Rock_Mass_Constants();

  for (int i = first; i <= last; ++i) {
    // 1. Depths and properties.
    const PyNodeDepths depths = Py_Node_Depths(run, i);
    const double x = depths.soil;
    const double H = run.Nodes.rd_NodeVertDepth[i] - problem.GroundSurfaceDepth;
    double zs = depths.z;
    if (zs == 0.0) zs = si ? kSurfaceDepthSI : kSurfaceDepthUS;
    const double b = Pile_Properties_At_Depth(run, depths.axial).b;
    const double gamma = Avg_Unit_Weight_To_Depth(run, x);
    if (run.Status.Has_Error()) return;
    const double qu = fn_c(run, x);
    if (run.Status.Has_Error()) return;
    const double Ei = Layer_Modulus_At_Depth(run, j, x, RockModulusCaller::MassiveRock);
    if (run.Status.Has_Error()) return;
    const double pm = P_Multiplier_At_Depth(run, depths.axial);
    const double ym = Y_Multiplier_At_Depth(run, depths.axial);

    // 2.-7. Ultimate resistance.
    const double pu = Massive_Rock_Ultimate(rock, b, gamma, H, zs, qu);
    // 8. Initial modulus: Em = (Ei/100) fE; Ki = Em (EI/(Em b^4))^0.284 (b/bref) fnu.
    const double Em = (Ei / 100.0) * rock.fE;
    const double b4 = b * b * b * b;
    const double Ki = Em * std::pow(run.Nodes.rd_NodeEI[i] / (Em * b4), kStiffnessExponent) *
                      (b / reference_width) * rock.fNu;

    // 9.-10. p = y / (1/Ki + y/pu) and the soil modulus.
    const double y = Relative_Deflection(run, i, ym);
    double& es = run.Nodes.rd_NodeEs[i];
    if (y >= kSmallDeflection) {
      const double p = y / (1.0 / Ki + y / pu);
      es = pm * (p / y) / ym;
    } else {
      es = Ki / ym;
    }
  }
}

}  // namespace tavik
