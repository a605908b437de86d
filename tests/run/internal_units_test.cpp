// The conversion of the input to internal units: in US customary units the lengths along
// the pile go from feet to inches, cohesion from psf to psi (not the compressive strength of
// the rock codes, given in psi), unit weights from pcf to pci; once per run; SI and general
// units are left as read.
#include <gtest/gtest.h>

#include "pycurves/soil_type_codes.h"
#include "run/internal_units.h"

namespace tavik {
namespace {

constexpr int kSoftClay = 1;  // "SoftClay"
constexpr int kSand = 5;      // "Sand"
constexpr int kWeakRock = 8;  // "WeakRock"
constexpr int kVuggyLS = 9;   // "Vuggy LS"
constexpr int kUserPy = 14;   // "User p-y"

// A two-section pile over four layers with every converted table in use, in input units.
ProblemData Sample_Problem(int units) {
  ProblemData p;
  p.IUNITS = units;
  p.NumSections = 2;
  p.Sections[0].SectionLength = 10.0;
  p.Sections[0].SectionBottomDepth = 10.0;
  p.Sections[0].Width = 36.0;  // section dimension, inches already
  p.Sections[1].SectionLength = 50.0;
  p.Sections[1].SectionTopDepth = 10.0;
  p.Sections[1].SectionBottomDepth = 60.0;
  p.PileLength = 60.0;
  p.GroundSurfaceDepth = 2.0;
  p.PileProperties.NumPoints = 4;
  p.PileProperties.PileStation = {0.0, 10.0, 10.0, 60.0};
  p.PileProperties.PileWidth = {36.0, 36.0, 30.0, 30.0};

  const int codes[] = {kSoftClay, kWeakRock, kVuggyLS, kUserPy};
  p.i_Number_of_Layers = 4;
  for (int j = 0; j < 4; ++j) {
    SoilLayer& layer = p.Layers[j];
    layer.SoilTypeIndex = codes[j];
    layer.XLayerTop = 2.0 + 20.0 * j;
    layer.XLayerBottom = 22.0 + 20.0 * j;
    layer.Top.EffectiveUnitWeight = 110.592;  // pcf
    layer.Bottom.EffectiveUnitWeight = 51.84;
    layer.Top.Cohesion = 1440.0;  // psf for soils, psi for the rock codes
    layer.Bottom.Cohesion = 2880.0;
    layer.Top.FrictionAngle = 30.0;
    layer.SubgradeModulusTop = 500.0;  // pci, not converted
  }
  p.Layers[3].UserCurveTop.NumPoints = 2;
  p.Layers[3].UserCurveTop.Y = {0.0, 1.0};  // inches: a deflection, not a depth
  p.Layers[3].UserCurveTop.P = {0.0, 100.0};

  p.SoilMovement.NumPoints = 2;
  p.SoilMovement.Depth = {0.0, 30.0};
  p.SoilMovement.Value = {2.0, 0.0};  // inches
  p.PyModifiers.NumPoints = 2;
  p.PyModifiers.Depth = {2.0, 40.0};
  p.PyModifiers.PMultiplier = {0.5, 0.8};
  p.PyModifiers.YMultiplier = {1.0, 1.0};
  p.NumPyOutputDepths = 2;
  p.PyOutputDepths = {5.0, 25.0};
  p.DistributedLoad.NumPoints = 2;
  p.DistributedLoad.Depth = {0.0, 120.0};  // inches already
  p.Options.ConvergenceTolerance = 1.0e-5;
  p.Options.ExcessDeflectionLimit = 100.0;
  p.TipShear.NumPoints = 2;
  p.TipShear.Displacement = {0.0, 0.5};
  return p;
}

TEST(InternalUnits, USCustomaryConvertsLengthsStrengthsAndWeights) {
  ProblemData p = Sample_Problem(kUnitsUSCustomary);
  Convert_To_Internal_Units(p);
  EXPECT_TRUE(p.b_ConvertedToInternalUnits);

  // Lengths along the pile: x 12 in/ft.
  EXPECT_EQ(p.PileLength, 720.0);
  EXPECT_EQ(p.GroundSurfaceDepth, 24.0);
  EXPECT_EQ(p.Sections[0].SectionLength, 120.0);
  EXPECT_EQ(p.Sections[0].SectionBottomDepth, 120.0);
  EXPECT_EQ(p.Sections[1].SectionLength, 600.0);
  EXPECT_EQ(p.Sections[1].SectionTopDepth, 120.0);
  EXPECT_EQ(p.Sections[1].SectionBottomDepth, 720.0);
  EXPECT_EQ(p.PileProperties.PileStation[1], 120.0);
  EXPECT_EQ(p.PileProperties.PileStation[3], 720.0);
  EXPECT_EQ(p.Layers[0].XLayerTop, 24.0);
  EXPECT_EQ(p.Layers[3].XLayerBottom, 984.0);  // 82 ft
  EXPECT_EQ(p.SoilMovement.Depth[1], 360.0);
  EXPECT_EQ(p.PyModifiers.Depth[0], 24.0);
  EXPECT_EQ(p.PyModifiers.Depth[1], 480.0);
  EXPECT_EQ(p.PyOutputDepths[0], 60.0);
  EXPECT_EQ(p.PyOutputDepths[1], 300.0);

  // SoftClay: 1440 psf / 144 = 10 psi, 2880 psf = 20 psi. The rock codes keep qu in psi.
  EXPECT_DOUBLE_EQ(p.Layers[0].Top.Cohesion, 10.0);
  EXPECT_DOUBLE_EQ(p.Layers[0].Bottom.Cohesion, 20.0);
  for (int j : {1, 2}) {
    EXPECT_EQ(p.Layers[j].Top.Cohesion, 1440.0) << Soil_Type_Code(p.Layers[j].SoilTypeIndex);
    EXPECT_EQ(p.Layers[j].Bottom.Cohesion, 2880.0);
  }
  EXPECT_DOUBLE_EQ(p.Layers[3].Top.Cohesion, 10.0);
  // Unit weights of every layer, rock included: 110.592 pcf / 1728 = 0.064 pci,
  // 51.84 pcf / 1728 = 0.03 pci.
  for (int j = 0; j < 4; ++j) {
    EXPECT_DOUBLE_EQ(p.Layers[j].Top.EffectiveUnitWeight, 0.064) << j;
    EXPECT_DOUBLE_EQ(p.Layers[j].Bottom.EffectiveUnitWeight, 0.03) << j;
  }

  // What is not a length along the pile, a cohesion or a unit weight stays as read.
  EXPECT_EQ(p.Sections[0].Width, 36.0);
  EXPECT_EQ(p.PileProperties.PileWidth[2], 30.0);
  EXPECT_EQ(p.Layers[0].Top.FrictionAngle, 30.0);
  EXPECT_EQ(p.Layers[0].SubgradeModulusTop, 500.0);
  EXPECT_EQ(p.Layers[3].UserCurveTop.Y[1], 1.0);
  EXPECT_EQ(p.Layers[3].UserCurveTop.P[1], 100.0);
  EXPECT_EQ(p.SoilMovement.Value[0], 2.0);
  EXPECT_EQ(p.PyModifiers.PMultiplier[0], 0.5);
  EXPECT_EQ(p.DistributedLoad.Depth[1], 120.0);
  EXPECT_EQ(p.TipShear.Displacement[1], 0.5);
  EXPECT_EQ(p.Options.ConvergenceTolerance, 1.0e-5);
  EXPECT_EQ(p.Options.ExcessDeflectionLimit, 100.0);
}

TEST(InternalUnits, ConvertsOncePerRun) {
  ProblemData p = Sample_Problem(kUnitsUSCustomary);
  p.Layers[0].SoilTypeIndex = kSand;
  Convert_To_Internal_Units(p);
  Convert_To_Internal_Units(p);
  EXPECT_EQ(p.PileLength, 720.0);
  EXPECT_EQ(p.Layers[3].XLayerBottom, 984.0);
  EXPECT_EQ(p.PyOutputDepths[1], 300.0);
  EXPECT_DOUBLE_EQ(p.Layers[0].Top.EffectiveUnitWeight, 0.064);
  EXPECT_DOUBLE_EQ(p.Layers[0].Top.Cohesion, 10.0);
}

TEST(InternalUnits, SIAndGeneralUnitsUnchanged) {
  for (int units : {kUnitsSI, kUnitsGeneral}) {
    SCOPED_TRACE(units);
    ProblemData p = Sample_Problem(units);
    Convert_To_Internal_Units(p);
    EXPECT_TRUE(p.b_ConvertedToInternalUnits);
    EXPECT_EQ(p.PileLength, 60.0);
    EXPECT_EQ(p.GroundSurfaceDepth, 2.0);
    EXPECT_EQ(p.Sections[1].SectionBottomDepth, 60.0);
    EXPECT_EQ(p.PileProperties.PileStation[3], 60.0);
    EXPECT_EQ(p.Layers[3].XLayerBottom, 82.0);
    EXPECT_EQ(p.SoilMovement.Depth[1], 30.0);
    EXPECT_EQ(p.PyModifiers.Depth[1], 40.0);
    EXPECT_EQ(p.PyOutputDepths[1], 25.0);
    EXPECT_EQ(p.Layers[0].Top.Cohesion, 1440.0);
    EXPECT_EQ(p.Layers[0].Top.EffectiveUnitWeight, 110.592);
  }
}

// Only the entries in use are converted: a table's tail (left by an earlier, longer block
// of the same kind) stays as it is and is never read.
TEST(InternalUnits, OnlyEntriesInUse) {
  ProblemData p = Sample_Problem(kUnitsUSCustomary);
  p.i_Number_of_Layers = 1;
  p.NumPyOutputDepths = 1;
  Convert_To_Internal_Units(p);
  EXPECT_EQ(p.Layers[0].XLayerTop, 24.0);
  EXPECT_EQ(p.Layers[1].XLayerTop, 22.0);
  EXPECT_EQ(p.PyOutputDepths[1], 25.0);
}

}  // namespace
}  // namespace tavik
