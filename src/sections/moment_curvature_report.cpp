// The moment-curvature report of a nonlinear section: concrete properties, thrust list, run
// message definitions, the table of each thrust with its cut-off warning, the "Line 4" and
// "Line 5" plot records of the curves and the summary of nominal moment capacities.
#include <algorithm>
#include <array>
#include <string_view>

#include "echo/echo_blocks.h"
#include "run/report_writers.h"
#include "run/unit_labels.h"
#include "sections/section_reports.h"

namespace tavik {

namespace {

// The number field of every value of the report tables (one blank and 13 characters).
constexpr int kNumberField = 14;

// Plot records: the count in I5, then blanks to column 81 where the label starts ("Line 3"),
// or I5, 10X and two ES15.7 ("Line 4"), or three ES15.7 ("Line 5").
constexpr int kCountWidth = 5;
constexpr int kPlotGap = 10;
constexpr int kPlotWidth = 15;
constexpr int kPlotDecimals = 7;
constexpr int kPlotLabelColumn = 81;

// Thrust table: t I7, 9X, P F12.3. Curve heading: P F10.3 and the force label A7.
constexpr int kThrustNumberWidth = 7;
constexpr int kThrustGap = 9;
constexpr int kThrustWidth = 12;
constexpr int kForceLabelGap = 20;  // before the force label of the thrust table's head
constexpr int kHeadingThrustWidth = 10;
constexpr int kForceDecimals = 3;
constexpr int kLabelA7 = 7;

// Summary: t I4, P F22.3, Mn F22.3 (F22.1 for the steel pipe), strain F21.8.
constexpr int kSummaryNumberWidth = 4;
constexpr int kSummaryWidth = 22;
constexpr int kPipeMomentDecimals = 1;
constexpr int kStrainWidth = 21;
constexpr int kStrainDecimals = 8;

constexpr int kRunMessageGap = 2;  // blanks before the run message of a row
constexpr int kSummaryIndent = 3;

bool Is_Steel_Pipe(const EI_Vars& vars) {
  return vars.i_SectionShape == kShapeSteelPipe;
}
bool Is_SI(const EI_Vars& vars) {
  return vars.IUNITS == kUnitsSI;
}
// The first 7 characters of an 8-character section unit label.
std::string_view A7(std::string_view label) {
  return label.substr(0, kLabelA7);
}

int Thrust_Count(const SectionEngineState& engine) {
  return std::clamp(engine.NumThrusts, 0, kMaxThrusts);
}

// Thrusts that have a curve in the state (curve t is element t of engine.Curves).
int Curve_Count(const SectionEngineState& engine) {
  const int curves = static_cast<int>(engine.Curves.size()) - 1;
  return std::clamp(std::min(engine.NumThrusts, curves), 0, kMaxThrusts);
}

int Point_Count(const MomentCurvatureCurve& curve) {
  return std::clamp(curve.NumCurvePoints, 0, kMaxCurvePoints);
}

// ---- Column layouts of the curve tables ------------------------------------------------------

struct CurveLayout {
  std::array<std::string_view, 2> words;  // heading lines 1 and 2
  std::string_view units_us;              // heading line 3
  std::string_view units_si;
  std::string_view rule;  // heading line 4
};

// Standard: concrete and bars (or strands); the row ends with the four strain and stress
// maxima.
constexpr CurveLayout kStandardLayout = {
    {"    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    "
     "Max Concrete   Max Steel    Run",
     "   Curvature      Moment       Stiffness       N Axis        Strain        Strain      "
     "  Stress        Stress     Msg"},
    "    rad/in.       in-kip        kip-in2          in          in/in         in/in        "
    "  ksi           ksi           ",
    "     rad/m         kN-m          kN-m2           m            m/m           m/m         "
    "  kPa           kPa          ",
    " ------------- ------------- ------------- ------------- ------------- ------------- "
    "------------- -------------  ---"};

// Casing: the standard columns and the casing stress.
constexpr CurveLayout kCasingLayout = {
    {"    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    "
     "Max Concrete   Max Steel     Max Casing   Run",
     "   Curvature      Moment       Stiffness       N Axis        Strain        Strain      "
     "  Stress        Stress        Stress     Msg"},
    "    rad/in.       in-kip        kip-in2          in          in/in         in/in        "
    "  ksi           ksi           ksi          ",
    "     rad/m         kN-m          kN-m2           m            m/m           m/m         "
    "  kPa           kPa           kPa          ",
    " ------------- ------------- ------------- ------------- ------------- ------------- "
    "------------- ------------- -------------  ---"};

// Casing and core: the casing columns and the core stress.
constexpr CurveLayout kCasingCoreLayout = {
    {"    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    "
     "Max Concrete   Max Steel     Max Casing    Max Core     Run",
     "   Curvature      Moment       Stiffness       N Axis        Strain        Strain      "
     "  Stress        Stress        Stress        Stress     Msg"},
    "    rad/in.       in-kip        kip-in2          in          in/in         in/in        "
    "  ksi           ksi           ksi           ksi          ",
    "     rad/m         kN-m          kN-m2           m            m/m           m/m         "
    "  kPa           kPa           kPa           kPa          ",
    " ------------- ------------- ------------- ------------- ------------- ------------- "
    "------------- ------------- ------------- -------------  ---"};

// Steel pipe: the largest stress of the pipe wall.
constexpr CurveLayout kPipeLayout = {
    {"    Bending       Bending       Bending       Depth to     Max Total    Run",
     "   Curvature      Moment       Stiffness       N Axis        Stress     Msg"},
    "    rad/in.       in-kip        kip-in2          in           ksi          ",
    "     rad/m         kN-m          kN-m2           m            kPa          ",
    " ------------- ------------- ------------- ------------- -------------  ---"};

const CurveLayout& Layout_Of(const EI_Vars& vars) {
  switch (vars.i_SectionShape) {
    case kShapeSteelPipe:
      return kPipeLayout;
    case kShapeCasedShaft:
      return kCasingLayout;
    case kShapeCasedShaftWithCore:
      return kCasingCoreLayout;
    default:
      return kStandardLayout;
  }
}

// A labelled value of the concrete properties: the number field and the unit label.
void Property(TextChannel& report, std::string_view label, double value, std::string_view unit) {
  Labelled(report, label);
  Write_Real(report, value, kNumberField);
  report.Line().A(unit);  // the whole 8-character label, trailing blanks included
  report.End_Line();
}

// A run message character; an unset one is a blank.
std::string_view Message_Character(const char& c) {
  return c == '\0' ? std::string_view(" ") : std::string_view(&c, 1);
}

}  // namespace

// Write_Concrete_Properties: f'c, Ec, fr, eps0, eps_cr (section units, from engine.Vars) and
// the maximum aggregate size of the section's concrete data. Nothing for the steel pipe.
void Write_Concrete_Properties(RunContext& run, const SectionEngineState& engine,
                               const PileSection& section) {
  const EI_Vars& vars = engine.Vars;
  if (Is_Steel_Pipe(vars)) return;
  TextChannel& report = run.Report;
  const SectionUnitLabels& labels = engine.Labels;
  report.Empty_Lines(1);
  report.Write_Line("Concrete Properties:");
  report.Write_Line("--------------------");
  report.Empty_Lines(1);
  Property(report, "Compressive Strength of Concrete", vars.rd_Fc, labels.c_SecStress);
  Property(report, "Modulus of Elasticity of Concrete", vars.rd_Ec, labels.c_SecStress);
  Property(report,
           vars.i_SteelModel == kRebarModel ? "Modulus of Rupture of Concrete"
                                            : "Modulus of Rupture of Prestressed Concrete",
           vars.rd_Fr, labels.c_SecStress);
  Property(report, "Compression Strain at Peak Stress", vars.rd_Eps0, {});
  Property(report, "Tensile Strain at Fracture of Concrete", vars.rd_EpsCr, {});
  Property(report, "Maximum Coarse Aggregate Size", section.Concrete.MaxAggregateSize,
           labels.c_SecLength);
}

// Write_Thrust_List: the thrust list block of a stiffness-only run (ICOM 2, with the note
// when thrusts were dropped) or of a full analysis, the "Line 3" record for the first
// section, and the table of the thrusts kept (section force units).
void Write_Thrust_List(RunContext& run, const SectionEngineState& engine, bool dropped,
                       bool first_section) {
  TextChannel& report = run.Report;
  const AnalysisOptions& options = run.Problem.Options;
  const int thrusts = Thrust_Count(engine);
  std::string_view plot_label;
  if (options.ICOM == kComputeEIOnly) {
    if (dropped) {
      report.Empty_Lines(1);
      report.Write_Line(
          "The following computations were performed only for the axial thrust values in the "
          "valid range.");
    }
    report.Empty_Lines(2);
    report.Write_Line("Input Axial Thrust Forces:");
    report.Write_Line("--------------------------");
    report.Empty_Lines(1);
    report.Line()
        .A("Number of Axial Thrust Force Values Determined from Input Data = ")
        .I(thrusts, 0);
    report.End_Line();
    plot_label = "Line 3 : Total number of axial thrusts for EI-only computations";
  } else {
    report.Empty_Lines(2);
    report.Line()
        .A("Number of Axial Thrust Force Values Determined from Pile-head Loadings = ")
        .I(thrusts, 0);
    report.End_Line();
    plot_label = options.UseLRFD ? "Line 3 : Total number of axial thrusts for LRFD"
                                 : "Line 3 : Total number of axial thrusts";
  }
  report.Empty_Lines(1);
  if (first_section) {
    run.Plot.Line().I(thrusts, kCountWidth).T(kPlotLabelColumn).A(plot_label);
    run.Plot.End_Line();
  }

  report.Line().A("   Number     Axial Thrust Force").X(kForceLabelGap).A(engine.Labels.c_SecForce);
  report.End_Line();
  report.Write_Line("   ------     ------------------");
  for (int t = 1; t <= thrusts; ++t) {
    report.Line()
        .I(t, kThrustNumberWidth)
        .X(kThrustGap)
        .F(engine.Thrust[t], kThrustWidth, kForceDecimals);
    report.End_Line();
  }
}

// Write_Run_Message_Definitions: the meaning of the run messages C, Y, T and Z and the sign
// conventions (for the steel pipe only Y).
void Write_Run_Message_Definitions(RunContext& run, const SectionEngineState& engine) {
  TextChannel& report = run.Report;
  if (Is_Steel_Pipe(engine.Vars)) {
    report.Empty_Lines(1);
    report.Write_Line("Definition of Run Messages:");
    report.Empty_Lines(1);
    report.Write_Line("   Y = part of pipe section has yielded.");
    return;
  }
  report.Empty_Lines(2);
  report.Write_Line("Definitions of Run Messages and Notes:");
  report.Write_Line("--------------------------------------");
  report.Empty_Lines(1);
  report.Write_Line("   C = concrete in section has cracked in tension.");
  report.Write_Line("   Y = stress in reinforcing steel has reached yield stress.");
  report.Write_Line(
      "   T = tensile strain in reinforcement exceeds 0.005 while simultaneously compressive "
      "strain ");
  report.Write_Line("       in concrete is less than 0.003. See ACI 318-08, Section 10.3.4.");
  report.Write_Line(
      "   Z = depth of tensile zone in concrete section is less than 10 percent of section "
      "depth.");
  report.Empty_Lines(1);
  report.Write_Line("Bending Stiffness (EI) = Computed Bending Moment / Curvature.");
  report.Write_Line("Position of neutral axis is measured from edge of compression side of pile.");
  report.Write_Line("Compressive stresses and strains are positive in sign.");
  report.Write_Line("Tensile stresses and strains are negative in sign.");
}

// Write_Curve_Heading: the thrust P(t) and the four heading lines of the section's layout.
void Write_Curve_Heading(RunContext& run, const SectionEngineState& engine, int t) {
  TextChannel& report = run.Report;
  const CurveLayout& layout = Layout_Of(engine.Vars);
  const double thrust = t >= 0 && t <= kMaxThrusts ? engine.Thrust[t] : 0.0;
  report.Empty_Lines(2);
  report.Line()
      .A("Axial Thrust Force = ")
      .F(thrust, kHeadingThrustWidth, kForceDecimals)
      .A(A7(engine.Labels.c_SecForce));
  report.End_Line();
  report.Empty_Lines(1);
  report.Write_Line(layout.words[0]);
  report.Write_Line(layout.words[1]);
  report.Write_Line(Is_SI(engine.Vars) ? layout.units_si : layout.units_us);
  report.Write_Line(layout.rule);
}

// Write_Curve_Rows: one row per point of curve t (curvature, moment, EI, neutral axis depth
// and the maxima of the layout, each in the number field, then the run message), and the
// cut-off warning when the curve reached the point limit (not for the steel pipe).
void Write_Curve_Rows(RunContext& run, const SectionEngineState& engine, int t) {
  if (t < 1 || t >= static_cast<int>(engine.Curves.size())) return;
  TextChannel& report = run.Report;
  const EI_Vars& vars = engine.Vars;
  const MomentCurvatureCurve& curve = engine.Curves[t];
  const int shape = vars.i_SectionShape;
  for (int i = 1; i <= Point_Count(curve); ++i) {
    Write_Real(report, curve.Curvature[i], kNumberField);
    Write_Real(report, curve.Moment[i], kNumberField);
    Write_Real(report, curve.BendingStiffness[i], kNumberField);
    Write_Real(report, curve.NeutralAxisDepth[i], kNumberField);
    if (shape != kShapeSteelPipe) {
      Write_Real(report, curve.MaxCompStrain[i], kNumberField);
      Write_Real(report, curve.MaxTensStrain[i], kNumberField);
      Write_Real(report, curve.MaxConcreteStress[i], kNumberField);
      Write_Real(report, curve.MaxSteelStress[i], kNumberField);
    }
    if (shape == kShapeCasedShaft || shape == kShapeCasedShaftWithCore ||
        shape == kShapeSteelPipe) {
      Write_Real(report, curve.MaxCasingStress[i], kNumberField);
    }
    if (shape == kShapeCasedShaftWithCore) {
      Write_Real(report, curve.MaxCoreStress[i], kNumberField);
    }
    FortranLine& line = report.Line().X(kRunMessageGap);
    for (const char& c : curve.RunMessage[i]) line.A(Message_Character(c));
    report.End_Line();
  }
  if (curve.NumCurvePoints >= kMaxCurvePoints && shape != kShapeSteelPipe) {
    report.Empty_Lines(1);
    report.Line()
        .A("Warning: ")
        .I(kMaxCurvePoints, 0)
        .A(" values were calculated for moment-curvature.");
    report.End_Line();
    report.Write_Line(
        "This usually indicates that the pile is too weak or is under-reinforced, where all "
        "reinforcing steel has yielded.");
    report.Empty_Lines(1);
    report.Write_Line(
        "The input data should be examined and the amount of steel reinforcement should be "
        "increased if necessary.");
    report.Empty_Lines(1);
  }
}

void Write_Table_Plot_Records(RunContext& run, const TablePlotTexts& texts, int j, int t,
                              double thrust) {
  TextChannel& plot = run.Plot;
  const SectionEITables& tables = run.EITables;
  const int np = std::clamp(tables.NumPoints[t][j], 0, kMaxEIPoints);
  plot.Line()
      .I(np, kCountWidth)
      .X(kPlotGap)
      .ES(thrust, kPlotWidth, kPlotDecimals)
      .ES(tables.NominalMoment[t][j], kPlotWidth, kPlotDecimals)
      .T(kPlotLabelColumn)
      .A(texts.line4);
  plot.End_Line();
  for (int p = 1; p <= np; ++p) {
    plot.Line()
        .ES(tables.Mt(p, t, j), kPlotWidth, kPlotDecimals)
        .ES(tables.EIt(p, t, j), kPlotWidth, kPlotDecimals)
        .ES(tables.Phit(p, t, j), kPlotWidth, kPlotDecimals)
        .T(kPlotLabelColumn)
        .A(texts.line5)
        .I(j, 0)
        .A(", AxLd#=")
        .I(t, 0)
        .A(", CurvPnt#=")
        .I(p, 0);
    plot.End_Line();
  }
}

// Write_Curve_Plot_Records: for every thrust of section j, from the stored tables.
void Write_Curve_Plot_Records(RunContext& run, const SectionEngineState& engine, int j) {
  constexpr TablePlotTexts kTexts{
      "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load, Nom. Moment Cap.",
      "Line 5 : Moment, EI, Curvature for Sect#="};
  for (int t = 1; t <= Curve_Count(engine); ++t) {
    Write_Table_Plot_Records(run, kTexts, j, t, engine.Thrust[t]);
  }
}

// Write_Moment_Capacity_Summary: the nominal moment capacity of section j at every thrust
// (section units: kip-in or kN-m), with the strain it was taken at (not for the steel
// pipe), and the note on strength reduction factors.
void Write_Moment_Capacity_Summary(RunContext& run, const SectionEngineState& engine, int j) {
  TextChannel& report = run.Report;
  const SectionUnitLabels& labels = engine.Labels;
  const bool pipe = Is_Steel_Pipe(engine.Vars);
  report.Empty_Lines(2);
  report.Rule('-');
  report.Line()
      .X(kSummaryIndent)
      .A("Summary of Results for Nominal (Unfactored) Moment Capacity for Section ")
      .I(j, 0);
  report.End_Line();
  report.Rule('-');
  report.Empty_Lines(1);
  if (!pipe) {
    report.Write_Line("Moment values interpolated at maximum compressive strain = 0.003");
    report.Write_Line("or maximum developed moment if pile fails at smaller strains.");
    report.Empty_Lines(1);
    report.Write_Line(" Load           Axial Thrust        Nominal Mom. Cap.      Max. Comp.");
  } else {
    report.Write_Line(" Load           Axial Thrust        Nominal Mom. Cap.");
  }
  FortranLine& units = report.Line()
                           .A("  No.              ")
                           .A(A7(labels.c_SecForce))
                           .A("              ")
                           .A(A7(labels.c_SecMoment));
  if (!pipe) units.A("              Strain");
  report.End_Line();
  report.Write_Line(pipe
                        ? " ----         ----------------     ------------------"
                        : " ----         ----------------     ------------------     ------------");
  for (int t = 1; t <= Curve_Count(engine); ++t) {
    const MomentCurvatureCurve& curve = engine.Curves[t];
    FortranLine& row = report.Line()
                           .I(t, kSummaryNumberWidth)
                           .F(engine.Thrust[t], kSummaryWidth, kForceDecimals)
                           .F(curve.NominalMomentCapacity, kSummaryWidth,
                              pipe ? kPipeMomentDecimals : kForceDecimals);
    if (!pipe) row.F(curve.StrainAtNominalMoment, kStrainWidth, kStrainDecimals);
    report.End_Line();
  }
  report.Empty_Lines(1);
  if (pipe) {
    report.Write_Line("Note that the values in the above table are not factored by a strength");
    report.Write_Line("reduction factor for LRFD.");
    report.Empty_Lines(1);
    report.Write_Line(
        "The value of the strength reduction factor depends on the provisions of the ");
    report.Write_Line("LRFD code being followed.");
    report.Empty_Lines(1);
    report.Write_Line(
        "The above values should be multiplied by the appropriate strength reduction ");
    report.Write_Line(
        "factor to compute ultimate moment capacity according to the LRFD structural ");
    report.Write_Line("design standard being followed.");
  } else {
    report.Write_Line("Note note that the values of moment capacity in the table above are not ");
    report.Write_Line("factored by a strength reduction factor (phi-factor).");
    report.Empty_Lines(1);
    report.Write_Line(
        "In ACI 318-08, the value of the strength reduction factor depends on whether ");
    report.Write_Line("the transverse reinforcing steel bars are spirals or tied hoops.");
    report.Empty_Lines(1);
    report.Write_Line(
        "The above values should be multiplied by the appropriate strength reduction ");
    report.Write_Line(
        "factor to compute ultimate moment capacity according to ACI 318-08, Section ");
    report.Write_Line("9.3.2.2 or the value required by the design standard being followed.");
  }
  report.Empty_Lines(2);
}

}  // namespace tavik
