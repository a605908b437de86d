// Cost of the section engine, which dominates a run with nonlinear sections: the
// moment-curvature tables of a stiffness-only run (report and plot file to /dev/null), with
// the sections of the engine's tests (tests/sections/section_fixture.cpp), for
//   - a 36-in drilled shaft with 24 #8 bars at 2 and at 100 axial thrusts,
//   - a pile of 20 such sections at 100 thrusts (the largest run the tables allow),
//   - a 24-in steel pipe and an 18-in prestressed square pile at 100 thrusts;
// reported as the time per run, per curve point and per neutral-axis evaluation (a
// counted evaluation of the sliced section's axial force), and one evaluation alone.
//
// The counter allocs_in_curve_loop counts the heap allocations of the per-point work of one
// curve (neutral axis search, maxima, moment) for 150 points, which must be zero.
#include <benchmark/benchmark.h>

#include <memory>

#include "counting_allocator.h"
#include "run/run_context.h"
#include "run/unit_labels.h"
#include "sections/moment_curvature.h"
#include "sections/section_fixture.h"
#include "sections/section_slicing.h"
#include "sections/section_stiffness.h"

namespace {

using tavik::PileSection;
using tavik::RunContext;

constexpr const char* kNullDevice = "/dev/null";
enum class Kind { kDrilledShaft, kSteelPipe, kPrestressedSquare };

// Thrusts (kips) spread over most of the section's axial range.
void Set_Thrusts(tavik::ProblemData& p, Kind kind, int count) {
  const double low = kind == Kind::kSteelPipe ? -1000.0 : -100.0;
  const double high =
      kind == Kind::kDrilledShaft ? 3000.0 : (kind == Kind::kSteelPipe ? 1000.0 : 800.0);
  p.NumUniqueThrusts = count;
  for (int t = 0; t < count; ++t) {
    p.UniqueThrusts[t] = count == 1 ? 0.0 : low + (high - low) * t / (count - 1);
  }
}

std::unique_ptr<RunContext> Make_Run(Kind kind, int sections, int thrusts) {
  auto run = std::make_unique<RunContext>();
  run->Report.Open(kNullDevice);
  run->Plot.Open(kNullDevice);
  run->Messages.Open(kNullDevice);
  tavik::ProblemData& p = run->Problem;
  p.IUNITS = tavik::kUnitsUSCustomary;
  tavik::Set_Unit_Labels(run->Units, p.IUNITS);
  p.Options.ICOM = tavik::kComputeEIOnly;
  p.NumSections = sections;
  for (int j = 0; j < sections; ++j) {
    PileSection& s = p.Sections[j];
    if (kind == Kind::kDrilledShaft) s = tavik::testing::Drilled_Shaft_36();
    if (kind == Kind::kSteelPipe) s = tavik::testing::Steel_Pipe_24();
    if (kind == Kind::kPrestressedSquare) s = tavik::testing::Prestressed_Square_18();
    s.SectionTopDepth = 480.0 * j;
    s.SectionBottomDepth = 480.0 * (j + 1);
  }
  Set_Thrusts(p, kind, thrusts);
  return run;
}

long long Curve_Points(const RunContext& run) {
  long long points = 0;
  for (int j = 1; j <= run.Problem.NumSections; ++j) {
    for (int t = 1; t <= run.EITables.NumThrusts; ++t) points += run.EITables.NumPoints[t][j];
  }
  return points;
}

void BM_SectionTables(benchmark::State& state) {
  const Kind kind = static_cast<Kind>(state.range(0));
  const int sections = static_cast<int>(state.range(1));
  const int thrusts = static_cast<int>(state.range(2));
  long long points = 0;
  long long runs = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto run = Make_Run(kind, sections, thrusts);
    state.ResumeTiming();
    tavik::Compute_Section_Stiffness(*run);
    state.PauseTiming();
    if (run->Status.Has_Error()) {
      state.SkipWithError("the section computation ended on an error");
      break;
    }
    points += Curve_Points(*run);
    ++runs;
    run.reset();
    state.ResumeTiming();
  }
  using benchmark::Counter;
  state.counters["per_curve_point"] =
      Counter(static_cast<double>(points), Counter::kIsRate | Counter::kInvert);
  state.counters["points_per_run"] = Counter(static_cast<double>(points) / (runs ? runs : 1));
}
BENCHMARK(BM_SectionTables)
    ->Args({static_cast<int>(Kind::kDrilledShaft), 1, 2})
    ->Args({static_cast<int>(Kind::kDrilledShaft), 1, 100})
    ->Args({static_cast<int>(Kind::kDrilledShaft), 20, 100})
    ->Args({static_cast<int>(Kind::kSteelPipe), 1, 100})
    ->Args({static_cast<int>(Kind::kPrestressedSquare), 1, 100})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The per-point work of one curve of the drilled shaft at zero thrust, 150 points with the
