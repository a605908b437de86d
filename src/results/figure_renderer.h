// Drawing a `Figure` (figures.h) into a file through PLplot's output drivers: "svg" (text kept
// as text), "pngcairo" and "pdfcairo".
//
// PLplot keeps its state in process-wide variables (the table of streams, the current stream,
// the table of loaded drivers), so it is not safe to call from two threads at once. Every
// figure is drawn on a stream of its own, made with plmkstrm and ended with plend1, so that
// nothing (colours, fonts, viewports, file names) carries over from one figure to the next,
// and the whole drawing of a figure holds one process-wide lock: the only shared state of
// these routines, which exists because the library's own state does.
#ifndef TAVIK_RESULTS_FIGURE_RENDERER_H
#define TAVIK_RESULTS_FIGURE_RENDERER_H

#include <optional>
#include <string>

#include "results/figures.h"

namespace tavik::results {

enum class FigureFormat { kSvg, kPng, kPdf };

// "svg", "png" or "pdf" to the format; none for any other text.
std::optional<FigureFormat> Parse_Figure_Format(const std::string& text);

// The file extension of the format, without the dot: "svg", "png", "pdf".
const char* Figure_Extension(FigureFormat format);

// Draws `figure` into the file `path` (created or replaced). Returns an empty text on
// success, else what went wrong (the file cannot be written, the PLplot driver is missing).
// Never throws; safe to call from several threads (the calls are serialised).
std::string Render_Figure(const Figure& figure, FigureFormat format, const std::string& path);

}  // namespace tavik::results

#endif  // TAVIK_RESULTS_FIGURE_RENDERER_H
