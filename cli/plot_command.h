// `tavik plot` and the `--plots` option of `tavik run`: the figures and the page of a run,
// drawn from its plot file (and its report and run-message file when they are beside it).
#ifndef TAVIK_CLI_PLOT_COMMAND_H
#define TAVIK_CLI_PLOT_COMMAND_H

#include <string>

#include "subcommand.h"

namespace tavik::cli {

// `tavik plot RUN.plt --out DIR [--format svg|png|pdf]`, registered on `app`.
// `tavik plot RUN.plt --out DIR [--format svg|png|pdf]`: reads the run's files, writes the
// figures and DIR/index.html and says where the page is. Exit code: 0 written, 3 the plot file
// is missing or cannot be read, 4 a figure or the page cannot be written.
Subcommand Add_Plot_Command(CLI::App& app);

// After `tavik run INPUT --plots DIR`: the figures (svg) and the page of the run just made,
// whose outcome line is `outcome`. A run that wrote no readable plot file still gets its page
// (the outcome, no figure). Prints where the page is; returns false when it cannot be written.
bool Write_Plots_Of_Run(const std::string& plot_path, const std::string& report_path,
                        const std::string& outcome, const std::string& dir);

}  // namespace tavik::cli

#endif  // TAVIK_CLI_PLOT_COMMAND_H
