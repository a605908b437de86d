// Point-field lookups of the soil profile: Epsilon50, friction angle, J factor and weak
// rock's RQD and krm at a depth.
#include "profile/soil_lookup.h"

namespace tavik {

namespace {

constexpr double kNegligibleValue = 1.0e-20;
constexpr int kBelowFrictionDataError = 4;  // INP00004
constexpr int kBelowRqdDataError = 31;      // INP00031
constexpr int kRqdOutOfRangeError = 49;     // INP00049
constexpr double kMaxRqd = 100.0;           // percent

using PointField = double SoilPropertyPoint::*;

// Where x lies in the profile for the point-field lookups: k is the first point 2..NP with
// x <= XP(k), 0 when x lies below the deepest point.
int First_Point_At_Or_Below(const ProblemData& problem, double x) {
  const int np = Num_Property_Points(problem);
  for (int k = 2; k <= np; ++k) {
    if (x <= Point_Depth(problem, k)) return k;
  }
  return 0;
}

// The shared rule of the Epsilon50, friction angle, J and RQD lookups, for x within the
// profile (k from First_Point_At_Or_Below, k >= 2). At an interface the mean of the two
// values (or the positive one), except at the pile tip, where the upper value applies
// unless `no_tip_exception` (RQD).
double Point_Field_At(const ProblemData& problem, PointField field, int k, double x,
                      bool no_tip_exception = false) {
  const int np = Num_Property_Points(problem);
  const double value_k = Property_Point(problem, k).*field;
  if (x == Point_Depth(problem, np)) return value_k;
  const double depth_k = Point_Depth(problem, k);
  if (x != depth_k) {
    const double depth_above = Point_Depth(problem, k - 1);
    // A zero-thickness layer above the profile's first point cannot be interpolated.
    if (depth_k == depth_above) return value_k;
    const double value_above = Property_Point(problem, k - 1).*field;
    return value_above + (value_k - value_above) * (x - depth_above) / (depth_k - depth_above);
  }
  if (Point_Depth(problem, k + 1) != depth_k) return value_k;
  // At an interface: the upper value a and the lower value b.
  const double a = value_k;
  const double b = Property_Point(problem, k + 1).*field;
  double mean;
  if (b < kNegligibleValue) {
    mean = a;
  } else if (a < kNegligibleValue) {
    mean = b;
  } else {
    mean = (a + b) * 0.5;
  }
  return (x == problem.PileLength && !no_tip_exception) ? a : mean;
}

void Write_Below_Friction_Data(RunContext& run, double x) {
  for (TextChannel* out : {&run.Report, &run.Messages}) {
    out->Write_Line("**** Input Data Error No. 4 ****");
    out->Empty_Lines(1);
    out->Write_Line("An error was detected that is related to an incompatibility");
    out->Write_Line("between the input data defining the embedment of the pile and");
    out->Write_Line("the maximum depth of the soil shear strength data.");
    out->Empty_Lines(1);
    out->Line().A("Problem:  The value for a pile station depth is ").ES(x, 12, 4);
    out->End_Line();
    out->Write_Line("This depth is below the deepest extent of the input data for");
    out->Write_Line("soil friction angle versus depth.");
    out->Empty_Lines(1);
    out->Write_Line("Solution:  Please revise the input data by either extending ");
    out->Write_Line("the maximum depth for soil friction angle or shorten the ");
    out->Write_Line("pile to correct this problem.");
    out->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(kBelowFrictionDataError),
                       100 + kBelowFrictionDataError);
}

void Write_Below_Rqd_Data(RunContext& run, double x) {
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Write_Line("**** Input Data Error No. 31 ****");
    out->Empty_Lines(1);
    out->Write_Line("An error was detected that is related to an incompatibility");
    out->Write_Line("between the input data defining the embedment of the pile and");
    out->Write_Line("the maximum depth of the soil shear strength data.");
    out->Empty_Lines(1);
    out->Line().A("Problem:  The value for a pile station depth is ").ES(x, 12, 4);
    out->End_Line();
    out->Write_Line("This depth is below the deepest extent of the input data for");
    out->Write_Line("RQD versus depth.");
    out->Empty_Lines(1);
    out->Write_Line("Solution:  Revise the input data by either extending the ");
    out->Write_Line("maximum depth for RQD or shorten the pile to correct this ");
    out->Write_Line("problem.");
    out->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(kBelowRqdDataError), 100 + kBelowRqdDataError);
}

void Write_Rqd_Out_Of_Range(RunContext& run, double rqd) {
  for (TextChannel* out : {&run.Messages, &run.Report}) {
    out->Write_Line("**** Input Data Error No. 49 ****");
    out->Empty_Lines(1);
    out->Write_Line("Problem:  The interpolated value of RQD used for p-y curves in weak rock ");
    out->Write_Line("was found to be invalid because it was either less than zero or more than ");
    out->Write_Line("100 percent.");
    out->Empty_Lines(1);
    out->Write_Line("Solution:  Check your input data and revise in the data for RQD.");
    out->Empty_Lines(1);
    out->Line().A("The interpolated value of RQD = ").ES(rqd, 12, 4).A(" %");
    out->End_Line();
    out->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(kRqdOutOfRangeError), 100 + kRqdOutOfRangeError);
}

}  // namespace

