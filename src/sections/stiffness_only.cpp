#include "sections/stiffness_only.h"

#include "run/run_analysis.h"

namespace tavik {

void Compute_Stiffness_Only(RunContext& run) {
  Stage_Not_Built(run, "the nonlinear bending stiffness of pile sections");
}

}  // namespace tavik
