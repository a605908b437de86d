#include "export_command.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "results/plot_file_reader.h"
#include "results/results_json.h"

namespace tavik::cli {

namespace {

struct ExportArguments {
  std::string plot;
  std::string output;
};

int Run_Export(const ExportArguments& arguments) {
  const std::string json_path =
      arguments.output.empty()
          ? std::filesystem::path(arguments.plot).replace_extension(".json").string()
          : arguments.output;
  const std::string report = Report_Beside(arguments.plot);
  const ExportOutcome outcome = Export_Results_Json(arguments.plot, report, json_path);
  if (outcome.exit_code != 0) {
    std::fprintf(stderr, "tavik: %s\n", outcome.message.c_str());
    return outcome.exit_code;
  }
  if (outcome.report_used) {
    std::printf("tavik: wrote %s from %s and %s\n", json_path.c_str(), arguments.plot.c_str(),
                report.c_str());
  } else {
    std::printf(
        "tavik: wrote %s from %s (no report %s: slope, soil spring and distributed load are "
        "null)\n",
        json_path.c_str(), arguments.plot.c_str(), report.c_str());
  }
  return 0;
}

}  // namespace

ExportOutcome Export_Results_Json(const std::string& plot_path, const std::string& report_path,
                                  const std::string& json_path) {
  ExportOutcome outcome;
  try {
    std::error_code ignored;
    outcome.report_used =
        !report_path.empty() && std::filesystem::is_regular_file(report_path, ignored);
    const results::ReadResult read =
        results::Read_Results(plot_path, outcome.report_used ? report_path : std::string());
    if (!read.ok) {
      outcome.exit_code = kExitPlotFileUnreadable;
      outcome.message = read.error;
      return outcome;
    }
    std::string error;
    if (!results::Write_Results_Json(read.results, json_path, error)) {
      outcome.exit_code = kExitOutputNotWritten;
      outcome.message = error;
    }
  } catch (const std::exception& e) {
    outcome.exit_code = kExitOutputNotWritten;
    outcome.message = e.what();
  }
  return outcome;
}

std::string Json_After_Run(bool ended_normally, const std::string& plot_path,
                           const std::string& report_path, const std::string& json_path,
                           int& exit_code, std::string& problem) {
  if (!ended_normally) {
    std::error_code ignored;
    std::filesystem::remove(json_path, ignored);
    return "; no JSON (the run ended on an error)";
  }
  const ExportOutcome exported = Export_Results_Json(plot_path, report_path, json_path);
  if (exported.exit_code != 0) {
    exit_code = exported.exit_code;
    problem = exported.message;
    return "";
  }
  return "; JSON: " + json_path;
}

Subcommand Add_Export_Command(CLI::App& app) {
  // The arguments live as long as the action that reads them.
  auto arguments = std::make_shared<ExportArguments>();
  CLI::App* command = app.add_subcommand(
      "export",
      "Write the results of a run (its plot file, and the report beside it when present) as "
      "JSON, by default to RUN.json beside the plot file. Exit codes: 3 plot file missing or "
      "malformed, 4 JSON file not written.");
  command->add_option("RUN.plt", arguments->plot, "plot file of a run")->required();
  command->add_option("-o,--output", arguments->output, "the JSON file to write")
      ->type_name("RUN.json");
  return {command, [arguments] { return Run_Export(*arguments); }};
}

}  // namespace tavik::cli
