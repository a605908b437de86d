#include "input/block_readers.h"
#include "run/run_analysis.h"

namespace tavik {

void Read_Axial_Thrusts(RunContext& run) { Stage_Not_Built(run, "the AXIAL THRUST LOADS block"); }

}  // namespace tavik
