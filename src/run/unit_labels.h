// Unit-label texts of the report, fixed by the units system. The stored texts keep their
// fixed widths (trailing blanks included); writers trim them unless a layout says not to.
#ifndef TAVIK_RUN_UNIT_LABELS_H
#define TAVIK_RUN_UNIT_LABELS_H

#include <string>
#include <string_view>

namespace tavik {

struct UnitLabels {
  std::string_view c_UnitLength;       // 3: "in " / "m  " / "L  "
  std::string_view c_UnitForce;        // 4
  std::string_view c_UnitForce3;       // 3
  std::string_view c_UnitSlash;        // 1
  std::string_view c_UnitDash;         // 1
  std::string_view c_UnitPower;        // 2
  std::string_view c_UnitSquare;       // 1
  std::string_view c_UnitCube;         // 3
  std::string_view c_UnitFourth;       // 1
  std::string_view c_UnitMoment;       // 5
  std::string_view c_UnitLineLoad;     // 5
  std::string_view c_UnitWeight;       // 5
  std::string_view c_UnitStress;       // 4
  std::string_view c_UnitDepth;        // 2
  std::string_view c_UnitSmallLength;  // 2
  std::string_view c_UnitLength2;      // 2
};

// Fills the labels for IUNITS 1 (US customary), 2 (SI) or 3 (general). For any other value
// only the unit-independent pieces (slash, dash, power, square, cube, fourth) are set.
void Set_Unit_Labels(UnitLabels& labels, int iunits);

// The label without its trailing blanks, as writers use it after a number.
std::string_view Trimmed(std::string_view label);

// The moment unit of the analysis messages and study reports, length-dash-force: "in-lbs",
// "m-kN", "L-F".
std::string Length_Force_Moment_Unit(const UnitLabels& labels);

}  // namespace tavik

#endif  // TAVIK_RUN_UNIT_LABELS_H
