// fn_c: the soil strength (cohesion, or the compressive strength of rock) at a depth, with
// the interface rules between layers of different soil classes, and its diagnostics.
#include <cmath>

#include "profile/soil_lookup.h"
#include "pycurves/soil_code_names.h"

namespace tavik {

namespace {

constexpr double kDepthTolerance = 1.0e-6;
constexpr int kBelowStrengthDataError = 5;    // INP00005
constexpr int kZeroLayerThicknessError = 60;  // INP00060
constexpr std::string_view kInterfaceErrorCode = "RUN00999";
constexpr std::string_view kSoilClassErrorCode = "RUN00024";  // runtime error 30
constexpr int kSoilClassErrorNumber = 230;

// Soil classes that decide the strength at an interface.
enum SoilClass : int {
  kClassNone = 0,
  kClassCohesive = 1,
  kClassCohesionless = 2,
  kClassRock = 3,
  kClassUserInput = 4,
  kClassElasticSubgrade = 5,
};

// Class of the layer with code `code`; cemented silt is cohesive when its cohesion at the
// interface point is positive.
int Soil_Class(std::string_view code, double cohesion_at_interface) {
  if (code == kCodeSoftClay || code == kCodeStiffClayFreeWater || code == kCodeStiffClayNoWater ||
      code == kCodeStiffClayNoWaterK || code == kCodeSoftClayJ) {
    return kClassCohesive;
  }
  if (code == kCodeSand || code == kCodeApiSand || code == kCodeLiquefiedSand ||
      code == kCodeLoess) {
    return kClassCohesionless;
  }
  // Massive rock, whose strength is a uniaxial compressive strength like the other rocks',
  // meets its neighbours as rock.
  if (code == kCodeWeakRock || code == kCodeVuggyLimestone || code == kCodeMassiveRock) {
    return kClassRock;
  }
  if (code == kCodeUserCurves) return kClassUserInput;
  if (code == kCodeCementedSilt) {
    return cohesion_at_interface > 0.0 ? kClassCohesive : kClassCohesionless;
  }
  if (code == kCodeElasticSubgrade) return kClassElasticSubgrade;
  return kClassNone;
}

void Write_Below_Strength_Data(RunContext& run, double x, double deepest) {
  for (TextChannel* out : {&run.Report, &run.Messages}) {
    out->Write_Line("**** Input Data Error No. 5 ****");
    out->Empty_Lines(1);
    out->Write_Line("An error was detected that is related to an incompatibility");
    out->Write_Line("between the input data defining pile embedment depth and soil ");
    out->Write_Line("shear strength values versus depth.");
    out->Empty_Lines(1);
    out->Line().A("Problem:  The value for a pile station depth is ").ES(x, 12, 4);
    out->End_Line();
    out->Write_Line("This depth is below the deepest extent of the input curve for");
    out->Line().A("soil shear strength versus depth at ").F(deepest, 10, 3);
    out->End_Line();
    out->Empty_Lines(1);
    out->Write_Line("Solution:  Please revise the input data by either extending ");
    out->Write_Line("the maximum depth for soil shear strength or shorten the ");
    out->Write_Line("pile to be wholly within the defined soil layers.");
    out->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(kBelowStrengthDataError),
                       100 + kBelowStrengthDataError);
}

void Write_Zero_Layer_Thickness(RunContext& run, double x) {
  for (TextChannel* out : {&run.Report, &run.Messages}) {
    out->Write_Line("**** Input Data Error No. 60 ****");
    out->Empty_Lines(1);
    out->Write_Line("An error was found in the strength of soil input data when interpolating ");
    out->Write_Line("to obtain values of cohesion or uniaxial compressive strength.");
    out->Empty_Lines(1);
    out->Write_Line("Problem:  The depth increment between the upper and lower soil depths in a ");
    out->Line().A("layer is zero.  The depth of computation is ").F(x, 10, 3);
    out->End_Line();
    out->Empty_Lines(1);
    out->Write_Line("Solution:  Examine the program output file to find the depth in question");
    out->Write_Line("and correct the soil layer depth values. ");
    out->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(kZeroLayerThicknessError),
                       100 + kZeroLayerThicknessError);
}

// Free-format (list-directed) diagnostic lines: a leading blank, the label, the value.
void Free_Real(TextChannel& out, std::string_view label, double value) {
  out.Line().A(" ").A(label).ES(value, 24, 15);
  out.End_Line();
}
void Free_Integer(TextChannel& out, std::string_view label, int value) {
  out.Line().A(" ").A(label).I(value, 12);
  out.End_Line();
}
void Free_Logical(TextChannel& out, std::string_view label, bool value) {
  out.Line().A(" ").A(label).A(value ? " T" : " F");
  out.End_Line();
}

struct InterfaceState {
  double x = 0.0;
  bool b_AtInterface = false;
  bool b_AtTip = false;
  int jbot = 0;
};

void Write_Interface_Not_Located(RunContext& run, const InterfaceState& s, int ktop, int kbot) {
  TextChannel& out = run.Report;
  const ProblemData& problem = run.Problem;
  out.Empty_Lines(2);
  out.Write_Line(" Internal error in function C (undrained shear strength)");
  out.Write_Line(" The layer interface cannot be located");
  out.Write_Line(
      " Please send the input file to technical support so that the fault can be corrected.");
  out.Empty_Lines(1);
  Free_Real(out, "Elevation             = ", s.x);
  Free_Logical(out, "b_AtInterface         = ", s.b_AtInterface);
  Free_Logical(out, "b_InMiddle            = ", !s.b_AtInterface);
  Free_Logical(out, "b_AtTip               = ", s.b_AtTip);
  Free_Logical(out, "b_AtNode              = ", s.b_AtInterface);
  Free_Integer(out, "Layer index above     = ", ktop);
  Free_Integer(out, "Layer index below     = ", kbot);
  const int top_index = std::clamp(ktop, 1, kMaxLayers) - 1;
  const int bottom_index = std::clamp(kbot, 1, kMaxLayers) - 1;
  Free_Real(out, "DABS(X-XLayerBottom(KTOP))    = ",
            std::fabs(s.x - problem.Layers[top_index].XLayerBottom));
  Free_Real(out, "DABS(X-XLayerTop(KBOT))    = ",
            std::fabs(s.x - problem.Layers[bottom_index].XLayerTop));
  Terminate_With_Error(run, kInterfaceErrorCode, kInternalError);
}

void Write_Soil_Class_Error(RunContext& run, const InterfaceState& s, int class_above,
                            int class_below) {
  TextChannel& out = run.Report;
  const ProblemData& problem = run.Problem;
  out.Empty_Lines(2);
  out.Write_Line(" ***** Runtime Error No. 30 *****");
  out.Empty_Lines(1);
  out.Write_Line(" Please report this error and send the input file to technical support.");
  out.Empty_Lines(1);
  Free_Real(out, "X value for f(c) = ", s.x);
  out.Write_Line(" Soil types: 1 = cohesive, 2 = cohesionless, 3 = rock, 4= user input)");
  Free_Integer(out, "Soil type above        = ", class_above);
  Free_Integer(out, "Soil type below        = ", class_below);
  Free_Integer(out, "cohesionless           = ", kClassCohesionless);
  Free_Integer(out, "cohesive               = ", kClassCohesive);
  out.Line()
      .A(" JBOT index             = ")
      .I(s.jbot, 12)
      .A(" = index number of strength value below depth in question");
  out.End_Line();
  out.Line().A(" At tip condition       = ").A(s.b_AtTip ? " T" : " F").A(", T = true, F = false");
  out.End_Line();
  const int upper = std::clamp(s.jbot / 2, 1, kMaxLayers) - 1;
  const int lower = std::clamp(s.jbot / 2 + 1, 1, kMaxLayers) - 1;
  Free_Integer(out, "KSOIL(JBOT/2)          = ", problem.Layers[upper].SoilTypeIndex);
  Free_Integer(out, "KSOIL(JBOT/2+1)        = ", problem.Layers[lower].SoilTypeIndex);
  Terminate_With_Error(run, kSoilClassErrorCode, kSoilClassErrorNumber);
}

}  // namespace

// fn_c(x): reads the layers' cohesion points and codes and PileLength; writes
// run.b_AtInterface. Units: the cohesion as stored (psi, kPa or F/L2; rock qu as entered).
double fn_c(RunContext& run, double x) {
  const ProblemData& problem = run.Problem;
  const int np = Num_Property_Points(problem);

  InterfaceState s;
  s.x = x;
  for (int k = 2; k <= np - 1; ++k) {
    if (std::fabs(x - Point_Depth(problem, k)) <= kDepthTolerance) {
      s.b_AtInterface = true;
      break;
    }
  }
  run.b_AtInterface = s.b_AtInterface;
  s.b_AtTip = (x == problem.PileLength);

  for (int k = 2; k <= np; ++k) {
    if (x <= Point_Depth(problem, k) + kDepthTolerance) {
      s.jbot = k;
      break;
    }
  }
  if (s.jbot == 0) {
    Write_Below_Strength_Data(run, x, np > 0 ? Point_Depth(problem, np) : 0.0);
    return 0.0;
  }
  if (std::fabs(x - Point_Depth(problem, np)) <= kDepthTolerance) {
    return Property_Point(problem, np).Cohesion;
  }

  const int jbot = s.jbot;
  if (!s.b_AtInterface) {
    const double upper_depth = Point_Depth(problem, jbot - 1);
    const double delta = Point_Depth(problem, jbot) - upper_depth;
    if (delta <= 0.0) {
      Write_Zero_Layer_Thickness(run, x);
      return 0.0;
    }
    const double c_upper = Property_Point(problem, jbot - 1).Cohesion;
    const double c_lower = Property_Point(problem, jbot).Cohesion;
    return c_upper + (x - upper_depth) * (c_lower - c_upper) / delta;
  }

  // At an interface: the pair of layers that meet at x.
  int ktop = 0;
  for (int k = 1; k + 1 <= problem.i_Number_of_Layers; ++k) {
    if (std::fabs(x - problem.Layers[k - 1].XLayerBottom) < kDepthTolerance &&
        std::fabs(x - problem.Layers[k].XLayerTop) < kDepthTolerance) {
      ktop = k;
      break;
    }
  }
  if (ktop == 0) {
    Write_Interface_Not_Located(run, s, problem.i_Number_of_Layers, problem.i_Number_of_Layers + 1);
    return 0.0;
  }
  const int kbot = ktop + 1;
  const double ca = Property_Point(problem, jbot).Cohesion;      // bottom of the upper layer
  const double cb = Property_Point(problem, jbot + 1).Cohesion;  // top of the lower layer
  const int above = Soil_Class(Layer_Soil_Code(problem, ktop), ca);
  const int below = Soil_Class(Layer_Soil_Code(problem, kbot), cb);
  if (s.b_AtTip) return ca;

  if (above == kClassCohesive || above == kClassRock) {
    const bool cohesive = (above == kClassCohesive);
    switch (below) {
      case kClassCohesive:
        return cohesive ? (ca + cb) * 0.5 : (2.0 * cb + ca) * 0.5;
      case kClassCohesionless:
      case kClassUserInput:
      case kClassElasticSubgrade:
        return ca;
      case kClassRock:
        return cohesive ? (2.0 * ca + cb) * 0.5 : (ca + cb) * 0.5;
      default:
        break;
    }
  } else if (above != kClassNone) {
    if (below == kClassCohesive || below == kClassRock) return cb;
  }
  Write_Soil_Class_Error(run, s, above, below);
  return 0.0;
}

}  // namespace tavik
