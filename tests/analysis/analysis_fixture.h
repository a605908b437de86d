// Piles built directly in a run context for the tests of the lateral analysis, and the
// closed-form response of a long elastic pile on a Winkler foundation to compare with.
#ifndef TAVIK_TESTS_ANALYSIS_ANALYSIS_FIXTURE_H
#define TAVIK_TESTS_ANALYSIS_ANALYSIS_FIXTURE_H

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "run/run_context.h"

namespace tavik::testing {

// Soil type index of "Frz Soil": a layer without a p-y criterion, whose nodes keep the
// trial modulus of 50000 (force/length**2) through the whole iteration - a linear Winkler
// foundation of constant modulus.
inline constexpr int kConstantModulusSoil = 17;
inline constexpr double kTrialModulus = 50000.0;
inline constexpr int kSoftClaySoil = 1;  // soil type index of "SoftClay"

// One elastic pile (section type 11) of uniform EI in one soil layer, in internal units.
struct PileSetup {
  int iunits = kUnitsUSCustomary;
  int increments = 100;
  double length = 600.0;  // 50 ft
  double ei = 2.9e10;     // steel pipe, I = 1000 in**4
  double inertia = 1000.0;
  double width = 24.0;
  double area = 30.0;
  int soil_index = kConstantModulusSoil;
  // Soil properties of the layer (top and bottom alike).
  double unit_weight = 0.0;
  double cohesion = 0.0;
  double epsilon50 = 0.0;
  int max_iterations = 100;
  double tolerance = 1.0e-5;
  double excess_deflection = 100.0;
  int print_increment = 1;
  bool summary_only = false;
  int section_type = kElastic;
  bool compute_kmatrix = false;
  bool use_lrfd = false;
  double ground_depth = 0.0;  // depth of the ground surface (top of the layer) below the head
  double batter = 0.0;        // pile batter angle, radians
  std::vector<double> py_output_depths;  // depths of printed p-y curves
  std::vector<LoadCase> cases;
};

// Fills the problem data of `run` from the setup (options, section, property table, layer,
// load cases).
void Set_Problem(RunContext& run, const PileSetup& setup);

struct AnalysisRun {
  std::unique_ptr<RunContext> run;
  std::vector<std::string> report;
  std::vector<std::string> plot;
  std::vector<std::string> messages;
  int error() const { return run->Status.ErrorNumber; }
};

// Runs the full lateral analysis of the setup with its three output files in a scratch
// folder, and collects the lines written. `after`, when given, runs on the context once the
// analysis has ended, with the files still open (to call a stage again on changed data).
AnalysisRun Run_Lateral(const PileSetup& setup,
                        const std::function<void(RunContext&)>& after = nullptr);

// Nodes of a uniform pile set directly (no soil layers): n increments over `length`, EI and
// soil modulus k at every node, no distributed load; the section is elastic.
void Set_Winkler_Nodes(RunContext& run, int n, double length, double ei, double k);

// Index of the first line that contains `text`, or -1.
int Find_Line(const std::vector<std::string>& lines, const std::string& text, int from = 0);
int Count_Lines_Containing(const std::vector<std::string>& lines, const std::string& text);

// The long (semi-infinite) elastic beam on a Winkler foundation of modulus k, loaded at its
// head x = 0:  EI y'''' + k y = 0, y = exp(-bx) (C1 cos bx + C2 sin bx), b = (k / 4EI)^(1/4).
// With M = EI y'' and V = EI y''' at the head:  y(0) = C1, y'(0) = b (C2 - C1),
// M(0) = -2 EI b^2 C2, V(0) = 2 EI b^3 (C1 + C2).
struct WinklerBeam {
  double ei = 0.0;
  double beta = 0.0;
  double c1 = 0.0;
  double c2 = 0.0;
  double Y(double x) const;
  double Slope(double x) const;
  double Moment(double x) const;
  double Shear(double x) const;
};

// The beam for a head condition of load type 1 to 5 (conditions as in LoadCase).
WinklerBeam Winkler_Beam(double ei, double k, int load_type, double condition1, double condition2);

}  // namespace tavik::testing

#endif  // TAVIK_TESTS_ANALYSIS_ANALYSIS_FIXTURE_H
