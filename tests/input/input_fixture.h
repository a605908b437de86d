// Runs a reader on input text held in memory and collects what it wrote, for the tests of
// the input readers.
#ifndef TAVIK_TESTS_INPUT_INPUT_FIXTURE_H
#define TAVIK_TESTS_INPUT_INPUT_FIXTURE_H

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "run/run_context.h"

namespace tavik::testing {

struct ReadResult {
  std::unique_ptr<RunContext> run;    // the problem data and status after the read
  std::vector<std::string> report;    // lines written to the report
  std::vector<std::string> messages;  // lines written to the runtime message file
  int error() const { return run->Status.ErrorNumber; }
  const ProblemData& problem() const { return run->Problem; }
};

// Runs `reader` on `text` (the reader starts at the first line of the text). `prepare` may
// set up the context first (options read earlier, units system).
ReadResult Run_Reader(const std::function<void(RunContext&)>& reader, const std::string& text,
                      const std::function<void(RunContext&)>& prepare = {});

// Reads a whole input file from text: the format word and every block up to "END".
ReadResult Read_Input_Text(const std::string& text);

// True when `lines` holds `wanted` as consecutive lines.
bool Contains_Lines(const std::vector<std::string>& lines, const std::vector<std::string>& wanted);

}  // namespace tavik::testing

#endif  // TAVIK_TESTS_INPUT_INPUT_FIXTURE_H
