// Liquefied sand p-y curves by Rollins et al. (2005): PY_LiquefiedSand. The empirical
// concave-up curve p = A (B y)^C Pd, limited to 15 kN/m, in metres, millimetres and kN/m;
// its coefficients grow or fall with depth, Pd with the pile diameter. US customary inputs
// are converted to those units and the resistance back to lb/in. General units have no
// curve.
#include <algorithm>
#include <array>
#include <cmath>

#include "profile/pile_discretisation.h"
#include "profile/soil_lookup.h"
#include "pycurves/py_framework.h"
#include "pycurves/sand_terms.h"

namespace tavik {

namespace {

constexpr double kMetresPerInch = 0.0254;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kMillimetresPerMetre = 1000.0;
constexpr double kKnPerMetreInLbPerInch = 5.7101474;  // 1 kN/m in lb/in
constexpr double kUpperLimitSI = 15.0;                // kN/m
constexpr double kUpperLimitUS = 85.652214;           // 15 kN/m in lb/in
// Depths below the first layer are scaled by the unit weight relative to 10 kN/m3
// (0.0368396 lb/in3).
constexpr double kReferenceUnitWeightSI = 10.0;
constexpr double kReferenceUnitWeightUS = 0.0368396;
// A = 3.0E-7 (z + 1)^6.05, B = 2.80 (z + 1)^0.11, C = 2.85 (z + 1)^-0.41,
// Pd = 3.81 ln(b) + 5.6 (z and b in metres).
constexpr double kA0 = 3.0e-7;
constexpr double kAExponent = 6.05;
constexpr double kB0 = 2.80;
constexpr double kBExponent = 0.11;
constexpr double kC0 = 2.85;
constexpr double kCExponent = -0.41;
constexpr double kPdSlope = 3.81;
constexpr double kPdOneMetre = 5.6;
constexpr double kLimitDeflectionMm = 150.0;  // the upper limit is A (150 B)^C Pd
constexpr double kRecommendedDepth = 6.0;     // metres
constexpr double kSmallDeflection = 1.0e-14;
constexpr int kInputErrorGeneralUnits = 73;

constexpr int kNumPoints = 17;
constexpr std::array<double, kNumPoints> kOutputDeflectionsUS = {
    0.0, 0.125, 0.25, 0.375, 0.5, 1.0, 1.5,       2.0,      2.5,
    3.0, 3.5,   4.0,  4.5,   5.0, 5.5, 5.9055119, 6.2007875};
constexpr std::array<double, kNumPoints> kOutputDeflectionsSI = {
    0.0,   0.003, 0.0065, 0.01,  0.0125, 0.015, 0.03, 0.045, 0.06,
    0.075, 0.09,  0.1,    0.115, 0.125,  0.14,  0.15, 0.1575};

// The curve of one node in the run's units.
struct LiquefiedSandCurve {
  bool b_SI = false;
  double A = 0.0;
  double B = 0.0;
  double C = 0.0;
  double Pd = 0.0;
  double pl = 0.0;  // upper limit, force/length
};

// A (B y)^C Pd before the upper limit (y in the run's length unit, p in force/length).
double Unlimited_P(const LiquefiedSandCurve& c, double y) {
  return c.b_SI
             ? c.A * std::pow(kMillimetresPerMetre * c.B * y, c.C) * c.Pd
             : kKnPerMetreInLbPerInch * c.A * std::pow(kMillimetresPerInch * c.B * y, c.C) * c.Pd;
}

// p(y) for y >= 0: the one evaluation shared by the analysis and the printed curve.
double Liquefied_Sand_P(const LiquefiedSandCurve& c, double y) {
  return std::min(Unlimited_P(c, y), c.pl);
}

// The secant p/y at (practically) zero relative deflection: the limit of p/y as y -> 0 of
// p = K y^C, which is 0 for C > 1 and K for C = 1. For C < 1 (deeper than the method
// reaches) the limit is infinite; the secant where the curve meets its upper limit stands
// in for it.
double Zero_Deflection_Secant(const LiquefiedSandCurve& c) {
  if (c.C > 1.0) return 0.0;
  const double K = Unlimited_P(c, 1.0);
  if (c.C == 1.0) return K;
  return c.pl / std::pow(c.pl / K, 1.0 / c.C);
}

// The criterion is written in SI and US customary units only.
void Report_General_Units(RunContext& run, int j) {
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Write_Line("**** Input Data Error No. 73 ****");
    out->Empty_Lines(1);
    out->Line()
        .A("Problem:  Soil layer ")
        .I(j, 0)
        .A(" is liquefied sand and general units were selected.");
    out->End_Line();
    out->Write_Line(
        "          The p-y curves of liquefied sand (Rollins et al., 2005) are defined");
    out->Write_Line(
        "          in metres and kilonewtons, and cannot be computed in general units.");
    out->Empty_Lines(1);
    out->Write_Line("Solution: Select US customary or SI units for this soil profile.");
    out->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(kInputErrorGeneralUnits),
                       100 + kInputErrorGeneralUnits);
}

// The node values printed in the report block.
struct LiquefiedSandPrint {
  int i = 0;
  double soil_depth = 0.0;
  double z = 0.0;
  double zm = 0.0;
  double b = 0.0;
  double bm = 0.0;
  double gamma = 0.0;
  double pm = 1.0;
  double ym = 1.0;
};

void Write_Liquefied_Sand_Curve(RunContext& run, const LiquefiedSandCurve& c,
                                const LiquefiedSandPrint& n) {
  TextChannel& out = run.Report;
  const std::string length = Unit_Length(run);
  const std::string force_per_length = Unit_Force_Per_Length(run, 1);
  Write_Py_Title(run, "p-y Curve Computed Using Liquefied Sand Criteria");
  out.Empty_Lines(1);
  Write_Py_Depth_Parameter(run, "Depth below pile head", n.soil_depth);
  Write_Py_Depth_Parameter(run, "Depth below ground surface", n.z);
  Write_Py_Parameter(run, "Depth below ground surface in meters", n.zm, 3, "m");
  Write_Py_Parameter(run, "Pile Diameter", n.b, 3, length);
  Write_Py_Parameter(run, "Pile Diameter in meters", n.bm, 3, "m");
  Write_Py_Parameter(run, "Gamma Avg", n.gamma, 5, Unit_Force_Per_Length(run, 3));
  Write_Py_Scientific_Parameter(run, "A ", c.A, 5);
  Write_Py_Parameter(run, "B ", c.B, 5);
  Write_Py_Parameter(run, "C ", c.C, 5);
  Write_Py_Parameter(run, "Pd", c.Pd, 5);
  Write_Py_Parameter(run, "Upper limit Pu", c.pl, 3, force_per_length);
  Write_Py_Parameter(run, "p-multiplier", n.pm, 5);
  Write_Py_Parameter(run, "y-multiplier", n.ym, 5);
  out.Empty_Lines(1);
  if (n.zm > kRecommendedDepth) {
    out.Write_Line("NOTE: This p-y curve is deeper than the depth of 6.0 meters recommended by");
    out.Write_Line("Rollins, et al. (2005)");
    out.Empty_Lines(1);
  }
  out.Line().A("        y, ").A(length).A("            p, ").A(force_per_length);
  out.End_Line();
  out.Write_Line("----------------    -----------------");

  Write_Py_Plot_Curve(run, run.Nodes.rd_NodeDepth[n.i], kNumPoints,
                      "Line 7:  p-y curve depth in liquefied sand, no. p-y points on curve no. ",
                      n.i);
  const std::array<double, kNumPoints>& ys = c.b_SI ? kOutputDeflectionsSI : kOutputDeflectionsUS;
  for (int k = 1; k <= kNumPoints; ++k) {
    const double y = ys[k - 1];
    const double p = Liquefied_Sand_P(c, y);
    Write_Py_Table_Row(run, n.ym * y, n.pm * p);
    Write_Py_Plot_Point(run, n.ym * y, n.pm * p, k, "liquefied sand", 20);
  }
}

}  // namespace

