#include <cctype>
#include <sstream>
#include <stdexcept>

#include "results/results_test_support.h"
#include "tavik/tavik.h"

namespace tavik::results::testing {

std::string Source_File(const std::string& relative) {
  return std::string(TAVIK_SOURCE_DIR) + "/" + relative;
}

std::string Run_Engine_On_Text(const tavik::testing::ScratchDir& dir, const std::string& name,
                               const std::string& input_text) {
  const std::string stem = dir.File(name);
  tavik::testing::Write_File(stem + ".inp", input_text);
  tavik::RunPaths paths;
  paths.input = stem + ".inp";
  paths.report = stem + ".out";
  paths.plot = stem + ".plt";
  paths.messages = stem + ".msg";
  tavik::Run_Analysis(paths);
  return stem;
}

RecordNumbers Split_Plot_Numbers(const std::string& plot_path) {
  RecordNumbers numbers;
  for (const std::string& line : tavik::testing::Read_Lines(plot_path)) {
    std::size_t label = line.find("Line ");
    while (label != std::string::npos &&
           !std::isdigit(static_cast<unsigned char>(line[label + 5]))) {
      label = line.find("Line ", label + 1);
    }
    if (label == std::string::npos) continue;
    const int kind = std::stoi(line.substr(label + 5));
    std::vector<double> values;
    std::istringstream words(line.substr(0, label));
    for (std::string word; words >> word;) {
      std::size_t used = 0;
      values.push_back(std::stod(word, &used));
      if (used != word.size()) throw std::runtime_error("not a plain number: " + word);
    }
    numbers[kind].push_back(values);
  }
  return numbers;
}

}  // namespace tavik::results::testing
