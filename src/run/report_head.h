// The head of the report (banner, files used, date and time) and the plot-file head
// records "Line 1" and "Line 2".
#ifndef TAVIK_RUN_REPORT_HEAD_H
#define TAVIK_RUN_REPORT_HEAD_H

#include <string>

#include "run/run_context.h"

namespace tavik {

// Local date and time of the analysis, as printed in the report head.
struct AnalysisTime {
  int Year = 0;
  int Month = 1;  // 1 to 12
  int Day = 1;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
};

AnalysisTime Local_Time_Now();

// The directory part (with its trailing separator) and the name part of a path after it is
// made absolute; both empty when the path cannot be made absolute.
struct PathParts {
  std::string Directory;
  std::string Name;
};
PathParts Split_Path(const std::string& path);

// Writes the banner, the files used and the date and time of the analysis to the report.
void Write_Report_Head(RunContext& run, const AnalysisTime& when);

// Plot record "Line 1": ICOM, IUNITS, KYL, KXX.
void Write_Plot_Line1(RunContext& run);
// Plot record "Line 2": the number of pile sections.
void Write_Plot_Line2(RunContext& run);

}  // namespace tavik

#endif  // TAVIK_RUN_REPORT_HEAD_H
