// The pile-head deflection against pile length: one load case analysed again on piles
// shortened from the bottom in steps of 5 % of the input length, so that the engineer can
// pick the shortest pile that still behaves as a long one (where the head deflection stops
// changing with length).
#ifndef TAVIK_ANALYSIS_PILE_LENGTH_STUDY_H
#define TAVIK_ANALYSIS_PILE_LENGTH_STUDY_H

#include "run/run_context.h"

namespace tavik {

// Load case j (1-based), after its results, when its length-study flag is set (never with
// LRFD). Trial lengths Lk = (1 - 0.05 k) L0, k = 0 .. 19, L0 the input length, the factor
// formed in single precision; a length whose tip lies less than 0.05 L0 below the ground
// surface (in vertical depth) is skipped. Each other length is rediscretised with the same number
// of increments and iterated as the load case; a converged length with |y(1)| within the excess
// deflection limit and dYmax strictly below the tolerance is a point (length, head deflection,
// signed largest moment and shear) of run.Analysis.LengthStudies[j]; the first length that does not
// converge, or reaches the excess deflection, ends the study without an error. Then the report
// block and the plot records "Line 11" and "Line 12". The input pile is restored for what follows.
// Errors: runtime error 28 and those of the solver, the criteria and the EI update, which stop the
// study at once.
void Pile_Length_Study(RunContext& run, int j);

}  // namespace tavik

#endif  // TAVIK_ANALYSIS_PILE_LENGTH_STUDY_H
