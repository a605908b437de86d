#include <cmath>

#include "echo/echo_blocks.h"
#include "input/input_checks.h"

namespace tavik {

namespace {
constexpr int kLayeringIndent = 23;
// A subgrade modulus or rock modulus at or below this magnitude selects the default.
constexpr double kDefaultModulusBelow = 1.0e-10;
constexpr int kDepthWidth = 12;
constexpr int kDepthDecimals = 3;
constexpr int kExtentWidth = 7;
constexpr int kExtentDecimals = 2;

// Piedmont field tests.
constexpr int kTestSPT = 1;
constexpr int kTestCPT = 2;
constexpr int kTestDMT = 3;
constexpr int kTestPMT = 4;

struct LayerWriter {
  RunContext& run;
  TextChannel& report;

  void Value(std::string_view label, double value, int decimals, std::string_view unit) {
    FortranLine& line = Labelled(report, label).F(value, kDepthWidth, decimals);
    if (!unit.empty()) Unit(line, unit);
    report.End_Line();
  }
  // The p-y subgrade modulus lines, or the note that defaults will be computed.
  void Subgrade_Moduli(const SoilLayer& layer) {
    if (std::fabs(layer.SubgradeModulusTop) > kDefaultModulusBelow ||
        std::fabs(layer.SubgradeModulusBottom) > kDefaultModulusBelow) {
      const std::string unit = Subgrade_Modulus_Label(run.Problem.IUNITS, run.Units);
      Value("p-y subgrade modulus k for top of soil layer", layer.SubgradeModulusTop, 3, unit);
      Value("p-y subgrade modulus k for bottom of soil layer", layer.SubgradeModulusBottom, 3,
            unit);
    } else {
      report.Write_Line(
          "NOTE:  Internal default values for p-y subgrade modulus will be computed for");
      report.Write_Line("the above soil layer.");
    }
  }
  void Piedmont_Tests(const SoilLayer& layer) {
    const std::string stress = Stress_Label(run.Units);
    switch (layer.Top.TestType) {
      case kTestSPT: {
        report.Write_Line("The type of field test is the Standard Penetration Test (SPT)");
        const std::string blows = "blows/" + std::string(Trimmed(run.Units.c_UnitDepth));
        Value("N60 at top of layer", layer.Top.N60, 1, blows);
        Value("N60 at bottom of layer", layer.Bottom.N60, 1, blows);
        break;
      }
      case kTestCPT:
        report.Write_Line("The type of field test is the Cone Penetration Test (CPT)");
        Value("Cone tip resistance at top of layer", layer.Top.ConeTipResistance, 1, stress);
        Value("Cone tip resistance at bottom of layer", layer.Bottom.ConeTipResistance, 1, stress);
        break;
      case kTestDMT:
        report.Write_Line("The type of field test is the Dilatometer Test (DMT)");
        Value("Dilatometer modulus at top of layer", layer.Top.DilatometerModulus, 1, stress);
        Value("Dilatometer modulus at bottom of layer", layer.Bottom.DilatometerModulus, 1, stress);
        break;
      case kTestPMT:
        report.Write_Line("The type of field test is the Pressuremeter Test (DMT)");
        Value("Pressuremeter modulus at top of layer", layer.Top.PressuremeterModulus, 1, stress);
        Value("Pressuremeter modulus at bottom of layer", layer.Bottom.PressuremeterModulus, 1,
              stress);
        break;
      default:
        break;
    }
  }
  // The rock modulus lines of weak rock ("Initial") and massive rock ("Intact").
  void Rock_Moduli(const SoilLayer& layer, std::string_view kind) {
    const std::string stress = Stress_Label(run.Units);
    const std::string label = std::string(kind) + " modulus of rock at ";
    Unit(Labelled(report, label + "top of layer").ES(layer.SubgradeModulusTop, kDepthWidth, 4),
         stress);
    report.End_Line();
    Unit(
        Labelled(report, label + "bottom of layer").ES(layer.SubgradeModulusBottom, kDepthWidth, 4),
        stress);
    report.End_Line();
  }
  void Weak_Rock_Moduli(const SoilLayer& layer) {
    Rock_Moduli(layer, "Initial");
    if (layer.SubgradeModulusTop <= kDefaultModulusBelow) {
      report.Write_Line("NOTE:  Internal default values for initial modulus will be computed for");
      report.Write_Line("the above rock layer.");
    }
  }
};

// The sentence after "Layer j" of each code; empty for the codes the echo leaves out.
std::string_view Layer_Sentence(std::string_view code) {
  struct Entry {
    std::string_view code;
    std::string_view sentence;
  };
  static constexpr Entry kSentences[] = {
      {"SoftClay", " is soft clay, p-y criteria by Matlock, 1970"},
      {"SoftClyJ", " is soft clay with user-defined J, p-y criteria by Matlock, 1970"},
      {"StfClyBW", " is stiff clay with water-induced erosion"},
      {"StfClyAW", " is stiff clay without free water"},
      {"StfClyAK", " is stiff clay without free water using initial selected k, 2004"},
      {"Sand", " is sand, p-y criteria by Reese et al., 1974"},
      {"API Sand", " is sand, p-y criteria by API RP-2A, 1987"},
      {"Liq Sand", " is liquefiable sand, by Rollins et al., 2004"},
      {"WeakRock", " is weak rock, p-y criteria by Reese, 1997"},
      {"Vuggy LS", " is strong rock (vuggy limestone)"},
      {"MassRock", " is massive rock, p-y criteria by Liang et al., 2009"},
      {"Cem Silt", " is cemented silt with cohesion and friction"},
      {"KS Loess", " is loess silt"},
      {"Piedmont", " is Piedmont residual soil"},
      {"Elast SG", " is modelled using an elastic subgrade modulus"},
      {"User p-y", " is modelled using user-specified p-y curves"},
  };
  for (const Entry& entry : kSentences) {
    if (entry.code == code) return entry.sentence;
  }
  return {};
}

void Echo_Layer(LayerWriter& out, int j) {
  const ProblemData& problem = out.run.Problem;
  const SoilLayer& layer = problem.Layers[j - 1];
  const std::string_view code = Layer_Code(layer);
  const std::string_view sentence = Layer_Sentence(code);
  if (sentence.empty()) return;  // Frz Soil
  TextChannel& report = out.report;
  report.Line().A("Layer ").I(j, 0).A(sentence);
  report.End_Line();
  report.Empty_Lines(1);
  const std::string_view depth_unit = out.run.Units.c_UnitDepth;
  out.Value("Distance from top of pile to top of layer", layer.XLayerTop, kDepthDecimals,
            depth_unit);
  out.Value("Distance from top of pile to bottom of layer", layer.XLayerBottom, kDepthDecimals,
            depth_unit);
  if (code == "SoftClyJ") {
    out.Value("p-y J factor for top of soil layer", layer.Top.JFactor, 3, "");
    out.Value("p-y J factor for bottom of layer", layer.Bottom.JFactor, 3, "");
  } else if (code == "StfClyBW" || code == "StfClyAK" || code == "Sand" || code == "API Sand" ||
             code == "Cem Silt") {
    out.Subgrade_Moduli(layer);
  } else if (code == "WeakRock") {
    out.Weak_Rock_Moduli(layer);
  } else if (code == "MassRock") {
    out.Rock_Moduli(layer, "Intact");
  } else if (code == "KS Loess") {
    const std::string stress = Stress_Label(out.run.Units);
    out.Value("Cone tip resistance at top of layer", layer.Top.ConeTipResistance, 1, stress);
    out.Value("Cone tip resistance at bottom of layer", layer.Bottom.ConeTipResistance, 1, stress);
  } else if (code == "Piedmont") {
    out.Piedmont_Tests(layer);
  } else if (code == "Elast SG") {
    const std::string unit = Subgrade_Modulus_Label(problem.IUNITS, out.run.Units);
    out.Value("Elastic subgrade at top of layer", layer.Top.ElasticSubgradeModulus, 3, unit);
    out.Value("Elastic subgrade at bottom of layer", layer.Bottom.ElasticSubgradeModulus, 3, unit);
  }
  report.Empty_Lines(1);
  Check_Liquefied_Sand_Depth(out.run, j);
}
}  // namespace

// Echo_Soil_Layers: reads the soil layers (depths in feet or metres, moduli as entered) and
// PileLength. Writes the heading "Soil and Rock Layering Information", the number of layers,
// each layer's sentence, depths and the extra lines of its code (Frz Soil layers write
// nothing), the liquefied sand depth warning where it applies, and how far the
// lowest layer reaches below the pile tip.
void Echo_Soil_Layers(RunContext& run) {
  const ProblemData& problem = run.Problem;
  TextChannel& report = run.Report;
  Write_Heading(report, "Soil and Rock Layering Information", kLayeringIndent);
  report.Line()
      .A("The soil profile is modelled using ")
      .I(problem.i_Number_of_Layers, 0)
      .A(" layers");
  report.End_Line();
  report.Empty_Lines(1);
  LayerWriter out{run, report};
  const int layers = Within_Capacity(problem.i_Number_of_Layers, kMaxLayers);
  for (int j = 1; j <= layers; ++j) Echo_Layer(out, j);
  const double profile_bottom = layers > 0 ? problem.Layers[layers - 1].XLayerBottom : 0.0;
  report.Empty_Lines(1);
  Unit(report.Line()
           .A("(Depth of lowest layer extends ")
           .F(profile_bottom - problem.PileLength, kExtentWidth, kExtentDecimals),
       run.Units.c_UnitDepth)
      .A(" below pile tip)");
  report.End_Line();
  report.Empty_Lines(1);
}

}  // namespace tavik
