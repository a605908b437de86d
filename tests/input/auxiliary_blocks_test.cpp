// The auxiliary input blocks: soil movements, p-y modifiers, tip shear, pile batter and
// ground slope, and the depths of printed p-y curves; and the faults every block reader of
// the loading family shares (end of file inside the block, a value that is not a number).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "input/block_readers.h"
#include "input/input_file.h"
#include "input/input_fixture.h"

namespace tavik {
namespace {

using testing::Contains_Lines;
using testing::Run_Reader;

using Lines = std::vector<std::string>;

std::string Next_Line(const testing::ReadResult& result) {
  std::string line;
  if (!result.run->Input.Read_Line(line)) return "<end of file>";
  return line;
}

// N lines "k <value>" for k = 1 to n.
std::string Numbered_Lines(int n, const std::string& values) {
  std::string text;
  for (int k = 1; k <= n; ++k) text += std::to_string(k) + " " + values + "\n";
  return text;
}

void Soil_Movement_On(RunContext& run) {
  run.Problem.Options.UseSoilMovement = true;
}
void Print_Py_Curves_On(RunContext& run) {
  run.Problem.Options.PrintPYCurves = true;
}

TEST(SoilMovementBlock, SIMovementsAreConvertedFromMillimetres) {
  const auto si =
      Run_Reader(Read_Soil_Movements, "2\n1 0.0 25\n2 6.5 0\nEND\n", [](RunContext& run) {
        Soil_Movement_On(run);
        run.Problem.IUNITS = kUnitsSI;
      });
  ASSERT_EQ(si.error(), 0);
  const DepthValueTable& table = si.problem().SoilMovement;
  ASSERT_EQ(table.NumPoints, 2);
  EXPECT_DOUBLE_EQ(table.Value[0], 0.025);  // 25 mm = 0.025 m
  EXPECT_DOUBLE_EQ(table.Depth[1], 6.5);    // depths in m, not converted
  EXPECT_EQ(si.messages, (Lines{"Reading soil movement data"}));
  EXPECT_EQ(Next_Line(si), "END");

  // US customary movements stay in inches (and depths in feet, converted later).
  const auto us = Run_Reader(Read_Soil_Movements, "2\n1 0.0 25\n2 6.5 0\n", [](RunContext& run) {
    Soil_Movement_On(run);
    run.Problem.IUNITS = kUnitsUSCustomary;
  });
  ASSERT_EQ(us.error(), 0);
  EXPECT_DOUBLE_EQ(us.problem().SoilMovement.Value[0], 25.0);
}

TEST(SoilMovementBlock, WithTheOptionOffTheBlockIsItsKeywordAlone) {
  const auto result = Run_Reader(Read_Soil_Movements, "2\n1 0.0 25\n2 6.5 0\n");
  EXPECT_EQ(result.error(), 0);
  EXPECT_EQ(result.problem().SoilMovement.NumPoints, 0);
  EXPECT_TRUE(result.messages.empty());
  // The first data line is left for the keyword reader (which rejects it).
  EXPECT_EQ(Next_Line(result), "2");
}

TEST(SoilMovementBlock, LineCountOutsideTwoTo100IsError53) {
  for (const int n : {1, 0, 101}) {
    const auto result = Run_Reader(
        Read_Soil_Movements, std::to_string(n) + "\n" + Numbered_Lines(n, "0 0"), Soil_Movement_On);
    EXPECT_EQ(result.error(), 153) << n;
    const Lines block = {
        "**** Input Data Error No. 53 ****",
        "",
        "",
        "Number of lines specified for soil movement data = " + std::to_string(n),
        "The number of lines of soil movement data cannot be less than 2 or exceed 100.",
        ""};
    EXPECT_TRUE(Contains_Lines(result.report, block)) << n;
    Lines messages = {"Reading soil movement data"};
    messages.insert(messages.end(), block.begin(), block.end());
    EXPECT_EQ(result.messages, messages) << n;
  }
  const auto full =
      Run_Reader(Read_Soil_Movements, "100\n" + Numbered_Lines(100, "1 2"), Soil_Movement_On);
  EXPECT_EQ(full.error(), 0);
  EXPECT_EQ(full.problem().SoilMovement.NumPoints, 100);
}

// Through the whole-file reader: the option decides whether the block has data lines.
TEST(SoilMovementBlock, InAFileTheOptionDecidesWhetherDataLinesFollow) {
  const auto file = [](const char* option) {
    return std::string(
               "TAVIKP6\nOPTIONS\nUnits SI\nUseLRFD NO\nComputeKmatrix NO\n"
               "UseTipShear NO\n") +
           option +
           "\nUsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\n"
           "MaxIterations 100\nExcessDefl 0.5\nTolerance 1.0E-5\nIncrements 100\n"
           "PrintSummaryOnly NO\nPrintIncrement 2\nPrintPYCurves NO\nComputeInteraction NO\n"
           "SOIL MOVEMENTS\n2\n1 0.0 40\n2 10.0 0\nEND\n";
  };
  const auto on = testing::Read_Input_Text(file("UseSoilMovement YES"));
  ASSERT_EQ(on.error(), 0);
  EXPECT_EQ(on.problem().SoilMovement.NumPoints, 2);
  EXPECT_DOUBLE_EQ(on.problem().SoilMovement.Value[0], 0.04);  // 40 mm

  // With the option off the count line is read as a keyword: input error 99 showing it.
  const auto off = testing::Read_Input_Text(file("UseSoilMovement NO"));
  EXPECT_EQ(off.error(), 199);
  EXPECT_TRUE(Contains_Lines(off.report, {"The following line is unrecognized or is out-of-order",
                                          "", "", Padded_Line("2")}));
}

TEST(PyModifierBlock, ReadsPointsReplacingTheCountOfTheOption) {
  const auto result =
      Run_Reader(Read_Py_Modifiers, "3\n1 0 0.5 1.0\n2 10 0.7 1.1\n3 20 1.0 1.2\nEND\n",
                 [](RunContext& run) { run.Problem.PyModifiers.NumPoints = 1; });
  ASSERT_EQ(result.error(), 0);
  const PyModifierTable& table = result.problem().PyModifiers;
  ASSERT_EQ(table.NumPoints, 3);
  EXPECT_DOUBLE_EQ(table.Depth[1], 10.0);
  EXPECT_DOUBLE_EQ(table.PMultiplier[1], 0.7);
  EXPECT_DOUBLE_EQ(table.YMultiplier[2], 1.2);
  EXPECT_EQ(result.messages, (Lines{"Reading p-y multiplier data"}));
  EXPECT_EQ(Next_Line(result), "END");
}

TEST(PyModifierBlock, NoPointsClearsTheTableAndReadsNoLines) {
  for (const char* n : {"0", "-2"}) {
    const auto result =
        Run_Reader(Read_Py_Modifiers, std::string(n) + "\nEND\n", [](RunContext& run) {
          run.Problem.PyModifiers.NumPoints = 1;  // set by "UsePYModifiers YES"
          run.Problem.PyModifiers.PMultiplier[0] = 0.8;
        });
    ASSERT_EQ(result.error(), 0) << n;
    EXPECT_EQ(result.problem().PyModifiers.NumPoints, 0) << n;
    EXPECT_EQ(result.problem().PyModifiers.PMultiplier[0], 0.0) << n;
    EXPECT_TRUE(result.messages.empty()) << n;
    EXPECT_EQ(Next_Line(result), "END") << n;
  }
}

// The modulus is pm p / (ym y): a y-multiplier of zero would divide by zero and a negative
// multiplier would turn the soil's resistance around. A p-multiplier of zero (no soil
// resistance, e.g. a trench) is accepted.
TEST(PyModifierBlock, RefusesMultipliersThatGiveNoSoundModulus) {
  for (const char* point : {"2 10 0.7 0.0", "2 10 0.7 -1.0", "2 10 -0.5 1.0"}) {
    const auto result =
        Run_Reader(Read_Py_Modifiers, std::string("2\n1 0 0.0 1.0\n") + point + "\nEND\n");
    EXPECT_EQ(result.error(), 192) << point;
    EXPECT_EQ(result.problem().PyModifiers.NumPoints, 0) << point;
  }
}

TEST(TipShearBlock, ReadsTheCurve) {
  const auto result = Run_Reader(Read_Tip_Shear, "3\n1 0 0\n2 0.1 50\n3 0.5 80\nEND\n");
  ASSERT_EQ(result.error(), 0);
  const TipShearTable& table = result.problem().TipShear;
  ASSERT_EQ(table.NumPoints, 3);
  EXPECT_DOUBLE_EQ(table.Displacement[1], 0.1);
  EXPECT_DOUBLE_EQ(table.Shear[2], 80.0);
  EXPECT_EQ(result.messages, (Lines{"Reading tip shear data"}));
  EXPECT_EQ(Next_Line(result), "END");

  const auto none = Run_Reader(Read_Tip_Shear, "0\nEND\n");
  EXPECT_EQ(none.error(), 0);
  EXPECT_EQ(none.problem().TipShear.NumPoints, 0);
  EXPECT_TRUE(none.messages.empty());
  EXPECT_EQ(Next_Line(none), "END");
}

TEST(AuxiliaryTableCapacity, CountsAboveTheTablesAreError91) {
  struct Case {
    const char* name;
    std::function<void(RunContext&)> reader;
    int limit;
    std::string values;
    std::function<void(RunContext&)> prepare;
    const char* problem_line;
  };
  const Case cases[] = {
      {"p-y modifiers",
       Read_Py_Modifiers,
       80,
       "0 1 1",
       {},
       "Problem: The GROUPEFF or GROUP EFFECT FACTORS block, line 1, gives 81 p-y modifier "
       "points."},
      {"tip shear",
       Read_Tip_Shear,
       50,
       "0 0",
       {},
       "Problem: The TIP SHEAR block, line 1, gives 51 tip shear points."},
      {"output depths", Read_Py_Output_Depths, 100, "1", Print_Py_Curves_On,
       "Problem: The DEPTHS OF PRINTED P-Y CURVES block, line 1, gives 101 p-y output depths."},
  };
  for (const Case& c : cases) {
    // A full table is accepted.
    const auto full = Run_Reader(
        c.reader, std::to_string(c.limit) + "\n" + Numbered_Lines(c.limit, c.values) + "END\n",
        c.prepare);
    EXPECT_EQ(full.error(), 0) << c.name;
    EXPECT_EQ(Next_Line(full), "END") << c.name;
    // One more is refused before anything is stored past the table.
    const auto over = Run_Reader(
        c.reader, std::to_string(c.limit + 1) + "\n" + Numbered_Lines(c.limit + 1, c.values),
        c.prepare);
    EXPECT_EQ(over.error(), 191) << c.name;
    EXPECT_TRUE(Contains_Lines(over.report, {c.problem_line})) << c.name;
  }
}

TEST(BatterAndSlopeBlock, AnglesInRadiansAndSlopeMinusBatter) {
  struct Case {
    const char* text;                 // ground slope line, pile batter line (degrees)
    double slope, batter, effective;  // radians: degrees * pi / 180
  };
  const Case cases[] = {
      {"10\n4\n", 0.17453292519943295, 0.06981317007977318, 0.10471975511965977},  // 6 deg
      {"0\n10\n", 0.0, 0.17453292519943295, -0.17453292519943295},                 // -10 deg
      {"-5.5\n0\n", -0.09599310885968812, 0.0, -0.09599310885968812},
  };
  for (const Case& c : cases) {
    const auto result = Run_Reader(Read_Batter_And_Slope, std::string(c.text) + "END\n");
    ASSERT_EQ(result.error(), 0) << c.text;
    const ProblemData& p = result.problem();
    EXPECT_NEAR(p.GroundSlopeAngle, c.slope, 1e-15) << c.text;
    EXPECT_NEAR(p.PileBatterAngle, c.batter, 1e-15) << c.text;
    EXPECT_NEAR(p.SlopeMinusBatter, c.effective, 1e-15) << c.text;
    EXPECT_EQ(result.messages, (Lines{"Reading pile batter and ground slope angles"}));
    EXPECT_EQ(Next_Line(result), "END") << c.text;
  }
}

TEST(PyOutputDepthsBlock, ReadOnlyWhenPrintingIsRequested) {
  const std::string text = "2\n1 5.0\n2 12.5\nEND\n";
  const auto on = Run_Reader(Read_Py_Output_Depths, text, Print_Py_Curves_On);
  ASSERT_EQ(on.error(), 0);
  ASSERT_EQ(on.problem().NumPyOutputDepths, 2);
  EXPECT_DOUBLE_EQ(on.problem().PyOutputDepths[0], 5.0);
  EXPECT_DOUBLE_EQ(on.problem().PyOutputDepths[1], 12.5);
  EXPECT_EQ(on.messages, (Lines{"Reading p-y output depths data"}));
  EXPECT_EQ(Next_Line(on), "END");

  const auto off = Run_Reader(Read_Py_Output_Depths, text);
  EXPECT_EQ(off.error(), 0);
  EXPECT_EQ(off.problem().NumPyOutputDepths, 0);
  EXPECT_TRUE(off.messages.empty());
  EXPECT_EQ(Next_Line(off), "2");

  // A negative count has no meaning here (a nonzero count would select the p-y output).
  const auto negative = Run_Reader(Read_Py_Output_Depths, "-1\n", Print_Py_Curves_On);
  EXPECT_EQ(negative.error(), 192);
  EXPECT_TRUE(Contains_Lines(negative.report, {"Problem: The DEPTHS OF PRINTED P-Y CURVES "
                                               "block, line 1, gives number of depths = -1."}));
}

// Every reader stops in order when the file ends inside its block or a value is not a number.
TEST(LoadingFamilyReaders, TruncatedBlocksAndBadNumbersStopTheRun) {
  const auto both_options = [](RunContext& run) {
    run.Problem.Options.UseSoilMovement = true;
    run.Problem.Options.PrintPYCurves = true;
  };
  struct Case {
    const char* name;
    std::function<void(RunContext&)> reader;
    std::string truncated;  // the file ends inside the block
    std::string bad_value;  // "x" where a number belongs
    const char* block;
  };
  const Case cases[] = {
      {"loading", Read_Loading, "2\n1 1 0 0 0 1\n2 1 0", "1\n1 1 0 0 0 1\nx\n", "LOADING"},
      {"loading points", Read_Loading, "0\n2\n1 0 0\n", "0\n1\n1 x 0\n", "LOADING"},
      {"axial thrusts", Read_Axial_Thrusts, "2\n1 100\n", "2\n1 100\n2 x\n", "AXIAL THRUST LOADS"},
      {"lrfd loads", Read_Lrfd_Loads, "1\n1 1 0 0 0 2\n1 0 0\n", "1\n1 1 0 x 0 0\n", "LRFD LOADS"},
      {"lrfd factors", Read_Lrfd_Factors, "1\n1 1 1 1\n", "x\n", "LRFD FACTORS AND CASES"},
      {"soil movements", Read_Soil_Movements, "2\n1 0 0\n", "2\n1 0 0\n2 x 0\n", "SOIL MOVEMENTS"},
      {"p-y modifiers", Read_Py_Modifiers, "1\n", "1\n1 0 x 1\n",
       "GROUPEFF or GROUP EFFECT FACTORS"},
      {"tip shear", Read_Tip_Shear, "", "1\n1 0 x\n", "TIP SHEAR"},
      {"batter and slope", Read_Batter_And_Slope, "5\n", "5\nx\n", "PILE BATTER AND SLOPE"},
      {"output depths", Read_Py_Output_Depths, "3\n1 0\n2 1\n", "x\n",
       "DEPTHS OF PRINTED P-Y CURVES"},
  };
  for (const Case& c : cases) {
    const auto ended = Run_Reader(c.reader, c.truncated, both_options);
    EXPECT_EQ(ended.error(), 199) << c.name;
    EXPECT_TRUE(Contains_Lines(
        ended.report, {std::string("The input file ended inside the ") + c.block + " block."}))
        << c.name;

    const auto bad = Run_Reader(c.reader, c.bad_value, both_options);
    EXPECT_EQ(bad.error(), 190) << c.name;
    EXPECT_TRUE(Contains_Lines(bad.report, {"Solution: Correct the value in the input file."}))
        << c.name;
  }
}

}  // namespace
}  // namespace tavik
