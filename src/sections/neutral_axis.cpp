// The Newton search for the depth of the neutral axis at one curvature.
#include <cmath>

#include "run/run_status.h"
#include "sections/moment_curvature.h"

namespace tavik {

namespace {
constexpr int kMaxSearchIterations = 1000;
constexpr int kNeutralAxisNotFound = 16;
// The step taken when the force does not change with the depth.
constexpr double kFlatSlopeStep = 1e-8;

struct SearchConstants {
  double delta;      // half-width of the central difference of N(c)
  double tolerance;  // the search ends when a step is this small
};

SearchConstants Search_Constants(int iunits) {
  // 1e-7 in and 1e-6 in in US customary units; the same lengths in metres otherwise.
  if (iunits == kUnitsUSCustomary) return {1e-7, 1e-6};
  return {2.54e-9, 2.54e-8};
}

void Report_Not_Found(RunContext& run) {
  run.Report.Write_Line("**** Runtime Error No. 16 ****");
  run.Report.Empty_Lines(1);
  run.Report.Write_Line("Location of neutral axis was not found within 1,000 iterations.");
  Terminate_With_Error(run, Runtime_Error_Code(kNeutralAxisNotFound), 200 + kNeutralAxisNotFound);
}
}  // namespace

void Find_Neutral_Axis(RunContext& run, EI_Vars& vars, MomentCurvatureCurve& curve, int i, double p,
                       double& c0) {
  const SearchConstants search = Search_Constants(vars.IUNITS);
  const double phi = curve.Curvature[i];
  const double half_depth = vars.rd_Depth / 2.0;
  // The section at mid-depth first: a yield found there stays recorded for the point (its
  // force is not used).
  Record_Yield(vars, phi, half_depth);
  if (std::fabs(c0) > vars.rd_Depth) c0 = half_depth;

  double best_c = c0;
  double best_f = 0.0;
  double f0 = 0.0;
  double step = 0.0;
  int iteration = 0;
  do {
    ++iteration;
    const double n0 = Compute_Axial_Thrust_Force(vars, phi, c0, c0);
    const double n_minus = Compute_Axial_Thrust_Force(vars, phi, c0 - search.delta, c0);
    const double n_plus = Compute_Axial_Thrust_Force(vars, phi, c0 + search.delta, c0);
    f0 = n0 - p;
    if (iteration == 1 || std::fabs(f0) < std::fabs(best_f)) {
      best_c = c0;
      best_f = f0;
    }
    const double slope = (n_plus - n_minus) / (2.0 * search.delta);
    step = slope == 0.0 ? kFlatSlopeStep : -f0 / slope;
    c0 += step;
    if (iteration >= kMaxSearchIterations) {
      Report_Not_Found(run);
      return;
    }
  } while (std::fabs(step) > search.tolerance);

  // The last iterate is worse than an earlier one (Newton cycling across a kink of the
  // stress curves): a restart from the best depth would retrace the same iterates, so the
  // search ends there, with the stresses of that depth.
  if (std::fabs(f0) > std::fabs(best_f)) {
    c0 = best_c;
    Compute_Axial_Thrust_Force(vars, phi, c0, c0);
  }
  curve.NeutralAxisDepth[i] = c0;
}

}  // namespace tavik
