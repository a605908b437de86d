#include "input/block_readers.h"
#include "run/run_analysis.h"

namespace tavik {

void Read_Batter_And_Slope(RunContext& run) { Stage_Not_Built(run, "the PILE BATTER AND SLOPE block"); }

}  // namespace tavik
