#include "input/read_soil_properties.h"

#include <array>
#include <cstddef>

#include "input/input_errors.h"
#include "input/input_file.h"

namespace tavik {

namespace {

// One value on a property line, by what it means for the layer.
enum class SoilValue {
  kUnitWeight,              // effective unit weight
  kCohesion,                // c; qu of WeakRock, Vuggy LS and MassRock
  kFrictionAngle,           // phi, degrees
  kEpsilon50,               // strain at 50 % of the peak stress; krm of WeakRock
  kJFactor,                 // J of SoftClyJ
  kSubgradeModulus,         // k (0 selects the criterion's default); Em of WeakRock, Ei of MassRock
  kRQD,                     // percent
  kTestType,                // Piedmont: 1 SPT, 2 CPT, 3 DMT, 4 PMT (integer)
  kN60,                     // SPT blow count
  kConeTipResistance,       // qc
  kDilatometerModulus,      // ED
  kPressuremeterModulus,    // EPMT
  kElasticSubgradeModulus,  // Es of Elast SG
  kUserCurvePoints,         // User p-y: the number n of (y, p) point lines after this line
};

inline constexpr int kMaxValuesPerLine = 6;

// The layout of the top line and of the bottom line of one soil type code.
struct SoilCodeLayout {
  std::string_view Code;  // the significant characters of the code text
  int NumValues;
  std::array<SoilValue, kMaxValuesPerLine> Values;
};

using V = SoilValue;

// The codes in the order the reader compares them.
inline constexpr std::array<SoilCodeLayout, 17> kSoilCodeLayouts = {{
    {"SoftClay", 3, {V::kUnitWeight, V::kCohesion, V::kEpsilon50}},
    {"SoftClyJ", 4, {V::kUnitWeight, V::kCohesion, V::kEpsilon50, V::kJFactor}},
    {"StfClyBW", 4, {V::kUnitWeight, V::kCohesion, V::kEpsilon50, V::kSubgradeModulus}},
    {"StfClyAW", 3, {V::kUnitWeight, V::kCohesion, V::kEpsilon50}},
    {"StfClyAK", 4, {V::kUnitWeight, V::kCohesion, V::kEpsilon50, V::kSubgradeModulus}},
    {"Sand", 3, {V::kUnitWeight, V::kFrictionAngle, V::kSubgradeModulus}},
    {"API Sand", 3, {V::kUnitWeight, V::kFrictionAngle, V::kSubgradeModulus}},
    {"Liq Sand", 1, {V::kUnitWeight}},
    {"WeakRock", 5, {V::kUnitWeight, V::kCohesion, V::kSubgradeModulus, V::kRQD, V::kEpsilon50}},
    {"Vuggy LS", 2, {V::kUnitWeight, V::kCohesion}},
    {"Piedmont",
     6,
     {V::kUnitWeight, V::kTestType, V::kN60, V::kConeTipResistance, V::kDilatometerModulus,
      V::kPressuremeterModulus}},
    {"Cem Silt",
     5,
     {V::kUnitWeight, V::kCohesion, V::kFrictionAngle, V::kSubgradeModulus, V::kEpsilon50}},
    {"KS Loess", 2, {V::kUnitWeight, V::kConeTipResistance}},
    {"Elast SG", 2, {V::kUnitWeight, V::kElasticSubgradeModulus}},
    {"User p-y", 2, {V::kUnitWeight, V::kUserCurvePoints}},
    {"Frz Soil", 0, {}},
    {"MassRock", 3, {V::kUnitWeight, V::kCohesion, V::kSubgradeModulus}},
}};

inline constexpr int kFirstTestType = 1;    // SPT
inline constexpr int kLastTestType = 4;     // PMT
inline constexpr int kMinUserPyPoints = 2;  // the initial slope of a curve needs two points

std::string_view Trim_Trailing_Blanks(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

const SoilCodeLayout* Find_Layout(std::string_view code) {
  const std::string_view significant = Trim_Trailing_Blanks(code);
  for (const SoilCodeLayout& layout : kSoilCodeLayouts) {
    if (layout.Code == significant) return &layout;
  }
  return nullptr;
}

// The real field a value goes to on one side (top or bottom) of the layer; null for the
// integer values.
double* Real_Field(SoilValue value, SoilPropertyPoint& point, double& subgrade_modulus) {
  switch (value) {
    case V::kUnitWeight:
      return &point.EffectiveUnitWeight;
    case V::kCohesion:
      return &point.Cohesion;
    case V::kFrictionAngle:
      return &point.FrictionAngle;
    case V::kEpsilon50:
      return &point.Epsilon50;
    case V::kJFactor:
      return &point.JFactor;
    case V::kSubgradeModulus:
      return &subgrade_modulus;
    case V::kRQD:
      return &point.RQD;
    case V::kN60:
      return &point.N60;
    case V::kConeTipResistance:
      return &point.ConeTipResistance;
    case V::kDilatometerModulus:
      return &point.DilatometerModulus;
    case V::kPressuremeterModulus:
      return &point.PressuremeterModulus;
    case V::kElasticSubgradeModulus:
      return &point.ElasticSubgradeModulus;
    case V::kTestType:
    case V::kUserCurvePoints:
      return nullptr;
  }
  return nullptr;
}

// Reads the n point lines (y, p) of a user p-y curve, each line one free-format read.
// False after an error.
bool Read_User_Curve(RunContext& run, int num_points, UserPyCurve& curve) {
  if (num_points > kMaxUserPyPoints) {
    Report_Count_Too_Large(run, kSoilLayersBlock, "points in a user p-y curve", num_points,
                           kMaxUserPyPoints);
    return false;
  }
  if (num_points < kMinUserPyPoints) {
    Report_Value_Out_Of_Range(run, kSoilLayersBlock, "the number of points of a user p-y curve",
                              num_points, "the point counts 2 to 30");
    return false;
  }
  for (int k = 0; k < num_points; ++k) {
    FreeFormatRead read(run.Input);
    read.Real(curve.Y[k]).Real(curve.P[k]);
    if (read.Failed()) {
      Report_Read_Failure(run, read, kSoilLayersBlock);
      return false;
    }
  }
  // The curve's initial slope is p(2)/y(2) and its segments divide by the rise of y: the
  // deflections must increase from point to point, with a positive deflection at point 2.
  for (int k = 1; k < num_points; ++k) {
    if (curve.Y[k] <= curve.Y[k - 1] || (k == 1 && curve.Y[k] <= 0.0)) {
      Report_Value_Out_Of_Range(
          run, kSoilLayersBlock,
          "the number of a user p-y curve point whose deflection is not above the one before "
          "it (or not positive at point 2)",
          k + 1,
          "the curves whose deflections increase from point to point and are positive at point 2");
      return false;
    }
  }
  curve.NumPoints = num_points;
  return true;
}

// Reads one property line (top or bottom) of `layout` into one side of a layer, and for
// User p-y the curve point lines that follow it. False after an error.
bool Read_Property_Line(RunContext& run, const SoilCodeLayout& layout, SoilPropertyPoint& point,
                        double& subgrade_modulus, UserPyCurve& curve) {
  FreeFormatRead read(run.Input);
  int num_curve_points = 0;
  for (int v = 0; v < layout.NumValues; ++v) {
    const SoilValue value = layout.Values[v];
    if (value == V::kTestType) {
      read.Int(point.TestType);
    } else if (value == V::kUserCurvePoints) {
      read.Int(num_curve_points);
    } else {
      read.Real(*Real_Field(value, point, subgrade_modulus));
    }
  }
  if (read.Failed()) {
    Report_Read_Failure(run, read, kSoilLayersBlock);
    return false;
  }
  for (int v = 0; v < layout.NumValues; ++v) {
    const SoilValue value = layout.Values[v];
    if (value == V::kTestType &&
        (point.TestType < kFirstTestType || point.TestType > kLastTestType)) {
      Report_Value_Out_Of_Range(run, kSoilLayersBlock, "the Piedmont test type", point.TestType,
                                "the test types 1 (SPT), 2 (CPT), 3 (DMT), 4 (PMT)");
      return false;
    }
    if (value == V::kUserCurvePoints && !Read_User_Curve(run, num_curve_points, curve)) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool Is_Defined_Soil_Code(std::string_view code) {
  return Find_Layout(code) != nullptr;
}

void Read_Soil_Properties(RunContext& run, std::string_view code, SoilLayer& layer) {
  const SoilCodeLayout* layout = Find_Layout(code);
  if (layout == nullptr || layout->NumValues == 0) return;  // Frz Soil: no lines
  if (!Read_Property_Line(run, *layout, layer.Top, layer.SubgradeModulusTop, layer.UserCurveTop)) {
    return;
  }
  Read_Property_Line(run, *layout, layer.Bottom, layer.SubgradeModulusBottom,
                     layer.UserCurveBottom);
}

}  // namespace tavik
