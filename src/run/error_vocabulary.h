// The one-line meaning of every error number, for the command-line program and hosts that
// show a run's outcome without reading the report.
#ifndef TAVIK_RUN_ERROR_VOCABULARY_H
#define TAVIK_RUN_ERROR_VOCABULARY_H

#include <string_view>

namespace tavik {

// The meaning of an error, found by its message code when it has one (a few numbers are
// shared by two codes), else by its number. Empty when the number is unknown.
std::string_view Error_Meaning(std::string_view code, int number);

}  // namespace tavik

#endif  // TAVIK_RUN_ERROR_VOCABULARY_H
