#include "input/block_readers.h"
#include "run/run_analysis.h"

namespace tavik {

void Read_Loading(RunContext& run) { Stage_Not_Built(run, "the LOADING block"); }

}  // namespace tavik
