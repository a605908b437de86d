// Weak rock p-y curves by the interim criteria of Reese (1997): PY_WeakRock. An initial
// straight line of slope Kir up to yA, then 0.5 pur (y/yrm)^0.25 up to the ultimate
// resistance pur, reached at 16 yrm. The rock strength qur, the rock mass modulus Eir, RQD
// and the strain factor krm come from the layer; the depth into rock xr runs on through
// the rock layers directly above.
#include <algorithm>
#include <array>
#include <cmath>

#include "profile/pile_discretisation.h"
#include "profile/soil_lookup.h"
#include "pycurves/py_framework.h"
#include "pycurves/soil_code_names.h"

namespace tavik {

namespace {

constexpr double kRqdReduction = 0.0066666668;   // 1/150: alpha_r = 1 - RQD/150
constexpr double kDepthOffset = 1.0e-8;          // xr = (x + 1.0E-8) - XLayerTop
constexpr double kShallowRatio = 3.0;            // xr <= 3 b: the resistance grows with depth
constexpr double kShallowGrowth = 1.4;           // pur = alpha_r qur b (1 + 1.4 xr/b)
constexpr double kDeepFactor = 5.2;              // pur = 5.2 alpha_r qur b below 3 b
constexpr double kSurfaceModulusFactor = 100.0;  // Kir = Eir (100 + 400 xr/(3 b))
constexpr double kModulusGrowth = 400.0;
constexpr double kDeepModulusFactor = 500.0;  // Kir = 500 Eir below 3 b
constexpr double kYaExponent = 1.333;         // the published single-precision 1.333, not 4/3
constexpr double kUltimateRatio = 16.0;       // pur is reached at 16 yrm
constexpr double kLastPointRatio = 20.0;      // the printed curve ends at 20 yrm
constexpr double kNoStrength = 1.0e-10;

// Usual range of qur: 100 to 1000 psi, 689.5 to 6895 kPa.
constexpr double kLowStrengthPsi = 100.0;
constexpr double kHighStrengthPsi = 1000.0;
constexpr double kLowStrengthKPa = 689.5;
constexpr double kHighStrengthKPa = 6895.0;
constexpr int kWarningLowStrengthUS = -3071;
constexpr int kWarningHighStrengthUS = -3072;
constexpr int kWarningLowStrengthSI = -3073;
constexpr int kWarningHighStrengthSI = -3074;
// Usual range of krm: 0.00005 to 0.0005.
constexpr double kLowKrm = 0.00005;
constexpr double kHighKrm = 0.0005;
constexpr int kWarningLowKrm = -316;
constexpr int kWarningHighKrm = -317;

constexpr int kInputErrorZeroStrength = 62;
constexpr int kInputErrorNoStrength = 16;
constexpr std::string_view kCodeKrmNotPositive = "INP00163";
constexpr int kNumberKrmNotPositive = 163;
constexpr int kRuntimeErrorKrmNotPositive = 22;
constexpr int kInputErrorNoRockModulus = 72;

// Fractions of (16 yrm - yA) of the printed points 3 to 15.
constexpr std::array<double, 13> kOutputFractions = {0.02, 0.04, 0.06, 0.08, 0.1, 0.2, 0.3,
                                                     0.4,  0.5,  0.6,  0.7,  0.8, 0.9};
constexpr int kNumPoints = 17;

// The curve of one node.
struct WeakRockCurve {
  double pur = 0.0;  // ultimate resistance, force/length
  double Kir = 0.0;  // initial modulus, force/length**2
  double yrm = 0.0;  // krm b
  double yA = 0.0;   // end of the initial straight line
};

// p(y) for y >= 0: the one evaluation shared by the analysis and the printed curve. The
// upper branch has no value at y = 0 (reached only when yA is 0, a node without strength):
// the line "ERROR 3" goes to the runtime message file and p is 0.
double Weak_Rock_P(RunContext& run, const WeakRockCurve& c, double y) {
  if (y < c.yA) return c.Kir * y;
  if (y <= 0.0) {
    run.Messages.Write_Line("ERROR 3");
    return 0.0;
  }
  return std::min(0.5 * c.pur * std::pow(y / c.yrm, 0.25), c.pur);
}

// The depth into rock xr of soil depth x in layer j: from the layer top, plus the thickness
// of every weak rock or vuggy limestone layer directly above it.
double Depth_Into_Rock(const ProblemData& problem, int j, double x) {
  double xr = (x + kDepthOffset) - problem.Layers[j - 1].XLayerTop;
  for (int k = j - 1; k >= 1; --k) {
    const std::string_view code = Layer_Soil_Code(problem, k);
    if (code != kCodeWeakRock && code != kCodeVuggyLimestone) break;
    xr += problem.Layers[k - 1].XLayerBottom - problem.Layers[k - 1].XLayerTop;
  }
  return xr;
}

void Report_Zero_Strength(RunContext& run, int j) {
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Write_Line("**** Input Data Error No. 62 ****");
    out->Empty_Lines(1);
    out->Write_Line(
        "Problem:   The input value for compressive strength is less than or equal to zero.");
    out->Empty_Lines(1);
    out->Line().A("Solution:  Check the input values for layer ").I(j, 0);
    out->End_Line();
  }
  Terminate_With_Error(run, Input_Error_Code(kInputErrorZeroStrength),
                       100 + kInputErrorZeroStrength);
}

void Report_No_Strength(RunContext& run) {
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Write_Line("**** Input Data Error No. 16 ****");
    out->Empty_Lines(1);
    out->Write_Line("An error was detected when computing the p-y curve for weak rock.");
    out->Write_Line("Problem:   The input value for the compressive strength of a weak rock was ");
    out->Write_Line("           input as negative or zero (0).");
    out->Empty_Lines(1);
    out->Write_Line("Solution:  Check the depth values for soil layering and soil shear strength ");
    out->Write_Line("           values and correct the input data.");
    out->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(kInputErrorNoStrength), 100 + kInputErrorNoStrength);
}

