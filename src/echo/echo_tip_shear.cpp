#include "echo/echo_blocks.h"
#include "input/input_checks.h"

namespace tavik {

namespace {
constexpr int kTipShearIndent = 22;
constexpr int kEmptyLinesBefore = 2;
constexpr int kDisplacementUnitColumn = 16;
constexpr int kForceUnitColumn = 36;
constexpr int kUnitPieceLength = 2;  // the first two characters of the length label
}  // namespace

// Echo_Tip_Shear: only when the TipShear table has points. Reads the curve (displacements
// in inches or metres, forces in lbs or kN) and writes the heading "Shear Resistance Curve
// at Pile Tip ", one row per point (I4, 5X, F10.3, 10X, F10.3), then checks the curve (input
// error 50).
void Echo_Tip_Shear(RunContext& run) {
  const TipShearTable& table = run.Problem.TipShear;
  if (table.NumPoints <= 0) return;
  TextChannel& report = run.Report;
  report.Empty_Lines(kEmptyLinesBefore);
  Write_Heading(report, "Shear Resistance Curve at Pile Tip ", kTipShearIndent);
  report.Empty_Lines(1);
  report.Write_Line("Point     Displacement     Tip Shear Force");
  report.Line()
      .A(" No.")
      .T(kDisplacementUnitColumn)
      .A(Trimmed(run.Units.c_UnitLength.substr(0, kUnitPieceLength)))
      .T(kForceUnitColumn)
      .A(Trimmed(run.Units.c_UnitForce3));
  report.End_Line();
  report.Write_Line("-----     ------------     ---------------");
  const int points = Within_Capacity(table.NumPoints, kMaxTipShearPoints);
  for (int k = 0; k < points; ++k) {
    report.Line().I(k + 1, 4).X(5).F(table.Displacement[k], 10, 3).X(10).F(table.Shear[k], 10, 3);
    report.End_Line();
  }
  Check_Tip_Shear_Curve(run);
}

}  // namespace tavik
