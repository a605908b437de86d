#include "analysis/load_case_report.h"

#include <cmath>
#include <string>

#include "analysis/solve_beam_column.h"
#include "run/report_writers.h"

namespace tavik {

namespace {
constexpr int kParameterColumn = 56;  // "= " of the head-condition lines
constexpr int kLine10LabelColumn = 92;
constexpr double kPrintAsZeroBelow = 1.0e-20;
constexpr double kFixedHeadSlope = 1.0e-10;
// Largest moment imbalance of a sound solution: 1 in-lb, and the same moment in kN-m.
constexpr double kMomentImbalanceLimitUS = 1.0;
constexpr double kMomentImbalanceLimitSI = 0.00011298;
constexpr int kDepthWidth = 10;
constexpr int kColumnWidth = 11;
constexpr int kSummaryWidth = 14;
constexpr int kImbalanceWidth = 12;

bool Is_US(const RunContext& run) {
  return run.Problem.IUNITS == kUnitsUSCustomary;
}
bool Is_SI(const RunContext& run) {
  return run.Problem.IUNITS == kUnitsSI;
}
bool Has_Units(const RunContext& run) {
  return Is_US(run) || Is_SI(run);
}

double Printed(double x) {
  return std::fabs(x) < kPrintAsZeroBelow ? 0.0 : x;
}

void Write_Header(RunContext& run, int c) {
  TextChannel& out = run.Report;
  out.Empty_Lines(2);
  out.Rule('-');
  if (run.Problem.Options.UseLRFD) {
    out.Write_Line("                 Computed Values of Pile Loading and Deflection");
    out.Line().A("                 for Lateral Loading for LRFD Load Case Number ").I(c, 0);
    out.End_Line();
    out.Rule('-');
    out.Empty_Lines(1);
    const std::string& name = run.Problem.LrfdCombinations[c - 1].Name;
    out.Line()
        .A("Load Case No. ")
        .I(c, 0)
        .A(":  ")
        .A(name)
        .A("", kTextLength - static_cast<int>(name.size()));
    out.End_Line();
    out.Empty_Lines(2);
    return;
  }
  out.Write_Line("                 Computed Values of Pile Loading and Deflection");
  out.Line().A("                   for Lateral Loading for Load Case Number ").I(c, 0);
  out.End_Line();
  out.Rule('-');
  out.Empty_Lines(1);
}

// One parameter line: label, "= " at column 56, then the caller's field and unit.
FortranLine& Parameter(TextChannel& out, std::string_view label) {
  return out.Line().A(label).T(kParameterColumn).A("= ");
}

// The input conditions of load case c, in US customary or SI units.
void Write_Head_Conditions(RunContext& run, int c) {
  TextChannel& out = run.Report;
  const LoadCase& load = run.Problem.LoadCases[c - 1];
  const bool us = Is_US(run);
  const std::string_view force = us ? " lbs" : " kN";
  const std::string_view moment = us ? " in-lbs" : " kN-m";
  switch (load.LoadType) {
    case kLoadShearMoment:
      out.Write_Line("Pile-head conditions are Shear and Moment (Loading Type 1)");
      Parameter(out, "Horizontal shear force at pile head").F(load.Condition1, 15, 3).A(force);
      out.End_Line();
      Parameter(out, "Applied moment at pile head        ").F(load.Condition2, 15, 3).A(moment);
      out.End_Line();
      Parameter(out, "Axial thrust load on pile head     ").F(load.AxialThrust, 15, 3).A(force);
      out.End_Line();
      break;
    case kLoadShearSlope:
      out.Write_Line("Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)");
      Parameter(out, "Shear force at pile head").F(load.Condition1, 15, 3).A(force);
      out.End_Line();
      Parameter(out, "Rotation of pile head   ").ES(load.Condition2, 15, 3).A(" radians");
      out.End_Line();
      Parameter(out, "Axial load at pile head ").F(load.AxialThrust, 15, 3).A(force);
      out.End_Line();
      out.Write_Line(std::fabs(load.Condition2) < kFixedHeadSlope
                         ? "(Zero slope for this load indicates fixed-head conditions)"
                         : "(Non-zero slope for this load does indicates rotated pile-head "
                           "condition)");
      break;
    case kLoadShearRotStiffness:
      out.Write_Line("Pile-head conditions are Shear and Rotational Stiffness (Loading Type 3)");
      Parameter(out, "Shear force at pile head").F(load.Condition1, 15, 3).X(1).A(us ? "lb" : "kN");
      out.End_Line();
      Parameter(out, "Rotational stiffness    ")
          .F(load.Condition2, 15, 3)
          .X(1)
          .A(us ? "in-lb/rad" : "kN-m/rad");
      out.End_Line();
      Parameter(out, "Axial load at pile head ")
          .F(load.AxialThrust, 15, 3)
          .X(1)
          .A(us ? "lbs" : "kN");
      out.End_Line();
      break;
    case kLoadDeflectionMoment:
      out.Write_Line("Pile-head conditions are Displacement and Moment (Loading Type 4)");
      Parameter(out, "Displacement of pile head")
          .F(load.Condition1, 15, 6)
          .X(1)
          .A(us ? "inches" : "meters");
      out.End_Line();
      Parameter(out, "Moment at pile head      ")
          .F(load.Condition2, 15, 3)
          .X(1)
          .A(us ? "in-lbs" : "kN-m");
      out.End_Line();
      Parameter(out, "Axial load at pile head  ")
          .F(load.AxialThrust, 15, 3)
          .X(1)
          .A(us ? "lbs" : "kN");
      out.End_Line();
      break;
    case kLoadDeflectionSlope:
      out.Write_Line(
          "Pile-head conditions are Displacement and Pile-head Rotation (Loading Type 5)");
      Parameter(out, "Displacement of pile head")
          .F(load.Condition1, 15, 6)
          .X(1)
          .A(us ? "inches" : "meters");
      out.End_Line();
      Parameter(out, "Rotation of pile head    ").ES(load.Condition2, 15, 3).X(1).A("radians");
      out.End_Line();
      Parameter(out, "Axial load on pile head  ")
          .F(load.AxialThrust, 15, 3)
          .X(1)
          .A(us ? "lbs" : "kN");
      out.End_Line();
      break;
    default:
      return;  // no block for a load type outside 1 to 5
  }
  out.Empty_Lines(1);
}

void Write_Table_Header(RunContext& run) {
  TextChannel& out = run.Report;
  out.Write_Line(
      "   Depth    Deflect.    Bending    Shear       Slope      Total    Bending   Soil Res.  "
      "Soil Spr.   Distrib. ");
  out.Write_Line(
      "     X         y        Moment     Force         S       Stress   Stiffness      p       "
      "  Es*h    Lat. Load ");
  out.Write_Line(Is_US(run) ? "   inches    inches     in-lbs      lbs       radians     psi*      "
                              "lb-in^2    lb/in      lb/inch    lb/inch "
                            : "   meters    meters      kN-m       kN        radians     kPa*      "
                              "kN-m^2     kN/m        kN/m      kN/m    ");
  constexpr int kGroups = 10;
  for (int g = 0; g < kGroups; ++g) {
    if (g > 0) out.Line().A(" ");
    out.Line().A("----------");
  }
  out.End_Line();
}

// Plot record "Line 10" of node i.
void Write_Line10(RunContext& run, int i) {
  const PileNodes& nodes = run.Nodes;
  const NodeResponseValues& r = run.Analysis.Response;
  run.Plot.Line()
      .ES(nodes.rd_NodeDepth[i], 15, 7)
      .ES(nodes.rd_Y[i], 15, 7)
      .ES(r.Moment[i], 15, 7)
      .ES(r.Shear[i], 15, 7)
      .ES(r.SoilReaction[i], 15, 7)
      .ES(nodes.rd_NodeEI[i], 15, 7)
      .T(kLine10LabelColumn)
      .A("Line 10(")
      .I(i, 3)
      .A("): nodal depth, y, M, V, p, EI");
  run.Plot.End_Line();
}

// One row of the response table.
void Write_Table_Row(RunContext& run, int i) {
  const PileNodes& nodes = run.Nodes;
  const NodeResponseValues& r = run.Analysis.Response;
  const int n = nodes.i_Num_Nodes;
  const double h = nodes.rd_Increment;
  const double tributary = (i == 1 || i == n) ? h / 2.0 : h;
  TextChannel& out = run.Report;
  Write_Real(out, nodes.rd_NodeDepth[i], kDepthWidth);
  for (double value : {Printed(nodes.rd_Y[i]), Printed(r.Moment[i]), Printed(r.Shear[i]),
                       r.Slope[i], r.TotalStress[i], nodes.rd_NodeEI[i], Printed(r.SoilReaction[i]),
                       nodes.rd_NodeEs[i] * tributary, nodes.rd_NodeLoad[i]}) {
    Write_Real(out, value, kColumnWidth);
  }
  out.End_Line();
}

// Deflection sign changes between consecutive nodes (node N compares with the phantom node
// below the tip); a deflection of exactly zero never counts.
int Zero_Deflection_Points(const PileNodes& nodes) {
  int count = 0;
  for (int i = 1; i <= nodes.i_Num_Nodes; ++i) {
    const double a = nodes.rd_Y[i];
    const double b = nodes.rd_Y[i + 1];
    if ((a > 0.0 && b < 0.0) || (a < 0.0 && b > 0.0)) ++count;
  }
  return count;
}

void Write_Output_Summary(RunContext& run, int c) {
  TextChannel& out = run.Report;
  const LoadCaseSummary& kept = run.Analysis.Cases[c];
  const bool us = Is_US(run);
  out.Empty_Lines(1);
  out.Line().A("Output Summary for Load Case No. ").I(c, 0).A(":");
  out.End_Line();
  out.Empty_Lines(1);
  if (!Has_Units(run)) return;
  const std::string_view depth_unit = us ? " inches below pile head" : " meters below pile head";
  const struct {
    std::string_view label;
    double value;
    std::string_view unit;
  } rows[] = {
      {"Pile-head deflection             = ", kept.HeadDeflection, us ? " inches" : " meters"},
      {"Computed slope at pile head      = ", kept.HeadSlope, " radians"},
      {"Maximum bending moment           = ", kept.MaxMoment, us ? " inch-lbs" : " kN-m"},
      {"Maximum shear force              = ", kept.MaxShear, us ? " lbs" : " kN"},
      {"Depth of maximum bending moment  = ", kept.MaxMomentDepth, depth_unit},
      {"Depth of maximum shear force     = ", kept.MaxShearDepth, depth_unit},
  };
  for (const auto& row : rows) {
    out.Line().A(row.label);
    Write_Real(out, row.value, kSummaryWidth);
    out.Line().A(row.unit);
    out.End_Line();
  }
  out.Line().A("Number of iterations             = ");
  Write_Integer(out, run.Analysis.Iteration, kSummaryWidth);
  out.End_Line();
  out.Line().A("Number of zero deflection points = ");
  Write_Integer(out, Zero_Deflection_Points(run.Nodes), kSummaryWidth);
  out.End_Line();
  out.Empty_Lines(1);
}

// The warning block of a moment imbalance above the limit, to one channel.
void Write_Imbalance_Warning(RunContext& run, TextChannel& out, bool message_file) {
  const EquilibriumCheck& check = run.Analysis.Equilibrium;
  const bool us = Is_US(run);
  const std::string moment_unit = Length_Force_Moment_Unit(run.Units);
  const std::string_view force_unit = Trimmed(run.Units.c_UnitForce);
  out.Empty_Lines(2);
  if (message_file) {
    out.Write_Line(us ? "**** Warning - POSSIBLE SOLUTION ERROR 550 ****"
                      : "**** Warning - Possible Solution Error 550 ****");
  } else {
    out.Write_Line(us ? "**** Warning - POSSIBLE SOLUTION ERROR 5501 ****"
                      : "**** Warning - Possible Solution Error 5501 ****");
  }
  out.Empty_Lines(1);
  out.Write_Line("Force and moment imbalances may be too large for a good solution.");
  out.Empty_Lines(1);
  out.Write_Line("The cause of the imbalance may be due to extreme changes in magnitude");
  out.Write_Line("of nonlinear bending stiffness within three nodal points of the top of the pile");
  out.Write_Line("which may affect the finite difference computation of shear force.");
  out.Empty_Lines(1);
  out.Write_Line("Please examine curves and printed output for deflection, moment, shear force,");
  out.Write_Line("and number of iterations to determine if computed values are reasonable.");
  out.Write_Line("If the shear force shows large changes, increase the number of nodal points");
  out.Write_Line("(pile increments) and repeat the analysis.");
  out.Empty_Lines(1);
  if (message_file) {
    out.Line()
        .A("Maximum internal moment imbalance for pile solution         = ")
        .ES(check.MaxMoment, 12, 5)
        .A(" ")
        .A(moment_unit)
        .A(" at node ")
        .I(check.MaxMomentNode, 0);
    out.End_Line();
    out.Line()
        .A("Maximum internal lateral force imbalance for pile  solution = ")
        .ES(check.MaxForce, 12, 5)
        .A(" ")
        .A(force_unit)
        .A(" at node ")
        .I(check.MaxForceNode, 0);
    out.End_Line();
    return;
  }
  out.Line().A("Maximum internal moment imbalance for pile        = ");
  Write_Real(out, check.MaxMoment, kImbalanceWidth);
  out.Line().A(" ").A(moment_unit);
  out.End_Line();
  out.Line().A("Maximum internal lateral force imbalance for pile = ");
  Write_Real(out, check.MaxForce, kImbalanceWidth);
  out.Line().A(" ").A(force_unit);
  out.End_Line();
}

void Judge_Equilibrium(RunContext& run) {
  const double limit = Is_US(run)   ? kMomentImbalanceLimitUS
                       : Is_SI(run) ? kMomentImbalanceLimitSI
                                    : 0.0;
  if (limit == 0.0) return;  // general units are not judged
  if (std::fabs(run.Analysis.Equilibrium.MaxMoment) <= limit) {
    if (!run.Problem.Options.PrintSummaryOnly && !run.Analysis.b_StiffnessMatrixMode) {
      run.Report.Empty_Lines(1);
      run.Report.Write_Line(
          "Output Verification: Computed forces and moments are within specified convergence "
          "limits.");
      run.Report.Empty_Lines(1);
    }
    return;
  }
  Write_Imbalance_Warning(run, run.Report, false);
  Write_Imbalance_Warning(run, run.Messages, true);
}
}  // namespace

void Reset_Equilibrium_Check(RunContext& run) {
  run.Analysis.Equilibrium = EquilibriumCheck{};
}

void Verify_Equilibrium(RunContext& run, int i) {
  const PileNodes& nodes = run.Nodes;
  LateralAnalysisState& state = run.Analysis;
  EquilibriumCheck& eq = state.Equilibrium;
  const NodeArray& y = nodes.rd_Y;
  const int n = nodes.i_Num_Nodes;
  const double h = nodes.rd_Increment;
  const double q = state.Head.AxialThrust;
  const int a = i - 2;
  const int b = i - 1;
  if (i == 3) {
    const double r2 = nodes.rd_NodeEI[2];
    eq.Ma = state.Head.Moment;
    eq.Va = r2 * (y[3] - 2.0 * y[2] + 2.0 * nodes.rd_Y0 - nodes.rd_Ym1) / (2.0 * h * h * h);
    eq.Sa = (y[2] - nodes.rd_Y0) / (2.0 * h);
    eq.Mb = eq.NodeMoment2;
  }
  double vb = 0.0;
  double sb = 0.0;
  double mb = 0.0;
  if (i <= n) {
    vb = (state.Response.Moment[i] - eq.Ma) / (2.0 * h);
    sb = (y[i] - y[a]) / (2.0 * h);
    mb = eq.Mb;
  } else {
    sb = (y[n] - y[n - 1]) / h;
    vb = -q * sb;
    mb = 0.0;
  }
  const double pa = nodes.rd_NodeLoad[a] - nodes.rd_NodeEs[a] * y[a];
  const double pb = nodes.rd_NodeLoad[b] - nodes.rd_NodeEs[b] * y[b];
  double force = (eq.Va + q * eq.Sa) - (vb + q * sb) + (pa + pb) * h / 2.0;
  if (i == n + 1) force -= state.TipShear;
  const double moment = (eq.Va + q * eq.Sa) * h + pa * h * h / 2.0 + q * (y[a] - y[b]) + eq.Ma - mb;
  if (std::fabs(force) > std::fabs(eq.MaxForce)) {
    eq.MaxForce = force;
    eq.MaxForceNode = i;
  }
  if (std::fabs(moment) > std::fabs(eq.MaxMoment)) {
    eq.MaxMoment = moment;
    eq.MaxMomentNode = i;
  }
  eq.Ma = mb;
  eq.Mb = (i <= n) ? state.Response.Moment[i] : 0.0;
  eq.Va = vb;
  eq.Sa = sb;
  if (i == n + 1) Judge_Equilibrium(run);
}

void Write_Load_Case_Results(RunContext& run, int c) {
  LateralAnalysisState& state = run.Analysis;
  const AnalysisOptions& options = run.Problem.Options;
  const PileNodes& nodes = run.Nodes;
  const int n = nodes.i_Num_Nodes;
  const bool stiffness_mode = state.b_StiffnessMatrixMode;
  // A stiffness-matrix case is recorded, not reported.
  const bool full_report = !options.PrintSummaryOnly && !stiffness_mode;
  const bool nonlinear_ei = options.ICOM > kComputeEIOnly;

  if (full_report) Write_Header(run, c);
  // Line 9 heads the records of the load cases. The stiffness-matrix computation writes it
  // again for its first case, counting its own twenty cases (hosts read the records by
  // position), although its cases write no Line 10 records.
  if (c == 1) {
    run.Plot.Line()
        .I(stiffness_mode ? 2 * kStiffnessLoadLevels : state.NumLoadCases, 5)
        .I(n, 5)
        .I(run.Problem.IUNITS, 5)
        .X(65)
        .A("Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI");
    run.Plot.End_Line();
  }
  if (full_report && Has_Units(run)) Write_Head_Conditions(run, c);
  Reset_Response_Maxima(run);
  Reset_Equilibrium_Check(run);
  const bool table = full_report && nonlinear_ei;
  if (table && Has_Units(run)) Write_Table_Header(run);

  const int print_increment = options.PrintIncrement >= 1 ? options.PrintIncrement : 1;
  LoadCaseSummary& kept = state.Cases[c];
  for (int i = 1; i <= n; ++i) {
    Node_Response(run, i);
    if (i == 1) {
      state.Equilibrium.NodeMoment1 = state.Response.Moment[1];
      kept.HeadShear = state.Response.HeadShear;
      kept.HeadMoment = state.Response.HeadMoment;
      kept.HeadDeflection = nodes.rd_Y[1];
      kept.HeadSlope = state.Response.HeadSlope;
    } else if (i == 2) {
      state.Equilibrium.NodeMoment2 = state.Response.Moment[2];
    } else {
      Verify_Equilibrium(run, i);
    }
    if (!stiffness_mode) Write_Line10(run, i);
    if (table && (i - 1) % print_increment == 0) Write_Table_Row(run, i);
  }
  if (full_report && options.ICOM == kFullAnalysis) {
    TextChannel& out = run.Report;
    out.Empty_Lines(1);
    out.Write_Line(
        "* This analysis makes computations of pile response using nonlinear moment-curvature "
        "relationships. ");
    out.Write_Line(
        "  The above values of total stress are computed for combined axial stress and do not "
        "equal the ");
    out.Write_Line("  actual stresses in concrete and steel in the range of nonlinear bending. ");
    out.Empty_Lines(1);
  }
  Verify_Equilibrium(run, n + 1);
  kept.MaxMoment = state.Maxima.Moment;
  kept.MaxMomentDepth = state.Maxima.MomentDepth;
  kept.MaxShear = state.Maxima.Shear;
  kept.MaxShearDepth = state.Maxima.ShearDepth;
  if (full_report) Write_Output_Summary(run, c);
}

}  // namespace tavik
