#include "echo/echo_blocks.h"

namespace tavik {

namespace {
constexpr int kModifiersIndent = 19;
constexpr int kEmptyLinesBefore = 2;
}  // namespace

// Echo_Py_Modifiers: only when the PyModifiers table has points. Reads the table (depths in
// feet or metres) and writes the heading "p-y Modification Factors for Group Action", the
// number of points and one row per point (I3, F17.3, F15.4, F15.4).
void Echo_Py_Modifiers(RunContext& run) {
  const PyModifierTable& table = run.Problem.PyModifiers;
  if (table.NumPoints <= 0) return;
  TextChannel& report = run.Report;
  report.Empty_Lines(kEmptyLinesBefore);
  Write_Heading(report, "p-y Modification Factors for Group Action", kModifiersIndent);
  report.Line()
      .A("Distribution of p-y modifiers with depth defined using ")
      .I(table.NumPoints, 0)
      .A(" points");
  report.End_Line();
  report.Empty_Lines(1);
  report.Write_Line("Point      Depth X         p-mult         y-mult");
  report.Line().A(" No.          ").A(Trimmed(run.Units.c_UnitDepth));
  report.End_Line();
  report.Write_Line("-----     ----------     ----------     ----------");
  const int points = Within_Capacity(table.NumPoints, kMaxPyModifierPoints);
  for (int k = 0; k < points; ++k) {
    report.Line()
        .I(k + 1, 3)
        .F(table.Depth[k], 17, 3)
        .F(table.PMultiplier[k], 15, 4)
        .F(table.YMultiplier[k], 15, 4);
    report.End_Line();
  }
}

}  // namespace tavik
