#include "results/figure_fixture.h"

#include <algorithm>
#include <regex>
#include <sstream>

namespace tavik::results::testing {

RunResults Sample_Run() {
  RunResults run;
  run.head = {3, UnitSystem::kUSCustomary, 0, true, 2};
  // Section 1: moments in in-kips against curvature in 1/in, EI = M / curvature; the nominal
  // moment capacities in in-lbs, as US customary plot files hold them (175 and 220 in-kips).
  run.sections.push_back(
      {1,
       StiffnessKind::kMomentCurvature,
       {{0.0, 175000.0, {{100.0, 1.0e5, 0.001}, {150.0, 7.5e4, 0.002}, {200.0, 5.0e4, 0.004}}},
        {100.0, 220000.0, {{120.0, 1.2e5, 0.001}, {180.0, 9.0e4, 0.002}, {240.0, 6.0e4, 0.004}}}}});
  run.sections.push_back({2, StiffnessKind::kElastic, {{0.0, 1.0e14, {{10.0, 1.0e4, 0.001}}}}});
  run.py_curves.push_back({60.0, "soft clay", {{0.0, 0.0}, {1.0, 50.0}, {4.0, 80.0}}});
  run.py_curves.push_back({120.0, "sand", {{0.0, 0.0}, {1.0, 90.0}, {4.0, 150.0}}});
  for (int c = 1; c <= 3; ++c) {
    LoadCaseResults load_case;
    load_case.number = c;
    for (int i = 0; i < 5; ++i) {
      NodeRow node;
      node.depth = 12.0 * i;
      node.deflection = 0.1 * c * (4 - i);
      node.moment = 1000.0 * c * i * (4 - i);
      node.shear = 500.0 * c * (2 - i);
      node.soil_reaction = -10.0 * c * (4 - i);
      node.ei = 3.0e10;
      node.slope = -0.001 * c;
      node.soil_spring = 100.0;
      node.distributed_load = 0.0;
      load_case.nodes.push_back(node);
    }
    load_case.summary = CaseSummary{1000.0 * c, 0.4 * c, 4000.0 * c, 1000.0 * c, -0.001 * c};
    run.load_cases.push_back(load_case);
  }
  run.load_cases[1].length_study = {
      {48.0, 0.8, 8000.0, 2000.0}, {45.6, 0.85, 8100.0, 2000.0}, {43.2, 0.95, 8300.0, 2000.0}};
  run.stiffness_matrix = {{100.0, 1000.0, 5.0e4, -2.0e5, -2.0e5, 3.0e7, 0.002, 3.3e-5},
                          {301.0, 3010.0, 4.8e4, -1.9e5, -1.9e5, 2.9e7, 0.0063, 1.0e-4},
                          {1000.0, 10000.0, 4.5e4, -1.8e5, -1.8e5, 2.8e7, 0.022, 3.6e-4}};
  return run;
}

namespace {

void Append_Utf8(unsigned code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | code >> 6);
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | code >> 12);
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | code >> 18);
    out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The character data of an element: tags dropped, references decoded.
std::string Decoded(const std::string& inner) {
  std::string out;
  bool in_tag = false;
  for (std::size_t k = 0; k < inner.size(); ++k) {
    const char c = inner[k];
    if (in_tag) {
      in_tag = c != '>';
    } else if (c == '<') {
      in_tag = true;
    } else if (c == '&' && inner.compare(k, 3, "&#x") == 0) {
      const std::size_t end = inner.find(';', k);
      Append_Utf8(static_cast<unsigned>(std::stoul(inner.substr(k + 3, end - k - 3), nullptr, 16)),
                  out);
      k = end;
    } else if (c == '&' && inner.compare(k, 2, "&#") == 0) {
      const std::size_t end = inner.find(';', k);
      Append_Utf8(static_cast<unsigned>(std::stoul(inner.substr(k + 2, end - k - 2))), out);
      k = end;
    } else if (c == '&') {
      const std::size_t end = inner.find(';', k);
      const std::string name = inner.substr(k + 1, end - k - 1);
      out += name == "amp" ? "&" : name == "lt" ? "<" : name == "gt" ? ">" : "?";
      k = end;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::vector<std::string> Svg_Texts(const std::string& svg) {
  std::vector<std::string> texts;
  std::size_t from = 0;
  for (;;) {
    const std::size_t open = svg.find("<text", from);
    if (open == std::string::npos) break;
    const std::size_t body = svg.find('>', open) + 1;
    const std::size_t close = svg.find("</text>", body);
    texts.push_back(Decoded(svg.substr(body, close - body)));
    from = close;
  }
  return texts;
}

std::vector<SvgLine> Svg_Curves(const std::string& svg) {
  static const std::regex kPolyline(
      R"re(<polyline[^>]*?stroke="(#[0-9A-Fa-f]{6})"[^>]*?points="([^"]*)")re");
  std::vector<SvgLine> lines;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), kPolyline);
       it != std::sregex_iterator(); ++it) {
    std::string stroke = (*it)[1];
    std::transform(stroke.begin(), stroke.end(), stroke.begin(), ::toupper);
    if (stroke == "#000000" || stroke == "#FFFFFF" || stroke == "#CDCDCD") continue;
    SvgLine line{stroke, {}};
    std::istringstream points((*it)[2]);
    double x = 0.0, y = 0.0;
    char comma = 0;
    while (points >> x >> comma >> y) line.points.emplace_back(x, y);
    if (line.points.size() >= 3) lines.push_back(std::move(line));
  }
  return lines;
}

int Count_Texts(const std::vector<std::string>& texts, const std::string& text) {
  return static_cast<int>(std::count(texts.begin(), texts.end(), text));
}

}  // namespace tavik::results::testing
