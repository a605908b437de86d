// Everything one run owns: the file names, the problem data, the run status, the unit
// labels and the four data files. One context per run, passed explicitly to every routine,
// so that two runs on two threads share nothing. The computing subsystems add their own
// working records here as they are built.
#ifndef TAVIK_RUN_RUN_CONTEXT_H
#define TAVIK_RUN_RUN_CONTEXT_H

#include <cstdio>
#include <string>

#include "analysis/analysis_state.h"
#include "input/input_file.h"
#include "lrfd/lrfd_state.h"
#include "profile/pile_nodes.h"
#include "pycurves/current_soil.h"
#include "run/problem_data.h"
#include "run/run_status.h"
#include "run/text_channel.h"
#include "run/unit_labels.h"
#include "sections/section_ei_tables.h"

namespace tavik {

// The four data files of a run, by path.
struct RunFiles {
  std::string InputPath;    // input data file (read)
  std::string ReportPath;   // output report (created or replaced)
  std::string PlotPath;     // plot output file
  std::string MessagePath;  // runtime message file
};

struct RunContext {
  RunFiles Files;
  ProblemData Problem;
  RunStatus Status;
  UnitLabels Units;
  InputFile Input;               // the input data file
  TextChannel Report;            // the output report
  TextChannel Plot;              // the plot output file
  TextChannel Messages;          // the runtime message file
  std::FILE* Console = nullptr;  // messages before the files are open; null: standard error

  // The discretised pile (rebuilt per load case and per trial length).
  PileNodes Nodes;
  // Node range of each soil layer (index j = layer j; 0 when the layer holds no node).
  LayerIntArray i_TopNodeInLayer{};
  LayerIntArray i_BottomNodeInLayer{};
  // Bookkeeping of the p-y criteria and the layering correction, per layer j.
  LayerArray rd_LayerPuSum{};      // ultimate resistance integrated over the layer's nodes
  LayerArray rd_LayerKeptPuSum{};  // sum kept by the liquefied-sand criterion (else 0)
  LayerArray rd_LayerEqDepth = Filled_Layer_Array(kUnsetEquivalentDepth);
  LayerFlagArray b_BelowRockLayer{};  // layer processed after a rock-type layer
  int i_RockLayersAbove = 0;          // rock-type layers processed so far in this pass
  CurrentSoilParameters CurrentSoil;  // parameters of the node a criterion works on
  // True while the p-y curves are computed at the user's output depths (output mode of the
  // criteria); false during the analysis.
  bool b_PyOutputPass = false;
  // Interface flag published by every call of fn_c: the depth of the last call lies on an
  // interior soil property point.
  bool b_AtInterface = false;

  // The bending-stiffness tables of the sections, filled once before the first load case.
  SectionEITables EITables;
  // The LRFD load sums, factored combinations and per-type node loads (UseLRFD only).
  LrfdState Lrfd;
  // The working state of the lateral analysis (load case in force, solver, response,
  // values kept per load case).
  LateralAnalysisState Analysis;
};

// Ends the run on an error: writes to the report two empty lines and "Tavik ended
// prematurely due to input error number " (numbers 1 to 199) or "... runtime error number "
// (any other) followed by the 8-character code, the extra lines of error 125, and stores
// the number in the run status. The caller has written its own message block first and
// returns at once afterwards.
void Terminate_With_Error(RunContext& run, std::string_view code, int number);

// Writes the same text line to the report and the runtime message file.
void Write_Report_And_Messages(RunContext& run, std::string_view text);

}  // namespace tavik

#endif  // TAVIK_RUN_RUN_CONTEXT_H
