#include "run/run_analysis.h"

#include "analysis/lateral_analysis.h"
#include "echo/echo_input.h"
#include "input/input_checks.h"
#include "input/input_errors.h"
#include "input/read_keyword_input.h"
#include "run/console.h"
#include "run/internal_units.h"
#include "run/report_head.h"
#include "run/warning_summary.h"
#include "sections/stiffness_only.h"

namespace tavik {

namespace {
constexpr int kEmptyInputError = 125;
constexpr int kFormatWordLength = 7;
constexpr std::string_view kKeywordFormatWord = "TAVIKP6";

bool Is_Input_Error(int number) {
  return number >= 100 && number <= 199;
}
bool Is_Runtime_Error(int number) {
  return number >= 200 && number <= 299;
}

// Step 5: the input data file must exist; the three output files are created or replaced.
bool Open_Data_Files(RunContext& run) {
  const RunFiles& files = run.Files;
  if (!run.Input.Open(files.InputPath)) {
    Write_Console(run, "**** Runtime Error No. 18 ****");
    Write_Console(run, "The input data file cannot be opened: " + files.InputPath);
    Terminate_With_Error(run, Runtime_Error_Code(kRuntimeInputFileNotOpened),
                         200 + kRuntimeInputFileNotOpened);
    return false;
  }
  const std::pair<TextChannel*, const std::string*> outputs[] = {
      {&run.Report, &files.ReportPath},
      {&run.Plot, &files.PlotPath},
      {&run.Messages, &files.MessagePath}};
  for (const auto& [channel, path] : outputs) {
    if (!channel->Open(*path)) {
      Write_Console(run, "**** Runtime Error No. 19 ****");
      Write_Console(run, "The output file cannot be created: " + *path);
      Terminate_With_Error(run, Runtime_Error_Code(kRuntimeOutputFileNotOpened),
                           200 + kRuntimeOutputFileNotOpened);
      return false;
    }
  }
  return true;
}

// Step 6: an empty input data file.
void Refuse_Empty_Input(RunContext& run) {
  run.Messages.Write_Line("**** Input Data Error No. 25 ****");
  run.Messages.Write_Line("Size of input data file is 0 bytes.  No analysis performed.");
  Terminate_With_Error(run, Input_Error_Code(25), kEmptyInputError);
}

// The older positional formats have no reader: the first line is shown as unrecognised.
void Refuse_Positional_Format(RunContext& run) {
  run.Input.Rewind();
  std::string first_line;
  run.Input.Read_Line(first_line);
  Report_Unrecognized_Line(run, first_line);
}

// Steps 14 to 16: the computation chosen by ICOM, once the sections are known to be fit for
// the section analysis.
void Compute(RunContext& run) {
  Check_Section_Data(run);
  if (run.Status.Has_Error()) return;
  Write_Plot_Line2(run);
  if (run.Problem.Options.ICOM == kComputeEIOnly) {
    Compute_Stiffness_Only(run);
  } else {
    Run_Lateral_Analysis(run);
  }
}

// Steps 17 to 19.
void Write_Closing_Lines(RunContext& run) {
  const int error = run.Status.ErrorNumber;
  const std::string_view closing =
      Is_Input_Error(error)     ? "The analysis ended due to an input error. "
      : Is_Runtime_Error(error) ? "The analysis ended due to a runtime error. "
                                : std::string_view();
  if (!closing.empty()) {
    for (TextChannel* channel : {&run.Messages, &run.Report}) {
      channel->Empty_Lines(1);
      channel->Write_Line(closing);
      channel->Empty_Lines(1);
    }
  }
  if (run.Status.b_AnyWarningReported) {
    run.Messages.Empty_Lines(2);
    run.Messages.Write_Line("The analysis ended with one or more warning messages.");
    run.Messages.Empty_Lines(2);
    Write_Warning_Summary(run.Report, run.Status);
  }
  if (error == 0) {
    for (TextChannel* channel : {&run.Messages, &run.Report}) {
      channel->Empty_Lines(1);
      channel->Write_Line("The analysis ended normally. ");
      channel->Empty_Lines(1);
    }
  }
}

void Close_Data_Files(RunContext& run) {
  run.Input.Close();
  run.Report.Close();
  run.Plot.Close();
  run.Messages.Close();
}
}  // namespace

void Read_Input_Data(RunContext& run) {
  // The format word is the first free-format item of the file, taken as 7 characters.
  std::string word;
  FreeFormatRead read(run.Input);
  read.Word(word, kFormatWordLength);
  if (read.Failed() || word != kKeywordFormatWord) {
    Refuse_Positional_Format(run);
    return;
  }
  Read_Keyword_Input(run);
  if (run.Status.Has_Error()) return;
  run.Messages.Write_Line("Input of data completed");
}

void Stage_Not_Built(RunContext& run, std::string_view what) {
  for (TextChannel* channel : {&run.Report, &run.Messages}) {
    channel->Empty_Lines(2);
    channel->Write_Line("**** Runtime Error No. 999 ****");
    channel->Empty_Lines(1);
    channel->Line().A("This build of Tavik cannot yet compute ").A(what).A(".");
    channel->End_Line();
  }
  Terminate_With_Error(run, Runtime_Error_Code(kInternalError), kInternalError);
}

void Run_With_Files(RunContext& run) {
  if (Open_Data_Files(run)) Run_With_Open_Files(run);
  Close_Data_Files(run);
}

void Run_With_Open_Files(RunContext& run) {
  if (run.Input.Size_Bytes() < 1) {
    Refuse_Empty_Input(run);
  } else {
    Read_Input_Data(run);
  }
  if (!run.Status.Has_Error()) {
    Set_Unit_Labels(run.Units, run.Problem.IUNITS);
    run.Report.Restart();
    Write_Report_Head(run, Local_Time_Now());
    Write_Plot_Line1(run);
    Echo_Input(run);
  }
  if (!run.Status.Has_Error()) {
    Convert_To_Internal_Units(run.Problem);
    Compute(run);
  }
  Write_Closing_Lines(run);
}

}  // namespace tavik
