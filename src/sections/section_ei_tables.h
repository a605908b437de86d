// The bending-stiffness tables of the pile sections: for every section j and every axial
// thrust t of the run, a table of points p (bending moment, bending stiffness EI,
// curvature), ascending in p, with the section's nominal moment capacity. The section
// engine fills them once per run, before the first load case; the load-case iteration reads
// the secant EI of a node from them, the LRFD check the moment capacity.
//
// Units of the tables: kips and inches in US customary units (moment kip-in, EI kip-in**2,
// curvature 1/in), kN and metres in SI (kN-m, kN-m**2, 1/m); the thrust list is in kips in
// US customary units. The nominal moment capacity is held in the run's units (in-lbs or
// kN-m). Indices are 1-based: p = 1..150, t = 1..100, j = 1..20.
#ifndef TAVIK_SECTIONS_SECTION_EI_TABLES_H
#define TAVIK_SECTIONS_SECTION_EI_TABLES_H

#include <array>
#include <cstddef>
#include <vector>

#include "run/problem_data.h"

namespace tavik {

inline constexpr int kMaxEIPoints = 150;  // points of one moment-curvature table

struct SectionEITables {
  // The thrust list T(1..n) of the run, ascending: the thrusts the tables were computed for.
  int NumThrusts = 0;
  std::array<double, kMaxThrusts + 1> Thrust{};
  // The thrusts of each section's own tables, ascending: the run's list, except for a
  // section of user-input EI curves, whose tables follow the thrusts of its input curves.
  std::array<int, kMaxSections + 1> NumSectionThrusts{};
  std::array<std::array<double, kMaxSections + 1>, kMaxThrusts + 1> SectionThrust{};
  // np(t, j): points of the table of section j at thrust t; 0 while no table is built.
  std::array<std::array<int, kMaxSections + 1>, kMaxThrusts + 1> NumPoints{};
  // Mn(t, j): nominal moment capacity, in the run's units.
  std::array<std::array<double, kMaxSections + 1>, kMaxThrusts + 1> NominalMoment{};
  // The point data, one flat block per quantity, section by section; sized by
  // Allocate_Section_EI_Tables for the sections of the run (120 kB per section and quantity),
  // so that a run pays only for the tables it builds.
  std::vector<double> MomentData;
  std::vector<double> StiffnessData;
  std::vector<double> CurvatureData;

  bool Has_Table(int t, int j) const { return NumPoints[t][j] > 0; }
  double& Mt(int p, int t, int j) { return MomentData[Index(p, t, j)]; }
  double& EIt(int p, int t, int j) { return StiffnessData[Index(p, t, j)]; }
  double& Phit(int p, int t, int j) { return CurvatureData[Index(p, t, j)]; }
  double Mt(int p, int t, int j) const { return MomentData[Index(p, t, j)]; }
  double EIt(int p, int t, int j) const { return StiffnessData[Index(p, t, j)]; }
  double Phit(int p, int t, int j) const { return CurvatureData[Index(p, t, j)]; }

  static std::size_t Index(int p, int t, int j) {
    return (static_cast<std::size_t>(j - 1) * kMaxThrusts + static_cast<std::size_t>(t - 1)) *
               kMaxEIPoints +
           static_cast<std::size_t>(p - 1);
  }
};

// Sizes the point data for sections 1 to num_sections, every thrust and point (zero-filled).
// Called once by the builder of the tables before it stores a point.
inline void Allocate_Section_EI_Tables(SectionEITables& tables, int num_sections = kMaxSections) {
  const int sections =
      num_sections < 1 ? 1 : (num_sections > kMaxSections ? kMaxSections : num_sections);
  const std::size_t size = static_cast<std::size_t>(sections) * kMaxThrusts * kMaxEIPoints;
  tables.MomentData.assign(size, 0.0);
  tables.StiffnessData.assign(size, 0.0);
  tables.CurvatureData.assign(size, 0.0);
}

// Sets the thrust list of section j's tables: thrust[1..n] (table units).
inline void Set_Section_Thrusts(SectionEITables& tables, int j, int n,
                                const std::array<double, kMaxThrusts + 1>& thrust) {
  tables.NumSectionThrusts[j] = n;
  for (int t = 1; t <= kMaxThrusts; ++t) tables.SectionThrust[t][j] = t <= n ? thrust[t] : 0.0;
}

}  // namespace tavik

#endif  // TAVIK_SECTIONS_SECTION_EI_TABLES_H