void Report_Krm_Not_Positive(RunContext& run, int j) {
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Write_Line("**** Input Data Error No. 63 ****");
    out->Empty_Lines(1);
    out->Write_Line(
        "Problem:  The input value for k_rm for weak rock is less than or equal to zero.");
    out->Empty_Lines(1);
    out->Line().A("Solution: Check the input values for layer ").I(j, 0);
    out->End_Line();
    out->Empty_Lines(1);
  }
  Terminate_With_Error(run, kCodeKrmNotPositive, kNumberKrmNotPositive);
}

void Report_Yrm_Not_Positive(RunContext& run, int j) {
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Write_Line("**** Runtime Error No. 22 ****");
    out->Empty_Lines(1);
    out->Write_Line("An error was detected when computing the p-y curve for weak rock.     ");
    out->Write_Line("Problem:  The input value for k_rm is less than or equal to 0. ");
    out->Empty_Lines(1);
    out->Line()
        .A("Solution:  Check the input values for the week rock properties in the soil layer ")
        .I(j, 0);
    out->End_Line();
    out->Empty_Lines(1);
  }
  Terminate_With_Error(run, Runtime_Error_Code(kRuntimeErrorKrmNotPositive),
                       200 + kRuntimeErrorKrmNotPositive);
}

// A rock mass modulus of zero asks for a default, and weak rock has none: without a
// positive Em the initial modulus Kir, and with it the curve, is undefined.
void Report_No_Rock_Modulus(RunContext& run, int j) {
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Write_Line("**** Input Data Error No. 72 ****");
    out->Empty_Lines(1);
    out->Line()
        .A("Problem:  The rock mass modulus Em of weak rock layer ")
        .I(j, 0)
        .A(" is zero or negative at its top or bottom.");
    out->End_Line();
    out->Write_Line("          There is no default value of Em for weak rock, and the initial");
    out->Write_Line("          modulus of the p-y curve cannot be computed without it.");
    out->Empty_Lines(1);
    out->Write_Line("Solution: Enter a positive rock mass modulus at the top and the bottom");
    out->Write_Line("          of the layer.");
    out->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(kInputErrorNoRockModulus),
                       100 + kInputErrorNoRockModulus);
}

// The node values printed in the report block.
struct WeakRockPrint {
  int j = 0;
  int i = 0;
  double soil_depth = 0.0;
  double z = 0.0;
  double b = 0.0;
  double qur = 0.0;
  double gamma = 0.0;
  double xr = 0.0;
  double rqd = 0.0;
  double Eir = 0.0;
  double krm = 0.0;
  double alpha_r = 0.0;
  double pm = 1.0;
  double ym = 1.0;
};

