#include "run/internal_units.h"

namespace tavik {

void Convert_To_Internal_Units(ProblemData& problem) {
  if (problem.b_ConvertedToInternalUnits) return;
  problem.b_ConvertedToInternalUnits = true;
}

}  // namespace tavik
