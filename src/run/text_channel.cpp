#include "run/text_channel.h"

namespace tavik {

namespace {
constexpr int kRuleLength = 80;
}

bool TextChannel::Open(const std::string& path) {
  Close();
  file_ = std::fopen(path.c_str(), "w");
  if (file_ == nullptr) return false;
  path_ = path;
  line_.clear();
  return true;
}

bool TextChannel::Restart() {
  if (file_ == nullptr) return false;
  line_.clear();
  file_ = std::freopen(path_.c_str(), "w", file_);
  return file_ != nullptr;
}

void TextChannel::Close() {
  if (file_ == nullptr) return;
  if (!line_.empty()) End_Line();
  std::fclose(file_);
  file_ = nullptr;
}

void TextChannel::End_Line() {
  if (file_ != nullptr) {
    const std::string& text = line_.str();
    std::fwrite(text.data(), 1, text.size(), file_);
    std::fputc('\n', file_);
  }
  line_.clear();
}

void TextChannel::Write_Line(std::string_view text) {
  line_.A(text);
  End_Line();
}

void TextChannel::Empty_Lines(int n) {
  for (int i = 0; i < n; ++i) End_Line();
}

void TextChannel::Rule(char c) {
  for (int i = 0; i < kRuleLength; ++i) line_.A(std::string_view(&c, 1));
  End_Line();
}

}  // namespace tavik
