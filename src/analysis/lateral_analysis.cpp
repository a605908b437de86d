#include "analysis/lateral_analysis.h"

#include "analysis/analyse_load_cases.h"
#include "analysis/nonlinear_ei.h"
#include "profile/pile_discretisation.h"

namespace tavik {

// The full analysis (ICOM 3): the pile is set up and discretised, the bending-stiffness
// tables of the sections are required, then the load cases run with their nonlinear
// iteration, result tables and summary. The run status holds the outcome.
void Run_Lateral_Analysis(RunContext& run) {
  Start_Pile_Discretisation(run);
  if (run.Status.Has_Error()) return;
  Discretise_Pile(run);
  if (run.Status.Has_Error()) return;
  // The section engine would fill run.EITables here; sections that need its tables stop
  // the run until it is built.
  Require_Section_EI_Tables(run);
  if (run.Status.Has_Error()) return;
  Analyse_Load_Cases(run);
}

}  // namespace tavik
