// Stiff clay without free water: p-y curves by Welch and Reese (1972), a quarter-power
// curve p = 0.5 pu (y/y50)^0.25 reaching pu at 16 y50, stretched under cyclic loading by the
// number of cycles: PY_StiffClayNoFreeWater. PY_StiffClayNoFreeWaterK (2004) is the same
// criterion whose quarter-power part is capped by an initial straight line of slope k z.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "profile/pile_discretisation.h"
#include "profile/soil_lookup.h"
#include "pycurves/criterion_factors.h"
#include "pycurves/py_framework.h"

namespace tavik {

namespace {

// The two routines differ only in these.
struct NoFreeWaterVariant {
  bool b_InitialK;  // curve capped by k z; k printed; NumCycles 0 becomes 1 (else max(1, N))
  int LowWarningUS;
  int HighWarningUS;
  int LowWarningSI;
  int HighWarningSI;
  std::string_view NotANumberName;  // text after "computed in "
  std::string_view PlotCurveLabel;
  std::string_view PlotPointName;
};

constexpr NoFreeWaterVariant kNoFreeWater = {
    false,
    -3061,
    -3062,
    -3063,
    -3064,
    "stiff clay without free water",
    "Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. ",
    "stiff clay w/o water",
};

constexpr NoFreeWaterVariant kNoFreeWaterK = {
    true,
    -3261,
    -3262,
    -3263,
    -3264,
    "stiff clay without free water using k",
    "Line 7:  p-y curve depth in stiff clay w/o free water with k, no. p-y points on curve no. ",
    "stiff clay with k",
};

constexpr double kNoCohesion = 1.0e-10;
constexpr double kSlopeThreshold = 1.0e-20;
constexpr double kZeroDeflection = 1.0e-14;        // with k: below it the node gets k z
constexpr double kSmallDeflectionWidth = 0.00002;  // without k: y0 = 0.00002 b

// Ultimate resistance: wedge (g' b + 0.5 c) z + 3 b c, flow 9 b c.
constexpr double kWedgeDepthFactor = 0.5;
constexpr double kWedgeSurfaceFactor = 3.0;
constexpr double kFlowFactor = 9.0;

// Curve: y50 = 2.5 e50 b; 0.5 pu (y/y50)^0.25 up to pu at 16 y50; cyclic stretch of y50 by
// 1 + 0.6 log10 N (pu reached at (16 + 9.6 log10 N) y50).
constexpr double kY50Factor = 2.5;
constexpr double kHalf = 0.5;
constexpr double kQuarter = 0.25;
constexpr double kLimitPower = 0.75;
constexpr double kUltimateRatio = 16.0;
constexpr double kCyclicStretch = 0.6;
constexpr double kCyclicUltimateStretch = 9.6;
constexpr double kCyclicLastPoint = 1.25;
constexpr double kStaticLastPoint = 16.8;

// Strength warnings: below 500 psf and above 8000 psf.
constexpr double kLowCohesionPsi = 3.4722223;
constexpr double kHighCohesionPsi = 55.555557;
constexpr double kLowCohesionKPa = 23.94;
constexpr double kHighCohesionKPa = 383.04;

// Default e50 and k by cohesion class (1000, 2000 and 4000 psf; a value on a limit belongs to
// the higher class).
constexpr CohesionClassLimits kClassLimits = {{6.94, 13.88, 27.78}, {47.8927, 95.7854, 191.5708}};

// A curve without a positive y50 (general units with e50 left at zero) is undefined.
constexpr int kUndefinedModulusError = 39;

// The printed curve: 0, then these multiples of 16 y50, then (16 y50 + yl)/2 and yl.
constexpr std::array<double, 14> kOutputFractions = {
    0.00001, 0.00005, 0.0001, 0.0005, 0.001, 0.005, 0.01, 0.025, 0.05, 0.075, 0.1, 0.25, 0.5, 1.0};
constexpr int kNumPoints = 17;

// The curve of one node: everything p(y) needs.
struct NoFreeWaterCurve {
  bool b_Cyclic = false;
  bool b_InitialK = false;
  double y50 = 0.0;
  double pu = 0.0;
  double kz = 0.0;         // initial slope (variant with k)
  double CyclicY50 = 0.0;  // (1 + 0.6 log10 N) y50
};

// p(y) for y >= 0: the one evaluation shared by the analysis and the printed curve.
double No_Free_Water_P(const NoFreeWaterCurve& c, double y) {
  if (!c.b_Cyclic) {
    if (y > kUltimateRatio * c.y50) return c.pu;
    const double p = kHalf * c.pu * std::pow(y / c.y50, kQuarter);
    return c.b_InitialK ? std::min(p, c.kz * y) : p;
  }
  double p = kHalf * c.pu * std::pow(y / c.CyclicY50, kQuarter);
  if (c.b_InitialK) p = std::min(p, c.kz * y);
  return std::min(p, c.pu);
}

void Report_Zero_Cohesion(RunContext& run) {
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Write_Line("**** Input Data Error No. 13 ****");
    out->Empty_Lines(1);
    out->Write_Line("An error was detected in the input data.");
    out->Write_Line("Problem:  Zero was input for cohesion of stiff clay without free water.");
    out->Empty_Lines(1);
    out->Write_Line(
        "Solution:  Please check the values of soil shear strength and revise the input data.");
    out->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(13), 113);
}

// The node values printed in the report block.
struct NoFreeWaterPrint {
  int j = 0;
  int i = 0;
  double soil_depth = 0.0;
  double true_z = 0.0;
  double z = 0.0;
  double b = 0.0;
  double c = 0.0;
  double gamma = 0.0;
  double k = 0.0;
  double eps50 = 0.0;
  double pct = 0.0;
  double pcd = 0.0;
  double yl = 0.0;  // last printed deflection
  double pm = 1.0;
  double ym = 1.0;
};

void Write_No_Free_Water_Curve(RunContext& run, const NoFreeWaterVariant& v,
                               const NoFreeWaterCurve& curve, const NoFreeWaterPrint& n) {
  const ProblemData& problem = run.Problem;
  const bool cyclic = curve.b_Cyclic;
  const std::string length = Unit_Length(run);
  const std::string force_per_length = Unit_Force_Per_Length(run, 1);
  constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

  Write_Py_Title(
      run, cyclic ? "p-y Curve Computed Using Cyclic Criteria for Stiff Clay without Free Water"
                  : "p-y Curve Computed Using Static Criteria for Stiff Clay without Free Water");
  if (v.b_InitialK) run.Report.Write_Line("with Option of Defining Initial k");
  Write_Py_Integer_Parameter(run, "Soil Layer Number", n.j);
  Write_Py_Depth_Parameter(run, "Depth below pile head", n.soil_depth);
  Write_Py_Depth_Parameter(run, "Depth below ground surface", n.true_z);
  if (!v.b_InitialK) {
    Write_Py_Parameter(run, "Ground Slope Angle", problem.GroundSlopeAngle * kDegreesPerRadian, 3,
                       "degrees");
    Write_Py_Parameter(run, "Pile Batter Angle", problem.PileBatterAngle * kDegreesPerRadian, 3,
                       "degrees");
    Write_Py_Parameter(run, "Effective Slope", problem.SlopeMinusBatter * kDegreesPerRadian, 3,
                       "degrees");
  }
  Write_Py_Parameter(run, "Equivalent Depth", n.z, 3, length);
  Write_Py_Parameter(run, "Diameter", n.b, 3, length);
  Write_Py_Parameter(run, "Undrained cohesion, c", n.c, 5, Unit_Force_Per_Length(run, 2));
  Write_Py_Parameter(run, "Average Eff. Unit Weight", n.gamma, 5, Unit_Force_Per_Length(run, 3));
  if (v.b_InitialK) Write_Py_Parameter(run, "k", n.k, 0, Unit_Force_Per_Length(run, 3));
  Write_Py_Parameter(run, "Epsilon-50", n.eps50, 5);
  Write_Py_Parameter(run, "Pct", n.pct, 3, force_per_length);
  Write_Py_Parameter(run, "Pcd", n.pcd, 3, force_per_length);
  Write_Py_Parameter(run, "Pu", curve.pu, 3, force_per_length);
  Write_Py_Parameter(run, "y50", curve.y50, 3, length);
  Write_Py_Parameter(run, "p-multiplier", n.pm, 5);
  Write_Py_Parameter(run, "y-multiplier", n.ym, 5);
  TextChannel& out = run.Report;
  if (cyclic) {
    if (v.b_InitialK) {
      Write_Py_Parameter(run, "Number of Cycles of Loading", problem.Options.NumCycles, 0);
      out.Empty_Lines(1);
    } else {
      Write_Py_Parameter(run, "Number of cycles of loading ", problem.Options.NumCycles, 0);
    }
  }
  out.Line().A("        y, ").A(length).A("            p, ").A(force_per_length);
  out.End_Line();
  out.Write_Line("----------------    -----------------");

  Write_Py_Plot_Curve(run, run.Nodes.rd_NodeDepth[n.i], kNumPoints, v.PlotCurveLabel, n.i);
  const double y16 = kUltimateRatio * curve.y50;
  for (int k = 1; k <= kNumPoints; ++k) {
    double y = 0.0;
    if (k >= 2 && k <= 15) y = y16 * kOutputFractions[k - 2];
    if (k == 16) y = (y16 + n.yl) / 2.0;
    if (k == 17) y = n.yl;
    const double p = No_Free_Water_P(curve, y);
    Write_Py_Table_Row(run, n.ym * y, n.pm * p);
    Write_Py_Plot_Point(run, n.ym * y, n.pm * p, k, v.PlotPointName);
  }
}

// The criterion over the nodes first .. last of layer j, in analysis or output mode.
void No_Free_Water_Layer(RunContext& run, int j, const NoFreeWaterVariant& v) {
  ProblemData& problem = run.Problem;
  // On entry: the number of cycles the curve uses, kept for the rest of the run.
  double& cycles = problem.Options.NumCycles;
  if (v.b_InitialK) {
    if (cycles == 0.0) cycles = 1.0;
  } else {
    cycles = std::max(1.0, cycles);
  }
  const int first = run.i_TopNodeInLayer[j];
  const int last = run.i_BottomNodeInLayer[j];
  if (first < 1 || last < first) return;
  const bool output = run.b_PyOutputPass;
  const bool cyclic = problem.Options.Cyclic;
  const double theta = problem.SlopeMinusBatter;
  const SoilLayer& layer1 = problem.Layers[0];
  const double log_cycles = std::log10(cycles);

  double pu_previous = 0.0;
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
        if (c < kLowCohesionPsi) Record_Warning(run.Status, v.LowWarningUS);
        if (c > kHighCohesionPsi) Record_Warning(run.Status, v.HighWarningUS);
      }
      if (problem.IUNITS == kUnitsSI) {
        if (c < kLowCohesionKPa) Record_Warning(run.Status, v.LowWarningSI);
        if (c > kHighCohesionKPa) Record_Warning(run.Status, v.HighWarningSI);
      }
    }
    // 3. Average cohesion: the layering correction reads c at the layer's first node; the
    // average from the ground surface serves the layer sum when the ground is above the head.
    if (i == first) run.CurrentSoil.ca = c;
    const double ca1 = Avg_Cohesion_To_Depth(run, x);
    if (run.Status.Has_Error()) return;
    // 4. Average effective unit weight.
    const double gamma = Avg_Unit_Weight_To_Depth(run, x);
    if (run.Status.Has_Error()) return;
    // 5. e50 with its default by cohesion class.
    const int cls = Stiff_Clay_Cohesion_Class(problem.IUNITS, c, kClassLimits);
    double eps50 = Epsilon50_At_Depth(run, x);
    if (eps50 <= 0.0 && cls >= 0) eps50 = Stiff_Clay_Default_Epsilon50(cls);
    run.CurrentSoil.b = b;
    run.CurrentSoil.c = c;
    run.CurrentSoil.Gamma = gamma;
    // 6. Layering correction.
    const double z = Layered_Curve_Depth(run, j, i, x, depths.z);
    // 7. Initial slope (variant with k).
    NoFreeWaterCurve curve;
    curve.b_Cyclic = cyclic;
    curve.b_InitialK = v.b_InitialK;
    // The default k only for a top value of exactly 0: a negative one is kept (and stops
    // the run below, as a k that is not positive).
    const double k = v.b_InitialK ? Stiff_Clay_Layer_k(problem, j, x, cls, true) : 0.0;
    curve.kz = k * z;
    // 8. Ultimate resistance and the accumulated resistance of the layer.
    double pct = (gamma * b + kWedgeDepthFactor * c) * z + kWedgeSurfaceFactor * b * c;
    if (std::fabs(theta) > kSlopeThreshold) {
      // A deflection below the threshold, zero included, counts as negative.
      const double yi = run.Nodes.rd_Y[i];
      const double sign = yi > kSlopeThreshold ? 1.0 : (yi < kSlopeThreshold ? -1.0 : 0.0);
      pct *= Slope_Factor(sign, theta);
    }
    const double pcd = kFlowFactor * b * c;
    curve.pu = std::min(pct, pcd);
    Accumulate_Layer_Resistance(run, j, i, pu_previous, curve.pu);
    if (Layer_1_Above_Pile_Head(run, j)) {
      run.rd_LayerPuSum[1] = (kWedgeSurfaceFactor * ca1 * b + curve.pu) * 0.5 *
                             (layer1.XLayerBottom - layer1.XLayerTop);
    }
    pu_previous = curve.pu;
    // 9. Deflections of the curve.
    curve.y50 = kY50Factor * eps50 * b;
    curve.CyclicY50 = (1.0 + kCyclicStretch * log_cycles) * curve.y50;
    // Cyclic: yl = 1.25 yc with yc = (16 + 9.6 log10 N) y50, in this order.
    const double yc = (kUltimateRatio + kCyclicUltimateStretch * log_cycles) * curve.y50;
    const double yl = cyclic ? kCyclicLastPoint * yc : kStaticLastPoint * curve.y50;

    // Without a positive y50 (e50 left at zero in general units) the curve is undefined;
    // with k, a k that is not positive (left at zero in general units, which have no
    // default) would take away the whole resistance of the layer.
    if (!(curve.y50 > 0.0) || (v.b_InitialK && !(k > 0.0))) {
      Report_Modulus_Not_A_Number(run, kUndefinedModulusError, v.NotANumberName, i);
      return;
    }

    if (output) {
      NoFreeWaterPrint print;
      print.j = j;
      print.i = i;
      print.soil_depth = x;
      print.true_z = depths.z;
      print.z = z;
      print.b = b;
      print.c = c;
      print.gamma = gamma;
      print.k = k;
      print.eps50 = eps50;
      print.pct = pct;
      print.pcd = pcd;
      print.yl = yl;
      print.pm = pm;
      print.ym = ym;
      Write_No_Free_Water_Curve(run, v, curve, print);
      continue;
    }

    // 11. Soil modulus at the node's deflection.
    const double y = Relative_Deflection(run, i, ym);
    double& es = run.Nodes.rd_NodeEs[i];
    if (v.b_InitialK) {
      es = y >= kZeroDeflection ? Secant_Modulus(No_Free_Water_P(curve, y), y, pm, ym) : curve.kz;
    } else {
      // The secant modulus of the static curve at y0 = 0.00002 b.
      const double y0 = kSmallDeflectionWidth * b;
      es = y >= y0 ? Secant_Modulus(No_Free_Water_P(curve, y), y, pm, ym)
                   : kHalf * curve.pu * std::pow(curve.y50 / y0, kLimitPower) / curve.y50;
    }
    if (std::isnan(es)) {
      Report_Modulus_Not_A_Number(run, kUndefinedModulusError, v.NotANumberName, i);
      return;
    }
    Apply_Soil_Movement_Load(run, i);
  }
}

}  // namespace

