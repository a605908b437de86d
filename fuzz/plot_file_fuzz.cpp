// libFuzzer target of the results reader: arbitrary bytes as a plot file. The reader must
// return (never crash, hang or allocate from a count it has not seen the records of), and a
// file it accepts must give a JSON document that reads back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "results/plot_file_reader.h"
#include "results/results_json.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const tavik::results::ReadResult read = tavik::results::Read_Plot_Text(text, "fuzz.plt");
  Check(read.ok == read.error.empty());
  if (!read.ok) return 0;
  const nlohmann::ordered_json document = tavik::results::Results_To_Json(read.results);
  const tavik::results::ReadResult back = tavik::results::Results_From_Json(document);
  Check(back.ok);
  Check(back.results.load_cases.size() == read.results.load_cases.size());
  return 0;
}
