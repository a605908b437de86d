// The results of one load case: the report block (head conditions, the response table
// along the pile, the equilibrium check, the output summary), the plot records "Line 9" and
// "Line 10", and the values kept for the summary of all load cases.
#ifndef TAVIK_ANALYSIS_LOAD_CASE_REPORT_H
#define TAVIK_ANALYSIS_LOAD_CASE_REPORT_H

#include "run/run_context.h"

namespace tavik {

// Writes the results of load case c from the converged deflections: runs Node_Response for
// every node, checks the equilibrium segment by segment, and stores the pile-head values and
// maxima of the case in run.Analysis.Cases[c]. Report blocks follow the options
// PrintSummaryOnly and PrintIncrement; in general units the head conditions, the table
// header and the output summary are left out. In stiffness-matrix mode only the kept values
// are written (and the equilibrium warning when the imbalance is too large).
void Write_Load_Case_Results(RunContext& run, int c);

// One step of the equilibrium check, for the segment between nodes i - 2 and i - 1
// (i = 3 .. N + 1), from the moments that Node_Response has stored for nodes up to i. The
// call for i = N + 1 closes the check: it judges the largest moment imbalance (1.0 in-lbs in
// US customary units, 0.00011298 kN-m in SI, not judged in general units) and writes the
// verification line or the warning "POSSIBLE SOLUTION ERROR 5501" (not counted as a warning
// of the run).
void Verify_Equilibrium(RunContext& run, int i);

// Clears the state of the equilibrium check before a results pass.
void Reset_Equilibrium_Check(RunContext& run);

}  // namespace tavik

#endif  // TAVIK_ANALYSIS_LOAD_CASE_REPORT_H
