#include "echo/echo_blocks.h"
#include "input/input_file.h"

namespace tavik {

namespace {
constexpr int kTitleIndent = 32;
constexpr int kEmptyLinesAfterHead = 2;  // between the date of the report head and the title
}  // namespace

// Echo_Title: reads the five title lines; writes two empty lines, the heading "Problem
// Title", an empty line, the five lines as 256-character records (blank-padded, as the
// input holds them) and an empty line.
void Echo_Title(RunContext& run) {
  TextChannel& report = run.Report;
  report.Empty_Lines(kEmptyLinesAfterHead);
  Write_Heading(report, "Problem Title", kTitleIndent);
  report.Empty_Lines(1);
  for (const std::string& line : run.Problem.Title) report.Write_Line(Padded_Line(line));
  report.Empty_Lines(1);
}

}  // namespace tavik
