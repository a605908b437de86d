#include "analysis/response_summary.h"

#include <string_view>

#include "lrfd/lrfd.h"
#include "run/report_writers.h"

namespace tavik {

namespace {
constexpr int kLine13LabelColumn = 81;
// Field widths of a summary row.
constexpr int kCaseWidth = 3;
constexpr int kConditionWidth = 11;
constexpr int kValueWidth = 15;
constexpr int kShearWidth = 11;
constexpr int kShearGap = 4;

constexpr std::string_view kDefinitionsUS[] = {
    "Load Type 1: Load 1 = Shear, lbs, and Load 2 = Moment, in-lbs",
    "Load Type 2: Load 1 = Shear, lbs, and Load 2 = Slope, radians",
    "Load Type 3: Load 1 = Shear, lbs, and Load 2 = Rotational Stiffness, in-lbs/radian",
    "Load Type 4: Load 1 = Top Deflection, inches, and Load 2 = Moment, in-lbs",
    "Load Type 5: Load 1 = Top Deflection, inches, and Load 2 = Slope, radians"};
constexpr std::string_view kDefinitionsSI[] = {
    "Load Type 1: Load 1 = Shear, kN, and Load 2 = Moment, kN-m ",
    "Load Type 2: Load 1 = Shear, kN, and Load 2 = Slope, radians",
    "Load Type 3: Load 1 = Shear, kN, and Load 2 = Rotational Stiffness, kN-m/radian",
    "Load Type 4: Load 1 = Top Deflection, m, and Load 2 = Moment, kN-m",
    "Load Type 5: Load 1 = Top Deflection, m, and Load 2 = Slope, radians"};

// Texts before condition 1 and condition 2 of a row, by load type 1 to 5.
constexpr std::string_view kTypeText[] = {
    "", "    1   V =", "    2   V =", "    3   V =", "    4   y =", "    5   y ="};
constexpr std::string_view kCondition2Text[] = {"", "  M =", "  S =", "  R =", "  M =", "  S ="};

void Write_Column_Heads(RunContext& run) {
  TextChannel& out = run.Report;
  const bool us = run.Problem.IUNITS == kUnitsUSCustomary;
  const bool si = run.Problem.IUNITS == kUnitsSI;
  if (run.Problem.Options.UseLRFD) {
    out.Write_Line(
        "Load  Load      Pile-head     Pile-head         Axial        Pile-head       Maximum      "
        "  Maximum       Pile-Head  ");
    if (us) {
      out.Write_Line(
          "Case  Type        Shear         Moment           Load        Deflection       Moment    "
          "     Shear        Rotation    ");
      out.Write_Line(
          " No.   No.         lbs          in-lbs           lbs          inches          in-lbs    "
          "      lbs          radians   ");
    } else if (si) {
      out.Write_Line(
          "Case  Type       Shear          Moment           Load        Deflection       Moment    "
          "     Shear        Rotation   ");
      out.Write_Line(
          " No.   No.    kilonewtons        kN-m             kN           meters          kN-m     "
          "      kN           radians   ");
    }
    return;
  }
  out.Write_Line("Definitions of Pile-head Loading Conditions:");
  out.Empty_Lines(1);
  if (us || si) {
    for (std::string_view line : us ? kDefinitionsUS : kDefinitionsSI) out.Write_Line(line);
  }
  out.Empty_Lines(2);
  out.Write_Line("               Pile-head      Pile-head ");
  out.Write_Line(
      "Load  Load    Condition 1    Condition 2        Axial        Pile-head       Maximum        "
      "Maximum       Pile-head  ");
  if (us) {
    out.Write_Line(
        "Case  Type    V(lbs) or     in-lb, rad.,       Loading      Deflection       Moment       "
        "   Shear        Rotation   ");
    out.Write_Line(
        " No.   No.    y(inches)     or in-lb/rad.        lbs          inches         in-lbs       "
        "    lbs          radians   ");
  } else if (si) {
    out.Write_Line(
        "Case  Type    V(kN) or       kN-m, rad.,       Loading      Deflection       Moment       "
        "   Shear        Rotation   ");
    out.Write_Line(
        " No.   No.    y(meters)      or kN-m/rad.        kN           meters          kN-m        "
        "    kN           radians   ");
  }
}
}  // namespace

void Write_Response_Summary(RunContext& run) {
  const LateralAnalysisState& state = run.Analysis;
  if (state.b_StiffnessMatrixMode) return;
  TextChannel& out = run.Report;
  out.Empty_Lines(3);
  out.Rule('-');
  out.Write_Line("                           Summary of Pile Response(s)");
  out.Rule('-');
  out.Empty_Lines(2);
  Write_Column_Heads(run);
  out.Write_Line(
      "----  ----  --------------  --------------  -------------  -------------  -------------  "
      "-------------  -------------");
  const bool lrfd = run.Problem.Options.UseLRFD;
  for (int c = 1; c <= state.NumLoadCases; ++c) {
    const LoadCaseSummary& kept = state.Cases[c];
    const int type = lrfd ? kLoadShearMoment : kept.LoadType;
    const bool known_type = type >= kLoadShearMoment && type <= kLoadDeflectionSlope;
    Write_Integer(out, c, kCaseWidth);
    out.Line().A(" ").A(known_type ? kTypeText[type] : std::string_view("           "));
    Write_Real(out, kept.Condition1, kConditionWidth);
    out.Line().A(known_type ? kCondition2Text[type] : std::string_view("     "));
    Write_Real(out, kept.Condition2, kConditionWidth);
    Write_Real(out, kept.AxialThrust, kValueWidth);
    Write_Real(out, kept.HeadDeflection, kValueWidth);
    Write_Real(out, kept.MaxMoment, kValueWidth);
    Write_Blanks(out, kShearGap);
    Write_Real(out, kept.MaxShear, kShearWidth);
    out.Line().F(kept.HeadSlope, 15, 8);
    out.End_Line();
  }
  const std::string_view label =
      run.Problem.IUNITS == kUnitsUSCustomary
          ? "Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)"
          : "Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)";
  for (int c = 1; c <= state.NumLoadCases; ++c) {
    const LoadCaseSummary& kept = state.Cases[c];
    run.Plot.Line()
        .ES(kept.HeadShear, 15, 7)
        .ES(kept.HeadDeflection, 15, 7)
        .ES(kept.MaxMoment, 15, 7)
        .ES(kept.MaxShear, 15, 7)
        .ES(kept.HeadSlope, 15, 7)
        .T(kLine13LabelColumn)
        .A(label);
    run.Plot.End_Line();
  }
  if (lrfd) Write_LRFD_Performance(run);
}

}  // namespace tavik
