// Sand p-y curves by Reese, Cox and Koop (1974): PY_SandReese. The ultimate resistance is
// the smaller of a wedge (shallow) and a flow-around (deep) value times the empirical
// factor A; the curve is an initial straight line of slope k z, a parabola C y^(1/n) up to
// (b/60, B ps), a straight line up to (3b/80, A ps) and a plateau, never above k z y.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "profile/pile_discretisation.h"
#include "profile/soil_lookup.h"
#include "pycurves/criterion_factors.h"
#include "pycurves/default_sand_k.h"
#include "pycurves/py_framework.h"
#include "pycurves/sand_terms.h"
#include "run/report_writers.h"

namespace tavik {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kNoFriction = 1.0e-10;           // radians: input error 8 below it
constexpr double kLowFriction = 20.0;             // degrees: warning 302 below it
constexpr double kHighFriction = 48.0;            // degrees: warning 302 above it
constexpr double kLevelGround = 1.0e-10;          // |theta| at most: no sloping-ground Ka
constexpr double kSlopeModification = 1.0e-15;    // |theta| above it: the wedge is modified
constexpr double kDeepOnlySlopeFactor = 1.0e-10;  // s at most: the flow-around value rules
constexpr double kSmallDeflection = 1.0e-14;      // below it the modulus is k z
constexpr double kPcfPerPci = 1728.0;

constexpr int kInputErrorNoFriction = 8;
constexpr int kInputErrorSlope = 9;
constexpr int kRuntimeErrorLimitNaN = 32;
constexpr int kRuntimeErrorModulusNaN = 31;
constexpr int kWarningFriction = -302;

constexpr int kNumPoints = 17;
constexpr int kShapeNormalSpaces = 11;  // intervals from yk to ym (normal), yx to yu (tri-linear)
constexpr int kShapeBilinearSpaces = 14;
constexpr double kBeyondUltimate1 = 1.025;
constexpr double kBeyondUltimate2 = 1.05;

// yu = 3b/80, ym = b/60 and the printed point 13b/480 between them, each evaluated in
// that order ((3 b)/80, not (3/80) b): the two differ in the last bit, enough to change a
// printed digit (b = 3: 0.1125 prints as 0.113, (3/80) 3 as 0.112).
double Ultimate_Deflection(double b) {
  return 3.0 * b / 80.0;
}
double Mid_Deflection(double b) {
  return b / 60.0;
}
double Output_Mid_Deflection(double b) {
  return 13.0 * b / 480.0;
}

// The curve shapes: where yk (the parabola meets k z y) lies against ym and yu.
enum class SandShape { Other = 0, Normal = 1, TriLinear = 2, BiLinear = 3 };

// The curve of one node: everything p(y) needs.
struct ReeseSandCurve {
  double kz = 0.0;  // initial slope k z
  double pu = 0.0;  // A ps
  double pm = 0.0;  // B ps, at ym
  double ym = 0.0;  // b/60
  double yu = 0.0;  // 3b/80
  double mc = 0.0;  // slope of the straight part
  double n = 0.0;   // parabola exponent 1/n
  double C = 0.0;   // parabola factor
  double yk = 0.0;  // deflection where the parabola meets k z y
  double pk = 0.0;
  SandShape shape = SandShape::Other;
};

// p(y) before the limit k z y.
double Unlimited_P(const ReeseSandCurve& c, double y) {
  if (y <= c.yk && y < c.ym) return c.kz * y;
  if (y <= c.ym) return c.n == 0.0 ? 0.0 : c.C * std::pow(y, 1.0 / c.n);
  if (y <= c.yu) return c.pm + c.mc * (y - c.ym);
  return c.pu;
}

// p(y) for y >= 0: the one evaluation shared by the analysis and the printed curve.
double Reese_Sand_P(const ReeseSandCurve& c, double y) {
  return std::min(Unlimited_P(c, y), c.kz * y);
}

// The constants of the curve from pu, pm, b, k z and the depth z.
void Set_Curve_Constants(ReeseSandCurve& c, double b, double z) {
  c.yu = Ultimate_Deflection(b);
  c.ym = Mid_Deflection(b);
  c.mc = (c.pu - c.pm) / (c.yu - c.ym);
  if (z > 0.0) {
    c.n = c.pm / (c.mc * c.ym);
    c.C = c.pm / std::pow(c.ym, 1.0 / c.n);
    c.yk = std::pow(c.C / c.kz, c.n / (c.n - 1.0));
    c.pk = c.C * std::pow(c.yk, 1.0 / c.n);
  } else if (z < 0.0) {
    c.yk = 2.0 * b;
  }
  if (c.yk < c.ym && c.ym < c.yu) {
    c.shape = SandShape::Normal;
  } else if (c.ym < c.yk && c.yk < c.yu) {
    c.shape = SandShape::TriLinear;
  } else if (c.ym < c.yu && c.yu < c.yk) {
    c.shape = SandShape::BiLinear;
  }
}

// The deflections of the printed curve for its shape.
std::array<double, kNumPoints> Output_Deflections(const ReeseSandCurve& c, double b) {
  std::array<double, kNumPoints> y{};
  switch (c.shape) {
    case SandShape::Normal:
      y[1] = c.yk;
      for (int j = 3; j <= 12; ++j) y[j - 1] = c.yk + (j - 2) * (c.ym - c.yk) / kShapeNormalSpaces;
      y[12] = c.ym;
      y[13] = Output_Mid_Deflection(b);
      y[14] = c.yu;
      y[15] = kBeyondUltimate1 * c.yu;
      y[16] = kBeyondUltimate2 * c.yu;
      break;
    case SandShape::TriLinear: {
      const double yx = (c.pu - c.yu * c.mc) / (c.kz - c.mc);
      y[1] = yx;
      for (int j = 3; j <= 14; ++j) y[j - 1] = yx + (j - 2) * (c.yu - yx) / kShapeNormalSpaces;
      y[14] = c.yu;
      y[15] = kBeyondUltimate1 * c.yu;
      y[16] = kBeyondUltimate2 * c.yu;
      break;
    }
    case SandShape::BiLinear: {
      const double yx = c.pu / c.kz;
      for (int j = 2; j <= 15; ++j) y[j - 1] = (j - 1) * yx / kShapeBilinearSpaces;
      y[15] = kBeyondUltimate1 * yx;
      y[16] = kBeyondUltimate2 * yx;
      break;
    }
    case SandShape::Other:
      // No ordered yk, ym, yu: even steps from 0 to 1.05 yu.
      for (int j = 2; j <= kNumPoints; ++j) {
        y[j - 1] = (j - 1) * kBeyondUltimate2 * c.yu / (kNumPoints - 1);
      }
      break;
  }
  return y;
}

void Report_No_Friction(RunContext& run) {
  TextChannel& out = run.Messages;
  out.Write_Line("**** Input Data Error No. 8 ****");
  out.Empty_Lines(1);
  out.Write_Line("An error was detected in the input data for friction angle.");
  out.Write_Line("Problem:  Zero was input for the friction angle for a sand when computing ");
  out.Write_Line("          a p-y curve using the Reese et al. criteria.");
  out.Empty_Lines(1);
  out.Write_Line("Solution: Check values of soil strength values and revise the input data.");
  out.Empty_Lines(1);
  Terminate_With_Error(run, Input_Error_Code(kInputErrorNoFriction), 100 + kInputErrorNoFriction);
}

void Report_Slope_Steeper_Than_Friction(RunContext& run, int j) {
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Write_Line("**** Input Data Error No. 9 ****");
    out->Empty_Lines(1);
    out->Write_Line("An error was found in the input data when computing a p-y curve using ");
    out->Line().A("the Reese sand criteria for layer ").I(j, 0).A(".");
    out->End_Line();
    out->Empty_Lines(1);
    out->Write_Line("Problem:  The angle of the ground slope can not be greater than the ");
    out->Write_Line("internal friction angle of the sand.");
    out->Empty_Lines(1);
    out->Write_Line(
        "Solution:  Set the value for slope angle to be less than the angle of friction.");
  }
  Terminate_With_Error(run, Input_Error_Code(kInputErrorSlope), 100 + kInputErrorSlope);
}

