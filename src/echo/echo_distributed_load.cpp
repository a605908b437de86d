#include "echo/echo_blocks.h"

namespace tavik {

namespace {
constexpr int kDistributedIndent = 27;
constexpr int kEmptyLinesBefore = 2;
constexpr int kDepthUnitColumn = 20;
constexpr int kLoadUnitColumn = 38;
}  // namespace

// Echo_Distributed_Load: only when the DistributedLoad table has points. Reads the table
// (depths in the section-dimension unit, intensities in force per length) and writes the
// heading "Distributed Lateral Loading", the number of points and one row per point (I3,
// F20.3, F20.3).
void Echo_Distributed_Load(RunContext& run) {
  const DepthValueTable& table = run.Problem.DistributedLoad;
  if (table.NumPoints <= 0) return;
  TextChannel& report = run.Report;
  report.Empty_Lines(kEmptyLinesBefore);
  Write_Heading(report, "Distributed Lateral Loading", kDistributedIndent);
  report.Line()
      .A("Distributed lateral load intensity defined using ")
      .I(table.NumPoints, 0)
      .A(" points");
  report.End_Line();
  report.Empty_Lines(1);
  report.Write_Line("Point           Depth X            Dist. Load");
  report.Line()
      .A(" No.")
      .T(kDepthUnitColumn)
      .A(Trimmed(run.Units.c_UnitLength))
      .T(kLoadUnitColumn)
      .A(Line_Load_Label(run.Units));
  report.End_Line();
  report.Write_Line("-----          ----------          ----------");
  const int points = Within_Capacity(table.NumPoints, kMaxDistributedLoadPoints);
  for (int k = 0; k < points; ++k) {
    report.Line().I(k + 1, 3).F(table.Depth[k], 20, 3).F(table.Value[k], 20, 3);
    report.End_Line();
  }
}

}  // namespace tavik
