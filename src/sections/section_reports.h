// The report blocks and plot records of the section engine: the dimension and property
// blocks of a section, its axial capacities and bar or strand tables, and the
// moment-curvature report of a nonlinear section (concrete properties, thrust list, run
// message definitions, per-thrust tables, the cut-off warning, the "Line 4"/"Line 5" plot
// records and the summary of nominal moment capacities).
//
// Every writer reads the section engine state (the section loaded in engine.Vars, its slices
// and material constants prepared, the thrust list and the curves) and writes to run.Report
// or run.Plot; none changes the state or sets an error. Values are printed in section units
// (kips, inches, ksi; kN, metres, kPa) under engine.Labels.
#ifndef TAVIK_SECTIONS_SECTION_REPORTS_H
#define TAVIK_SECTIONS_SECTION_REPORTS_H

#include <string_view>

#include "run/run_context.h"
#include "sections/ei_vars.h"

namespace tavik {

// Section types 0 to 10: the dimension block of the section type, the axial capacities
// (types 0 to 4; prestressed sections report theirs with the loss of prestress) and the bar
// table (types 0 to 3) or the strand details (types 5 to 10). `section` is the input record
// of section j, as stored after the conversion to internal units.
void Write_Section_Dimensions(RunContext& run, const SectionEngineState& engine,
                              const PileSection& section);

// Nominal bar diameter (in) of a bar area (sq. in): the standard US and metric bar sizes,
// else the diameter of a circle of that area (0 for a negative area).
double Bar_Diameter_From_Area(double area);

// The moment-curvature report, in the order the engine calls them.
void Write_Concrete_Properties(RunContext& run, const SectionEngineState& engine,
                               const PileSection& section);
// `dropped`: a stiffness-only run kept fewer thrusts than the section started with.
// `first_section`: the plot record "Line 3" is written for the first section only.
void Write_Thrust_List(RunContext& run, const SectionEngineState& engine, bool dropped,
                       bool first_section);
void Write_Run_Message_Definitions(RunContext& run, const SectionEngineState& engine);
void Write_Curve_Heading(RunContext& run, const SectionEngineState& engine, int t);
// The rows of thrust t; then the cut-off warning block when the curve reached 150 points
// (every shape but the steel pipe).
void Write_Curve_Rows(RunContext& run, const SectionEngineState& engine, int t);
// "Line 4" and "Line 5" records of every thrust of section j, from its stored tables.
void Write_Curve_Plot_Records(RunContext& run, const SectionEngineState& engine, int j);

// The plot records of the stored table of section j at thrust t, for every kind of section:
// "Line 4" (I5 points, 10 blanks, the thrust and the nominal moment in ES15.7, the text at
// column 81) and one "Line 5" per point (moment, EI, curvature in ES15.7, the text at column
// 81 followed by the section, thrust and point numbers).
struct TablePlotTexts {
  std::string_view line4;
  std::string_view line5;
};
void Write_Table_Plot_Records(RunContext& run, const TablePlotTexts& texts, int j, int t,
                              double thrust);
void Write_Moment_Capacity_Summary(RunContext& run, const SectionEngineState& engine, int j);

}  // namespace tavik

#endif  // TAVIK_SECTIONS_SECTION_REPORTS_H
