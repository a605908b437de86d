// The run spine end to end: the file handoff, its errors, the empty input, the refused
// positional formats, the closing lines and the value a host receives.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>

#include "run/run_status.h"
#include "tavik/tavik.h"
#include "test_support.h"

namespace tavik {
namespace {

using testing::Read_File;
using testing::Read_Lines;
using testing::ScratchDir;
using testing::Write_File;

// Runs TGO in `dir` (the host's working directory), restoring the test's own afterwards.
int32_t Tgo_In(const std::filesystem::path& dir, int32_t version = kInterfaceVersion) {
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  const int32_t status = TGO(version);
  std::filesystem::current_path(previous);
  return status;
}

void Write_Names(const ScratchDir& dir, const std::string& text) {
  Write_File(dir.File("NAMES.DAT"), text);
}

constexpr const char* kStandardNames = "case.inp\ncase.out\ncase.plt\ncase.msg\n";

TEST(TgoEntry, WrongVersionTouchesNoFile) {
  ScratchDir dir;
  Write_Names(dir, kStandardNames);
  Write_File(dir.File("case.inp"), "");
  EXPECT_EQ(Tgo_In(dir.path(), 6026), 99);
  EXPECT_FALSE(std::filesystem::exists(dir.File("case.out")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("case.plt")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("case.msg")));
}

// Each fault of the handoff: its status and the message on standard error.
TEST(TgoEntry, NamesFileFaults) {
  struct Case {
    const char* names;  // nullptr: no NAMES.DAT at all
    int32_t status;
    const char* message;
  };
  const Case cases[] = {
      {nullptr, 202, "Contents of file NAMES.DAT is corrupted."},
      {"", 203, "The name of the input data file is corrupted."},
      {"case.inp\n", 204, "The name of the output report file is corrupted."},
      {"case.inp\ncase.out", 205, "The name of the plot output file is corrupted."},
      {"case.inp\ncase.out\ncase.plt\n", 206, "Name of runtime message file is corrupted"},
      {"   \ncase.out\ncase.plt\ncase.msg\n", 217,
       "Input data filename information corrupted. No analysis performed."},
      {"case.inp\n\ncase.plt\ncase.msg\n", 217,
       "Output filename information is corrupted. No analysis performed."},
      {"case.inp\ncase.out\n \ncase.msg\n", 217,
       "Plot output filename information is corrupted. No analysis performed."},
      {"case.inp\ncase.out\ncase.plt\n     \n", 217,
       "Run message filename information is corrupted. No analysis performed."},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    if (c.names != nullptr) Write_Names(dir, c.names);
    ::testing::internal::CaptureStderr();
    const int32_t status = Tgo_In(dir.path());
    const std::string console = ::testing::internal::GetCapturedStderr();
    SCOPED_TRACE(c.names == nullptr ? "(no NAMES.DAT)" : c.names);
    EXPECT_EQ(status, c.status);
    EXPECT_NE(console.find("**** Runtime Error No. " + std::to_string(c.status - 200) + " ****"),
              std::string::npos);
    EXPECT_NE(console.find(c.message), std::string::npos) << console;
    EXPECT_FALSE(std::filesystem::exists(dir.File("case.out")));
  }
}

TEST(TgoEntry, EmptyInputEndsOnInputError25) {
  ScratchDir dir;
  Write_Names(dir, kStandardNames);
  Write_File(dir.File("case.inp"), "");
  EXPECT_EQ(Tgo_In(dir.path()), 125);
  const std::vector<std::string> messages = {
      "**** Input Data Error No. 25 ****",
      "Size of input data file is 0 bytes.  No analysis performed.",
      "",
      "The analysis ended due to an input error. ",
      ""};
  EXPECT_EQ(Read_Lines(dir.File("case.msg")), messages);
  const std::vector<std::string> report = {
      "",
      "",
      "Tavik ended prematurely due to input error number INP00025",
      "",
      "**** Input Data Error No. 25 ****",
      "",
      "Length of input file is 0 bytes.  No analysis can be performed.",
      "",
      "The analysis ended due to an input error. ",
      ""};
  EXPECT_EQ(Read_Lines(dir.File("case.out")), report);
  EXPECT_EQ(Read_File(dir.File("case.plt")), "");
}

// Files in the older positional formats (no format word, or the version-5 word) are refused
// with input error 99, showing their first line padded to 256 columns.
TEST(TgoEntry, PositionalFormatsAreRefused) {
  for (const std::string first_line : {"TAVIKP5", "Pile in soft clay", "  1  2  3"}) {
    ScratchDir dir;
    Write_Names(dir, kStandardNames);
    Write_File(dir.File("case.inp"), first_line + "\nsecond line\n");
    EXPECT_EQ(Tgo_In(dir.path()), 199) << first_line;
    std::string shown = first_line;
    shown.resize(256, ' ');
    const std::vector<std::string> block = {"",
                                            "",
                                            "***** INPUT ERROR *****",
                                            "",
                                            "",
                                            "The following line is unrecognized or is out-of-order",
                                            "",
                                            "",
                                            shown,
                                            "",
                                            ""};
    std::vector<std::string> report = block;
    report.insert(report.end(), {"", "", "Tavik ended prematurely due to input error number INP00099",
                                 "", "The analysis ended due to an input error. ", ""});
    EXPECT_EQ(Read_Lines(dir.File("case.out")), report);
    std::vector<std::string> messages = block;
    messages.insert(messages.end(), {"", "The analysis ended due to an input error. ", ""});
    EXPECT_EQ(Read_Lines(dir.File("case.msg")), messages);
  }
}

TEST(TgoEntry, SecondCallAfterFailureStartsClean) {
  ScratchDir dir;
  Write_Names(dir, kStandardNames);
  Write_File(dir.File("case.inp"), "");
  ASSERT_EQ(Tgo_In(dir.path()), 125);
  Write_File(dir.File("case.inp"), "OLD FORMAT\n");
  EXPECT_EQ(Tgo_In(dir.path()), 199);
  const std::string report_after_failure = Read_File(dir.File("case.out"));
  EXPECT_EQ(report_after_failure.find("INP00025"), std::string::npos);
  // A fresh folder with the same input gives the same report.
  ScratchDir fresh;
  Write_Names(fresh, kStandardNames);
  Write_File(fresh.File("case.inp"), "OLD FORMAT\n");
  EXPECT_EQ(Tgo_In(fresh.path()), 199);
  EXPECT_EQ(Read_File(fresh.File("case.out")), report_after_failure);
}

TEST(RunAnalysis, MissingInputAndUnwritableOutputEndInOrder) {
  ScratchDir dir;
  RunPaths paths{dir.File("absent.inp"), dir.File("a.out"), dir.File("a.plt"), dir.File("a.msg")};
  ::testing::internal::CaptureStderr();
  RunOutcome outcome = Run_Analysis(paths);
  std::string console = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(outcome.status, 218);
  EXPECT_EQ(outcome.message_code, "RUN00018");
  EXPECT_NE(console.find("absent.inp"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(paths.report));

  Write_File(dir.File("a.inp"), "TAVIKP6\n");
  paths.input = dir.File("a.inp");
  paths.plot = dir.File("no_such_folder/a.plt");
  ::testing::internal::CaptureStderr();
  outcome = Run_Analysis(paths);
  console = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(outcome.status, 219);
  EXPECT_NE(console.find("no_such_folder/a.plt"), std::string::npos);
}

// Two runs on two threads, each with its own files, give the reports each gives alone.
TEST(RunAnalysis, ConcurrentRunsDoNotInterfere) {
  ScratchDir dir;
  Write_File(dir.File("empty.inp"), "");
  Write_File(dir.File("old.inp"), "OLD FORMAT\n");
  auto paths_for = [&](const std::string& stem) {
    return RunPaths{dir.File(stem + ".inp"), dir.File(stem + ".out"), dir.File(stem + ".plt"),
                    dir.File(stem + ".msg")};
  };
  for (int round = 0; round < 20; ++round) {
    RunOutcome empty;
    RunOutcome old;
    std::thread a([&] { empty = Run_Analysis(paths_for("empty")); });
    std::thread b([&] { old = Run_Analysis(paths_for("old")); });
    a.join();
    b.join();
    ASSERT_EQ(empty.status, 125);
    ASSERT_EQ(old.status, 199);
    ASSERT_EQ(Read_File(dir.File("empty.out")).find("INP00099"), std::string::npos);
    ASSERT_EQ(Read_File(dir.File("old.out")).find("INP00025"), std::string::npos);
  }
}

// The return-value rule: an error outranks warnings; one kind of warning gives its own
// negative number however often it was reported; two kinds give -300.
TEST(RunStatusRule, ReturnValue) {
  struct Case {
    int error;
    std::vector<int> warnings;  // negative numbers, as reported
    int expected;
  };
  const Case cases[] = {
      {0, {}, 0},
      {0, {-3041, -3041, -3041}, -3041},
      {0, {-302, -3041}, -300},
      {112, {-302, -3041}, 112},
      {999, {-400}, 999},
  };
  for (const Case& c : cases) {
    RunStatus status;
    for (int w : c.warnings) Record_Warning(status, w);
    if (c.error != 0) Store_Error_Number(status, c.error);
    EXPECT_EQ(Run_Return_Value(status), c.expected);
  }
}

TEST(RunStatusRule, TalliesStopAt4000AndClearPerLoadCase) {
  RunStatus status;
  for (int k = 0; k < 4100; ++k) Record_Warning(status, -3041);
  EXPECT_EQ(status.WarningTally[3041], 4000);
  Record_Warning(status, -5000);  // outside the numbered warnings: ignored
  Clear_Warning_Tallies(status);
  EXPECT_EQ(Run_Return_Value(status), 0);
  EXPECT_TRUE(status.b_AnyWarningReported);
}

}  // namespace
}  // namespace tavik
