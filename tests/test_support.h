// Helpers shared by the tests: scratch folders and whole-file reads.
#ifndef TAVIK_TESTS_TEST_SUPPORT_H
#define TAVIK_TESTS_TEST_SUPPORT_H

#include <filesystem>
#include <string>
#include <vector>

namespace tavik::testing {

// A fresh empty folder for one test, removed when the object goes out of scope.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

void Write_File(const std::string& path, const std::string& text);
std::string Read_File(const std::string& path);
// The file's lines without their line ends.
std::vector<std::string> Read_Lines(const std::string& path);

// A shell command run to its end: its exit code (-1 when it did not exit normally) and its
// standard output and standard error together.
struct CommandResult {
  int exit_code;
  std::string output;
};
CommandResult Run_Command(const std::string& command);

}  // namespace tavik::testing

#endif  // TAVIK_TESTS_TEST_SUPPORT_H
