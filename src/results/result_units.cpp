#include "results/result_units.h"

namespace tavik::results {

ResultUnits Result_Units(UnitSystem system) {
  switch (system) {
    case UnitSystem::kUSCustomary:
      return {"in",   "lbs",     "in-lbs",  "lb/in",  "lb-in²",      "rad",
              "kips", "in-kips", "kip-in²", "rad/in", "US customary"};
    case UnitSystem::kSI:
      return {"m", "kN", "kN-m", "kN/m", "kN-m²", "rad", "kN", "kN-m", "kN-m²", "rad/m", "SI"};
    case UnitSystem::kGeneral:
      break;
  }
  return {"L", "F", "F-L", "F/L", "F-L²", "rad", "F", "F-L", "F-L²", "rad/L", "general"};
}

}  // namespace tavik::results
