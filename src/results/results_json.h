// The results model as JSON (layout described key by key in docs/results.md): a format name
// and version, the unit of every column for the run's unit system, then the run head, the
// section curves, the p-y curves, the load cases and the stiffness rows. Tables are objects
// of equal-length arrays, one per column; numbers are those the files hold. A value the
// engine wrote as NaN or an infinity is the string "NaN", "Infinity" or "-Infinity"; a node
// the report did not print has null in the report-only columns.
#ifndef TAVIK_RESULTS_RESULTS_JSON_H
#define TAVIK_RESULTS_RESULTS_JSON_H

#include <nlohmann/json.hpp>
#include <string>

#include "results/plot_file_reader.h"
#include "results/results_model.h"

namespace tavik::results {

inline constexpr std::string_view kResultsFormatName = "tavik-results";
inline constexpr int kResultsFormatVersion = 1;

// The JSON document of `results`. Never throws.
nlohmann::ordered_json Results_To_Json(const RunResults& results);

// The model back from a document of this format and version: ok = false, with the key that
// is missing or of the wrong type, for anything else. Never throws.
ReadResult Results_From_Json(const nlohmann::ordered_json& document);

// Writes the document of `results` to `json_path` (created or replaced). False, with the
// reason in `error`, when the file cannot be written.
bool Write_Results_Json(const RunResults& results, const std::string& json_path,
                        std::string& error);

}  // namespace tavik::results

#endif  // TAVIK_RESULTS_RESULTS_JSON_H
