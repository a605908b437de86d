// The page of a run (DIR/index.html): its outcome line, the summary of every load case and
// every figure, in one self-contained file (figures embedded as data URIs, styles inline, no
// script, nothing fetched when it is viewed), laid out for the screen and for A4 paper.
#ifndef TAVIK_RESULTS_HTML_PAGE_H
#define TAVIK_RESULTS_HTML_PAGE_H

#include <string>
#include <vector>

#include "results/results_model.h"

namespace tavik::results {

// One figure as the page embeds it.
struct PageFigure {
  std::string title;
  std::string file_name;  // the figure's own file beside the page, linked from its caption
  std::string mime_type;  // "image/svg+xml" or "image/png"
  std::string bytes;      // the image file's content
  bool portrait = false;  // drawn half the page wide
};

struct PageHead {
  std::string run_name;      // the run's file stem, e.g. "drilled_shaft_clay_over_sand"
  std::string outcome;       // how the run ended, one line
  std::string source_files;  // the files the results were read from, e.g. "run.plt, run.out"
  std::string note;          // shown under the outcome when not empty (results not readable)
};

// The page's HTML text. Pure; never fails.
std::string Html_Page(const RunResults& results, const PageHead& head,
                      const std::vector<PageFigure>& figures);

}  // namespace tavik::results

#endif  // TAVIK_RESULTS_HTML_PAGE_H
