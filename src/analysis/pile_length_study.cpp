#include "analysis/pile_length_study.h"

#include <cmath>
#include <string>
#include <string_view>

#include "analysis/analyse_load_cases.h"
#include "analysis/solve_beam_column.h"
#include "profile/pile_discretisation.h"
#include "run/report_writers.h"

namespace tavik {

namespace {
// The step of the trial lengths as a fraction of the input length, a single-precision
// constant: the trial factors 1 - 0.05 k are formed in single precision.
constexpr float kLengthStep = 0.05f;
constexpr int kLengthWidth = 10;
constexpr int kValueWidth = 14;

// Trial length k (0 .. 19) of a pile of input length L0.
double Trial_Length(int k, double full_length) {
  const float factor = 1.0f - kLengthStep * static_cast<float>(k);
  return static_cast<double>(factor) * full_length;
}

// A trial pile is analysed only when its tip reaches 5 % of the input length below the
// ground surface (a vertical depth, like the tip's), so that at least two increments lie
// in the soil: a shorter pile has no soil, or a single spring, to hold it and its system
// of equations is singular.
bool Reaches_Into_Soil(const RunContext& run, double length, double full_length) {
  const double tip_depth = length * std::cos(run.Problem.PileBatterAngle);
  return tip_depth >=
         static_cast<double>(kLengthStep) * full_length + run.Problem.GroundSurfaceDepth;
}

// The converged trial pile as a point of the curve: the response of every node gives the
// largest moment and shear.
void Record_Point(RunContext& run, LengthStudyCurve& curve) {
  Reset_Response_Maxima(run);
  for (int i = 1; i <= run.Nodes.i_Num_Nodes; ++i) Node_Response(run, i);
  LengthStudyPoint& point = curve.Points[curve.NumPoints];
  point.PileLength = run.Nodes.rd_PileLength;
  point.HeadDeflection = run.Nodes.rd_Y[1];
  point.MaxMoment = run.Analysis.Maxima.Moment;
  point.MaxShear = run.Analysis.Maxima.Shear;
  ++curve.NumPoints;
}

// The trial lengths of load case j, longest first. False when an error was raised.
bool Analyse_Trial_Lengths(RunContext& run, int j, LengthStudyCurve& curve) {
  const LoadCase& load_case = run.Problem.LoadCases[j - 1];
  const AnalysisOptions& options = run.Problem.Options;
  const double full_length = run.Analysis.SavedPileLength;
  for (int k = 0; k < kLengthStudyTrials; ++k) {
    const double length = Trial_Length(k, full_length);
    if (!Reaches_Into_Soil(run, length, full_length)) continue;
    run.Nodes.rd_PileLength = length;
    Discretise_Pile(run);
    if (run.Status.Has_Error()) return false;
    const IterationOutcome outcome = Solve_Case(run, load_case, j, false);
    if (outcome == IterationOutcome::kError) return false;
    if (outcome != IterationOutcome::kConverged) return true;
    if (std::fabs(run.Nodes.rd_Y[1]) <= options.ExcessDeflectionLimit &&
        std::fabs(run.Analysis.dYmax) < options.ConvergenceTolerance) {
      Record_Point(run, curve);
    }
  }
  return true;
}

// The conditions of load case j, in the run's units.
void Write_Study_Conditions(RunContext& run, const LoadCase& load) {
  TextChannel& out = run.Report;
  const std::string_view force = Trimmed(run.Units.c_UnitForce3);
  const std::string_view length = Trimmed(run.Units.c_UnitLength);
  const std::string moment = Length_Force_Moment_Unit(run.Units);
  const auto Shear = [&] {
    out.Line().A("Shear      = ").F(load.Condition1, 15, 0).A(" ").A(force);
    out.End_Line();
  };
  const auto Deflection = [&] {
    out.Line().A("Deflection = ").F(load.Condition1, 15, 5).A(" ").A(length);
    out.End_Line();
  };
  const auto Moment = [&] {
    out.Line().A("Moment     = ").F(load.Condition2, 15, 0).A(" ").A(moment);
    out.End_Line();
  };
  const auto Slope = [&] {
    out.Line().A("Slope      = ").F(load.Condition2, 15, 5);
    out.End_Line();
  };
  switch (load.LoadType) {
    case kLoadShearMoment:
      out.Write_Line("Boundary Condition Type 1, Shear and Moment");
      out.Empty_Lines(1);
      Shear();
      Moment();
      break;
    case kLoadShearSlope:
      out.Write_Line("Boundary Condition Type 2, Shear and Slope");
      out.Empty_Lines(1);
      Shear();
      Slope();
      break;
    case kLoadShearRotStiffness:
      out.Write_Line("Boundary Condition Type 3, Shear and Rotational Restraint");
      out.Empty_Lines(1);
      Shear();
      out.Line().A("Rot. Rest. = ").ES(load.Condition2, 15, 7).A(" ").A(moment).A("/Radian");
      out.End_Line();
      break;
    case kLoadDeflectionMoment:
      out.Write_Line("Boundary Condition Type 4, Deflection and Moment");
      out.Empty_Lines(1);
      Deflection();
      Moment();
      break;
    case kLoadDeflectionSlope:
      out.Write_Line("Boundary Condition Type 5, Deflection and Slope");
      out.Empty_Lines(1);
      Deflection();
      Slope();
      break;
    default:
      return;  // no block for a load type outside 1 to 5
  }
  out.Line().A("Axial Load = ").F(load.AxialThrust, 15, 0).A(" ").A(force);
  out.End_Line();
}

void Write_Line11(RunContext& run, int j, int num_points) {
  run.Plot.Line()
      .I(num_points, 5)
      .X(75)
      .A("Line 11: Num. points on Ytop vs. pile length curve for load case ")
      .I(j, 0);
  run.Plot.End_Line();
}

void Write_Study_Results(RunContext& run, int j, const LengthStudyCurve& curve) {
  TextChannel& out = run.Report;
  out.Empty_Lines(2);
  out.Rule('-');
  out.Line().A("            Pile-head Deflection vs. Pile Length for Load Case ").I(j, 0);
  out.End_Line();
  out.Rule('-');
  out.Empty_Lines(1);
  Write_Study_Conditions(run, run.Problem.LoadCases[j - 1]);
  out.Empty_Lines(2);
  if (curve.NumPoints == 0) {
    out.Write_Line(
        "No computations for top deflection vs. pile length were successful for this load "
        "case.");
    out.Empty_Lines(1);
    out.Write_Line("Results of last two iterations:");
    out.Empty_Lines(1);
    Write_Line11(run, j, 0);
    return;
  }
  out.Write_Line("   Pile       Pile Head       Maximum      Maximum");
  out.Write_Line("  Length      Deflection      Moment        Shear ");
  out.Write_Line(run.Problem.IUNITS == kUnitsUSCustomary
                     ? "  inches        inches        ln-lbs          lbs "
                     : "  meters        meters         kN-m           kN  ");
  out.Write_Line("-----------  ------------  ------------  ------------");
  for (int p = 0; p < curve.NumPoints; ++p) {
    const LengthStudyPoint& point = curve.Points[p];
    Write_Real(out, point.PileLength, kLengthWidth);
    for (double value : {point.HeadDeflection, point.MaxMoment, point.MaxShear}) {
      Write_Real(out, value, kValueWidth);
    }
    out.End_Line();
  }
  Write_Line11(run, j, curve.NumPoints);
  for (int p = 0; p < curve.NumPoints; ++p) {
    const LengthStudyPoint& point = curve.Points[p];
    run.Plot.Line()
        .ES(point.PileLength, 15, 7)
        .ES(point.HeadDeflection, 15, 7)
        .ES(point.MaxMoment, 15, 7)
        .ES(point.MaxShear, 15, 7)
        .X(20)
        .A("Line 12: pile length, Ytop, Mmax, Vmax");
    run.Plot.End_Line();
  }
}
}  // namespace

void Pile_Length_Study(RunContext& run, int j) {
  LateralAnalysisState& state = run.Analysis;
  LengthStudyCurve& curve = state.LengthStudies[j];
  curve = LengthStudyCurve{};
  // The trial piles belong to no load case: the per-section maxima of case j stay as its
  // results left them.
  state.CurrentCase = 0;
  const bool completed = Analyse_Trial_Lengths(run, j, curve);
  state.CurrentCase = j;
  // The input pile again, for the later load cases and the stiffness matrix.
  if (!run.Status.Has_Error()) {
    run.Nodes.rd_PileLength = state.SavedPileLength;
    Discretise_Pile(run);
  }
  if (!completed || run.Status.Has_Error()) return;
  Write_Study_Results(run, j, curve);
}

}  // namespace tavik
