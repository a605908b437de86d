// One pass of the p-y criteria over the soil layers: new soil moduli for the nodes of every
// layer from the p-y curve of its soil type at the nodes' current deflections.
#ifndef TAVIK_ANALYSIS_FORM_SOIL_MODULI_H
#define TAVIK_ANALYSIS_FORM_SOIL_MODULI_H

#include "run/run_context.h"

namespace tavik {

// Layers j = 1 .. i_Number_of_Layers from the top down: a layer that holds nodes is handed
// to the criterion its soil type selects (through the criterion table of the p-y
// framework), which sets rd_NodeEs (and rd_NodeLoad with soil movements) of the layer's
// nodes; afterwards the rock-layer bookkeeping of the soil type is applied
// (i_RockLayersAbove, b_BelowRockLayer). A soil type without a criterion leaves the moduli
// of its nodes as they were. With check_thin_layers (first iteration of a load case), the
// thin-layer check (runtime error 29) follows each layer's turn. Stops at the first error.
void Form_Soil_Moduli(RunContext& run, bool check_thin_layers);

// Calls the p-y criterion of layer j (published node range in run.i_TopNodeInLayer and
// i_BottomNodeInLayer) and applies the rock-layer bookkeeping of its soil type from the
// criterion table: "flag" marks the layer as below rock when a rock-type layer came before
// it, "count" counts it as a rock-type layer. A soil type without a criterion does nothing;
// a criterion this build lacks ends the run (internal error 999 naming it). False when the
// run's error number is set.
bool Call_Layer_Criterion(RunContext& run, int j);

// The bookkeeping alone (after the criterion of layer j ran).
void Apply_Rock_Layer_Bookkeeping(RunContext& run, int j);

}  // namespace tavik

#endif  // TAVIK_ANALYSIS_FORM_SOIL_MODULI_H
