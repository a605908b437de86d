#include "sections/strand_table.h"

#include <array>

namespace tavik {

namespace {

// The table values are single-precision constants, widened to double where they are used.
struct StrandSize {
  float diameter;  // in
  float area;      // in2
};

struct StrandType {
  float ultimate_strength;  // psi; 0 for the deformed bars, whose strength goes by size
  float modulus_ksi;        // US customary units
  float modulus_kpa;        // SI and general units
  int num_sizes;
  std::array<StrandSize, 8> sizes;
};

constexpr float kStrandModulusKsi = 28000.0f;
constexpr float kStrandModulusKpa = 193053200.0f;
constexpr float kBarModulusKsi = 29000.0f;
constexpr float kBarModulusKpa = 199947760.0f;

constexpr std::array<StrandType, kNumStrandTypes> kStrandTable = {{
    // 0: PCI 250 strand
    {250000.0f,
     kStrandModulusKsi,
     kStrandModulusKpa,
     7,
     {{{0.34f, 0.058f},
       {0.25f, 0.036f},
       {0.3125f, 0.058f},
       {0.375f, 0.08f},
       {0.4375f, 0.108f},
       {0.5f, 0.144f},
       {0.6f, 0.216f}}}},
    // 1: PCI 270 strand
    {270000.0f,
     kStrandModulusKsi,
     kStrandModulusKpa,
     8,
     {{{0.34f, 0.058f},
       {0.375f, 0.085f},
       {0.4375f, 0.115f},
       {0.5f, 0.153f},
       {0.5f, 0.167f},
       {0.5625f, 0.192f},
       {0.6f, 0.217f},
       {0.7f, 0.294f}}}},
    // 2: PCI 300 strand
    {300000.0f,
     kStrandModulusKsi,
     kStrandModulusKpa,
     5,
     {{{0.375f, 0.085f}, {0.438f, 0.115f}, {0.5f, 0.153f}, {0.5f, 0.167f}, {0.6f, 0.217f}}}},
    // 3: smooth 145 ksi bars
    {145000.0f,
     kBarModulusKsi,
     kBarModulusKpa,
     6,
     {{{0.75f, 0.442f},
       {0.875f, 0.601f},
       {1.0f, 0.785f},
       {1.125f, 0.994f},
       {1.25f, 1.227f},
       {1.375f, 1.485f}}}},
    // 4: smooth 160 ksi bars
    {160000.0f,
     kBarModulusKsi,
     kBarModulusKpa,
     6,
     {{{0.75f, 0.442f},
       {0.875f, 0.601f},
       {1.0f, 0.785f},
       {1.125f, 0.994f},
       {1.25f, 1.227f},
       {1.375f, 1.485f}}}},
    // 5: deformed bars (150-160 ksi)
    {0.0f,
     kBarModulusKsi,
     kBarModulusKpa,
     6,
     {{{0.625f, 0.28f},
       {1.0f, 0.85f},
       {1.0f, 0.85f},
       {1.25f, 1.25f},
       {1.25f, 1.25f},
       {1.375f, 1.58f}}}},
}};

constexpr int kDeformedBars = 5;
// Ultimate strength of the deformed bars by size, psi.
constexpr std::array<float, 6> kDeformedBarStrength = {157000.0f, 150000.0f, 160000.0f,
                                                       150000.0f, 160000.0f, 150000.0f};

constexpr double kMetresPerInch = static_cast<double>(0.0254f);

}  // namespace

int Strand_Size_Count(int type) {
  if (type < 0 || type >= kNumStrandTypes) return 0;
  return kStrandTable[type].num_sizes;
}

bool Lookup_Strand(PileSection& section, int iunits, int type, int size, int k) {
  if (type < 0 || type >= kNumStrandTypes) return false;
  const StrandType& row = kStrandTable[type];
  ReinforcementData& steel = section.Rebar;
  steel.SteelModulus = iunits == kUnitsUSCustomary ? row.modulus_ksi : row.modulus_kpa;
  const bool size_in_row = size >= 0 && size < row.num_sizes;
  if (type == kDeformedBars) {
    if (size_in_row) steel.StrandUltimateStrength = kDeformedBarStrength[size];
  } else {
    steel.StrandUltimateStrength = row.ultimate_strength;
  }
  if (!size_in_row || k < 1 || k > kMaxBars) return false;
  double diameter = row.sizes[size].diameter;
  double area = row.sizes[size].area;
  if (iunits == kUnitsSI) {
    diameter *= kMetresPerInch;
    area *= kMetresPerInch * kMetresPerInch;
  }
  steel.BarDiameter[k - 1] = diameter;
  steel.BarArea[k - 1] = area;
  return true;
}

}  // namespace tavik
