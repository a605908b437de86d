// The section driver: for every pile section, its report, its axial capacities and its
// bending-stiffness tables for every axial thrust of the run (moment-curvature analysis of
// the nonlinear sections; closed-form tables of the elastic, elastic-plastic and user-EI
// sections). Stiffness-only runs end here; full analyses do it once before the load cases.
#ifndef TAVIK_SECTIONS_SECTION_STIFFNESS_H
#define TAVIK_SECTIONS_SECTION_STIFFNESS_H

#include "run/run_context.h"
#include "sections/ei_vars.h"

namespace tavik {

// All sections of the run, in input order: fills run.EITables (and its thrust list).
// Returns with the run's error number set when an error stopped it.
void Compute_Section_Stiffness(RunContext& run);

// Section j: unit labels, the section loaded into engine.Vars, its report, its tables.
void Analyse_Section(RunContext& run, SectionEngineState& engine, int j);

// Loads section `section` into `vars` in section units (kips, inches, ksi; kN, metres,
// kPa): the engine's shape and material classes, dimensions, bars or strands, casing, core
// and outline polygon.
void Load_Section(const PileSection& section, int iunits, EI_Vars& vars);

// The section unit labels of a units system (empty in general units).
SectionUnitLabels Section_Unit_Labels(int iunits);

}  // namespace tavik

#endif  // TAVIK_SECTIONS_SECTION_STIFFNESS_H
