// The blocks of the input echo, in the order Echo_Input writes them, and the layout helpers
// they share. Every block reads run.Problem as entered (before the conversion to internal
// units: US customary depths in feet, unit weights in pcf, cohesion in psf) and writes the
// report; the blocks that carry a whole-input check call it at its place.
#ifndef TAVIK_ECHO_ECHO_BLOCKS_H
#define TAVIK_ECHO_ECHO_BLOCKS_H

#include <string>
#include <string_view>

#include "run/report_writers.h"
#include "run/run_context.h"
#include "run/unit_labels.h"

namespace tavik {

// ---- Blocks, in report order ----------------------------------------------------------

void Echo_Title(RunContext& run);
// Units, basic options; for a full analysis also the computation options, the solution
// controls (with the reset of a convergence tolerance of 0 or less) and the output options.
void Echo_Program_Options(RunContext& run);
// Pile length, ground surface, pile property table, every section; then the width check.
void Echo_Pile_Structure(RunContext& run);
void Echo_Section(RunContext& run, int section);  // one section's lines (1-based)
void Echo_Slope_And_Batter(RunContext& run);
// Every soil layer with its extra lines and the liquefied sand depth check.
void Echo_Soil_Layers(RunContext& run);
// Table of effective unit weight against depth, then the unit weight check.
void Echo_Effective_Unit_Weights(RunContext& run);
// Two rows per layer, US customary and SI units only.
void Echo_Soil_Summary(RunContext& run);
void Echo_User_Py_Curves(RunContext& run);    // only when a layer uses user p-y curves
void Echo_Py_Modifiers(RunContext& run);      // only when the table has points
void Echo_Soil_Movements(RunContext& run);    // only with more than one point
void Echo_Loading_Type(RunContext& run);      // then the number-of-cycles check
void Echo_Distributed_Load(RunContext& run);  // only when the table has points
void Echo_Pile_Head_Loads(RunContext& run);
// The LRFD loads and combinations, written in place of the pile-head loads with UseLRFD.
void Echo_Lrfd_Input(RunContext& run);
void Echo_Tip_Shear(RunContext& run);         // only with points; then the curve check
void Echo_Py_Output_Depths(RunContext& run);  // only with PrintPYCurves; with its check

// ---- Layout helpers -------------------------------------------------------------------

// Column of the "= " of a labelled value line.
inline constexpr int kEqualsColumn = 56;

// A block heading: a line of 80 "-", the text after `indent` blanks, a line of 80 "-".
void Write_Heading(TextChannel& report, std::string_view text, int indent);

// Starts a labelled value line: the label, a tab to column 56 and "= ". The caller appends
// the value (and " " and its unit) and ends the line.
FortranLine& Labelled(TextChannel& report, std::string_view label);

// Appends one blank and the unit label without its trailing blanks.
FortranLine& Unit(FortranLine& line, std::string_view label);

// Composite unit labels built from the unit-label pieces.
std::string Stress_Label(const UnitLabels& units);     // lbs/in**2, kN/m**2, F/L**2
std::string Line_Load_Label(const UnitLabels& units);  // lbs/in, kN/m, F/L
std::string Area_Label(const UnitLabels& units);       // sq. in, sq. m, sq. L
std::string Inertia_Label(const UnitLabels& units);    // in**4, m**4, L**4
std::string Stiffness_Label(const UnitLabels& units);  // lbs-in**2, kN-m**2, F-L**2
std::string Curvature_Label(const UnitLabels& units);  // rad/in, rad/m, rad/L
// p-y subgrade modulus (force per length cubed): pci in US customary units, kN/m3 in SI,
// F/L3 in general units.
std::string Subgrade_Modulus_Label(int iunits, const UnitLabels& units);

// The soil type code of a layer without its padding blanks ("SoftClay", "Liq Sand", ...).
std::string_view Layer_Code(const SoilLayer& layer);

// A count from the problem data limited to the capacity of its table (and to 0 below).
int Within_Capacity(int count, int capacity);

// Radians to degrees.
double Degrees(double radians);

}  // namespace tavik

#endif  // TAVIK_ECHO_ECHO_BLOCKS_H
