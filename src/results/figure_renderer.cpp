#include "results/figure_renderer.h"

#include <plplot/plplot.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <mutex>
#include <string_view>
#include <vector>

namespace tavik::results {

namespace {

// Page sizes in points (1/72 in): the svg and pdf drivers work in points, the png driver in
// pixels, kPngScale pixels per point. PLplot scales its character height with the page, and
// the layout below is measured in character heights, so a png shows the same picture as the
// other formats, only sharper.
struct PageSize {
  double width;
  double height;
};
constexpr PageSize kLandscapePage{800.0, 560.0};
constexpr PageSize kPortraitPage{560.0, 760.0};
constexpr PageSize kFourPanelPage{880.0, 720.0};
constexpr double kPngScale = 1.5;

// Colour map 0: background, ink, grid, then the data colours in the order curves take them.
// After kDataColours curves the colours repeat with the next line style (dashes).
constexpr int kBackground = 0;
constexpr int kInk = 1;
constexpr int kGrid = 2;
constexpr int kFirstDataColour = 3;
constexpr int kDataColours = 10;
constexpr int kLineStyles = 8;
constexpr std::array<std::array<PLINT, 3>, kFirstDataColour + kDataColours> kPalette{{
    {255, 255, 255},  // background
    {0, 0, 0},        // axes, labels, reference marks
    {205, 205, 205},  // grid
    {31, 119, 180},   // blue
    {214, 39, 40},    // red
    {44, 160, 44},    // green
    {255, 127, 14},   // orange
    {148, 103, 189},  // purple
    {140, 86, 75},    // brown
    {227, 119, 194},  // pink
    {127, 127, 127},  // grey
    {188, 189, 34},   // olive
    {23, 190, 207},   // cyan
}};

// Text sizes, as PLplot's character-height scale factors, and line widths in points.
constexpr double kTextScale = 1.0;
constexpr double kTitleScale = 1.25;
constexpr double kLegendScale = 0.85;
constexpr double kMarkScale = 0.7;
constexpr double kLabelScale = 0.75;
constexpr double kCurveWidth = 2.0;
constexpr double kAxisWidth = 1.0;

// Layout in character heights (the default height at scale 1): the title band at the top of
// the page, the bands for tick numbers and the axis label on each side of a panel.
constexpr double kTitleBand = 3.2;
constexpr double kLabelOffset = 3.0;  // axis label, from the box edge
constexpr double kAxisBand = 4.4;     // tick numbers and label together
constexpr double kYLabelBand = 3.5;   // left of the y tick numbers, for the y label
constexpr double kYLabelInset = 1.0;  // y label this far inside the band
constexpr double kTopBand = 2.0;      // above a box whose numbers are below it
constexpr double kRightBand = 2.0;    // right of the box, for half its last tick number
constexpr double kEdge = 1.5;         // free margin at the page edge
constexpr double kPanelGap = 3.0;
constexpr double kMinimumBox = 4.0;
// Text width per character as a fraction of the character height, as PLplot sizes a legend:
// the cairo drivers measure the text they draw; the svg driver cannot, and PLplot sizes its
// text by its own (Hershey) font, which runs wider. Tick numbers: the width of a digit.
constexpr double kCairoCharWidthRatio = 0.95;
constexpr double kSvgCharWidthRatio = 1.1;
constexpr double kDigitWidthRatio = 0.6;
// The title is centred, so every driver draws it at its true width: that of the sans-serif
// font of the svg viewer or of cairo, about this much per character.
constexpr double kTitleCharWidthRatio = 0.8;
// Legend: a line sample, then the text, with room for the gap between them and the box's
// margins.
constexpr double kLegendSample = 2.5;
constexpr double kLegendPadding = 3.0;
constexpr double kLegendRowSpacing = 2.0;  // character heights from row to row
// Ticks: steps of 1, 2 or 5 times a power of ten, at most kMaxTicks intervals, as many as the
// tick numbers leave room for (kTickGap character widths between two numbers on the x axis,
// kTickRowSpacing character heights between two on the y axis). Tick numbers of up to
// kTickDigits digits are written in full, longer ones with a common power of ten at the end
// of the axis.
constexpr double kMaxTicks = 6.0;
constexpr double kTickGap = 1.5;
constexpr double kTickRowSpacing = 2.5;
constexpr int kTickDigits = 5;
// Empty space added on both sides of the data range (not on the depth axis).
constexpr double kRangePadding = 0.04;
// Point labels are written this fraction of the axis range away from their point.
constexpr double kPointLabelOffset = 0.015;
// Marks drawn with plstring (unicode text): a filled disc for result points, a diamond for the
// nominal moment capacity.
constexpr const char* kPointMark = "●";
constexpr const char* kReferenceMark = "◆";

std::mutex& Plplot_Mutex() {
  static std::mutex mutex;
  return mutex;
}

const char* Device_Name(FigureFormat format) {
  switch (format) {
    case FigureFormat::kSvg:
      return "svg";
    case FigureFormat::kPng:
      return "pngcairo";
    case FigureFormat::kPdf:
      return "pdfcairo";
  }
  return "svg";
}

// Whether PLplot has the output device: asking for a device it does not know makes PLplot
// prompt on the terminal, so it is checked first.
bool Device_Available(const char* name) {
  constexpr int kMaxDevices = 128;
  std::vector<PLCHAR_VECTOR> menu(kMaxDevices);
  std::vector<PLCHAR_VECTOR> names(kMaxDevices);
  PLCHAR_VECTOR* menu_data = menu.data();
  PLCHAR_VECTOR* names_data = names.data();
  int count = kMaxDevices;
  plgDevs(&menu_data, &names_data, &count);
  for (int k = 0; k < count; ++k) {
    if (names[k] != nullptr && std::string_view(names[k]) == name) return true;
  }
  return false;
}

// PLplot reads '#' as the start of an escape sequence; "##" writes the character itself.
std::string Plain_Text(std::string_view text) {
  std::string out;
  for (const char c : text) {
    out += c;
    if (c == '#') out += '#';
  }
  return out;
}

struct Range {
  double lo = 0.0;
  double hi = 1.0;
  double step = 0.2;
};

// The step of 1, 2 or 5 times a power of ten after `step` (1 -> 2 -> 5 -> 10).
double Next_Step(double step) {
  const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
  const double fraction = step / power;
  return (fraction < 1.5 ? 2.0 : fraction < 3.5 ? 5.0 : 10.0) * power;
}

// The smallest step of 1, 2 or 5 times a power of ten not below `raw`.
double Step_At_Least(double raw) {
  double step = std::pow(10.0, std::floor(std::log10(raw)));
  while (step < raw * (1.0 - 1e-9)) step = Next_Step(step);
  return step;
}

// Characters of the longest tick number of the range, written as PLplot writes it: the
// decimals the step needs, a sign, and at most kTickDigits digits before a common power of
// ten takes over.
double Tick_Label_Chars(const Range& r) {
  const double largest = std::max(std::fabs(r.lo), std::fabs(r.hi));
  const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(r.step) + 1e-9)));
  const int digits = largest < 1.0 ? 1 : static_cast<int>(std::floor(std::log10(largest))) + 1;
  int chars = digits + (decimals > 0 ? decimals + 1 : 0);
  if (digits > kTickDigits || decimals + 1 > kTickDigits) chars = 3;  // "1.5" and "(x10⁶)"
  return chars + (r.lo < 0.0 ? 1.0 : 0.0);
}

