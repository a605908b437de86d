#include "input/block_readers.h"
#include "run/run_analysis.h"

namespace tavik {

void Read_Options_Block(RunContext& run) { Stage_Not_Built(run, "the OPTIONS block"); }

}  // namespace tavik
