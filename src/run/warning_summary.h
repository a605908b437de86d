// The warning summary written at the end of a run: every warning number with a nonzero
// tally, in ascending order, with its count and its fixed text.
#ifndef TAVIK_RUN_WARNING_SUMMARY_H
#define TAVIK_RUN_WARNING_SUMMARY_H

#include <span>
#include <string_view>

#include "run/run_status.h"
#include "run/text_channel.h"

namespace tavik {

// The lines of the text of warning w ("" entries are empty lines); empty when w has no text.
std::span<const std::string_view> Warning_Text(int w);

// Writes the summary of the tallies in `status` to the report.
void Write_Warning_Summary(TextChannel& report, const RunStatus& status);

}  // namespace tavik

#endif  // TAVIK_RUN_WARNING_SUMMARY_H
