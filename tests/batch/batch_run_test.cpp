// The batch runner: shards cover a list once, output names that would clash are refused, the
// depths of the maxima come from the node table, the CSV rows, and a batch on two threads
// writes the same files and summary as the same inputs run one at a time.
#include "batch/batch_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "results/plot_file_reader.h"
#include "test_support.h"

namespace tavik::batch {
namespace {

using testing::Read_File;
using testing::ScratchDir;

std::string Example(const std::string& name) {
  return std::string(TAVIK_SOURCE_DIR) + "/examples/" + name + ".inp";
}

TEST(BatchShards, EveryItemInExactlyOneShardInOrder) {
  // Every list size up to 11 against every shard count up to 13 (more shards than items
  // included): the blocks follow each other without gap or overlap from 0 to size, and
  // their sizes differ by at most one.
  for (std::size_t size = 0; size <= 11; ++size) {
    for (int count = 1; count <= 13; ++count) {
      std::size_t expected_first = 0;
      std::size_t smallest = size;
      std::size_t largest = 0;
      for (int index = 1; index <= count; ++index) {
        const ShardRange shard = Shard_Range(size, index, count);
        EXPECT_EQ(shard.first, expected_first) << size << " items, shard " << index << "/" << count;
        ASSERT_LE(shard.first, shard.last);
        expected_first = shard.last;
        smallest = std::min(smallest, shard.last - shard.first);
        largest = std::max(largest, shard.last - shard.first);
      }
      EXPECT_EQ(expected_first, size) << size << " items in " << count << " shards";
      EXPECT_LE(largest - smallest, 1u) << size << " items in " << count << " shards";
    }
  }
  // 10 items in 3 shards: floor(k * 10 / 3) = 0, 3, 6, 10.
  EXPECT_EQ(Shard_Range(10, 3, 3).first, 6u);
  EXPECT_EQ(Shard_Range(10, 3, 3).last, 10u);
}

TEST(BatchShards, ParseAcceptsOnlyIOfN) {
  struct Case {
    const char* text;
    bool valid;
  };
  const Case cases[] = {{"1/1", true},  {"2/3", true},  {"3/3", true},   {"0/3", false},
                        {"4/3", false}, {"1/0", false}, {"-1/2", false}, {"1/2x", false},
                        {"1", false},   {"a/b", false}, {"", false},     {"1/ 2", false}};
  for (const Case& c : cases) {
    EXPECT_EQ(Parse_Shard(c.text, 10).has_value(), c.valid) << c.text;
  }
  EXPECT_EQ(Parse_Shard("2/3", 10)->first, 3u);
}

TEST(BatchOutputs, StemsAreNamedAsRunDoesAndClashesRefused) {
  const OutputPlan beside = Plan_Outputs({"a/pile.inp", "b/pile.inp", "a/shaft.dat"}, "");
  ASSERT_TRUE(beside.error.empty()) << beside.error;
  ASSERT_EQ(beside.runs.size(), 3u);
  EXPECT_EQ(beside.runs[0].report, "a/pile.out");
  EXPECT_EQ(beside.runs[1].plot, "b/pile.plt");
  EXPECT_EQ(beside.runs[2].messages, "a/shaft.msg");

  // The same stem from two folders into one output folder, an input listed twice, and two
  // extensions of one stem would each overwrite a run's files.
  const std::vector<std::vector<std::string>> clashes = {
      {"a/pile.inp", "b/pile.inp"}, {"a/pile.inp", "a/./pile.inp"}, {"pile.inp", "pile.dat"}};
  for (const std::vector<std::string>& inputs : clashes) {
    const OutputPlan plan = Plan_Outputs(inputs, "out");
    EXPECT_TRUE(plan.runs.empty());
    EXPECT_NE(plan.error.find(inputs[0]), std::string::npos) << plan.error;
    EXPECT_NE(plan.error.find(inputs[1]), std::string::npos) << plan.error;
  }
  EXPECT_FALSE(Plan_Outputs({"a/pile.inp", "a/./pile.inp"}, "").error.empty());
}

TEST(BatchSummary, DepthsOfTheMaximaFromTheNodeTable) {
  // Load case 1: the summary's maximum moment -7 is first shown by the node at depth 24
  // (depth 36 shows +7, same magnitude, later); the maximum shear 5 at the head.
  // Load case 2: a summary moment that no node shows (a table cut short): the depth of the
  // node of largest magnitude. Load case 3 has no summary and gives no row.
  results::RunResults run;
  results::LoadCaseResults first;
  first.number = 1;
  const double depth[] = {0, 12, 24, 36, 48};
  const double moment[] = {0, 5, -7, 7, 3};
  const double shear[] = {5, 4, -2, -3, 0};
  for (int i = 0; i < 5; ++i) {
    results::NodeRow node;
    node.depth = depth[i];
    node.moment = moment[i];
    node.shear = shear[i];
    first.nodes.push_back(node);
  }
  first.summary = results::CaseSummary{5.0, 0.25, -7.0, 5.0, -0.002};
  results::LoadCaseResults second = first;
  second.number = 2;
  second.summary->max_moment = 9.0;
  results::LoadCaseResults third = first;
  third.number = 3;
  third.summary.reset();
  run.load_cases = {first, second, third};

  const std::vector<CaseSummaryRow> rows = Summarise_Load_Cases(run);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].load_case, 1);
  EXPECT_EQ(rows[0].head_deflection, 0.25);
  EXPECT_EQ(rows[0].head_rotation, -0.002);
  EXPECT_EQ(rows[0].max_moment, -7.0);
  EXPECT_EQ(rows[0].max_moment_depth, 24.0);
  EXPECT_EQ(rows[0].max_shear, 5.0);
  EXPECT_EQ(rows[0].max_shear_depth, 0.0);
  EXPECT_EQ(rows[1].load_case, 2);
  EXPECT_EQ(rows[1].max_moment_depth, 24.0);
}

