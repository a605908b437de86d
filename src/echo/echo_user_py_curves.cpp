#include "echo/echo_blocks.h"

namespace tavik {

namespace {
constexpr int kUserCurvesIndent = 30;
constexpr int kEmptyLinesBefore = 2;
constexpr std::string_view kUserPyCode = "User p-y";
// Rows: I3, 12 blanks, y (Write_Real 12), 10 blanks, p (Write_Real 12): y in columns 16-27,
// p in columns 38-49. Units: y at column 22, p at column 42.
constexpr int kPointWidth = 3;
constexpr int kGapBeforeY = 12;
constexpr int kGapBeforeP = 10;
constexpr int kValueWidth = 12;
constexpr int kYUnitColumn = 22;
constexpr int kPUnitColumn = 42;
constexpr int kDepthWidth = 10;
constexpr int kDepthDecimals = 3;

void Echo_Curve(RunContext& run, const UserPyCurve& curve) {
  TextChannel& report = run.Report;
  report.Write_Line("Point                y                     p     ");
  report.Line()
      .A(" No.")
      .T(kYUnitColumn)
      .A(Trimmed(run.Units.c_UnitLength))
      .T(kPUnitColumn)
      .A(Line_Load_Label(run.Units));
  report.End_Line();
  report.Write_Line("-----          ------------          ------------");
  const int points = Within_Capacity(curve.NumPoints, kMaxUserPyPoints);
  for (int k = 1; k <= points; ++k) {
    Write_Integer(report, k, kPointWidth);
    Write_Blanks(report, kGapBeforeY);
    Write_Real(report, curve.Y[k - 1], kValueWidth);
    Write_Blanks(report, kGapBeforeP);
    Write_Real(report, curve.P[k - 1], kValueWidth);
    End_Line(report);
  }
}
}  // namespace

// Echo_User_Py_Curves: only when at least one layer has the code User p-y. Reads those
// layers' curves and depths (feet or metres). Writes the heading "User-input p-y Curves", the
// number of curves (two per such layer) and, per layer, the curve at its top and the curve
// at its bottom, each with its depth and a table of y and p.
void Echo_User_Py_Curves(RunContext& run) {
  const ProblemData& problem = run.Problem;
  const int layers = Within_Capacity(problem.i_Number_of_Layers, kMaxLayers);
  int user_layers = 0;
  for (int j = 0; j < layers; ++j) {
    if (Layer_Code(problem.Layers[j]) == kUserPyCode) ++user_layers;
  }
  if (user_layers == 0) return;
  TextChannel& report = run.Report;
  report.Empty_Lines(kEmptyLinesBefore);
  Write_Heading(report, "User-input p-y Curves", kUserCurvesIndent);
  report.Empty_Lines(1);
  report.Line().A("Number of user-input p-y curves = ").I(2 * user_layers, 0);
  report.End_Line();
  for (int j = 1; j <= layers; ++j) {
    const SoilLayer& layer = problem.Layers[j - 1];
    if (Layer_Code(layer) != kUserPyCode) continue;
    report.Empty_Lines(2);
    Unit(report.Line()
             .A("User-input p-y curve at top of layer ")
             .I(j, 0)
             .A(",    Depth = ")
             .F(layer.XLayerTop, kDepthWidth, kDepthDecimals),
         run.Units.c_UnitDepth);
    report.End_Line();
    report.Empty_Lines(1);
    Echo_Curve(run, layer.UserCurveTop);
    report.Empty_Lines(1);
    Unit(report.Line()
             .A("User-input p-y curve at bottom of layer ")
             .I(j, 0)
             .A(", Depth = ")
             .F(layer.XLayerBottom, kDepthWidth, kDepthDecimals),
         run.Units.c_UnitDepth);
    report.End_Line();
    report.Empty_Lines(1);
    Echo_Curve(run, layer.UserCurveBottom);
  }
}

}  // namespace tavik
