#include "analysis/head_stiffness_matrix.h"

#include <array>
#include <cmath>
#include <string_view>

#include "analysis/analyse_load_cases.h"
#include "analysis/load_case_report.h"
#include "profile/pile_discretisation.h"
#include "run/report_writers.h"

namespace tavik {

namespace {
constexpr int kStiffnessCases = 2 * kStiffnessLoadLevels;
// A load of load case 1 below this is replaced by the default load of its units system.
constexpr double kNegligibleLoad = 1.0e-07;
// 10 lbs and 100 in-lbs, and the same loads in kN and kN-m.
constexpr double kDefaultShearUS = 10.0;
constexpr double kDefaultShearSI = 0.0444822;
constexpr double kDefaultMomentUS = 100.0;
constexpr double kDefaultMomentSI = 0.01129848;
// The lowest load level; level s = 2 .. 10 is log10(s), so the tenth is the full load.
constexpr double kFirstLoadLevel = 0.1;
constexpr double kFixedHeadSlope = 0.0;
constexpr double kRestrainedHeadDeflection = 0.0;
constexpr int kDeflectionWidth = 14;
constexpr int kValueWidth = 16;

using StiffnessLoadSet = std::array<LoadCase, kStiffnessCases + 1>;  // element s = case s

// V0 or M0 from a condition of load case 1: a negligible value takes the default load in US
// customary and SI units and stays as it is in general units.
double Stiffness_Load(double condition, int iunits, double default_us, double default_si) {
  if (std::fabs(condition) >= kNegligibleLoad) return condition;
  if (iunits == kUnitsUSCustomary) return default_us;
  if (iunits == kUnitsSI) return default_si;
  return condition;
}

double Load_Level(int level) {
  return level == 1 ? kFirstLoadLevel : std::log10(static_cast<double>(level));
}

StiffnessLoadSet Stiffness_Load_Set(double v0, double m0, double thrust) {
  StiffnessLoadSet cases{};
  for (int i = 1; i <= kStiffnessLoadLevels; ++i) {
    const double level = Load_Level(i);
    cases[i] = LoadCase{kLoadShearSlope, level * v0, kFixedHeadSlope, thrust, false};
    cases[kStiffnessLoadLevels + i] =
        LoadCase{kLoadDeflectionMoment, kRestrainedHeadDeflection, level * m0, thrust, false};
  }
  return cases;
}

// In general units there is no default load: a zero shear or moment in load case 1 would
// give stiffnesses 0 / 0, so the matrix is not computed and the report says why.
void Report_No_Stiffness_Loads(RunContext& run) {
  for (TextChannel* out : {&run.Report, &run.Messages}) {
    out->Empty_Lines(2);
    out->Write_Line("Pile-head stiffness matrix not computed: in general units the shear and the");
    out->Write_Line("moment of load case 1 (conditions 1 and 2) set the stiffness loads, and one");
    out->Write_Line("of them is zero.");
    out->Empty_Lines(1);
  }
}

// Analyses the twenty cases on the input pile, each recorded by the results writer in
// run.Analysis.Cases[s]. True when all converged; false when one did not (or reached the
// excess deflection), or when an error was raised.
bool Analyse_Stiffness_Cases(RunContext& run, const StiffnessLoadSet& cases) {
  LateralAnalysisState& state = run.Analysis;
  for (int s = 1; s <= kStiffnessCases; ++s) {
    run.Nodes.rd_PileLength = state.SavedPileLength;
    Discretise_Pile(run);
    if (run.Status.Has_Error()) return false;
    if (Solve_Case(run, cases[s], s, false) != IterationOutcome::kConverged) return false;
    Write_Load_Case_Results(run, s);
  }
  return true;
}

// K22, K23, K32 and K33 of the ten load levels from the recorded cases: K22 and K33 from the
// applied shear and moment, K23 and K32 from the shear and moment computed at the head node.
void Form_Stiffnesses(RunContext& run, const StiffnessLoadSet& cases) {
  const auto& kept = run.Analysis.Cases;
  HeadStiffnessMatrix& k = run.Analysis.HeadStiffness;
  for (int i = 1; i <= kStiffnessLoadLevels; ++i) {
    const LoadCaseSummary& fixed = kept[i];
    const LoadCaseSummary& restrained = kept[kStiffnessLoadLevels + i];
    k.Shear[i] = cases[i].Condition1;
    k.Moment[i] = cases[kStiffnessLoadLevels + i].Condition2;
    k.K22[i] = k.Shear[i] / fixed.HeadDeflection;
    k.K32[i] = -fixed.HeadMoment / fixed.HeadDeflection;
    k.K23[i] = restrained.HeadShear / restrained.HeadSlope;
    k.K33[i] = -k.Moment[i] / restrained.HeadSlope;
  }
  k.Computed = true;
}

void Write_Line14_Records(RunContext& run) {
  const auto& kept = run.Analysis.Cases;
  const HeadStiffnessMatrix& k = run.Analysis.HeadStiffness;
  for (int i = 1; i <= kStiffnessLoadLevels; ++i) {
    run.Plot.Line()
        .ES(k.Shear[i], 15, 7)
        .ES(k.Moment[i], 15, 7)
        .ES(k.K22[i], 15, 7)
        .ES(k.K23[i], 15, 7)
        .ES(k.K32[i], 15, 7)
        .ES(k.K33[i], 15, 7)
        .ES(std::fabs(kept[i].HeadDeflection), 15, 7)
        .ES(std::fabs(kept[kStiffnessLoadLevels + i].HeadSlope), 15, 7)
        .A("  Line 14: V, M, K22, K23, K32, K33, ytop, theta");
    run.Plot.End_Line();
  }
}

// One table row: the first value in a field of 14 (as given), the four others of 16 as
// magnitudes.
void Write_Stiffness_Row(TextChannel& out, double first, double shear, double moment,
                         double k_shear, double k_moment) {
  Write_Real(out, first, kDeflectionWidth);
  for (double value : {shear, moment, k_shear, k_moment}) {
    Write_Real(out, std::fabs(value), kValueWidth);
  }
  out.End_Line();
}

void Write_Stiffness_Report(RunContext& run) {
  TextChannel& out = run.Report;
  const auto& kept = run.Analysis.Cases;
  const HeadStiffnessMatrix& k = run.Analysis.HeadStiffness;
  const bool us = run.Problem.IUNITS == kUnitsUSCustomary;
  constexpr std::string_view kRule =
      "  ------------  --------------  --------------  --------------  --------------";
  out.Empty_Lines(2);
  out.Rule('-');
  out.Write_Line("                  Computed Pile-head Stiffness Matrix Values");
  out.Write_Line("                    K22, K23, K32, K33 for Pile  Head");
  out.Rule('-');
  out.Empty_Lines(1);

  out.Write_Line("    Pile-Top       Pile-Top        Pile-Top                                   ");
  out.Write_Line("   Deflection   Shear Reaction   Moment React.       K22              K32     ");
  out.Write_Line(
      us ? "     inches          lbs            in-lbs          lb/in.         in-lb/in.  "
         : "     meters           kN             kN-m            kN/m            kN-m/m   ");
  out.Write_Line(kRule);
  for (int i = 1; i <= kStiffnessLoadLevels; ++i) {
    const LoadCaseSummary& fixed = kept[i];
    Write_Stiffness_Row(out, fixed.HeadDeflection, fixed.HeadShear, fixed.HeadMoment, k.K22[i],
                        k.K32[i]);
  }
  out.Empty_Lines(1);

  if (us) {
    out.Write_Line("    Pile-Top       Pile-Top        Pile-Top                                  ");
    out.Write_Line("    Rotation     Shear React.    Moment React.       K23              K33    ");
    out.Write_Line("     radians          lbs            in-lbs         lb/rad         in-lb/rad ");
  } else {
    out.Write_Line(
        "    Pile-Top       Pile-Top        Pile-Top                                   ");
    out.Write_Line(
        "    Rotation     Shear React.    Moment React.       K23              K33     ");
    out.Write_Line(
        "     radians          kN             kN-m           kN/rad          kN-m/rad  ");
  }
  out.Write_Line(kRule);
  for (int i = 1; i <= kStiffnessLoadLevels; ++i) {
    const LoadCaseSummary& restrained = kept[kStiffnessLoadLevels + i];
    Write_Stiffness_Row(out, std::fabs(restrained.HeadSlope), restrained.HeadShear,
                        restrained.HeadMoment, k.K23[i], k.K33[i]);
  }
  out.Empty_Lines(1);
  out.Write_Line("  K22 = abs(Shear Reaction/Top y)");
  out.Write_Line("  K23 = abs(Shear Reaction/Top Rotation)");
  out.Write_Line("  K32 = abs(Moment Reaction/Top y)");
  out.Write_Line("  K33 = abs(Moment Reaction/Top Rotation)");
  out.Empty_Lines(2);
}
}  // namespace

void Compute_Head_Stiffness_Matrix(RunContext& run) {
  LateralAnalysisState& state = run.Analysis;
  state.HeadStiffness = HeadStiffnessMatrix{};
  const int iunits = run.Problem.IUNITS;
  const LoadCase& first = run.Problem.LoadCases[0];
  const double v0 = Stiffness_Load(first.Condition1, iunits, kDefaultShearUS, kDefaultShearSI);
  const double m0 = Stiffness_Load(first.Condition2, iunits, kDefaultMomentUS, kDefaultMomentSI);
  if (v0 == 0.0 || m0 == 0.0) {
    Report_No_Stiffness_Loads(run);
    return;
  }
  const StiffnessLoadSet cases = Stiffness_Load_Set(v0, m0, first.AxialThrust);

  // The stiffness cases are recorded, not reported, and belong to no load case: the
  // per-section maxima of the load cases stay as their results left them.
  const int load_case = state.CurrentCase;
  state.CurrentCase = 0;
  state.b_StiffnessMatrixMode = true;
  const bool all_converged = Analyse_Stiffness_Cases(run, cases);
  state.b_StiffnessMatrixMode = false;
  state.CurrentCase = load_case;
  if (!all_converged) return;

  Form_Stiffnesses(run, cases);
  Write_Stiffness_Report(run);
  Write_Line14_Records(run);
}

}  // namespace tavik
