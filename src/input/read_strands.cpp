// Prestressing strand sub-block of a prestressed section.
#include "input/input_errors.h"
#include "input/section_readers.h"
#include "run/fortran_format.h"
#include "sections/bar_positions.h"
#include "sections/strand_table.h"

namespace tavik {

namespace {

// StrandPattern of automatic placement.
constexpr int kStrandsOnCircle = 0;
constexpr int kLastSquarePattern = 2;  // 1 and 2: on the sides of a square
constexpr int kSingleStrands = 1;      // one strand per position on the circle

// Reads StrandType and checks it against the strand table. False after ending the run.
bool Read_Strand_Type(RunContext& run, ReinforcementData& strands) {
  if (!Read_Section_Integer(run, strands.StrandType)) return false;
  if (strands.StrandType < 0 || strands.StrandType >= kNumStrandTypes) {
    Report_Value_Out_Of_Range(run, kSectionsBlock, "strand type", strands.StrandType, "0 to 5");
    return false;
  }
  return true;
}

// Checks a size index against the row of the strand type. False after ending the run.
bool Check_Strand_Size(RunContext& run, int type, int size) {
  if (size >= 0 && size < Strand_Size_Count(type)) return true;
  FortranLine allowed;
  allowed.A("0 to ").I(Strand_Size_Count(type) - 1, 0).A(" for strand type ").I(type, 0);
  Report_Value_Out_Of_Range(run, kSectionsBlock, "strand size", size, allowed.str());
  return false;
}

// "Autoposition strands": strands of one type and size placed on a circle or on a square.
void Read_Autopositioned_Strands(RunContext& run, int i) {
  PileSection& section = run.Problem.Sections[i - 1];
  ReinforcementData& strands = section.Rebar;
  if (!Read_Strand_Type(run, strands)) return;
  int size = 0;
  if (!Read_Section_Integer(run, size)) return;
  if (!Check_Strand_Size(run, strands.StrandType, size)) return;
  int count = 0;
  if (!Read_Section_Integer(run, count)) return;
  if (!Check_Section_Count(run, "strands", count, 0, kMaxBars)) return;
  strands.NumStrands = count;
  if (!Read_Section_Real(run, strands.PrestressForce)) return;
  if (!Read_Section_Real(run, strands.PrestressLoss)) return;
  if (!Read_Section_Real(run, strands.StrandCover, SectionQuantity::kDimension)) return;
  if (!Read_Section_Integer(run, strands.StrandPattern)) return;
  if (strands.StrandPattern < kStrandsOnCircle || strands.StrandPattern > kLastSquarePattern) {
    Report_Value_Out_Of_Range(run, kSectionsBlock, "strand pattern", strands.StrandPattern,
                              "0 (circle), 1 or 2 (square)");
    return;
  }

  for (int k = 1; k <= count; ++k) {
    strands.StrandSize[k - 1] = size;
    Lookup_Strand(section, run.Problem.IUNITS, strands.StrandType, size, k);
  }
  strands.StrandDiameter = strands.BarDiameter[0];
  strands.StrandArea = strands.BarArea[0];
  if (count == 0) return;  // nothing to place

  if (strands.StrandPattern == kStrandsOnCircle) {
    if (!Position_Bars_In_Circle(strands.BarX, strands.BarY, section.Width, strands.StrandCover,
                                 strands.StrandDiameter, count, kSingleStrands)) {
      Report_Arrangement_Does_Not_Fit(run, i, "strands", false);
    }
    return;
  }
  if (count == 2 || count == 3) {  // a square needs its four corners
    Report_Value_Out_Of_Range(run, kSectionsBlock, "number of strands on a square", count,
                              "1 or 4 to 300");
    return;
  }
  if (!Position_Strands_On_Square(strands.BarX, strands.BarY, section.Width, strands.StrandCover,
                                  strands.StrandDiameter, count, strands.StrandPattern)) {
    Report_Arrangement_Does_Not_Fit(run, i, "strands", true);
  }
}

// "Manually-positioned strands": one line per strand with its sequence number, size and
// centre.
void Read_Manually_Positioned_Strands(RunContext& run, int i) {
  PileSection& section = run.Problem.Sections[i - 1];
  ReinforcementData& strands = section.Rebar;
  if (!Read_Strand_Type(run, strands)) return;
  int count = 0;
  if (!Read_Section_Integer(run, count)) return;
  if (!Check_Section_Count(run, "strands", count, 0, kMaxBars)) return;
  strands.NumStrands = count;
  if (!Read_Section_Real(run, strands.PrestressForce)) return;
  if (!Read_Section_Real(run, strands.PrestressLoss)) return;
  for (int k = 1; k <= count; ++k) {
    int number = 0;
    FreeFormatRead read(run.Input);
    read.Int(number)
        .Int(strands.StrandSize[k - 1])
        .Real(strands.BarX[k - 1])
        .Real(strands.BarY[k - 1]);
    if (read.Failed()) {
      Report_Read_Failure(run, read, kSectionsBlock);
      return;
    }
    strands.BarX[k - 1] =
        Section_Value_In_Metres(run, strands.BarX[k - 1], SectionQuantity::kDimension);
    strands.BarY[k - 1] =
        Section_Value_In_Metres(run, strands.BarY[k - 1], SectionQuantity::kDimension);
    if (number != k) {
      run.Report.Line().A("INPUT ERROR - Input out-of-order for strand no. ").I(k, 0);
      run.Report.End_Line();
      End_With_Section_Line_Error(run);
      return;
    }
    if (!Check_Strand_Size(run, strands.StrandType, strands.StrandSize[k - 1])) return;
    Lookup_Strand(section, run.Problem.IUNITS, strands.StrandType, strands.StrandSize[k - 1], k);
  }
}

}  // namespace

// Reads the strands of section i. Sets StrandType, NumStrands, PrestressForce (force),
// PrestressLoss (fraction) and each strand's size, diameter, area and centre (from the
// strand table and the placement routines, or as given); SteelModulus and
// StrandUltimateStrength come from the strand table. Cover and coordinates are converted
// from mm to m in SI. Ends the run with input error 95 for a mode line not recognised or a
// strand out of sequence, 91 for more than 300 strands, 92 for a strand type, size or
// pattern outside the table, a negative count, 2 or 3 strands on a square, or an
// arrangement that does not fit in the section.
void Read_Strands(RunContext& run, int i) {
  Write_Section_Progress(run, "Reading prestressing strand data for Section ", i);
  std::string line;
  if (!Read_Section_Option_Line(run, line)) return;
  if (Matches_Word(line, "Autoposition strands")) {
    Read_Autopositioned_Strands(run, i);
  } else if (Matches_Word(line, "Manually-positioned strands")) {
    Read_Manually_Positioned_Strands(run, i);
  } else {
    // No strand is being read yet, so the line names no strand number.
    run.Report.Write_Line("INPUT ERROR - Unrecognized input for strand no. ");
    run.Report.Empty_Lines(1);
    End_With_Section_Line_Error(run);
  }
}

}  // namespace tavik
