// Reinforcing bar sub-block of a concrete section.
#include "input/input_errors.h"
#include "input/section_readers.h"
#include "sections/bar_positions.h"

namespace tavik {

namespace {

constexpr int kMaxBarsPerBundle = 3;

// "Rebar in circle": NumBundles positions of BarsPerBundle equal bars on a circle inside
// the section width, shifted along y by RebarOffset.
void Read_Bars_In_Circle(RunContext& run, int i) {
  PileSection& section = run.Problem.Sections[i - 1];
  ReinforcementData& rebar = section.Rebar;
  rebar.b_RebarInCircle = true;
  if (!Read_Section_Real(run, rebar.RebarYieldStress)) return;
  if (!Read_Section_Real(run, rebar.SteelModulus)) return;
  if (!Read_Section_Integer(run, rebar.NumBundles)) return;
  if (!Check_Section_Count(run, "bar positions on the circle", rebar.NumBundles, 1, kMaxBars)) {
    return;
  }
  if (!Read_Section_Integer(run, rebar.BarsPerBundle)) return;
  if (rebar.BarsPerBundle < 1 || rebar.BarsPerBundle > kMaxBarsPerBundle) {
    Report_Value_Out_Of_Range(run, kSectionsBlock, "bars per bundle", rebar.BarsPerBundle,
                              "1, 2 or 3");
    return;
  }
  const int bars = rebar.NumBundles * rebar.BarsPerBundle;
  if (!Check_Section_Count(run, "bars", bars, 1, kMaxBars)) return;
  if (!Read_Section_Real(run, rebar.CircleBarDiameter, SectionQuantity::kDimension)) return;
  if (!Read_Section_Real(run, rebar.CircleBarArea, SectionQuantity::kArea)) return;
  if (!Read_Section_Real(run, rebar.RebarCover, SectionQuantity::kDimension)) return;
  if (!Read_Section_Real(run, rebar.RebarOffset, SectionQuantity::kDimension)) return;

  rebar.NumBars = bars;
  for (int k = 0; k < bars; ++k) {
    rebar.BarDiameter[k] = rebar.CircleBarDiameter;
    rebar.BarArea[k] = rebar.CircleBarArea;
  }
  if (!Position_Bars_In_Circle(rebar.BarX, rebar.BarY, section.Width, rebar.RebarCover,
                               rebar.CircleBarDiameter, rebar.NumBundles, rebar.BarsPerBundle)) {
    Report_Arrangement_Does_Not_Fit(run, i, "bars", false);
    return;
  }
  for (int k = 0; k < bars; ++k) rebar.BarY[k] += rebar.RebarOffset;
}

// "Rebar in noncircular pattern": each bar on a line of its own with its index, diameter,
// area and centre.
void Read_Bars_One_By_One(RunContext& run, int i) {
  ReinforcementData& rebar = run.Problem.Sections[i - 1].Rebar;
  rebar.b_RebarInCircle = false;
  if (!Read_Section_Real(run, rebar.RebarYieldStress)) return;
  if (!Read_Section_Real(run, rebar.SteelModulus)) return;
  int bars = 0;
  if (!Read_Section_Integer(run, bars)) return;
  if (!Check_Section_Count(run, "bars", bars, 0, kMaxBars)) return;
  rebar.NumBars = bars;
  for (int k = 0; k < bars; ++k) {
    int sequence = 0;  // read, not checked
    FreeFormatRead read(run.Input);
    read.Int(sequence)
        .Int(rebar.BarIndex[k])
        .Real(rebar.BarDiameter[k])
        .Real(rebar.BarArea[k])
        .Real(rebar.BarX[k])
        .Real(rebar.BarY[k]);
    if (read.Failed()) {
      Report_Read_Failure(run, read, kSectionsBlock);
      return;
    }
    rebar.BarDiameter[k] =
        Section_Value_In_Metres(run, rebar.BarDiameter[k], SectionQuantity::kDimension);
    rebar.BarArea[k] = Section_Value_In_Metres(run, rebar.BarArea[k], SectionQuantity::kArea);
    rebar.BarX[k] = Section_Value_In_Metres(run, rebar.BarX[k], SectionQuantity::kDimension);
    rebar.BarY[k] = Section_Value_In_Metres(run, rebar.BarY[k], SectionQuantity::kDimension);
  }
}

}  // namespace

// Reads the rebar of section i: "No rebar" (NumBars 0, nothing more), or a continuation
// line ("Rebar Arrangement Same As Section Above" or "... Not Same ...", which change
// nothing: the full bar data follow) and then the bars, in a circle or one by one. Bar
// dimensions are converted from mm (mm2) to m (m2) in SI. Ends the run with input error 95
// for a continuation line not recognised, 91 for more than 300 bars, 92 for a bundle size
// outside 1 to 3, fewer than one position on a circle, a negative count, or a circle that
// does not fit in the section. A bar arrangement line not recognised reads no bar data.
void Read_Rebar(RunContext& run, int i) {
  Write_Section_Progress(run, "Reading rebar property data for Section ", i);
  std::string line;
  if (!Read_Section_Option_Line(run, line)) return;
  if (Matches_Word(line, "No rebar")) {
    run.Problem.Sections[i - 1].Rebar.NumBars = 0;
    return;
  }
  if (!Matches_Word(line, "Rebar Arrangement Same As Section Above") &&
      !Matches_Word(line, "Rebar Arrangement Not Same As Section Above")) {
    run.Report.Empty_Lines(1);
    run.Report.Write_Line(
        "INPUT ERROR - Unrecognized command for rebar continuation from section above option");
    End_With_Section_Line_Error(run);
    return;
  }
  if (!Read_Section_Option_Line(run, line)) return;
  if (Matches_Word(line, "Rebar in circle")) {
    Read_Bars_In_Circle(run, i);
  } else if (Matches_Word(line, "Rebar in noncircular pattern")) {
    Read_Bars_One_By_One(run, i);
  }
}

}  // namespace tavik
