#include <algorithm>
#include <numbers>

#include "echo/echo_blocks.h"
#include "pycurves/soil_type_codes.h"
#include "run/unit_labels.h"

namespace tavik {

void Write_Heading(TextChannel& report, std::string_view text, int indent) {
  report.Rule('-');
  report.Line().X(indent).A(text);
  report.End_Line();
  report.Rule('-');
}

FortranLine& Labelled(TextChannel& report, std::string_view label) {
  return report.Line().A(label).T(kEqualsColumn).A("= ");
}

FortranLine& Unit(FortranLine& line, std::string_view label) {
  return line.A(" ").A(Trimmed(label));
}

std::string Stress_Label(const UnitLabels& units) {
  std::string label(Trimmed(units.c_UnitForce3));
  label.append(units.c_UnitSlash).append(Trimmed(units.c_UnitLength));
  label.append(units.c_UnitPower).append(units.c_UnitSquare);
  return label;
}

std::string Line_Load_Label(const UnitLabels& units) {
  std::string label(Trimmed(units.c_UnitForce3));
  label.append(units.c_UnitSlash).append(Trimmed(units.c_UnitLength));
  return label;
}

std::string Area_Label(const UnitLabels& units) {
  return "sq. " + std::string(Trimmed(units.c_UnitLength));
}

std::string Inertia_Label(const UnitLabels& units) {
  std::string label(Trimmed(units.c_UnitLength));
  label.append(units.c_UnitPower).append(units.c_UnitFourth);
  return label;
}

std::string Stiffness_Label(const UnitLabels& units) {
  std::string label(Trimmed(units.c_UnitForce3));
  label.append(units.c_UnitDash).append(Trimmed(units.c_UnitLength));
  label.append(units.c_UnitPower).append(units.c_UnitSquare);
  return label;
}

std::string Curvature_Label(const UnitLabels& units) {
  std::string label("rad");
  label.append(units.c_UnitSlash).append(Trimmed(units.c_UnitLength));
  return label;
}

std::string Subgrade_Modulus_Label(int iunits, const UnitLabels& units) {
  if (iunits == kUnitsUSCustomary) return "pci";
  return std::string(Trimmed(units.c_UnitWeight));
}

std::string_view Layer_Code(const SoilLayer& layer) {
  return Trimmed(Soil_Type_Code(layer.SoilTypeIndex));
}

int Within_Capacity(int count, int capacity) {
  return std::clamp(count, 0, capacity);
}

double Degrees(double radians) {
  return radians * (180.0 / std::numbers::pi);
}

}  // namespace tavik
