// Internal to the SECTIONS block: the sub-readers that Read_Sections calls for section i
// (1-based) in the order its section type requires, and the small reading helpers they
// share. Every sub-reader writes its progress line to the runtime message file first,
// reads its lines, stores into run.Problem.Sections[i - 1], and on an error writes its
// message, ends the run and returns at once (the caller tests run.Status.Has_Error()).
#ifndef TAVIK_INPUT_SECTION_READERS_H
#define TAVIK_INPUT_SECTION_READERS_H

#include <string>
#include <string_view>

#include "run/run_context.h"

namespace tavik {

inline constexpr std::string_view kSectionsBlock = "SECTIONS";
// Input error 95: a section, strand, concrete or rebar line not recognised or out of order.
inline constexpr int kInputErrorSectionLine = 95;

// Concrete strength, aggregate size, tensile strength option and stress-strain option.
void Read_Concrete(RunContext& run, int i);
// Rebar sub-block: "No rebar", or the continuation line and the bars (circle or one by one).
void Read_Rebar(RunContext& run, int i);
// Prestressing strands, positioned automatically or one by one.
void Read_Strands(RunContext& run, int i);
// Section type 11: shape and elastic properties at the top and bottom of the section.
void Read_Elastic_Section(RunContext& run, int i);
// Section type 12: as type 11, with the plastic moment capacity.
void Read_Elastic_Plastic_Section(RunContext& run, int i);
// Section type 13: bending stiffness against moment for each of several axial thrusts.
void Read_User_EI(RunContext& run, int i);

// ---- Shared helpers --------------------------------------------------------------------

// What a value read in a section is, for the conversion of SI input (mm, mm2, mm4) to
// metres. Other values (lengths along the pile, stresses, moduli, forces, moments) are
// never converted.
enum class SectionQuantity { kPlain, kDimension, kArea, kInertia };

// `value` converted to internal units: divided by 1000, 10^6 or 10^12 when the units
// system is SI, unchanged otherwise.
double Section_Value_In_Metres(const RunContext& run, double value, SectionQuantity quantity);

// One free-format read of one value (a line of its own), converted by its quantity. False
// after the run has been ended because the file ended or the value is not a number.
bool Read_Section_Real(RunContext& run, double& value,
                       SectionQuantity quantity = SectionQuantity::kPlain);
bool Read_Section_Integer(RunContext& run, int& value);

// Reads an option line as it stands. False after the run has been ended at the end of the
// file.
bool Read_Section_Option_Line(RunContext& run, std::string& line);

// A count read from the file checked against its table: above `limit` gives input error
// 91, below `smallest` input error 92. False after the run has been ended.
bool Check_Section_Count(RunContext& run, std::string_view what, int count, int smallest,
                         int limit);

// "<text><i>" to the runtime message file.
void Write_Section_Progress(RunContext& run, std::string_view text, int i);

// Ends the run with input error 95 ("INP00095") after the caller has written its message.
void End_With_Section_Line_Error(RunContext& run);

// Input error 92 for bars or strands (`what`) of section i that do not fit in the section
// on their circle (on_square false) or square (on_square true).
void Report_Arrangement_Does_Not_Fit(RunContext& run, int i, std::string_view what, bool on_square);

}  // namespace tavik

#endif  // TAVIK_INPUT_SECTION_READERS_H
