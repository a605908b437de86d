// tavik: the command-line program. Runs an input data file directly (no NAMES.DAT) or
// calls the host entry point in the current directory, and says how the run ended.
//
// Exit codes: 0 normal end (with or without warnings), 1 input error, 2 runtime or internal
// error, 3 plot file missing or malformed and 4 JSON, figures or page not written (export,
// plot, run --json, run --plots), 64 wrong usage.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "batch_command.h"
#include "export_command.h"
#include "plot_command.h"
#include "tavik/tavik.h"

namespace {

constexpr int kExitNormal = 0;
constexpr int kExitInputError = 1;
constexpr int kExitRuntimeError = 2;
constexpr int kExitUsage = 64;
// Runtime errors 18 and 19 of the run: its input or an output file could not be opened.
constexpr int kInputFileNotOpened = 218;
constexpr int kOutputFileNotCreated = 219;

int Exit_Code(const tavik::RunOutcome& outcome) {
  if (outcome.error_number == 0) return kExitNormal;
  if (outcome.error_number >= 100 && outcome.error_number <= 199) return kExitInputError;
  return kExitRuntimeError;
}

// The last change of a file, or nothing when it does not exist.
std::optional<std::filesystem::file_time_type> Last_Written(const std::filesystem::path& path) {
  std::error_code error;
  const auto time = std::filesystem::last_write_time(path, error);
  if (error) return std::nullopt;
  return time;
}

int Run_Input(const std::string& input, const std::string& out_dir_option, bool json,
              const std::string& plots_dir) {
  namespace fs = std::filesystem;
  const fs::path input_path(input);
  const fs::path out_dir =
      out_dir_option.empty() ? input_path.parent_path() : fs::path(out_dir_option);
  // A named output folder is created when missing; one that cannot be made shows up as the
  // run's own error for an output file that cannot be created.
  if (!out_dir.empty()) {
    std::error_code ignored;
    fs::create_directories(out_dir, ignored);
  }
  const fs::path stem = out_dir / input_path.stem();
  tavik::RunPaths paths;
  paths.input = input_path.string();
  paths.report = stem.string() + ".out";
  paths.plot = stem.string() + ".plt";
  paths.messages = stem.string() + ".msg";
  // The outcome names the report only when this run wrote it. A run that cannot open its
  // input (runtime error 18) touches no file; one that cannot create an output file (19)
  // has written the report only when it appeared or changed (it is opened first).
  const auto report_before = Last_Written(paths.report);
  const tavik::RunOutcome outcome = tavik::Run_Analysis(paths);
  const auto report_after = Last_Written(paths.report);
  const bool report_written =
      report_after && outcome.error_number != kInputFileNotOpened &&
      (outcome.error_number != kOutputFileNotCreated || report_after != report_before);
  std::string line = "tavik: " + tavik::cli::Describe_Outcome(outcome);
  if (report_written) line += "; report: " + paths.report;

  int exit_code = Exit_Code(outcome);
  std::string json_problem;
  if (json) {
    line += tavik::cli::Json_After_Run(outcome.error_number == 0, paths.plot, paths.report,
                                       stem.string() + ".json", exit_code, json_problem);
  }
  std::printf("%s\n", line.c_str());
  if (!json_problem.empty()) {
    std::fprintf(stderr, "tavik: JSON not written: %s\n", json_problem.c_str());
  }
  if (!plots_dir.empty() &&
      !tavik::cli::Write_Plots_Of_Run(paths.plot, report_written ? paths.report : "",
                                      "The analysis " + tavik::cli::Describe_Outcome(outcome) + ".",
                                      plots_dir) &&
      exit_code == kExitNormal) {
    exit_code = tavik::cli::kExitOutputNotWritten;
  }
  return exit_code;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "Tavik: analysis of single piles and drilled shafts under lateral load by the p-y "
      "method.\nExit codes: 0 normal end (also with warnings), 1 input error, 2 runtime "
      "error, 3 plot file missing or malformed, 4 JSON, figures or page not written, 64 wrong "
      "usage.",
      "tavik"};
  app.set_version_flag("--version", std::string("tavik ") + tavik::Version_Text());
  app.require_subcommand(1);

  std::string input;
  std::string out_dir;
  CLI::App* run = app.add_subcommand(
      "run",
      "Analyse INPUT; write STEM.out (report), STEM.plt (plot data) and STEM.msg (run "
      "messages) to DIR, by default the input file's folder.");
  run->add_option("INPUT", input, "keyword input data file")->required();
  run->add_option("--out-dir", out_dir, "folder for the report, plot and message files")
      ->type_name("DIR");
  bool json = false;
  run->add_flag("--json", json,
                "also write the results as STEM.json (not for a run that ends on an error)");
  std::string plots_dir;
  run->add_option("--plots", plots_dir, "after the run, write its figures and index.html to DIR")
      ->type_name("DIR");

  CLI::App* tgo = app.add_subcommand(
      "tgo",
      "Call the host entry point TGO(6027) in the current directory, as a host program "
      "does (files named in NAMES.DAT), and print the value it returns.");

  const tavik::cli::Subcommand subcommands[] = {tavik::cli::Add_Plot_Command(app),
                                                tavik::cli::Add_Export_Command(app),
                                                tavik::cli::Add_Batch_Command(app)};

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e);
    return code == 0 ? kExitNormal : kExitUsage;
  }

  if (run->parsed()) return Run_Input(input, out_dir, json, plots_dir);
  for (const tavik::cli::Subcommand& subcommand : subcommands) {
    if (!subcommand.command->parsed()) continue;
    try {
      return subcommand.run();
    } catch (const std::exception& e) {  // a file system or memory failure of the command
      std::fprintf(stderr, "tavik: %s\n", e.what());
      return kExitRuntimeError;
    }
  }
  if (tgo->parsed()) {
    const int32_t status = TGO(tavik::kInterfaceVersion);
    std::printf("%d\n", static_cast<int>(status));
    if (status <= 0) return kExitNormal;
    return (status >= 100 && status <= 199) ? kExitInputError : kExitRuntimeError;
  }
  return kExitUsage;
}
