// The stiffness-only run: the nominal moment capacity and nonlinear bending stiffness of
// every pile section, without a lateral analysis.
#ifndef TAVIK_SECTIONS_STIFFNESS_ONLY_H
#define TAVIK_SECTIONS_STIFFNESS_ONLY_H

#include "run/run_context.h"

namespace tavik {

void Compute_Stiffness_Only(RunContext& run);

}  // namespace tavik

#endif  // TAVIK_SECTIONS_STIFFNESS_ONLY_H
