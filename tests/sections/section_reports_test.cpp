// The section report writers: the dimension blocks, axial capacities and bar and strand
// tables of a section; the moment-curvature report (concrete properties, thrust list, run
// message definitions, curve tables, cut-off warning, plot records "Line 3" to "Line 5",
// summary of nominal moment capacities); and the standard bar diameters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "echo/echo_fixture.h"
#include "sections/bar_positions.h"
#include "sections/section_reports.h"
#include "sections/section_reports_fixture.h"

namespace tavik::testing {
namespace {

std::vector<std::string> Dimension_Lines(SectionReportCase& c) {
  return Write_Through(
             c, [](RunContext& run, const SectionEngineState& engine,
                   const PileSection& section) { Write_Section_Dimensions(run, engine, section); })
      .report;
}

// The value part of the line that starts with `label` (after "= " at column 56).
std::string Value_Of(const std::vector<std::string>& lines, std::string_view label) {
  for (const std::string& line : lines) {
    if (line.size() > 57 && line.compare(0, label.size(), label) == 0 &&
        line.find_first_not_of(' ', label.size()) == 55) {
      return line.substr(57);
    }
  }
  return "(no line " + std::string(label) + ")";
}

// ---- Bar diameters ------------------------------------------------------------------------

TEST(BarDiameterFromArea, StandardSizesAndOtherAreas) {
  struct Case {
    double area;
    double diameter;
  };
  const Case cases[] = {
      {0.79, 1.0},                // US #8
      {0.11, 0.375},              // US #3, first entry
      {4.0, 2.257},               // US #18
      {0.7900009, 1.0},           // within 1e-6 of 0.79
      {0.1963854, 0.5},           // metric size given in inches
      {2.077004, 1.625984},       // last entry
      {0.3100006, 0.625},         // within 1e-6 of US #5 (0.31), which comes first
      {0.5, 0.7978845608028654},  // no standard bar: sqrt(4 A / pi) = sqrt(2/pi)
      {0.0, 0.0},
      {-1.0, 0.0},  // negative area
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.area);
    EXPECT_NEAR(Bar_Diameter_From_Area(c.area), c.diameter, 1e-12);
  }
}

// ---- Dimension blocks ---------------------------------------------------------------------

TEST(SectionDimensions, DrilledShaftBlockCapacitiesAndBarTable) {
  SectionReportCase c = Drilled_Shaft_Case();
  const std::vector<std::string> lines = Dimension_Lines(c);
  // Hand values: Ag = pi 36^2/4 = 1017.876; As = 9.48; ratio 100 As/Ag = 0.931 percent; cover
  // 18 - 14.5 - 0.5 = 3; spacing 2 R sin(pi/12) - db = 29 x 0.258819 - 1 = 6.506.
  const std::vector<std::string> expected = {
      "",
      "Dimensions and Properties of Drilled Shaft:",
      "-------------------------------------------",
      Labelled_Line("Length of Section", "         30.000 ft"),
      Labelled_Line("Shaft Diameter", "         36.000 in     "),
      Labelled_Line("Concrete Cover Thickness", "          3.000 in     "),
      Labelled_Line("Number of Reinforcing Bars", "             12"),
      Labelled_Line("Yield Stress of Reinforcing Bars", "         60.000 ksi    "),
      Labelled_Line("Modulus of Elasticity of Reinforcing Bars", "      29000.000 ksi    "),
      Labelled_Line("Gross Area of Shaft", "       1017.876 sq. in."),
      Labelled_Line("Total Area of Reinforcing Steel", "          9.480 sq. in."),
      Labelled_Line("Area Ratio of Steel Reinforcement", "           0.93 percent"),
      Labelled_Line("Edge-to-Edge Bar Spacing", "          6.506 in     "),
      Labelled_Line("Rebar Offset", "          0.000 in     "),
      "",
      "Axial Structural Capacities:",
      "----------------------------",
      Labelled_Line("Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As", "       3997.346 kips   "),
      Labelled_Line("Tensile Load for Cracking of Concrete", "       -451.119 kips   "),
      Labelled_Line("Nominal Axial Tensile Capacity  ", "       -568.800 kips   "),
      "",
      "",
      "Reinforcing Bar Dimensions and Positions Used in Computations:",
      "",
      "     Bar          Bar Diam.      Bar Area          X              Y     ",
      "    Number         inches         sq. in.        inches         inches  ",
      "  ----------     ----------     ----------     ----------     ----------",
      // Bar 1 on the +x axis, bar 4 a quarter turn on (R cos 90, R sin 90).
      "         1         1.0000          0.7900       14.5000         0.0000",
  };
  ASSERT_GE(lines.size(), expected.size() + 11);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + expected.size()), expected);
  EXPECT_EQ(lines[expected.size() + 2],
            "         4         1.0000          0.7900        0.0000        14.5000");
  EXPECT_EQ(lines.size(), expected.size() + 11);  // one row per bar, nothing after the table
}

