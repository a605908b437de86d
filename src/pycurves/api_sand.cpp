// Sand p-y curves by the API RP-2A (1987) recommendation: PY_APISand. The ultimate
// resistance is the smaller of the shallow value (C1 z + C2 b) gamma z and the deep value
// C3 b gamma z, times A; the curve is p = A pu tanh(k z y / (A pu)).
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string_view>

#include "profile/pile_discretisation.h"
#include "profile/soil_lookup.h"
#include "pycurves/default_sand_k.h"
#include "pycurves/py_framework.h"
#include "pycurves/sand_terms.h"

namespace tavik {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kNoFriction = 1.0e-10;           // radians: input error 1 below it
constexpr double kLowFriction = 20.0;             // degrees: warning 303 below it
constexpr double kHighFriction = 48.0;            // degrees: warning 303 above it
constexpr double kLevelGround = 1.0e-10;          // |theta| at most: level-ground coefficients
constexpr double kSignThreshold = 1.0e-14;        // deflection and slope sign limits
constexpr double kNoSlopeFactor = 1.0e-20;        // s at most: the wedge is not modified
constexpr double kDeepOnlySlopeFactor = 1.0e-10;  // s at most: the deep value rules
constexpr double kSmallDeflection = 1.0e-14;      // below it the modulus is k z
constexpr double kNoDepth = 1.0e-10;              // z below it: no resistance
constexpr double kStaticAAtSurface = 3.0;
constexpr double kStaticAPerDepthRatio = 0.8;
constexpr double kDeepA = 0.9;  // static floor and cyclic value of A
constexpr int kNumPoints = 17;
constexpr double kOutputSpacing = std::numbers::pi / 16.0;  // of A pu / (k z)
constexpr double kNoModulusSpacingUS = 0.05;                // in
constexpr double kNoModulusSpacingSI = 0.00127;             // m

constexpr int kInputErrorNoFriction = 1;
constexpr int kInputErrorSlope = 2;
constexpr int kWarningFriction = -303;

// The curve of one node.
struct ApiSandCurve {
  double Apu = 0.0;  // A pu
  double kz = 0.0;   // initial slope k z
  double z = 0.0;    // depth of the curve
};

// p(y) for y >= 0: the one evaluation shared by the analysis and the printed curve. A node
// at the ground surface, or without any ultimate resistance, resists nothing.
double Api_Sand_P(const ApiSandCurve& c, double y) {
  if (c.z < kNoDepth || c.Apu == 0.0) return 0.0;
  return c.Apu * std::tanh(c.kz * y / c.Apu);
}

// pr = A pu tanh((3b/80) k z / (A pu)), the resistance integrated for the layering
// correction, evaluated in that order (3 b/80 k z, not (3/80) b k z); 0 where the curve
// resists nothing.
double Integrated_Resistance(const ApiSandCurve& c, double b, double k) {
  if (c.z < kNoDepth || c.Apu == 0.0) return 0.0;
  return c.Apu * std::tanh(3.0 * b / 80.0 * k * c.z / c.Apu);
}

void Report_Friction_Error(RunContext& run, int error, std::string_view layer_line_start,
                           int layer_number, std::initializer_list<std::string_view> rest) {
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Line().A("**** Input Data Error No. ").I(error, 0).A(" ****");
    out->End_Line();
    out->Empty_Lines(1);
    out->Write_Line("An error was detected in the input data when computing a p-y.");
    out->Line().A(layer_line_start).I(layer_number, 0).A(".");
    out->End_Line();
    out->Empty_Lines(1);
    for (std::string_view line : rest) {
      if (line.empty()) {
        out->Empty_Lines(1);
      } else {
        out->Write_Line(line);
      }
    }
  }
  Terminate_With_Error(run, Input_Error_Code(error), 100 + error);
}

void Report_No_Friction(RunContext& run, int j) {
  Report_Friction_Error(run, kInputErrorNoFriction, "curve using the API sand criteria for layer ",
                        j,
                        {"Problem:  A zero was input for the friction angle for sand.", "",
                         "Solution:  Check the friction angle values and revise the ",
                         "data to correct this problem.", ""});
}

