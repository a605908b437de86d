#include "sections/section_reports_fixture.h"

#include <cmath>
#include <numbers>

#include "sections/bar_positions.h"
#include "sections/section_stiffness.h"
#include "test_support.h"

namespace tavik::testing {

namespace {

// Concrete constants of f'c in ksi: Ec = 57 sqrt(1000 f'c), fr = -k sqrt(1000 f'c) (k 0.0075
// reinforced, 0.004 prestressed), eps0 = 1.7 f'c/Ec, eps_cr = -(1 - sqrt(1 + fr/f'c)) eps0.
void Set_Concrete(EI_Vars& vars, double fc_ksi, double rupture_factor) {
  const double s = std::sqrt(1000.0 * fc_ksi);
  vars.rd_Fc = fc_ksi;
  vars.rd_Ec = 57.0 * s;
  vars.rd_Fr = -rupture_factor * s;
  vars.rd_Eps0 = 1.7 * fc_ksi / vars.rd_Ec;
  vars.rd_EpsCr = -(1.0 - std::sqrt(1.0 + vars.rd_Fr / fc_ksi)) * vars.rd_Eps0;
}

// The bars or strands of the input record copied into the engine's section.
void Copy_Bars(EI_Vars& vars, const ReinforcementData& rebar) {
  vars.NumBars = rebar.NumBars;
  vars.BarX = rebar.BarX;
  vars.BarY = rebar.BarY;
  vars.BarDiameter = rebar.BarDiameter;
  vars.BarArea = rebar.BarArea;
}

SectionReportCase New_Case(int iunits) {
  SectionReportCase c;
  c.run = std::make_unique<RunContext>();
  c.run->Problem.IUNITS = iunits;
  c.run->Problem.Options.ICOM = kFullAnalysis;
  c.engine.Vars.IUNITS = iunits;
  c.engine.Labels = Section_Unit_Labels(iunits);
  return c;
}

}  // namespace

SectionReportCase Drilled_Shaft_Case() {
  SectionReportCase c = New_Case(kUnitsUSCustomary);
  PileSection& s = c.section;
  s.SectionType = kDrilledShaft;
  s.SectionLength = 360.0;  // 30 ft, in inches after the conversion
  s.Width = 36.0;
  s.Concrete.ConcreteStrength = 4000.0;
  s.Concrete.MaxAggregateSize = 0.75;
  ReinforcementData& rebar = s.Rebar;
  rebar.b_RebarInCircle = true;
  rebar.RebarYieldStress = 60000.0;
  rebar.SteelModulus = 29000000.0;
  rebar.NumBundles = 12;
  rebar.BarsPerBundle = 1;
  rebar.CircleBarDiameter = 1.0;
  rebar.CircleBarArea = 0.79;
  rebar.RebarCover = 3.0;
  rebar.NumBars = 12;
  for (int k = 0; k < 12; ++k) {
    rebar.BarDiameter[k] = 1.0;
    rebar.BarArea[k] = 0.79;
  }
  Position_Bars_In_Circle(rebar.BarX, rebar.BarY, 36.0, 3.0, 1.0, 12, 1);

  EI_Vars& v = c.engine.Vars;
  v.SectionType = kDrilledShaft;
  v.i_SectionShape = kShapeRoundPile;
  v.rd_SectionDepthInput = 36.0;
  Copy_Bars(v, rebar);
  v.i_ConcreteModel = kConcreteCurve;
  v.i_SteelModel = kRebarModel;
  Set_Concrete(v, 4.0, 0.0075);
  v.rd_Fy = 60.0;
  v.rd_Es = 29000.0;
  // Ag = pi 36^2/4 = 1017.876, As = 12 x 0.79 = 9.48, Ac = Ag - As = 1008.396 sq. in.:
  // Pc = 0.85 f'c Ac + fy As = 3428.546 + 568.800 = 3997.346 kips;
  // cracking (Es As + Ec Ac) eps_cr = (274920 + 3635268) x (-0.00011537) = -451.119 kips;
  // tension -fy As = -568.800 kips.
  v.rd_AxialCapacityCompression = 3997.346467;
  v.rd_CrackingLoad = -451.119168;
  v.rd_AxialCapacityTension = -568.8;
  return c;
}

SectionReportCase Steel_Pipe_Case() {
  SectionReportCase c = New_Case(kUnitsUSCustomary);
  PileSection& s = c.section;
  s.SectionType = kSteelPipe;
  s.SectionLength = 600.0;  // 50 ft
  s.Width = 12.0;
  s.CasingWallThickness = 0.5;
  s.CasingYieldStress = 36000.0;
  s.CasingModulus = 29000000.0;

  EI_Vars& v = c.engine.Vars;
  v.SectionType = kSteelPipe;
  v.i_SectionShape = kShapeSteelPipe;
  v.i_ConcreteModel = kNoConcrete;
  v.i_SteelModel = kSteelPipeModel;
  v.rd_SectionDepthInput = 12.0;
  v.CasingWall = 0.5;
  v.rd_CasingFy = 36.0;
  v.rd_CasingEs = 29000.0;
  // A = pi/4 (12^2 - 11^2) = 18.064 sq. in.; fy A = 650.310 kips.
  v.rd_AxialCapacityCompression = 650.309679;
  v.rd_AxialCapacityTension = -650.309679;
  return c;
}

SectionReportCase Prestressed_Square_SI_Case() {
  SectionReportCase c = New_Case(kUnitsSI);
  constexpr double kStrandDiameter = 0.0127;               // 0.5 in
  constexpr double kStrandArea = 0.153 * 0.0254 * 0.0254;  // 9.8709e-5 m2
  PileSection& s = c.section;
  s.SectionType = kSquareSolidPrestressed;
  s.SectionLength = 12.0;
  s.Width = 0.45;
  ReinforcementData& strands = s.Rebar;
  strands.StrandType = 1;  // PCI 270
  strands.NumStrands = 12;
  strands.NumBars = 12;
  strands.StrandPattern = 1;
  strands.StrandCover = 0.05;
  strands.StrandDiameter = kStrandDiameter;
  strands.StrandArea = kStrandArea;
  strands.StrandUltimateStrength = 270000.0;
  strands.SteelModulus = 193053200.0;
  for (int k = 0; k < 12; ++k) {
    strands.StrandSize[k] = 3;
    strands.BarDiameter[k] = kStrandDiameter;
    strands.BarArea[k] = kStrandArea;
  }
  Position_Strands_On_Square(strands.BarX, strands.BarY, 0.45, 0.05, kStrandDiameter, 12, 1);

  EI_Vars& v = c.engine.Vars;
  v.SectionType = kSquareSolidPrestressed;
  v.i_SectionShape = kShapeSquarePile;
  v.rd_SectionDepthInput = 0.45;
  v.rd_WidthInput = 0.45;
  Copy_Bars(v, strands);
  v.i_ConcreteModel = kConcreteCurve;
  v.i_SteelModel = kStrandPCI270;
  v.rd_StressScale = kKpaPerKsi;
  Set_Concrete(v, 6.0, 0.004);
  v.rd_Fc *= kKpaPerKsi;
  v.rd_Ec *= kKpaPerKsi;
  v.rd_Fr *= kKpaPerKsi;
  v.rd_Fy = 270.0 * kKpaPerKsi;
  v.rd_Es = 193053200.0;
  return c;
}

WrittenLines Write_Through(
    SectionReportCase& c,
    const std::function<void(RunContext&, const SectionEngineState&, const PileSection&)>& write) {
  ScratchDir dir;
  const std::string report = dir.File("report.out");
  const std::string plot = dir.File("plot.out");
  RunContext& run = *c.run;
  if (!run.Report.Open(report) || !run.Plot.Open(plot)) return {};
  write(run, c.engine, c.section);
  run.Report.Close();
  run.Plot.Close();
  return {Read_Lines(report), Read_Lines(plot)};
}

}  // namespace tavik::testing
