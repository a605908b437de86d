// What the subcommands of the program share: the parser and action every one gives main(),
// the file beside a plot file, and how a run ended in words.
#ifndef TAVIK_CLI_SUBCOMMAND_H
#define TAVIK_CLI_SUBCOMMAND_H

#include <CLI/CLI.hpp>

#include <filesystem>
#include <functional>
#include <string>

#include "tavik/tavik.h"

namespace tavik::cli {

struct Subcommand {
  CLI::App* command = nullptr;
  std::function<int()> run;  // runs the parsed command and returns the program's exit code
};

// The report beside a plot file (same folder and stem, extension ".out").
inline std::string Report_Beside(const std::filesystem::path& plot) {
  return std::filesystem::path(plot).replace_extension(".out").string();
}

// How a run ended, in the words of the program's outcome lines: "ended normally", "ended
// normally with warnings 3041, 305", or "ended on input error 112 (INP00012): ...".
std::string Describe_Outcome(const RunOutcome& outcome);

}  // namespace tavik::cli

#endif  // TAVIK_CLI_SUBCOMMAND_H
