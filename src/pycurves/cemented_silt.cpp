// Cemented c-phi silt p-y curves: PY_CementedSilt. The ultimate resistance adds a frictional
// part, the Reese sand wedge or flow-around resistance times A, to a cohesive part,
// Matlock's soft clay resistance; the curve has the shape of the Reese sand curve (an
// initial line k z y, a power curve up to (b/60, pm), a straight line up to (3b/80, pu)
// and a plateau), never above k z y. Layers below the first use the layering correction.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "profile/pile_discretisation.h"
#include "profile/soil_lookup.h"
#include "pycurves/criterion_factors.h"
#include "pycurves/py_framework.h"
#include "pycurves/sand_terms.h"

namespace tavik {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kNoCohesion = 1.0e-10;
constexpr double kNoFriction = 1.0e-10;         // radians
constexpr double kLevelGround = 1.0e-10;        // |theta| at most: level-ground Ka
constexpr double kSlopeModification = 1.0e-20;  // |theta| above it: the wedge is modified
constexpr double kDeepOnlySlopeFactor = 1.0e-10;
constexpr double kClaySlopeThreshold = 1.0e-20;
constexpr double kSmallDeflection = 1.0e-14;
constexpr double kPeakFactor = 1.5;  // pm = 1.5 (Pu,phi + Pu,c) at ym = b/60
constexpr double kMaxBearingFactor = 9.0;

// Default e50 by cohesion: limits 500, 1000 and 4000 psf.
constexpr std::array<double, 3> kEpsilonLimitsPsi = {3.4722, 6.9444, 27.777779};
constexpr std::array<double, 3> kEpsilonLimitsKPa = {23.9401, 47.8803, 191.521};
constexpr std::array<double, 4> kDefaultEpsilon50 = {0.02, 0.01, 0.005, 0.004};
// The cohesion classes of the clay part of the default k.
constexpr CohesionClassLimits kClayKLimits = {{6.94, 13.88, 27.78}, {47.8927, 95.7854, 191.5708}};
// The frictional part of the default k by friction angle (up to 30, 36 and above 36
// degrees), above and below the water table; above it when the unit weight exceeds
// 0.045 lb/in3 (12.225 kN/m3).
constexpr std::array<double, 2> kFrictionKLimits = {30.0, 36.0};
constexpr std::array<double, 3> kFrictionKAboveUS = {25.0, 90.0, 225.0};
constexpr std::array<double, 3> kFrictionKBelowUS = {20.0, 60.0, 125.0};
constexpr std::array<double, 3> kFrictionKAboveSI = {6786.18, 24430.24, 61075.6};
constexpr std::array<double, 3> kFrictionKBelowSI = {5428.94, 16286.83, 33930.9};
constexpr double kDryUnitWeightUS = 0.045;
constexpr double kDryUnitWeightSI = 12.225;

constexpr int kInputErrorNoCohesion = 48;
constexpr int kInputErrorNoFriction = 10;
constexpr int kInputErrorSlopeCohesionless = 11;
constexpr int kRuntimeErrorSlope = 23;
constexpr int kInputErrorNoDefaultK = 75;

constexpr int kNumPoints = 17;
constexpr int kPowerSteps = 12;  // printed steps from 0 to ym
constexpr std::array<double, 3> kBeyondUltimate = {1.05, 1.10, 1.15};

// The curve of one node.
struct CementedSiltCurve {
  double kz = 0.0;  // initial slope k z
  double pu = 0.0;  // A Pu,phi + Pu,c
  double pm = 0.0;  // 1.5 (Pu,phi + Pu,c)
  double ym = 0.0;  // b/60
  double yu = 0.0;  // 3b/80
  double mc = 0.0;  // slope of the straight part
  double n = 0.0;   // power curve C y^(1/n)
  double C = 0.0;
  double yk = 0.0;  // where the power curve meets k z y
};

// p(y) for y >= 0: the one evaluation shared by the analysis and the printed curve.
double Cemented_Silt_P(const CementedSiltCurve& c, double y) {
  double p;
  if (y <= c.yk) {
    p = c.kz * y;
  } else if (y <= c.ym) {
    p = c.n == 0.0 ? 0.0 : c.C * std::pow(y, 1.0 / c.n);
  } else if (y <= c.yu) {
    p = c.pm + c.mc * (y - c.ym);
  } else {
    p = c.pu;
  }
  return std::min(p, c.kz * y);
}

// The constants of the curve from pu, pm, k z, the width and the depth z.
void Set_Curve_Constants(CementedSiltCurve& c, double b, double z) {
  c.ym = b / 60.0;
  c.yu = 3.0 * b / 80.0;
  if (z < 0.0) {
    c.yk = 2.0 * b;
    return;
  }
  c.mc = (c.pu - c.pm) / (c.yu - c.ym);
  // A node without resistance (no cohesion at the ground surface) has the curve p = 0.
  if (c.pm == 0.0) return;
  c.n = c.pm / (c.ym * c.mc);
  if (c.n == 0.0) return;
  c.C = c.pm / std::pow(c.ym, 1.0 / c.n);
  // With pu = pm (mc = 0) n is infinite: the power curve is the plateau pm, met at pm/(k z).
  const double exponent = std::isinf(c.n) ? 1.0 : c.n / (c.n - 1.0);
  c.yk = c.kz == 0.0 ? 0.0 : std::pow(c.C / c.kz, exponent);
}

// The default e50 of cohesion c; general units keep the input value.
double Default_Epsilon50(int iunits, double c, double input) {
  const std::array<double, 3>* limits = nullptr;
  if (iunits == kUnitsUSCustomary) limits = &kEpsilonLimitsPsi;
  if (iunits == kUnitsSI) limits = &kEpsilonLimitsKPa;
  if (limits == nullptr) return input;
  int cls = 0;
  while (cls < 3 && c >= (*limits)[cls]) ++cls;
  return kDefaultEpsilon50[cls];
}

// The default k: the stiff clay value of the cohesion class plus the frictional part.
double Default_k(const ProblemData& problem, double c, double phi, double gamma) {
  const bool si = problem.IUNITS == kUnitsSI;
  const int cls = Stiff_Clay_Cohesion_Class(problem.IUNITS, c, kClayKLimits);
  const double kc = Stiff_Clay_Default_k(problem, cls);
  int f = 0;
  while (f < 2 && phi > kFrictionKLimits[f]) ++f;
  const bool dry = gamma > (si ? kDryUnitWeightSI : kDryUnitWeightUS);
  const double ks = si ? (dry ? kFrictionKAboveSI : kFrictionKBelowSI)[f]
                       : (dry ? kFrictionKAboveUS : kFrictionKBelowUS)[f];
  return kc + ks;
}

void Report_No_Cohesion(RunContext& run, int j, double x, double c) {
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Write_Line("**** Input Data Error No. 48 ****");
    out->Empty_Lines(1);
    out->Write_Line("Problem: A negative or zero value of cohesion was input for ");
    out->Write_Line("a soil defined as a silt.");
    out->Empty_Lines(1);
    out->Line().A("Layer = ").I(j, 0).A(", Depth = ").F(x, 13, 8).A(", c = ").ES(c, 10, 3);
    out->End_Line();
    out->Empty_Lines(1);
    out->Write_Line("Solution:  Please revise and correct the input data.  ");
    out->Write_Line("Both cohesion and friction angle should be non-zero for silt soils.");
  }
  Terminate_With_Error(run, Input_Error_Code(kInputErrorNoCohesion), 100 + kInputErrorNoCohesion);
}

