// The soil type codes: a layer's SoilTypeIndex (1 to 20) selects a 10-character code text
// (8 significant characters, blank-padded); the code text decides which properties are read
// and which p-y criterion applies.
#ifndef TAVIK_PYCURVES_SOIL_TYPE_CODES_H
#define TAVIK_PYCURVES_SOIL_TYPE_CODES_H

#include <array>
#include <string_view>

namespace tavik {

inline constexpr int kNumSoilTypeCodes = 20;

// Code texts by index 1..20 (element 0 unused), each 10 characters.
inline constexpr std::array<std::string_view, kNumSoilTypeCodes + 1> kSoilTypeCode = {
    "",           "SoftClay  ", "StfClyBW  ", "StfClyAW  ", "StfClyAK  ", "Sand      ",
    "API Sand  ", "Liq Sand  ", "WeakRock  ", "Vuggy LS  ", "Piedmont  ", "Cem Silt  ",
    "KS Loess  ", "Elast SG  ", "User p-y  ", "SoftClyJ  ", "MassRock  ", "Frz Soil  ",
    "Undefined ", "Undefined ", "Undefined "};

// Long names of the criteria, by index 1..16; indices 17 to 20 have none.
inline constexpr std::array<std::string_view, kNumSoilTypeCodes + 1> kSoilLongName = {
    "",
    "Soft Clay",
    "Stiff Clay with Free Water",
    "Stiff Clay w/o Free Water",
    "Stiff Clay w/o Free Water, using k",
    "Sand (Reese, et al.)",
    "API Sand",
    "Liquefied Sand",
    "Weak Rock",
    "Vuggy Limestone",
    "Piedmont Residual",
    "Cemented Silt",
    "Loess",
    "Elastic Subgrade",
    "User Input p-y Curves",
    "Soft Clay with user-defined J",
    "Hard Rock",
    "",
    "",
    "",
    ""};

// The code text of an index, or 10 blanks for an index outside 1..20.
inline constexpr std::string_view Soil_Type_Code(int index) {
  return (index >= 1 && index <= kNumSoilTypeCodes) ? kSoilTypeCode[index] : "          ";
}

}  // namespace tavik

#endif  // TAVIK_PYCURVES_SOIL_TYPE_CODES_H
