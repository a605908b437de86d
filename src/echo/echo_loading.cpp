#include "echo/echo_blocks.h"
#include "input/input_checks.h"

namespace tavik {

namespace {
constexpr int kEmptyLinesBefore = 2;
constexpr int kCyclicIndent = 34;
constexpr int kStaticIndent = 33;
}  // namespace

// Echo_Loading_Type: reads Options.Cyclic and Options.NumCycles. Writes the heading "Loading
// Type" and the static or cyclic sentence; with cyclic loading also the number of cycles
// (truncated to an integer) and then the number-of-cycles check (input error 28).
void Echo_Loading_Type(RunContext& run) {
  const AnalysisOptions& options = run.Problem.Options;
  TextChannel& report = run.Report;
  report.Empty_Lines(kEmptyLinesBefore);
  if (options.Cyclic) {
    Write_Heading(report, "Loading Type", kCyclicIndent);
    report.Empty_Lines(1);
    report.Write_Line(
        "Cyclic loading criteria were used for computation of p-y curves for all analyses.");
    report.Empty_Lines(1);
    report.Line().A("Number of cycles of loading = ").I(Truncated_Cycles(options.NumCycles), 0);
    report.End_Line();
    Check_Number_Of_Cycles(run);
  } else {
    Write_Heading(report, "Loading Type", kStaticIndent);
    report.Empty_Lines(1);
    report.Write_Line(
        "Static loading criteria were used when computing p-y curves for all analyses.");
  }
}

}  // namespace tavik
