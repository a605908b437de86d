#include "input/block_readers.h"
#include "run/run_analysis.h"

namespace tavik {

void Read_Py_Modifiers(RunContext& run) { Stage_Not_Built(run, "the GROUP EFFECT FACTORS block"); }

}  // namespace tavik
