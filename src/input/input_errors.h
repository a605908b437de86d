// Input errors shared by all block readers for faults the input format leaves without a
// message of its own: a file that ends inside a block, a value that is not a number, a count
// beyond the capacity of its table and a code outside its allowed values. Each writes a
// message block naming the block, the line and what was wrong to the report and the
// runtime message file, then ends the run.
#ifndef TAVIK_INPUT_INPUT_ERRORS_H
#define TAVIK_INPUT_INPUT_ERRORS_H

#include <string_view>

#include "input/input_file.h"
#include "run/run_context.h"

namespace tavik {

inline constexpr int kInputErrorUnrecognizedLine = 99;  // INP00099: line out of place, or EOF
inline constexpr int kInputErrorNotANumber = 90;        // INP00090
inline constexpr int kInputErrorTableFull = 91;         // INP00091
inline constexpr int kInputErrorValueOutOfRange = 92;   // INP00092

// The unrecognised-line block: two empty lines, "***** INPUT ERROR *****", two empty lines,
// "The following line is unrecognized or is out-of-order", two empty lines, the line padded
// to 256 characters, two empty lines; then input error 99. An end of file where a line was
// expected shows an empty line.
void Report_Unrecognized_Line(RunContext& run, std::string_view line);

// A free-format read that failed: the end of the file inside `block` (input error 99 with
// an empty line shown, and a line naming the block), or an item that is not a number
// (input error 90).
void Report_Read_Failure(RunContext& run, const FreeFormatRead& read, std::string_view block);

// The end of the file inside `block` where a whole line (a word line, a title line, a
// fixed-column line) was expected: the same block as Report_Read_Failure gives for it.
void Report_End_Of_File(RunContext& run, std::string_view block);

// An item that is not a number, found outside a free-format read (a fixed-column field):
// the same block as Report_Read_Failure gives for it (input error 90). `line_number` is the
// number of the input line that holds the item.
void Report_Not_A_Number(RunContext& run, std::string_view block, int line_number,
                         std::string_view item, bool integer_expected);

// A count read from the file that exceeds its table (input error 91): "what" names the
// table, e.g. "soil layers".
void Report_Count_Too_Large(RunContext& run, std::string_view block, std::string_view what,
                            int count, int limit);

// A code or index outside its allowed values (input error 92), e.g. a section type of 17.
void Report_Value_Out_Of_Range(RunContext& run, std::string_view block, std::string_view what,
                               int value, std::string_view allowed);

}  // namespace tavik

#endif  // TAVIK_INPUT_INPUT_ERRORS_H
