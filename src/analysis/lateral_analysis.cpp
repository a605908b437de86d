#include "analysis/lateral_analysis.h"

#include "analysis/analyse_load_cases.h"
#include "analysis/nonlinear_ei.h"
#include "profile/pile_discretisation.h"
#include "sections/section_stiffness.h"

namespace tavik {

// The full analysis (ICOM 3): the pile is set up and discretised, the bending-stiffness
// tables of the sections are computed, then the load cases run with their nonlinear
// iteration, result tables and summary. The run status holds the outcome.
void Run_Lateral_Analysis(RunContext& run) {
  Start_Pile_Discretisation(run);
  if (run.Status.Has_Error()) return;
  Discretise_Pile(run);
  if (run.Status.Has_Error()) return;
  Compute_Section_Stiffness(run);
  if (run.Status.Has_Error()) return;
  Require_Section_EI_Tables(run);
  if (run.Status.Has_Error()) return;
  Analyse_Load_Cases(run);
}

}  // namespace tavik
