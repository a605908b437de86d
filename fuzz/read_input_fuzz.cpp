// libFuzzer target: arbitrary bytes as an input data file, read by the keyword reader and
// its block readers, then converted to internal units when the read succeeded. The output
// channels stay closed (writes to them are dropped). Beyond what the sanitizers catch, the
// target checks what every successful read must leave: a derived thrust list within its
// table, ascending and without repeats.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <string>

#include "run/internal_units.h"
#include "run/run_analysis.h"
#include "run/run_context.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void Check_Thrust_List(const tavik::ProblemData& problem) {
  const int n = problem.NumUniqueThrusts;
  Check(n >= 0 && n <= tavik::kMaxThrusts);
  for (int i = 1; i < n; ++i) Check(problem.UniqueThrusts[i - 1] < problem.UniqueThrusts[i]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A fresh run context for every input, built in storage reserved once: the context is
  // large, and taking it from the heap for every input costs most of the fuzzer's speed
  // under AddressSanitizer (a fresh mapping and its page faults each time).
  alignas(tavik::RunContext) static std::byte storage[sizeof(tavik::RunContext)];
  tavik::RunContext* run = std::construct_at(reinterpret_cast<tavik::RunContext*>(storage));
  run->Input.Open_Text(std::string(reinterpret_cast<const char*>(data), size));
  tavik::Read_Input_Data(*run);
  Check(run->Status.ErrorNumber >= 0);
  if (!run->Status.Has_Error()) {
    Check_Thrust_List(run->Problem);
    tavik::Convert_To_Internal_Units(run->Problem);
    Check(run->Problem.b_ConvertedToInternalUnits);
  }
  std::destroy_at(run);
  return 0;
}
