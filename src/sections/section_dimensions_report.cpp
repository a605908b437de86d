// The dimension and property block of a section (types 0 to 10), its axial structural
// capacities (types 0 to 4), and its bar table (types 0 to 3) or strand details (types 5
// to 10).
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <string_view>

#include "echo/echo_blocks.h"
#include "run/unit_labels.h"
#include "sections/section_reports.h"

namespace tavik {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kInchesPerFoot = 12.0;
constexpr double kMetresPerInch = 0.0254;
constexpr double kPoundsPerKip = 1000.0;  // lb-in**2 per kip-in**2
constexpr double kPsiPerKsi = 1000.0;     // the strand fpu is held in psi
constexpr double kPercent = 100.0;
constexpr double kSqrtTwo = 1.4142135623730951;
// Octagon: half-length of a face over the width across flats (the outline of the slicing).
constexpr double kOctagonHalfFace = 0.2071;

// Unit labels the section labels do not provide.
constexpr std::string_view kFeetLabel = " ft";          // section length, US customary
constexpr std::string_view kPercentLabel = " percent";  // area ratios
constexpr std::string_view kPlasticModulusUS = " in^3";
constexpr std::string_view kPlasticModulusSI = " m^3";

// Property lines: the label, "= " at column 56, the value in a field of 15 and the unit
// label. Field rule:
//   counts I15; area ratios F15.2;
//   US customary: every other value F15.3 (the section length in feet);
//   SI: section dimensions F15.4 (0.1 mm), areas F15.8 (0.01 mm2), moments of inertia and
//       plastic moduli ES15.4, stresses, forces and moments F15.3 (section length in m);
//   bending stiffness ES15.4 in both systems (in lb-in**2 it passes 1E11 for large pipes).
constexpr int kValueWidth = 15;
constexpr int kFixedDecimals = 3;
constexpr int kRatioDecimals = 2;
constexpr int kLengthDecimalsSI = 4;
constexpr int kAreaDecimalsSI = 8;
constexpr int kScientificDecimals = 4;

// Strand details: F10.0 for fpu, I10 for the count, F10.3 for the single-strand area (F10.7
// in SI, where square metres need seven decimals to show a strand at all) and for the cover.
constexpr int kStrandWidth = 10;
constexpr int kStrandAreaDecimalsSI = 7;

enum class Quantity {
  kDimension,  // section dimension: in or m
  kArea,
  kInertia,
  kPlasticModulus,
  kStress,
  kForce,
  kMoment,
  kStiffness,
  kRatio,  // percent
};

bool Is_SI(const EI_Vars& vars) {
  return vars.IUNITS == kUnitsSI;
}
bool Is_US_Customary(const EI_Vars& vars) {
  return vars.IUNITS == kUnitsUSCustomary;
}

class PropertyLines {
 public:
  PropertyLines(TextChannel& report, const SectionEngineState& engine)
      : report_(report),
        labels_(engine.Labels),
        si_(Is_SI(engine.Vars)),
        us_(Is_US_Customary(engine.Vars)) {}

  TextChannel& Report() { return report_; }

  // A blank line, the title and a line of "-" as long as the title.
  void Title(std::string_view title) {
    report_.Empty_Lines(1);
    report_.Write_Line(title);
    report_.Write_Line(std::string(title.size(), '-'));
  }

  void Real(std::string_view label, double value, Quantity quantity) {
    FortranLine& line = Labelled(report_, label);
    if (Is_Scientific(quantity)) {
      line.ES(value, kValueWidth, kScientificDecimals);
    } else {
      line.F(value, kValueWidth, Decimals(quantity));
    }
    line.A(Unit_Label(quantity));  // the whole 8-character label, trailing blanks included
    report_.End_Line();
  }

  void Count(std::string_view label, int n) {
    Labelled(report_, label).I(n, kValueWidth);
    report_.End_Line();
  }

  // The section length along the pile (internally inches or metres): feet or metres.
  void Section_Length(double length) {
    FortranLine& line = Labelled(report_, "Length of Section");
    if (us_) {
      line.F(length / kInchesPerFoot, kValueWidth, kFixedDecimals).A(kFeetLabel);
    } else {
      line.F(length, kValueWidth, kFixedDecimals).A(labels_.c_SecLength);
    }
    report_.End_Line();
  }

