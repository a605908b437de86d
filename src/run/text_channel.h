// One output data file of a run (the report, the plot file or the run-message file):
// a sequential text file written line by line, with the line under construction held as
// a FortranLine. Writes to a channel that is not open are dropped, so a routine may write
// its message block before the files are open without special cases.
#ifndef TAVIK_RUN_TEXT_CHANNEL_H
#define TAVIK_RUN_TEXT_CHANNEL_H

#include <cstdio>
#include <string>
#include <string_view>

#include "run/fortran_format.h"

namespace tavik {

class TextChannel {
 public:
  TextChannel() = default;
  TextChannel(const TextChannel&) = delete;
  TextChannel& operator=(const TextChannel&) = delete;
  ~TextChannel() { Close(); }

  // Creates the file or truncates it to empty. False when it cannot be opened.
  bool Open(const std::string& path);
  // Discards everything written so far and starts again at the beginning of the file.
  bool Restart();
  // Ends a pending line, flushes and closes. Harmless when not open.
  void Close();
  bool Is_Open() const { return file_ != nullptr; }

  // The line under construction.
  FortranLine& Line() { return line_; }
  // Writes the line under construction (possibly empty) and starts a new one.
  void End_Line();
  // Appends text to the line under construction and ends it.
  void Write_Line(std::string_view text);
  // Ends the line under construction n times: n empty lines when no line is pending.
  void Empty_Lines(int n);
  // Writes a line of 80 copies of c.
  void Rule(char c);

 private:
  std::FILE* file_ = nullptr;
  std::string path_;
  FortranLine line_;
};

}  // namespace tavik

#endif  // TAVIK_RUN_TEXT_CHANNEL_H
