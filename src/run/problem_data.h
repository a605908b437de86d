// The whole input of one analysis: options, title, pile sections, soil layers, load
// cases, LRFD loads and factors and the auxiliary tables.
//
// Tables are fixed-capacity and 1-based in the engineering sense: entry k of a table is
// element k - 1 of its array, and a count field says how many are in use. Entries beyond
// the count are zero. Every reader checks a count against the capacity (the k... limits
// below) before it stores anything, so nothing read from a file lands past a table.
//
// Units: see the units-system note on ProblemData::IUNITS. Values are stored as read
// until Convert_To_Internal_Units runs once after the input echo.
#ifndef TAVIK_RUN_PROBLEM_DATA_H
#define TAVIK_RUN_PROBLEM_DATA_H

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tavik {

// Table capacities.
inline constexpr int kMaxTitleLines = 5;
inline constexpr int kTextLength = 256;  // title lines, names, keyword lines
inline constexpr int kMaxSections = 20;
inline constexpr int kMaxBars = 300;  // bars or strands in one section
inline constexpr int kMaxConcreteCurvePoints = 100;
inline constexpr int kMaxUserEIThrusts = 100;
inline constexpr int kMaxUserEIPoints = 150;
inline constexpr int kMaxPilePropertyPoints = 40;
inline constexpr int kMaxLayers = 40;
inline constexpr int kMaxUserPyPoints = 30;
inline constexpr int kMaxLoadCases = 100;
inline constexpr int kMaxDistributedLoadPoints = 50;
inline constexpr int kMaxLrfdLoads = 100;
inline constexpr int kMaxLrfdCombinations = 100;
inline constexpr int kMaxLrfdDistributedPoints = 100;
inline constexpr int kLrfdLoadKinds =
    13;  // DL, LL, EQ, IM, Wind, Watr, Ice, Soil, Roof, Rain, Snow, Temp, Spec
inline constexpr int kMaxSoilMovementPoints = 100;
inline constexpr int kMaxPyModifierPoints = 80;
inline constexpr int kMaxTipShearPoints = 50;
inline constexpr int kMaxPyOutputDepths = 100;
inline constexpr int kMaxThrusts = 100;

// Units systems (IUNITS).
inline constexpr int kUnitsUSCustomary = 1;  // lbs, ft along the pile (in internally), in, psi
inline constexpr int kUnitsSI = 2;           // kN, m, mm in the input (m internally), kPa
inline constexpr int kUnitsGeneral = 3;      // consistent F and L, never converted

// ICOM values.
inline constexpr int kComputeEIOnly = 2;
inline constexpr int kFullAnalysis = 3;

struct AnalysisOptions {
  bool UseLRFD = false;
  bool ComputeKmatrix = false;  // written to the plot file as KXX
  bool UseTipShear = false;
  bool UseSoilMovement = false;
  bool UsePYModifiers = false;
  int ICOM = 0;  // kComputeEIOnly or kFullAnalysis once the options are read
  bool Cyclic = false;
  double NumCycles = 0.0;
  int MaxIterations = 0;               // 30 to 1000
  double ExcessDeflectionLimit = 0.0;  // length, section-dimension unit
  double ConvergenceTolerance = 0.0;   // length, section-dimension unit
  int NumIncrements = 0;               // 40 to 500
  bool PrintSummaryOnly = false;
  int PrintIncrement = 0;
  bool PrintPYCurves = false;
  bool ComputeInteraction = false;
  int InteractionCode = 0;  // 1 AASHTO, 2 ACI318, 3 Eurocode2
};

struct ConcreteData {
  double ConcreteStrength = 0.0;  // f'c, stress
  double MaxAggregateSize = 0.0;  // section dimension
  double TensileStrength = 0.0;   // stress, stored only
  int NumCurvePoints = 0;
  std::array<double, kMaxConcreteCurvePoints> CurveStrain{};
  std::array<double, kMaxConcreteCurvePoints> CurveStress{};
};

// Reinforcing bars and prestressing strands share the per-bar tables; a section holds
// one kind or the other.
struct ReinforcementData {
  int NumBars = 0;  // 0 to kMaxBars
  bool b_RebarInCircle = false;
  double RebarYieldStress = 0.0;
  double SteelModulus = 0.0;
  int NumBundles = 0;
  int BarsPerBundle = 0;  // 1, 2 or 3
  double CircleBarDiameter = 0.0;
  double CircleBarArea = 0.0;
  double RebarCover = 0.0;
  double RebarOffset = 0.0;
  std::array<int, kMaxBars> BarIndex{};
  std::array<double, kMaxBars> BarDiameter{};
  std::array<double, kMaxBars> BarArea{};
  std::array<double, kMaxBars> BarX{};  // from the centre of the section
  std::array<double, kMaxBars> BarY{};
  int NumStrands = 0;  // 0 to kMaxBars
  int StrandType = 0;  // 0 to 5
  std::array<int, kMaxBars> StrandSize{};
  int StrandPattern = 0;  // 0 circle, 1 and 2 sides of a square
  double StrandCover = 0.0;
  double StrandDiameter = 0.0;
  double StrandArea = 0.0;
  double StrandUltimateStrength = 0.0;  // psi in every units system
  double PrestressForce = 0.0;
  double PrestressLoss = 0.0;  // fraction
};

// Section type 13: for each axial thrust, the bending stiffness EI against moment.
struct UserEICurve {
  double UserThrust = 0.0;            // force
  std::vector<double> UserMoment;     // up to kMaxUserEIPoints
  std::vector<double> UserStiffness;  // EI at each moment
};

struct UserEITable {
  std::vector<UserEICurve> Curves;  // up to kMaxUserEIThrusts
};

// Section types (PileSection::SectionType). The input code -3 is type 3 with a void core.
inline constexpr int kRectangularConcrete = 0;
inline constexpr int kDrilledShaft = 1;
inline constexpr int kCasedShaft = 2;
inline constexpr int kCasedShaftWithCore = 3;
inline constexpr int kVoidCoreInput = -3;
inline constexpr int kSteelPipe = 4;
inline constexpr int kCircularSolidPrestressed = 5;
inline constexpr int kCircularHollowPrestressed = 6;
inline constexpr int kSquareSolidPrestressed = 7;
inline constexpr int kSquareHollowPrestressed = 8;
inline constexpr int kOctagonalSolidPrestressed = 9;
inline constexpr int kOctagonalHollowPrestressed = 10;
inline constexpr int kElastic = 11;
inline constexpr int kElasticPlastic = 12;
inline constexpr int kUserEI = 13;
inline constexpr int kMicropile = 14;

// The prestressed concrete piles (types 5 to 10), analysed with a strand material.
inline constexpr bool Is_Prestressed_Section(int type) {
  return type >= kCircularSolidPrestressed && type <= kOctagonalHollowPrestressed;
}

// Shapes of the elastic sections (PileSection::ElasticShape).
inline constexpr int kShapeRectangular = 1;
inline constexpr int kShapeCircular = 2;
inline constexpr int kShapePipe = 3;
inline constexpr int kShapeStrongH = 4;
inline constexpr int kShapeWeakH = 5;
inline constexpr int kShapePole = 6;

struct PileSection {
  int SectionType = 0;  // 0 to 14
  double SectionLength = 0.0;
  double SectionTopDepth = 0.0;
  double SectionBottomDepth = 0.0;
  double Width = 0.0;
  double SectionDepth = 0.0;  // rectangular section: depth in the bending direction
  double SectionWidth = 0.0;  // rectangular section: width across it
  double CornerChamfer = 0.0;
  double VoidDiameter = 0.0;
  bool b_FillCoreWithConcrete = false;
  // Casing of types 2 and 3, pipe wall of type 4, steel core of type 3.
  double CasingWallThickness = 0.0;
  double CasingYieldStress = 0.0;
  double CasingModulus = 0.0;
  double CoreDiameter = 0.0;
  double CoreWallThickness = 0.0;
  double CoreYieldStress = 0.0;
  double CoreModulus = 0.0;
  ConcreteData Concrete;
  ReinforcementData Rebar;  // bars and strands
  // Elastic sections (types 11 and 12).
  int ElasticShape = 0;  // 1 rect, 2 circ, 3 pipe, 4 strong H, 5 weak H, 6 embedded pole
  double ElasticModulus = 0.0;
  double TopWidth = 0.0;
  double BottomWidth = 0.0;
  double TopDepthOrWall = 0.0;
  double BottomDepthOrWall = 0.0;
  double FlangeThickness = 0.0;
  double WebThickness = 0.0;
  double TopArea = 0.0;
  double BottomArea = 0.0;
  double TopInertia = 0.0;
  double BottomInertia = 0.0;
  double TopPlasticMoment = 0.0;
  double BottomPlasticMoment = 0.0;
  UserEITable UserEI;  // type 13
};

// Pile width and stiffness against depth; two points per section (its top and bottom).
struct PilePropertyTable {
  int NumPoints = 0;  // up to kMaxPilePropertyPoints
  std::array<double, kMaxPilePropertyPoints> PileStation{};
  std::array<double, kMaxPilePropertyPoints> PileWidth{};
  std::array<double, kMaxPilePropertyPoints> PileArea{};
  std::array<double, kMaxPilePropertyPoints> PileInertia{};
  std::array<double, kMaxPilePropertyPoints> PileModulus{};
  // Embedded circular pole only: the pole's own width, used for stresses (its PileWidth is
  // the diameter of the drilled hole); zero for every other section.
  std::array<double, kMaxPilePropertyPoints> PileStressWidth{};
};

struct SoilPropertyPoint {
  double EffectiveUnitWeight = 0.0;
  double Cohesion = 0.0;       // rock codes WeakRock, Vuggy LS, MassRock: qu, stress of materials
  double FrictionAngle = 0.0;  // degrees
  double Epsilon50 = 0.0;      // WeakRock: krm
  double JFactor = 0.0;
  double RQD = 0.0;  // percent
  int TestType = 0;  // Piedmont: 1 SPT, 2 CPT, 3 DMT, 4 PMT
  double N60 = 0.0;
  double ConeTipResistance = 0.0;
  double DilatometerModulus = 0.0;
  double PressuremeterModulus = 0.0;
  double ElasticSubgradeModulus = 0.0;
};

struct UserPyCurve {
  int NumPoints = 0;  // up to kMaxUserPyPoints
  std::array<double, kMaxUserPyPoints> Y{};
  std::array<double, kMaxUserPyPoints> P{};
};

struct SoilLayer {
  int SoilTypeIndex = 0;  // 1 to 20, index of the soil type code
  double XLayerTop = 0.0;
  double XLayerBottom = 0.0;
  SoilPropertyPoint Top;
  SoilPropertyPoint Bottom;
  double SubgradeModulusTop = 0.0;  // 0 selects the criterion's default
  double SubgradeModulusBottom = 0.0;
  UserPyCurve UserCurveTop;
  UserPyCurve UserCurveBottom;
};

// Pile-head load types: Condition1, Condition2.
inline constexpr int kLoadShearMoment = 1;        // shear, moment
inline constexpr int kLoadShearSlope = 2;         // shear, slope (rad)
inline constexpr int kLoadShearRotStiffness = 3;  // shear, rotational stiffness (moment/rad)
inline constexpr int kLoadDeflectionMoment = 4;   // deflection, moment
inline constexpr int kLoadDeflectionSlope = 5;    // deflection, slope (rad)

struct LoadCase {
  int LoadType = 0;  // 1 to 5
  double Condition1 = 0.0;
  double Condition2 = 0.0;
  double AxialThrust = 0.0;
  bool b_PileLengthStudy = false;
};

struct DepthValueTable {  // (depth, value) points
  int NumPoints = 0;
  std::array<double, kMaxLrfdDistributedPoints> Depth{};
  std::array<double, kMaxLrfdDistributedPoints> Value{};
};

struct LrfdLoad {
  int LoadKind = 0;  // 1 to kLrfdLoadKinds
  double Shear = 0.0;
  double Moment = 0.0;
  double Axial = 0.0;
  DepthValueTable DistributedLoad;  // 0 or 2 to 100 points
};

struct LrfdCombination {
  std::array<double, kLrfdLoadKinds> LoadFactor{};
  double FlexureResistanceFactor = 0.0;
  double ShearResistanceFactor = 0.0;
  std::string Name;  // up to kTextLength characters
};

struct PyModifierTable {
  int NumPoints = 0;  // up to kMaxPyModifierPoints
  std::array<double, kMaxPyModifierPoints> Depth{};
  std::array<double, kMaxPyModifierPoints> PMultiplier{};
  std::array<double, kMaxPyModifierPoints> YMultiplier{};
};

struct TipShearTable {
  int NumPoints = 0;  // up to kMaxTipShearPoints
  std::array<double, kMaxTipShearPoints> Displacement{};
  std::array<double, kMaxTipShearPoints> Shear{};
};

struct ProblemData {
  // 1 US customary, 2 SI, 3 general units: fixes the units of every value read.
  int IUNITS = 0;
  std::array<std::string, kMaxTitleLines> Title;  // each up to kTextLength characters
  AnalysisOptions Options;

  int NumSections = 0;
  std::array<PileSection, kMaxSections> Sections{};
  double PileLength = 0.0;          // sum of the section lengths
  double GroundSurfaceDepth = 0.0;  // top of soil layer 1, below the pile head
  PilePropertyTable PileProperties;

  int i_Number_of_Layers = 0;
  std::array<SoilLayer, kMaxLayers> Layers{};

  int NumLoadCases = 0;
  std::array<LoadCase, kMaxLoadCases> LoadCases{};
  // Distributed lateral load (force per length) against depth in the section-dimension
  // unit (inches in US customary units), never converted.
  DepthValueTable DistributedLoad;  // up to kMaxDistributedLoadPoints

  int NumLrfdLoads = 0;
  std::array<LrfdLoad, kMaxLrfdLoads> LrfdLoads{};
  int NumLrfdCombinations = 0;
  std::array<LrfdCombination, kMaxLrfdCombinations> LrfdCombinations{};

  DepthValueTable SoilMovement;  // 2 to kMaxSoilMovementPoints
  PyModifierTable PyModifiers;
  TipShearTable TipShear;
  double GroundSlopeAngle = 0.0;  // radians
  double PileBatterAngle = 0.0;   // radians
  double SlopeMinusBatter = 0.0;  // radians

  int NumPyOutputDepths = 0;
  std::array<double, kMaxPyOutputDepths> PyOutputDepths{};

  int NumUniqueThrusts = 0;
  std::array<double, kMaxThrusts> UniqueThrusts{};  // ascending, distinct

  int KYL = 0;  // 0 for the keyword format
  bool b_ConvertedToInternalUnits = false;
};

}  // namespace tavik

#endif  // TAVIK_RUN_PROBLEM_DATA_H
