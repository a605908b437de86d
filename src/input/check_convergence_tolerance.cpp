#include "input/input_checks.h"

namespace tavik {

namespace {
// The tolerances put in place of one of 0 or less: 1.0E-6 inches (US customary), and
// 2.54E-8, announced in metres, for every other units system.
constexpr double kResetToleranceInches = 1.0e-6;
constexpr double kResetToleranceMeters = 2.54e-8;
}  // namespace

// Reset_Convergence_Tolerance: reads run.Problem.Options.ConvergenceTolerance (a length in
// the section-dimension unit) and IUNITS. A tolerance of 0 or less, which only general units
// let through the options reader, is replaced and the report receives "(Specified
// convergence tolerance of 0 reset by program to", the new value (ES11.4) and " inches)" or
// " meters)", then an empty line. Never an error.
void Reset_Convergence_Tolerance(RunContext& run) {
  AnalysisOptions& options = run.Problem.Options;
  if (options.ConvergenceTolerance > 0.0) return;
  const bool us_customary = run.Problem.IUNITS == kUnitsUSCustomary;
  options.ConvergenceTolerance = us_customary ? kResetToleranceInches : kResetToleranceMeters;
  run.Report.Line()
      .A("(Specified convergence tolerance of 0 reset by program to")
      .ES(options.ConvergenceTolerance, 11, 4)
      .A(us_customary ? " inches)" : " meters)");
  run.Report.End_Line();
  run.Report.Empty_Lines(1);
}

}  // namespace tavik
