// Tavik: analysis of single piles and drilled shafts under lateral load by the p-y method.
//
// Public library API. One call runs one complete analysis from its input data file to its
// report, plot file and runtime message file. Calls are independent: each owns its own run
// state, so runs on different threads do not interfere (give them different files).
// No exception leaves these functions.
#ifndef TAVIK_TAVIK_H
#define TAVIK_TAVIK_H

#include <cstdint>
#include <string>
#include <vector>

#if defined(TAVIK_BUILDING_LIBRARY)
#define TAVIK_API __attribute__((visibility("default")))
#else
#define TAVIK_API
#endif

// The host entry point: reads "NAMES.DAT" in the working directory (input data file, report,
// plot file, runtime message file, one name per line) and runs the analysis. `version` must
// be 6027, else 99 is returned and nothing is touched. Returns 0 (normal end), 100 + n
// (input error n), 200 + n (runtime error n), 999 (internal error), the negative number of
// the single kind of warning reported, or -300 for several kinds.
extern "C" TAVIK_API int32_t TGO(int32_t version);

namespace tavik {

inline constexpr int32_t kInterfaceVersion = 6027;

struct RunPaths {
  std::string input;     // the keyword input data file
  std::string report;    // output report (created or replaced)
  std::string plot;      // plot output file
  std::string messages;  // runtime message file
};

struct WarningCount {
  int number;  // warning number, e.g. 3041
  int count;   // times reported (from the start of the last load case)
};

struct RunOutcome {
  int32_t status = 0;          // the value TGO would return
  int error_number = 0;        // 0, 100 + n, 200 + n or 999
  std::string message_code;    // "INP00025", "RUN00010"; empty for none
  std::string error_meaning;   // one line saying what the error means
  std::vector<WarningCount> warnings;  // ascending by number
};

// Runs one analysis on explicit paths (no NAMES.DAT).
TAVIK_API RunOutcome Run_Analysis(const RunPaths& paths);

// Runs one analysis whose files are named in a names file (the NAMES.DAT layout).
TAVIK_API RunOutcome Run_From_Names_File(const std::string& names_path);

// The engine's version text, "6.0.27".
TAVIK_API const char* Version_Text();

}  // namespace tavik

#endif  // TAVIK_TAVIK_H
