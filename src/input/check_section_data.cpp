#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "input/input_checks.h"

namespace tavik {

namespace {
constexpr int kGeneralUnitsSectionError = 52;  // INP00052
constexpr int kSectionDataError = 54;          // INP00054

bool Needs_Moment_Curvature(int type) {
  return (type >= kRectangularConcrete && type <= kOctagonalHollowPrestressed) ||
         type == kMicropile;
}

bool Has_Concrete(int type) {
  return Needs_Moment_Curvature(type) && type != kSteelPipe;
}

bool Has_Casing(int type) {
  return type == kCasedShaft || type == kCasedShaftWithCore || type == kSteelPipe;
}

bool Has_Void(int type) {
  return type == kCircularHollowPrestressed || type == kSquareHollowPrestressed ||
         type == kOctagonalHollowPrestressed;
}

void Report_Section_Error(RunContext& run, int number, int j, std::string_view problem,
                          std::string_view solution) {
  for (TextChannel* channel : {&run.Report, &run.Messages}) {
    channel->Empty_Lines(1);
    channel->Line().A("**** Input Data Error No. ").I(number, 0).A(" ****");
    channel->End_Line();
    channel->Empty_Lines(1);
    channel->Line().A("Problem: Pile section ").I(j, 0).A(": ").A(problem);
    channel->End_Line();
    channel->Line().A("Solution: ").A(solution);
    channel->End_Line();
    channel->Empty_Lines(1);
  }
  Terminate_With_Error(run, Input_Error_Code(number), 100 + number);
}

// The first fault of the bar or strand layout of a section: a bar without area or diameter,
// or one reaching outside the section (the slicing would drop such a bar whole, not just its
// part outside the concrete).
std::string Bar_Layout_Fault(const PileSection& section, int count, bool round, double depth,
                             double width) {
  const ReinforcementData& bars = section.Rebar;
  for (int k = 0; k < count; ++k) {
    const double d = bars.BarDiameter[k];
    const std::string which = "bar or strand " + std::to_string(k + 1);
    if (!(bars.BarArea[k] > 0.0) || !(d > 0.0)) return which + " has no area or no diameter";
    // A small allowance for positions printed to a few decimals.
    const double slack = 1e-6 * depth;
    const double x = bars.BarX[k];
    const double y = bars.BarY[k];
    const bool outside = round ? std::hypot(x, y) + d / 2.0 > depth / 2.0 + slack
                               : std::fabs(y) + d / 2.0 > depth / 2.0 + slack ||
                                     std::fabs(x) + d / 2.0 > width / 2.0 + slack;
    if (outside) return which + " lies partly outside the section";
  }
  return {};
}

// The first dimension or material value of section j that the section analysis cannot
// work with, as a sentence; empty when there is none.
std::string Section_Fault(const PileSection& section) {
  const int type = section.SectionType;
  if (type == kMicropile) return "a micropile section has no section data to analyse";
  const bool rectangular = type == kRectangularConcrete;
  const double depth = rectangular ? section.SectionDepth : section.Width;
  const double width = rectangular ? section.SectionWidth : section.Width;
  if (!(depth > 0.0) || !(width > 0.0)) return "the section dimensions must be greater than 0";
  if (Has_Concrete(type) && !(section.Concrete.ConcreteStrength > 0.0)) {
    return "the compressive strength of the concrete must be greater than 0";
  }
  if (Has_Casing(type)) {
    // A cased shaft with a wall of 0 has no casing (a plain shaft); a pipe needs its wall.
    const double t = section.CasingWallThickness;
    const bool pipe = type == kSteelPipe;
    if (!(pipe ? t > 0.0 : t >= 0.0) || !(2.0 * t <= depth)) {
      return pipe ? "the wall thickness of the pipe must be greater than 0 and at most half its "
                    "diameter"
                  : "the wall thickness of the casing must be 0 or more and at most half its "
                    "diameter";
    }
    if (t > 0.0 && (!(section.CasingYieldStress > 0.0) || !(section.CasingModulus > 0.0))) {
      return "the yield stress and the modulus of the casing or pipe must be greater than 0";
    }
  }
  if (type == kCasedShaftWithCore) {
    const double cd = section.CoreDiameter;
    const double tc = section.CoreWallThickness;
    if (!(cd > 0.0) || !(cd <= depth - 2.0 * section.CasingWallThickness)) {
      return "the core diameter must be greater than 0 and fit inside the casing";
    }
    if (!(tc >= 0.0) || !(2.0 * tc <= cd)) {
      return "the core wall thickness must be 0 or more and at most half the core diameter";
    }
    if (tc > 0.0 && (!(section.CoreYieldStress > 0.0) || !(section.CoreModulus > 0.0))) {
      return "the yield stress and the modulus of the steel core must be greater than 0";
    }
  }
  if (Has_Void(type) && (!(section.VoidDiameter > 0.0) || !(section.VoidDiameter < width))) {
    return "the void diameter must be greater than 0 and smaller than the pile width";
  }
  if ((type == kSquareSolidPrestressed || type == kSquareHollowPrestressed) &&
      (!(section.CornerChamfer >= 0.0) || !(2.0 * section.CornerChamfer < width))) {
    return "the corner chamfer must be 0 or more and less than half the pile width";
  }
  const ReinforcementData& bars = section.Rebar;
  const bool round = type == kDrilledShaft || type == kCasedShaft || type == kCasedShaftWithCore ||
                     type == kCircularSolidPrestressed || type == kCircularHollowPrestressed;
  if (Is_Prestressed_Section(type)) {
    if (bars.NumStrands > 0 &&
        (!(bars.StrandUltimateStrength > 0.0) || !(bars.SteelModulus > 0.0))) {
      return "the strand type is not one of the strand table (0 to 5)";
    }
    if (!(bars.PrestressForce >= 0.0) || !(bars.PrestressLoss >= 0.0) ||
        !(bars.PrestressLoss <= 1.0)) {
      return "the prestressing force must be 0 or more and the fraction of loss 0 to 1";
    }
    return Bar_Layout_Fault(section, bars.NumStrands, round, depth, width);
  }
  if (type <= kCasedShaftWithCore && bars.NumBars > 0) {
    if (!(bars.RebarYieldStress > 0.0) || !(bars.SteelModulus > 0.0)) {
      return "the yield stress and the modulus of the reinforcing bars must be greater than 0";
    }
    return Bar_Layout_Fault(section, bars.NumBars, round, depth, width);
  }
  return {};
}

// Elastic-plastic and user-EI sections: the stiffness and plastic moment the tables divide
// by, and user curves that the thrust interpolation can use.
std::string Stiffness_Table_Fault(const PileSection& section) {
  if (section.SectionType == kElasticPlastic) {
    if (!(section.ElasticModulus * section.TopInertia > 0.0) || !(section.TopPlasticMoment > 0.0) ||
        !(section.BottomPlasticMoment > 0.0)) {
      return "the bending stiffness and the plastic moments must be greater than 0";
    }
  }
  if (section.SectionType == kUserEI) {
    const std::vector<UserEICurve>& curves = section.UserEI.Curves;
    if (curves.empty()) return "the section has no curve of bending stiffness against moment";
    for (std::size_t t = 0; t < curves.size(); ++t) {
      const UserEICurve& curve = curves[t];
      if (curve.UserMoment.empty() || curve.UserMoment.size() != curve.UserStiffness.size()) {
        return "every curve of bending stiffness needs at least one point";
      }
      for (double ei : curve.UserStiffness) {
        if (!(ei > 0.0)) return "every bending stiffness of the user curves must be greater than 0";
      }
      if (curve.UserMoment[0] != 0.0 && curve.UserMoment.size() >= kMaxUserEIPoints) {
        return "a curve of 150 points must start at a moment of 0";
      }
      if (t > 0 && !(curve.UserThrust > curves[t - 1].UserThrust)) {
        return "the curves must be given in ascending order of axial thrust";
      }
    }
  }
  return {};
}
}  // namespace

void Check_Section_Data(RunContext& run) {
  const ProblemData& problem = run.Problem;
  for (int j = 1; j <= problem.NumSections && j <= kMaxSections; ++j) {
    const PileSection& section = problem.Sections[j - 1];
    const int type = section.SectionType;
    if (problem.IUNITS == kUnitsGeneral && Needs_Moment_Curvature(type)) {
      Report_Section_Error(
          run, kGeneralUnitsSectionError, j,
          "the moment-curvature analysis of section type " + std::to_string(type) +
              " needs US customary or SI units: its material curves are given in those units, "
              "and general units fix none.",
          "Enter the section in US customary or SI units, or describe it in general units as "
          "an elastic, elastic-plastic or user-defined EI section (types 11 to 13).");
      return;
    }
    const std::string fault =
        Needs_Moment_Curvature(type) ? Section_Fault(section) : Stiffness_Table_Fault(section);
    if (!fault.empty()) {
      Report_Section_Error(run, kSectionDataError, j, fault + ".",
                           "Correct the section data in the input file.");
      return;
    }
  }
}

}  // namespace tavik