// The axis range of the finite values in [lo, hi] and its tick step, for an axis `length`
// long on which one tick number takes `Extent(range)` of the length. A depth axis (`exact`)
// runs from the head to the tip; other axes get a margin so that no curve runs along the box.
// An empty or single-valued range gets a width of its own.
template <typename Extent>
Range Axis_Range(double lo, double hi, bool include_zero, bool exact, double length,
                 Extent extent) {
  if (!(lo <= hi)) {
    lo = 0.0;
    hi = 1.0;
  }
  if (include_zero) {
    lo = std::min(lo, 0.0);
    hi = std::max(hi, 0.0);
  }
  if (hi - lo <= 1e-12 * std::max(std::fabs(lo), std::fabs(hi))) {
    const double half = lo == 0.0 ? 1.0 : 0.1 * std::fabs(lo);
    lo -= half;
    hi += half;
  }
  if (!exact) {
    const double margin = kRangePadding * (hi - lo);
    lo -= margin;
    hi += margin;
  }
  Range range{lo, hi, Step_At_Least((hi - lo) / kMaxTicks)};
  for (;;) {
    const double intervals = (range.hi - range.lo) / range.step;
    if (intervals <= 2.0 || intervals * extent(range) <= length) return range;
    range.step = Next_Step(range.step);
  }
}