// PY_StiffClayNoFreeWater(j): stiff clay without free water for the nodes of layer j.
// On entry NumCycles = max(1, NumCycles), kept for the run. Reads the layer's cohesion, unit
// weight and e50 (default by cohesion class in US customary and SI units), the node depths,
// widths, deflections and the p- and y-multipliers. Analysis mode: writes rd_NodeEs
// (force/length**2; below y0 = 0.00002 b the secant modulus of the static curve at y0) and,
// with soil movement, rd_NodeLoad, rd_LayerPuSum(j) and, at the first node of a layer below
// the first, rd_LayerEqDepth(j). Output mode: prints and plots the curve at each user depth.
// Errors: input error 13 for zero cohesion below the layer's first node; runtime error 39
// (239) when y50 is not positive or the modulus is not a number; the lookups' errors.
void PY_StiffClayNoFreeWater(RunContext& run, int j) {
  No_Free_Water_Layer(run, j, kNoFreeWater);
}

// PY_StiffClayNoFreeWaterK(j): the same criterion with the initial straight line k z (the
// layer's subgrade modulus, or the default by cohesion class and loading; a bottom value
// <= 0 is replaced in the layer record by the top value). On entry NumCycles 0 becomes 1.
// Below a deflection of 1.0E-14 the node modulus is k z.
void PY_StiffClayNoFreeWaterK(RunContext& run, int j) {
  No_Free_Water_Layer(run, j, kNoFreeWaterK);
}

}  // namespace tavik
