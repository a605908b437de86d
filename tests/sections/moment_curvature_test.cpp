// The moment-curvature engine against independent numbers: nominal moment capacities by
// strain compatibility (tests/sections/section_reference.py integrates the same material
// curves over 20000 strips with the bars as points), the uncracked stiffness of the
// transformed section, the plastic moment of a steel pipe; the curvature steps, the stop
// rules, the capacity at 0.003 and the thrust list rules.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/analysis_fixture.h"
#include "sections/moment_curvature.h"
#include "sections/section_fixture.h"

namespace tavik {
namespace {

using testing::Find_Line;
using testing::Run_Sections;
using testing::SectionRun;

constexpr double kPoundsPerKip = 1000.0;

// Nominal moment capacities (kip-in) at a compression-face strain of 0.003 against
// section_reference.py. The engine's 100 slices, its smeared bars and the interpolation
// between curve points stay within 0.2 %.
TEST(MomentCurvature, NominalMomentByStrainCompatibility) {
  // 12 x 20 in beam with three #8 bars at d = 17.5 in: Mn = 2262.65 kip-in with the
  // Hognestad curve (c = 3.83 in). The rectangular stress block (a = As fy / 0.85 f'c b
  // = 3.485 in) gives As fy (d - a/2) = 2240.70: 1 % less, because at 0.003 the parabola
  // and its descending branch put a little more force nearer the face than 0.85 f'c over
  // 0.85 c does.
  const SectionRun beam = Run_Sections({testing::Rectangular_Beam()}, {0.0});
  ASSERT_EQ(beam.error(), 0);
  EXPECT_NEAR(beam.Mn(1) / kPoundsPerKip, 2262.65, 0.002 * 2262.65);

  // 36-in shaft with 24 #8 bars: 14573.1 kip-in at P = 0 and 21435.9 at P = 1000 kips.
  const SectionRun shaft = Run_Sections({testing::Drilled_Shaft_36()}, {0.0, 1000.0});
  ASSERT_EQ(shaft.error(), 0);
  EXPECT_NEAR(shaft.Mn(1) / kPoundsPerKip, 14573.1, 0.002 * 14573.1);
  EXPECT_NEAR(shaft.Mn(2) / kPoundsPerKip, 21435.9, 0.002 * 21435.9);
  // The curve ends at the crushing strain: its last point is at or beyond 0.0038 and the
  // point before it below.
  const SectionEITables& tables = shaft.run->EITables;
  const int np = tables.NumPoints[1][1];
  EXPECT_LT(np, kMaxCurvePoints);
  EXPECT_EQ(tables.Thrust[2], 1000.0);
}

// The first point of the uncracked beam: the secant EI of the parabola (initial tangent
// 2 f'c / eps0 = 4241.2 ksi, not Ec = 3605 ksi) with elastic bars is 3.69662e7 kip-in**2
// by section_reference.py; the transformed section with that tangent gives Et Itr =
// 3.70501e7, 0.2 % stiffer because the secant of the parabola has begun to fall.
TEST(MomentCurvature, FirstPointIsTheTransformedSection) {
  const SectionRun beam = Run_Sections({testing::Rectangular_Beam()}, {0.0});
  const double ei = beam.run->EITables.EIt(1, 1, 1);
  EXPECT_NEAR(ei, 3.69662e7, 0.001 * 3.69662e7);
  EXPECT_NEAR(ei, 3.70501e7, 0.003 * 3.70501e7);
}

// 24 x 0.5 in pipe, fy = 36 ksi: Z = (24**3 - 23**3)/6 = 276.17 in**3, Z fy = 9942.0
// kip-in. The curve stops when the outer fibre reaches 5 yield strains; at the last
// curvature section_reference.py gives 9874.6 kip-in (the elastic core still costs 0.7 %).
TEST(MomentCurvature, SteelPipeReachesThePlasticMoment) {
  const SectionRun pipe = Run_Sections({testing::Steel_Pipe_24()}, {0.0});
  ASSERT_EQ(pipe.error(), 0);
  const SectionEITables& tables = pipe.run->EITables;
  const int np = tables.NumPoints[1][1];
  const double phi_last = tables.Phit(np, 1, 1);
  // The stop: 5 fy/E at the outside radius lies between the last two curvatures.
  const double limit = 5.0 * 36.0 / 29000.0 / 12.0;
  EXPECT_GE(phi_last, limit * 0.999);
  EXPECT_LT(tables.Phit(np - 1, 1, 1), limit * 1.001);
  EXPECT_NEAR(pipe.Mn(1) / kPoundsPerKip, 9874.6, 0.001 * 9874.6);
  EXPECT_LT(pipe.Mn(1) / kPoundsPerKip, 9942.0);
  EXPECT_GT(pipe.Mn(1) / kPoundsPerKip, 0.99 * 9942.0);
}

// Curvature steps: i dphi0 to point 39, then 2, 8 and 48 dphi0 per point; point 150 at
// 1927 dphi0. A 36-in width gives dphi0 = 1.25e-6 / 2 (36/24 = 1.5 rounds to 2).
TEST(MomentCurvature, CurvatureSteps) {
  EXPECT_DOUBLE_EQ(First_Curvature_Step(kUnitsUSCustomary, 36.0), 6.25e-7);
  EXPECT_DOUBLE_EQ(First_Curvature_Step(kUnitsUSCustomary, 30.0), 1.25e-6);
  EXPECT_DOUBLE_EQ(First_Curvature_Step(kUnitsUSCustomary, 12.0), 1.25e-6);
  EXPECT_DOUBLE_EQ(First_Curvature_Step(kUnitsSI, 36.0 * 0.0254), 4.921259901994065e-5 / 2.0);

  const SectionRun shaft = Run_Sections({testing::Drilled_Shaft_36()}, {0.0});
  const SectionEITables& t = shaft.run->EITables;
  const double d0 = 6.25e-7;
  EXPECT_NEAR(t.Phit(39, 1, 1), 39 * d0, 1e-15);
  EXPECT_NEAR(t.Phit(79, 1, 1), (39 + 2 * 40) * d0, 1e-15);
  EXPECT_NEAR(t.Phit(119, 1, 1), (119 + 8 * 40) * d0, 1e-14);
  ASSERT_GE(t.NumPoints[1][1], 121);
  EXPECT_NEAR(t.Phit(121, 1, 1), (439 + 48 * 2) * d0, 1e-14);

  // A lightly reinforced beam (one #3 bar) never crushes within the 150 points
  // (1927 x 1.25e-6 /in would need c < 1.6 in; equilibrium gives c of about 0.2 in) and is
  // cut off with warning 305. The moment never decreases along the curve.
  PileSection weak = testing::Rectangular_Beam();
  weak.Rebar.NumBars = 1;
  weak.Rebar.BarArea[0] = 0.11;
  weak.Rebar.BarDiameter[0] = 0.375;
  weak.Rebar.BarX[0] = 0.0;
  const SectionRun cut = Run_Sections({weak}, {0.0});
  const SectionEITables& w = cut.run->EITables;
  EXPECT_EQ(w.NumPoints[1][1], kMaxCurvePoints);
  EXPECT_NEAR(w.Phit(150, 1, 1), 1927 * 1.25e-6, 1e-12);
  EXPECT_EQ(cut.run->Status.WarningTally[305], 1);
  for (int p = 2; p <= kMaxCurvePoints; ++p) EXPECT_GE(w.Mt(p, 1, 1), w.Mt(p - 1, 1, 1));
}

// The capacity at 0.003 by linear interpolation in the compression-face strain, the
// largest moment when the face never got there, the last moment of a pipe.
TEST(MomentCurvature, NominalMomentInterpolation) {
  MomentCurvatureCurve curve;
  curve.NumCurvePoints = 3;
  const double strain[] = {0.0, 0.001, 0.002, 0.004};
  const double moment[] = {0.0, 100.0, 180.0, 220.0};
  for (int i = 1; i <= 3; ++i) {
    curve.MaxCompStrain[i] = strain[i];
    curve.Moment[i] = moment[i];
  }
  // Between 0.002 and 0.004: 180 + 40 (0.003 - 0.002) / 0.002 = 200.
  EXPECT_DOUBLE_EQ(Nominal_Moment_Capacity(curve, false), 200.0);
  EXPECT_DOUBLE_EQ(Nominal_Moment_Capacity(curve, true), 220.0);
  curve.MaxCompStrain[3] = 0.0029;  // never reaches 0.003
  EXPECT_DOUBLE_EQ(Nominal_Moment_Capacity(curve, false), 220.0);
  curve.NumCurvePoints = 1;  // a one-point curve
  EXPECT_DOUBLE_EQ(Nominal_Moment_Capacity(curve, false), 100.0);
}

// Thrust list: a stiffness-only run keeps only the thrusts strictly inside the axial
// capacities, for this section and the next; a full analysis stops on them. For the beam,
// Pc = 0.85 x 4 x (240 - 2.37) + 60 x 2.37 = 950.14 kips and Pt = -142.2 kips.
TEST(MomentCurvature, ThrustsBeyondTheCapacities) {
  const double pc = 0.85 * 4.0 * (240.0 - 3 * 0.79) + 60.0 * 3 * 0.79;
  const SectionRun kept = Run_Sections({testing::Rectangular_Beam(), testing::Drilled_Shaft_36()},
                                       {-200.0, 0.0, pc, 2000.0});
  ASSERT_EQ(kept.error(), 0);
  EXPECT_EQ(kept.run->EITables.NumThrusts, 1);
  EXPECT_EQ(kept.run->EITables.NumSectionThrusts[2], 1);

  // A thrust equal to the capacity passes a full analysis; one above it stops it.
  const SectionRun at_capacity =
      Run_Sections({testing::Rectangular_Beam()}, {0.0, pc - 1e-9}, kFullAnalysis);
  EXPECT_EQ(at_capacity.error(), 0);
  const SectionRun above =
      Run_Sections({testing::Rectangular_Beam()}, {0.0, pc + 1.0}, kFullAnalysis);
  EXPECT_EQ(above.error(), 224);
  EXPECT_NE(Find_Line(above.report,
                      "PROBLEM:  The axial thrust load for load case no. 2 exceeds "
                      "the axial structural capacity in compression."),
            -1);
  const SectionRun tension =
      Run_Sections({testing::Rectangular_Beam()}, {-150.0, 0.0}, kFullAnalysis);
  EXPECT_EQ(tension.error(), 225);
}

// A tension beyond the cracking load cracks every tension slice of every evaluation, so the
// bars alone carry the section from its first point. Shaft: cracking load (Es As + Ec Ac)
// eps_cr = (29000 x 18.96 + 3605 x 998.9) x -1.1537e-4 = -478.9 kips; at -600 kips the first
// EI is that of the 24 bars, Es sum A y**2 = 29000 x 24 x 0.79 x 14.5**2 / 2 = 5.780e7
// kip-in**2 (the bars stay elastic: -600 / (18.96 x 29000) = -1.09e-3 > -2.07e-3), the
// slope of the curve between its first points. (The secant M/phi of the first point is
// 2.5 % higher: the smeared bars are not exactly centred, and the thrust on that tiny
// eccentricity adds a constant 0.9 kip-in.)
TEST(MomentCurvature, TensionBeyondCrackingLeavesTheBars) {
  const SectionRun run = Run_Sections({testing::Drilled_Shaft_36()}, {-600.0, -400.0});
  ASSERT_EQ(run.error(), 0);
  const SectionEITables& t = run.run->EITables;
  const double slope = (t.Mt(2, 1, 1) - t.Mt(1, 1, 1)) / (t.Phit(2, 1, 1) - t.Phit(1, 1, 1));
  EXPECT_NEAR(slope, 5.780e7, 0.002 * 5.780e7);
  // Above the cracking load the section starts uncracked, several times stiffer.
  EXPECT_GT(t.EIt(1, 2, 1), 5.0 * 5.780e7);
}

}  // namespace
}  // namespace tavik
