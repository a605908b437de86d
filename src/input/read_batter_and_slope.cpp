#include <numbers>
#include <string_view>

#include "input/block_readers.h"
#include "input/input_errors.h"

namespace tavik {

namespace {
constexpr std::string_view kBlock = "PILE BATTER AND SLOPE";
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
}  // namespace

// Reads the "PILE BATTER AND SLOPE" block: a line with the ground slope angle, then a line
// with the pile batter angle, both in degrees. Stores GroundSlopeAngle and PileBatterAngle in
// radians and the effective slope SlopeMinusBatter = GroundSlopeAngle - PileBatterAngle.
// Errors: a value that is not a number (input error 90), the end of the file inside the
// block (99).
void Read_Batter_And_Slope(RunContext& run) {
  run.Messages.Write_Line("Reading pile batter and ground slope angles");
  double slope_degrees = 0.0;
  double batter_degrees = 0.0;
  for (double* angle : {&slope_degrees, &batter_degrees}) {
    FreeFormatRead read(run.Input);  // each angle on a line of its own
    read.Real(*angle);
    if (read.Failed()) {
      Report_Read_Failure(run, read, kBlock);
      return;
    }
  }
  ProblemData& problem = run.Problem;
  problem.GroundSlopeAngle = slope_degrees * kRadiansPerDegree;
  problem.PileBatterAngle = batter_degrees * kRadiansPerDegree;
  problem.SlopeMinusBatter = problem.GroundSlopeAngle - problem.PileBatterAngle;
}

}  // namespace tavik
