// What the p-y criteria share: node preparation, soil modulus, soil-movement load, slope
// factor, accumulated resistance and the report and plot writers of the printed curves.
#include "pycurves/py_framework.h"

#include <cmath>
#include <numbers>

#include "profile/equivalent_depth.h"
#include "profile/pile_discretisation.h"
#include "run/report_writers.h"

namespace tavik {

namespace {

constexpr double kSignThreshold = 1.0e-20;
constexpr double kSqrtHalf = 0.70710677;
constexpr double kInchesPerFoot = 12.0;
constexpr int kParameterColumn = 56;
constexpr int kValueWidth = 12;
constexpr double kHalfTurnDegrees = 180.0;
// A layer whose bottom lies above this depth ends above the pile head.
constexpr double kLayerAboveHead = -1.0e-8;
// A ground surface above this depth lies above the pile head.
constexpr double kGroundAboveHead = -0.00001;

// An angle in degrees for the report, evaluated as angle * 180 / pi in that order.
double Degrees(double radians) {
  return radians * kHalfTurnDegrees / std::numbers::pi;
}

}  // namespace

// ---- Node preparation ----

PyNodeDepths Py_Node_Depths(const RunContext& run, int i) {
  PyNodeDepths d;
  d.axial = run.Nodes.rd_NodeDepth[i];
  d.soil = run.b_PyOutputPass ? d.axial : run.Nodes.rd_NodeVertDepth[i];
  d.z = d.soil - run.Problem.GroundSurfaceDepth;
  return d;
}

double Relative_Deflection(const RunContext& run, int i, double ym) {
  return std::fabs(run.Nodes.rd_Y[i] - run.Nodes.rd_NodeSoilMove[i]) / ym;
}

bool Soil_Movement_Present(const RunContext& run) {
  return run.Problem.SoilMovement.NumPoints >= 2;
}

void Apply_Soil_Movement_Load(RunContext& run, int i) {
  if (!Soil_Movement_Present(run)) return;
  PileNodes& nodes = run.Nodes;
  nodes.rd_NodeLoad[i] = nodes.rd_NodeSoilMove[i] * nodes.rd_NodeEs[i] +
                         Distributed_Load_At_Node(run, nodes.rd_NodeDepth[i]);
}

void Report_Modulus_Not_A_Number(RunContext& run, int runtime_error,
                                 std::string_view criterion_name, int node) {
  for (TextChannel* out : {&run.Report, &run.Messages}) {
    out->Line().A("**** Runtime Error No ").I(runtime_error, 0).A(" ****");
    out->End_Line();
    out->Empty_Lines(1);
    out->Line()
        .A("The computed value of soil modulus computed in ")
        .A(criterion_name)
        .A(" is not-a-number for node number ")
        .I(node, 0);
    out->End_Line();
    out->Empty_Lines(1);
    out->Write_Line(
        "This problem is usually due to a required soil property being left equal to zero.");
  }
  Store_Error_Number(run.Status, 200 + runtime_error);
}

double Slope_Factor(double y, double theta) {
  const bool same_sign = (y > kSignThreshold && theta > kSignThreshold) ||
                         (y < -kSignThreshold && theta < -kSignThreshold);
  const bool opposite_sign = (y > kSignThreshold && theta < -kSignThreshold) ||
                             (y < -kSignThreshold && theta > kSignThreshold);
  const double t = std::fabs(theta);
  if (same_sign) return 1.0 / (1.0 + std::tan(t));
  if (opposite_sign) return std::cos(t) * kSqrtHalf / std::cos(t + std::numbers::pi / 4.0);
  return 1.0;
}

double Layered_Curve_Depth(RunContext& run, int j, int i, double x, double zt) {
  const ProblemData& problem = run.Problem;
  double z = zt;
  if (j != 1) {
    if (i == run.i_TopNodeInLayer[j] && run.i_RockLayersAbove == 0 && !run.b_PyOutputPass) {
      Equivalent_Depth_Of_Layer(run, j);
    }
    if (run.i_RockLayersAbove == 0) {
      z = x - problem.Layers[j - 1].XLayerTop + run.rd_LayerEqDepth[j];
    }
  }
  const bool layer2_above_head =
      problem.i_Number_of_Layers >= 2 && problem.Layers[1].XLayerBottom < kLayerAboveHead;
  if (problem.Layers[0].XLayerBottom < kLayerAboveHead || layer2_above_head) {
    z = x - problem.Layers[0].XLayerTop;
  }
  return z;
}

void Accumulate_Layer_Resistance(RunContext& run, int j, int i, double previous, double value) {
  const int first = run.i_TopNodeInLayer[j];
  const int last = run.i_BottomNodeInLayer[j];
  double& sum = run.rd_LayerPuSum[j];
  if (i == first && !run.b_PyOutputPass) sum = 0.0;
  if (i > first) sum += (previous + value) * run.Nodes.rd_Increment / 2.0;
  if (i == last)
    sum += (run.Problem.Layers[j - 1].XLayerBottom - run.Nodes.rd_NodeDepth[last]) * value;
}

bool Layer_1_Above_Pile_Head(const RunContext& run, int j) {
  return j == 1 && run.Problem.GroundSurfaceDepth < kGroundAboveHead;
}

// ---- Report and plot writers ----

std::string Unit_Length(const RunContext& run) {
  return std::string(Trimmed(run.Units.c_UnitLength));
}

std::string Unit_Depth(const RunContext& run) {
  return std::string(Trimmed(run.Units.c_UnitDepth));
}

namespace {
std::string Force_Per(const RunContext& run, std::string_view length, int power) {
  const UnitLabels& u = run.Units;
  std::string text(Trimmed(u.c_UnitForce3));
  text.append(u.c_UnitSlash).append(length);
  if (power == 2) text.append(u.c_UnitPower).append(u.c_UnitSquare);
  if (power == 3) text.append(u.c_UnitPower).append(Trimmed(u.c_UnitCube));
  return text;
}
}  // namespace

std::string Unit_Force_Per_Length(const RunContext& run, int power) {
  return Force_Per(run, Trimmed(run.Units.c_UnitLength), power);
}

std::string Unit_Force_Per_Foot(const RunContext& run, int power) {
  return Force_Per(run, Trimmed(run.Units.c_UnitDepth), power);
}

void Write_Py_Title(RunContext& run, std::string_view title) {
  run.Report.Empty_Lines(2);
  run.Report.Write_Line(title);
}

void Write_Py_Parameter(RunContext& run, std::string_view label, double value, int decimals,
                        std::string_view unit) {
  FortranLine& line = run.Report.Line();
  line.A(label).T(kParameterColumn).A("= ").F(value, kValueWidth, decimals);
  if (!unit.empty()) line.A(" ").A(unit);
  run.Report.End_Line();
}

void Write_Py_Scientific_Parameter(RunContext& run, std::string_view label, double value,
                                   int decimals, std::string_view unit) {
  FortranLine& line = run.Report.Line();
  line.A(label).T(kParameterColumn).A("= ").ES(value, kValueWidth, decimals);
  if (!unit.empty()) line.A(" ").A(unit);
  run.Report.End_Line();
}

void Write_Py_Integer_Parameter(RunContext& run, std::string_view label, int value) {
  run.Report.Line().A(label).T(kParameterColumn).A("= ").I(value, kValueWidth);
  run.Report.End_Line();
}

void Write_Py_Depth_Parameter(RunContext& run, std::string_view label, double depth) {
  const double shown = run.Problem.IUNITS == kUnitsUSCustomary ? depth / kInchesPerFoot : depth;
  Write_Py_Parameter(run, label, shown, 3, Unit_Depth(run));
}

void Write_Py_Common_Lines(RunContext& run, int j, double soil_depth, double true_z) {
  const ProblemData& problem = run.Problem;
  Write_Py_Integer_Parameter(run, "Soil Layer Number", j);
  Write_Py_Depth_Parameter(run, "Depth below pile head", soil_depth);
  Write_Py_Depth_Parameter(run, "Depth below ground surface", true_z);
  Write_Py_Parameter(run, "Ground Slope Angle", Degrees(problem.GroundSlopeAngle), 3, "degrees");
  Write_Py_Parameter(run, "Pile Batter", Degrees(problem.PileBatterAngle), 3, "degrees");
  Write_Py_Parameter(run, "Effective Slope", Degrees(problem.SlopeMinusBatter), 3, "degrees");
}

void Write_Py_Table_Head(RunContext& run) {
  TextChannel& out = run.Report;
  out.Empty_Lines(1);
  out.Line().T(6).A("y, ").A(Unit_Length(run)).T(25).A("p, ").A(Unit_Force_Per_Length(run, 1));
  out.End_Line();
  out.Write_Line("----------------    -----------------");
}

void Write_Py_Table_Row(RunContext& run, double y, double p) {
  TextChannel& out = run.Report;
  Write_Blanks(out, 3);
  Write_Real(out, y, 13);
  Write_Blanks(out, 5);
  Write_Real(out, p, 13);
  out.End_Line();
}

void Write_Py_Plot_Curve(RunContext& run, double depth, int num_points, std::string_view label,
                         int curve_number) {
  run.Plot.Line().ES(depth, 15, 7).I(num_points, 5).X(60).A(label).I(curve_number, 0);
  run.Plot.End_Line();
}

void Write_Py_Plot_Point(RunContext& run, double y, double p, int point_number,
                         std::string_view name, int blanks, int point_width) {
  run.Plot.Line()
      .ES(y, 15, 7)
      .ES(p, 15, 7)
      .X(blanks)
      .A("Line 8(")
      .I(point_number, point_width)
      .A("): y, p, for ")
      .A(name);
  run.Plot.End_Line();
}

}  // namespace tavik
