// Stiff clay with free water: p-y curves by Reese, Cox and Koop (1975), static and cyclic,
// capped by an initial straight line of slope k z. The ultimate resistance pc is the lesser
// of the wedge value (g' b + 2.83 ca) z + 2 ca b and the flow value 11 c b; the curve is
// shaped by the empirical factors As (static) and Ac (cyclic) against z/b and falls to a
// residual resistance at large deflections.
#include <algorithm>
#include <array>
#include <cmath>

#include "profile/pile_discretisation.h"
#include "profile/soil_lookup.h"
#include "pycurves/criterion_factors.h"
#include "pycurves/py_framework.h"

namespace tavik {

namespace {

constexpr double kNoCohesion = 1.0e-10;
constexpr double kSlopeThreshold = 1.0e-20;
constexpr double kZeroDeflection = 1.0e-14;  // below it the node gets the initial slope k z

// Ultimate resistance: wedge 2.83 ca z + 2 ca b, flow 11 c b.
constexpr double kWedgeCohesionFactor = 2.83;
constexpr double kWedgeSurfaceFactor = 2.0;
constexpr double kFlowFactor = 11.0;

// Static curve.
constexpr double kStaticHalf = 0.5;
constexpr double kStaticDrop = 0.055;
constexpr double kStaticDropPower = 1.25;
constexpr double kStaticSecondBreak = 6.0;  // times As y50
constexpr double kStaticThirdBreak = 18.0;  // times As y50
constexpr double kStaticOffset = 0.411;
constexpr double kStaticSlope = 0.0625;
constexpr double kStaticResidualAs = 0.75;
// Cyclic curve: yp = 4.1 As y50.
constexpr double kCyclicPeakRatio = 4.1;
constexpr double kCyclicFirstBreak = 0.6;  // times yp
constexpr double kCyclicCentre = 0.45;     // times yp
constexpr double kCyclicPower = 2.5;
constexpr double kCyclicSecondBreak = 1.8;  // times yp
constexpr double kCyclicPlateau = 0.936;
constexpr double kCyclicSlope = 0.085;
constexpr double kCyclicResidualSlope = 0.102;
constexpr double kCyclicResidualAs = 0.4182;

// Strength warnings: below 500 psf and above 8000 psf.
constexpr double kLowCohesionPsi = 3.4722223;
constexpr double kHighCohesionPsi = 55.555557;
constexpr double kLowCohesionKPa = 23.940128;
constexpr double kHighCohesionKPa = 383.04205;
constexpr int kLowCohesionWarningUS = -3051;
constexpr int kHighCohesionWarningUS = -3052;
constexpr int kLowCohesionWarningSI = -3053;
constexpr int kHighCohesionWarningSI = -3054;

// Default k and e50 by cohesion class (1000, 2000 and 4000 psf as single-precision values;
// a value on a limit belongs to the higher class).
constexpr CohesionClassLimits kClassLimits = {{6.9444447, 13.888889, 27.777779},
                                              {47.88026, 95.760521, 191.52104}};

// A curve without a positive y50 (general units with e50 left at zero) is undefined.
constexpr int kUndefinedModulusError = 39;
constexpr std::string_view kCriterionName = "stiff clay with free water";

// The printed curve: static deflections in multiples of As y50, cyclic ones of yp.
constexpr int kNumPoints = 17;
constexpr int kEvenPoints = 13;
constexpr double kStaticStep = 0.5;
constexpr double kCyclicStep = 0.05;
constexpr std::array<double, 4> kStaticTail = {10.0, 14.0, 18.0, 19.0};
constexpr std::array<double, 4> kCyclicTail = {1.0, 1.4, 1.8, 1.9};

// The curve of one node: everything p(y) needs.
struct FreeWaterCurve {
  bool b_Cyclic = false;
  double y50 = 0.0;
  double As = 0.0;
  double Ac = 0.0;
  double pc = 0.0;  // ultimate resistance
  double kz = 0.0;  // initial slope k z
};

// p(y) for y >= 0: the one evaluation shared by the analysis and the printed curve.
double Free_Water_P(const FreeWaterCurve& c, double y) {
  const double y50 = c.y50;
  const double pc = c.pc;
  double p = 0.0;
  if (!c.b_Cyclic) {
    const double ya = c.As * y50;
    if (y <= ya) {
      p = kStaticHalf * pc * std::sqrt(y / y50);
    } else if (y <= kStaticSecondBreak * ya) {
      p = pc * (kStaticHalf * std::sqrt(y / y50) -
                kStaticDrop * std::pow(y / ya - 1.0, kStaticDropPower));
    } else if (y <= kStaticThirdBreak * ya) {
      p = kStaticHalf * pc * std::sqrt(kStaticSecondBreak * c.As) - kStaticOffset * pc -
          kStaticSlope * pc * (y - kStaticSecondBreak * ya) / y50;
    } else {
      p = kStaticHalf * pc * std::sqrt(kStaticSecondBreak * c.As) - kStaticResidualAs * c.As * pc -
          kStaticOffset * pc;
    }
  } else {
    const double yp = kCyclicPeakRatio * c.As * y50;
    if (y <= kCyclicFirstBreak * yp) {
      const double centre = kCyclicCentre * yp;
      p = c.Ac * pc * (1.0 - std::pow(std::fabs((y - centre) / centre), kCyclicPower));
    } else if (y <= kCyclicSecondBreak * yp) {
      p = kCyclicPlateau * c.Ac * pc - kCyclicSlope * pc * (y - kCyclicFirstBreak * yp) / y50;
    } else {
      p = kCyclicPlateau * c.Ac * pc - kCyclicResidualSlope * pc * yp / y50;
    }
  }
  return std::min(p, c.kz * y);
}

void Report_Zero_Cohesion(RunContext& run) {
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Write_Line("**** Input Data Error No. 14 ****");
    out->Empty_Lines(1);
    out->Write_Line("An error was detected in the input data used to compute p-y curves in ");
    out->Write_Line("stiff clay with free water.");
    out->Empty_Lines(1);
    out->Write_Line("Problem:  Zero was input for the cohesion of a stiff clay. ");
    out->Empty_Lines(1);
    out->Write_Line("Solution:  Check and compare the values of shear strength and revise the ");
    out->Write_Line("input so that the strength values are correct for the soil types specified.");
    out->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(14), 114);
}

// The node values printed in the report block.
struct FreeWaterPrint {
  int j = 0;
  int i = 0;
  double soil_depth = 0.0;
  double true_z = 0.0;
  double z = 0.0;
  double b = 0.0;
  double c = 0.0;
  double ca = 0.0;
  double gamma = 0.0;
  double k = 0.0;
  double eps50 = 0.0;
  double pct = 0.0;
  double pcd = 0.0;
  double pr = 0.0;
  double pm = 1.0;
  double ym = 1.0;
};

void Write_Free_Water_Curve(RunContext& run, const FreeWaterCurve& curve, const FreeWaterPrint& n) {
  const bool cyclic = curve.b_Cyclic;
  const std::string length = Unit_Length(run);
  const std::string force_per_length = Unit_Force_Per_Length(run, 1);

  Write_Py_Title(
      run, cyclic ? "p-y Curve Computed Using Cyclic Criteria for Stiff Clay with Free Water"
                  : "p-y Curve Computed Using Static Criteria for Stiff Clay with Free Water");
  Write_Py_Integer_Parameter(run, "Soil Layer Number", n.j);
  Write_Py_Depth_Parameter(run, "Depth below pile head", n.soil_depth);
  Write_Py_Depth_Parameter(run, "Depth below ground surface", n.true_z);
  Write_Py_Parameter(run, "Equivalent Depth", n.z, 3, length);
  Write_Py_Parameter(run, "Diameter", n.b, 3, length);
  Write_Py_Parameter(run, "c (at curve depth)", n.c, 3, Unit_Force_Per_Length(run, 2));
  Write_Py_Parameter(run, "Avergage c", n.ca, 3, Unit_Force_Per_Length(run, 2));
  Write_Py_Parameter(run, "Average Eff. Unit Weight", n.gamma, 5, Unit_Force_Per_Length(run, 3));
  Write_Py_Parameter(run, "k", n.k, 3, Unit_Force_Per_Length(run, 3));
  Write_Py_Parameter(run, "Epsilon50", n.eps50, 5);
  Write_Py_Parameter(run, "y50", curve.y50, 3, length);
  Write_Py_Parameter(run, "As", curve.As, 3);
  Write_Py_Parameter(run, cyclic ? "Ac" : "Ac (not used)", curve.Ac, 5);
  Write_Py_Parameter(run, "pct", n.pct, 3, force_per_length);
  Write_Py_Parameter(run, "pcd", n.pcd, 3, force_per_length);
  Write_Py_Parameter(run, "pc", curve.pc, 3, force_per_length);
  Write_Py_Parameter(run, "pu", n.pr, 3, force_per_length);
  Write_Py_Parameter(run, "p-multiplier", n.pm, 5);
  Write_Py_Parameter(run, "y-multiplier", n.ym, 5);
  if (cyclic)
    Write_Py_Parameter(run, "Number of Cycles of Loading", run.Problem.Options.NumCycles, 0);
  TextChannel& out = run.Report;
  out.Empty_Lines(1);
  out.Line().A("        y, ").A(length).A("             p,").A(force_per_length);
  out.End_Line();
  out.Write_Line("----------------    -----------------");

  Write_Py_Plot_Curve(run, run.Nodes.rd_NodeDepth[n.i], kNumPoints,
                      "Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on "
                      "curve no. ",
                      n.i);
  const double unit = cyclic ? kCyclicPeakRatio * curve.As * curve.y50 : curve.As * curve.y50;
  const double step = cyclic ? kCyclicStep : kStaticStep;
  const std::array<double, 4>& tail = cyclic ? kCyclicTail : kStaticTail;
  for (int k = 1; k <= kNumPoints; ++k) {
    const double ratio = k <= kEvenPoints ? (k - 1) * step : tail[k - kEvenPoints - 1];
    const double y = ratio * unit;
    const double p = Free_Water_P(curve, y);
    if (cyclic) {
      out.Line().F(n.ym * y, 15, 4).F(n.pm * p, 17, 3);
      out.End_Line();
      Write_Py_Plot_Point(run, n.ym * y, n.pm * p, k, "cyclic stiff clay w/water");
    } else {
      Write_Py_Table_Row(run, n.ym * y, n.pm * p);
      Write_Py_Plot_Point(run, n.ym * y, n.pm * p, k, "static stiff clay with free water");
    }
  }
}

}  // namespace

