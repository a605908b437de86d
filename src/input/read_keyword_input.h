// The reader of the keyword input format ("TAVIKP6"): reads every block up to "END" into
// the run's problem data.
#ifndef TAVIK_INPUT_READ_KEYWORD_INPUT_H
#define TAVIK_INPUT_READ_KEYWORD_INPUT_H

#include "run/run_context.h"

namespace tavik {

// Reads from the line after the format word to the "END" line and fills run.Problem; on an
// error it has ended the run through Terminate_With_Error and returns at once.
void Read_Keyword_Input(RunContext& run);

}  // namespace tavik

#endif  // TAVIK_INPUT_READ_KEYWORD_INPUT_H
