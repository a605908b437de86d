// The finite-difference beam-column solver against the closed-form response of a long
// elastic pile on a Winkler foundation (Hetenyi), for every kind of pile-head condition;
// the zero-load case; the tip shear curve; and the small-pivot error of the head system.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "analysis/analysis_fixture.h"
#include "analysis/solve_beam_column.h"
#include "test_support.h"

namespace tavik {
namespace {

using testing::Read_Lines;
using testing::ScratchDir;
using testing::Set_Winkler_Nodes;
using testing::Winkler_Beam;
using testing::WinklerBeam;

// The pile: EI = 1e10 lb-in**2 on k = 1000 lb/in**2, so b = (k / 4EI)^(1/4) = 0.012574 /in
// (1/b = 79.5 in). Its length of 1000 in is b L = 12.6 characteristic lengths: the tip
// lies where the long-beam response has decayed to exp(-12.6) = 3.4e-6 of the head values,
// far below the finite-difference error, so the long-beam solution is the exact reference.
constexpr double kEI = 1.0e10;
constexpr double kModulus = 1000.0;
constexpr double kLength = 1000.0;

struct Solution {
  std::unique_ptr<RunContext> run = std::make_unique<RunContext>();
  const PileNodes& nodes() const { return run->Nodes; }
};

Solution Solve(int n, const LoadCase& load) {
  Solution s;
  RunContext& run = *s.run;
  Set_Winkler_Nodes(run, n, kLength, kEI, kModulus);
  HeadConditions& head = run.Analysis.Head;
  head.LoadType = load.LoadType;
  head.AxialThrust = load.AxialThrust;
  switch (load.LoadType) {
    case kLoadShearMoment:
      head.Shear = load.Condition1;
      head.Moment = load.Condition2;
      break;
    case kLoadShearSlope:
      head.Shear = load.Condition1;
      head.Slope = load.Condition2;
      break;
    case kLoadShearRotStiffness:
      head.Shear = load.Condition1;
      head.RotationalStiffness = load.Condition2;
      break;
    case kLoadDeflectionMoment:
      head.Deflection = load.Condition1;
      head.Moment = load.Condition2;
      break;
    default:
      head.Deflection = load.Condition1;
      head.Slope = load.Condition2;
      break;
  }
  Solve_Beam_Column(run);
  for (int i = 1; i <= run.Nodes.i_Num_Nodes; ++i) Node_Response(run, i);
  return s;
}

// Largest deflection error over the nodes of the coarse grid (which are also nodes of the
// fine grid), relative to the head deflection scale max |y|.
double Deflection_Error(const Solution& s, const WinklerBeam& beam) {
  double error = 0.0;
  double scale = 0.0;
  const PileNodes& nodes = s.nodes();
  for (int i = 1; i <= nodes.i_Num_Nodes; ++i) {
    const double x = nodes.rd_NodeDepth[i];
    error = std::fmax(error, std::fabs(nodes.rd_Y[i] - beam.Y(x)));
    scale = std::fmax(scale, std::fabs(beam.Y(x)));
  }
  return error / scale;
}

struct HeadCase {
  const char* name;
  LoadCase load;
};

// Every head condition, with values of the size of a real pile head: a shear of 10 kips,
// a moment of 500 kip-in, a head deflection of 0.5 in, a slope of 0.002 rad.
const HeadCase kHeadCases[] = {
    {"free head, shear", {kLoadShearMoment, 10000.0, 0.0, 0.0, false}},
    {"free head, moment", {kLoadShearMoment, 0.0, 5.0e5, 0.0, false}},
    {"fixed head (zero slope)", {kLoadShearSlope, 10000.0, 0.0, 0.0, false}},
    {"rotated head", {kLoadShearSlope, 10000.0, -0.002, 0.0, false}},
    {"rotational restraint", {kLoadShearRotStiffness, 10000.0, 5.0e8, 0.0, false}},
    {"deflection and moment", {kLoadDeflectionMoment, 0.5, 0.0, 0.0, false}},
    {"deflection and slope", {kLoadDeflectionSlope, 0.5, -0.002, 0.0, false}},
};

// The finite-difference operators are central differences of second order: the error of
// the deflections is c (b h)**2 with c of order one. So at 100 increments (b h = 0.126) and
// 200 increments (b h = 0.063) the error stays below (b h)**2 relative to the head values,
// and halving h divides it by 4 (3.5 to 4.5 allows for the higher-order terms).
TEST(BeamColumnSolver, MatchesWinklerBeamWithSecondOrderError) {
  for (const HeadCase& c : kHeadCases) {
    SCOPED_TRACE(c.name);
    const WinklerBeam beam =
        Winkler_Beam(kEI, kModulus, c.load.LoadType, c.load.Condition1, c.load.Condition2);
    const Solution coarse = Solve(100, c.load);
    const Solution fine = Solve(200, c.load);
    const double bh_coarse = beam.beta * kLength / 100.0;
    const double bh_fine = beam.beta * kLength / 200.0;
    const double e_coarse = Deflection_Error(coarse, beam);
    const double e_fine = Deflection_Error(fine, beam);
    EXPECT_LT(e_coarse, bh_coarse * bh_coarse);
    EXPECT_LT(e_fine, bh_fine * bh_fine);
    EXPECT_GT(e_coarse / e_fine, 3.5);
    EXPECT_LT(e_coarse / e_fine, 4.5);

    // Head moment and shear of the response pass, relative to the moment and shear scales
    // of the case (V / b and V, or M and M b, or EI b**2 y and EI b**3 y).
    const NodeResponseValues& r = fine.run->Analysis.Response;
    const double moment_scale =
        std::fmax(std::fabs(beam.Moment(0.0)), std::fabs(beam.Shear(0.0)) / beam.beta);
    const double shear_scale = moment_scale * beam.beta;
    EXPECT_NEAR(r.HeadMoment, beam.Moment(0.0), moment_scale * bh_fine * bh_fine);
    EXPECT_NEAR(r.HeadShear, beam.Shear(0.0), shear_scale * bh_fine * bh_fine);
    EXPECT_NEAR(r.HeadSlope, beam.Slope(0.0), std::fabs(beam.Y(0.0)) * beam.beta * bh_fine);
  }
}

// The conditions the head system imposes hold exactly (to rounding), not only within the
// discretisation error.
TEST(BeamColumnSolver, HeadConditionsHoldExactly) {
  const Solution fixed = Solve(100, {kLoadShearSlope, 10000.0, 0.0, 0.0, false});
  EXPECT_DOUBLE_EQ(fixed.nodes().rd_Y[2], fixed.nodes().rd_Y0);  // zero slope: y(2) = y(0)
  const Solution deflected = Solve(100, {kLoadDeflectionMoment, 0.5, 2.0e5, 0.0, false});
  EXPECT_DOUBLE_EQ(deflected.nodes().rd_Y[1], 0.5);
  EXPECT_NEAR(deflected.run->Analysis.Response.HeadMoment, 2.0e5, 1e-6 * 2.0e5);
  const Solution slope = Solve(100, {kLoadDeflectionSlope, 0.5, 0.001, 0.0, false});
  EXPECT_DOUBLE_EQ(slope.nodes().rd_Y[1], 0.5);
  // Load type 5 reports the input slope at the head and keeps the computed one for the
  // summary.
  EXPECT_DOUBLE_EQ(slope.run->Analysis.Response.Slope[1], 0.001);
  // The phantom node below the tip continues the tip slope (zero moment at the tip).
  const PileNodes& n = slope.nodes();
  EXPECT_DOUBLE_EQ(n.rd_Y[n.i_Num_Nodes + 1],
                   2.0 * n.rd_Y[n.i_Num_Nodes] - n.rd_Y[n.i_Num_Nodes - 1]);
  EXPECT_EQ(n.rd_NodeEI[1], n.rd_NodeEI[2]);
}

// Load type 3 without rotational restraint is the free head without moment.
TEST(BeamColumnSolver, ZeroRotationalStiffnessIsFreeHead) {
  const Solution restrained = Solve(100, {kLoadShearRotStiffness, 10000.0, 0.0, 0.0, false});
  const Solution free = Solve(100, {kLoadShearMoment, 10000.0, 0.0, 0.0, false});
  for (int i = 1; i <= free.nodes().i_Num_Nodes; ++i) {
    EXPECT_NEAR(restrained.nodes().rd_Y[i], free.nodes().rd_Y[i], 1e-12);
  }
}

// No head load, no axial load and no distributed load: nothing moves.
TEST(BeamColumnSolver, ZeroLoadGivesZeroResponse) {
  RunContext run;
  Set_Winkler_Nodes(run, 50, kLength, kEI, kModulus);
  run.Analysis.Head.LoadType = kLoadShearMoment;
  Solve_Beam_Column(run);
  ASSERT_FALSE(run.Status.Has_Error());
  for (int i = 1; i <= run.Nodes.i_Num_Nodes; ++i) {
    Node_Response(run, i);
    EXPECT_EQ(run.Nodes.rd_Y[i], 0.0);
    EXPECT_EQ(run.Analysis.Response.Moment[i], 0.0);
    EXPECT_EQ(run.Analysis.Response.Shear[i], 0.0);
  }
  EXPECT_EQ(run.Analysis.dYmax, 0.0);
}

// Without any soil support the free pile is a mechanism (it can translate and rotate
// freely): the head system is singular, whatever the load, and the solution stops with
// runtime error 11 instead of returning an arbitrary position.
TEST(BeamColumnSolver, PileWithoutSoilSupportIsSingular) {
  RunContext run;
  Set_Winkler_Nodes(run, 50, kLength, kEI, 0.0);
  run.Analysis.Head.LoadType = kLoadShearMoment;
  Solve_Beam_Column(run);
  EXPECT_EQ(run.Status.ErrorNumber, 211);
  for (int i = 1; i <= run.Nodes.i_Num_Nodes; ++i) EXPECT_EQ(run.Nodes.rd_Y[i], 0.0);
}

// An axial compression lowers the lateral stiffness of the pile (the beam-column effect):
// under the same head shear the head deflects more; an axial tension stiffens it.
TEST(BeamColumnSolver, AxialCompressionSoftensThePile) {
  const double shear = 10000.0;
  const double thrust = 1.0e6;  // well below the buckling load 2 sqrt(k EI) = 6.3e6 lbs
  const Solution none = Solve(200, {kLoadShearMoment, shear, 0.0, 0.0, false});
  const Solution compressed = Solve(200, {kLoadShearMoment, shear, 0.0, thrust, false});
  const Solution pulled = Solve(200, {kLoadShearMoment, shear, 0.0, -thrust, false});
  EXPECT_GT(compressed.nodes().rd_Y[1], none.nodes().rd_Y[1]);
  EXPECT_LT(pulled.nodes().rd_Y[1], none.nodes().rd_Y[1]);
}

TEST(BeamColumnSolver, TipShearCurve) {
  TipShearTable table;
  EXPECT_EQ(Tip_Shear_At_Deflection(table, 0.3, 7.0), 0.0);  // no table: no tip shear
  table.NumPoints = 3;
  table.Displacement = {0.0, 0.1, 0.5};
  table.Shear = {0.0, 100.0, 300.0};
  EXPECT_DOUBLE_EQ(Tip_Shear_At_Deflection(table, 0.05, 0.0), 50.0);
  EXPECT_DOUBLE_EQ(Tip_Shear_At_Deflection(table, 0.3, 0.0), 200.0);    // 100 + 200 * 0.5
  EXPECT_DOUBLE_EQ(Tip_Shear_At_Deflection(table, -0.3, 0.0), -200.0);  // sign of y
  EXPECT_DOUBLE_EQ(Tip_Shear_At_Deflection(table, 2.0, 0.0), 300.0);    // beyond the curve
  // A single point acts once the tip deflection passes it; before, the value stays.
  TipShearTable one;
  one.NumPoints = 1;
  one.Displacement[0] = 0.2;
  one.Shear[0] = 80.0;
  EXPECT_DOUBLE_EQ(Tip_Shear_At_Deflection(one, 0.1, 0.0), 0.0);
  EXPECT_DOUBLE_EQ(Tip_Shear_At_Deflection(one, 0.3, 0.0), 80.0);
  EXPECT_DOUBLE_EQ(Tip_Shear_At_Deflection(one, -0.3, 0.0), -80.0);
}

// A tip shear acts on the pile like a lateral support at the tip: with the tip pushed
// against a stiff tip resistance the tip deflection falls and the tip node carries it.
TEST(BeamColumnSolver, TipShearEntersTheTipCondition) {
  // A short pile (b L = 2.5) so that the tip moves.
  RunContext run;
  Set_Winkler_Nodes(run, 100, 200.0, kEI, kModulus);
  run.Analysis.Head.LoadType = kLoadShearMoment;
  run.Analysis.Head.Shear = 10000.0;
  Solve_Beam_Column(run);
  const int n = run.Nodes.i_Num_Nodes;
  const double free_tip = run.Nodes.rd_Y[n];
  ASSERT_NE(free_tip, 0.0);
  TipShearTable& table = run.Problem.TipShear;
  table.NumPoints = 2;
  // A tip resistance of 10000 lb/in: with the tip shear taken from the previous tip
  // deflection, the iteration contracts as long as this stays below the inverse of the tip
  // flexibility of the short pile (some 1e5 lb/in here).
  table.Displacement = {0.0, 1.0};
  table.Shear = {0.0, 1.0e4};
  for (int iteration = 0; iteration < 30; ++iteration) Solve_Beam_Column(run);
  EXPECT_LT(std::fabs(run.Nodes.rd_Y[n]), std::fabs(free_tip));
  Node_Response(run, n);
  EXPECT_DOUBLE_EQ(run.Analysis.Response.Shear[n], run.Analysis.TipShear);
  EXPECT_EQ(run.Analysis.Response.Moment[n], 0.0);
}

// A singular head system: runtime error 11 with its message in both files and the head
// system in the report.
TEST(BeamColumnSolver, SmallPivotIsRuntimeError11) {
  ScratchDir dir;
  RunContext run;
  run.Report.Open(dir.File("case.out"));
  run.Messages.Open(dir.File("case.msg"));
  HeadSystem& s = run.Analysis.Head_System;
  // Rows 1 and 2 equal: the second pivot vanishes after the first elimination step.
  for (int j = 1; j <= 5; ++j) {
    s.At(1, j) = j;
    s.At(2, j) = j;
    s.At(j, j) += (j > 2) ? 1.0 : 0.0;
  }
  EXPECT_FALSE(Solve_Head_System(run, 5));
  EXPECT_EQ(run.Status.ErrorNumber, 211);
  run.Report.Close();
  run.Messages.Close();
  const auto report = Read_Lines(dir.File("case.out"));
  const auto messages = Read_Lines(dir.File("case.msg"));
  for (const auto* lines : {&report, &messages}) {
    ASSERT_GE(lines->size(), 4u);
    EXPECT_EQ((*lines)[0], "**** Runtime Error No. 11 ****");
    EXPECT_EQ((*lines)[2], "Problem:  Solution failed due to small pivot value.");
    EXPECT_EQ((*lines)[3], "          Node number = 2");
  }
  EXPECT_NE(testing::Find_Line(report, "F Matrix "), -1);
  EXPECT_EQ(testing::Find_Line(messages, "F Matrix "), -1);
  EXPECT_NE(
      testing::Find_Line(report, "Tavik ended prematurely due to runtime error number RUN00011"),
      -1);
}

}  // namespace
}  // namespace tavik
