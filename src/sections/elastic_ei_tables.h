// The bending-stiffness tables of the sections that are not analysed by the
// moment-curvature engine: elastic (type 11), elastic-plastic (type 12) and user-input EI
// curves (type 13), with their plot records and report lines.
#ifndef TAVIK_SECTIONS_ELASTIC_EI_TABLES_H
#define TAVIK_SECTIONS_ELASTIC_EI_TABLES_H

#include "run/run_context.h"
#include "sections/ei_vars.h"

namespace tavik {

// Each builder fills run.EITables for section j (table units: kips and inches in US
// customary units, kN and metres in SI; the nominal moment in the run's units), writes the
// "Line 3" record (section 1 only), "Line 4" per thrust and "Line 5" per point, and its
// report line. The elastic and elastic-plastic tables are built for every thrust of the
// engine's thrust list, the user tables for the thrusts of the section's input curves.
void Build_Elastic_Table(RunContext& run, const SectionEngineState& engine, int j);
void Build_Elastic_Plastic_Table(RunContext& run, const SectionEngineState& engine, int j);
void Build_User_EI_Table(RunContext& run, int j);

// The plastic moment (run units) of elastic-plastic section j at `depth` along the pile: the
// section's top and bottom values interpolated linearly over its length.
double Plastic_Moment_At_Depth(const ProblemData& problem, int j, double depth);

}  // namespace tavik

#endif  // TAVIK_SECTIONS_ELASTIC_EI_TABLES_H
