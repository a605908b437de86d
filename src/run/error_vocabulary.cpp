#include "run/error_vocabulary.h"

namespace tavik {

namespace {
struct ErrorEntry {
  std::string_view code;  // empty for errors stored without a message code
  int number;
  std::string_view meaning;
};

// clang-format off
constexpr ErrorEntry kErrors[] = {
    {"INP00001", 101, "API sand p-y curve: zero input value for a required property of the layer"},
    {"INP00002", 102, "API sand: the ground slope angle is greater than the friction angle"},
    {"INP00003", 103, "a pile station lies below the deepest soil strength data"},
    {"INP00004", 104, "a pile station lies below the deepest soil strength data (second lookup)"},
    {"INP00005", 105, "a pile station lies below the deepest input curve of soil shear strength"},
    {"INP00006", 106, "p-y multipliers cannot be used with user-specified p-y curves"},
    {"INP00007", 107, "no points of effective unit weight and no user p-y curves"},
    {"INP00008", 108, "zero friction angle for a sand"},
    {"INP00009", 109, "Reese sand: ground slope angle greater than the friction angle"},
    {"INP00010", 110, "negative or zero friction angle for a silt"},
    {"INP00011", 111, "silt: ground slope angle greater than the friction angle"},
    {"INP00012", 112, "soft clay: negative or zero cohesion"},
    {"INP00013", 113, "stiff clay without free water: zero cohesion"},
    {"INP00014", 114, "stiff clay with free water: zero cohesion"},
    {"INP00015", 115, "a pile station lies below the deepest effective unit weight data"},
    {"INP00016", 116, "weak rock: negative or zero compressive strength"},
    {"INP00017", 117, "number of pile property points not in 2 to 40"},
    {"INP00018", 118, "the bottom of the lowest soil layer is above the pile tip"},
    {"INP00019", 119, "the first soil property point lies below the ground surface"},
    {"INP00020", 120, "the first soil property point lies above the ground surface"},
    {"INP00021", 121, "the first p-y modifier depth lies above the ground surface"},
    {"", 123, "a depth for p-y curve output lies above the ground surface"},
    {"INP00025", 125, "the input data file is empty"},
    {"INP00026", 126, "more than 100 reinforcing bars or rebar rows"},
    {"INP00027", 127, "a pile property point with a width of zero or less"},
    {"INP00028", 128, "cyclic loading with a number of cycles outside 2 to 5,000"},
    {"INP00029", 129, "a depth for p-y curve output above the ground surface"},
    {"INP00030", 130, "a depth for p-y curve output below the pile tip"},
    {"INP00031", 131, "a pile station lies below the deepest soil strength data (weak rock)"},
    {"INP00045", 145, "a negative pile station coordinate in the section data"},
    {"INP00046", 146, "a section coordinate deeper than the pile length"},
    {"INP00047", 147, "the top of a soil layer is not above its bottom"},
    {"INP00048", 148, "negative or zero cohesion for a silt"},
    {"INP00049", 149, "interpolated RQD outside 0 to 100 percent"},
    {"INP00050", 150, "the tip shear curve does not start at (0,0) or its displacements do not increase"},
    {"INP00051", 151, "user nonlinear bending stiffness varies by more than a factor of 100"},
    {"INP00052", 152, "a section that needs the moment-curvature analysis is given in general units"},
    {"INP00053", 153, "number of soil movement lines not in 2 to 100"},
    {"INP00054", 154, "a pile section dimension, strength or layout the section analysis cannot use"},
    {"INP00055", 155, "fewer than 40 pile increments"},
    {"INP00056", 156, "more than 500 pile increments"},
    {"INP00057", 157, "pile length zero"},
    {"INP00059", 159, "more than 40 pile diameter values"},
    {"INP00060", 160, "zero depth increment between the upper and lower strength values of a layer"},
    {"INP00061", 161, "the bottom of the top soil layer is at or above the pile head"},
    {"INP00062", 162, "weak rock: compressive strength less than or equal to zero"},
    {"INP00163", 163, "weak rock: krm less than or equal to zero (heading of input error 63)"},
    {"INP00064", 164, "iteration limit outside 40 to 1000"},
    {"INP00065", 165, "convergence tolerance too small (US customary units)"},
    {"INP00066", 166, "convergence tolerance too large (US customary units)"},
    {"INP00067", 167, "convergence tolerance too small (SI)"},
    {"INP00068", 168, "convergence tolerance too large (SI)"},
    {"INP00069", 169, "excessive deflection limit less than 10 percent of the pile diameter"},
    {"INP00070", 170, "diameter of the inner core less than or equal to zero"},
    {"INP00170", 170, "loess layer with more than 10 cycles of loading (heading of input error 70)"},
    {"INP00071", 171, "soft clay with J: negative or zero cohesion"},
    {"INP00072", 172, "weak rock: rock mass modulus Em zero or negative (no default exists)"},
    {"INP00073", 173, "liquefied sand in general units (the criterion is defined in SI and US customary units only)"},
    {"INP00074", 174, "massive rock: compressive strength qu or intact rock modulus Ei zero or negative"},
    {"INP00075", 175, "cemented silt in general units with k zero or negative (no default exists)"},
    {"INP00094", 194, "number of LRFD load combinations not in 1 to 100"},
    {"INP00095", 195, "an option line or a section, strand, concrete or rebar line not recognized or out of order; iteration limit outside 30 to 1000; LRFD distributed load points not 0 or 2 to 100"},
    {"INP00096", 196, "LRFD distributed load point out of order"},
    {"INP00097", 197, "LRFD load out of order"},
    {"INP00098", 198, "number of LRFD loads not in 1 to 100"},
    {"INP00099", 199, "a line of the input file not recognized or out of order"},
    {"RUN00002", 202, "\"NAMES.DAT\" cannot be opened"},
    {"RUN00003", 203, "the input data file name cannot be read"},
    {"RUN00004", 204, "the output report file name cannot be read"},
    {"RUN00005", 205, "the plot output file name cannot be read"},
    {"RUN00006", 206, "the runtime message file name cannot be read"},
    {"RUN00009", 209, "pile-head deflection reached the excess deflection limit"},
    {"RUN00010", 210, "no convergence within the iteration limit"},
    {"RUN00011", 211, "the solution failed on a small pivot"},
    {"RUN00013", 213, "general units combined with default subgrade modulus for API sand"},
    {"RUN00014", 214, "prestressing: computed concrete area less than zero"},
    {"RUN00015", 215, "prestressing: computed steel area invalid"},
    {"RUN00016", 216, "neutral axis not found within 1,000 iterations"},
    {"RUN00017", 217, "a file name in \"NAMES.DAT\" is blank"},
    {"RUN00020", 220, "top and bottom elevations of a weak rock or massive rock layer are equal"},
    {"RUN00022", 222, "weak rock: krm less than or equal to zero"},
    {"RUN00023", 223, "cemented silt: ground slope angle greater than the friction angle"},
    {"RUN00024", 224, "axial thrust exceeds the axial compressive capacity"},
    {"RUN00024", 230, "internal error of the shear strength lookup"},
    {"RUN00025", 225, "axial thrust exceeds the axial tensile capacity"},
    {"RUN00026", 226, "factored LRFD axial thrust exceeds the axial compressive capacity"},
    {"RUN00027", 227, "factored LRFD axial thrust exceeds the axial tensile capacity"},
    {"", 228, "pile-head deflection or largest change of deflection is not a number"},
    {"", 229, "a soil layer too thin to contain a node"},
    {"", 231, "soil modulus not a number in Reese sand"},
    {"", 232, "soil modulus not a number in Reese sand"},
    {"", 233, "soil modulus not a number in soft clay"},
    {"", 234, "soil modulus not a number in soft clay"},
    {"", 235, "soil modulus not a number in API soft clay"},
    {"", 236, "soil modulus not a number in API soft clay"},
    {"", 237, "a value outside the classification ranges of the soft clay criteria (no message)"},
    {"", 238, "a value outside the classification ranges of the soft clay criteria (no message)"},
    {"", 239, "stiff clay curve undefined (e50 or k left at zero in general units) or soil modulus not a number"},
    {"RUN00999", 999, "internal error or a stage this build cannot compute (the report says which)"},
    {"RUN00018", 218, "the input data file cannot be opened"},
    {"RUN00019", 219, "an output file (report, plot or runtime message file) cannot be created"},
};
// clang-format on
}  // namespace

std::string_view Error_Meaning(std::string_view code, int number) {
  if (!code.empty()) {
    for (const ErrorEntry& entry : kErrors) {
      if (entry.code == code && entry.number == number) return entry.meaning;
    }
  }
  for (const ErrorEntry& entry : kErrors) {
    if (entry.number == number) return entry.meaning;
  }
  return {};
}

}  // namespace tavik
