// Strong rock (vuggy limestone) p-y curves: PY_VuggyLimestone. With su half the uniaxial
// compressive strength, a straight line of slope 2000 su up to y1 = 0.0004 b, a flatter line
// of slope 100 su up to y2 = 0.0024 b (where p = b su), then brittle failure: the
// resistance drops to the residual 0.5 gamma' b z. Also the strong-rock part of the trial
// moduli of every load case (Vuggy_Limestone_Trial_Moduli).
#include <algorithm>
#include <cmath>

#include "profile/pile_discretisation.h"
#include "profile/soil_lookup.h"
#include "pycurves/py_framework.h"
#include "pycurves/soil_code_names.h"

namespace tavik {

namespace {

constexpr double kFirstBreakRatio = 0.0004;  // y1 = 0.0004 b
constexpr double kFirstBreakForce = 0.8;     // p1 = 0.8 b su
constexpr double kInitialSlope = 2000.0;     // p = 2000 su y up to y1
constexpr double kSecondSlope = 100.0;       // p = p1 + 100 su (y - y1) up to y2
constexpr double kResidualFactor = 0.5;      // p = 0.5 gamma' b z beyond y2
constexpr double kSmallDeflection = 1.0e-14;
constexpr int kInteriorSteps = 15;  // printed steps between y1 and y2
constexpr int kNumPoints = 17;

// Usual range of su: 500 to 2500 psi, 6895 to 17237.5 kPa.
constexpr double kLowStrengthPsi = 500.0;
constexpr double kHighStrengthPsi = 2500.0;
constexpr double kLowStrengthKPa = 6895.0;
constexpr double kHighStrengthKPa = 17237.5;
constexpr int kWarningStrength = -308;
constexpr int kInputErrorZeroStrength = 62;

// The curve of one node.
struct VuggyCurve {
  double su = 0.0;  // half the uniaxial compressive strength
  double y1 = 0.0;
  double p1 = 0.0;
  double y2 = 0.0;
  double residual = 0.0;  // 0.5 gamma' b z
};

// p(y) for y >= 0: the one evaluation shared by the analysis and the printed curve.
double Vuggy_P(const VuggyCurve& c, double y) {
  if (y < c.y1) return kInitialSlope * c.su * y;
  if (y <= c.y2) return c.p1 + kSecondSlope * c.su * (y - c.y1);
  return c.residual;
}

// Without strength the curve has no second branch (y2 divides by su): input error 62.
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

void Write_Vuggy_Curve(RunContext& run, int j, int i, double soil_depth, double z, double b,
                       const VuggyCurve& c, double pm, double ym) {
  TextChannel& out = run.Report;
  Write_Py_Title(run, "p-y Curve for Vuggy Limestone (Strong Rock) Criteria");
  Write_Py_Integer_Parameter(run, "Soil Layer Number", j);
  Write_Py_Depth_Parameter(run, "Depth below pile head", soil_depth);
  Write_Py_Depth_Parameter(run, "Depth below ground surface", z);
  Write_Py_Parameter(run, "Shaft Diameter", b, 3, Unit_Length(run));
  Write_Py_Parameter(run, "Uniaxial Compressive Strength", 2.0 * c.su, 3,
                     Unit_Force_Per_Length(run, 2));
  Write_Py_Parameter(run, "p-multiplier", pm, 5);
  Write_Py_Parameter(run, "y-multiplier", ym, 5);
  out.Empty_Lines(1);
  out.Line().A("        y, ").A(Unit_Length(run)).T(22).A("p, ").A(Unit_Force_Per_Length(run, 1));
  out.End_Line();
  out.Write_Line("---------------   ---------------");

  Write_Py_Plot_Curve(run, run.Nodes.rd_NodeDepth[i], kNumPoints,
                      "Line 7:  p-y curve depth in vuggy limestone, no. p-y points on curve no. ",
                      i);
  for (int k = 1; k <= kNumPoints; ++k) {
    double y = 0.0;
    if (k == 2) y = c.y1;
    if (k >= 3 && k <= 16) y = c.y1 + (k - 2) * (c.y2 - c.y1) / kInteriorSteps;
    if (k == 17) y = c.y2;
    const double p = Vuggy_P(c, y);
    Write_Py_Table_Row(run, ym * y, pm * p);
    Write_Py_Plot_Point(run, ym * y, pm * p, k, "vuggy limestone rock");
  }
}

// The criterion over the nodes of layer j; each strength warning is tallied
// `warning_repeats` times (the trial moduli stand for one pass per node of the pile).
void Vuggy_Layer(RunContext& run, int j, int warning_repeats) {
  const int first = run.i_TopNodeInLayer[j];
  const int last = run.i_BottomNodeInLayer[j];
  if (first < 1 || last < first) return;
  const ProblemData& problem = run.Problem;
  const int iunits = problem.IUNITS;
  const double layer_top = problem.Layers[j - 1].XLayerTop;
  const int repeats = std::min(warning_repeats, kMaxWarningTally);

  for (int i = first; i <= last; ++i) {
    // 1. Depths, multipliers, width, strength and unit weight.
    const PyNodeDepths depths = Py_Node_Depths(run, i);
    const double x = depths.soil;
    const double pm = P_Multiplier_At_Depth(run, depths.axial);
    const double ym = Y_Multiplier_At_Depth(run, depths.axial);
    const double b = Pile_Properties_At_Depth(run, depths.axial).b;
    VuggyCurve curve;
    curve.su = 0.5 * fn_c(run, x);
    if (run.Status.Has_Error()) return;
    const double gamma = Avg_Unit_Weight_To_Depth(run, x);
    if (run.Status.Has_Error()) return;
    if (!(curve.su > 0.0)) {
      Report_Zero_Strength(run, j);
      return;
    }
    // 2. Strength outside the usual range, below the layer top.
    if (x > layer_top) {
      const bool unusual =
          iunits == kUnitsUSCustomary
              ? curve.su < kLowStrengthPsi || curve.su > kHighStrengthPsi
              : iunits == kUnitsSI && (curve.su < kLowStrengthKPa || curve.su > kHighStrengthKPa);
      if (unusual) {
        for (int r = 0; r < repeats; ++r) Record_Warning(run.Status, kWarningStrength);
      }
    }
    // 3. Break points: y1 = 0.0004 b, p1 = 0.8 b su = 2000 su y1, and y2 where the second
    // line reaches b su (= 0.0024 b).
    curve.y1 = kFirstBreakRatio * b;
    curve.p1 = kFirstBreakForce * b * curve.su;
    curve.y2 = (b * curve.su - curve.p1) / (kSecondSlope * curve.su) + curve.y1;
    curve.residual = kResidualFactor * gamma * b * depths.z;

    if (run.b_PyOutputPass) {
      Write_Vuggy_Curve(run, j, i, x, depths.z, b, curve, pm, ym);
      continue;
    }
    // 5. Soil modulus: soil movements do not act on rock.
    const double y = std::fabs(run.Nodes.rd_Y[i]) / ym;
    run.Nodes.rd_NodeEs[i] =
        y >= kSmallDeflection ? (Vuggy_P(curve, y) / y) * pm / ym : kInitialSlope * curve.su / ym;
  }
}

}  // namespace

// PY_VuggyLimestone(j): strong rock for the nodes (or output depths) of layer j. Reads qu
// through fn_c (psi in US customary units, kPa in SI), the unit weight, the pile width and
// the multipliers. Analysis mode: rd_NodeEs(i) = (p/y) pm/ym, or 2000 su/ym below a
// deflection of 1.0E-14; no soil movement acts and no movement load is set. Errors: qu not
// positive (input error 62) and the lookup errors. Warning 308 at nodes below the layer top
// when su lies outside 500 to 2500 psi (6895 to 17237.5 kPa).
void PY_VuggyLimestone(RunContext& run, int j) {
  Vuggy_Layer(run, j, 1);
}

void Vuggy_Limestone_Trial_Moduli(RunContext& run) {
  const ProblemData& problem = run.Problem;
  const int num_nodes = run.Nodes.i_Num_Nodes;
  // The first pass over all layers sees the count left by the last pass of the layers;
  // after it, every later pass of every layer sees a rock-type layer counted.
  bool first_pass = true;
  for (int j = 1; j <= problem.i_Number_of_Layers; ++j) {
    if (run.i_TopNodeInLayer[j] <= 0 || Layer_Soil_Code(problem, j) != kCodeVuggyLimestone) {
      continue;
    }
    Vuggy_Layer(run, j, num_nodes);
    if (run.Status.Has_Error()) return;
    const bool counted_before = !first_pass || run.i_RockLayersAbove > 0 || num_nodes > 1;
    if (counted_before) run.b_BelowRockLayer[j] = true;
    run.i_RockLayersAbove += num_nodes;
    first_pass = false;
  }
}

}  // namespace tavik
