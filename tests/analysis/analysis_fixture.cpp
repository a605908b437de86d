#include "analysis/analysis_fixture.h"

#include <cmath>

#include "analysis/lateral_analysis.h"
#include "run/unit_labels.h"
#include "test_support.h"

namespace tavik::testing {

void Set_Problem(RunContext& run, const PileSetup& setup) {
  ProblemData& p = run.Problem;
  p.IUNITS = setup.iunits;
  Set_Unit_Labels(run.Units, setup.iunits);
  AnalysisOptions& o = p.Options;
  o.ICOM = kFullAnalysis;
  o.MaxIterations = setup.max_iterations;
  o.ConvergenceTolerance = setup.tolerance;
  o.ExcessDeflectionLimit = setup.excess_deflection;
  o.NumIncrements = setup.increments;
  o.PrintIncrement = setup.print_increment;
  o.PrintSummaryOnly = setup.summary_only;
  o.ComputeKmatrix = setup.compute_kmatrix;
  o.UseLRFD = setup.use_lrfd;

  p.NumSections = 1;
  PileSection& s = p.Sections[0];
  s.SectionType = setup.section_type;
  s.ElasticShape = kShapePipe;
  s.SectionLength = setup.length;
  s.SectionTopDepth = 0.0;
  s.SectionBottomDepth = setup.length;
  s.ElasticModulus = setup.ei / setup.inertia;
  s.TopWidth = s.BottomWidth = setup.width;
  s.TopInertia = s.BottomInertia = setup.inertia;
  s.TopArea = s.BottomArea = setup.area;
  p.PileLength = setup.length;
  PilePropertyTable& t = p.PileProperties;
  t.NumPoints = 2;
  for (int k = 0; k < 2; ++k) {
    t.PileStation[k] = k == 0 ? 0.0 : setup.length;
    t.PileWidth[k] = setup.width;
    t.PileArea[k] = setup.area;
    t.PileInertia[k] = setup.inertia;
    t.PileModulus[k] = setup.ei / setup.inertia;
  }
  p.GroundSurfaceDepth = setup.ground_depth;
  p.PileBatterAngle = setup.batter;
  p.i_Number_of_Layers = 1;
  SoilLayer& layer = p.Layers[0];
  layer.SoilTypeIndex = setup.soil_index;
  layer.XLayerTop = setup.ground_depth;
  layer.XLayerBottom = setup.length * 1.2;
  for (SoilPropertyPoint* point : {&layer.Top, &layer.Bottom}) {
    point->EffectiveUnitWeight = setup.unit_weight;
    point->Cohesion = setup.cohesion;
    point->Epsilon50 = setup.epsilon50;
  }
  p.NumLoadCases = static_cast<int>(setup.cases.size());
  for (int c = 0; c < p.NumLoadCases; ++c) p.LoadCases[c] = setup.cases[c];
  p.NumUniqueThrusts = 0;
  p.NumPyOutputDepths = static_cast<int>(setup.py_output_depths.size());
  for (int k = 0; k < p.NumPyOutputDepths; ++k) p.PyOutputDepths[k] = setup.py_output_depths[k];
  o.PrintPYCurves = p.NumPyOutputDepths > 0;
}

AnalysisRun Run_Lateral(const PileSetup& setup, const std::function<void(RunContext&)>& after) {
  AnalysisRun result;
  result.run = std::make_unique<RunContext>();
  RunContext& run = *result.run;
  ScratchDir dir;
  run.Report.Open(dir.File("case.out"));
  run.Plot.Open(dir.File("case.plt"));
  run.Messages.Open(dir.File("case.msg"));
  Set_Problem(run, setup);
  Run_Lateral_Analysis(run);
  if (after) after(run);
  run.Report.Close();
  run.Plot.Close();
  run.Messages.Close();
  result.report = Read_Lines(dir.File("case.out"));
  result.plot = Read_Lines(dir.File("case.plt"));
  result.messages = Read_Lines(dir.File("case.msg"));
  return result;
}

void Set_Winkler_Nodes(RunContext& run, int n, double length, double ei, double k) {
  PileSetup setup;
  setup.increments = n;
  setup.length = length;
  setup.ei = ei;
  Set_Problem(run, setup);
  run.Problem.i_Number_of_Layers = 0;
  PileNodes& nodes = run.Nodes;
  nodes = PileNodes{};
  nodes.i_Num_Increments = n;
  nodes.i_Num_Nodes = n + 1;
  nodes.rd_PileLength = length;
  nodes.rd_Increment = length / n;
  for (int i = 1; i <= n + 1; ++i) {
    nodes.rd_NodeDepth[i] = (i - 1) * nodes.rd_Increment;
    nodes.rd_NodeVertDepth[i] = nodes.rd_NodeDepth[i];
    nodes.rd_NodeEI[i] = ei;
    nodes.rd_NodeEs[i] = k;
    nodes.i_NodeSection[i] = 1;
  }
  nodes.rd_NodeDepth[n + 1] = length;
  run.Analysis = LateralAnalysisState{};
  run.Analysis.CurrentCase = 1;
}

int Find_Line(const std::vector<std::string>& lines, const std::string& text, int from) {
  for (int i = from; i < static_cast<int>(lines.size()); ++i) {
    if (lines[i].find(text) != std::string::npos) return i;
  }
  return -1;
}

int Count_Lines_Containing(const std::vector<std::string>& lines, const std::string& text) {
  int count = 0;
  for (const std::string& line : lines) count += line.find(text) != std::string::npos ? 1 : 0;
  return count;
}

double WinklerBeam::Y(double x) const {
  const double bx = beta * x;
  return std::exp(-bx) * (c1 * std::cos(bx) + c2 * std::sin(bx));
}
double WinklerBeam::Slope(double x) const {
  const double bx = beta * x;
  return beta * std::exp(-bx) * ((c2 - c1) * std::cos(bx) - (c1 + c2) * std::sin(bx));
}
double WinklerBeam::Moment(double x) const {
  const double bx = beta * x;
  return ei * beta * beta * std::exp(-bx) * (-2.0 * c2 * std::cos(bx) + 2.0 * c1 * std::sin(bx));
}
double WinklerBeam::Shear(double x) const {
  const double bx = beta * x;
  return ei * beta * beta * beta * std::exp(-bx) *
         (2.0 * (c1 + c2) * std::cos(bx) + 2.0 * (c2 - c1) * std::sin(bx));
}

WinklerBeam Winkler_Beam(double ei, double k, int load_type, double condition1, double condition2) {
  WinklerBeam beam;
  beam.ei = ei;
  beam.beta = std::pow(k / (4.0 * ei), 0.25);
  const double b = beam.beta;
  const double shear_sum = condition1 / (2.0 * ei * b * b * b);  // C1 + C2 from V
  switch (load_type) {
    case kLoadShearMoment:  // V, M
      beam.c2 = -condition2 / (2.0 * ei * b * b);
      beam.c1 = shear_sum - beam.c2;
      break;
    case kLoadShearSlope:  // V, S: C2 - C1 = S / b
      beam.c1 = 0.5 * (shear_sum - condition2 / b);
      beam.c2 = 0.5 * (shear_sum + condition2 / b);
      break;
    case kLoadShearRotStiffness: {  // V, M = k_theta S: -2 EI b^2 C2 = k_theta b (C2 - C1)
      // With C1 = s - C2: C2 (2 EI b^2 + 2 k_theta b) = k_theta b s.
      const double kt = condition2;
      beam.c2 = kt * b * shear_sum / (2.0 * ei * b * b + 2.0 * kt * b);
      beam.c1 = shear_sum - beam.c2;
      break;
    }
    case kLoadDeflectionMoment:  // yt, M
      beam.c1 = condition1;
      beam.c2 = -condition2 / (2.0 * ei * b * b);
      break;
    case kLoadDeflectionSlope:  // yt, S
      beam.c1 = condition1;
      beam.c2 = condition1 + condition2 / b;
      break;
    default:
      break;
  }
  return beam;
}

}  // namespace tavik::testing
