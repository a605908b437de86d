// A run context built by hand for the tests of the pile and soil profile and of the p-y
// criteria: the report, plot and message channels on scratch files, the unit labels of the
// chosen units system, and helpers that add sections and layers in internal units (inches,
// psi and pci in US customary units).
#ifndef TAVIK_TESTS_PROFILE_PROFILE_FIXTURE_H
#define TAVIK_TESTS_PROFILE_PROFILE_FIXTURE_H

#include <memory>
#include <string>
#include <vector>

#include "run/run_context.h"
#include "test_support.h"

namespace tavik::testing {

// Soil type indices.
inline constexpr int kSoftClayIndex = 1;
inline constexpr int kStiffClayFreeWaterIndex = 2;
inline constexpr int kStiffClayNoWaterIndex = 3;
inline constexpr int kSandIndex = 5;
inline constexpr int kApiSandIndex = 6;
inline constexpr int kWeakRockIndex = 8;
inline constexpr int kCementedSiltIndex = 11;
inline constexpr int kUserCurvesIndex = 14;
inline constexpr int kSoftClayJIndex = 15;
inline constexpr int kMassiveRockIndex = 16;
inline constexpr int kFrozenSoilIndex = 17;

// Properties of one soil property point (internal units).
struct Props {
  double gamma = 0.0;  // effective unit weight
  double c = 0.0;      // cohesion (qu for rock)
  double phi = 0.0;    // friction angle, degrees
  double eps50 = 0.0;  // Epsilon50 (krm for weak rock)
  double J = 0.0;
};

class ProfileRun {
 public:
  explicit ProfileRun(int iunits = kUnitsUSCustomary);
  ~ProfileRun();

  RunContext& run() { return *run_; }
  ProblemData& problem() { return run_->Problem; }

  // Appends a section from the current pile length down by `length`, with a constant or
  // tapered width, E and I (stations at its top and bottom).
  void Add_Section(double length, double top_width, double bottom_width, double E, double I);
  // Appends a layer of soil type `index` from `top` to `bottom` (vertical depths).
  void Add_Layer(int index, double top, double bottom, const Props& top_props,
                 const Props& bottom_props);
  // Options.NumIncrements = n, then the start of the analysis and the discretisation.
  void Discretise(int increments);

  // Closes the channels (once) and returns the lines of each file.
  std::vector<std::string> Report_Lines();
  std::vector<std::string> Plot_Lines();
  std::vector<std::string> Message_Lines();

 private:
  void Close();
  ScratchDir dir_;
  std::unique_ptr<RunContext> run_;
  bool closed_ = false;
};

// The layout of a p-y parameter line: the label, blanks up to column 55, "= " and the value.
std::string Parameter_Line(const std::string& label, const std::string& value);

}  // namespace tavik::testing

#endif  // TAVIK_TESTS_PROFILE_PROFILE_FIXTURE_H
