// Report helpers shared by every writer: numbers and texts appended to the line under
// construction of a channel (normally the report).
#ifndef TAVIK_RUN_REPORT_WRITERS_H
#define TAVIK_RUN_REPORT_WRITERS_H

#include <string_view>

#include "run/text_channel.h"

namespace tavik {

// Appends one blank and x in a field of width - 1 characters, in fixed or scientific form
// by the magnitude of x (widths in use: 10, 11, 13, 14):
//   |x| < 1E-12              -> 0 in F(w-1).(w-8)
//   |x| > 10**(w-3) - 1      -> ES(w-1).(w-8)   (limit computed in single precision)
//   |x| > 10000              -> F(w-1).0
//   |x| > 10**(9-w)          -> F(w-1).(w-7)
//   |x| >= 10**(7-w)         -> F(w-1).(w-5)
//   otherwise                -> ES(w-1).(w-8)
// A NaN is written as "  Not-a-Number" in place of the blank and the field.
void Write_Real(TextChannel& out, double x, int width);

// Appends n right-aligned in width columns; a width below 1 or above 16 becomes 10.
void Write_Integer(TextChannel& out, long long n, int width);

void Write_Blanks(TextChannel& out, int count);
void Write_Text10(TextChannel& out, std::string_view text);  // appends
void Write_Text8(TextChannel& out, std::string_view text);   // writes and ends the line
// Appends the long name of a soil type index, left-aligned in 34 columns (34 blanks for an
// index without a long name).
void Write_Soil_Name(TextChannel& out, int soil_type_index);
void End_Line(TextChannel& out);

}  // namespace tavik

#endif  // TAVIK_RUN_REPORT_WRITERS_H
