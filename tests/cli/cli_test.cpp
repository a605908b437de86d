// The command-line program as a user runs it: exit codes, the one-line outcome, the output
// file names, and the host entry point exported with C linkage from the shared library.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <filesystem>
#include <string>

#include "test_support.h"

namespace tavik {
namespace {

using testing::CommandResult;
using testing::Run_Command;

using testing::ScratchDir;
using testing::Write_File;

std::string Cli() {
  return TAVIK_CLI_PATH;
}

TEST(CommandLine, UsageHelpAndVersion) {
  EXPECT_EQ(Run_Command(Cli()).exit_code, 64);
  EXPECT_EQ(Run_Command(Cli() + " frobnicate").exit_code, 64);
  EXPECT_EQ(Run_Command(Cli() + " run").exit_code, 64);
  const CommandResult help = Run_Command(Cli() + " --help");
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_NE(help.output.find("run"), std::string::npos);
  const CommandResult version = Run_Command(Cli() + " --version");
  EXPECT_EQ(version.exit_code, 0);
  EXPECT_NE(version.output.find("6.0.27"), std::string::npos);
}

TEST(CommandLine, RunWritesStemFilesAndSaysHowItEnded) {
  ScratchDir dir;
  Write_File(dir.File("empty.inp"), "");
  const CommandResult empty = Run_Command(Cli() + " run " + dir.File("empty.inp"));
  EXPECT_EQ(empty.exit_code, 1);
  EXPECT_NE(empty.output.find("input error 125 (INP00025)"), std::string::npos) << empty.output;
  EXPECT_TRUE(std::filesystem::exists(dir.File("empty.out")));
  EXPECT_TRUE(std::filesystem::exists(dir.File("empty.plt")));
  EXPECT_TRUE(std::filesystem::exists(dir.File("empty.msg")));

  std::filesystem::create_directory(dir.path() / "results");
  const CommandResult elsewhere =
      Run_Command(Cli() + " run " + dir.File("empty.inp") + " --out-dir " + dir.File("results"));
  EXPECT_EQ(elsewhere.exit_code, 1);
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "results" / "empty.out"));

  const CommandResult missing = Run_Command(Cli() + " run " + dir.File("absent.inp"));
  EXPECT_EQ(missing.exit_code, 2);
  EXPECT_NE(missing.output.find("RUN00018"), std::string::npos) << missing.output;
}

TEST(CommandLine, TgoSubcommandPrintsTheReturnedValue) {
  ScratchDir dir;
  Write_File(dir.File("NAMES.DAT"), "case.inp\n\ncase.plt\ncase.msg\n");
  const CommandResult result = Run_Command("cd " + dir.path().string() + " && " + Cli() + " tgo");
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_NE(result.output.find("217"), std::string::npos) << result.output;
}

// A host loads the shared library and finds TGO by its plain C name; the engine's internal
// routines are not exported.
TEST(SharedLibrary, ExportsTgoWithCLinkageOnly) {
  void* library = ::dlopen(TAVIK_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << ::dlerror();
  using Entry = int (*)(int);
  auto tgo = reinterpret_cast<Entry>(::dlsym(library, "TGO"));
  ASSERT_NE(tgo, nullptr);
  EXPECT_EQ(tgo(6026), 99);
  EXPECT_EQ(::dlsym(library, "_ZN5tavik14Run_With_FilesERNS_10RunContextE"), nullptr);
  EXPECT_EQ(::dlsym(library, "_ZN5tavik10Write_RealERNS_11TextChannelEdi"), nullptr);
  ::dlclose(library);
}

}  // namespace
}  // namespace tavik
