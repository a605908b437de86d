// The table of standard prestressing strands and high-strength bars: for each strand type
// its ultimate strength and modulus, and for each size index its diameter and area.
#ifndef TAVIK_SECTIONS_STRAND_TABLE_H
#define TAVIK_SECTIONS_STRAND_TABLE_H

#include "run/problem_data.h"

namespace tavik {

// Strand types (StrandType): 0 PCI 250, 1 PCI 270, 2 PCI 300, 3 smooth 145 ksi bars,
// 4 smooth 160 ksi bars, 5 deformed bars (150-160 ksi).
inline constexpr int kNumStrandTypes = 6;

// Number of size indices in the row of `type` (sizes run from 0); 0 for an unknown type.
int Strand_Size_Count(int type);

// Looks up strand `size` of `type` for strand k (1-based) of `section`:
//   - sets StrandUltimateStrength (psi in every units system; for deformed bars it depends
//     on the size) and SteelModulus (ksi when iunits is US customary, kPa otherwise);
//   - sets BarDiameter(k) and BarArea(k) from the size (in and in2; m and m2 when iunits
//     is SI).
// A type outside 0 to 5 sets nothing; a size outside the type's row (or k outside 1 to
// 300) leaves BarDiameter(k) and BarArea(k) unchanged. Returns true when the type and size
// were both in the table and strand k was set.
bool Lookup_Strand(PileSection& section, int iunits, int type, int size, int k);

}  // namespace tavik

#endif  // TAVIK_SECTIONS_STRAND_TABLE_H
