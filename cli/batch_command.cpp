// tavik batch: runs many input data files on worker threads of this one process, writes each
// run's files as `tavik run` does, and a CSV summary of the pile-head results of every load
// case.
//
// Exit codes: 0 every run (of the shard) ended normally, with or without warnings; 1 at least
// one run ended on an error or left a plot file that could not be read back; 2 the batch
// itself failed (no thread could be started, out of memory); 4 the summary file could not be
// written; 64 wrong usage (options, an unreadable list file, two inputs that would write the
// same output files, a malformed shard).
#include "batch_command.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "batch/batch_run.h"

namespace tavik::cli {

namespace {

constexpr int kExitAllNormal = 0;
constexpr int kExitSomeFailed = 1;
constexpr int kExitSummaryNotWritten = 4;
constexpr int kExitBatchFailed = 2;
constexpr int kExitUsage = 64;

struct BatchOptions {
  std::vector<std::string> inputs;
  std::string list_file;
  int threads = 0;  // 0: one per hardware thread
  std::string out_dir;
  std::string summary;
  std::string shard;
};

// The inputs named in a list file: one path per line; blank lines and lines starting with
// '#' are skipped; trailing blanks and carriage returns are removed. Relative paths are taken
// from the current folder, as they would be on the command line.
bool Read_List_File(const std::string& path, std::vector<std::string>& inputs) {
  std::ifstream in(path);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t end = line.find_last_not_of(" \t\r");
    if (end == std::string::npos) continue;
    line.erase(end + 1);
    const std::size_t begin = line.find_first_not_of(" \t");
    if (line[begin] == '#') continue;
    inputs.push_back(line.substr(begin));
  }
  return !in.bad();
}

std::string Describe_Failure(const batch::InputResult& r) {
  if (r.end == batch::RunEnd::kResultsUnreadable) {
    return "ended normally but its plot file could not be read back: " + r.results_error;
  }
  return Describe_Outcome(r.outcome);
}

int Run_Batch_Unguarded(const BatchOptions& options) {
  namespace fs = std::filesystem;
  std::vector<std::string> inputs = options.inputs;
  if (!options.list_file.empty() && !Read_List_File(options.list_file, inputs)) {
    std::fprintf(stderr, "tavik batch: cannot read the list file %s\n", options.list_file.c_str());
    return kExitUsage;
  }
  // Output names are checked over the whole list, so that the shards of one list run on
  // several hosts into one shared folder cannot overwrite each other's files either.
  batch::OutputPlan plan = batch::Plan_Outputs(inputs, options.out_dir);
  if (!plan.error.empty()) {
    std::fprintf(stderr, "tavik batch: %s\n", plan.error.c_str());
    return kExitUsage;
  }
  batch::ShardRange shard{0, plan.runs.size()};
  if (!options.shard.empty()) {
    const auto parsed = batch::Parse_Shard(options.shard, plan.runs.size());
    if (!parsed) {
      std::fprintf(stderr, "tavik batch: --shard wants i/n with 1 <= i <= n, not %s\n",
                   options.shard.c_str());
      return kExitUsage;
    }
    shard = *parsed;
  }
  const std::vector<RunPaths> runs(plan.runs.begin() + static_cast<std::ptrdiff_t>(shard.first),
                                   plan.runs.begin() + static_cast<std::ptrdiff_t>(shard.last));
  // A named output folder is created when missing; one that cannot be made shows up as each
  // run's error for an output file that cannot be created.
  if (!options.out_dir.empty()) {
    std::error_code ignored;
    fs::create_directories(options.out_dir, ignored);
  }

  const int threads = options.threads > 0
                          ? options.threads
                          : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  batch::ProgressFn progress;
  const bool terminal = ::isatty(STDERR_FILENO) == 1;
  if (terminal) {
    progress = [](std::size_t done, std::size_t total) {
      std::fprintf(stderr, "\rtavik batch: %zu of %zu runs done", done, total);
      if (done == total) std::fputc('\n', stderr);
      std::fflush(stderr);
    };
  }
  const std::vector<batch::InputResult> results = batch::Run_Batch(runs, threads, progress);

  std::size_t failed = 0;
  for (const batch::InputResult& r : results) {
    if (r.end == batch::RunEnd::kNormal || r.end == batch::RunEnd::kWarnings) continue;
    ++failed;
    std::printf("tavik batch: %s %s\n", r.paths.input.c_str(), Describe_Failure(r).c_str());
  }
  std::printf("tavik batch: %zu runs, %zu ended normally, %zu did not\n", results.size(),
              results.size() - failed, failed);

  if (!options.summary.empty()) {
    std::ofstream out(options.summary);
    if (out) batch::Write_Summary_Csv(out, results);
    out.close();
    if (!out) {
      std::fprintf(stderr, "tavik batch: cannot write the summary %s\n", options.summary.c_str());
      return kExitSummaryNotWritten;
    }
  }
  return failed == 0 ? kExitAllNormal : kExitSomeFailed;
}

// No exception leaves the command: a failure of the batch machinery itself is reported with
// its own exit code.
int Run_Batch_Command(const BatchOptions& options) {
  try {
    return Run_Batch_Unguarded(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tavik batch: the batch could not run: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "tavik batch: the batch could not run\n");
  }
  return kExitBatchFailed;
}

}  // namespace

Subcommand Add_Batch_Command(CLI::App& app) {
  auto options = std::make_shared<BatchOptions>();
  CLI::App* command = app.add_subcommand(
      "batch",
      "Analyse many inputs on N threads of this process; write each run's STEM.out, STEM.plt "
      "and STEM.msg as `run` does and, with --summary, a CSV row per input and load case. "
      "Exit codes: 0 every run ended normally, 1 some did not, 2 the batch itself failed, 4 "
      "the summary could not be written, 64 wrong usage.");
  CLI::Option* inputs = command->add_option("INPUT", options->inputs, "keyword input data files");
  CLI::Option* list =
      command
          ->add_option("--list", options->list_file,
                       "file naming the inputs, one per line ('#' starts a comment line)")
          ->type_name("FILE");
  inputs->excludes(list);
  list->excludes(inputs);
  command
      ->add_option("-j,--jobs", options->threads,
                   "worker threads (default: one per hardware thread)")
      ->type_name("N")
      ->check(CLI::PositiveNumber);
  command
      ->add_option("--out-dir", options->out_dir,
                   "folder for every run's files (default: beside each input)")
      ->type_name("DIR");
  command->add_option("--summary", options->summary, "write the CSV summary to FILE")
      ->type_name("FILE");
  command
      ->add_option("--shard", options->shard,
                   "run only part i of n (1 <= i <= n) of the list: the i-th of n "
                   "contiguous blocks of nearly equal size")
      ->type_name("i/n");
  command->callback([inputs, list] {
    if (inputs->count() == 0 && list->count() == 0) {
      throw CLI::ValidationError("batch", "give INPUT files or --list FILE");
    }
  });
  return {command, [options] { return Run_Batch_Command(*options); }};
}

}  // namespace tavik::cli
