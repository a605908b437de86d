// The figures of a run: which kinds are drawn for which records, where the nominal capacity is
// marked, and the drawings themselves (axis labels with units, one curve per load case,
// thrust or depth, depth growing downwards) in the three formats.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <thread>

#include "results/figure_fixture.h"
#include "results/figure_renderer.h"
#include "results/figures.h"
#include "test_support.h"

namespace tavik::results {
namespace {

using tavik::testing::Read_File;
using tavik::testing::ScratchDir;
using testing::Count_Texts;
using testing::Sample_Run;
using testing::Svg_Curves;
using testing::Svg_Texts;

std::vector<std::string> Names(const std::vector<Figure>& figures) {
  std::vector<std::string> names;
  for (const Figure& figure : figures) names.push_back(figure.name);
  return names;
}

const Figure& Named(const std::vector<Figure>& figures, const std::string& name) {
  static const Figure kNone;
  for (const Figure& figure : figures) {
    if (figure.name == name) return figure;
  }
  ADD_FAILURE() << "no figure " << name;
  return kNone;
}

TEST(Figures, OneFigurePerKindWhoseRecordsTheRunHolds) {
  const std::vector<std::string> depth = {"deflection", "slope",         "moment",
                                          "shear",      "soil_reaction", "bending_stiffness"};
  auto with = [](std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  const std::vector<std::string> head = {"head_shear_deflection", "head_shear_max_moment"};
  const std::vector<std::string> section = {"moment_curvature_section_1", "ei_moment_section_1"};
  struct Case {
    const char* what;
    std::function<void(RunResults&)> change;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      // The linear elastic section 2 gets no figure of its own.
      {"every record kind", [](RunResults&) {},
       with(with(with(depth, {"py_curves"}), section),
            with(head, {"stiffness_matrix", "length_study"}))},
      {"report not read: no slope",
       [](RunResults& r) {
         for (auto& c : r.load_cases)
           for (auto& n : c.nodes) n.slope.reset();
       },
       with(with(with({"deflection", "moment", "shear", "soil_reaction", "bending_stiffness"},
                      {"py_curves"}),
                 section),
            with(head, {"stiffness_matrix", "length_study"}))},
      {"report printing every second node: the slope of those",
       [](RunResults& r) {
         for (auto& c : r.load_cases)
           for (std::size_t i = 1; i < c.nodes.size(); i += 2) c.nodes[i].slope.reset();
       },
       with(with(with(depth, {"py_curves"}), section),
            with(head, {"stiffness_matrix", "length_study"}))},
      {"no p-y curves, studies or nonlinear sections",
       [](RunResults& r) {
         r.py_curves.clear();
         r.sections.resize(1);
         r.sections[0].kind = StiffnessKind::kElastic;
         r.stiffness_matrix.clear();
         for (auto& c : r.load_cases) c.length_study.clear();
       },
       with(depth, head)},
      {"a p-y depth above the ground (a curve without points)",
       [](RunResults& r) {
         r.py_curves.resize(1);
         r.py_curves[0].points.clear();
         r.sections.clear();
         r.stiffness_matrix.clear();
         for (auto& c : r.load_cases) c.length_study.clear();
       },
       with(depth, head)},
      {"bending stiffness only",
       [](RunResults& r) {
         r.head.icom = 2;
         r.load_cases.clear();
         r.py_curves.clear();
         r.stiffness_matrix.clear();
       },
       section},
      {"an elastic-plastic section has its curves",
       [](RunResults& r) {
         r = RunResults{};
         r.sections.push_back(
             {3,
              StiffnessKind::kElasticPlastic,
              {{0.0, 5000.0, {{1.0, 10.0, 0.1}, {5.0, 10.0, 0.5}, {5.0, 1.0, 5.0}}}}});
       },
       {"moment_curvature_section_3", "ei_moment_section_3"}},
      {"nothing", [](RunResults& r) { r = RunResults{}; }, {}},
  };
  for (const Case& c : cases) {
    RunResults run = Sample_Run();
    c.change(run);
    EXPECT_EQ(Names(Build_Figures(run)), c.expected) << c.what;
  }
}

// Section 1 of the sample run, by linear interpolation between the curve points around the
// nominal moment (in-lbs in a US customary file, in-kips on the curves; the same kN-m in SI):
// thrust 1, Mn = 175 between (0.002, 150) and (0.004, 200): halfway, so
// curvature 0.003 and EI (75000 + 50000) / 2 = 62500; thrust 2, Mn = 220 between
// (0.002, 180) and (0.004, 240): two thirds, curvature 0.0033333 and EI 90000 - 2/3 * 30000 =
// 70000. A capacity above the last point of its curve is not marked.
TEST(Figures, NominalCapacityMarkedWhereTheCurveReachesIt) {
  RunResults run = Sample_Run();
  run.sections[0].thrusts.push_back(
      {200.0, 900000.0, {{130.0, 1.3e5, 0.001}, {250.0, 6.25e4, 0.004}}});
  const std::vector<Figure> figures = Build_Figures(run);
  const Panel& mc = Named(figures, "moment_curvature_section_1").panels.at(0);
  ASSERT_EQ(mc.series.size(), 4u);  // three thrusts and the marks
  const Series& marks = mc.series.back();
  EXPECT_TRUE(marks.reference);
  EXPECT_EQ(marks.style, SeriesStyle::kPoints);
  ASSERT_EQ(marks.x.size(), 2u);
  EXPECT_NEAR(marks.x[0], 0.003, 1e-12);
  EXPECT_DOUBLE_EQ(marks.y[0], 175.0);
  EXPECT_NEAR(marks.x[1], 0.002 + 0.002 * 2.0 / 3.0, 1e-12);
  EXPECT_DOUBLE_EQ(marks.y[1], 220.0);

  const Series& ei_marks = Named(figures, "ei_moment_section_1").panels.at(0).series.back();
  ASSERT_EQ(ei_marks.x.size(), 2u);
  EXPECT_DOUBLE_EQ(ei_marks.x[0], 175.0);
  EXPECT_NEAR(ei_marks.y[0], 62500.0, 1e-9);
  EXPECT_NEAR(ei_marks.y[1], 70000.0, 1e-9);

  RunResults si = Sample_Run();
  si.head.units = UnitSystem::kSI;
  si.sections[0].thrusts[0].nominal_moment = 175.0;
  const std::vector<Figure> si_figures = Build_Figures(si);
  const Series& si_marks =
      Named(si_figures, "moment_curvature_section_1").panels.at(0).series.back();
  ASSERT_EQ(si_marks.x.size(), 1u);  // thrust 2 (220000 kN-m) is beyond its curve
  EXPECT_NEAR(si_marks.x[0], 0.003, 1e-12);
}

// Past ten load-case curves the legend names each by its number and the title says what the
// numbers are, so that the legend stays a few lines high.
TEST(Figures, ManyLoadCasesNumberedInTheLegend) {
  RunResults run = Sample_Run();
  run.stiffness_matrix.clear();
  while (run.load_cases.size() < 12) {
    run.load_cases.push_back(run.load_cases.back());
    run.load_cases.back().number = static_cast<int>(run.load_cases.size());
  }
  std::vector<Figure> figures = Build_Figures(run);
  const Figure& deflection = Named(figures, "deflection");
  EXPECT_EQ(deflection.title, "Deflection against depth, by load case");
  ASSERT_EQ(deflection.panels.at(0).series.size(), 12u);
  EXPECT_EQ(deflection.panels[0].series[0].label, "1");
  EXPECT_EQ(deflection.panels[0].series[11].label, "12");
  EXPECT_EQ(Named(figures, "length_study").title, "Pile-head deflection against pile length");

  run.lrfd = true;
  run.load_cases.resize(10);
  figures = Build_Figures(run);
  EXPECT_EQ(Named(figures, "moment").title, "Bending moment against depth");
  EXPECT_EQ(Named(figures, "moment").panels.at(0).series[9].label, "LRFD combination 10");
}

// The unit of every label follows the run's unit system (the section curves in the section
// engine's kips and inches in US customary units).
TEST(Figures, LabelsNameTheUnitsOfTheRunsSystem) {
  struct Case {
    UnitSystem units;
    const char* deflection;
    const char* moment;
    const char* section_moment;
    const char* section_ei;
  };
  const Case cases[] = {
      {UnitSystem::kUSCustomary, "Deflection y (in)", "Bending moment M (in-lbs)",
       "Bending moment M (in-kips)", "Bending stiffness EI (kip-in²)"},
      {UnitSystem::kSI, "Deflection y (m)", "Bending moment M (kN-m)", "Bending moment M (kN-m)",
       "Bending stiffness EI (kN-m²)"},
      {UnitSystem::kGeneral, "Deflection y (L)", "Bending moment M (F-L)", "Bending moment M (F-L)",
       "Bending stiffness EI (F-L²)"},
  };
  for (const Case& c : cases) {
    RunResults run = Sample_Run();
    run.head.units = c.units;
    const std::vector<Figure> figures = Build_Figures(run);
    EXPECT_EQ(Named(figures, "deflection").panels.at(0).x_label, c.deflection);
    EXPECT_EQ(Named(figures, "moment").panels.at(0).x_label, c.moment);
    EXPECT_EQ(Named(figures, "ei_moment_section_1").panels.at(0).x_label, c.section_moment);
    EXPECT_EQ(Named(figures, "ei_moment_section_1").panels.at(0).y_label, c.section_ei);
  }
}

// Each figure of the sample run drawn as svg: its axis labels and legend entries are texts of
// the drawing, and it has one curve per load case, thrust, depth or stiffness term.
TEST(Figures, DrawnWithTheirAxisLabelsAndOneCurvePerSeries) {
  struct Case {
    const char* name;
    std::vector<std::string> labels;
    std::size_t curves;
  };
  const std::vector<std::string> cases_legend = {"Load case 1", "Load case 2", "Load case 3"};
  auto depth = [&](const char* label) {
    std::vector<std::string> texts = cases_legend;
    texts.push_back(label);
    texts.push_back("Depth below pile head (in)");
    return texts;
  };
  const std::vector<Case> cases = {
      {"deflection", depth("Deflection y (in)"), 3},
      {"slope", depth("Slope S (rad)"), 3},
      {"moment", depth("Bending moment M (in-lbs)"), 3},
      {"shear", depth("Shear force V (lbs)"), 3},
      {"soil_reaction", depth("Soil reaction p (lb/in)"), 3},
      {"bending_stiffness", depth("Bending stiffness EI (lb-in²)"), 3},
      {"py_curves",
       {"Deflection y (in)", "Soil reaction p (lb/in)", "Depth 60 in, soft clay",
        "Depth 120 in, sand"},
       2},
      {"moment_curvature_section_1",
       {"Curvature φ (rad/in)", "Bending moment M (in-kips)", "Thrust 0 kips", "Thrust 100 kips",
        "Nominal moment capacity"},
       2},
      {"ei_moment_section_1",
       {"Bending moment M (in-kips)", "Bending stiffness EI (kip-in²)", "Thrust 0 kips",
        "Nominal moment capacity"},
       2},
      {"head_shear_deflection",
       {"Pile-head deflection y (in)", "Pile-head shear V (lbs)", "1", "2", "3"},
       1},
      {"head_shear_max_moment", {"Maximum bending moment (in-lbs)", "Pile-head shear V (lbs)"}, 1},
      {"stiffness_matrix",
       {"Pile-head shear V (lbs)", "Pile-head moment M (in-lbs)", "K22 (lbs/in)", "K23 (lbs/rad)",
        "K32 (in-lbs/in)", "K33 (in-lbs/rad)"},
       4},
      {"length_study", {"Pile length (in)", "Pile-head deflection (in)"}, 1},
  };
  const std::vector<Figure> figures = Build_Figures(Sample_Run());
  ASSERT_EQ(figures.size(), cases.size());
  ScratchDir dir;
  for (const Case& c : cases) {
    const std::string path = dir.File(std::string(c.name) + ".svg");
    ASSERT_EQ(Render_Figure(Named(figures, c.name), FigureFormat::kSvg, path), "") << c.name;
    const std::string svg = Read_File(path);
    const std::vector<std::string> texts = Svg_Texts(svg);
    EXPECT_EQ(Count_Texts(texts, Named(figures, c.name).title), 1) << c.name;
    for (const std::string& label : c.labels) {
      EXPECT_GE(Count_Texts(texts, label), 1) << c.name << ": no text \"" << label << "\"";
    }
    EXPECT_EQ(Svg_Curves(svg).size(), c.curves) << c.name;
  }
  // Marks: the nominal capacity of both thrusts and its legend entry; a result point per
  // load case on the pile-head figures.
  const std::vector<std::string> mc =
      Svg_Texts(Read_File(dir.File("moment_curvature_section_1.svg")));
  EXPECT_EQ(Count_Texts(mc, "◆"), 3);
  const std::vector<std::string> head = Svg_Texts(Read_File(dir.File("head_shear_deflection.svg")));
  EXPECT_EQ(Count_Texts(head, "●"), 3);
}

// PLplot's svg keeps its own coordinates (y upwards): on a depth figure the head (depth 0)
// lies above the tip, the curves start at the top of the box.
TEST(Figures, DepthGrowsDownwards) {
  ScratchDir dir;
  const std::string path = dir.File("deflection.svg");
  ASSERT_EQ(
      Render_Figure(Named(Build_Figures(Sample_Run()), "deflection"), FigureFormat::kSvg, path),
      "");
  const auto curves = Svg_Curves(Read_File(path));
  ASSERT_EQ(curves.size(), 3u);
  for (const auto& curve : curves) {
    EXPECT_GT(curve.points.front().second, curve.points.back().second);
    // Deflection falls from the head to the tip: the curve runs to the left going down.
    EXPECT_GT(curve.points.front().first, curve.points.back().first);
  }
}

TEST(Figures, PngAndPdfFilesAndFailures) {
  const std::vector<Figure> figures = Build_Figures(Sample_Run());
  ScratchDir dir;
  ASSERT_EQ(Render_Figure(figures[0], FigureFormat::kPng, dir.File("a.png")), "");
  EXPECT_EQ(Read_File(dir.File("a.png")).substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  ASSERT_EQ(Render_Figure(figures[0], FigureFormat::kPdf, dir.File("a.pdf")), "");
  EXPECT_EQ(Read_File(dir.File("a.pdf")).substr(0, 5), "%PDF-");

  const std::string error =
      Render_Figure(figures[0], FigureFormat::kSvg, dir.File("missing/folder/a.svg"));
  EXPECT_NE(error.find("cannot write"), std::string::npos) << error;

  // A value that is not a number breaks its curve in two; nothing else changes.
  RunResults run = Sample_Run();
  run.load_cases.resize(1);
  run.load_cases[0].nodes.push_back(run.load_cases[0].nodes.back());
  run.load_cases[0].nodes.push_back(run.load_cases[0].nodes.back());
  run.load_cases[0].nodes[3].deflection = std::nan("");  // runs of 3 and 3 nodes
  ASSERT_EQ(Render_Figure(Named(Build_Figures(run), "deflection"), FigureFormat::kSvg,
                          dir.File("nan.svg")),
            "");
  EXPECT_EQ(Svg_Curves(Read_File(dir.File("nan.svg"))).size(), 2u);

  EXPECT_EQ(Parse_Figure_Format("png"), FigureFormat::kPng);
  EXPECT_FALSE(Parse_Figure_Format("jpeg").has_value());
}

// PLplot's state is process-wide: figures drawn from several threads at once come out as
// they do one at a time.
std::string Thread_File(int t) {
  std::string name = "thread_";
  name += std::to_string(t);
  name += ".svg";
  return name;
}

TEST(Figures, ConcurrentDrawingIsSerialised) {
  const std::vector<Figure> figures = Build_Figures(Sample_Run());
  ScratchDir dir;
  ASSERT_EQ(Render_Figure(figures[0], FigureFormat::kSvg, dir.File("alone.svg")), "");
  std::vector<std::thread> threads;
  std::vector<std::string> errors(4);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t]() {
      errors[t] = Render_Figure(figures[0], FigureFormat::kSvg, dir.File(Thread_File(t)));
    });
  }
  for (std::thread& thread : threads) thread.join();
  const std::string alone = Read_File(dir.File("alone.svg"));
  for (int t = 0; t < 4; ++t) {
    EXPECT_EQ(errors[t], "");
    EXPECT_EQ(Read_File(dir.File(Thread_File(t))), alone) << t;
  }
}

}  // namespace
}  // namespace tavik::results
