#include "test_support.h"

#include <sys/wait.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include <unistd.h>

namespace tavik::testing {

namespace {
std::atomic<int> scratch_counter{0};
}

ScratchDir::ScratchDir() {
  path_ = std::filesystem::temp_directory_path() /
          ("tavik_test_" + std::to_string(::getpid()) + "_" + std::to_string(scratch_counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void Write_File(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

std::string Read_File(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> Read_Lines(const std::string& path) {
  std::vector<std::string> lines;
  std::istringstream in(Read_File(path));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

CommandResult Run_Command(const std::string& command) {
  CommandResult result{-1, ""};
  std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return result;
  std::array<char, 512> buffer;
  while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) result.output += buffer.data();
  const int status = ::pclose(pipe);
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace tavik::testing
