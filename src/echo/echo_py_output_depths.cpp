#include "echo/echo_blocks.h"
#include "input/input_checks.h"

namespace tavik {

namespace {
constexpr int kDepthsIndent = 19;
constexpr int kEmptyLinesBefore = 2;
constexpr int kPileHeadUnitColumn = 22;
constexpr int kGroundUnitColumn = 49;
}  // namespace

// Echo_Py_Output_Depths: only when Options.PrintPYCurves is set. Writes the heading
// "Specified Depths for Output of p-y Curves", runs the output depth check (input errors 29
// and 30; it keeps the depths between the ground surface and the pile tip), then the number
// of kept depths and one row per kept depth (I3, F22.3, F27.3: the depth below the pile head
// and below the ground surface, feet or metres) and the depth of the ground surface.
void Echo_Py_Output_Depths(RunContext& run) {
  if (!run.Problem.Options.PrintPYCurves) return;
  TextChannel& report = run.Report;
  report.Empty_Lines(kEmptyLinesBefore);
  Write_Heading(report, "Specified Depths for Output of p-y Curves", kDepthsIndent);
  Check_Py_Output_Depths(run);
  if (run.Status.Has_Error()) return;
  const ProblemData& problem = run.Problem;
  const std::string_view depth_unit = Trimmed(run.Units.c_UnitDepth);
  report.Line()
      .A("Lateral load-transfer (p-y) curves are computed and output at ")
      .I(problem.NumPyOutputDepths, 0)
      .A(" depths.");
  report.End_Line();
  report.Write_Line(
      "(Note that these curves are independent from the curves used at nodal point depths)");
  report.Empty_Lines(2);
  report.Write_Line("Depth      Depth Below Pile Head      Depth Below Ground Surface");
  report.Line().A(" No.").T(kPileHeadUnitColumn).A(depth_unit).T(kGroundUnitColumn).A(depth_unit);
  report.End_Line();
  report.Write_Line("-----      ---------------------      --------------------------");
  const int depths = Within_Capacity(problem.NumPyOutputDepths, kMaxPyOutputDepths);
  for (int k = 0; k < depths; ++k) {
    const double depth = problem.PyOutputDepths[k];
    report.Line().I(k + 1, 3).F(depth, 22, 3).F(depth - problem.GroundSurfaceDepth, 27, 3);
    report.End_Line();
  }
  report.Empty_Lines(1);
  Unit(report.Line()
           .A("Depth of ground surface below top of pile = ")
           .F(problem.GroundSurfaceDepth, 10, 2),
       depth_unit);
  report.End_Line();
  report.Empty_Lines(1);
}

}  // namespace tavik
