#include "results/run_plots.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace tavik::results {

namespace {

namespace fs = std::filesystem;

bool Read_Bytes(const fs::path& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// The picture of a figure for the page: its own file in svg and png format; for pdf, an svg
// drawing made beside it and removed once read.
bool Page_Picture(const Figure& figure, FigureFormat format, const fs::path& file,
                  PageFigure& picture, std::string& error) {
  picture.title = figure.title;
  picture.file_name = file.filename().string();
  picture.portrait = figure.portrait;
  if (format == FigureFormat::kPdf) {
    const fs::path drawing = file.parent_path() / ("." + figure.name + ".page.svg");
    error = Render_Figure(figure, FigureFormat::kSvg, drawing.string());
    const bool read = error.empty() && Read_Bytes(drawing, picture.bytes);
    std::error_code ignored;
    fs::remove(drawing, ignored);
    picture.mime_type = "image/svg+xml";
    if (error.empty() && !read) error = "cannot read back " + drawing.string();
    return read;
  }
  picture.mime_type = format == FigureFormat::kPng ? "image/png" : "image/svg+xml";
  if (Read_Bytes(file, picture.bytes)) return true;
  error = "cannot read back " + file.string();
  return false;
}

}  // namespace

PlotsWritten Write_Run_Plots(const RunResults& results, const PageHead& head,
                             const std::string& dir, FigureFormat format) {
  PlotsWritten written;
  try {
    std::error_code failure;
    fs::create_directories(dir, failure);
    if (!fs::is_directory(dir)) {
      written.error = "cannot create the folder " + dir;
      return written;
    }
    std::vector<PageFigure> pictures;
    for (const Figure& figure : Build_Figures(results)) {
      const fs::path file = fs::path(dir) / (figure.name + "." + Figure_Extension(format));
      written.error = Render_Figure(figure, format, file.string());
      if (!written.error.empty()) return written;
      written.files.push_back(file.string());
      PageFigure picture;
      if (!Page_Picture(figure, format, file, picture, written.error)) return written;
      pictures.push_back(std::move(picture));
    }
    const fs::path page = fs::path(dir) / "index.html";
    std::ofstream out(page, std::ios::binary | std::ios::trunc);
    out << Html_Page(results, head, pictures);
    out.close();
    if (!out) {
      written.error = "cannot write " + page.string();
      return written;
    }
    written.page = page.string();
    written.ok = true;
  } catch (const std::exception& e) {
    written.error = std::string("writing the figures failed: ") + e.what();
    written.ok = false;
  }
  return written;
}

std::string Outcome_From_Messages(const std::string& messages_path) {
  std::ifstream in(messages_path);
  if (!in) return "";
  std::string line;
  std::string closing;
  std::string error_heading;
  std::string error_first_line;
  bool after_heading = false;
  while (std::getline(in, line)) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.pop_back();
    if (after_heading && !line.empty()) {
      error_first_line = line;
      after_heading = false;
    }
    if (line.rfind("**** ", 0) == 0 && line.find("Error") != std::string::npos &&
        line.find("Warning") == std::string::npos) {
      // "**** Input Data Error No. 25 ****" -> "Input Data Error No. 25"
      std::string heading = line.substr(5);
      while (!heading.empty() && (heading.back() == '*' || heading.back() == ' ')) {
        heading.pop_back();
      }
      error_heading = heading;
      after_heading = true;
    }
    if (line.rfind("The analysis ended", 0) == 0) {
      closing += (closing.empty() ? "" : " ") + line;
    }
  }
  if (closing.find("due to") != std::string::npos && !error_heading.empty()) {
    std::string text = error_heading;
    if (!error_first_line.empty()) text += ": " + error_first_line;
    return text + " " + closing;
  }
  return closing;
}

}  // namespace tavik::results
