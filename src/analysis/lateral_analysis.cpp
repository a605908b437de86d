#include "analysis/lateral_analysis.h"

#include "run/run_analysis.h"

namespace tavik {

void Run_Lateral_Analysis(RunContext& run) {
  Stage_Not_Built(run, "the lateral response of the pile");
}

}  // namespace tavik
