// A global operator new that counts the heap allocations of a benchmark program, for the
// checks that the iteration loops allocate nothing. Include it in exactly one source file of
// each benchmark program (each program is one file here); read the count with
// Allocation_Count().
#ifndef TAVIK_BENCH_COUNTING_ALLOCATOR_H
#define TAVIK_BENCH_COUNTING_ALLOCATOR_H

#include <atomic>
#include <cstdlib>
#include <new>

namespace tavik_bench {
inline std::atomic<long long> g_allocations{0};
inline long long Allocation_Count() {
  return g_allocations.load();
}
}  // namespace tavik_bench

// GCC warns that free() does not match operator new, which here is malloc-based by design.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  ++tavik_bench::g_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
#pragma GCC diagnostic pop

#endif  // TAVIK_BENCH_COUNTING_ALLOCATOR_H
