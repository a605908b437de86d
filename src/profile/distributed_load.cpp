// The distributed lateral load of a node: the load profile averaged over the node's
// tributary length.
#include <algorithm>

#include "profile/pile_discretisation.h"

namespace tavik {

// Distributed_Load_At_Node(x): reads run.Problem.DistributedLoad (depths in the
// section-dimension unit, intensities force/length) and run.Nodes.rd_Increment.
double Distributed_Load_At_Node(const RunContext& run, double x) {
  const DepthValueTable& profile = run.Problem.DistributedLoad;
  const int m = std::min(profile.NumPoints, kMaxDistributedLoadPoints);
  const double h = run.Nodes.rd_Increment;
  if (m == 0 || h <= 0.0) return 0.0;
  const auto& d = profile.Depth;
  const auto& w = profile.Value;
  double a = x - 0.5 * h;
  double b = x + 0.5 * h;
  if (b <= d[0] || a > d[m - 1]) return 0.0;
  a = std::max(a, d[0]);
  b = std::min(b, d[m - 1]);
  // Trapezoid rule over the parts of the profile segments that [a, b] spans; a step (two
  // points at one depth) has no width and adds nothing.
  double integral = 0.0;
  for (int k = 1; k < m; ++k) {
    const double top = d[k - 1];
    const double bottom = d[k];
    if (bottom <= top) continue;
    const double from = std::max(a, top);
    const double to = std::min(b, bottom);
    if (to <= from) continue;
    const double slope = (w[k] - w[k - 1]) / (bottom - top);
    const double w_from = w[k - 1] + slope * (from - top);
    const double w_to = w[k - 1] + slope * (to - top);
    integral += 0.5 * (w_from + w_to) * (to - from);
  }
  return integral / h;
}

}  // namespace tavik