TEST(SectionDimensions, ShiftedCageKeepsItsCoverAndSpacing) {
  SectionReportCase c = Drilled_Shaft_Case();
  c.section.Rebar.RebarOffset = 2.0;
  for (int k = 0; k < 12; ++k) c.engine.Vars.BarY[k] += 2.0;
  const std::vector<std::string> lines = Dimension_Lines(c);
  EXPECT_EQ(Value_Of(lines, "Concrete Cover Thickness"), "          3.000 in     ");
  EXPECT_EQ(Value_Of(lines, "Edge-to-Edge Bar Spacing"), "          6.506 in     ");
  EXPECT_EQ(Value_Of(lines, "Rebar Offset"), "          2.000 in     ");
}

TEST(SectionDimensions, SteelPipeBlockAndCapacities) {
  SectionReportCase c = Steel_Pipe_Case();
  const std::vector<std::string> lines = Dimension_Lines(c);
  // A = pi/4 (144 - 121) = 18.064 and I = pi/64 (12^4 - 11^4) = 299.19 (the published
  // values of a 12 in x 0.5 in pipe); Z = (12^3 - 11^3)/6 = 397/6 = 66.167 in^3;
  // Z fy = 66.1667 x 36 = 2382.0 in-kip; EI = 29000 ksi x 299.188 in^4 = 8.6764E+09 lb-in^2.
  const std::vector<std::string> expected = {
      "",
      "Dimensions and Properties of Steel Pipe Pile:",
      "---------------------------------------------",
      Labelled_Line("Length of Section", "         50.000 ft"),
      Labelled_Line("Outer Diameter of Pipe", "         12.000 in     "),
      Labelled_Line("Pipe Wall Thickness", "          0.500 in     "),
      Labelled_Line("Yield Stress of Pipe", "         36.000 ksi    "),
      Labelled_Line("Elastic Modulus", "      29000.000 ksi    "),
      Labelled_Line("Cross-sectional Area", "         18.064 sq. in."),
      Labelled_Line("Moment of Inertia", "        299.188 in^4   "),
      Labelled_Line("Elastic Bending Stiffness", "     8.6764E+09 lb-in^2"),
      Labelled_Line("Plastic Modulus, Z", "         66.167 in^3"),
      Labelled_Line("Plastic Moment Capacity = Fy Z", "       2382.000 in-kip "),
      "",
      "Axial Structural Capacities:",
      "----------------------------",
      Labelled_Line("Nom. Axial Structural Capacity = Fy As", "        650.310 kips   "),
      Labelled_Line("Nominal Axial Tensile Capacity  ", "       -650.310 kips   "),
      "",
      "",
  };
  EXPECT_EQ(lines, expected);
}

TEST(SectionDimensions, PrestressedSquareInSIWithStrandDetails) {
  SectionReportCase c = Prestressed_Square_SI_Case();
  const std::vector<std::string> lines = Dimension_Lines(c);
  // fpu 270000 psi x 6894.757/1000 = 1861584.5 kPa; strand area 0.153 x 0.0254^2 =
  // 9.8709E-05 m2; a = (0.45 - 0.0127)/2 - 0.05 = 0.16865 m, strand 1 at (-a, -a); cover to
  // the flats 0.225 - 0.16865 - 0.00635 = 0.050 m.
  const std::vector<std::string> expected = {
      "",
      "Dimensions of Square Prestressed Pile Section:",
      "----------------------------------------------",
      Labelled_Line("Length of Section", "         12.000 m      "),
      Labelled_Line("Pile Width", "         0.4500 m      "),
      Labelled_Line("Corner Chamfer", "         0.0000 m      "),
      "",
      "Prestressing Strand Details:",
      "----------------------------",
      "",
      Labelled_Line("Strand Type", "   PCI 270"),
      Labelled_Line("Yield Stress, fpu", "  1861584. kPa    "),
      "Stress-Strain Curve for Reinforcement Defined Using PCI 270 Lo-lax Equation",
      "If eps > 0.008 fpu = 268 - 0.075/(eps-0.0065) < 0.98 fpu (ksi)",
      Labelled_Line("Number of Reinforcing Strands", "        12"),
      Labelled_Line("Cross-sectional Area of Single Strand", " 0.0000987 sq. m  "),
      Labelled_Line("Concrete Cover Thickness Over Strands", "     0.050 m      "),
      "",
      "Prestressing Strand Geometry:",
      "",
      "    Strand        Diameter         Area            X              Y     ",
      "    Number         meters         sq. m.         meters         meters  ",
      "  ----------     ----------     ----------     ----------     ----------",
      "         1        0.01270      0.00009871      -0.16865       -0.16865",
  };
  ASSERT_EQ(lines.size(), expected.size() + 11);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + expected.size()), expected);
}

