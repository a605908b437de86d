#include "run/unit_labels.h"

namespace tavik {

void Set_Unit_Labels(UnitLabels& labels, int iunits) {
  labels = UnitLabels{};
  labels.c_UnitSlash = "/";
  labels.c_UnitDash = "-";
  labels.c_UnitPower = "**";
  labels.c_UnitSquare = "2";
  labels.c_UnitCube = "3  ";
  labels.c_UnitFourth = "4";
  struct Row {
    const char* length;
    const char* force;
    const char* force3;
    const char* moment;
    const char* line_load;
    const char* weight;
    const char* stress;
    const char* depth;
    const char* small_length;
    const char* length2;
  };
  static constexpr Row kRows[] = {
      {"in ", "lbs ", "lbs", "in-lb", "lb/in", "pcf  ", "psf ", "ft", "in", "in"},
      {"m  ", "kN  ", "kN ", "kN-m ", "kN/m ", "kN/m3", "kPa ", "m ", "mm", "m "},
      {"L  ", "F   ", "F  ", "F-L  ", "F/L  ", "F/L3 ", "F/L2", "L ", "L ", "L "},
  };
  if (iunits < 1 || iunits > 3) return;
  const Row& row = kRows[iunits - 1];
  labels.c_UnitLength = row.length;
  labels.c_UnitForce = row.force;
  labels.c_UnitForce3 = row.force3;
  labels.c_UnitMoment = row.moment;
  labels.c_UnitLineLoad = row.line_load;
  labels.c_UnitWeight = row.weight;
  labels.c_UnitStress = row.stress;
  labels.c_UnitDepth = row.depth;
  labels.c_UnitSmallLength = row.small_length;
  labels.c_UnitLength2 = row.length2;
}

std::string_view Trimmed(std::string_view label) {
  const auto end = label.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : label.substr(0, end + 1);
}

std::string Length_Force_Moment_Unit(const UnitLabels& labels) {
  std::string unit(Trimmed(labels.c_UnitLength));
  unit.append(labels.c_UnitDash).append(Trimmed(labels.c_UnitForce3));
  return unit;
}

}  // namespace tavik