void Report_Unusual_Friction(RunContext& run) {
  TextChannel& out = run.Messages;
  out.Empty_Lines(1);
  out.Write_Line("**** Warning ****");
  out.Empty_Lines(1);
  out.Write_Line("An unreasonable value for friction angle was input for a Reese sand layer. ");
  out.Write_Line("The input value is either smaller than 20 degrees or higher than 48 degrees.");
  out.Write_Line("The input data should be checked for correctness.");
  out.Empty_Lines(1);
  out.Write_Line("The input value for friction angle was used in computations.");
  out.Empty_Lines(1);
  Record_Warning(run.Status, kWarningFriction);
}

// The node values printed in the report block.
struct ReeseSandPrint {
  int j = 0;
  int i = 0;
  double soil_depth = 0.0;
  double true_z = 0.0;
  double z = 0.0;
  double b = 0.0;
  double phi = 0.0;
  double gamma = 0.0;
  double k = 0.0;
  bool b_DefaultK = false;
  double Ka = 0.0;
  double Kp = 0.0;
  double K0 = 0.0;
  double pst = 0.0;
  double psd = 0.0;
  double ps = 0.0;
  double A = 0.0;
  double B = 0.0;
  double pm = 1.0;
  double ym = 1.0;
};

void Write_Reese_Sand_Curve(RunContext& run, const ReeseSandCurve& c, const ReeseSandPrint& n) {
  const bool cyclic = run.Problem.Options.Cyclic;
  const std::string length = Unit_Length(run);
  const std::string force_per_length = Unit_Force_Per_Length(run, 1);

  Write_Py_Title(
      run, cyclic
               ? "p-y Curve in Sand Computed Using Reese Criteria for Cyclic Loading Conditions"
               : "p-y Curve in Sand Computed Using Reese Criteria for Static Loading Conditions");
  Write_Py_Common_Lines(run, n.j, n.soil_depth, n.true_z);
  Write_Py_Parameter(run, "Equivalent Depth (see note)", n.z, 3, length);
  Write_Py_Parameter(run, "Pile Diameter, b", n.b, 3, length);
  Write_Py_Parameter(run, "Angle of Friction", n.phi, 3, "degrees");
  if (run.Problem.IUNITS == kUnitsUSCustomary) {
    Write_Py_Parameter(run, "Avg. Eff. Unit Weight", n.gamma * kPcfPerPci, 5,
                       Unit_Force_Per_Foot(run, 3));
  } else {
    Write_Py_Parameter(run, "Avg. Eff. Unit Weight", n.gamma, 5, Unit_Force_Per_Length(run, 3));
  }
  Write_Py_Parameter(run, "kpy", n.k, 3, Unit_Force_Per_Length(run, 3));
  Write_Py_Parameter(run, "K active", n.Ka, 3);
  Write_Py_Parameter(run, "K passive", n.Kp, 3);
  Write_Py_Parameter(run, "K0", n.K0, 3);
  Write_Py_Parameter(run, "Pst", n.pst, 3, force_per_length);
  Write_Py_Parameter(run, "Psd", n.psd, 3, force_per_length);
  Write_Py_Parameter(run,
                     n.psd <= n.pst ? "Ps = Psd (deep controls)" : "Ps = Pst (shallow controls)",
                     n.ps, 3, force_per_length);
  Write_Py_Parameter(run, cyclic ? "A (cyclic)" : "A (static)", n.A, 4);
  Write_Py_Parameter(run, cyclic ? "B (cyclic)" : "B (static)", n.B, 4);
  Write_Py_Parameter(run, "C = pm/(ym^(1/n))", c.C, 4);
  Write_Py_Parameter(run, "n = pm/(m ym)", c.n, 4);
  Write_Py_Parameter(run, "m = (pu-pm)/(yu-ym)", c.mc, 4);
  Write_Py_Parameter(run, "Yk = [c/(kx)]^(n/(n-1))", c.yk, 4, length);
  Write_Py_Parameter(run, "Pk", c.pk, 3, force_per_length);
  Write_Py_Parameter(run, "Ym = b/60", c.ym, 3, length);
  Write_Py_Parameter(run, "Pm = B ps", c.pm, 3, force_per_length);
  Write_Py_Parameter(run, "Yu = 3b/80", c.yu, 3, length);
  Write_Py_Parameter(run, "Pu = A Ps", c.pu, 3, force_per_length);
  Write_Py_Parameter(run, "Es,lim", c.kz, 3, Unit_Force_Per_Length(run, 2));
  Write_Py_Parameter(run, "p-multiplier", n.pm, 5);
  Write_Py_Parameter(run, "y-multiplier", n.ym, 5);
  TextChannel& out = run.Report;
  out.Empty_Lines(1);
  Write_Sand_Depth_Note(run);
  switch (c.shape) {
    case SandShape::Normal:
      out.Write_Line(
          "This curve has the normal shape for a Reese sand p-y curve where Yk < Ym < Yu.");
      break;
    case SandShape::TriLinear:
      out.Write_Line(
          "This curve has a tri-linear shape for a Reese sand p-y curve because Ym < Yk < Yu.");
      break;
    case SandShape::BiLinear:
      out.Write_Line(
          "This curve has a bi-linear shape for a Reese sand p-y curve because Ym < Yu < Yk.");
      break;
    case SandShape::Other:
      break;
  }
  out.Empty_Lines(1);
  out.Line().T(10).A("y, ").A(length).T(26).A("p, ").A(force_per_length);
  out.End_Line();
  out.Write_Line("----------------    -----------------");

  const std::array<double, kNumPoints> ys = Output_Deflections(c, n.b);
  const double yx = c.pu / c.kz;  // where k z y reaches pu
  Write_Py_Plot_Curve(run, run.Nodes.rd_NodeDepth[n.i], kNumPoints,
                      "Line 7:  p-y curve depth in sand, no. p-y points on curve no. ", n.i);
  bool any_marked = false;
  for (int point = 1; point <= kNumPoints; ++point) {
    double y = ys[point - 1];
    double p = Unlimited_P(c, y);
    const double line = c.kz * y;
    bool marked = false;
    if (p > line) {
      if (point == kNumPoints - 1) {
        y = yx;
        p = c.pu;
      } else if (point == kNumPoints) {
        y = n.b + yx;
        p = c.pu;
      } else {
        p = line;
        marked = true;
      }
    } else if (point > 1 && y <= c.yk && y < c.ym) {
      marked = true;  // on the initial straight line
    }
    any_marked = any_marked || marked;
    Write_Blanks(out, 3);
    Write_Real(out, n.ym * y, 13);
    Write_Blanks(out, 5);
    Write_Real(out, n.pm * p, 13);
    if (marked) out.Line().A("   *");
    out.End_Line();
    Write_Py_Plot_Point(run, n.ym * y, n.pm * p, point, "sand");
  }
  if (any_marked) {
    out.Empty_Lines(1);
    out.Write_Line("* p value(s) computed using p = k * Eff x * y ");
  }
  out.Empty_Lines(1);
  if (n.b_DefaultK) {
    out.Write_Line("The above p-y curve was computed using internal default values of k.");
  }
}

}  // namespace

