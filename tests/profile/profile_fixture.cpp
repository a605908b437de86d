#include "profile/profile_fixture.h"

#include "profile/pile_discretisation.h"

namespace tavik::testing {

ProfileRun::ProfileRun(int iunits) : run_(std::make_unique<RunContext>()) {
  run_->Problem.IUNITS = iunits;
  Set_Unit_Labels(run_->Units, iunits);
  run_->Report.Open(dir_.File("report.txt"));
  run_->Plot.Open(dir_.File("plot.txt"));
  run_->Messages.Open(dir_.File("messages.txt"));
}

ProfileRun::~ProfileRun() {
  Close();
}

void ProfileRun::Close() {
  if (closed_) return;
  closed_ = true;
  run_->Report.Close();
  run_->Plot.Close();
  run_->Messages.Close();
}

void ProfileRun::Add_Section(double length, double top_width, double bottom_width, double E,
                             double I) {
  ProblemData& p = run_->Problem;
  PileSection& s = p.Sections[p.NumSections];
  s.SectionType = 11;
  s.SectionLength = length;
  s.SectionTopDepth = p.PileLength;
  s.SectionBottomDepth = p.PileLength + length;
  ++p.NumSections;
  PilePropertyTable& t = p.PileProperties;
  const double depths[2] = {s.SectionTopDepth, s.SectionBottomDepth};
  const double widths[2] = {top_width, bottom_width};
  for (int k = 0; k < 2; ++k) {
    t.PileStation[t.NumPoints] = depths[k];
    t.PileWidth[t.NumPoints] = widths[k];
    t.PileModulus[t.NumPoints] = E;
    t.PileInertia[t.NumPoints] = I;
    t.PileArea[t.NumPoints] = widths[k] * widths[k];
    ++t.NumPoints;
  }
  p.PileLength = s.SectionBottomDepth;
}

namespace {
SoilPropertyPoint Point(const Props& props) {
  SoilPropertyPoint point;
  point.EffectiveUnitWeight = props.gamma;
  point.Cohesion = props.c;
  point.FrictionAngle = props.phi;
  point.Epsilon50 = props.eps50;
  point.JFactor = props.J;
  return point;
}
}  // namespace

void ProfileRun::Add_Layer(int index, double top, double bottom, const Props& top_props,
                           const Props& bottom_props) {
  ProblemData& p = run_->Problem;
  SoilLayer& layer = p.Layers[p.i_Number_of_Layers];
  layer.SoilTypeIndex = index;
  layer.XLayerTop = top;
  layer.XLayerBottom = bottom;
  layer.Top = Point(top_props);
  layer.Bottom = Point(bottom_props);
  if (p.i_Number_of_Layers == 0) p.GroundSurfaceDepth = top;
  ++p.i_Number_of_Layers;
}

void ProfileRun::Discretise(int increments) {
  run_->Problem.Options.NumIncrements = increments;
  Start_Pile_Discretisation(*run_);
  Discretise_Pile(*run_);
}

std::vector<std::string> ProfileRun::Report_Lines() {
  Close();
  return Read_Lines(dir_.File("report.txt"));
}
std::vector<std::string> ProfileRun::Plot_Lines() {
  Close();
  return Read_Lines(dir_.File("plot.txt"));
}
std::vector<std::string> ProfileRun::Message_Lines() {
  Close();
  return Read_Lines(dir_.File("messages.txt"));
}

std::string Parameter_Line(const std::string& label, const std::string& value) {
  std::string line = label;
  line.resize(55, ' ');
  return line + "= " + value;
}

}  // namespace tavik::testing
