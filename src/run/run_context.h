// Everything one run owns: the file names, the problem data, the run status, the unit
// labels and the four data files. One context per run, passed explicitly to every routine,
// so that two runs on two threads share nothing. The computing subsystems add their own
// working records here as they are built.
#ifndef TAVIK_RUN_RUN_CONTEXT_H
#define TAVIK_RUN_RUN_CONTEXT_H

#include <cstdio>
#include <string>

#include "input/input_file.h"
#include "run/problem_data.h"
#include "run/run_status.h"
#include "run/text_channel.h"
#include "run/unit_labels.h"

namespace tavik {

// The four data files of a run, by path.
struct RunFiles {
  std::string InputPath;    // input data file (read)
  std::string ReportPath;   // output report (created or replaced)
  std::string PlotPath;     // plot output file
  std::string MessagePath;  // runtime message file
};

struct RunContext {
  RunFiles Files;
  ProblemData Problem;
  RunStatus Status;
  UnitLabels Units;
  InputFile Input;        // the input data file
  TextChannel Report;     // the output report
  TextChannel Plot;       // the plot output file
  TextChannel Messages;   // the runtime message file
  std::FILE* Console = nullptr;  // messages before the files are open; null: standard error
};

// Ends the run on an error: writes to the report two empty lines and "Tavik ended
// prematurely due to input error number " (numbers 1 to 199) or "... runtime error number "
// (any other) followed by the 8-character code, the extra lines of error 125, and stores
// the number in the run status. The caller has written its own message block first and
// returns at once afterwards.
void Terminate_With_Error(RunContext& run, std::string_view code, int number);

// Writes the same text line to the report and the runtime message file.
void Write_Report_And_Messages(RunContext& run, std::string_view text);

}  // namespace tavik

#endif  // TAVIK_RUN_RUN_CONTEXT_H
