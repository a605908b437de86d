// "tavik export RUN.plt [-o RUN.json]": a run's plot file (with its report, when there is one)
// as JSON; and the same export for "tavik run INPUT --json".
#ifndef TAVIK_CLI_EXPORT_COMMAND_H
#define TAVIK_CLI_EXPORT_COMMAND_H

#include <string>

#include "subcommand.h"

namespace tavik::cli {

// Exit codes of an export, beside those of a run (0 normal end, 1 input error, 2 runtime
// error, 64 wrong usage).
inline constexpr int kExitPlotFileUnreadable = 3;  // missing, unreadable or malformed plot file
inline constexpr int kExitOutputNotWritten = 4;    // the JSON file cannot be written

struct ExportOutcome {
  int exit_code = 0;
  std::string message;  // the reason when exit_code is not 0
  bool report_used = false;
};

// Reads `plot_path` and, when `report_path` names a file that opens, its report, and writes
// the JSON of the results to `json_path`. Never throws.
ExportOutcome Export_Results_Json(const std::string& plot_path, const std::string& report_path,
                                  const std::string& json_path);

// "tavik run --json", after the run: when it ended normally, writes `json_path` from its
// plot file and report and returns the note "; JSON: PATH" for the outcome line (on failure
// the note is empty, `problem` says why and `exit_code` becomes 3 or 4). A run that ended on
// an error has no results to rely on (its plot file stops where the error came): no JSON is
// written, one left by an earlier run of the same name is removed so that it cannot pass
// for this run's, and the note says so.
std::string Json_After_Run(bool ended_normally, const std::string& plot_path,
                           const std::string& report_path, const std::string& json_path,
                           int& exit_code, std::string& problem);

// Adds the "export" subcommand to `app`. When it is the command given, parsing runs it
// (printing one line) and sets `exit_code`; otherwise `exit_code` is left alone.
Subcommand Add_Export_Command(CLI::App& app);

}  // namespace tavik::cli

#endif  // TAVIK_CLI_EXPORT_COMMAND_H
