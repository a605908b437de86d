// The default subgrade modulus k of sands (and of cemented silt), used when a layer's input
// k is zero: a power of the friction angle up to 40 degrees and a constant above it.
#ifndef TAVIK_PYCURVES_DEFAULT_SAND_K_H
#define TAVIK_PYCURVES_DEFAULT_SAND_K_H

#include "run/run_context.h"

namespace tavik {

// Default_Sand_k(phi_r, gamma, iunits): the default k (force/length**3) for the friction
// angle phi_r (radians) and the average effective unit weight gamma (internal units), with
// phi = phi_r * 180/pi in degrees:
//   US customary (lb/in**3): phi <= 40: 1.209829E-7 phi^5.694468; above: 160.54745;
//   SI (kN/m**3), gamma > 12.225: phi <= 40: 0.00003284046 phi^5.694468; above: 43580.148;
//   SI, gamma <= 12.225:          phi <= 40: 4.1417488E-6 phi^6.4161181; above: 78739.008.
// General units have no default: writes runtime error 13 to the report and the runtime
// message file, ends the run (RUN00013, number 213) and returns 0.
double Default_Sand_k(RunContext& run, double phi_r, double gamma, int iunits);

}  // namespace tavik

#endif  // TAVIK_PYCURVES_DEFAULT_SAND_K_H
