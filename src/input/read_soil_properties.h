// The property lines of one soil layer in the "SOIL LAYERS" block: which values a layer
// reads, and in which order, follows from the text of its soil type code (SoftClay, Sand,
// User p-y, ...), never from its index number. Internal to the soil layer reader.
#ifndef TAVIK_INPUT_READ_SOIL_PROPERTIES_H
#define TAVIK_INPUT_READ_SOIL_PROPERTIES_H

#include <string_view>

#include "run/problem_data.h"
#include "run/run_context.h"

namespace tavik {

inline constexpr std::string_view kSoilLayersBlock = "SOIL LAYERS";

// True for the 17 soil type codes a layer may use (SoftClay ... MassRock, Frz Soil); false
// for the "Undefined" entries of the code table and for the blank code of an index outside
// the table. `code` is the 10-character code text; trailing blanks are ignored.
bool Is_Defined_Soil_Code(std::string_view code);

// Reads the property lines that follow a layer's heading line for the soil type code `code`
// (one of the defined codes): the top line into layer.Top, the bottom line into
// layer.Bottom; the subgrade modulus k (Em for WeakRock, the intact rock modulus Ei for
// MassRock) of each line into SubgradeModulusTop / SubgradeModulusBottom; for User p-y the
// point lines of the top and bottom curves into UserCurveTop / UserCurveBottom. A MassRock
// line holds the effective unit weight, the uniaxial compressive strength qu (in Cohesion)
// and Ei. Frz Soil reads no line.
// Values are stored as read, in the input units of the run (no conversion). Fields the code
// does not read are left as they are (zero in a fresh layer).
// Errors (the run is ended and the routine returns at once): end of the file (input error
// 99), a value that is not a number (90), a Piedmont test type outside 1 to 4 (92), a user
// p-y curve of more than 30 points (91, before any point is stored) or fewer than 2 (92).
void Read_Soil_Properties(RunContext& run, std::string_view code, SoilLayer& layer);

}  // namespace tavik

#endif  // TAVIK_INPUT_READ_SOIL_PROPERTIES_H
