// Prestressed sections: the effective prestressing force after losses, the strains it locks
// into the strands and the concrete, the axial capacities and cracking load of the section,
// and the report block "Computation of Loss of Prestress" with its capacity estimates by
// simple equations for prestressed piles.
#ifndef TAVIK_SECTIONS_PRESTRESSING_H
#define TAVIK_SECTIONS_PRESTRESSING_H

#include "run/run_context.h"
#include "sections/ei_vars.h"

namespace tavik {

// Reads the slice areas and material constants of the prepared section in `vars`; sets
// rd_EpsPs, rd_EpsPc, rd_AxialCapacityCompression, rd_AxialCapacityTension and
// rd_CrackingLoad. Writes the report block once per section (b_PrestressReportDone). Ends
// the run with runtime error 14 (no concrete left) or 15 (no strand area).
void Calculate_Strains_Due_To_Prestressing(RunContext& run, EI_Vars& vars,
                                           const SectionUnitLabels& labels);

}  // namespace tavik

#endif  // TAVIK_SECTIONS_PRESTRESSING_H
