// The figures and the page of a run written into a folder: what `tavik plot` and
// `tavik run --plots` do once the run's files are read.
#ifndef TAVIK_RESULTS_RUN_PLOTS_H
#define TAVIK_RESULTS_RUN_PLOTS_H

#include <string>
#include <vector>

#include "results/figure_renderer.h"
#include "results/html_page.h"
#include "results/results_model.h"

namespace tavik::results {

struct PlotsWritten {
  bool ok = false;
  std::string error;               // on failure: what could not be written
  std::vector<std::string> files;  // the figure files written, in page order
  std::string page;                // DIR/index.html
};

// Writes every figure of `results` into `dir` (created when missing) as NAME.svg, .png or
// .pdf, then DIR/index.html with the figures embedded (the png files in png format, svg
// drawings otherwise: a browser cannot show a pdf inline). Stops at the first file that
// cannot be written. Never throws.
PlotsWritten Write_Run_Plots(const RunResults& results, const PageHead& head,
                             const std::string& dir, FigureFormat format);

// How a run ended, from its run-message file: the closing lines ("The analysis ended ..."),
// preceded by the heading of the error block when the run ended on an error. Empty when the
// file cannot be read or holds no closing line.
std::string Outcome_From_Messages(const std::string& messages_path);

}  // namespace tavik::results

#endif  // TAVIK_RESULTS_RUN_PLOTS_H
