// The contract between the load-case iteration and the p-y criteria, and what the criteria
// share: the dispatch from soil type to criterion, the node preparation, the soil modulus
// of a curve, the soil-movement load, the slope factor, the accumulated ultimate
// resistance of a layer, and the report and plot writers of the curves printed at the
// user's depths.
//
// Calling a criterion. The caller publishes the layer's first and last node in
// run.i_TopNodeInLayer(j) / run.i_BottomNodeInLayer(j) and run.i_RockLayersAbove, then
// calls the routine with the layer number j. The routine returns at once when the last
// node is before the first (or the layer holds no node). It works on the nodes in order:
//   - analysis mode (run.b_PyOutputPass false): sets rd_NodeEs(i) from the curve at the
//     node's current deflection relative to the soil movement, and rd_NodeLoad(i) when a
//     soil movement profile is present; prints nothing;
//   - output mode (run.b_PyOutputPass true, set only by Py_Curves_At_User_Depths): the
//     "nodes" are the user's depths (rd_NodeDepth(i) = depth i); for each it prints the
//     curve's report block and table and writes its plot records; moduli are unchanged.
// On an error the routine writes its message, sets the run's error number and returns; the
// caller tests run.Status.Has_Error(). Warnings go through Record_Warning.
//
// Curves are not stored: each criterion has one function p(y) of its curve that both
// modes evaluate, so the analysis and the printed curve cannot disagree.
#ifndef TAVIK_PYCURVES_PY_FRAMEWORK_H
#define TAVIK_PYCURVES_PY_FRAMEWORK_H

#include <string>
#include <string_view>

#include "run/run_context.h"

