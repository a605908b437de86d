// The JSON of the results: every key that docs/results.md describes is present with its
// type (and no other key), the units fit the numbers, the document reads back equal to the
// model, and a document with a missing or mistyped key is refused naming it.
#include "results/results_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <sstream>

#include "results/results_test_support.h"

namespace tavik::results {
namespace {

using Json = nlohmann::ordered_json;
using tavik::testing::Read_File;
using tavik::testing::Read_Lines;
using tavik::testing::ScratchDir;
using testing::Run_Engine_On_Text;
using testing::Source_File;

// Runs whose documents together hold every key: sections of three kinds, p-y curves, a
// length study, the stiffness matrix, LRFD, the three unit systems, a stiffness-only run.
const char* const kInputs[] = {
    "tests/results/two_sections_all_records.inp",
    "tests/cases/elastic_subgrade_head_studies.inp",
    "tests/cases/lrfd_elastic_plastic_pipe.inp",
    "examples/elastic_pile_stiff_clay_si.inp",
};

std::vector<RunResults> Read_Runs(const ScratchDir& dir) {
  std::vector<RunResults> runs;
  std::vector<std::string> stems;
  for (const char* input : kInputs) {
    const std::string name = std::to_string(stems.size());
    stems.push_back(Run_Engine_On_Text(dir, name, Read_File(Source_File(input))));
  }
  std::string text = Read_File(Source_File("examples/elastic_pipe_pile_soft_clay.inp"));
  text.replace(text.find("Units USCS"), 10, "Units GENERAL");
  stems.push_back(Run_Engine_On_Text(dir, "general", text));
  text = Read_File(Source_File("examples/drilled_shaft_clay_over_sand.inp"));
  text.replace(text.find("ComputeEIOnly NO"), 16, "ComputeEIOnly YES");
  stems.push_back(Run_Engine_On_Text(dir, "stiffness_only", text));
  for (const std::string& stem : stems) {
    const ReadResult read = Read_Results(stem + ".plt", stem + ".out");
    EXPECT_TRUE(read.ok) << read.error;
    runs.push_back(read.results);
  }
  return runs;
}

// The key table of docs/results.md: key path -> type.
std::map<std::string, std::string> Documented_Keys() {
  std::map<std::string, std::string> keys;
  for (const std::string& line : Read_Lines(Source_File("docs/results.md"))) {
    // | `key` | type | unit |
    if (line.rfind("| `", 0) != 0) continue;
    const std::size_t key_end = line.find('`', 3);
    const std::size_t type_start = line.find("| ", key_end) + 2;
    const std::size_t type_end = line.find(" |", type_start);
    keys[line.substr(3, key_end - 3)] = line.substr(type_start, type_end - type_start);
  }
  return keys;
}

bool Is_Number(const Json& v) {
  return v.is_number() || (v.is_string() && (v == "NaN" || v == "Infinity" || v == "-Infinity"));
}

bool Has_Type(const Json& v, const std::string& type) {
  if (type == "string") return v.is_string();
  if (type == "integer") return v.is_number_integer();
  if (type == "boolean") return v.is_boolean();
  if (type == "number") return Is_Number(v);
  if (type == "object") return v.is_object();
  if (type == "object or null") return v.is_object() || v.is_null();
  if (type == "array") return v.is_array();
  if (type == "numbers" || type == "numbers or nulls") {
    if (!v.is_array()) return false;
    for (const Json& e : v) {
      if (!Is_Number(e) && !(type == "numbers or nulls" && e.is_null())) return false;
    }
    return true;
  }
  ADD_FAILURE() << "type not in the documented vocabulary: " << type;
  return false;
}

// Walks `v` at `path`: every key met must be documented with the type it has; records the
// paths seen. Arrays of objects are walked element by element as `path[]`.
void Check_Keys(const Json& v, const std::string& path,
                const std::map<std::string, std::string>& documented, std::set<std::string>& seen) {
  for (const auto& [key, value] : v.items()) {
    const std::string at = path.empty() ? key : path + "." + key;
    const auto doc = documented.find(at);
    if (doc == documented.end()) {
      ADD_FAILURE() << "key not documented: " << at;
      continue;
    }
    seen.insert(at);
    EXPECT_TRUE(Has_Type(value, doc->second)) << at << " is not " << doc->second;
    if (value.is_object()) Check_Keys(value, at, documented, seen);
    if (value.is_array()) {
      for (const Json& element : value) {
        if (element.is_object()) Check_Keys(element, at + "[]", documented, seen);
      }
    }
  }
}

TEST(ResultsJson, EveryDocumentedKeyWithItsType) {
  const std::map<std::string, std::string> documented = Documented_Keys();
  ASSERT_GT(documented.size(), 90u);
  ScratchDir dir;
  std::set<std::string> seen;
  for (const RunResults& run : Read_Runs(dir))
    Check_Keys(Results_To_Json(run), "", documented, seen);
  for (const auto& [key, type] : documented) {
    EXPECT_EQ(seen.count(key), 1u) << "documented key never written: " << key;
  }
}

TEST(ResultsJson, ReadsBackEqualToTheModel) {
  ScratchDir dir;
  for (const RunResults& run : Read_Runs(dir)) {
    // Through the text, as a program reading the file sees it.
    const std::string path = dir.File("run.json");
    std::string error;
    ASSERT_TRUE(Write_Results_Json(run, path, error)) << error;
    const ReadResult back = Results_From_Json(Json::parse(Read_File(path)));
    ASSERT_TRUE(back.ok) << back.error;
    EXPECT_EQ(back.results, run);
  }
}

TEST(ResultsJson, UnitsFitTheNumbers) {
  ScratchDir dir;
  const std::vector<RunResults> runs = Read_Runs(dir);
  // The two-section pile is 50 ft long: its last node lies at 600, in inches. Its elastic
  // pipe (section 2) has EI = 29e6 psi x 2549.3 in4 = 7.393e10 lb-in2: 7.393e7 in the section
  // table (kip-in2) and 7.393e10 at the nodes of the section (lb-in2).
  const Json us = Results_To_Json(runs[0]);
  EXPECT_EQ(us["units"]["system"], "US customary");
  EXPECT_EQ(us["units"]["nodes"]["depth"], "in");
  EXPECT_EQ(us["load_cases"][0]["nodes"]["depth"].back(), 600.0);
  EXPECT_EQ(us["units"]["sections"]["ei"], "kip-in^2");
  EXPECT_NEAR(us["sections"][1]["thrusts"][0]["points"]["ei"][0].get<double>(), 7.393e7, 1e4);
  EXPECT_EQ(us["units"]["nodes"]["ei"], "lb-in^2");
  EXPECT_NEAR(us["load_cases"][0]["nodes"]["ei"].back().get<double>(), 7.393e10, 1e7);
  // The elastic pipe's moment at its last point (curvature 1500) is EI phi = 1.1089e11
  // kip-in; its nominal capacity, that moment, is written in in-lbs: 1.1089e14.
  EXPECT_EQ(us["units"]["sections"]["moment"], "kip-in");
  EXPECT_EQ(us["units"]["sections"]["nominal_moment"], "in-lbs");
  const Json& pipe = us["sections"][1]["thrusts"][0];
  EXPECT_DOUBLE_EQ(pipe["nominal_moment"].get<double>(),
                   1000.0 * pipe["points"]["moment"].back().get<double>());

  // The SI example: a 15 m pile, its last node at 15 (metres); E I = 3e7 kPa x
  // 6.3617e-3 m4 = 1.9085e5 kN-m2.
  const Json si = Results_To_Json(runs[3]);
  EXPECT_EQ(si["units"]["system"], "SI");
  EXPECT_EQ(si["units"]["nodes"]["depth"], "m");
  EXPECT_EQ(si["load_cases"][0]["nodes"]["depth"].back(), 15.0);
  EXPECT_EQ(si["units"]["nodes"]["ei"], "kN-m^2");
  EXPECT_NEAR(si["load_cases"][0]["nodes"]["ei"].back().get<double>(), 1.9085e5, 1.0);
  EXPECT_EQ(si["units"]["sections"]["moment"], "kN-m");
  EXPECT_EQ(si["run"]["iunits"], 2);
  const Json general = Results_To_Json(runs[4]);
  EXPECT_EQ(general["units"]["system"], "general");
  EXPECT_EQ(general["units"]["nodes"]["moment"], "F-L");
}

TEST(ResultsJson, NonFiniteValuesAndMissingReportColumns) {
  RunResults model;
  model.head.icom = 3;
  LoadCaseResults load_case;
  load_case.number = 1;
  NodeRow node;
  node.deflection = std::numeric_limits<double>::quiet_NaN();
  node.moment = std::numeric_limits<double>::infinity();
  node.shear = -std::numeric_limits<double>::infinity();
  node.slope = 0.25;
  load_case.nodes.push_back(node);
  model.load_cases.push_back(load_case);
  const Json document = Results_To_Json(model);
  const Json& nodes = document["load_cases"][0]["nodes"];
  EXPECT_EQ(nodes["deflection"][0], "NaN");
  EXPECT_EQ(nodes["moment"][0], "Infinity");
  EXPECT_EQ(nodes["shear"][0], "-Infinity");
  EXPECT_EQ(nodes["slope"][0], 0.25);
  EXPECT_TRUE(nodes["soil_spring"][0].is_null());
  const ReadResult back = Results_From_Json(Json::parse(document.dump()));
  ASSERT_TRUE(back.ok) << back.error;
  const NodeRow& read = back.results.load_cases[0].nodes[0];
  EXPECT_TRUE(std::isnan(read.deflection));
  EXPECT_EQ(read.moment, node.moment);
  EXPECT_EQ(read.shear, node.shear);
  EXPECT_EQ(read.slope, 0.25);
  EXPECT_FALSE(read.soil_spring.has_value());
}

TEST(ResultsJson, RefusesADocumentNamingTheKey) {
  ScratchDir dir;
  const Json good = Results_To_Json(Read_Runs(dir)[0]);
  const struct {
    const char* what;
    void (*edit)(Json&);
    const char* error;
  } cases[] = {
      {"another format", [](Json& d) { d["format"] = "other"; }, "JSON .format"},
      {"another version", [](Json& d) { d["format_version"] = 2; },
       "JSON .format_version: 2 is not 1"},
      {"a missing key", [](Json& d) { d["run"].erase("icom"); }, "JSON run.icom: missing"},
      {"a mistyped key", [](Json& d) { d["run"]["lrfd"] = 1; }, "JSON run.lrfd: not true or false"},
      {"a text where a number belongs",
       [](Json& d) { d["load_cases"][1]["nodes"]["moment"][3] = "big"; },
       "JSON load_cases[1].nodes.moment[3]: not a number"},
      {"columns of unequal length",
       [](Json& d) { d["sections"][0]["thrusts"][1]["points"]["ei"].erase(0); },
       "JSON sections[0].thrusts[1].points.ei: has 123 entries, the table 124"},
      {"not an object at all", [](Json& d) { d = Json::array(); }, "JSON document: not an object"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Json document = good;
    c.edit(document);
    const ReadResult read = Results_From_Json(document);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.error.rfind(c.error, 0), 0u) << read.error;
  }
}

}  // namespace
}  // namespace tavik::results
