// The derived list of axial thrusts (UniqueThrusts): the distinct thrusts, ascending, for
// which the nonlinear bending stiffness of every section is computed.
#ifndef TAVIK_INPUT_UNIQUE_THRUSTS_H
#define TAVIK_INPUT_UNIQUE_THRUSTS_H

#include "run/problem_data.h"

namespace tavik {

// Builds problem.UniqueThrusts / NumUniqueThrusts once the whole input has been read.
// Not built (left as it is) when ComputeInteraction is YES or there is no pile section.
// Source: the Axial of each LRFD load when UseLRFD is YES, else the AxialThrust of each
// load case. US customary thrusts are turned from lbs into kips (/1000), the thrusts of the
// other units systems stay as read. Sorted ascending by exchange; of values exactly equal
// only the first is kept. Writes no message and sets no error.
void Build_Unique_Thrusts(ProblemData& problem);

}  // namespace tavik

#endif  // TAVIK_INPUT_UNIQUE_THRUSTS_H
