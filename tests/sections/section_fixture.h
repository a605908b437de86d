// Sections built directly in a run context for the tests of the section engine, and the
// run of the section computations with the output files in a scratch folder.
#ifndef TAVIK_TESTS_SECTIONS_SECTION_FIXTURE_H
#define TAVIK_TESTS_SECTIONS_SECTION_FIXTURE_H

#include <memory>
#include <string>
#include <vector>

#include "run/run_context.h"

namespace tavik::testing {

// Sections in US customary input units (in, psi), as the readers store them.
PileSection Rectangular_Beam();       // 12 x 20 in, three #8 bars at d = 17.5 in, f'c 4000 psi
PileSection Drilled_Shaft_36();       // 36 in, 24 #8 bars on a 14.5-in radius, f'c 4000 psi
PileSection Steel_Pipe_24();          // 24 x 0.5 in, fy 36000 psi, E 29e6 psi
PileSection Prestressed_Square_18();  // 18 in, 12 PCI 270 0.5-in strands, 300 kips, 20 % loss

struct SectionRun {
  std::unique_ptr<RunContext> run;
  std::vector<std::string> report;
  std::vector<std::string> plot;
  std::vector<std::string> messages;
  int error() const { return run->Status.ErrorNumber; }
  // Nominal moment capacity of section j at thrust t, in the run's units.
  double Mn(int t, int j = 1) const { return run->EITables.NominalMoment[t][j]; }
};

// The section computations of `sections` for the thrusts (kips or kN, ascending) of a
// stiffness-only run (icom 2) or of the section stage of a full analysis (icom 3).
SectionRun Run_Sections(const std::vector<PileSection>& sections,
                        const std::vector<double>& thrusts, int icom = kComputeEIOnly,
                        int iunits = kUnitsUSCustomary);

}  // namespace tavik::testing

#endif  // TAVIK_TESTS_SECTIONS_SECTION_FIXTURE_H
