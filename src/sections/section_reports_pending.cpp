// Placeholder writers until the section report writers land.
#include <cmath>

#include "sections/section_reports.h"

namespace tavik {
void Write_Section_Dimensions(RunContext&, const SectionEngineState&, const PileSection&) {}
double Bar_Diameter_From_Area(double area) {
  return area >= 0.0 ? std::sqrt(4.0 * area / 3.14159) : 0.0;
}
void Write_Concrete_Properties(RunContext&, const SectionEngineState&, const PileSection&) {}
void Write_Thrust_List(RunContext&, const SectionEngineState&, bool, bool) {}
void Write_Run_Message_Definitions(RunContext&, const SectionEngineState&) {}
void Write_Curve_Heading(RunContext&, const SectionEngineState&, int) {}
void Write_Curve_Rows(RunContext& run, const SectionEngineState& e, int t) {
  const MomentCurvatureCurve& c = e.Curves[t];
  run.Report.Line()
      .A("thrust ")
      .ES(e.Thrust[t], 14, 5)
      .A(" Mn ")
      .ES(c.NominalMomentCapacity, 14, 5)
      .A(" Pc ")
      .ES(e.Vars.rd_AxialCapacityCompression, 14, 5)
      .A(" Pt ")
      .ES(e.Vars.rd_AxialCapacityTension, 14, 5)
      .A(" Pcr ")
      .ES(e.Vars.rd_CrackingLoad, 14, 5);
  run.Report.End_Line();
  for (int i = 1; i <= c.NumCurvePoints; ++i) {
    run.Report.Line()
        .ES(c.Curvature[i], 14, 5)
        .ES(c.Moment[i], 14, 5)
        .ES(c.BendingStiffness[i], 14, 5)
        .ES(c.NeutralAxisDepth[i], 14, 5)
        .ES(c.MaxCompStrain[i], 14, 5)
        .ES(c.MaxTensStrain[i], 14, 5)
        .ES(c.MaxConcreteStress[i], 14, 5)
        .ES(c.MaxSteelStress[i], 14, 5)
        .A("  ")
        .A(std::string_view(c.RunMessage[i].data(), 3));
    run.Report.End_Line();
  }
}
void Write_Curve_Plot_Records(RunContext&, const SectionEngineState&, int) {}
void Write_Moment_Capacity_Summary(RunContext&, const SectionEngineState&, int) {}
}  // namespace tavik
