#include <algorithm>
#include <cmath>
#include <string>

#include "lrfd/lrfd.h"
#include "run/report_writers.h"
#include "run/run_status.h"
#include "sections/elastic_ei_tables.h"

namespace tavik {

namespace {
constexpr double kKipsPerPound = 1000.0;
constexpr int kOverloadWarning = -400;
constexpr int kNameLength = 256;

// k with T(k) <= qs < T(k + 1) in section j's thrust list (its tables' own thrusts).
int Section_Thrust_Index(const SectionEITables& tables, int j, double qs) {
  const int n = tables.NumSectionThrusts[j];
  if (n >= 1 && qs >= tables.SectionThrust[n][j]) return n;
  for (int t = 1; t < n; ++t) {
    if (tables.SectionThrust[t][j] <= qs && qs < tables.SectionThrust[t + 1][j]) return t;
  }
  return 1;
}

bool Capacity_From_Plastic_Moment(const PileSection& section) {
  if (section.SectionType != kElasticPlastic) return false;
  const int shape = section.ElasticShape;
  return shape == kShapeRectangular || shape == kShapeCircular || shape == kShapePipe ||
         shape == kShapePole;
}
}  // namespace

void Write_LRFD_Performance(RunContext& run) {
  const ProblemData& problem = run.Problem;
  const LateralAnalysisState& state = run.Analysis;
  const SectionEITables& tables = run.EITables;
  TextChannel& out = run.Report;
  out.Empty_Lines(2);
  out.Rule('-');
  out.Write_Line(std::string(19, ' ') + "LRFD Performance by Load Case Combination");
  out.Rule('-');
  out.Empty_Lines(2);
  out.Write_Line(
      "Load             Resistance    Factored      Maximum      Moment      Pass/Fail     "
      "Maximum                           ");
  out.Write_Line(
      "Case   Section     Factor       Moment        Moment     Fraction     for LRFD    Shear "
      "For.    Pile-Top     Pile-Top ");
  out.Write_Line(
      " No.     No.     for Moment    Capacity     Developed    Mobilized     Moment      "
      "Developed   Deflection    Rotation ");
  out.Write_Line(
      "                              of Section   in Section   in Section   of Section   in "
      "Section    Developed    Developed   Name of Load Case Combination");
  out.Write_Line(
      "----   -------   ----------   ----------   ----------   ----------   ----------   "
      "----------   ----------   ----------   -----------------------------------------");
  const double table_factor = problem.IUNITS == kUnitsUSCustomary ? kKipsPerPound : 1.0;
  int failed_combinations = 0;
  for (int m = 1; m <= state.NumLoadCases; ++m) {
    const LrfdCombination& combination = problem.LrfdCombinations[m - 1];
    const double phi = combination.FlexureResistanceFactor;
    bool failed = false;
    for (int j = 1; j <= problem.NumSections; ++j) {
      const PileSection& section = problem.Sections[j - 1];
      const SectionMaxima& maxima = state.SectionMax[m][j];
      const bool elastic = section.SectionType == kElastic;
      Write_Integer(out, m, 3);
      Write_Blanks(out, 1);
      Write_Integer(out, j, 7);
      Write_Blanks(out, 3);
      Write_Real(out, phi, 10);
      Write_Blanks(out, 6);
      double capacity = 0.0;
      if (elastic) {
        out.Line().A(" Infinite ");
      } else {
        if (Capacity_From_Plastic_Moment(section)) {
          const int node = std::clamp(maxima.MomentNode, 1, kMaxNodeSlots);
          capacity = phi * Plastic_Moment_At_Depth(problem, j, run.Nodes.rd_NodeDepth[node]);
        } else {
          const int k = Section_Thrust_Index(tables, j, run.Lrfd.Axial[m] / table_factor);
          capacity = phi * tables.NominalMoment[k][j];
        }
        Write_Real(out, capacity, 10);
      }
      Write_Blanks(out, 3);
      Write_Real(out, maxima.Moment, 10);
      Write_Blanks(out, 3);
      if (elastic) {
        out.Line().A("    N/A   ").X(3).A("    N/A      ");
      } else {
        // Without a positive factored capacity (a resistance factor or a capacity of 0) the
        // moment cannot be carried: the section fails and no fraction is shown.
        const bool has_capacity = capacity > 0.0;
        const double fraction = has_capacity ? maxima.Moment / capacity : 0.0;
        const bool fails = !has_capacity || std::fabs(fraction) >= 1.0;
        if (has_capacity) {
          out.Line().F(fraction, 10, 4);
        } else {
          out.Line().A("    N/A   ");
        }
        out.Line().X(3).A(fails ? "  > FAIL <   " : "    Pass     ");
        if (fails) {
          Record_Warning(run.Status, kOverloadWarning);
          failed = true;
        }
      }
      Write_Real(out, maxima.Shear, 10);
      Write_Blanks(out, 3);
      Write_Real(out, state.Cases[m].HeadDeflection, 10);
      Write_Blanks(out, 3);
      Write_Real(out, state.Cases[m].HeadSlope, 10);
      Write_Blanks(out, 3);
      std::string name = combination.Name.substr(0, kNameLength);
      name.resize(kNameLength, ' ');
      out.Line().A(name);
      out.End_Line();
    }
    if (failed) ++failed_combinations;
  }
  out.Empty_Lines(1);
  if (failed_combinations > 0) {
    out.Line().I(failed_combinations, 0).A(" LRFD load combinations have failed.");
    out.End_Line();
  } else {
    out.Write_Line("All LRFD load combinations have passed for all pile sections.");
  }
}

}  // namespace tavik
