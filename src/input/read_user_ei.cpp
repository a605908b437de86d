// User-defined nonlinear bending stiffness of section type 13.
#include "input/section_readers.h"

namespace tavik {

// Reads the stiffness table of section i after its width: the number of axial thrusts, and
// for each thrust its value (force), its number of points and, for each point, the bending
// moment and the bending stiffness EI on a line each. Nothing is converted. Ends the run
// with input error 91 for more than 100 thrusts or 150 points per thrust, 92 for a negative
// count.
void Read_User_EI(RunContext& run, int i) {
  std::vector<UserEICurve>& curves = run.Problem.Sections[i - 1].UserEI.Curves;
  curves.clear();
  int thrusts = 0;
  if (!Read_Section_Integer(run, thrusts)) return;
  if (!Check_Section_Count(run, "user EI axial thrusts", thrusts, 0, kMaxUserEIThrusts)) return;
  for (int t = 0; t < thrusts; ++t) {
    UserEICurve& curve = curves.emplace_back();
    if (!Read_Section_Real(run, curve.UserThrust)) return;
    int points = 0;
    if (!Read_Section_Integer(run, points)) return;
    if (!Check_Section_Count(run, "user EI points for one thrust", points, 0, kMaxUserEIPoints)) {
      return;
    }
    for (int k = 0; k < points; ++k) {
      double moment = 0.0;
      double stiffness = 0.0;
      if (!Read_Section_Real(run, moment)) return;
      if (!Read_Section_Real(run, stiffness)) return;
      curve.UserMoment.push_back(moment);
      curve.UserStiffness.push_back(stiffness);
    }
  }
}

}  // namespace tavik
