// The input echo: every input block written back to the report, with the whole-input checks
// in their places.
#ifndef TAVIK_ECHO_ECHO_INPUT_H
#define TAVIK_ECHO_ECHO_INPUT_H

#include "run/run_context.h"

namespace tavik {

// Writes the echo of run.Problem to the report (values as entered, before the conversion to
// internal units) and runs the input checks; an input error ends the run there.
void Echo_Input(RunContext& run);

}  // namespace tavik

#endif  // TAVIK_ECHO_ECHO_INPUT_H
