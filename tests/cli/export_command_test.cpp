// "tavik export" and "tavik run --json" as a user runs them: where the JSON goes, what the
// outcome line says, the exit codes of a missing or damaged plot file and of an output that
// cannot be written, and a run that ends on an error; the outcome line names the report only
// when the run wrote one.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "results/plot_file_reader.h"
#include "results/results_json.h"
#include "test_support.h"

namespace tavik {
namespace {

using testing::CommandResult;
using testing::Run_Command;

namespace fs = std::filesystem;
using testing::Read_File;
using testing::ScratchDir;
using testing::Write_File;

testing::CommandResult Run_Tavik(const std::string& arguments) {
  return testing::Run_Command(std::string(TAVIK_CLI_PATH) + " " + arguments);
}

std::string Example() {
  return std::string(TAVIK_SOURCE_DIR) + "/examples/drilled_shaft_clay_over_sand.inp";
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

results::ReadResult Read_Json(const std::string& path) {
  return results::Results_From_Json(nlohmann::ordered_json::parse(Read_File(path)));
}

TEST(ExportCommand, RunWithJsonWritesTheResultsBesideTheOtherFiles) {
  ScratchDir dir;
  const CommandResult run =
      Run_Tavik("run " + Example() + " --out-dir " + dir.path().string() + " --json");
  const std::string stem = dir.File("drilled_shaft_clay_over_sand");
  EXPECT_EQ(run.exit_code, 0) << run.output;
  EXPECT_EQ(run.output,
            "tavik: ended normally; report: " + stem + ".out; JSON: " + stem + ".json\n");
  const results::ReadResult json = Read_Json(stem + ".json");
  ASSERT_TRUE(json.ok) << json.error;
  const results::ReadResult files = results::Read_Results(stem + ".plt", stem + ".out");
  ASSERT_TRUE(files.ok) << files.error;
  EXPECT_EQ(json.results, files.results);
  EXPECT_TRUE(json.results.load_cases[0].nodes[0].slope.has_value());  // the report was read
}

TEST(ExportCommand, ExportBesideThePlotFileOrWhereAsked) {
  ScratchDir dir;
  ASSERT_EQ(Run_Tavik("run " + Example() + " --out-dir " + dir.path().string()).exit_code, 0);
  const std::string stem = dir.File("drilled_shaft_clay_over_sand");

  const CommandResult beside = Run_Tavik("export " + stem + ".plt");
  EXPECT_EQ(beside.exit_code, 0) << beside.output;
  EXPECT_TRUE(
      Contains(beside.output, "wrote " + stem + ".json from " + stem + ".plt and " + stem + ".out"))
      << beside.output;
  ASSERT_TRUE(Read_Json(stem + ".json").ok);

  // A plot file alone: the report columns are null, and the line says why.
  fs::create_directory(dir.path() / "alone");
  fs::copy_file(stem + ".plt", dir.path() / "alone" / "run.plt");
  const std::string chosen = dir.File("chosen.json");
  const CommandResult alone = Run_Tavik("export " + dir.File("alone/run.plt") + " -o " + chosen);
  EXPECT_EQ(alone.exit_code, 0) << alone.output;
  EXPECT_TRUE(Contains(alone.output, "no report " + dir.File("alone/run.out"))) << alone.output;
  const results::ReadResult read = Read_Json(chosen);
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_FALSE(read.results.load_cases[0].nodes[0].slope.has_value());
}

TEST(ExportCommand, ExitCodesOfAnExportThatFails) {
  ScratchDir dir;
  ASSERT_EQ(Run_Tavik("run " + Example() + " --out-dir " + dir.path().string()).exit_code, 0);
  const std::string plot = dir.File("drilled_shaft_clay_over_sand.plt");
  std::string damaged = Read_File(plot);
  damaged.resize(damaged.size() / 2);  // cut inside a record of load case 1
  Write_File(dir.File("damaged.plt"), damaged);
  const struct {
    std::string arguments;
    int exit_code;
    std::string says;
  } cases[] = {
      {"export", 64, "RUN.plt is required"},
      {"export " + dir.File("absent.plt"), 3, dir.File("absent.plt") + ": the plot file cannot"},
      {"export " + dir.File("damaged.plt"), 3, dir.File("damaged.plt") + ":"},
      {"export " + plot + " -o " + dir.File("no/such/folder/run.json"), 4,
       dir.File("no/such/folder/run.json") + ": cannot be created"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CommandResult result = Run_Tavik(c.arguments);
    EXPECT_EQ(result.exit_code, c.exit_code) << result.output;
    EXPECT_TRUE(Contains(result.output, c.says)) << result.output;
  }
}

TEST(ExportCommand, RunEndingOnAnErrorWritesNoJson) {
  ScratchDir dir;
  const std::string input = std::string(TAVIK_SOURCE_DIR) + "/tests/cases/user_py_bad_curve.inp";
  // A JSON left by an earlier run of the same name must not pass for this run's.
  Write_File(dir.File("user_py_bad_curve.json"), "{}");
  const CommandResult run =
      Run_Tavik("run " + input + " --out-dir " + dir.path().string() + " --json");
  EXPECT_EQ(run.exit_code, 1) << run.output;
  EXPECT_TRUE(Contains(run.output, "; no JSON (the run ended on an error)")) << run.output;
  EXPECT_FALSE(fs::exists(dir.File("user_py_bad_curve.json")));
}

TEST(ExportCommand, OutcomeNamesTheReportOnlyWhenTheRunWroteIt) {
  ScratchDir dir;
  // A missing input: no file is written, and a report of an earlier run stays unnamed.
  Write_File(dir.File("absent.out"), "an earlier report\n");
  const CommandResult missing = Run_Tavik("run " + dir.File("absent.inp"));
  EXPECT_EQ(missing.exit_code, 2);
  EXPECT_FALSE(Contains(missing.output, "report:")) << missing.output;
  // An output folder that cannot be written.
  const CommandResult unwritable = Run_Tavik("run " + Example() + " --out-dir /proc/tavik_none");
  EXPECT_EQ(unwritable.exit_code, 2);
  EXPECT_FALSE(Contains(unwritable.output, "report:")) << unwritable.output;
  // A run that replaces an earlier report names it.
  fs::copy_file(Example(), dir.File("shaft.inp"));
  Write_File(dir.File("shaft.out"), "an earlier report\n");
  const CommandResult normal = Run_Tavik("run " + dir.File("shaft.inp"));
  EXPECT_EQ(normal.exit_code, 0);
  EXPECT_TRUE(Contains(normal.output, "; report: " + dir.File("shaft.out"))) << normal.output;
}

}  // namespace
}  // namespace tavik
