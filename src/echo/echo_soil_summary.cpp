#include <array>
#include <initializer_list>
#include <span>
#include <string>

#include "echo/echo_blocks.h"

namespace tavik {

namespace {
constexpr int kSummaryIndent = 27;  // the heading text starts at column 28

// Row layout. Row 1 of a layer: I3, 5 blanks, the soil name in 34 columns, 3 blanks; row 2:
// 45 blanks. Then 14 columns of 13 characters each: a 10-character item (Write_Real(x, 10),
// "    --    " or "  default ") and 3 blanks; the test type is one 13-character text.
// Column k therefore starts at 46 + 13 k.
constexpr int kLayerNumberWidth = 3;
constexpr int kGapAfterNumber = 5;
constexpr int kGapAfterName = 3;
constexpr int kRowIndent = 45;
constexpr int kItemWidth = 10;
constexpr int kGapAfterItem = 3;
constexpr int kFirstColumn = 46;
constexpr int kColumnPitch = kItemWidth + kGapAfterItem;
constexpr int kSoilNameColumn = 9;
constexpr int kSoilNameWidth = 34;
constexpr std::string_view kUnused = "    --    ";
constexpr std::string_view kDefault = "  default ";

enum Column {
  kDepth,
  kUnitWeight,
  kCohesion,
  kFriction,
  kQu,
  kRQD,
  kEpsilon50,
  kJ,
  kKpy,
  kRockEmass,
  kKrm,
  kTestType,
  kTestProperty,
  kElasticSubgrade,
  kNumColumns
};

constexpr std::string_view kHeadUS =
    "Layer               Soil Type                   Depth     Eff. Unit     Cohesion     "
    "Friction        qu           RQD      Epsilon 50        J          kpy       Rock Emass   "
    "   krm       Test Type    Test Prop.   Elas. Subgr.";
// In SI one blank moves from after "kpy" to before it.
constexpr std::string_view kHeadSI =
    "Layer               Soil Type                   Depth     Eff. Unit     Cohesion     "
    "Friction        qu           RQD      Epsilon 50        J           kpy      Rock Emass   "
    "   krm       Test Type    Test Prop.   Elas. Subgr.";

struct ColumnUnit {
  Column column;
  std::string_view label;
};
constexpr ColumnUnit kColumnUnitsUS[] = {
    {kDepth, "ft"},      {kUnitWeight, "pcf"}, {kCohesion, "psf"},
    {kFriction, "deg."}, {kQu, "psi"},         {kRQD, "percent"},
    {kKpy, "pci"},       {kRockEmass, "psi"},  {kElasticSubgrade, "pci"}};
constexpr ColumnUnit kColumnUnitsSI[] = {
    {kDepth, "m"},       {kUnitWeight, "kN/m3"}, {kCohesion, "kPa"},
    {kFriction, "deg."}, {kQu, "kPa"},           {kRQD, "percent"},
    {kKpy, "kN/m3"},     {kRockEmass, "kPa"},    {kElasticSubgrade, "kN/m3"}};

int Column_Start(int column) {
  return kFirstColumn + kColumnPitch * column;
}

bool Is_One_Of(std::string_view code, std::initializer_list<std::string_view> codes) {
  for (std::string_view c : codes) {
    if (c == code) return true;
  }
  return false;
}

std::string_view Test_Type_Text(int test_type) {
  static constexpr std::array<std::string_view, 5> kTexts = {"", "    SPT      ", "    CPT      ",
                                                             "    DMT      ", "    PMT      "};
  return (test_type >= 1 && test_type <= 4) ? kTexts[test_type] : std::string_view();
}

double Test_Property(const SoilPropertyPoint& point) {
  switch (point.TestType) {
    case 1:
      return point.N60;
    case 2:
      return point.ConeTipResistance;
    case 3:
      return point.DilatometerModulus;
    case 4:
      return point.PressuremeterModulus;
    default:
      return 0.0;
  }
}

void Write_Value(TextChannel& report, double value) {
  Write_Real(report, value, kItemWidth);
  Write_Blanks(report, kGapAfterItem);
}

void Write_Item(TextChannel& report, std::string_view text) {
  Write_Text10(report, text);
  Write_Blanks(report, kGapAfterItem);
}

void Write_Value_Or_Default(TextChannel& report, double value) {
  if (value == 0.0) {
    Write_Item(report, kDefault);
  } else {
    Write_Value(report, value);
  }
}

// One row: the values of one property point of layer `layer` (its top or its bottom).
void Write_Row(TextChannel& report, const SoilLayer& layer, bool top) {
  const std::string_view code = Layer_Code(layer);
  const SoilPropertyPoint& point = top ? layer.Top : layer.Bottom;
  const double depth = top ? layer.XLayerTop : layer.XLayerBottom;
  const double subgrade = top ? layer.SubgradeModulusTop : layer.SubgradeModulusBottom;
  const bool rock = code == "WeakRock";

  Write_Value(report, depth);
  Write_Value(report, point.EffectiveUnitWeight);
  if (Is_One_Of(code, {"SoftClay", "StfClyBW", "StfClyAW", "StfClyAK", "Cem Silt", "SoftClyJ"})) {
    Write_Value(report, point.Cohesion);
  } else {
    Write_Item(report, kUnused);
  }
  if (Is_One_Of(code, {"Sand", "API Sand", "Cem Silt"})) {
    Write_Value(report, point.FrictionAngle);
  } else {
    Write_Item(report, kUnused);
  }
  if (Is_One_Of(code, {"Vuggy LS", "WeakRock", "Piedmont", "MassRock"})) {
    Write_Value(report, point.Cohesion);  // holds qu for the rock codes
  } else {
    Write_Item(report, kUnused);
  }
  if (Is_One_Of(code, {"WeakRock", "MassRock"})) {
    Write_Value(report, point.RQD);
  } else {
    Write_Item(report, kUnused);
  }
  if (Is_One_Of(code, {"SoftClay", "StfClyBW", "StfClyAW", "StfClyAK", "Cem Silt"})) {
    Write_Value(report, point.Epsilon50);
  } else {
    Write_Item(report, kUnused);
  }
  if (code == "SoftClyJ") {
    Write_Value(report, point.JFactor);
  } else {
    Write_Item(report, kUnused);
  }
  if (Is_One_Of(code, {"Sand", "API Sand", "StfClyBW", "StfClyAK", "Cem Silt"})) {
    Write_Value_Or_Default(report, subgrade);
  } else {
    Write_Item(report, kUnused);
  }
  if (rock) {
    Write_Value_Or_Default(report, subgrade);  // holds the rock mass modulus
    Write_Value(report, point.Epsilon50);      // holds krm
  } else if (code == "MassRock") {
    Write_Value(report, subgrade);  // holds the intact rock modulus (no default exists)
    Write_Item(report, kUnused);
  } else {
    Write_Item(report, kUnused);
    Write_Item(report, kUnused);
  }
  const bool piedmont = code == "Piedmont";
  const bool loess = code == "KS Loess";
  const std::string_view test_type =
      piedmont ? Test_Type_Text(point.TestType) : (loess ? Test_Type_Text(2) : "");
  if (!test_type.empty()) {
    report.Line().A(test_type);
    Write_Value(report, piedmont ? Test_Property(point) : point.ConeTipResistance);
  } else {
    Write_Item(report, kUnused);
    Write_Item(report, kUnused);
  }
  if (code == "Elast SG") {
    Write_Value(report, point.ElasticSubgradeModulus);
  } else {
    Write_Item(report, kUnused);
  }
  End_Line(report);
}
}  // namespace

// Echo_Soil_Summary: US customary and SI units only. Reads every layer (depths in feet or
// metres, properties as entered). Writes two empty lines, the heading "Summary of Soil
// Properties", the column heads with the units line and a rule, and two rows per layer
// (its top and its bottom); a column the layer's code does not use shows "    --    ", and
// a subgrade or rock mass modulus of 0 shows "  default ".
void Echo_Soil_Summary(RunContext& run) {
  const ProblemData& problem = run.Problem;
  const bool si = problem.IUNITS == kUnitsSI;
  if (problem.IUNITS != kUnitsUSCustomary && !si) return;
  TextChannel& report = run.Report;
  report.Empty_Lines(2);
  Write_Heading(report, "Summary of Soil Properties", kSummaryIndent);
  report.Write_Line(si ? kHeadSI : kHeadUS);
  // Units centred in the 10-character item of their column.
  FortranLine& units = report.Line();
  for (const ColumnUnit& unit : si ? std::span<const ColumnUnit>(kColumnUnitsSI)
                                   : std::span<const ColumnUnit>(kColumnUnitsUS)) {
    const int length = static_cast<int>(unit.label.size());
    units.T(Column_Start(unit.column) + (kItemWidth - length) / 2).A(unit.label);
  }
  report.End_Line();
  FortranLine& rule = report.Line();
  rule.A("-----").T(kSoilNameColumn).A(std::string(kSoilNameWidth, '-'));
  for (int k = 0; k < kNumColumns; ++k) {
    rule.T(Column_Start(k)).A(std::string(kItemWidth, '-'));
  }
  report.End_Line();
  const int layers = Within_Capacity(problem.i_Number_of_Layers, kMaxLayers);
  for (int j = 1; j <= layers; ++j) {
    const SoilLayer& layer = problem.Layers[j - 1];
    Write_Integer(report, j, kLayerNumberWidth);
    Write_Blanks(report, kGapAfterNumber);
    Write_Soil_Name(report, layer.SoilTypeIndex);
    Write_Blanks(report, kGapAfterName);
    Write_Row(report, layer, true);
    Write_Blanks(report, kRowIndent);
    Write_Row(report, layer, false);
  }
}

}  // namespace tavik
