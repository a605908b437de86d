#include "results/html_page.h"

#include <cstdio>

#include "results/base64.h"
#include "results/result_units.h"

namespace tavik::results {

namespace {

// Significant digits of the summary table: the plot records hold eight.
constexpr int kTableDigits = 6;

// Screen: a column of readable width, figures in a flowing grid (depth figures two abreast,
// the others at most as wide as their text stays legible). Print: A4 portrait, the same
// grid (two landscape figures to a page), no figure or table row split across pages.
constexpr const char* kStyle = R"(
:root { color-scheme: light; }
body { font-family: "DejaVu Sans", "Liberation Sans", Arial, sans-serif; color: #111;
  background: #fff; margin: 0 auto; padding: 1.5em; max-width: 1100px; line-height: 1.4; }
h1 { font-size: 1.5em; margin: 0 0 0.3em; }
h2 { font-size: 1.2em; margin: 1.4em 0 0.5em; border-bottom: 1px solid #bbb; }
.outcome { font-size: 1.1em; font-weight: bold; margin: 0.3em 0; }
.outcome.error { color: #b00020; }
.facts, .source, .notes { color: #333; margin: 0.2em 0; }
table { border-collapse: collapse; font-variant-numeric: tabular-nums; }
th, td { border: 1px solid #999; padding: 0.25em 0.6em; }
th { background: #eee; font-weight: 600; vertical-align: bottom; }
td { text-align: right; }
td:first-child { text-align: center; }
.figures { display: flex; flex-wrap: wrap; gap: 1em; }
figure { margin: 0; flex: 1 1 100%; max-width: 860px; break-inside: avoid; page-break-inside: avoid; }
figure.portrait { flex: 1 1 calc(50% - 0.5em); max-width: calc(50% - 0.5em); }
figure img { display: block; width: 100%; height: auto; border: 1px solid #ddd; }
figcaption { font-size: 0.9em; color: #333; margin-top: 0.3em; }
@page { size: A4 portrait; margin: 14mm; }
@media print {
  body { max-width: none; padding: 0; font-size: 10pt; }
  h2 { break-after: avoid; page-break-after: avoid; }
  tr { break-inside: avoid; page-break-inside: avoid; }
  figure.landscape { flex: 0 0 165mm; max-width: 165mm; }
  figure img { border: none; max-height: 240mm; object-fit: contain; }
  a { color: inherit; text-decoration: none; }
}
)";

std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*g", kTableDigits, value);
  return text;
}

bool Ended_On_Error(const std::string& outcome) {
  return outcome.find("error") != std::string::npos || outcome.find("Error") != std::string::npos;
}

std::string Facts(const RunResults& results, const ResultUnits& u) {
  std::string text =
      results.head.icom == 2 ? "Bending stiffness of the sections only" : "Lateral load analysis";
  text += "; " + u.system_name + " units";
  int cases = 0;
  for (const LoadCaseResults& load_case : results.load_cases) {
    if (load_case.summary || !load_case.nodes.empty()) ++cases;
  }
  if (cases > 0) {
    text += "; " + std::to_string(cases) +
            (results.lrfd ? " factored LRFD combination" : " load case") + (cases == 1 ? "" : "s");
  }
  const int sections = static_cast<int>(results.sections.size());
  if (sections > 0) {
    text += "; " + std::to_string(sections) + " section" + (sections == 1 ? "" : "s");
  }
  if (!results.stiffness_matrix.empty()) text += "; pile-head stiffness matrix";
  return text + ".";
}

void Summary_Table(const RunResults& results, const ResultUnits& u, std::string& html) {
  bool any = false;
  for (const LoadCaseResults& load_case : results.load_cases) any = any || load_case.summary;
  if (!any) return;
  html += "<h2>Summary of pile response</h2>\n<table>\n<thead><tr><th>";
  html += results.lrfd ? "LRFD<br>combination" : "Load<br>case";
  html += "</th><th>Pile-head shear<br>(" + Escaped(u.force) + ")</th>";
  html += "<th>Pile-head deflection<br>(" + Escaped(u.length) + ")</th>";
  html += "<th>Pile-head rotation<br>(" + Escaped(u.rotation) + ")</th>";
  html += "<th>Maximum moment<br>(" + Escaped(u.moment) + ")</th>";
  html += "<th>Maximum shear<br>(" + Escaped(u.force) + ")</th></tr></thead>\n<tbody>\n";
  for (const LoadCaseResults& load_case : results.load_cases) {
    if (!load_case.summary) continue;
    const CaseSummary& s = *load_case.summary;
    html += "<tr><td>" + std::to_string(load_case.number) + "</td><td>" + Number(s.head_shear) +
            "</td><td>" + Number(s.head_deflection) + "</td><td>" + Number(s.head_rotation) +
            "</td><td>" + Number(s.max_moment) + "</td><td>" + Number(s.max_shear) + "</td></tr>\n";
  }
  html += "</tbody>\n</table>\n";
}

// Sections without a figure of their own: a linear elastic section's table only repeats its
// constant EI.
void Section_Notes(const RunResults& results, const ResultUnits& u, std::string& html) {
  for (const SectionCurves& section : results.sections) {
    if (section.kind != StiffnessKind::kElastic) continue;
    html += "<p class=\"notes\">Section " + std::to_string(section.section) +
            " has a linear elastic bending stiffness";
    if (!section.thrusts.empty() && !section.thrusts[0].points.empty()) {
      html += " (EI = " + Number(section.thrusts[0].points[0].ei) + " " +
              Escaped(u.section_stiffness) + ")";
    }
    html += ": it has no moment-curvature curve.</p>\n";
  }
}

}  // namespace

std::string Html_Page(const RunResults& results, const PageHead& head,
                      const std::vector<PageFigure>& figures) {
  const ResultUnits u = Result_Units(results.head.units);
  std::string html;
  html += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
  html += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
  html += "<title>" + Escaped(head.run_name) + ": pile response</title>\n";
  html += "<style>" + std::string(kStyle) + "</style>\n</head>\n<body>\n";
  html += "<h1>" + Escaped(head.run_name) + ": pile response</h1>\n";
  html += std::string("<p class=\"outcome") + (Ended_On_Error(head.outcome) ? " error" : "") +
          "\">" + Escaped(head.outcome) + "</p>\n";
  if (!head.note.empty()) html += "<p class=\"notes\">" + Escaped(head.note) + "</p>\n";
  html += "<p class=\"facts\">" + Escaped(Facts(results, u)) + "</p>\n";
  if (!head.source_files.empty()) {
    html += "<p class=\"source\">Read from " + Escaped(head.source_files) + ".</p>\n";
  }
  Section_Notes(results, u, html);
  Summary_Table(results, u, html);
  if (!figures.empty()) {
    html += "<h2>Figures</h2>\n<div class=\"figures\">\n";
    int number = 0;
    for (const PageFigure& figure : figures) {
      ++number;
      html += std::string("<figure class=\"") + (figure.portrait ? "portrait" : "landscape") +
              "\">\n<img alt=\"" + Escaped(figure.title) + "\" src=\"data:" + figure.mime_type +
              ";base64," + Base64(figure.bytes) + "\">\n<figcaption>Figure " +
              std::to_string(number) + ". " + Escaped(figure.title) + " (<a href=\"" +
              Escaped(figure.file_name) + "\">" + Escaped(figure.file_name) +
              "</a>)</figcaption>\n</figure>\n";
    }
    html += "</div>\n";
  }
  html += "</body>\n</html>\n";
  return html;
}

}  // namespace tavik::results
