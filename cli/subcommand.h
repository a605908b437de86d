// What every subcommand of the program gives main(): its parser and the action that runs
// once the command line is parsed.
#ifndef TAVIK_CLI_SUBCOMMAND_H
#define TAVIK_CLI_SUBCOMMAND_H

#include <CLI/CLI.hpp>

#include <filesystem>
#include <functional>
#include <string>

namespace tavik::cli {

struct Subcommand {
  CLI::App* command = nullptr;
  std::function<int()> run;  // runs the parsed command and returns the program's exit code
};

// The report beside a plot file (same folder and stem, extension ".out").
inline std::string Report_Beside(const std::filesystem::path& plot) {
  return std::filesystem::path(plot).replace_extension(".out").string();
}

}  // namespace tavik::cli

#endif  // TAVIK_CLI_SUBCOMMAND_H
