// The slicing of sections: circular segments, the clipped outline polygon, the slice lookup,
// and the material areas of every slice, against closed-form areas.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "sections/section_fixture.h"
#include "sections/section_geometry.h"
#include "sections/section_slicing.h"
#include "sections/section_stiffness.h"

namespace tavik {
namespace {

constexpr double kPi = std::numbers::pi;

double Sum(const SliceArray& a) {
  double s = 0.0;
  for (int k = 1; k <= kNumSlices; ++k) s += a[k];
  return s;
}

EI_Vars Prepared(const PileSection& section, int iunits = kUnitsUSCustomary) {
  EI_Vars vars;
  Load_Section(section, iunits, vars);
  Prepare_Section_Slices(vars);
  return vars;
}

// Circular segment of a circle of diameter 10 within depth h of its top: r**2 (alpha -
// sin alpha cos alpha) with cos alpha = 1 - h/r; h = 2: alpha = acos(0.6), 11.18238.
TEST(SectionGeometry, CircularSegments) {
  EXPECT_NEAR(Circular_Segment_Area(10.0, 2.0), 25.0 * (std::acos(0.6) - 0.8 * 0.6), 1e-12);
  EXPECT_NEAR(Circular_Segment_Area(10.0, 5.0), kPi * 25.0 / 2.0, 1e-12);
  EXPECT_EQ(Circular_Segment_Area(10.0, 0.0), 0.0);
  EXPECT_EQ(Circular_Segment_Area(10.0, -1.0), 0.0);
  EXPECT_NEAR(Circular_Segment_Area(10.0, 10.0), kPi * 25.0, 1e-12);
  EXPECT_NEAR(Circular_Segment_Area(10.0, 12.0), kPi * 25.0, 1e-12);
}

// The octagon of width 24 across flats: a = 0.2071 x 24 = 4.9704; its area is the square
// less four corner triangles of legs h - a = 7.0296: 576 - 2 x 7.0296**2 = 477.17. Half of
// it lies below y = 0; nothing below its bottom, all of it below its top.
TEST(SectionGeometry, OutlinePolygonClip) {
  PileSection octagon;
  octagon.SectionType = kOctagonalSolidPrestressed;
  octagon.Width = 24.0;
  octagon.Concrete.ConcreteStrength = 6000.0;
  const EI_Vars vars = Prepared(octagon);
  ASSERT_EQ(vars.NumOutlinePoints, 8);
  EXPECT_NEAR(vars.OutlineX[0], 4.9704, 1e-12);
  EXPECT_EQ(vars.OutlineY[0], -12.0);
  EXPECT_DOUBLE_EQ(vars.rd_Depth, 24.0);
  const double area = 576.0 - 2.0 * 7.0296 * 7.0296;
  EXPECT_NEAR(Polygon_Area_Below(vars, 12.0), area, 1e-9);
  EXPECT_NEAR(Polygon_Area_Below(vars, 0.0), area / 2.0, 1e-9);
  EXPECT_EQ(Polygon_Area_Below(vars, -12.0), 0.0);
  EXPECT_NEAR(Sum(vars.ConcreteSliceArea), area, 1e-9);
  // A chamfered 18-in square with a 0.75-in chamfer: 324 - 2 x 0.75**2.
  PileSection square;
  square.SectionType = kSquareSolidPrestressed;
  square.Width = 18.0;
  square.CornerChamfer = 0.75;
  EXPECT_NEAR(Sum(Prepared(square).ConcreteSliceArea), 324.0 - 2.0 * 0.5625, 1e-9);
}

TEST(SectionGeometry, SliceLookup) {
  PileSection rect = testing::Rectangular_Beam();
  rect.Rebar.NumBars = 0;
  const EI_Vars vars = Prepared(rect);  // 20 in deep: slices of 0.2 in from y = 10
  EXPECT_EQ(fn_FindSliceY(vars, 10.0), 1);
  EXPECT_EQ(fn_FindSliceY(vars, 10.5), 100);  // above the top face
  EXPECT_EQ(fn_FindSliceY(vars, 9.85), 1);
  EXPECT_EQ(fn_FindSliceY(vars, 9.7), 2);
  EXPECT_EQ(fn_FindSliceY(vars, -10.0), 100);  // the bottom boundary
  EXPECT_EQ(fn_FindSliceY(vars, -11.0), 100);
}

// Rectangle 20 deep and 12 wide: slices of 2.4 before the bars; mid-depths 0.1 and 19.9.
// Three #8 bars (1.0 in, 0.79 sq. in each) centred at y = -7.45 span y = -6.95 to -7.95,
// slices 85 to 90 (boundaries at y = 10 - 0.2 k). Each slice takes the part of the circle of
// the bar's area (diameter 1.00293 in) between its boundaries, measured from the bar top;
// the bottom slice takes the rest of the area.
TEST(SectionSlicing, RectangleWithBars) {
  PileSection beam = testing::Rectangular_Beam();
  for (int k = 0; k < 3; ++k) beam.Rebar.BarY[k] = -7.45;
  const EI_Vars vars = Prepared(beam);
  EXPECT_DOUBLE_EQ(vars.rd_SliceDepth[1], 0.1);
  EXPECT_NEAR(vars.rd_SliceDepth[100], 19.9, 1e-12);
  EXPECT_NEAR(vars.ConcreteSliceArea[1], 2.4, 1e-12);
  EXPECT_NEAR(Sum(vars.RebarSliceArea), 3 * 0.79, 1e-12);
  EXPECT_NEAR(Sum(vars.ConcreteSliceArea), 240.0 - 3 * 0.79, 1e-9);
  const double deq = std::sqrt(4.0 * 0.79 / kPi);
  EXPECT_EQ(vars.RebarSliceArea[84], 0.0);
  EXPECT_EQ(vars.RebarSliceArea[91], 0.0);
  EXPECT_NEAR(vars.RebarSliceArea[85], 3.0 * Circular_Segment_Area(deq, 0.05), 1e-9);
  EXPECT_NEAR(vars.RebarSliceArea[86],
              3.0 * (Circular_Segment_Area(deq, 0.25) - Circular_Segment_Area(deq, 0.05)), 1e-9);
  EXPECT_NEAR(vars.RebarSliceArea[90], 3.0 * (0.79 - Circular_Segment_Area(deq, 0.85)), 1e-9);
  EXPECT_NEAR(vars.ConcreteSliceArea[86], 2.4 - vars.RebarSliceArea[86], 1e-12);
}

// A bar smaller than the slice height inside one slice puts its whole area there.
TEST(SectionSlicing, SmallBarInOneSlice) {
  PileSection rect = testing::Rectangular_Beam();
  rect.Rebar.NumBars = 1;
  rect.Rebar.BarDiameter[0] = 0.1;
  rect.Rebar.BarArea[0] = 0.00785;
  rect.Rebar.BarY[0] = 9.9;  // slice 1 spans 9.8 to 10.0
  const EI_Vars vars = Prepared(rect);
  EXPECT_DOUBLE_EQ(vars.RebarSliceArea[1], 0.00785);
  EXPECT_DOUBLE_EQ(Sum(vars.RebarSliceArea), 0.00785);
}

// A circle of diameter 36 sums to pi 36**2 / 4 and is symmetric about slice 50/51; a cased
// shaft keeps the inner circle as concrete; a steel pipe has only its ring; a hollow
// prestressed pile loses its void and has no core steel.
TEST(SectionSlicing, CirclesRingsAndVoids) {
  PileSection shaft = testing::Drilled_Shaft_36();
  shaft.Rebar.NumBars = 0;
  const EI_Vars round = Prepared(shaft);
  EXPECT_NEAR(Sum(round.ConcreteSliceArea), kPi * 324.0, 1e-9);
  for (int k = 1; k <= 50; ++k) {
    EXPECT_NEAR(round.ConcreteSliceArea[k], round.ConcreteSliceArea[101 - k], 1e-9);
  }

  PileSection cased = shaft;
  cased.SectionType = kCasedShaft;
  cased.CasingWallThickness = 0.5;
  cased.CasingYieldStress = 36000.0;
  cased.CasingModulus = 29.0e6;
  const EI_Vars with_casing = Prepared(cased);
  EXPECT_NEAR(Sum(with_casing.ConcreteSliceArea), kPi * 35.0 * 35.0 / 4.0, 1e-9);
  EXPECT_NEAR(Sum(with_casing.CasingSliceArea), kPi * (36.0 * 36.0 - 35.0 * 35.0) / 4.0, 1e-9);

  const EI_Vars pipe = Prepared(testing::Steel_Pipe_24());
  EXPECT_EQ(Sum(pipe.ConcreteSliceArea), 0.0);
  EXPECT_NEAR(Sum(pipe.CasingSliceArea), kPi * (576.0 - 529.0) / 4.0, 1e-9);
  PileSection no_wall = testing::Steel_Pipe_24();
  no_wall.CasingWallThickness = 0.0;
  EXPECT_NEAR(Sum(Prepared(no_wall).CasingSliceArea), kPi * 576.0 / 4.0, 1e-9);

  PileSection hollow = testing::Prestressed_Square_18();
  hollow.SectionType = kSquareHollowPrestressed;
  hollow.VoidDiameter = 10.0;
  const EI_Vars voided = Prepared(hollow);
  EXPECT_EQ(voided.i_SectionShape, kShapeSquarePileWithCore);
  EXPECT_NEAR(Sum(voided.ConcreteSliceArea), 324.0 - 12 * 0.153 - kPi * 25.0, 1e-9);
  EXPECT_EQ(voided.CoreWall, 0.0);
  EXPECT_EQ(Sum(voided.CoreConcreteSliceArea), 0.0);
}

// A cased shaft with a filled steel core: the core ring is steel, its inside core concrete,
// and neither counts as shaft concrete.
TEST(SectionSlicing, FilledSteelCore) {
  PileSection s = testing::Drilled_Shaft_36();
  s.SectionType = kCasedShaftWithCore;
  s.CasingWallThickness = 0.5;
  s.CasingYieldStress = 36000.0;
  s.CasingModulus = 29.0e6;
  s.CoreDiameter = 12.0;
  s.CoreWallThickness = 0.5;
  s.CoreYieldStress = 36000.0;
  s.CoreModulus = 29.0e6;
  s.b_FillCoreWithConcrete = true;
  const EI_Vars vars = Prepared(s);
  EXPECT_NEAR(Sum(vars.CoreSliceArea), kPi * (144.0 - 121.0) / 4.0, 1e-9);
  EXPECT_NEAR(vars.rd_TotalCoreConcreteArea, kPi * 121.0 / 4.0, 1e-9);
  EXPECT_NEAR(Sum(vars.ConcreteSliceArea), kPi * (35.0 * 35.0 - 144.0) / 4.0 - 24 * 0.79, 1e-9);
  EXPECT_EQ(vars.i_CoreTopSlice, 34);  // y = 6 lies in slice 34 (5.76 < y <= 6.12)
  EXPECT_EQ(vars.i_CoreBottomSlice, 67);
}

}  // namespace
}  // namespace tavik
