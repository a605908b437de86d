#include "sections/moment_curvature.h"

#include <cmath>
#include <string_view>

#include "run/run_status.h"
#include "sections/section_reports.h"
#include "sections/section_slicing.h"

namespace tavik {

namespace {
constexpr double kKipsPerPound = 1000.0;
// Curvature steps: the first step grows by these factors at these points.
constexpr int kStepGrowthPoint[] = {40, 80, 120};
constexpr double kStepGrowthFactor[] = {2.0, 4.0, 6.0};
constexpr double kBaseCurvatureStep = 1.25e-6;  // 1/in, for a section up to 24 in wide
constexpr double kBaseCurvatureStepSI = 4.921259901994065e-5;  // the same step in 1/m
constexpr double kStepWidthInches = 24.0;
constexpr double kMetresPerInch = 0.0254;
// Concrete crushing strain: the curve of a concrete section ends when its compression face
// reaches it. The nominal moment capacity is read at 0.003.
constexpr double kCrushingStrain = 0.0038;
constexpr double kNominalStrain = 0.003;
// Tension-controlled bars (round reinforced sections): steel strain beyond -0.005 while the
// concrete is below 0.003.
constexpr double kTensionControlledStrain = -0.005;
// Prestressed sections end when the compression zone is shallower than this part of the depth.
constexpr double kShallowCompressionZone = 0.1;
// The steel pipe: the first step reaches 1.7 yield strains at the outside radius in 80
// steps; the curve ends at 5 yield strains.
constexpr double kPipeFirstStepYieldStrains = 1.7;
constexpr double kPipeFirstStepDivisions = 80.0;
constexpr double kPipeLimitYieldStrains = 5.0;
constexpr int kCutOffWarning = -305;

// A thrust outside the axial capacities of a full analysis: runtime errors 24 to 27.
void Report_Thrust_Beyond_Capacity(RunContext& run, const SectionEngineState& engine, int t,
                                   bool compression) {
  const bool lrfd = run.Problem.Options.UseLRFD;
  const EI_Vars& vars = engine.Vars;
  const int number = lrfd ? (compression ? 26 : 27) : (compression ? 24 : 25);
  const std::string_view side = compression ? "compression." : "tension.";
  std::string_view thrust_text;
  if (lrfd) {
    thrust_text = "          Factored axial thrust load     = ";
  } else {
    thrust_text = compression ? "          Axial thrust load                  = "
                              : "          Axial thrust load              = ";
  }
  const std::string_view capacity_text = compression
                                             ? "          Nominal axial compressive capacity = "
                                             : "          Nominal axial tensile capacity = ";
  const double capacity =
      compression ? vars.rd_AxialCapacityCompression : vars.rd_AxialCapacityTension;
  TextChannel& out = run.Report;
  out.Empty_Lines(2);
  out.Line().A("**** Runtime Error No. ").I(number, 0).A(" ****");
  out.End_Line();
  out.Empty_Lines(1);
  out.Line()
      .A(lrfd ? "PROBLEM:  The axial thrust load for LRFD load case no. "
              : "PROBLEM:  The axial thrust load for load case no. ")
      .I(t, 0)
      .A(" exceeds the axial structural capacity in ")
      .A(side);
  out.End_Line();
  out.Line().A(thrust_text).F(engine.Thrust[t], 15, 3).A(engine.Labels.c_SecForce);
  out.End_Line();
  out.Line().A(capacity_text).F(capacity, 15, 3).A(engine.Labels.c_SecForce);
  out.End_Line();
  out.Empty_Lines(1);
  out.Write_Line(
      "SOLUTION: Change the properties of the section to increase the axial structural "
      "capacity.");
  out.Empty_Lines(1);
  Terminate_With_Error(run, Runtime_Error_Code(number), 200 + number);
}

// The thrust list against the axial capacities. Stiffness-only runs keep the thrusts
// strictly inside them (the shortened list serves the later sections too); full analyses
// stop on the first thrust outside them. Returns whether thrusts were dropped.
bool Check_Thrust_List(RunContext& run, SectionEngineState& engine) {
  const EI_Vars& vars = engine.Vars;
  const double pc = vars.rd_AxialCapacityCompression;
  const double pt = vars.rd_AxialCapacityTension;
  if (run.Problem.Options.ICOM == kComputeEIOnly) {
    const int n = engine.NumThrusts;
    int kept = 0;
    for (int t = 1; t <= n; ++t) {
      const double p = engine.Thrust[t];
      if (pt < p && p < pc) engine.Thrust[++kept] = p;
    }
    for (int t = kept + 1; t <= n; ++t) engine.Thrust[t] = 0.0;
    engine.NumThrusts = kept;
    return kept != n;
  }
  for (int t = 1; t <= engine.NumThrusts; ++t) {
    const double p = engine.Thrust[t];
    if (p > pc) {
      Report_Thrust_Beyond_Capacity(run, engine, t, true);
      return false;
    }
    if (p < pt) {
      Report_Thrust_Beyond_Capacity(run, engine, t, false);
      return false;
    }
  }
  return false;
}

// Thrust start: the run-message flags, and a tension beyond the cracking load, which leaves
// the bars or strands to carry the whole thrust with every tension slice cracked.
void Start_Thrust(EI_Vars& vars, double p) {
  vars.b_Yielded = false;
  const bool cracked_by_tension =
      vars.i_SectionShape != kShapeSteelPipe && p < 0.0 && p < vars.rd_CrackingLoad;
  if (cracked_by_tension && vars.rd_TotalBarArea > 0.0 && vars.rd_Es != 0.0) {
    vars.rd_EpsPs = p / (vars.rd_TotalBarArea * vars.rd_Es);
  }
  vars.b_Cracked = cracked_by_tension;
  vars.b_CrackedByAxialTension = cracked_by_tension;
}

// Yield strain of the pipe less the uniform strain of the thrust, times a factor.
double Pipe_Strain(const EI_Vars& vars, double yield_strains, double p) {
  const double e = vars.rd_CasingEs;
  return yield_strains * vars.rd_CasingFy / e - p / (vars.rd_PipeArea * e);
}

// Run messages C, Y/Z and T of point i; true when the point ends the curve.
bool Point_Messages_And_Stop(const EI_Vars& vars, MomentCurvatureCurve& curve, int i, double p) {
  const bool pipe = vars.i_SectionShape == kShapeSteelPipe;
  std::array<char, 3>& message = curve.RunMessage[i];
  message = {vars.b_Cracked ? 'C' : ' ', vars.b_Yielded ? 'Y' : ' ', ' '};
  if (vars.i_SectionShape == kShapeRoundPile && vars.i_SteelModel == kRebarModel &&
      curve.MinBarStrain[i] < kTensionControlledStrain && curve.MaxCompStrain[i] < kNominalStrain) {
    message[2] = 'T';
  }
  bool stop = false;
  if (!pipe) {
    if (curve.MaxCompStrain[i] >= kCrushingStrain) stop = true;
    if (Is_Strand_Material(vars.i_SteelModel) &&
        curve.NeutralAxisDepth[i] < kShallowCompressionZone * vars.rd_Depth) {
      message[1] = 'Z';
      stop = true;
    }
  } else {
    const double extreme =
        std::max(std::fabs(curve.MaxCompStrain[i]), std::fabs(curve.MaxTensStrain[i]));
    if (Pipe_Strain(vars, kPipeLimitYieldStrains, p) <= extreme) stop = true;
  }
  if (curve.Moment[i] <= 0.0) stop = true;
  return stop;
}

// The points of one thrust's curve. Returns with the run's error set when the search failed.
void Compute_Curve(RunContext& run, EI_Vars& vars, MomentCurvatureCurve& curve, double p,
                   double first_step) {
  double c0 = vars.rd_Depth / 2.0;
  double step = first_step;
  curve.NumCurvePoints = 0;
  for (int i = 1; i <= kMaxCurvePoints; ++i) {
    if (i == 1) {
      curve.Curvature[1] = first_step;
    } else {
      for (int g = 0; g < 3; ++g) {
        if (i == kStepGrowthPoint[g]) step *= kStepGrowthFactor[g];
      }
      curve.Curvature[i] = curve.Curvature[i - 1] + step;
    }
    Find_Neutral_Axis(run, vars, curve, i, p, c0);
    if (run.Status.Has_Error()) return;
    Compute_Section_Maxima(vars, curve, i);
    Compute_Section_Moment(vars, curve, i);
    curve.NumCurvePoints = i;
    if (Point_Messages_And_Stop(vars, curve, i, p)) break;
  }
}

void Store_Tables(RunContext& run, const SectionEngineState& engine, int j) {
  SectionEITables& tables = run.EITables;
  const double mn_factor = engine.Vars.IUNITS == kUnitsUSCustomary ? kKipsPerPound : 1.0;
  for (int t = 1; t <= engine.NumThrusts; ++t) {
    const MomentCurvatureCurve& curve = engine.Curves[t];
    tables.NumPoints[t][j] = curve.NumCurvePoints;
    tables.NominalMoment[t][j] = curve.NominalMomentCapacity * mn_factor;
    for (int p = 1; p <= curve.NumCurvePoints; ++p) {
      tables.Mt(p, t, j) = curve.Moment[p];
      tables.EIt(p, t, j) = curve.BendingStiffness[p];
      tables.Phit(p, t, j) = curve.Curvature[p];
    }
  }
  Set_Section_Thrusts(tables, j, engine.NumThrusts, engine.Thrust);
}
}  // namespace

double First_Curvature_Step(int iunits, double width) {
  if (iunits == kUnitsUSCustomary) {
    return kBaseCurvatureStep / std::max(1.0, std::round(width / kStepWidthInches));
  }
  return kBaseCurvatureStepSI /
         std::max(1.0, std::round(width / kMetresPerInch / kStepWidthInches));
}

double Nominal_Moment_Capacity(const MomentCurvatureCurve& curve, bool steel_pipe) {
  const int np = curve.NumCurvePoints;
  if (np < 1) return 0.0;
  if (steel_pipe) return curve.Moment[np];
  const CurveArray& strain = curve.MaxCompStrain;
  int k = np - 1;
  for (int q = 1; q <= np - 1; ++q) {
    if (strain[q + 1] >= kNominalStrain) {
      k = q;
      break;
    }
  }
  if (np >= 2 && strain[k + 1] > kNominalStrain && curve.Moment[k + 1] > 0.0) {
    return curve.Moment[k] + (curve.Moment[k + 1] - curve.Moment[k]) *
                                 (kNominalStrain - strain[k]) / (strain[k + 1] - strain[k]);
  }
  return curve.Moment[np];
}

void Compute_Moment_Curvature(RunContext& run, SectionEngineState& engine, int j,
                              const PileSection& section) {
  EI_Vars& vars = engine.Vars;
  const bool pipe = vars.i_SectionShape == kShapeSteelPipe;
  Initialize_EI_Vars(run, vars, engine.Labels);
  if (run.Status.Has_Error()) return;
  if (!pipe) Write_Concrete_Properties(run, engine, section);
  const bool dropped = Check_Thrust_List(run, engine);
  if (run.Status.Has_Error()) return;
  Write_Thrust_List(run, engine, dropped, j == 1);
  Write_Run_Message_Definitions(run, engine);

  double first_step = First_Curvature_Step(vars.IUNITS, section.Width);
  for (int t = 1; t <= engine.NumThrusts; ++t) {
    const double p = engine.Thrust[t];
    if (t > 1 && p != engine.Thrust[t - 1]) {
      // A new thrust starts from the prestress strains again.
      Initialize_EI_Vars(run, vars, engine.Labels);
      if (run.Status.Has_Error()) return;
    }
    Start_Thrust(vars, p);
    if (pipe) {
      first_step = Pipe_Strain(vars, kPipeFirstStepYieldStrains, p) / vars.rd_PipeRadius /
                   kPipeFirstStepDivisions;
    }
    Write_Curve_Heading(run, engine, t);
    MomentCurvatureCurve& curve = engine.Curves[t];
    Compute_Curve(run, vars, curve, p, first_step);
    if (run.Status.Has_Error()) return;
    curve.StrainAtNominalMoment = kNominalStrain;
    curve.NominalMomentCapacity = Nominal_Moment_Capacity(curve, pipe);
    Write_Curve_Rows(run, engine, t);
    if (curve.NumCurvePoints >= kMaxCurvePoints && !pipe)
      Record_Warning(run.Status, kCutOffWarning);
  }
  Store_Tables(run, engine, j);
  Write_Curve_Plot_Records(run, engine, j);
  Write_Moment_Capacity_Summary(run, engine, j);
}

}  // namespace tavik
