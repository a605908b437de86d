#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>

#include "lrfd/lrfd.h"

namespace tavik {

namespace {
constexpr double kPoundsPerKip = 1000.0;
// A batter of this magnitude or less (radians) is taken as a vertical pile.
constexpr double kVerticalBatter = 1e-06;
// Printed in place of a resistance factor that is not positive.
constexpr double kDefaultResistanceFactor = 0.75;
constexpr int kNameLength = 256;

struct LoadTypeNames {
  std::string_view group;   // name in the group table
  std::string_view totals;  // name in the totals table
  std::string_view term;    // abbreviation in the factored-load line
};
constexpr std::array<LoadTypeNames, kLrfdLoadKinds> kLoadTypes{{
    {"Dead Load   (DL)", "Dead Loads   (DL)", "*DL"},
    {"Live Load   (LL)", "Live Loads   (LL)", "*LL"},
    {"Earthquake  (EQ)", "Earthquake   (EQ)", "*EQ"},
    {"Impact Load (IM)", "Impact Load  (IM)", "*IM"},
    {"Wind Load    (W)", "Wind Loads    (W)", "*W "},
    {"Water Load  (HW)", "Water Loads  (HW)", "*HW"},
    {"Ice Load   (Ice)", "Ice Loads   (Ice)", "*Ice"},
    {"Horiz. Soil (Hs)", "Horiz. Soil  (Hs)", "*Hs"},
    {"Live Roof   (Lr)", "Live Roof    (Lr)", "*Lr"},
    {"Rain Load   (DL)", "Rain Loads   (Rn)", "*Rn"},
    {"Snow Load   (DL)", "Snow Loads   (Sn)", "*Sn"},
    {"Temperature (Tm)", "Temperature  (Tm)", "*Tm"},
    {"Special     (Sp)", "Special      (Sp)", "*Sp"},
}};

std::string Padded_Name(const std::string& name) {
  std::string padded = name.substr(0, kNameLength);
  padded.resize(kNameLength, ' ');
  return padded;
}

void Dashes(TextChannel& out, int count) {
  out.Write_Line(std::string(count, '-'));
}

// Units of the factored loads: pounds and inch-pounds in US customary units; the SI labels
// otherwise, general units included (the tables have no labels of their own for them).
struct LrfdUnits {
  std::string_view force;
  std::string_view moment;
};
LrfdUnits Units_Of(const RunContext& run) {
  if (run.Problem.IUNITS == kUnitsUSCustomary) return {"lbs", "in-lbs"};
  return {"kN", "kN-m"};
}

int Load_Type_Of(const LrfdLoad& load) {
  return std::clamp(load.LoadKind, 0, kLrfdLoadKinds);
}

void Write_Groups(RunContext& run) {
  const ProblemData& problem = run.Problem;
  const bool us = problem.IUNITS == kUnitsUSCustomary;
  TextChannel& out = run.Report;
  const int n = std::clamp(problem.NumLrfdLoads, 0, kMaxLrfdLoads);
  out.Empty_Lines(3);
  Dashes(out, 79);
  out.Write_Line("                  Unfactored Loading Groups for LRFD Analysis");
  Dashes(out, 79);
  out.Empty_Lines(1);
  out.Line().A("Number of Loading Groups = ").I(n, 0);
  out.End_Line();
  out.Empty_Lines(1);
  out.Write_Line(
      "      Load                    Load                Horiz. Force               Moment       "
      "         Axial Force           Number of ");
  out.Write_Line(us ? "      Group                   Type                     lbs                  "
                      "inch-lbs                   lbs             Distrib. Lds. "
                    : "      Group                   Type                     kN                   "
                      "  kN-m                     kN              Distrib. Lds. ");
  // Under the group number, the type name, the three values and the count.
  std::string rule = "   ------" + std::string(15, ' ') + std::string(16, '-');
  for (int k = 0; k < 3; ++k) rule += std::string(8, ' ') + std::string(16, '-');
  out.Write_Line(rule + "    ----------");
  for (int g = 1; g <= n; ++g) {
    const LrfdLoad& load = problem.LrfdLoads[g - 1];
    const int type = Load_Type_Of(load);
    out.Line()
        .I(g, 9)
        .X(15)
        .A(type >= 1 ? kLoadTypes[type - 1].group : std::string_view("                "))
        .F(load.Shear, 24, 2)
        .F(load.Moment, 24, 2)
        .F(load.Axial, 24, 2)
        .I(load.DistributedLoad.NumPoints, 14);
    out.End_Line();
  }
  for (int g = 1; g <= n; ++g) {
    const DepthValueTable& profile = problem.LrfdLoads[g - 1].DistributedLoad;
    const int points = std::clamp(profile.NumPoints, 0, kMaxLrfdDistributedPoints);
    if (points == 0) continue;
    out.Empty_Lines(2);
    out.Line()
        .A("Number of Distributed Loading Points Input for Load Group ")
        .I(g, 0)
        .A(" = ")
        .I(points, 0);
    out.End_Line();
    out.Empty_Lines(1);
    out.Write_Line("Point           Depth          Distributed Load");
    out.Write_Line(us ? "                  ft               lb/inch   "
                      : "                  m                kN/m      ");
    out.Write_Line("-----     ----------------     ----------------");
    // The points as entered: the depths are in inches in US customary units (the unit of the
    // node depths they are integrated over), whatever the head above them says.
    for (int k = 0; k < points; ++k) {
      out.Line().I(k + 1, 4).F(profile.Depth[k], 21, 2).F(profile.Value[k], 21, 2);
      out.End_Line();
    }
  }
}

void Write_Totals(RunContext& run) {
  const LrfdState& lrfd = run.Lrfd;
  const bool us = run.Problem.IUNITS == kUnitsUSCustomary;
  TextChannel& out = run.Report;
  out.Empty_Lines(2);
  out.Write_Line("Totals of Unfactored Loads by Load Type for LRFD Analyses:");
  Dashes(out, 58);
  out.Empty_Lines(1);
  out.Line().A("Number of Defined Unfactored Load Cases = ").I(run.Problem.NumLrfdLoads, 0);
  out.End_Line();
  out.Empty_Lines(1);
  out.Write_Line(
      "The following table presents the sum of unfactored pile-head loads for each load type.");
  out.Empty_Lines(1);
  out.Write_Line(
      "      Load                Horiz. Force               Moment                Axial Force    "
      "       Number of ");
  out.Write_Line(
      us ? "      Type                     lbs                  inch-lbs                 "
           "  lbs                 Loads   "
         : "      Type                     Kn                     Kn-M                 "
           "    kN                  Loads   ");
  out.Write_Line(std::string(17, '-') +
                 "       ----------------        ----------------        "
                 "----------------     -------");
  for (int t = 1; t <= kLrfdLoadKinds; ++t) {
    const LrfdLoadTypeSums& sums = lrfd.TypeSums[t];
    out.Line()
        .A(kLoadTypes[t - 1].totals)
        .F(sums.Shear, 24, 2)
        .F(sums.Moment, 24, 2)
        .F(sums.Axial, 24, 2)
        .I(sums.Count, 12);
    out.End_Line();
  }
  out.Empty_Lines(3);
}

void Write_Factors(RunContext& run) {
  const ProblemData& problem = run.Problem;
  TextChannel& out = run.Report;
  const int n = std::clamp(problem.NumLrfdCombinations, 0, kMaxLrfdCombinations);
  Dashes(out, 77);
  out.Write_Line("     Load and Resistance Factors by Load Combinations for LRFD Analyses      ");
  Dashes(out, 77);
  out.Empty_Lines(1);
  out.Line().A("Number of Factored Load Combinations = ").I(n, 0);
  out.End_Line();
  out.Empty_Lines(1);
  out.Write_Line("Summary of Load and Resistance Factors:");
  Dashes(out, 39);
  out.Empty_Lines(1);
  out.Write_Line(
      " No.    DL     LL     EQ     IM    Wind   Watr    Ice   Soil   Roof   Rain   Snow   Temp  "
      " Spec   M RF   V RF   Name");
  std::string rule = "----";
  for (int k = 0; k < kLrfdLoadKinds + 2; ++k) rule += "  -----";
  out.Write_Line(rule + "   ----");
  for (int m = 1; m <= n; ++m) {
    const LrfdCombination& combination = problem.LrfdCombinations[m - 1];
    FortranLine& line = out.Line().I(m, 3).A(" ");
    for (double factor : combination.LoadFactor) {
      if (factor > 0.0) {
        line.F(factor, 7, 2);
      } else {
        line.A("    -- ");
      }
    }
    line.F(combination.FlexureResistanceFactor, 7, 2)
        .F(combination.ShearResistanceFactor, 7, 2)
        .X(3)
        .A(combination.Name);
    out.End_Line();
  }
}

double Printed_Factor(double factor) {
  return factor > 0.0 ? factor : kDefaultResistanceFactor;
}

// The factored head loads of every combination: V, M and P summed over the load types.
void Write_Factored_Loads(RunContext& run) {
  const ProblemData& problem = run.Problem;
  LrfdState& lrfd = run.Lrfd;
  const LrfdUnits units = Units_Of(run);
  TextChannel& out = run.Report;
  const int n = std::clamp(problem.NumLrfdCombinations, 0, kMaxLrfdCombinations);
  out.Empty_Lines(3);
  Dashes(out, 78);
  out.Write_Line(std::string(18, ' ') + "Computed Factored Loads for LRFD Analyses");
  Dashes(out, 78);
  out.Empty_Lines(1);
  for (int m = 1; m <= n; ++m) {
    const LrfdCombination& combination = problem.LrfdCombinations[m - 1];
    out.Line().A("Factored Load Combination No. ").I(m, 0);
    out.End_Line();
    Dashes(out, 33);
    out.Empty_Lines(1);
    out.Line().A("Load Combination Name = ").A(Padded_Name(combination.Name));
    out.End_Line();
    out.Empty_Lines(1);
    out.Line()
        .A("Structural Resistance Factor for Flexure =")
        .F(Printed_Factor(combination.FlexureResistanceFactor), 6, 3);
    out.End_Line();
    out.Line()
        .A("Structural Resistance Factor for Shear   =")
        .F(Printed_Factor(combination.ShearResistanceFactor), 6, 3);
    out.End_Line();
    out.Empty_Lines(1);
    FortranLine& line = out.Line().A("Factored Load = ");
    double v = 0.0;
    double mo = 0.0;
    double p = 0.0;
    for (int t = 1; t <= kLrfdLoadKinds; ++t) {
      const double factor = combination.LoadFactor[t - 1];
      if (factor <= 0.0) continue;
      if (t > 1) line.A(" +");
      line.F(factor, 5, 2).A(kLoadTypes[t - 1].term);
      const LrfdLoadTypeSums& sums = lrfd.TypeSums[t];
      v += factor * sums.Shear;
      mo += factor * sums.Moment;
      p += factor * sums.Axial;
    }
    line.A(" ");
    out.End_Line();
    out.Empty_Lines(1);
    lrfd.Shear[m] = v;
    lrfd.Moment[m] = mo;
    lrfd.Axial[m] = p;
    out.Line().A("Factored Horizontal Force = ").F(v, 24, 2).A(" ").A(units.force);
    out.End_Line();
    out.Line().A("Factored Vertical Force   = ").F(p, 24, 2).A(" ").A(units.force);
    out.End_Line();
    out.Line().A("Factored Moment           = ").F(mo, 24, 2).A(" ").A(units.moment);
    out.End_Line();
    out.Empty_Lines(1);
  }
}

void Write_Totals_By_Combination(RunContext& run) {
  const ProblemData& problem = run.Problem;
  const LrfdState& lrfd = run.Lrfd;
  TextChannel& out = run.Report;
  const int n = std::clamp(problem.NumLrfdCombinations, 0, kMaxLrfdCombinations);
  out.Empty_Lines(1);
  out.Write_Line("Totals of Factored Loads by Load Combination:");
  Dashes(out, 45);
  out.Empty_Lines(2);
  out.Write_Line("      Load             Factored           Factored           Factored      ");
  out.Write_Line(
      "   Combination       Horiz. Force          Moment           Vert. Force     Load "
      "Combination Name  ");
  if (problem.IUNITS == kUnitsUSCustomary) {
    out.Write_Line("     Number               lbs              in-lbs               lbs        ");
  } else if (problem.IUNITS == kUnitsSI) {
    out.Write_Line("     Number               kN                kN-m                kN         ");
  }
  out.Write_Line("  -----------    ---------------    ---------------    ---------------    " +
                 std::string(22, '-'));
  for (int m = 1; m <= n; ++m) {
    out.Line()
        .I(m, 9)
        .X(7)
        .F(lrfd.Shear[m], 19, 2)
        .F(lrfd.Moment[m], 19, 2)
        .F(lrfd.Axial[m], 19, 2)
        .X(3)
        .A(Padded_Name(problem.LrfdCombinations[m - 1].Name));
    out.End_Line();
  }
}

// A battered pile: the horizontal and vertical head loads become the shear across the pile
// and the axial force along it, V' = V cos(b) + P sin(b), P' = -V sin(b) + P cos(b).
void Transform_For_Batter(RunContext& run) {
  const ProblemData& problem = run.Problem;
  LrfdState& lrfd = run.Lrfd;
  const double batter = problem.PileBatterAngle;
  if (!(std::fabs(batter) > kVerticalBatter)) return;
  const double c = std::cos(batter);
  const double s = std::sin(batter);
  TextChannel& out = run.Report;
  out.Empty_Lines(2);
  out.Write_Line("Factored Loads Transformed for Pile Batter by Load Combination:");
  Dashes(out, 63);
  out.Empty_Lines(1);
  out.Write_Line(
      "Horizontal and vertical loads are transformed into transverse shear and axial loads");
  out.Write_Line("using the following:");
  out.Empty_Lines(1);
  out.Line().A("Pile PileBatter = ").F(batter * 180.0 / std::numbers::pi, 7, 3).A(" degrees");
  out.End_Line();
  out.Empty_Lines(1);
  out.Write_Line("Transformation Matrix and Equations:");
  out.Empty_Lines(1);
  out.Line().A("   T(1,1) =  Cos(PileBatter) = ").F(c, 8, 4);
  out.End_Line();
  out.Line().A("   T(1,2) = Sin(PileBatter) = ").F(s, 8, 4);
  out.End_Line();
  out.Empty_Lines(1);
  out.Line().A("   T(2,1) = -Sin(PileBatter) = ").F(-s, 8, 4);
  out.End_Line();
  out.Line().A("   T(2,2) = Cos(PileBatter) = ").F(c, 8, 4);
  out.End_Line();
  out.Empty_Lines(2);
  out.Write_Line("   Shear Force = T(1,1) * Horiz. Force + T(1,2) * Vertical Force");
  out.Write_Line("   Axial Force = T(2,1) * Horiz. Force + T(2,2) * Vertical Force");
  out.Empty_Lines(2);
  out.Write_Line("      Load             Factored           Factored          Factored");
  out.Write_Line(
      "  Combination         Shear Force          Moment          Axial Force      Load "
      "Combination Name  ");
  const std::string group(16, '-');
  out.Write_Line(group + "   " + group + "   " + group + "   " + group + "   " +
                 std::string(62, '-'));
  const int n = std::clamp(problem.NumLrfdCombinations, 0, kMaxLrfdCombinations);
  for (int m = 1; m <= n; ++m) {
    const double v = c * lrfd.Shear[m] + s * lrfd.Axial[m];
    const double p = -s * lrfd.Shear[m] + c * lrfd.Axial[m];
    lrfd.Shear[m] = v;
    lrfd.Axial[m] = p;
    out.Line()
        .I(m, 9)
        .X(7)
        .F(v, 19, 2)
        .F(lrfd.Moment[m], 19, 2)
        .F(p, 19, 2)
        .A(Padded_Name(problem.LrfdCombinations[m - 1].Name));
    out.End_Line();
  }
}

// The distinct factored axial forces, ascending: the thrusts of the section analysis.
void Set_Thrust_List(RunContext& run) {
  ProblemData& problem = run.Problem;
  LrfdState& lrfd = run.Lrfd;
  const int n =
      std::clamp(problem.NumLrfdCombinations, 0, std::min(kMaxLrfdCombinations, kMaxThrusts));
  std::array<double, kMaxThrusts> values{};
  for (int m = 1; m <= n; ++m) values[m - 1] = lrfd.Axial[m];
  std::sort(values.begin(), values.begin() + n);
  int count = 0;
  for (int i = 0; i < n; ++i) {
    if (count == 0 || values[i] != values[count - 1]) values[count++] = values[i];
  }
  for (int m = 1; m <= n; ++m) {
    lrfd.ThrustIndex[m] =
        static_cast<int>(std::find(values.begin(), values.begin() + count, lrfd.Axial[m]) -
                         values.begin()) +
        1;
  }
  TextChannel& out = run.Report;
  out.Empty_Lines(2);
  out.Write_Line("Sorted Values of Axial Thrust Forces Sorted for LRFD Computations:");
  Dashes(out, 66);
  out.Empty_Lines(2);
  out.Line().A("Number of Unique Axial Thrust Values = ").I(count, 0);
  out.End_Line();
  out.Empty_Lines(1);
  out.Write_Line("Number   Factored Axial Thrust");
  out.Write_Line("------   ---------------------");
  for (int t = 0; t < count; ++t) {
    out.Line().I(t + 1, 4).F(values[t], 16, 3);
    out.End_Line();
  }
  const double factor = problem.IUNITS == kUnitsUSCustomary ? kPoundsPerKip : 1.0;
  problem.UniqueThrusts.fill(0.0);
  for (int t = 0; t < count; ++t) problem.UniqueThrusts[t] = values[t] / factor;
  problem.NumUniqueThrusts = count;
}
}  // namespace

void Form_LRFD_Loads(RunContext& run) {
  LrfdState& lrfd = run.Lrfd;
  lrfd = LrfdState{};
  const ProblemData& problem = run.Problem;
  Write_Groups(run);
  for (int g = 0; g < std::clamp(problem.NumLrfdLoads, 0, kMaxLrfdLoads); ++g) {
    const LrfdLoad& load = problem.LrfdLoads[g];
    const int type = Load_Type_Of(load);
    if (type < 1) continue;
    LrfdLoadTypeSums& sums = lrfd.TypeSums[type];
    sums.Shear += load.Shear;
    sums.Moment += load.Moment;
    sums.Axial += load.Axial;
    ++sums.Count;
  }
  Write_Totals(run);
  Write_Factors(run);
  Write_Factored_Loads(run);
  Write_Totals_By_Combination(run);
  Transform_For_Batter(run);
  Set_Thrust_List(run);
  lrfd.b_LoadsFormed = true;
}

}  // namespace tavik
