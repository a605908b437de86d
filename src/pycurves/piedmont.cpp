// Piedmont residual soil p-y curves: PY_Piedmont. The initial modulus Es0 comes from one
// field test (SPT, CPT, DMT or PMT) chosen for the whole layer by the test type of its top
// point; the curve is linear up to y1 = 0.001 b, logarithmic up to y2 = 0.0375 b and
// constant beyond.
#include <array>
#include <cmath>
#include <string_view>

#include "profile/pile_discretisation.h"
#include "profile/soil_lookup.h"
#include "pycurves/py_framework.h"

namespace tavik {

namespace {

// Field test types of the layer's top point.
constexpr int kSPT = 1;
constexpr int kCPT = 2;
constexpr int kDMT = 3;
constexpr int kPMT = 4;

// Es0 = factor * field value (force/length**2).
constexpr double kSptFactorUS = 22.0;
constexpr double kSptFactorSI = 151.68466;  // 22 * 6.894757 (kPa per psi)
constexpr double kCptFactor = 0.118;
constexpr double kDmtFactor = 0.076;
constexpr double kPmtFactor = 0.235;

constexpr double kLinearLimitRatio = 0.001;      // y1 / b
constexpr double kPlateauRatio = 0.0375;         // y2 / b
constexpr double kLogBranchFactor = 0.21624703;  // 1 / (1 + ln 37.5)
constexpr double kPlateauFactor = 0.21632074;    // not the log-branch factor: a small step at y2
constexpr double kLogScale = 1000.0;             // ln(1000 y / b) = ln(y / y1)
constexpr double kSmallDeflection = 1.0e-14;
constexpr double kBeyondPlateau = 1.05;  // last printed point: 1.05 y2
constexpr int kInteriorSteps = 14;       // printed steps between y1 and y2
constexpr int kNumPoints = 17;
constexpr int kLayerColumn = 56;
constexpr int kLayerNumberWidth = 10;

// The curve of one node.
struct PiedmontCurve {
  double Es0 = 0.0;  // initial modulus, force/length**2
  double b = 0.0;
  double y1 = 0.0;
  double y2 = 0.0;
};

// p(y) for y >= 0: the one evaluation shared by the analysis and the printed curve.
double Piedmont_P(const PiedmontCurve& curve, double y) {
  const double b = curve.b;
  if (y < curve.y1) return curve.Es0 * b * y;
  if (y < curve.y2) {
    return curve.Es0 * b * y * (1.0 - kLogBranchFactor * std::log(kLogScale * y / b));
  }
  return kPlateauFactor * curve.Es0 * b * curve.y2;
}

// The printed names of one test type.
struct FieldTestText {
  std::string_view Name;
  std::string_view ValueLabel;
  std::string_view UnitUS;
  std::string_view UnitSI;
};

constexpr std::array<FieldTestText, 4> kFieldTests = {{
    {"Standard Penetration Test", "SPT  N60-value", " blows/ft", " blows/0.3 m"},
    {"Cone Penetration Test", "CPT qc", " psi", " kPa"},
    {"Dilatometer Test", "DMT Edmt", " psi", " kPa"},
    {"Pressuremeter Test", "DMT Epmt", " psi", " kPa"},
}};

bool Known_Test_Type(int test_type) {
  return test_type >= kSPT && test_type <= kPMT;
}

// The field value of the test type at one property point.
double Field_Value(const SoilPropertyPoint& point, int test_type) {
  switch (test_type) {
    case kSPT:
      return point.N60;
    case kCPT:
      return point.ConeTipResistance;
    case kDMT:
      return point.DilatometerModulus;
    case kPMT:
      return point.PressuremeterModulus;
    default:
      return 0.0;
  }
}

// The factor Es0 / field value; 0 in general units and for an unknown test type.
double Modulus_Factor(int iunits, int test_type) {
  if (iunits != kUnitsUSCustomary && iunits != kUnitsSI) return 0.0;
  switch (test_type) {
    case kSPT:
      return iunits == kUnitsUSCustomary ? kSptFactorUS : kSptFactorSI;
    case kCPT:
      return kCptFactor;
    case kDMT:
      return kDmtFactor;
    case kPMT:
      return kPmtFactor;
    default:
      return 0.0;
  }
}

// Report block, table and plot records of one curve at output depth number i.
void Write_Piedmont_Curve(RunContext& run, int j, int i, int test_type, double v,
                          const PiedmontCurve& curve, double pm, double ym) {
  const int iunits = run.Problem.IUNITS;
  const double depth = run.Nodes.rd_NodeDepth[i];
  TextChannel& out = run.Report;

  Write_Py_Title(run, "p-y Curve for Piedmont Residual Soil Criteria");
  out.Empty_Lines(1);
  out.Line().A("Soil Layer Number").T(kLayerColumn).A("= ").I(j, kLayerNumberWidth);
  out.End_Line();
  Write_Py_Depth_Parameter(run, "Depth below pile head", depth);
  Write_Py_Depth_Parameter(run, "Depth below ground surface",
                           depth - run.Problem.GroundSurfaceDepth);
  Write_Py_Parameter(run, "Shaft Diameter", curve.b, 3, Unit_Length(run));
  if (Known_Test_Type(test_type)) {
    const FieldTestText& text = kFieldTests[test_type - 1];
    out.Line().A("Type of Field Test").T(kLayerColumn).A("= ").A(text.Name);
    out.End_Line();
    if (iunits == kUnitsUSCustomary || iunits == kUnitsSI) {
      out.Line()
          .A(text.ValueLabel)
          .T(kLayerColumn)
          .A("= ")
          .F(v, 12, 3)
          .A(iunits == kUnitsUSCustomary ? text.UnitUS : text.UnitSI);
      out.End_Line();
    }
  }
  Write_Py_Parameter(run, "Initial Modulus from Field Tests", curve.Es0, 3,
                     Unit_Force_Per_Length(run, 2));
  Write_Py_Parameter(run, "p-multiplier", pm, 5);
  Write_Py_Parameter(run, "y-multiplier", ym, 5);
  out.Empty_Lines(1);
  out.Line().A("        y, ").A(Unit_Length(run)).T(22).A("p, ").A(Unit_Force_Per_Length(run, 1));
  out.End_Line();
  out.Write_Line("---------------   ---------------");

  Write_Py_Plot_Curve(run, depth, kNumPoints,
                      "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on "
                      "curve no. ",
                      i);
  for (int k = 1; k <= kNumPoints; ++k) {
    double y = 0.0;
    if (k == 2) y = curve.y1;
    // (k - 2) (y2 - y1) / 14 in this order: a step computed first can round differently.
    if (k >= 3 && k <= 15) y = curve.y1 + (k - 2) * (curve.y2 - curve.y1) / kInteriorSteps;
    if (k == 16) y = curve.y2;
    if (k == 17) y = kBeyondPlateau * curve.y2;
    const double p = Piedmont_P(curve, y);
    Write_Py_Table_Row(run, ym * y, pm * p);
    Write_Py_Plot_Point(run, ym * y, pm * p, k, "Piedmont residual soil", 50, 0);
  }
}

}  // namespace

// PY_Piedmont(j): Piedmont residual soil for the nodes (or output depths) of layer j.
// Reads the layer's test type (top point), the field values of that test at its top and
// bottom points, the p- and y-multipliers and the pile width at the depth along the axis.
// Analysis mode: rd_NodeEs(i) = (p/y) pm/ym, or Es0 b/ym (no p-multiplier) when the
// deflection on the curve is below 1.0E-14; no soil movement load. Output mode: the
// report block, 17 table rows and the plot records. Units: force and length of the run;
// Es0 in force/length**2. In general units or with an unknown test type Es0 = 0, so every
// modulus is 0. Returns at once when a lookup of pm, ym or b sets the error number; sets
// no error of its own.
void PY_Piedmont(RunContext& run, int j) {
  const int first = run.i_TopNodeInLayer[j];
  const int last = run.i_BottomNodeInLayer[j];
  if (first < 1 || last < first) return;
  const SoilLayer& layer = run.Problem.Layers[j - 1];
  const int test_type = layer.Top.TestType;
  const double factor = Modulus_Factor(run.Problem.IUNITS, test_type);
  const double top_value = Field_Value(layer.Top, test_type);
  const double bottom_value = Field_Value(layer.Bottom, test_type);

  for (int i = first; i <= last; ++i) {
    const PyNodeDepths depths = Py_Node_Depths(run, i);
    const double pm = P_Multiplier_At_Depth(run, depths.axial);
    if (run.Status.Has_Error()) return;
    const double ym = Y_Multiplier_At_Depth(run, depths.axial);
    if (run.Status.Has_Error()) return;
    const double b = Pile_Properties_At_Depth(run, depths.axial).b;
    if (run.Status.Has_Error()) return;

    const double v = Value_Over_Layer(layer, top_value, bottom_value, depths.soil);
    PiedmontCurve curve;
    curve.Es0 = factor * v;
    curve.b = b;
    curve.y1 = kLinearLimitRatio * b;
    curve.y2 = kPlateauRatio * b;

    if (run.b_PyOutputPass) {
      Write_Piedmont_Curve(run, j, i, test_type, v, curve, pm, ym);
      continue;
    }
    const double y = Relative_Deflection(run, i, ym);
    double& es = run.Nodes.rd_NodeEs[i];
    if (y >= kSmallDeflection) {
      es = (Piedmont_P(curve, y) / y) * pm / ym;
    } else {
      es = curve.Es0 * b / ym;
    }
  }
}

}  // namespace tavik
