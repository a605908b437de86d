// Throughput of batch runs: analyses per second of a batch of whole runs (input read, report,
// plot and message files written, plot file read back for the summary) on 1 and 2 worker
// threads, for the bundled elastic pipe pile in soft clay and the drilled shaft in clay over
// sand. The runs share nothing, so 2 threads must give at least 1.8 times the rate of 1 on a
// machine with two free cores.
//
// The counter analyses_per_second is the rate over wall time (the workers run in parallel);
// us_per_analysis is its inverse, to compare with the Python path
// (bench/python_vs_batch.py).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "batch/batch_run.h"

namespace {

namespace fs = std::filesystem;

// Runs per batch: enough that the last runs of a batch, when one worker may idle, weigh
// little.
constexpr int kRunsPerBatch = 32;

// A scratch folder for the outputs of one benchmark, removed at the end.
class Scratch {
 public:
  explicit Scratch(const std::string& name)
      : path_(fs::temp_directory_path() /
              ("tavik_bench_" + name + "_" + std::to_string(::getpid()))) {
    fs::create_directories(path_);
  }
  ~Scratch() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

void BM_BatchThroughput(benchmark::State& state, const std::string& example) {
  const int threads = static_cast<int>(state.range(0));
  const std::string input = std::string(TAVIK_SOURCE_DIR) + "/examples/" + example + ".inp";
  Scratch scratch(example + "_" + std::to_string(threads));
  // One input file read by every run, each run writing its own three files.
  std::vector<tavik::RunPaths> runs;
  for (int k = 0; k < kRunsPerBatch; ++k) {
    const std::string stem = (scratch.path() / ("run" + std::to_string(k))).string();
    runs.push_back({input, stem + ".out", stem + ".plt", stem + ".msg"});
  }
  for (auto _ : state) {
    const std::vector<tavik::batch::InputResult> results = tavik::batch::Run_Batch(runs, threads);
    if (!tavik::batch::All_Ended_Normally(results)) {
      state.SkipWithError("a run of the batch did not end normally");
      break;
    }
    benchmark::DoNotOptimize(results.data());
  }
  const double analyses = static_cast<double>(state.iterations()) * kRunsPerBatch;
  state.counters["analyses_per_second"] = benchmark::Counter(analyses, benchmark::Counter::kIsRate);
  // The inverse of a rate of (analyses / 1e6) per second: microseconds per analysis.
  state.counters["us_per_analysis"] = benchmark::Counter(
      analyses / 1.0e6, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK_CAPTURE(BM_BatchThroughput, elastic_pipe_pile_soft_clay,
                  std::string("elastic_pipe_pile_soft_clay"))
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BatchThroughput, drilled_shaft_clay_over_sand,
                  std::string("drilled_shaft_clay_over_sand"))
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
