// The checks that need the whole input: the pile property table, the soil profile against
// the pile and the ground surface, the liquefied sand depth, the effective unit weights, the
// number of cycles, the tip shear curve, the depths for p-y curve output and the p-y
// modifier depths. The input echo calls each at its place, before the conversion to
// internal units, so that in US customary units depths are still in feet and unit weights
// in pcf.
//
// An error check writes its message block to the report and the runtime message file, ends
// the run with Terminate_With_Error and returns; the caller tests run.Status.Has_Error()
// and returns at once. The warning checks write their text and let the run go on.
#ifndef TAVIK_INPUT_INPUT_CHECKS_H
#define TAVIK_INPUT_INPUT_CHECKS_H

#include "run/run_context.h"

namespace tavik {

// Convergence tolerance of 0 or less (only general units accept one): reset to 1.0E-6
// (US customary, "inches") or 2.54E-8 ("meters"), with a line in the report saying so.
void Reset_Convergence_Tolerance(RunContext& run);

// The pile sections against what the section analysis needs: a section analysed by the
// moment-curvature engine (types 0 to 10, 14) in general units is input error 52; a
// dimension, strength or modulus that is zero or negative, a casing, core, void or chamfer
// that does not fit the section, a bar or strand without area or outside the section, a
// prestress loss outside 0 to 1, and elastic-plastic or user-EI data the tables cannot use
// (zero stiffness or plastic moment, curves not in ascending order of thrust) are input
// error 54. The message names the section and the fault. Called after the echo, before any
// computation, in stiffness-only runs and full analyses alike.
void Check_Section_Data(RunContext& run);

// Pile widths: input error 27 when any pile property point has a width of 0 or less.
void Check_Pile_Widths(RunContext& run);

// Number of pile property points: input error 17 when it is below 2 or above 40.
void Check_Pile_Property_Count(RunContext& run);

// Liquefied sand layer `layer` (1-based) reaching deeper below the ground surface than
// 19.685 ft (US customary) or 6.0 m (SI): a warning in the report and warning 354. Layers of
// other codes and general units are not tested.
void Check_Liquefied_Sand_Depth(RunContext& run, int layer);

// Effective unit weights outside 20 to 140 pcf (US customary) or 3.15 to 22 kN/m3 (SI), the
// limits themselves counting as outside: a warning to both files. General units: a note that
// they cannot be checked. Nothing is recorded in the warning tallies.
void Check_Effective_Unit_Weights(RunContext& run);

// Cyclic loading with a number of cycles below 2 or above 5000: input error 28.
void Check_Number_Of_Cycles(RunContext& run);

// The number of cycles truncated to an integer, as the report prints it (0 for a value
// that is not finite; capped at two thousand million either way).
long long Truncated_Cycles(double cycles);

// Tip shear curve: input error 50 when the first displacement is not 0 or a displacement is
// not greater than the one before it. The forces are not tested; no points pass.
void Check_Tip_Shear_Curve(RunContext& run);

// Depths for p-y curve output, when they are requested: rebuilds the list with the depths
// between the ground surface and the pile tip (PrintPYCurves stays set only when one is
// kept). A depth below the pile tip is input error 30; a depth above the ground surface or
// above the pile head is input error 29.
void Check_Py_Output_Depths(RunContext& run);

// Soil profile ending above the pile tip: input error 18.
void Check_Soil_Profile_Reaches_Pile_Tip(RunContext& run);

// First soil property point below (input error 19) or above (input error 20) the ground
// surface.
void Check_Soil_Profile_Starts_At_Ground(RunContext& run);

// First p-y modifier depth above the ground surface: input error 21.
void Check_Py_Modifier_Depths(RunContext& run);

}  // namespace tavik

#endif  // TAVIK_INPUT_INPUT_CHECKS_H
