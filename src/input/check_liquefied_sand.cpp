#include "input/input_checks.h"
#include "pycurves/soil_type_codes.h"
#include "run/unit_labels.h"

namespace tavik {

namespace {
// Deepest bottom of a liquefied sand layer below the ground surface for which the criterion
// is recommended: 6 m, taken as 19.685 ft in US customary units.
constexpr double kLiquefiedSandLimitFeet = 19.685;
constexpr double kLiquefiedSandLimitMeters = 6.0;
constexpr int kLiquefiedSandTooDeepWarning = -354;
constexpr std::string_view kLiquefiedSandCode = "Liq Sand";
}  // namespace

// Check_Liquefied_Sand_Depth: reads layer `layer` (1-based) of run.Problem, its code, its
// bottom depth and GroundSurfaceDepth (feet or metres, as entered). For a Liq Sand layer
// whose bottom lies more than the limit below the ground surface, the report (only) receives
// the four warning lines and an empty line, and warning 354 is recorded. General units have
// no limit. Never an error.
void Check_Liquefied_Sand_Depth(RunContext& run, int layer) {
  const ProblemData& problem = run.Problem;
  if (layer < 1 || layer > kMaxLayers) return;
  const SoilLayer& soil = problem.Layers[layer - 1];
  if (Trimmed(Soil_Type_Code(soil.SoilTypeIndex)) != kLiquefiedSandCode) return;
  double limit = 0.0;
  if (problem.IUNITS == kUnitsUSCustomary) {
    limit = kLiquefiedSandLimitFeet;
  } else if (problem.IUNITS == kUnitsSI) {
    limit = kLiquefiedSandLimitMeters;
  } else {
    return;
  }
  const double depth_below_ground = soil.XLayerBottom - problem.GroundSurfaceDepth;
  if (!(depth_below_ground > limit)) return;
  TextChannel& report = run.Report;
  report.Write_Line(
      "Warning : The depth of this layer is deeper than the recommended depth limit ");
  report.Write_Line("for using the p-y criteria for liquefied sand.");
  report.Write_Line("Please consult the Tavik Technical Manual for additional background ");
  report.Write_Line("information regarding limitations on the use of the liquefied sand criteria.");
  report.Empty_Lines(1);
  Record_Warning(run.Status, kLiquefiedSandTooDeepWarning);
}

}  // namespace tavik