void Report_Slope_Steeper_Than_Friction(RunContext& run) {
  // The message names layer 1, the only layer where this is an error.
  Report_Friction_Error(
      run, kInputErrorSlope, "curve using the API criteria for sand for layer ", 1,
      {"Problem:  The angle of the ground slope can not be greater ",
       "than the internal friction angle of the sand.", "",
       "Solution:  Set the value for slope angle to be less than ", "the angle of friction."});
}

// The shallow-resistance coefficients with the active coefficient ka.
struct ApiCoefficients {
  double C1 = 0.0;
  double C2 = 0.0;
  double C3 = 0.0;
};
ApiCoefficients Api_Coefficients(const SandAngles& a, double ka) {
  const double tan2 = a.TanBeta * a.TanBeta;
  ApiCoefficients c;
  c.C1 = a.TanBeta * (a.K0 * (a.TanPhi * a.SinBeta * (1.0 / a.CosAlpha + 1.0) - a.TanAlpha) +
                      a.TanAlpha * tan2);
  c.C2 = tan2 - ka;
  c.C3 = tan2 * tan2 * (a.K0 * a.TanPhi + tan2) - ka;
  return c;
}

// The node values printed in the report block.
struct ApiSandPrint {
  int j = 0;
  int i = 0;
  double soil_depth = 0.0;
  double true_z = 0.0;
  double b = 0.0;
  double phi = 0.0;
  double gamma = 0.0;
  double A = 0.0;
  double k = 0.0;
  bool b_DefaultK = false;
  ApiCoefficients C;
  double pus = 0.0;
  double pud = 0.0;
  double pu = 0.0;
  double pm = 1.0;
  double ym = 1.0;
};

void Write_Api_Sand_Curve(RunContext& run, const ApiSandCurve& c, const ApiSandPrint& n) {
  const ProblemData& problem = run.Problem;
  const std::string length = Unit_Length(run);
  const std::string force_per_length = Unit_Force_Per_Length(run, 1);

  Write_Py_Title(run, problem.Options.Cyclic
                          ? "p-y Curve Computed Using API Sand Criteria for Cyclic Loading"
                          : "p-y Curve Computed Using API Sand Criteria for Static Loading");
  Write_Py_Common_Lines(run, n.j, n.soil_depth, n.true_z);
  Write_Py_Parameter(run, "Equivalent Depth (see note)", c.z, 3, length);
  Write_Py_Parameter(run, "Diameter", n.b, 3, length);
  Write_Py_Parameter(run, "Friction Angle phi", n.phi, 3, "deg.");
  Write_Py_Parameter(run, "Avg. Eff. Unit Wt.", n.gamma, 5, Unit_Force_Per_Length(run, 3));
  Write_Py_Parameter(run, "A", n.A, 5);
  Write_Py_Parameter(run, "k", n.k, 3, Unit_Force_Per_Length(run, 3));
  Write_Py_Parameter(run, "C1", n.C.C1, 5);
  Write_Py_Parameter(run, "C2", n.C.C2, 5);
  Write_Py_Parameter(run, "C3", n.C.C3, 5);
  Write_Py_Parameter(run, "Pus", n.pus, 3, force_per_length);
  Write_Py_Parameter(run, "Pud", n.pud, 3, force_per_length);
  Write_Py_Parameter(run, "Pu", n.pu, 3, force_per_length);
  Write_Py_Parameter(run, "p-multiplier", n.pm, 5);
  Write_Py_Parameter(run, "y-multiplier", n.ym, 5);
  TextChannel& out = run.Report;
  out.Empty_Lines(1);
  Write_Sand_Depth_Note(run);
  out.Line().A("        y, ").A(length).A("             p,").A(force_per_length);
  out.End_Line();
  out.Write_Line("----------------    -----------------");

  // Spacing: 16 steps up to pi A pu / (k z), where tanh reaches 0.9963. Without an initial
  // modulus the curve is zero; it is printed over 0.05 in (SI: 0.00127 m) steps, and in
  // general units over 16 steps up to 3b/80.
  double dy = 0.0;
  const double zk = c.z * n.k;
  if (zk == 0.0) {
    if (problem.IUNITS == kUnitsUSCustomary) {
      dy = kNoModulusSpacingUS;
    } else if (problem.IUNITS == kUnitsSI) {
      dy = kNoModulusSpacingSI;
    } else {
      dy = 3.0 * n.b / 80.0 / (kNumPoints - 1);
    }
  } else {
    dy = kOutputSpacing * c.Apu / zk;
  }
  Write_Py_Plot_Curve(run, run.Nodes.rd_NodeDepth[n.i], kNumPoints,
                      "Line 7:  p-y curve depth in API sand, no. p-y points on curve no. ", n.i);
  for (int point = 1; point <= kNumPoints; ++point) {
    const double y = (point - 1) * dy;
    const double p = Api_Sand_P(c, y);
    out.Line().F(n.ym * y, 15, 4).F(n.pm * p, 17, 3);
    out.End_Line();
    Write_Py_Plot_Point(run, n.ym * y, n.pm * p, point, "API sand");
  }
  if (n.b_DefaultK) {
    out.Empty_Lines(1);
    out.Write_Line("The above p-y curve was computed using the internal default value of k.");
  }
}

}  // namespace

