// The soil profile as the p-y criteria see it, and the lookups that turn a depth into a
// property value.
//
// The layers form an ordered list of NP = 2 * i_Number_of_Layers property points: point
// 2j-1 lies at XLayerTop(j) and carries the layer's Top properties, point 2j lies at
// XLayerBottom(j) and carries its Bottom properties. At every interface two points share
// one depth and a property may jump there; between the two points of one layer values vary
// linearly with depth.
//
// Every lookup takes one depth x measured from the pile head in the run's internal length
// unit (inches in US customary units, metres in SI) and returns one value. A lookup that
// finds an error writes its message block, ends the run through Terminate_With_Error and
// returns the value stated; the caller tests run.Status.Has_Error() and returns at once.
#ifndef TAVIK_PROFILE_SOIL_LOOKUP_H
#define TAVIK_PROFILE_SOIL_LOOKUP_H

#include <algorithm>

#include "run/problem_data.h"
#include "run/run_context.h"

namespace tavik {

// ---- The property-point view of the layers (k = 1 .. NP) ----

inline int Num_Property_Points(const ProblemData& problem) {
  return 2 * std::clamp(problem.i_Number_of_Layers, 0, kMaxLayers);
}
inline double Point_Depth(const ProblemData& problem, int k) {
  const SoilLayer& layer = problem.Layers[(k - 1) / 2];
  return (k % 2 == 1) ? layer.XLayerTop : layer.XLayerBottom;
}
inline const SoilPropertyPoint& Property_Point(const ProblemData& problem, int k) {
  const SoilLayer& layer = problem.Layers[(k - 1) / 2];
  return (k % 2 == 1) ? layer.Top : layer.Bottom;
}

// ---- Lookups ----

// Cohesion (undrained shear strength; the uniaxial compressive strength of the rock codes)
// at x. Publishes run.b_AtInterface: true when x lies within 1.0E-6 of an interior
// property point. At an interface the value is chosen by the soil classes of the two
// layers (cohesive, cohesionless, rock, user curves, elastic subgrade); at the pile tip the
// upper layer's value applies. Errors: x below the deepest point (input error 5, returns
// 0); a zero-thickness layer (input error 60); an interface that matches no layer pair
// (RUN00999, number 999); a pair of classes that cannot meet (runtime error 30, code
// RUN00024, number 230).
double fn_c(RunContext& run, double x);

// Epsilon50 / friction angle (degrees) / J factor at x. Linear within a layer; at an
// interface the mean of the two values, or the positive one when the other is zero; at
// x = PileLength the upper layer's value. Below the deepest point: Epsilon50 and J return
// 0; the friction angle writes input error 4 and returns 0.
double Epsilon50_At_Depth(const RunContext& run, double x);
double Friction_Angle_At_Depth(RunContext& run, double x);
double J_At_Depth(const RunContext& run, double x);

// Weak rock's RQD (percent) at x, by the rule of Epsilon50_At_Depth but without the pile
// tip exception. Errors: x below the deepest point (input error 31), a value outside 0 to
// 100 percent (input error 49); both return 0.
double RQD_At_Depth(RunContext& run, double x);

// Weak rock's krm (held in the Epsilon50 field) at x: the lower layer's value at an
// interface, except at the pile tip. 0 outside the profile.
double Krm_At_Depth(const RunContext& run, double x);

// Trapezoidal mean of the effective unit weight from the ground surface down to x; 0 above
// the ground surface; at the ground surface the first positive unit weight of the profile.
// Below the deepest point: input error 15.
double Avg_Unit_Weight_To_Depth(RunContext& run, double x);

// The same mean of the cohesion; at the ground surface fn_c(x). Below the deepest point:
// input error 3.
double Avg_Cohesion_To_Depth(RunContext& run, double x);

// p- and y-multipliers of the PyModifiers table at x (depth along the pile axis): 1.0
// outside the table's depth range and for an empty table or a table of a single point;
// linear between points; at a step (two rows at one depth) the second row's value.
double P_Multiplier_At_Depth(const RunContext& run, double x);
double Y_Multiplier_At_Depth(const RunContext& run, double x);

// A layer property linear in the soil depth x between its top and bottom values: top +
// (bottom - top) (x - XLayerTop) / (XLayerBottom - XLayerTop). A layer without thickness
// (only ever met at a single depth) takes its top value.
double Value_Over_Layer(const SoilLayer& layer, double top_value, double bottom_value, double x);

// Which rock criterion asks for a layer modulus (selects the runtime error 20 message).
enum class RockModulusCaller { WeakRock, MassiveRock };

// Subgrade modulus (or rock-mass modulus) of layer j (1-based) at x, linear between
// SubgradeModulusTop and SubgradeModulusBottom over the layer. A layer of zero thickness is
// runtime error 20 (RUN00020, number 220) with the caller's message; returns 0.
double Layer_Modulus_At_Depth(RunContext& run, int j, double x, RockModulusCaller caller);

}  // namespace tavik

#endif  // TAVIK_PROFILE_SOIL_LOOKUP_H
