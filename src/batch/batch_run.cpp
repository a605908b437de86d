// The batch runner: output plan, shards, the worker pool and the CSV summary.
#include "batch/batch_run.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <map>
#include <thread>

#include "results/plot_file_reader.h"

namespace tavik::batch {

namespace fs = std::filesystem;

namespace {

// Progress is reported at most this often while the runs go on.
constexpr auto kProgressInterval = std::chrono::milliseconds(200);

// Error number ranges of the run status: 100 + n input errors, 200 + n runtime errors.
constexpr int kFirstInputError = 100;
constexpr int kLastInputError = 199;
constexpr int kInternalErrorNumber = 999;

// The depth of the first node whose value (picked by `value`) equals `target`; the summary
// and the node table print the same number, so the comparison is exact. When no node shows
// it (a table cut short), the node of largest magnitude.
template <typename Value>
double Depth_Of(const std::vector<results::NodeRow>& nodes, double target, Value value) {
  for (const results::NodeRow& node : nodes) {
    if (value(node) == target) return node.depth;
  }
  const auto largest = std::max_element(nodes.begin(), nodes.end(),
                                        [&](const results::NodeRow& a, const results::NodeRow& b) {
                                          return std::fabs(value(a)) < std::fabs(value(b));
                                        });
  return largest == nodes.end() ? std::nan("") : largest->depth;
}

InputResult Internal_Error_Result(const RunPaths& paths) {
  InputResult result;
  result.paths = paths;
  result.end = RunEnd::kInternalError;
  result.outcome.status = kInternalErrorNumber;
  result.outcome.error_number = kInternalErrorNumber;
  result.outcome.error_meaning = "internal error of the batch runner";
  return result;
}

// Shortest text that reads back as the same double: the number as the plot file held it.
std::string Number_Text(double x) {
  if (std::isnan(x)) return "";
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, x);
  return std::string(text, result.ptr);
}

// A CSV field, quoted when it holds a comma, a quote or a line end.
std::string Csv_Field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

OutputPlan Plan_Outputs(const std::vector<std::string>& inputs, const std::string& out_dir) {
  OutputPlan plan;
  // Output stem (absolute, normalised) -> index of the input that claimed it.
  std::map<std::string, std::size_t> claimed;
  plan.runs.reserve(inputs.size());
  for (std::size_t k = 0; k < inputs.size(); ++k) {
    const fs::path input(inputs[k]);
    const fs::path folder = out_dir.empty() ? input.parent_path() : fs::path(out_dir);
    const std::string stem = (folder / input.stem()).string();
    std::error_code ignored;
    const std::string key = fs::absolute(stem, ignored).lexically_normal().string();
    const auto [where, fresh] = claimed.emplace(key, k);
    if (!fresh) {
      plan.runs.clear();
      plan.error = "inputs " + inputs[where->second] + " and " + inputs[k] +
                   " would write the same output files " + stem +
                   ".out/.plt/.msg; give them different names or run them into different "
                   "folders";
      return plan;
    }
    RunPaths paths;
    paths.input = inputs[k];
    paths.report = stem + ".out";
    paths.plot = stem + ".plt";
    paths.messages = stem + ".msg";
    plan.runs.push_back(std::move(paths));
  }
  return plan;
}

ShardRange Shard_Range(std::size_t size, int index, int count) {
  const auto n = static_cast<std::size_t>(count);
  const auto i = static_cast<std::size_t>(index);
  return {(i - 1) * size / n, i * size / n};
}

std::optional<ShardRange> Parse_Shard(const std::string& text, std::size_t size) {
  const std::size_t slash = text.find('/');
  if (slash == std::string::npos) return std::nullopt;
  int index = 0;
  int count = 0;
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  const auto first = std::from_chars(begin, begin + slash, index);
  if (first.ec != std::errc() || first.ptr != begin + slash) return std::nullopt;
  const auto second = std::from_chars(begin + slash + 1, end, count);
  if (second.ec != std::errc() || second.ptr != end) return std::nullopt;
  if (count < 1 || index < 1 || index > count) return std::nullopt;
  return Shard_Range(size, index, count);
}

RunEnd Run_End_Of(const RunOutcome& outcome) {
  const int e = outcome.error_number;
  if (e == 0) return outcome.warnings.empty() ? RunEnd::kNormal : RunEnd::kWarnings;
  if (e >= kFirstInputError && e <= kLastInputError) return RunEnd::kInputError;
  if (e == kInternalErrorNumber) return RunEnd::kInternalError;
  return RunEnd::kRuntimeError;
}

const char* RunEnd_Name(RunEnd end) {
  switch (end) {
    case RunEnd::kNormal:
      return "normal";
    case RunEnd::kWarnings:
      return "warnings";
    case RunEnd::kInputError:
      return "input_error";
    case RunEnd::kRuntimeError:
      return "runtime_error";
    case RunEnd::kInternalError:
      return "internal_error";
    case RunEnd::kResultsUnreadable:
      return "results_unreadable";
  }
  return "";
}

const char* Units_Name(results::UnitSystem units) {
  switch (units) {
    case results::UnitSystem::kUSCustomary:
      return "us_customary";
    case results::UnitSystem::kSI:
      return "si";
    case results::UnitSystem::kGeneral:
      return "general";
  }
  return "";
}

std::vector<CaseSummaryRow> Summarise_Load_Cases(const results::RunResults& results) {
  std::vector<CaseSummaryRow> rows;
  for (const results::LoadCaseResults& lc : results.load_cases) {
    if (!lc.summary) continue;
    CaseSummaryRow row;
    row.load_case = lc.number;
    row.head_deflection = lc.summary->head_deflection;
    row.head_rotation = lc.summary->head_rotation;
    row.max_moment = lc.summary->max_moment;
    row.max_shear = lc.summary->max_shear;
    row.max_moment_depth =
        Depth_Of(lc.nodes, row.max_moment, [](const results::NodeRow& n) { return n.moment; });
    row.max_shear_depth =
        Depth_Of(lc.nodes, row.max_shear, [](const results::NodeRow& n) { return n.shear; });
    rows.push_back(row);
  }
  return rows;
}

void Remove_Old_Outputs(const RunPaths& paths) {
  for (const std::string* output : {&paths.report, &paths.plot, &paths.messages}) {
    std::error_code ignored;
    fs::remove(*output, ignored);
  }
}

InputResult Run_One(const RunPaths& paths) {
  InputResult result;
  result.paths = paths;
  Remove_Old_Outputs(paths);
  result.outcome = Run_Analysis(paths);
  result.end = Run_End_Of(result.outcome);
  if (result.outcome.error_number != 0) return result;
  results::ReadResult read = results::Read_Results(paths.plot);
  if (!read.ok) {
    result.end = RunEnd::kResultsUnreadable;
    result.results_error = read.error;
    return result;
  }
  result.units = read.results.head.units;
  result.cases = Summarise_Load_Cases(read.results);
  return result;
}

std::vector<InputResult> Run_Batch(const std::vector<RunPaths>& runs, int threads,
                                   const ProgressFn& progress) {
  std::vector<InputResult> results(runs.size());
  if (runs.empty()) {
    if (progress) progress(0, 0);
    return results;
  }
  const std::size_t workers =
      std::clamp<std::size_t>(threads < 1 ? 1 : static_cast<std::size_t>(threads), 1, runs.size());
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> done{0};
  {
    std::vector<std::jthread> pool;
    pool.reserve(workers);
    for (std::size_t w = 0; w < workers; ++w) {
      pool.emplace_back([&] {
        for (std::size_t k = next.fetch_add(1); k < runs.size(); k = next.fetch_add(1)) {
          // Each slot of `results` is written by one worker only. The library API catches
          // everything inside a run; what is left (memory for the summary) counts as an
          // internal error of that input rather than ending the process.
          try {
            results[k] = Run_One(runs[k]);
          } catch (...) {
            results[k] = Internal_Error_Result(runs[k]);
          }
          done.fetch_add(1);
          done.notify_all();
        }
      });
    }
    if (progress) {
      auto last_report = std::chrono::steady_clock::now();
      std::size_t seen = 0;
      while (seen < runs.size()) {
        done.wait(seen);
        seen = done.load();
        const auto now = std::chrono::steady_clock::now();
        if (seen == runs.size() || now - last_report >= kProgressInterval) {
          progress(seen, runs.size());
          last_report = now;
        }
      }
    }
  }  // the jthreads join here
  return results;
}

bool All_Ended_Normally(const std::vector<InputResult>& results) {
  return std::all_of(results.begin(), results.end(), [](const InputResult& r) {
    return r.end == RunEnd::kNormal || r.end == RunEnd::kWarnings;
  });
}

void Write_Summary_Csv(std::ostream& out, const std::vector<InputResult>& results) {
  out << "input,status,return_value,message_code,units,load_case,head_deflection,"
         "head_rotation,max_moment,max_moment_depth,max_shear,max_shear_depth\n";
  for (const InputResult& r : results) {
    const std::string head = Csv_Field(r.paths.input) + ',' + RunEnd_Name(r.end) + ',' +
                             std::to_string(r.outcome.status) + ',' + r.outcome.message_code;
    if (r.cases.empty()) {
      out << head << ",,,,,,,,\n";
      continue;
    }
    for (const CaseSummaryRow& c : r.cases) {
      out << head << ',' << Units_Name(r.units) << ',' << c.load_case << ','
          << Number_Text(c.head_deflection) << ',' << Number_Text(c.head_rotation) << ','
          << Number_Text(c.max_moment) << ',' << Number_Text(c.max_moment_depth) << ','
          << Number_Text(c.max_shear) << ',' << Number_Text(c.max_shear_depth) << '\n';
    }
  }
}

}  // namespace tavik::batch
