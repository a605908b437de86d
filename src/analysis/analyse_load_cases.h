// The load cases of the lateral analysis: for each case the pile is discretised, trial soil
// moduli are set, and the beam-column solution, the soil moduli from the p-y curves and the
// nonlinear bending stiffness are iterated until the largest change of deflection is within
// the convergence tolerance; then the results are written. After the last case, the summary.
#ifndef TAVIK_ANALYSIS_ANALYSE_LOAD_CASES_H
#define TAVIK_ANALYSIS_ANALYSE_LOAD_CASES_H

#include "run/run_context.h"

namespace tavik {

// All load cases, the summary of their responses and, when requested, the pile-head
// stiffness matrix. Returns with the run status set on the first error.
void Analyse_Load_Cases(RunContext& run);

// Load case c (1-based) from discretisation to written results: runtime errors 9 (excess
// deflection), 10 (no convergence; load type 4 still writes its results), 28 (not a
// number) and those of the solver, the criteria and the thin-layer check.
void Analyse_Load_Case(RunContext& run, int c);

// --- Pieces shared with the pile-head studies, which iterate cases of their own. ---

// How the iteration of a case ended.
enum class IterationOutcome {
  kConverged,         // dYmax within the tolerance after at least six iterations
  kNotConverged,      // the iteration limit was reached
  kExcessDeflection,  // |y(1)| reached the excess deflection limit after 10 iterations
  kError,             // an error was raised (its message is written)
};

// Clears the deflections of all node slots and the phantom nodes above the head.
void Clear_Deflections(PileNodes& nodes);

// Trial soil moduli: 50000 (in the run's force and length units) at nodes at or below the
// ground surface, 0 above; within the same pass the strong-rock ("Vuggy LS") layers are
// formed once per node. Stops at an error.
void Set_Trial_Soil_Moduli(RunContext& run);

// The head conditions of a load case in force (tip shear reset to 0).
void Set_Head_Conditions(RunContext& run, const LoadCase& load_case);

// Iterates the case in force (numbered case_number in the progress lines) from the current
// moduli and EI: solve, progress line, convergence test, new soil moduli, new EI. With
// check_thin_layers, the thin-layer check runs in the first iteration.
IterationOutcome Iterate_Load_Case(RunContext& run, int case_number, bool check_thin_layers);

// One case on the pile as discretised, from cleared deflections to the end of its
// iteration: trial soil moduli, the head conditions and thrust of `load_case`, the initial
// EI for that thrust, then Iterate_Load_Case. Shared by the load cases and the pile-head
// studies, which differ only in what they do before and after. kError when an error was
// raised (its message is written); no other outcome raises one.
IterationOutcome Solve_Case(RunContext& run, const LoadCase& load_case, int case_number,
                            bool check_thin_layers);

}  // namespace tavik

#endif  // TAVIK_ANALYSIS_ANALYSE_LOAD_CASES_H
