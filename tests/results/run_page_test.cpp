// The page of a run and the files beside it: every figure embedded, the summary of every
// load case, the outcome line, nothing fetched from elsewhere; and the outcome read back from
// a run-message file.
#include <gtest/gtest.h>

#include <filesystem>

#include "results/base64.h"
#include "results/figure_fixture.h"
#include "results/figures.h"
#include "results/run_plots.h"
#include "test_support.h"

namespace tavik::results {
namespace {

using tavik::testing::Read_File;
using tavik::testing::ScratchDir;
using tavik::testing::Write_File;
using testing::Sample_Run;

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++n;
  }
  return n;
}

// RFC 4648, section 10.
TEST(RunPage, Base64OfTheStandardVectors) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"f", "Zg=="},
      {"fo", "Zm8="},
      {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="},
      {"fooba", "Zm9vYmE="},
      {"foobar", "Zm9vYmFy"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(Base64(bytes), text) << bytes;
  EXPECT_EQ(Base64(std::string("\xff\x00\x80", 3)), "/wCA");
}

TEST(RunPage, EveryFigureEmbeddedWithTheSummaryOfEveryCase) {
  ScratchDir dir;
  const PageHead head{"sample", "ended normally with warnings 3041 <check>", "sample.plt", ""};
  const PlotsWritten written =
      Write_Run_Plots(Sample_Run(), head, dir.File("plots"), FigureFormat::kSvg);
  ASSERT_TRUE(written.ok) << written.error;
  ASSERT_EQ(written.files.size(), 13u);
  EXPECT_EQ(written.page, dir.File("plots/index.html"));
  const std::string page = Read_File(written.page);

  EXPECT_EQ(Count(page, "<img "), 13);
  EXPECT_EQ(Count(page, "src=\"data:image/svg+xml;base64,"), 13);
  for (const std::string& file : written.files) {
    EXPECT_NE(page.find(Base64(Read_File(file))), std::string::npos) << file;
    const std::string name = std::filesystem::path(file).filename().string();
    EXPECT_NE(page.find("href=\"" + name + "\""), std::string::npos) << name;
  }
  // Self-contained: no script, no address to fetch, every image inline.
  EXPECT_EQ(page.find("<script"), std::string::npos);
  EXPECT_EQ(page.find("http:"), std::string::npos);
  EXPECT_EQ(page.find("https:"), std::string::npos);
  EXPECT_EQ(Count(page, "src=\""), Count(page, "src=\"data:"));
  EXPECT_NE(page.find("@page { size: A4"), std::string::npos);

  EXPECT_NE(page.find("ended normally with warnings 3041 &lt;check&gt;"), std::string::npos);
  // The summary rows of the sample's three load cases: V = 1000 c, y = 0.4 c,
  // rotation = -0.001 c, Mmax = 4000 c, Vmax = 1000 c.
  EXPECT_NE(page.find("<tr><td>1</td><td>1000</td><td>0.4</td><td>-0.001</td><td>4000</td>"
                      "<td>1000</td></tr>"),
            std::string::npos);
  EXPECT_NE(page.find("<tr><td>3</td><td>3000</td><td>1.2</td><td>-0.003</td><td>12000</td>"
                      "<td>3000</td></tr>"),
            std::string::npos);
  EXPECT_NE(page.find("Pile-head deflection<br>(in)"), std::string::npos);
  EXPECT_NE(page.find("Section 2 has a linear elastic bending stiffness"), std::string::npos);
}

// A png run embeds its png files; a pdf run embeds svg drawings (a browser shows no pdf
// inline) and leaves no drawing of its own behind. (A run of one figure: cairo is slow.)
TEST(RunPage, PngAndPdfRuns) {
  RunResults run = Sample_Run();
  run.load_cases.clear();
  run.stiffness_matrix.clear();
  run.sections.clear();
  run.py_curves.resize(1);
  ASSERT_EQ(Build_Figures(run).size(), 1u);
  ScratchDir dir;
  const PlotsWritten png = Write_Run_Plots(run, {"sample", "ended normally", "", ""},
                                           dir.File("png"), FigureFormat::kPng);
  ASSERT_TRUE(png.ok) << png.error;
  EXPECT_EQ(Count(Read_File(png.page), "src=\"data:image/png;base64,"), 1);

  const PlotsWritten pdf = Write_Run_Plots(run, {"sample", "ended normally", "", ""},
                                           dir.File("pdf"), FigureFormat::kPdf);
  ASSERT_TRUE(pdf.ok) << pdf.error;
  EXPECT_EQ(Count(Read_File(pdf.page), "src=\"data:image/svg+xml;base64,"), 1);
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.File("pdf"))) {
    const std::string ext = entry.path().extension().string();
    EXPECT_TRUE(ext == ".pdf" || entry.path().filename() == "index.html") << entry.path();
    ++entries;
  }
  EXPECT_EQ(entries, 2);

  // A run without results still gets its page: the outcome and no figure.
  const PlotsWritten empty =
      Write_Run_Plots(RunResults{}, {"empty", "ended on input error 125", "", "no records"},
                      dir.File("empty"), FigureFormat::kSvg);
  ASSERT_TRUE(empty.ok) << empty.error;
  EXPECT_TRUE(empty.files.empty());
  EXPECT_EQ(Count(Read_File(empty.page), "<img "), 0);

  Write_File(dir.File("taken"), "a file where the folder should be");
  const PlotsWritten blocked =
      Write_Run_Plots(Sample_Run(), {"sample", "", "", ""}, dir.File("taken"), FigureFormat::kSvg);
  EXPECT_FALSE(blocked.ok);
  EXPECT_NE(blocked.error.find("taken"), std::string::npos) << blocked.error;
}

TEST(RunPage, OutcomeFromTheRunMessageFile) {
  struct Case {
    const char* messages;
    const char* outcome;
  };
  // Closing lines as the engine writes them (a trailing blank after "normally. ").
  const Case cases[] = {
      {"Completed Analysis 2\n\n\nThe analysis ended normally. \n", "The analysis ended normally."},
      {"Completed Analysis 2\nThe analysis ended with one or more warning messages.\n"
       "The analysis ended normally. \n",
       "The analysis ended with one or more warning messages. The analysis ended normally."},
      {"**** Input Data Error No. 25 ****\nSize of input data file is 0 bytes.  No analysis "
       "performed.\n\nThe analysis ended due to an input error. \n",
       "Input Data Error No. 25: Size of input data file is 0 bytes.  No analysis performed. The "
       "analysis ended due to an input error."},
      {"**** Warning - Possible Solution Error 550 ****\nForce imbalance\nThe analysis ended "
       "normally. \n",
       "The analysis ended normally."},
      {"Reading soil layering data\n", ""},
  };
  ScratchDir dir;
  for (const Case& c : cases) {
    Write_File(dir.File("run.msg"), c.messages);
    EXPECT_EQ(Outcome_From_Messages(dir.File("run.msg")), c.outcome) << c.messages;
  }
  EXPECT_EQ(Outcome_From_Messages(dir.File("absent.msg")), "");
}

}  // namespace
}  // namespace tavik::results
