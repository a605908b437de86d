#include "run/run_context.h"

namespace tavik {

namespace {
constexpr int kEmptyInputError = 125;
constexpr int kLastInputErrorNumber = 199;
}  // namespace

void Terminate_With_Error(RunContext& run, std::string_view code, int number) {
  TextChannel& report = run.Report;
  report.Empty_Lines(2);
  if (number >= 1 && number <= kLastInputErrorNumber) {
    report.Line().A("Tavik ended prematurely due to input error number ").A(code);
  } else {
    report.Line().A("Tavik ended prematurely due to runtime error number ").A(code);
  }
  report.End_Line();
  if (number == kEmptyInputError) {
    report.Empty_Lines(1);
    report.Write_Line("**** Input Data Error No. 25 ****");
    report.Empty_Lines(1);
    report.Write_Line("Length of input file is 0 bytes.  No analysis can be performed.");
  }
  if (!run.Status.Has_Error()) run.Status.ErrorCode = code;
  Store_Error_Number(run.Status, number);
}

void Write_Report_And_Messages(RunContext& run, std::string_view text) {
  run.Report.Write_Line(text);
  run.Messages.Write_Line(text);
}

}  // namespace tavik
