#include "run/run_status.h"

#include <cstdio>

namespace tavik {

namespace {
constexpr int kSeveralWarnings = -300;

std::string Code(const char* prefix, int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%s%05d", prefix, n);
  return text;
}
}  // namespace

std::string Input_Error_Code(int n) { return Code("INP", n); }
std::string Runtime_Error_Code(int n) { return Code("RUN", n); }

void Record_Warning(RunStatus& status, int w) {
  const int number = -w;
  if (number < 1 || number > kMaxWarningNumber) return;
  status.b_AnyWarningReported = true;
  if (status.WarningTally[number] < kMaxWarningTally) ++status.WarningTally[number];
}

void Clear_Warning_Tallies(RunStatus& status) { status.WarningTally.fill(0); }

void Store_Error_Number(RunStatus& status, int number) {
  if (status.ErrorNumber == 0) status.ErrorNumber = number;
}

int Run_Return_Value(const RunStatus& status) {
  if (status.ErrorNumber > 0) return status.ErrorNumber;
  int kinds = 0;
  int last = 0;
  for (int w = 1; w <= kMaxWarningNumber; ++w) {
    if (status.WarningTally[w] != 0) {
      ++kinds;
      last = w;
    }
  }
  if (kinds == 0) return 0;
  return kinds == 1 ? -last : kSeveralWarnings;
}

}  // namespace tavik
