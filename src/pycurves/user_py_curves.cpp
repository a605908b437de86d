// User-input p-y curves: PY_UserCurves. The layer carries the user's curve at its top depth
// and the one at its bottom depth, each a polyline of up to 30 points (y, p); the curve of
// a node is interpolated on both polylines at its deflection and then linearly in the depth
// along the pile axis between the two depths.
#include <cmath>

#include "profile/pile_discretisation.h"
#include "profile/soil_lookup.h"
#include "pycurves/py_framework.h"

namespace tavik {

namespace {

constexpr double kSmallDeflection = 1.0e-14;
// Top and bottom depths closer than this are one depth for the ultimate resistance: PT.
constexpr double kSameDepth = 1.0e-6;
constexpr int kNumPoints = 17;
constexpr double kFirstPrintedDeflection = 0.001;  // in the length unit, not scaled by b
constexpr double kStepsPerWidth = 160.0;           // points 3 to 14: (k - 2) b / 160
constexpr double kPoint15Ratio = 0.2;
constexpr double kPoint16Ratio = 0.375;
constexpr double kPoint17Ratio = 0.5;
constexpr int kLabelWidth = 28;

// p on one polyline at y: p(1) at y(1); p(n) beyond y(n); otherwise linear on the first
// segment k = 2 .. n-1 with y(k-1) < y <= y(k), or on the last segment when none holds y.
// The reader guarantees n >= 2 and deflections increasing from point to point.
double Curve_P(const UserPyCurve& curve, double y) {
  const int n = curve.NumPoints;
  const auto& cy = curve.Y;
  const auto& cp = curve.P;
  if (n < 2) return n == 1 ? cp[0] : 0.0;  // not from the reader: no segment to follow
  if (y == cy[0]) return cp[0];
  if (y > cy[n - 1]) return cp[n - 1];
  int k = n;  // 1-based index of the segment's upper point
  for (int m = 2; m <= n - 1; ++m) {
    if (cy[m - 2] < y && y <= cy[m - 1]) {
      k = m;
      break;
    }
  }
  return cp[k - 2] + (y - cy[k - 2]) * (cp[k - 1] - cp[k - 2]) / (cy[k - 1] - cy[k - 2]);
}

// Initial slope p(2)/y(2) of one polyline.
double Initial_Slope(const UserPyCurve& curve) {
  if (curve.NumPoints < 2) return 0.0;  // not from the reader: no second point
  return curve.P[1] / curve.Y[1];
}

// p of the last point of one polyline.
double Last_P(const UserPyCurve& curve) {
  return curve.NumPoints >= 1 ? curve.P[curve.NumPoints - 1] : 0.0;
}

// The curve of one node: both polylines, the depths and the node's depth along the axis.
struct UserCurveNode {
  const UserPyCurve* top = nullptr;
  const UserPyCurve* bottom = nullptr;
  double DT = 0.0;  // depth of the top curve
  double DB = 0.0;  // depth of the bottom curve
  double X = 0.0;   // depth along the axis
};

bool Outside_Layer(const UserCurveNode& node) {
  return node.X < node.DT || node.X > node.DB;
}

// Linear in the depth X between the top value and the bottom value; the top value only when
// the two depths are equal (the interpolation would divide by zero). A layer thinner than
// kSameDepth but not of zero thickness is still interpolated: only the ultimate resistance
// takes the top value there.
double Between_Depths(const UserCurveNode& node, double top_value, double bottom_value) {
  if (node.DB == node.DT) return top_value;
  return top_value + (bottom_value - top_value) * (node.X - node.DT) / (node.DB - node.DT);
}

// p(y) for y >= 0: the one evaluation shared by the analysis and the printed curve.
double User_Curve_P(const UserCurveNode& node, double y) {
  if (Outside_Layer(node)) return 0.0;
  const double pT = Curve_P(*node.top, y);
  const double pB = Curve_P(*node.bottom, y);
  return Between_Depths(node, pT, pB);
}

// The initial slope k0 of the node's curve (its modulus at vanishing deflection).
double User_Curve_Initial_Slope(const UserCurveNode& node) {
  if (Outside_Layer(node)) return 0.0;
  const double sT = Initial_Slope(*node.top);
  const double sB = Initial_Slope(*node.bottom);
  return Between_Depths(node, sT, sB);
}

// The ultimate resistance fed to the layering correction of the layers below: the last
// points' p, interpolated (and extrapolated) in the depth along the axis.
double User_Curve_Ultimate(const UserCurveNode& node) {
  const double PT = Last_P(*node.top);
  const double PB = Last_P(*node.bottom);
  if (std::fabs(node.DB - node.DT) <= kSameDepth) return PT;
  return PT + (node.X - node.DT) * (PB - PT) / (node.DB - node.DT);
}

// Printed deflection number k (1 to 17) for pile width b.
double Printed_Deflection(int k, double b) {
  if (k == 1) return 0.0;
  if (k == 2) return kFirstPrintedDeflection;
  if (k <= 14) return (k - 2) * b / kStepsPerWidth;
  if (k == 15) return kPoint15Ratio * b;
  if (k == 16) return kPoint16Ratio * b;
  return kPoint17Ratio * b;
}

// One labelled report line: the label padded to 28 columns and "= ".
FortranLine& Labelled_Line(RunContext& run, std::string_view label) {
  return run.Report.Line().A(label).T(kLabelWidth + 1).A("= ");
}

// Report block, table and plot records of one curve at output depth number i.
void Write_User_Curve(RunContext& run, int j, int i, const UserCurveNode& node, double b, double pm,
                      double ym) {
  const UnitLabels& units = run.Units;
  const bool us = run.Problem.IUNITS == kUnitsUSCustomary;
  const double depth_scale = us ? 12.0 : 1.0;
  const std::string_view depth_unit = us ? units.c_UnitDepth : units.c_UnitLength;
  TextChannel& out = run.Report;

  Write_Py_Title(run, "p-y Curve Computed by Interpolation Between User-input Curves");
  out.Empty_Lines(1);
  Labelled_Line(run, "Soil Layer Number").I(j, 12);
  out.End_Line();
  Labelled_Line(run, "Depth below pile head").F(node.X / depth_scale, 12, 3).A(" ").A(depth_unit);
  out.End_Line();
  Labelled_Line(run, "Depth below ground surface")
      .F((node.X - run.Problem.GroundSurfaceDepth) / depth_scale, 12, 3)
      .A(" ")
      .A(depth_unit);
  out.End_Line();
  Labelled_Line(run, "Pile diameter").F(b, 12, 3).A(" ").A(units.c_UnitLength);
  out.End_Line();
  Labelled_Line(run, "p-multiplier").F(pm, 12, 3);
  out.End_Line();
  Labelled_Line(run, "y-multiplier").F(ym, 12, 3);
  out.End_Line();
  out.Empty_Lines(1);
  out.Line().T(7).A("y, ").A(units.c_UnitLength).T(25).A("p, ").A(Unit_Force_Per_Length(run, 1));
  out.End_Line();
  out.Write_Line("----------------    ----------------");

  Write_Py_Plot_Curve(run, run.Nodes.rd_NodeDepth[i], kNumPoints,
                      "Line 7:  p-y curve depth in user-input p-y curve, no. p-y points on curve "
                      "no. ",
                      i);
  for (int k = 1; k <= kNumPoints; ++k) {
    const double y = Printed_Deflection(k, b);
    const double p = User_Curve_P(node, y);
    out.Line().F(ym * y, 15, 4).X(5).F(pm * p, 15, 4);
    out.End_Line();
    Write_Py_Plot_Point(run, ym * y, pm * p, k, "user-input p-y curve", 20, 2);
  }
}

}  // namespace

// PY_UserCurves(j): user-input p-y curves for the nodes (or output depths) of layer j.
// Reads UserCurveTop / UserCurveBottom of the layer (at XLayerTop / XLayerBottom), the
// pile width and the p- and y-multipliers at the depth along the axis X. A node whose X
// lies outside the layer's depths gets p = 0 and modulus 0. Analysis mode: rd_NodeEs(i) =
// pm p / (ym y), or the initial slope interpolated in depth (no multipliers) when the
// deflection on the curve is below 1.0E-14; then the soil movement load; rd_LayerPuSum(j)
// is cleared at the layer's first node and grows by one full increment times the
// interpolated last-point p at every node. Output mode: the report block, 17 table rows and
// the plot records. Units: the curves' y in length, p in force/length. Does not test the
// error number of the lookups (the layer is completed); sets no error of its own.
void PY_UserCurves(RunContext& run, int j) {
  const int first = run.i_TopNodeInLayer[j];
  const int last = run.i_BottomNodeInLayer[j];
  if (first < 1 || last < first) return;
  const SoilLayer& layer = run.Problem.Layers[j - 1];
  const bool output = run.b_PyOutputPass;
  const PileNodes& nodes = run.Nodes;

  UserCurveNode node;
  node.top = &layer.UserCurveTop;
  node.bottom = &layer.UserCurveBottom;
  node.DT = layer.XLayerTop;
  node.DB = layer.XLayerBottom;

  for (int i = first; i <= last; ++i) {
    node.X = nodes.rd_NodeDepth[i];
    const double b = Pile_Properties_At_Depth(run, node.X).b;
    const double pm = P_Multiplier_At_Depth(run, node.X);
    const double ym = Y_Multiplier_At_Depth(run, node.X);
    if (i == first && !output) run.rd_LayerPuSum[j] = 0.0;

    if (output) {
      Write_User_Curve(run, j, i, node, b, pm, ym);
      continue;
    }
    const double pu = User_Curve_Ultimate(node);
    run.rd_LayerPuSum[j] += nodes.rd_PileLength * pu / nodes.i_Num_Increments;

    const double y = Relative_Deflection(run, i, ym);
    double& es = run.Nodes.rd_NodeEs[i];
    if (y >= kSmallDeflection) {
      es = Secant_Modulus(User_Curve_P(node, y), y, pm, ym);
    } else {
      es = User_Curve_Initial_Slope(node);
    }
    Apply_Soil_Movement_Load(run, i);
  }
}

}  // namespace tavik
