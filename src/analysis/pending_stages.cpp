#include "analysis/pending_stages.h"

#include "run/run_analysis.h"

namespace tavik {

void Analyse_LRFD_Combinations(RunContext& run) {
  Stage_Not_Built(run, "the lateral analysis of LRFD load combinations");
}

}  // namespace tavik
