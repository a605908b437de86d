// The nonlinear bending stiffness of the nodes from moment-curvature tables: the secant EI
// at the node's curvature, the interpolation between the tables of two axial thrusts, the
// curvature beyond the table, the elastic-plastic section, and the refusal of sections whose
// tables were never built.
#include <gtest/gtest.h>

#include <memory>

#include "analysis/analysis_fixture.h"
#include "analysis/nonlinear_ei.h"
#include "run/run_analysis.h"

namespace tavik {
namespace {

using testing::Set_Winkler_Nodes;

constexpr double kEI = 1.0e10;  // lb-in**2, the elastic EI of the nodes before the update
constexpr int kTestNode = 20;

// A pile of 40 increments of 10 in, deflected as y = phi x**2 / 2, so that every node has
// the curvature phi exactly and (EI still elastic) the moment 1e10 phi lb-in, that is
// 1e7 phi kip-in in the units of the tables.
std::unique_ptr<RunContext> Bent_Pile(double phi, int section_type) {
  auto run = std::make_unique<RunContext>();
  Set_Winkler_Nodes(*run, 40, 400.0, kEI, 1000.0);
  run->Problem.Sections[0].SectionType = section_type;
  PileNodes& nodes = run->Nodes;
  const double h = nodes.rd_Increment;
  for (int i = 1; i <= nodes.i_Num_Nodes + 1; ++i) {
    const double x = (i - 1) * h;
    nodes.rd_Y[i] = phi * x * x / 2.0;
  }
  nodes.rd_Y0 = phi * h * h / 2.0;
  nodes.rd_Ym1 = phi * 4.0 * h * h / 2.0;
  return run;
}

// Two tables of section 1 (kips and inches), for thrusts of 0 and 100 kips. Thrust 0:
// elastic EI 1e7 kip-in**2 up to the yield point (1e-4 /in, 1000 kip-in), then hardening
// to 1200 kip-in at 1e-3 /in. Thrust 100 kips: the moments 10 % higher.
void Fill_Tables(SectionEITables& tables) {
  Allocate_Section_EI_Tables(tables);
  tables.NumThrusts = 2;
  tables.Thrust[1] = 0.0;
  tables.Thrust[2] = 100.0;
  Set_Section_Thrusts(tables, 1, 2, tables.Thrust);
  const double phi[] = {1.0e-5, 1.0e-4, 1.0e-3};
  const double moment[] = {100.0, 1000.0, 1200.0};
  for (int t = 1; t <= 2; ++t) {
    const double scale = (t == 1) ? 1.0 : 1.1;
    tables.NumPoints[t][1] = 3;
    for (int p = 1; p <= 3; ++p) {
      tables.Phit(p, t, 1) = phi[p - 1];
      tables.Mt(p, t, 1) = moment[p - 1] * scale;
      tables.EIt(p, t, 1) = moment[p - 1] * scale / phi[p - 1];
    }
  }
}

double Updated_EI(RunContext& run, double thrust) {
  run.Analysis.Head.AxialThrust = thrust;
  Choose_Thrust_Index(run);
  Update_Nonlinear_EI(run);
  return run.Nodes.rd_NodeEI[kTestNode];
}

TEST(NonlinearEI, SecantStiffnessFromTheTable) {
  // phi = 5e-4 lies between points 2 and 3: M* = 1000 + 200 (5e-4 - 1e-4) / 9e-4
  // = 1088.889 kip-in, EI = M* / phi = 2.177778e6 kip-in**2 = 2.177778e9 lb-in**2.
  auto run = Bent_Pile(5.0e-4, kUserEI);
  Fill_Tables(run->EITables);
  EXPECT_NEAR(Updated_EI(*run, 0.0), 2.177778e9, 1.0e3);
  EXPECT_FALSE(run->Analysis.b_AnyCurvatureBeyondCurve);
  EXPECT_EQ(run->Nodes.rd_NodeEI[3], run->Nodes.rd_NodeEI[2]);

  // Below the first table moment the first EI applies: phi = 5e-6 gives 50 kip-in.
  auto small = Bent_Pile(5.0e-6, kUserEI);
  Fill_Tables(small->EITables);
  EXPECT_DOUBLE_EQ(Updated_EI(*small, 0.0), 1.0e10);

  // Beyond the last point: EI = 1200 / 2e-3 = 6e5 kip-in**2, and the node is flagged.
  auto beyond = Bent_Pile(2.0e-3, kUserEI);
  Fill_Tables(beyond->EITables);
  EXPECT_NEAR(Updated_EI(*beyond, 0.0), 6.0e8, 1.0);
  EXPECT_TRUE(beyond->Analysis.b_CurvatureBeyondCurve[kTestNode]);
  EXPECT_TRUE(beyond->Analysis.b_AnyCurvatureBeyondCurve);
}

// A thrust between the two table thrusts interpolates linearly in the thrust: 50 kips is
// half way, so EI is the mean of 2.177778e9 and the 100-kip value 1.1 x 1088.889 / 5e-4
// kip-in**2 = 2.395556e9 lb-in**2. Below the first thrust the first table applies unchanged.
TEST(NonlinearEI, InterpolatesBetweenThrusts) {
  auto run = Bent_Pile(5.0e-4, kUserEI);
  Fill_Tables(run->EITables);
  EXPECT_NEAR(Updated_EI(*run, 50000.0), 0.5 * (2.177778e9 + 2.395556e9), 1.0e3);
  EXPECT_EQ(run->Analysis.ThrustIndex, 1);
  EXPECT_DOUBLE_EQ(run->Analysis.TableThrust, 50.0);

  auto tension = Bent_Pile(5.0e-4, kUserEI);
  Fill_Tables(tension->EITables);
  EXPECT_NEAR(Updated_EI(*tension, -50000.0), 2.177778e9, 1.0e3);

  auto above = Bent_Pile(5.0e-4, kUserEI);
  Fill_Tables(above->EITables);
  EXPECT_NEAR(Updated_EI(*above, 150000.0), 2.395556e9, 1.0e3);
  EXPECT_EQ(above->Analysis.ThrustIndex, 2);
}

// Elastic-plastic section with Mp = 5e6 lb-in (5000 kip-in): the elastic EI until the
// moment reaches Mp, then Mp / phi.
TEST(NonlinearEI, ElasticPlasticSection) {
  auto yielded = Bent_Pile(1.0e-3, kElasticPlastic);  // M = 1e4 kip-in > Mp
  Fill_Tables(yielded->EITables);
  yielded->Problem.Sections[0].TopPlasticMoment = 5.0e6;
  yielded->Problem.Sections[0].BottomPlasticMoment = 5.0e6;
  EXPECT_NEAR(Updated_EI(*yielded, 0.0), 5.0e9, 1.0);  // 5000 / 1e-3 kip-in**2

  auto elastic = Bent_Pile(1.0e-4, kElasticPlastic);  // M = 1000 kip-in < Mp
  Fill_Tables(elastic->EITables);
  elastic->Problem.Sections[0].TopPlasticMoment = 5.0e6;
  elastic->Problem.Sections[0].BottomPlasticMoment = 5.0e6;
  EXPECT_DOUBLE_EQ(Updated_EI(*elastic, 0.0), kEI);
}

// Elastic sections keep their EI whatever their curvature.
TEST(NonlinearEI, ElasticSectionUnchanged) {
  auto run = Bent_Pile(2.0e-3, kElastic);
  EXPECT_DOUBLE_EQ(Updated_EI(*run, 0.0), kEI);
}

TEST(NonlinearEI, SectionsWithoutTablesAreRefused) {
  RunContext elastic;
  Set_Winkler_Nodes(elastic, 40, 400.0, kEI, 1000.0);
  Require_Section_EI_Tables(elastic);
  EXPECT_FALSE(elastic.Status.Has_Error());

  RunContext user;
  Set_Winkler_Nodes(user, 40, 400.0, kEI, 1000.0);
  user.Problem.Sections[0].SectionType = kUserEI;
  Fill_Tables(user.EITables);
  Require_Section_EI_Tables(user);
  EXPECT_FALSE(user.Status.Has_Error());

  RunContext drilled_shaft;
  Set_Winkler_Nodes(drilled_shaft, 40, 400.0, kEI, 1000.0);
  drilled_shaft.Problem.Sections[0].SectionType = kDrilledShaft;
  Require_Section_EI_Tables(drilled_shaft);
  EXPECT_EQ(drilled_shaft.Status.ErrorNumber, kInternalError);
}

}  // namespace
}  // namespace tavik
