// The `batch` subcommand of the command-line program: many inputs on worker threads.
#ifndef TAVIK_CLI_BATCH_COMMAND_H
#define TAVIK_CLI_BATCH_COMMAND_H

#include <CLI/CLI.hpp>

#include <functional>

namespace tavik::cli {

struct BatchCommand {
  CLI::App* command = nullptr;
  std::function<int()> run;  // runs the parsed command, returns the exit code
};

// Adds `batch` to `app`. After parsing, call `run` when `command->parsed()`.
BatchCommand Add_Batch_Command(CLI::App& app);

}  // namespace tavik::cli

#endif  // TAVIK_CLI_BATCH_COMMAND_H
