// The "SOIL LAYERS" block: what each soil type code reads, the user p-y curves, the derived
// ground surface depth, the units as read, and the orderly errors of a malformed block.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/block_readers.h"
#include "input/input_fixture.h"

namespace tavik {
namespace {

// A line after the block: the reader must stop right before it.
const std::string kNextLine = "NEXT BLOCK";

testing::ReadResult Read_Block(const std::string& text, int units = kUnitsUSCustomary) {
  return testing::Run_Reader(Read_Soil_Layers, text + kNextLine + "\n",
                             [units](RunContext& run) { run.Problem.IUNITS = units; });
}

// The line the input file gives after the reader has finished.
std::string Line_After_Block(const testing::ReadResult& result) {
  std::string line;
  result.run->Input.Read_Line(line);
  return line;
}

void Expect_Point_Eq(const SoilPropertyPoint& actual, const SoilPropertyPoint& expected,
                     const std::string& where) {
  SCOPED_TRACE(where);
  EXPECT_EQ(actual.EffectiveUnitWeight, expected.EffectiveUnitWeight);
  EXPECT_EQ(actual.Cohesion, expected.Cohesion);
  EXPECT_EQ(actual.FrictionAngle, expected.FrictionAngle);
  EXPECT_EQ(actual.Epsilon50, expected.Epsilon50);
  EXPECT_EQ(actual.JFactor, expected.JFactor);
  EXPECT_EQ(actual.RQD, expected.RQD);
  EXPECT_EQ(actual.TestType, expected.TestType);
  EXPECT_EQ(actual.N60, expected.N60);
  EXPECT_EQ(actual.ConeTipResistance, expected.ConeTipResistance);
  EXPECT_EQ(actual.DilatometerModulus, expected.DilatometerModulus);
  EXPECT_EQ(actual.PressuremeterModulus, expected.PressuremeterModulus);
  EXPECT_EQ(actual.ElasticSubgradeModulus, expected.ElasticSubgradeModulus);
}

// One soil code family: a one-layer block and the fields it must fill. The top line holds
// the values 11, 12, ... and the bottom line 21, 22, ... in the code's order, so a value
// landing in the wrong field, or on the wrong side, shows.
struct CodeCase {
  std::string name;
  int index;  // soil type index of the code
  std::string property_lines;
  SoilPropertyPoint top;
  SoilPropertyPoint bottom;
  double subgrade_top = 0.0;
  double subgrade_bottom = 0.0;
};

std::vector<CodeCase> Code_Cases() {
  return {
      {"SoftClay: gamma, c, e50",
       1,
       "11 12 13\n21 22 23\n",
       {.EffectiveUnitWeight = 11, .Cohesion = 12, .Epsilon50 = 13},
       {.EffectiveUnitWeight = 21, .Cohesion = 22, .Epsilon50 = 23}},
      {"StfClyBW: gamma, c, e50, k",
       2,
       "11 12 13 14\n21 22 23 24\n",
       {.EffectiveUnitWeight = 11, .Cohesion = 12, .Epsilon50 = 13},
       {.EffectiveUnitWeight = 21, .Cohesion = 22, .Epsilon50 = 23},
       14,
       24},
      {"StfClyAW: as SoftClay",
       3,
       "11 12 13\n21 22 23\n",
       {.EffectiveUnitWeight = 11, .Cohesion = 12, .Epsilon50 = 13},
       {.EffectiveUnitWeight = 21, .Cohesion = 22, .Epsilon50 = 23}},
      {"StfClyAK: as StfClyBW",
       4,
       "11 12 13 14\n21 22 23 24\n",
       {.EffectiveUnitWeight = 11, .Cohesion = 12, .Epsilon50 = 13},
       {.EffectiveUnitWeight = 21, .Cohesion = 22, .Epsilon50 = 23},
       14,
       24},
      // k = 0 on both lines: stored as 0, which selects the sand criterion's default.
      {"Sand: gamma, phi, k of 0",
       5,
       "11 32 0\n21 34 0\n",
       {.EffectiveUnitWeight = 11, .FrictionAngle = 32},
       {.EffectiveUnitWeight = 21, .FrictionAngle = 34},
       0,
       0},
      {"API Sand: gamma, phi, k",
       6,
       "11 12 13\n21 22 23\n",
       {.EffectiveUnitWeight = 11, .FrictionAngle = 12},
       {.EffectiveUnitWeight = 21, .FrictionAngle = 22},
       13,
       23},
      {"Liq Sand: two lines of one value",
       7,
       "11\n21\n",
       {.EffectiveUnitWeight = 11},
       {.EffectiveUnitWeight = 21}},
      {"WeakRock: gamma, qu, Em, RQD, krm",
       8,
       "11 12 13 14 15\n21 22 23 24 25\n",
       {.EffectiveUnitWeight = 11, .Cohesion = 12, .Epsilon50 = 15, .RQD = 14},
       {.EffectiveUnitWeight = 21, .Cohesion = 22, .Epsilon50 = 25, .RQD = 24},
       13,
       23},
      {"Vuggy LS: gamma, qu",
       9,
       "11 12\n21 22\n",
       {.EffectiveUnitWeight = 11, .Cohesion = 12},
       {.EffectiveUnitWeight = 21, .Cohesion = 22}},
      {"Piedmont: gamma, test type, N60, qc, ED, EPMT",
       10,
       "11 2 13 14 15 16\n21 3 23 24 25 26\n",
       {.EffectiveUnitWeight = 11,
        .TestType = 2,
        .N60 = 13,
        .ConeTipResistance = 14,
        .DilatometerModulus = 15,
        .PressuremeterModulus = 16},
       {.EffectiveUnitWeight = 21,
        .TestType = 3,
        .N60 = 23,
        .ConeTipResistance = 24,
        .DilatometerModulus = 25,
        .PressuremeterModulus = 26}},
      {"Cem Silt: gamma, c, phi, k, e50",
       11,
       "11 12 13 14 15\n21 22 23 24 25\n",
       {.EffectiveUnitWeight = 11, .Cohesion = 12, .FrictionAngle = 13, .Epsilon50 = 15},
       {.EffectiveUnitWeight = 21, .Cohesion = 22, .FrictionAngle = 23, .Epsilon50 = 25},
       14,
       24},
      {"KS Loess: gamma, qc",
       12,
       "11 12\n21 22\n",
       {.EffectiveUnitWeight = 11, .ConeTipResistance = 12},
       {.EffectiveUnitWeight = 21, .ConeTipResistance = 22}},
      {"Elast SG: gamma, Es",
       13,
       "11 12\n21 22\n",
       {.EffectiveUnitWeight = 11, .ElasticSubgradeModulus = 12},
       {.EffectiveUnitWeight = 21, .ElasticSubgradeModulus = 22}},
      {"SoftClyJ (index 15): gamma, c, e50, J",
       15,
       "11 12 13 14\n21 22 23 24\n",
       {.EffectiveUnitWeight = 11, .Cohesion = 12, .Epsilon50 = 13, .JFactor = 14},
       {.EffectiveUnitWeight = 21, .Cohesion = 22, .Epsilon50 = 23, .JFactor = 24}},
      {"MassRock: gamma, qu, Ei",
       16,
       "11 12 13\n21 22 23\n",
       {.EffectiveUnitWeight = 11, .Cohesion = 12},
       {.EffectiveUnitWeight = 21, .Cohesion = 22},
       13,
       23},
      // No property lines: the next line after the heading belongs to what follows.
      {"Frz Soil: no property lines", 17, "", {}, {}},
  };
}

TEST(SoilLayersReader, EachCodeReadsItsOwnPropertyLayout) {
  for (const CodeCase& c : Code_Cases()) {
    SCOPED_TRACE(c.name);
    const auto result = Read_Block("1\n" + std::to_string(c.index) + " 0 10\n" + c.property_lines);
    ASSERT_EQ(result.error(), 0);
    const ProblemData& problem = result.problem();
    ASSERT_EQ(problem.i_Number_of_Layers, 1);
    const SoilLayer& layer = problem.Layers[0];
    EXPECT_EQ(layer.SoilTypeIndex, c.index);
    EXPECT_EQ(layer.XLayerTop, 0.0);
    EXPECT_EQ(layer.XLayerBottom, 10.0);
    Expect_Point_Eq(layer.Top, c.top, "top");
    Expect_Point_Eq(layer.Bottom, c.bottom, "bottom");
    EXPECT_EQ(layer.SubgradeModulusTop, c.subgrade_top);
    EXPECT_EQ(layer.SubgradeModulusBottom, c.subgrade_bottom);
    EXPECT_EQ(layer.UserCurveTop.NumPoints, 0);
    EXPECT_EQ(layer.UserCurveBottom.NumPoints, 0);
    EXPECT_EQ(Line_After_Block(result), kNextLine);
  }
}

TEST(SoilLayersReader, UserCurvesTakeTheirPointLinesAfterEachPropertyLine) {
  // 3 points at the top and 4 at the bottom: 1 + 1 + 3 + 1 + 4 lines after the count.
  const auto result = Read_Block(
      "1\n"
      "14 2 12\n"
      "55 3\n"
      "0 0\n0.1 50\n0.5 80\n"
      "62 4\n"
      "0 0\n0.2 100\n0.6 150\n1.2 160\n");
  ASSERT_EQ(result.error(), 0);
  const SoilLayer& layer = result.problem().Layers[0];
  EXPECT_EQ(layer.Top.EffectiveUnitWeight, 55.0);
  EXPECT_EQ(layer.Bottom.EffectiveUnitWeight, 62.0);
  ASSERT_EQ(layer.UserCurveTop.NumPoints, 3);
  ASSERT_EQ(layer.UserCurveBottom.NumPoints, 4);
  EXPECT_EQ(layer.UserCurveTop.Y[1], 0.1);
  EXPECT_EQ(layer.UserCurveTop.P[2], 80.0);
  EXPECT_EQ(layer.UserCurveBottom.Y[3], 1.2);
  EXPECT_EQ(layer.UserCurveBottom.P[3], 160.0);
  EXPECT_EQ(layer.UserCurveBottom.P[4], 0.0);  // nothing past the count
  EXPECT_EQ(Line_After_Block(result), kNextLine);
}

TEST(SoilLayersReader, CapacitiesAreUsableToTheLastEntry) {
  // 40 layers of Liq Sand, each 1 ft thick, and a User p-y layer with 30-point curves.
  std::string forty = "40\n";
  for (int j = 0; j < kMaxLayers; ++j) {
    forty += "7 " + std::to_string(j) + " " + std::to_string(j + 1) + "\n50\n60\n";
  }
  const auto layers = Read_Block(forty);
  ASSERT_EQ(layers.error(), 0);
  EXPECT_EQ(layers.problem().i_Number_of_Layers, 40);
  EXPECT_EQ(layers.problem().Layers[39].XLayerBottom, 40.0);
  EXPECT_EQ(Line_After_Block(layers), kNextLine);

  std::string points;
  for (int k = 0; k < kMaxUserPyPoints; ++k) points += std::to_string(k) + " 5\n";
  const auto curve = Read_Block("1\n14 0 10\n50 30\n" + points + "60 30\n" + points);
  ASSERT_EQ(curve.error(), 0);
  EXPECT_EQ(curve.problem().Layers[0].UserCurveBottom.NumPoints, 30);
  EXPECT_EQ(curve.problem().Layers[0].UserCurveBottom.Y[29], 29.0);
  EXPECT_EQ(Line_After_Block(curve), kNextLine);
}

TEST(SoilLayersReader, DepthsAndPropertiesStayInTheUnitsAsRead) {
  // US customary: a soft clay from 5 ft to 20 ft over a sand to 60 ft. The depths stay in
  // feet (not 60, 240, 720 in), cohesion in psf (not 1440/144 = 10 psi) and unit weight in
  // pcf; the conversion to inches is a later step of the run.
  const std::string block =
      "2\n"
      "1 5.0 20.0\n"
      "110 1440 0.02\n"
      "115 1500 0.02\n"
      "5 20 60\n"
      "120 35 90\n"
      "125 36 90\n";
  for (int units : {kUnitsUSCustomary, kUnitsSI, kUnitsGeneral}) {
    SCOPED_TRACE(units);
    const auto result = Read_Block(block, units);
    ASSERT_EQ(result.error(), 0);
    const ProblemData& problem = result.problem();
    EXPECT_EQ(problem.i_Number_of_Layers, 2);
    EXPECT_EQ(problem.GroundSurfaceDepth, 5.0);  // top of layer 1
    EXPECT_EQ(problem.Layers[0].XLayerBottom, 20.0);
    EXPECT_EQ(problem.Layers[1].XLayerTop, 20.0);
    EXPECT_EQ(problem.Layers[1].XLayerBottom, 60.0);
    EXPECT_EQ(problem.Layers[0].Top.Cohesion, 1440.0);
    EXPECT_EQ(problem.Layers[0].Top.EffectiveUnitWeight, 110.0);
    EXPECT_EQ(problem.Layers[1].SubgradeModulusBottom, 90.0);
    EXPECT_FALSE(problem.b_ConvertedToInternalUnits);
  }
}

TEST(SoilLayersReader, WritesItsProgressLine) {
  const auto result = Read_Block("1\n17 0 30\n");
  ASSERT_EQ(result.error(), 0);
  EXPECT_EQ(result.messages, std::vector<std::string>{"Reading soil layering data"});
  EXPECT_TRUE(result.report.empty());
}

TEST(SoilLayersReader, ALaterBlockReplacesTheWholeProfile) {
  // Three layers read earlier, then a block of one: layers 2 and 3 are cleared.
  const auto result =
      testing::Run_Reader(Read_Soil_Layers, "1\n7 3 30\n100\n100\n", [](RunContext& run) {
        run.Problem.IUNITS = kUnitsUSCustomary;
        run.Problem.i_Number_of_Layers = 3;
        run.Problem.GroundSurfaceDepth = 1.0;
        run.Problem.Layers[1].XLayerTop = 10.0;
        run.Problem.Layers[2].SoilTypeIndex = 5;
        run.Problem.Layers[2].Top.FrictionAngle = 30.0;
      });
  ASSERT_EQ(result.error(), 0);
  const ProblemData& problem = result.problem();
  EXPECT_EQ(problem.i_Number_of_Layers, 1);
  EXPECT_EQ(problem.GroundSurfaceDepth, 3.0);
  EXPECT_EQ(problem.Layers[1].XLayerTop, 0.0);
  EXPECT_EQ(problem.Layers[2].SoilTypeIndex, 0);
  EXPECT_EQ(problem.Layers[2].Top.FrictionAngle, 0.0);
}

TEST(SoilLayersReader, ZeroLayersIsAnEmptyProfile) {
  // The same state as a file without the block: no layer, ground surface at the pile head.
  const auto result = Read_Block("0\n");
  ASSERT_EQ(result.error(), 0);
  EXPECT_EQ(result.problem().i_Number_of_Layers, 0);
  EXPECT_EQ(result.problem().GroundSurfaceDepth, 0.0);
  EXPECT_EQ(Line_After_Block(result), kNextLine);
}

// A malformed block and the input error it ends the run with (100 + n).
struct ErrorCase {
  std::string name;
  std::string text;
  int error;
};

TEST(SoilLayersReader, MalformedBlocksEndTheRunWithAnInputError) {
  const std::vector<ErrorCase> cases = {
      {"41 layers: table full", "41\n", 191},
      {"negative layer count", "-1\n", 192},
      {"soil type index 0", "1\n0 0 10\n", 192},
      {"soil type index 18 (Undefined)", "1\n18 0 10\n", 192},
      {"soil type index 20 (Undefined)", "1\n20 0 10\n", 192},
      {"soil type index 21 (outside the table)", "1\n21 0 10\n", 192},
      {"user p-y curve of 31 points", "1\n14 0 10\n50 31\n", 191},
      {"user p-y curve of 1 point", "1\n14 0 10\n50 1\n0 0\n", 192},
      {"user p-y bottom curve of 0 points", "1\n14 0 10\n50 2\n0 0\n1 1\n60 0\n", 192},
      {"Piedmont test type 5 on the top line", "1\n10 0 10\n11 5 13 14 15 16\n", 192},
      {"Piedmont test type 0 on the bottom line",
       "1\n10 0 10\n11 1 13 14 15 16\n21 0 23 24 25 26\n", 192},
      {"layer count not an integer", "2.5\n", 190},
      {"layer depth not a number", "1\n1 0 ten\n", 190},
      {"property value not a number", "1\n5 0 10\n110 thirty 0\n", 190},
      {"test type written as a real", "1\n10 0 10\n11 1.0 13 14 15 16\n", 190},
      {"end of file before the count", "", 199},
      {"end of file before the second layer", "2\n7 0 10\n100\n100\n", 199},
      {"end of file inside a property line", "1\n8 0 10\n110 1000\n", 199},
      {"end of file inside a user p-y curve", "1\n14 0 10\n50 3\n0 0\n1 1\n", 199},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.name);
    // No line after the block here: the end of the file must come where the text ends.
    const auto result = testing::Run_Reader(Read_Soil_Layers, c.text);
    EXPECT_EQ(result.error(), c.error);
  }
}

TEST(SoilLayersReader, RejectedLayerCountStoresNothing) {
  // The profile of an earlier block is untouched by a block of 41 layers.
  const auto result = testing::Run_Reader(Read_Soil_Layers, "41\n", [](RunContext& run) {
    run.Problem.i_Number_of_Layers = 1;
    run.Problem.Layers[0].XLayerTop = 3.0;
    run.Problem.GroundSurfaceDepth = 3.0;
  });
  EXPECT_EQ(result.error(), 191);
  EXPECT_EQ(result.problem().i_Number_of_Layers, 1);
  EXPECT_EQ(result.problem().Layers[0].XLayerTop, 3.0);
  EXPECT_EQ(result.problem().GroundSurfaceDepth, 3.0);
  EXPECT_TRUE(testing::Contains_Lines(result.report, {"**** Input Data Error No. 91 ****"}));
}

TEST(SoilLayersReader, AnUndefinedSoilTypeIsNotStored) {
  // Layer 1 is complete; layer 2's heading names index 19 ("Undefined").
  const auto result = Read_Block("2\n7 0 10\n100\n100\n19 10 20\n");
  EXPECT_EQ(result.error(), 192);
  EXPECT_EQ(result.problem().i_Number_of_Layers, 1);
  EXPECT_EQ(result.problem().Layers[1].SoilTypeIndex, 0);
  EXPECT_EQ(result.run->Status.ErrorCode, "INP00092");
}

}  // namespace
}  // namespace tavik
