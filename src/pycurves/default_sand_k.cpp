// The default subgrade modulus of sands by friction angle and unit weight.
#include "pycurves/default_sand_k.h"

#include <cmath>
#include <numbers>

namespace tavik {

namespace {

constexpr double kPowerLawLimit = 40.0;  // degrees: a constant k above it

// US customary, lb/in**3.
constexpr double kFactorUS = 1.209829E-7;
constexpr double kExponentUS = 5.694468;
constexpr double kLimitUS = 160.54745;
// SI, kN/m**3: sand below the water table (gamma' at most 12.225 kN/m**3) and above it.
constexpr double kSubmergedUnitWeightLimit = 12.225;
constexpr double kFactorSIDry = 0.00003284046;
constexpr double kExponentSIDry = 5.694468;
constexpr double kLimitSIDry = 43580.148;
constexpr double kFactorSISubmerged = 4.1417488E-6;
constexpr double kExponentSISubmerged = 6.4161181;
constexpr double kLimitSISubmerged = 78739.008;

constexpr int kRuntimeErrorGeneralUnits = 13;

void Report_No_Default_In_General_Units(RunContext& run) {
  for (TextChannel* out : {&run.Report, &run.Messages}) {
    out->Empty_Lines(2);
    out->Write_Line("**** Runtime Error No. 13 ****");
    out->Empty_Lines(1);
    out->Write_Line("Problem:  General units have been selected for use in computations in      ");
    out->Write_Line("combination with default values of k for a layer classified as API sand    ");
    out->Write_Line("criteria. This combination of data cannot be used because Tavik cannot     ");
    out->Write_Line("compute default values of subgrade modulus in general units.               ");
    out->Empty_Lines(1);
    out->Write_Line("Solution:  You must select either US customary for SI units for the        ");
    out->Write_Line("units of computation to use a default value for subgrade subgrade modulus  ");
    out->Write_Line("for the API sand criteria or enter an appropriate proper value by entering ");
    out->Write_Line("a non-zero for k.");
  }
  Terminate_With_Error(run, Runtime_Error_Code(kRuntimeErrorGeneralUnits),
                       200 + kRuntimeErrorGeneralUnits);
}

}  // namespace

double Default_Sand_k(RunContext& run, double phi_r, double gamma, int iunits) {
  const double phi = phi_r * 180.0 / std::numbers::pi;  // (phi_r 180)/pi, in that order
  const bool power_law = phi <= kPowerLawLimit;
  if (iunits == kUnitsUSCustomary) {
    return power_law ? kFactorUS * std::pow(phi, kExponentUS) : kLimitUS;
  }
  if (iunits == kUnitsSI) {
    if (gamma > kSubmergedUnitWeightLimit) {
      return power_law ? kFactorSIDry * std::pow(phi, kExponentSIDry) : kLimitSIDry;
    }
    return power_law ? kFactorSISubmerged * std::pow(phi, kExponentSISubmerged) : kLimitSISubmerged;
  }
  Report_No_Default_In_General_Units(run);
  return 0.0;
}

}  // namespace tavik
