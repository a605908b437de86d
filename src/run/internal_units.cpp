#include "run/internal_units.h"

#include <algorithm>
#include <string_view>

#include "pycurves/soil_type_codes.h"

namespace tavik {

namespace {

constexpr double kInchesPerFoot = 12.0;
constexpr double kSquareInchesPerSquareFoot = 144.0;  // psf -> psi
constexpr double kCubicInchesPerCubicFoot = 1728.0;   // pcf -> pci

// A count held within 0 and the capacity of its table.
int Count_Within(int count, int capacity) {
  return std::clamp(count, 0, capacity);
}

// The code text of a soil type index without its padding blanks.
std::string_view Trimmed_Soil_Code(int index) {
  std::string_view code = Soil_Type_Code(index);
  const std::size_t last = code.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view() : code.substr(0, last + 1);
}

// The rock codes whose "cohesion" is the uniaxial compressive strength, given in psi.
bool Holds_Rock_Strength_In_Psi(int soil_type_index) {
  const std::string_view code = Trimmed_Soil_Code(soil_type_index);
  return code == "WeakRock" || code == "Vuggy LS" || code == "MassRock";
}

template <typename Array>
void Feet_To_Inches(Array& depths, int count) {
  for (int i = 0; i < Count_Within(count, static_cast<int>(depths.size())); ++i) {
    depths[i] *= kInchesPerFoot;
  }
}

void Convert_Soil_Point(SoilPropertyPoint& point, bool keep_strength_in_psi) {
  if (!keep_strength_in_psi) point.Cohesion /= kSquareInchesPerSquareFoot;
  point.EffectiveUnitWeight /= kCubicInchesPerCubicFoot;
}

// US customary input: depths and lengths along the pile in feet, cohesion in psf, unit
// weights in pcf; internally inches, psi and pci.
void Convert_US_Customary(ProblemData& problem) {
  problem.PileLength *= kInchesPerFoot;
  problem.GroundSurfaceDepth *= kInchesPerFoot;

  for (int i = 0; i < Count_Within(problem.NumSections, kMaxSections); ++i) {
    PileSection& section = problem.Sections[i];
    section.SectionLength *= kInchesPerFoot;
    section.SectionTopDepth *= kInchesPerFoot;
    section.SectionBottomDepth *= kInchesPerFoot;
  }
  Feet_To_Inches(problem.PileProperties.PileStation, problem.PileProperties.NumPoints);

  // A layer's top and bottom depths are also the depths of its two property points and of
  // its user p-y curves (the curves' y and p values are no depths and stay as read).
  for (int j = 0; j < Count_Within(problem.i_Number_of_Layers, kMaxLayers); ++j) {
    SoilLayer& layer = problem.Layers[j];
    layer.XLayerTop *= kInchesPerFoot;
    layer.XLayerBottom *= kInchesPerFoot;
    const bool rock_in_psi = Holds_Rock_Strength_In_Psi(layer.SoilTypeIndex);
    Convert_Soil_Point(layer.Top, rock_in_psi);
    Convert_Soil_Point(layer.Bottom, rock_in_psi);
  }

  Feet_To_Inches(problem.SoilMovement.Depth, problem.SoilMovement.NumPoints);
  Feet_To_Inches(problem.PyModifiers.Depth, problem.PyModifiers.NumPoints);
  Feet_To_Inches(problem.PyOutputDepths, problem.NumPyOutputDepths);
}

}  // namespace

// Convert_To_Internal_Units: turns the input values of run's problem data into the internal
// units of its units system, once per run (the flag b_ConvertedToInternalUnits makes a
// second call do nothing). Only US customary input is converted here; SI values were
// converted as they were read, general units never are. The distributed load depths, the
// tip shear curve, the convergence tolerance and deflection limit, and every section
// dimension are already in inches and stay as they are.
void Convert_To_Internal_Units(ProblemData& problem) {
  if (problem.b_ConvertedToInternalUnits) return;
  problem.b_ConvertedToInternalUnits = true;
  if (problem.IUNITS == kUnitsUSCustomary) Convert_US_Customary(problem);
}

}  // namespace tavik
