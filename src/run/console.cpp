#include "run/console.h"

#include <cstdio>

namespace tavik {

void Write_Console(RunContext& run, std::string_view text) {
  std::FILE* console = run.Console != nullptr ? run.Console : stderr;
  std::fwrite(text.data(), 1, text.size(), console);
  std::fputc('\n', console);
}

}  // namespace tavik
