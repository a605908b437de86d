// The summary of all load cases: the table of pile-head conditions, pile-head deflection and
// rotation, and the largest moment and shear of every case, with plot record "Line 13".
#ifndef TAVIK_ANALYSIS_RESPONSE_SUMMARY_H
#define TAVIK_ANALYSIS_RESPONSE_SUMMARY_H

#include "run/run_context.h"

namespace tavik {

// Writes the summary of load cases 1 .. run.Analysis.NumLoadCases from the values kept by
// Write_Load_Case_Results. Not written in stiffness-matrix mode. In general units the
// definitions of the load types and the unit lines of the table head are left out.
void Write_Response_Summary(RunContext& run);

}  // namespace tavik

#endif  // TAVIK_ANALYSIS_RESPONSE_SUMMARY_H