 private:
  bool Is_Scientific(Quantity quantity) const {
    if (quantity == Quantity::kStiffness) return true;
    return si_ && (quantity == Quantity::kInertia || quantity == Quantity::kPlasticModulus);
  }

  int Decimals(Quantity quantity) const {
    if (quantity == Quantity::kRatio) return kRatioDecimals;
    if (!si_) return kFixedDecimals;
    if (quantity == Quantity::kDimension) return kLengthDecimalsSI;
    if (quantity == Quantity::kArea) return kAreaDecimalsSI;
    return kFixedDecimals;
  }

  std::string_view Unit_Label(Quantity quantity) const {
    switch (quantity) {
      case Quantity::kDimension:
        return labels_.c_SecLength;
      case Quantity::kArea:
        return labels_.c_SecArea;
      case Quantity::kInertia:
        return labels_.c_SecInertia;
      case Quantity::kPlasticModulus:
        return si_ ? kPlasticModulusSI : kPlasticModulusUS;
      case Quantity::kStress:
        return labels_.c_SecStress;
      case Quantity::kForce:
        return labels_.c_SecForce;
      case Quantity::kMoment:
        return labels_.c_SecMoment;
      case Quantity::kStiffness:
        return labels_.c_SecStiffness;
      case Quantity::kRatio:
        return kPercentLabel;
    }
    return {};
  }