TEST(BatchSummary, CsvRowsPerLoadCaseAndOneEmptyRowPerFailure) {
  InputResult good;
  good.paths.input = "piles/a,b.inp";  // a comma in the name: the field is quoted
  good.units = results::UnitSystem::kSI;
  // Values as a plot file holds them (ES15.7) come out in their shortest form.
  good.cases = {{1, 1.5304446E-01, -9.6149184E-04, 1.6848541E+06, 150.0, 2.0E+04, 0.0},
                {2, 3.3071151E+00, -1.8132669E-02, 9.6606438E+06, 192.0, 8.0E+04, 0.0}};
  InputResult failed;
  failed.paths.input = "bad.inp";
  failed.end = RunEnd::kInputError;
  failed.outcome.status = 192;
  failed.outcome.error_number = 192;
  failed.outcome.message_code = "INP00092";
  std::ostringstream csv;
  Write_Summary_Csv(csv, {good, failed});
  EXPECT_EQ(csv.str(),
            "input,status,return_value,message_code,units,load_case,head_deflection,"
            "head_rotation,max_moment,max_moment_depth,max_shear,max_shear_depth\n"
            "\"piles/a,b.inp\",normal,0,,si,1,0.15304446,-0.00096149184,1684854.1,150,20000,0\n"
            "\"piles/a,b.inp\",normal,0,,si,2,3.3071151,-0.018132669,9660643.8,192,80000,0\n"
            "bad.inp,input_error,192,INP00092,,,,,,,,\n");
}

TEST(BatchRun, TwoThreadsGiveTheFilesAndSummaryOfSingleRuns) {
  // Four examples, each twice, on two threads, against each example run alone: the plot and
  // message files must be the same bytes (they carry no date) and the summaries equal.
  ScratchDir dir;
  const std::vector<std::string> examples = {
      "elastic_pipe_pile_soft_clay", "drilled_shaft_clay_over_sand", "elastic_pile_stiff_clay_si",
      "prestressed_square_pile_sand"};
  std::vector<RunPaths> single;
  std::vector<RunPaths> runs;
  for (const std::string& name : examples) {
    const std::string alone = dir.File("alone_" + name);
    single.push_back({Example(name), alone + ".out", alone + ".plt", alone + ".msg"});
    for (int copy = 0; copy < 2; ++copy) {
      const std::string stem = dir.File("batch_" + name + "_" + std::to_string(copy));
      runs.push_back({Example(name), stem + ".out", stem + ".plt", stem + ".msg"});
    }
  }
  std::vector<InputResult> alone;
  for (const RunPaths& paths : single) alone.push_back(Run_One(paths));
  const std::vector<InputResult> batch = Run_Batch(runs, 2);
  ASSERT_EQ(batch.size(), runs.size());
  EXPECT_TRUE(All_Ended_Normally(batch));
  for (std::size_t k = 0; k < batch.size(); ++k) {
    const InputResult& reference = alone[k / 2];
    SCOPED_TRACE(runs[k].plot);
    ASSERT_EQ(reference.end, RunEnd::kNormal);
    EXPECT_EQ(batch[k].outcome.status, reference.outcome.status);
    EXPECT_EQ(Read_File(batch[k].paths.plot), Read_File(reference.paths.plot));
    EXPECT_EQ(Read_File(batch[k].paths.messages), Read_File(reference.paths.messages));
    ASSERT_FALSE(reference.cases.empty());
    ASSERT_EQ(batch[k].cases.size(), reference.cases.size());
    for (std::size_t c = 0; c < reference.cases.size(); ++c) {
      EXPECT_EQ(batch[k].cases[c].head_deflection, reference.cases[c].head_deflection);
      EXPECT_EQ(batch[k].cases[c].max_moment, reference.cases[c].max_moment);
      EXPECT_EQ(batch[k].cases[c].max_moment_depth, reference.cases[c].max_moment_depth);
      EXPECT_EQ(batch[k].cases[c].max_shear_depth, reference.cases[c].max_shear_depth);
    }
  }
}

}  // namespace
}  // namespace tavik::batch
