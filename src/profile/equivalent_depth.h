// The layering correction: the equivalent depth of the top of a layer, at which the layer's
// own soil, integrated from the ground surface, mobilises the same ultimate resistance as
// the layers above it actually do.
#ifndef TAVIK_PROFILE_EQUIVALENT_DEPTH_H
#define TAVIK_PROFILE_EQUIVALENT_DEPTH_H

#include "run/run_context.h"

namespace tavik {

// Equivalent_Depth_Of_Layer(j): reads rd_LayerPuSum(1 .. j-1) (a sum below 0.01 is
// replaced, also in storage, by the layer's kept sum), the code of layer j, the loading
// type and run.CurrentSoil (the parameters of layer j at its first node); writes
// rd_LayerEqDepth(j), a depth below the ground surface in the run's length unit. Soft clay
// (with J), stiff clay with and without free water, sand, API sand and cemented silt have a
// correction; any other code leaves rd_LayerEqDepth(j) unchanged.
void Equivalent_Depth_Of_Layer(RunContext& run, int j);

}  // namespace tavik

#endif  // TAVIK_PROFILE_EQUIVALENT_DEPTH_H
