#include "input/input_fixture.h"

#include <algorithm>

#include "run/run_analysis.h"
#include "test_support.h"

namespace tavik::testing {

ReadResult Run_Reader(const std::function<void(RunContext&)>& reader, const std::string& text,
                      const std::function<void(RunContext&)>& prepare) {
  ScratchDir dir;
  ReadResult result;
  result.run = std::make_unique<RunContext>();
  RunContext& run = *result.run;
  run.Report.Open(dir.File("report.txt"));
  run.Messages.Open(dir.File("messages.txt"));
  run.Input.Open_Text(text);
  if (prepare) prepare(run);
  reader(run);
  run.Report.Close();
  run.Messages.Close();
  result.report = Read_Lines(dir.File("report.txt"));
  result.messages = Read_Lines(dir.File("messages.txt"));
  return result;
}

ReadResult Read_Input_Text(const std::string& text) {
  return Run_Reader([](RunContext& run) { Read_Input_Data(run); }, text);
}

bool Contains_Lines(const std::vector<std::string>& lines, const std::vector<std::string>& wanted) {
  if (wanted.empty()) return true;
  return std::search(lines.begin(), lines.end(), wanted.begin(), wanted.end()) != lines.end();
}

}  // namespace tavik::testing
