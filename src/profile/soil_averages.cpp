// Averages of a soil property from the ground surface down to a depth: effective unit weight
// (all soil criteria) and cohesion (stiff clays).
#include "profile/soil_lookup.h"

namespace tavik {

namespace {

constexpr double kSmallDepth = 1.0e-6;
constexpr int kBelowCohesionDataError = 3;     // INP00003
constexpr int kBelowUnitWeightDataError = 15;  // INP00015

using PointField = double SoilPropertyPoint::*;

// Contribution of the part of segment k (points k-1, k) above x, with x inside it, to the
// mean over the depth d; a zero-thickness segment contributes nothing.
double Partial_Segment(const ProblemData& problem, PointField field, int k, double x, double d) {
  const double top = Point_Depth(problem, k - 1);
  const double thickness = Point_Depth(problem, k) - top;
  if (thickness < kSmallDepth) return 0.0;
  const double g_top = Property_Point(problem, k - 1).*field;
  const double g_bottom = Property_Point(problem, k).*field;
  return (2.0 * g_top + (g_bottom - g_top) * (x - top) / thickness) * 0.5 * (x - top) / d;
}

// Trapezoidal mean of `field` from the ground surface to x, for x at least 1.0E-6 below it.
// Sets *below_profile when x lies below the deepest point (the sum then covers the whole
// profile).
double Trapezoidal_Mean(const ProblemData& problem, PointField field, double x, double d,
                        bool* below_profile) {
  const int np = Num_Property_Points(problem);
  double sum = 0.0;
  for (int k = 2; k <= np; ++k) {
    if (x < Point_Depth(problem, k)) return sum + Partial_Segment(problem, field, k, x, d);
    const double g_top = Property_Point(problem, k - 1).*field;
    const double g_bottom = Property_Point(problem, k).*field;
    sum += (g_bottom + g_top) * 0.5 * (Point_Depth(problem, k) - Point_Depth(problem, k - 1)) / d;
  }
  *below_profile = (x > Point_Depth(problem, np));
  return sum;
}

void Write_Below_Unit_Weight_Data(RunContext& run, double x) {
  for (TextChannel* out : {&run.Report, &run.Messages}) {
    out->Write_Line("**** Input Data Error No. 15 ****");
    out->Empty_Lines(1);
    out->Write_Line("An error was detected related to an incompatibility between ");
    out->Write_Line("the data defining pile embedment depth and effective unit ");
    out->Write_Line("weights versus depth.");
    out->Empty_Lines(1);
    out->Line().A("The value for a pile station depth is ").ES(x, 12, 4);
    out->End_Line();
    out->Write_Line("This depth is below the deepest extent of the input curve for");
    out->Write_Line("effective unit weight versus depth.");
    out->Empty_Lines(1);
    out->Write_Line("Solution:");
    out->Write_Line("Please revise the input data by either extending the maximum");
    out->Write_Line("depth for effective unit weight or shorten the length of pile");
    out->Write_Line("to be within the range of defined soil properties.");
    out->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(kBelowUnitWeightDataError),
                       100 + kBelowUnitWeightDataError);
}

void Write_Below_Cohesion_Data(RunContext& run, double x) {
  for (TextChannel* out : {&run.Report, &run.Messages}) {
    out->Write_Line("**** Input Data Error No. 3 ****");
    out->Empty_Lines(1);
    out->Write_Line("An error was detected that is related to an incompatibility");
    out->Write_Line("between the input data defining the embedment of the pile and");
    out->Write_Line("the maximum depth of the soil shear strength data.");
    out->Empty_Lines(1);
    out->Line().A("The value for a pile station depth is ").ES(x, 12, 4);
    out->End_Line();
    out->Write_Line("This depth is below the deepest extent of the input data for");
    out->Write_Line("soil shear strength versus depth.");
    out->Empty_Lines(1);
    out->Write_Line("Solution:");
    out->Write_Line("Please revise the input data by either extending the maximum");
    out->Write_Line("depth for soil shear strength or shorten the pile to correct");
    out->Write_Line("this problem.");
    out->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(kBelowCohesionDataError),
                       100 + kBelowCohesionDataError);
}

}  // namespace

// Avg_Unit_Weight_To_Depth(x): reads GroundSurfaceDepth and the EffectiveUnitWeight points;
// unit weight as stored (pci internally in US customary units). Input error 15 below the
// profile.
double Avg_Unit_Weight_To_Depth(RunContext& run, double x) {
  const ProblemData& problem = run.Problem;
  if (x < problem.GroundSurfaceDepth) return 0.0;
  const int np = Num_Property_Points(problem);
  if (np < 2) return 0.0;  // no profile: nothing to average
  const double d = x - problem.GroundSurfaceDepth;
  if (d < kSmallDepth) {
    for (int k = 1; k <= np; ++k) {
      const double g = Property_Point(problem, k).EffectiveUnitWeight;
      if (g > 0.0) return g;
    }
    return Property_Point(problem, np).EffectiveUnitWeight;
  }
  bool below_profile = false;
  const double mean =
      Trapezoidal_Mean(problem, &SoilPropertyPoint::EffectiveUnitWeight, x, d, &below_profile);
  if (below_profile) Write_Below_Unit_Weight_Data(run, x);
  return mean;
}

// Avg_Cohesion_To_Depth(x): reads GroundSurfaceDepth and the Cohesion points; at the ground
// surface fn_c(x) (which publishes the interface flag). Input error 3 below the profile.
double Avg_Cohesion_To_Depth(RunContext& run, double x) {
  const ProblemData& problem = run.Problem;
  if (x < problem.GroundSurfaceDepth) return 0.0;
  const int np = Num_Property_Points(problem);
  if (np < 2) return 0.0;
  const double d = x - problem.GroundSurfaceDepth;
  if (d < kSmallDepth) return fn_c(run, x);
  bool below_profile = false;
  const double mean = Trapezoidal_Mean(problem, &SoilPropertyPoint::Cohesion, x, d, &below_profile);
  if (below_profile) Write_Below_Cohesion_Data(run, x);
  return mean;
}

}  // namespace tavik
