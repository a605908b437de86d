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
//   points CASE MIN MAX         plot record "Line 11" of load case CASE: the number of points
//                               of its pile-length study lies in MIN .. MAX
//   length CASE POINT FIELD MIN MAX
//                               plot record "Line 12" number POINT (1-based) of the study of
//                               CASE; FIELD is Length, TopY, Mmax or Vmax
//   stiffness ROW FIELD MIN MAX plot record "Line 14" number ROW (1 to 10); FIELD is V, M,
//                               K22, K23, K32, K33, TopY or Rotation
//   report TEXT                 some report line contains TEXT (the rest of the line)
//   messages TEXT               some run-message line contains TEXT
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
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

// The N leading values of every record whose label contains `label`, in file order.
template <std::size_t N>
std::vector<std::array<double, N>> Records(const std::vector<std::string>& plot,
                                           const std::string& label) {
  std::vector<std::array<double, N>> records;
  for (const std::string& line : plot) {
    if (line.find(label) == std::string::npos) continue;
    std::istringstream in(line);
    std::array<double, N> values{};
    for (double& v : values) in >> v;
    records.push_back(values);
  }
  return records;
}

// The pile-length study of one load case: the count of its "Line 11" record and the
// "Line 12" records that follow it.
struct LengthStudy {
  int points = -1;
  std::vector<std::array<double, 4>> rows;
};

std::map<int, LengthStudy> Length_Studies(const std::vector<std::string>& plot) {
  std::map<int, LengthStudy> studies;
  LengthStudy* current = nullptr;
  for (const std::string& line : plot) {
    if (line.find("Line 11:") != std::string::npos) {
      const int load_case = std::stoi(line.substr(line.find_last_of(' ') + 1));
      current = &studies[load_case];
      current->points = std::stoi(line.substr(0, 5));
    } else if (line.find("Line 12:") != std::string::npos && current != nullptr) {
      std::istringstream in(line);
      std::array<double, 4> values{};
      for (double& v : values) in >> v;
      current->rows.push_back(values);
    }
  }
  return studies;
}

template <std::size_t N>
int Field_Index(const std::string& name, const std::array<const char*, N>& fields) {
  for (std::size_t k = 0; k < N; ++k) {
    if (name == fields[k]) return static_cast<int>(k);
  }
  return -1;
}

constexpr std::array<const char*, 5> kHeadFields = {"TopV", "TopY", "Mmax", "Vmax", "Rotation"};
constexpr std::array<const char*, 4> kLengthFields = {"Length", "TopY", "Mmax", "Vmax"};
constexpr std::array<const char*, 8> kStiffnessFields = {"V",   "M",   "K22",  "K23",
                                                         "K32", "K33", "TopY", "Rotation"};

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
  const auto heads = Records<5>(plot, "Line 13:");
  const auto stiffness = Records<8>(plot, "Line 14:");
  const auto studies = Length_Studies(plot);

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
      const int k = Field_Index(field, kHeadFields);
      ASSERT_GE(k, 0) << "unknown field " << field;
      ASSERT_GE(load_case, 1);
      ASSERT_LE(load_case, static_cast<int>(heads.size())) << "no Line 13 record for the case";
      const double value = heads[load_case - 1][k];
      EXPECT_GE(value, low);
      EXPECT_LE(value, high);
    } else if (keyword == "points") {
      int load_case = 0;
      int low = 0;
      int high = 0;
      in >> load_case >> low >> high;
      ASSERT_FALSE(in.fail()) << "malformed points line";
      const auto study = studies.find(load_case);
      ASSERT_NE(study, studies.end()) << "no Line 11 record for the case";
      EXPECT_GE(study->second.points, low);
      EXPECT_LE(study->second.points, high);
      EXPECT_EQ(static_cast<int>(study->second.rows.size()), study->second.points);
    } else if (keyword == "length") {
      int load_case = 0;
      int point = 0;
      std::string field;
      double low = 0.0;
      double high = 0.0;
      in >> load_case >> point >> field >> low >> high;
      ASSERT_FALSE(in.fail()) << "malformed length line";
      const int k = Field_Index(field, kLengthFields);
      ASSERT_GE(k, 0) << "unknown field " << field;
      const auto study = studies.find(load_case);
      ASSERT_NE(study, studies.end()) << "no Line 11 record for the case";
      ASSERT_GE(point, 1);
      ASSERT_LE(point, static_cast<int>(study->second.rows.size())) << "no such Line 12 record";
      const double value = study->second.rows[point - 1][k];
      EXPECT_GE(value, low);
      EXPECT_LE(value, high);
    } else if (keyword == "stiffness") {
      int row = 0;
      std::string field;
      double low = 0.0;
      double high = 0.0;
      in >> row >> field >> low >> high;
      ASSERT_FALSE(in.fail()) << "malformed stiffness line";
      const int k = Field_Index(field, kStiffnessFields);
      ASSERT_GE(k, 0) << "unknown field " << field;
      ASSERT_GE(row, 1);
      ASSERT_LE(row, static_cast<int>(stiffness.size())) << "no such Line 14 record";
      const double value = stiffness[row - 1][k];
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
