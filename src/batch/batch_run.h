// Many analyses at once: the output names of a list of inputs, the shard of a list that one
// job of a cluster array runs, a pool of worker threads that run the inputs through the
// library API (each run owns its state, so the workers share nothing but the index of the
// next input), and the pile-head summary of every load case read back from each run's plot
// file. The command-line program's `batch` command and the Python package use it.
#ifndef TAVIK_BATCH_BATCH_RUN_H
#define TAVIK_BATCH_BATCH_RUN_H

#include <cstddef>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "results/results_model.h"
#include "tavik/tavik.h"

namespace tavik::batch {

// The output files of each input, as `tavik run` names them: STEM.out, STEM.plt and STEM.msg
// in `out_dir`, or beside the input when `out_dir` is empty. Two inputs whose outputs would
// be the same files (the same stem in one folder, or one input listed twice) are refused:
// `error` names both and `runs` is empty.
struct OutputPlan {
  std::vector<RunPaths> runs;  // one per input, in the order of the list
  std::string error;
};
OutputPlan Plan_Outputs(const std::vector<std::string>& inputs, const std::string& out_dir);

// Shard `index` of `count` (1 <= index <= count) of a list of `size` items: the contiguous
// block [first, last) of items floor((index-1)*size/count) up to floor(index*size/count).
// The blocks of 1..count cover the list once, in order, and differ in size by at most one.
struct ShardRange {
  std::size_t first = 0;
  std::size_t last = 0;
};
ShardRange Shard_Range(std::size_t size, int index, int count);

// Parses "i/n" with 1 <= i <= n. Empty on anything else.
std::optional<ShardRange> Parse_Shard(const std::string& text, std::size_t size);

// How a run ended, as the summary names it.
enum class RunEnd {
  kNormal,             // ended normally, no warning
  kWarnings,           // ended normally with warnings
  kInputError,         // 100 + n
  kRuntimeError,       // 200 + n
  kInternalError,      // 999
  kResultsUnreadable,  // ended normally, but its plot file could not be read back
};
const char* RunEnd_Name(RunEnd end);

// How a run ended, from its outcome (never kResultsUnreadable).
RunEnd Run_End_Of(const RunOutcome& outcome);

// The pile-head summary of one load case, in the run's units (plot record "Line 13" and the
// node table "Line 10" of the case): the depths are those of the first node, from the head
// down, whose moment (shear) is the maximum of the summary.
struct CaseSummaryRow {
  int load_case = 0;
  double head_deflection = 0.0;
  double head_rotation = 0.0;
  double max_moment = 0.0;
  double max_moment_depth = 0.0;
  double max_shear = 0.0;
  double max_shear_depth = 0.0;
};

// One summary row per load case that has a pile-head summary, in load-case order.
std::vector<CaseSummaryRow> Summarise_Load_Cases(const results::RunResults& results);

// One input of a batch, after its run.
struct InputResult {
  RunPaths paths;
  RunOutcome outcome;
  RunEnd end = RunEnd::kNormal;
  results::UnitSystem units = results::UnitSystem::kUSCustomary;
  std::string results_error;          // the reader's error when end is kResultsUnreadable
  std::vector<CaseSummaryRow> cases;  // empty unless the run ended normally
};

// Removes the report, plot and message files of an earlier run, so that the run writes new
// files rather than truncating old ones: the file system flushes a truncated and rewritten
// file to disk when it is closed, and that disk traffic, shared by all workers, would
// dominate a batch re-run into the same folder. Missing files are no error.
void Remove_Old_Outputs(const RunPaths& paths);

// Removes the old outputs, runs one input and, when it ended normally, reads its plot file
// back for the summary.
InputResult Run_One(const RunPaths& paths);

// Called on the calling thread of Run_Batch with the number of runs finished and the total,
// at most a few times a second and once at the end.
using ProgressFn = std::function<void(std::size_t done, std::size_t total)>;

// Runs every input on `threads` worker threads (at least one, at most one per input), each
// pulling the next input from a shared index. Results in the order of `runs`.
std::vector<InputResult> Run_Batch(const std::vector<RunPaths>& runs, int threads,
                                   const ProgressFn& progress = nullptr);

// True when every run ended normally (with or without warnings).
bool All_Ended_Normally(const std::vector<InputResult>& results);

// The CSV summary: a header line, then one row per input and load case; an input without
// load-case results (an error, a stiffness-only run) gets one row with empty values.
// Columns: input, status, return_value, message_code, units, load_case, head_deflection,
// head_rotation, max_moment, max_moment_depth, max_shear, max_shear_depth.
void Write_Summary_Csv(std::ostream& out, const std::vector<InputResult>& results);

// Unit system names of the summary: "us_customary", "si", "general".
const char* Units_Name(results::UnitSystem units);

}  // namespace tavik::batch

#endif  // TAVIK_BATCH_BATCH_RUN_H