struct DataBounds {
  double x_lo = HUGE_VAL, x_hi = -HUGE_VAL, y_lo = HUGE_VAL, y_hi = -HUGE_VAL;
};

DataBounds Bounds(const Panel& panel) {
  DataBounds b;
  for (const Series& s : panel.series) {
    for (std::size_t k = 0; k < s.x.size() && k < s.y.size(); ++k) {
      if (!std::isfinite(s.x[k]) || !std::isfinite(s.y[k])) continue;
      b.x_lo = std::min(b.x_lo, s.x[k]);
      b.x_hi = std::max(b.x_hi, s.x[k]);
      b.y_lo = std::min(b.y_lo, s.y[k]);
      b.y_hi = std::max(b.y_hi, s.y[k]);
    }
  }
  return b;
}

// The curves of a series as runs of finite points.
void Draw_Line(const Series& s) {
  std::vector<PLFLT> x;
  std::vector<PLFLT> y;
  auto flush = [&]() {
    if (x.size() >= 2) plline(static_cast<PLINT>(x.size()), x.data(), y.data());
    x.clear();
    y.clear();
  };
  for (std::size_t k = 0; k < s.x.size() && k < s.y.size(); ++k) {
    if (std::isfinite(s.x[k]) && std::isfinite(s.y[k])) {
      x.push_back(s.x[k]);
      y.push_back(s.y[k]);
    } else {
      flush();
    }
  }
  flush();
}

void Draw_Marks(const Series& s, const char* mark) {
  std::vector<PLFLT> x;
  std::vector<PLFLT> y;
  for (std::size_t k = 0; k < s.x.size() && k < s.y.size(); ++k) {
    if (std::isfinite(s.x[k]) && std::isfinite(s.y[k])) {
      x.push_back(s.x[k]);
      y.push_back(s.y[k]);
    }
  }
  if (!x.empty()) plstring(static_cast<PLINT>(x.size()), x.data(), y.data(), mark);
}

void Draw_Point_Labels(const Series& s, const Range& xr, const Range& yr, bool depth_axis) {
  const double dx = kPointLabelOffset * (xr.hi - xr.lo);
  const double dy = kPointLabelOffset * (yr.hi - yr.lo) * (depth_axis ? -1.0 : 1.0);
  for (std::size_t k = 0; k < s.point_labels.size() && k < s.x.size() && k < s.y.size(); ++k) {
    if (!std::isfinite(s.x[k]) || !std::isfinite(s.y[k])) continue;
    plptex(s.x[k] + dx, s.y[k] + dy, 1.0, 0.0, 0.0, Plain_Text(s.point_labels[k]).c_str());
  }
}

struct Style {
  PLINT colour;
  PLINT line_style;
};

Style Series_Style(const Series& s, int data_index) {
  if (s.reference) return {kInk, 1};
  return {kFirstDataColour + data_index % kDataColours,
          1 + (data_index / kDataColours) % kLineStyles};
}

// Millimetre geometry of the page, from the character height PLplot uses at scale 1.
struct Geometry {
  double page_w;
  double page_h;
  double ch;          // character height, mm
  double char_width;  // legend text width per character, in character heights
};

