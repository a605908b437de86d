#include "input/input_errors.h"

#include <string>

namespace tavik {

namespace {
void Heading(TextChannel& channel, int error) {
  channel.Empty_Lines(1);
  channel.Line().A("**** Input Data Error No. ").I(error, 0).A(" ****");
  channel.End_Line();
  channel.Empty_Lines(1);
}
}  // namespace

void Report_Unrecognized_Line(RunContext& run, std::string_view line) {
  for (TextChannel* channel : {&run.Report, &run.Messages}) {
    channel->Empty_Lines(2);
    channel->Write_Line("***** INPUT ERROR *****");
    channel->Empty_Lines(2);
    channel->Write_Line("The following line is unrecognized or is out-of-order");
    channel->Empty_Lines(2);
    channel->Write_Line(Padded_Line(line));
    channel->Empty_Lines(2);
  }
  Terminate_With_Error(run, Input_Error_Code(kInputErrorUnrecognizedLine),
                       100 + kInputErrorUnrecognizedLine);
}

void Report_Read_Failure(RunContext& run, const FreeFormatRead& read, std::string_view block) {
  if (read.Failure() == ReadFailure::kEndOfFile) {
    Report_End_Of_File(run, block);
    return;
  }
  Report_Not_A_Number(run, block, read.Line_Number(), read.Bad_Item(),
                      read.Failure() == ReadFailure::kNotAnInteger);
}

void Report_End_Of_File(RunContext& run, std::string_view block) {
  for (TextChannel* channel : {&run.Report, &run.Messages}) {
    channel->Empty_Lines(1);
    channel->Line().A("The input file ended inside the ").A(block).A(" block.");
    channel->End_Line();
  }
  Report_Unrecognized_Line(run, "");
}

void Report_Not_A_Number(RunContext& run, std::string_view block, int line_number,
                         std::string_view item, bool integer_expected) {
  const std::string_view kind = integer_expected ? "an integer" : "a number";
  for (TextChannel* channel : {&run.Report, &run.Messages}) {
    Heading(*channel, kInputErrorNotANumber);
    channel->Line().A("Problem: In the ").A(block).A(" block, line ").I(line_number, 0);
    channel->Line().A(" of the input file, the value \"").A(item).A("\"");
    channel->End_Line();
    channel->Line().A("         cannot be read as ").A(kind).A(".");
    channel->End_Line();
    channel->Write_Line("Solution: Correct the value in the input file.");
  }
  Terminate_With_Error(run, Input_Error_Code(kInputErrorNotANumber), 100 + kInputErrorNotANumber);
}

void Report_Count_Too_Large(RunContext& run, std::string_view block, std::string_view what,
                            int count, int limit) {
  for (TextChannel* channel : {&run.Report, &run.Messages}) {
    Heading(*channel, kInputErrorTableFull);
    channel->Line().A("Problem: The ").A(block).A(" block, line ").I(run.Input.Line_Number(), 0);
    channel->Line().A(", gives ").I(count, 0).A(" ").A(what).A(".");
    channel->End_Line();
    channel->Line().A("Solution: Give at most ").I(limit, 0).A(" ").A(what).A(".");
    channel->End_Line();
  }
  Terminate_With_Error(run, Input_Error_Code(kInputErrorTableFull), 100 + kInputErrorTableFull);
}

void Report_Value_Out_Of_Range(RunContext& run, std::string_view block, std::string_view what,
                               int value, std::string_view allowed) {
  for (TextChannel* channel : {&run.Report, &run.Messages}) {
    Heading(*channel, kInputErrorValueOutOfRange);
    channel->Line().A("Problem: The ").A(block).A(" block, line ").I(run.Input.Line_Number(), 0);
    channel->Line().A(", gives ").A(what).A(" = ").I(value, 0).A(".");
    channel->End_Line();
    channel->Line().A("Solution: Use one of ").A(allowed).A(".");
    channel->End_Line();
  }
  Terminate_With_Error(run, Input_Error_Code(kInputErrorValueOutOfRange),
                       100 + kInputErrorValueOutOfRange);
}

}  // namespace tavik
