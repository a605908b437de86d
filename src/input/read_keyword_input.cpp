#include "input/read_keyword_input.h"

#include <array>
#include <string>
#include <string_view>

#include "input/block_readers.h"
#include "input/input_errors.h"
#include "input/unique_thrusts.h"

namespace tavik {

namespace {

// Read_Title_Block: reads the five title lines after "TITLE", each as a line of up to 256
// characters, into run.Problem.Title (as read, without padding). Writes "Reading title data"
// to the runtime message file first. The end of the file before the fifth line is input
// error 99 (with the line naming the block).
void Read_Title_Block(RunContext& run) {
  run.Messages.Write_Line("Reading title data");
  for (std::string& title : run.Problem.Title) {
    if (!run.Input.Read_Line(title)) {
      Report_End_Of_File(run, "TITLE");
      return;
    }
  }
}

struct BlockKeyword {
  std::string_view keyword;
  void (*reader)(RunContext&);
};

// The block keywords in the order the reading loop tests them.
constexpr std::array<BlockKeyword, 14> kBlockKeywords = {{
    {"TITLE", Read_Title_Block},
    {"OPTIONS", Read_Options_Block},
    {"SECTIONS", Read_Sections},
    {"AXIAL THRUST LOADS", Read_Axial_Thrusts},
    {"SOIL LAYERS", Read_Soil_Layers},
    {"TIP SHEAR", Read_Tip_Shear},
    {"PILE BATTER AND SLOPE", Read_Batter_And_Slope},
    {"GROUPEFF", Read_Py_Modifiers},
    {"LRFD LOADS", Read_Lrfd_Loads},
    {"LRFD FACTORS AND CASES", Read_Lrfd_Factors},
    {"LOADING", Read_Loading},
    {"SOIL MOVEMENTS", Read_Soil_Movements},
    {"GROUP EFFECT FACTORS", Read_Py_Modifiers},
    {"DEPTHS OF PRINTED P-Y CURVES", Read_Py_Output_Depths},
}};

constexpr std::string_view kEndKeyword = "END";

}  // namespace

// Read_Keyword_Input: the top-level reading loop of the keyword format. Starts at the line
// after the format word (already consumed) and reads keyword lines: each block keyword
// (exact word in column 1, case-sensitive, trailing blanks only) hands the following lines
// to its block reader; "END" ends the input and the derived thrust list is built. A line
// that is no keyword (an empty line included) is input error 99 with the line shown; so is
// the end of the file before "END" (an empty line shown). Returns at once after any error.
void Read_Keyword_Input(RunContext& run) {
  std::string line;
  for (;;) {
    if (!run.Input.Read_Line(line)) {
      Report_Unrecognized_Line(run, "");
      return;
    }
    bool matched = false;
    for (const BlockKeyword& block : kBlockKeywords) {
      if (!Matches_Word(line, block.keyword)) continue;
      matched = true;
      block.reader(run);
      if (run.Status.Has_Error()) return;
      break;
    }
    if (matched) continue;
    if (Matches_Word(line, kEndKeyword)) break;
    Report_Unrecognized_Line(run, line);
    return;
  }
  Build_Unique_Thrusts(run.Problem);
}

}  // namespace tavik
