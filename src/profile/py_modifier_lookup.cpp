// The user's p- and y-multipliers (group-action modification factors) at a depth.
#include "profile/soil_lookup.h"

namespace tavik {

namespace {

constexpr double kNoModification = 1.0;

using ModifierColumn = std::array<double, kMaxPyModifierPoints> PyModifierTable::*;

// Value of one multiplier column at x. Table entry k (1-based) is element k - 1.
double Multiplier_At(const PyModifierTable& table, ModifierColumn column, double x) {
  const int n = std::min(table.NumPoints, kMaxPyModifierPoints);
  // A table of a single point defines no depth range: no modification (this also covers
  // the empty row left when the option is on but no table was given).
  if (n < 2) return kNoModification;
  const auto& depth = table.Depth;
  const auto& value = table.*column;
  if (x < depth[0] || x > depth[n - 1]) return kNoModification;
  int k = n;
  for (int q = 2; q <= n; ++q) {
    if (x <= depth[q - 1]) {
      k = q;
      break;
    }
  }
  if (x == depth[n - 1]) return value[k - 1];
  if (x != depth[k - 1]) {
    const double d0 = depth[k - 2];
    const double d1 = depth[k - 1];
    return value[k - 2] + (value[k - 1] - value[k - 2]) * (x - d0) / (d1 - d0);
  }
  if (k < n && depth[k] == depth[k - 1]) return value[k];  // a step: the second row
  return value[k - 1];
}

}  // namespace

// P_Multiplier_At_Depth(x): reads PyModifiers (depth along the pile axis).
double P_Multiplier_At_Depth(const RunContext& run, double x) {
  return Multiplier_At(run.Problem.PyModifiers, &PyModifierTable::PMultiplier, x);
}

// Y_Multiplier_At_Depth(x): reads PyModifiers (depth along the pile axis).
double Y_Multiplier_At_Depth(const RunContext& run, double x) {
  return Multiplier_At(run.Problem.PyModifiers, &PyModifierTable::YMultiplier, x);
}

}  // namespace tavik
