#include "echo/echo_blocks.h"
#include "input/input_checks.h"

namespace tavik {

namespace {
constexpr int kOptionsIndent = 31;
constexpr std::string_view kUserPyCode = "User p-y";

bool Any_User_Py_Layer(const ProblemData& problem) {
  const int layers = Within_Capacity(problem.i_Number_of_Layers, kMaxLayers);
  for (int j = 0; j < layers; ++j) {
    if (Layer_Code(problem.Layers[j]) == kUserPyCode) return true;
  }
  return false;
}

// The computation options: one line, or a pair, for each choice.
void Echo_Computation_Options(RunContext& run) {
  const ProblemData& problem = run.Problem;
  const AnalysisOptions& options = problem.Options;
  TextChannel& report = run.Report;
  report.Write_Line("Computation Options:");
  report.Write_Line(Any_User_Py_Layer(problem)
                        ? "- User-specified p-y curves used in analysis"
                        : "- Only internally-generated p-y curves used in analysis");
  report.Write_Line(
      problem.PyModifiers.NumPoints > 0
          ? "- Analysis uses p-y multiplers for group action"
          : "- Analysis does not use p-y multipliers (individual pile or shaft action only)");
  report.Write_Line(problem.TipShear.NumPoints > 0
                        ? "- Analysis uses tip shear resistance for short pile or shaft"
                        : "- Analysis assumes no shear resistance at pile tip");
  if (problem.KYL != 0) {
    report.Write_Line("- Analysis includes automatic computation of pile-top deflection vs.");
    report.Write_Line("  pile embedment length");
  } else {
    report.Write_Line("- Analysis for fixed-length pile or shaft only");
  }
  report.Write_Line(options.ComputeKmatrix
                        ? "- Analysis includes computation of foundation stiffness matrix elements"
                        : "- No computation of foundation stiffness matrix elements");
  if (options.PrintSummaryOnly) {
    report.Write_Line("- Output summary table of values for pile-head deflection, maximum");
    report.Write_Line("  bending moment, and shear force only");
  } else {
    report.Write_Line("- Output pile response for full length of pile");
  }
  report.Write_Line(options.UseSoilMovement
                        ? "- Analysis includes effects of soil movement on pile response"
                        : "- Analysis assumes no soil movements acting on pile");
  report.Write_Line(options.PrintPYCurves
                        ? "- p-y curves computed and output for user-specified depths"
                        : "- No p-y curves to be computed and output for user-specified depths");
  report.Empty_Lines(1);
}

// The solution controls, then the reset of a convergence tolerance of 0 or less.
void Echo_Solution_Controls(RunContext& run) {
  const AnalysisOptions& options = run.Problem.Options;
  TextChannel& report = run.Report;
  report.Write_Line("Solution Control Parameters:");
  Labelled(report, "- Number of pile increments").I(options.NumIncrements, 12);
  report.End_Line();
  Labelled(report, "- Maximum number of iterations allowed").I(options.MaxIterations, 12);
  report.End_Line();
  Unit(Labelled(report, "- Deflection tolerance for convergence")
           .ES(options.ConvergenceTolerance, 12, 4),
       run.Units.c_UnitLength);
  report.End_Line();
  Unit(Labelled(report, "- Maximum allowable deflection").F(options.ExcessDeflectionLimit, 12, 4),
       run.Units.c_UnitLength);
  report.End_Line();
  report.Empty_Lines(1);
  Reset_Convergence_Tolerance(run);
}

void Echo_Output_Options(RunContext& run) {
  const AnalysisOptions& options = run.Problem.Options;
  TextChannel& report = run.Report;
  report.Write_Line("Pile Response Output Options:");
  if (options.PrintSummaryOnly) {
    report.Write_Line("- Only summary tables of pile-head deflection, maximum bending moment,");
    report.Write_Line("  and maximum shear force are to be written to output report file.");
  } else {
    report.Write_Line("- Values of pile-head deflection, bending moment, shear force, and ");
    report.Write_Line("  soil reaction are printed for full length of pile.");
    Labelled(report, "- Printing Increment (nodal spacing of output points)")
        .I(options.PrintIncrement, 0);
    report.End_Line();
  }
  report.Empty_Lines(2);
}
}  // namespace

// Echo_Program_Options: reads IUNITS, ICOM, the options, the layer codes (user p-y curves),
// the counts of the p-y modifier and tip shear tables and KYL. Writes the heading "Program
// Options", the units sentence, "Basic Program Options:" and, by ICOM, either the
// stiffness-only sentence (and nothing more: the echo ends there) or the full-analysis
// sentence followed by the computation options, the solution controls and the output
// options. A convergence tolerance of 0 or less is reset after the solution controls.
void Echo_Program_Options(RunContext& run) {
  TextChannel& report = run.Report;
  Write_Heading(report, "Program Options", kOptionsIndent);
  switch (run.Problem.IUNITS) {
    case kUnitsUSCustomary:
      report.Write_Line("Engineering units are US Customary Units: pounds, inches, feet");
      break;
    case kUnitsSI:
      report.Write_Line("Engineering units are SI Units: kilonewtons, meters, millimeters");
      break;
    default:
      report.Write_Line("Engineering units are Generic Units: force, length");
      break;
  }
  report.Empty_Lines(1);
  report.Write_Line("Basic Program Options:");
  report.Empty_Lines(1);
  if (run.Problem.Options.ICOM == kComputeEIOnly) {
    report.Write_Line(
        "This analysis computes nominal moment capacity and nonlinear bending stiffness only");
    report.Empty_Lines(1);
    return;
  }
  report.Write_Line(
      "This analysis computes pile response to lateral loading and will compute nonlinear ");
  report.Write_Line("moment-curvature and nominal moment capacity for selected section types.");
  report.Empty_Lines(1);
  Echo_Computation_Options(run);
  Echo_Solution_Controls(run);
  Echo_Output_Options(run);
}

}  // namespace tavik
