// The preparation of a section for the moment-curvature computation: its depth in the
// bending direction, the 100 slices of equal height, and the area of every material in every
// slice (net concrete, bars or strands, casing or pipe steel, steel core, core concrete).
// Bars, casings and cores are smeared into the slices they cross, each slice receiving the
// exact part of the element's area between its two boundaries.
#ifndef TAVIK_SECTIONS_SECTION_SLICING_H
#define TAVIK_SECTIONS_SECTION_SLICING_H

#include "run/run_context.h"
#include "sections/ei_vars.h"

namespace tavik {

// Steps 1 to 5 of the preparation: rd_Depth and rd_Width, the outline's slice boundaries,
// the slice areas of every material, the slice mid-depths and the concrete constants. Reads
// the section as loaded into `vars`; needs no run context and cannot fail.
void Prepare_Section_Slices(EI_Vars& vars);

// The whole preparation: Prepare_Section_Slices, then, for the strand materials, the strains
// due to prestressing (which write the loss-of-prestress block once per section and may end
// the run with runtime error 14 or 15).
void Initialize_EI_Vars(RunContext& run, EI_Vars& vars, const SectionUnitLabels& labels);

void Calculate_Concrete_Slice_Areas(EI_Vars& vars);
void Calculate_Rebar_Slice_Areas(EI_Vars& vars);
void Calculate_Casing_Slice_Areas(EI_Vars& vars);
void Calculate_Core_Slice_Areas(EI_Vars& vars);
void Calculate_Slice_Depths(EI_Vars& vars);

}  // namespace tavik

#endif  // TAVIK_SECTIONS_SECTION_SLICING_H
