#include "input/block_readers.h"
#include "run/run_analysis.h"

namespace tavik {

void Read_Tip_Shear(RunContext& run) { Stage_Not_Built(run, "the TIP SHEAR block"); }

}  // namespace tavik
