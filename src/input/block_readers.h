// The readers of the keyword blocks. Each is called by Read_Keyword_Input right after the
// block's keyword line, consumes exactly the block's lines, fills its part of run.Problem,
// and on an error ends the run (Terminate_With_Error) and returns at once.
#ifndef TAVIK_INPUT_BLOCK_READERS_H
#define TAVIK_INPUT_BLOCK_READERS_H

#include "run/run_context.h"

namespace tavik {

void Read_Options_Block(RunContext& run);     // "OPTIONS"
void Read_Sections(RunContext& run);          // "SECTIONS"
void Read_Axial_Thrusts(RunContext& run);     // "AXIAL THRUST LOADS"
void Read_Soil_Layers(RunContext& run);       // "SOIL LAYERS"
void Read_Tip_Shear(RunContext& run);         // "TIP SHEAR"
void Read_Batter_And_Slope(RunContext& run);  // "PILE BATTER AND SLOPE"
void Read_Py_Modifiers(RunContext& run);      // "GROUPEFF", "GROUP EFFECT FACTORS"
void Read_Lrfd_Loads(RunContext& run);        // "LRFD LOADS"
void Read_Lrfd_Factors(RunContext& run);      // "LRFD FACTORS AND CASES"
void Read_Loading(RunContext& run);           // "LOADING"
void Read_Soil_Movements(RunContext& run);    // "SOIL MOVEMENTS"
void Read_Py_Output_Depths(RunContext& run);  // "DEPTHS OF PRINTED P-Y CURVES"

}  // namespace tavik

#endif  // TAVIK_INPUT_BLOCK_READERS_H
