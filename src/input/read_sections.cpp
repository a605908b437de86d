// The SECTIONS block: the pile as a stack of structural sections from the pile head down.
#include <numbers>
#include <span>

#include "input/block_readers.h"
#include "input/input_errors.h"
#include "input/section_readers.h"

namespace tavik {

namespace {

using Q = SectionQuantity;

struct SectionValue {
  double PileSection::*field;
  SectionQuantity quantity;
};

constexpr SectionValue kLength = {&PileSection::SectionLength, Q::kPlain};
constexpr SectionValue kWidth = {&PileSection::Width, Q::kDimension};

constexpr SectionValue kRectangularValues[] = {kLength,
                                               {&PileSection::SectionDepth, Q::kDimension},
                                               {&PileSection::SectionWidth, Q::kDimension}};
constexpr SectionValue kRoundValues[] = {kLength, kWidth};
constexpr SectionValue kCasedValues[] = {kLength,
                                         kWidth,
                                         {&PileSection::CasingWallThickness, Q::kDimension},
                                         {&PileSection::CasingYieldStress, Q::kPlain},
                                         {&PileSection::CasingModulus, Q::kPlain}};
constexpr SectionValue kCasedWithCoreValues[] = {kLength,
                                                 kWidth,
                                                 {&PileSection::CasingWallThickness, Q::kDimension},
                                                 {&PileSection::CasingYieldStress, Q::kPlain},
                                                 {&PileSection::CasingModulus, Q::kPlain},
                                                 {&PileSection::CoreDiameter, Q::kDimension},
                                                 {&PileSection::CoreWallThickness, Q::kDimension},
                                                 {&PileSection::CoreYieldStress, Q::kPlain},
                                                 {&PileSection::CoreModulus, Q::kPlain}};
constexpr SectionValue kHollowValues[] = {
    kLength, kWidth, {&PileSection::VoidDiameter, Q::kDimension}};
constexpr SectionValue kSquareSolidValues[] = {
    kLength, kWidth, {&PileSection::CornerChamfer, Q::kDimension}};
constexpr SectionValue kSquareHollowValues[] = {kLength,
                                                kWidth,
                                                {&PileSection::VoidDiameter, Q::kDimension},
                                                {&PileSection::CornerChamfer, Q::kDimension}};
constexpr SectionValue kLengthOnly[] = {kLength};

// The values that follow the type line, one line each, in file order.
std::span<const SectionValue> Values_Of_Type(int type) {
  switch (type) {
    case kRectangularConcrete:
      return kRectangularValues;
    case kDrilledShaft:
    case kCircularSolidPrestressed:
    case kOctagonalSolidPrestressed:
    case kUserEI:
      return kRoundValues;
    case kCasedShaft:
    case kSteelPipe:
      return kCasedValues;
    case kCasedShaftWithCore:
      return kCasedWithCoreValues;
    case kCircularHollowPrestressed:
    case kOctagonalHollowPrestressed:
      return kHollowValues;
    case kSquareSolidPrestressed:
      return kSquareSolidValues;
    case kSquareHollowPrestressed:
      return kSquareHollowValues;
    default:  // 11, 12 (the sub-readers read the rest) and 14
      return kLengthOnly;
  }
}

// The sub-readers of a section type, in order (steps after the section's own values).
void Read_Section_Data(RunContext& run, int i, int type) {
  switch (type) {
    case kRectangularConcrete:
    case kDrilledShaft:
    case kCasedShaft:
    case kCasedShaftWithCore:
      Read_Concrete(run, i);
      if (run.Status.Has_Error()) return;
      Read_Rebar(run, i);
      return;
    case kElastic:
      Read_Elastic_Section(run, i);
      return;
    case kElasticPlastic:
      Read_Elastic_Plastic_Section(run, i);
      return;
    case kUserEI:
      Read_User_EI(run, i);
      return;
    case kSteelPipe:
    case kMicropile:
      return;
    default:  // 5 to 10, prestressed piles
      Read_Concrete(run, i);
      if (run.Status.Has_Error()) return;
      Read_Strands(run, i);
      return;
  }
}

// Sets one pile property point (0-based index s) of the section's values.
void Set_Property_Point(PilePropertyTable& table, int s, double station, double width, double area,
                        double inertia, double modulus, double stress_width) {
  table.PileStation[s] = station;
  table.PileWidth[s] = width;
  table.PileArea[s] = area;
  table.PileInertia[s] = inertia;
  table.PileModulus[s] = modulus;
  table.PileStressWidth[s] = stress_width;
}

// Adds the pile property points 2i - 1 (top) and 2i (bottom) of section i, sets its top and
// bottom depths and adds its length to the pile. A micropile adds no length and keeps its
// two points at zero (its width of 0 stops the run in the whole-input checks).
void Add_Pile_Property_Points(ProblemData& problem, int i) {
  PileSection& section = problem.Sections[i - 1];
  PilePropertyTable& table = problem.PileProperties;
  const int top = 2 * i - 2;
  const int bottom = 2 * i - 1;
  if (section.SectionType == kMicropile) {
    Set_Property_Point(table, top, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0);
    Set_Property_Point(table, bottom, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0);
    return;
  }
  const double top_station = problem.PileLength;
  const double bottom_station = top_station + section.SectionLength;
  problem.PileLength = bottom_station;
  section.SectionTopDepth = top_station;
  section.SectionBottomDepth = bottom_station;

  switch (section.SectionType) {
    case kRectangularConcrete:
      Set_Property_Point(table, top, top_station, section.SectionWidth, 0.0, 0.0, 0.0, 0.0);
      Set_Property_Point(table, bottom, bottom_station, section.SectionWidth, 0.0, 0.0, 0.0, 0.0);
      return;
    case kSteelPipe: {
      // Closed forms of a tube of outside diameter D and wall t.
      const double d = section.Width;
      const double inside = d - 2.0 * section.CasingWallThickness;
      const double area = std::numbers::pi / 4.0 * (d * d - inside * inside);
      const double inertia =
          std::numbers::pi / 64.0 * (d * d * d * d - inside * inside * inside * inside);
      const double modulus = section.CasingModulus;
      Set_Property_Point(table, top, top_station, d, area, inertia, modulus, 0.0);
      Set_Property_Point(table, bottom, bottom_station, d, area, inertia, modulus, 0.0);
      return;
    }
    case kElastic:
    case kElasticPlastic: {
      double top_width = section.TopWidth;
      double bottom_width = section.BottomWidth;
      double top_stress_width = 0.0;
      double bottom_stress_width = 0.0;
      if (section.ElasticShape == kShapeStrongH) {
        bottom_width = section.TopWidth;  // flange width
      } else if (section.ElasticShape == kShapeWeakH) {
        top_width = bottom_width = section.TopDepthOrWall;  // section depth
      } else if (section.ElasticShape == kShapePole) {
        top_width = bottom_width = section.Width;  // drilled hole
        top_stress_width = section.TopWidth;       // the pole itself
        bottom_stress_width = section.BottomWidth;
      }
      Set_Property_Point(table, top, top_station, top_width, section.TopArea, section.TopInertia,
                         section.ElasticModulus, top_stress_width);
      Set_Property_Point(table, bottom, bottom_station, bottom_width, section.BottomArea,
                         section.BottomInertia, section.ElasticModulus, bottom_stress_width);
      return;
    }
    default:  // concrete and user EI sections: stiffness from the section tables
      Set_Property_Point(table, top, top_station, section.Width, 0.0, 0.0, 0.0, 0.0);
      Set_Property_Point(table, bottom, bottom_station, section.Width, 0.0, 0.0, 0.0, 0.0);
      return;
  }
}

// Reads section i from its number line to its last sub-block.
void Read_One_Section(RunContext& run, int i) {
  Write_Section_Progress(run, "Reading section properties for Section ", i);
  int number = 0;
  if (!Read_Section_Integer(run, number)) return;
  if (number != i) {
    run.Report.Write_Line("SECTION DATA OUT-OF-ORDER");
    run.Report.Empty_Lines(1);
    run.Report.Line().A("Expecting section number ").I(i, 0).A(", but section number ");
    run.Report.Line().I(number, 0).A(" was found");
    run.Report.End_Line();
    End_With_Section_Line_Error(run);
    return;
  }

  int type = 0;
  if (!Read_Section_Integer(run, type)) return;
  if (type != kVoidCoreInput && (type < kRectangularConcrete || type > kMicropile)) {
    Report_Value_Out_Of_Range(run, kSectionsBlock, "section type", type, "-3 and 0 to 14");
    return;
  }
  PileSection& section = run.Problem.Sections[i - 1];
  if (type == kVoidCoreInput) {
    section.SectionType = kCasedShaftWithCore;
    section.b_FillCoreWithConcrete = false;
  } else {
    section.SectionType = type;
    if (type == kCasedShaftWithCore) section.b_FillCoreWithConcrete = true;
  }

  // Section dimensions are converted from mm to m as they are read, so the sub-readers
  // see them in metres.
  for (const SectionValue& value : Values_Of_Type(section.SectionType)) {
    if (!Read_Section_Real(run, section.*value.field, value.quantity)) return;
  }
  if (section.SectionType == kRectangularConcrete) section.Width = section.SectionDepth;

  Read_Section_Data(run, i, section.SectionType);
  if (run.Status.Has_Error()) return;
  Add_Pile_Property_Points(run.Problem, i);
}

}  // namespace

// Reads the SECTIONS block: the number of sections, then each section with its type, its
// dimensions and its sub-blocks. Fills run.Problem.Sections, NumSections, PileLength and
// the pile property table (two points per section). Lengths along the pile stay in ft or m;
// SI section dimensions are stored in m. Ends the run with input error 95 for a section out
// of order or a sub-block line not recognised, 91 for more than 20 sections, 92 for a
// negative number of sections or a section type outside -3 and 0 to 14, and 99 or 90 for
// the end of the file or a value that is not a number.
void Read_Sections(RunContext& run) {
  ProblemData& problem = run.Problem;
  int count = 0;
  if (!Read_Section_Integer(run, count)) return;
  if (!Check_Section_Count(run, "sections", count, 0, kMaxSections)) return;
  problem.NumSections = count;
  problem.PileLength = 0.0;
  problem.PileProperties.NumPoints = 2 * count;
  for (int i = 1; i <= count; ++i) {
    Read_One_Section(run, i);
    if (run.Status.Has_Error()) return;
  }
}

}  // namespace tavik
