#include "run/report_head.h"

#include <array>
#include <ctime>
#include <filesystem>
#include <string_view>

namespace tavik {

namespace {
constexpr std::string_view kVersionText = "(6.0.27)";
constexpr std::string_view kCopyright = "Copyright (C) 2026 Tavik contributors";
constexpr std::string_view kRightsReserved = "All Rights Reserved";
constexpr int kBannerIndent = 15;
constexpr int kCentredWidth = 49;

constexpr std::array<std::string_view, 12> kMonthName = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// The text centred in `width` columns (the odd blank goes to the right).
void Append_Centred(FortranLine& line, std::string_view text, int width) {
  const int length = static_cast<int>(text.size());
  const int left = length < width ? (width - length) / 2 : 0;
  line.X(left).A(text);
  // The field is written whole, trailing blanks included, as a text of that width is.
  if (left + length < width) line.A("", width - left - length);
}
}  // namespace

AnalysisTime Local_Time_Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return AnalysisTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                      local.tm_hour,        local.tm_min,     local.tm_sec};
}

PathParts Split_Path(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) return {};
  std::string directory = absolute.parent_path().string();
  if (directory.empty() || directory.back() != '/') directory += '/';
  return {directory, absolute.filename().string()};
}

void Write_Report_Head(RunContext& run, const AnalysisTime& when) {
  TextChannel& report = run.Report;
  report.Rule('=');
  report.Empty_Lines(1);
  report.Line().X(kBannerIndent).A("    Tavik for Windows, Version 6 ").A(kVersionText);
  report.End_Line();
  report.Empty_Lines(1);
  report.Line().X(kBannerIndent).A(" Analysis of Individual Piles and Drilled Shafts ");
  report.End_Line();
  report.Line().X(kBannerIndent).A("Subjected to Lateral Loading Using the p-y Method");
  report.End_Line();
  report.Empty_Lines(1);
  Append_Centred(report.Line().X(kBannerIndent), kCopyright, kCentredWidth);
  report.End_Line();
  Append_Centred(report.Line().X(kBannerIndent), kRightsReserved, kCentredWidth);
  report.End_Line();
  report.Empty_Lines(1);
  report.Rule('=');
  report.Empty_Lines(1);

  report.Rule('-');
  report.Line().X(28).A("Files Used for Analysis");
  report.End_Line();
  report.Rule('-');
  report.Empty_Lines(1);
  const PathParts input = Split_Path(run.Files.InputPath);
  report.Line().A("Path to file locations:        ").A(input.Directory);
  report.End_Line();
  report.Line().A("Name of input data file:       ").A(input.Name);
  report.End_Line();
  report.Line().A("Name of output report file:    ").A(Split_Path(run.Files.ReportPath).Name);
  report.End_Line();
  report.Line().A("Name of plot output file:      ").A(Split_Path(run.Files.PlotPath).Name);
  report.End_Line();
  report.Line().A("Name of runtime messeage file: ").A(Split_Path(run.Files.MessagePath).Name);
  report.End_Line();
  report.Empty_Lines(1);

  report.Rule('-');
  report.Line().X(27).A("Date and Time of Analysis");
  report.End_Line();
  report.Rule('-');
  report.Empty_Lines(1);
  const int month = (when.Month >= 1 && when.Month <= 12) ? when.Month : 1;
  report.Line()
      .X(kBannerIndent)
      .A("Date:  ")
      .A(kMonthName[month - 1])
      .A(" ")
      .I(when.Day, 0)
      .A(", ")
      .I(when.Year, 4)
      .X(5)
      .A("Time:  ")
      .I(when.Hour, 2)
      .A(":")
      .I(when.Minute, 2, 2)
      .A(":")
      .I(when.Second, 2, 2);
  report.End_Line();
}

void Write_Plot_Line1(RunContext& run) {
  const AnalysisOptions& options = run.Problem.Options;
  run.Plot.Line()
      .I(options.ICOM, 5)
      .I(run.Problem.IUNITS, 5)
      .I(run.Problem.KYL, 5)
      .I(options.ComputeKmatrix ? 1 : 0, 5)
      .X(60)
      .A("Line 1 : ICOM, IUNITS, KYL, KXX");
  run.Plot.End_Line();
}

void Write_Plot_Line2(RunContext& run) {
  run.Plot.Line().I(run.Problem.NumSections, 5).X(75).A("Line 2 : Total number of sections");
  run.Plot.End_Line();
}

}  // namespace tavik
