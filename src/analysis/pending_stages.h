// Stages of the lateral analysis that this build does not contain yet. The load-case loop
// calls each one only when the input asks for it (the option ComputeKmatrix, a load case's
// pile-length study flag, the option UseLRFD); each then ends the run in an orderly way
// with internal error 999 naming the stage. A run that does not ask for them never reaches
// them. Each is replaced by the real routine when its stage is built.
#ifndef TAVIK_ANALYSIS_PENDING_STAGES_H
#define TAVIK_ANALYSIS_PENDING_STAGES_H

#include "run/run_context.h"

namespace tavik {

// The pile-head stiffness matrix (K22, K23, K32, K33), after the summary of the load cases.
void Compute_Head_Stiffness_Matrix(RunContext& run);

// The pile-head deflection against embedded pile length for load case j.
void Pile_Length_Study(RunContext& run, int j);

// The LRFD factored load combinations analysed in place of the load cases.
void Analyse_LRFD_Combinations(RunContext& run);

}  // namespace tavik

#endif  // TAVIK_ANALYSIS_PENDING_STAGES_H
