#include "sections/elastic_ei_tables.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "sections/section_reports.h"

namespace tavik {

namespace {
constexpr double kKipsPerPound = 1000.0;
constexpr double kElasticCurvatureStep = 10.0;  // the elastic table runs to phi = 1500
constexpr double kNegligibleMoment = 9.9999e-99;
constexpr int kElasticPlasticKnee = 100;         // the point where Mp is reached
constexpr double kPlasticCurvatureSteps = 20.0;  // beyond it, steps of 20 u

struct TableTexts {
  std::string_view line3;
  TablePlotTexts plot;
};
constexpr TableTexts kElasticTexts{
    "Line 3 : Total number of axial thrusts for elastic section",
    {"Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load, Nom. Moment Cap. for linear EI",
     "Line 5 : Elastic Moment, EI, Curvature for Sect#="}};
constexpr TableTexts kElasticPlasticTexts{
    "Line 3 : Total number of axial thrusts for elastic-plastic section",
    {"Line 4 : Num. M-EI-Crv Points, Axial Thrust Load, Nom. Moment Cap. for elastic-plastic EI",
     "Line 5 : Elas-Plas Moment, EI, Curvature for Sect#="}};
constexpr TableTexts kUserTexts{
    "Line 3 : Total number of axial thrusts for elastic section",
    {"Line 4 : Num. M-EI-Crv Points, Axial Thrust Load, Nom. Moment Cap.",
     "Line 5 : Moment, EI, Curvature for Sect#="}};

double Table_Factor(int iunits) {
  return iunits == kUnitsUSCustomary ? kKipsPerPound : 1.0;
}

double Negligible_As_Zero(double moment) {
  return std::fabs(moment) < kNegligibleMoment ? 0.0 : moment;
}

void Write_Thrust_Count(RunContext& run, const TableTexts& texts, int j, int count) {
  if (j != 1) return;
  run.Plot.Line().I(count, 5).X(75).A(texts.line3);
  run.Plot.End_Line();
}

void Write_Report_Line(RunContext& run, std::string_view text) {
  run.Report.Write_Line(text);
  run.Report.Empty_Lines(2);
}

}  // namespace

double Plastic_Moment_At_Depth(const ProblemData& problem, int j, double depth) {
  const PileSection& section = problem.Sections[j - 1];
  const double top = section.SectionTopDepth;
  const double length = section.SectionBottomDepth - top;
  if (length <= 0.0) return section.TopPlasticMoment;
  const double s = std::clamp((depth - top) / length, 0.0, 1.0);
  return section.TopPlasticMoment + (section.BottomPlasticMoment - section.TopPlasticMoment) * s;
}

void Build_Elastic_Table(RunContext& run, const SectionEngineState& engine, int j) {
  SectionEITables& tables = run.EITables;
  const PileSection& section = run.Problem.Sections[j - 1];
  const double factor = Table_Factor(run.Problem.IUNITS);
  const double ei = section.ElasticModulus * section.TopInertia / factor;
  Write_Thrust_Count(run, kElasticTexts, j, engine.NumThrusts);
  for (int t = 1; t <= engine.NumThrusts; ++t) {
    for (int p = 1; p <= kMaxEIPoints; ++p) {
      const double phi = kElasticCurvatureStep * p;
      tables.Phit(p, t, j) = phi;
      tables.EIt(p, t, j) = ei;
      tables.Mt(p, t, j) = Negligible_As_Zero(ei * phi);
    }
    tables.NumPoints[t][j] = kMaxEIPoints;
    tables.NominalMoment[t][j] = tables.Mt(kMaxEIPoints, t, j) * factor;
    Write_Table_Plot_Records(run, kElasticTexts.plot, j, t, engine.Thrust[t]);
  }
  Set_Section_Thrusts(tables, j, engine.NumThrusts, engine.Thrust);
  Write_Report_Line(run, "Moment-Curvature properties derived from elastic section properties");
}

void Build_Elastic_Plastic_Table(RunContext& run, const SectionEngineState& engine, int j) {
  SectionEITables& tables = run.EITables;
  const PileSection& section = run.Problem.Sections[j - 1];
  const double factor = Table_Factor(run.Problem.IUNITS);
  // Elastic to the plastic moment at point 100 (u = Mp / EI / 100), then Mp at a curvature
  // growing by 20 u per point.
  const double ei = section.ElasticModulus * section.TopInertia;
  const double mp = section.TopPlasticMoment;
  const double u = ei != 0.0 ? mp / ei / kElasticPlasticKnee : 0.0;
  Write_Thrust_Count(run, kElasticPlasticTexts, j, engine.NumThrusts);
  for (int t = 1; t <= engine.NumThrusts; ++t) {
    for (int p = 1; p <= kMaxEIPoints; ++p) {
      double phi = 0.0;
      double moment = 0.0;
      double stiffness = 0.0;
      if (p <= kElasticPlasticKnee) {
        phi = p * u;
        stiffness = ei;
        moment = Negligible_As_Zero(ei * phi);
      } else {
        phi = kElasticPlasticKnee * u + kPlasticCurvatureSteps * u * (p - kElasticPlasticKnee);
        moment = mp;
        stiffness = phi != 0.0 ? mp / phi : ei;
      }
      tables.Phit(p, t, j) = phi;
      tables.Mt(p, t, j) = moment / factor;
      tables.EIt(p, t, j) = stiffness / factor;
    }
    tables.NumPoints[t][j] = kMaxEIPoints;
    tables.NominalMoment[t][j] = tables.Mt(kMaxEIPoints, t, j) * factor;
    Write_Table_Plot_Records(run, kElasticPlasticTexts.plot, j, t, engine.Thrust[t]);
  }
  Set_Section_Thrusts(tables, j, engine.NumThrusts, engine.Thrust);
  Write_Report_Line(run,
                    "Moment-curvature properties were derived from elastic-plastic section "
                    "properties");
}

void Build_User_EI_Table(RunContext& run, int j) {
  SectionEITables& tables = run.EITables;
  const PileSection& section = run.Problem.Sections[j - 1];
  const double factor = Table_Factor(run.Problem.IUNITS);
  const std::vector<UserEICurve>& curves = section.UserEI.Curves;
  const int num_thrusts = std::min(static_cast<int>(curves.size()), kMaxThrusts);
  std::array<double, kMaxThrusts + 1> thrusts{};
  Write_Thrust_Count(run, kUserTexts, j, num_thrusts);
  for (int t = 1; t <= num_thrusts; ++t) {
    const UserEICurve& curve = curves[t - 1];
    // The input points, with a zero-moment point in front when the first moment is not 0.
    std::vector<double> moment;
    std::vector<double> stiffness;
    const std::size_t given = std::min(curve.UserMoment.size(), curve.UserStiffness.size());
    if (given >= 1 && curve.UserMoment[0] != 0.0) {
      moment.push_back(0.0);
      stiffness.push_back(curve.UserStiffness[0]);
    }
    for (std::size_t k = 0; k < given; ++k) {
      moment.push_back(curve.UserMoment[k]);
      stiffness.push_back(curve.UserStiffness[k]);
    }
    const int m = std::min(static_cast<int>(moment.size()), kMaxEIPoints);
    // Refinement: k - 1 points inserted in each interval, k = (150 - m) / (m - 1).
    const int k = m >= 2 ? (kMaxEIPoints - m) / (m - 1) : 0;
    int np = 0;
    auto add = [&](double mt, double eit) {
      ++np;
      tables.Mt(np, t, j) = mt;
      tables.EIt(np, t, j) = eit;
      tables.Phit(np, t, j) = mt / eit;
    };
    for (int a = 0; a < m; ++a) {
      const int steps = (k >= 1 && a + 1 < m) ? k : 1;
      for (int s = 0; s < steps; ++s) {
        const double f = static_cast<double>(s) / steps;
        if (a + 1 < m) {
          add(moment[a] + (moment[a + 1] - moment[a]) * f,
              stiffness[a] + (stiffness[a + 1] - stiffness[a]) * f);
        } else {
          add(moment[a], stiffness[a]);
        }
      }
    }
    double largest = 0.0;
    for (int p = 1; p <= np; ++p) largest = std::max(largest, tables.Mt(p, t, j));
    tables.NumPoints[t][j] = np;
    tables.NominalMoment[t][j] = largest;
    for (int p = 1; p <= np; ++p) {
      tables.Mt(p, t, j) /= factor;
      tables.EIt(p, t, j) /= factor;
    }
    thrusts[t] = curve.UserThrust / factor;
    Write_Table_Plot_Records(run, kUserTexts.plot, j, t, thrusts[t]);
  }
  Set_Section_Thrusts(tables, j, num_thrusts, thrusts);
  Write_Report_Line(run,
                    "Moment-Curvature properties derived from input values for nonlinear M-EI "
                    "properties");
}

}  // namespace tavik
