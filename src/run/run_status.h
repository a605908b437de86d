// Run status: the error number that ended the run and the tallies of warnings.
//
// Failures are numbers, not exceptions. A routine that finds an error writes its own
// message block, then calls Terminate_With_Error (or Store_Error_Number for the few
// errors that have no message code); every caller tests Has_Error() on the next line and
// returns at once, so the run reaches its closing steps without further computation.
//   input error n     -> 100 + n, code "INP" + n in five digits
//   runtime error n   -> 200 + n, code "RUN" + n in five digits
//   internal error    -> 999, code "RUN00999"
// Warnings do not stop a run; they are tallied per warning number (1 to 4000) and listed
// once each, with their counts, in the warning summary.
#ifndef TAVIK_RUN_RUN_STATUS_H
#define TAVIK_RUN_RUN_STATUS_H

#include <array>
#include <string>
#include <string_view>

namespace tavik {

inline constexpr int kMaxWarningNumber = 4000;
inline constexpr int kMaxWarningTally = 4000;
inline constexpr int kInternalError = 999;

// Runtime errors of the file handoff that have no number of their own in the message
// vocabulary: the input data file cannot be opened (18), an output file cannot be created
// (19). Their messages go to standard error, as no output file is open yet.
inline constexpr int kRuntimeInputFileNotOpened = 18;
inline constexpr int kRuntimeOutputFileNotOpened = 19;

struct RunStatus {
  int ErrorNumber = 0;     // 0 while the run goes on
  std::string ErrorCode;   // message code of the error, empty for errors stored without one
  // WarningTally[w] counts the reports of warning w (index 0 unused).
  std::array<int, kMaxWarningNumber + 1> WarningTally{};
  // Set by every warning of the run, even when the tallies were cleared after it (they are
  // cleared at the start of each load case).
  bool b_AnyWarningReported = false;

  bool Has_Error() const { return ErrorNumber > 0; }
};

// Message codes: "INP00025", "RUN00017".
std::string Input_Error_Code(int n);
std::string Runtime_Error_Code(int n);

// Records warning -w (w is the negative warning number, e.g. -3041). Tallies stop at 4000;
// numbers outside 1..4000 are ignored.
void Record_Warning(RunStatus& status, int w);

// Clears the tallies (not the run-wide flag): done at the start of each load case.
void Clear_Warning_Tallies(RunStatus& status);

// Stores an error number without a message code (runtime errors 28, 29, 31 to 38 and input
// error 23). The first error of a run is kept.
void Store_Error_Number(RunStatus& status, int number);

// The value TGO returns: the error number if any; else the single warning number that was
// tallied (negative); -300 for two or more; 0 for none.
int Run_Return_Value(const RunStatus& status);

}  // namespace tavik

#endif  // TAVIK_RUN_RUN_STATUS_H
