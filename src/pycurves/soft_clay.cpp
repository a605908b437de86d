// Soft clay p-y curves by Matlock (1970): PY_SoftClay (J = 0.5) and PY_SoftClayJ (the
// layer's J). Static curve 0.5 pu (y/y50)^(1/3) up to pu at 8 y50; cyclic curve with a
// plateau of 0.72 pu beyond 3 y50, falling to z/Xr of it at 15 y50 above the transition
// depth Xr.
#include <algorithm>
#include <array>
#include <cmath>

#include "profile/pile_discretisation.h"
#include "profile/soil_lookup.h"
#include "pycurves/py_framework.h"

namespace tavik {

namespace {

// The two routines differ only in these.
struct SoftClayVariant {
  bool b_LayerJ;                         // J from the layer (else 0.5)
  int UnitsErrorNumber;                  // no default e50 in general units (37 / 38)
  int CohesionError;                     // input error 12 / 71
  int LimitNotANumberError;              // runtime error 33 / 35
  int ModulusNotANumberError;            // runtime error 34 / 36
  std::string_view NotANumberName;       // text after "computed in "
  std::string_view CohesionProblemLine;  // "Problem:  ..." of the cohesion error
  std::string_view StaticTitle;
  std::string_view CyclicTitle;
  std::string_view JLabel;
  std::string_view PlotCurveLabel;
  std::string_view LimitNoteEnd;
};

constexpr SoftClayVariant kSoftClay = {
    false,
    237,
    12,
    33,
    34,
    "soft clay",
    "Problem:  A negative or zero value of cohesion was input for a soft clay soil.",
    "p-y Curve Computed Using the Soft Clay Criteria for Static Loading Conditions",
    "p-y Curve Computed Using the Soft Clay Criteria for Cyclic Loading Conditions",
    "J",
    "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. ",
    ") when computing the p-y curve for soft clay.",
};

constexpr SoftClayVariant kSoftClayJ = {
    true,
    238,
    71,
    35,
    36,
    "API soft clay",
    "Problem:  A negative or zero value of cohesion was input for a soft clay soil with J.",
    "p-y Curve Computed Using the Soft Clay Criteria with J for Static Loading Conditions",
    "p-y Curve Computed Using the Soft Clay Criteria with J for Cyclic Loading Conditions",
    "J parameter",
    "Line 7:  p-y curve depth in soft clay with J, no. points on p-y curve no. ",
    ") when computing the p-y curve for soft clay with J.",
};

constexpr double kMatlockJ = 0.5;
constexpr double kNoCohesion = 1.0e-10;
constexpr double kSmallDeflectionRatio = 0.00001;      // of y50: below it the limiting modulus
constexpr double kLimitingModulusFactor = 0.01077217;  // 0.5 * (0.00001)^(1/3)
constexpr double kLimitingModulusDeflection = 0.00003;
constexpr double kCyclicPlateauFactor = 0.72112477;  // 0.5 * 3^(1/3)
constexpr double kMaxBearingFactor = 9.0;
constexpr double kSlopeThreshold = 1.0e-20;
constexpr int kCyclicCycles = 2;  // NumCycles from which the cyclic title and lines print

// Strength warnings: above 1250 psf.
constexpr double kHighCohesionPsi = 8.68055534;
constexpr double kHighCohesionKPa = 59.850323;
constexpr int kHighCohesionWarningUS = -3041;
constexpr int kHighCohesionWarningSI = -3042;

// Default e50 classes: limits 500, 1000 and 4000 psf as single-precision values.
constexpr std::array<double, 3> kEpsilonLimitsPsi = {3.4722223, 6.9444447, 27.777779};
constexpr std::array<double, 3> kEpsilonLimitsKPa = {23.940128, 47.880257, 191.52103};
constexpr std::array<double, 4> kDefaultEpsilon50 = {0.02, 0.01, 0.005, 0.004};

// The printed curve: deflections as multiples of y50.
constexpr std::array<double, 17> kOutputRatios = {
    0.0, 0.008, 0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 1.75, 2.0, 2.25, 2.5, 2.75, 3.0, 8.0, 8.2, 8.4};

constexpr double kPsfPerPsi = 144.0;
constexpr double kPcfPerPci = 1728.0;

// The curve of one node: everything p(y) needs.
struct SoftClayCurve {
  bool b_Cyclic = false;
  double y50 = 0.0;
  double pu = 0.0;
  double EsLim = 0.0;  // limiting modulus at small deflections
  double pc = 0.0;     // cyclic plateau
  double pr = 0.0;     // cyclic residual above Xr
  double z = 0.0;      // depth used by the curve (equivalent depth)
  double Xr = 0.0;     // transition depth
};

// p(y) for y >= 0: the one evaluation shared by the analysis and the printed curve.
double Soft_Clay_P(const SoftClayCurve& curve, double y) {
  const double y50 = curve.y50;
  if (y < kSmallDeflectionRatio * y50) return curve.EsLim * y;
  const double upper = 0.5 * curve.pu * std::cbrt(y / y50);
  if (y <= 3.0 * y50) return upper;
  if (!curve.b_Cyclic) return y <= 8.0 * y50 ? upper : curve.pu;
  if (curve.z >= curve.Xr) return curve.pc;
  if (y <= 15.0 * y50) return curve.pc + (curve.pr - curve.pc) * (y - 3.0 * y50) / (12.0 * y50);
  return curve.pr;
}

// Default e50 by cohesion class; false in general units (no default there).
bool Default_Epsilon50(int iunits, double c, double* eps50) {
  const std::array<double, 3>* limits = nullptr;
  if (iunits == kUnitsUSCustomary) limits = &kEpsilonLimitsPsi;
  if (iunits == kUnitsSI) limits = &kEpsilonLimitsKPa;
  if (limits == nullptr) return false;
  int cls = 0;
  while (cls < 3 && c >= (*limits)[cls]) ++cls;
  *eps50 = kDefaultEpsilon50[cls];
  return true;
}

void Report_Zero_Cohesion(RunContext& run, const SoftClayVariant& v, int j, int i, double x,
                          double c) {
  const int first = run.i_TopNodeInLayer[j];
  const int last = run.i_BottomNodeInLayer[j];
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Line().A("**** Input Data Error No. ").I(v.CohesionError, 0).A(" ****");
    out->End_Line();
    out->Empty_Lines(1);
    out->Write_Line(
        "An error was detected that is related to an incompatibility between the input ");
    out->Write_Line("data defining soil layering and soil shear strength values when computing a ");
    out->Write_Line("p-y curve using the Matlock soft clay criteria.");
    out->Empty_Lines(1);
    out->Write_Line(v.CohesionProblemLine);
    out->Empty_Lines(1);
    out->Write_Line("Solution:  Please compare the depth values for soil layering and soil shear ");
    out->Write_Line("strength values and revise the input data.");
    out->Empty_Lines(1);
    out->Line()
        .A("Layer no. = ")
        .I(j, 0)
        .A(", Node no. = ")
        .I(i, 0)
        .A(", Top node in layer = ")
        .I(first, 0)
        .A(", Elevation = ")
        .F(x, 10, 3)
        .A(", c(x) = ")
        .F(c, 10, 3);
    if (out == &run.Report) {
      out->Line().A(", Pile length = ").F(run.Nodes.rd_PileLength, 10, 3);
      out->End_Line();
      out->Line().A(", ITOP = ").I(first, 0).A(", IBOT = ").I(last, 0);
    }
    out->End_Line();
  }
  Terminate_With_Error(run, Input_Error_Code(v.CohesionError), 100 + v.CohesionError);
}

// The node values printed in the report block.
struct SoftClayPrint {
  int j = 0;
  int i = 0;
  double soil_depth = 0.0;
  double true_z = 0.0;
  double b = 0.0;
  double c = 0.0;
  double gamma = 0.0;
  double eps50 = 0.0;
  double J = 0.0;
  double pm = 1.0;
  double ym = 1.0;
};

void Write_Soft_Clay_Curve(RunContext& run, const SoftClayVariant& v, const SoftClayCurve& curve,
                           const SoftClayPrint& n) {
  const bool us_feet = v.b_LayerJ && run.Problem.IUNITS == kUnitsUSCustomary;
  const bool cyclic_lines = run.Problem.Options.NumCycles >= kCyclicCycles;
  const std::string length = Unit_Length(run);
  const std::string force_per_length = Unit_Force_Per_Length(run, 1);

  Write_Py_Title(run, cyclic_lines ? v.CyclicTitle : v.StaticTitle);
  Write_Py_Common_Lines(run, n.j, n.soil_depth, n.true_z);
  if (us_feet) {
    Write_Py_Depth_Parameter(run, "Equivalent Depth", curve.z);
  } else {
    Write_Py_Parameter(run, "Equivalent Depth", curve.z, 3, length);
  }
  Write_Py_Parameter(run, "Pile Diameter", n.b, 3, length);
  if (us_feet) {
    Write_Py_Parameter(run, "Cohesion, c", n.c * kPsfPerPsi, 3, Unit_Force_Per_Foot(run, 2));
    Write_Py_Parameter(run, "Avg Eff Unit Weight", n.gamma * kPcfPerPci, 5,
                       Unit_Force_Per_Foot(run, 3));
  } else {
    Write_Py_Parameter(run, "Cohesion, c", n.c, 3, Unit_Force_Per_Length(run, 2));
    Write_Py_Parameter(run, "Avg Eff Unit Weight", n.gamma, 5, Unit_Force_Per_Length(run, 3));
  }
  Write_Py_Parameter(run, "Epsilon50 parameter", n.eps50, 5);
  Write_Py_Parameter(run, v.JLabel, n.J, 3);
  Write_Py_Parameter(run, "Transition Depth Xr", curve.Xr, 3, length);
  const double pu_shallow = (n.J * curve.z / n.b + 3.0 + n.gamma * curve.z / n.c) * n.b * n.c;
  Write_Py_Parameter(run, "pu_s", pu_shallow, 3, force_per_length);
  Write_Py_Parameter(run, "pu_d", kMaxBearingFactor * n.c * n.b, 3, force_per_length);
  Write_Py_Parameter(run, "Y50", curve.y50, 5, length);
  Write_Py_Parameter(run, "p-multiplier", n.pm, 5);
  Write_Py_Parameter(run, "y-multiplier", n.ym, 5);
  if (cyclic_lines) {
    run.Report.Line().A("Number of cycles of loading = ").F(run.Problem.Options.NumCycles, 12, 0);
    run.Report.End_Line();
    run.Report.Line().A("Xr                          = ").F(curve.Xr, 12, 3).A(" ").A(length);
    run.Report.End_Line();
  }
  Write_Py_Table_Head(run);

  const int num_points = static_cast<int>(kOutputRatios.size());
  Write_Py_Plot_Curve(run, run.Nodes.rd_NodeDepth[n.i], num_points, v.PlotCurveLabel, n.i);
  for (int k = 1; k <= num_points; ++k) {
    const double y = kOutputRatios[k - 1] * curve.y50;
    const double p = Soft_Clay_P(curve, y);
    Write_Py_Table_Row(run, n.ym * y, n.pm * p);
    Write_Py_Plot_Point(run, n.ym * y, n.pm * p, k, "soft clay");
    if (k > 1 && y < kSmallDeflectionRatio * curve.y50) {
      TextChannel& out = run.Report;
      out.Empty_Lines(1);
      out.Write_Line("**** Warning ****");
      out.Empty_Lines(1);
      out.Write_Line("The pile deflection is less than 0.00001*Y50.");
      out.Line()
          .A("Tavik used the limiting value of soil modulus (= ")
          .ES(curve.EsLim, 12, 4)
          .A(" ")
          .A(Unit_Force_Per_Length(run, 2));
      out.End_Line();
      out.Write_Line(v.LimitNoteEnd);
    }
  }
}

// The criterion over the nodes first .. last of layer j, in analysis or output mode.
void Soft_Clay_Layer(RunContext& run, int j, const SoftClayVariant& v) {
  const int first = run.i_TopNodeInLayer[j];
  const int last = run.i_BottomNodeInLayer[j];
  if (first < 1 || last < first) return;
  const ProblemData& problem = run.Problem;
  const bool output = run.b_PyOutputPass;
  const bool cyclic = problem.Options.Cyclic;
  const double theta = problem.SlopeMinusBatter;
  const double h = run.Nodes.rd_Increment;
  const SoilLayer& layer1 = problem.Layers[0];

  double pu_previous = 0.0;
  double pc_previous = 0.0;
  double pr_previous = 0.0;
  for (int i = first; i <= last; ++i) {
    // 1. Depths and properties.
    const PyNodeDepths depths = Py_Node_Depths(run, i);
    const double x = depths.soil;
    const double b = Pile_Properties_At_Depth(run, depths.axial).b;
    const double c = fn_c(run, x);
    if (run.Status.Has_Error()) return;
    const double gamma = Avg_Unit_Weight_To_Depth(run, x);
    if (run.Status.Has_Error()) return;
    const double J = v.b_LayerJ ? J_At_Depth(run, x) : kMatlockJ;
    double eps50 = Epsilon50_At_Depth(run, x);
    const double pm = P_Multiplier_At_Depth(run, depths.axial);
    const double ym = Y_Multiplier_At_Depth(run, depths.axial);
    run.CurrentSoil.b = b;
    run.CurrentSoil.c = c;
    run.CurrentSoil.ca = c;
    run.CurrentSoil.Gamma = gamma;
    run.CurrentSoil.J = J;

    // 2. Strength warnings away from interfaces.
    if (!run.b_AtInterface) {
      if (problem.IUNITS == kUnitsUSCustomary && c > kHighCohesionPsi) {
        Record_Warning(run.Status, kHighCohesionWarningUS);
      }
      if (problem.IUNITS == kUnitsSI && c > kHighCohesionKPa) {
        Record_Warning(run.Status, kHighCohesionWarningSI);
      }
    }
    // 3. Default e50 (none in general units).
    if (eps50 <= 0.0 && !Default_Epsilon50(problem.IUNITS, c, &eps50)) {
      Store_Error_Number(run.Status, v.UnitsErrorNumber);
      return;
    }
    SoftClayCurve curve;
    curve.b_Cyclic = cyclic;
    curve.y50 = 2.5 * eps50 * b;
    // 5. Zero cohesion below the layer's first node.
    if (i > first && c < kNoCohesion) {
      Report_Zero_Cohesion(run, v, j, i, depths.axial, c);
      return;
    }
    // 6. Layering correction.
    const double z = Layered_Curve_Depth(run, j, i, x, depths.z);
    curve.z = z;
    // 7.-9. Transition depth, ultimate resistance and the derived values.
    curve.Xr = std::max(2.5 * b, 6.0 * b * c / (gamma * b + J * c));
    double np = 3.0 + gamma * z / c + J * z / b;
    if (std::fabs(theta) > kSlopeThreshold) np *= Slope_Factor(run.Nodes.rd_Y[i], theta);
    // A node without cohesion (allowed at the layer's first node) has no resistance.
    curve.pu = (np < kMaxBearingFactor ? np : kMaxBearingFactor) * c * b;
    curve.EsLim = kLimitingModulusFactor * curve.pu / (kLimitingModulusDeflection * curve.y50);
    curve.pc = kCyclicPlateauFactor * curve.pu;
    curve.pr = z * curve.pc / curve.Xr;

    // 10. Accumulated resistance for the layering correction of the layers below.
    double& sum = run.rd_LayerPuSum[j];
    if (i == first && !output) sum = 0.0;
    if (i > first) {
      if (cyclic) {
        sum += (pc_previous + curve.pc) * h / 2.0;
        if (z < curve.Xr) sum += (pr_previous + curve.pr) * h / 2.0;
      } else {
        sum += (pu_previous + curve.pu) * h / 2.0;
      }
    }
    if (i == last) sum += curve.pu * h;
    if (Layer_1_Above_Pile_Head(run, j)) {
      sum = (3.0 * b * c + curve.pu) * 0.5 * (layer1.XLayerBottom - layer1.XLayerTop);
    }
    pu_previous = curve.pu;
    pc_previous = curve.pc;
    pr_previous = curve.pr;

    if (output) {
      SoftClayPrint print;
      print.j = j;
      print.i = i;
      print.soil_depth = x;
      print.true_z = depths.z;
      print.b = b;
      print.c = c;
      print.gamma = gamma;
      print.eps50 = eps50;
      print.J = J;
      print.pm = pm;
      print.ym = ym;
      Write_Soft_Clay_Curve(run, v, curve, print);
      continue;
    }

    // 12. Soil modulus at the node's deflection.
    const double y = Relative_Deflection(run, i, ym);
    double& es = run.Nodes.rd_NodeEs[i];
    if (y < kSmallDeflectionRatio * curve.y50) {
      es = curve.EsLim;
      if (std::isnan(es)) {
        Report_Modulus_Not_A_Number(run, v.LimitNotANumberError, v.NotANumberName, i);
        return;
      }
    } else {
      es = Secant_Modulus(Soft_Clay_P(curve, y), y, pm, ym);
      if (std::isnan(es)) {
        Report_Modulus_Not_A_Number(run, v.ModulusNotANumberError, v.NotANumberName, i);
        return;
      }
    }
    Apply_Soil_Movement_Load(run, i);
  }
}

}  // namespace

// PY_SoftClay(j): the soft clay criterion (J = 0.5) for the nodes of layer j.
void PY_SoftClay(RunContext& run, int j) {
  Soft_Clay_Layer(run, j, kSoftClay);
}

// PY_SoftClayJ(j): the soft clay criterion with the layer's J for the nodes of layer j.
void PY_SoftClayJ(RunContext& run, int j) {
  Soft_Clay_Layer(run, j, kSoftClayJ);
}

}  // namespace tavik
