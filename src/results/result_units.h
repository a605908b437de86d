// The units of the values a run's plot file holds, named for figures and pages. The records
// keep the engine's internal units: pounds and inches in US customary units (depth in inches,
// not feet), kilonewtons and metres in SI, and the consistent force F and length L of general
// units. The section curves ("Line 4" and "Line 5") are in the section engine's units: kips
// and inches in US customary units (moment in in-kips, EI in kip-in²), the same as the run's
// in SI and general units.
#ifndef TAVIK_RESULTS_RESULT_UNITS_H
#define TAVIK_RESULTS_RESULT_UNITS_H

#include <string>

#include "results/results_model.h"

namespace tavik::results {

struct ResultUnits {
  std::string length;             // depth, deflection, pile length: "in", "m", "L"
  std::string force;              // shear: "lbs", "kN", "F"
  std::string moment;             // bending moment: "in-lbs", "kN-m", "F-L"
  std::string line_load;          // soil reaction p: "lb/in", "kN/m", "F/L"
  std::string stiffness;          // EI of the node table: "lb-in²", "kN-m²", "F-L²"
  std::string rotation;           // slope and rotation: "rad"
  std::string section_force;      // axial thrust of the section curves: "kips", "kN", "F"
  std::string section_moment;     // moment of the section curves: "in-kips", "kN-m", "F-L"
  std::string section_stiffness;  // EI of the section curves: "kip-in²", "kN-m²", "F-L²"
  std::string section_curvature;  // curvature: "rad/in", "rad/m", "rad/L"
  std::string system_name;        // "US customary", "SI", "general"
};

// The unit names of a units system. Pure; never fails.
ResultUnits Result_Units(UnitSystem system);

}  // namespace tavik::results

#endif  // TAVIK_RESULTS_RESULT_UNITS_H
