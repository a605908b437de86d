// The load-case loop end to end on a linear soil: the converged response against the
// closed-form Winkler beam, the iteration and convergence rules, and the runtime errors of
// the iteration (9, 10, 28) with their effect on what is written.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/analysis_fixture.h"

namespace tavik {
namespace {

using testing::AnalysisRun;
using testing::Count_Lines_Containing;
using testing::Find_Line;
using testing::kTrialModulus;
using testing::PileSetup;
using testing::Run_Lateral;
using testing::Winkler_Beam;
using testing::WinklerBeam;

// Largest |moment| of the closed-form beam, sampled every 0.1 in.
double Max_Moment(const WinklerBeam& beam, double length) {
  double largest = 0.0;
  for (double x = 0.0; x <= length; x += 0.1) {
    largest = std::fmax(largest, std::fabs(beam.Moment(x)));
  }
  return largest;
}

// A soil without a p-y criterion keeps the trial modulus of 50000 lb/in**2 at every node,
// so the converged pile is the Winkler beam of that modulus. The 50 ft pipe pile
// (EI = 2.9e10 lb-in**2) has b = (50000 / 4 EI)^(1/4) = 0.02562 /in, b L = 15.4: a long
// pile. With 100 increments b h = 0.154, and the second-order finite differences stay
// within (b h)**2 = 0.024 of the closed form relative to the head values.
TEST(LoadCaseIteration, ConstantModulusPileMatchesWinklerBeam) {
  PileSetup setup;
  setup.cases = {{kLoadShearMoment, 10000.0, 0.0, 0.0, false},
                 {kLoadShearSlope, 10000.0, 0.0, 0.0, false},
                 {kLoadDeflectionMoment, 0.25, 0.0, 0.0, false},
                 {kLoadDeflectionSlope, 0.25, 0.0, 0.0, false}};
  const AnalysisRun result = Run_Lateral(setup);
  ASSERT_EQ(result.error(), 0);
  const double bh = std::pow(kTrialModulus / (4.0 * setup.ei), 0.25) * setup.length / 100.0;
  for (int c = 1; c <= 4; ++c) {
    SCOPED_TRACE(c);
    const LoadCase& load = setup.cases[c - 1];
    const WinklerBeam beam =
        Winkler_Beam(setup.ei, kTrialModulus, load.LoadType, load.Condition1, load.Condition2);
    const LoadCaseSummary& kept = result.run->Analysis.Cases[c];
    EXPECT_NEAR(kept.HeadDeflection, beam.Y(0.0), std::fabs(beam.Y(0.0)) * bh * bh);
    const double max_moment = Max_Moment(beam, setup.length);
    EXPECT_NEAR(std::fabs(kept.MaxMoment), max_moment, max_moment * bh * bh);
  }
  // Linear soil: the moduli never change, so the deflections are final after the first
  // solution, and still every case runs six iterations before it is accepted.
  for (int c = 1; c <= 4; ++c) {
    const std::string tag = "Analysis Case " + std::to_string(c) + ",";
    EXPECT_EQ(Count_Lines_Containing(result.messages, tag), 6);
  }
  EXPECT_EQ(Count_Lines_Containing(result.messages, "Convergence Criteria Met"), 4);
  EXPECT_EQ(
      Count_Lines_Containing(result.report, "Number of iterations             =              6"),
      4);
  // The converged solution satisfies the equilibrium of every segment.
  EXPECT_EQ(Count_Lines_Containing(result.report,
                                   "Output Verification: Computed forces and moments are "
                                   "within specified convergence limits."),
            4);
  EXPECT_EQ(Count_Lines_Containing(result.report, "POSSIBLE SOLUTION ERROR"), 0);
}

// The progress lines of the run-message file and of the report (the last five iterations
// before the limit only).
TEST(LoadCaseIteration, ProgressLines) {
  PileSetup setup;
  setup.max_iterations = 8;
  setup.cases = {{kLoadShearMoment, 10000.0, 0.0, 0.0, false}};
  const AnalysisRun result = Run_Lateral(setup);
  ASSERT_EQ(result.error(), 0);
  const int first = Find_Line(result.messages, "Analysis Case 1,");
  ASSERT_NE(first, -1);
  EXPECT_EQ(result.messages[first - 1], "Computing lateral response of pile for load number 1");
  const std::string& line = result.messages[first];
  EXPECT_EQ(line.substr(0, 19), "Analysis Case 1,   ");
  EXPECT_EQ(line.substr(19, 16), "Iteration 1,    ");
  EXPECT_EQ(line.substr(35, 9), "Y(top) = ");
  EXPECT_EQ(line.substr(56, 10), ", dYmax = ");
  EXPECT_EQ(line.size(), 78u);
  // The iteration limit of 8 puts iterations 4 to 6 (the last before convergence) in the
  // report; iterations 1 to 3 are not there.
  EXPECT_EQ(Find_Line(result.report, "Iteration 3,"), -1);
  const int fourth = Find_Line(result.report, "Iteration 4,");
  ASSERT_NE(fourth, -1);
  EXPECT_EQ(result.report[fourth].substr(12, 13), "    Y(top) = ");
  EXPECT_NE(Find_Line(result.report, "Iteration 6,"), -1);
  EXPECT_NE(Find_Line(result.messages, "Completed Analysis 1"), -1);
}

// Fewer than six iterations allowed: the case can never be accepted, even though its
// deflections stopped changing, and the run ends with runtime error 10.
TEST(LoadCaseIteration, NoConvergenceIsRuntimeError10) {
  PileSetup setup;
  setup.max_iterations = 5;
  setup.cases = {{kLoadShearMoment, 10000.0, 0.0, 0.0, false},
                 {kLoadShearMoment, 20000.0, 0.0, 0.0, false}};
  const AnalysisRun result = Run_Lateral(setup);
  EXPECT_EQ(result.error(), 210);
  const int heading = Find_Line(result.report, "**** Runtime Error No. 10 ****");
  ASSERT_NE(heading, -1);
  EXPECT_EQ(result.report[heading + 2],
            "The analysis failed to converge within the limit of 5 iterations.");
  EXPECT_EQ(result.report[heading + 4].substr(0, 34), "Maximum change in deflection    = ");
  EXPECT_EQ(result.report[heading + 6], "Specified convergence tolerance =  1.000E-05 in");
  EXPECT_NE(
      Find_Line(result.report, "Tavik ended prematurely due to runtime error number RUN00010"), -1);
  // No results for the failed case, no later case, no summary.
  EXPECT_EQ(Find_Line(result.report, "Computed Values of Pile Loading and Deflection"), -1);
  EXPECT_EQ(Find_Line(result.messages, "load number 2"), -1);
  EXPECT_EQ(Find_Line(result.report, "Summary of Pile Response(s)"), -1);
  EXPECT_EQ(Find_Line(result.messages, "Convergence Criteria Met"), -1);
}

// A case with a prescribed head deflection and moment still writes its results after
// runtime error 10; the run then stops before the next case.
TEST(LoadCaseIteration, DeflectionAndMomentCaseWritesResultsAfterError10) {
  PileSetup setup;
  setup.max_iterations = 5;
  setup.cases = {{kLoadDeflectionMoment, 0.25, 0.0, 0.0, false},
                 {kLoadShearMoment, 20000.0, 0.0, 0.0, false}};
  const AnalysisRun result = Run_Lateral(setup);
  EXPECT_EQ(result.error(), 210);
  const int error = Find_Line(result.report, "**** Runtime Error No. 10 ****");
  const int results = Find_Line(result.report, "Computed Values of Pile Loading and Deflection");
  ASSERT_NE(error, -1);
  ASSERT_NE(results, -1);
  EXPECT_GT(results, error);
  // The head deflection is the prescribed one, in the 14-column field (F13.7 for values
  // between 1e-5 and 1e4).
  EXPECT_NE(Find_Line(result.report, "Pile-head deflection             =      0.2500000 inches"),
            -1);
  EXPECT_EQ(Count_Lines_Containing(result.plot, "Line 10("), 101);
  // The failure is not reported as a success, and nothing of case 2 runs.
  EXPECT_EQ(Find_Line(result.messages, "Convergence Criteria Met"), -1);
  EXPECT_EQ(Find_Line(result.messages, "load number 2"), -1);
  EXPECT_EQ(Find_Line(result.report, "Summary of Pile Response(s)"), -1);
}

// A pile without bending stiffness gives deflections that are not numbers: runtime error 28
// in the report, status 228 without a message code.
TEST(LoadCaseIteration, NotANumberIsRuntimeError28) {
  PileSetup setup;
  setup.ei = 0.0;
  setup.inertia = 1000.0;
  setup.cases = {{kLoadShearMoment, 10000.0, 0.0, 0.0, false}};
  const AnalysisRun result = Run_Lateral(setup);
  EXPECT_EQ(result.error(), 228);
  const int heading = Find_Line(result.report, "**** Runtime Error No. 28 ****");
  ASSERT_NE(heading, -1);
  EXPECT_EQ(result.report[heading + 2],
            "Either top deflection or maximum change in deflection is not a number after "
            "iteration 1");
  EXPECT_EQ(Find_Line(result.report, "Tavik ended prematurely"), -1);
}

// No load at the head: the whole response is zero, and the case converges normally.
TEST(LoadCaseIteration, ZeroLoadGivesZeroResponse) {
  PileSetup setup;
  setup.cases = {{kLoadShearMoment, 0.0, 0.0, 0.0, false}};
  const AnalysisRun result = Run_Lateral(setup);
  ASSERT_EQ(result.error(), 0);
  const RunContext& run = *result.run;
  for (int i = 1; i <= run.Nodes.i_Num_Nodes; ++i) {
    EXPECT_EQ(run.Nodes.rd_Y[i], 0.0);
    EXPECT_EQ(run.Analysis.Response.Moment[i], 0.0);
  }
  EXPECT_EQ(run.Analysis.Cases[1].MaxMoment, 0.0);
  EXPECT_EQ(run.Analysis.Cases[1].MaxShear, 0.0);
}

// The 24-in pipe pile in soft clay (c = 5 psi, unit weight 30 pcf = 0.0174 pci, e50 =
// 0.01): the nonlinear soil needs more than six iterations, the converged solution
// satisfies the equilibrium check, and a heavier load deflects the head more than in
// proportion (the secant moduli fall as the soil yields).
PileSetup Soft_Clay_Pile() {
  PileSetup setup;
  setup.soil_index = testing::kSoftClaySoil;
  setup.unit_weight = 0.0174;
  setup.cohesion = 5.0;
  setup.epsilon50 = 0.01;
  return setup;
}

TEST(LoadCaseIteration, SoftClayConvergesNonlinearly) {
  PileSetup setup = Soft_Clay_Pile();
  setup.cases = {{kLoadShearMoment, 10000.0, 0.0, 0.0, false},
                 {kLoadShearMoment, 20000.0, 0.0, 0.0, false}};
  const AnalysisRun result = Run_Lateral(setup);
  ASSERT_EQ(result.error(), 0);
  EXPECT_GT(Count_Lines_Containing(result.messages, "Analysis Case 1,"), 6);
  EXPECT_EQ(Count_Lines_Containing(result.report, "Output Verification"), 2);
  const double y1 = result.run->Analysis.Cases[1].HeadDeflection;
  const double y2 = result.run->Analysis.Cases[2].HeadDeflection;
  EXPECT_GT(y1, 0.0);
  EXPECT_GT(y2, 2.0 * y1);
}

// 200 kips on the same pile: the head runs away; the excess-deflection test (limit 2 in)
// only starts after iteration 10, so the run stops in iteration 11 with runtime error 9.
TEST(LoadCaseIteration, ExcessDeflectionIsRuntimeError9) {
  PileSetup setup = Soft_Clay_Pile();
  setup.excess_deflection = 2.0;
  setup.cases = {{kLoadShearMoment, 200000.0, 0.0, 0.0, false}};
  const AnalysisRun result = Run_Lateral(setup);
  EXPECT_EQ(result.error(), 209);
  EXPECT_EQ(Count_Lines_Containing(result.messages, "Analysis Case 1,"), 11);
  for (const auto* lines : {&result.report, &result.messages}) {
    const int heading = Find_Line(*lines, "**** Runtime Error No. 9 ****");
    ASSERT_NE(heading, -1);
    EXPECT_EQ((*lines)[heading + 4],
              "Problem:  The computed deflection is larger than the specified excess "
              "deflection limit.");
    EXPECT_EQ((*lines)[heading + 6].substr(0, 44), "The computed deflection of the pile head is ");
  }
  EXPECT_NE(
      Find_Line(result.report, "The specified excess deflection limit is      2.0000E+00 in "), -1);
  EXPECT_NE(
      Find_Line(result.report, "Tavik ended prematurely due to runtime error number RUN00009"), -1);
  EXPECT_EQ(Find_Line(result.report, "Computed Values of Pile Loading"), -1);
}

// The p-y curves at the user's depths follow the convergence of load case 1 (before its
// results), once per run.
TEST(LoadCaseIteration, UserDepthCurvesAfterFirstCase) {
  PileSetup setup = Soft_Clay_Pile();
  setup.py_output_depths = {60.0};
  setup.cases = {{kLoadShearMoment, 10000.0, 0.0, 0.0, false},
                 {kLoadShearMoment, 20000.0, 0.0, 0.0, false}};
  const AnalysisRun result = Run_Lateral(setup);
  ASSERT_EQ(result.error(), 0);
  const int line6 = Find_Line(result.plot, "Line 6 : number of output p-y curves");
  ASSERT_NE(line6, -1);
  EXPECT_EQ(result.plot[line6].substr(0, 5), "    1");
  EXPECT_LT(line6, Find_Line(result.plot, "Line 9:"));
  EXPECT_EQ(Count_Lines_Containing(result.plot, "Line 6 :"), 1);
  const int curves = Find_Line(result.report, "p-y Curves Reported for Specified Depths");
  ASSERT_NE(curves, -1);
  EXPECT_LT(curves, Find_Line(result.report, "Computed Values of Pile Loading"));
  EXPECT_EQ(result.run->Problem.NumPyOutputDepths, 1);
}

// Stages this build does not contain end the run in an orderly way (internal error 999
// naming the stage) when the input asks for them.
}  // namespace
}  // namespace tavik
