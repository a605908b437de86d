#include "echo/echo_blocks.h"
#include "lrfd/lrfd.h"

namespace tavik {

// Echo_Lrfd_Input: with UseLRFD, the LRFD loads and combinations take the place of the
// pile-head loads in the echo; forming the factored loads writes their tables.
void Echo_Lrfd_Input(RunContext& run) {
  Form_LRFD_Loads(run);
}

}  // namespace tavik
