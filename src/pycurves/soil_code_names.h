// Named soil type codes (the 10-character blank-padded texts of soil_type_codes.h) and the
// code of a layer. The code text, not the index, says which criterion applies and how a
// layer is classed; comparisons are made on the whole blank-padded text.
#ifndef TAVIK_PYCURVES_SOIL_CODE_NAMES_H
#define TAVIK_PYCURVES_SOIL_CODE_NAMES_H

#include <string_view>

#include "pycurves/soil_type_codes.h"
#include "run/problem_data.h"

namespace tavik {

inline constexpr std::string_view kCodeSoftClay = "SoftClay  ";
inline constexpr std::string_view kCodeStiffClayFreeWater = "StfClyBW  ";
inline constexpr std::string_view kCodeStiffClayNoWater = "StfClyAW  ";
inline constexpr std::string_view kCodeStiffClayNoWaterK = "StfClyAK  ";
inline constexpr std::string_view kCodeSand = "Sand      ";
inline constexpr std::string_view kCodeApiSand = "API Sand  ";
inline constexpr std::string_view kCodeLiquefiedSand = "Liq Sand  ";
inline constexpr std::string_view kCodeWeakRock = "WeakRock  ";
inline constexpr std::string_view kCodeVuggyLimestone = "Vuggy LS  ";
inline constexpr std::string_view kCodePiedmont = "Piedmont  ";
inline constexpr std::string_view kCodeCementedSilt = "Cem Silt  ";
inline constexpr std::string_view kCodeLoess = "KS Loess  ";
inline constexpr std::string_view kCodeElasticSubgrade = "Elast SG  ";
inline constexpr std::string_view kCodeUserCurves = "User p-y  ";
inline constexpr std::string_view kCodeSoftClayJ = "SoftClyJ  ";
inline constexpr std::string_view kCodeMassiveRock = "MassRock  ";
inline constexpr std::string_view kCodeFrozenSoil = "Frz Soil  ";

// The 10-character code of soil layer j (1-based); 10 blanks for an index outside 1..20.
inline std::string_view Layer_Soil_Code(const ProblemData& problem, int j) {
  return Soil_Type_Code(problem.Layers[j - 1].SoilTypeIndex);
}

}  // namespace tavik

#endif  // TAVIK_PYCURVES_SOIL_CODE_NAMES_H
