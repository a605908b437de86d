// Sections of the section report tests, built by hand as the section engine leaves them for
// its report writers (no reader and no engine involved), and a runner that captures what a
// writer puts in the report and the plot file.
#ifndef TAVIK_TESTS_SECTIONS_SECTION_REPORTS_FIXTURE_H
#define TAVIK_TESTS_SECTIONS_SECTION_REPORTS_FIXTURE_H

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "run/run_context.h"
#include "sections/ei_vars.h"

namespace tavik::testing {

struct SectionReportCase {
  std::unique_ptr<RunContext> run;  // problem options only; the writers' output goes to files
  SectionEngineState engine;
  PileSection section;
};

// US customary: a drilled shaft 30 ft long, 36 in in diameter, 12 bars of 0.79 sq. in. (1.0 in)
// on a circle with 3 in cover (bar centres on R = 14.5 in, bar 1 at (14.5, 0)), f'c 4 ksi,
// fy 60 ksi, Es 29000 ksi, 0.75 in aggregate; the concrete constants of f'c = 4 ksi
// (Ec = 57 sqrt(4000), fr = -0.0075 sqrt(4000), eps0 = 1.7 f'c/Ec, eps_cr from the tension
// branch reaching fr) and the axial limits of the hand calculation in the .cpp.
SectionReportCase Drilled_Shaft_Case();

// US customary: a steel pipe 50 ft long, 12 in outside diameter, 0.5 in wall, fy 36 ksi,
// E 29000 ksi; axial limits +-fy A = +-650.310 kips.
SectionReportCase Steel_Pipe_Case();

// SI: a square prestressed pile 12 m long, 0.45 m wide, no chamfer, 12 PCI 270 strands of
// 0.5 in (0.0127 m, 0.153 sq. in.) on the square (pattern 1) with 0.05 m cover, f'c 6 ksi in
// kPa.
SectionReportCase Prestressed_Square_SI_Case();

// Lines of the report and of the plot file written by `write`.
struct WrittenLines {
  std::vector<std::string> report;
  std::vector<std::string> plot;
};
WrittenLines Write_Through(
    SectionReportCase& c,
    const std::function<void(RunContext&, const SectionEngineState&, const PileSection&)>& write);

}  // namespace tavik::testing

#endif  // TAVIK_TESTS_SECTIONS_SECTION_REPORTS_FIXTURE_H
