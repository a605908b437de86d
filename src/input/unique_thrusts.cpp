#include "input/unique_thrusts.h"

#include <algorithm>
#include <utility>

namespace tavik {

namespace {
constexpr double kPoundsPerKip = 1000.0;

// A count read from the file, held within 0 and the table's capacity.
int Count_Within(int count, int capacity) {
  return std::clamp(count, 0, capacity);
}
}  // namespace

void Build_Unique_Thrusts(ProblemData& problem) {
  if (problem.Options.ComputeInteraction || problem.NumSections < 1) return;

  std::array<double, kMaxThrusts>& thrusts = problem.UniqueThrusts;
  thrusts.fill(0.0);
  int n = 0;
  if (problem.Options.UseLRFD) {
    n = Count_Within(problem.NumLrfdLoads, std::min(kMaxLrfdLoads, kMaxThrusts));
    for (int i = 0; i < n; ++i) thrusts[i] = problem.LrfdLoads[i].Axial;
  } else {
    n = Count_Within(problem.NumLoadCases, std::min(kMaxLoadCases, kMaxThrusts));
    for (int i = 0; i < n; ++i) thrusts[i] = problem.LoadCases[i].AxialThrust;
  }
  if (problem.IUNITS == kUnitsUSCustomary) {
    for (int i = 0; i < n; ++i) thrusts[i] /= kPoundsPerKip;
  }

  // Exchange sort: entry i takes the smallest of entries i..n-1 in turn.
  for (int i = 0; i + 1 < n; ++i) {
    for (int j = i + 1; j < n; ++j) {
      if (thrusts[i] > thrusts[j]) std::swap(thrusts[i], thrusts[j]);
    }
  }

  // Keep the first of each run of exactly equal values.
  int distinct = 0;
  for (int i = 0; i < n; ++i) {
    if (distinct == 0 || thrusts[i] != thrusts[distinct - 1]) thrusts[distinct++] = thrusts[i];
  }
  for (int i = distinct; i < n; ++i) thrusts[i] = 0.0;
  problem.NumUniqueThrusts = distinct;
}

}  // namespace tavik