void Report_No_Friction(RunContext& run) {
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Write_Line("**** Input Data Error No. 10 ****");
    out->Empty_Lines(1);
    out->Write_Line(
        "Problem:  A negative or zero value was input for the friction angle for a silt.");
    out->Empty_Lines(1);
    out->Write_Line("Solution:  Please revise and correct the input data.  ");
    out->Write_Line(
        "Both cohesion and friction angle must be non-zero for the cemented silt soil.");
  }
  Terminate_With_Error(run, Input_Error_Code(kInputErrorNoFriction), 100 + kInputErrorNoFriction);
}

void Report_Slope_Steeper_Than_Friction(RunContext& run, int j) {
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Write_Line("**** Runtime Error No. 23 ****");
    out->Empty_Lines(1);
    out->Write_Line("A runtime error occurred due to the ground slope angle being");
    out->Line().A("greater than the friction angle for silt for layer ").I(j, 0).A(".");
    out->End_Line();
    out->Empty_Lines(1);
    out->Write_Line("Problem:  The angle of the ground slope can not be greater ");
    out->Write_Line("than the internal friction angle of silt.");
    out->Empty_Lines(1);
    out->Write_Line("Solution:  Set the value for slope angle to be less than ");
    out->Write_Line("the angle of friction or convert the layer into an equivalent");
    out->Write_Line("strength clay layer.");
    out->Empty_Lines(1);
  }
  Terminate_With_Error(run, Runtime_Error_Code(kRuntimeErrorSlope), 200 + kRuntimeErrorSlope);
}

