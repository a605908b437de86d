// The material curves and the prestressing computations against values worked by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/analysis_fixture.h"
#include "sections/material_curves.h"
#include "sections/prestressing.h"
#include "sections/section_fixture.h"
#include "sections/section_slicing.h"
#include "sections/section_stiffness.h"
#include "test_support.h"

namespace tavik {
namespace {

using testing::Find_Line;

// f'c = 4 ksi: Ec = 57 sqrt(4000) = 3605.00 ksi, eps0 = 1.7 x 4 / Ec = 0.00188627, fr =
// -7.5 sqrt(4000) psi = -0.474342 ksi (-4 sqrt(4000) = -0.252982 prestressed), eps_cr =
// -(1 - sqrt(1 - 0.474342/4)) eps0 = -0.000115370.
TEST(MaterialCurves, ConcreteConstants) {
  EI_Vars vars;
  vars.rd_Fc = 4.0;
  vars.i_SteelModel = kRebarModel;
  Set_Concrete_Properties(vars);
  EXPECT_NEAR(vars.rd_Ec, 3605.00, 0.005);
  EXPECT_NEAR(vars.rd_Eps0, 0.00188627, 5e-9);
  EXPECT_NEAR(vars.rd_Fr, -0.474342, 5e-7);
  EXPECT_NEAR(vars.rd_EpsCr, -0.000115370, 5e-10);
  vars.i_SteelModel = kStrandPCI270;
  Set_Concrete_Properties(vars);
  EXPECT_NEAR(vars.rd_Fr, -0.252982, 5e-7);
  // SI: the same concrete in kPa gives the same constants in kPa.
  EI_Vars si;
  si.rd_Fc = 4.0 * kKpaPerKsi;
  si.rd_StressScale = kKpaPerKsi;
  si.i_SteelModel = kRebarModel;
  Set_Concrete_Properties(si);
  EXPECT_NEAR(si.rd_Ec / kKpaPerKsi, 3605.00, 0.005);
  EXPECT_NEAR(si.rd_Eps0, 0.00188627, 5e-9);
}

// Concrete slices of a rectangle at given strains (a uniform strain: curvature 0).
EI_Vars Concrete_At(double strain) {
  EI_Vars vars;
  vars.rd_Fc = 4.0;
  vars.i_SteelModel = kRebarModel;
  vars.rd_Depth = 20.0;
  Set_Concrete_Properties(vars);
  vars.Strain.fill(strain);
  Compute_Concrete_Stresses(vars, 0.0, 20.0);
  return vars;
}

TEST(MaterialCurves, ConcreteCompression) {
  EXPECT_NEAR(Concrete_At(Concrete_At(0.0).rd_Eps0).ConcreteStress[1], 4.0, 1e-12);
  EXPECT_NEAR(Concrete_At(0.0038).ConcreteStress[1], 0.85 * 4.0, 1e-12);
  EXPECT_DOUBLE_EQ(Concrete_At(0.0039).ConcreteStress[1], 0.001);
}

// Cracking from the top down. A curvature of 1e-5 /in about c = 10 in of a 20-in depth puts
// the extreme fibre at -1e-4 (uncracked, above eps_cr): every tension slice carries the
// parabola's tension. At 2e-5 the fibre is at -2e-4, past eps_cr: no slice carries tension.
TEST(MaterialCurves, ConcreteCracking) {
  EI_Vars vars;
  vars.rd_Fc = 4.0;
  vars.i_SteelModel = kRebarModel;
  vars.rd_Depth = 20.0;
  vars.rd_SliceHeight = 0.2;
  Set_Concrete_Properties(vars);
  Calculate_Slice_Depths(vars);
  for (double phi : {1e-5, 2e-5}) {
    for (int k = 1; k <= kNumSlices; ++k) vars.Strain[k] = (10.0 - vars.rd_SliceDepth[k]) * phi;
    Compute_Concrete_Stresses(vars, phi, 10.0);
    const double bottom = vars.ConcreteStress[100];
    if (phi == 1e-5) {
      // r = 0.99e-4 / eps0: -4 (2r - r**2) = -0.4126 ksi
      const double r = 0.99e-4 / vars.rd_Eps0;
      EXPECT_NEAR(bottom, -4.0 * (2.0 * r - r * r), 1e-9);
      EXPECT_FALSE(vars.b_Cracked);
    } else {
      EXPECT_EQ(bottom, 0.0);
      EXPECT_EQ(vars.ConcreteStress[51], 0.0);
      EXPECT_TRUE(vars.b_Cracked);
    }
    EXPECT_GT(vars.ConcreteStress[1], 0.0);
  }
}

// Strand curves (ksi) at total strains x.
TEST(MaterialCurves, StrandsAndBars) {
  struct Row {
    int model;
    double x;
    double stress;
    double tolerance;
  };
  const Row rows[] = {
      {kStrandPCI270, 0.0086, 28500.0 * 0.0086, 1e-9},             // 245.1 on the elastic line
      {kStrandPCI270, 0.0086000001, 270.0 - 0.04 / 0.0016, 1e-4},  // 245.0 just above
      {kStrandGrade300, -0.01, -300.0 + 0.0835 / 0.0029, 1e-9},    // -271.2
      {kStrandPCI250, 0.02, 250.0 - 0.04 / 0.0136, 1e-9},
      {kSmoothBars145, 0.004, 29000.0 * 0.004, 1e-9},
      {kSmoothBars145, 0.006, 145.0, 0.0},
      {kSmoothBars160, -0.01, -160.0, 0.0},
  };
  for (const Row& row : rows) {
    EXPECT_NEAR(Strand_Stress_Ksi(row.model, row.x, 150.0), row.stress, row.tolerance)
        << row.model << " at " << row.x;
  }
  // Deformed bars: fpu by the size code of the first bar (code = size index + 1).
  EXPECT_EQ(Deformed_Bar_Fpu(1), 157.0);
  EXPECT_EQ(Deformed_Bar_Fpu(3), 160.0);
  EXPECT_EQ(Deformed_Bar_Fpu(2), 150.0);
  EXPECT_EQ(Strand_Stress_Ksi(kDeformedBars, 0.01, 160.0), 160.0);
  // SI: a PCI 250 strand at x = 0.001 carries 28.5 ksi = 196500.58 kPa.
  EI_Vars si;
  si.i_SteelModel = kStrandPCI250;
  si.rd_StressScale = kKpaPerKsi;
  EXPECT_NEAR(Rebar_Stress(si, 0.001), 196500.58, 0.01);
}

// Reinforcing bars: elastic, perfectly plastic; the yield flag only for a section with bars.
TEST(MaterialCurves, RebarYield) {
  EI_Vars vars;
  vars.i_SteelModel = kRebarModel;
  vars.rd_Es = 29000.0;
  vars.rd_Fy = 60.0;
  EXPECT_DOUBLE_EQ(Rebar_Stress(vars, 2.0 * 60.0 / 29000.0), 60.0);
  EXPECT_DOUBLE_EQ(Rebar_Stress(vars, -0.001), -29.0);
  vars.Strain.fill(2.0 * 60.0 / 29000.0);
  Compute_Rebar_Stresses(vars);
  EXPECT_FALSE(vars.b_Yielded);  // no bars
  vars.NumBars = 1;
  Compute_Rebar_Stresses(vars);
  EXPECT_TRUE(vars.b_Yielded);
}

// Prestress by hand: Pi = 500000 lb, loss 0.2, As = 2.0 sq. in, Ac = 400 sq. in,
// Es = 28500 ksi, f'c = 5 ksi (Ec = 57 sqrt(5000) = 4030.51 ksi). Pe = 400 kips;
// eps_ps = -400 / (28500 x 2) = -0.0070175; eps_pc = 400 / (400 x 4030.51) = 0.0002481;
// fpc = 1.000 ksi; Pn = (4.25 - 0.60) x 402 = 1467.300 kips; N = 402 (1.65 - 0.27) =
// 554.760 kips; Nt = -2 x 270 = -540 kips.
TEST(Prestressing, StrainsAndCapacitiesByHand) {
  testing::ScratchDir dir;
  RunContext run;
  run.Report.Open(dir.File("p.out"));
  EI_Vars vars;
  vars.SectionType = kSquareSolidPrestressed;
  vars.IUNITS = kUnitsUSCustomary;
  vars.i_SectionShape = kShapeSquarePile;
  vars.i_SteelModel = kStrandPCI270;
  vars.rd_SectionDepthInput = 20.1;
  vars.rd_WidthInput = 20.0;
  vars.rd_Fc = 5.0;
  vars.rd_Es = 28500.0;
  vars.rd_Fy = 270.0;
  vars.rd_PrestressForce = 500000.0;
  vars.rd_PrestressLoss = 0.2;
  vars.NumBars = 4;
  for (int k = 0; k < 4; ++k) {
    vars.BarArea[k] = 0.5;
    vars.BarDiameter[k] = 0.6;
    vars.BarX[k] = k < 2 ? -6.0 : 6.0;
    vars.BarY[k] = (k % 2 == 0) ? -6.03 : 6.03;
  }
  Initialize_EI_Vars(run, vars, Section_Unit_Labels(kUnitsUSCustomary));
  ASSERT_FALSE(run.Status.Has_Error());
  EXPECT_NEAR(vars.rd_Ec, 4030.51, 0.005);
  EXPECT_NEAR(vars.rd_EpsPs, -0.0070175, 5e-8);
  EXPECT_NEAR(vars.rd_EpsPc, 0.0002481, 5e-8);
  EXPECT_NEAR(vars.rd_AxialCapacityCompression, 1467.300, 1e-6);
  EXPECT_NEAR(vars.rd_AxialCapacityTension, -540.0, 1e-9);
  run.Report.Close();
  const auto report = testing::Read_Lines(dir.File("p.out"));
  // Forces under the first 5 characters of " kips   ", stresses of " ksi    ", the tension
  // capacity and the moment under the first 7.
  const auto line = [](const std::string& label, const std::string& value) {
    return label + std::string(55 - label.size(), ' ') + "= " + value;
  };
  for (const std::string& expected :
       {line("Initial Prestressing Force", "        500.000 kips"),
        line("Effective Prestressing Force", "        400.000 kips"),
        line("Area of Concrete, Ac      ", "        400.000 Sq. in  "),
        line("Stress in Concrete After Losses, f_pc", "          1.000 ksi "),
        line("Compressive Strain in Concrete", "      0.0002481"),
        line("Tensile Strain in Steel  ", "     -0.0070175"),
        line("Nom. Axial Cap., Pn = (0.85 f'c - 0.60 f_pc) Ag", "       1467.300 kips"),
        line("Unfac. Axial Load Cap. N  = (0.33 f'c - 0.27 f_pc) Ag", "        554.760 kips"),
        line("Axial Capacity in Tension, Nt = As fpu", "       -540.000 kips  "),
        // Mn = 0.37 D As fpu = 0.37 x 20.1 x 2 x 270 = 4015.980 in-kip
        line("Nom. Moment Capacity, Mn = 0.37 D As fpu", "       4015.980 in-kip")}) {
    EXPECT_NE(Find_Line(report, expected), -1) << expected;
  }
  // Written once per section however often the section is prepared.
  Initialize_EI_Vars(run, vars, Section_Unit_Labels(kUnitsUSCustomary));
  EXPECT_EQ(testing::Count_Lines_Containing(report, "Computation of Loss of Prestress:"), 1);
}

// No strands left: runtime error 15 before any curve point.
TEST(Prestressing, NoStrandArea) {
  PileSection pile = testing::Prestressed_Square_18();
  pile.Rebar.NumStrands = 0;
  const testing::SectionRun run = testing::Run_Sections({pile}, {0.0});
  EXPECT_EQ(run.error(), 215);
  EXPECT_NE(Find_Line(run.report, "**** Runtime Error No. 15 ****"), -1);
  EXPECT_EQ(run.run->EITables.NumPoints[1][1], 0);
}

}  // namespace
}  // namespace tavik
