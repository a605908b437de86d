#include "echo/echo_blocks.h"
#include "input/input_checks.h"

namespace tavik {

namespace {
constexpr int kStructureIndent = 20;
// Pile property table: number, 5 blanks, depth (Write_Real 13), 5 blanks, width (14).
constexpr int kPointNumberWidth = 3;
constexpr int kGapBeforeValue = 5;
constexpr int kDepthWidth = 13;
constexpr int kPileWidthWidth = 14;
// Columns of the unit labels under "X" and "Diameter" in the third head line.
constexpr int kDepthUnitColumn = 17;
constexpr int kWidthUnitColumn = 35;
constexpr int kPropertiesRuleLength = 28;

void Echo_Pile_Property_Table(RunContext& run) {
  const PilePropertyTable& table = run.Problem.PileProperties;
  TextChannel& report = run.Report;
  report.Line()
      .A("Pile dimensions used for p-y curve computations defined using ")
      .I(table.NumPoints, 0)
      .A(" points.");
  report.End_Line();
  report.Write_Line("p-y curves are computed using values of pile diameter interpolated over ");
  report.Write_Line("the length of the pile.");
  report.Empty_Lines(1);
  report.Write_Line("Point         Depth              Pile   ");
  report.Write_Line("                X              Diameter ");
  report.Line()
      .T(kDepthUnitColumn)
      .A(Trimmed(run.Units.c_UnitDepth))
      .T(kWidthUnitColumn)
      .A(Trimmed(run.Units.c_UnitLength));
  report.End_Line();
  report.Write_Line("-----       ---------        -----------");
  const int count = Within_Capacity(table.NumPoints, kMaxPilePropertyPoints);
  for (int s = 1; s <= count; ++s) {
    Write_Integer(report, s, kPointNumberWidth);
    Write_Blanks(report, kGapBeforeValue);
    Write_Real(report, table.PileStation[s - 1], kDepthWidth);
    Write_Blanks(report, kGapBeforeValue);
    Write_Real(report, table.PileWidth[s - 1], kPileWidthWidth);
    End_Line(report);
  }
}
}  // namespace

// Echo_Pile_Structure: reads NumSections, PileLength and GroundSurfaceDepth (feet or metres),
// the ground slope (radians, printed in degrees), the pile property table and the sections.
// Writes the heading "Pile Structural Properties and Geometry", the four totals, the pile
// property table, "Input Structural Properties:" with every section, two empty lines, and
// then checks the pile widths (input error 27 ends the run there).
void Echo_Pile_Structure(RunContext& run) {
  const ProblemData& problem = run.Problem;
  TextChannel& report = run.Report;
  Write_Heading(report, "Pile Structural Properties and Geometry", kStructureIndent);
  Labelled(report, "Total Number of Sections").I(problem.NumSections, 10);
  report.End_Line();
  report.Empty_Lines(1);
  Unit(Labelled(report, "Total Pile Length").F(problem.PileLength, 10, 2), run.Units.c_UnitDepth);
  report.End_Line();
  report.Empty_Lines(1);
  Unit(Labelled(report, "Depth of ground surface below top of pile")
           .F(problem.GroundSurfaceDepth, 10, 2),
       run.Units.c_UnitDepth);
  report.End_Line();
  report.Empty_Lines(1);
  Labelled(report, "Slope angle of ground surface")
      .F(Degrees(problem.GroundSlopeAngle), 10, 2)
      .A(" deg.");
  report.End_Line();
  report.Empty_Lines(1);
  Echo_Pile_Property_Table(run);
  report.Empty_Lines(2);
  report.Write_Line("Input Structural Properties:");
  report.Write_Line(std::string(kPropertiesRuleLength, '-'));
  const int sections = Within_Capacity(problem.NumSections, kMaxSections);
  for (int i = 1; i <= sections; ++i) {
    report.Empty_Lines(1);
    report.Line().A("Pile Section No. ").I(i, 0).A(":");
    report.End_Line();
    report.Empty_Lines(1);
    Echo_Section(run, i);
  }
  report.Empty_Lines(2);
  Check_Pile_Widths(run);
}

}  // namespace tavik