// PY_SandReese(j): the Reese sand criterion for the nodes of layer j (run's internal units).
// Reads the soil profile (unit weight, friction angle, k of the layer), the loading type,
// the effective slope and the multipliers; publishes the sand terms in run.CurrentSoil for
// the layering correction and integrates A ps into rd_LayerPuSum(j). Analysis mode sets
// rd_NodeEs(i) (force/length**2) and the soil movement load; output mode prints and plots
// the curve at each user depth. A layer with k = 0 takes Default_Sand_k (and sets both of
// its k values to 0). Errors: a zero friction angle (input error 8), a slope as steep as
// the friction angle in layer 1 (input error 9), no default k in general units (runtime
// error 13), a modulus that is not a number (runtime errors 32 at small deflections and
// 31). A friction angle below 20 or above 48 degrees is warning 302.
void PY_SandReese(RunContext& run, int j) {
  const int first = run.i_TopNodeInLayer[j];
  const int last = run.i_BottomNodeInLayer[j];
  if (first < 1 || last < first) return;
  ProblemData& problem = run.Problem;
  const bool output = run.b_PyOutputPass;
  const bool cyclic = problem.Options.Cyclic;
  const double theta = problem.SlopeMinusBatter;
  SoilLayer& layer = problem.Layers[j - 1];

  double pu_previous = 0.0;
  for (int i = first; i <= last; ++i) {
    // 1.-2. Depths, deflection for the slope sign, properties.
    const PyNodeDepths depths = Py_Node_Depths(run, i);
    const double x = depths.soil;
    const double deflection =
        output ? Output_Depth_Deflection(run, depths.soil) : run.Nodes.rd_Y[i];
    const double b = Pile_Properties_At_Depth(run, depths.axial).b;
    const double gamma = Avg_Unit_Weight_To_Depth(run, x);
    if (run.Status.Has_Error()) return;
    const double phi = Friction_Angle_At_Depth(run, x);
    if (run.Status.Has_Error()) return;
    const double phi_r = phi * kRadiansPerDegree;
    const double pm = P_Multiplier_At_Depth(run, depths.axial);
    const double ym = Y_Multiplier_At_Depth(run, depths.axial);

    // 3. Subgrade modulus: the layer's values, or the default.
    double k = 0.0;
    const bool default_k = !(layer.SubgradeModulusTop > 0.0);
    if (!default_k) {
      k = Value_Over_Layer(layer, layer.SubgradeModulusTop, layer.SubgradeModulusBottom, x);
    } else {
      layer.SubgradeModulusTop = 0.0;
      layer.SubgradeModulusBottom = 0.0;
      k = Default_Sand_k(run, phi_r, gamma, problem.IUNITS);
      if (run.Status.Has_Error()) return;
    }

    // 4. Friction angle checks.
    if (phi_r < kNoFriction) {
      Report_No_Friction(run);
      return;
    }
    if (phi < kLowFriction || phi > kHighFriction) Report_Unusual_Friction(run);

    // 5. Angles and earth pressure coefficients.
    const SandAngles angles = Sand_Angles(phi_r);
    double Ka = angles.KaLevel;
    if (std::fabs(theta) > kLevelGround) Ka = Sloping_Ground_Ka(angles, theta);
    if (j == 1 && Slope_Steeper_Than_Friction(theta, phi_r)) {
      Report_Slope_Steeper_Than_Friction(run, j);
      return;
    }

    // 6. Depths: the true depth and the depth of the curve (layering correction).
    const double zt = depths.z;
    CurrentSoilParameters& soil = run.CurrentSoil;
    soil.b = b;
    soil.Gamma = gamma;
    soil.PhiR = phi_r;
    soil.Alpha = angles.Alpha;
    soil.Beta = angles.Beta;
    soil.K0 = angles.K0;
    soil.Ka = Ka;
    soil.Kp = angles.Kp;
    soil.zn = zt;
    const double z = Layered_Curve_Depth(run, j, i, x, zt);

    // 7.-9. Wedge, slope modification and flow-around resistance.
    double s = 1.0;
    double pst =
        Sand_Wedge_With_Slope(angles, Ka, gamma, z, b, theta, deflection, kSlopeModification, &s);
    const double psd = Sand_Flow_Around_Resistance(angles, gamma, zt, b);
    if (s <= kDeepOnlySlopeFactor && std::fabs(theta) > kDeepOnlySlopeFactor) pst = psd;

    // 10. Ultimate resistance and the factors A and B.
    const double ps = std::min(pst, psd);
    const double A = Sand_Factor_A(z, b, cyclic);
    const double B =
        Sand_Factor_At_Ratio(z, b, cyclic ? SandFactorTable::BCyclic : SandFactorTable::BStatic);
    ReeseSandCurve curve;
    curve.pu = A * ps;
    curve.pm = B * ps;
    curve.kz = k * z;

    // 11. Integrated resistance for the layering correction of the layers below.
    Accumulate_Sand_Layer_Resistance(run, j, i, pu_previous, curve.pu);
    pu_previous = curve.pu;

    // 12.-13. Curve constants and shape.
    Set_Curve_Constants(curve, b, z);

    if (output) {
      ReeseSandPrint print;
      print.j = j;
      print.i = i;
      print.soil_depth = x;
      print.true_z = zt;
      print.z = z;
      print.b = b;
      print.phi = phi;
      print.gamma = gamma;
      print.k = k;
      print.b_DefaultK = default_k;
      print.Ka = Ka;
      print.Kp = angles.Kp;
      print.K0 = angles.K0;
      print.pst = pst;
      print.psd = psd;
      print.ps = ps;
      print.A = A;
      print.B = B;
      print.pm = pm;
      print.ym = ym;
      Write_Reese_Sand_Curve(run, curve, print);
      continue;
    }

    // 15. Soil modulus at the node's deflection.
    const double y = Relative_Deflection(run, i, ym);
    double& es = run.Nodes.rd_NodeEs[i];
    if (y < kSmallDeflection) {
      es = curve.kz;
      if (std::isnan(es)) {
        Report_Modulus_Not_A_Number(run, kRuntimeErrorLimitNaN, "Reese Sand", i);
        return;
      }
    } else {
      es = Secant_Modulus(Reese_Sand_P(curve, y), y, pm, ym);
      if (std::isnan(es)) {
        Report_Modulus_Not_A_Number(run, kRuntimeErrorModulusNaN, "Reese Sand", i);
        return;
      }
    }
    Apply_Soil_Movement_Load(run, i);
  }
}

}  // namespace tavik
