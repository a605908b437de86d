// Helpers of the results tests: engine runs into a scratch folder, and the numbers of a plot
// file read back by a plain whitespace split of the text in front of each record's label
// (independent of the reader's fixed-width fields).
#ifndef TAVIK_TESTS_RESULTS_RESULTS_TEST_SUPPORT_H
#define TAVIK_TESTS_RESULTS_RESULTS_TEST_SUPPORT_H

#include <map>
#include <string>
#include <vector>

#include "test_support.h"

namespace tavik::results::testing {

// A file of the source tree, e.g. "examples/drilled_shaft_clay_over_sand.inp".
std::string Source_File(const std::string& relative);

// Runs the engine on `input_text` saved as DIR/NAME.inp; returns DIR/NAME (the stem of the
// report, plot and message files).
std::string Run_Engine_On_Text(const tavik::testing::ScratchDir& dir, const std::string& name,
                               const std::string& input_text);

// The numbers of every record of each kind, in file order: kind -> one vector per record.
using RecordNumbers = std::map<int, std::vector<std::vector<double>>>;
RecordNumbers Split_Plot_Numbers(const std::string& plot_path);

}  // namespace tavik::results::testing

#endif  // TAVIK_TESTS_RESULTS_RESULTS_TEST_SUPPORT_H
