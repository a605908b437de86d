// The finite-difference solution of the beam-column equation of a laterally loaded pile
// with axial thrust,  EI y'''' + Q y'' + Es y = W,  on the nodes of RunContext::Nodes, and
// the response (slope, moment, shear, soil reaction, stress) derived from the deflections.
//
// Sign conventions: depth x downward from the pile head; moment M = EI y''; shear
// V = EI y''' + Q y'; so a positive head shear gives a positive head deflection. The tip is
// moment-free and carries the tip shear Vt of the tip-shear table.
#ifndef TAVIK_ANALYSIS_SOLVE_BEAM_COLUMN_H
#define TAVIK_ANALYSIS_SOLVE_BEAM_COLUMN_H

#include "run/run_context.h"

namespace tavik {

// Solves for the deflections of nodes -1 .. N + 1 with the current EI (rd_NodeEI), soil
// moduli (rd_NodeEs), distributed loads (rd_NodeLoad) and the head conditions in
// run.Analysis.Head. Sets EI(1) = EI(2) first. Writes rd_Y, rd_Y0, rd_Ym1, the tip shear and
// dYmax (largest |change of deflection| of nodes 1 .. N against the previous solution).
// On a small pivot of the head system: runtime error 11 (report and run-message file), the
// deflections stay as they were.
void Solve_Beam_Column(RunContext& run);

// Gaussian elimination without row interchange on the leading n x n part of
// run.Analysis.Head_System (n = 5 or 4), giving YG. A pivot |F(k, k)| < 1e-20 of rows 1 to
// n - 1 is runtime error 11; returns false then.
bool Solve_Head_System(RunContext& run, int n);

// The tip shear for the tip deflection y from the tip-shear table (0 without a table);
// `previous` is returned where a one-point table does not yet reach (|y| at or below its
// deflection). Negative for a negative y.
double Tip_Shear_At_Deflection(const TipShearTable& table, double y, double previous);

// The response at node i from the current deflections: moment, shear, slope, soil reaction
// and total stress, stored in run.Analysis.Response (arrays and current values), and the
// running maxima of the case and of the node's section. Nodes must be visited in increasing
// order from node 1 (load type 5 carries node 1 values to node 2). At node 1 the head values
// of the case are replaced by computed ones (types 2, 3: moment; 4: shear; 5: both).
void Node_Response(RunContext& run, int i);

// Clears the running maxima of the case (largest moment, shear and stress).
void Reset_Response_Maxima(RunContext& run);

}  // namespace tavik

#endif  // TAVIK_ANALYSIS_SOLVE_BEAM_COLUMN_H
