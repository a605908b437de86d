// The pile-head stiffness matrix: the secant stiffnesses of the pile head that a structural
// model of the bridge or building takes as the springs of the foundation,
//
//   K22 = V / y (fixed head),        K32 = -M / y (fixed head),
//   K23 = V / theta (y = 0 at head), K33 = -M / theta (y = 0 at head),
//
// each at ten load levels, from twenty analyses of the pile with loads of their own.
#ifndef TAVIK_ANALYSIS_HEAD_STIFFNESS_MATRIX_H
#define TAVIK_ANALYSIS_HEAD_STIFFNESS_MATRIX_H

#include "run/run_context.h"

namespace tavik {

// After the summary of the load cases (option ComputeKmatrix). V0 and M0 are the two
// conditions of load case 1 (a value below 1e-7 becomes 10 lbs and 100 in-lbs, or the same
// loads in kN and kN-m; in general units a zero one leaves the matrix uncomputed, with a
// note), Q its axial thrust. Cases 1 to 10: fixed head (load type 2, slope 0) under the
// shears 0.1 V0 and log10(s) V0, s = 2 .. 10; cases 11 to 20: head deflection 0 (load type
// 4) under the moments 0.1 M0 and log10(s - 10) M0; all on the input pile with thrust Q.
// When all twenty converge within the limits: run.Analysis.HeadStiffness, the report block
// and the plot records "Line 14". A case that does not converge, or reaches the excess
// deflection, ends the computation without its report and without an error. Errors: runtime
// error 28 and those of the solver, the criteria and the EI update. The load-case table and
// its count are left as they were; run.Analysis.Cases[1 .. 20] hold the stiffness cases.
void Compute_Head_Stiffness_Matrix(RunContext& run);

}  // namespace tavik

#endif  // TAVIK_ANALYSIS_HEAD_STIFFNESS_MATRIX_H