void Report_Slope_Cohesionless(RunContext& run, int j) {
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Write_Line("**** Input Data Error No. 11 ****");
    out->Empty_Lines(1);
    out->Write_Line("An error was detected in the input data when computing a p-y.");
    out->Line().A("curve using the criteria for silt for layer ").I(j, 0).A(".");
    out->End_Line();
    out->Empty_Lines(1);
    out->Write_Line("Problem:  The angle of the ground slope can not be greater ");
    out->Write_Line("than the internal friction angle of cohesionless silt.");
    out->Empty_Lines(1);
    out->Write_Line("Solution:  Set the value for slope angle to be less than ");
    out->Write_Line("the angle of friction.");
    out->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(kInputErrorSlopeCohesionless),
                       100 + kInputErrorSlopeCohesionless);
}

// General units have no default k; a k left at zero would remove the layer's resistance.
void Report_No_Default_k(RunContext& run, int j) {
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Write_Line("**** Input Data Error No. 75 ****");
    out->Empty_Lines(1);
    out->Line()
        .A("Problem:  The subgrade modulus k of cemented silt layer ")
        .I(j, 0)
        .A(" is zero or negative in general units.");
    out->End_Line();
    out->Write_Line("          Default values of k exist in US customary and SI units only.");
    out->Empty_Lines(1);
    out->Write_Line("Solution: Enter a positive value of k for the layer.");
    out->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(kInputErrorNoDefaultK), 100 + kInputErrorNoDefaultK);
}

// The node values printed in the report block.
struct CementedSiltPrint {
  int j = 0;
  int i = 0;
  double soil_depth = 0.0;
  double zt = 0.0;
  double z = 0.0;
  double b = 0.0;
  double c = 0.0;
  double phi = 0.0;
  double gamma = 0.0;
  double k = 0.0;
  double eps50 = 0.0;
  double A = 0.0;
  double B = 0.0;
  double pu_c = 0.0;
  double pu_phi = 0.0;
  double pm = 1.0;
  double ym = 1.0;
};

void Write_Cemented_Silt_Curve(RunContext& run, const CementedSiltCurve& c,
                               const CementedSiltPrint& n) {
  const std::string length = Unit_Length(run);
  const std::string force_per_length = Unit_Force_Per_Length(run, 1);
  Write_Py_Title(run, run.Problem.Options.Cyclic
                          ? "p-y Curve Computed Using the Cyclic Criteria for Cemented Silt"
                          : "p-y Curve Computed Using the Static Criteria for Cemented Silt");
  Write_Py_Integer_Parameter(run, "Soil Layer Number", n.j);
  Write_Py_Depth_Parameter(run, "Depth below pile head", n.soil_depth);
  Write_Py_Depth_Parameter(run, "Depth below ground surface", n.zt);
  Write_Py_Parameter(run, "Equivalent Depth, x", n.z, 3, length);
  Write_Py_Parameter(run, "Pile Diameter, B", n.b, 3, length);
  Write_Py_Parameter(run, "Cohesion, c", n.c, 3, Unit_Force_Per_Length(run, 2));
  Write_Py_Parameter(run, "Angle of Friction, phi", n.phi, 3, "deg.");
  Write_Py_Parameter(run, "Avg. Eff. Unit Weight", n.gamma, 5, Unit_Force_Per_Length(run, 3));
  Write_Py_Parameter(run, "k (interp. from input)", n.k, 3, Unit_Force_Per_Length(run, 3));
  Write_Py_Parameter(run, "Epsilon50 (interp.)", n.eps50, 5);
  Write_Py_Parameter(run, "x/B ratio", n.z / n.b, 3);
  Write_Py_Parameter(run, "A parameter = fn(x/B)", n.A, 4);
  Write_Py_Parameter(run, "B parameter = fn(x/B)", n.B, 4);
  Write_Py_Parameter(run, "m", c.mc, 4);
  Write_Py_Parameter(run, "n", c.n, 4);
  Write_Py_Parameter(run, "Cbar", c.C, 4);
  Write_Py_Parameter(run, "yk", c.yk, 5, length);
  Write_Py_Parameter(run, "Pu", c.pu, 3, force_per_length);
  // "Pc": the resistance where the power curve leaves the initial line k z y.
  Write_Py_Parameter(run, "Pc", c.kz * c.yk, 3, force_per_length);
  Write_Py_Parameter(run, "ym = b/60", c.ym, 5, length);
  Write_Py_Parameter(run, "pm", c.pm, 3, force_per_length);
  Write_Py_Parameter(run, "yu = 3b/80", c.yu, 5, length);
  Write_Py_Parameter(run, "Pu,c", n.pu_c, 3, force_per_length);
  Write_Py_Parameter(run, "Pu,phi", n.pu_phi, 3, force_per_length);
  Write_Py_Parameter(run, "p-multiplier", n.pm, 5);
  Write_Py_Parameter(run, "y-multiplier", n.ym, 5);
  TextChannel& out = run.Report;
  out.Empty_Lines(2);
  out.Line().A("        y, ").A(length).A("             p,").A(force_per_length);
  out.End_Line();
  out.Write_Line("----------------    -----------------");

  Write_Py_Plot_Curve(run, run.Nodes.rd_NodeDepth[n.i], kNumPoints,
                      "Line 7:  p-y curve depth in cemented silt, no. p-y points on curve no. ",
                      n.i);
  const double step = c.ym / kPowerSteps;
  for (int k = 1; k <= kNumPoints; ++k) {
    double y = (k - 1) * step;
    if (k == 14) y = c.yu;
    if (k >= 15) y = kBeyondUltimate[k - 15] * c.yu;
    const double p = Cemented_Silt_P(c, y);
    Write_Py_Table_Row(run, n.ym * y, n.pm * p);
    Write_Py_Plot_Point(run, n.ym * y, n.pm * p, k, "cemented c-phi");
  }
}

}  // namespace

