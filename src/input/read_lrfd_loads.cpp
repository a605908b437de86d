#include "input/block_readers.h"
#include "run/run_analysis.h"

namespace tavik {

void Read_Lrfd_Loads(RunContext& run) { Stage_Not_Built(run, "the LRFD LOADS block"); }

}  // namespace tavik
