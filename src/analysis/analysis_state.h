// The working state of the lateral analysis: the load case being solved (its head
// conditions, tip shear, iteration count), the elimination coefficients of the
// finite-difference solver, the response along the pile with its running maxima, the
// equilibrium check of the results pass, and the values kept per load case for the summary
// and the pile-head studies. One instance per run (RunContext::Analysis); fixed-size arrays
// indexed like the node arrays of PileNodes (element i = node i), so nothing is allocated
// while a load case is iterated.
//
// Units: the run's internal units (lbs and inches in US customary units, kN and metres in
// SI, a consistent force and length in general units).
#ifndef TAVIK_ANALYSIS_ANALYSIS_STATE_H
#define TAVIK_ANALYSIS_ANALYSIS_STATE_H

#include <array>

#include "profile/pile_nodes.h"
#include "run/problem_data.h"

namespace tavik {

using NodeFlagArray = std::array<bool, kMaxNodeSlots + 1>;

// The pile-head conditions in force for the case being solved. Only the two of the load
// type are used by the solver; the results pass replaces some of them by the computed
// pile-head values (see Node_Response).
struct HeadConditions {
  int LoadType = 0;                  // 1 to 5
  double Shear = 0.0;                // V (types 1 to 3)
  double Moment = 0.0;               // M (types 1 and 4)
  double Slope = 0.0;                // S, radians (types 2 and 5)
  double RotationalStiffness = 0.0;  // k-theta = M / S (type 3)
  double Deflection = 0.0;           // yt (types 4 and 5)
  double AxialThrust = 0.0;          // Q, compression positive
};

// Coefficients of the two-term recurrence y(m) = A(m) y(m-1) - B(m) y(m-2) + Cw(m) + Cv(m)
// left by the upward elimination (element m = node m).
struct EliminationCoefficients {
  NodeArray D{};  // pivot
  NodeArray A{};
  NodeArray B{};
  NodeArray Cw{};  // constant term from the distributed load
  NodeArray Cv{};  // constant term from the tip shear
};

// The dense system of the pile-head unknowns: F (column-major, leading dimension 5), the
// right-hand side G and the solution YG; load type 4 uses the leading 4 x 4 part.
inline constexpr int kHeadSystemSize = 5;
struct HeadSystem {
  std::array<double, kHeadSystemSize * kHeadSystemSize> F{};
  std::array<double, kHeadSystemSize> G{};
  std::array<double, kHeadSystemSize> YG{};
  // F(i, j), 1-based.
  double& At(int i, int j) { return F[(j - 1) * kHeadSystemSize + (i - 1)]; }
  double At(int i, int j) const { return F[(j - 1) * kHeadSystemSize + (i - 1)]; }
};

// The response along the pile, filled node by node by Node_Response.
struct NodeResponseValues {
  NodeArray Moment{};
  NodeArray Shear{};
  NodeArray Slope{};
  NodeArray SoilReaction{};
  NodeArray TotalStress{};
  // Values of the node visited last.
  double CurrentMoment = 0.0;
  double CurrentShear = 0.0;
  double CurrentSlope = 0.0;
  double CurrentSoilReaction = 0.0;
  double CurrentStress = 0.0;
  // Node 1 values of the last pass: head shear V1, head moment M1, the slope S' (for load
  // type 5 the one-sided slope, otherwise the central one), and M3' of load type 5, which
  // node 2 reuses.
  double HeadShear = 0.0;
  double HeadMoment = 0.0;
  double HeadSlope = 0.0;
  double M3Prime = 0.0;
};

// Running maxima of one pass over the nodes (reset by the callers before each pass).
struct ResponseMaxima {
  double Moment = 0.0;  // signed value of the largest |moment|
  double MomentDepth = 0.0;
  double Shear = 0.0;  // signed value of the largest |shear|
  double ShearDepth = 0.0;
  double Stress = 0.0;  // largest total stress
};

// Largest |moment| and |shear| of one pile section in one load case, with their nodes.
struct SectionMaxima {
  double Moment = 0.0;
  double Shear = 0.0;
  int MomentNode = 0;
  int ShearNode = 0;
};
using SectionMaximaTable =
    std::array<std::array<SectionMaxima, kMaxSections + 1>, kMaxLoadCases + 1>;

// Values kept per load case c for the summary and the pile-head stiffness matrix.
struct LoadCaseSummary {
  // The conditions the case was solved for (the input load case, or the factored LRFD
  // combination, solved as load type 1).
  int LoadType = 0;
  double Condition1 = 0.0;
  double Condition2 = 0.0;
  double AxialThrust = 0.0;
  double HeadDeflection = 0.0;  // y(1)
  double HeadSlope = 0.0;       // S' of node 1 (computed, also for load type 5)
  double MaxMoment = 0.0;       // signed
  double MaxMomentDepth = 0.0;
  double MaxShear = 0.0;  // signed
  double MaxShearDepth = 0.0;
  double HeadShear = 0.0;   // V1 computed at node 1
  double HeadMoment = 0.0;  // M1 computed at node 1
  int Iterations = 0;       // iterations the case took
};

// The pile-head stiffness matrix: ten fixed-head cases under growing shear (K22, K32) and ten
// cases of restrained head deflection under growing moment (K23, K33), element i = load
// level i (1 to 10). Secant stiffnesses in the run's units: force/length, moment/length,
// force/radian, moment/radian. Valid once Computed is set.
inline constexpr int kStiffnessLoadLevels = 10;
struct HeadStiffnessMatrix {
  bool Computed = false;
  std::array<double, kStiffnessLoadLevels + 1> Shear{};   // applied shear of case i
  std::array<double, kStiffnessLoadLevels + 1> Moment{};  // applied moment of case 10 + i
  std::array<double, kStiffnessLoadLevels + 1> K22{};
  std::array<double, kStiffnessLoadLevels + 1> K23{};
  std::array<double, kStiffnessLoadLevels + 1> K32{};
  std::array<double, kStiffnessLoadLevels + 1> K33{};
};

// The pile-head deflection against pile length of one load case: the points recorded for
// the trial lengths that converged within the limits, longest first.
inline constexpr int kLengthStudyTrials = 20;
struct LengthStudyPoint {
  double PileLength = 0.0;
  double HeadDeflection = 0.0;
  double MaxMoment = 0.0;  // signed
  double MaxShear = 0.0;   // signed
};
struct LengthStudyCurve {
  int NumPoints = 0;
  std::array<LengthStudyPoint, kLengthStudyTrials> Points{};  // element p - 1 = point p
};

// State of the equilibrium check, carried from one segment to the next.
struct EquilibriumCheck {
  double Ma = 0.0;           // moment at the upper node of the segment
  double Mb = 0.0;           // moment at the lower node
  double Va = 0.0;           // bending shear at the upper node
  double Sa = 0.0;           // slope at the upper node
  double NodeMoment1 = 0.0;  // moments of nodes 1 and 2, remembered for the first segment
  double NodeMoment2 = 0.0;
  double MaxForce = 0.0;  // signed force imbalance of largest magnitude
  int MaxForceNode = 0;
  double MaxMoment = 0.0;  // signed moment imbalance of largest magnitude
  int MaxMomentNode = 0;
};

struct LateralAnalysisState {
  int NumLoadCases = 0;  // load cases of this analysis (input cases)
  int CurrentCase = 0;   // c, the case being solved
  HeadConditions Head;
  double TipShear = 0.0;  // Vt, from the tip deflection of the previous solution
  int Iteration = 0;      // iteration counter of the case (1-based once iterating)
  double dYmax = 0.0;     // largest |change of deflection| of the last solution
  // Moment-curvature tables in use: the thrust Qs in table units and, for each section j,
  // the index k of its tables (ThrustIndex: that of section 1).
  int ThrustIndex = 1;
  double TableThrust = 0.0;
  std::array<int, kMaxSections + 1> SectionThrustIndex{};

  EliminationCoefficients Elimination;
  HeadSystem Head_System;
  NodeResponseValues Response;
  ResponseMaxima Maxima;
  SectionMaximaTable SectionMax{};
  std::array<LoadCaseSummary, kMaxLoadCases + 1> Cases{};  // element c = load case c
  EquilibriumCheck Equilibrium;

  // Nodes whose curvature lies beyond the last point of their moment-curvature table, and
  // the run-wide flag of the same meaning.
  NodeFlagArray b_CurvatureBeyondCurve{};
  bool b_AnyCurvatureBeyondCurve = false;

  // Set only while the pile-head stiffness matrix is computed: the per-case report blocks
  // are then not written, and Cases[1 .. 20] receive the values of the stiffness cases.
  bool b_StiffnessMatrixMode = false;
  HeadStiffnessMatrix HeadStiffness;
  std::array<LengthStudyCurve, kMaxLoadCases + 1> LengthStudies{};  // element c = load case c
  // The number of p-y output depths, held here while the load cases run (the criteria see
  // zero output depths during the analysis).
  int SavedNumPyOutputDepths = 0;
  double SavedPileLength = 0.0;
};

}  // namespace tavik

#endif  // TAVIK_ANALYSIS_ANALYSIS_STATE_H
