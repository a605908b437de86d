// Reading a run's plot file (and, when given, its report) back into a `RunResults`.
#ifndef TAVIK_RESULTS_PLOT_FILE_READER_H
#define TAVIK_RESULTS_PLOT_FILE_READER_H

#include <iosfwd>
#include <string>

#include "results/results_model.h"

namespace tavik::results {

struct ReadResult {
  bool ok = false;
  std::string error;  // on failure: the file, the line number and what is wrong there
  RunResults results;
};

// Reads the plot file at `plot_path`. When `report_path` is not empty and the report can be
// opened, the slope, soil spring and distributed load of every node are taken from its load
// case tables; a missing report leaves them empty. Never throws; a malformed or truncated
// file gives ok = false and an error naming the line.
ReadResult Read_Results(const std::string& plot_path, const std::string& report_path = "");

// Reads plot-file text held in memory, without a report; `name` stands for the file in the
// error messages. Never throws.
ReadResult Read_Plot_Text(const std::string& text, const std::string& name);

}  // namespace tavik::results

#endif  // TAVIK_RESULTS_PLOT_FILE_READER_H
