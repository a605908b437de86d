// Cost of the p-y criteria in the analysis: one call of a criterion over the 101 nodes of a
// 50 ft pile (100 increments) in one layer of its soil, the nodes deflected along a decaying
// wave as in a laterally loaded pile, reported per node. This is the work the load-case
// iteration does for every layer in every iteration, so it must stay a small constant per
// node with no heap allocation (counter allocs_per_call, which must be zero).
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "analysis/form_soil_moduli.h"
#include "counting_allocator.h"
#include "profile/pile_discretisation.h"
#include "pycurves/py_framework.h"
#include "run/run_context.h"
#include "run/unit_labels.h"

namespace {

using tavik::RunContext;

constexpr int kIncrements = 100;
constexpr double kPileLength = 600.0;  // in
constexpr double kEI = 2.9e10;         // lb-in**2
constexpr double kInertia = 1000.0;    // in**4
constexpr double kDiameter = 24.0;     // in
constexpr double kArea = 30.0;         // in**2
constexpr double kHeadDeflection = 0.5;
constexpr double kCharacteristicLength = 90.0;  // in, of the decaying wave
constexpr const char* kNullDevice = "/dev/null";

// Soil type indices and the properties of their layer (internal units: in, lb).
enum Soil {
  kSoftClay = 1,
  kStiffClayFreeWater = 2,
  kStiffClayNoFreeWater = 3,
  kStiffClayNoFreeWaterK = 4,
  kSandReese = 5,
  kApiSand = 6,
  kLiquefiedSand = 7,
  kWeakRock = 8,
  kVuggyLimestone = 9,
  kPiedmont = 10,
  kCementedSilt = 11,
  kLoess = 12,
  kElasticSubgrade = 13,
  kUserCurves = 14,
  kMassiveRock = 16,
};

bool Is_Rock(int soil) {
  return soil == kWeakRock || soil == kVuggyLimestone || soil == kMassiveRock;
}

void Set_Soil(tavik::SoilLayer& layer, int soil) {
  layer.SoilTypeIndex = soil;
  for (tavik::SoilPropertyPoint* point : {&layer.Top, &layer.Bottom}) {
    point->EffectiveUnitWeight = 0.0347;  // 60 pcf
    point->Cohesion = 10.4;               // 1500 psf
    point->Epsilon50 = 0.007;
    point->FrictionAngle = 35.0;
    point->TestType = 1;
    point->N60 = 15.0;
    point->ElasticSubgradeModulus = 100.0;
    point->ConeTipResistance = 500.0;  // psi
    if (Is_Rock(soil)) {
      point->Cohesion = 1000.0;   // qu, psi
      point->Epsilon50 = 0.0001;  // krm
      point->RQD = 50.0;
    }
  }
  layer.SubgradeModulusTop =
      soil == kStiffClayFreeWater || soil == kStiffClayNoFreeWaterK ? 500.0 : 90.0;
  if (soil == kWeakRock) layer.SubgradeModulusTop = 5.0e4;     // Em, psi
  if (soil == kMassiveRock) layer.SubgradeModulusTop = 1.0e6;  // Ei, psi
  layer.SubgradeModulusBottom = layer.SubgradeModulusTop;
  for (tavik::UserPyCurve* curve : {&layer.UserCurveTop, &layer.UserCurveBottom}) {
    curve->NumPoints = 5;
    const double y[] = {0.0, 0.1, 0.5, 1.0, 3.0};
    const double p[] = {0.0, 200.0, 600.0, 800.0, 900.0};
    for (int k = 0; k < 5; ++k) {
      curve->Y[k] = y[k];
      curve->P[k] = p[k];
    }
  }
}

std::unique_ptr<RunContext> Make_Run(int soil) {
  auto run = std::make_unique<RunContext>();
  run->Report.Open(kNullDevice);
  run->Plot.Open(kNullDevice);
  run->Messages.Open(kNullDevice);
  tavik::ProblemData& p = run->Problem;
  p.IUNITS = tavik::kUnitsUSCustomary;
  tavik::Set_Unit_Labels(run->Units, p.IUNITS);
  p.Options.ICOM = tavik::kFullAnalysis;
  p.Options.NumIncrements = kIncrements;
  p.Options.NumCycles = 1;
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
  p.Layers[0].XLayerBottom = 1.2 * kPileLength;
  Set_Soil(p.Layers[0], soil);
  tavik::Start_Pile_Discretisation(*run);
  tavik::Discretise_Pile(*run);
  tavik::PileNodes& nodes = run->Nodes;
  for (int i = 1; i <= kIncrements + 1; ++i) {
    const double x = nodes.rd_NodeDepth[i] / kCharacteristicLength;
    nodes.rd_Y[i] = kHeadDeflection * std::exp(-x) * std::cos(x);
  }
  run->i_RockLayersAbove = 0;
  return run;
}

void BM_Criterion(benchmark::State& state) {
  const int soil = static_cast<int>(state.range(0));
  auto run = Make_Run(soil);
  const tavik::PyCriterion routine = tavik::Py_Criterion_For_Soil_Type(soil).routine;
  routine(*run, 1);  // first call: one-time set-up of the layer (defaults stored)
  if (run->Status.Has_Error()) {
    state.SkipWithError("the criterion ended on an error");
    return;
  }
  long long calls = 0;
  const long long before = tavik_bench::Allocation_Count();
  for (auto _ : state) {
    routine(*run, 1);
    benchmark::DoNotOptimize(run->Nodes.rd_NodeEs.data());
    benchmark::ClobberMemory();
    ++calls;
  }
  const long long allocations = tavik_bench::Allocation_Count() - before;
  const int nodes = run->i_BottomNodeInLayer[1] - run->i_TopNodeInLayer[1] + 1;
  using benchmark::Counter;
  state.counters["per_node"] =
      Counter(static_cast<double>(calls * nodes), Counter::kIsRate | Counter::kInvert);
  state.counters["allocs_per_call"] =
      Counter(static_cast<double>(allocations) / static_cast<double>(calls ? calls : 1));
}
BENCHMARK(BM_Criterion)
    ->ArgName("soil")
    ->Arg(kSoftClay)
    ->Arg(kStiffClayFreeWater)
    ->Arg(kStiffClayNoFreeWater)
    ->Arg(kStiffClayNoFreeWaterK)
    ->Arg(kSandReese)
    ->Arg(kApiSand)
    ->Arg(kLiquefiedSand)
    ->Arg(kWeakRock)
    ->Arg(kVuggyLimestone)
    ->Arg(kPiedmont)
    ->Arg(kCementedSilt)
    ->Arg(kLoess)
    ->Arg(kElasticSubgrade)
    ->Arg(kUserCurves)
    ->Arg(kMassiveRock)
    ->Unit(benchmark::kMicrosecond);

// The strong-rock part of the trial moduli of a load case, for a pile wholly in vuggy
// limestone: as the literal procedure (the layer through the criterion once per node of the
// pile, O(nodes^2)) and as done (one pass, the warnings tallied per node of the pile).
void BM_VuggyTrialModuli(benchmark::State& state) {
  const bool literal = state.range(0) == 1;
  auto run = Make_Run(kVuggyLimestone);
  long long calls = 0;
  const long long before = tavik_bench::Allocation_Count();
  for (auto _ : state) {
    run->i_RockLayersAbove = 0;
    if (literal) {
      for (int i = 1; i <= run->Nodes.i_Num_Nodes; ++i) tavik::Call_Layer_Criterion(*run, 1);
    } else {
      tavik::Vuggy_Limestone_Trial_Moduli(*run);
    }
    benchmark::DoNotOptimize(run->Nodes.rd_NodeEs.data());
    benchmark::ClobberMemory();
    ++calls;
  }
  const long long allocations = tavik_bench::Allocation_Count() - before;
  state.counters["allocs_per_call"] =
      benchmark::Counter(static_cast<double>(allocations) / static_cast<double>(calls ? calls : 1));
}
BENCHMARK(BM_VuggyTrialModuli)->ArgName("literal")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