// The least cover over the strands against the outline: a 24 in pile with 0.5 in strands.
TEST(SectionDimensions, StrandCoverAgainstEachOutline) {
  struct Case {
    const char* name;
    int type;
    double chamfer;
    int pattern;  // 0 circle, 1 square
    const char* cover;
  };
  const Case cases[] = {
      // Strands on the square a = 9.75: the flats give 12 - 9.75 - 0.25 = 2.
      {"square", kSquareSolidPrestressed, 0.0, 1, "     2.000 in     "},
      // Corner strand (9.75, 9.75) against the chamfer face at (24 - 3)/sqrt 2 = 14.849 from
      // the centre: 14.849 - 19.5/sqrt 2 - 0.25 = 0.811.
      {"chamfered square", kSquareSolidPrestressed, 3.0, 1, "     0.811 in     "},
      // Corner faces of the octagon at (0.2071 x 24 + 12)/sqrt 2 = 12.000: the square pattern's
      // corner strands stick out, 12.000 - 13.789 - 0.25 = -2.039.
      {"octagon, square pattern", kOctagonalSolidPrestressed, 0.0, 1, "    -2.039 in     "},
      // Eight strands on the circle R = 9.75: 12 - 9.75 - 0.25 = 2 at the flats.
      {"octagon, circle", kOctagonalSolidPrestressed, 0.0, 0, "     2.000 in     "},
      {"round", kCircularSolidPrestressed, 0.0, 0, "     2.000 in     "},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    SectionReportCase c = Drilled_Shaft_Case();
    c.section.SectionType = k.type;
    c.section.CornerChamfer = k.chamfer;
    c.section.Rebar.StrandType = 1;
    EI_Vars& v = c.engine.Vars;
    v.rd_SectionDepthInput = 24.0;
    v.BarX.fill(0.0);
    v.BarY.fill(0.0);
    v.BarDiameter.fill(0.5);
    if (k.pattern == 1) {
      v.NumBars = 12;
      ASSERT_TRUE(Position_Strands_On_Square(v.BarX, v.BarY, 24.0, 2.0, 0.5, 12, 1));
    } else {
      v.NumBars = 8;
      ASSERT_TRUE(Position_Bars_In_Circle(v.BarX, v.BarY, 24.0, 2.0, 0.5, 8, 1));
    }
    EXPECT_EQ(Value_Of(Dimension_Lines(c), "Concrete Cover Thickness Over Strands"), k.cover);
  }
}

