// Cost of the lateral analysis: whole analyses of an elastic steel pipe pile (24 in, EI =
// 2.9e10 lb-in**2, 50 ft) in soft clay with five load cases of growing head shear, at 100
// and 500 pile increments, reported as the time per load case and per iteration (medians
// over repetitions); and the finite-difference solution alone at 100 to 500 increments,
// whose cost must grow linearly with the number of nodes (banded recurrence, O(N)).
//
// The pile-head studies after those load cases (the stiffness matrix, the length study of
// load case 3) are reported as the time per study case, to compare with the time per load
// case: a study is a string of analyses of the same kind.
//
// The counter allocs_per_iteration counts heap allocations made inside the iteration loop
// of one load case (solve, progress line, p-y moduli, EI update) once the run's text
// buffers have their size, which must be zero.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "analysis/analyse_load_cases.h"
#include "analysis/head_stiffness_matrix.h"
#include "analysis/lateral_analysis.h"
#include "analysis/pile_length_study.h"
#include "analysis/solve_beam_column.h"
#include "counting_allocator.h"
#include "profile/pile_discretisation.h"
#include "run/run_context.h"
#include "run/unit_labels.h"

namespace {

using tavik::LoadCase;
using tavik::RunContext;

constexpr int kLoadCases = 5;
constexpr int kSoftClayIndex = 1;       // soil type index of "SoftClay"
constexpr double kPileLength = 600.0;   // in
constexpr double kEI = 2.9e10;          // lb-in**2
constexpr double kInertia = 1000.0;     // in**4
constexpr double kDiameter = 24.0;      // in
constexpr double kArea = 30.0;          // in**2
constexpr double kCohesion = 5.0;       // psi (720 psf)
constexpr double kUnitWeight = 0.0174;  // pci (30 pcf)
constexpr double kEpsilon50 = 0.01;
constexpr double kFirstShear = 5000.0;  // lbs; case c carries c times this
constexpr const char* kNullDevice = "/dev/null";

// The problem data of the pile, in internal units (inches, pounds).
void Set_Pipe_Pile_In_Soft_Clay(RunContext& run, int increments) {
  tavik::ProblemData& p = run.Problem;
  p.IUNITS = tavik::kUnitsUSCustomary;
  tavik::Set_Unit_Labels(run.Units, p.IUNITS);
  tavik::AnalysisOptions& o = p.Options;
  o.ICOM = tavik::kFullAnalysis;
  o.MaxIterations = 100;
  o.ConvergenceTolerance = 1.0e-5;
  o.ExcessDeflectionLimit = 100.0;
  o.NumIncrements = increments;
  o.PrintIncrement = 1;
  p.NumSections = 1;
  tavik::PileSection& s = p.Sections[0];
  s.SectionType = tavik::kElastic;
  s.ElasticShape = tavik::kShapePipe;
  s.SectionLength = kPileLength;
  s.SectionBottomDepth = kPileLength;
  s.ElasticModulus = kEI / kInertia;
  p.PileLength = kPileLength;
  tavik::PilePropertyTable& t = p.PileProperties;
  t.NumPoints = 2;
  for (int k = 0; k < 2; ++k) {
    t.PileStation[k] = k * kPileLength;
    t.PileWidth[k] = kDiameter;
    t.PileArea[k] = kArea;
    t.PileInertia[k] = kInertia;
    t.PileModulus[k] = kEI / kInertia;
  }
  p.i_Number_of_Layers = 1;
  tavik::SoilLayer& layer = p.Layers[0];
  layer.SoilTypeIndex = kSoftClayIndex;
  layer.XLayerBottom = 1.2 * kPileLength;
  for (tavik::SoilPropertyPoint* point : {&layer.Top, &layer.Bottom}) {
    point->EffectiveUnitWeight = kUnitWeight;
    point->Cohesion = kCohesion;
    point->Epsilon50 = kEpsilon50;
  }
  p.NumLoadCases = kLoadCases;
  for (int c = 0; c < kLoadCases; ++c) {
    p.LoadCases[c] = LoadCase{tavik::kLoadShearMoment, kFirstShear * (c + 1), 0.0, 0.0, false};
  }
}

std::unique_ptr<RunContext> Make_Run(int increments) {
  auto run = std::make_unique<RunContext>();
  run->Report.Open(kNullDevice);
  run->Plot.Open(kNullDevice);
  run->Messages.Open(kNullDevice);
  Set_Pipe_Pile_In_Soft_Clay(*run, increments);
  return run;
}

// Allocations made by the iteration loop of load case 3, after its setup. The loop runs
// twice on the same run: the first pass lets the text channels grow their line buffers to
// the width of the progress lines (a one-time cost of the run); the second is counted.
long long Allocations_In_Iteration(int increments, int& iterations) {
  auto run = Make_Run(increments);
  tavik::Start_Pile_Discretisation(*run);
  long long allocations = 0;
  for (int pass = 0; pass < 2; ++pass) {
    tavik::Discretise_Pile(*run);
    tavik::Clear_Deflections(run->Nodes);
    tavik::Set_Trial_Soil_Moduli(*run);
    tavik::Set_Head_Conditions(*run, run->Problem.LoadCases[2]);
    const long long before = tavik_bench::Allocation_Count();
    tavik::Iterate_Load_Case(*run, 3, true);
    allocations = tavik_bench::Allocation_Count() - before;
  }
  iterations = run->Analysis.Iteration;
  return allocations;
}

// Whole analyses; counters: seconds per load case and per iteration.
void BM_LateralAnalysis(benchmark::State& state) {
  const int increments = static_cast<int>(state.range(0));
  long long cases = 0;
  long long iterations = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto run = Make_Run(increments);
    state.ResumeTiming();
    tavik::Run_Lateral_Analysis(*run);
    state.PauseTiming();
    if (run->Status.Has_Error()) {
      state.SkipWithError("the analysis ended on an error");
      break;
    }
    for (int c = 1; c <= kLoadCases; ++c) iterations += run->Analysis.Cases[c].Iterations;
    cases += kLoadCases;
    run.reset();
    state.ResumeTiming();
  }
  using benchmark::Counter;
  state.counters["per_load_case"] =
      Counter(static_cast<double>(cases), Counter::kIsRate | Counter::kInvert);
  state.counters["per_iteration"] =
      Counter(static_cast<double>(iterations), Counter::kIsRate | Counter::kInvert);
  state.counters["iterations_per_case"] =
      Counter(static_cast<double>(iterations) / static_cast<double>(cases ? cases : 1));
  int loop_iterations = 0;
  const long long allocations = Allocations_In_Iteration(increments, loop_iterations);
  state.counters["allocs_per_iteration"] =
      Counter(static_cast<double>(allocations) / (loop_iterations ? loop_iterations : 1));
}
BENCHMARK(BM_LateralAnalysis)
    ->Arg(100)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// The load cases of the run once (setup, not timed), for the studies that follow them.
