// libFuzzer target of the whole run: arbitrary bytes as an input data file, run from the
// reader through the echo with its checks, the conversion to internal units and the
// computation the input asks for (the lateral analysis with its p-y criteria and solver,
// or the section stiffness), to the closing lines. The report, plot and run-message
// channels stay closed, so their text is formatted and dropped. Beyond what the sanitizers
// catch, every run must end either normally (error number 0) or with an error number of
// the vocabulary: an input error (101 to 199), a runtime error (201 to 299) or 999.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <string>

#include "run/run_analysis.h"
#include "run/run_context.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

bool Known_Ending(int error_number) {
  return error_number == 0 || (error_number >= 101 && error_number <= 199) ||
         (error_number >= 201 && error_number <= 299) || error_number == 999;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A fresh run context for every input, in storage reserved once (see read_input_fuzz).
  alignas(tavik::RunContext) static std::byte storage[sizeof(tavik::RunContext)];
  tavik::RunContext* run = std::construct_at(reinterpret_cast<tavik::RunContext*>(storage));
  run->Input.Open_Text(std::string(reinterpret_cast<const char*>(data), size));
  tavik::Run_With_Open_Files(*run);
  Check(Known_Ending(run->Status.ErrorNumber));
  std::destroy_at(run);
  return 0;
}