Geometry Page_Geometry(FigureFormat format) {
  PLFLT xmin, xmax, ymin, ymax;
  plgspa(&xmin, &xmax, &ymin, &ymax);
  PLFLT def, ht;
  plgchr(&def, &ht);
  return {xmax - xmin, ymax - ymin, ht,
          format == FigureFormat::kSvg ? kSvgCharWidthRatio : kCairoCharWidthRatio};
}

std::size_t Longest_Label(const Panel& panel) {
  std::size_t longest = 0;
  for (const Series& s : panel.series) longest = std::max(longest, s.label.size());
  return longest;
}

// How much room the legend of a panel takes: it goes below the box, in as many columns as the
// width holds, so that the curves keep the whole width.
struct LegendLayout {
  bool present = false;
  PLINT columns = 1;
  PLINT rows = 1;
  double width = 0.0;   // mm
  double height = 0.0;  // mm
};

LegendLayout Legend_Layout(const Panel& panel, double room_mm, const Geometry& g) {
  LegendLayout legend;
  const int n = static_cast<int>(panel.series.size());
  if (!panel.legend || n == 0) return legend;
  legend.present = true;
  const double column =
      (kLegendSample + kLegendPadding) * g.ch +
      g.char_width * g.ch * kLegendScale * static_cast<double>(Longest_Label(panel));
  legend.columns = std::clamp(static_cast<int>(room_mm / column), 1, n);
  legend.rows = (n + legend.columns - 1) / legend.columns;
  legend.width = legend.columns * column;
  legend.height = (kLegendRowSpacing * legend.rows + 1.0) * g.ch * kLegendScale;
  return legend;
}

void Draw_Legend(const Panel& panel, const LegendLayout& layout, const Geometry& g,
                 double viewport_w_mm, double viewport_h_mm) {
  const PLINT n = static_cast<PLINT>(panel.series.size());
  std::vector<PLINT> opt(n), text_colours(n, kInk), line_colours(n), line_styles(n);
  std::vector<PLFLT> line_widths(n), symbol_scales(n, kMarkScale);
  std::vector<PLINT> symbol_colours(n), symbol_numbers(n, 1);
  std::vector<std::string> texts(n);
  std::vector<PLCHAR_VECTOR> text_ptrs(n), symbol_ptrs(n);
  int data_index = 0;
  for (PLINT k = 0; k < n; ++k) {
    const Series& s = panel.series[k];
    const Style style = Series_Style(s, s.reference ? 0 : data_index);
    if (!s.reference) ++data_index;
    opt[k] = s.style == SeriesStyle::kPoints          ? PL_LEGEND_SYMBOL
             : s.style == SeriesStyle::kLineAndPoints ? (PL_LEGEND_LINE | PL_LEGEND_SYMBOL)
                                                      : PL_LEGEND_LINE;
    line_colours[k] = style.colour;
    line_styles[k] = style.line_style;
    line_widths[k] = kCurveWidth;
    symbol_colours[k] = style.colour;
    texts[k] = Plain_Text(s.label);
    text_ptrs[k] = texts[k].c_str();
    symbol_ptrs[k] = s.reference ? kReferenceMark : kPointMark;
  }
  // Centred below the box and its x axis numbers and label (offset in viewport fractions).
  const PLINT position = PL_POSITION_OUTSIDE | PL_POSITION_BOTTOM;
  const PLFLT x = 0.0;
  const PLFLT y = (panel.depth_axis ? 1.0 : kAxisBand + 0.5) * g.ch / viewport_h_mm;
  PLFLT width = 0.0, height = 0.0;
  pllegend(&width, &height, PL_LEGEND_BACKGROUND | PL_LEGEND_BOUNDING_BOX | PL_LEGEND_ROW_MAJOR,
           position, x, y, kLegendSample * g.ch / viewport_w_mm, kBackground, kInk, 1, layout.rows,
           layout.columns, n, opt.data(), 1.0, kLegendScale, kLegendRowSpacing, 0.0,
           text_colours.data(), text_ptrs.data(), nullptr, nullptr, nullptr, nullptr,
           line_colours.data(), line_styles.data(), line_widths.data(), symbol_colours.data(),
           symbol_scales.data(), symbol_numbers.data(), symbol_ptrs.data());
}

