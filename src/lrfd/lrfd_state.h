// The working records of an LRFD analysis: per load type the sums of the unfactored load
// groups and the summed distributed load at every node; per factored combination its head
// loads (after the batter transformation) and the index of its axial force in the thrust
// list of the section analysis.
#ifndef TAVIK_LRFD_LRFD_STATE_H
#define TAVIK_LRFD_LRFD_STATE_H

#include <array>

#include "profile/pile_nodes.h"
#include "run/problem_data.h"

namespace tavik {

struct LrfdLoadTypeSums {
  double Shear = 0.0;   // horizontal force H
  double Moment = 0.0;  // M
  double Axial = 0.0;   // vertical force P
  int Count = 0;        // groups of the type
};

struct LrfdState {
  // Index t = load type t (1 to 13).
  std::array<LrfdLoadTypeSums, kLrfdLoadKinds + 1> TypeSums{};
  // Summed distributed load (force/length) of the groups of each type at node i, formed at
  // each discretisation.
  std::array<NodeArray, kLrfdLoadKinds + 1> TypeNodeLoad{};
  // Index m = combination m: factored shear, moment and axial force in the run's units, and
  // the index of the axial force in the sorted list of distinct factored axial forces.
  std::array<double, kMaxLrfdCombinations + 1> Shear{};
  std::array<double, kMaxLrfdCombinations + 1> Moment{};
  std::array<double, kMaxLrfdCombinations + 1> Axial{};
  std::array<int, kMaxLrfdCombinations + 1> ThrustIndex{};
  bool b_LoadsFormed = false;
};

}  // namespace tavik

#endif  // TAVIK_LRFD_LRFD_STATE_H
