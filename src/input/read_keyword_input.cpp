#include "input/read_keyword_input.h"

#include "run/run_analysis.h"

namespace tavik {

void Read_Keyword_Input(RunContext& run) { Stage_Not_Built(run, "the keyword input blocks"); }

}  // namespace tavik
