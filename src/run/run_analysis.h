// The run sequence: one complete analysis from its four data files to its status.
#ifndef TAVIK_RUN_RUN_ANALYSIS_H
#define TAVIK_RUN_RUN_ANALYSIS_H

#include "run/run_context.h"

namespace tavik {

// Runs the analysis whose files are named in run.Files: opens the four files, reads and
// echoes the input, computes, writes the closing lines and the warning summary, closes the
// files. The outcome is in run.Status; Run_Return_Value gives the status a host receives.
void Run_With_Files(RunContext& run);

// The same run on files already open (the input data file in run.Input, the three output
// channels; a channel left closed drops what is written to it), which stay open.
void Run_With_Open_Files(RunContext& run);

// Step 7 of a run: reads the format word and hands the file to its reader. Only the keyword
// format "TAVIKP6" is read; the older positional formats are refused with input error 99.
void Read_Input_Data(RunContext& run);

// Ends the run with internal error 999 and a message naming a stage this build cannot do.
void Stage_Not_Built(RunContext& run, std::string_view what);

}  // namespace tavik

#endif  // TAVIK_RUN_RUN_ANALYSIS_H
