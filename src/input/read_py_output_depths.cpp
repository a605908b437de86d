#include "input/block_readers.h"
#include "run/run_analysis.h"

namespace tavik {

void Read_Py_Output_Depths(RunContext& run) { Stage_Not_Built(run, "the DEPTHS OF PRINTED P-Y CURVES block"); }

}  // namespace tavik
