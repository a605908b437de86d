// The library API and the host entry point: thin wrappers that own one run context each.
#include <exception>
#include <memory>

#include "run/error_vocabulary.h"
#include "run/names_file.h"
#include "run/run_analysis.h"
#include "tavik/tavik.h"

namespace tavik {

namespace {
RunOutcome Outcome_Of(const RunContext& run) {
  RunOutcome outcome;
  outcome.status = Run_Return_Value(run.Status);
  outcome.error_number = run.Status.ErrorNumber;
  outcome.message_code = run.Status.ErrorCode;
  outcome.error_meaning = std::string(Error_Meaning(run.Status.ErrorCode, run.Status.ErrorNumber));
  for (int w = 1; w <= kMaxWarningNumber; ++w) {
    if (run.Status.WarningTally[w] != 0) outcome.warnings.push_back({w, run.Status.WarningTally[w]});
  }
  return outcome;
}

// An exception inside a run (out of memory, a fault in the engine) is an internal error:
// the run's files are closed by the context's destructor and the host gets 999.
RunOutcome Internal_Error_Outcome() {
  RunOutcome outcome;
  outcome.status = kInternalError;
  outcome.error_number = kInternalError;
  outcome.message_code = Runtime_Error_Code(kInternalError);
  outcome.error_meaning = "internal error of the engine";
  return outcome;
}

template <typename Body>
RunOutcome Guarded_Run(Body body) {
  try {
    // The context is large (fixed-capacity tables): it lives on the heap, one per run.
    auto run = std::make_unique<RunContext>();
    body(*run);
    return Outcome_Of(*run);
  } catch (...) {
    return Internal_Error_Outcome();
  }
}
}  // namespace

RunOutcome Run_Analysis(const RunPaths& paths) {
  return Guarded_Run([&](RunContext& run) {
    run.Files = RunFiles{paths.input, paths.report, paths.plot, paths.messages};
    Run_With_Files(run);
  });
}

RunOutcome Run_From_Names_File(const std::string& names_path) {
  return Guarded_Run([&](RunContext& run) {
    Read_Names_File(run, names_path);
    if (!run.Status.Has_Error()) Run_With_Files(run);
  });
}

const char* Version_Text() { return TAVIK_VERSION_TEXT; }

}  // namespace tavik

extern "C" int32_t TGO(int32_t version) {
  if (version != tavik::kInterfaceVersion) return 99;
  return tavik::Run_From_Names_File(tavik::kNamesFileName).status;
}
