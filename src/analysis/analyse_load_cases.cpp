#include "analysis/analyse_load_cases.h"

#include <cmath>

#include "analysis/form_soil_moduli.h"
#include "analysis/head_stiffness_matrix.h"
#include "analysis/load_case_report.h"
#include "analysis/nonlinear_ei.h"
#include "analysis/pile_length_study.h"
#include "analysis/response_summary.h"
#include "analysis/solve_beam_column.h"
#include "lrfd/lrfd.h"
#include "profile/pile_discretisation.h"
#include "pycurves/py_framework.h"
#include "pycurves/soil_type_codes.h"
#include "run/run_analysis.h"

namespace tavik {

namespace {
// Trial soil modulus of the nodes at or below the ground surface, in the run's force and
// length units.
constexpr double kTrialSoilModulus = 50000.0;
// A case converges only after at least this many iterations.
constexpr int kMinimumIterations = 6;
// The excess-deflection test starts after this many iterations.
constexpr int kExcessDeflectionAfter = 10;
// The report receives the progress lines of the last iterations before the limit.
constexpr int kReportedLastIterations = 5;
constexpr int kProgressIterationColumn = 20;
constexpr int kProgressDeflectionColumn = 36;
constexpr int kReportDeflectionColumn = 16;
constexpr int kExcessDeflectionError = 9;
constexpr int kNoConvergenceError = 10;
constexpr int kNotANumberError = 228;

bool Uses_Nonlinear_EI(const RunContext& run) {
  return run.Problem.Options.ICOM > kComputeEIOnly;
}

// Runtime error 28 (report only, no message code).
void Report_Not_A_Number(RunContext& run, int iteration) {
  run.Report.Write_Line("**** Runtime Error No. 28 ****");
  run.Report.Empty_Lines(1);
  run.Report.Line()
      .A("Either top deflection or maximum change in deflection is not a number after "
         "iteration ")
      .I(iteration, 0);
  run.Report.End_Line();
  Store_Error_Number(run.Status, kNotANumberError);
}

// Runtime error 9: the report block, a shorter copy to the run-message file.
void Report_Excess_Deflection(RunContext& run) {
  const double deflection = run.Nodes.rd_Y[1];
  const double limit = run.Problem.Options.ExcessDeflectionLimit;
  const std::string_view unit = run.Units.c_UnitLength;
  for (TextChannel* out : {&run.Report, &run.Messages}) {
    const bool report = out == &run.Report;
    out->Empty_Lines(2);
    out->Write_Line("**** Runtime Error No. 9 ****");
    out->Empty_Lines(1);
    out->Write_Line("An error in the analysis was detected by the program.  ");
    out->Empty_Lines(1);
    out->Write_Line(
        "Problem:  The computed deflection is larger than the specified excess deflection "
        "limit.");
    out->Empty_Lines(1);
    out->Line()
        .A("The computed deflection of the pile head is ")
        .ES(deflection, 12, 4)
        .A(" ")
        .A(unit);
    out->End_Line();
    if (report) out->Empty_Lines(1);
    out->Line().A("The specified excess deflection limit is    ").ES(limit, 12, 4).A(" ").A(unit);
    out->End_Line();
    out->Empty_Lines(1);
    out->Write_Line("This error may be due to overloading the pile or bad input data.");
    out->Empty_Lines(report ? 2 : 1);
    out->Write_Line("Solution:");
    if (report) out->Empty_Lines(1);
    out->Write_Line(
        "Please check input values for pile loading and soil properties for accuracy and/or ");
    out->Write_Line("increase the size of the pile if necessary.");
  }
  Terminate_With_Error(run, Runtime_Error_Code(kExcessDeflectionError),
                       200 + kExcessDeflectionError);
}

// Runtime error 10 (report only).
void Report_No_Convergence(RunContext& run) {
  const AnalysisOptions& options = run.Problem.Options;
  const std::string_view unit = Trimmed(run.Units.c_UnitLength);
  TextChannel& out = run.Report;
  out.Empty_Lines(2);
  out.Write_Line("**** Runtime Error No. 10 ****");
  out.Empty_Lines(1);
  out.Line()
      .A("The analysis failed to converge within the limit of ")
      .I(options.MaxIterations, 0)
      .A(" iterations.");
  out.End_Line();
  out.Empty_Lines(1);
  out.Line().A("Maximum change in deflection    = ").ES(run.Analysis.dYmax, 10, 3).A(" ").A(unit);
  out.End_Line();
  out.Empty_Lines(1);
  out.Line()
      .A("Specified convergence tolerance = ")
      .ES(options.ConvergenceTolerance, 10, 3)
      .A(" ")
      .A(unit);
  out.End_Line();
  out.Empty_Lines(1);
  Terminate_With_Error(run, Runtime_Error_Code(kNoConvergenceError), 200 + kNoConvergenceError);
}

void Write_Progress_Lines(RunContext& run, int case_number, int iteration) {
  const double y1 = run.Nodes.rd_Y[1];
  const double dy = run.Analysis.dYmax;
  run.Messages.Line()
      .A("Analysis Case ")
      .I(case_number, 0)
      .A(",")
      .T(kProgressIterationColumn)
      .A("Iteration ")
      .I(iteration, 0)
      .A(",")
      .T(kProgressDeflectionColumn)
      .A("Y(top) = ")
      .ES(y1, 12, 4)
      .A(", dYmax = ")
      .ES(dy, 12, 4);
  run.Messages.End_Line();
  if (iteration > run.Problem.Options.MaxIterations - kReportedLastIterations) {
    run.Report.Line()
        .A("Iteration ")
        .I(iteration, 0)
        .A(",")
        .T(kReportDeflectionColumn)
        .A(" Y(top) = ")
        .ES(y1, 12, 4)
        .A(", dYmax = ")
        .ES(dy, 12, 4);
    run.Report.End_Line();
  }
}

// The nonlinear EI for the thrust of the case in force.
void Update_EI_For_Case(RunContext& run) {
  if (!Uses_Nonlinear_EI(run)) return;
  Choose_Thrust_Index(run);
  Update_Nonlinear_EI(run);
}

// Load case 1: the p-y curves at the user's depths (Line 6 record with 0 when there are
// none). Skipped after a failure to converge.
void Write_User_Depth_Curves(RunContext& run, bool converged) {
  LateralAnalysisState& state = run.Analysis;
  if (state.SavedNumPyOutputDepths == 0) {
    run.Plot.Line().I(0, 5).X(75).A("Line 6 : number of output p-y curves");
    run.Plot.End_Line();
    return;
  }
  if (!converged) return;
  run.Problem.NumPyOutputDepths = state.SavedNumPyOutputDepths;
  Py_Curves_At_User_Depths(run);
  run.Problem.NumPyOutputDepths = 0;
}
}  // namespace

void Clear_Deflections(PileNodes& nodes) {
  nodes.rd_Y.fill(0.0);
  nodes.rd_Y0 = 0.0;
  nodes.rd_Ym1 = 0.0;
}

void Set_Trial_Soil_Moduli(RunContext& run) {
  PileNodes& nodes = run.Nodes;
  const ProblemData& problem = run.Problem;
  for (int i = 1; i <= nodes.i_Num_Nodes; ++i) {
    nodes.rd_NodeEs[i] =
        nodes.rd_NodeVertDepth[i] >= problem.GroundSurfaceDepth ? kTrialSoilModulus : 0.0;
  }
  // Strong-rock layers take the moduli of their p-y curves, as if formed once per node.
  Vuggy_Limestone_Trial_Moduli(run);
}

void Set_Head_Conditions(RunContext& run, const LoadCase& load_case) {
  HeadConditions head;
  head.LoadType = load_case.LoadType;
  head.AxialThrust = load_case.AxialThrust;
  switch (load_case.LoadType) {
    case kLoadShearMoment:
      head.Shear = load_case.Condition1;
      head.Moment = load_case.Condition2;
      break;
    case kLoadShearSlope:
      head.Shear = load_case.Condition1;
      head.Slope = load_case.Condition2;
      break;
    case kLoadShearRotStiffness:
      head.Shear = load_case.Condition1;
      head.RotationalStiffness = load_case.Condition2;
      break;
    case kLoadDeflectionMoment:
      head.Deflection = load_case.Condition1;
      head.Moment = load_case.Condition2;
      break;
    case kLoadDeflectionSlope:
      head.Deflection = load_case.Condition1;
      head.Slope = load_case.Condition2;
      break;
    default:
      break;
  }
  run.Analysis.Head = head;
  run.Analysis.TipShear = 0.0;
}

IterationOutcome Iterate_Load_Case(RunContext& run, int case_number, bool check_thin_layers) {
  LateralAnalysisState& state = run.Analysis;
  const AnalysisOptions& options = run.Problem.Options;
  for (int iteration = 1; iteration <= options.MaxIterations; ++iteration) {
    state.Iteration = iteration;
    Reset_Response_Maxima(run);
    Solve_Beam_Column(run);
    if (run.Status.Has_Error()) return IterationOutcome::kError;
    const double y1 = run.Nodes.rd_Y[1];
    if (std::isnan(y1) || std::isnan(state.dYmax)) {
      Report_Not_A_Number(run, iteration);
      return IterationOutcome::kError;
    }
    Write_Progress_Lines(run, case_number, iteration);
    if (state.dYmax <= options.ConvergenceTolerance) {
      if (iteration >= kMinimumIterations) return IterationOutcome::kConverged;
    } else if (iteration > kExcessDeflectionAfter &&
               std::fabs(y1) >= options.ExcessDeflectionLimit) {
      return IterationOutcome::kExcessDeflection;
    }
    Form_Soil_Moduli(run, check_thin_layers && iteration == 1);
    if (run.Status.Has_Error()) return IterationOutcome::kError;
    Update_EI_For_Case(run);
    if (run.Status.Has_Error()) return IterationOutcome::kError;
  }
  return IterationOutcome::kNotConverged;
}

IterationOutcome Solve_Case(RunContext& run, const LoadCase& load_case, int case_number,
                            bool check_thin_layers) {
  run.Analysis.Iteration = 0;
  Clear_Deflections(run.Nodes);
  Set_Trial_Soil_Moduli(run);
  if (run.Status.Has_Error()) return IterationOutcome::kError;
  Set_Head_Conditions(run, load_case);
  Update_EI_For_Case(run);
  if (run.Status.Has_Error()) return IterationOutcome::kError;
  return Iterate_Load_Case(run, case_number, check_thin_layers);
}

void Analyse_Load_Case(RunContext& run, int c) {
  LateralAnalysisState& state = run.Analysis;
  ProblemData& problem = run.Problem;
  const bool lrfd = problem.Options.UseLRFD;
  // With LRFD the case is factored combination c, solved as load type 1 with its factored
  // shear, moment and axial force, and loaded along the pile by its factored load groups.
  const LoadCase load_case = lrfd ? LoadCase{kLoadShearMoment, run.Lrfd.Shear[c],
                                             run.Lrfd.Moment[c], run.Lrfd.Axial[c], false}
                                  : problem.LoadCases[c - 1];
  state.b_StiffnessMatrixMode = false;
  state.CurrentCase = c;
  run.Nodes.rd_PileLength = state.SavedPileLength;
  Discretise_Pile(run);
  if (run.Status.Has_Error()) return;
  if (lrfd) {
    for (int i = 1; i <= run.Nodes.i_Num_Nodes; ++i) {
      run.Nodes.rd_NodeLoad[i] = LRFD_Node_Load(run, i, c);
    }
  }
  run.Messages.Line().A("Computing lateral response of pile for load number ").I(c, 0);
  run.Messages.End_Line();
  Clear_Warning_Tallies(run.Status);
  LoadCaseSummary& kept = state.Cases[c];
  kept = LoadCaseSummary{};
  kept.LoadType = load_case.LoadType;
  kept.Condition1 = load_case.Condition1;
  kept.Condition2 = load_case.Condition2;
  kept.AxialThrust = load_case.AxialThrust;

  const IterationOutcome outcome = Solve_Case(run, load_case, c, true);
  kept.Iterations = state.Iteration;
  switch (outcome) {
    case IterationOutcome::kError:
      return;
    case IterationOutcome::kExcessDeflection:
      Report_Excess_Deflection(run);
      return;
    case IterationOutcome::kNotConverged:
      Report_No_Convergence(run);
      // A case with a prescribed head deflection and moment still has its results written.
      if (load_case.LoadType != kLoadDeflectionMoment) return;
      break;
    case IterationOutcome::kConverged:
      break;
  }
  const bool converged = outcome == IterationOutcome::kConverged;
  if (converged) run.Messages.Write_Line("Convergence Criteria Met");
  if (c == 1) {
    Write_User_Depth_Curves(run, converged);
    if (run.Status.Has_Error() && converged) return;
  }
  state.SectionMax[c] = {};
  Write_Load_Case_Results(run, c);
  if (!converged || run.Status.Has_Error()) return;

  if (load_case.b_PileLengthStudy && !lrfd) {
    run.Messages.Line()
        .A("Computing top deflection vs. pile embedment length for load case ")
        .I(c, 0)
        .A(".");
    run.Messages.End_Line();
    Pile_Length_Study(run, c);
    if (run.Status.Has_Error()) return;
  } else {
    run.Plot.Line()
        .I(0, 5)
        .X(75)
        .A(lrfd ? "Line 11: Num. points on Ytop vs. Length curve for LRFD load case "
                : "Line 11: Num. points on Ytop vs. Length curve for load case ")
        .I(c, 0);
    run.Plot.End_Line();
  }
  run.Messages.Line().A("Completed Analysis ").I(c, 0);
  run.Messages.End_Line();
  run.Messages.Empty_Lines(1);
}

void Analyse_Load_Cases(RunContext& run) {
  ProblemData& problem = run.Problem;
  LateralAnalysisState& state = run.Analysis;
  // With LRFD the cases are the factored combinations.
  state.NumLoadCases = problem.Options.UseLRFD ? problem.NumLrfdCombinations : problem.NumLoadCases;
  state.SavedNumPyOutputDepths = problem.NumPyOutputDepths;
  problem.NumPyOutputDepths = 0;
  state.SavedPileLength = run.Nodes.rd_PileLength;
  for (int c = 1; c <= state.NumLoadCases && !run.Status.Has_Error(); ++c) {
    Analyse_Load_Case(run, c);
  }
  problem.NumPyOutputDepths = state.SavedNumPyOutputDepths;
  if (run.Status.Has_Error()) return;
  Write_Response_Summary(run);
  if (problem.Options.ComputeKmatrix) {
    run.Messages.Write_Line("Computing pile-head stiffness matrix components.");
    run.Messages.Empty_Lines(1);
    Compute_Head_Stiffness_Matrix(run);
  }
}

}  // namespace tavik
