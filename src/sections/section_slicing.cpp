#include "sections/section_slicing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "sections/material_curves.h"
#include "sections/prestressing.h"
#include "sections/section_geometry.h"

namespace tavik {

namespace {

double Circle_Area(double d) {
  return std::numbers::pi * d * d / 4.0;
}

// The parts of one circular element per slice: an element whose vertical extent runs from
// y_top down to y_bottom (found by fn_FindSliceY), whose slice parts are the circular
// segments of diameter `segment_diameter` measured from y_top, and whose whole area
// `area` falls into its bottom slice's running total. A part beyond the top face gives the
// element no area. `parts` is cleared first; returns the element's slice range.
struct SliceRange {
  int top = 0;
  int bottom = 0;
};

SliceRange Circle_Slice_Parts(const EI_Vars& vars, double segment_diameter, double area,
                              double y_top, double y_bottom, SliceArray& parts) {
  parts.fill(0.0);
  const SliceRange range{fn_FindSliceY(vars, y_top), fn_FindSliceY(vars, y_bottom)};
  if (range.top == range.bottom) {
    parts[range.top] = area;
    return range;
  }
  if (range.top > range.bottom) return range;  // the element lies above the top face
  // Area above the bottom boundary of each slice, then differences from the bottom up.
  for (int k = range.top; k < range.bottom; ++k) {
    parts[k] = Circular_Segment_Area(segment_diameter, y_top - vars.SliceY[k]);
  }
  parts[range.bottom] = area;
  for (int k = range.bottom; k > range.top; --k) parts[k] -= parts[k - 1];
  return range;
}

// Steps 1 and 2: the depth and width, the outline and the slice boundaries.
void Set_Slice_Boundaries(EI_Vars& vars) {
  vars.rd_Depth = vars.rd_SectionDepthInput;
  vars.rd_Width = vars.rd_Depth;
  double top = vars.rd_Depth / 2.0;
  switch (vars.i_SectionShape) {
    case kShapeSquarePile:
    case kShapeSquarePileWithCore:
      vars.rd_Width = vars.rd_WidthInput;
      break;
    case kShapePolygonPile:
    case kShapePolygonPileWithCore: {
      double y_max = vars.OutlineY[0];
      double y_min = vars.OutlineY[0];
      for (int i = 1; i < vars.NumOutlinePoints; ++i) {
        y_max = std::max(y_max, vars.OutlineY[i]);
        y_min = std::min(y_min, vars.OutlineY[i]);
      }
      vars.rd_Depth = y_max - y_min;
      top = y_max;
      break;
    }
    default:
      break;
  }
  vars.rd_SliceHeight = std::fabs(vars.rd_Depth) / kNumSlices;
  for (int k = 0; k <= kNumSlices; ++k) vars.SliceY[k] = top - k * vars.rd_SliceHeight;
}

double Sum(const SliceArray& values) {
  double total = 0.0;
  for (int k = 1; k <= kNumSlices; ++k) total += values[k];
  return total;
}

}  // namespace

void Calculate_Slice_Depths(EI_Vars& vars) {
  vars.rd_SliceDepth[1] = vars.rd_Depth / 200.0;
  for (int k = 1; k < kNumSlices; ++k) {
    vars.rd_SliceDepth[k + 1] = vars.rd_SliceDepth[k] + vars.rd_Depth / 100.0;
  }
}

void Calculate_Rebar_Slice_Areas(EI_Vars& vars) {
  vars.RebarSliceArea.fill(0.0);
  SliceArray parts{};
  const int n = std::min(vars.NumBars, kMaxBars);
  for (int i = 0; i < n; ++i) {
    // The extent comes from the nominal diameter, the segments from the diameter of a
    // circle of the bar's area.
    const double area = vars.BarArea[i];
    const double equivalent_diameter = std::sqrt(4.0 * area / std::numbers::pi);
    const double y_top = vars.BarY[i] + vars.BarDiameter[i] / 2.0;
    const double y_bottom = y_top - vars.BarDiameter[i];
    const SliceRange range =
        Circle_Slice_Parts(vars, equivalent_diameter, area, y_top, y_bottom, parts);
    for (int k = range.top; k <= range.bottom; ++k) vars.RebarSliceArea[k] += parts[k];
  }
  vars.NumBarSlices = 0;
  for (int k = 1; k <= kNumSlices; ++k) {
    vars.ConcreteSliceArea[k] -= vars.RebarSliceArea[k];
    if (vars.RebarSliceArea[k] != 0.0) vars.BarSlice[vars.NumBarSlices++] = k;
  }
}

void Calculate_Casing_Slice_Areas(EI_Vars& vars) {
  const double d = vars.rd_Depth;
  const double t = vars.CasingWall;
  Circle_Slice_Parts(vars, d, Circle_Area(d), d / 2.0, -d / 2.0, vars.CasingSliceArea);
  // A zero wall means no casing: the whole disc is kept and carries no force.
  if (t <= 0.0) return;
  const double inner = d - 2.0 * t;
  SliceArray bore{};
  const SliceRange range =
      Circle_Slice_Parts(vars, inner, Circle_Area(inner), d / 2.0 - t, -d / 2.0 + t, bore);
  for (int k = range.top; k <= range.bottom; ++k) vars.CasingSliceArea[k] -= bore[k];
  if (vars.i_SectionShape == kShapeSteelPipe) return;
  for (int k = 1; k <= kNumSlices; ++k) vars.ConcreteSliceArea[k] -= vars.CasingSliceArea[k];
}

void Calculate_Core_Slice_Areas(EI_Vars& vars) {
  const double cd = vars.CoreDiameter;
  const double tc = vars.CoreWall;
  const double yc = vars.CoreCenterY;
  vars.CoreConcreteSliceArea.fill(0.0);
  vars.rd_TotalCoreConcreteArea = 0.0;
  const SliceRange outer = Circle_Slice_Parts(vars, cd, Circle_Area(cd), yc + cd / 2.0,
                                              yc - cd / 2.0, vars.CoreSliceArea);
  vars.i_CoreTopSlice = outer.top;
  vars.i_CoreBottomSlice = outer.bottom;
  // The core circle displaces the section's concrete.
  for (int k = 1; k <= kNumSlices; ++k) vars.ConcreteSliceArea[k] -= vars.CoreSliceArea[k];
  if (tc > 0.0 || vars.b_FillCoreWithConcrete) {
    const double inner = cd - 2.0 * tc;
    SliceArray bore{};
    const SliceRange range = Circle_Slice_Parts(vars, inner, Circle_Area(inner), yc + cd / 2.0 - tc,
                                                yc - cd / 2.0 + tc, bore);
    for (int k = range.top; k <= range.bottom; ++k) vars.CoreSliceArea[k] -= bore[k];
    if (vars.i_CoreFillModel != kNoCoreConcrete) {
      vars.CoreConcreteSliceArea = bore;
      vars.rd_TotalCoreConcreteArea = Sum(bore);
    }
  }
  if (!vars.b_FillCoreWithConcrete) {
    vars.CoreConcreteSliceArea.fill(0.0);
    vars.rd_TotalCoreConcreteArea = 0.0;
  }
}

void Calculate_Concrete_Slice_Areas(EI_Vars& vars) {
  vars.ConcreteSliceArea.fill(0.0);
  vars.RebarSliceArea.fill(0.0);
  vars.NumBarSlices = 0;
  vars.CasingSliceArea.fill(0.0);
  vars.CoreSliceArea.fill(0.0);
  vars.CoreConcreteSliceArea.fill(0.0);
  vars.i_CoreTopSlice = 0;
  vars.i_CoreBottomSlice = 0;
  vars.rd_TotalCoreConcreteArea = 0.0;

  const int shape = vars.i_SectionShape;
  switch (shape) {
    case kShapeSquarePile:
    case kShapeSquarePileWithCore:
      for (int k = 1; k <= kNumSlices; ++k) {
        vars.ConcreteSliceArea[k] = vars.rd_Depth * vars.rd_Width / kNumSlices;
      }
      break;
    case kShapeRoundPile:
    case kShapeShaftWithPipeInsert:
    case kShapeCasedShaft:
    case kShapeCasedShaftWithCore: {
      const double d = vars.rd_Depth;
      for (int k = 1; k <= kNumSlices; ++k) {
        vars.ConcreteSliceArea[k] = Circular_Segment_Area(d, k * vars.rd_SliceHeight);
      }
      for (int k = kNumSlices; k >= 2; --k) {
        vars.ConcreteSliceArea[k] -= vars.ConcreteSliceArea[k - 1];
      }
      break;
    }
    case kShapePolygonPile:
    case kShapePolygonPileWithCore:
      for (int k = 1; k <= kNumSlices; ++k) {
        vars.ConcreteSliceArea[k] = Polygon_Slice_Area(vars, vars.SliceY[k], vars.SliceY[k - 1]);
      }
      break;
    default:  // the steel pipe has no concrete
      break;
  }

  switch (shape) {
    case kShapeSquarePile:
    case kShapeRoundPile:
    case kShapePolygonPile:
      Calculate_Rebar_Slice_Areas(vars);
      break;
    case kShapeSquarePileWithCore:
    case kShapeShaftWithPipeInsert:
    case kShapePolygonPileWithCore:
      Calculate_Rebar_Slice_Areas(vars);
      if (vars.NumCores >= 1) Calculate_Core_Slice_Areas(vars);
      break;
    case kShapeCasedShaft:
      Calculate_Casing_Slice_Areas(vars);
      Calculate_Rebar_Slice_Areas(vars);
      break;
    case kShapeCasedShaftWithCore:
      Calculate_Casing_Slice_Areas(vars);
      Calculate_Rebar_Slice_Areas(vars);
      if (vars.NumCores >= 1) Calculate_Core_Slice_Areas(vars);
      break;
    case kShapeSteelPipe:
      Calculate_Casing_Slice_Areas(vars);
      break;
    default:
      break;
  }
  vars.rd_TotalConcreteArea = Sum(vars.ConcreteSliceArea);
  vars.rd_TotalRebarArea = Sum(vars.RebarSliceArea);
}

void Prepare_Section_Slices(EI_Vars& vars) {
  Set_Slice_Boundaries(vars);
  Calculate_Concrete_Slice_Areas(vars);
  Calculate_Slice_Depths(vars);
  Set_Concrete_Properties(vars);
}

void Initialize_EI_Vars(RunContext& run, EI_Vars& vars, const SectionUnitLabels& labels) {
  Prepare_Section_Slices(vars);
  vars.rd_EpsPs = 0.0;
  vars.rd_EpsPc = 0.0;
  if (Is_Strand_Material(vars.i_SteelModel))
    Calculate_Strains_Due_To_Prestressing(run, vars, labels);
}

}  // namespace tavik
