// The soil blocks of the echo: the extra lines of each soil code in the layering block, the
// soil property summary, the user p-y curves and the effective unit weight table.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "echo/echo_fixture.h"
#include "input/input_fixture.h"

namespace tavik::testing {
namespace {

constexpr std::string_view kUnused = "    --    ";

struct LayerCase {
  const char* name;
  std::function<void(SoilLayer&)> set;  // layer 2 (20 to 80 ft), code and values
  std::vector<std::string> lines;       // from "Layer 2 ..." to the empty line ending it
};

std::vector<std::string> Layer_Two(std::string_view sentence,
                                   const std::vector<std::string>& extra) {
  std::vector<std::string> lines = {
      "Layer 2" + std::string(sentence), "",
      Labelled_Line("Distance from top of pile to top of layer", "      20.000 ft"),
      Labelled_Line("Distance from top of pile to bottom of layer", "      80.000 ft")};
  lines.insert(lines.end(), extra.begin(), extra.end());
  lines.push_back("");
  return lines;
}

const std::vector<std::string> kDefaultKNote = {
    "NOTE:  Internal default values for p-y subgrade modulus will be computed for",
    "the above soil layer."};

TEST(EchoSoilLayers, ExtraLinesOfEachCode) {
  const std::vector<LayerCase> cases = {
      {"soft clay with J",
       [](SoilLayer& l) {
         l.SoilTypeIndex = kSoftClyJ;
         l.Top.JFactor = 0.5;
         l.Bottom.JFactor = 0.25;
       },
       Layer_Two(" is soft clay with user-defined J, p-y criteria by Matlock, 1970",
                 {Labelled_Line("p-y J factor for top of soil layer", "       0.500"),
                  Labelled_Line("p-y J factor for bottom of layer", "       0.250")})},
      {"stiff clay with free water, k given",
       [](SoilLayer& l) {
         l.SoilTypeIndex = kStfClyBW;
         l.SubgradeModulusTop = 500.0;
         l.SubgradeModulusBottom = 1000.0;
       },
       Layer_Two(
           " is stiff clay with water-induced erosion",
           {Labelled_Line("p-y subgrade modulus k for top of soil layer", "     500.000 pci"),
            Labelled_Line("p-y subgrade modulus k for bottom of soil layer", "    1000.000 pci")})},
      {"stiff clay with free water, k 0", [](SoilLayer& l) { l.SoilTypeIndex = kStfClyBW; },
       Layer_Two(" is stiff clay with water-induced erosion", kDefaultKNote)},
      {"stiff clay without free water", [](SoilLayer& l) { l.SoilTypeIndex = kStfClyAW; },
       Layer_Two(" is stiff clay without free water", {})},
      {"stiff clay with initial k, k 0", [](SoilLayer& l) { l.SoilTypeIndex = kStfClyAK; },
       Layer_Two(" is stiff clay without free water using initial selected k, 2004",
                 kDefaultKNote)},
      // One of the two values above 1E-10 is enough for the k lines.
      {"API sand, k only at the bottom",
       [](SoilLayer& l) {
         l.SoilTypeIndex = kApiSand;
         l.SubgradeModulusBottom = 90.0;
       },
       Layer_Two(
           " is sand, p-y criteria by API RP-2A, 1987",
           {Labelled_Line("p-y subgrade modulus k for top of soil layer", "       0.000 pci"),
            Labelled_Line("p-y subgrade modulus k for bottom of soil layer", "      90.000 pci")})},
      {"liquefied sand",
       [](SoilLayer& l) {
         l.SoilTypeIndex = kLiqSand;
         l.XLayerBottom = 19.0;
       },
       {"Layer 2 is liquefiable sand, by Rollins et al., 2004", "",
        Labelled_Line("Distance from top of pile to top of layer", "      20.000 ft"),
        Labelled_Line("Distance from top of pile to bottom of layer", "      19.000 ft"), ""}},
      // ES12.4 of 0 and of 5E4.
      {"weak rock, default modulus", [](SoilLayer& l) { l.SoilTypeIndex = kWeakRock; },
       Layer_Two(
           " is weak rock, p-y criteria by Reese, 1997",
           {Labelled_Line("Initial modulus of rock at top of layer", "  0.0000E+00 lbs/in**2"),
            Labelled_Line("Initial modulus of rock at bottom of layer", "  0.0000E+00 lbs/in**2"),
            "NOTE:  Internal default values for initial modulus will be computed for",
            "the above rock layer."})},
      {"weak rock, modulus given",
       [](SoilLayer& l) {
         l.SoilTypeIndex = kWeakRock;
         l.SubgradeModulusTop = 5.0e4;
         l.SubgradeModulusBottom = 6.0e4;
       },
       Layer_Two(
           " is weak rock, p-y criteria by Reese, 1997",
           {Labelled_Line("Initial modulus of rock at top of layer", "  5.0000E+04 lbs/in**2"),
            Labelled_Line("Initial modulus of rock at bottom of layer",
                          "  6.0000E+04 lbs/in**2")})},
      {"vuggy limestone", [](SoilLayer& l) { l.SoilTypeIndex = kVuggyLS; },
       Layer_Two(" is strong rock (vuggy limestone)", {})},
      {"massive rock",
       [](SoilLayer& l) {
         l.SoilTypeIndex = kMassRock;
         l.SubgradeModulusTop = 1.0e6;
         l.SubgradeModulusBottom = 2.0e6;
       },
       Layer_Two(
           " is massive rock, p-y criteria by Liang et al., 2009",
           {Labelled_Line("Intact modulus of rock at top of layer", "  1.0000E+06 lbs/in**2"),
            Labelled_Line("Intact modulus of rock at bottom of layer", "  2.0000E+06 lbs/in**2")})},
      {"cemented silt", [](SoilLayer& l) { l.SoilTypeIndex = kCemSilt; },
       Layer_Two(" is cemented silt with cohesion and friction", kDefaultKNote)},
      // F12.1 of 100 and 200.
      {"loess",
       [](SoilLayer& l) {
         l.SoilTypeIndex = kKSLoess;
         l.Top.ConeTipResistance = 100.0;
         l.Bottom.ConeTipResistance = 200.0;
       },
       Layer_Two(
           " is loess silt",
           {Labelled_Line("Cone tip resistance at top of layer", "       100.0 lbs/in**2"),
            Labelled_Line("Cone tip resistance at bottom of layer", "       200.0 lbs/in**2")})},
      {"Piedmont, SPT",
       [](SoilLayer& l) {
         l.SoilTypeIndex = kPiedmont;
         l.Top.TestType = l.Bottom.TestType = 1;
         l.Top.N60 = 10.0;
         l.Bottom.N60 = 20.0;
       },
       Layer_Two(" is Piedmont residual soil",
                 {"The type of field test is the Standard Penetration Test (SPT)",
                  Labelled_Line("N60 at top of layer", "        10.0 blows/ft"),
                  Labelled_Line("N60 at bottom of layer", "        20.0 blows/ft")})},
      {"Piedmont, PMT",
       [](SoilLayer& l) {
         l.SoilTypeIndex = kPiedmont;
         l.Top.TestType = l.Bottom.TestType = 4;
         l.Top.PressuremeterModulus = 1500.0;
         l.Bottom.PressuremeterModulus = 2500.0;
       },
       Layer_Two(
           " is Piedmont residual soil",
           {"The type of field test is the Pressuremeter Test (DMT)",
            Labelled_Line("Pressuremeter modulus at top of layer", "      1500.0 lbs/in**2"),
            Labelled_Line("Pressuremeter modulus at bottom of layer", "      2500.0 lbs/in**2")})},
      {"elastic subgrade",
       [](SoilLayer& l) {
         l.SoilTypeIndex = kElastSG;
         l.Top.ElasticSubgradeModulus = 200.0;
         l.Bottom.ElasticSubgradeModulus = 400.0;
       },
       Layer_Two(" is modelled using an elastic subgrade modulus",
                 {Labelled_Line("Elastic subgrade at top of layer", "     200.000 pci"),
                  Labelled_Line("Elastic subgrade at bottom of layer", "     400.000 pci")})},
      {"user p-y curves", [](SoilLayer& l) { l.SoilTypeIndex = kUserPy; },
       Layer_Two(" is modelled using user-specified p-y curves", {})},
  };
  for (const LayerCase& c : cases) {
    const ReadResult result = Run_Echo(kUnitsUSCustomary, [&](ProblemData& p) {
      SoilLayer& layer = p.Layers[1];
      layer = SoilLayer{};
      layer.XLayerTop = 20.0;
      layer.XLayerBottom = 80.0;
      layer.Top.EffectiveUnitWeight = 60.0;
      layer.Bottom.EffectiveUnitWeight = 65.0;
      c.set(layer);
    });
    EXPECT_TRUE(Contains_Lines(result.report, c.lines)) << c.name;
  }
}

// Massive rock and frozen soil write nothing in the layering block; the block still ends with
// the extent below the tip.
TEST(EchoSoilLayers, FrozenSoilWritesNothing) {
  const ReadResult result =
      Run_Echo(kUnitsUSCustomary, [&](ProblemData& p) { p.Layers[1].SoilTypeIndex = kFrzSoil; });
  EXPECT_TRUE(Contains_Lines(
      result.report,
      {Labelled_Line("Distance from top of pile to bottom of layer", "      20.000 ft"), "", "",
       "(Depth of lowest layer extends   10.00 ft below pile tip)", ""}));
  for (const std::string& line : result.report) EXPECT_NE(line.rfind("Layer 2", 0), 0u);
}

// A profile ending 5 ft below a 60 ft pile prints 5.00 ft (F7.2).
TEST(EchoSoilLayers, ExtentBelowTip) {
  const ReadResult result = Run_Echo(kUnitsUSCustomary, [](ProblemData& p) {
    p.PileLength = 60.0;
    p.Layers[1].XLayerBottom = 65.0;
  });
  EXPECT_TRUE(
      Contains_Lines(result.report, {"(Depth of lowest layer extends    5.00 ft below pile tip)"}));
}

// Summary rows: the 45-column lead and the 14 items of 10 columns, each followed by 3
// blanks; compared without the trailing blanks (Contains_Row).
std::string Summary_Row(const std::string& lead, const std::vector<std::string_view>& items) {
  std::string row = lead;
  for (std::size_t k = 0; k < items.size(); ++k) {
    if (k > 0) row += "   ";
    row += items[k];
  }
  return row;
}

std::string Lead(int layer, std::string_view soil_name) {
  std::string name(soil_name);
  name.resize(34, ' ');
  return "  " + std::to_string(layer) + Blanks(5) + name + Blanks(3);
}

struct SummaryCase {
  const char* name;
  std::function<void(SoilLayer&)> set;  // layer 2, top at 20 ft, unit weight 60 pcf
  std::string top_row;
};

// Write_Real(x, 10): 20 to 9999 -> F9.3 ("    20.000"); 0.0005 is below 10**-3, too small
// for F9.5, and goes to ES9.2 ("  5.00E-04"); 0 -> F9.2 ("      0.00").
TEST(EchoSoilSummary, ColumnsFilledByCode) {
  const std::string_view depth = "    20.000";
  const std::string_view weight = "    60.000";
  const std::vector<SummaryCase> cases = {
      {"stiff clay with free water, k 0",
       [](SoilLayer& l) {
         l.SoilTypeIndex = kStfClyBW;
         l.Top.Cohesion = 1000.0;
         l.Top.Epsilon50 = 0.005;
       },
       Summary_Row(Lead(2, "Stiff Clay with Free Water"),
                   {depth, weight, "  1000.000", kUnused, kUnused, kUnused, "   0.00500", kUnused,
                    "  default ", kUnused, kUnused, kUnused, kUnused, kUnused})},
      {"weak rock, default Emass",
       [](SoilLayer& l) {
         l.SoilTypeIndex = kWeakRock;
         l.Top.Cohesion = 1000.0;
         l.Top.RQD = 50.0;
         l.Top.Epsilon50 = 0.0005;
       },
       Summary_Row(Lead(2, "Weak Rock"),
                   {depth, weight, kUnused, kUnused, "  1000.000", "    50.000", kUnused, kUnused,
                    kUnused, "  default ", "  5.00E-04", kUnused, kUnused, kUnused})},
      // Massive rock: qu, the RQD column (not read, 0) and Ei in the rock mass column.
      {"massive rock",
       [](SoilLayer& l) {
         l.SoilTypeIndex = kMassRock;
         l.Top.Cohesion = 5000.0;
         l.SubgradeModulusTop = 2000.0;
       },
       Summary_Row(Lead(2, "Hard Rock"),
                   {depth, weight, kUnused, kUnused, "  5000.000", "      0.00", kUnused, kUnused,
                    kUnused, "  2000.000", kUnused, kUnused, kUnused, kUnused})},
      {"cemented silt, k given",
       [](SoilLayer& l) {
         l.SoilTypeIndex = kCemSilt;
         l.Top.Cohesion = 200.0;
         l.Top.FrictionAngle = 30.0;
         l.Top.Epsilon50 = 0.01;
         l.SubgradeModulusTop = 100.0;
       },
       Summary_Row(Lead(2, "Cemented Silt"),
                   {depth, weight, "   200.000", "    30.000", kUnused, kUnused, "   0.01000",
                    kUnused, "   100.000", kUnused, kUnused, kUnused, kUnused, kUnused})},
      {"soft clay with J",
       [](SoilLayer& l) {
         l.SoilTypeIndex = kSoftClyJ;
         l.Top.Cohesion = 300.0;
         l.Top.JFactor = 0.5;
       },
       Summary_Row(Lead(2, "Soft Clay with user-defined J"),
                   {depth, weight, "   300.000", kUnused, kUnused, kUnused, kUnused, "     0.500",
                    kUnused, kUnused, kUnused, kUnused, kUnused, kUnused})},
      // The test type is one 13-column text in place of an item and its 3 blanks.
      {"Piedmont, CPT",
       [](SoilLayer& l) {
         l.SoilTypeIndex = kPiedmont;
         l.Top.TestType = 2;
         l.Top.ConeTipResistance = 150.0;
       },
       Summary_Row(Lead(2, "Piedmont Residual"),
                   {depth, weight, kUnused, kUnused, "      0.00", kUnused, kUnused, kUnused,
                    kUnused, kUnused, kUnused}) +
           "   " + "    CPT      " + "   150.000" + "   " + std::string(kUnused)},
      {"loess",
       [](SoilLayer& l) {
         l.SoilTypeIndex = kKSLoess;
         l.Top.ConeTipResistance = 80.0;
       },
       Summary_Row(Lead(2, "Loess"), {depth, weight, kUnused, kUnused, kUnused, kUnused, kUnused,
                                      kUnused, kUnused, kUnused, kUnused}) +
           "   " + "    CPT      " + "    80.000" + "   " + std::string(kUnused)},
      {"elastic subgrade",
       [](SoilLayer& l) {
         l.SoilTypeIndex = kElastSG;
         l.Top.ElasticSubgradeModulus = 250.0;
       },
       Summary_Row(Lead(2, "Elastic Subgrade"),
                   {depth, weight, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused,
                    kUnused, kUnused, kUnused, kUnused, "   250.000"})},
      // Frozen soil has no long name: 34 blanks.
      {"frozen soil", [](SoilLayer& l) { l.SoilTypeIndex = kFrzSoil; },
       Summary_Row(Lead(2, ""), {depth, weight, kUnused, kUnused, kUnused, kUnused, kUnused,
                                 kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused})},
  };
  for (const SummaryCase& c : cases) {
    const ReadResult result = Run_Echo(kUnitsUSCustomary, [&](ProblemData& p) {
      SoilLayer& layer = p.Layers[1];
      layer = SoilLayer{};
      layer.XLayerTop = 20.0;
      layer.XLayerBottom = 80.0;
      layer.Top.EffectiveUnitWeight = 60.0;
      layer.Bottom.EffectiveUnitWeight = 65.0;
      c.set(layer);
    });
    EXPECT_TRUE(Contains_Row(result.report, c.top_row)) << c.name;
  }
}

// The bottom row of a layer uses the bottom values, and a k of 0 there also shows
// "  default ".
TEST(EchoSoilSummary, BottomRowOfStiffClayWithDefaultK) {
  const ReadResult result = Run_Echo(kUnitsUSCustomary, [](ProblemData& p) {
    p.Layers[1].SoilTypeIndex = kStfClyBW;
    p.Layers[1].Bottom.Cohesion = 2000.0;
    p.Layers[1].Bottom.Epsilon50 = 0.004;
  });
  EXPECT_TRUE(Contains_Row(
      result.report, Summary_Row(Blanks(45), {"    80.000", "    65.000", "  2000.000", kUnused,
                                              kUnused, kUnused, "   0.00400", kUnused, "  default ",
                                              kUnused, kUnused, kUnused, kUnused, kUnused})));
}

// SI: one blank moves before "kpy" in the head line; the units are SI.
TEST(EchoSoilSummary, SiHeadAndUnits) {
  const ReadResult result = Run_Echo(kUnitsSI);
  EXPECT_TRUE(Contains_Lines(
      result.report,
      {Blanks(27) + "Summary of Soil Properties", Rule(),
       "Layer               Soil Type                   Depth     Eff. Unit     Cohesion     "
       "Friction        qu           RQD      Epsilon 50        J           kpy      Rock "
       "Emass      krm       Test Type    Test Prop.   Elas. Subgr.",
       // centred in the 10-column items at 46 + 13k (k = 0 to 5, 8, 9, 13)
       Placed_Line({{50, "m"},
                    {61, "kN/m3"},
                    {75, "kPa"},
                    {88, "deg."},
                    {101, "kPa"},
                    {112, "percent"},
                    {152, "kN/m3"},
                    {166, "kPa"},
                    {217, "kN/m3"}})}));
}

// General units: no summary at all.
TEST(EchoSoilSummary, NoneInGeneralUnits) {
  const ReadResult result = Run_Echo(kUnitsGeneral);
  for (const std::string& line : result.report) {
    EXPECT_EQ(line.find("Summary of Soil Properties"), std::string::npos);
  }
}

// A user p-y layer: the count (two curves per layer) and the two tables. Rows: I3, 12 blanks,
// Write_Real(y, 12), 10 blanks, Write_Real(p, 12); 0 -> F11.4, 0.5 -> F11.5 ("0.50000"),
// 1.5 -> F11.5, 200 -> F11.5 ("200.00000").
TEST(EchoUserPyCurves, TopAndBottomCurves) {
  const ReadResult result = Run_Echo(kUnitsUSCustomary, [](ProblemData& p) {
    SoilLayer& layer = p.Layers[1];
    layer.SoilTypeIndex = kUserPy;
    layer.UserCurveTop.NumPoints = 2;
    layer.UserCurveTop.Y = {0.0, 0.5};
    layer.UserCurveTop.P = {0.0, 200.0};
    layer.UserCurveBottom.NumPoints = 2;
    layer.UserCurveBottom.Y = {0.0, 1.5};
    layer.UserCurveBottom.P = {0.0, 200.0};
  });
  const std::string head_units = Placed_Line({{2, "No."}, {22, "in"}, {42, "lbs/in"}});
  EXPECT_TRUE(Contains_Lines(result.report,
                             {"",
                              "",
                              Rule(),
                              Blanks(30) + "User-input p-y Curves",
                              Rule(),
                              "",
                              "Number of user-input p-y curves = 2",
                              "",
                              "",
                              "User-input p-y curve at top of layer 2,    Depth =     20.000 ft",
                              "",
                              "Point                y                     p     ",
                              head_units,
                              "-----          ------------          ------------",
                              "  1" + Blanks(12) + "      0.0000" + Blanks(10) + "      0.0000",
                              "  2" + Blanks(12) + "     0.50000" + Blanks(10) + "   200.00000",
                              "",
                              "User-input p-y curve at bottom of layer 2, Depth =     80.000 ft",
                              "",
                              "Point                y                     p     ",
                              head_units,
                              "-----          ------------          ------------",
                              "  1" + Blanks(12) + "      0.0000" + Blanks(10) + "      0.0000",
                              "  2" + Blanks(12) + "     1.50000" + Blanks(10) + "   200.00000"}));
  EXPECT_TRUE(Contains_Lines(
      result.report, {"Computation Options:", "- User-specified p-y curves used in analysis"}));
}

}  // namespace
}  // namespace tavik::testing
