#include "subcommand.h"

namespace tavik::cli {

std::string Describe_Outcome(const RunOutcome& outcome) {
  if (outcome.error_number > 0) {
    const bool input = outcome.error_number >= 100 && outcome.error_number <= 199;
    std::string text = input ? "ended on input error " : "ended on runtime error ";
    text += std::to_string(outcome.error_number);
    if (!outcome.message_code.empty()) text += " (" + outcome.message_code + ")";
    if (!outcome.error_meaning.empty()) text += ": " + outcome.error_meaning;
    return text;
  }
  if (outcome.warnings.empty()) return "ended normally";
  std::string text = "ended normally with warnings";
  for (std::size_t k = 0; k < outcome.warnings.size(); ++k) {
    text += (k == 0 ? " " : ", ") + std::to_string(outcome.warnings[k].number);
  }
  return text;
}

}  // namespace tavik::cli
