// tavik batch as a user runs it: the summary rows and statuses of a list with a good input,
// an input error and a missing file, the exit codes, shards that together run the list once,
// and refused output names.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "test_support.h"

namespace tavik {
namespace {

using testing::CommandResult;
using testing::Run_Command;

using testing::Read_File;
using testing::Read_Lines;
using testing::ScratchDir;
using testing::Write_File;

std::string Batch() {
  return std::string(TAVIK_CLI_PATH) + " batch";
}
std::string Source(const std::string& relative) {
  return std::string(TAVIK_SOURCE_DIR) + "/" + relative;
}

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  std::string field;
  while (std::getline(in, field, ',')) fields.push_back(field);
  if (!line.empty() && line.back() == ',') fields.push_back("");
  return fields;
}

// The CSV summary as rows of named fields (no quoted fields in these tests).
std::vector<std::map<std::string, std::string>> Read_Summary(const std::string& path) {
  const std::vector<std::string> lines = Read_Lines(path);
  std::vector<std::map<std::string, std::string>> rows;
  if (lines.empty()) return rows;
  const std::vector<std::string> names = Split(lines[0]);
  for (std::size_t k = 1; k < lines.size(); ++k) {
    const std::vector<std::string> fields = Split(lines[k]);
    std::map<std::string, std::string> row;
    for (std::size_t f = 0; f < names.size() && f < fields.size(); ++f) row[names[f]] = fields[f];
    rows.push_back(row);
  }
  return rows;
}

// The value after "label =" in the first line of the report holding the label.
double Report_Value(const std::string& report, const std::string& label) {
  const std::size_t at = report.find(label);
  if (at == std::string::npos) return -1.0e30;
  const std::size_t equals = report.find('=', at);
  return std::strtod(report.c_str() + equals + 1, nullptr);
}

TEST(BatchCommand, GoodInputErrorAndMissingFileGiveThreeRowsAndExitOne) {
  ScratchDir dir;
  const std::string good = Source("examples/elastic_pile_stiff_clay_si.inp");
  const std::string bad = Source("tests/cases/user_py_bad_curve.inp");
  const std::string missing = dir.File("absent.inp");
  Write_File(dir.File("list.txt"),
             "# the three inputs\n" + good + "\n\n" + bad + "  \n" + missing + "\n");
  const std::string out = dir.File("out");
  const CommandResult result =
      Run_Command(Batch() + " --list " + dir.File("list.txt") + " -j 2 --out-dir " + out +
                  " --summary " + dir.File("summary.csv"));
  EXPECT_EQ(result.exit_code, 1) << result.output;
  EXPECT_NE(result.output.find("3 runs, 1 ended normally, 2 did not"), std::string::npos)
      << result.output;

  const auto rows = Read_Summary(dir.File("summary.csv"));
  ASSERT_EQ(rows.size(), 3u);  // the good input has one load case
  EXPECT_EQ(rows[0].at("input"), good);
  EXPECT_EQ(rows[0].at("status"), "normal");
  EXPECT_EQ(rows[0].at("return_value"), "0");
  EXPECT_EQ(rows[0].at("units"), "si");
  EXPECT_EQ(rows[0].at("load_case"), "1");
  EXPECT_EQ(rows[1].at("input"), bad);
  EXPECT_EQ(rows[1].at("status"), "input_error");
  EXPECT_EQ(rows[1].at("message_code"), "INP00092");
  EXPECT_EQ(rows[1].at("head_deflection"), "");
  EXPECT_EQ(rows[2].at("status"), "runtime_error");
  EXPECT_EQ(rows[2].at("return_value"), "218");
  EXPECT_EQ(rows[2].at("message_code"), "RUN00018");
  EXPECT_EQ(rows[2].at("max_moment"), "");

  // The good run's files are where `tavik run` would put them, and its summary agrees with
  // the output summary the engine printed in its report (pile-head deflection 0.0045364587 m
  // printed as 0.004536; moment 179.9 kN-m at 1.65 m).
  const std::string report = Read_File(out + "/elastic_pile_stiff_clay_si.out");
  ASSERT_FALSE(report.empty());
  EXPECT_TRUE(std::filesystem::exists(out + "/elastic_pile_stiff_clay_si.plt"));
  EXPECT_TRUE(std::filesystem::exists(out + "/user_py_bad_curve.msg"));
  const double deflection = std::strtod(rows[0].at("head_deflection").c_str(), nullptr);
  EXPECT_NEAR(deflection, Report_Value(report, "Pile-head deflection  "), 1.0e-6);
  EXPECT_NEAR(std::strtod(rows[0].at("max_moment").c_str(), nullptr),
              Report_Value(report, "Maximum bending moment  "), 1.0e-3);
  EXPECT_DOUBLE_EQ(std::strtod(rows[0].at("max_moment_depth").c_str(), nullptr),
                   Report_Value(report, "Depth of maximum bending moment"));
  EXPECT_DOUBLE_EQ(std::strtod(rows[0].at("max_shear_depth").c_str(), nullptr),
                   Report_Value(report, "Depth of maximum shear force"));

  // The good input alone ends with exit 0.
  EXPECT_EQ(Run_Command(Batch() + " " + good + " --out-dir " + out).exit_code, 0);
}

TEST(BatchCommand, ShardsOfAListRunEachInputOnce) {
  // Five copies of an input under different names, in three shards: the three summaries
  // hold every input once, in list order.
  ScratchDir dir;
  const std::string text = Read_File(Source("examples/elastic_pile_stiff_clay_si.inp"));
  std::string list;
  std::vector<std::string> inputs;
  for (int k = 1; k <= 5; ++k) {
    inputs.push_back(dir.File("pile" + std::to_string(k) + ".inp"));
    Write_File(inputs.back(), text);
    list += inputs.back() + "\n";
  }
  Write_File(dir.File("list.txt"), list);
  std::vector<std::string> seen;
  for (int shard = 1; shard <= 3; ++shard) {
    const std::string summary = dir.File("summary" + std::to_string(shard) + ".csv");
    const CommandResult result =
        Run_Command(Batch() + " --list " + dir.File("list.txt") + " -j 2 --shard " +
                    std::to_string(shard) + "/3 --summary " + summary);
    EXPECT_EQ(result.exit_code, 0) << result.output;
    for (const auto& row : Read_Summary(summary)) seen.push_back(row.at("input"));
  }
  EXPECT_EQ(seen, inputs);
  EXPECT_EQ(Run_Command(Batch() + " --list " + dir.File("list.txt") + " --shard 4/3").exit_code,
            64);
}

TEST(BatchCommand, UsageErrorsExit64) {
  ScratchDir dir;
  const std::string good = Source("examples/elastic_pile_stiff_clay_si.inp");
  Write_File(dir.File("elastic_pile_stiff_clay_si.inp"), Read_File(good));
  const std::string out = dir.File("out");
  struct Case {
    std::string arguments;
    std::string says;
  };
  const Case cases[] = {
      {"", "INPUT"},                                             // nothing to run
      {"--list " + dir.File("absent.txt"), "cannot read"},       // unreadable list
      {good + " --list " + dir.File("absent.txt"), "excludes"},  // both kinds of input
      {good + " -j 0", "-j"},                                    // no worker
      // The same stem from two folders into one output folder.
      {good + " " + dir.File("elastic_pile_stiff_clay_si.inp") + " --out-dir " + out,
       "would write the same output files"},
  };
  for (const Case& c : cases) {
    const CommandResult result = Run_Command(Batch() + " " + c.arguments);
    EXPECT_EQ(result.exit_code, 64) << c.arguments << "\n" << result.output;
    EXPECT_NE(result.output.find(c.says), std::string::npos) << c.arguments << "\n"
                                                             << result.output;
  }
  EXPECT_FALSE(std::filesystem::exists(out));  // refused before any run
}

}  // namespace
}  // namespace tavik
