#include "input/block_readers.h"
#include "run/run_analysis.h"

namespace tavik {

void Read_Sections(RunContext& run) { Stage_Not_Built(run, "the SECTIONS block"); }

}  // namespace tavik
