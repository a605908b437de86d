// The end-to-end cases: every NAME.inp in this folder is analysed as the command-line
// program would (report, plot and run-message files in a scratch folder) and checked against
// NAME.check, whose lines state what an independent computation says of the run:
//
//   # comment                   the hand calculation, closed form or bound behind the lines
//   status N                    the run's return status (0: ended normally)
//   error N                     the run's error number (0: none)
//   head CASE FIELD MIN MAX     plot record "Line 13" of load case CASE (1-based); FIELD is
//                               TopV, TopY, Mmax, Vmax or Rotation in the units printed
//                               there; MIN <= value <= MAX
//   report TEXT                 some report line contains TEXT (the rest of the line)
//   messages TEXT               some run-message line contains TEXT
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tavik/tavik.h"
#include "test_support.h"

namespace tavik::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kCasesDir = fs::path(TAVIK_SOURCE_DIR) / "tests" / "cases";

std::vector<std::string> Case_Names() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kCasesDir)) {
    if (entry.path().extension() == ".inp") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool Any_Line_Contains(const std::vector<std::string>& lines, const std::string& text) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

// The five values of every "Line 13" record, in the order of the load cases.
std::vector<std::array<double, 5>> Head_Records(const std::vector<std::string>& plot) {
  std::vector<std::array<double, 5>> records;
  for (const std::string& line : plot) {
    if (line.find("Line 13:") == std::string::npos) continue;
    std::istringstream in(line);
    std::array<double, 5> values{};
    for (double& v : values) in >> v;
    records.push_back(values);
  }
  return records;
}

int Head_Field(const std::string& name) {
  static const std::array<const char*, 5> kFields = {"TopV", "TopY", "Mmax", "Vmax", "Rotation"};
  for (int k = 0; k < 5; ++k) {
    if (name == kFields[k]) return k;
  }
  return -1;
}

// The text after the keyword and one blank.
std::string Rest_Of_Line(const std::string& line, const std::string& keyword) {
  return line.size() > keyword.size() + 1 ? line.substr(keyword.size() + 1) : std::string();
}

class EndToEndCase : public ::testing::TestWithParam<std::string> {};

TEST_P(EndToEndCase, MatchesItsChecks) {
  const std::string name = GetParam();
  const fs::path check_path = kCasesDir / (name + ".check");
  ASSERT_TRUE(fs::exists(check_path)) << "every case needs its check file: " << check_path;

  ScratchDir dir;
  const RunOutcome outcome =
      Run_Analysis({(kCasesDir / (name + ".inp")).string(), dir.File(name + ".out"),
                    dir.File(name + ".plt"), dir.File(name + ".msg")});
  const auto report = Read_Lines(dir.File(name + ".out"));
  const auto plot = Read_Lines(dir.File(name + ".plt"));
  const auto messages = Read_Lines(dir.File(name + ".msg"));
  const auto heads = Head_Records(plot);

  int checks = 0;
  for (const std::string& line : Read_Lines(check_path.string())) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream in(line);
    std::string keyword;
    in >> keyword;
    SCOPED_TRACE(name + ".check: " + line);
    ++checks;
    if (keyword == "status") {
      int expected = 0;
      in >> expected;
      EXPECT_EQ(outcome.status, expected);
    } else if (keyword == "error") {
      int expected = 0;
      in >> expected;
      EXPECT_EQ(outcome.error_number, expected);
    } else if (keyword == "head") {
      int load_case = 0;
      std::string field;
      double low = 0.0;
      double high = 0.0;
      in >> load_case >> field >> low >> high;
      ASSERT_FALSE(in.fail()) << "malformed head line";
      const int k = Head_Field(field);
      ASSERT_GE(k, 0) << "unknown field " << field;
      ASSERT_GE(load_case, 1);
      ASSERT_LE(load_case, static_cast<int>(heads.size())) << "no Line 13 record for the case";
      const double value = heads[load_case - 1][k];
      EXPECT_GE(value, low);
      EXPECT_LE(value, high);
    } else if (keyword == "report") {
      EXPECT_TRUE(Any_Line_Contains(report, Rest_Of_Line(line, keyword)));
    } else if (keyword == "messages") {
      EXPECT_TRUE(Any_Line_Contains(messages, Rest_Of_Line(line, keyword)));
    } else {
      ADD_FAILURE() << "unknown check keyword " << keyword;
    }
  }
  EXPECT_GT(checks, 0) << "the check file checks nothing";
}

INSTANTIATE_TEST_SUITE_P(Cases, EndToEndCase, ::testing::ValuesIn(Case_Names()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string id = info.param;
                           std::replace_if(
                               id.begin(), id.end(), [](char ch) { return !std::isalnum(ch); },
                               '_');
                           return id;
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(EndToEndCase);

}  // namespace
}  // namespace tavik::testing