// One panel inside the page area [x0, x1] x [y0, y1] (mm from the lower left corner). The
// y range comes first: the width of its tick numbers sets the left band, and so the room
// left for the x axis.
void Draw_Panel(const Panel& panel, const Geometry& g, double x0, double x1, double y0, double y1) {
  const double cw = kDigitWidthRatio * g.ch;
  const LegendLayout legend = Legend_Layout(panel, x1 - x0, g);
  double bottom = y0 + (panel.depth_axis ? 0.5 * g.ch : kAxisBand * g.ch);
  if (legend.present) bottom += legend.height + g.ch;
  const double top = y1 - (panel.depth_axis ? kAxisBand * g.ch : kTopBand * g.ch);
  const double height = std::max(top - bottom, kMinimumBox * g.ch);

  const DataBounds b = Bounds(panel);
  const Range yr = Axis_Range(b.y_lo, b.y_hi, panel.y_from_zero, panel.depth_axis, height,
                              [&](const Range&) { return kTickRowSpacing * g.ch; });
  const double y_numbers = Tick_Label_Chars(yr) * cw;
  const double left = x0 + y_numbers + kYLabelBand * g.ch;
  const double right = x1 - kRightBand * g.ch;
  const double width = std::max(right - left, kMinimumBox * g.ch);
  const Range xr =
      Axis_Range(b.x_lo, b.x_hi, panel.depth_axis || panel.x_from_zero, false, width,
                 [&](const Range& r) { return (Tick_Label_Chars(r) + kTickGap) * cw; });

  plsvpa(left, left + width, bottom, bottom + height);
  if (panel.depth_axis) {
    plwind(xr.lo, xr.hi, yr.hi, yr.lo);  // depth grows downwards
  } else {
    plwind(xr.lo, xr.hi, yr.lo, yr.hi);
  }
  plsxax(kTickDigits, 0);
  plsyax(kTickDigits, 0);
  plwidth(kAxisWidth);
  plcol0(kGrid);
  pllsty(1);
  plbox("g", xr.step, 0, "g", yr.step, 0);
  plcol0(kInk);
  // The response of a depth figure is read across the top, depth down the left side, as on
  // a boring log; zero lines are drawn ("a") and y tick numbers written upright ("v").
  plbox(panel.depth_axis ? "abcmst" : "abcnst", xr.step, 0, "abcnstv", yr.step, 0);
  plmtex(panel.depth_axis ? "t" : "b", kLabelOffset, 0.5, 0.5, Plain_Text(panel.x_label).c_str());
  plmtex("l", (y_numbers + kYLabelBand * g.ch) / g.ch - kYLabelInset, 0.5, 0.5,
         Plain_Text(panel.y_label).c_str());

  int data_index = 0;
  for (const Series& s : panel.series) {
    const Style style = Series_Style(s, s.reference ? 0 : data_index);
    if (!s.reference) ++data_index;
    plcol0(style.colour);
    pllsty(style.line_style);
    plwidth(kCurveWidth);
    if (s.style != SeriesStyle::kPoints) Draw_Line(s);
    pllsty(1);
    plwidth(kAxisWidth);
    if (s.style != SeriesStyle::kLine) {
      plschr(0.0, kMarkScale);
      Draw_Marks(s, s.reference ? kReferenceMark : kPointMark);
    }
    if (!s.point_labels.empty()) {
      plcol0(kInk);
      plschr(0.0, kLabelScale);
      Draw_Point_Labels(s, xr, yr, panel.depth_axis);
    }
    plschr(0.0, kTextScale);
  }
  plcol0(kInk);
  if (legend.present) Draw_Legend(panel, legend, g, width, height);
}

