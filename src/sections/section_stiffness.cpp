#include "sections/section_stiffness.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "sections/elastic_ei_tables.h"
#include "sections/moment_curvature.h"
#include "sections/section_reports.h"
#include "sections/section_slicing.h"

namespace tavik {

namespace {
constexpr double kPsiPerKsi = 1000.0;
constexpr double kPoundsPerKip = 1000.0;
// Octagon of width B across flats: the half-side a = 0.2071 B (B tan 22.5 deg / 2).
constexpr double kOctagonHalfSide = 0.2071;
// Nominal axial capacity: 0.85 f'c on the net concrete area.
constexpr double kConcreteStressBlock = 0.85;

double Circle_Area(double d) {
  return std::numbers::pi * d * d / 4.0;
}
double Ring_Area(double d, double t) {
  return Circle_Area(d) - Circle_Area(d - 2.0 * t);
}

// Outline of a chamfered square (chamfer c) or of an octagon, width b across flats,
// counterclockwise from the bottom right.
void Set_Outline(EI_Vars& vars, double b, double c, bool octagon) {
  const double h = b / 2.0;
  const double a = octagon ? kOctagonHalfSide * b : h - c;  // half-length of a flat side
  const double xs[8] = {a, h, h, a, -a, -h, -h, -a};
  const double ys[8] = {-h, -a, a, h, h, a, -a, -h};
  vars.NumOutlinePoints = 8;
  for (int i = 0; i < 8; ++i) {
    vars.OutlineX[i] = xs[i];
    vars.OutlineY[i] = ys[i];
  }
}

void Set_Void_Core(EI_Vars& vars, double diameter) {
  vars.NumCores = 1;
  vars.CoreDiameter = diameter;
  vars.CoreWall = 0.0;
  vars.CoreCenterY = 0.0;
  vars.b_FillCoreWithConcrete = false;
  vars.i_CoreFillModel = kNoCoreConcrete;
}

// Shape of each section type (the prestressed square and octagonal piles become polygons
// when they have corners cut).
int Shape_Of_Section(const PileSection& section) {
  switch (section.SectionType) {
    case kRectangularConcrete:
      return kShapeSquarePile;
    case kDrilledShaft:
    case kCircularSolidPrestressed:
      return kShapeRoundPile;
    case kCasedShaft:
      return kShapeCasedShaft;
    case kCasedShaftWithCore:
      return kShapeCasedShaftWithCore;
    case kSteelPipe:
      return kShapeSteelPipe;
    case kCircularHollowPrestressed:
      return kShapeShaftWithPipeInsert;
    case kSquareSolidPrestressed:
      return section.CornerChamfer == 0.0 ? kShapeSquarePile : kShapePolygonPile;
    case kSquareHollowPrestressed:
      return section.CornerChamfer == 0.0 ? kShapeSquarePileWithCore : kShapePolygonPileWithCore;
    case kOctagonalSolidPrestressed:
      return kShapePolygonPile;
    case kOctagonalHollowPrestressed:
      return kShapePolygonPileWithCore;
    default:
      return 0;
  }
}

// Axial limits of the reinforced sections and the steel pipe: Pc = 0.85 f'c Ac + sum fy As,
// Pt = -sum fy As and the cracking load (sum Es As + Ec Ac) eps_cr, with Ac the gross
// area less every steel area inside it (and less the void of a hollow core).
void Set_Reinforced_Capacities(EI_Vars& vars, const PileSection& section) {
  const double as_bars = vars.rd_TotalBarArea;
  if (section.SectionType == kSteelPipe) {
    const double a = vars.rd_PipeArea;
    vars.rd_AxialCapacityCompression = vars.rd_CasingFy * a;
    vars.rd_AxialCapacityTension = -vars.rd_CasingFy * a;
    vars.rd_CrackingLoad = vars.rd_AxialCapacityTension;
    return;
  }
  double gross = 0.0;
  double as_casing = 0.0;
  double as_core = 0.0;
  double core_void = 0.0;
  if (section.SectionType == kRectangularConcrete) {
    gross = section.SectionDepth * section.SectionWidth;
  } else {
    gross = Circle_Area(vars.rd_SectionDepthInput);
  }
  if (section.SectionType == kCasedShaft || section.SectionType == kCasedShaftWithCore) {
    as_casing = Ring_Area(vars.rd_SectionDepthInput, vars.CasingWall);
  }
  if (section.SectionType == kCasedShaftWithCore) {
    as_core = Ring_Area(vars.CoreDiameter, vars.CoreWall);
    if (!vars.b_FillCoreWithConcrete)
      core_void = Circle_Area(vars.CoreDiameter - 2.0 * vars.CoreWall);
  }
  const double ac = gross - as_bars - as_casing - as_core - core_void;
  const double fy_as =
      vars.rd_Fy * as_bars + vars.rd_CasingFy * as_casing + vars.rd_CoreFy * as_core;
  const double es_as =
      vars.rd_Es * as_bars + vars.rd_CasingEs * as_casing + vars.rd_CoreEs * as_core;
  vars.rd_AxialCapacityCompression = kConcreteStressBlock * vars.rd_Fc * ac + fy_as;
  vars.rd_AxialCapacityTension = -fy_as;
  vars.rd_CrackingLoad = (es_as + vars.rd_Ec * ac) * vars.rd_EpsCr;
}

// The run's thrust list in section force units, ascending and distinct: the derived list of
// the input, or, when the thrusts were given for the section computations alone, the thrusts
// of the load cases they were read into.
void Set_Thrust_List(const ProblemData& problem, SectionEngineState& engine) {
  if (!problem.Options.ComputeInteraction) {
    engine.NumThrusts = std::clamp(problem.NumUniqueThrusts, 0, kMaxThrusts);
    for (int t = 1; t <= engine.NumThrusts; ++t) engine.Thrust[t] = problem.UniqueThrusts[t - 1];
    return;
  }
  const double factor = problem.IUNITS == kUnitsUSCustomary ? kPoundsPerKip : 1.0;
  const int n = std::clamp(problem.NumLoadCases, 0, std::min(kMaxLoadCases, kMaxThrusts));
  std::array<double, kMaxThrusts> values{};
  for (int i = 0; i < n; ++i) values[i] = problem.LoadCases[i].AxialThrust / factor;
  std::sort(values.begin(), values.begin() + n);
  int count = 0;
  for (int i = 0; i < n; ++i) {
    if (count == 0 || values[i] != engine.Thrust[count]) engine.Thrust[++count] = values[i];
  }
  engine.NumThrusts = count;
}

void Write_Heading(RunContext& run) {
  const AnalysisOptions& options = run.Problem.Options;
  TextChannel& out = run.Report;
  out.Empty_Lines(2);
  out.Rule('-');
  out.Write_Line("    Computations of Nominal Moment Capacity and Nonlinear Bending Stiffness");
  out.Rule('-');
  out.Empty_Lines(1);
  if (options.ComputeInteraction) {
    out.Write_Line("Axial thrust force values were determined from input values");
  } else if (options.UseLRFD) {
    out.Write_Line("Axial thrust force values were determined from LRFD load combinations");
  } else {
    out.Write_Line("Axial thrust force values were determined from pile-head loading conditions");
  }
  out.Empty_Lines(1);
  out.Line().A("Number of Pile Sections Analyzed = ").I(run.Problem.NumSections, 0);
  out.End_Line();
  out.Empty_Lines(1);
}
}  // namespace

SectionUnitLabels Section_Unit_Labels(int iunits) {
  if (iunits == kUnitsUSCustomary) {
    return {" in     ", " ksi    ", " kips   ", " rad/in ",
            " in-kip ", " sq. in.", " in^4   ", " lb-in^2"};
  }
  if (iunits == kUnitsSI) {
    return {" m      ", " kPa    ", " kN     ", " rad/m  ",
            " kN-m   ", " sq. m  ", " m^4    ", " kN-m^2 "};
  }
  return {};
}

void Load_Section(const PileSection& section, int iunits, EI_Vars& vars) {
  vars = EI_Vars{};
  vars.SectionType = section.SectionType;
  vars.IUNITS = iunits;
  vars.i_SectionShape = Shape_Of_Section(section);
  // Stresses and moduli in ksi (US customary input is in psi) or kPa.
  const bool us = iunits == kUnitsUSCustomary;
  const double stress = us ? 1.0 / kPsiPerKsi : 1.0;
  vars.rd_StressScale = us ? 1.0 : kKpaPerKsi;
  vars.rd_SectionDepthInput = section.Width;
  vars.rd_WidthInput = section.Width;
  if (section.SectionType == kRectangularConcrete) {
    vars.rd_SectionDepthInput = section.SectionDepth;
    vars.rd_WidthInput = section.SectionWidth;
  }
  vars.rd_Fc = section.Concrete.ConcreteStrength * stress;
  vars.i_ConcreteModel = section.SectionType == kSteelPipe ? kNoConcrete : kConcreteCurve;

  const ReinforcementData& rebar = section.Rebar;
  const bool prestressed = Is_Prestressed_Section(section.SectionType);
  vars.NumBars = std::clamp(prestressed ? rebar.NumStrands : rebar.NumBars, 0, kMaxBars);
  if (section.SectionType == kSteelPipe) vars.NumBars = 0;
  for (int k = 0; k < vars.NumBars; ++k) {
    vars.BarX[k] = rebar.BarX[k];
    vars.BarY[k] = rebar.BarY[k];
    vars.BarDiameter[k] = rebar.BarDiameter[k];
    vars.BarArea[k] = rebar.BarArea[k];
    vars.rd_TotalBarArea += rebar.BarArea[k];
  }
  if (prestressed) {
    vars.i_SteelModel = kStrandPCI250 + std::clamp(rebar.StrandType, 0, 5);
    vars.i_StrandSizeCode = rebar.StrandSize[0] + 1;
    // The strand modulus is held in ksi (US customary) or kPa already; fpu in psi.
    vars.rd_Es = rebar.SteelModulus;
    vars.rd_Fy = rebar.StrandUltimateStrength / kPsiPerKsi * (us ? 1.0 : kKpaPerKsi);
    vars.rd_PrestressForce = rebar.PrestressForce;
    vars.rd_PrestressLoss = rebar.PrestressLoss;
  } else {
    vars.i_SteelModel = section.SectionType == kSteelPipe ? kSteelPipeModel : kRebarModel;
    vars.rd_Es = rebar.SteelModulus * stress;
    vars.rd_Fy = rebar.RebarYieldStress * stress;
  }

  if (section.SectionType == kCasedShaft || section.SectionType == kCasedShaftWithCore ||
      section.SectionType == kSteelPipe) {
    vars.CasingWall = section.CasingWallThickness;
    vars.rd_CasingFy = section.CasingYieldStress * stress;
    vars.rd_CasingEs = section.CasingModulus * stress;
  }
  if (section.SectionType == kSteelPipe) {
    vars.rd_PipeArea = Ring_Area(section.Width, section.CasingWallThickness);
    vars.rd_PipeRadius = section.Width / 2.0;
  }
  if (section.SectionType == kCasedShaftWithCore) {
    vars.NumCores = 1;
    vars.CoreDiameter = section.CoreDiameter;
    vars.CoreWall = section.CoreWallThickness;
    vars.CoreCenterY = 0.0;
    vars.rd_CoreFy = section.CoreYieldStress * stress;
    vars.rd_CoreEs = section.CoreModulus * stress;
    vars.b_FillCoreWithConcrete = section.b_FillCoreWithConcrete;
    vars.i_CoreFillModel = section.b_FillCoreWithConcrete ? kCoreConcreteCurve : kNoCoreConcrete;
  }
  if (section.SectionType == kCircularHollowPrestressed ||
      section.SectionType == kSquareHollowPrestressed ||
      section.SectionType == kOctagonalHollowPrestressed) {
    Set_Void_Core(vars, section.VoidDiameter);
  }
  if (vars.i_SectionShape == kShapePolygonPile ||
      vars.i_SectionShape == kShapePolygonPileWithCore) {
    const bool octagon = section.SectionType == kOctagonalSolidPrestressed ||
                         section.SectionType == kOctagonalHollowPrestressed;
    Set_Outline(vars, section.Width, section.CornerChamfer, octagon);
  }
}

void Analyse_Section(RunContext& run, SectionEngineState& engine, int j) {
  const ProblemData& problem = run.Problem;
  const PileSection& section = problem.Sections[j - 1];
  engine.Labels = Section_Unit_Labels(problem.IUNITS);
  const int type = section.SectionType;
  switch (type) {
    case kElastic:
      Build_Elastic_Table(run, engine, j);
      return;
    case kElasticPlastic:
      Build_Elastic_Plastic_Table(run, engine, j);
      return;
    case kUserEI:
      Build_User_EI_Table(run, j);
      return;
    default:
      break;
  }
  EI_Vars& vars = engine.Vars;
  Load_Section(section, problem.IUNITS, vars);
  // The slices and concrete constants give the report its areas and the capacities their
  // moduli; the moment-curvature computation prepares the section again from the start.
  Prepare_Section_Slices(vars);
  if (!Is_Prestressed_Section(type)) Set_Reinforced_Capacities(vars, section);
  Write_Section_Dimensions(run, engine, section);
  Compute_Moment_Curvature(run, engine, j, section);
}

void Compute_Section_Stiffness(RunContext& run) {
  const ProblemData& problem = run.Problem;
  const bool stiffness_only = problem.Options.ICOM == kComputeEIOnly;
  SectionEngineState engine;
  Set_Thrust_List(problem, engine);
  // The curves of one section at every thrust, for the sections the engine analyses.
  const int num_sections = std::clamp(problem.NumSections, 0, kMaxSections);
  for (int j = 0; j < num_sections; ++j) {
    const int type = problem.Sections[j].SectionType;
    if (type != kElastic && type != kElasticPlastic && type != kUserEI) {
      engine.Curves.resize(kMaxThrusts + 1);
      break;
    }
  }
  SectionEITables& tables = run.EITables;
  Allocate_Section_EI_Tables(tables, num_sections);
  for (int j = 1; j <= problem.NumSections && j <= kMaxSections; ++j) {
    // A full analysis announces the section computations once.
    if (stiffness_only || j == 1) {
      run.Messages.Line().A("Computing nonlinear bending stiffness of section ").I(j, 0);
      run.Messages.End_Line();
    }
    if (j == 1) Write_Heading(run);
    run.Report.Line().A("Pile Section No. ").I(j, 0).A(":");
    run.Report.End_Line();
    run.Report.Empty_Lines(1);
    Analyse_Section(run, engine, j);
    if (run.Status.Has_Error()) return;
    run.Messages.Line().A("Completed computing nonlinear bending stiffness of section ").I(j, 0);
    run.Messages.End_Line();
    run.Messages.Empty_Lines(1);
  }
  // The thrust list the tables were computed for (a stiffness-only run may have shortened it).
  tables.NumThrusts = engine.NumThrusts;
  tables.Thrust = engine.Thrust;
}

}  // namespace tavik
