#include <algorithm>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "input/block_readers.h"
#include "input/input_errors.h"

namespace tavik {

namespace {

constexpr std::string_view kBlock = "OPTIONS";

constexpr int kOptionLineError = 95;  // INP00095: an option line or value not accepted

constexpr int kMinIterations = 30;
constexpr int kMaxIterations = 1000;
constexpr int kMinIncrements = 40;
constexpr int kMaxIncrements = 500;
constexpr int kIncrementsTooFew = 55;   // INP00055
constexpr int kIncrementsTooMany = 56;  // INP00056

// Limits of the convergence tolerance (section-dimension unit): inches and metres.
constexpr double kMinToleranceUS = 1.0e-20;
constexpr double kMaxToleranceUS = 0.1;
constexpr double kMinToleranceSI = 2.54e-22;
constexpr double kMaxToleranceSI = 0.00254;
constexpr int kToleranceTooSmallUS = 65;
constexpr int kToleranceTooLargeUS = 66;
constexpr int kToleranceTooSmallSI = 67;
constexpr int kToleranceTooLargeSI = 68;

// Label words of the free-format lines: any word; at most 16 characters (11 on the
// interaction code line) are kept, and their content plays no part.
constexpr std::size_t kLabelLength = 16;
constexpr std::size_t kCodeLabelLength = 11;

// The loading-type line: columns 9-14 hold "CYCLIC" or "STATIC", columns 15-20 the
// number of cycles.
constexpr std::size_t kLoadingTypeColumn = 8;  // 0-based start of column 9
constexpr std::size_t kLoadingTypeWidth = 6;
constexpr std::size_t kCyclesColumn = 14;  // 0-based start of column 15
constexpr std::size_t kCyclesWidth = 6;

void Stop_With_Option_Error(RunContext& run, int error) {
  Terminate_With_Error(run, Input_Error_Code(error), 100 + error);
}

// Reads the next word line. False (after reporting the end of the file) when there is none.
bool Read_Word_Line(RunContext& run, std::string& line) {
  if (run.Input.Read_Line(line)) return true;
  Report_End_Of_File(run, kBlock);
  return false;
}

// An "<Option> YES" / "<Option> NO" line. False when the run ended: end of the file, or
// neither word (then the report receives an empty line, `message`, and `trailer_lines`
// empty lines, and the run ends with input error 95).
bool Read_Yes_No(RunContext& run, std::string_view yes, std::string_view no,
                 std::string_view message, bool& value, int trailer_lines = 0) {
  std::string line;
  if (!Read_Word_Line(run, line)) return false;
  if (Matches_Word(line, yes) || Matches_Word(line, no)) {
    value = Matches_Word(line, yes);
    return true;
  }
  run.Report.Empty_Lines(1);
  run.Report.Write_Line(message);
  run.Report.Empty_Lines(trailer_lines);
  Stop_With_Option_Error(run, kOptionLineError);
  return false;
}

// Line 1: the units system.
bool Read_Units(RunContext& run) {
  std::string line;
  if (!Read_Word_Line(run, line)) return false;
  constexpr std::pair<std::string_view, int> kUnitWords[] = {
      {"Units USCS", kUnitsUSCustomary}, {"Units SI", kUnitsSI}, {"Units GENERAL", kUnitsGeneral}};
  for (const auto& [word, units] : kUnitWords) {
    if (Matches_Word(line, word)) {
      run.Problem.IUNITS = units;
      return true;
    }
  }
  Report_Unrecognized_Line(run, line);
  return false;
}

// The field of `width` columns from `first` (0-based) of a line, blanks beyond its end.
std::string Fixed_Field(std::string_view line, std::size_t first, std::size_t width) {
  std::string field(line.substr(std::min(first, line.size()), width));
  field.resize(width, ' ');
  return field;
}

// Line 8: the loading type and the number of cycles, in fixed columns. The cycles field is
// read as a numeric field of a formatted read: an all-blank field is 0; a field that is not
// one number (text, or blanks inside it) is input error 90.
bool Read_Loading_Type(RunContext& run) {
  std::string line;
  if (!Read_Word_Line(run, line)) return false;
  const std::string type = Fixed_Field(line, kLoadingTypeColumn, kLoadingTypeWidth);
  if (type != "CYCLIC" && type != "STATIC") {
    run.Report.Write_Line("INPUT ERROR - Unrecognized command for loading type option");
    Stop_With_Option_Error(run, kOptionLineError);
    return false;
  }
  const std::string field = Fixed_Field(line, kCyclesColumn, kCyclesWidth);
  const std::size_t first = field.find_first_not_of(' ');
  double cycles = 0.0;
  if (first != std::string::npos) {
    const std::string_view number =
        std::string_view(field).substr(first, field.find_last_not_of(' ') + 1 - first);
    if (!Parse_Real(number, cycles)) {
      Report_Not_A_Number(run, kBlock, run.Input.Line_Number(), number, false);
      return false;
    }
  }
  run.Problem.Options.Cyclic = type == "CYCLIC";
  run.Problem.Options.NumCycles = cycles;
  return true;
}

// Lines 9 to 14 in free format: a label word and one value.
template <typename T>
bool Read_Labelled_Value(RunContext& run, T& value) {
  std::string label;
  FreeFormatRead read(run.Input);
  read.Word(label, kLabelLength);
  if constexpr (std::is_same_v<T, int>) {
    read.Int(value);
  } else {
    read.Real(value);
  }
  if (read.Failed()) {
    Report_Read_Failure(run, read, kBlock);
    return false;
  }
  return true;
}

// Line 9: the iteration limit, 30 to 1000 (input error 95).
bool Check_Iterations(RunContext& run, int iterations) {
  if (iterations >= kMinIterations && iterations <= kMaxIterations) return true;
  TextChannel& report = run.Report;
  report.Write_Line("***** Input Data Error No. 95 *****");
  report.Empty_Lines(2);
  report.Line().A("Problem: Input value for iterations limit = ").I(iterations, 0);
  report.Line().A(iterations < kMinIterations ? " and is less than 30 iteractions"
                                              : " and is more than 1,000 iteractions");
  report.End_Line();
  report.Write_Line("Solution:  Correct input value to be between 30 and 1000 iterations.");
  report.Empty_Lines(2);
  Stop_With_Option_Error(run, kOptionLineError);
  return false;
}

// Line 11: the convergence tolerance, limited in US customary units and SI only.
bool Check_Tolerance(RunContext& run, double tolerance) {
  int error = 0;
  std::string_view problem;
  std::string_view recommendation;
  constexpr std::string_view kRecommendInches =
      "The recommended value for convergence tolerance is 0.00001 inches.";
  constexpr std::string_view kRecommendMeters =
      "The recommended value for convergence tolerance is 2.54E-7 meters.";
  if (run.Problem.IUNITS == kUnitsUSCustomary) {
    recommendation = kRecommendInches;
    if (tolerance < kMinToleranceUS) {
      error = kToleranceTooSmallUS;
      problem = "Input value for convergence tolerance is too small (less than 1E-10 inches).";
    } else if (tolerance > kMaxToleranceUS) {
      error = kToleranceTooLargeUS;
      problem = "Input value for convergence tolerance is too large (more than 0.1 inches). ";
    }
  } else if (run.Problem.IUNITS == kUnitsSI) {
    recommendation = kRecommendMeters;
    if (tolerance < kMinToleranceSI) {
      error = kToleranceTooSmallSI;
      problem = "Input value for convergence tolerance is too small (less than 2.5E-12 meters). ";
    } else if (tolerance > kMaxToleranceSI) {
      error = kToleranceTooLargeSI;
      problem = "Input value of convergence tolerance too large (more than 2.54E-3 meters). ";
    }
  }
  if (error == 0) return true;
  for (TextChannel* channel : {&run.Messages, &run.Report}) {
    channel->Empty_Lines(1);
    channel->Line().A("**** Input Data Error No. ").I(error, 0).A(" ****");
    channel->End_Line();
    channel->Empty_Lines(2);
    channel->Write_Line(problem);
    channel->Write_Line(recommendation);
    channel->Empty_Lines(1);
  }
  Stop_With_Option_Error(run, error);
  return false;
}

// Line 12: the number of pile increments, 40 to 500.
bool Check_Increments(RunContext& run, int increments) {
  if (increments >= kMinIncrements && increments <= kMaxIncrements) return true;
  const bool too_few = increments < kMinIncrements;
  const int error = too_few ? kIncrementsTooFew : kIncrementsTooMany;
  for (TextChannel* channel : {&run.Messages, &run.Report}) {
    channel->Line().A("**** Input Data Error No. ").I(error, 0).A(" ****");
    channel->End_Line();
    channel->Empty_Lines(2);
    channel->Write_Line(too_few ? "Problem:  The number of pile increments is less than 40."
                                : "Problem:  The number of pile increments is more than 500.");
    channel->Empty_Lines(2);
    channel->Write_Line(too_few ? "Solution: Increase the number of pile increments to more "
                                  "than 40, preferably more than 100 increments."
                                : "Solution: Limit the number of pile increments to 500 or less.");
  }
  Stop_With_Option_Error(run, error);
  return false;
}

// Line 17: the design code of the interaction computation.
bool Read_Interaction_Code(RunContext& run) {
  std::string label;
  std::string code;
  FreeFormatRead read(run.Input);
  read.Word(label, kCodeLabelLength).Word(code);
  if (read.Failed()) {
    Report_Read_Failure(run, read, kBlock);
    return false;
  }
  constexpr std::pair<std::string_view, int> kCodes[] = {
      {"AASHTO", 1}, {"ACI318", 2}, {"Eurocode2", 3}};
  for (const auto& [word, number] : kCodes) {
    if (code == word) {
      run.Problem.Options.InteractionCode = number;
      return true;
    }
  }
  run.Report.Write_Line("INPUT ERROR - Unrecognized command for interaction code option");
  Stop_With_Option_Error(run, kOptionLineError);
  return false;
}

}  // namespace

// Read_Options_Block: reads the lines after "OPTIONS" in their fixed order into
// run.Problem.IUNITS and run.Problem.Options (and sets the number of p-y modifier points to
// 1 or 0 with UsePYModifiers). The tolerance and the deflection limit are lengths in the
// section-dimension unit of the units system just read (in or m). Each line is checked as
// it is read; the first fault writes its message, ends the run (input errors 55, 56, 65 to
// 68, 95 or 99; the end of the file is 99, a value that is not a number 90) and leaves the
// rest of the block unread. "ComputeInteraction NO" ends the block; after YES one more
// line gives the design code.
void Read_Options_Block(RunContext& run) {
  run.Messages.Write_Line("Reading analysis options");
  AnalysisOptions& options = run.Problem.Options;

  if (!Read_Units(run)) return;
  if (!Read_Yes_No(run, "UseLRFD YES", "UseLRFD NO",
                   "INPUT ERROR - Unrecognized command for LRFD analysis option", options.UseLRFD))
    return;
  if (!Read_Yes_No(
          run, "ComputeKmatrix YES", "ComputeKmatrix NO",
          "INPUT ERROR - Unrecognized command for compute pile-head stiffness matrix option",
          options.ComputeKmatrix))
    return;
  if (!Read_Yes_No(run, "UseTipShear YES", "UseTipShear NO",
                   "INPUT ERROR - Unrecognized command for tip shear option", options.UseTipShear))
    return;
  if (!Read_Yes_No(run, "UseSoilMovement YES", "UseSoilMovement NO",
                   "INPUT ERROR - Unrecognized command for soil movement option",
                   options.UseSoilMovement, 1))
    return;
  if (!Read_Yes_No(run, "UsePYModifiers YES", "UsePYModifiers NO",
                   "INPUT ERROR - Unrecognized command for use of p-y modifiers option",
                   options.UsePYModifiers))
    return;
  run.Problem.PyModifiers.NumPoints = options.UsePYModifiers ? 1 : 0;
  bool b_ComputeEIOnly = false;
  if (!Read_Yes_No(run, "ComputeEIOnly YES", "ComputeEIOnly NO",
                   "INPUT ERROR - Unrecognized command for compute nonlinear EI only option",
                   b_ComputeEIOnly))
    return;
  options.ICOM = b_ComputeEIOnly ? kComputeEIOnly : kFullAnalysis;
  if (!Read_Loading_Type(run)) return;

  if (!Read_Labelled_Value(run, options.MaxIterations)) return;
  if (!Check_Iterations(run, options.MaxIterations)) return;
  if (!Read_Labelled_Value(run, options.ExcessDeflectionLimit)) return;
  if (!Read_Labelled_Value(run, options.ConvergenceTolerance)) return;
  if (!Check_Tolerance(run, options.ConvergenceTolerance)) return;
  if (!Read_Labelled_Value(run, options.NumIncrements)) return;
  if (!Check_Increments(run, options.NumIncrements)) return;

  if (!Read_Yes_No(run, "PrintSummaryOnly YES", "PrintSummaryOnly NO",
                   "INPUT ERROR - Unrecognized command for print summary only option",
                   options.PrintSummaryOnly))
    return;
  if (!Read_Labelled_Value(run, options.PrintIncrement)) return;
  if (!Read_Yes_No(run, "PrintPYCurves YES", "PrintPYCurves NO",
                   "INPUT ERROR - Unrecognized command for p-y curve output depths option",
                   options.PrintPYCurves))
    return;

  // Line 16: its message has no empty line before it.
  std::string line;
  if (!Read_Word_Line(run, line)) return;
  if (Matches_Word(line, "ComputeInteraction YES")) {
    options.ComputeInteraction = true;
    Read_Interaction_Code(run);
  } else if (Matches_Word(line, "ComputeInteraction NO")) {
    options.ComputeInteraction = false;
  } else {
    run.Report.Write_Line("INPUT ERROR - Unrecognized command for compute interaction option");
    Stop_With_Option_Error(run, kOptionLineError);
  }
}

}  // namespace tavik
