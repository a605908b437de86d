// What the two sand criteria (Reese et al. and API RP-2A) share: the friction-angle terms
// of the wedge, the active coefficient on sloping ground, the wedge (shallow) and
// flow-around (deep) ultimate resistances, the slope modification of the wedge, the depth
// used by the curve (layering correction), the layer's integrated resistance and the note
// on the depth printed under each curve.
#ifndef TAVIK_PYCURVES_SAND_TERMS_H
#define TAVIK_PYCURVES_SAND_TERMS_H

#include "run/run_context.h"

namespace tavik {

// The friction-angle terms of a node: alpha = phi/2, beta = pi/4 + alpha, K0 = 0.4,
// Kp = tan^2 beta and the level-ground Ka = tan^2(pi/4 - alpha). Angles in radians.
struct SandAngles {
  double PhiR = 0.0;
  double Alpha = 0.0;
  double Beta = 0.0;
  double K0 = 0.0;
  double KaLevel = 0.0;
  double Kp = 0.0;
  double TanPhi = 0.0;
  double TanAlpha = 0.0;
  double TanBeta = 0.0;
  double SinBeta = 0.0;
  double CosAlpha = 0.0;
  double TanBetaMinusPhi = 0.0;  // tan(beta - phi)
};
SandAngles Sand_Angles(double phi_r);

// True when the slope theta is as steep as the friction angle or steeper:
// cos^2 theta - cos^2 phi < 1.0E-10 (no real active coefficient on that slope).
bool Slope_Steeper_Than_Friction(double theta, double phi_r);

// The active coefficient on ground sloping at theta (radians):
// cos theta (cos theta - r)/(cos theta + r), r = sqrt(cos^2 theta - cos^2 phi). Where the
// slope is as steep as the friction angle or steeper it has no real value; the level-ground
// Ka of `angles` is returned instead, so that the curve stays finite.
double Sloping_Ground_Ka(const SandAngles& angles, double theta);

// Wedge resistance at depth z (force/length) with the active coefficient ka:
// gamma z [K0 z tan(phi) sin(beta)/(cos(alpha) tan(beta-phi)) + tan(beta)/tan(beta-phi)
// (b + z tan(beta) tan(alpha)) + K0 z tan(beta)(tan(phi) sin(beta) - tan(alpha)) - ka b].
double Sand_Wedge_Resistance(const SandAngles& a, double ka, double gamma, double z, double b);

// The wedge on sloping ground with s = 1 +- t, t = tan|theta| tan(beta) (s > 1.0E-20):
// q = t/s, M = 4q^3 - 3q^2 + 1, gamma z [tan(beta)/tan(beta-phi) (b + z tan(beta)
// tan(alpha)/s)/s - ka b + M K0 z tan(phi) sin(beta)/(cos(alpha) tan(beta-phi)) +
// M K0 z tan(beta)(tan(phi) sin(beta) - tan(alpha))].
double Sand_Sloped_Wedge_Resistance(const SandAngles& a, double ka, double gamma, double z,
                                    double b, double t, double s);

// The wedge resistance with the slope modification when |theta| > `slope_threshold`:
// t = tan|theta| tan(beta); s = 1 + t when the deflection and theta have the same sign
// (deflection > 1.0E-14 with theta > 1.0E-14, or deflection < 1.0E-14 with theta <
// 1.0E-14), 1 - t otherwise; the sloped wedge when s > 1.0E-20, the level one otherwise.
// Without the modification s = 1. Writes s to *s.
double Sand_Wedge_With_Slope(const SandAngles& a, double ka, double gamma, double z, double b,
                             double theta, double deflection, double slope_threshold, double* s);

// Flow-around resistance at depth z with the level-ground Ka, whatever the slope:
// (K0 tan(phi) tan^4(beta) + Ka (tan^8(beta) - 1)) b gamma z.
double Sand_Flow_Around_Resistance(const SandAngles& a, double gamma, double z, double b);

// rd_LayerPuSum(j), the resistance integrated over the layer for the layering correction
// (Accumulate_Layer_Resistance); in layer 1 with the ground above the pile head it is
// value * 0.5 * (XLayerBottom(1) - XLayerTop(1)).
void Accumulate_Sand_Layer_Resistance(RunContext& run, int j, int i, double previous, double value);

// The deflection that gives the slope sign of the wedge at output depth d in the output
// pass: the converged deflection of load case 1 interpolated among the regular nodes by
// vertical depth (the first regular node at or below d and the one above it). A depth at or
// above the first node takes the head deflection; one below the last node the tip's.
double Output_Depth_Deflection(const RunContext& run, double d);

// The note under the parameters of a printed curve: "This p-y curve is computed using the
// equivalent depth." or, below rock (i_RockLayersAbove > 0), the three lines saying that
// the true depth is used.
void Write_Sand_Depth_Note(RunContext& run);

}  // namespace tavik

#endif  // TAVIK_PYCURVES_SAND_TERMS_H
