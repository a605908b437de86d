// The input data file of a run, read line by line, and the free-format value reader that
// every numeric block shares.
//
// Lines: each line is taken as a field of 256 characters: a longer line is cut at 256; a
// carriage return before the line feed (a file written on Windows) is not part of the line.
// The padding blanks of a shorter line are implied: Matches_Word compares ignoring them.
//
// Free format: each read starts at the beginning of a new line; values are separated by one
// or more blanks, tabs or commas; a line with fewer values than the read needs continues on
// the next line; values left over at the end of the line are ignored. Integers are written
// without a decimal point; reals with or without one, with an optional exponent (E or D).
#ifndef TAVIK_INPUT_INPUT_FILE_H
#define TAVIK_INPUT_INPUT_FILE_H

#include <cstddef>
#include <string>
#include <string_view>

namespace tavik {

inline constexpr std::size_t kInputLineLength = 256;

class InputFile {
 public:
  // Reads the whole file. False when it cannot be opened or read.
  bool Open(const std::string& path);
  // Loads text directly (tests, fuzzing).
  void Open_Text(std::string text);
  void Close();
  bool Is_Open() const { return open_; }
  std::size_t Size_Bytes() const { return text_.size(); }
  void Rewind();
  bool At_End() const { return next_ >= text_.size(); }

  // Reads the next line into `line` (cut at 256 characters). False at the end of the file.
  bool Read_Line(std::string& line);
  // Number of the last line read (1-based; 0 before the first read).
  int Line_Number() const { return line_number_; }

 private:
  std::string text_;
  std::size_t next_ = 0;
  int line_number_ = 0;
  bool open_ = false;
};

// True when `line` equals `word` exactly, letter case included, starting in column 1 and
// followed by nothing but blanks.
bool Matches_Word(std::string_view line, std::string_view word);

// The line padded with blanks to 256 characters, as an input line is shown in messages.
std::string Padded_Line(std::string_view line);

// Why a free-format read failed.
enum class ReadFailure {
  kNone,
  kEndOfFile,     // the file ended before the read had all its values
  kNotAnInteger,  // an item that is not an integer where an integer is needed
  kNotAReal,      // an item that is not a number where a real is needed
};

// One free-format READ statement: construct it, take its items in order, then check
// Failed(). After the first failure every further item fails too and leaves its target
// unchanged, so a reader can take all items of a statement and test once.
class FreeFormatRead {
 public:
  explicit FreeFormatRead(InputFile& file) : file_(file) {}

  FreeFormatRead& Int(int& value);
  FreeFormatRead& Real(double& value);
  // One word (no blanks or commas), cut to max_length characters.
  FreeFormatRead& Word(std::string& value, std::size_t max_length = kInputLineLength);

  bool Failed() const { return failure_ != ReadFailure::kNone; }
  ReadFailure Failure() const { return failure_; }
  // The item that could not be read, and the number of the line it was on.
  const std::string& Bad_Item() const { return bad_item_; }
  int Line_Number() const { return file_.Line_Number(); }

 private:
  bool Next_Item(std::string_view& item);

  InputFile& file_;
  std::string line_;
  std::size_t pos_ = 0;
  bool started_ = false;
  ReadFailure failure_ = ReadFailure::kNone;
  std::string bad_item_;
};

// Strict parsers for one free-format item.
bool Parse_Integer(std::string_view item, int& value);
bool Parse_Real(std::string_view item, double& value);

}  // namespace tavik

#endif  // TAVIK_INPUT_INPUT_FILE_H
