// The full lateral analysis: the load cases with their nonlinear iteration, the result
// tables and the closing summaries.
#ifndef TAVIK_ANALYSIS_LATERAL_ANALYSIS_H
#define TAVIK_ANALYSIS_LATERAL_ANALYSIS_H

#include "run/run_context.h"

namespace tavik {

void Run_Lateral_Analysis(RunContext& run);

}  // namespace tavik

#endif  // TAVIK_ANALYSIS_LATERAL_ANALYSIS_H
