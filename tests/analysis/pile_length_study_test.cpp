// The pile-head deflection against pile length: the trial lengths and the skip rule, the
// recording rule, the ends of a study, its report block and plot records, the input pile
// and options after it, and the errors that stop it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/analysis_fixture.h"
#include "analysis/pile_length_study.h"

namespace tavik {
namespace {

using testing::AnalysisRun;
using testing::Count_Lines_Containing;
using testing::Find_Line;
using testing::PileSetup;
using testing::Run_Lateral;

// The 50 ft pipe pile (EI = 2.9e10 lb-in**2) with the study on load case 1 (10 kips), on
// the constant-modulus soil (a linear Winkler foundation, every length converges in six
// iterations) unless a test changes it.
PileSetup Study_Setup() {
  PileSetup setup;
  setup.cases = {{kLoadShearMoment, 10000.0, 0.0, 0.0, true}};
  return setup;
}

PileSetup Soft_Clay(PileSetup setup) {
  setup.soil_index = testing::kSoftClaySoil;
  setup.unit_weight = 0.0174;  // 30 pcf
  setup.cohesion = 5.0;        // 720 psf
  setup.epsilon50 = 0.01;
  return setup;
}

// The iteration counts of the successive solutions of case 1 in the run-message file (the
// load case, then each trial length).
std::vector<int> Iterations_Per_Solution(const std::vector<std::string>& messages) {
  std::vector<int> counts;
  for (const std::string& line : messages) {
    if (line.rfind("Analysis Case 1,", 0) != 0) continue;
    const int n = std::stoi(line.substr(line.find("Iteration ") + 10));
    if (n == 1) counts.push_back(0);
    counts.back() = n;
  }
  return counts;
}

// The first length is the input pile under the same load: its point is the main analysis of
// the load case, to the last bit (soft clay, a nonlinear iteration of many steps).
TEST(PileLengthStudy, FirstPointIsTheMainAnalysis) {
  const AnalysisRun result = Run_Lateral(Soft_Clay(Study_Setup()));
  ASSERT_EQ(result.error(), 0);
  const LengthStudyCurve& curve = result.run->Analysis.LengthStudies[1];
  const LoadCaseSummary& main = result.run->Analysis.Cases[1];
  ASSERT_GE(curve.NumPoints, 1);
  EXPECT_EQ(curve.Points[0].PileLength, 600.0);
  EXPECT_EQ(curve.Points[0].HeadDeflection, main.HeadDeflection);
  EXPECT_EQ(curve.Points[0].MaxMoment, main.MaxMoment);
  EXPECT_EQ(curve.Points[0].MaxShear, main.MaxShear);
}

// Trial lengths (1 - 0.05 k) L0; a length whose tip lies less than 0.05 L0 below the ground
// surface is skipped. Ground at the head: all 20. Ground 12 % of L0 below the head: 15, 10
// and 5 % of L0 fall short of 17 % and are skipped, 17 points down to 20 % of L0. A pile
// battered 30 degrees with the ground at 48 % of L0: the tip of a trial pile is at
// 0.866 Lk vertically, and the lengths from 60 % of L0 down (0.52 L0 < 0.53 L0) are
// skipped: 8 points, where the along-axis length alone would let 55 % and 60 % through to
// a pile with no soil around it (a singular system: runtime error 11).
TEST(PileLengthStudy, TrialLengthsAndSkipRule) {
  struct Row {
    const char* why;
    double ground;  // fraction of L0
    double batter;  // degrees
    int points;
  };
  const Row rows[] = {{"ground at the head", 0.0, 0.0, 20},
                      {"ground 12 % below the head", 0.12, 0.0, 17},
                      {"battered pile, deep ground", 0.48, 30.0, 8}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    PileSetup setup = Study_Setup();
    setup.ground_depth = row.ground * setup.length;
    setup.batter = row.batter * std::acos(-1.0) / 180.0;
    const AnalysisRun result = Run_Lateral(setup);
    ASSERT_EQ(result.error(), 0);
    const LengthStudyCurve& curve = result.run->Analysis.LengthStudies[1];
    ASSERT_EQ(curve.NumPoints, row.points);
    for (int p = 0; p < curve.NumPoints; ++p) {
      // The factor is formed in single precision: within 6e-8 of 1 - 0.05 k.
      EXPECT_NEAR(curve.Points[p].PileLength, (1.0 - 0.05 * p) * setup.length,
                  6.0e-8 * setup.length);
    }
    EXPECT_EQ(Count_Lines_Containing(result.plot, "Line 12: pile length, Ytop, Mmax, Vmax"),
              row.points);
  }
}

// A converged length whose head deflection exceeds the excess deflection limit is no point
// (a linear soil converges without the excess test, which applies only while iterating):
// with the limit below the head deflection (2 V b / k = 0.0102 in) no length records one.
TEST(PileLengthStudy, NoPointWhenNoLengthIsWithinTheLimits) {
  PileSetup setup = Study_Setup();
  setup.excess_deflection = 0.005;
  const AnalysisRun result = Run_Lateral(setup);
  ASSERT_EQ(result.error(), 0);
  EXPECT_EQ(result.run->Analysis.LengthStudies[1].NumPoints, 0);
  // Every length was still analysed: the case and 20 lengths of 6 iterations.
  EXPECT_EQ(Iterations_Per_Solution(result.messages), std::vector<int>(21, 6));
  const int none = Find_Line(result.report, "No computations for top deflection vs. pile");
  ASSERT_NE(none, -1);
  EXPECT_EQ(result.report[none],
            "No computations for top deflection vs. pile length were successful for this load "
            "case.");
  EXPECT_EQ(result.report[none + 1], "");
  EXPECT_EQ(result.report[none + 2], "Results of last two iterations:");
  const int line11 = Find_Line(result.plot, "Line 11:");
  ASSERT_NE(line11, -1);
  EXPECT_EQ(result.plot[line11],
            "    0" + std::string(75, ' ') +
                "Line 11: Num. points on Ytop vs. pile length curve for load case 1");
  EXPECT_EQ(Count_Lines_Containing(result.plot, "Line 12:"), 0);
}

// The first length that does not converge, or reaches the excess deflection, ends the
// study with the points so far. Soft clay, 10 kips: the shorter piles need more iterations
// and deflect more. With 30 iterations allowed, the 17th length (20 % of L0, 31 iterations
// needed) does not converge: 16 points. With 100 iterations and a limit of 2 in, the 19th
// length (10 % of L0) passes 2 in and is still moving after 10 iterations: 18 points.
TEST(PileLengthStudy, EndsAtNonConvergenceOrExcessDeflection) {
  struct Row {
    const char* why;
    int max_iterations;
    double excess_deflection;
    int points;
    int last_iterations;  // of the length that ended the study
  };
  const Row rows[] = {{"no convergence", 30, 100.0, 16, 30},
                      {"excess deflection", 100, 2.0, 18, 11}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    PileSetup setup = Soft_Clay(Study_Setup());
    setup.max_iterations = row.max_iterations;
    setup.excess_deflection = row.excess_deflection;
    setup.cases.push_back({kLoadShearMoment, 5000.0, 0.0, 0.0, false});
    const AnalysisRun result = Run_Lateral(setup);
    ASSERT_EQ(result.error(), 0);
    const LengthStudyCurve& curve = result.run->Analysis.LengthStudies[1];
    EXPECT_EQ(curve.NumPoints, row.points);
    const std::vector<int> solutions = Iterations_Per_Solution(result.messages);
    ASSERT_EQ(static_cast<int>(solutions.size()), 1 + row.points + 1);
    EXPECT_EQ(solutions.back(), row.last_iterations);
    // Shorter piles deflect more.
    for (int p = 1; p < curve.NumPoints; ++p) {
      EXPECT_GE(curve.Points[p].HeadDeflection, curve.Points[p - 1].HeadDeflection * 0.999);
    }
    // The run goes on with load case 2 on the input pile.
    EXPECT_EQ(Count_Lines_Containing(result.report, "Output Summary for Load Case No. 2:"), 1);
    EXPECT_EQ(result.run->Nodes.rd_PileLength, setup.length);
  }
}

// The report block for each load type: heading, the conditions in their formats (F15.0
// forces and moments, F15.5 slopes and deflections, ES15.7 rotational restraint), then the
// table of points, and the plot records.
TEST(PileLengthStudy, ReportBlockByLoadType) {
  struct Row {
    LoadCase load;
    std::vector<std::string> block;
  };
  const Row rows[] = {
      {{kLoadShearMoment, 5000.0, 20000.0, 100.0, true},
       {"Boundary Condition Type 1, Shear and Moment", "", "Shear      =           5000. lbs",
        "Moment     =          20000. in-lbs", "Axial Load =            100. lbs"}},
      {{kLoadShearSlope, 5000.0, 0.001, 100.0, true},
       {"Boundary Condition Type 2, Shear and Slope", "", "Shear      =           5000. lbs",
        "Slope      =         0.00100", "Axial Load =            100. lbs"}},
      {{kLoadShearRotStiffness, 5000.0, 1.0e9, 100.0, true},
       {"Boundary Condition Type 3, Shear and Rotational Restraint", "",
        "Shear      =           5000. lbs", "Rot. Rest. =   1.0000000E+09 in-lbs/Radian",
        "Axial Load =            100. lbs"}},
      {{kLoadDeflectionMoment, 0.01, 20000.0, 100.0, true},
       {"Boundary Condition Type 4, Deflection and Moment", "", "Deflection =         0.01000 in",
        "Moment     =          20000. in-lbs", "Axial Load =            100. lbs"}},
      {{kLoadDeflectionSlope, 0.01, 0.0, 100.0, true},
       {"Boundary Condition Type 5, Deflection and Slope", "", "Deflection =         0.01000 in",
        "Slope      =         0.00000", "Axial Load =            100. lbs"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.load.LoadType);
    PileSetup setup = Study_Setup();
    setup.cases = {row.load};
    const AnalysisRun result = Run_Lateral(setup);
    ASSERT_EQ(result.error(), 0);
    const auto& report = result.report;
    const int title = Find_Line(report, "Pile-head Deflection vs. Pile Length for Load Case 1");
    ASSERT_NE(title, -1);
    EXPECT_EQ(report[title], "            Pile-head Deflection vs. Pile Length for Load Case 1");
    EXPECT_EQ(report[title - 1], std::string(80, '-'));
    EXPECT_EQ(report[title + 1], std::string(80, '-'));
    EXPECT_EQ(report[title + 2], "");
    for (std::size_t k = 0; k < row.block.size(); ++k) {
      EXPECT_EQ(report[title + 3 + k], row.block[k]);
    }
    const int table = title + 3 + static_cast<int>(row.block.size()) + 2;
    EXPECT_EQ(report[table], "   Pile       Pile Head       Maximum      Maximum");
    EXPECT_EQ(report[table + 2], "  inches        inches        ln-lbs          lbs ");
    EXPECT_EQ(report[table + 3], "-----------  ------------  ------------  ------------");
    EXPECT_EQ(report[table + 4].size(), 52u);  // widths 10, 14, 14, 14
    EXPECT_EQ(report[table + 4].substr(0, 10), "   600.000");

    const int line11 = Find_Line(result.plot, "Line 11:");
    ASSERT_NE(line11, -1);
    EXPECT_EQ(result.plot[line11].substr(0, 80), "   20" + std::string(75, ' '));
    EXPECT_EQ(result.plot[line11 + 1].substr(0, 15), "  6.0000000E+02");
    EXPECT_EQ(result.plot[line11 + 1].substr(60),
              std::string(20, ' ') + "Line 12: pile length, Ytop, Mmax, Vmax");
  }
}

// The study leaves the user's summary-only option as it was, so the later load cases are
// reported as asked; the input pile is back for them: load case 2 gives the same result, to
// the last bit, as without the study.
TEST(PileLengthStudy, LaterCasesAsWithoutTheStudy) {
  PileSetup setup = Soft_Clay(Study_Setup());
  setup.summary_only = true;
  setup.cases.push_back({kLoadShearMoment, 5000.0, 0.0, 0.0, false});
  const AnalysisRun with_study = Run_Lateral(setup);
  setup.cases[0].b_PileLengthStudy = false;
  const AnalysisRun without = Run_Lateral(setup);
  ASSERT_EQ(with_study.error(), 0);
  ASSERT_EQ(without.error(), 0);
  EXPECT_TRUE(with_study.run->Problem.Options.PrintSummaryOnly);
  EXPECT_EQ(Count_Lines_Containing(with_study.report, "Computed Values of Pile Loading"), 0);
  EXPECT_EQ(Count_Lines_Containing(with_study.report, "Pile-head Deflection vs. Pile Length"), 1);
  const LoadCaseSummary& a = with_study.run->Analysis.Cases[2];
  const LoadCaseSummary& b = without.run->Analysis.Cases[2];
  EXPECT_EQ(a.HeadDeflection, b.HeadDeflection);
  EXPECT_EQ(a.MaxMoment, b.MaxMoment);
  EXPECT_EQ(a.Iterations, b.Iterations);
  // The plot file differs only by the study's records.
  EXPECT_EQ(with_study.plot.size(),
            without.plot.size() + with_study.run->Analysis.LengthStudies[1].NumPoints);
}

// Errors inside a study stop it at once, with no report block or Line 11 record: deflections
// that are not numbers (runtime error 28, as in the load cases; the pile lost its bending
// stiffness) and an error of a criterion (soft clay without cohesion: input error 12).
TEST(PileLengthStudy, ErrorsStopTheStudy) {
  struct Row {
    const char* why;
    void (*spoil)(RunContext&);
    int error;
    const char* text;
  };
  const Row rows[] = {
      {"not a number", [](RunContext& run) { run.Problem.PileProperties.PileModulus.fill(0.0); },
       228,
       "Either top deflection or maximum change in deflection is not a number after iteration 1"},
      {"criterion error",
       [](RunContext& run) {
         run.Problem.Layers[0].Top.Cohesion = 0.0;
         run.Problem.Layers[0].Bottom.Cohesion = 0.0;
       },
       112, "INP00012"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    PileSetup setup = Soft_Clay(Study_Setup());
    setup.cases[0].b_PileLengthStudy = false;
    const AnalysisRun result = Run_Lateral(setup, [&row](RunContext& run) {
      row.spoil(run);
      Pile_Length_Study(run, 1);
    });
    EXPECT_EQ(result.error(), row.error);
    EXPECT_NE(Find_Line(result.report, row.text), -1);
    EXPECT_EQ(Find_Line(result.report, "Pile-head Deflection vs. Pile Length"), -1);
    EXPECT_EQ(Count_Lines_Containing(result.plot, "pile length curve"), 0);
    EXPECT_EQ(result.run->Analysis.LengthStudies[1].NumPoints, 0);
  }
}

}  // namespace
}  // namespace tavik
