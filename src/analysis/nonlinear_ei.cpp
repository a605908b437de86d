#include "analysis/nonlinear_ei.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "analysis/solve_beam_column.h"
#include "profile/pile_discretisation.h"
#include "run/run_analysis.h"
#include "sections/elastic_ei_tables.h"

namespace tavik {

namespace {
// The tables hold kips and kip-in in US customary units: moments and thrusts are divided,
// stiffnesses multiplied, by this factor between the run's units and the tables'.
constexpr double kKipsPerPound = 1000.0;

double Table_Factor(const RunContext& run) {
  return run.Problem.IUNITS == kUnitsUSCustomary ? kKipsPerPound : 1.0;
}

// Second difference of the deflections at node i over h**2 (node 1 uses the phantom node
// above the head).
double Curvature_At_Node(const PileNodes& nodes, int i) {
  const double above = (i == 1) ? nodes.rd_Y0 : nodes.rd_Y[i - 1];
  const double h = nodes.rd_Increment;
  return (nodes.rd_Y[i + 1] - 2.0 * nodes.rd_Y[i] + above) / (h * h);
}

// The section whose table serves node i: the first whose bottom station is at or below the
// node.
int Table_Section_Of_Node(const RunContext& run, int i) {
  const PilePropertyTable& stations = run.Problem.PileProperties;
  const double x = run.Nodes.rd_NodeDepth[i];
  for (int j = 1; j <= run.Problem.NumSections; ++j) {
    const int bottom = 2 * j;  // station 2j is the bottom of section j
    if (bottom <= stations.NumPoints && x <= stations.PileStation[bottom - 1]) return j;
  }
  return run.Problem.NumSections;
}

// The elastic EI of node i of the elastic or elastic-plastic section j. A node on the
// boundary with the section below takes that section's properties; when the section below
// has no E*I of its own (a moment-curvature or user-EI section, whose stiffness is in its
// tables), the node keeps the stiffness at the bottom of its own section instead of
// becoming a hinge.
double Elastic_Node_EI(const RunContext& run, int i, int j) {
  const double ei = Pile_Properties_At_Depth(run, run.Nodes.rd_NodeDepth[i]).EI;
  if (ei > 0.0) return ei;
  const PilePropertyTable& stations = run.Problem.PileProperties;
  const int bottom = 2 * j;  // station 2j is the bottom of section j
  if (bottom > stations.NumPoints) return ei;
  return stations.PileModulus[bottom - 1] * stations.PileInertia[bottom - 1];
}

// Elastic-plastic section (type 12): the elastic EI until the moment reaches the plastic
// moment of the node, then the secant Mp / curvature. Moments in table units.
void Update_Elastic_Plastic_Node(RunContext& run, int i, int j, int k, double moment) {
  PileNodes& nodes = run.Nodes;
  const SectionEITables& tables = run.EITables;
  const double factor = Table_Factor(run);
  const double mp = Plastic_Moment_At_Depth(run.Problem, j, nodes.rd_NodeDepth[i]) / factor;
  const double m_prime = std::max(std::fabs(moment), tables.Mt(1, k, j));
  if (mp <= std::fabs(m_prime)) {
    if (i == nodes.i_Num_Nodes) return;  // the tip node keeps its EI
    const double phi = Curvature_At_Node(nodes, i);
    if (phi != 0.0) nodes.rd_NodeEI[i] = std::fabs(mp / std::fabs(phi)) * factor;
    return;
  }
  nodes.rd_NodeEI[i] = Elastic_Node_EI(run, i, j);
}

// k with T(k) <= qs < T(k + 1) in the ascending list T(1..n); n above the last thrust, 1
// below the first.
int Thrust_Index(const RunContext& run, int j, double qs) {
  const SectionEITables& tables = run.EITables;
  const int n = tables.NumSectionThrusts[j];
  if (n >= 1 && qs >= tables.SectionThrust[n][j]) return n;
  for (int t = 1; t < n; ++t) {
    if (tables.SectionThrust[t][j] <= qs && qs < tables.SectionThrust[t + 1][j]) return t;
  }
  return 1;
}
}  // namespace

void Require_Section_EI_Tables(RunContext& run) {
  const ProblemData& problem = run.Problem;
  const SectionEITables& tables = run.EITables;
  for (int j = 1; j <= problem.NumSections; ++j) {
    const int type = problem.Sections[j - 1].SectionType;
    if (type == kElastic) continue;
    bool complete = tables.NumSectionThrusts[j] >= 1;
    for (int t = 1; t <= tables.NumSectionThrusts[j] && complete; ++t) {
      complete = tables.Has_Table(t, j);
    }
    if (complete) continue;
    Stage_Not_Built(run, "the load cases: the bending-stiffness tables of pile section " +
                             std::to_string(j) + " are missing");
    return;
  }
}

void Choose_Thrust_Index(RunContext& run) {
  LateralAnalysisState& state = run.Analysis;
  const double qs = state.Head.AxialThrust / Table_Factor(run);
  for (int j = 1; j <= run.Problem.NumSections; ++j) {
    state.SectionThrustIndex[j] = Thrust_Index(run, j, qs);
  }
  state.ThrustIndex = state.SectionThrustIndex[1];
  state.TableThrust = qs;
}

double EI_From_Moment_Curvature(RunContext& run, int i, int j, int k) {
  const SectionEITables& tables = run.EITables;
  const PileNodes& nodes = run.Nodes;
  const double factor = Table_Factor(run);
  const int np = tables.NumPoints[k][j];
  const double moment = std::fabs(run.Analysis.Response.Moment[i] / factor);
  if (moment <= tables.Mt(1, k, j)) return tables.EIt(1, k, j) * factor;
  const double phi = (i == nodes.i_Num_Nodes) ? 0.0 : std::fabs(Curvature_At_Node(nodes, i));
  if (phi <= tables.Phit(1, k, j)) return tables.EIt(1, k, j) * factor;
  if (phi < tables.Phit(np, k, j)) {
    int p = np - 1;
    for (int q = 1; q <= np - 1; ++q) {
      if (tables.Phit(q, k, j) < phi && phi <= tables.Phit(q + 1, k, j)) {
        p = q;
        break;
      }
    }
    const double m1 = tables.Mt(p, k, j);
    const double m2 = tables.Mt(p + 1, k, j);
    double m_star = m1;
    if (m2 != m1) {
      const double phi1 = tables.Phit(p, k, j);
      const double phi2 = tables.Phit(p + 1, k, j);
      m_star = m1 + (m2 - m1) * (phi - phi1) / (phi2 - phi1);
    }
    return m_star / phi * factor;
  }
  // Curvature beyond the last point of the table.
  run.Analysis.b_CurvatureBeyondCurve[i] = true;
  run.Analysis.b_AnyCurvatureBeyondCurve = true;
  return tables.Mt(np, k, j) / phi * factor;
}

void Update_Nonlinear_EI(RunContext& run) {
  PileNodes& nodes = run.Nodes;
  LateralAnalysisState& state = run.Analysis;
  const SectionEITables& tables = run.EITables;
  const ProblemData& problem = run.Problem;
  const double qs = state.TableThrust;
  for (int i = 1; i <= nodes.i_Num_Nodes; ++i) {
    const int node_section = nodes.i_NodeSection[i];
    if (node_section < 1 || node_section > problem.NumSections) continue;
    const int type = problem.Sections[node_section - 1].SectionType;
    if (type == kElastic) {
      if (!(nodes.rd_NodeEI[i] > 0.0)) nodes.rd_NodeEI[i] = Elastic_Node_EI(run, i, node_section);
      continue;
    }
    const int j = Table_Section_Of_Node(run, i);
    const int k = state.SectionThrustIndex[j];
    state.b_CurvatureBeyondCurve[i] = false;
    Node_Response(run, i);
    if (type == kElasticPlastic) {
      Update_Elastic_Plastic_Node(run, i, j, k, state.Response.Moment[i] / Table_Factor(run));
      continue;
    }
    const double e1 = EI_From_Moment_Curvature(run, i, j, k);
    double ei = e1;
    const int n = tables.NumSectionThrusts[j];
    if (k < n && qs > tables.SectionThrust[1][j]) {
      // Linear in the thrust between the tables of T(k) and T(k + 1).
      const double e2 = EI_From_Moment_Curvature(run, i, j, k + 1);
      const double t1 = tables.SectionThrust[k][j];
      const double t2 = tables.SectionThrust[k + 1][j];
      ei = e2 - (e2 - e1) * (t2 - qs) / (t2 - t1);
    }
    nodes.rd_NodeEI[i] = ei;
  }
  nodes.rd_NodeEI[3] = nodes.rd_NodeEI[2];
}

}  // namespace tavik