// PY_StiffClayFreeWater(j): stiff clay with free water for the nodes of layer j.
// Reads the layer's cohesion, unit weight, e50 and subgrade modulus (defaults by cohesion
// class in US customary and SI units; a bottom k <= 0 is replaced, in the layer record, by
// the top k), the node depths, widths, deflections and the p- and y-multipliers. Analysis
// mode: writes rd_NodeEs (force/length**2) and, with soil movement, rd_NodeLoad, and
// rd_LayerPuSum(j) (integral of the residual resistance) and, at the first node of a layer
// below the first, rd_LayerEqDepth(j). Output mode: prints and plots the curve at each
// user depth. Errors: input error 14 for zero cohesion below the layer's first node;
// runtime error 39 (239) when y50 is not positive or the modulus is not a number; the
// lookups' errors.
void PY_StiffClayFreeWater(RunContext& run, int j) {
  const int first = run.i_TopNodeInLayer[j];
  const int last = run.i_BottomNodeInLayer[j];
  if (first < 1 || last < first) return;
  ProblemData& problem = run.Problem;
  const bool output = run.b_PyOutputPass;
  const bool cyclic = problem.Options.Cyclic;
  const double theta = problem.SlopeMinusBatter;
  const SoilLayer& layer1 = problem.Layers[0];

  double pr_previous = 0.0;
  double x_first = 0.0;
  double x_previous = 0.0;
  double c_previous = 0.0;
  double c_sum = 0.0;  // running trapezoid of the cohesion over the layer (layers below 1)
  for (int i = first; i <= last; ++i) {
    // 1. Depths, multipliers, width and cohesion.
    const PyNodeDepths depths = Py_Node_Depths(run, i);
    const double x = depths.soil;
    const double pm = P_Multiplier_At_Depth(run, depths.axial);
    const double ym = Y_Multiplier_At_Depth(run, depths.axial);
    const double b = Pile_Properties_At_Depth(run, depths.axial).b;
    const double c = fn_c(run, x);
    if (run.Status.Has_Error()) return;
    if (i > first && c < kNoCohesion) {
      Report_Zero_Cohesion(run);
      return;
    }
    // 2. Strength warnings away from interfaces.
    if (!run.b_AtInterface) {
      if (problem.IUNITS == kUnitsUSCustomary) {
        if (c < kLowCohesionPsi) Record_Warning(run.Status, kLowCohesionWarningUS);
        if (c > kHighCohesionPsi) Record_Warning(run.Status, kHighCohesionWarningUS);
      }
      if (problem.IUNITS == kUnitsSI) {
        if (c < kLowCohesionKPa) Record_Warning(run.Status, kLowCohesionWarningSI);
        if (c > kHighCohesionKPa) Record_Warning(run.Status, kHighCohesionWarningSI);
      }
    }
    // 3. Average effective unit weight.
    const double gamma = Avg_Unit_Weight_To_Depth(run, x);
    if (run.Status.Has_Error()) return;
    // 4. Average cohesion: from the ground surface in layer 1, over the layer's nodes so far
    // below it.
    double ca = c;
    if (j == 1) {
      ca = Avg_Cohesion_To_Depth(run, x);
      if (run.Status.Has_Error()) return;
    } else if (i == first) {
      x_first = x;
      c_sum = 0.0;
    } else {
      c_sum += (x - x_previous) * 0.5 * (c_previous + c);
      ca = c_sum / (x - x_first);
    }
    x_previous = x;
    c_previous = c;
    // 5. Subgrade modulus and 6. e50, with their defaults by cohesion class.
    const int cls = Stiff_Clay_Cohesion_Class(problem.IUNITS, c, kClassLimits);
    const double k = Stiff_Clay_Layer_k(problem, j, x, cls);
    double eps50 = Epsilon50_At_Depth(run, x);
    if (eps50 <= 0.0 && cls >= 0) eps50 = Stiff_Clay_Default_Epsilon50(cls);
    run.CurrentSoil.b = b;
    run.CurrentSoil.c = c;
    run.CurrentSoil.ca = ca;
    run.CurrentSoil.Gamma = gamma;
    // 6. Layering correction.
    const double z = Layered_Curve_Depth(run, j, i, x, depths.z);
    // 7.-9. Factors, ultimate and residual resistance.
    FreeWaterCurve curve;
    curve.b_Cyclic = cyclic;
    const double r = z / b;
    curve.As = Stiff_Clay_As(r);
    curve.Ac = Stiff_Clay_Ac(r);
    double pct = (gamma * b + kWedgeCohesionFactor * ca) * z + kWedgeSurfaceFactor * ca * b;
    if (std::fabs(theta) > kSlopeThreshold) {
      // A deflection below the threshold, zero included, counts as negative.
      const double yi = run.Nodes.rd_Y[i];
      const double sign = yi > kSlopeThreshold ? 1.0 : (yi < kSlopeThreshold ? -1.0 : 0.0);
      pct *= Slope_Factor(sign, theta);
    }
    const double pcd = kFlowFactor * c * b;
    curve.pc = std::min(pct, pcd);
    curve.y50 = eps50 * b;
    curve.kz = k * z;
    const double v = cyclic ? kCyclicPlateau * curve.Ac - kCyclicResidualAs * curve.As
                            : kStaticHalf * std::sqrt(kStaticSecondBreak * curve.As) -
                                  kStaticOffset - kStaticResidualAs * curve.As;
    const double pr = v * curve.pc;

    // 10. Accumulated residual resistance for the layering correction of the layers below.
    Accumulate_Layer_Resistance(run, j, i, pr_previous, pr);
    if (Layer_1_Above_Pile_Head(run, j)) {
      run.rd_LayerPuSum[1] = (layer1.XLayerBottom - layer1.XLayerTop) * 0.5 *
                             (kWedgeSurfaceFactor * ca * b + curve.pc);
    }
    pr_previous = pr;

    // Without a positive y50 (e50 left at zero in general units) the curve is undefined;
    // without a positive k (k left at zero in general units, which have no default) the
    // initial line k z y would take away the whole resistance of the layer.
    if (!(curve.y50 > 0.0) || !(k > 0.0)) {
      Report_Modulus_Not_A_Number(run, kUndefinedModulusError, kCriterionName, i);
      return;
    }

    if (output) {
      FreeWaterPrint print;
      print.j = j;
      print.i = i;
      print.soil_depth = x;
      print.true_z = depths.z;
      print.z = z;
      print.b = b;
      print.c = c;
      print.ca = ca;
      print.gamma = gamma;
      print.k = k;
      print.eps50 = eps50;
      print.pct = pct;
      print.pcd = pcd;
      print.pr = pr;
      print.pm = pm;
      print.ym = ym;
      Write_Free_Water_Curve(run, curve, print);
      continue;
    }

    // 14. Soil modulus at the node's deflection.
    const double y = Relative_Deflection(run, i, ym);
    double& es = run.Nodes.rd_NodeEs[i];
    es = y >= kZeroDeflection ? Secant_Modulus(Free_Water_P(curve, y), y, pm, ym) : curve.kz;
    if (std::isnan(es)) {
      Report_Modulus_Not_A_Number(run, kUndefinedModulusError, kCriterionName, i);
      return;
    }
    Apply_Soil_Movement_Load(run, i);
  }
}

}  // namespace tavik
