// The top-level reader of the keyword format: keyword matching, the TITLE block, "END",
// the unrecognised-line error 99 and the end of the file before "END".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/input_file.h"
#include "input/input_fixture.h"
#include "input/read_keyword_input.h"

namespace tavik {
namespace {

using testing::Contains_Lines;
using testing::Read_Input_Text;
using testing::ReadResult;
using testing::Run_Reader;

// The standard block of an unrecognised line, as both the report and the run-message file
// show it: the line padded with blanks to 256 characters between the empty lines.
std::vector<std::string> Unrecognized_Block(const std::string& line) {
  return {"", "", "***** INPUT ERROR *****",
          "", "", "The following line is unrecognized or is out-of-order",
          "", "", Padded_Line(line),
          "", ""};
}

void Expect_Unrecognized(const ReadResult& result, const std::string& line) {
  EXPECT_EQ(result.error(), 199);
  EXPECT_TRUE(Contains_Lines(result.report, Unrecognized_Block(line)));
  EXPECT_TRUE(Contains_Lines(result.messages, Unrecognized_Block(line)));
  EXPECT_TRUE(Contains_Lines(result.report,
                             {"Tavik ended prematurely due to input error number INP00099"}));
}

TEST(KeywordReader, TitleBlockAndEnd) {
  const ReadResult result = Read_Input_Text(
      "TAVIKP6 anything after the format word\n"
      "TITLE\n"
      "Pile P-1, north abutment\n"
      "\n"
      "   indented third line\n" +
      std::string(300, 'x') +
      "\n"  // longer than 256: cut
      "fifth\n"
      "END\n");
  ASSERT_EQ(result.error(), 0);
  const auto& title = result.problem().Title;
  EXPECT_EQ(title[0], "Pile P-1, north abutment");
  EXPECT_EQ(title[1], "");
  EXPECT_EQ(title[2], "   indented third line");
  EXPECT_EQ(title[3], std::string(256, 'x'));
  EXPECT_EQ(title[4], "fifth");
  EXPECT_EQ(result.messages,
            (std::vector<std::string>{"Reading title data", "Input of data completed"}));
}

// Blocks may repeat; the later one overwrites. Keywords may carry trailing blanks, and a
// file written with CR LF line ends reads the same.
TEST(KeywordReader, RepeatedBlockTrailingBlanksAndCrLf) {
  const ReadResult result = Read_Input_Text(
      "TAVIKP6\r\nTITLE   \r\na\r\nb\r\nc\r\nd\r\ne\r\nTITLE\r\nA\r\nB\r\nC\r\nD\r\nE\r\nEND  "
      "\r\n");
  ASSERT_EQ(result.error(), 0);
  EXPECT_EQ(result.problem().Title[0], "A");
  EXPECT_EQ(result.problem().Title[4], "E");
}

// Lines that are no keyword where a keyword is expected: the line is shown padded.
TEST(KeywordReader, UnrecognizedLinesGiveError99) {
  const char* cases[] = {
      "title",        // lower case
      " TITLE",       // leading blank
      "\tEND",        // leading tab
      "",             // empty line between blocks
      "TITLE X",      // more than the word
      "ENDING",       // "END" followed by more than blanks
      "GROUPEFFECT",  // no keyword is a prefix match
      "Units USCS",   // an option line outside its block
  };
  for (const char* line : cases) {
    SCOPED_TRACE(line);
    const ReadResult result =
        Read_Input_Text(std::string("TAVIKP6\nTITLE\n1\n2\n3\n4\n5\n") + line + "\nEND\n");
    Expect_Unrecognized(result, line);
  }
}

// Every block keyword, as written, is handed to its block reader: whatever that reader then
// finds at the end of the file, the keyword line itself is never reported. Its lower-case
// form is not a keyword.
TEST(KeywordReader, EveryBlockKeywordIsRecognized) {
  const char* keywords[] = {"TITLE",
                            "OPTIONS",
                            "SECTIONS",
                            "AXIAL THRUST LOADS",
                            "SOIL LAYERS",
                            "TIP SHEAR",
                            "PILE BATTER AND SLOPE",
                            "GROUPEFF",
                            "LRFD LOADS",
                            "LRFD FACTORS AND CASES",
                            "LOADING",
                            "SOIL MOVEMENTS",
                            "GROUP EFFECT FACTORS",
                            "DEPTHS OF PRINTED P-Y CURVES",
                            "END"};
  for (const std::string keyword : keywords) {
    SCOPED_TRACE(keyword);
    const ReadResult recognised = Read_Input_Text("TAVIKP6\n" + keyword + "\n");
    EXPECT_FALSE(Contains_Lines(recognised.report, {Padded_Line(keyword)}));
    std::string lower = keyword;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    Expect_Unrecognized(Read_Input_Text("TAVIKP6\n" + lower + "\n"), lower);
  }
}

// The end of the file where a keyword is expected: error 99 showing an empty line.
TEST(KeywordReader, EndOfFileBeforeEnd) {
  Expect_Unrecognized(Read_Input_Text("TAVIKP6\nTITLE\n1\n2\n3\n4\n5\n"), "");
  Expect_Unrecognized(Read_Input_Text("TAVIKP6\n"), "");
  Expect_Unrecognized(Read_Input_Text("TAVIKP6"), "");
}

TEST(KeywordReader, EndOfFileInsideTitle) {
  const ReadResult result = Read_Input_Text("TAVIKP6\nTITLE\none\ntwo\n");
  Expect_Unrecognized(result, "");
  EXPECT_TRUE(Contains_Lines(result.report, {"The input file ended inside the TITLE block."}));
  EXPECT_EQ(result.problem().Title[1], "two");
}

// An error inside a block ends the loop at once: nothing after the block is read.
TEST(KeywordReader, ErrorInsideBlockStopsReading) {
  const ReadResult result =
      Read_Input_Text("TAVIKP6\nOPTIONS\nUnits METRIC\nTITLE\n1\n2\n3\n4\n5\nEND\n");
  Expect_Unrecognized(result, "Units METRIC");
  EXPECT_EQ(result.run->Input.Line_Number(), 3);
  EXPECT_EQ(result.messages.front(), "Reading analysis options");
  EXPECT_FALSE(Contains_Lines(result.messages, {"Reading title data"}));
}

// The options block ends after "ComputeInteraction NO": the next line is a keyword again.
TEST(KeywordReader, OptionsBlockHandsBackToTheLoop) {
  const std::string options =
      "OPTIONS\nUnits SI\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\n"
      "UsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\nMaxIter 100\nDefl 0.5\n"
      "Tol 2.54E-7\nIncrements 100\nPrintSummaryOnly NO\nPrintIncr 1\nPrintPYCurves NO\n"
      "ComputeInteraction NO\n";
  const ReadResult result = Read_Input_Text("TAVIKP6\n" + options + "TITLE\n1\n2\n3\n4\n5\nEND\n");
  ASSERT_EQ(result.error(), 0);
  EXPECT_EQ(result.problem().IUNITS, kUnitsSI);
  EXPECT_EQ(result.problem().Title[4], "5");
  EXPECT_EQ(result.messages,
            (std::vector<std::string>{"Reading analysis options", "Reading title data",
                                      "Input of data completed"}));
}

// "END" builds the derived thrust list; an input that ends in error does not.
TEST(KeywordReader, EndBuildsTheThrustList) {
  const auto prepare = [](RunContext& run) {
    run.Problem.IUNITS = kUnitsGeneral;
    run.Problem.NumSections = 1;
    run.Problem.NumLoadCases = 2;
    run.Problem.LoadCases[0].AxialThrust = 20.0;
    run.Problem.LoadCases[1].AxialThrust = 10.0;
  };
  const ReadResult ended = Run_Reader(Read_Keyword_Input, "END\n", prepare);
  ASSERT_EQ(ended.error(), 0);
  EXPECT_EQ(ended.problem().NumUniqueThrusts, 2);
  EXPECT_EQ(ended.problem().UniqueThrusts[0], 10.0);
  EXPECT_EQ(ended.problem().UniqueThrusts[1], 20.0);

  const ReadResult failed = Run_Reader(Read_Keyword_Input, "\nEND\n", prepare);
  EXPECT_EQ(failed.error(), 199);
  EXPECT_EQ(failed.problem().NumUniqueThrusts, 0);
}

}  // namespace
}  // namespace tavik
