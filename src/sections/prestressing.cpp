#include "sections/prestressing.h"

#include <string_view>

#include "run/run_status.h"

namespace tavik {

namespace {
constexpr double kPoundsPerKip = 1000.0;
constexpr int kValueColumn = 56;
constexpr int kConcreteAreaError = 14;
constexpr int kSteelAreaError = 15;

// Estimates for prestressed piles: Pn = (0.85 f'c - 0.60 fpc) Ag and the unfactored
// service load N = (0.33 f'c - 0.27 fpc) Ag.
constexpr double kNominalConcreteFactor = 0.85;
constexpr double kNominalPrestressFactor = 0.60;
constexpr double kServiceConcreteFactor = 0.33;
constexpr double kServicePrestressFactor = 0.27;

struct MomentEstimate {
  double coefficient;  // Mn = coefficient D As fpu
  std::string_view label;
};

MomentEstimate Moment_Estimate(int section_type) {
  switch (section_type) {
    case kCircularHollowPrestressed:
      return {0.34, "Mn = 0.34 D As fpu"};
    case kSquareSolidPrestressed:
      return {0.37, "Mn = 0.37 D As fpu"};
    case kSquareHollowPrestressed:
      return {0.38, "Mn = 0.38 D As fpu"};
    case kOctagonalHollowPrestressed:
      return {0.34, "Mn = 0.34 D As fpu"};
    default:  // circular and octagonal solid piles
      return {0.32, "Mn = 0.32 D As fpu"};
  }
}

void Report_Area_Error(RunContext& run, int number, std::string_view text, double area) {
  TextChannel& out = run.Report;
  out.Line().A("**** Runtime Error No. ").I(number, 0).A(" ****");
  out.End_Line();
  out.Empty_Lines(1);
  out.Write_Line("An error occurred in prestressing computations");
  out.Line().A(text).F(area, 15, 5);
  out.End_Line();
  Terminate_With_Error(run, Runtime_Error_Code(number), 200 + number);
}

// One parameter line: the label, at column 56 "= ", the value and the unit.
void Parameter(TextChannel& out, std::string_view label, double value, int decimals,
               std::string_view unit) {
  out.Line().A(label).T(kValueColumn).A("= ").F(value, 15, decimals).A(unit);
  out.End_Line();
}

void Write_Loss_Of_Prestress(RunContext& run, const EI_Vars& vars, const SectionUnitLabels& labels,
                             double ac, double as, double fpc, double fps, double ag) {
  TextChannel& out = run.Report;
  const bool si = vars.IUNITS == kUnitsSI;
  const double force_unit = si ? 1.0 : kPoundsPerKip;  // forces are printed in kips or kN
  const int area_decimals = si ? 6 : 3;
  const std::string_view force5 = labels.c_SecForce.substr(0, 5);
  const std::string_view force7 = labels.c_SecForce.substr(0, 7);
  const std::string_view stress5 = labels.c_SecStress.substr(0, 5);
  const std::string area_unit = std::string(" Sq.") + std::string(labels.c_SecLength.substr(0, 5));
  const double pi = vars.rd_PrestressForce;
  const double loss = vars.rd_PrestressLoss;

  out.Empty_Lines(1);
  out.Write_Line("Computation of Loss of Prestress:");
  out.Write_Line("---------------------------------");
  out.Empty_Lines(1);
  Parameter(out, "Initial Prestressing Force", pi / force_unit, 3, force5);
  Parameter(out, "Fraction of Loss of Prestress", loss, 3, "");
  Parameter(out, "Effective Prestressing Force", pi * (1.0 - loss) / force_unit, 3, force5);
  Parameter(out, "Area of Concrete, Ac      ", ac, area_decimals, area_unit);
  Parameter(out, "Area of Steel, As         ", as, area_decimals, area_unit);
  Parameter(out, "Stress in Concrete After Losses, f_pc", fpc, 3, stress5);
  Parameter(out, "Stress in Steel After Losses", fps, 3, stress5);
  Parameter(out, "Compressive Strain in Concrete", vars.rd_EpsPc, 7, "");
  Parameter(out, "Tensile Strain in Steel  ", vars.rd_EpsPs, 7, "");
  out.Empty_Lines(1);
  out.Write_Line("Estimated Structural Capacities Computed Using PCI Equations:");
  out.Write_Line("-------------------------------------------------------------");
  out.Empty_Lines(1);
  Parameter(out, "Nom. Axial Cap., Pn = (0.85 f'c - 0.60 f_pc) Ag",
            vars.rd_AxialCapacityCompression, 3, force5);
  Parameter(out, "Unfac. Axial Load Cap. N  = (0.33 f'c - 0.27 f_pc) Ag",
            ag * (kServiceConcreteFactor * vars.rd_Fc - kServicePrestressFactor * fpc), 3, force5);
  Parameter(out, "Axial Capacity in Tension, Nt = As fpu", vars.rd_AxialCapacityTension, 3, force7);
  const MomentEstimate estimate = Moment_Estimate(vars.SectionType);
  const double mn = estimate.coefficient * vars.rd_Depth * as * vars.rd_Fy;
  out.Line()
      .A("Nom. Moment Capacity, ")
      .A(estimate.label)
      .A(std::string(35 - estimate.label.size(), ' '))
      .T(kValueColumn)
      .A("= ")
      .F(mn, 15, 3)
      .A(labels.c_SecMoment.substr(0, 7));
  out.End_Line();
  out.Empty_Lines(1);
  out.Write_Line("Note:  The above value of nominal moment capacity is based on equations that");
  out.Write_Line("assume a concrete compressive strength of 6,000 psi (41.4 MPa), a prestressing");
  out.Write_Line("level after losses of 700 psi (4.83 MPa), and an axial thrust loading of zero. ");
  out.Write_Line("When different values for these factors are input, the estimated value of Mn ");
  out.Write_Line(
      "may differ greatly from the capacity computed by Tavik and should be considered ");
  out.Write_Line("only as an approximate check.");
  out.Empty_Lines(1);
}
}  // namespace

void Calculate_Strains_Due_To_Prestressing(RunContext& run, EI_Vars& vars,
                                           const SectionUnitLabels& labels) {
  double ac = 0.0;
  double as = 0.0;
  for (int k = 1; k <= kNumSlices; ++k) {
    ac += vars.ConcreteSliceArea[k];
    as += vars.RebarSliceArea[k];
  }
  if (ac <= 0.0) {
    Report_Area_Error(run, kConcreteAreaError,
                      "The computed area of concrete in the section is less than 0.0 = ", ac);
    return;
  }
  if (as <= 0.0) {
    Report_Area_Error(run, kSteelAreaError,
                      "The computed area of steel in the section is less than 0.0 = ", as);
    return;
  }
  // Forces in pounds (US customary) or kN against stresses in ksi or kPa.
  const double k = vars.IUNITS == kUnitsSI ? 1.0 : kPoundsPerKip;
  const double pe = (1.0 - vars.rd_PrestressLoss) * vars.rd_PrestressForce;
  vars.rd_EpsPs = -pe / (k * vars.rd_Es * as);
  vars.rd_EpsPc = pe / (k * ac * vars.rd_Ec);
  const double fpc = vars.rd_EpsPc * vars.rd_Ec;
  const double fps = vars.rd_EpsPs * vars.rd_Es;
  const double ag = ac + as;
  vars.rd_AxialCapacityCompression =
      (kNominalConcreteFactor * vars.rd_Fc - kNominalPrestressFactor * fpc) * ag;
  vars.rd_AxialCapacityTension = -as * vars.rd_Fy;
  // An axial tension cracks the precompressed concrete once it has overcome the prestress
  // and the modulus of rupture over the transformed section: Pcr = -(fpc - fr)(Ac + n As).
  vars.rd_CrackingLoad = -(fpc - vars.rd_Fr) * (ac + vars.rd_Es / vars.rd_Ec * as);
  if (!vars.b_PrestressReportDone) {
    Write_Loss_Of_Prestress(run, vars, labels, ac, as, fpc, fps, ag);
    vars.b_PrestressReportDone = true;
  }
}

}  // namespace tavik
