// The moment-curvature engine: for one nonlinear section and every axial thrust of the run,
// the curvature is raised step by step and, at each curvature, the depth of the neutral
// axis is found by Newton iteration so that the axial force of the sliced section equals the
// thrust; the stresses then give the bending moment, the secant EI = M / phi, the extreme
// fibre strains, the stress maxima and the run messages. Each curve yields the nominal moment
// capacity at a compression-face strain of 0.003.
#ifndef TAVIK_SECTIONS_MOMENT_CURVATURE_H
#define TAVIK_SECTIONS_MOMENT_CURVATURE_H

#include "run/run_context.h"
#include "sections/ei_vars.h"

namespace tavik {

// The materials a section shape carries.
struct SectionComponents {
  bool concrete = false;
  bool bars = false;
  bool casing = false;
  bool core = false;
  bool core_concrete = false;
};
SectionComponents Components_Of_Shape(int shape);

// The axial force (compression positive) of the section at curvature phi with the neutral
// axis at depth c below the compression face: slice strains (c - depth) phi, the stresses of
// every material of the shape, their sum over the slices. The concrete's extreme fibre test
// takes `c_iterate`, the neutral axis depth of the search's current iterate. Leaves the
// strains and stresses in `vars`.
double Compute_Axial_Thrust_Force(EI_Vars& vars, double phi, double c, double c_iterate);

// Sets b_Yielded when a full evaluation at (phi, c) would find a steel stress at its limit
// (the same tests as the stress curves, without forming the stresses).
void Record_Yield(EI_Vars& vars, double phi, double c);

// The Newton search for the neutral axis depth of point i of `curve` at thrust p (section
// force units), starting from c0 (updated: it is the start of the next point's search).
// Sets curve.NeutralAxisDepth[i]; the slice stresses of its last evaluation stay in `vars`.
// Ends the run with runtime error 16 after 1000 iterations.
void Find_Neutral_Axis(RunContext& run, EI_Vars& vars, MomentCurvatureCurve& curve, int i, double p,
                       double& c0);

// Moment about the mid-depth, EI and the extreme fibre strains of point i, from the stresses
// left by its search.
void Compute_Section_Moment(const EI_Vars& vars, MomentCurvatureCurve& curve, int i);

// The stress maxima of point i (and, for round reinforced sections, the most tensile bar
// strain).
void Compute_Section_Maxima(const EI_Vars& vars, MomentCurvatureCurve& curve, int i);

// The first curvature step (1/in or 1/m): 1.25e-6 / max(1, nint(width / 24 in)) in US
// customary units, the same in 1/m for SI.
double First_Curvature_Step(int iunits, double width);

// The nominal moment capacity of a finished curve: the moment at a compression-face strain
// of 0.003 by linear interpolation, or the largest moment when the face never reached it;
// the steel pipe takes its last moment.
double Nominal_Moment_Capacity(const MomentCurvatureCurve& curve, bool steel_pipe);

// The whole computation of section j, whose record is loaded into engine.Vars: the
// preparation, the concrete properties block, the thrust list checks and blocks, one curve
// per thrust with its report, the tables stored in run.EITables, the plot records and the
// summary of nominal moment capacities. Stiffness-only runs drop the thrusts outside the
// axial capacities (for this and all later sections); full analyses stop on them with runtime
// errors 24 to 27. Returns with the run's error number set when an error stopped it.
void Compute_Moment_Curvature(RunContext& run, SectionEngineState& engine, int j,
                              const PileSection& section);

}  // namespace tavik

#endif  // TAVIK_SECTIONS_MOMENT_CURVATURE_H
