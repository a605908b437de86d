#include <algorithm>

#include "input/input_checks.h"

namespace tavik {

namespace {
constexpr int kTipShearCurveError = 50;  // INP00050

// The first point of the curve at which it goes wrong, or 0 when it is sound: point 1 must
// have a displacement of 0, and each later displacement must exceed the one before it.
int First_Bad_Point(const TipShearTable& curve) {
  const int count = std::clamp(curve.NumPoints, 0, kMaxTipShearPoints);
  if (count == 0) return 0;
  if (curve.Displacement[0] != 0.0) return 1;
  for (int i = 2; i <= count; ++i) {
    if (!(curve.Displacement[i - 2] < curve.Displacement[i - 1])) return i;
  }
  return 0;
}
}  // namespace

// Check_Tip_Shear_Curve: reads the displacements of the TipShear table (whatever the option
// UseTipShear says). At the first bad point, both files receive the error 50 block naming the
// point and the run ends with input error 50 (number 150). The forces are not tested.
void Check_Tip_Shear_Curve(RunContext& run) {
  const int bad_point = First_Bad_Point(run.Problem.TipShear);
  if (bad_point == 0) return;
  for (TextChannel* channel : {&run.Report, &run.Messages}) {
    channel->Write_Line("**** Input Data Error No. 50 ****");
    channel->Empty_Lines(1);
    channel->Line()
        .A("Problem:   The input data for shear resistance at the pile tip appears to be in "
           "error at point ")
        .I(bad_point, 0)
        .A(".");
    channel->End_Line();
    channel->Empty_Lines(1);
    channel->Write_Line(
        "Solution:  Check that the first point is (0,0) and that the x-values sucessively "
        "increase in deflection and magnitude.");
  }
  Terminate_With_Error(run, Input_Error_Code(kTipShearCurveError), 100 + kTipShearCurveError);
}

}  // namespace tavik
