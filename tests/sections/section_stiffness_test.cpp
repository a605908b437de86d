// The section driver: the tables of elastic, elastic-plastic and user-EI sections, the
// plot records of a run with several sections, the same section in both unit systems, and
// the refusal of sections the analysis cannot use.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/analysis_fixture.h"
#include "input/input_checks.h"
#include "sections/section_fixture.h"
#include "tavik/tavik.h"
#include "test_support.h"

namespace tavik {
namespace {

using testing::Count_Lines_Containing;
using testing::Find_Line;
using testing::Run_Sections;
using testing::SectionRun;

PileSection Elastic_Pipe(int type) {
  PileSection s;
  s.SectionType = type;
  s.SectionLength = 480.0;
  s.ElasticShape = kShapePipe;
  s.ElasticModulus = 29.0e6;
  s.TopInertia = 1000.0;
  s.BottomInertia = 1000.0;
  s.TopPlasticMoment = 5.0e6;  // in-lb
  s.BottomPlasticMoment = 5.0e6;
  return s;
}

// Elastic: 150 points of phi = 10 p, EI = E I = 2.9e10 lb-in**2 = 2.9e7 kip-in**2, M = EI
// phi; Mn = M(150) = 2.9e7 x 1500 kip-in, held in in-lb.
TEST(SectionTables, Elastic) {
  const SectionRun run = Run_Sections({Elastic_Pipe(kElastic)}, {0.0, 50.0});
  const SectionEITables& t = run.run->EITables;
  ASSERT_EQ(t.NumPoints[2][1], 150);
  EXPECT_DOUBLE_EQ(t.Phit(150, 2, 1), 1500.0);
  EXPECT_DOUBLE_EQ(t.EIt(73, 2, 1), 2.9e7);
  EXPECT_DOUBLE_EQ(t.Mt(10, 1, 1), 2.9e7 * 100.0);
  EXPECT_DOUBLE_EQ(run.Mn(1), 2.9e7 * 1500.0 * 1000.0);
  EXPECT_NE(
      Find_Line(run.report, "Moment-Curvature properties derived from elastic section properties"),
      -1);
}

// Elastic-plastic: u = Mp / EI / 100 = 5e6 / 2.9e10 / 100 = 1.7241e-6; elastic to Mp at point
// 100 (phi = 100 u), then Mp with EI = Mp / phi, phi growing by 20 u.
TEST(SectionTables, ElasticPlastic) {
  const SectionRun run = Run_Sections({Elastic_Pipe(kElasticPlastic)}, {0.0});
  const SectionEITables& t = run.run->EITables;
  const double u = 5.0e6 / 2.9e10 / 100.0;
  EXPECT_NEAR(t.Mt(100, 1, 1), 5000.0, 1e-9);  // kip-in
  EXPECT_DOUBLE_EQ(t.EIt(100, 1, 1), 2.9e7);
  EXPECT_DOUBLE_EQ(t.Mt(101, 1, 1), 5000.0);
  EXPECT_NEAR(t.Phit(150, 1, 1), 100.0 * u + 20.0 * u * 50.0, 1e-15);
  EXPECT_NEAR(t.EIt(150, 1, 1), 5000.0 / (1100.0 * u), 1e-6);
  EXPECT_DOUBLE_EQ(run.Mn(1), 5.0e6);
}

// User curves: a 2-point curve with a nonzero first moment gains a zero point (3 points),
// then k = (150 - 3) / 2 = 73 steps per interval: 2 x 73 + 1 = 147 points, phi = M / EI.
// The tables follow the curves' own thrusts (kips), not the run's.
TEST(SectionTables, UserCurves) {
  PileSection s;
  s.SectionType = kUserEI;
  s.SectionLength = 480.0;
  s.Width = 24.0;
  for (double thrust : {0.0, 100000.0}) {
    UserEICurve curve;
    curve.UserThrust = thrust;
    curve.UserMoment = {1.0e6, 3.0e6};
    curve.UserStiffness = {2.0e10, 1.0e10};
    s.UserEI.Curves.push_back(curve);
  }
  const SectionRun run = Run_Sections({s}, {0.0, 50.0, 300.0});
  const SectionEITables& t = run.run->EITables;
  ASSERT_EQ(t.NumPoints[1][1], 147);
  EXPECT_EQ(t.Mt(1, 1, 1), 0.0);
  EXPECT_DOUBLE_EQ(t.EIt(1, 1, 1), 2.0e7);
  EXPECT_DOUBLE_EQ(t.Mt(74, 1, 1), 1000.0);  // the input point, after 73 steps
  // Half way along the second interval: M = 2000 kip-in, EI = 1.5e7, phi = M / EI.
  EXPECT_NEAR(t.Mt(74 + 36, 1, 1), 1000.0 + 2000.0 * 36.0 / 73.0, 1e-9);
  EXPECT_NEAR(t.Phit(147, 1, 1), 3000.0 / 1.0e7, 1e-18);
  EXPECT_DOUBLE_EQ(run.Mn(1), 3.0e6);
  EXPECT_EQ(t.NumSectionThrusts[1], 2);
  EXPECT_DOUBLE_EQ(t.SectionThrust[2][1], 100.0);
  EXPECT_EQ(t.NumThrusts, 3);
}

// Plot records of two sections: "Line 3" once (section 1), "Line 4" and "Line 5" for both.
TEST(SectionTables, PlotRecordsOfSeveralSections) {
  const SectionRun run =
      Run_Sections({testing::Drilled_Shaft_36(), Elastic_Pipe(kElastic)}, {0.0, 100.0});
  ASSERT_EQ(run.error(), 0);
  EXPECT_EQ(Count_Lines_Containing(run.plot, "Line 3 :"), 1);
  EXPECT_NE(Find_Line(run.plot, "Line 3 : Total number of axial thrusts for EI-only computations"),
            -1);
  EXPECT_EQ(Count_Lines_Containing(run.plot, "Line 4 :"), 4);
  EXPECT_EQ(Count_Lines_Containing(run.plot, "Line 5 : Elastic Moment, EI, Curvature for Sect#=2"),
            300);
  const int shaft_points = run.run->EITables.NumPoints[1][1] + run.run->EITables.NumPoints[2][1];
  EXPECT_EQ(Count_Lines_Containing(run.plot, "Line 5 : Moment, EI, Curvature for Sect#=1"),
            shaft_points);
  EXPECT_NE(Find_Line(run.messages, "Completed computing nonlinear bending stiffness of section 2"),
            -1);
}

// The same shaft in SI (m, kPa, kN) gives the same curve: Mn in kN-m is the US value in
// kip-in times 0.1129848 (4.4482216 kN/kip x 0.0254 m/in).
TEST(SectionTables, SameShaftInBothUnitSystems) {
  const SectionRun us = Run_Sections({testing::Drilled_Shaft_36()}, {0.0, 1000.0});
  PileSection si = testing::Drilled_Shaft_36();
  constexpr double kMetre = 0.0254;
  constexpr double kKpaPerPsi = 6.894757293168361;
  si.Width *= kMetre;
  si.Concrete.ConcreteStrength *= kKpaPerPsi;
  si.Rebar.RebarYieldStress *= kKpaPerPsi;
  si.Rebar.SteelModulus *= kKpaPerPsi;
  for (int k = 0; k < si.Rebar.NumBars; ++k) {
    si.Rebar.BarDiameter[k] *= kMetre;
    si.Rebar.BarArea[k] *= kMetre * kMetre;
    si.Rebar.BarX[k] *= kMetre;
    si.Rebar.BarY[k] *= kMetre;
  }
  const SectionRun metric =
      Run_Sections({si}, {0.0, 1000.0 * 4.4482216152605}, kComputeEIOnly, kUnitsSI);
  ASSERT_EQ(metric.error(), 0);
  const double kip_in_to_kn_m = 4.4482216152605 * kMetre;
  for (int t = 1; t <= 2; ++t) {
    EXPECT_NEAR(metric.Mn(t), us.Mn(t) / 1000.0 * kip_in_to_kn_m, 2e-5 * metric.Mn(t));
    EXPECT_EQ(metric.run->EITables.NumPoints[t][1], us.run->EITables.NumPoints[t][1]);
  }
}

// Every nonlinear section type gets its tables, with a positive capacity, and a cased shaft
// with a steel core is analysed end to end with them.
TEST(SectionTables, EveryNonlinearSectionType) {
  std::vector<PileSection> sections;
  sections.push_back(testing::Rectangular_Beam());
  sections.push_back(testing::Drilled_Shaft_36());
  PileSection cased = testing::Drilled_Shaft_36();
  cased.SectionType = kCasedShaft;
  cased.CasingWallThickness = 0.5;
  cased.CasingYieldStress = 36000.0;
  cased.CasingModulus = 29.0e6;
  sections.push_back(cased);
  for (bool filled : {true, false}) {
    PileSection cored = cased;
    cored.SectionType = kCasedShaftWithCore;
    cored.CoreDiameter = 12.0;
    cored.CoreWallThickness = 0.5;
    cored.CoreYieldStress = 36000.0;
    cored.CoreModulus = 29.0e6;
    cored.b_FillCoreWithConcrete = filled;
    sections.push_back(cored);
  }
  sections.push_back(testing::Steel_Pipe_24());
  for (int type = kCircularSolidPrestressed; type <= kOctagonalHollowPrestressed; ++type) {
    PileSection pile = testing::Prestressed_Square_18();
    pile.SectionType = type;
    pile.VoidDiameter = 8.0;
    pile.CornerChamfer = type == kSquareSolidPrestressed ? 0.75 : 0.0;
    sections.push_back(pile);
  }
  const SectionRun run = Run_Sections(sections, {0.0, 100.0}, kFullAnalysis);
  ASSERT_EQ(run.error(), 0);
  for (int j = 1; j <= static_cast<int>(sections.size()); ++j) {
    SCOPED_TRACE(j);
    for (int t = 1; t <= 2; ++t) {
      EXPECT_GE(run.run->EITables.NumPoints[t][j], 10);
      EXPECT_GT(run.Mn(t, j), 0.0);
    }
  }
  // The steel core adds to the cased shaft's capacity; filling it adds a little more.
  EXPECT_GT(run.Mn(1, 4), run.Mn(1, 5));
  EXPECT_GT(run.Mn(1, 5), run.Mn(1, 3) * 0.99);

  testing::ScratchDir dir;
  std::string input = testing::Read_File(std::string(TAVIK_SOURCE_DIR) +
                                         "/examples/drilled_shaft_clay_over_sand.inp");
  const std::string shaft = "1\n1\n1\n50.0\n36.0\n";
  const auto at = input.find(shaft);
  ASSERT_NE(at, std::string::npos);
  // Section type 3: casing 0.5 in (36 and 29000 ksi), core 12 x 0.5 in (36 and 29000 ksi).
  input.replace(at, shaft.size(),
                "1\n1\n3\n50.0\n36.0\n0.5\n36000.0\n29000000.0\n12.0\n0.5\n36000.0\n"
                "29000000.0\n");
  testing::Write_File(dir.File("cased.inp"), input);
  const RunOutcome outcome = Run_Analysis(
      {dir.File("cased.inp"), dir.File("cased.out"), dir.File("cased.plt"), dir.File("cased.msg")});
  EXPECT_EQ(outcome.status, 0);
  const auto report = testing::Read_Lines(dir.File("cased.out"));
  EXPECT_NE(Find_Line(report,
                      "Dimensions and Properties of Drilled Shaft with Casing and Filled "
                      "Core:"),
            -1);
  EXPECT_NE(Find_Line(report, "Summary of Pile Response(s)"), -1);
}

// Whole runs refused before any computation: a drilled shaft in general units (input error
// 52) and a bar outside its shaft (input error 54).
TEST(SectionTables, SectionsTheAnalysisCannotUse) {
  testing::ScratchDir dir;
  const std::string base = testing::Read_File(std::string(TAVIK_SOURCE_DIR) +
                                              "/examples/drilled_shaft_clay_over_sand.inp");
  struct Case {
    std::string from;
    std::string to;
    int status;
    std::string text;
  };
  const Case cases[] = {
      {"Units USCS", "Units GENERAL", 152, "needs US customary or SI units"},
      {"\n1.128\n1.0\n3.0", "\n1.128\n0.0\n3.0", 154, "has no area or no diameter"},
      {"\n4000.0\n", "\n0.0\n", 154, "compressive strength of the concrete"},
  };
  for (const Case& c : cases) {
    std::string input = base;
    const auto at = input.find(c.from);
    ASSERT_NE(at, std::string::npos) << c.from;
    input.replace(at, c.from.size(), c.to);
    testing::Write_File(dir.File("bad.inp"), input);
    const RunOutcome outcome = Run_Analysis(
        {dir.File("bad.inp"), dir.File("bad.out"), dir.File("bad.plt"), dir.File("bad.msg")});
    EXPECT_EQ(outcome.status, c.status) << c.to;
    const auto report = testing::Read_Lines(dir.File("bad.out"));
    EXPECT_NE(Find_Line(report, c.text), -1) << c.text;
    EXPECT_EQ(Find_Line(report, "Computations of Nominal Moment Capacity"), -1);
  }
}

// A cased shaft whose casing wall is 0 has no casing: the data check lets it through, and
// its curves are those of the plain shaft with the same concrete and bars, point for point.
TEST(SectionTables, CasedShaftWithoutWallIsThePlainShaft) {
  const PileSection shaft = testing::Drilled_Shaft_36();
  PileSection cased = shaft;
  cased.SectionType = kCasedShaft;
  cased.CasingWallThickness = 0.0;
  auto run = std::make_unique<RunContext>();
  run->Problem.IUNITS = kUnitsUSCustomary;
  run->Problem.NumSections = 1;
  run->Problem.Sections[0] = cased;
  Check_Section_Data(*run);
  EXPECT_EQ(run->Status.ErrorNumber, 0);

  const SectionRun plain = Run_Sections({shaft}, {0.0, 1000.0});
  const SectionRun without_wall = Run_Sections({cased}, {0.0, 1000.0});
  ASSERT_EQ(plain.error(), 0);
  ASSERT_EQ(without_wall.error(), 0);
  for (int t = 1; t <= 2; ++t) {
    const SectionEITables& a = plain.run->EITables;
    SectionEITables& b = without_wall.run->EITables;
    ASSERT_EQ(a.NumPoints[t][1], b.NumPoints[t][1]);
    EXPECT_EQ(plain.Mn(t), without_wall.Mn(t));
    for (int p = 1; p <= a.NumPoints[t][1]; ++p) {
      EXPECT_EQ(plain.run->EITables.Mt(p, t, 1), b.Mt(p, t, 1)) << "thrust " << t << " point " << p;
    }
  }
}

}  // namespace
}  // namespace tavik
