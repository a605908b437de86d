#include <algorithm>

#include "echo/echo_blocks.h"

namespace tavik {

namespace {
// Every section value is a field of 15 at column 58 (after the "= " at column 56):
// lengths and dimensions with 3 decimals, areas and inertias with 6, moduli with none.
constexpr int kValueWidth = 15;
constexpr int kLengthDecimals = 3;
constexpr int kAreaDecimals = 6;
constexpr int kModulusDecimals = 0;

// User EI table: I7, 7X, F20.3, F25.3, F21.10; the unit labels of the second head line
// start under the words of the first ("Bending Moment" at column 18, "Bending Stiffness"
// at 41, "Bending Curvature" at 67).
constexpr int kUserPointWidth = 7;
constexpr int kUserGap = 7;
constexpr int kUserMomentWidth = 20;
constexpr int kUserStiffnessWidth = 25;
constexpr int kUserCurvatureWidth = 21;
constexpr int kUserCurvatureDecimals = 10;
constexpr int kUserMomentUnitColumn = 20;
constexpr int kUserStiffnessUnitColumn = 43;
constexpr int kUserCurvatureUnitColumn = 68;

struct SectionWriter {
  RunContext& run;
  TextChannel& report;

  // A dimension of the section (section-dimension unit: inches, or metres in SI after the
  // reader's conversion from millimetres).
  void Dimension(std::string_view label, double value) {
    Unit(Labelled(report, label).F(value, kValueWidth, kLengthDecimals), run.Units.c_UnitLength2);
    report.End_Line();
  }
  // The section length along the pile (feet or metres).
  void Length(double value) {
    Unit(Labelled(report, "   Section Length").F(value, kValueWidth, kLengthDecimals),
         run.Units.c_UnitDepth);
    report.End_Line();
  }
  void Area(std::string_view label, double value) {
    Unit(Labelled(report, label).F(value, kValueWidth, kAreaDecimals), Area_Label(run.Units));
    report.End_Line();
  }
  void Inertia(std::string_view label, double value) {
    Unit(Labelled(report, label).F(value, kValueWidth, kAreaDecimals), Inertia_Label(run.Units));
    report.End_Line();
  }
  void Modulus(double value) {
    Unit(Labelled(report, "   Elastic Modulus").F(value, kValueWidth, kModulusDecimals),
         Stress_Label(run.Units));
    report.End_Line();
  }
  void Moment(std::string_view label, double value) {
    Unit(Labelled(report, label).F(value, kValueWidth, kLengthDecimals), run.Units.c_UnitMoment);
    report.End_Line();
  }
  // "   Section Type" and, at column 56, the type text (which brings its own "= ").
  void Type(std::string_view name) {
    report.Line().A("   Section Type").T(kEqualsColumn).A(name);
    report.End_Line();
  }
};

std::string_view Elastic_Shape_Name(int shape) {
  switch (shape) {
    case kShapeRectangular:
      return "=     Rectangular";
    case kShapeCircular:
      return "=        Circular";
    case kShapePipe:
      return "=   Circular Pipe";
    case kShapeStrongH:
      return "=   Strong H-Pile";
    case kShapeWeakH:
      return "=     Weak H-Pile";
    case kShapePole:
      return "= Embedded Circular Pole";
    default:
      return "=";
  }
}

// Types 11 and 12: the shape, the length, the shape's values in reading order, the modulus
// and, for type 12, the two plastic moments.
void Echo_Elastic_Section(SectionWriter& out, const PileSection& section) {
  TextChannel& report = out.report;
  out.Type(section.SectionType == kElastic ? "=    Elastic Pile"
                                           : "= Elastic with Specified Moment Capacity ");
  report.Line()
      .A("   Cross-sectional Shape")
      .T(kEqualsColumn)
      .A(Elastic_Shape_Name(section.ElasticShape));
  report.End_Line();
  out.Length(section.SectionLength);
  switch (section.ElasticShape) {
    case kShapeRectangular:
      out.Dimension("   Top Width", section.TopWidth);
      out.Dimension("   Bot Width", section.BottomWidth);
      out.Dimension("   Top Depth", section.TopDepthOrWall);
      out.Dimension("   Bot Depth", section.BottomDepthOrWall);
      break;
    case kShapeCircular:
    case kShapePole:
      out.Dimension("   Top Diameter", section.TopWidth);
      out.Dimension("   Bot Diameter", section.BottomWidth);
      break;
    case kShapePipe:
      out.Dimension("   Top Diameter", section.TopWidth);
      out.Dimension("   Bot Diameter", section.BottomWidth);
      out.Dimension("   Top Wall Thickness", section.TopDepthOrWall);
      out.Dimension("   Bot Wall Thickness", section.BottomDepthOrWall);
      break;
    case kShapeStrongH:
    case kShapeWeakH:
      out.Dimension("   Flange Width", section.TopWidth);
      out.Dimension("   Section Depth", section.TopDepthOrWall);
      out.Dimension("   Flange Thickness", section.FlangeThickness);
      out.Dimension("   Web Thickness", section.WebThickness);
      out.Area("   Cross-sectional Area", section.TopArea);
      out.Inertia("   Moment of Inertia", section.TopInertia);
      break;
    default:
      break;
  }
  if (section.ElasticShape == kShapeRectangular || section.ElasticShape == kShapeCircular ||
      section.ElasticShape == kShapePipe || section.ElasticShape == kShapePole) {
    out.Area("   Top Area", section.TopArea);
    out.Area("   Bot Area", section.BottomArea);
    out.Inertia("   Top Moment of Inertia", section.TopInertia);
    out.Inertia("   Bot Moment of Inertia", section.BottomInertia);
  }
  if (section.ElasticShape == kShapePole) {
    out.Dimension("   Drilled Hole Diameter", section.Width);
  }
  out.Modulus(section.ElasticModulus);
  if (section.SectionType == kElasticPlastic) {
    out.Moment("   Top Plastic Moment Capacity", section.TopPlasticMoment);
    out.Moment("   Bot Plastic Moment Capacity", section.BottomPlasticMoment);
  }
}

// Type 13: the width, then per axial thrust its table of moment, bending stiffness and
// curvature (moment divided by stiffness; 0 where the stiffness is 0).
void Echo_User_EI_Section(SectionWriter& out, const PileSection& section) {
  TextChannel& report = out.report;
  const UnitLabels& units = out.run.Units;
  out.Type("= Pile with User-defined Nonlinear EI");
  out.Length(section.SectionLength);
  out.Dimension("   Section Width", section.Width);
  const int thrusts =
      Within_Capacity(static_cast<int>(section.UserEI.Curves.size()), kMaxUserEIThrusts);
  Labelled(report, "   Number of Axial Thrusts").I(thrusts, kValueWidth);
  report.End_Line();
  report.Empty_Lines(1);
  for (int t = 0; t < thrusts; ++t) {
    const UserEICurve& curve = section.UserEI.Curves[t];
    Unit(Labelled(report, "   Axial Thrust").F(curve.UserThrust, kValueWidth, kLengthDecimals),
         units.c_UnitForce);
    report.End_Line();
    report.Empty_Lines(1);
    const int points = Within_Capacity(
        static_cast<int>(std::min(curve.UserMoment.size(), curve.UserStiffness.size())),
        kMaxUserEIPoints);
    Labelled(report, "   Number of M-EI Points").I(points, kValueWidth);
    report.End_Line();
    report.Empty_Lines(1);
    report.Write_Line(
        "   Point         Bending Moment         Bending Stiffness         Bending Curvature");
    report.Line()
        .A("    No.            ")
        .T(kUserMomentUnitColumn)
        .A(Trimmed(units.c_UnitMoment))
        .T(kUserStiffnessUnitColumn)
        .A(Stiffness_Label(units))
        .T(kUserCurvatureUnitColumn)
        .A(Curvature_Label(units));
    report.End_Line();
    report.Write_Line(
        "   -----      --------------------     --------------------     --------------------");
    for (int k = 0; k < points; ++k) {
      const double moment = curve.UserMoment[k];
      const double stiffness = curve.UserStiffness[k];
      const double curvature = stiffness != 0.0 ? moment / stiffness : 0.0;
      report.Line()
          .I(k + 1, kUserPointWidth)
          .X(kUserGap)
          .F(moment, kUserMomentWidth, kLengthDecimals)
          .F(stiffness, kUserStiffnessWidth, kLengthDecimals)
          .F(curvature, kUserCurvatureWidth, kUserCurvatureDecimals);
      report.End_Line();
    }
    report.Empty_Lines(1);
  }
}
}  // namespace

// Echo_Section: reads section `section` (1-based) of run.Problem and writes its lines: the
// section type, the section length (feet or metres) and the dimensions of its type (the
// section-dimension unit), as the table of section types lays them out.
void Echo_Section(RunContext& run, int section_number) {
  if (section_number < 1 || section_number > kMaxSections) return;
  const PileSection& section = run.Problem.Sections[section_number - 1];
  TextChannel& report = run.Report;
  SectionWriter out{run, report};
  switch (section.SectionType) {
    case kRectangularConcrete:
      out.Type("= Rectangular Concrete Pile");
      out.Length(section.SectionLength);
      break;
    case kDrilledShaft:
      out.Type("= Drilled Shaft (Bored Pile)");
      out.Length(section.SectionLength);
      out.Dimension("   Section Diameter", section.Width);
      break;
    case kCasedShaft:
      report.Write_Line("   Section Type = Drilled Shaft with Permanent Casing  ");
      out.Length(section.SectionLength);
      out.Dimension("   Pile Width", section.Width);
      break;
    case kCasedShaftWithCore:
      report.Write_Line(section.b_FillCoreWithConcrete
                            ? "   Section Type = Drilled Shaft with Casing and Concrete-filled "
                              "Core   "
                            : "   Section Type = Drilled Shaft with Casing and Void Core   ");
      out.Length(section.SectionLength);
      out.Dimension("   Section Diameter", section.Width);
      break;
    case kSteelPipe:
      report.Write_Line("   Section Type = Steel Pipe Pile            ");
      out.Length(section.SectionLength);
      out.Dimension("   Pile Diameter", section.Width);
      break;
    case kCircularSolidPrestressed:
    case kOctagonalSolidPrestressed:
      report.Write_Line(section.SectionType == kCircularSolidPrestressed
                            ? "   Section Type = Circular Solid Prestressed Pile    "
                            : "   Section Type = Octagonal Solid Prestressed Pile    ");
      out.Length(section.SectionLength);
      out.Dimension("   Pile Width", section.Width);
      break;
    case kCircularHollowPrestressed:
      report.Write_Line("   Section Type = Circular Hollow Prestressed Pile    ");
      out.Length(section.SectionLength);
      out.Dimension("   Void Diameter", section.VoidDiameter);
      out.Dimension("   Pile Width", section.Width);
      break;
    case kOctagonalHollowPrestressed:
      report.Write_Line("   Section Type = Octagonal Hollow Prestressed Pile   ");
      out.Length(section.SectionLength);
      out.Dimension("   Pile Width", section.Width);
      out.Dimension("   Void Diameter", section.VoidDiameter);
      break;
    case kSquareSolidPrestressed:
      report.Write_Line("   Section Type = Square Solid Prestressed Pile     ");
      out.Length(section.SectionLength);
      out.Dimension("   Pile Width", section.Width);
      out.Dimension("   Corner Chamfer", section.CornerChamfer);
      report.Empty_Lines(1);
      break;
    case kSquareHollowPrestressed:
      report.Write_Line("   Section Type = Square Hollow Prestressed Pile     ");
      out.Length(section.SectionLength);
      out.Dimension("   Pile Width", section.Width);
      out.Dimension("   Void Diameter", section.VoidDiameter);
      out.Dimension("   Corner Chamfer", section.CornerChamfer);
      report.Empty_Lines(1);
      break;
    case kElastic:
    case kElasticPlastic:
      Echo_Elastic_Section(out, section);
      break;
    case kUserEI:
      Echo_User_EI_Section(out, section);
      break;
    case kMicropile:
      out.Type("= Micropile");
      out.Length(section.SectionLength);
      out.Dimension("   Pile Width", section.Width);
      break;
    default:
      break;
  }
}

}  // namespace tavik
