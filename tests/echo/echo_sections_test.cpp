// The structural block of the echo: the lines of every section type.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "echo/echo_fixture.h"
#include "input/input_fixture.h"

namespace tavik::testing {
namespace {

// Section 1 of the typical problem replaced: 70 ft long, 24 in wide, a 12 in void and a
// 0.75 in chamfer where the type has them. F15.3 of 70 is "70.000" after 9 blanks, of 24
// after 9, of 12 after 9, of 0.75 ("0.750") after 10.
const std::string kLength = Labelled_Line("   Section Length", "         70.000 ft");

std::string Type_Line(std::string_view text) {
  return Placed_Line({{1, "   Section Type"}, {56, text}});
}

struct SectionCase {
  const char* name;
  std::function<void(PileSection&)> set;
  std::vector<std::string> lines;  // the section's lines after "Pile Section No. 1:" and ""
};

void Set_Dimensions(PileSection& s, int type) {
  s.SectionType = type;
  s.Width = 24.0;
  s.VoidDiameter = 12.0;
  s.CornerChamfer = 0.75;
}

TEST(EchoSections, LinesOfEachSectionType) {
  const std::string width = Labelled_Line("   Pile Width", "         24.000 in");
  const std::string diameter = Labelled_Line("   Section Diameter", "         24.000 in");
  const std::string void_diameter = Labelled_Line("   Void Diameter", "         12.000 in");
  const std::string chamfer = Labelled_Line("   Corner Chamfer", "          0.750 in");
  const std::vector<SectionCase> cases = {
      {"rectangular",
       [](PileSection& s) { Set_Dimensions(s, 0); },
       {Type_Line("= Rectangular Concrete Pile"), kLength}},
      {"drilled shaft",
       [](PileSection& s) { Set_Dimensions(s, 1); },
       {Type_Line("= Drilled Shaft (Bored Pile)"), kLength, diameter}},
      {"cased shaft",
       [](PileSection& s) { Set_Dimensions(s, 2); },
       {"   Section Type = Drilled Shaft with Permanent Casing  ", kLength, width}},
      {"cased shaft, filled core",
       [](PileSection& s) {
         Set_Dimensions(s, 3);
         s.b_FillCoreWithConcrete = true;
       },
       {"   Section Type = Drilled Shaft with Casing and Concrete-filled Core   ", kLength,
        diameter}},
      {"cased shaft, void core",
       [](PileSection& s) { Set_Dimensions(s, 3); },
       {"   Section Type = Drilled Shaft with Casing and Void Core   ", kLength, diameter}},
      {"steel pipe",
       [](PileSection& s) { Set_Dimensions(s, 4); },
       {"   Section Type = Steel Pipe Pile            ", kLength,
        Labelled_Line("   Pile Diameter", "         24.000 in")}},
      {"circular solid prestressed",
       [](PileSection& s) { Set_Dimensions(s, 5); },
       {"   Section Type = Circular Solid Prestressed Pile    ", kLength, width}},
      {"circular hollow prestressed",
       [](PileSection& s) { Set_Dimensions(s, 6); },
       {"   Section Type = Circular Hollow Prestressed Pile    ", kLength, void_diameter, width}},
      {"square solid prestressed",
       [](PileSection& s) { Set_Dimensions(s, 7); },
       {"   Section Type = Square Solid Prestressed Pile     ", kLength, width, chamfer, ""}},
      {"square hollow prestressed",
       [](PileSection& s) { Set_Dimensions(s, 8); },
       {"   Section Type = Square Hollow Prestressed Pile     ", kLength, width, void_diameter,
        chamfer, ""}},
      {"octagonal solid prestressed",
       [](PileSection& s) { Set_Dimensions(s, 9); },
       {"   Section Type = Octagonal Solid Prestressed Pile    ", kLength, width}},
      {"octagonal hollow prestressed",
       [](PileSection& s) { Set_Dimensions(s, 10); },
       {"   Section Type = Octagonal Hollow Prestressed Pile   ", kLength, width, void_diameter}},
      // Elastic rectangle 12 x 18 in: area 216 sq. in, I = 12 * 18^3 / 12 = 5832 in^4;
      // F15.6 of 216 is "216.000000" after 5 blanks; modulus F15.0 "3000000." after 7.
      {"elastic rectangle",
       [](PileSection& s) {
         s.SectionType = 11;
         s.ElasticShape = 1;
         s.TopWidth = s.BottomWidth = 12.0;
         s.TopDepthOrWall = s.BottomDepthOrWall = 18.0;
         s.TopArea = s.BottomArea = 216.0;
         s.TopInertia = s.BottomInertia = 5832.0;
         s.ElasticModulus = 3.0e6;
       },
       {Type_Line("=    Elastic Pile"),
        Placed_Line({{1, "   Cross-sectional Shape"}, {56, "=     Rectangular"}}), kLength,
        Labelled_Line("   Top Width", "         12.000 in"),
        Labelled_Line("   Bot Width", "         12.000 in"),
        Labelled_Line("   Top Depth", "         18.000 in"),
        Labelled_Line("   Bot Depth", "         18.000 in"),
        Labelled_Line("   Top Area", "     216.000000 sq. in"),
        Labelled_Line("   Bot Area", "     216.000000 sq. in"),
        Labelled_Line("   Top Moment of Inertia", "    5832.000000 in**4"),
        Labelled_Line("   Bot Moment of Inertia", "    5832.000000 in**4"),
        Labelled_Line("   Elastic Modulus", "       3000000. lbs/in**2")}},
      // An HP 14x73 with the plastic moment of 1.5E6 in-lb ("1500000.000" after 4 blanks).
      {"elastic-plastic strong H",
       [](PileSection& s) {
         s.SectionType = 12;
         s.ElasticShape = 4;
         s.TopWidth = 14.585;
         s.TopDepthOrWall = s.BottomDepthOrWall = 13.61;
         s.FlangeThickness = 0.505;
         s.WebThickness = 0.505;
         s.TopArea = s.BottomArea = 21.4;
         s.TopInertia = s.BottomInertia = 729.0;
         s.ElasticModulus = 2.9e7;
         s.TopPlasticMoment = s.BottomPlasticMoment = 1.5e6;
       },
       {Type_Line("= Elastic with Specified Moment Capacity "),
        Placed_Line({{1, "   Cross-sectional Shape"}, {56, "=   Strong H-Pile"}}), kLength,
        Labelled_Line("   Flange Width", "         14.585 in"),
        Labelled_Line("   Section Depth", "         13.610 in"),
        Labelled_Line("   Flange Thickness", "          0.505 in"),
        Labelled_Line("   Web Thickness", "          0.505 in"),
        Labelled_Line("   Cross-sectional Area", "      21.400000 sq. in"),
        Labelled_Line("   Moment of Inertia", "     729.000000 in**4"),
        Labelled_Line("   Elastic Modulus", "      29000000. lbs/in**2"),
        Labelled_Line("   Top Plastic Moment Capacity", "    1500000.000 in-lb"),
        Labelled_Line("   Bot Plastic Moment Capacity", "    1500000.000 in-lb")}},
      // A 12 in pole in a 30 in hole: area 113.097336 sq. in, I = pi 12^4 / 64 = 1017.876
      // in^4 (given rounded to 1017.876).
      {"embedded pole",
       [](PileSection& s) {
         s.SectionType = 11;
         s.ElasticShape = 6;
         s.TopWidth = s.BottomWidth = 12.0;
         s.TopArea = s.BottomArea = 113.097336;
         s.TopInertia = s.BottomInertia = 1017.876;
         s.Width = 30.0;
         s.ElasticModulus = 1.6e6;
       },
       {Type_Line("=    Elastic Pile"),
        Placed_Line({{1, "   Cross-sectional Shape"}, {56, "= Embedded Circular Pole"}}), kLength,
        Labelled_Line("   Top Diameter", "         12.000 in"),
        Labelled_Line("   Bot Diameter", "         12.000 in"),
        Labelled_Line("   Top Area", "     113.097336 sq. in"),
        Labelled_Line("   Bot Area", "     113.097336 sq. in"),
        Labelled_Line("   Top Moment of Inertia", "    1017.876000 in**4"),
        Labelled_Line("   Bot Moment of Inertia", "    1017.876000 in**4"),
        Labelled_Line("   Drilled Hole Diameter", "         30.000 in"),
        Labelled_Line("   Elastic Modulus", "       1600000. lbs/in**2")}},
      // One axial thrust of 100000 lbs with two points: curvature = M / EI = 1E-4 and 4E-4.
      // Row: I7, 7X, F20.3 ("1000000.000" after 9 blanks), F25.3 ("10000000000.000" after
      // 10), F21.10 ("0.0001000000" after 9).
      {"user EI",
       [](PileSection& s) {
         s.SectionType = 13;
         s.Width = 24.0;
         s.UserEI.Curves = {UserEICurve{100000.0, {1.0e6, 2.0e6}, {1.0e10, 5.0e9}}};
       },
       {Type_Line("= Pile with User-defined Nonlinear EI"), kLength,
        Labelled_Line("   Section Width", "         24.000 in"),
        Labelled_Line("   Number of Axial Thrusts", "              1"), "",
        Labelled_Line("   Axial Thrust", "     100000.000 lbs"), "",
        Labelled_Line("   Number of M-EI Points", "              2"), "",
        "   Point         Bending Moment         Bending Stiffness         Bending Curvature",
        Placed_Line({{5, "No."}, {20, "in-lb"}, {43, "lbs-in**2"}, {68, "rad/in"}}),
        "   -----      --------------------     --------------------     --------------------",
        "      1" + Blanks(7) + Blanks(9) + "1000000.000" + Blanks(10) + "10000000000.000" +
            Blanks(9) + "0.0001000000",
        "      2" + Blanks(7) + Blanks(9) + "2000000.000" + Blanks(11) + "5000000000.000" +
            Blanks(9) + "0.0004000000",
        ""}},
  };
  for (const SectionCase& c : cases) {
    const ReadResult result = Run_Echo(kUnitsUSCustomary, [&](ProblemData& p) {
      p.Sections[0] = PileSection{};
      p.Sections[0].SectionLength = 70.0;
      c.set(p.Sections[0]);
    });
    std::vector<std::string> expected = {"Pile Section No. 1:", ""};
    expected.insert(expected.end(), c.lines.begin(), c.lines.end());
    expected.insert(expected.end(), {"", "", Rule()});  // the block ends; slope block follows
    EXPECT_TRUE(Contains_Lines(result.report, expected)) << c.name;
    EXPECT_EQ(result.error(), 0) << c.name;
  }
}

// Two sections are numbered in turn; in SI the section length is in metres and the
// dimensions, already turned into metres by the reader, carry "m".
TEST(EchoSections, TwoSectionsInSi) {
  const ReadResult result = Run_Echo(kUnitsSI, [](ProblemData& p) {
    p.NumSections = 2;
    p.Sections[0].SectionLength = 10.0;
    p.Sections[0].Width = 0.9;
    p.Sections[1].SectionType = 1;
    p.Sections[1].SectionLength = 15.0;
    p.Sections[1].Width = 0.75;
  });
  EXPECT_TRUE(Contains_Lines(result.report,
                             {"Pile Section No. 1:", "", Type_Line("= Drilled Shaft (Bored Pile)"),
                              Labelled_Line("   Section Length", "         10.000 m"),
                              Labelled_Line("   Section Diameter", "          0.900 m"), "",
                              "Pile Section No. 2:", "", Type_Line("= Drilled Shaft (Bored Pile)"),
                              Labelled_Line("   Section Length", "         15.000 m"),
                              Labelled_Line("   Section Diameter", "          0.750 m"), "", ""}));
  EXPECT_TRUE(
      Contains_Lines(result.report, {Labelled_Line("Total Number of Sections", "         2")}));
}

}  // namespace
}  // namespace tavik::testing
