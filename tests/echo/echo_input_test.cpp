// The input echo: every block of the report for small problems built by hand, in US
// customary, SI and general units. Expected lines are worked from the block layouts: fields
// are counted in columns (Iw right-aligned in w; Fw.d right-aligned with d decimals;
// Write_Real(x, W) is one blank and a field of W-1 chosen by the magnitude of x).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "echo/echo_fixture.h"
#include "input/input_fixture.h"

namespace tavik::testing {
namespace {

constexpr std::string_view kUnused = "    --    ";

// A row of the soil property summary: the 45-column lead, then 10-character items each
// followed by 3 blanks; the row is compared without its trailing blanks (Contains_Row).
std::string Summary_Row(const std::string& lead, const std::vector<std::string_view>& items) {
  std::string row = lead;
  for (std::size_t k = 0; k < items.size(); ++k) {
    if (k > 0) row += "   ";
    row += items[k];
  }
  return row;
}

std::string Summary_Lead(int layer, std::string_view soil_name) {
  std::string name(soil_name);
  name.resize(34, ' ');
  return "  " + std::to_string(layer) + Blanks(5) + name + Blanks(3);
}

// The rule under the summary heads: dashes under the layer number, the soil name (columns
// 9 to 42) and each of the 14 items (column k at 46 + 13k, 10 wide).
std::string Summary_Rule() {
  std::string rule = "-----" + Blanks(3) + std::string(34, '-');
  for (int k = 0; k < 14; ++k) rule += Blanks(3) + std::string(10, '-');
  return rule;
}

const std::string kSummaryHeadUS =
    "Layer               Soil Type                   Depth     Eff. Unit     Cohesion     "
    "Friction        qu           RQD      Epsilon 50        J          kpy       Rock Emass   "
    "   krm       Test Type    Test Prop.   Elas. Subgr.";

const std::string kTitleLine = [] {
  std::string line = "Drilled shaft in clay over sand";
  line.resize(256, ' ');  // title lines are 256-character records
  return line;
}();

// The whole echo of the typical US customary problem, line by line.
TEST(EchoInput, TypicalUsCustomaryProblemLineByLine) {
  const ReadResult result = Run_Echo(kUnitsUSCustomary);
  ASSERT_EQ(result.error(), 0);
  const std::vector<std::string> expected = {
      "",
      "",
      Rule(),
      Blanks(32) + "Problem Title",
      Rule(),
      "",
      kTitleLine,
      Blanks(256),
      Blanks(256),
      Blanks(256),
      Blanks(256),
      "",
      Rule(),
      Blanks(31) + "Program Options",
      Rule(),
      "Engineering units are US Customary Units: pounds, inches, feet",
      "",
      "Basic Program Options:",
      "",
      "This analysis computes pile response to lateral loading and will compute nonlinear ",
      "moment-curvature and nominal moment capacity for selected section types.",
      "",
      "Computation Options:",
      "- Only internally-generated p-y curves used in analysis",
      "- Analysis does not use p-y multipliers (individual pile or shaft action only)",
      "- Analysis assumes no shear resistance at pile tip",
      "- Analysis for fixed-length pile or shaft only",
      "- No computation of foundation stiffness matrix elements",
      "- Output pile response for full length of pile",
      "- Analysis assumes no soil movements acting on pile",
      "- No p-y curves to be computed and output for user-specified depths",
      "",
      "Solution Control Parameters:",
      Labelled_Line("- Number of pile increments", "         100"),                // I12
      Labelled_Line("- Maximum number of iterations allowed", "         100"),     // I12
      Labelled_Line("- Deflection tolerance for convergence", "  1.0000E-05 in"),  // ES12.4
      Labelled_Line("- Maximum allowable deflection", "    100.0000 in"),          // F12.4
      "",
      "Pile Response Output Options:",
      "- Values of pile-head deflection, bending moment, shear force, and ",
      "  soil reaction are printed for full length of pile.",
      Labelled_Line("- Printing Increment (nodal spacing of output points)", "1"),
      "",
      "",
      Rule(),
      Blanks(20) + "Pile Structural Properties and Geometry",
      Rule(),
      Labelled_Line("Total Number of Sections", "         1"),  // I10
      "",
      Labelled_Line("Total Pile Length", "     70.00 ft"),  // F10.2
      "",
      Labelled_Line("Depth of ground surface below top of pile", "      0.00 ft"),
      "",
      Labelled_Line("Slope angle of ground surface", "      0.00 deg."),
      "",
      "Pile dimensions used for p-y curve computations defined using 2 points.",
      "p-y curves are computed using values of pile diameter interpolated over ",
      "the length of the pile.",
      "",
      "Point         Depth              Pile   ",
      "                X              Diameter ",
      Placed_Line({{17, "ft"}, {35, "in"}}),
      "-----       ---------        -----------",
      // I3, 5 blanks, Write_Real(station, 13), 5 blanks, Write_Real(width, 14):
      // 0 -> F12.5; 70 -> F12.6; 36 at width 14 -> F13.7.
      "  1" + Blanks(5) + "      0.00000" + Blanks(5) + "    36.0000000",
      "  2" + Blanks(5) + "    70.000000" + Blanks(5) + "    36.0000000",
      "",
      "",
      "Input Structural Properties:",
      "----------------------------",
      "",
      "Pile Section No. 1:",
      "",
      Placed_Line({{1, "   Section Type"}, {56, "= Drilled Shaft (Bored Pile)"}}),
      Labelled_Line("   Section Length", "         70.000 ft"),    // F15.3
      Labelled_Line("   Section Diameter", "         36.000 in"),  // F15.3
      "",
      "",
      Rule(),
      Blanks(22) + "Ground Slope and Pile Batter Angles",
      Rule(),
      Labelled_Line("Ground Slope Angle", "       0.000 degrees"),  // F12.3
      Labelled_Line("", "       0.000 radians"),
      "",
      Labelled_Line("Pile Batter Angle", "       0.000 degrees"),
      Labelled_Line("", "       0.000 radians"),
      "",
      "",
      Rule(),
      Blanks(23) + "Soil and Rock Layering Information",
      Rule(),
      "The soil profile is modelled using 2 layers",
      "",
      "Layer 1 is soft clay, p-y criteria by Matlock, 1970",
      "",
      Labelled_Line("Distance from top of pile to top of layer", "       0.000 ft"),  // F12.3
      Labelled_Line("Distance from top of pile to bottom of layer", "      20.000 ft"),
      "",
      "Layer 2 is sand, p-y criteria by Reese et al., 1974",
      "",
      Labelled_Line("Distance from top of pile to top of layer", "      20.000 ft"),
      Labelled_Line("Distance from top of pile to bottom of layer", "      80.000 ft"),
      "NOTE:  Internal default values for p-y subgrade modulus will be computed for",
      "the above soil layer.",
      "",
      "",
      "(Depth of lowest layer extends   10.00 ft below pile tip)",  // F7.2 of 80 - 70
      "",
      "",
      Rule(),
      Blanks(20) + "Effective Unit Weight of Soil vs. Depth",
      Rule(),
      "Effective unit weight of soil with depth defined using 4 points",
      "",
      "Point        Depth X    Eff. Unit Weight",
      Placed_Line({{2, "No."}, {15, "ft"}, {30, "pcf"}}),
      "-----      ----------   ----------------",
      // I3, F17.2, F15.5
      "  1             0.00       50.00000",
      "  2            20.00       55.00000",
      "  3            20.00       60.00000",
      "  4            80.00       65.00000",
      "",
      "",
      Rule(),
      Blanks(27) + "Summary of Soil Properties",
      Rule(),
      kSummaryHeadUS,
      // Units centred in the 10-column items: depth (46-55), unit weight (59-68), cohesion
      // (72-81), friction (85-94), qu (98-107), RQD (111-120), kpy (150-159), rock Emass
      // (163-172), elastic subgrade (215-224).
      Placed_Line({{50, "ft"},
                   {62, "pcf"},
                   {75, "psf"},
                   {88, "deg."},
                   {101, "psi"},
                   {112, "percent"},
                   {153, "pci"},
                   {166, "psi"},
                   {218, "pci"}}),
      Summary_Rule(),
      // Write_Real(x, 10): 0 -> F9.2; 20 to 700 -> F9.3; 0.02 -> F9.5.
      Summary_Row(Summary_Lead(1, "Soft Clay"),
                  {"      0.00", "    50.000", "   500.000", kUnused, kUnused, kUnused,
                   "   0.02000", kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused}),
      Summary_Row(Blanks(45),
                  {"    20.000", "    55.000", "   700.000", kUnused, kUnused, kUnused,
                   "   0.01000", kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused}),
      Summary_Row(Summary_Lead(2, "Sand (Reese, et al.)"),
                  {"    20.000", "    60.000", kUnused, "    32.000", kUnused, kUnused, kUnused,
                   kUnused, "  default ", kUnused, kUnused, kUnused, kUnused, kUnused}),
      Summary_Row(Blanks(45),
                  {"    80.000", "    65.000", kUnused, "    36.000", kUnused, kUnused, kUnused,
                   kUnused, "  default ", kUnused, kUnused, kUnused, kUnused, kUnused}),
      "",
      "",
      Rule(),
      Blanks(33) + "Loading Type",
      Rule(),
      "",
      "Static loading criteria were used when computing p-y curves for all analyses.",
      "",
      "",
      Rule(),
      Blanks(15) + "Pile-head Loading and Pile-head Fixity Conditions",
      Rule(),
      "Number of loads specified = 2",
      "",
      "Load    Load         Condition               Condition            Axial Thrust  ",
      " No.    Type             1                       2                 Force, lbs",
      "-----   ----   --------------------   -----------------------   ----------------",
      // I4; type piece (15); Write_Real(V, 12): 10000 -> F11.5, 20000 -> F11.0; " lbs" in 7;
      // letter (4); Write_Real(0, 12) -> F11.4; unit in 9; Write_Real(100000, 15) -> F14.0.
      "   1"
      "     1     V = "
      " 10000.00000"
      " lbs   "
      "M = "
      "      0.0000"
      " in-lb   "
      "        100000.",
      "   2"
      "     2     V = "
      "      20000."
      " lbs   "
      "S = "
      "      0.0000"
      " radians "
      "        100000.",
      "",
      "V = perpendicular shear force applied to pile head",
      "M = bending moment applied to pile head",
      "y = lateral deflection relative to pile axis",
      "S = pile slope relative to original pile batter angle",
      "R = rotational stiffness applie to pile head",
      "Axial thrust is assumed to be acting axially for all pile batter angles.",
  };
  EXPECT_EQ(result.report.size(), expected.size());
  // The four summary rows follow the summary head line, its units line and its rule; they
  // are compared without trailing blanks (see Contains_Row).
  const auto head = std::find(expected.begin(), expected.end(), kSummaryHeadUS);
  const std::size_t first_row = static_cast<std::size_t>(head - expected.begin()) + 3;
  for (std::size_t k = 0; k < std::min(expected.size(), result.report.size()); ++k) {
    const bool summary_row = k >= first_row && k < first_row + 4;
    if (summary_row) {
      EXPECT_EQ(Trim_Right(result.report[k]), Trim_Right(expected[k])) << "report line " << k + 1;
    } else {
      EXPECT_EQ(result.report[k], expected[k]) << "report line " << k + 1;
    }
  }
  EXPECT_EQ(result.messages, (std::vector<std::string>{"Output of input data begun",
                                                       "Output of input data completed"}));
}

}  // namespace
}  // namespace tavik::testing
