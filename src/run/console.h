// Messages that arise before the output files are open (the file-name handoff) go to the
// console's error stream of the run.
#ifndef TAVIK_RUN_CONSOLE_H
#define TAVIK_RUN_CONSOLE_H

#include <string_view>

#include "run/run_context.h"

namespace tavik {

// Writes one line to the run's console stream (standard error unless a caller redirects it).
void Write_Console(RunContext& run, std::string_view text);

}  // namespace tavik

#endif  // TAVIK_RUN_CONSOLE_H