// curvature steps of the engine: the time per point, the evaluations per point and the
// allocations of the whole loop.
void BM_CurveLoop(benchmark::State& state) {
  auto run = Make_Run(static_cast<Kind>(state.range(0)), 1, 1);
  tavik::SectionEngineState engine;
  engine.Labels = tavik::Section_Unit_Labels(run->Problem.IUNITS);
  tavik::EI_Vars& vars = engine.Vars;
  tavik::Load_Section(run->Problem.Sections[0], run->Problem.IUNITS, vars);
  tavik::Initialize_EI_Vars(*run, vars, engine.Labels);
  auto curve = std::make_unique<tavik::MomentCurvatureCurve>();
  const double step = tavik::First_Curvature_Step(vars.IUNITS, run->Problem.Sections[0].Width);
  long long points = 0;
  long long allocations = 0;
  for (auto _ : state) {
    double c0 = vars.rd_Depth / 2.0;
    double phi = 0.0;
    double dphi = step;
    const long long before = tavik_bench::Allocation_Count();
    for (int i = 1; i <= tavik::kMaxCurvePoints; ++i) {
      if (i == 40) dphi *= 2.0;
      if (i == 80) dphi *= 4.0;
      if (i == 120) dphi *= 6.0;
      phi += (i == 1) ? step : dphi;
      curve->Curvature[i] = phi;
      tavik::Find_Neutral_Axis(*run, vars, *curve, i, 0.0, c0);
      tavik::Compute_Section_Maxima(vars, *curve, i);
      tavik::Compute_Section_Moment(vars, *curve, i);
      ++points;
    }
    allocations += tavik_bench::Allocation_Count() - before;
    benchmark::DoNotOptimize(curve->Moment.data());
  }
  using benchmark::Counter;
  state.counters["per_point"] =
      Counter(static_cast<double>(points), Counter::kIsRate | Counter::kInvert);
  state.counters["allocs_in_curve_loop"] = Counter(static_cast<double>(allocations));
}
BENCHMARK(BM_CurveLoop)
    ->Arg(static_cast<int>(Kind::kDrilledShaft))
    ->Arg(static_cast<int>(Kind::kPrestressedSquare))
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One evaluation of the sliced section's axial force (strains, stresses of every material,
// the force sum).
void BM_AxialForceEvaluation(benchmark::State& state) {
  auto run = Make_Run(static_cast<Kind>(state.range(0)), 1, 1);
  tavik::EI_Vars vars;
  tavik::Load_Section(run->Problem.Sections[0], run->Problem.IUNITS, vars);
  tavik::Initialize_EI_Vars(*run, vars, tavik::Section_Unit_Labels(run->Problem.IUNITS));
  const double phi = 5.0e-5;
  double c = vars.rd_Depth / 3.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tavik::Compute_Axial_Thrust_Force(vars, phi, c, c));
    c += 1e-12;
  }
}
BENCHMARK(BM_AxialForceEvaluation)
    ->Arg(static_cast<int>(Kind::kDrilledShaft))
    ->Arg(static_cast<int>(Kind::kSteelPipe))
    ->Arg(static_cast<int>(Kind::kPrestressedSquare))
    ->Unit(benchmark::kNanosecond);

}  // namespace
