// The free-field lateral soil movement at the nodes.
#include <algorithm>
#include <cmath>

#include "profile/pile_discretisation.h"

namespace tavik {

namespace {
constexpr double kCoincidentDepths = 0.00001;
}  // namespace

// Soil_Movement_At_Nodes(N): reads run.Problem.SoilMovement (depths along the pile,
// movements in length) and rd_NodeDepth; writes rd_NodeSoilMove of nodes 1..N.
void Soil_Movement_At_Nodes(RunContext& run, int num_nodes) {
  const DepthValueTable& profile = run.Problem.SoilMovement;
  const int m = std::min(profile.NumPoints, kMaxSoilMovementPoints);
  PileNodes& nodes = run.Nodes;
  const int n = std::clamp(num_nodes, 0, kMaxNodeSlots);
  const auto& d = profile.Depth;
  const auto& s = profile.Value;
  for (int i = 1; i <= n; ++i) {
    const double x = nodes.rd_NodeDepth[i];
    double movement = 0.0;
    if (m >= 2 && x >= d[0] && x <= d[m - 1]) {
      int k = m;
      for (int q = 2; q <= m; ++q) {
        if (d[q - 1] >= x) {
          k = q;
          break;
        }
      }
      const double d0 = d[k - 2];
      const double d1 = d[k - 1];
      if (std::fabs(d1 - d0) >= kCoincidentDepths) {
        movement = s[k - 2] + (s[k - 1] - s[k - 2]) * (x - d0) / (d1 - d0);
      } else {
        movement = 0.5 * (s[k - 2] + s[k - 1]);
      }
    }
    nodes.rd_NodeSoilMove[i] = movement;
  }
}

}  // namespace tavik
