#include "echo/echo_blocks.h"

namespace tavik {

// Echo_Lrfd_Input: with UseLRFD, the echo of the LRFD loads and combinations takes the place
// of the pile-head loads. The LRFD echo (and the factored loads it forms while it writes)
// comes with the LRFD work; until then this stage writes nothing.
void Echo_Lrfd_Input(RunContext&) {}

}  // namespace tavik
