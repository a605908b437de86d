// The whole-input checks, run where the input echo places them: a table of problems and the
// error each must end with (0: the run goes on), then the texts of the errors and warnings.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "echo/echo_fixture.h"
#include "input/input_fixture.h"

namespace tavik::testing {
namespace {

using Change = std::function<void(ProblemData&)>;

// A liquefied sand layer 1 from the ground surface `ground` down to `bottom`, over the sand
// of the typical problem.
Change Liquefied_Sand(double ground, double bottom) {
  return [=](ProblemData& p) {
    p.GroundSurfaceDepth = ground;
    p.Layers[0].SoilTypeIndex = kLiqSand;
    p.Layers[0].XLayerTop = ground;
    p.Layers[0].XLayerBottom = bottom;
    p.Layers[1].XLayerTop = bottom;
  };
}

Change Unit_Weight_Of_Point_3(double weight) {
  return [=](ProblemData& p) { p.Layers[1].Top.EffectiveUnitWeight = weight; };
}

Change Cycles(double cycles) {
  return [=](ProblemData& p) {
    p.Options.Cyclic = true;
    p.Options.NumCycles = cycles;
  };
}

Change Tip_Shear(std::vector<double> displacements) {
  return [=](ProblemData& p) {
    p.TipShear.NumPoints = static_cast<int>(displacements.size());
    for (std::size_t k = 0; k < displacements.size(); ++k) {
      p.TipShear.Displacement[k] = displacements[k];
      p.TipShear.Shear[k] = 1000.0 * static_cast<double>(k);
    }
  };
}

// A 25 ft pile (the profile still reaches 80 ft) with p-y curves requested at `depths`.
Change Output_Depths(double ground, std::vector<double> depths) {
  return [=](ProblemData& p) {
    p.PileLength = 25.0;
    p.GroundSurfaceDepth = ground;
    p.Layers[0].XLayerTop = ground;
    p.Options.PrintPYCurves = true;
    p.NumPyOutputDepths = static_cast<int>(depths.size());
    for (std::size_t k = 0; k < depths.size(); ++k) p.PyOutputDepths[k] = depths[k];
  };
}

Change Pile_Points(int count) {
  return [=](ProblemData& p) {
    p.PileProperties.NumPoints = count;
    for (int s = 0; s < count && s < kMaxPilePropertyPoints; ++s) {
      p.PileProperties.PileWidth[s] = 36.0;
    }
  };
}

Change Modifiers_From(double ground, double first_depth) {
  return [=](ProblemData& p) {
    p.GroundSurfaceDepth = ground;
    p.Layers[0].XLayerTop = ground;
    p.PyModifiers.NumPoints = 2;
    p.PyModifiers.Depth[0] = first_depth;
    p.PyModifiers.Depth[1] = 30.0;
    p.PyModifiers.PMultiplier = {0.8, 0.8};
    p.PyModifiers.YMultiplier = {1.0, 1.0};
  };
}

struct CheckCase {
  const char* name;
  int iunits;
  Change change;
  int error;  // expected error number, 0 when the run goes on
};

TEST(InputChecks, ErrorNumbersByCase) {
  const std::vector<CheckCase> cases = {
      {"typical problem", kUnitsUSCustomary, {}, 0},
      {"second section with width 0", kUnitsUSCustomary,
       [](ProblemData& p) {
         p.NumSections = 2;
         p.Sections[1].SectionType = 1;
         p.Sections[1].SectionLength = 10.0;
         p.PileProperties.NumPoints = 4;
         p.PileProperties.PileStation[2] = 70.0;
         p.PileProperties.PileStation[3] = 80.0;
       },
       127},
      {"micropile leaves widths 0", kUnitsUSCustomary,
       [](ProblemData& p) {
         p.Sections[0] = PileSection{};
         p.Sections[0].SectionType = 14;
         p.Sections[0].SectionLength = 70.0;
         p.PileProperties.PileWidth = {};
       },
       127},
      {"negative width", kUnitsUSCustomary,
       [](ProblemData& p) { p.PileProperties.PileWidth[1] = -1.0; }, 127},
      {"liquefied sand 19 ft below ground", kUnitsUSCustomary, Liquefied_Sand(0.0, 19.0), 0},
      {"liquefied sand 20 ft below ground", kUnitsUSCustomary, Liquefied_Sand(0.0, 20.0), 0},
      {"unit weight 20 pcf", kUnitsUSCustomary, Unit_Weight_Of_Point_3(20.0), 0},
      {"cyclic, 1 cycle", kUnitsUSCustomary, Cycles(1.0), 128},
      {"cyclic, 2 cycles", kUnitsUSCustomary, Cycles(2.0), 0},
      {"cyclic, 5000 cycles", kUnitsUSCustomary, Cycles(5000.0), 0},
      {"cyclic, 6000 cycles", kUnitsUSCustomary, Cycles(6000.0), 128},
      {"static, 1 cycle", kUnitsUSCustomary, [](ProblemData& p) { p.Options.NumCycles = 1.0; }, 0},
      {"tip shear from (0.1, 0)", kUnitsUSCustomary, Tip_Shear({0.1, 0.5}), 150},
      {"tip shear 0, 0.5, 0.5", kUnitsUSCustomary, Tip_Shear({0.0, 0.5, 0.5}), 150},
      {"tip shear decreasing", kUnitsUSCustomary, Tip_Shear({0.0, 0.5, 0.4}), 150},
      {"tip shear 0, 0.5, 1", kUnitsUSCustomary, Tip_Shear({0.0, 0.5, 1.0}), 0},
      {"tip shear off but curve bad", kUnitsUSCustomary,
       [](ProblemData& p) {
         Tip_Shear({0.2})(p);
         p.Options.UseTipShear = false;
       },
       150},
      {"output depths 5 and 30 on a 25 ft pile", kUnitsUSCustomary, Output_Depths(0.0, {5.0, 30.0}),
       130},
      {"output depth -1", kUnitsUSCustomary, Output_Depths(0.0, {-1.0}), 129},
      {"output depth above the ground surface", kUnitsUSCustomary, Output_Depths(5.0, {2.0}), 129},
      {"output depths at the ground surface and at the tip", kUnitsUSCustomary,
       Output_Depths(5.0, {5.0, 25.0}), 0},
      {"no output depths", kUnitsUSCustomary, Output_Depths(0.0, {}), 0},
      {"0 pile property points", kUnitsUSCustomary, Pile_Points(0), 117},
      {"1 pile property point", kUnitsUSCustomary, Pile_Points(1), 117},
      {"40 pile property points", kUnitsUSCustomary, Pile_Points(40), 0},
      {"41 pile property points", kUnitsUSCustomary, Pile_Points(41), 117},
      {"profile ending at 60 ft under a 70 ft pile", kUnitsUSCustomary,
       [](ProblemData& p) { p.Layers[1].XLayerBottom = 60.0; }, 118},
      {"profile ending at the pile tip", kUnitsUSCustomary,
       [](ProblemData& p) { p.Layers[1].XLayerBottom = 70.0; }, 0},
      {"no soil layers", kUnitsUSCustomary, [](ProblemData& p) { p.i_Number_of_Layers = 0; }, 118},
      {"first soil point below the ground surface", kUnitsUSCustomary,
       [](ProblemData& p) { p.Layers[0].XLayerTop = 2.0; }, 119},
      {"first soil point above the ground surface", kUnitsUSCustomary,
       [](ProblemData& p) { p.GroundSurfaceDepth = 2.0; }, 120},
      {"p-y modifiers from 2 ft, ground at 5 ft", kUnitsUSCustomary, Modifiers_From(5.0, 2.0), 121},
      {"p-y modifiers from 5 ft, ground at 5 ft", kUnitsUSCustomary, Modifiers_From(5.0, 5.0), 0},
      // The first failing check in echo order wins: the point count comes before the profile.
      {"0 points and a short profile", kUnitsUSCustomary,
       [](ProblemData& p) {
         Pile_Points(0)(p);
         p.Layers[1].XLayerBottom = 60.0;
       },
       117},
      {"SI, cyclic, 6000 cycles", kUnitsSI, Cycles(6000.0), 128},
      {"general units, profile above the tip", kUnitsGeneral,
       [](ProblemData& p) { p.Layers[1].XLayerBottom = 60.0; }, 118},
  };
  for (const CheckCase& c : cases) {
    const ReadResult result = Run_Echo(c.iunits, c.change);
    EXPECT_EQ(result.error(), c.error) << c.name;
    const bool completed = result.messages.back() == "Output of input data completed";
    EXPECT_EQ(completed, c.error == 0) << c.name;
  }
}

// An error block goes to both files, the echo stops after it and the report closes with the
// premature-end line.
TEST(InputChecks, PileWidthErrorAfterTheSections) {
  const ReadResult result = Run_Echo(kUnitsUSCustomary, [](ProblemData& p) {
    p.NumSections = 2;
    p.Sections[1].SectionType = 1;
    p.Sections[1].SectionLength = 10.0;
    p.PileProperties.NumPoints = 4;
  });
  ASSERT_EQ(result.error(), 127);
  const std::vector<std::string> block = {
      "",
      "**** Input Data Error No. 27 ****",
      "",
      "Problem:  Zero values for one of the following values were ",
      "entered for one or more values of pile diameter.",
      "",
      "Solution:  NONE of these values may be zero.  Correct the ",
      "pile property data in your input data.",
      ""};
  std::vector<std::string> in_report = {
      "Pile Section No. 2:",
      "",
      Placed_Line({{1, "   Section Type"}, {56, "= Drilled Shaft (Bored Pile)"}}),
      Labelled_Line("   Section Length", "         10.000 ft"),
      Labelled_Line("   Section Diameter", "          0.000 in"),
      "",
      ""};
  in_report.insert(in_report.end(), block.begin(), block.end());
  in_report.insert(in_report.end(),
                   {"", "", "Tavik ended prematurely due to input error number INP00027"});
  EXPECT_TRUE(Contains_Lines(result.report, in_report));
  EXPECT_EQ(result.report.back(), "Tavik ended prematurely due to input error number INP00027");
  std::vector<std::string> in_messages = {"Output of input data begun"};
  in_messages.insert(in_messages.end(), block.begin(), block.end());
  EXPECT_EQ(result.messages, in_messages);
}

// The liquefied sand warning follows the layer in the report only, and warning 354 is
// tallied; 19 ft below the ground is within the limit, 20 ft is not, measured from the ground
// surface (here 5 ft below the pile head).
TEST(InputChecks, LiquefiedSandDepthWarning) {
  const std::vector<std::string> warning = {
      "Warning : The depth of this layer is deeper than the recommended depth limit ",
      "for using the p-y criteria for liquefied sand.",
      "Please consult the Tavik Technical Manual for additional background ",
      "information regarding limitations on the use of the liquefied sand criteria.", ""};
  struct Case {
    int iunits;
    double ground;
    double bottom;
    bool warned;
  };
  const Case cases[] = {
      {kUnitsUSCustomary, 5.0, 24.0, false},
      {kUnitsUSCustomary, 5.0, 25.0, true},
      {kUnitsUSCustomary, 0.0, 19.685, false},
      {kUnitsSI, 0.0, 6.0, false},
      {kUnitsSI, 0.0, 6.1, true},
      {kUnitsGeneral, 0.0, 60.0, false},
  };
  for (const Case& c : cases) {
    const ReadResult result = Run_Echo(c.iunits, Liquefied_Sand(c.ground, c.bottom));
    EXPECT_EQ(result.error(), 0);
    EXPECT_EQ(Contains_Lines(result.report, warning), c.warned) << c.iunits << " " << c.bottom;
    EXPECT_EQ(result.run->Status.WarningTally[354], c.warned ? 1 : 0);
    EXPECT_FALSE(Contains_Lines(result.messages, warning));
  }
  const ReadResult result = Run_Echo(kUnitsUSCustomary, Liquefied_Sand(5.0, 25.0));
  // "Layer 1" block: depths F12.3, the empty line closing the layer, then the warning.
  std::vector<std::string> placed = {
      "Layer 1 is liquefiable sand, by Rollins et al., 2004", "",
      Labelled_Line("Distance from top of pile to top of layer", "       5.000 ft"),
      Labelled_Line("Distance from top of pile to bottom of layer", "      25.000 ft"), ""};
  placed.insert(placed.end(), warning.begin(), warning.end());
  placed.push_back("Layer 2 is sand, p-y criteria by Reese et al., 1974");
  EXPECT_TRUE(Contains_Lines(result.report, placed));
}

TEST(InputChecks, EffectiveUnitWeightWarnings) {
  const std::vector<std::string> us_warning = {
      "",
      "**** Warning - Possible Input Data Error ****",
      "",
      "Values entered for effective unit weights of soil were outside",
      "the limits of 0.011574 pci (20 pcf) or 0.0810019 pci (140 pcf)",
      "This data may be erroneous.  Please check your data.",
      ""};
  struct Case {
    double weight;
    bool warned;
  };
  for (const Case c : {Case{20.0, true}, Case{21.0, false}, Case{139.0, false}, Case{140.0, true},
                       Case{0.0, true}}) {
    const ReadResult result = Run_Echo(kUnitsUSCustomary, Unit_Weight_Of_Point_3(c.weight));
    EXPECT_EQ(result.error(), 0);
    EXPECT_EQ(Contains_Lines(result.report, us_warning), c.warned) << c.weight;
    EXPECT_EQ(Contains_Lines(result.messages, us_warning), c.warned) << c.weight;
  }
  // Placed right under the table: the fourth row (80 ft, 65 pcf) and the warning.
  const ReadResult low = Run_Echo(kUnitsUSCustomary, Unit_Weight_Of_Point_3(20.0));
  std::vector<std::string> placed = {"  4            80.00       65.00000"};
  placed.insert(placed.end(), us_warning.begin(), us_warning.end());
  EXPECT_TRUE(Contains_Lines(low.report, placed));

  const std::vector<std::string> si_head = {
      "", "**** Warning - Possible Input Data Error ****", "",
      "Values entered for effective unit weights of soil were outside",
      "the limits of 3.15 kN/m3 or 22 kN/m3."};
  for (const Case c : {Case{3.15, true}, Case{3.2, false}, Case{21.9, false}, Case{22.0, true}}) {
    const ReadResult result = Run_Echo(kUnitsSI, Unit_Weight_Of_Point_3(c.weight));
    std::vector<std::string> report = si_head;
    report.insert(report.end(),
                  {"The input data for effective unit weight may be erroneous. Please check "
                   "your data.",
                   ""});
    std::vector<std::string> messages = si_head;
    messages.insert(messages.end(),
                    {"The input data may be erroneous. Please check your data.", ""});
    EXPECT_EQ(Contains_Lines(result.report, report), c.warned) << c.weight;
    EXPECT_EQ(Contains_Lines(result.messages, messages), c.warned) << c.weight;
  }

  const std::vector<std::string> general_note = {
      "",
      "**** Warning ****",
      "",
      "Values of effective unit weight cannot be checked because ",
      "general units have been selected.",
      ""};
  const ReadResult general = Run_Echo(kUnitsGeneral);
  EXPECT_TRUE(Contains_Lines(general.report, general_note));
  EXPECT_TRUE(Contains_Lines(general.messages, general_note));
  EXPECT_EQ(general.run->Status.b_AnyWarningReported, false);  // the notes are not tallied
}

// The texts of the error blocks, with their numbers worked by hand.
TEST(InputChecks, ErrorTexts) {
  struct Case {
    const char* name;
    Change change;
    std::vector<std::string> block;  // in the report and the runtime message file
  };
  const std::vector<Case> cases = {
      {"cycles",
       Cycles(6000.4),
       {"", "", "**** Input Data Error No. 28 ****", "",
        "Problem:  Cyclic loading type was specified and the number of cycles of loading",
        "are outside the valid range of 2 to 5,000.", "",
        "Solution:  Either correct the number of cycles of loading to be within 2 to 5,000",
        "or specify static loading.", "Number of cycles of loading = 6000"}},
      {"tip shear at point 1",
       Tip_Shear({0.1, 0.5}),
       {"**** Input Data Error No. 50 ****", "",
        "Problem:   The input data for shear resistance at the pile tip appears to be in error "
        "at point 1.",
        "",
        "Solution:  Check that the first point is (0,0) and that the x-values sucessively "
        "increase in deflection and magnitude."}},
      {"tip shear at point 3",
       Tip_Shear({0.0, 0.5, 0.5}),
       {"Problem:   The input data for shear resistance at the pile tip appears to be in error "
        "at point 3."}},
      // F7.2 of 30 is "  30.00".
      {"output depth below the tip",
       Output_Depths(0.0, {5.0, 30.0}),
       {"**** Input Data Error No. 30 ****", "",
        "Problem:  Printing of a p-y curve was specified below the pile tip.", "",
        "Solution:  Specify printing depths only for depths above the pile tip.", "",
        "Input Point 2 at   30.00 ft was not printed because it is below the pile tip."}},
      {"output depth above the ground",
       Output_Depths(0.0, {-1.0}),
       {"**** Input Data Error No. 29 ****", "",
        "Problem:  A depth above the ground surface was specified for the printing",
        "of a p-y curve.", "",
        "Solution:  Specify a depth between the ground surface and pile tip.", ""}},
      // I10 of 0.
      {"no pile property points",
       Pile_Points(0),
       {"", "", "**** Input Data Error No. 17 ****", "",
        "The number of points to define the pile properties ",
        "is 2 to 40, not the input value of          0", ""}},
      // ES12.4 of 60 and 70: "6.0000E+01" after 2 blanks.
      {"profile above the tip",
       [](ProblemData& p) { p.Layers[1].XLayerBottom = 60.0; },
       {"**** Input Data Error No. 18 ****", "",
        "Problem: The depth at the bottom of the lowermost soil layer is   6.0000E+01",
        "         This depth is higher than the tip of the pile at   7.0000E+01.",
        "Solution: Increase the depth of the soil profile or shorten the pile length."}},
      // F12.4 of 2 and 0.
      {"first point below the ground",
       [](ProblemData& p) { p.Layers[0].XLayerTop = 2.0; },
       {"**** Input Data Error No. 19 ****", "",
        "The depth of the first point of the data for effective unit",
        "is located at       2.0000 below the top of the pile.",
        "The ground surface is located at       0.0000.",
        "The first point for the effective unit weight should be located",
        "at the same elevation as the ground surface."}},
      {"first point above the ground",
       [](ProblemData& p) { p.GroundSurfaceDepth = 2.0; },
       {"**** Input Data Error No. 20 ****", "",
        "Problem:  The first depth of the soil profile is located at       0.0000",
        "          below the top of the pile.",
        "          The ground surface is elevation is       2.0000.",
        "Solution: Correct the input data so that the first depth of ",
        "          the soil profile data is be located at the same elevation as the ground "
        "surface."}},
      {"p-y modifiers above the ground",
       Modifiers_From(5.0, 2.0),
       {"**** Input Data Error No. 21 ****", "",
        "Problem:  The depth for the first data for p-multipliers is ",
        "          located at   2.0000E+00 below the top of the pile.'          The ground "
        "surface is located at   5.0000E+00.",
        "Solution:  Correct the input data so that the first depth for ",
        "          the p-multiplier data is the same as the elevation as the ",
        "          ground surface."}},
  };
  for (const Case& c : cases) {
    const ReadResult result = Run_Echo(kUnitsUSCustomary, c.change);
    EXPECT_TRUE(Contains_Lines(result.report, c.block)) << c.name;
    EXPECT_TRUE(Contains_Lines(result.messages, c.block)) << c.name;
  }
}

// An error in the middle of the echo ends it there: after the cycles error no pile-head
// loads are echoed.
TEST(InputChecks, EchoEndsAtTheError) {
  const ReadResult result = Run_Echo(kUnitsUSCustomary, Cycles(1.0));
  ASSERT_EQ(result.error(), 128);
  for (const std::string& line : result.report) {
    EXPECT_EQ(line.find("Pile-head Loading"), std::string::npos);
  }
  EXPECT_EQ(result.run->Status.ErrorCode, "INP00028");
}

// The depth list is rebuilt with the kept depths; PrintPYCurves stays set only when a depth
// is kept.
TEST(InputChecks, OutputDepthListRebuilt) {
  const ReadResult kept = Run_Echo(kUnitsUSCustomary, Output_Depths(5.0, {5.0, 12.5, 25.0}));
  EXPECT_EQ(kept.problem().NumPyOutputDepths, 3);
  EXPECT_TRUE(kept.problem().Options.PrintPYCurves);
  EXPECT_DOUBLE_EQ(kept.problem().PyOutputDepths[1], 12.5);
  const ReadResult none = Run_Echo(kUnitsUSCustomary, Output_Depths(0.0, {}));
  EXPECT_EQ(none.problem().NumPyOutputDepths, 0);
  EXPECT_FALSE(none.problem().Options.PrintPYCurves);
}

}  // namespace
}  // namespace tavik::testing