namespace tavik {

// ---- Criteria and their dispatch ----

// A criterion routine: the run and the layer number j (1-based).
using PyCriterion = void (*)(RunContext& run, int j);

// Soft clay (Matlock, J = 0.5) and soft clay with the layer's J.
void PY_SoftClay(RunContext& run, int j);
void PY_SoftClayJ(RunContext& run, int j);
// Stiff clay with free water (Reese, Cox and Koop); stiff clay without free water (Welch and
// Reese) and the same with an initial straight line of slope k z.
void PY_StiffClayFreeWater(RunContext& run, int j);
void PY_StiffClayNoFreeWater(RunContext& run, int j);
void PY_StiffClayNoFreeWaterK(RunContext& run, int j);
// Sand by Reese, Cox and Koop; sand by API RP-2A.
void PY_SandReese(RunContext& run, int j);
void PY_APISand(RunContext& run, int j);
// Liquefied sand by Rollins et al. (2005).
void PY_LiquefiedSand(RunContext& run, int j);
// Weak rock by Reese (1997).
void PY_WeakRock(RunContext& run, int j);
// Strong rock (vuggy limestone), tri-linear with brittle failure; massive rock by Liang et
// al. (2009), hyperbolic with a Hoek-Brown strength envelope.
void PY_VuggyLimestone(RunContext& run, int j);
void PY_MassiveRock(RunContext& run, int j);
// Cemented c-phi silt (sand wedge plus Matlock cohesion, Reese sand curve shape); loess
// from the cone tip resistance, degraded by the number of cycles.
void PY_CementedSilt(RunContext& run, int j);
void PY_Loess(RunContext& run, int j);
// Piedmont residual soil from a field test, elastic subgrade, user-input curves.
void PY_Piedmont(RunContext& run, int j);
void PY_ElasticSubgrade(RunContext& run, int j);
void PY_UserCurves(RunContext& run, int j);

// What the pass over the layers does after a criterion returns (Form_Soil_Moduli):
//   Flag:          stop if the error number is set; flag the layer as below rock when
//                  i_RockLayersAbove > 0.
//   CountThenFlag: i_RockLayersAbove += 1, then Flag (weak rock).
//   FlagThenCount: Flag, then i_RockLayersAbove += 1 (the other rock-type codes).
//   Nothing:       no bookkeeping and no error check (user curves; codes without criterion).
enum class AfterCriterion { Flag, CountThenFlag, FlagThenCount, Nothing };

struct PyCriterionEntry {
  PyCriterion routine = nullptr;  // null: no criterion for this code (or not built yet)
  AfterCriterion after = AfterCriterion::Nothing;
  bool b_OutputAtUserDepths = false;  // called by the output pass at user depths
};

// The entry of a soil type index (1 to 20, the index into the soil type codes); an empty
// entry for any other index. Adding a criterion is one line of the table in py_dispatch.cpp.
const PyCriterionEntry& Py_Criterion_For_Soil_Type(int soil_type_index);

// Vuggy_Limestone_Trial_Moduli: the strong-rock part of the trial moduli of a load case,
// after the trial modulus of every node is set and the deflections are cleared. Every
// strong-rock layer that holds nodes is formed from its p-y curve, with the rock-layer
// bookkeeping, as though it were passed to PY_VuggyLimestone once per node of the pile:
// the moduli are those of one pass (the deflections are zero, so every pass gives the same
// ones), each strength warning is tallied once per node of the pile, i_RockLayersAbove
// grows by one per layer and node, and a layer is flagged as below rock once a rock-type
// layer has been counted before one of its passes. Stops at the first error.
void Vuggy_Limestone_Trial_Moduli(RunContext& run);

// ---- The output pass at user depths ----

// Py_Curves_At_User_Depths: after load case 1 has converged. Sorts the run's
// PyOutputDepths and drops repeated values, writes plot record "Line 6", and calls the
// criterion of every layer that holds output depths in output mode (input error 23, number
// 123, when a depth lies above the ground surface). Restores the regular node depths and
// the node ranges of layers and sections before it returns.
void Py_Curves_At_User_Depths(RunContext& run);

// ---- Node preparation ----

struct PyNodeDepths {
  double soil = 0.0;   // vertical depth in the analysis, depth along the axis in output mode
  double axial = 0.0;  // depth along the axis
  double z = 0.0;      // depth below the ground surface: soil - GroundSurfaceDepth
};
PyNodeDepths Py_Node_Depths(const RunContext& run, int i);

// y = |rd_Y(i) - rd_NodeSoilMove(i)| / ym: the deflection on the unmodified curve.
double Relative_Deflection(const RunContext& run, int i, double ym);

// Secant modulus of the modified curve (ym*y, pm*p): pm*p / (ym*y).
inline double Secant_Modulus(double p, double y, double pm, double ym) {
  return pm * p / (ym * y);
}

// True when a soil movement profile (two points or more) is present.
bool Soil_Movement_Present(const RunContext& run);

// After rd_NodeEs(i) is set, with a soil movement profile: rd_NodeLoad(i) = movement *
// modulus + the distributed load of the node. Nothing without a profile.
void Apply_Soil_Movement_Load(RunContext& run, int i);

// The not-a-number message of a soil modulus ("**** Runtime Error No n ****", ...) to the
// report and the runtime message file, and error number 200 + n stored without a code.
// `criterion_name` is the text after "computed in ".
void Report_Modulus_Not_A_Number(RunContext& run, int runtime_error,
                                 std::string_view criterion_name, int node);

// Slope factor F(y, theta) of the near-surface resistance: 1/(1 + tan|theta|) when the
// deflection and the effective slope have the same sign, cos|theta| * 0.70710677 /
// cos(|theta| + pi/4) when they have opposite signs, 1 otherwise (thresholds 1.0E-20).
double Slope_Factor(double y, double theta);

// The depth z of node i of layer j used by a curve of the criteria with the layering
// correction, from the soil depth x and the true depth zt below the ground. In layers below
// the first, unless a rock-type layer lies above, the equivalent depth of the layer top is
// computed at the layer's first node in the analysis (run.CurrentSoil must then hold the
// node's parameters) and z = x - XLayerTop(j) + rd_LayerEqDepth(j); when layer 1 or 2 ends
// above the pile head, z = x - XLayerTop(1). Otherwise z = zt.
double Layered_Curve_Depth(RunContext& run, int j, int i, double x, double zt);

// The ultimate resistance integrated over layer j (input of the layering correction of the
// layers below): cleared at the layer's first node in analysis mode; at every later node
// (previous + value) * h / 2 is added (h = rd_Increment); at the layer's last node also
// value times the rest of the layer below it, XLayerBottom(j) - rd_NodeDepth(last). Soft
// clay integrates by its own rule; each criterion replaces the sum of layer 1 when the
// ground lies above the pile head.
void Accumulate_Layer_Resistance(RunContext& run, int j, int i, double previous, double value);

// True for layer 1 when the ground surface lies above the pile head (GroundSurfaceDepth <
// -0.00001): the criteria then estimate that layer's integrated resistance over its whole
// thickness instead.
bool Layer_1_Above_Pile_Head(const RunContext& run, int j);

// ---- Report and plot writers (output mode only) ----

// Unit texts composed from the run's trimmed labels.
std::string Unit_Length(const RunContext& run);                       // "in", "m", "L"
std::string Unit_Depth(const RunContext& run);                        // "ft", "m", "L"
std::string Unit_Force_Per_Length(const RunContext& run, int power);  // "lbs/in", "lbs/in**2"
std::string Unit_Force_Per_Foot(const RunContext& run, int power);    // "lbs/ft**2" (depth unit)

// The criterion's title line, preceded by two empty lines.
void Write_Py_Title(RunContext& run, std::string_view title);
// A parameter line: label, tab to column 56, "= ", value in F12.decimals, and " " and the
// unit when the unit is not empty.
void Write_Py_Parameter(RunContext& run, std::string_view label, double value, int decimals,
                        std::string_view unit = {});
// The same in ES12.decimals.
void Write_Py_Scientific_Parameter(RunContext& run, std::string_view label, double value,
                                   int decimals, std::string_view unit = {});
void Write_Py_Integer_Parameter(RunContext& run, std::string_view label, int value);
// A depth: in feet in US customary units (value / 12), as stored otherwise (F12.3).
void Write_Py_Depth_Parameter(RunContext& run, std::string_view label, double depth);
// The common lines: "Soil Layer Number", "Depth below pile head", "Depth below ground
// surface", "Ground Slope Angle", "Pile Batter", "Effective Slope".
void Write_Py_Common_Lines(RunContext& run, int j, double soil_depth, double true_z);
// Empty line, "y, " at column 6 with the length unit, "p, " at column 25 with
// force/length, and the dashes.
void Write_Py_Table_Head(RunContext& run);
// One table row: 3 blanks, y and p each in the 13-column number field of Write_Real.
void Write_Py_Table_Row(RunContext& run, double y, double p);
// Plot record "Line 7": the depth (ES15.7), the number of points (I5), 60 blanks, the
// label and the curve number (I0).
void Write_Py_Plot_Curve(RunContext& run, double depth, int num_points, std::string_view label,
                         int curve_number);
// Plot record "Line 8": y and p (2ES15.7), `blanks` blanks, "Line 8(", the point number
// (I2, or I0 when point_width is 0), "): y, p, for " and the criterion's name.
void Write_Py_Plot_Point(RunContext& run, double y, double p, int point_number,
                         std::string_view name, int blanks = 50, int point_width = 2);

}  // namespace tavik

#endif  // TAVIK_PYCURVES_PY_FRAMEWORK_H
