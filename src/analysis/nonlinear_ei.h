// The nonlinear bending stiffness of the nodes during the iteration: the secant EI read
// from the moment-curvature tables of the sections (SectionEITables) at the node's current
// moment and curvature, interpolated between the two tables whose axial thrusts bracket the
// thrust of the load case.
#ifndef TAVIK_ANALYSIS_NONLINEAR_EI_H
#define TAVIK_ANALYSIS_NONLINEAR_EI_H

#include "run/run_context.h"

namespace tavik {

// Before the load cases: every section that takes its EI from moment-curvature tables
// (every section type but 11, elastic) must have a table for every thrust of its list. The
// section engine builds them all; a missing one is an internal inconsistency (error 999),
// never a stiffness read from an empty table.
void Require_Section_EI_Tables(RunContext& run);

// The thrust index k of each section's tables for the axial thrust of the case: Qs = Q (in
// thousands in US customary units); T(k) <= Qs < T(k + 1) in the section's thrust list,
// k = n above the last thrust, k = 1 below the first. Stored in run.Analysis
// (SectionThrustIndex, ThrustIndex for section 1, TableThrust).
void Choose_Thrust_Index(RunContext& run);

// Replaces the EI of every node whose section is not elastic (type 11) from its section's
// tables at the section's thrust index, using the node's current moment from Node_Response;
// then EI(3) = EI(2).
void Update_Nonlinear_EI(RunContext& run);

// The secant EI of node i from the table of section j at thrust index k, in the run's units.
// Sets the node's flag (and the run-wide flag) when the curvature lies beyond the table.
double EI_From_Moment_Curvature(RunContext& run, int i, int j, int k);

}  // namespace tavik

#endif  // TAVIK_ANALYSIS_NONLINEAR_EI_H
