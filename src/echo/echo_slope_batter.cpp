#include "echo/echo_blocks.h"

namespace tavik {

namespace {
constexpr int kSlopeIndent = 22;

// One angle: degrees on the labelled line, radians on the next, aligned under it.
void Echo_Angle(TextChannel& report, std::string_view label, double radians) {
  Labelled(report, label).F(Degrees(radians), 12, 3).A(" degrees");
  report.End_Line();
  report.Line().T(kEqualsColumn).A("= ").F(radians, 12, 3).A(" radians");
  report.End_Line();
}
}  // namespace

// Echo_Slope_And_Batter: reads GroundSlopeAngle and PileBatterAngle (radians) and writes the
// heading "Ground Slope and Pile Batter Angles" and each angle in degrees and in radians.
void Echo_Slope_And_Batter(RunContext& run) {
  TextChannel& report = run.Report;
  Write_Heading(report, "Ground Slope and Pile Batter Angles", kSlopeIndent);
  Echo_Angle(report, "Ground Slope Angle", run.Problem.GroundSlopeAngle);
  report.Empty_Lines(1);
  Echo_Angle(report, "Pile Batter Angle", run.Problem.PileBatterAngle);
  report.Empty_Lines(2);
}

}  // namespace tavik
