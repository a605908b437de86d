// Elastic (type 11) and elastic-plastic (type 12) sections.
#include <vector>

#include "input/input_errors.h"
#include "input/section_readers.h"

namespace tavik {

namespace {

using Q = SectionQuantity;

// One value of the sub-block, with a second field that receives a copy (the H shapes give
// one depth, area, inertia and plastic moment for both ends of the section).
struct ElasticValue {
  double PileSection::*field;
  SectionQuantity quantity;
  double PileSection::*copy = nullptr;
};

constexpr ElasticValue kModulus = {&PileSection::ElasticModulus, Q::kPlain};
constexpr ElasticValue kTopWidth = {&PileSection::TopWidth, Q::kDimension};
constexpr ElasticValue kBottomWidth = {&PileSection::BottomWidth, Q::kDimension};
constexpr ElasticValue kTopDepth = {&PileSection::TopDepthOrWall, Q::kDimension};
constexpr ElasticValue kBottomDepth = {&PileSection::BottomDepthOrWall, Q::kDimension};
constexpr ElasticValue kTopArea = {&PileSection::TopArea, Q::kArea};
constexpr ElasticValue kBottomArea = {&PileSection::BottomArea, Q::kArea};
constexpr ElasticValue kTopInertia = {&PileSection::TopInertia, Q::kInertia};
constexpr ElasticValue kBottomInertia = {&PileSection::BottomInertia, Q::kInertia};

// The values after ElasticShape, in file order; the plastic moments, when wanted, come
// right after the modulus.
std::vector<ElasticValue> Values_Of_Shape(int shape, bool plastic) {
  std::vector<ElasticValue> values = {kModulus};
  if (plastic) {
    if (shape == kShapeStrongH || shape == kShapeWeakH) {
      values.push_back(
          {&PileSection::TopPlasticMoment, Q::kPlain, &PileSection::BottomPlasticMoment});
    } else {
      values.push_back({&PileSection::TopPlasticMoment, Q::kPlain});
      values.push_back({&PileSection::BottomPlasticMoment, Q::kPlain});
    }
  }
  switch (shape) {
    case kShapeRectangular:
    case kShapePipe:  // the depth values are the wall thickness
      values.insert(values.end(), {kTopWidth, kBottomWidth, kTopDepth, kBottomDepth, kTopArea,
                                   kBottomArea, kTopInertia, kBottomInertia});
      break;
    case kShapeCircular:
      values.insert(values.end(),
                    {kTopWidth, kBottomWidth, kTopArea, kBottomArea, kTopInertia, kBottomInertia});
      break;
    case kShapeStrongH:
    case kShapeWeakH:
      values.insert(values.end(),
                    {kTopWidth,
                     {&PileSection::TopDepthOrWall, Q::kDimension, &PileSection::BottomDepthOrWall},
                     {&PileSection::FlangeThickness, Q::kDimension},
                     {&PileSection::WebThickness, Q::kDimension},
                     {&PileSection::TopArea, Q::kArea, &PileSection::BottomArea},
                     {&PileSection::TopInertia, Q::kInertia, &PileSection::BottomInertia}});
      break;
    case kShapePole:
      values.insert(values.end(), {kTopWidth,
                                   kBottomWidth,
                                   kTopArea,
                                   kBottomArea,
                                   kTopInertia,
                                   kBottomInertia,
                                   {&PileSection::Width, Q::kDimension}});
      break;
  }
  return values;
}

void Read_Elastic_Values(RunContext& run, int i, bool plastic) {
  PileSection& section = run.Problem.Sections[i - 1];
  if (!Read_Section_Integer(run, section.ElasticShape)) return;
  if (section.ElasticShape < kShapeRectangular || section.ElasticShape > kShapePole) {
    Report_Value_Out_Of_Range(run, kSectionsBlock, "elastic section shape", section.ElasticShape,
                              "1 to 6");
    return;
  }
  for (const ElasticValue& value : Values_Of_Shape(section.ElasticShape, plastic)) {
    if (!Read_Section_Real(run, section.*value.field, value.quantity)) return;
    if (value.copy != nullptr) section.*value.copy = section.*value.field;
  }
}

}  // namespace

// Reads section i of type 11: ElasticShape (1 rectangular, 2 circular, 3 circular pipe,
// 4 strong H-pile, 5 weak H-pile, 6 embedded circular pole), ElasticModulus (stress) and the
// shape's widths, depths or walls, areas and inertias at the top and bottom of the section.
// SI dimensions are converted from mm, mm2 and mm4 to m, m2 and m4; the modulus is not.
// Ends the run with input error 92 for a shape outside 1 to 6.
void Read_Elastic_Section(RunContext& run, int i) {
  Write_Section_Progress(run, "Reading elastic section properties for Section ", i);
  Read_Elastic_Values(run, i, false);
}

// Reads section i of type 12: as type 11, with the plastic moment capacity (moment, not
// converted) right after the modulus: top and bottom, or one value for both for the H-piles.
void Read_Elastic_Plastic_Section(RunContext& run, int i) {
  Write_Section_Progress(run, "Reading elastic-plastic section properties for Section ", i);
  Read_Elastic_Values(run, i, true);
}

}  // namespace tavik
