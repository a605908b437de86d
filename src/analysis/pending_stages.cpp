#include "analysis/pending_stages.h"

#include <string>

#include "run/run_analysis.h"

namespace tavik {

void Compute_Head_Stiffness_Matrix(RunContext& run) {
  Stage_Not_Built(run, "the pile-head stiffness matrix");
}

void Pile_Length_Study(RunContext& run, int j) {
  Stage_Not_Built(
      run, "the pile-head deflection against pile length (load case " + std::to_string(j) + ")");
}

void Analyse_LRFD_Combinations(RunContext& run) {
  Stage_Not_Built(run, "the lateral analysis of LRFD load combinations");
}

}  // namespace tavik
