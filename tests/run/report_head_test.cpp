// The report head (banner, files used, date and time) and the plot-file head records.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "run/report_head.h"
#include "test_support.h"

namespace tavik {
namespace {

using testing::Read_Lines;
using testing::ScratchDir;

class ReportHeadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    run_ = std::make_unique<RunContext>();
    run_->Files = RunFiles{dir_.File("pile.inp"), dir_.File("pile.out"), dir_.File("pile.plt"),
                           dir_.File("pile.msg")};
    ASSERT_TRUE(run_->Report.Open(run_->Files.ReportPath));
    ASSERT_TRUE(run_->Plot.Open(run_->Files.PlotPath));
  }
  std::vector<std::string> Report_Lines() {
    run_->Report.Close();
    return Read_Lines(run_->Files.ReportPath);
  }
  ScratchDir dir_;
  std::unique_ptr<RunContext> run_;
};

TEST_F(ReportHeadTest, BannerFilesAndDate) {
  Write_Report_Head(*run_, AnalysisTime{2025, 3, 5, 9, 7, 3});
  const std::string equals(80, '=');
  const std::string dashes(80, '-');
  const std::string indent(15, ' ');
  const std::string folder = std::filesystem::absolute(dir_.path()).string() + "/";
  const std::vector<std::string> expected = {
      equals,
      "",
      indent + "    Tavik for Windows, Version 6 (6.0.27)",
      "",
      indent + " Analysis of Individual Piles and Drilled Shafts ",
      indent + "Subjected to Lateral Loading Using the p-y Method",
      "",
      // 37 characters centred in 49 columns: 6 blanks left, 6 right.
      indent + "      Copyright (C) 2026 Tavik contributors      ",
      // 19 characters: 15 blanks left, 15 right.
      indent + "               All Rights Reserved               ",
      "",
      equals,
      "",
      dashes,
      std::string(28, ' ') + "Files Used for Analysis",
      dashes,
      "",
      "Path to file locations:        " + folder,
      "Name of input data file:       pile.inp",
      "Name of output report file:    pile.out",
      "Name of plot output file:      pile.plt",
      "Name of runtime messeage file: pile.msg",
      "",
      dashes,
      std::string(27, ' ') + "Date and Time of Analysis",
      dashes,
      "",
      indent + "Date:  March 5, 2025     Time:   9:07:03",
  };
  EXPECT_EQ(Report_Lines(), expected);
}

TEST_F(ReportHeadTest, BareInputNameShowsTheWorkingDirectory) {
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir_.path());
  const PathParts parts = Split_Path("bare.inp");
  std::filesystem::current_path(previous);
  EXPECT_EQ(parts.Directory, std::filesystem::absolute(dir_.path()).string() + "/");
  EXPECT_EQ(parts.Name, "bare.inp");
}

TEST_F(ReportHeadTest, PlotHeadRecords) {
  run_->Problem.Options.ICOM = 3;
  run_->Problem.IUNITS = 2;
  run_->Problem.Options.ComputeKmatrix = true;
  run_->Problem.NumSections = 2;
  Write_Plot_Line1(*run_);
  Write_Plot_Line2(*run_);
  run_->Plot.Close();
  const std::vector<std::string> expected = {
      "    3    2    0    1" + std::string(60, ' ') + "Line 1 : ICOM, IUNITS, KYL, KXX",
      "    2" + std::string(75, ' ') + "Line 2 : Total number of sections",
  };
  EXPECT_EQ(Read_Lines(run_->Files.PlotPath), expected);
}

}  // namespace
}  // namespace tavik
