// LRFD: the unfactored load groups summed by load type, the factored load combinations with
// the batter transformation of their head loads, the thrust list of the section analysis,
// the factored distributed loads at the nodes, and the performance check of every
// combination and section against the factored moment capacity.
#ifndef TAVIK_LRFD_LRFD_H
#define TAVIK_LRFD_LRFD_H

#include "run/run_context.h"

namespace tavik {

// Called while the LRFD input is echoed (loads as entered: forces in lbs or kN, moments in
// in-lbs or kN-m). Writes the group, totals, factor, factored-load and thrust tables to the
// report; sets run.Lrfd (sums, factored loads after the batter transformation, thrust
// indices) and replaces the thrust list of the section analysis (UniqueThrusts, in kips in
// US customary units) by the distinct factored axial forces.
void Form_LRFD_Loads(RunContext& run);

// For the current node depths: the summed distributed load of each load type at every node
// (the groups' profiles integrated over the node's tributary length and divided by h), and
// the report table of every load type that loads a node. Called by the discretisation.
void LRFD_Distributed_Loads(RunContext& run);

// The factored distributed load at node i for combination m: sum over the load types of
// factor times the type's load at the node.
double LRFD_Node_Load(const RunContext& run, int i, int m);

// The performance table: for every combination and section, the largest moment against
// the factored moment capacity, pass or fail (warning 400 for each failure), and the closing
// line. Called at the end of the summary of pile responses.
void Write_LRFD_Performance(RunContext& run);

}  // namespace tavik

#endif  // TAVIK_LRFD_LRFD_H
