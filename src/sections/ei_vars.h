// The working records of the section engine: EI_Vars, the section being analysed (its
// dimensions and materials, the 100 horizontal slices it is cut into, the material
// constants, the run-message flags and the stresses of the last evaluation), and
// MomentCurvatureCurve, the moment-curvature relation of the section at one axial thrust.
//
// Bending is about the section's horizontal x axis with the compression face at the top
// (largest y). Slice k (1 to 100) lies between SliceY(k - 1) and SliceY(k); per-slice arrays
// are 1-based (element 0 unused). Compressive strains and stresses are positive.
//
// Units: kips, inches and ksi for US customary runs; kN, metres and kPa for SI runs. The
// section engine does not run in general units.
#ifndef TAVIK_SECTIONS_EI_VARS_H
#define TAVIK_SECTIONS_EI_VARS_H

#include <array>
#include <string_view>
#include <vector>

#include "run/problem_data.h"

namespace tavik {

inline constexpr int kNumSlices = 100;
inline constexpr int kMaxCurvePoints = 150;    // points of one moment-curvature curve
inline constexpr int kMaxOutlinePoints = 300;  // vertices of an outline polygon
inline constexpr int kMaxClippedPoints = 100;  // vertices a clipped outline may keep

// kPa in one ksi: the empirical constants of the material curves are in ksi; SI stresses
// are scaled by this factor around them.
inline constexpr double kKpaPerKsi = 6894.75732421875;

// Internal geometry kinds (i_SectionShape).
inline constexpr int kShapeSquarePile = 1;            // rectangle, bars
inline constexpr int kShapeSquarePileWithCore = 2;    // square, bars, centred core
inline constexpr int kShapeRoundPile = 3;             // circle, bars
inline constexpr int kShapeShaftWithPipeInsert = 5;   // circle, bars, centred core
inline constexpr int kShapeCasedShaft = 6;            // circle, casing ring, bars
inline constexpr int kShapeCasedShaftWithCore = 7;    // circle, casing ring, bars, core
inline constexpr int kShapeSteelPipe = 9;             // ring only
inline constexpr int kShapePolygonPile = 10;          // 8-vertex polygon, bars
inline constexpr int kShapePolygonPileWithCore = 11;  // 8-vertex polygon, bars, void core

// Material classes.
inline constexpr int kNoConcrete = 1;  // i_ConcreteModel: steel pipe
inline constexpr int kConcreteCurve = 2;
inline constexpr int kNoCoreConcrete = 1;  // i_CoreFillModel
inline constexpr int kCoreConcreteCurve = 2;
inline constexpr int kSteelPipeModel = 1;  // i_SteelModel
inline constexpr int kRebarModel = 2;
inline constexpr int kStrandPCI250 = 4;  // 4 + StrandType for the six strand materials
inline constexpr int kStrandPCI270 = 5;
inline constexpr int kStrandGrade300 = 6;
inline constexpr int kSmoothBars145 = 7;
inline constexpr int kSmoothBars160 = 8;
inline constexpr int kDeformedBars = 9;

// The strand and high-strength bar materials of prestressed sections.
inline constexpr bool Is_Strand_Material(int steel_model) {
  return steel_model >= kStrandPCI250 && steel_model <= kDeformedBars;
}

using SliceArray = std::array<double, kNumSlices + 1>;       // index k = slice k
using CurveArray = std::array<double, kMaxCurvePoints + 1>;  // index i = point i

struct EI_Vars {
  // The section as loaded from its PileSection record.
  int SectionType = 0;
  int IUNITS = 0;
  int i_SectionShape = 0;
  double rd_SectionDepthInput = 0.0;    // diameter, depth, or width across flats
  double rd_WidthInput = 0.0;           // rectangular shapes: width across the bending direction
  int NumBars = 0;                      // bars or strands
  std::array<double, kMaxBars> BarX{};  // bar k is element k - 1; centre from the section centre
  std::array<double, kMaxBars> BarY{};
  std::array<double, kMaxBars> BarDiameter{};
  std::array<double, kMaxBars> BarArea{};
  double CasingWall = 0.0;  // casing of shapes 6 and 7, pipe wall of shape 9
  double rd_CasingFy = 0.0;
  double rd_CasingEs = 0.0;
  int NumCores = 0;  // 0 or 1
  double CoreDiameter = 0.0;
  double CoreWall = 0.0;  // 0 for a void
  double CoreCenterY = 0.0;
  double rd_CoreFy = 0.0;
  double rd_CoreEs = 0.0;
  bool b_FillCoreWithConcrete = false;
  int i_CoreFillModel = kNoCoreConcrete;
  int NumOutlinePoints = 0;  // shapes 10 and 11: counterclockwise, origin at the centre
  std::array<double, kMaxOutlinePoints> OutlineX{};
  std::array<double, kMaxOutlinePoints> OutlineY{};