void Write_Weak_Rock_Curve(RunContext& run, const WeakRockCurve& c, const WeakRockPrint& n) {
  const std::string length = Unit_Length(run);
  const std::string stress = Unit_Force_Per_Length(run, 2);
  const std::string force_per_length = Unit_Force_Per_Length(run, 1);
  Write_Py_Title(run, "p-y Curve Computed Using Weak Rock Criteria");
  Write_Py_Integer_Parameter(run, "Soil Layer Number", n.j);
  Write_Py_Depth_Parameter(run, "Depth below pile head", n.soil_depth);
  Write_Py_Depth_Parameter(run, "Depth below ground surface", n.z);
  Write_Py_Parameter(run, "Diameter", n.b, 3, length);
  Write_Py_Parameter(run, "Unconfined Compressive Strength", n.qur, 3, stress);
  Write_Py_Parameter(run, "Gamma Avg", n.gamma, 5, Unit_Force_Per_Length(run, 3));
  Write_Py_Parameter(run, "Xr", n.xr, 3, length);
  Write_Py_Parameter(run, "RQD", n.rqd, 3, "%");
  Write_Py_Parameter(run, "Eir", n.Eir, 0, stress);
  Write_Py_Parameter(run, "Pu", c.pur, 3, force_per_length);
  Write_Py_Parameter(run, "k_rm", n.krm, 5);
  Write_Py_Scientific_Parameter(run, "K_ir", c.Kir, 5, stress);
  Write_Py_Parameter(run, "Alpha_r", n.alpha_r, 3);
  Write_Py_Parameter(run, "Yu", 3.0 * n.b / 80.0, 5, length);
  Write_Py_Parameter(run, "Yrm", c.yrm, 5, length);
  Write_Py_Scientific_Parameter(run, "Y_A", c.yA, 5, length);
  Write_Py_Parameter(run, "p-multiplier", n.pm, 5);
  Write_Py_Parameter(run, "y-multiplier", n.ym, 5);
  TextChannel& out = run.Report;
  out.Empty_Lines(1);
  out.Line().A("        y, ").A(length).A("            p, ").A(force_per_length);
  out.End_Line();
  out.Write_Line("----------------    -----------------");

  Write_Py_Plot_Curve(run, run.Nodes.rd_NodeDepth[n.i], kNumPoints,
                      "Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. ", n.i);
  const double y_ultimate = kUltimateRatio * c.yrm;
  for (int k = 1; k <= kNumPoints; ++k) {
    double y = 0.0;
    if (k == 2) y = c.yA;
    if (k >= 3 && k <= 15) y = c.yA + kOutputFractions[k - 3] * (y_ultimate - c.yA);
    if (k == 16) y = y_ultimate;
    if (k == 17) y = kLastPointRatio * c.yrm;
    const double p = Weak_Rock_P(run, c, y);
    Write_Py_Table_Row(run, n.ym * y, n.pm * p);
    Write_Py_Plot_Point(run, n.ym * y, n.pm * p, k, "weak rock");
  }
}

}  // namespace