// PY_CementedSilt(j): cemented silt for the nodes (or output depths) of layer j. Reads the
// cohesion, friction angle, e50, unit weight and k of the layer, the loading type, the
// effective slope, the pile width and the multipliers; publishes the node's parameters in
// run.CurrentSoil for the layering correction and integrates pu into rd_LayerPuSum(j).
// Analysis mode: rd_NodeEs(i) = pm p/(ym y), or k z (no multipliers) below a deflection of
// 1.0E-14, then the soil movement load. A layer whose top k is not positive takes the
// default k (stiff clay value of the cohesion class plus the frictional part); a bottom k
// of exactly 0 is replaced by the top value (stored). Errors: cohesion zero below the layer
// top (input error 48), friction angle zero (input error 10), a slope steeper than the
// friction angle (runtime error 23) or as steep as it without cohesion (input error 11), no
// default k in general units (input error 75), and the lookup errors.
void PY_CementedSilt(RunContext& run, int j) {
  const int first = run.i_TopNodeInLayer[j];
  const int last = run.i_BottomNodeInLayer[j];
  if (first < 1 || last < first) return;
  ProblemData& problem = run.Problem;
  const bool output = run.b_PyOutputPass;
  const bool cyclic = problem.Options.Cyclic;
  const double theta = problem.SlopeMinusBatter;
  SoilLayer& layer = problem.Layers[j - 1];
  const bool input_k = layer.SubgradeModulusTop > 0.0;
  if (input_k && layer.SubgradeModulusBottom == 0.0) {
    layer.SubgradeModulusBottom = layer.SubgradeModulusTop;
  }
  if (!input_k && problem.IUNITS != kUnitsUSCustomary && problem.IUNITS != kUnitsSI) {
    Report_No_Default_k(run, j);
    return;
  }

  double pu_previous = 0.0;
  for (int i = first; i <= last; ++i) {
    // 1.-3. Depths, width, multipliers, cohesion and unit weight.
    const PyNodeDepths depths = Py_Node_Depths(run, i);
    const double x = depths.soil;
    const double zt = depths.z;
    const double deflection = output ? Output_Depth_Deflection(run, x) : run.Nodes.rd_Y[i];
    const double b = Pile_Properties_At_Depth(run, depths.axial).b;
    const double pm = P_Multiplier_At_Depth(run, depths.axial);
    const double ym = Y_Multiplier_At_Depth(run, depths.axial);
    const double c = fn_c(run, x);
    if (run.Status.Has_Error()) return;
    if (x > layer.XLayerTop && c < kNoCohesion) {
      Report_No_Cohesion(run, j, x, c);
      return;
    }
    const double gamma = Avg_Unit_Weight_To_Depth(run, x);
    if (run.Status.Has_Error()) return;
    // 4.-5. e50 (printed only) and the friction angle.
    double eps50 = Epsilon50_At_Depth(run, x);
    if (eps50 <= 0.0) eps50 = Default_Epsilon50(problem.IUNITS, c, eps50);
    const double phi = Friction_Angle_At_Depth(run, x);
    if (run.Status.Has_Error()) return;
    const double phi_r = phi * kRadiansPerDegree;
    if (phi_r < kNoFriction) {
      Report_No_Friction(run);
      return;
    }
    // 6. Subgrade modulus.
    const double k =
        input_k ? Value_Over_Layer(layer, layer.SubgradeModulusTop, layer.SubgradeModulusBottom, x)
                : Default_k(problem, c, phi, gamma);

    // 7. Angles and earth pressure coefficients.
    if (phi_r < std::fabs(theta)) {
      Report_Slope_Steeper_Than_Friction(run, j);
      return;
    }
    if (Slope_Steeper_Than_Friction(theta, phi_r) && c <= 0.0) {
      Report_Slope_Cohesionless(run, j);
      return;
    }
    const SandAngles angles = Sand_Angles(phi_r);
    const double Ka =
        std::fabs(theta) > kLevelGround ? Sloping_Ground_Ka(angles, theta) : angles.KaLevel;

    // 8. Depth of the curve (layering correction).
    CurrentSoilParameters& soil = run.CurrentSoil;
    soil.b = b;
    soil.c = c;
    soil.ca = c;
    soil.Gamma = gamma;
    soil.PhiR = phi_r;
    soil.Alpha = angles.Alpha;
    soil.Beta = angles.Beta;
    soil.K0 = angles.K0;
    soil.Ka = Ka;
    soil.Kp = angles.Kp;
    soil.zn = zt;
    const double z = Layered_Curve_Depth(run, j, i, x, zt);

    // 9. Frictional part: the sand wedge (with the slope modification) or flow-around.
    double s = 1.0;
    double pst =
        Sand_Wedge_With_Slope(angles, Ka, gamma, z, b, theta, deflection, kSlopeModification, &s);
    const double psd = Sand_Flow_Around_Resistance(angles, gamma, zt, b);
    if (s <= kDeepOnlySlopeFactor && std::fabs(theta) > kDeepOnlySlopeFactor) pst = psd;
    const double pu_phi = std::min(pst, psd);

    // 10. Cohesive part: Matlock's Np = 0.5 z/b + 3 + gamma z/c (at most 9), with the slope
    // factor, where a deflection of 1.0E-20 or less counts as negative. The factor takes its
    // sign from the node's deflection, in the output pass from the node of the same index,
    // as the soft clay curves do. Without cohesion (allowed at the layer top) there is no
    // cohesive resistance.
    double pu_c = 0.0;
    if (c > 0.0) {
      double np = 0.5 * z / b + 3.0 + gamma * z / c;
      if (std::fabs(theta) > kClaySlopeThreshold) {
        const double y_sign = run.Nodes.rd_Y[i];
        np *= Slope_Factor(y_sign > kClaySlopeThreshold ? y_sign : -1.0, theta);
      }
      pu_c = std::min(np, kMaxBearingFactor) * c * b;
    }

    // 11.-12. Ultimate resistance and its integral over the layer.
    const double A = Sand_Factor_A(z, b, cyclic);
    const double B =
        Sand_Factor_At_Ratio(z, b, cyclic ? SandFactorTable::BCyclic : SandFactorTable::BStatic);
    CementedSiltCurve curve;
    curve.pu = A * pu_phi + pu_c;
    curve.pm = kPeakFactor * (pu_phi + pu_c);
    curve.kz = k * z;
    Accumulate_Layer_Resistance(run, j, i, pu_previous, curve.pu);
    if (Layer_1_Above_Pile_Head(run, j)) {
      run.rd_LayerPuSum[1] =
          (3.0 * c * b + curve.pu) * 0.5 * (layer.XLayerBottom - layer.XLayerTop);
    }
    pu_previous = curve.pu;
    // 13. Curve constants.
    Set_Curve_Constants(curve, b, z);

    if (output) {
      CementedSiltPrint print;
      print.j = j;
      print.i = i;
      print.soil_depth = x;
      print.zt = zt;
      print.z = z;
      print.b = b;
      print.c = c;
      print.phi = phi;
      print.gamma = gamma;
      print.k = k;
      print.eps50 = eps50;
      print.A = A;
      print.B = B;
      print.pu_c = pu_c;
      print.pu_phi = pu_phi;
      print.pm = pm;
      print.ym = ym;
      Write_Cemented_Silt_Curve(run, curve, print);
      continue;
    }
    // 15. Soil modulus at the node's deflection.
    const double y = Relative_Deflection(run, i, ym);
    run.Nodes.rd_NodeEs[i] =
        y >= kSmallDeflection ? Secant_Modulus(Cemented_Silt_P(curve, y), y, pm, ym) : curve.kz;
    Apply_Soil_Movement_Load(run, i);
  }
}

}  // namespace tavik
