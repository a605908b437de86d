// Reading helpers shared by the SECTIONS block readers.
#include "input/section_readers.h"

#include "input/input_errors.h"
#include "run/fortran_format.h"

namespace tavik {

namespace {
constexpr double kMillimetresPerMetre = 1.0e3;
constexpr double kSquareMillimetresPerSquareMetre = 1.0e6;
constexpr double kMillimetres4PerMetre4 = 1.0e12;
constexpr int kInputErrorArrangement = kInputErrorValueOutOfRange;  // 92
}  // namespace

double Section_Value_In_Metres(const RunContext& run, double value, SectionQuantity quantity) {
  if (run.Problem.IUNITS != kUnitsSI) return value;
  switch (quantity) {
    case SectionQuantity::kDimension:
      return value / kMillimetresPerMetre;
    case SectionQuantity::kArea:
      return value / kSquareMillimetresPerSquareMetre;
    case SectionQuantity::kInertia:
      return value / kMillimetres4PerMetre4;
    case SectionQuantity::kPlain:
      break;
  }
  return value;
}

bool Read_Section_Real(RunContext& run, double& value, SectionQuantity quantity) {
  FreeFormatRead read(run.Input);
  read.Real(value);
  if (read.Failed()) {
    Report_Read_Failure(run, read, kSectionsBlock);
    return false;
  }
  value = Section_Value_In_Metres(run, value, quantity);
  return true;
}

bool Read_Section_Integer(RunContext& run, int& value) {
  FreeFormatRead read(run.Input);
  read.Int(value);
  if (read.Failed()) {
    Report_Read_Failure(run, read, kSectionsBlock);
    return false;
  }
  return true;
}

bool Read_Section_Option_Line(RunContext& run, std::string& line) {
  if (run.Input.Read_Line(line)) return true;
  // The file has ended: a value read here fails the same way and reports the end of the
  // file inside the block.
  FreeFormatRead at_end(run.Input);
  std::string unused;
  at_end.Word(unused);
  Report_Read_Failure(run, at_end, kSectionsBlock);
  return false;
}

bool Check_Section_Count(RunContext& run, std::string_view what, int count, int smallest,
                         int limit) {
  if (count > limit) {
    Report_Count_Too_Large(run, kSectionsBlock, what, count, limit);
    return false;
  }
  if (count < smallest) {
    FortranLine allowed;
    allowed.I(smallest, 0).A(" to ").I(limit, 0);
    Report_Value_Out_Of_Range(run, kSectionsBlock, std::string("number of ").append(what), count,
                              allowed.str());
    return false;
  }
  return true;
}

void Write_Section_Progress(RunContext& run, std::string_view text, int i) {
  run.Messages.Line().A(text).I(i, 0);
  run.Messages.End_Line();
}

void End_With_Section_Line_Error(RunContext& run) {
  Terminate_With_Error(run, Input_Error_Code(kInputErrorSectionLine), 100 + kInputErrorSectionLine);
}

void Report_Arrangement_Does_Not_Fit(RunContext& run, int i, std::string_view what,
                                     bool on_square) {
  for (TextChannel* channel : {&run.Report, &run.Messages}) {
    channel->Empty_Lines(1);
    channel->Line().A("**** Input Data Error No. ").I(kInputErrorArrangement, 0).A(" ****");
    channel->End_Line();
    channel->Empty_Lines(1);
    channel->Line().A("Problem: The SECTIONS block, line ").I(run.Input.Line_Number(), 0);
    channel->Line().A(", places the ").A(what).A(" of section ").I(i, 0);
    channel->Line().A(on_square ? " on a square" : " on a circle");
    channel->End_Line();
    if (on_square) {
      channel->Write_Line("         that does not fit in the section: its half-side,");
      channel->Write_Line("         (width - diameter)/2 - cover, must be above 0.");
    } else {
      channel->Write_Line("         that does not fit in the section: the width and the cover");
      channel->Write_Line("         must be above 0 and the radius of the centres,");
      channel->Write_Line("         (width - diameter)/2 - cover, above 0.");
    }
    channel->Line().A("Solution: Correct the width, the cover or the diameter of the ").A(what);
    channel->Line().A(".");
    channel->End_Line();
  }
  Terminate_With_Error(run, Input_Error_Code(kInputErrorArrangement), 100 + kInputErrorArrangement);
}

}  // namespace tavik