TEST(SectionDimensions, CasedShaftsAddTheirRingsToTheSteel) {
  // 36 in casing with a 0.5 in wall; bars of 0.79 sq. in. (1.0 in) placed with 3 in cover
  // from the outside of the casing (R = 14.5 in), so 2.5 in clear inside the casing.
  // Casing pi/4 (36^2 - 35^2) = 55.763; concrete inside it pi 35^2/4 = 962.113.
  struct Case {
    const char* name;
    int type;
    bool filled;
    std::vector<std::pair<std::string, std::string>> values;
    std::string last_line;
  };
  const Case cases[] = {
      // 8 bundles of two: chord 2 x 14.5 sin(pi/8) = 11.098 less two bars; 16 bars 12.64.
      {"casing",
       kCasedShaft,
       false,
       {{"Concrete Cover Thickness Inside Casing", "          2.500 in     "},
        {"Area of Single Reinforcing Bar", "          0.790 sq. in."},
        {"Edge-to-Edge Bar Spacing", "          9.098 in     "},
        {"Area of Concrete", "        949.473 sq. in."},  // 962.113 - 12.64
        {"Cross-sectional Area of Steel Casing", "         55.763 sq. in."},
        {"Area of All Steel (Casing and Bars)", "         68.403 sq. in."},
        {"Area Ratio of All Steel", "           6.72 percent"}},  // 68.403 / 1017.876
       "  ----------     ----------     ----------     ----------     ----------"},
      // And a 12 in core with a 0.5 in wall, filled: core ring 18.064, I = 299.188; casing
      // I = pi/64 (36^4 - 35^4) = 8786.200; concrete 962.113 - 12.64 - 113.097 + 95.033.
      {"casing and filled core",
       kCasedShaftWithCore,
       true,
       {{"Moment of Inertia of Steel Casing", "       8786.200 in^4   "},
        {"Moment of Inertia of Steel Core", "        299.188 in^4   "},
        {"Area of All Reinforcing Bars", "         12.640 sq. in."},
        {"Area of Concrete", "        931.409 sq. in."},
        {"Cross-sectional Area of Steel Core", "         18.064 sq. in."},
        {"Area of All Steel (Casing, Core, and Bars)", "         86.467 sq. in."},
        {"Area Ratio of All Steel", "           8.49 percent"}},
       "Note that the core is assumed to be filled with concrete"},
      // A void core: no fill, so the concrete loses the whole core circle.
      {"casing and void core",
       kCasedShaftWithCore,
       false,
       {{"Area of Concrete", "        836.375 sq. in."}},  // 962.113 - 12.640 - 113.097
       "Note that the core is assumed to be void of concrete"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    SectionReportCase c = Drilled_Shaft_Case();
    c.section.SectionType = k.type;
    c.section.b_FillCoreWithConcrete = k.filled;
    ReinforcementData& rebar = c.section.Rebar;
    rebar.NumBundles = 8;
    rebar.BarsPerBundle = 2;
    EI_Vars& v = c.engine.Vars;
    v.i_SectionShape = k.type == kCasedShaft ? kShapeCasedShaft : kShapeCasedShaftWithCore;
    v.NumBars = 16;
    ASSERT_TRUE(Position_Bars_In_Circle(v.BarX, v.BarY, 36.0, 3.0, 1.0, 8, 2));
    for (int b = 0; b < 16; ++b) {
      v.BarDiameter[b] = 1.0;
      v.BarArea[b] = 0.79;
    }
    v.CasingWall = 0.5;
    v.rd_CasingFy = 36.0;
    v.rd_CasingEs = 29000.0;
    if (k.type == kCasedShaftWithCore) {
      v.NumCores = 1;
      v.CoreDiameter = 12.0;
      v.CoreWall = k.filled ? 0.5 : 0.0;
      v.b_FillCoreWithConcrete = k.filled;
    }
    const std::vector<std::string> lines = Dimension_Lines(c);
    for (const auto& [label, value] : k.values) {
      SCOPED_TRACE(label);
      EXPECT_EQ(Value_Of(lines, label), value);
    }
    if (k.type == kCasedShaftWithCore) {
      EXPECT_NE(std::find(lines.begin(), lines.end(), k.last_line), lines.end());
    }
  }
}

TEST(SectionDimensions, RectangularPileListsItsBarsWithTheirIndices) {
  SectionReportCase c = Drilled_Shaft_Case();
  PileSection& s = c.section;
  s.SectionType = kRectangularConcrete;
  s.Rebar.b_RebarInCircle = false;
  EI_Vars& v = c.engine.Vars;
  v.i_SectionShape = kShapeSquarePile;
  v.rd_SectionDepthInput = 24.0;
  v.rd_WidthInput = 18.0;
  v.NumBars = 4;
  const double x[] = {-6.0, 6.0, 6.0, -6.0};
  const double y[] = {-9.0, -9.0, 9.0, 9.0};
  for (int k = 0; k < 4; ++k) {
    s.Rebar.BarIndex[k] = 9;
    v.BarX[k] = x[k];
    v.BarY[k] = y[k];
    v.BarDiameter[k] = 1.128;
    v.BarArea[k] = 1.0;
  }
  const std::vector<std::string> lines = Dimension_Lines(c);
  // Ag = 24 x 18 = 432; As = 4.0; 100 x 4/432 = 0.93 percent.
  EXPECT_EQ(lines[1], "Dimensions and Properties of Rectangular Concrete Pile:");
  EXPECT_EQ(Value_Of(lines, "Depth of Section"), "         24.000 in     ");
  EXPECT_EQ(Value_Of(lines, "Width of Section"), "         18.000 in     ");
  EXPECT_EQ(Value_Of(lines, "Modulus of Rupture of Concrete"), "         -0.474 ksi    ");
  EXPECT_EQ(Value_Of(lines, "Gross Area of Pile"), "        432.000 sq. in.");
  EXPECT_EQ(Value_Of(lines, "Area Ratio of Steel Reinforcement"), "           0.93 percent");
  const std::vector<std::string> table = Lines_Between(
      lines, "Reinforcing Bar Details:",
      "  ----------     ----------     ----------     ----------     ----------     ----------");
  const std::vector<std::string> expected = {
      "Reinforcing Bar Details:",
      "",
      "     Bar             Bar         Bar Diam.      Bar Area          X              Y     ",
      "    Number          Index         inches         sq. in.        inches         inches  ",
      "  ----------     ----------     ----------     ----------     ----------     ----------",
  };
  EXPECT_EQ(table, expected);
  const auto rule = std::find(lines.begin(), lines.end(), expected.back());
  ASSERT_NE(rule, lines.end());
  EXPECT_EQ(
      *(rule + 3),
      "         3              9         1.1280          1.0000        6.0000         9.0000");
  // The capacities follow the bar table.
  EXPECT_EQ(*(rule + 5), "");
  EXPECT_EQ(*(rule + 6), "Axial Structural Capacities:");
}

TEST(SectionDimensions, NothingForTheTablesOfElasticAndUserSections) {
  for (int type : {kElastic, kElasticPlastic, kUserEI, kMicropile}) {
    SCOPED_TRACE(type);
    SectionReportCase c = Drilled_Shaft_Case();
    c.section.SectionType = type;
    EXPECT_TRUE(Dimension_Lines(c).empty());
  }
}

// ---- Moment-curvature report ----------------------------------------------------------------

TEST(MomentCurvatureReport, ConcretePropertiesInTheNumberField) {
  SectionReportCase c = Drilled_Shaft_Case();
  const std::vector<std::string> lines =
      Write_Through(c, [](RunContext& run, const SectionEngineState& engine,
                          const PileSection& section) {
        Write_Concrete_Properties(run, engine, section);
      }).report;
  // f'c = 4 ksi: Ec = 57 sqrt(4000) = 3604.9965, fr = -0.474342, eps0 = 0.00188627,
  // eps_cr = -0.000115370; every value in F13.7 after one blank (between 1E-5 and 10000).
  const std::vector<std::string> expected = {
      "",
      "Concrete Properties:",
      "--------------------",
      "",
      Labelled_Line("Compressive Strength of Concrete", "     4.0000000 ksi    "),
      Labelled_Line("Modulus of Elasticity of Concrete", "  3604.9965326 ksi    "),
      Labelled_Line("Modulus of Rupture of Concrete", "    -0.4743416 ksi    "),
      Labelled_Line("Compression Strain at Peak Stress", "     0.0018863"),
      Labelled_Line("Tensile Strain at Fracture of Concrete", "    -0.0001154"),
      Labelled_Line("Maximum Coarse Aggregate Size", "     0.7500000 in     "),
  };
  EXPECT_EQ(lines, expected);

  SectionReportCase prestressed = Prestressed_Square_SI_Case();
  const std::vector<std::string> si =
      Write_Through(prestressed, [](RunContext& run, const SectionEngineState& engine,
                                    const PileSection& section) {
        Write_Concrete_Properties(run, engine, section);
      }).report;
  // f'c 6 ksi = 41368.5 kPa (above 10000: F13.0); fr = -0.004 sqrt(6000) ksi = -2136.3 kPa.
  ASSERT_EQ(si.size(), 10u);
  EXPECT_EQ(si[4], Labelled_Line("Compressive Strength of Concrete", "        41369. kPa    "));
  EXPECT_EQ(si[6],
            Labelled_Line("Modulus of Rupture of Prestressed Concrete", " -2136.2624234 kPa    "));

  SectionReportCase pipe = Steel_Pipe_Case();
  EXPECT_TRUE(Write_Through(pipe, [](RunContext& run, const SectionEngineState& engine,
                                     const PileSection& section) {
                Write_Concrete_Properties(run, engine, section);
              }).report.empty());
}

TEST(MomentCurvatureReport, ThrustListBlocksAndLine3) {
  const std::string kNote =
      "The following computations were performed only for the axial thrust values in the valid "
      "range.";
  const std::string kHead = "   Number     Axial Thrust Force" + Blanks(20) + " kips   ";
  const std::string kRule = "   ------     ------------------";
  const std::string kRow1 = "      1" + Blanks(9) + "     -50.000";  // I7, 9X, F12.3
  const std::string kRow2 = "      2" + Blanks(9) + "    1250.500";
  const std::vector<std::string> kEIOnly = {
      "",
      "",
      "Input Axial Thrust Forces:",
      "--------------------------",
      "",
      "Number of Axial Thrust Force Values Determined from Input Data = 2",
      "",
      kHead,
      kRule,
      kRow1,
      kRow2};
  const std::vector<std::string> kFull = {
      "",    "",    "Number of Axial Thrust Force Values Determined from Pile-head Loadings = 2",
      "",    kHead, kRule,
      kRow1, kRow2};
  const std::string kPlotCount = "    2" + Blanks(75);  // I5, then the label at column 81
  struct Case {
    const char* name;
    int icom;
    bool lrfd, dropped, first;
    std::vector<std::string> report;
    std::vector<std::string> plot;
  };
  std::vector<std::string> dropped = {"", kNote};
  dropped.insert(dropped.end(), kEIOnly.begin(), kEIOnly.end());
  const Case cases[] = {
      {"EI only, thrusts dropped, first section",
       kComputeEIOnly,
       false,
       true,
       true,
       dropped,
       {kPlotCount + "Line 3 : Total number of axial thrusts for EI-only computations"}},
      {"EI only, later section", kComputeEIOnly, false, false, false, kEIOnly, {}},
      {"full analysis",
       kFullAnalysis,
       false,
       false,
       true,
       kFull,
       {kPlotCount + "Line 3 : Total number of axial thrusts"}},
      {"full analysis with LRFD",
       kFullAnalysis,
       true,
       false,
       true,
       kFull,
       {kPlotCount + "Line 3 : Total number of axial thrusts for LRFD"}},
      {"full analysis, later section", kFullAnalysis, true, false, false, kFull, {}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    SectionReportCase c = Drilled_Shaft_Case();
    c.run->Problem.Options.ICOM = k.icom;
    c.run->Problem.Options.UseLRFD = k.lrfd;
    c.engine.NumThrusts = 2;
    c.engine.Thrust[1] = -50.0;
    c.engine.Thrust[2] = 1250.5;
    const WrittenLines out = Write_Through(
        c, [&](RunContext& run, const SectionEngineState& engine, const PileSection&) {
          Write_Thrust_List(run, engine, k.dropped, k.first);
        });
    EXPECT_EQ(out.report, k.report);
    EXPECT_EQ(out.plot, k.plot);
  }
}

TEST(MomentCurvatureReport, EmptyThrustListKeepsTheTableHeadAndAnEmptySummary) {
  SectionReportCase c = Drilled_Shaft_Case();
  c.run->Problem.Options.ICOM = kComputeEIOnly;
  const WrittenLines out =
      Write_Through(c, [](RunContext& run, const SectionEngineState& engine, const PileSection&) {
        Write_Thrust_List(run, engine, true, true);
        Write_Moment_Capacity_Summary(run, engine, 1);
      });
  const auto rule =
      std::find(out.report.begin(), out.report.end(), "   ------     ------------------");
  ASSERT_NE(rule, out.report.end());
  EXPECT_EQ(*(rule + 1), "");  // the summary's two empty lines follow at once
  EXPECT_EQ(*(rule + 3), Rule());
  const auto summary_rule =
      std::find(out.report.begin(), out.report.end(),
                " ----         ----------------     ------------------     ------------");
  ASSERT_NE(summary_rule, out.report.end());
  EXPECT_EQ(*(summary_rule + 1), "");
  EXPECT_EQ(*(summary_rule + 2),
            "Note note that the values of moment capacity in the table above are not ");
  EXPECT_EQ(out.plot, std::vector<std::string>{
                          "    0" + Blanks(75) +
                          "Line 3 : Total number of axial thrusts for EI-only computations"});
}

TEST(MomentCurvatureReport, RunMessageDefinitions) {
  SectionReportCase shaft = Drilled_Shaft_Case();
  const auto write = [](RunContext& run, const SectionEngineState& engine, const PileSection&) {
    Write_Run_Message_Definitions(run, engine);
  };
  const std::vector<std::string> concrete = {
      "",
      "",
      "Definitions of Run Messages and Notes:",
      "--------------------------------------",
      "",
      "   C = concrete in section has cracked in tension.",
      "   Y = stress in reinforcing steel has reached yield stress.",
      "   T = tensile strain in reinforcement exceeds 0.005 while simultaneously compressive "
      "strain ",
      "       in concrete is less than 0.003. See ACI 318-08, Section 10.3.4.",
      "   Z = depth of tensile zone in concrete section is less than 10 percent of section "
      "depth.",
      "",
      "Bending Stiffness (EI) = Computed Bending Moment / Curvature.",
      "Position of neutral axis is measured from edge of compression side of pile.",
      "Compressive stresses and strains are positive in sign.",
      "Tensile stresses and strains are negative in sign.",
  };
  EXPECT_EQ(Write_Through(shaft, write).report, concrete);
  SectionReportCase pipe = Steel_Pipe_Case();
  const std::vector<std::string> steel = {"", "Definition of Run Messages:", "",
                                          "   Y = part of pipe section has yielded."};
  EXPECT_EQ(Write_Through(pipe, write).report, steel);
}

TEST(MomentCurvatureReport, CurveHeadingOfEachLayout) {
  struct Case {
    const char* name;
    int shape;
    int iunits;
    std::string thrust_line;
    std::vector<std::string> heads;
  };
  const Case cases[] = {
      {"standard, US customary",
       kShapeRoundPile,
       kUnitsUSCustomary,
       "Axial Thrust Force =    100.000 kips  ",
       {"    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    "
        "Max Concrete   Max Steel    Run",
        "   Curvature      Moment       Stiffness       N Axis        Strain        Strain      "
        "  Stress        Stress     Msg",
        "    rad/in.       in-kip        kip-in2          in          in/in         in/in        "
        "  ksi           ksi           ",
        " ------------- ------------- ------------- ------------- ------------- ------------- "
        "------------- -------------  ---"}},
      {"casing, SI",
       kShapeCasedShaft,
       kUnitsSI,
       "Axial Thrust Force =    100.000 kN    ",
       {"    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    "
        "Max Concrete   Max Steel     Max Casing   Run",
        "   Curvature      Moment       Stiffness       N Axis        Strain        Strain      "
        "  Stress        Stress        Stress     Msg",
        "     rad/m         kN-m          kN-m2           m            m/m           m/m         "
        "  kPa           kPa           kPa          ",
        " ------------- ------------- ------------- ------------- ------------- ------------- "
        "------------- ------------- -------------  ---"}},
      {"casing and core, US customary",
       kShapeCasedShaftWithCore,
       kUnitsUSCustomary,
       "Axial Thrust Force =    100.000 kips  ",
       {"    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    "
        "Max Concrete   Max Steel     Max Casing    Max Core     Run",
        "   Curvature      Moment       Stiffness       N Axis        Strain        Strain      "
        "  Stress        Stress        Stress        Stress     Msg",
        "    rad/in.       in-kip        kip-in2          in          in/in         in/in        "
        "  ksi           ksi           ksi           ksi          ",
        " ------------- ------------- ------------- ------------- ------------- ------------- "
        "------------- ------------- ------------- -------------  ---"}},
      {"pipe, SI",
       kShapeSteelPipe,
       kUnitsSI,
       "Axial Thrust Force =    100.000 kN    ",
       {"    Bending       Bending       Bending       Depth to     Max Total    Run",
        "   Curvature      Moment       Stiffness       N Axis        Stress     Msg",
        "     rad/m         kN-m          kN-m2           m            kPa          ",
        " ------------- ------------- ------------- ------------- -------------  ---"}},
      // Prestressed shapes take the standard layout.
      {"prestressed octagon, SI",
       kShapePolygonPileWithCore,
       kUnitsSI,
       "Axial Thrust Force =    100.000 kN    ",
       {"    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    "
        "Max Concrete   Max Steel    Run",
        "   Curvature      Moment       Stiffness       N Axis        Strain        Strain      "
        "  Stress        Stress     Msg",
        "     rad/m         kN-m          kN-m2           m            m/m           m/m         "
        "  kPa           kPa          ",
        " ------------- ------------- ------------- ------------- ------------- ------------- "
        "------------- -------------  ---"}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    SectionReportCase c =
        k.iunits == kUnitsSI ? Prestressed_Square_SI_Case() : Drilled_Shaft_Case();
    c.engine.Vars.i_SectionShape = k.shape;
    c.engine.NumThrusts = 1;
    c.engine.Thrust[1] = 100.0;
    std::vector<std::string> expected = {"", "", k.thrust_line, ""};
    expected.insert(expected.end(), k.heads.begin(), k.heads.end());
    EXPECT_EQ(Write_Through(c, [](RunContext& run, const SectionEngineState& engine,
                                  const PileSection&) { Write_Curve_Heading(run, engine, 1); })
                  .report,
              expected);
  }
}

// One point with values of every magnitude band of the number field (one blank, then F13.9
// for 1E-7 to 1E-5, F13.7 up to 10000, F13.0 up to 1E11).
void Fill_Point(MomentCurvatureCurve& curve, int i, const char (&message)[4]) {
  curve.Curvature[i] = 6.25e-7;
  curve.Moment[i] = 1234.5678;
  curve.BendingStiffness[i] = 1.97531e9;
  curve.NeutralAxisDepth[i] = 18.1234;
  curve.MaxCompStrain[i] = 0.0000113;
  curve.MaxTensStrain[i] = -0.0000112;
  curve.MaxConcreteStress[i] = 0.04512;
  curve.MaxSteelStress[i] = -0.32;
  curve.MaxCasingStress[i] = 1.5;
  curve.MaxCoreStress[i] = -2.5;
  curve.RunMessage[i] = {message[0], message[1], message[2]};
}

constexpr const char* kFirstFour = "   0.000000625  1234.5678000   1975310000.    18.1234000";
constexpr const char* kStandardFour = "     0.0000113    -0.0000112     0.0451200    -0.3200000";
constexpr const char* kCasing = "     1.5000000";
constexpr const char* kCore = "    -2.5000000";

TEST(MomentCurvatureReport, CurveRowsOfEachLayout) {
  struct Case {
    const char* name;
    int shape;
    std::string row;
  };
  const std::string first(kFirstFour);
  const std::string standard = first + kStandardFour;
  const Case cases[] = {
      {"standard", kShapeRoundPile, standard + "  CYT"},
      {"casing", kShapeCasedShaft, standard + kCasing + "  CYT"},
      {"casing and core", kShapeCasedShaftWithCore, standard + kCasing + kCore + "  CYT"},
      {"pipe", kShapeSteelPipe, first + kCasing + "  CYT"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    SectionReportCase c = Drilled_Shaft_Case();
    c.engine.Vars.i_SectionShape = k.shape;
    c.engine.NumThrusts = 1;
    c.engine.Curves.resize(2);
    MomentCurvatureCurve& curve = c.engine.Curves[1];
    curve.NumCurvePoints = 2;
    Fill_Point(curve, 1, "CYT");
    Fill_Point(curve, 2, "C Z");
    curve.RunMessage[2][1] = '\0';  // a message character left unset is a blank
    const std::vector<std::string> lines =
        Write_Through(c, [](RunContext& run, const SectionEngineState& engine, const PileSection&) {
          Write_Curve_Rows(run, engine, 1);
        }).report;
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], k.row);
    EXPECT_EQ(lines[1], k.row.substr(0, k.row.size() - 3) + "C Z");
  }
}

TEST(MomentCurvatureReport, CutOffWarningAfterA150PointCurve) {
  const std::vector<std::string> kWarning = {
      "",
      "Warning: 150 values were calculated for moment-curvature.",
      "This usually indicates that the pile is too weak or is under-reinforced, where all "
      "reinforcing steel has yielded.",
      "",
      "The input data should be examined and the amount of steel reinforcement should be "
      "increased if necessary.",
      "",
  };
  struct Case {
    const char* name;
    int shape;
    int points;
    bool warned;
  };
  const Case cases[] = {
      {"drilled shaft at the point limit", kShapeRoundPile, 150, true},
      {"drilled shaft below it", kShapeRoundPile, 149, false},
      {"steel pipe at the point limit", kShapeSteelPipe, 150, false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    SectionReportCase c = Drilled_Shaft_Case();
    c.engine.Vars.i_SectionShape = k.shape;
    c.engine.NumThrusts = 1;
    c.engine.Curves.resize(2);
    c.engine.Curves[1].NumCurvePoints = k.points;
    const std::vector<std::string> lines =
        Write_Through(c, [](RunContext& run, const SectionEngineState& engine, const PileSection&) {
          Write_Curve_Rows(run, engine, 1);
        }).report;
    std::vector<std::string> tail(lines.begin() + k.points, lines.end());
    EXPECT_EQ(tail, k.warned ? kWarning : std::vector<std::string>{});
  }
}

TEST(MomentCurvatureReport, PlotRecordsLine4AndLine5) {
  for (int iunits : {kUnitsUSCustomary, kUnitsSI}) {
    SCOPED_TRACE(iunits);
    SectionReportCase c = iunits == kUnitsSI ? Prestressed_Square_SI_Case() : Drilled_Shaft_Case();
    c.engine.NumThrusts = 2;
    c.engine.Thrust[1] = 0.0;
    c.engine.Thrust[2] = 100.0;
    c.engine.Curves.resize(3);
    c.engine.Curves[1].NumCurvePoints = 1;
    MomentCurvatureCurve& curve = c.engine.Curves[2];
    curve.NumCurvePoints = 3;
    curve.NominalMomentCapacity = 1500.0;
    curve.Moment[3] = 1234.5678;
    curve.BendingStiffness[3] = 2.5e9;
    curve.Curvature[3] = 4.9382712e-7;
    const std::vector<std::string> plot =
        Write_Through(c, [](RunContext& run, const SectionEngineState& engine, const PileSection&) {
          // The records come from the tables the engine stores: the curve values, Mn in
          // the run's units (in-lb in US customary units).
          SectionEITables& tables = run.EITables;
          Allocate_Section_EI_Tables(tables);
          const double mn_scale = engine.Vars.IUNITS == kUnitsSI ? 1.0 : 1000.0;
          for (int t = 1; t <= engine.NumThrusts; ++t) {
            const MomentCurvatureCurve& curve = engine.Curves[t];
            tables.NumPoints[t][1] = curve.NumCurvePoints;
            tables.NominalMoment[t][1] = curve.NominalMomentCapacity * mn_scale;
            for (int p = 1; p <= curve.NumCurvePoints; ++p) {
              tables.Mt(p, t, 1) = curve.Moment[p];
              tables.EIt(p, t, 1) = curve.BendingStiffness[p];
              tables.Phit(p, t, 1) = curve.Curvature[p];
            }
          }
          Write_Curve_Plot_Records(run, engine, 1);
        }).plot;
    ASSERT_EQ(plot.size(), 6u);  // Line 4 and 1 point, Line 4 and 3 points
    // I5, 10X, 2ES15.7, label at column 81; Mn in in-lb (x 1000) in US customary units.
    const std::string label4 = "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load, Nom. Moment Cap.";
    EXPECT_EQ(plot[2], "    3" + Blanks(10) + "  1.0000000E+02" +
                           (iunits == kUnitsSI ? "  1.5000000E+03" : "  1.5000000E+06") +
                           Blanks(35) + label4);
    EXPECT_EQ(plot[0],
              "    1" + Blanks(10) + "  0.0000000E+00  0.0000000E+00" + Blanks(35) + label4);
    // 3ES15.7, label at column 81.
    EXPECT_EQ(plot[5], "  1.2345678E+03  2.5000000E+09  4.9382712E-07" + Blanks(35) +
                           "Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=3");
    EXPECT_EQ(plot[1].substr(80),
              "Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=1");
  }
}

TEST(MomentCurvatureReport, SummaryOfNominalMomentCapacities) {
  const auto write = [](RunContext& run, const SectionEngineState& engine, const PileSection&) {
    Write_Moment_Capacity_Summary(run, engine, 2);
  };
  const auto two_thrusts = [](SectionReportCase& c) {
    c.engine.NumThrusts = 2;
    c.engine.Thrust[1] = 0.0;
    c.engine.Thrust[2] = 100.0;
    c.engine.Curves.resize(3);
    for (int t = 1; t <= 2; ++t) {
      c.engine.Curves[t].NominalMomentCapacity = 1000.0 * t + 234.5678;
      c.engine.Curves[t].StrainAtNominalMoment = 0.003;
    }
  };
  const std::vector<std::string> head = {
      "",     "",
      Rule(), "   Summary of Results for Nominal (Unfactored) Moment Capacity for Section 2",
      Rule(), ""};

  SectionReportCase shaft = Drilled_Shaft_Case();
  two_thrusts(shaft);
  std::vector<std::string> concrete = head;
  const std::vector<std::string> concrete_rest = {
      "Moment values interpolated at maximum compressive strain = 0.003",
      "or maximum developed moment if pile fails at smaller strains.",
      "",
      " Load           Axial Thrust        Nominal Mom. Cap.      Max. Comp.",
      "  No.              " + std::string(" kips  ") + Blanks(14) + " in-kip" + Blanks(14) +
          "Strain",
      " ----         ----------------     ------------------     ------------",
      // I4, F22.3, F22.3, F21.8
      "   1" + Blanks(17) + "0.000" + Blanks(14) + "1234.568" + Blanks(11) + "0.00300000",
      "   2" + Blanks(15) + "100.000" + Blanks(14) + "2234.568" + Blanks(11) + "0.00300000",
      "",
      "Note note that the values of moment capacity in the table above are not ",
      "factored by a strength reduction factor (phi-factor).",
      "",
      "In ACI 318-08, the value of the strength reduction factor depends on whether ",
      "the transverse reinforcing steel bars are spirals or tied hoops.",
      "",
      "The above values should be multiplied by the appropriate strength reduction ",
      "factor to compute ultimate moment capacity according to ACI 318-08, Section ",
      "9.3.2.2 or the value required by the design standard being followed.",
      "",
      "",
  };
  concrete.insert(concrete.end(), concrete_rest.begin(), concrete_rest.end());
  EXPECT_EQ(Write_Through(shaft, write).report, concrete);

  SectionReportCase pipe = Prestressed_Square_SI_Case();
  pipe.engine.Vars.i_SectionShape = kShapeSteelPipe;
  two_thrusts(pipe);
  std::vector<std::string> steel = head;
  const std::vector<std::string> steel_rest = {
      " Load           Axial Thrust        Nominal Mom. Cap.",
      "  No.              " + std::string(" kN    ") + Blanks(14) + " kN-m  ",
      " ----         ----------------     ------------------",
      "   1" + Blanks(17) + "0.000" + Blanks(16) + "1234.6",  // F22.1
      "   2" + Blanks(15) + "100.000" + Blanks(16) + "2234.6",
      "",
      "Note that the values in the above table are not factored by a strength",
      "reduction factor for LRFD.",
      "",
      "The value of the strength reduction factor depends on the provisions of the ",
      "LRFD code being followed.",
      "",
      "The above values should be multiplied by the appropriate strength reduction ",
      "factor to compute ultimate moment capacity according to the LRFD structural ",
      "design standard being followed.",
      "",
      "",
  };
  steel.insert(steel.end(), steel_rest.begin(), steel_rest.end());
  EXPECT_EQ(Write_Through(pipe, write).report, steel);
}

}  // namespace
}  // namespace tavik::testing