std::unique_ptr<RunContext> Analysed_Run(int increments) {
  auto run = Make_Run(increments);
  tavik::Run_Lateral_Analysis(*run);
  return run;
}

// Solutions and iterations of one call of `study` after the load cases, counted from the
// progress lines of the run-message file (one per iteration, the counter restarting at 1
// for each solution).
struct StudyCount {
  long long solutions = 0;
  long long iterations = 0;
};
StudyCount Count_Study(int increments, void (*study)(RunContext&)) {
  auto run = Analysed_Run(increments);
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("tavik_bench_" + std::to_string(::getpid()) + ".msg"))
                               .string();
  run->Messages.Open(path);
  study(*run);
  run->Messages.Close();
  StudyCount count;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("Analysis Case ", 0) != 0) continue;
    ++count.iterations;
    if (line.find("Iteration 1,") != std::string::npos) ++count.solutions;
  }
  std::filesystem::remove(path);
  return count;
}

// Runs `study` after the load cases; counters: seconds per study case (one analysis of the
// study) and per iteration, the iterations and the heap allocations per study case.
void Time_Study(benchmark::State& state, void (*study)(RunContext&)) {
  const int increments = static_cast<int>(state.range(0));
  const StudyCount count = Count_Study(increments, study);
  auto run = Analysed_Run(increments);
  long long calls = 0;
  for (auto _ : state) {
    study(*run);
    if (run->Status.Has_Error()) {
      state.SkipWithError("the study ended on an error");
      break;
    }
    ++calls;
  }
  // Heap allocations of one more call, the channels' line buffers having their size.
  const long long before = tavik_bench::Allocation_Count();
  study(*run);
  const long long allocations = tavik_bench::Allocation_Count() - before;
  using benchmark::Counter;
  state.counters["allocs_per_study_case"] = Counter(
      static_cast<double>(allocations) / static_cast<double>(std::max(1LL, count.solutions)));
  state.counters["per_study_case"] =
      Counter(static_cast<double>(calls * count.solutions), Counter::kIsRate | Counter::kInvert);
  state.counters["per_iteration"] =
      Counter(static_cast<double>(calls * count.iterations), Counter::kIsRate | Counter::kInvert);
  state.counters["iterations_per_case"] = Counter(
      static_cast<double>(count.iterations) / static_cast<double>(std::max(1LL, count.solutions)));
}

// The pile-head stiffness matrix after the five load cases: twenty analyses, ten fixed-head
// shears up to the 5 kips of load case 1 and ten restrained-head moments up to the default
// 100 in-lbs.
void BM_HeadStiffnessMatrix(benchmark::State& state) {
  Time_Study(state, [](RunContext& run) { tavik::Compute_Head_Stiffness_Matrix(run); });
}
BENCHMARK(BM_HeadStiffnessMatrix)
    ->Arg(100)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// The pile-length study of load case 3 (15 kips): trial lengths from the input length down
// until one fails to converge or deflects too far.
void BM_PileLengthStudy(benchmark::State& state) {
  Time_Study(state, [](RunContext& run) { tavik::Pile_Length_Study(run, 3); });
}
BENCHMARK(BM_PileLengthStudy)
    ->Arg(100)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// One finite-difference solution (elimination, head system, back-substitution) of the pile
// with the moduli of the trial step; fitted against N.
void BM_SolveBeamColumn(benchmark::State& state) {
  const int increments = static_cast<int>(state.range(0));
  auto run = Make_Run(increments);
  tavik::Start_Pile_Discretisation(*run);
  tavik::Discretise_Pile(*run);
  tavik::Set_Trial_Soil_Moduli(*run);
  tavik::Set_Head_Conditions(*run, run->Problem.LoadCases[0]);
  for (auto _ : state) {
    tavik::Solve_Beam_Column(*run);
    benchmark::DoNotOptimize(run->Nodes.rd_Y.data());
    benchmark::ClobberMemory();
  }
  state.SetComplexityN(increments + 1);
}
BENCHMARK(BM_SolveBeamColumn)
    ->DenseRange(100, 500, 100)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
