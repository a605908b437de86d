// The nonlinear bending stiffness of the nodes during the iteration: the secant EI read
// from the moment-curvature tables of the sections (SectionEITables) at the node's current
// moment and curvature, interpolated between the two tables whose axial thrusts bracket the
// thrust of the load case.
#ifndef TAVIK_ANALYSIS_NONLINEAR_EI_H
#define TAVIK_ANALYSIS_NONLINEAR_EI_H

#include "run/run_context.h"

namespace tavik {

// Before the load cases: every section that takes its EI from moment-curvature tables
// (every section type but 11, elastic) must have a table for every thrust of the run. The
// builder of those tables is not part of this build, so such a pile ends the run in an
// orderly way (internal error 999 naming the missing stage) instead of being analysed with
// a stiffness that was never computed.
void Require_Section_EI_Tables(RunContext& run);

// The thrust index k of the tables for the axial thrust of the case: Qs = Q (in thousands
// in US customary units); T(k) <= Qs < T(k + 1), k = n above the last thrust, k = 1 below
// the first. Stored in run.Analysis (ThrustIndex, TableThrust).
void Choose_Thrust_Index(RunContext& run);

// Replaces the EI of every node whose section is not elastic (type 11) from the tables at
// thrust index k (run.Analysis.ThrustIndex), using the node's current moment from
// Node_Response; then EI(3) = EI(2).
void Update_Nonlinear_EI(RunContext& run);

// The secant EI of node i from the table of section j at thrust index k, in the run's units.
// Sets the node's flag (and the run-wide flag) when the curvature lies beyond the table.
double EI_From_Moment_Curvature(RunContext& run, int i, int j, int k);

}  // namespace tavik

#endif  // TAVIK_ANALYSIS_NONLINEAR_EI_H
