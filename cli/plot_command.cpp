#include "plot_command.h"

#include <cstdio>
#include <filesystem>

#include "export_command.h"
#include "results/plot_file_reader.h"
#include "results/run_plots.h"

namespace tavik::cli {

namespace {

namespace fs = std::filesystem;
using results::FigureFormat;

constexpr int kExitWritten = 0;

struct PlotArguments {
  std::string plot_path;
  std::string out_dir;
  std::string format = "svg";
};

// The report beside the plot file, when there is one: it adds the slope.
std::string Existing_Report_Beside(const fs::path& plot) {
  const std::string report = Report_Beside(plot);
  std::error_code failure;
  return fs::is_regular_file(report, failure) ? report : "";
}

std::string Source_Files(const fs::path& plot, const std::string& report) {
  std::string text = plot.filename().string();
  if (!report.empty()) text += " and " + fs::path(report).filename().string();
  return text;
}

bool Write(const results::RunResults& run, const results::PageHead& head, const std::string& dir,
           FigureFormat format) {
  const results::PlotsWritten written = results::Write_Run_Plots(run, head, dir, format);
  if (!written.ok) {
    std::printf("tavik: figures not written: %s\n", written.error.c_str());
    return false;
  }
  std::printf("tavik: page: %s (%zu figure%s)\n", written.page.c_str(), written.files.size(),
              written.files.size() == 1 ? "" : "s");
  return true;
}

int Run_Plot(const PlotArguments& arguments) {
  const fs::path plot(arguments.plot_path);
  const std::string report = Existing_Report_Beside(plot);
  const results::ReadResult read = results::Read_Results(arguments.plot_path, report);
  if (!read.ok) {
    std::printf("tavik: cannot read the plot file: %s\n", read.error.c_str());
    return kExitPlotFileUnreadable;
  }
  fs::path messages = plot;
  messages.replace_extension(".msg");
  results::PageHead head;
  head.run_name = plot.stem().string();
  head.outcome = results::Outcome_From_Messages(messages.string());
  if (head.outcome.empty()) {
    head.outcome = "How the run ended is not known: no run-message file " +
                   messages.filename().string() + " with its closing line.";
  }
  head.source_files = Source_Files(plot, report);
  const FigureFormat format =
      results::Parse_Figure_Format(arguments.format).value_or(FigureFormat::kSvg);
  return Write(read.results, head, arguments.out_dir, format) ? kExitWritten
                                                              : kExitOutputNotWritten;
}

}  // namespace

Subcommand Add_Plot_Command(CLI::App& app) {
  auto arguments = std::make_shared<PlotArguments>();  // lives as long as the action
  CLI::App* command = app.add_subcommand(
      "plot",
      "Draw the figures of a run from its plot file RUN.plt (with the slope when the report "
      "RUN.out is beside it) into DIR, with DIR/index.html showing how the run ended (from "
      "RUN.msg), the summary of the load cases and every figure. Exit codes: 0 written, 3 "
      "plot file missing or malformed, 4 figures or page not written, 64 wrong usage.");
  command->add_option("RUN.plt", arguments->plot_path, "plot file of a run")->required();
  command->add_option("--out", arguments->out_dir, "folder for the figures and index.html")
      ->required()
      ->type_name("DIR");
  command->add_option("--format", arguments->format, "figure file format (default svg)")
      ->check(CLI::IsMember({"svg", "png", "pdf"}))
      ->type_name("svg|png|pdf");
  return {command, [arguments] { return Run_Plot(*arguments); }};
}

bool Write_Plots_Of_Run(const std::string& plot_path, const std::string& report_path,
                        const std::string& outcome, const std::string& dir) {
  const fs::path plot(plot_path);
  std::error_code failure;
  const std::string report = fs::is_regular_file(report_path, failure) ? report_path : "";
  results::ReadResult read = results::Read_Results(plot_path, report);
  results::PageHead head;
  head.run_name = plot.stem().string();
  head.outcome = outcome;
  if (read.ok) {
    head.source_files = Source_Files(plot, report);
  } else {
    head.note = "The run left no results to draw (" + read.error + ").";
    read.results = results::RunResults{};
  }
  return Write(read.results, head, dir, FigureFormat::kSvg);
}

}  // namespace tavik::cli
