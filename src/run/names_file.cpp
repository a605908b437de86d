#include "run/names_file.h"

#include <array>
#include <string_view>

#include "run/console.h"

namespace tavik {

namespace {
constexpr int kNamesFileNotOpened = 2;
constexpr int kFirstNameMissing = 3;  // 3 to 6 for lines 1 to 4
constexpr int kBlankName = 17;
constexpr int kNamesInFile = 4;

constexpr std::array<std::string_view, kNamesInFile> kMissingNameMessage = {
    "The name of the input data file is corrupted.",
    "The name of the output report file is corrupted.",
    "The name of the plot output file is corrupted.",
    "Name of runtime message file is corrupted",
};

constexpr std::array<std::string_view, kNamesInFile> kBlankNameMessage = {
    "Input data filename information corrupted. No analysis performed.",
    "Output filename information is corrupted. No analysis performed.",
    "Plot output filename information is corrupted. No analysis performed.",
    "Run message filename information is corrupted. No analysis performed.",
};

void Fail(RunContext& run, int error, std::string_view message) {
  Write_Console(run, "**** Runtime Error No. " + std::to_string(error) + " ****");
  Write_Console(run, message);
  Terminate_With_Error(run, Runtime_Error_Code(error), 200 + error);
}

// A name is the line's 256-character field without its trailing blanks.
std::string Name_From_Line(std::string_view line) {
  const auto end = line.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string() : std::string(line.substr(0, end + 1));
}
}  // namespace

void Read_Names_File(RunContext& run, const std::string& names_path) {
  InputFile names;
  if (!names.Open(names_path)) {
    Fail(run, kNamesFileNotOpened, "Contents of file NAMES.DAT is corrupted.");
    return;
  }
  std::array<std::string, kNamesInFile> name;
  for (int k = 0; k < kNamesInFile; ++k) {
    std::string line;
    if (!names.Read_Line(line)) {
      Fail(run, kFirstNameMissing + k, kMissingNameMessage[k]);
      return;
    }
    name[k] = Name_From_Line(line);
  }
  for (int k = 0; k < kNamesInFile; ++k) {
    if (name[k].empty()) {
      Fail(run, kBlankName, kBlankNameMessage[k]);
      return;
    }
  }
  run.Files = RunFiles{name[0], name[1], name[2], name[3]};
}

}  // namespace tavik
