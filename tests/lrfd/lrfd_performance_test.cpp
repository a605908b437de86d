// The LRFD performance table: the factored moment capacity of each section type, the moment
// fraction and the verdict, the closing line and warning 400 in the warning summary. The
// results of the analysis (largest moments, shears, head values) and the section tables are
// set directly, so every number of a row follows from the values below by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "analysis/analysis_fixture.h"
#include "lrfd/lrfd.h"
#include "run/warning_summary.h"
#include "test_support.h"

namespace tavik {
namespace {

constexpr int kOverloadWarning = 400;
constexpr int kNameLength = 256;

// Three sections in SI units, 10 m each on nodes every 0.5 m:
//   1: elastic-plastic circular (type 12, shape 2), Mp 300 kN-m at its top (0 m) and 100 at
//      its bottom (10 m): Mp = 250 at 2.5 m (node 6), 150 at 7.5 m (node 16);
//   2: elastic-plastic strong H (type 12, shape 4), tabulated Mn 400, 500, 600 kN-m at the
//      thrusts -50, 100, 200 kN;
//   3: elastic (type 11).
std::unique_ptr<RunContext> Three_Sections(int iunits = kUnitsSI) {
  auto run = std::make_unique<RunContext>();
  ProblemData& p = run->Problem;
  p.IUNITS = iunits;
  p.Options.UseLRFD = true;
  p.NumSections = 3;
  const int types[] = {kElasticPlastic, kElasticPlastic, kElastic};
  const int shapes[] = {kShapeCircular, kShapeStrongH, kShapeStrongH};
  for (int j = 0; j < 3; ++j) {
    PileSection& s = p.Sections[j];
    s.SectionType = types[j];
    s.ElasticShape = shapes[j];
    s.SectionTopDepth = 10.0 * j;
    s.SectionBottomDepth = 10.0 * (j + 1);
  }
  p.Sections[0].TopPlasticMoment = 300.0;
  p.Sections[0].BottomPlasticMoment = 100.0;
  for (int i = 1; i <= 61; ++i) run->Nodes.rd_NodeDepth[i] = 0.5 * (i - 1);
  SectionEITables& tables = run->EITables;
  const double thrust[] = {-50.0, 100.0, 200.0};
  const double mn[] = {400.0, 500.0, 600.0};
  for (int j = 1; j <= 3; ++j) {
    tables.NumSectionThrusts[j] = 3;
    for (int t = 1; t <= 3; ++t) {
      tables.SectionThrust[t][j] = thrust[t - 1];
      tables.NominalMoment[t][j] = mn[t - 1];
    }
  }
  return run;
}

// Combination m with its flexure resistance factor, factored axial force and name.
void Set_Combination(RunContext& run, int m, double phi, double axial, const std::string& name) {
  LrfdCombination& c = run.Problem.LrfdCombinations[m - 1];
  c.FlexureResistanceFactor = phi;
  c.Name = name;
  run.Lrfd.Axial[m] = axial;
  run.Problem.NumLrfdCombinations = std::max(run.Problem.NumLrfdCombinations, m);
  run.Analysis.NumLoadCases = run.Problem.NumLrfdCombinations;
}

void Set_Maxima(RunContext& run, int m, int j, double moment, double shear, int node) {
  run.Analysis.SectionMax[m][j] = SectionMaxima{moment, shear, node, node};
}

// The performance table followed by the warning summary, as report lines.
std::vector<std::string> Performance_Lines(RunContext& run) {
  testing::ScratchDir dir;
  run.Report.Open(dir.File("p.out"));
  Write_LRFD_Performance(run);
  Write_Warning_Summary(run.Report, run.Status);
  run.Report.Close();
  return testing::Read_Lines(dir.File("p.out"));
}

std::string Padded(const std::string& name) {
  std::string padded = name;
  padded.resize(kNameLength, ' ');
  return padded;
}

int Index_Of(const std::vector<std::string>& lines, const std::string& text) {
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    if (lines[i] == text) return i;
  }
  return -1;
}

// The factored capacity field of a row: columns 31 to 40 (after the combination, section
// and factor fields, 3 + 1 + 7 + 3 + 10 + 6 characters).
std::string Capacity_Field(const std::string& row) {
  return row.size() >= 40 ? row.substr(30, 10) : std::string();
}

// Two combinations at the same thrust, 100 kN, with phi = 0.75:
//   1: section 1 M = 150 at node 6: C = 0.75 x 250 = 187.5, F = 0.8, pass; section 2
//      M = -300: C = 0.75 x Mn(100 kN) = 375, F = -0.8, pass; section 3 never fails.
//   2: section 1 M = 112.5 at node 16: C = 0.75 x 150 = 112.5, F = 1.0000: fails at
//      equality; section 2 M = -450: F = -1.2, its magnitude beyond 1: fails.
// Combination 2 fails twice but counts once; warning 400 is tallied twice.
// Fields (a blank and F9.3 above 0.1, F9.5 from 0.001 to 0.1, F9.0 above 10000).
TEST(LrfdPerformance, RowsOfPassingAndFailingSections) {
  auto run = Three_Sections();
  Set_Combination(*run, 1, 0.75, 100.0, "Service");
  Set_Combination(*run, 2, 0.75, 100.0, "Overload");
  Set_Maxima(*run, 1, 1, 150.0, 40.0, 6);
  Set_Maxima(*run, 1, 2, -300.0, -20.0, 25);
  Set_Maxima(*run, 1, 3, 1.0e6, 5.0, 45);
  Set_Maxima(*run, 2, 1, 112.5, 45.0, 16);
  Set_Maxima(*run, 2, 2, -450.0, -30.0, 25);
  Set_Maxima(*run, 2, 3, 2.0e6, 6.0, 45);
  run->Analysis.Cases[1].HeadDeflection = 0.0125;
  run->Analysis.Cases[1].HeadSlope = -0.002;
  run->Analysis.Cases[2].HeadDeflection = 0.025;
  run->Analysis.Cases[2].HeadSlope = -0.004;
  const auto lines = Performance_Lines(*run);

  const std::vector<std::string> rows = {
      "  1       1        0.750         187.500      150.000       0.8000       Pass     "
      "    40.000      0.01250     -0.00200   " +
          Padded("Service"),
      "  1       2        0.750         375.000     -300.000      -0.8000       Pass     "
      "   -20.000      0.01250     -0.00200   " +
          Padded("Service"),
      "  1       3        0.750       Infinite      1000000.       N/A          N/A      "
      "     5.000      0.01250     -0.00200   " +
          Padded("Service"),
      "  2       1        0.750         112.500      112.500       1.0000     > FAIL <   "
      "    45.000      0.02500     -0.00400   " +
          Padded("Overload"),
      "  2       2        0.750         375.000     -450.000      -1.2000     > FAIL <   "
      "   -30.000      0.02500     -0.00400   " +
          Padded("Overload"),
      "  2       3        0.750       Infinite      2000000.       N/A          N/A      "
      "     6.000      0.02500     -0.00400   " +
          Padded("Overload"),
  };
  const int first = Index_Of(lines, rows[0]);
  ASSERT_NE(first, -1) << "row of combination 1, section 1";
  for (int k = 1; k < static_cast<int>(rows.size()); ++k) {
    ASSERT_LT(first + k, static_cast<int>(lines.size()));
    EXPECT_EQ(lines[first + k], rows[k]);
  }
  const int closing = first + static_cast<int>(rows.size());
  ASSERT_LT(closing + 1, static_cast<int>(lines.size()));
  EXPECT_EQ(lines[closing], "");
  EXPECT_EQ(lines[closing + 1], "1 LRFD load combinations have failed.");

  EXPECT_EQ(run->Status.WarningTally[kOverloadWarning], 2);
  const int summary = Index_Of(lines, "The following warning was reported 2 times");
  ASSERT_NE(summary, -1);
  ASSERT_LT(summary + 6, static_cast<int>(lines.size()));
  EXPECT_EQ(lines[summary + 3], "**** Warning - Failure for One or More LRFD Load Cases ****");
  EXPECT_EQ(lines[summary + 6],
            "LRFD load cases has overloaded the structural capacity of the pile.");
}

// The capacity of a section with tabulated Mn is taken at the combination's thrust, in kips
// for the tables in US customary units; Mn is held in the run's units.
TEST(LrfdPerformance, TabulatedCapacityAtTheCombinationsThrust) {
  struct Case {
    int iunits;
    double axial;          // factored axial force, kN or lbs
    double mn_factor;      // Mn of the tables: 400, 500, 600 times this
    const char* capacity;  // 0.75 Mn(k), written in a field of 10
  };
  const Case cases[] = {
      {kUnitsSI, -50.0, 1.0, "   300.000"},                 // k = 1
      {kUnitsSI, 100.0, 1.0, "   375.000"},                 // k = 2
      {kUnitsSI, 200.0, 1.0, "   450.000"},                 // k = 3
      {kUnitsUSCustomary, 100000.0, 1000.0, "   375000."},  // 100 kips: k = 2 (in-lbs)
      {kUnitsUSCustomary, -50000.0, 1000.0, "   300000."},  // -50 kips: k = 1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.axial);
    auto run = Three_Sections(c.iunits);
    for (int t = 1; t <= 3; ++t) run->EITables.NominalMoment[t][2] *= c.mn_factor;
    run->Problem.NumSections = 2;
    Set_Combination(*run, 1, 0.75, c.axial, "Case");
    Set_Maxima(*run, 1, 2, 1.0, 1.0, 25);
    const auto lines = Performance_Lines(*run);
    const int row = testing::Find_Line(lines, "  1       2   ");
    ASSERT_NE(row, -1);
    EXPECT_EQ(Capacity_Field(lines[row]), c.capacity);
  }
}

// Elastic sections have no capacity: any moment passes, no warning is recorded and the
// closing line says that all combinations passed.
TEST(LrfdPerformance, ElasticSectionsAlwaysPass) {
  auto run = Three_Sections();
  run->Problem.Sections[0].SectionType = kElastic;
  run->Problem.NumSections = 1;
  Set_Combination(*run, 1, 0.9, 0.0, "Huge");
  Set_Maxima(*run, 1, 1, -1.0e9, 1.0, 6);
  const auto lines = Performance_Lines(*run);
  EXPECT_NE(Index_Of(lines, "All LRFD load combinations have passed for all pile sections."), -1);
  EXPECT_EQ(run->Status.WarningTally[kOverloadWarning], 0);
  EXPECT_NE(Index_Of(lines, "No error or warning messages were generated by this analysis."), -1);
}

// A flexure resistance factor that is not positive leaves no positive factored capacity:
// the section fails whatever its moment, with no fraction shown, and warning 400 is
// recorded. (The factored-load report prints 0.75 for such a factor; this table keeps the
// factor as given.)
TEST(LrfdPerformance, NonPositiveFlexureFactorFails) {
  struct Case {
    double phi;
    const char* factor;    // the factor as written (width 10)
    const char* capacity;  // phi x Mn(100 kN) = phi x 500
  };
  const Case cases[] = {
      {0.0, "      0.00", "      0.00"},
      {-0.5, "    -0.500", "  -250.000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.phi);
    auto run = Three_Sections();
    run->Problem.NumSections = 2;
    Set_Combination(*run, 1, c.phi, 100.0, "Bad factor");
    Set_Maxima(*run, 1, 2, 10.0, 1.0, 25);  // 10 kN-m, far below |phi| Mn
    const auto lines = Performance_Lines(*run);
    const int row = testing::Find_Line(lines, "  1       2   ");
    ASSERT_NE(row, -1);
    EXPECT_EQ(lines[row].substr(14, 10), c.factor);
    EXPECT_EQ(Capacity_Field(lines[row]), c.capacity);
    EXPECT_EQ(lines[row].substr(56, 26), "    N/A        > FAIL <   ");
    // Section 1 (capacity phi Mp, with no moment) fails as well: two warnings, one failed
    // combination.
    EXPECT_EQ(run->Status.WarningTally[kOverloadWarning], 2);
    EXPECT_NE(Index_Of(lines, "1 LRFD load combinations have failed."), -1);
  }
}

}  // namespace
}  // namespace tavik
