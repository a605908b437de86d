#include <algorithm>
#include <string>

#include "echo/echo_blocks.h"

namespace tavik {

namespace {
constexpr int kLoadsIndent = 15;
constexpr int kEmptyLinesBefore = 2;
// Row: I4; the type and first letter (15 characters); Condition1 (Write_Real 12); one blank
// and its unit in 7 characters; the second letter (4); Condition2 (Write_Real 12); one blank
// and its unit in 9 characters; the axial thrust (Write_Real 15).
constexpr int kLoadNumberWidth = 4;
constexpr int kConditionWidth = 12;
constexpr int kFirstUnitPiece = 7;
constexpr int kSecondUnitPiece = 9;
constexpr int kThrustWidth = 15;

struct LoadTypeLayout {
  std::string_view first;   // type number and first letter
  std::string_view second;  // second letter
};

LoadTypeLayout Layout_Of(int load_type) {
  switch (load_type) {
    case kLoadShearMoment:
      return {"     1     V = ", "M = "};
    case kLoadShearSlope:
      return {"     2     V = ", "S = "};
    case kLoadShearRotStiffness:
      return {"     3     V = ", "R = "};
    case kLoadDeflectionMoment:
      return {"     4     y = ", "M = "};
    case kLoadDeflectionSlope:
      return {"     5     y = ", "S = "};
    default:
      return {"     ?       = ", "  = "};
  }
}

// One blank and the label in a piece of exactly `width` characters: padded with blanks, or
// cut when longer (" in-lb/rad" becomes " in-lb/ra"), so that the columns after it stay put.
void Write_Unit_Piece(FortranLine& line, std::string_view label, int width) {
  const std::size_t room = static_cast<std::size_t>(width) - 1;
  line.A(" ").A(label.substr(0, room)).X(static_cast<int>(room - std::min(room, label.size())));
}

std::string First_Unit(int load_type, const UnitLabels& units) {
  const bool deflection = load_type == kLoadDeflectionMoment || load_type == kLoadDeflectionSlope;
  return std::string(Trimmed(deflection ? units.c_UnitLength : units.c_UnitForce3));
}

std::string Second_Unit(int load_type, const UnitLabels& units) {
  switch (load_type) {
    case kLoadShearMoment:
    case kLoadDeflectionMoment:
      return std::string(Trimmed(units.c_UnitMoment));
    case kLoadShearSlope:
    case kLoadDeflectionSlope:
      return "radians";
    case kLoadShearRotStiffness:
      return std::string(Trimmed(units.c_UnitMoment)) + "/rad";
    default:
      return {};
  }
}
}  // namespace

// Echo_Pile_Head_Loads: reads the load cases (conditions and thrusts as entered: forces in
// lbs or kN, moments in in-lbs or kN-m, deflections in inches or metres, slopes in
// radians). Writes the heading "Pile-head Loading and Pile-head Fixity Conditions", the
// number of loads, one row per load case and the legend of the condition letters.
void Echo_Pile_Head_Loads(RunContext& run) {
  const ProblemData& problem = run.Problem;
  TextChannel& report = run.Report;
  report.Empty_Lines(kEmptyLinesBefore);
  Write_Heading(report, "Pile-head Loading and Pile-head Fixity Conditions", kLoadsIndent);
  report.Line().A("Number of loads specified = ").I(problem.NumLoadCases, 0);
  report.End_Line();
  report.Empty_Lines(1);
  report.Write_Line(
      "Load    Load         Condition               Condition            Axial Thrust  ");
  report.Line()
      .A(" No.    Type             1                       2                 Force, ")
      .A(Trimmed(run.Units.c_UnitForce3));
  report.End_Line();
  report.Write_Line(
      "-----   ----   --------------------   -----------------------   ----------------");
  const int cases = Within_Capacity(problem.NumLoadCases, kMaxLoadCases);
  for (int i = 1; i <= cases; ++i) {
    const LoadCase& load = problem.LoadCases[i - 1];
    const LoadTypeLayout layout = Layout_Of(load.LoadType);
    report.Line().I(i, kLoadNumberWidth).A(layout.first);
    Write_Real(report, load.Condition1, kConditionWidth);
    Write_Unit_Piece(report.Line(), First_Unit(load.LoadType, run.Units), kFirstUnitPiece);
    report.Line().A(layout.second);
    Write_Real(report, load.Condition2, kConditionWidth);
    Write_Unit_Piece(report.Line(), Second_Unit(load.LoadType, run.Units), kSecondUnitPiece);
    Write_Real(report, load.AxialThrust, kThrustWidth);
    End_Line(report);
  }
  report.Empty_Lines(1);
  report.Write_Line("V = perpendicular shear force applied to pile head");
  report.Write_Line("M = bending moment applied to pile head");
  report.Write_Line("y = lateral deflection relative to pile axis");
  report.Write_Line("S = pile slope relative to original pile batter angle");
  report.Write_Line("R = rotational stiffness applie to pile head");
  report.Write_Line("Axial thrust is assumed to be acting axially for all pile batter angles.");
}

}  // namespace tavik
