// The program options, loading and auxiliary table blocks of the echo.
#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

#include "echo/echo_fixture.h"
#include "input/input_fixture.h"

namespace tavik::testing {
namespace {

// A stiffness-only run echoes the title and the program options up to the stiffness-only
// sentence, makes no check (a pile without property points passes) and does not report the
// echo as completed.
TEST(EchoProgramOptions, StiffnessOnlyStopsAfterBasicOptions) {
  const ReadResult result = Run_Echo(kUnitsUSCustomary, [](ProblemData& p) {
    p.Options.ICOM = kComputeEIOnly;
    p.PileProperties.NumPoints = 0;
  });
  EXPECT_EQ(result.error(), 0);
  ASSERT_EQ(result.report.size(), 21u);  // 12 title lines, 9 option lines
  const std::vector<std::string> options(result.report.begin() + 12, result.report.end());
  EXPECT_EQ(options,
            (std::vector<std::string>{
                Rule(), Blanks(31) + "Program Options", Rule(),
                "Engineering units are US Customary Units: pounds, inches, feet", "",
                "Basic Program Options:", "",
                "This analysis computes nominal moment capacity and nonlinear bending stiffness "
                "only",
                ""}));
  EXPECT_EQ(result.messages, (std::vector<std::string>{"Output of input data begun"}));
}

TEST(EchoProgramOptions, SentencesFollowTheOptions) {
  const ReadResult result = Run_Echo(kUnitsUSCustomary, [](ProblemData& p) {
    p.KYL = 1;
    p.Options.ComputeKmatrix = true;
    p.Options.PrintSummaryOnly = true;
    p.Options.UseSoilMovement = true;
  });
  EXPECT_TRUE(Contains_Lines(
      result.report,
      {"Computation Options:", "- Only internally-generated p-y curves used in analysis",
       "- Analysis does not use p-y multipliers (individual pile or shaft action only)",
       "- Analysis assumes no shear resistance at pile tip",
       "- Analysis includes automatic computation of pile-top deflection vs.",
       "  pile embedment length",
       "- Analysis includes computation of foundation stiffness matrix elements",
       "- Output summary table of values for pile-head deflection, maximum",
       "  bending moment, and shear force only",
       "- Analysis includes effects of soil movement on pile response",
       "- No p-y curves to be computed and output for user-specified depths", ""}));
  EXPECT_TRUE(Contains_Lines(
      result.report,
      {"Pile Response Output Options:",
       "- Only summary tables of pile-head deflection, maximum bending moment,",
       "  and maximum shear force are to be written to output report file.", "", "", Rule()}));
}

// SI: the units sentence and the SI labels of the controls and of the pile-head loads.
TEST(EchoProgramOptions, SiUnits) {
  const ReadResult result = Run_Echo(kUnitsSI);
  EXPECT_EQ(result.error(), 0);
  EXPECT_TRUE(Contains_Lines(
      result.report, {"Engineering units are SI Units: kilonewtons, meters, millimeters", ""}));
  EXPECT_TRUE(Contains_Lines(
      result.report, {Labelled_Line("- Deflection tolerance for convergence", "  1.0000E-05 m"),
                      Labelled_Line("- Maximum allowable deflection", "    100.0000 m")}));
  EXPECT_TRUE(Contains_Lines(result.report, {Labelled_Line("Total Pile Length", "     70.00 m")}));
  EXPECT_TRUE(Contains_Lines(
      result.report,
      {" No.    Type             1                       2                 Force, kN",
       "-----   ----   --------------------   -----------------------   ----------------",
       "   1"
       "     1     V = "
       " 10000.00000"
       " kN    "
       "M = "
       "      0.0000"
       " kN-m    "
       "        100000."}));
}

// General units: the generic sentence; a tolerance of 0 is reset to 2.54E-8 and announced
// (ES11.4 of 2.54E-8 is " 2.5400E-08").
TEST(EchoProgramOptions, GeneralUnitsToleranceReset) {
  const ReadResult result =
      Run_Echo(kUnitsGeneral, [](ProblemData& p) { p.Options.ConvergenceTolerance = 0.0; });
  EXPECT_EQ(result.error(), 0);
  EXPECT_TRUE(Contains_Lines(result.report, {"Engineering units are Generic Units: force, length",
                                             "", "Basic Program Options:"}));
  EXPECT_TRUE(Contains_Lines(
      result.report,
      {Labelled_Line("- Deflection tolerance for convergence", "  0.0000E+00 L"),
       Labelled_Line("- Maximum allowable deflection", "    100.0000 L"), "",
       "(Specified convergence tolerance of 0 reset by program to 2.5400E-08 meters)", "",
       "Pile Response Output Options:"}));
  EXPECT_DOUBLE_EQ(result.problem().Options.ConvergenceTolerance, 2.54e-8);
}

// US customary (reachable only without the options reader): reset to 1E-6 inches.
TEST(EchoProgramOptions, UsCustomaryToleranceReset) {
  const ReadResult result =
      Run_Echo(kUnitsUSCustomary, [](ProblemData& p) { p.Options.ConvergenceTolerance = -1.0; });
  EXPECT_TRUE(Contains_Lines(
      result.report,
      {"(Specified convergence tolerance of 0 reset by program to 1.0000E-06 inches)", ""}));
  EXPECT_DOUBLE_EQ(result.problem().Options.ConvergenceTolerance, 1.0e-6);
}

// A positive tolerance is left alone and announces nothing.
TEST(EchoProgramOptions, PositiveToleranceKept) {
  const ReadResult result = Run_Echo(kUnitsGeneral);
  for (const std::string& line : result.report) {
    EXPECT_EQ(line.find("reset by program"), std::string::npos);
  }
  EXPECT_DOUBLE_EQ(result.problem().Options.ConvergenceTolerance, 1.0e-5);
}

// A 10 degree slope (0.174533 rad) and a -5 degree batter: F12.3 in degrees and radians.
TEST(EchoSlopeAndBatter, DegreesAndRadians) {
  const ReadResult result = Run_Echo(kUnitsUSCustomary, [](ProblemData& p) {
    p.GroundSlopeAngle = 10.0 * std::numbers::pi / 180.0;
    p.PileBatterAngle = -5.0 * std::numbers::pi / 180.0;
  });
  EXPECT_TRUE(Contains_Lines(result.report,
                             {Labelled_Line("Slope angle of ground surface", "     10.00 deg.")}));
  EXPECT_TRUE(
      Contains_Lines(result.report, {Blanks(22) + "Ground Slope and Pile Batter Angles", Rule(),
                                     Labelled_Line("Ground Slope Angle", "      10.000 degrees"),
                                     Labelled_Line("", "       0.175 radians"), "",
                                     Labelled_Line("Pile Batter Angle", "      -5.000 degrees"),
                                     Labelled_Line("", "      -0.087 radians"), "", ""}));
}

TEST(EchoLoadingType, CyclicWithItsCycles) {
  const ReadResult result = Run_Echo(kUnitsUSCustomary, [](ProblemData& p) {
    p.Options.Cyclic = true;
    p.Options.NumCycles = 100.7;  // printed truncated
  });
  EXPECT_EQ(result.error(), 0);
  EXPECT_TRUE(Contains_Lines(
      result.report,
      {"", "", Rule(), Blanks(34) + "Loading Type", Rule(), "",
       "Cyclic loading criteria were used for computation of p-y curves for all analyses.", "",
       "Number of cycles of loading = 100", "", "", Rule()}));
}

// Load types 3, 4 and 5. Write_Real(x, 12): 5000 and 0.5 -> F11.5; 5E7 and 100000 -> F11.0;
// -0.01 -> F11.5. Write_Real(x, 15): 0 -> F14.7; 50000 -> F14.0. The unit of a rotational
// stiffness (in-lb/rad) is one column longer than its 9-column piece and is cut to it, so
// that the axial thrust stays in columns 64 to 78.
TEST(EchoPileHeadLoads, RowsOfEachLoadType) {
  const ReadResult result = Run_Echo(kUnitsUSCustomary, [](ProblemData& p) {
    p.NumLoadCases = 3;
    p.LoadCases[0] = LoadCase{kLoadShearRotStiffness, 5000.0, 5.0e7, 0.0, false};
    p.LoadCases[1] = LoadCase{kLoadDeflectionMoment, 0.5, 100000.0, 50000.0, false};
    p.LoadCases[2] = LoadCase{kLoadDeflectionSlope, 0.25, -0.01, 0.0, false};
  });
  EXPECT_TRUE(Contains_Lines(
      result.report,
      {"Number of loads specified = 3", "",
       "Load    Load         Condition               Condition            Axial Thrust  ",
       " No.    Type             1                       2                 Force, lbs",
       "-----   ----   --------------------   -----------------------   ----------------",
       "   1"
       "     3     V = "
       "  5000.00000"
       " lbs   "
       "R = "
       "   50000000."
       " in-lb/ra"
       "      0.0000000",
       "   2"
       "     4     y = "
       "     0.50000"
       " in    "
       "M = "
       "     100000."
       " in-lb   "
       "         50000.",
       "   3"
       "     5     y = "
       "     0.25000"
       " in    "
       "S = "
       "    -0.01000"
       " radians "
       "      0.0000000",
       ""}));
}

// With LRFD the LRFD echo takes the place of the pile-head loads (that echo comes with the
// LRFD work and writes nothing yet); the echo still runs to its end.
TEST(EchoPileHeadLoads, ReplacedByTheLrfdEcho) {
  const ReadResult result = Run_Echo(kUnitsUSCustomary, [](ProblemData& p) {
    p.Options.UseLRFD = true;
    p.NumLoadCases = 0;
  });
  EXPECT_EQ(result.error(), 0);
  for (const std::string& line : result.report) {
    EXPECT_EQ(line.find("Pile-head Loading"), std::string::npos);
  }
  EXPECT_EQ(result.messages.back(), "Output of input data completed");
}

// The optional tables appear only when they have points.
TEST(EchoTables, OptionalTablesWithTheirRows) {
  const ReadResult result = Run_Echo(kUnitsUSCustomary, [](ProblemData& p) {
    p.PyModifiers.NumPoints = 2;
    p.PyModifiers.Depth[1] = 10.0;
    p.PyModifiers.PMultiplier = {1.0, 0.8};
    p.PyModifiers.YMultiplier = {1.0, 1.0};
    p.SoilMovement.NumPoints = 2;
    p.SoilMovement.Depth[1] = 20.0;
    p.SoilMovement.Value[0] = 1.0;
    p.DistributedLoad.NumPoints = 2;
    p.DistributedLoad.Depth[1] = 240.0;
    p.DistributedLoad.Value[0] = p.DistributedLoad.Value[1] = 10.0;
    p.TipShear.NumPoints = 3;
    p.TipShear.Displacement = {0.0, 0.5, 1.0};
    p.TipShear.Shear = {0.0, 1000.0, 1500.0};
  });
  EXPECT_EQ(result.error(), 0);
  // I3, F17.3, F15.4, F15.4
  EXPECT_TRUE(Contains_Lines(
      result.report,
      {"", "", Rule(), Blanks(19) + "p-y Modification Factors for Group Action", Rule(),
       "Distribution of p-y modifiers with depth defined using 2 points", "",
       "Point      Depth X         p-mult         y-mult", " No.          ft",
       "-----     ----------     ----------     ----------",
       "  1" + Blanks(12) + "0.000" + Blanks(9) + "1.0000" + Blanks(9) + "1.0000",
       "  2" + Blanks(11) + "10.000" + Blanks(9) + "0.8000" + Blanks(9) + "1.0000"}));
  // I3, 2X, F15.5, F15.5
  EXPECT_TRUE(Contains_Lines(
      result.report,
      {"", "", Rule(), Blanks(29) + "Lateral Soil Movements", Rule(), "",
       "Profile of soil movement with depth defined using 2 points", "",
       "Point       Depth X     Soil Movement", Placed_Line({{2, "No."}, {16, "ft"}, {31, "in"}}),
       "-----     ----------    -------------",
       "  1" + Blanks(2) + Blanks(8) + "0.00000" + Blanks(8) + "1.00000",
       "  2" + Blanks(2) + Blanks(7) + "20.00000" + Blanks(8) + "0.00000"}));
  // I3, F20.3, F20.3; depths in inches
  EXPECT_TRUE(Contains_Lines(result.report,
                             {"", "", Rule(), Blanks(27) + "Distributed Lateral Loading", Rule(),
                              "Distributed lateral load intensity defined using 2 points", "",
                              "Point           Depth X            Dist. Load",
                              Placed_Line({{2, "No."}, {20, "in"}, {38, "lbs/in"}}),
                              "-----          ----------          ----------",
                              "  1" + Blanks(15) + "0.000" + Blanks(14) + "10.000",
                              "  2" + Blanks(13) + "240.000" + Blanks(14) + "10.000"}));
  // I4, 5X, F10.3, 10X, F10.3
  EXPECT_TRUE(Contains_Lines(
      result.report, {"", "", Rule(), Blanks(22) + "Shear Resistance Curve at Pile Tip ", Rule(),
                      "", "Point     Displacement     Tip Shear Force",
                      Placed_Line({{2, "No."}, {16, "in"}, {36, "lbs"}}),
                      "-----     ------------     ---------------",
                      "   1" + Blanks(5) + "     0.000" + Blanks(10) + "     0.000",
                      "   2" + Blanks(5) + "     0.500" + Blanks(10) + "  1000.000",
                      "   3" + Blanks(5) + "     1.000" + Blanks(10) + "  1500.000"}));
  EXPECT_TRUE(Contains_Lines(result.report,
                             {"- Analysis uses p-y multiplers for group action",
                              "- Analysis uses tip shear resistance for short pile or shaft"}));
}

// In SI the movement column's unit is the first two characters of the length label, "m "
// with its blank.
TEST(EchoTables, SoilMovementHeadInSI) {
  const ReadResult result = Run_Echo(kUnitsSI, [](ProblemData& p) {
    p.SoilMovement.NumPoints = 2;
    p.SoilMovement.Depth[1] = 6.0;
    p.SoilMovement.Value[0] = 0.01;
  });
  EXPECT_TRUE(Contains_Lines(result.report, {"Point       Depth X     Soil Movement",
                                             Placed_Line({{2, "No."}, {16, "m"}, {31, "m "}})}));
}

TEST(EchoTables, SoilMovementOfOnePointIsNotEchoed) {
  const ReadResult result =
      Run_Echo(kUnitsUSCustomary, [](ProblemData& p) { p.SoilMovement.NumPoints = 1; });
  for (const std::string& line : result.report) {
    EXPECT_EQ(line.find("Lateral Soil Movements"), std::string::npos);
  }
}

// Output depths 5 and 25 ft with the ground surface at 2 ft: I3, F22.3, F27.3.
TEST(EchoPyOutputDepths, KeptDepthsBelowHeadAndGround) {
  const ReadResult result = Run_Echo(kUnitsUSCustomary, [](ProblemData& p) {
    p.GroundSurfaceDepth = 2.0;
    p.Layers[0].XLayerTop = 2.0;
    p.Options.PrintPYCurves = true;
    p.NumPyOutputDepths = 2;
    p.PyOutputDepths[0] = 5.0;
    p.PyOutputDepths[1] = 25.0;
  });
  EXPECT_EQ(result.error(), 0);
  EXPECT_TRUE(Contains_Lines(
      result.report,
      {"", "", Rule(), Blanks(19) + "Specified Depths for Output of p-y Curves", Rule(),
       "Lateral load-transfer (p-y) curves are computed and output at 2 depths.",
       "(Note that these curves are independent from the curves used at nodal point depths)", "",
       "", "Depth      Depth Below Pile Head      Depth Below Ground Surface",
       Placed_Line({{2, "No."}, {22, "ft"}, {49, "ft"}}),
       "-----      ---------------------      --------------------------",
       "  1" + Blanks(17) + "5.000" + Blanks(22) + "3.000",
       "  2" + Blanks(16) + "25.000" + Blanks(21) + "23.000", "",
       "Depth of ground surface below top of pile =       2.00 ft", ""}));
  EXPECT_TRUE(Contains_Lines(result.report,
                             {"- p-y curves computed and output for user-specified depths"}));
  EXPECT_EQ(result.messages.back(), "Output of input data completed");
}

}  // namespace
}  // namespace tavik::testing