// Epsilon50_At_Depth(x): reads the Epsilon50 points; 0 below the profile.
double Epsilon50_At_Depth(const RunContext& run, double x) {
  const int k = First_Point_At_Or_Below(run.Problem, x);
  if (k == 0) return 0.0;
  return Point_Field_At(run.Problem, &SoilPropertyPoint::Epsilon50, k, x);
}

// Friction_Angle_At_Depth(x): degrees; input error 4 (returns 0) below the profile.
double Friction_Angle_At_Depth(RunContext& run, double x) {
  const int k = First_Point_At_Or_Below(run.Problem, x);
  if (k == 0) {
    Write_Below_Friction_Data(run, x);
    return 0.0;
  }
  return Point_Field_At(run.Problem, &SoilPropertyPoint::FrictionAngle, k, x);
}

// J_At_Depth(x): reads the JFactor points; 0 below the profile.
double J_At_Depth(const RunContext& run, double x) {
  const int k = First_Point_At_Or_Below(run.Problem, x);
  if (k == 0) return 0.0;
  return Point_Field_At(run.Problem, &SoilPropertyPoint::JFactor, k, x);
}

// RQD_At_Depth(x): reads the RQD points (percent); at an interface the mean of the two
// values, or the positive one, also at the pile tip. Input error 31 below the profile,
// input error 49 for a value outside 0 to 100 percent (a value that is not a number
// included); both return 0.
double RQD_At_Depth(RunContext& run, double x) {
  const int k = First_Point_At_Or_Below(run.Problem, x);
  if (k == 0) {
    Write_Below_Rqd_Data(run, x);
    return 0.0;
  }
  const double rqd = Point_Field_At(run.Problem, &SoilPropertyPoint::RQD, k, x, true);
  if (!(rqd >= 0.0 && rqd <= kMaxRqd)) {
    Write_Rqd_Out_Of_Range(run, rqd);
    return 0.0;
  }
  return rqd;
}

// Krm_At_Depth(x): reads the Epsilon50 points (krm of weak rock) and PileLength.
double Krm_At_Depth(const RunContext& run, double x) {
  const ProblemData& problem = run.Problem;
  const int np = Num_Property_Points(problem);
  for (int k = 2; k <= np; ++k) {
    const double depth_k = Point_Depth(problem, k);
    if (!(Point_Depth(problem, k - 1) <= x && x <= depth_k)) continue;
    int m = k;
    if (x == depth_k && k < np && Point_Depth(problem, k + 1) == depth_k &&
        x != problem.PileLength) {
      m = k + 1;
    }
    const double value_m = Property_Point(problem, m).Epsilon50;
    if (x == Point_Depth(problem, np) || x == Point_Depth(problem, m)) return value_m;
    const double depth_above = Point_Depth(problem, m - 1);
    const double value_above = Property_Point(problem, m - 1).Epsilon50;
    return value_above +
           (value_m - value_above) * (x - depth_above) / (Point_Depth(problem, m) - depth_above);
  }
  return 0.0;
}

}  // namespace tavik
