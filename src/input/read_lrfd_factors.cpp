#include "input/block_readers.h"
#include "run/run_analysis.h"

namespace tavik {

void Read_Lrfd_Factors(RunContext& run) { Stage_Not_Built(run, "the LRFD FACTORS AND CASES block"); }

}  // namespace tavik