// PY_APISand(j): the API sand criterion for the nodes of layer j (run's internal units).
// Reads the soil profile (unit weight, friction angle, k of the layer), the loading type,
// the effective slope and the multipliers; publishes the sand terms in run.CurrentSoil for
// the layering correction and integrates A pu tanh(3b/80 k z / (A pu)) into
// rd_LayerPuSum(j). Analysis mode sets rd_NodeEs(i) (force/length**2) and the soil movement
// load; output mode prints and plots the curve at each user depth. A layer with k = 0 takes
// Default_Sand_k (and sets both of its k values to 0). Errors: a zero friction angle below
// the layer's first node (input error 1), a slope as steep as the friction angle in layer 1
// (input error 2), no default k in general units (runtime error 13). A friction angle
// below 20 or above 48 degrees is warning 303.
void PY_APISand(RunContext& run, int j) {
  const int first = run.i_TopNodeInLayer[j];
  const int last = run.i_BottomNodeInLayer[j];
  if (first < 1 || last < first) return;
  ProblemData& problem = run.Problem;
  const bool output = run.b_PyOutputPass;
  const bool cyclic = problem.Options.Cyclic;
  const double theta = problem.SlopeMinusBatter;
  SoilLayer& layer = problem.Layers[j - 1];

  double pr_previous = 0.0;
  for (int i = first; i <= last; ++i) {
    // 1. Depths and properties.
    const PyNodeDepths depths = Py_Node_Depths(run, i);
    const double x = depths.soil;
    const double b = Pile_Properties_At_Depth(run, depths.axial).b;
    const double gamma = Avg_Unit_Weight_To_Depth(run, x);
    if (run.Status.Has_Error()) return;
    const double phi = Friction_Angle_At_Depth(run, x);
    if (run.Status.Has_Error()) return;
    const double phi_r = phi * kRadiansPerDegree;
    const double pm = P_Multiplier_At_Depth(run, depths.axial);
    const double ym = Y_Multiplier_At_Depth(run, depths.axial);
    if (phi < kLowFriction || phi > kHighFriction) Record_Warning(run.Status, kWarningFriction);

    // 2. Subgrade modulus from the layer (the default comes after the resistance).
    double k = 0.0;
    if (layer.SubgradeModulusTop > 0.0) {
      k = Value_Over_Layer(layer, layer.SubgradeModulusTop, layer.SubgradeModulusBottom, x);
    } else {
      layer.SubgradeModulusTop = 0.0;
      layer.SubgradeModulusBottom = 0.0;
    }

    // 3. Zero friction angle below the layer's first node.
    if (i > first && phi_r < kNoFriction) {
      Report_No_Friction(run, j);
      return;
    }

    // 4.-5. Angles, depths and the layering correction.
    const SandAngles angles = Sand_Angles(phi_r);
    const double zt = depths.z;
    CurrentSoilParameters& soil = run.CurrentSoil;
    soil.b = b;
    soil.Gamma = gamma;
    soil.PhiR = phi_r;
    soil.Alpha = angles.Alpha;
    soil.Beta = angles.Beta;
    soil.K0 = angles.K0;
    soil.Ka = angles.KaLevel;
    soil.Kp = angles.Kp;
    soil.zn = zt;
    const double z = Layered_Curve_Depth(run, j, i, x, zt);

    // 7. Ultimate resistance.
    ApiCoefficients C;
    double pus = 0.0;
    double pud = 0.0;
    if (std::fabs(theta) <= kLevelGround) {
      C = Api_Coefficients(angles, angles.KaLevel);
      pus = (C.C1 * z + C.C2 * b) * gamma * z;
      pud = C.C3 * zt * b * gamma;
    } else {
      if (j == 1 && Slope_Steeper_Than_Friction(theta, phi_r)) {
        Report_Slope_Steeper_Than_Friction(run);
        return;
      }
      const double ka = Sloping_Ground_Ka(angles, theta);
      pus = Sand_Wedge_Resistance(angles, ka, gamma, z, b);
      const double t = std::tan(std::fabs(theta)) * angles.TanBeta;
      // A deflection of (nearly) zero leans downslope, the side of the lower resistance.
      const double y = run.Nodes.rd_Y[i];
      const bool against_slope = (y > kSignThreshold && theta < kSignThreshold) ||
                                 (y < -kSignThreshold && theta > kSignThreshold);
      const double s = against_slope ? 1.0 - t : 1.0 + t;
      if (s > kNoSlopeFactor) pus = Sand_Sloped_Wedge_Resistance(angles, ka, gamma, z, b, t, s);
      C = Api_Coefficients(angles, ka);
      pud = Sand_Flow_Around_Resistance(angles, gamma, z, b);
      if (s <= kDeepOnlySlopeFactor) pus = pud;
    }
    const double pu = std::min(pus, pud);

    // 8. Default subgrade modulus.
    const bool default_k = k == 0.0;
    if (default_k) {
      k = Default_Sand_k(run, phi_r, gamma, problem.IUNITS);
      if (run.Status.Has_Error()) return;
    }

    // 9. Factor A and the curve.
    const double A =
        cyclic ? kDeepA : std::max(kDeepA, kStaticAAtSurface - kStaticAPerDepthRatio * z / b);
    ApiSandCurve curve;
    curve.Apu = A * pu;
    curve.kz = k * z;
    curve.z = z;

    // 10. Integrated resistance at 3b/80 for the layering correction of the layers below.
    const double pr = Integrated_Resistance(curve, b, k);
    Accumulate_Sand_Layer_Resistance(run, j, i, pr_previous, pr);
    pr_previous = pr;

    if (output) {
      ApiSandPrint print;
      print.j = j;
      print.i = i;
      print.soil_depth = x;
      print.true_z = zt;
      print.b = b;
      print.phi = phi;
      print.gamma = gamma;
      print.A = A;
      print.k = k;
      print.b_DefaultK = default_k;
      print.C = C;
      print.pus = pus;
      print.pud = pud;
      print.pu = pu;
      print.pm = pm;
      print.ym = ym;
      Write_Api_Sand_Curve(run, curve, print);
      continue;
    }

    // 12. Soil modulus at the node's deflection.
    const double y = Relative_Deflection(run, i, ym);
    run.Nodes.rd_NodeEs[i] =
        y >= kSmallDeflection ? Secant_Modulus(Api_Sand_P(curve, y), y, pm, ym) : curve.kz;
    Apply_Soil_Movement_Load(run, i);
  }
}

}  // namespace tavik
