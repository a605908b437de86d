// The dispatch from soil type to p-y criterion. One row per soil type index (the order of
// the soil type codes); a criterion is added by filling in its routine. Rows whose routine
// is null have no criterion: the analysis leaves their nodes' moduli as they are.
#include <array>

#include "pycurves/py_framework.h"
#include "pycurves/soil_type_codes.h"

namespace tavik {

namespace {

using After = AfterCriterion;

constexpr std::array<PyCriterionEntry, kNumSoilTypeCodes + 1> kCriteria = {{
    {nullptr, After::Nothing, false},               // 0: no soil type
    {PY_SoftClay, After::Flag, true},               // 1  "SoftClay"
    {PY_StiffClayFreeWater, After::Flag, true},     // 2  "StfClyBW"  stiff clay with free water
    {PY_StiffClayNoFreeWater, After::Flag, true},   // 3  "StfClyAW"  stiff clay without free water
    {PY_StiffClayNoFreeWaterK, After::Flag, true},  // 4  "StfClyAK"  the same with initial k
    {PY_SandReese, After::Flag, true},              // 5  "Sand    "  Reese sand
    {PY_APISand, After::Flag, true},                // 6  "API Sand"
    {PY_LiquefiedSand, After::Flag, true},          // 7  "Liq Sand"
    {PY_WeakRock, After::CountThenFlag, true},      // 8  "WeakRock"
    {PY_VuggyLimestone, After::FlagThenCount, true},   // 9  "Vuggy LS"
    {PY_Piedmont, After::FlagThenCount, true},         // 10 "Piedmont"
    {PY_CementedSilt, After::Flag, true},              // 11 "Cem Silt"
    {PY_Loess, After::FlagThenCount, true},            // 12 "KS Loess"
    {PY_ElasticSubgrade, After::FlagThenCount, true},  // 13 "Elast SG"
    {PY_UserCurves, After::Nothing, true},             // 14 "User p-y"
    {PY_SoftClayJ, After::Flag, true},                 // 15 "SoftClyJ"
    {PY_MassiveRock, After::FlagThenCount, false},     // 16 "MassRock" (no output at user depths)
    {nullptr, After::Nothing, false},                  // 17 "Frz Soil" (no criterion)
    {nullptr, After::Nothing, false},                  // 18 "Undefined"
    {nullptr, After::Nothing, false},                  // 19 "Undefined"
    {nullptr, After::Nothing, false},                  // 20 "Undefined"
}};

}  // namespace

const PyCriterionEntry& Py_Criterion_For_Soil_Type(int soil_type_index) {
  if (soil_type_index < 1 || soil_type_index > kNumSoilTypeCodes) return kCriteria[0];
  return kCriteria[soil_type_index];
}

}  // namespace tavik
