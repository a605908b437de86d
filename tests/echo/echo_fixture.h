// A typical problem built by hand (no reader involved) and a runner that echoes it, for the
// tests of the input echo and of the whole-input checks.
#ifndef TAVIK_TESTS_ECHO_ECHO_FIXTURE_H
#define TAVIK_TESTS_ECHO_ECHO_FIXTURE_H

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "input/input_fixture.h"
#include "run/problem_data.h"

namespace tavik::testing {

// Soil type indices of the codes the tests use.
inline constexpr int kSoftClay = 1;
inline constexpr int kStfClyBW = 2;
inline constexpr int kStfClyAW = 3;
inline constexpr int kStfClyAK = 4;
inline constexpr int kSand = 5;
inline constexpr int kApiSand = 6;
inline constexpr int kLiqSand = 7;
inline constexpr int kWeakRock = 8;
inline constexpr int kVuggyLS = 9;
inline constexpr int kPiedmont = 10;
inline constexpr int kCemSilt = 11;
inline constexpr int kKSLoess = 12;
inline constexpr int kElastSG = 13;
inline constexpr int kUserPy = 14;
inline constexpr int kSoftClyJ = 15;
inline constexpr int kMassRock = 16;
inline constexpr int kFrzSoil = 17;

// Fills `problem` with a typical full analysis in the units system `iunits`, values as
// entered: one drilled shaft 70 long and 36 wide (stations 0 and 70), ground surface at the
// pile head; soft clay from 0 to 20 (unit weight 50 to 55, cohesion 500 to 700, e50 0.02
// to 0.01) over Reese sand from 20 to 80 (unit weight 60 to 65, friction 32 to 36, k 0);
// static loading; two load cases: type 1 (V 10000, M 0, P 100000) and type 2 (V 20000,
// S 0, P 100000); 100 increments, 100 iterations, tolerance 1E-5, deflection limit 100,
// printing increment 1. In SI the same numbers stand for metres, kN/m3, kPa and kN, except
// the unit weights, which are 15 to 18 kN/m3 there.
void Fill_Typical_Problem(ProblemData& problem, int iunits);

// Fills the typical problem, applies `change`, sets the unit labels for the problem's units
// system and runs Echo_Input with the report and message channels on temporary files.
ReadResult Run_Echo(int iunits, const std::function<void(ProblemData&)>& change = {});

// The layout of a labelled value: the label, blanks up to column 55, "= " and `value`.
std::string Labelled_Line(std::string_view label, std::string_view value);

// The text `text` placed at 1-based columns, blanks between (one line built from pieces).
struct Placed {
  int column;
  std::string_view text;
};
std::string Placed_Line(std::initializer_list<Placed> pieces);

std::string Blanks(int n);

// The text without its trailing blanks.
std::string Trim_Right(std::string_view text);

// True when a line of `lines` equals `row`, both without trailing blanks. For the rows of the
// soil property summary, whose items are each followed by Write_Blanks(3): whether blanks at
// the very end of a record reach the file is the report writers' business, not the echo's.
bool Contains_Row(const std::vector<std::string>& lines, std::string_view row);
std::string Rule();  // 80 "-"

// The lines of `lines` from the first line equal to `first` (inclusive) up to the first
// line equal to `last` after it (inclusive); empty when not found.
std::vector<std::string> Lines_Between(const std::vector<std::string>& lines,
                                       std::string_view first, std::string_view last);

}  // namespace tavik::testing

#endif  // TAVIK_TESTS_ECHO_ECHO_FIXTURE_H