// PY_LiquefiedSand(j): liquefied sand for the nodes (or output depths) of layer j. Reads the
// average unit weight, the pile width and the multipliers; integrates the upper limit pl
// into rd_LayerPuSum(j) and keeps the running sum in rd_LayerKeptPuSum(j) for the layering
// correction below. Analysis mode: rd_NodeEs(i) = (pm/ym)(p/y) (below a deflection of
// 1.0E-14 the limit of p/y at zero deflection), then the soil movement load. On entry
// NumCycles <= 0 becomes 1 (kept for the run). Errors: general units (input error 73) and
// the lookup errors.
void PY_LiquefiedSand(RunContext& run, int j) {
  const int first = run.i_TopNodeInLayer[j];
  const int last = run.i_BottomNodeInLayer[j];
  if (first < 1 || last < first) return;
  ProblemData& problem = run.Problem;
  if (problem.Options.NumCycles <= 0.0) problem.Options.NumCycles = 1.0;
  const bool si = problem.IUNITS == kUnitsSI;
  if (!si && problem.IUNITS != kUnitsUSCustomary) {
    Report_General_Units(run, j);
    return;
  }

  double pl_previous = 0.0;
  for (int i = first; i <= last; ++i) {
    // 1. Depths, multipliers, width and unit weight.
    const PyNodeDepths depths = Py_Node_Depths(run, i);
    const double x = depths.soil;
    const double z = depths.z;
    const double pm = P_Multiplier_At_Depth(run, depths.axial);
    const double ym = Y_Multiplier_At_Depth(run, depths.axial);
    const double b = Pile_Properties_At_Depth(run, depths.axial).b;
    const double bm = si ? b : kMetresPerInch * b;
    const double gamma = Avg_Unit_Weight_To_Depth(run, x);
    if (run.Status.Has_Error()) return;

    // 2. Depth in metres; below the first layer scaled by the unit weight.
    double zm = z;
    if (j > 1) zm = si ? (gamma / kReferenceUnitWeightSI) * z : gamma * z / kReferenceUnitWeightUS;
    if (!si) zm = kMetresPerInch * zm;

    // 3.-4. Coefficients and the upper limit.
    LiquefiedSandCurve curve;
    curve.b_SI = si;
    curve.A = kA0 * std::pow(zm + 1.0, kAExponent);
    curve.B = kB0 * std::pow(zm + 1.0, kBExponent);
    curve.C = kC0 * std::pow(zm + 1.0, kCExponent);
    curve.Pd = kPdSlope * std::log(bm) + kPdOneMetre;
    const double limit = curve.A * std::pow(kLimitDeflectionMm * curve.B, curve.C) * curve.Pd;
    curve.pl = si ? std::min(kUpperLimitSI, limit)
                  : std::min(kUpperLimitUS, kKnPerMetreInLbPerInch * limit);

    // 5. Integrated upper limit, also kept for the layering correction below.
    Accumulate_Sand_Layer_Resistance(run, j, i, pl_previous, curve.pl);
    run.rd_LayerKeptPuSum[j] = run.rd_LayerPuSum[j];
    pl_previous = curve.pl;

    if (run.b_PyOutputPass) {
      LiquefiedSandPrint print;
      print.i = i;
      print.soil_depth = x;
      print.z = z;
      print.zm = zm;
      print.b = b;
      print.bm = bm;
      print.gamma = gamma;
      print.pm = pm;
      print.ym = ym;
      Write_Liquefied_Sand_Curve(run, curve, print);
      continue;
    }
    // 7. Soil modulus at the node's deflection.
    const double y = Relative_Deflection(run, i, ym);
    const double secant =
        y >= kSmallDeflection ? Liquefied_Sand_P(curve, y) / y : Zero_Deflection_Secant(curve);
    run.Nodes.rd_NodeEs[i] = (pm / ym) * secant;
    Apply_Soil_Movement_Load(run, i);
  }
}

}  // namespace tavik
