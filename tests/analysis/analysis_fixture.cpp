#include "analysis/analysis_fixture.h"

#include <cmath>

#include "analysis/lateral_analysis.h"
#include "run/unit_labels.h"
#include "test_support.h"

namespace tavik::testing {

namespace {
constexpr int kCircularPipeShape = 3;
}  // namespace

void Set_Problem(RunContext& run, const PileSpec& spec) {
  ProblemData& p = run.Problem;
  p.IUNITS = spec.iunits;
  Set_Unit_Labels(run.Units, spec.iunits);
  AnalysisOptions& o = p.Options;
  o.ICOM = kFullAnalysis;
  o.MaxIterations = spec.max_iterations;
  o.ConvergenceTolerance = spec.tolerance;
  o.ExcessDeflectionLimit = spec.excess_deflection;
  o.NumIncrements = spec.increments;
  o.PrintIncrement = spec.print_increment;
  o.PrintSummaryOnly = spec.summary_only;
  o.ComputeKmatrix = spec.compute_kmatrix;
  o.UseLRFD = spec.use_lrfd;

  p.NumSections = 1;
  PileSection& s = p.Sections[0];
  s.SectionType = spec.section_type;
  s.ElasticShape = kCircularPipeShape;
  s.SectionLength = spec.length;
  s.SectionTopDepth = 0.0;
  s.SectionBottomDepth = spec.length;
  s.ElasticModulus = spec.ei / spec.inertia;
  s.TopWidth = s.BottomWidth = spec.width;
  s.TopInertia = s.BottomInertia = spec.inertia;
  s.TopArea = s.BottomArea = spec.area;
  p.PileLength = spec.length;
  PilePropertyTable& t = p.PileProperties;
  t.NumPoints = 2;
  for (int k = 0; k < 2; ++k) {
    t.PileStation[k] = k == 0 ? 0.0 : spec.length;
    t.PileWidth[k] = spec.width;
    t.PileArea[k] = spec.area;
    t.PileInertia[k] = spec.inertia;
    t.PileModulus[k] = spec.ei / spec.inertia;
  }
  p.GroundSurfaceDepth = 0.0;
  p.i_Number_of_Layers = 1;
  SoilLayer& layer = p.Layers[0];
  layer.SoilTypeIndex = spec.soil_index;
  layer.XLayerTop = 0.0;
  layer.XLayerBottom = spec.length * 1.2;
  for (SoilPropertyPoint* point : {&layer.Top, &layer.Bottom}) {
    point->EffectiveUnitWeight = spec.unit_weight;
    point->Cohesion = spec.cohesion;
    point->Epsilon50 = spec.epsilon50;
  }
  p.NumLoadCases = static_cast<int>(spec.cases.size());
  for (int c = 0; c < p.NumLoadCases; ++c) p.LoadCases[c] = spec.cases[c];
  p.NumUniqueThrusts = 0;
  p.NumPyOutputDepths = static_cast<int>(spec.py_output_depths.size());
  for (int k = 0; k < p.NumPyOutputDepths; ++k) p.PyOutputDepths[k] = spec.py_output_depths[k];
  o.PrintPYCurves = p.NumPyOutputDepths > 0;
}

AnalysisRun Run_Lateral(const PileSpec& spec) {
  AnalysisRun result;
  result.run = std::make_unique<RunContext>();
  RunContext& run = *result.run;
  ScratchDir dir;
  run.Report.Open(dir.File("case.out"));
  run.Plot.Open(dir.File("case.plt"));
  run.Messages.Open(dir.File("case.msg"));
  Set_Problem(run, spec);
  Run_Lateral_Analysis(run);
  run.Report.Close();
  run.Plot.Close();
  run.Messages.Close();
  result.report = Read_Lines(dir.File("case.out"));
  result.plot = Read_Lines(dir.File("case.plt"));
  result.messages = Read_Lines(dir.File("case.msg"));
  return result;
}

void Set_Winkler_Nodes(RunContext& run, int n, double length, double ei, double k) {
  PileSpec spec;
  spec.increments = n;
  spec.length = length;
  spec.ei = ei;
  Set_Problem(run, spec);
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
