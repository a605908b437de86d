#include "sections/stiffness_only.h"

#include "sections/section_stiffness.h"

namespace tavik {

void Compute_Stiffness_Only(RunContext& run) {
  Compute_Section_Stiffness(run);
}

}  // namespace tavik
