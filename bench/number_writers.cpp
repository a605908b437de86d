// Throughput of the fixed-width number writers on the mix the report writers produce:
// rows of ES15.7, F12.5, F10.0 and I5 fields over values spanning many magnitudes.
// Reported as fields per second (items_per_second).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <random>
#include <vector>

#include "run/fortran_format.h"

namespace {

constexpr std::size_t kValueCount = 4096;  // power of two: indices wrap with a mask
constexpr std::size_t kValueMask = kValueCount - 1;
constexpr int kFieldsPerRow = 4;
constexpr unsigned kSeed = 20240611;
// Magnitudes of the real values: 10^-8 .. 10^8, the range of deflections, moments and
// soil reactions in a report; some values near zero and negative.
constexpr double kMinDecade = -8.0;
constexpr double kMaxDecade = 8.0;
constexpr int kMaxInteger = 99999;

struct Inputs {
  std::vector<double> reals;
  std::vector<long long> integers;
};

// Deterministic values of varied magnitude and sign.
Inputs Make_Inputs() {
  std::mt19937_64 random(kSeed);
  std::uniform_real_distribution<double> decade(kMinDecade, kMaxDecade);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<long long> integer(-kMaxInteger / 10, kMaxInteger);
  std::bernoulli_distribution negative(0.3);
  Inputs in;
  in.reals.reserve(kValueCount);
  in.integers.reserve(kValueCount);
  for (std::size_t i = 0; i < kValueCount; ++i) {
    const double x = mantissa(random) * std::pow(10.0, std::floor(decade(random)));
    in.reals.push_back(negative(random) ? -x : x);
    in.integers.push_back(integer(random));
  }
  return in;
}

// One report row per iteration: ES15.7, F12.5, F10.0 and I5, then the line is reused.
void BM_ReportRowMix(benchmark::State& state) {
  const Inputs in = Make_Inputs();
  tavik::FortranLine line;
  std::size_t k = 0;
  for (auto _ : state) {
    line.clear();
    line.ES(in.reals[k], 15, 7)
        .F(in.reals[(k + 1) & kValueMask], 12, 5)
        .F(in.reals[(k + 2) & kValueMask], 10, 0)
        .I(in.integers[k], 5);
    benchmark::DoNotOptimize(line.str().data());
    benchmark::ClobberMemory();
    k = (k + 1) & kValueMask;
  }
  state.SetItemsProcessed(state.iterations() * kFieldsPerRow);
}
BENCHMARK(BM_ReportRowMix);

// Each descriptor alone, for locating a slowdown.
template <int kKind>
void BM_SingleDescriptor(benchmark::State& state) {
  const Inputs in = Make_Inputs();
  tavik::FortranLine line;
  std::size_t k = 0;
  for (auto _ : state) {
    line.clear();
    if constexpr (kKind == 0) line.ES(in.reals[k], 15, 7);
    if constexpr (kKind == 1) line.F(in.reals[k], 12, 5);
    if constexpr (kKind == 2) line.F(in.reals[k], 10, 0);
    if constexpr (kKind == 3) line.I(in.integers[k], 5);
    benchmark::DoNotOptimize(line.str().data());
    benchmark::ClobberMemory();
    k = (k + 1) & kValueMask;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SingleDescriptor<0>)->Name("BM_ES15_7");
BENCHMARK(BM_SingleDescriptor<1>)->Name("BM_F12_5");
BENCHMARK(BM_SingleDescriptor<2>)->Name("BM_F10_0");
BENCHMARK(BM_SingleDescriptor<3>)->Name("BM_I5");

}  // namespace
