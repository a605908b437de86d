// The OPTIONS block: every line in its order, the limits of the iteration count, the
// number of increments and the convergence tolerance in each units system, the fixed
// columns of the loading line, and the message of each unrecognised option line.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "input/block_readers.h"
#include "input/input_file.h"
#include "input/input_fixture.h"

namespace tavik {
namespace {

using testing::Contains_Lines;
using testing::ReadResult;
using testing::Run_Reader;

constexpr int kOptionLines = 16;

// A valid block (lines 1 to 16) in US customary units; tests replace single lines.
std::array<std::string, kOptionLines> Standard_Lines() {
  return {"Units USCS",          "UseLRFD NO",        "ComputeKmatrix NO", "UseTipShear NO",
          "UseSoilMovement NO",  "UsePYModifiers NO", "ComputeEIOnly NO",  "Loading STATIC     0",
          "MaxIterations 100",   "ExcessDefl 50.0",   "Tolerance 1.0E-5",  "Increments 100",
          "PrintSummaryOnly NO", "PrintIncrement 2",  "PrintPYCurves NO",  "ComputeInteraction NO"};
}

// The block text with line `number` (1-based) replaced by `text`, plus optional extra lines.
std::string Block_With(int number, const std::string& text, const std::string& extra = "") {
  std::array<std::string, kOptionLines> lines = Standard_Lines();
  if (number >= 1) lines[number - 1] = text;
  std::string block;
  for (const std::string& line : lines) block += line + "\n";
  return block + extra;
}

ReadResult Read_Options(const std::string& text) {
  return Run_Reader(Read_Options_Block, text);
}

TEST(OptionsBlock, AllYesVariantAndBlockEnd) {
  const std::string text =
      "Units USCS\nUseLRFD YES\nComputeKmatrix YES\nUseTipShear YES\nUseSoilMovement YES\n"
      "UsePYModifiers YES\nComputeEIOnly YES\nxxxxxxxxCYCLIC   100\n"
      "MaxIter,1000\nDeflLimit 2.5\nTolerance 1.0E-15\nIncrements 500\nPrintSummaryOnly YES\n"
      "PrintIncrement 3\nPrintPYCurves YES\nComputeInteraction YES\nCode ACI318\nSECTIONS\n";
  const ReadResult result = Read_Options(text);
  ASSERT_EQ(result.error(), 0);
  const ProblemData& problem = result.problem();
  const AnalysisOptions& o = problem.Options;
  EXPECT_EQ(problem.IUNITS, kUnitsUSCustomary);
  EXPECT_TRUE(o.UseLRFD && o.ComputeKmatrix && o.UseTipShear && o.UseSoilMovement &&
              o.UsePYModifiers && o.Cyclic && o.PrintSummaryOnly && o.PrintPYCurves &&
              o.ComputeInteraction);
  EXPECT_EQ(problem.PyModifiers.NumPoints, 1);
  EXPECT_EQ(o.ICOM, kComputeEIOnly);
  EXPECT_EQ(o.NumCycles, 100.0);
  EXPECT_EQ(o.MaxIterations, 1000);
  EXPECT_EQ(o.ExcessDeflectionLimit, 2.5);
  EXPECT_EQ(o.ConvergenceTolerance, 1.0e-15);
  EXPECT_EQ(o.NumIncrements, 500);
  EXPECT_EQ(o.PrintIncrement, 3);
  EXPECT_EQ(o.InteractionCode, 2);
  EXPECT_EQ(result.run->Input.Line_Number(), 17);  // the keyword after the block is unread
  EXPECT_EQ(result.messages, std::vector<std::string>{"Reading analysis options"});
  EXPECT_TRUE(result.report.empty());
}

TEST(OptionsBlock, AllNoVariantEndsAfterComputeInteraction) {
  const ReadResult result = Read_Options(Block_With(0, "", "Code AASHTO\n"));
  ASSERT_EQ(result.error(), 0);
  const AnalysisOptions& o = result.problem().Options;
  EXPECT_FALSE(o.UseLRFD || o.ComputeKmatrix || o.UseTipShear || o.UseSoilMovement ||
               o.UsePYModifiers || o.Cyclic || o.PrintSummaryOnly || o.PrintPYCurves ||
               o.ComputeInteraction);
  EXPECT_EQ(result.problem().PyModifiers.NumPoints, 0);
  EXPECT_EQ(o.ICOM, kFullAnalysis);
  EXPECT_EQ(o.MaxIterations, 100);
  EXPECT_EQ(o.PrintIncrement, 2);
  EXPECT_EQ(o.InteractionCode, 0);
  EXPECT_EQ(result.run->Input.Line_Number(), 16);
}

TEST(OptionsBlock, UnitsAndInteractionCodes) {
  const std::pair<const char*, int> units[] = {
      {"Units USCS", 1}, {"Units SI", 2}, {"Units GENERAL", 3}, {"Units SI    ", 2}};
  for (const auto& [line, iunits] : units) {
    SCOPED_TRACE(line);
    const ReadResult result = Read_Options(Block_With(1, line, ""));
    EXPECT_EQ(result.error(), 0);
    EXPECT_EQ(result.problem().IUNITS, iunits);
  }
  const std::pair<const char*, int> codes[] = {
      {"Code AASHTO", 1}, {"Code ACI318", 2}, {"Code Eurocode2", 3}};
  for (const auto& [line, code] : codes) {
    SCOPED_TRACE(line);
    const ReadResult result =
        Read_Options(Block_With(16, "ComputeInteraction YES", std::string(line) + "\n"));
    EXPECT_EQ(result.error(), 0);
    EXPECT_EQ(result.problem().Options.InteractionCode, code);
  }
}

// An unknown units word is shown as an unrecognised line (error 99), in both files.
TEST(OptionsBlock, UnknownUnitsGiveError99) {
  const ReadResult result = Read_Options(Block_With(1, "Units uscs"));
  EXPECT_EQ(result.error(), 199);
  const std::vector<std::string> block = {
      "", "", "***** INPUT ERROR *****",
      "", "", "The following line is unrecognized or is out-of-order",
      "", "", Padded_Line("Units uscs"),
      "", ""};
  EXPECT_TRUE(Contains_Lines(result.report, block));
  EXPECT_TRUE(Contains_Lines(result.messages, block));
  EXPECT_EQ(result.run->Input.Line_Number(), 1);
}

// Each word line with an unlisted word: its message in the report only, input error 95,
// and the rest of the block left unread.
TEST(OptionsBlock, UnrecognizedOptionWords) {
  struct Case {
    int line;
    const char* text;
    std::vector<std::string> message;
  };
  const Case cases[] = {
      {2, "UseLRFD yes", {"", "INPUT ERROR - Unrecognized command for LRFD analysis option"}},
      {3,
       "ComputeKmatrix",
       {"", "INPUT ERROR - Unrecognized command for compute pile-head stiffness matrix option"}},
      {4, "UseTipShear  NO", {"", "INPUT ERROR - Unrecognized command for tip shear option"}},
      {5,
       "UseSoilMovement TRUE",
       {"", "INPUT ERROR - Unrecognized command for soil movement option", ""}},
      {6,
       " UsePYModifiers NO",
       {"", "INPUT ERROR - Unrecognized command for use of p-y modifiers option"}},
      {7,
       "ComputeEIOnly N",
       {"", "INPUT ERROR - Unrecognized command for compute nonlinear EI only option"}},
      {13,
       "PrintSummaryOnly",
       {"", "INPUT ERROR - Unrecognized command for print summary only option"}},
      {15,
       "PrintPYCurves no",
       {"", "INPUT ERROR - Unrecognized command for p-y curve output depths option"}},
      {16,
       "ComputeInteraction",
       {"INPUT ERROR - Unrecognized command for compute interaction option"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const ReadResult result = Read_Options(Block_With(c.line, c.text));
    EXPECT_EQ(result.error(), 195);
    std::vector<std::string> expected = c.message;
    expected.insert(expected.end(),
                    {"", "", "Tavik ended prematurely due to input error number INP00095"});
    EXPECT_EQ(result.report, expected);
    EXPECT_EQ(result.messages, std::vector<std::string>{"Reading analysis options"});
    EXPECT_EQ(result.run->Input.Line_Number(), c.line);
  }
  const ReadResult bad_code =
      Read_Options(Block_With(16, "ComputeInteraction YES", "Code aashto\n"));
  EXPECT_EQ(bad_code.error(), 195);
  EXPECT_TRUE(Contains_Lines(bad_code.report,
                             {"INPUT ERROR - Unrecognized command for interaction code option"}));
}

// Line 8: columns 9-14 the loading type, columns 15-20 the number of cycles.
TEST(OptionsBlock, LoadingLineColumns) {
  struct Case {
    const char* line;
    int error;
    bool cyclic;
    double cycles;
  };
  const Case cases[] = {
      {"12345678STATIC     0", 0, false, 0.0},
      {"Loading CYCLIC   100", 0, true, 100.0},
      {"Loading CYCLIC 2.5  ", 0, true, 2.5},
      {"Loading CYCLIC  100.", 0, true, 100.0},
      {"Loading CYCLIC100   ", 0, true, 100.0},
      {"Loading CYCLIC   5000 and more", 0, true, 500.0},  // only columns 15-20 count
      {"Loading CYCLIC", 0, true, 0.0},                    // blank field reads as 0
      {"Loading STATIC      ", 0, false, 0.0},
      {"LoadingCYCLIC    100", 195, false, 0.0},  // starts in column 8
      {"Loading cyclic   100", 195, false, 0.0},
      {"Loading", 195, false, 0.0},
      {"Loading STATIC  none", 190, false, 0.0},  // not a number
      {"Loading CYCLIC 1 0  ", 190, false, 0.0},  // blank inside the number
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const ReadResult result = Read_Options(Block_With(8, c.line));
    ASSERT_EQ(result.error(), c.error);
    if (c.error == 195) {
      EXPECT_TRUE(Contains_Lines(
          result.report, {"INPUT ERROR - Unrecognized command for loading type option", "", "",
                          "Tavik ended prematurely due to input error number INP00095"}));
    }
    if (c.error != 0) continue;
    EXPECT_EQ(result.problem().Options.Cyclic, c.cyclic);
    EXPECT_EQ(result.problem().Options.NumCycles, c.cycles);
  }
}

TEST(OptionsBlock, IterationLimit) {
  for (int accepted : {30, 1000}) {
    const ReadResult result = Read_Options(Block_With(9, "MaxIter " + std::to_string(accepted)));
    EXPECT_EQ(result.error(), 0) << accepted;
  }
  const ReadResult low = Read_Options(Block_With(9, "MaxIter 29"));
  EXPECT_EQ(low.error(), 195);
  EXPECT_EQ(low.report,
            (std::vector<std::string>{
                "***** Input Data Error No. 95 *****", "", "",
                "Problem: Input value for iterations limit = 29 and is less than 30 iteractions",
                "Solution:  Correct input value to be between 30 and 1000 iterations.", "", "", "",
                "", "Tavik ended prematurely due to input error number INP00095"}));
  const ReadResult high = Read_Options(Block_With(9, "MaxIter 1001"));
  EXPECT_EQ(high.error(), 195);
  EXPECT_TRUE(Contains_Lines(
      high.report,
      {"Problem: Input value for iterations limit = 1001 and is more than 1,000 iteractions"}));
  EXPECT_EQ(high.run->Input.Line_Number(), 9);
}

TEST(OptionsBlock, NumberOfIncrements) {
  for (int accepted : {40, 500}) {
    const ReadResult result = Read_Options(Block_With(12, "Incr " + std::to_string(accepted)));
    EXPECT_EQ(result.error(), 0) << accepted;
  }
  const std::vector<std::string> too_few = {
      "**** Input Data Error No. 55 ****",
      "",
      "",
      "Problem:  The number of pile increments is less than 40.",
      "",
      "",
      "Solution: Increase the number of pile increments to more than 40, preferably more than "
      "100 increments."};
  const ReadResult low = Read_Options(Block_With(12, "Incr 39"));
  EXPECT_EQ(low.error(), 155);
  EXPECT_TRUE(Contains_Lines(low.report, too_few));
  EXPECT_TRUE(Contains_Lines(low.messages, too_few));

  const std::vector<std::string> too_many = {
      "**** Input Data Error No. 56 ****",
      "",
      "",
      "Problem:  The number of pile increments is more than 500.",
      "",
      "",
      "Solution: Limit the number of pile increments to 500 or less."};
  const ReadResult high = Read_Options(Block_With(12, "Incr 501"));
  EXPECT_EQ(high.error(), 156);
  EXPECT_TRUE(Contains_Lines(high.report, too_many));
  EXPECT_TRUE(Contains_Lines(high.messages, too_many));
}

// The tolerance limits depend on the units system of line 1; general units check nothing.
TEST(OptionsBlock, ConvergenceToleranceLimits) {
  struct Case {
    const char* units;
    const char* tolerance;
    int error;
  };
  const Case cases[] = {
      {"Units USCS", "1.0E-20", 0},   {"Units USCS", "1.0E-15", 0},    {"Units USCS", "0.1", 0},
      {"Units USCS", "9.9E-21", 165}, {"Units USCS", "0.1001", 166},   {"Units USCS", "-1.0", 165},
      {"Units SI", "2.54E-22", 0},    {"Units SI", "0.00254", 0},      {"Units SI", "2.5E-22", 167},
      {"Units SI", "0.0026", 168},    {"Units SI", "0.01", 168},       {"Units GENERAL", "0", 0},
      {"Units GENERAL", "-3.0", 0},   {"Units GENERAL", "1.0E+30", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.units) + " " + c.tolerance);
    std::array<std::string, kOptionLines> lines = Standard_Lines();
    lines[0] = c.units;
    lines[10] = std::string("Tol ") + c.tolerance;
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    const ReadResult result = Read_Options(text);
    EXPECT_EQ(result.error(), c.error);
    // The block is read to its end, or to the tolerance line that stopped it.
    EXPECT_EQ(result.run->Input.Line_Number(), c.error == 0 ? kOptionLines : 11);
  }
}

TEST(OptionsBlock, ToleranceMessagesInBothFiles) {
  struct Case {
    const char* units;
    const char* tolerance;
    std::vector<std::string> block;
  };
  const Case cases[] = {
      {"Units USCS",
       "1.0E-21",
       {"", "**** Input Data Error No. 65 ****", "", "",
        "Input value for convergence tolerance is too small (less than 1E-10 inches).",
        "The recommended value for convergence tolerance is 0.00001 inches.", ""}},
      {"Units USCS",
       "0.5",
       {"", "**** Input Data Error No. 66 ****", "", "",
        "Input value for convergence tolerance is too large (more than 0.1 inches). ",
        "The recommended value for convergence tolerance is 0.00001 inches.", ""}},
      {"Units SI",
       "1.0E-23",
       {"", "**** Input Data Error No. 67 ****", "", "",
        "Input value for convergence tolerance is too small (less than 2.5E-12 meters). ",
        "The recommended value for convergence tolerance is 2.54E-7 meters.", ""}},
      {"Units SI",
       "0.0026",
       {"", "**** Input Data Error No. 68 ****", "", "",
        "Input value of convergence tolerance too large (more than 2.54E-3 meters). ",
        "The recommended value for convergence tolerance is 2.54E-7 meters.", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tolerance);
    std::array<std::string, kOptionLines> lines = Standard_Lines();
    lines[0] = c.units;
    lines[10] = std::string("Tol ") + c.tolerance;
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    const ReadResult result = Read_Options(text);
    EXPECT_TRUE(Contains_Lines(result.report, c.block));
    std::vector<std::string> messages = {"Reading analysis options"};
    messages.insert(messages.end(), c.block.begin(), c.block.end());
    EXPECT_EQ(result.messages, messages);
  }
}

// Faults the option lines have no message for: a value that is not a number (error 90) and
// the end of the file inside the block (error 99 showing an empty line).
TEST(OptionsBlock, UnreadableValueAndEndOfFile) {
  const ReadResult text_value = Read_Options(Block_With(9, "MaxIterations many"));
  EXPECT_EQ(text_value.error(), 190);
  EXPECT_TRUE(Contains_Lines(text_value.report, {"**** Input Data Error No. 90 ****"}));
  const ReadResult real_for_int = Read_Options(Block_With(12, "Increments 100.0"));
  EXPECT_EQ(real_for_int.error(), 190);

  for (int last_line : {0, 4, 8, 11, 16}) {
    SCOPED_TRACE(last_line);
    std::array<std::string, kOptionLines> lines = Standard_Lines();
    lines[15] = "ComputeInteraction YES";  // so that even line 17 is expected
    std::string text;
    for (int i = 0; i < last_line; ++i) text += lines[i] + "\n";
    const ReadResult result = Read_Options(text);
    EXPECT_EQ(result.error(), 199);
    EXPECT_TRUE(Contains_Lines(result.report, {"The input file ended inside the OPTIONS block."}));
    EXPECT_TRUE(Contains_Lines(result.report, {Padded_Line("")}));
  }
}

}  // namespace
}  // namespace tavik