void Draw_Figure(const Figure& figure, FigureFormat format) {
  pladv(0);
  plschr(0.0, kTextScale);
  const Geometry g = Page_Geometry(format);
  // Title, centred at the top of the page.
  plvpor(0.0, 1.0, 0.0, 1.0);
  plwind(0.0, g.page_w, 0.0, g.page_h);
  plcol0(kInk);
  // A long title is written smaller to fit across the page.
  const double title_room = g.page_w - 2.0 * kEdge * g.ch;
  const double title_width = kTitleCharWidthRatio * g.ch * static_cast<double>(figure.title.size());
  plschr(0.0, std::min(kTitleScale, title_room / title_width));
  plptex(0.5 * g.page_w, g.page_h - 0.6 * kTitleBand * g.ch, 1.0, 0.0, 0.5,
         Plain_Text(figure.title).c_str());
  plschr(0.0, kTextScale);

  const double x0 = kEdge * g.ch;
  const double x1 = g.page_w - kEdge * g.ch;
  const double y0 = kEdge * g.ch;
  const double y1 = g.page_h - kTitleBand * g.ch;
  if (figure.panels.size() == 1) {
    Draw_Panel(figure.panels[0], g, x0, x1, y0, y1);
    return;
  }
  // Two by two, in reading order.
  const double mid_x = 0.5 * (x0 + x1);
  const double mid_y = 0.5 * (y0 + y1);
  const double gap = 0.5 * kPanelGap * g.ch;
  for (std::size_t k = 0; k < figure.panels.size() && k < 4; ++k) {
    const bool right = k % 2 == 1;
    const bool lower = k >= 2;
    Draw_Panel(figure.panels[k], g, right ? mid_x + gap : x0, right ? x1 : mid_x - gap,
               lower ? y0 : mid_y + gap, lower ? mid_y - gap : y1);
  }
}

}  // namespace

std::optional<FigureFormat> Parse_Figure_Format(const std::string& text) {
  if (text == "svg") return FigureFormat::kSvg;
  if (text == "png") return FigureFormat::kPng;
  if (text == "pdf") return FigureFormat::kPdf;
  return std::nullopt;
}

const char* Figure_Extension(FigureFormat format) {
  switch (format) {
    case FigureFormat::kSvg:
      return "svg";
    case FigureFormat::kPng:
      return "png";
    case FigureFormat::kPdf:
      return "pdf";
  }
  return "svg";
}

std::string Render_Figure(const Figure& figure, FigureFormat format, const std::string& path) {
  try {
    {
      // PLplot ends the process when it cannot open its output file: make sure it can.
      std::ofstream probe(path, std::ios::binary | std::ios::trunc);
      if (!probe) return "cannot write the figure file " + path;
    }
    const std::lock_guard<std::mutex> lock(Plplot_Mutex());
    const char* device = Device_Name(format);
    if (!Device_Available(device)) {
      return std::string("the PLplot output driver \"") + device +
             "\" is not installed (Debian packages libplplot17 and plplot-driver-cairo)";
    }
    const PageSize page = figure.portrait            ? kPortraitPage
                          : figure.panels.size() > 1 ? kFourPanelPage
                                                     : kLandscapePage;
    const double scale = format == FigureFormat::kPng ? kPngScale : 1.0;
    PLINT stream = 0;
    plmkstrm(&stream);
    plsdev(device);
    plsfnam(path.c_str());
    plspage(0.0, 0.0, static_cast<PLINT>(std::lround(page.width * scale)),
            static_cast<PLINT>(std::lround(page.height * scale)), 0, 0);
    std::array<PLINT, kPalette.size()> r, gr, bl;
    for (std::size_t k = 0; k < kPalette.size(); ++k) {
      r[k] = kPalette[k][0];
      gr[k] = kPalette[k][1];
      bl[k] = kPalette[k][2];
    }
    plscmap0(r.data(), gr.data(), bl.data(), static_cast<PLINT>(kPalette.size()));
    plinit();
    Draw_Figure(figure, format);
    plend1();
    return "";
  } catch (const std::exception& e) {
    return std::string("drawing ") + figure.name + " failed: " + e.what();
  }
}

}  // namespace tavik::results
