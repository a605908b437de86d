// The `batch` subcommand of the command-line program: many inputs on worker threads.
#ifndef TAVIK_CLI_BATCH_COMMAND_H
#define TAVIK_CLI_BATCH_COMMAND_H

#include "subcommand.h"

namespace tavik::cli {

// Adds `batch` to `app`.
Subcommand Add_Batch_Command(CLI::App& app);

}  // namespace tavik::cli

#endif  // TAVIK_CLI_BATCH_COMMAND_H
