#include <algorithm>
#include <array>
#include <string_view>

#include "lrfd/lrfd.h"
#include "run/unit_labels.h"

namespace tavik {

namespace {
constexpr std::array<std::string_view, kLrfdLoadKinds> kTypeNames{
    "Dead Loads",      "Live Loads",  "Earthquake Loads", "Impact Loads",
    "Wind Loads",      "Water Loads", "Ice Loads",        "Horizontal Soil Pressures",
    "Live Roof Loads", "Rain Loads",  "Snow Loads",       "Temperature Loads",
    "Special Loads"};
constexpr int kTypeNameWidth = 30;

// The integral of a piecewise-linear profile over [a, b] (depths ascending; a step, two
// points at one depth, has no width).
double Profile_Integral(const DepthValueTable& profile, double a, double b) {
  const int m = std::clamp(profile.NumPoints, 0, kMaxLrfdDistributedPoints);
  double integral = 0.0;
  for (int k = 1; k < m; ++k) {
    const double top = profile.Depth[k - 1];
    const double bottom = profile.Depth[k];
    if (bottom <= top) continue;
    const double from = std::max(a, top);
    const double to = std::min(b, bottom);
    if (to <= from) continue;
    const double slope = (profile.Value[k] - profile.Value[k - 1]) / (bottom - top);
    const double w_from = profile.Value[k - 1] + slope * (from - top);
    const double w_to = profile.Value[k - 1] + slope * (to - top);
    integral += 0.5 * (w_from + w_to) * (to - from);
  }
  return integral;
}

void Write_Type_Table(RunContext& run, int t) {
  const NodeArray& load = run.Lrfd.TypeNodeLoad[t];
  const PileNodes& nodes = run.Nodes;
  TextChannel& out = run.Report;
  const std::string_view length = Trimmed(run.Units.c_UnitLength);
  out.Empty_Lines(2);
  out.Write_Line("Distributed Lateral Loads for LRFD:");
  out.Write_Line(std::string(35, '-'));
  out.Empty_Lines(1);
  out.Empty_Lines(1);
  std::string name(kTypeNames[t - 1]);
  name.resize(kTypeNameWidth, ' ');
  out.Line().A("Sums of Distributed Lateral Load Per Unit Length due to ").A(name);
  out.End_Line();
  out.Empty_Lines(1);
  out.Write_Line("   Depth     Distributed Load");
  out.Line().T(5).A(length).T(19).A(Trimmed(run.Units.c_UnitForce)).A("/").A(length);
  out.End_Line();
  out.Write_Line("----------   ----------------");
  for (int i = 1; i <= nodes.i_Num_Nodes; ++i) {
    if (load[i] == 0.0) continue;
    out.Line().F(nodes.rd_NodeDepth[i], 10, 2).X(3).F(load[i], 10, 2);
    out.End_Line();
  }
  out.Empty_Lines(1);
}
}  // namespace

void LRFD_Distributed_Loads(RunContext& run) {
  const ProblemData& problem = run.Problem;
  LrfdState& lrfd = run.Lrfd;
  const PileNodes& nodes = run.Nodes;
  const double h = nodes.rd_Increment;
  for (NodeArray& loads : lrfd.TypeNodeLoad) loads.fill(0.0);
  if (h <= 0.0) return;
  for (int g = 0; g < std::clamp(problem.NumLrfdLoads, 0, kMaxLrfdLoads); ++g) {
    const LrfdLoad& load = problem.LrfdLoads[g];
    if (load.LoadKind < 1 || load.LoadKind > kLrfdLoadKinds) continue;
    if (load.DistributedLoad.NumPoints < 2) continue;
    NodeArray& w = lrfd.TypeNodeLoad[load.LoadKind];
    // The node's tributary length [x - h/2, x + h/2], its upper end held at the pile head.
    for (int i = 1; i <= nodes.i_Num_Nodes; ++i) {
      const double x = nodes.rd_NodeDepth[i];
      w[i] += Profile_Integral(load.DistributedLoad, std::max(0.0, x - 0.5 * h), x + 0.5 * h);
    }
  }
  for (int t = 1; t <= kLrfdLoadKinds; ++t) {
    NodeArray& w = lrfd.TypeNodeLoad[t];
    bool loaded = false;
    for (int i = 1; i <= nodes.i_Num_Nodes; ++i) {
      w[i] /= h;
      loaded = loaded || w[i] != 0.0;
    }
    if (loaded) Write_Type_Table(run, t);
  }
}

double LRFD_Node_Load(const RunContext& run, int i, int m) {
  const LrfdCombination& combination = run.Problem.LrfdCombinations[m - 1];
  double load = 0.0;
  for (int t = 1; t <= kLrfdLoadKinds; ++t) {
    load += combination.LoadFactor[t - 1] * run.Lrfd.TypeNodeLoad[t][i];
  }
  return load;
}

}  // namespace tavik
