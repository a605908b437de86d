// Empirical factors shared by several criteria and by the layering correction: the Reese
// sand factors A and B against the depth ratio z/b, and the stiff clay factors As and Ac.
#ifndef TAVIK_PYCURVES_CRITERION_FACTORS_H
#define TAVIK_PYCURVES_CRITERION_FACTORS_H

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

}  // namespace tavik

#endif  // TAVIK_PYCURVES_CRITERION_FACTORS_H