  // Materials.
  int i_ConcreteModel = kConcreteCurve;
  int i_SteelModel = kRebarModel;
  double rd_Fc = 0.0;           // f'c
  double rd_Ec = 0.0;           // derived
  double rd_Fr = 0.0;           // derived, negative (tension)
  double rd_Eps0 = 0.0;         // derived: strain at peak stress
  double rd_EpsCr = 0.0;        // derived, negative: tensile strain at cracking
  double rd_Fy = 0.0;           // bar yield stress; strands: ultimate strength fpu
  double rd_Es = 0.0;           // bar or strand modulus
  int i_StrandSizeCode = 0;     // size code (size index + 1) of the first strand
  double rd_StressScale = 1.0;  // 1 (ksi) or kKpaPerKsi (kPa)

  // Prestressing (strand materials only; zero otherwise).
  double rd_PrestressForce = 0.0;  // Pi: pounds (US customary) or kN
  double rd_PrestressLoss = 0.0;   // fraction
  double rd_EpsPs = 0.0;           // strand strain locked in by the prestress (negative)
  double rd_EpsPc = 0.0;           // concrete strain due to the prestress (positive)
  bool b_PrestressReportDone = false;

  // Axial limits of the section (force), checked against every thrust.
  double rd_AxialCapacityCompression = 0.0;
  double rd_AxialCapacityTension = 0.0;  // negative
  double rd_CrackingLoad = 0.0;          // negative: tension that cracks the concrete
  double rd_TotalBarArea = 0.0;          // sum of the bar or strand areas
  double rd_PipeArea = 0.0;              // steel pipe: ring area
  double rd_PipeRadius = 0.0;            // steel pipe: outside radius

  // Slices.
  double rd_Depth = 0.0;  // depth of the section in the bending direction
  double rd_Width = 0.0;
  double rd_SliceHeight = 0.0;
  std::array<double, kNumSlices + 1> SliceY{};  // boundaries, SliceY(0) = top face
  SliceArray rd_SliceDepth{};                   // mid-height of slice k below the top face
  SliceArray ConcreteSliceArea{};
  SliceArray RebarSliceArea{};
  SliceArray CasingSliceArea{};
  SliceArray CoreSliceArea{};
  SliceArray CoreConcreteSliceArea{};
  // The slices that hold bar or strand area, in order: the bar force is summed over them.
  int NumBarSlices = 0;
  std::array<int, kNumSlices> BarSlice{};
  int i_CoreTopSlice = 0;  // slice range of the core's outer circle
  int i_CoreBottomSlice = 0;
  double rd_TotalConcreteArea = 0.0;
  double rd_TotalRebarArea = 0.0;  // sum of RebarSliceArea
  double rd_TotalCoreConcreteArea = 0.0;

  // Run-message flags.
  bool b_Cracked = false;
  bool b_CrackedByAxialTension = false;
  bool b_Yielded = false;

  // The last evaluation: slice strains and the stresses of every material.
  SliceArray Strain{};
  SliceArray ConcreteStress{};
  SliceArray CoreConcreteStress{};
  SliceArray RebarStress{};
  SliceArray CasingStress{};
  SliceArray CoreStress{};
};

// The moment-curvature relation of one section at one axial thrust.
struct MomentCurvatureCurve {
  int NumCurvePoints = 0;
  CurveArray Curvature{};         // 1/length
  CurveArray Moment{};            // force * length, about the mid-depth
  CurveArray BendingStiffness{};  // Moment / Curvature
  CurveArray NeutralAxisDepth{};  // below the compression face
  CurveArray MaxCompStrain{};
  CurveArray MaxTensStrain{};
  CurveArray MaxConcreteStress{};
  CurveArray MaxSteelStress{};   // signed, largest magnitude
  CurveArray MaxCasingStress{};  // signed, largest magnitude
  CurveArray MaxCoreStress{};    // signed, largest magnitude
  CurveArray MinBarStrain{};     // round reinforced sections only
  std::array<std::array<char, 3>, kMaxCurvePoints + 1> RunMessage{};
  double NominalMomentCapacity = 0.0;  // section units (kip-in or kN-m)
  double StrainAtNominalMoment = 0.0;
};

// The 8-character unit labels of the section reports; empty in general units.
struct SectionUnitLabels {
  std::string_view c_SecLength;
  std::string_view c_SecStress;
  std::string_view c_SecForce;
  std::string_view c_SecCurvature;
  std::string_view c_SecMoment;
  std::string_view c_SecArea;
  std::string_view c_SecInertia;
  std::string_view c_SecStiffness;
};

// Everything the section engine keeps while it computes the sections of a run: the section
// in hand, the unit labels, the thrust list (section units: kips or kN, ascending) and one
// curve per thrust.
struct SectionEngineState {
  EI_Vars Vars;
  SectionUnitLabels Labels;
  int NumThrusts = 0;
  std::array<double, kMaxThrusts + 1> Thrust{};  // index t = thrust t
  std::vector<MomentCurvatureCurve> Curves;      // index t = thrust t; sized once per run
};

}  // namespace tavik

#endif  // TAVIK_SECTIONS_EI_VARS_H
