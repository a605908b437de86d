#include "input/input_file.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>

namespace tavik {

bool InputFile::Open(const std::string& path) {
  Close();
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  Open_Text(std::move(text));
  return true;
}

void InputFile::Open_Text(std::string text) {
  text_ = std::move(text);
  open_ = true;
  Rewind();
}

void InputFile::Close() {
  text_.clear();
  text_.shrink_to_fit();
  open_ = false;
  Rewind();
}

void InputFile::Rewind() {
  next_ = 0;
  line_number_ = 0;
}

bool InputFile::Read_Line(std::string& line) {
  line.clear();
  if (At_End()) return false;
  std::size_t end = text_.find('\n', next_);
  if (end == std::string::npos) end = text_.size();
  std::size_t stop = end;
  if (stop > next_ && text_[stop - 1] == '\r') --stop;
  const std::size_t length = std::min(stop - next_, kInputLineLength);
  line.assign(text_, next_, length);
  next_ = end + 1;
  ++line_number_;
  return true;
}

bool Matches_Word(std::string_view line, std::string_view word) {
  if (line.size() > kInputLineLength) line = line.substr(0, kInputLineLength);
  if (line.substr(0, word.size()) != word) return false;
  return line.find_first_not_of(' ', word.size()) == std::string_view::npos;
}

std::string Padded_Line(std::string_view line) {
  std::string padded(line.substr(0, kInputLineLength));
  padded.resize(kInputLineLength, ' ');
  return padded;
}

namespace {
bool Is_Separator(char c) { return c == ' ' || c == ',' || c == '\t'; }
}  // namespace

bool FreeFormatRead::Next_Item(std::string_view& item) {
  if (Failed()) return false;
  for (;;) {
    if (!started_) {
      if (!file_.Read_Line(line_)) {
        failure_ = ReadFailure::kEndOfFile;
        return false;
      }
      pos_ = 0;
      started_ = true;
    }
    while (pos_ < line_.size() && Is_Separator(line_[pos_])) ++pos_;
    if (pos_ < line_.size()) break;
    started_ = false;  // continue the read on the next line
  }
  const std::size_t begin = pos_;
  while (pos_ < line_.size() && !Is_Separator(line_[pos_])) ++pos_;
  item = std::string_view(line_).substr(begin, pos_ - begin);
  return true;
}

FreeFormatRead& FreeFormatRead::Int(int& value) {
  std::string_view item;
  if (!Next_Item(item)) return *this;
  int parsed = 0;
  if (!Parse_Integer(item, parsed)) {
    failure_ = ReadFailure::kNotAnInteger;
    bad_item_ = item;
    return *this;
  }
  value = parsed;
  return *this;
}

FreeFormatRead& FreeFormatRead::Real(double& value) {
  std::string_view item;
  if (!Next_Item(item)) return *this;
  double parsed = 0.0;
  if (!Parse_Real(item, parsed)) {
    failure_ = ReadFailure::kNotAReal;
    bad_item_ = item;
    return *this;
  }
  value = parsed;
  return *this;
}

FreeFormatRead& FreeFormatRead::Word(std::string& value, std::size_t max_length) {
  std::string_view item;
  if (!Next_Item(item)) return *this;
  value.assign(item.substr(0, max_length));
  return *this;
}

bool Parse_Integer(std::string_view item, int& value) {
  if (!item.empty() && item.front() == '+') item.remove_prefix(1);
  if (item.empty()) return false;
  const char* first = item.data();
  const char* last = first + item.size();
  const auto [ptr, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && ptr == last;
}

bool Parse_Real(std::string_view item, double& value) {
  // Accept the forms a Fortran list-directed read takes for a real: optional sign, digits
  // with an optional point (".5", "5."), optional exponent with E or D ("1.5D3").
  if (item.empty() || item.size() > 64) return false;
  char buffer[80];
  std::size_t n = 0;
  std::size_t i = 0;
  if (item[i] == '+' || item[i] == '-') buffer[n++] = item[i++];
  std::size_t digits = 0;
  while (i < item.size() && item[i] >= '0' && item[i] <= '9') buffer[n++] = item[i++], ++digits;
  if (i < item.size() && item[i] == '.') {
    buffer[n++] = item[i++];
    while (i < item.size() && item[i] >= '0' && item[i] <= '9') buffer[n++] = item[i++], ++digits;
  }
  if (digits == 0) return false;
  if (i < item.size()) {
    const char e = item[i];
    if (e != 'e' && e != 'E' && e != 'd' && e != 'D') return false;
    buffer[n++] = 'e';
    ++i;
    if (i < item.size() && (item[i] == '+' || item[i] == '-')) buffer[n++] = item[i++];
    std::size_t exponent_digits = 0;
    while (i < item.size() && item[i] >= '0' && item[i] <= '9') {
      buffer[n++] = item[i++];
      ++exponent_digits;
    }
    if (exponent_digits == 0 || i != item.size()) return false;
  }
  const char* first = buffer[0] == '+' ? buffer + 1 : buffer;
  double parsed = 0.0;
  const auto [ptr, ec] = std::from_chars(first, buffer + n, parsed);
  if (ptr != buffer + n) return false;
  // A value beyond the range of a double (either way) is no number an analysis can use.
  if (ec != std::errc()) return false;
  if (!std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

}  // namespace tavik
