// The small geometric functions of the section slicing: circular segments, the area of the
// outline polygon below a level, and the slice that holds a coordinate.
#ifndef TAVIK_SECTIONS_SECTION_GEOMETRY_H
#define TAVIK_SECTIONS_SECTION_GEOMETRY_H

#include "sections/ei_vars.h"

namespace tavik {

// Area of the part of a circle of diameter d that lies within depth h of its topmost
// point: 0 for h <= 0, the whole circle pi d**2 / 4 for h >= d, half of it at h = d/2.
double Circular_Segment_Area(double d, double h);

// Area of the outline polygon of `vars` (OutlineX/OutlineY, counterclockwise) at or below
// y = level: the polygon clipped against the half-plane y <= level, then its shoelace
// area. A clipped polygon of fewer than 3 or more than 100 vertices has area 0.
double Polygon_Area_Below(const EI_Vars& vars, double level);

// The outline's area between y_low and y_high.
double Polygon_Slice_Area(const EI_Vars& vars, double y_low, double y_high);

// The slice k (1 to 100) with SliceY(k - 1) >= y > SliceY(k): 1 for the top face itself;
// 100 for a y above the top face or at or below the bottom face.
int fn_FindSliceY(const EI_Vars& vars, double y);

}  // namespace tavik

#endif  // TAVIK_SECTIONS_SECTION_GEOMETRY_H
