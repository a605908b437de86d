#include "analysis/solve_beam_column.h"

#include <cmath>

#include "profile/pile_discretisation.h"

namespace tavik {

namespace {
constexpr double kSmallPivot = 1.0e-20;
constexpr int kSmallPivotError = 11;

// Writes the small-pivot message to one channel.
void Write_Small_Pivot_Message(TextChannel& out, int row, double pivot) {
  out.Line().A("**** Runtime Error No. ").I(kSmallPivotError, 0).A(" ****");
  out.End_Line();
  out.Empty_Lines(1);
  out.Write_Line("Problem:  Solution failed due to small pivot value.");
  out.Line().A("          Node number = ").I(row, 0);
  out.End_Line();
  out.Line().A("          Pivot value = ").ES(pivot, 12, 5);
  out.End_Line();
  out.Empty_Lines(1);
  out.Write_Line(
      "Solution: This error usually occurs when a lateral bearing capacity failure occurs.  ");
  out.Write_Line("          Reduce the load on the pile and repeat the analysis.");
  out.Write_Line("          You may also consider increasing pile diameter or pile length.");
}

// Runtime error 11: the message to both files, the head system as it stands to the report.
void Report_Small_Pivot(RunContext& run, int row, double pivot) {
  Write_Small_Pivot_Message(run.Report, row, pivot);
  Write_Small_Pivot_Message(run.Messages, row, pivot);
  const HeadSystem& system = run.Analysis.Head_System;
  TextChannel& out = run.Report;
  constexpr int kPerLine = 5;
  out.Empty_Lines(2);
  out.Write_Line("F Matrix ");
  out.Empty_Lines(1);
  for (int k = 0; k < kHeadSystemSize * kHeadSystemSize; ++k) {
    out.Line().ES(system.F[k], 12, 4);
    if ((k + 1) % kPerLine == 0) out.End_Line();
  }
  for (const auto& [title, vector] :
       {std::pair{"G Vector ", &system.G}, {"YG Vector", &system.YG}}) {
    out.Empty_Lines(2);
    out.Write_Line(title);
    out.Empty_Lines(1);
    for (double value : *vector) {
      out.Line().ES(value, 12, 4);
      out.End_Line();
    }
  }
  Terminate_With_Error(run, Runtime_Error_Code(kSmallPivotError), 200 + kSmallPivotError);
}

// Upward elimination from the tip (steps 3 to 6 of the solution): fills D, A, B, Cw, Cv for
// nodes N down to 1. R = EI, K = Es, W = distributed load; Q h**2 enters as qh2.
void Eliminate_Upward(const PileNodes& nodes, double qh2, double tip_shear,
                      EliminationCoefficients& e) {
  const int n = nodes.i_Num_Nodes;
  const double h = nodes.rd_Increment;
  const double h3 = h * h * h;
  const double h4 = h3 * h;
  const NodeArray& R = nodes.rd_NodeEI;
  const NodeArray& K = nodes.rd_NodeEs;
  const NodeArray& W = nodes.rd_NodeLoad;

  // Tip node N: moment-free, carrying the tip shear.
  {
    const int m = n;
    const double d = K[m] * h4 + R[m - 1] + R[m] - 2.0 * qh2;
    e.D[m] = d;
    e.B[m] = (R[m] + R[m - 1]) / d;
    e.A[m] = 2.0 * (R[m] + R[m - 1] - qh2) / d;
    e.Cw[m] = W[m] * h4 / d;
    e.Cv[m] = -2.0 * tip_shear * h3 / d;
  }
  // Node N - 1: the phantom node below the tip is 2 y(N) - y(N - 1).
  {
    const int m = n - 1;
    const double g = 2.0 * R[m] - qh2;
    const double d = 4.0 * R[m] + R[m - 1] + K[m] * h4 - 2.0 * qh2 - e.A[m + 1] * g;
    e.D[m] = d;
    e.B[m] = R[m - 1] / d;
    e.A[m] = (2.0 * (R[m] * (1.0 - e.B[m + 1]) + R[m - 1]) - (1.0 - e.B[m + 1]) * qh2) / d;
    e.Cw[m] = (W[m] * h4 + e.Cw[m + 1] * g) / d;
    e.Cv[m] = e.Cv[m + 1] * g / d;
  }
  // Nodes N - 2 to 1; at node 1, EI of nodes 0, 1 and 2 is that of node 2.
  for (int m = n - 2; m >= 1; --m) {
    const double r_above = (m == 1) ? R[2] : R[m - 1];
    const double r_here = (m == 1) ? R[2] : R[m];
    const double r_below = R[m + 1];
    const double a1 = e.A[m + 1];
    const double a2 = e.A[m + 2];
    const double b1 = e.B[m + 1];
    const double b2 = e.B[m + 2];
    const double g = 2.0 * r_here + (2.0 - a2) * r_below - qh2;
    const double d = (2.0 * r_here - qh2) * (2.0 - a1) + K[m] * h4 + r_above +
                     ((1.0 - b2) - a1 * (2.0 - a2)) * r_below;
    e.D[m] = d;
    e.B[m] = r_above / d;
    e.A[m] = (2.0 * (r_here + r_above) - (1.0 - b1) * qh2 - (g + qh2) * b1) / d;
    e.Cw[m] = (W[m] * h4 + e.Cw[m + 1] * g - e.Cw[m + 2] * r_below) / d;
    e.Cv[m] = (e.Cv[m + 1] * g - e.Cv[m + 2] * r_below) / d;
  }
}

double C_Term(const EliminationCoefficients& e, int m) {
  return e.Cw[m] + e.Cv[m];
}

// The head deflections y(2), y(1), y(0), y(-1) for the head conditions (step 7). False on
// a small pivot (runtime error 11 already reported).
struct HeadDeflections {
  double y2 = 0.0, y1 = 0.0, y0 = 0.0, ym1 = 0.0;
};

bool Solve_Head(RunContext& run, HeadDeflections& out) {
  const PileNodes& nodes = run.Nodes;
  LateralAnalysisState& state = run.Analysis;
  const EliminationCoefficients& e = state.Elimination;
  const HeadConditions& head = state.Head;
  const double h = nodes.rd_Increment;
  const double h2 = h * h;
  const double r2 = nodes.rd_NodeEI[2];
  const double qh2_r2 = head.AxialThrust * h2 / r2;
  HeadSystem& s = state.Head_System;
  s = HeadSystem{};

  if (head.LoadType == kLoadDeflectionSlope) {
    // Closed form: y(1) = yt + soil movement at the head, y(2) - y(0) = 2 h S.
    const double t = 2.0 * h * head.Slope;
    out.y1 = head.Deflection + nodes.rd_NodeSoilMove[1];
    out.y2 = (e.A[2] * out.y1 + e.B[2] * t + C_Term(e, 2)) / (e.B[2] + 1.0);
    out.y0 = out.y2 - t;
    out.ym1 = (e.A[1] * out.y0 + C_Term(e, 1) - out.y1) / e.B[1];
    return true;
  }
  if (head.LoadType == kLoadDeflectionMoment) {
    // Unknowns (y(2), y(1), y(0), y(-1)).
    s.At(1, 1) = 1.0;
    s.At(1, 2) = -2.0;
    s.At(1, 3) = 1.0;
    s.G[0] = head.Moment * h2 / r2;
    s.At(2, 2) = 1.0;
    s.G[1] = head.Deflection;
    s.At(3, 1) = 1.0;
    s.At(3, 2) = -e.A[2];
    s.At(3, 3) = e.B[2];
    s.G[2] = C_Term(e, 2);
    s.At(4, 2) = 1.0;
    s.At(4, 3) = -e.A[1];
    s.At(4, 4) = e.B[1];
    s.G[3] = C_Term(e, 1);
    if (!Solve_Head_System(run, 4)) return false;
    out.y2 = s.YG[0];
    out.y1 = s.YG[1];
    out.y0 = s.YG[2];
    out.ym1 = s.YG[3];
    return true;
  }
  // Load types 1 to 3: unknowns (y(3), y(2), y(1), y(0), y(-1)).
  const double c2 = 2.0 - qh2_r2;
  s.At(1, 1) = 1.0;  // shear at the head
  s.At(1, 2) = -c2;
  s.At(1, 4) = c2;
  s.At(1, 5) = -1.0;
  s.G[0] = 2.0 * head.Shear * h2 * h / r2;
  s.At(2, 1) = 1.0;  // recurrence at node 3
  s.At(2, 2) = -e.A[3];
  s.At(2, 3) = e.B[3];
  s.G[1] = C_Term(e, 3);
  s.At(3, 2) = 1.0;  // recurrence at node 2
  s.At(3, 3) = -e.A[2];
  s.At(3, 4) = e.B[2];
  s.G[2] = C_Term(e, 2);
  if (head.LoadType == kLoadShearMoment) {
    s.At(4, 2) = 1.0;
    s.At(4, 3) = -2.0;
    s.At(4, 4) = 1.0;
    s.G[3] = head.Moment * h2 / r2;
  } else if (head.LoadType == kLoadShearSlope) {
    s.At(4, 2) = 1.0;
    s.At(4, 4) = -1.0;
    s.G[3] = 2.0 * h * head.Slope;
  } else {
    const double c = h * head.RotationalStiffness / (2.0 * r2);
    s.At(4, 2) = 1.0 - c;
    s.At(4, 3) = -2.0;
    s.At(4, 4) = 1.0 + c;
    s.G[3] = 0.0;
  }
  s.At(5, 3) = 1.0;  // recurrence at node 1
  s.At(5, 4) = -e.A[1];
  s.At(5, 5) = e.B[1];
  s.G[4] = C_Term(e, 1);
  if (!Solve_Head_System(run, kHeadSystemSize)) return false;
  out.y2 = s.YG[1];
  out.y1 = s.YG[2];
  out.y0 = s.YG[3];
  out.ym1 = s.YG[4];
  return true;
}

// Pile properties of the node for the total stress: the distance to the extreme fibre is
// half the width, or half the pole's own width for an embedded circular pole.
double Total_Stress(const RunContext& run, int i, double moment) {
  const PileNodes& nodes = run.Nodes;
  const PileProperties props = Pile_Properties_At_Depth(run, nodes.rd_NodeDepth[i]);
  if (props.I == 0.0 || props.A == 0.0) return 0.0;
  double fibre = props.b / 2.0;
  const int j = nodes.i_NodeSection[i];
  if (j >= 1 && j <= run.Problem.NumSections) {
    const PileSection& section = run.Problem.Sections[j - 1];
    const bool elastic = section.SectionType == kElastic || section.SectionType == kElasticPlastic;
    if (elastic && section.ElasticShape == kShapePole) fibre = props.b2 / 2.0;
  }
  return std::fabs(run.Analysis.Head.AxialThrust) / props.A + std::fabs(moment) * fibre / props.I;
}

void Update_Maxima(RunContext& run, int i, double moment, double shear, double stress) {
  LateralAnalysisState& state = run.Analysis;
  const double x = run.Nodes.rd_NodeDepth[i];
  ResponseMaxima& max = state.Maxima;
  if (std::fabs(moment) > std::fabs(max.Moment)) {
    max.Moment = moment;
    max.MomentDepth = x;
  }
  if (std::fabs(shear) > std::fabs(max.Shear)) {
    max.Shear = shear;
    max.ShearDepth = x;
  }
  if (stress > max.Stress) max.Stress = stress;
  const int c = state.CurrentCase;
  const int j = run.Nodes.i_NodeSection[i];
  if (c < 1 || c > kMaxLoadCases || j < 1 || j > kMaxSections) return;
  SectionMaxima& section = state.SectionMax[c][j];
  if (std::fabs(moment) > std::fabs(section.Moment)) {
    section.Moment = moment;
    section.MomentNode = i;
  }
  if (std::fabs(shear) > std::fabs(section.Shear)) {
    section.Shear = shear;
    section.ShearNode = i;
  }
}
}  // namespace

double Tip_Shear_At_Deflection(const TipShearTable& table, double y, double previous) {
  const int m = table.NumPoints;
  if (m <= 0) return 0.0;
  const double d = std::fabs(y);
  const auto& yt = table.Displacement;  // element k - 1 = point k
  const auto& vt = table.Shear;
  double v = 0.0;
  if (d > yt[m - 1]) {
    v = vt[m - 1];
  } else if (m == 1) {
    return previous;  // a one-point table not yet reached: the value stays as it was
  } else {
    // First k >= 2 with yt(k) >= d; below yt(1) this extends the first segment.
    int k = 2;
    while (k < m && yt[k - 1] < d) ++k;
    v = vt[k - 2] + (vt[k - 1] - vt[k - 2]) * (d - yt[k - 2]) / (yt[k - 1] - yt[k - 2]);
  }
  return y < 0.0 ? -v : v;
}

bool Solve_Head_System(RunContext& run, int n) {
  HeadSystem& s = run.Analysis.Head_System;
  for (int k = 1; k <= n - 1; ++k) {
    const double pivot = s.At(k, k);
    if (std::fabs(pivot) < kSmallPivot) {
      Report_Small_Pivot(run, k, pivot);
      return false;
    }
    for (int i = k + 1; i <= n; ++i) {
      if (s.At(i, k) == 0.0) continue;
      const double f = s.At(i, k) / pivot;
      for (int j = k + 1; j <= n; ++j) s.At(i, j) -= f * s.At(k, j);
      s.G[i - 1] -= f * s.G[k - 1];
    }
  }
  s.YG[n - 1] = s.G[n - 1] / s.At(n, n);
  for (int k = n - 1; k >= 1; --k) {
    double sum = s.G[k - 1];
    for (int j = k + 1; j <= n; ++j) sum -= s.At(k, j) * s.YG[j - 1];
    s.YG[k - 1] = sum / s.At(k, k);
  }
  return true;
}

void Solve_Beam_Column(RunContext& run) {
  PileNodes& nodes = run.Nodes;
  LateralAnalysisState& state = run.Analysis;
  const int n = nodes.i_Num_Nodes;
  const double h = nodes.rd_Increment;
  nodes.rd_NodeEI[1] = nodes.rd_NodeEI[2];
  NodeArray& y = nodes.rd_Y;

  state.TipShear = Tip_Shear_At_Deflection(run.Problem.TipShear, y[n], state.TipShear);
  const double qh2 = state.Head.AxialThrust * h * h;
  EliminationCoefficients& e = state.Elimination;
  Eliminate_Upward(nodes, qh2, state.TipShear, e);

  HeadDeflections head;
  if (!Solve_Head(run, head)) return;

  double dy_max = std::fmax(std::fabs(y[1] - head.y1), std::fabs(y[2] - head.y2));
  y[1] = head.y1;
  y[2] = head.y2;
  nodes.rd_Y0 = head.y0;
  nodes.rd_Ym1 = head.ym1;
  for (int k = 3; k <= n; ++k) {
    const double new_y = C_Term(e, k) + e.A[k] * y[k - 1] - e.B[k] * y[k - 2];
    const double change = std::fabs(y[k] - new_y);
    if (change > dy_max) dy_max = change;
    y[k] = new_y;
  }
  y[n + 1] = 2.0 * y[n] - y[n - 1];
  state.dYmax = dy_max;
}

void Reset_Response_Maxima(RunContext& run) {
  run.Analysis.Maxima = ResponseMaxima{};
}

void Node_Response(RunContext& run, int i) {
  PileNodes& nodes = run.Nodes;
  LateralAnalysisState& state = run.Analysis;
  NodeResponseValues& out = state.Response;
  HeadConditions& head = state.Head;
  const int n = nodes.i_Num_Nodes;
  const double h = nodes.rd_Increment;
  const double h2 = h * h;
  const double h3 = h2 * h;
  const double q = head.AxialThrust;
  nodes.rd_NodeEI[1] = nodes.rd_NodeEI[2];
  const NodeArray& R = nodes.rd_NodeEI;
  const double r2 = R[2];
  // Deflection of node k, the phantom nodes above the head included (k = 0, -1).
  const auto Y = [&nodes](int k) {
    if (k == 0) return nodes.rd_Y0;
    if (k == -1) return nodes.rd_Ym1;
    return nodes.rd_Y[k];
  };
  const bool type5 = head.LoadType == kLoadDeflectionSlope;

  double moment = 0.0;
  double shear = 0.0;
  double slope = 0.0;
  if (i == 1) {
    moment = r2 * (Y(2) - 2.0 * Y(1) + Y(0)) / h2;
    const double central_slope = (Y(2) - Y(0)) / (2.0 * h);
    if (type5) {
      const double m2p = r2 * (Y(3) - 2.0 * Y(2) + Y(1)) / h2;
      const double m3p = r2 * (Y(4) - 2.0 * Y(3) + Y(2)) / h2;
      const double one_sided_slope = (4.0 * Y(2) - 3.0 * Y(1) - Y(3)) / (2.0 * h);
      shear = q * one_sided_slope + (4.0 * m2p - 3.0 * moment - m3p) / (2.0 * h);
      slope = head.Slope;
      out.HeadSlope = one_sided_slope;
      out.M3Prime = m3p;
    } else {
      shear = r2 * (Y(3) - 2.0 * Y(2) + 2.0 * Y(0) - Y(-1)) / (2.0 * h3) + q * central_slope;
      slope = central_slope;
      out.HeadSlope = central_slope;
    }
    out.HeadShear = shear;
    out.HeadMoment = moment;
    switch (head.LoadType) {
      case kLoadShearSlope:
      case kLoadShearRotStiffness:
        head.Moment = moment;
        break;
      case kLoadDeflectionMoment:
        head.Shear = shear;
        break;
      case kLoadDeflectionSlope:
        head.Shear = shear;
        head.Moment = moment;
        break;
      default:
        break;
    }
  } else if (i == n) {
    moment = 0.0;
    shear = state.TipShear;
    slope = (Y(n) - Y(n - 1)) / h;
  } else if (i == 2) {
    moment = R[2] * (Y(3) - 2.0 * Y(2) + Y(1)) / h2;
    slope = (Y(3) - Y(1)) / (2.0 * h);
    if (type5) {
      shear = (out.M3Prime - out.HeadMoment) / (2.0 * h) + q * slope;
    } else {
      shear = q * slope + r2 * (Y(4) - 2.0 * Y(3) + 2.0 * Y(1) - Y(0)) / (2.0 * h3);
    }
  } else {
    moment = R[i] * (Y(i + 1) - 2.0 * Y(i) + Y(i - 1)) / h2;
    slope = (Y(i + 1) - Y(i - 1)) / (2.0 * h);
    shear = q * slope + (R[i + 1] * (Y(i + 2) - 2.0 * Y(i + 1) + Y(i)) -
                         R[i - 1] * (Y(i) - 2.0 * Y(i - 1) + Y(i - 2))) /
                            (2.0 * h3);
  }

  double reaction = -nodes.rd_NodeEs[i] * Y(i);
  if (run.Problem.Options.UseSoilMovement) {
    reaction = -(Y(i) - nodes.rd_NodeSoilMove[i]) * nodes.rd_NodeEs[i] -
               Distributed_Load_At_Node(run, nodes.rd_NodeDepth[i]);
  }
  const double stress = Total_Stress(run, i, moment);

  out.Moment[i] = moment;
  out.Shear[i] = shear;
  out.Slope[i] = slope;
  out.SoilReaction[i] = reaction;
  out.TotalStress[i] = stress;
  out.CurrentMoment = moment;
  out.CurrentShear = shear;
  out.CurrentSlope = slope;
  out.CurrentSoilReaction = reaction;
  out.CurrentStress = stress;
  Update_Maxima(run, i, moment, shear, stress);
}

}  // namespace tavik
