// `tavik plot` and `tavik run --plots` as a user runs them: the files they write, what they
// print, their exit codes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_support.h"

namespace tavik {
namespace {

using testing::CommandResult;
using testing::Run_Command;

using testing::Read_File;
using testing::ScratchDir;
using testing::Write_File;

std::string Cli() {
  return TAVIK_CLI_PATH;
}

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++n;
  }
  return n;
}

// The bundled example: a drilled shaft with its moment-curvature analysis, two load cases,
// no p-y output depths and no studies: the six depth figures (slope from the report), the
// two section figures and the two pile-head figures.
TEST(PlotCommand, RunWithPlotsThenPlotInAnotherFormat) {
  ScratchDir dir;
  const std::string example =
      std::string(TAVIK_SOURCE_DIR) + "/examples/drilled_shaft_clay_over_sand.inp";
  const CommandResult run = Run_Command(Cli() + " run " + example + " --out-dir " +
                                        dir.File("out") + " --plots " + dir.File("plots"));
  ASSERT_EQ(run.exit_code, 0) << run.output;
  EXPECT_NE(run.output.find("page: " + dir.File("plots/index.html") + " (10 figures)"),
            std::string::npos)
      << run.output;
  for (const char* name : {"deflection", "slope", "moment", "shear", "soil_reaction",
                           "bending_stiffness", "moment_curvature_section_1", "ei_moment_section_1",
                           "head_shear_deflection", "head_shear_max_moment"}) {
    EXPECT_TRUE(std::filesystem::exists(dir.File("plots/" + std::string(name) + ".svg"))) << name;
  }
  const std::string page = Read_File(dir.File("plots/index.html"));
  EXPECT_EQ(Count(page, "<img "), 10);
  EXPECT_NE(page.find("The analysis ended normally."), std::string::npos);
  EXPECT_EQ(Count(page, "<tr><td>"), 2);  // the summary rows of the two load cases

  const CommandResult plot =
      Run_Command(Cli() + " plot " + dir.File("out/drilled_shaft_clay_over_sand.plt") + " --out " +
                  dir.File("png") + " --format png");
  ASSERT_EQ(plot.exit_code, 0) << plot.output;
  EXPECT_TRUE(std::filesystem::exists(dir.File("png/moment.png")));
  const std::string png_page = Read_File(dir.File("png/index.html"));
  EXPECT_EQ(Count(png_page, "src=\"data:image/png;base64,"), 10);
  // The outcome comes from the run-message file beside the plot file.
  EXPECT_NE(png_page.find("The analysis ended normally."), std::string::npos);
}

TEST(PlotCommand, FailuresAndWrongUsage) {
  ScratchDir dir;
  const CommandResult absent =
      Run_Command(Cli() + " plot " + dir.File("absent.plt") + " --out " + dir.File("plots"));
  EXPECT_EQ(absent.exit_code, 3);
  EXPECT_NE(absent.output.find("absent.plt"), std::string::npos) << absent.output;

  EXPECT_EQ(Run_Command(Cli() + " plot " + dir.File("a.plt") + " --out " + dir.File("p") +
                        " --format gif")
                .exit_code,
            64);
  EXPECT_EQ(Run_Command(Cli() + " plot " + dir.File("a.plt")).exit_code, 64);

  // A run that ends on an input error keeps its exit code; its page says how it ended.
  Write_File(dir.File("empty.inp"), "");
  const CommandResult empty =
      Run_Command(Cli() + " run " + dir.File("empty.inp") + " --plots " + dir.File("plots"));
  EXPECT_EQ(empty.exit_code, 1) << empty.output;
  const std::string page = Read_File(dir.File("plots/index.html"));
  EXPECT_NE(page.find("ended on input error 125 (INP00025)"), std::string::npos) << page;
  EXPECT_EQ(Count(page, "<img "), 0);

  // A normal run whose page cannot be written: exit code 4.
  Write_File(dir.File("taken"), "a file where the folder should be");
  const CommandResult blocked =
      Run_Command(Cli() + " run " + std::string(TAVIK_SOURCE_DIR) +
                  "/examples/drilled_shaft_clay_over_sand.inp --out-dir " + dir.File("out") +
                  " --plots " + dir.File("taken"));
  EXPECT_EQ(blocked.exit_code, 4) << blocked.output;
  EXPECT_NE(blocked.output.find("figures not written"), std::string::npos) << blocked.output;
}

}  // namespace
}  // namespace tavik