  TextChannel& report_;
  const SectionUnitLabels& labels_;
  bool si_;  // SI formats
  bool us_;  // US customary conversions
};

// ---- Section geometry (section units) -----------------------------------------------------

double Circle_Area(double diameter) {
  return kPi * diameter * diameter / 4.0;
}

// Ring of outside diameter d and wall t: A = pi/4 (d^2 - di^2), I = pi/64 (d^4 - di^4) and
// the plastic modulus Z = (d^3 - di^3)/6, with di = d - 2t (all zero for a zero wall).
double Ring_Area(double d, double t) {
  return Circle_Area(d) - Circle_Area(d - 2.0 * t);
}
double Ring_Inertia(double d, double t) {
  const double di = d - 2.0 * t;
  return kPi / 64.0 * (std::pow(d, 4) - std::pow(di, 4));
}
double Ring_Plastic_Modulus(double d, double t) {
  const double di = d - 2.0 * t;
  return (std::pow(d, 3) - std::pow(di, 3)) / 6.0;
}

int Bar_Count(const EI_Vars& vars) {
  return std::clamp(vars.NumBars, 0, kMaxBars);
}

double Total_Bar_Area(const EI_Vars& vars) {
  double area = 0.0;
  for (int k = 0; k < Bar_Count(vars); ++k) area += vars.BarArea[k];
  return area;
}

double Ratio_Percent(double part, double whole) {
  return whole > 0.0 ? kPercent * part / whole : 0.0;
}

// Concrete cover of a bar cage inside the concrete circle of radius `boundary` (the shaft,
// or the inside of the casing): boundary - (distance of a bar's centre from the cage centre
// + half its diameter), the least over the bars. The cage centre is the section centre
// shifted by the rebar offset, so that this is the cover of the cage before its shift (the
// offset has a line of its own). 0 without bars.
double Cage_Cover(const EI_Vars& vars, double offset, double boundary) {
  if (Bar_Count(vars) == 0) return 0.0;
  double outermost = 0.0;
  for (int k = 0; k < Bar_Count(vars); ++k) {
    const double r = std::hypot(vars.BarX[k], vars.BarY[k] - offset);
    outermost = std::max(outermost, r + vars.BarDiameter[k] / 2.0);
  }
  return boundary - outermost;
}

// Edge-to-edge bar spacing (clear distance). Bars on a circle (NumBundles positions of
// BarsPerBundle bars each): the chord between adjacent positions less the width of one
// position across the circle,
//   s = 2 R sin(pi / NumBundles) - w,
// R the radius of the bar centres, w = db for single bars and 2 db for bundles of two or
// three (whose two outer bars sit side by side on the circle). Bars placed one by one: the
// least clear distance between any two bars. 0 with fewer than two positions or bars.
double Bar_Spacing(const EI_Vars& vars, const ReinforcementData& rebar, double db) {
  const int bars = Bar_Count(vars);
  if (rebar.b_RebarInCircle) {
    if (rebar.NumBundles < 2 || bars == 0) return 0.0;
    const double radius = std::hypot(vars.BarX[0], vars.BarY[0] - rebar.RebarOffset);
    const double width = rebar.BarsPerBundle > 1 ? 2.0 * db : db;
    return 2.0 * radius * std::sin(kPi / rebar.NumBundles) - width;
  }
  if (bars < 2) return 0.0;
  double least = std::numeric_limits<double>::max();
  for (int a = 0; a < bars; ++a) {
    for (int b = a + 1; b < bars; ++b) {
      const double centres = std::hypot(vars.BarX[a] - vars.BarX[b], vars.BarY[a] - vars.BarY[b]);
      least = std::min(least, centres - (vars.BarDiameter[a] + vars.BarDiameter[b]) / 2.0);
    }
  }
  return least;
}

// Least concrete cover over the strands: the clear distance from a strand's face to the
// outline, least over the strands. Round piles: D/2 - (r + d/2). Square and octagonal piles
// are bounded by eight faces whose outward normals lie at multiples of 45 degrees: the four
// flats at B/2 from the centre, and the corner faces at (B - c)/sqrt(2) for a square with
// chamfer c (c = 0: the corners themselves) or at (0.2071 B + B/2)/sqrt(2) for the octagon.
double Strand_Cover(const EI_Vars& vars, const PileSection& section) {
  const int strands = Bar_Count(vars);
  if (strands == 0) return 0.0;
  const double b = vars.rd_SectionDepthInput;
  const bool round = section.SectionType == kCircularSolidPrestressed ||
                     section.SectionType == kCircularHollowPrestressed;
  const bool square = section.SectionType == kSquareSolidPrestressed ||
                      section.SectionType == kSquareHollowPrestressed;
  const double corner_face =
      square ? (b - section.CornerChamfer) / kSqrtTwo : (kOctagonHalfFace * b + b / 2.0) / kSqrtTwo;
  double least = std::numeric_limits<double>::max();
  for (int k = 0; k < strands; ++k) {
    const double x = vars.BarX[k];
    const double y = vars.BarY[k];
    double clear = 0.0;
    if (round) {
      clear = b / 2.0 - std::hypot(x, y);
    } else {
      const double flats = b / 2.0 - std::max(std::abs(x), std::abs(y));
      const double corners = corner_face - (std::abs(x) + std::abs(y)) / kSqrtTwo;
      clear = std::min(flats, corners);
    }
    least = std::min(least, clear - vars.BarDiameter[k] / 2.0);
  }
  return least;
}

// ---- Tables of bars and strands -------------------------------------------------------------

// Columns of 15 with their heads centred; the values right-aligned under the unit heads:
// number I10, (bar index I15,) diameter F15, area F16, X F14, Y F15, with 4 decimals in US
// customary units and, in SI, 5 for lengths (0.01 mm) and 8 for areas (0.01 mm2).
constexpr int kNumberWidth = 10;
constexpr int kIndexWidth = 15;
constexpr int kDiameterWidth = 15;
constexpr int kAreaWidth = 16;
constexpr int kXWidth = 14;
constexpr int kYWidth = 15;
constexpr int kTableDecimalsUS = 4;
constexpr int kTableLengthDecimalsSI = 5;
constexpr int kTableAreaDecimalsSI = 8;

constexpr std::string_view kBarHead =
    "     Bar          Bar Diam.      Bar Area          X              Y     ";
constexpr std::string_view kStrandHead =
    "    Strand        Diameter         Area            X              Y     ";
constexpr std::string_view kUnitHeadUS =
    "    Number         inches         sq. in.        inches         inches  ";
constexpr std::string_view kUnitHeadSI =
    "    Number         meters         sq. m.         meters         meters  ";
constexpr std::string_view kTableRule =
    "  ----------     ----------     ----------     ----------     ----------";
// The bar index column of the rectangular section, inserted after the first column.
constexpr std::size_t kFirstColumn = 15;
constexpr std::string_view kIndexHead = "      Bar      ";
constexpr std::string_view kIndexUnitHead = "     Index     ";
constexpr std::string_view kIndexRule = "  ----------   ";

// The title, a blank line, the heads and one row per bar or strand of vars. With
// `indexed_bars` (the input record of bars given one by one) the bar index column is added.
void Write_Bar_Table(TextChannel& report, const EI_Vars& vars, std::string_view title,
                     std::string_view head, const ReinforcementData* indexed_bars) {
  const bool si = Is_SI(vars);
  const std::string_view unit_head = si ? kUnitHeadSI : kUnitHeadUS;
  report.Write_Line(title);
  report.Empty_Lines(1);
  if (indexed_bars == nullptr) {
    report.Write_Line(head);
    report.Write_Line(unit_head);
    report.Write_Line(kTableRule);
  } else {
    const auto with_index = [&](std::string_view line, std::string_view inserted) {
      report.Line().A(line.substr(0, kFirstColumn)).A(inserted).A(line.substr(kFirstColumn));
      report.End_Line();
    };
    with_index(head, kIndexHead);
    with_index(unit_head, kIndexUnitHead);
    with_index(kTableRule, kIndexRule);
  }
  const int length_decimals = si ? kTableLengthDecimalsSI : kTableDecimalsUS;
  const int area_decimals = si ? kTableAreaDecimalsSI : kTableDecimalsUS;
  for (int k = 0; k < Bar_Count(vars); ++k) {
    FortranLine& line = report.Line().I(k + 1, kNumberWidth);
    if (indexed_bars != nullptr) line.I(indexed_bars->BarIndex[k], kIndexWidth);
    line.F(vars.BarDiameter[k], kDiameterWidth, length_decimals)
        .F(vars.BarArea[k], kAreaWidth, area_decimals)
        .F(vars.BarX[k], kXWidth, length_decimals)
        .F(vars.BarY[k], kYWidth, length_decimals);
    report.End_Line();
  }
}

// ---- Blocks ---------------------------------------------------------------------------------

// The engine's axial limits: compression, (cracking,) tension, then two blank lines.
void Write_Axial_Capacities(PropertyLines& lines, const EI_Vars& vars, bool steel_pipe) {
  TextChannel& report = lines.Report();
  lines.Title("Axial Structural Capacities:");
  if (steel_pipe) {
    lines.Real("Nom. Axial Structural Capacity = Fy As", vars.rd_AxialCapacityCompression,
               Quantity::kForce);
  } else {
    lines.Real("Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As",
               vars.rd_AxialCapacityCompression, Quantity::kForce);
    lines.Real("Tensile Load for Cracking of Concrete", vars.rd_CrackingLoad, Quantity::kForce);
  }
  lines.Real("Nominal Axial Tensile Capacity  ", vars.rd_AxialCapacityTension, Quantity::kForce);
  report.Empty_Lines(2);
}

// Drilled shafts with and without casing: the capacities, then the bars the slicing uses.
void Write_Capacities_And_Bar_Table(PropertyLines& lines, const EI_Vars& vars) {
  Write_Axial_Capacities(lines, vars, false);
  Write_Bar_Table(lines.Report(), vars,
                  "Reinforcing Bar Dimensions and Positions Used in Computations:", kBarHead,
                  nullptr);
}

void Write_Rectangular_Pile(PropertyLines& lines, const EI_Vars& vars, const PileSection& section) {
  TextChannel& report = lines.Report();
  const double gross = vars.rd_SectionDepthInput * vars.rd_WidthInput;
  const double steel = Total_Bar_Area(vars);
  lines.Title("Dimensions and Properties of Rectangular Concrete Pile:");
  lines.Section_Length(section.SectionLength);
  lines.Real("Depth of Section", vars.rd_SectionDepthInput, Quantity::kDimension);
  lines.Real("Width of Section", vars.rd_WidthInput, Quantity::kDimension);
  lines.Count("Number of Reinforcing Bars", vars.NumBars);
  lines.Real("Yield Stress of Reinforcing Bars", vars.rd_Fy, Quantity::kStress);
  lines.Real("Modulus of Elasticity of Reinforcing Bars", vars.rd_Es, Quantity::kStress);
  lines.Real("Compressive Strength of Concrete", vars.rd_Fc, Quantity::kStress);
  lines.Real("Modulus of Rupture of Concrete", vars.rd_Fr, Quantity::kStress);
  lines.Real("Gross Area of Pile", gross, Quantity::kArea);
  lines.Real("Total Area of Reinforcing Steel", steel, Quantity::kArea);
  lines.Real("Area Ratio of Steel Reinforcement", Ratio_Percent(steel, gross), Quantity::kRatio);
  report.Empty_Lines(1);
  Write_Bar_Table(report, vars, "Reinforcing Bar Details:", kBarHead, &section.Rebar);
}

void Write_Drilled_Shaft(PropertyLines& lines, const EI_Vars& vars, const PileSection& section) {
  const double d = vars.rd_SectionDepthInput;
  const double gross = Circle_Area(d);
  const double steel = Total_Bar_Area(vars);
  const ReinforcementData& rebar = section.Rebar;
  lines.Title("Dimensions and Properties of Drilled Shaft:");
  lines.Section_Length(section.SectionLength);
  lines.Real("Shaft Diameter", d, Quantity::kDimension);
  lines.Real("Concrete Cover Thickness", Cage_Cover(vars, rebar.RebarOffset, d / 2.0),
             Quantity::kDimension);
  lines.Count("Number of Reinforcing Bars", vars.NumBars);
  lines.Real("Yield Stress of Reinforcing Bars", vars.rd_Fy, Quantity::kStress);
  lines.Real("Modulus of Elasticity of Reinforcing Bars", vars.rd_Es, Quantity::kStress);
  lines.Real("Gross Area of Shaft", gross, Quantity::kArea);
  lines.Real("Total Area of Reinforcing Steel", steel, Quantity::kArea);
  lines.Real("Area Ratio of Steel Reinforcement", Ratio_Percent(steel, gross), Quantity::kRatio);
  lines.Real("Edge-to-Edge Bar Spacing", Bar_Spacing(vars, rebar, vars.BarDiameter[0]),
             Quantity::kDimension);
  lines.Real("Rebar Offset", rebar.RebarOffset, Quantity::kDimension);
}

// The nominal diameter of a standard bar of the single-bar area (the table is in inches).
double Nominal_Bar_Diameter(const EI_Vars& vars) {
  if (!Is_SI(vars)) return Bar_Diameter_From_Area(vars.BarArea[0]);
  const double area_sq_in = vars.BarArea[0] / (kMetresPerInch * kMetresPerInch);
  return Bar_Diameter_From_Area(area_sq_in) * kMetresPerInch;
}

void Write_Cased_Shaft(PropertyLines& lines, const EI_Vars& vars, const PileSection& section) {
  const double d = vars.rd_SectionDepthInput;
  const double t = vars.CasingWall;
  const double bars = Total_Bar_Area(vars);
  const double casing = Ring_Area(d, t);
  const double concrete = Circle_Area(d - 2.0 * t) - bars;
  const ReinforcementData& rebar = section.Rebar;
  lines.Title("Dimensions and Properties of Drilled Shaft with Permanent Casing:");
  lines.Section_Length(section.SectionLength);
  lines.Real("Outer Diameter of Casing", d, Quantity::kDimension);
  lines.Real("Concrete Cover Thickness Inside Casing",
             Cage_Cover(vars, rebar.RebarOffset, d / 2.0 - t), Quantity::kDimension);
  lines.Real("Casing Wall Thickness", t, Quantity::kDimension);
  lines.Real("Yield Stress of Casing", vars.rd_CasingFy, Quantity::kStress);
  lines.Real("Elastic Modulus of Casing", vars.rd_CasingEs, Quantity::kStress);
  lines.Count("Number of Reinforcing Bars", vars.NumBars);
  lines.Real("Area of Single Reinforcing Bar", vars.BarArea[0], Quantity::kArea);
  lines.Real("Edge-to-Edge Bar Spacing", Bar_Spacing(vars, rebar, Nominal_Bar_Diameter(vars)),
             Quantity::kDimension);
  lines.Real("Rebar Offset", rebar.RebarOffset, Quantity::kDimension);
  lines.Real("Yield Stress of Reinforcing Bars", vars.rd_Fy, Quantity::kStress);
  lines.Real("Elastic Modulus of Reinforcing Bars", vars.rd_Es, Quantity::kStress);
  lines.Real("Area of Concrete", concrete, Quantity::kArea);
  lines.Real("Cross-sectional Area of Steel Casing", casing, Quantity::kArea);
  lines.Real("Area of All Steel (Casing and Bars)", casing + bars, Quantity::kArea);
  lines.Real("Area Ratio of All Steel", Ratio_Percent(casing + bars, Circle_Area(d)),
             Quantity::kRatio);
}

void Write_Cased_Shaft_With_Core(PropertyLines& lines, const EI_Vars& vars,
                                 const PileSection& section) {
  TextChannel& report = lines.Report();
  const double d = vars.rd_SectionDepthInput;
  const double t = vars.CasingWall;
  const double core_d = vars.CoreDiameter;
  const double core_t = vars.CoreWall;
  const bool filled = vars.b_FillCoreWithConcrete;
  const double bars = Total_Bar_Area(vars);
  const double casing = Ring_Area(d, t);
  const double core = Ring_Area(core_d, core_t);
  // The concrete inside the casing around the core, and the core's fill when it is filled.
  const double core_fill = filled ? Circle_Area(core_d - 2.0 * core_t) : 0.0;
  const double concrete = Circle_Area(d - 2.0 * t) - bars - Circle_Area(core_d) + core_fill;
  const double steel = casing + core + bars;
  const ReinforcementData& rebar = section.Rebar;
  lines.Title(filled ? "Dimensions and Properties of Drilled Shaft with Casing and Filled Core:"
                     : "Dimensions and Properties of Drilled Shaft with Casing and Hollow Core:");
  lines.Section_Length(section.SectionLength);
  lines.Real("Outside Diameter of Casing", d, Quantity::kDimension);
  lines.Real("Concrete Cover Thickness Inside Casing",
             Cage_Cover(vars, rebar.RebarOffset, d / 2.0 - t), Quantity::kDimension);
  lines.Real("Casing Wall Thickness", t, Quantity::kDimension);
  lines.Real("Moment of Inertia of Steel Casing", Ring_Inertia(d, t), Quantity::kInertia);
  lines.Real("Outside Diameter of Core", core_d, Quantity::kDimension);
  lines.Real("Core Wall Thickness", core_t, Quantity::kDimension);
  lines.Real("Moment of Inertia of Steel Core", Ring_Inertia(core_d, core_t), Quantity::kInertia);
  lines.Real("Yield Stress of Casing and Core", vars.rd_CasingFy, Quantity::kStress);
  lines.Real("Elastic Modulus of Casing and Core", vars.rd_CasingEs, Quantity::kStress);
  lines.Count("Number of Reinforcing Bars", vars.NumBars);
  lines.Real("Area of Single Reinforcing Bar", vars.BarArea[0], Quantity::kArea);
  lines.Real("Area of All Reinforcing Bars", bars, Quantity::kArea);
  lines.Real("Edge-to-Edge Bar Spacing", Bar_Spacing(vars, rebar, vars.BarDiameter[0]),
             Quantity::kDimension);
  lines.Real("Rebar Offset", rebar.RebarOffset, Quantity::kDimension);
  lines.Real("Yield Stress of Reinforcing Bars", vars.rd_Fy, Quantity::kStress);
  lines.Real("Elastic Modulus of Reinforcing Bars", vars.rd_Es, Quantity::kStress);
  lines.Real("Area of Concrete", concrete, Quantity::kArea);
  lines.Real("Cross-sectional Area of Steel Casing", casing, Quantity::kArea);
  lines.Real("Cross-sectional Area of Steel Core", core, Quantity::kArea);
  lines.Real("Area of All Steel (Casing, Core, and Bars)", steel, Quantity::kArea);
  lines.Real("Area Ratio of All Steel", Ratio_Percent(steel, Circle_Area(d)), Quantity::kRatio);
  report.Empty_Lines(1);
  report.Write_Line(filled ? "Note that the core is assumed to be filled with concrete"
                           : "Note that the core is assumed to be void of concrete");
}

void Write_Steel_Pipe(PropertyLines& lines, const EI_Vars& vars, const PileSection& section) {
  const double d = vars.rd_SectionDepthInput;
  const double t = vars.CasingWall;
  const double inertia = Ring_Inertia(d, t);
  const double plastic_modulus = Ring_Plastic_Modulus(d, t);
  // EI under the stiffness label: lb-in**2 from a modulus in ksi, kN-m**2 in SI.
  const double stiffness =
      vars.rd_CasingEs * inertia * (Is_US_Customary(vars) ? kPoundsPerKip : 1.0);
  lines.Title("Dimensions and Properties of Steel Pipe Pile:");
  lines.Section_Length(section.SectionLength);
  lines.Real("Outer Diameter of Pipe", d, Quantity::kDimension);
  lines.Real("Pipe Wall Thickness", t, Quantity::kDimension);
  lines.Real("Yield Stress of Pipe", vars.rd_CasingFy, Quantity::kStress);
  lines.Real("Elastic Modulus", vars.rd_CasingEs, Quantity::kStress);
  lines.Real("Cross-sectional Area", Ring_Area(d, t), Quantity::kArea);
  lines.Real("Moment of Inertia", inertia, Quantity::kInertia);
  lines.Real("Elastic Bending Stiffness", stiffness, Quantity::kStiffness);
  lines.Real("Plastic Modulus, Z", plastic_modulus, Quantity::kPlasticModulus);
  lines.Real("Plastic Moment Capacity = Fy Z", vars.rd_CasingFy * plastic_modulus,
             Quantity::kMoment);
}

// The text after "Strand Type" (it brings its own "= "), by strand type code.
std::string_view Strand_Type_Text(int strand_type) {
  switch (strand_type) {
    case 0:
      return "=    PCI 250";
    case 1:
      return "=    PCI 270";
    case 2:
      return "=    PCI 300";
    case 3:
      return "= Smooth 145 ksi bars";
    case 4:
      return "= Smooth 160 ksi bars";
    case 5:
      return "= Deformed bars (150-160 ksi)";
    default:
      return "=";
  }
}

// The stress-strain rule of the strand material, one or two lines.
void Write_Strand_Rule(TextChannel& report, int strand_type) {
  switch (strand_type) {
    case 0:
      report.Write_Line(
          "Stress-Strain Curve for Reinforcement Defined Using PCI 250 Lo-lax Equation");
      report.Write_Line("If eps > 0.008, fps = 248 - 0.058/(eps-0.006) < 0.98 fpu (ksi)");
      break;
    case 1:
      report.Write_Line(
          "Stress-Strain Curve for Reinforcement Defined Using PCI 270 Lo-lax Equation");
      report.Write_Line("If eps > 0.008 fpu = 268 - 0.075/(eps-0.0065) < 0.98 fpu (ksi)");
      break;
    case 2:
      report.Write_Line("Stress-Strain Curve for Reinforcement Defined Using Grade 300 Equation");
      report.Write_Line("If eps > 0.0088846 fpu = 300.0-(0.0835/(eps-0.0071))) < 300 (ksi)");
      break;
    default:
      report.Write_Line("Stress-Strain Curve for Reinforcement Defined Using Richard Equation");
      break;
  }
}

// Types 5 to 10: strand type, fpu, the stress-strain rule, count, single-strand area, cover
// and the strand table. fpu is held in psi: printed in ksi, or in kPa in SI.
void Write_Strand_Details(TextChannel& report, const SectionEngineState& engine,
                          const PileSection& section) {
  const EI_Vars& vars = engine.Vars;
  const SectionUnitLabels& labels = engine.Labels;
  const bool si = Is_SI(vars);
  const ReinforcementData& strands = section.Rebar;
  const double fpu = strands.StrandUltimateStrength / kPsiPerKsi * (si ? kKpaPerKsi : 1.0);
  report.Empty_Lines(1);
  report.Write_Line("Prestressing Strand Details:");
  report.Write_Line("----------------------------");
  report.Empty_Lines(1);
  report.Line().A("Strand Type").T(kEqualsColumn).A(Strand_Type_Text(strands.StrandType));
  report.End_Line();
  Labelled(report, "Yield Stress, fpu").F(fpu, kStrandWidth, 0).A(labels.c_SecStress);
  report.End_Line();
  Write_Strand_Rule(report, strands.StrandType);
  Labelled(report, "Number of Reinforcing Strands").I(vars.NumBars, kStrandWidth);
  report.End_Line();
  Labelled(report, "Cross-sectional Area of Single Strand")
      .F(vars.BarArea[0], kStrandWidth, si ? kStrandAreaDecimalsSI : kFixedDecimals)
      .A(labels.c_SecArea);
  report.End_Line();
  Labelled(report, "Concrete Cover Thickness Over Strands")
      .F(Strand_Cover(vars, section), kStrandWidth, kFixedDecimals)
      .A(labels.c_SecLength);
  report.End_Line();
  report.Empty_Lines(1);
  Write_Bar_Table(report, vars, "Prestressing Strand Geometry:", kStrandHead, nullptr);
}

std::string_view Prestressed_Title(int section_type) {
  switch (section_type) {
    case kCircularSolidPrestressed:
      return "Dimensions and Properties of Circular Prestressed Pile:";
    case kCircularHollowPrestressed:
      return "Dimensions and Properties of Hollow Core Circular Prestressed Pile:";
    case kSquareSolidPrestressed:
      return "Dimensions of Square Prestressed Pile Section:";
    case kSquareHollowPrestressed:
      return "Dimensions and Properties of Square Prestressed Pile Section with Hollow Core:";
    case kOctagonalSolidPrestressed:
      return "Dimensions and Properties of Octagonal Prestressed Pile:";
    default:
      return "Dimensions and Properties of Octagonal Prestressed Pile Section with Hollow Core:";
  }
}

void Write_Prestressed_Pile(PropertyLines& lines, const SectionEngineState& engine,
                            const PileSection& section) {
  const double b = engine.Vars.rd_SectionDepthInput;
  lines.Title(Prestressed_Title(section.SectionType));
  lines.Section_Length(section.SectionLength);
  switch (section.SectionType) {
    case kCircularSolidPrestressed:
      lines.Real("Diameter", b, Quantity::kDimension);
      break;
    case kCircularHollowPrestressed:
      lines.Real("Outside Diameter", b, Quantity::kDimension);
      lines.Real("Inside Diameter", section.VoidDiameter, Quantity::kDimension);
      break;
    case kSquareSolidPrestressed:
    case kSquareHollowPrestressed:
      lines.Real("Pile Width", b, Quantity::kDimension);
      lines.Real("Corner Chamfer", section.CornerChamfer, Quantity::kDimension);
      if (section.SectionType == kSquareHollowPrestressed) {
        lines.Real("Inside Void Diameter", section.VoidDiameter, Quantity::kDimension);
      }
      break;
    default:  // octagonal
      lines.Real("Pile Width", b, Quantity::kDimension);
      if (section.SectionType == kOctagonalHollowPrestressed) {
        lines.Real("Inside Void Diameter", section.VoidDiameter, Quantity::kDimension);
      }
      break;
  }
  Write_Strand_Details(lines.Report(), engine, section);
}

}  // namespace

