#include "input/block_readers.h"
#include "run/run_analysis.h"

namespace tavik {

void Read_Soil_Layers(RunContext& run) { Stage_Not_Built(run, "the SOIL LAYERS block"); }

}  // namespace tavik
