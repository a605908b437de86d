#include "echo/echo_fixture.h"

#include <algorithm>

#include "echo/echo_input.h"
#include "run/unit_labels.h"

namespace tavik::testing {

void Fill_Typical_Problem(ProblemData& problem, int iunits) {
  const bool si = iunits == kUnitsSI;
  problem.IUNITS = iunits;
  problem.Title[0] = "Drilled shaft in clay over sand";
  AnalysisOptions& options = problem.Options;
  options.ICOM = kFullAnalysis;
  options.MaxIterations = 100;
  options.ExcessDeflectionLimit = 100.0;
  options.ConvergenceTolerance = 1.0e-5;
  options.NumIncrements = 100;
  options.PrintIncrement = 1;

  problem.NumSections = 1;
  PileSection& shaft = problem.Sections[0];
  shaft.SectionType = 1;
  shaft.SectionLength = 70.0;
  shaft.SectionTopDepth = 0.0;
  shaft.SectionBottomDepth = 70.0;
  shaft.Width = 36.0;
  problem.PileLength = 70.0;
  problem.GroundSurfaceDepth = 0.0;
  PilePropertyTable& table = problem.PileProperties;
  table.NumPoints = 2;
  table.PileStation[0] = 0.0;
  table.PileStation[1] = 70.0;
  table.PileWidth[0] = 36.0;
  table.PileWidth[1] = 36.0;

  problem.i_Number_of_Layers = 2;
  SoilLayer& clay = problem.Layers[0];
  clay.SoilTypeIndex = kSoftClay;
  clay.XLayerTop = 0.0;
  clay.XLayerBottom = 20.0;
  clay.Top.EffectiveUnitWeight = si ? 15.0 : 50.0;
  clay.Bottom.EffectiveUnitWeight = si ? 16.0 : 55.0;
  clay.Top.Cohesion = 500.0;
  clay.Bottom.Cohesion = 700.0;
  clay.Top.Epsilon50 = 0.02;
  clay.Bottom.Epsilon50 = 0.01;
  SoilLayer& sand = problem.Layers[1];
  sand.SoilTypeIndex = kSand;
  sand.XLayerTop = 20.0;
  sand.XLayerBottom = 80.0;
  sand.Top.EffectiveUnitWeight = si ? 17.0 : 60.0;
  sand.Bottom.EffectiveUnitWeight = si ? 18.0 : 65.0;
  sand.Top.FrictionAngle = 32.0;
  sand.Bottom.FrictionAngle = 36.0;

  problem.NumLoadCases = 2;
  problem.LoadCases[0] = LoadCase{kLoadShearMoment, 10000.0, 0.0, 100000.0, false};
  problem.LoadCases[1] = LoadCase{kLoadShearSlope, 20000.0, 0.0, 100000.0, false};
}

ReadResult Run_Echo(int iunits, const std::function<void(ProblemData&)>& change) {
  return Run_Reader([](RunContext& run) { Echo_Input(run); }, "",
                    [&](RunContext& run) {
                      Fill_Typical_Problem(run.Problem, iunits);
                      if (change) change(run.Problem);
                      Set_Unit_Labels(run.Units, run.Problem.IUNITS);
                    });
}

std::string Labelled_Line(std::string_view label, std::string_view value) {
  std::string line(label);
  line.resize(55, ' ');
  line.append("= ").append(value);
  return line;
}

std::string Placed_Line(std::initializer_list<Placed> pieces) {
  std::string line;
  for (const Placed& piece : pieces) {
    const auto start = static_cast<std::size_t>(piece.column - 1);
    if (line.size() < start) line.resize(start, ' ');
    line.replace(start, std::min(piece.text.size(), line.size() - start), piece.text);
  }
  return line;
}

std::string Blanks(int n) {
  return std::string(static_cast<std::size_t>(n), ' ');
}

std::string Trim_Right(std::string_view text) {
  const auto end = text.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1));
}

bool Contains_Row(const std::vector<std::string>& lines, std::string_view row) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& line) { return Trim_Right(line) == Trim_Right(row); });
}

std::string Rule() {
  return std::string(80, '-');
}

std::vector<std::string> Lines_Between(const std::vector<std::string>& lines,
                                       std::string_view first, std::string_view last) {
  const auto begin = std::find(lines.begin(), lines.end(), first);
  if (begin == lines.end()) return {};
  const auto end = std::find(begin + 1, lines.end(), last);
  if (end == lines.end()) return {};
  return {begin, end + 1};
}

}  // namespace tavik::testing
