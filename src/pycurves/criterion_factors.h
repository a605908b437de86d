// Empirical factors shared by several criteria and by the layering correction: the Reese
// sand factors A and B against the depth ratio z/b, the stiff clay factors As and Ac, and
// the stiff clays' default subgrade modulus and e50 by cohesion class.
#ifndef TAVIK_PYCURVES_CRITERION_FACTORS_H
#define TAVIK_PYCURVES_CRITERION_FACTORS_H

#include <array>

#include "run/problem_data.h"

namespace tavik {

// The four tables of the Reese sand criteria.
enum class SandFactorTable { AStatic, ACyclic, BStatic, BCyclic };

// Sand_Factor_At_Ratio(z, b, table): r = z/b; the last value for r at or beyond 6 (the
// last ratio of the table); otherwise linear between the two table points that bracket r.
double Sand_Factor_At_Ratio(double z, double b, SandFactorTable table);

// Factor A of the Reese sand criteria for the loading type (cyclic or static).
inline double Sand_Factor_A(double z, double b, bool cyclic) {
  return Sand_Factor_At_Ratio(z, b, cyclic ? SandFactorTable::ACyclic : SandFactorTable::AStatic);
}

// Stiff clay with free water: As(r) = 0.2345 + 0.2958796 r - 0.0786111 r^2 + 0.0068981 r^3,
// 0.6 when r > 3.3 or the polynomial exceeds 0.6; Ac(r) = 0.2 + 0.153333 r - 0.075 r^2 +
// 0.011667 r^3, 0.3 when r > 1.5 or the polynomial exceeds 0.3.
double Stiff_Clay_As(double r);
double Stiff_Clay_Ac(double r);

// The cohesion classes of the stiff clays' defaults: below 1000 psf, 1000 to 2000, 2000 to
// 4000, 4000 and above (a value on a limit belongs to the higher class). The criteria with
// and without free water state the limits with different roundings, so each passes its own
// (psi and kPa).
struct CohesionClassLimits {
  std::array<double, 3> Psi;
  std::array<double, 3> KPa;
};
// The class 0 to 3 of cohesion c (the run's units); -1 in general units, which have no
// defaults.
int Stiff_Clay_Cohesion_Class(int iunits, double c, const CohesionClassLimits& limits);
// Default e50 of a class: 0.011, 0.007, 0.005, 0.004.
double Stiff_Clay_Default_Epsilon50(int cls);
// The subgrade modulus k of stiff clay layer j at soil depth x (force/length**3): a bottom
// value <= 0 takes the top value (stored in the layer); linear in depth over the layer (the
// top value in a layer of no thickness); the default of class `cls` for the loading type
// (static 250, 500, 1000, 2000 pci, cyclic 100, 200, 400, 800 pci, or their SI values) when
// the top value is not positive (stiff clay with free water) or, with
// `default_only_for_zero_top`, only when it is exactly 0 (stiff clay without free water
// using k, where a negative top value stays). In general units (cls -1) the input value
// stays.
double Stiff_Clay_Layer_k(ProblemData& problem, int j, double x, int cls,
                          bool default_only_for_zero_top = false);
// The default k of class `cls` (0 to 3) alone, for the loading type and the units system
// (SI, else US customary).
double Stiff_Clay_Default_k(const ProblemData& problem, int cls);

}  // namespace tavik

#endif  // TAVIK_PYCURVES_CRITERION_FACTORS_H
