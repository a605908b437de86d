// Stages of the lateral analysis that this build does not contain yet. The load-case loop
// calls each one only when the input asks for it (the option UseLRFD); each then ends the
// run in an orderly way with internal error 999 naming the stage. A run that does not ask
// for them never reaches them. Each is replaced by the real routine when its stage is built.
#ifndef TAVIK_ANALYSIS_PENDING_STAGES_H
#define TAVIK_ANALYSIS_PENDING_STAGES_H

#include "run/run_context.h"

namespace tavik {

// The LRFD factored load combinations analysed in place of the load cases.
void Analyse_LRFD_Combinations(RunContext& run);

}  // namespace tavik

#endif  // TAVIK_ANALYSIS_PENDING_STAGES_H