// PY_WeakRock(j): the weak rock criterion for the nodes (or output depths) of layer j.
// Reads qur through fn_c (psi in US customary units, kPa in SI), RQD, krm, the rock mass
// modulus Eir of the layer (force/length**2), the unit weight (printed only), the pile
// width and the multipliers. Analysis mode: rd_NodeEs(i) = Kir below yA (no multipliers),
// pm p/(ym y) above it, then the soil movement load. On entry NumCycles <= 0 becomes 1
// (kept for the run). Errors: Em not positive at the layer's top or bottom (input error
// 72), qur <= 0 away from an interface or negative at one (input error 62), qur zero below
// the layer's first node (input error 16), krm <= 0 (INP00163, number 163), krm b <= 0
// (runtime error 22), and the lookup errors (RQD: input errors 31 and 49; runtime error 20
// for a layer of no thickness). Warnings 3071 to 3074 (qur outside its usual range, away
// from interfaces), 316 and 317 (krm outside 0.00005 to 0.0005).
void PY_WeakRock(RunContext& run, int j) {
  const int first = run.i_TopNodeInLayer[j];
  const int last = run.i_BottomNodeInLayer[j];
  if (first < 1 || last < first) return;
  ProblemData& problem = run.Problem;
  if (problem.Options.NumCycles <= 0.0) problem.Options.NumCycles = 1.0;
  const SoilLayer& layer = problem.Layers[j - 1];
  if (!(layer.SubgradeModulusTop > 0.0 && layer.SubgradeModulusBottom > 0.0)) {
    Report_No_Rock_Modulus(run, j);
    return;
  }
  const bool output = run.b_PyOutputPass;
  const int iunits = problem.IUNITS;

  for (int i = first; i <= last; ++i) {
    // 1.-2. Depths, multipliers, width and strength, with its range checks.
    const PyNodeDepths depths = Py_Node_Depths(run, i);
    const double x = depths.soil;
    const double pm = P_Multiplier_At_Depth(run, depths.axial);
    const double ym = Y_Multiplier_At_Depth(run, depths.axial);
    const double b = Pile_Properties_At_Depth(run, depths.axial).b;
    const double qur = fn_c(run, x);
    if (run.Status.Has_Error()) return;
    if (!run.b_AtInterface) {
      if (iunits == kUnitsUSCustomary && qur < kLowStrengthPsi) {
        Record_Warning(run.Status, kWarningLowStrengthUS);
      }
      if (iunits == kUnitsUSCustomary && qur > kHighStrengthPsi) {
        Record_Warning(run.Status, kWarningHighStrengthUS);
      }
      if (iunits == kUnitsSI && qur < kLowStrengthKPa) {
        Record_Warning(run.Status, kWarningLowStrengthSI);
      }
      if (iunits == kUnitsSI && qur > kHighStrengthKPa) {
        Record_Warning(run.Status, kWarningHighStrengthSI);
      }
    }
    // A strength blended at an interface may be zero at the layer's first node (a rock top
    // of no strength), never negative.
    if (run.b_AtInterface ? qur < 0.0 : !(qur > 0.0)) {
      Report_Zero_Strength(run, j);
      return;
    }
    // 3.-5. RQD, rock mass modulus, strength reduction; a strength of zero past the top.
    const double rqd = RQD_At_Depth(run, x);
    if (run.Status.Has_Error()) return;
    const double Eir = Layer_Modulus_At_Depth(run, j, x, RockModulusCaller::WeakRock);
    if (run.Status.Has_Error()) return;
    const double alpha_r = 1.0 - rqd * kRqdReduction;
    if (i > first && qur < kNoStrength) {
      Report_No_Strength(run);
      return;
    }
    // 6.-7. Unit weight (printed only) and krm.
    const double gamma = Avg_Unit_Weight_To_Depth(run, x);
    if (run.Status.Has_Error()) return;
    const double krm = Krm_At_Depth(run, x);
    if (!(krm > 0.0)) {
      Report_Krm_Not_Positive(run, j);
      return;
    }
    if (krm < kLowKrm) Record_Warning(run.Status, kWarningLowKrm);
    if (krm > kHighKrm) Record_Warning(run.Status, kWarningHighKrm);

    // 8.-10. Depth into rock, ultimate resistance and initial modulus.
    const double xr = Depth_Into_Rock(problem, j, x);
    WeakRockCurve curve;
    if (xr <= kShallowRatio * b) {
      // pur = alpha_r qur b (1 + 1.4 xr/b), Kir = Eir (100 + 400 xr/(3 b))
      curve.pur = alpha_r * qur * b * (1.0 + kShallowGrowth * xr / b);
      curve.Kir = Eir * (kSurfaceModulusFactor + kModulusGrowth * xr / (kShallowRatio * b));
    } else {
      curve.pur = kDeepFactor * alpha_r * qur * b;
      curve.Kir = kDeepModulusFactor * Eir;
    }
    // 11. yrm = krm b; yA = (pur / (2 yrm^0.25 Kir))^1.333, where the line Kir y meets the
    // quarter-power curve.
    curve.yrm = krm * b;
    if (!(curve.yrm > 0.0)) {
      Report_Yrm_Not_Positive(run, j);
      return;
    }
    curve.yA = std::pow(curve.pur / (2.0 * std::pow(curve.yrm, 0.25) * curve.Kir), kYaExponent);

    if (output) {
      WeakRockPrint print;
      print.j = j;
      print.i = i;
      print.soil_depth = x;
      print.z = depths.z;
      print.b = b;
      print.qur = qur;
      print.gamma = gamma;
      print.xr = xr;
      print.rqd = rqd;
      print.Eir = Eir;
      print.krm = krm;
      print.alpha_r = alpha_r;
      print.pm = pm;
      print.ym = ym;
      Write_Weak_Rock_Curve(run, curve, print);
      continue;
    }

    // 13. Soil modulus at the node's deflection: Kir on the initial line; above it the
    // secant, 0 for a node of no strength that has not moved (the curve is p = 0).
    const double y = Relative_Deflection(run, i, ym);
    double& es = run.Nodes.rd_NodeEs[i];
    if (y < curve.yA) {
      es = curve.Kir;
    } else {
      const double p = Weak_Rock_P(run, curve, y);
      es = y > 0.0 ? Secant_Modulus(p, y, pm, ym) : 0.0;
    }
    Apply_Soil_Movement_Load(run, i);
  }
}

}  // namespace tavik
