// Loess p-y curves from the cone tip resistance: PY_Loess. The ultimate resistance
// pu = 0.409 qc b, reduced near the pile head and degraded by the number of load cycles N
// by 1/(1 + 0.24 ln N); a hyperbolic-type curve p = Ei y / (1 + (y/yr)(1 + 0.1 e^(-y/yr)))
// with the initial modulus Ei = pu/yr and the reference deflection yr = 0.117 in.
#include <algorithm>
#include <array>
#include <cmath>

#include "profile/pile_discretisation.h"
#include "profile/soil_lookup.h"
#include "pycurves/py_framework.h"

namespace tavik {

namespace {

constexpr double kReferenceDeflectionIn = 0.117;
constexpr double kReferenceDeflectionM = 0.0029718;  // 0.117 in
constexpr double kMostCycles = 10.1;                 // the model holds for 1 to 10 cycles
constexpr double kFewestCycles = 1.0;                // fewer than one cycle count as one
constexpr double kResistanceFactor = 0.409;          // pu0 = 0.409 qc
constexpr double kCycleDegradation = 0.24;           // pu = b pu0 / (0.24 ln N + 1)
constexpr double kHeadReductionWidths = 2.0;         // qc reduced within 2 b of the pile head
constexpr double kShapeFactor = 0.1;
constexpr int kLayerColumn = 56;
constexpr int kLayerNumberWidth = 10;
constexpr std::string_view kCodeTooManyCycles = "INP00170";
constexpr int kNumberTooManyCycles = 170;

constexpr int kNumPoints = 17;
constexpr std::array<double, kNumPoints> kOutputRatios = {
    0.0, 0.25, 0.5, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0, 6.0, 8.0, 12.0, 16.0, 23.0, 30.0, 40.0, 50.0};

// The curve of one node.
struct LoessCurve {
  double Ei = 0.0;  // initial modulus pu/yr, force/length**2
  double yr = 0.0;  // reference deflection
};

// p(y) for y >= 0: the one evaluation shared by the analysis and the printed curve.
double Loess_P(const LoessCurve& c, double y) {
  return c.Ei * y / (1.0 + (y / c.yr) * (1.0 + kShapeFactor * std::exp(-y / c.yr)));
}

// Input error 70, report only.
void Report_Too_Many_Cycles(RunContext& run, int j, double cycles) {
  TextChannel& out = run.Report;
  out.Empty_Lines(2);
  out.Write_Line("**** Input Data Error No. 70 ****");
  out.Empty_Lines(1);
  out.Line()
      .A("PROBLEM: Soil layer ")
      .I(j, 0)
      .A(" is a loess and the input value for the number of cycles of loading = ")
      .F(cycles, 12, 1);
  out.End_Line();
  out.Write_Line(
      "This value is greater than 10. The soil model for loess is valid only for 1 to 10 cycles "
      "of loading. ");
  out.Write_Line(
      "SOLUTION: Revise the input data so that the number of cycles of loading is in the range "
      "of 1 to 10.");
  out.Empty_Lines(1);
  Terminate_With_Error(run, kCodeTooManyCycles, kNumberTooManyCycles);
}

void Write_Loess_Curve(RunContext& run, int j, int i, double z, double b, bool near_head, double qc,
                       double pu0, double pu, double cycles, const LoessCurve& c, double pm,
                       double ym) {
  const double depth = run.Nodes.rd_NodeDepth[i];
  const std::string stress = Unit_Force_Per_Length(run, 2);
  TextChannel& out = run.Report;
  Write_Py_Title(run, "p-y Curve for Loess");
  out.Line().A("Soil Layer Number").T(kLayerColumn).A("= ").I(j, kLayerNumberWidth);
  out.End_Line();
  Write_Py_Depth_Parameter(run, "Depth below pile head", depth);
  Write_Py_Depth_Parameter(run, "Depth below ground surface", z);
  Write_Py_Parameter(run, "Shaft Diameter", b, 3, Unit_Length(run));
  Write_Py_Parameter(run, near_head ? "Depth Adj. Cone tip resistance" : "Cone tip resistance", qc,
                     3, stress);
  Write_Py_Parameter(run, "Initial Modulus, Ei", c.Ei, 3, stress);
  Write_Py_Parameter(run, "p_u0", pu0, 3, stress);
  Write_Py_Parameter(run, "p_u", pu, 3, Unit_Force_Per_Length(run, 1));
  Write_Py_Parameter(run, "Number of Cycles of Loading", cycles, 0, "cycles");
  Write_Py_Parameter(run, "p-multiplier", pm, 5);
  Write_Py_Parameter(run, "y-multiplier", ym, 5);
  out.Empty_Lines(1);
  out.Line().A("        y, ").A(Unit_Length(run)).T(22).A("p, ").A(Unit_Force_Per_Length(run, 1));
  out.End_Line();
  out.Write_Line("---------------   ---------------");

  // The loess curve's depth record carries the Piedmont residual soil text.
  Write_Py_Plot_Curve(run, depth, kNumPoints,
                      "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on "
                      "curve no. ",
                      i);
  for (int k = 1; k <= kNumPoints; ++k) {
    const double y = kOutputRatios[k - 1] * c.yr;
    const double p = Loess_P(c, y);
    Write_Py_Table_Row(run, ym * y, pm * p);
    Write_Py_Plot_Point(run, ym * y, pm * p, k, "Loess", 50, 0);
  }
}

}  // namespace

// PY_Loess(j): loess for the nodes (or output depths) of layer j. Reads the cone tip
// resistance of the layer's top and bottom points (linear in the soil depth), NumCycles,
// the pile width and the multipliers. Analysis mode: rd_NodeEs(i) = (pm/ym)(p/y), at zero
// relative deflection its limit (pm/ym) Ei; no soil movement load. A number of cycles
// below 1 counts as 1 (no degradation; ln N would be negative or undefined). Errors: more
// than 10 cycles (|NumCycles| > 10.1, or not a number: INP00170, number 170, report only).
void PY_Loess(RunContext& run, int j) {
  const int first = run.i_TopNodeInLayer[j];
  const int last = run.i_BottomNodeInLayer[j];
  if (first < 1 || last < first) return;
  const ProblemData& problem = run.Problem;
  const double yr =
      problem.IUNITS == kUnitsUSCustomary ? kReferenceDeflectionIn : kReferenceDeflectionM;
  const double input_cycles = std::fabs(problem.Options.NumCycles);
  if (!(input_cycles <= kMostCycles)) {
    Report_Too_Many_Cycles(run, j, problem.Options.NumCycles);
    return;
  }
  const double cycles = std::max(input_cycles, kFewestCycles);
  const SoilLayer& layer = problem.Layers[j - 1];

  for (int i = first; i <= last; ++i) {
    const PyNodeDepths depths = Py_Node_Depths(run, i);
    const double X = run.Nodes.rd_NodeDepth[i];
    const double b = Pile_Properties_At_Depth(run, depths.axial).b;
    const double pm = P_Multiplier_At_Depth(run, depths.axial);
    const double ym = Y_Multiplier_At_Depth(run, depths.axial);
    // 3.-4. Cone tip resistance, reduced to 0.5 at the pile head rising to 1.0 at 2 b.
    double qc = Value_Over_Layer(layer, layer.Top.ConeTipResistance, layer.Bottom.ConeTipResistance,
                                 depths.soil);
    const bool near_head = X < kHeadReductionWidths * b;
    if (near_head) qc = qc * (X / (kHeadReductionWidths * b) + 0.5);
    // 5. pu0 = 0.409 qc; pu = b pu0 / (0.24 ln N + 1); Ei = pu/yr.
    const double pu0 = kResistanceFactor * qc;
    const double pu = b * pu0 / (kCycleDegradation * std::log(cycles) + 1.0);
    LoessCurve curve;
    curve.Ei = pu / yr;
    curve.yr = yr;

    if (run.b_PyOutputPass) {
      Write_Loess_Curve(run, j, i, depths.z, b, near_head, qc, pu0, pu, cycles, curve, pm, ym);
      continue;
    }
    const double y = Relative_Deflection(run, i, ym);
    run.Nodes.rd_NodeEs[i] = y > 0.0 ? (pm / ym) * (Loess_P(curve, y) / y) : (pm / ym) * curve.Ei;
  }
}

}  // namespace tavik
