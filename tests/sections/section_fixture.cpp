#include "sections/section_fixture.h"

#include "run/unit_labels.h"
#include "sections/bar_positions.h"
#include "sections/section_stiffness.h"
#include "test_support.h"

namespace tavik::testing {

PileSection Rectangular_Beam() {
  PileSection s;
  s.SectionType = kRectangularConcrete;
  s.SectionLength = 240.0;
  s.SectionDepth = 20.0;
  s.SectionWidth = 12.0;
  s.Width = 20.0;
  s.Concrete.ConcreteStrength = 4000.0;
  ReinforcementData& r = s.Rebar;
  r.NumBars = 3;
  r.RebarYieldStress = 60000.0;
  r.SteelModulus = 29.0e6;
  for (int k = 0; k < 3; ++k) {
    r.BarDiameter[k] = 1.0;
    r.BarArea[k] = 0.79;
    r.BarX[k] = -3.0 + 3.0 * k;
    r.BarY[k] = -7.5;
  }
  return s;
}

PileSection Drilled_Shaft_36() {
  PileSection s;
  s.SectionType = kDrilledShaft;
  s.SectionLength = 480.0;
  s.Width = 36.0;
  s.Concrete.ConcreteStrength = 4000.0;
  ReinforcementData& r = s.Rebar;
  r.NumBars = 24;
  r.RebarYieldStress = 60000.0;
  r.SteelModulus = 29.0e6;
  for (int k = 0; k < r.NumBars; ++k) {
    r.BarDiameter[k] = 1.0;
    r.BarArea[k] = 0.79;
  }
  Position_Bars_In_Circle(r.BarX, r.BarY, 36.0, 3.0, 1.0, 24, 1);
  return s;
}

PileSection Steel_Pipe_24() {
  PileSection s;
  s.SectionType = kSteelPipe;
  s.SectionLength = 480.0;
  s.Width = 24.0;
  s.CasingWallThickness = 0.5;
  s.CasingYieldStress = 36000.0;
  s.CasingModulus = 29.0e6;
  return s;
}

PileSection Prestressed_Square_18() {
  PileSection s;
  s.SectionType = kSquareSolidPrestressed;
  s.SectionLength = 480.0;
  s.Width = 18.0;
  s.Concrete.ConcreteStrength = 6000.0;
  ReinforcementData& r = s.Rebar;
  r.NumStrands = 12;
  r.StrandType = 1;
  r.SteelModulus = 28000.0;
  r.StrandUltimateStrength = 270000.0;
  r.PrestressForce = 300000.0;
  r.PrestressLoss = 0.2;
  for (int k = 0; k < r.NumStrands; ++k) {
    r.StrandSize[k] = 3;
    r.BarDiameter[k] = 0.5;
    r.BarArea[k] = 0.153;
  }
  Position_Strands_On_Square(r.BarX, r.BarY, 18.0, 3.0, 0.5, 12, 1);
  return s;
}

SectionRun Run_Sections(const std::vector<PileSection>& sections,
                        const std::vector<double>& thrusts, int icom, int iunits) {
  SectionRun result;
  result.run = std::make_unique<RunContext>();
  RunContext& run = *result.run;
  ScratchDir dir;
  run.Report.Open(dir.File("s.out"));
  run.Plot.Open(dir.File("s.plt"));
  run.Messages.Open(dir.File("s.msg"));
  ProblemData& p = run.Problem;
  p.IUNITS = iunits;
  Set_Unit_Labels(run.Units, iunits);
  p.Options.ICOM = icom;
  p.NumSections = static_cast<int>(sections.size());
  double top = 0.0;
  for (std::size_t j = 0; j < sections.size(); ++j) {
    p.Sections[j] = sections[j];
    p.Sections[j].SectionTopDepth = top;
    top += sections[j].SectionLength;
    p.Sections[j].SectionBottomDepth = top;
  }
  p.NumUniqueThrusts = static_cast<int>(thrusts.size());
  for (std::size_t t = 0; t < thrusts.size(); ++t) p.UniqueThrusts[t] = thrusts[t];
  Compute_Section_Stiffness(run);
  run.Report.Close();
  run.Plot.Close();
  run.Messages.Close();
  result.report = Read_Lines(dir.File("s.out"));
  result.plot = Read_Lines(dir.File("s.plt"));
  result.messages = Read_Lines(dir.File("s.msg"));
  return result;
}

}  // namespace tavik::testing
