// The conversion of the input values to the internal units of the units system, done once
// per run after the input echo.
#ifndef TAVIK_RUN_INTERNAL_UNITS_H
#define TAVIK_RUN_INTERNAL_UNITS_H

#include "run/problem_data.h"

namespace tavik {

// US customary: lengths along the pile ft -> in, cohesion psf -> psi (not the compressive
// strength of the rock codes), unit weights pcf -> pci. SI and general units: nothing here
// (SI section dimensions are converted as they are read). A second call has no effect.
void Convert_To_Internal_Units(ProblemData& problem);

}  // namespace tavik

#endif  // TAVIK_RUN_INTERNAL_UNITS_H
