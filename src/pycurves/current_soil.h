// The working records the p-y criteria share with the layering correction and with the
// load-case iteration: the parameters of the node a criterion is working on, and the
// per-layer bookkeeping of the current pass over the layers.
#ifndef TAVIK_PYCURVES_CURRENT_SOIL_H
#define TAVIK_PYCURVES_CURRENT_SOIL_H

#include <array>

#include "profile/pile_nodes.h"

namespace tavik {

// Equivalent depth of a layer whose layering correction has not been computed yet.
inline constexpr double kUnsetEquivalentDepth = -10000.0;

// Parameters of the current node, published by the criterion before it asks for the
// equivalent depth of its layer. Units: the run's internal units.
struct CurrentSoilParameters {
  double b = 0.0;      // pile width
  double c = 0.0;      // cohesion (undrained shear strength) at the node
  double ca = 0.0;     // average cohesion from the ground surface (stiff clays)
  double Gamma = 0.0;  // average effective unit weight from the ground surface
  double J = 0.0;      // J factor of the soft clay criteria
  // Sand and cemented silt terms.
  double PhiR = 0.0;   // friction angle, radians
  double Alpha = 0.0;  // radians
  double Beta = 0.0;   // radians
  double K0 = 0.0;
  double Ka = 0.0;
  double Kp = 0.0;
  double zn = 0.0;  // true depth of the node below the ground surface
};

// Layer array filled with one value (index 0 included; it is unused).
constexpr LayerArray Filled_Layer_Array(double value) {
  LayerArray a{};
  for (double& v : a) v = value;
  return a;
}

}  // namespace tavik

#endif  // TAVIK_PYCURVES_CURRENT_SOIL_H