// Write_Section_Dimensions: the blocks of section types 0 to 10 (nothing for the others),
// from the section loaded in engine.Vars (dimensions in inches or metres, stresses in ksi or
// kPa, the axial limits computed) and the input record (length along the pile in inches or
// metres, bar cage and strand data). Writes the report only.
void Write_Section_Dimensions(RunContext& run, const SectionEngineState& engine,
                              const PileSection& section) {
  const EI_Vars& vars = engine.Vars;
  PropertyLines lines(run.Report, engine);
  switch (section.SectionType) {
    case kRectangularConcrete:
      Write_Rectangular_Pile(lines, vars, section);
      Write_Axial_Capacities(lines, vars, false);
      break;
    case kDrilledShaft:
      Write_Drilled_Shaft(lines, vars, section);
      Write_Capacities_And_Bar_Table(lines, vars);
      break;
    case kCasedShaft:
      Write_Cased_Shaft(lines, vars, section);
      Write_Capacities_And_Bar_Table(lines, vars);
      break;
    case kCasedShaftWithCore:
      Write_Cased_Shaft_With_Core(lines, vars, section);
      Write_Capacities_And_Bar_Table(lines, vars);
      break;
    case kSteelPipe:
      Write_Steel_Pipe(lines, vars, section);
      Write_Axial_Capacities(lines, vars, true);
      break;
    case kCircularSolidPrestressed:
    case kCircularHollowPrestressed:
    case kSquareSolidPrestressed:
    case kSquareHollowPrestressed:
    case kOctagonalSolidPrestressed:
    case kOctagonalHollowPrestressed:
      Write_Prestressed_Pile(lines, engine, section);
      break;
    default:
      break;
  }
}

}  // namespace tavik
