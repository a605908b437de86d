// The file-name handoff of a host: "NAMES.DAT" in the working directory names the input data
// file, the report, the plot file and the runtime message file, one per line.
#ifndef TAVIK_RUN_NAMES_FILE_H
#define TAVIK_RUN_NAMES_FILE_H

#include <string>

#include "run/run_context.h"

namespace tavik {

inline constexpr const char* kNamesFileName = "NAMES.DAT";

// Reads the four names from `names_path` into run.Files. Each line is a field of 256
// characters whose trailing blanks are not part of the name. On failure writes the message
// to the console (no output file is open yet) and ends the run with runtime error 2 (file
// cannot be opened), 3 to 6 (line 1 to 4 missing) or 17 (a blank name).
void Read_Names_File(RunContext& run, const std::string& names_path);

}  // namespace tavik

#endif  // TAVIK_RUN_NAMES_FILE_H
