#include "echo/echo_blocks.h"

namespace tavik {

namespace {
constexpr int kMovementsIndent = 29;
constexpr int kEmptyLinesBefore = 2;
constexpr int kDepthUnitColumn = 16;
constexpr int kMovementUnitColumn = 31;
constexpr int kUnitPieceLength = 2;  // the first two characters of the length label
}  // namespace

// Echo_Soil_Movements: only when the SoilMovement table has more than one point. Reads the
// table (depths in feet or metres; movements in inches, or metres in SI after the reader's
// conversion from millimetres) and writes the heading "Lateral Soil Movements", the number of
// points and one row per point (I3, 2X, 2F15.5).
void Echo_Soil_Movements(RunContext& run) {
  const DepthValueTable& table = run.Problem.SoilMovement;
  if (table.NumPoints <= 1) return;
  TextChannel& report = run.Report;
  report.Empty_Lines(kEmptyLinesBefore);
  Write_Heading(report, "Lateral Soil Movements", kMovementsIndent);
  report.Empty_Lines(1);
  report.Line()
      .A("Profile of soil movement with depth defined using ")
      .I(table.NumPoints, 0)
      .A(" points");
  report.End_Line();
  report.Empty_Lines(1);
  report.Write_Line("Point       Depth X     Soil Movement");
  report.Line()
      .A(" No.")
      .T(kDepthUnitColumn)
      .A(Trimmed(run.Units.c_UnitDepth))
      .T(kMovementUnitColumn)
      .A(run.Units.c_UnitLength.substr(0, kUnitPieceLength));
  report.End_Line();
  report.Write_Line("-----     ----------    -------------");
  const int points = Within_Capacity(table.NumPoints, kMaxSoilMovementPoints);
  for (int k = 0; k < points; ++k) {
    report.Line().I(k + 1, 3).X(2).F(table.Depth[k], 15, 5).F(table.Value[k], 15, 5);
    report.End_Line();
  }
}

}  // namespace tavik
