// The axial force, the bending moment and the stress maxima of a sliced section.
#include <cmath>

#include "sections/material_curves.h"
#include "sections/moment_curvature.h"

namespace tavik {

SectionComponents Components_Of_Shape(int shape) {
  SectionComponents parts;
  parts.concrete = shape != kShapeSteelPipe;
  parts.bars = shape != kShapeSteelPipe;
  parts.casing =
      shape == kShapeCasedShaft || shape == kShapeCasedShaftWithCore || shape == kShapeSteelPipe;
  parts.core = shape == kShapeSquarePileWithCore || shape == kShapeShaftWithPipeInsert ||
               shape == kShapeCasedShaftWithCore;
  parts.core_concrete = shape == kShapeShaftWithPipeInsert || shape == kShapeCasedShaftWithCore;
  return parts;
}

namespace {
// Components that carry force: a casing or core of zero wall carries none, nor does core
// concrete that is not modelled or not there.
SectionComponents Loaded_Components(const EI_Vars& vars) {
  SectionComponents parts = Components_Of_Shape(vars.i_SectionShape);
  parts.casing = parts.casing && vars.CasingWall > 0.0;
  parts.core = parts.core && vars.CoreWall > 0.0;
  parts.core_concrete = parts.core_concrete && vars.i_CoreFillModel == kCoreConcreteCurve &&
                        vars.b_FillCoreWithConcrete;
  return parts;
}

// The stress of largest magnitude with its sign, the first slice winning a tie.
double Signed_Extreme(const SliceArray& stress, int first, int last) {
  double extreme = 0.0;
  for (int k = first; k <= last; ++k) {
    if (std::fabs(stress[k]) > std::fabs(extreme)) extreme = stress[k];
  }
  return extreme;
}
}  // namespace

double Compute_Axial_Thrust_Force(EI_Vars& vars, double phi, double c, double c_iterate) {
  for (int k = 1; k <= kNumSlices; ++k) vars.Strain[k] = (c - vars.rd_SliceDepth[k]) * phi;
  const SectionComponents shape = Components_Of_Shape(vars.i_SectionShape);
  // The order matters for the shared cracking flag: the concrete rewrites it, the core
  // concrete can only set it.
  if (shape.concrete && vars.i_ConcreteModel == kConcreteCurve) {
    Compute_Concrete_Stresses(vars, phi, c_iterate);
  }
  if (shape.casing) Compute_Casing_Stresses(vars);
  if (shape.bars) Compute_Rebar_Stresses(vars);
  if (shape.core) Compute_Core_Stresses(vars);
  if (shape.core_concrete) Compute_Core_Concrete_Stresses(vars, phi, c_iterate);

  const SectionComponents loaded = Loaded_Components(vars);
  double force = 0.0;
  for (int k = 1; k <= kNumSlices; ++k) {
    double slice = 0.0;
    if (loaded.concrete) slice += vars.ConcreteStress[k] * vars.ConcreteSliceArea[k];
    if (loaded.bars) slice += vars.RebarStress[k] * vars.RebarSliceArea[k];
    if (loaded.casing) slice += vars.CasingStress[k] * vars.CasingSliceArea[k];
    force += slice;
  }
  if (loaded.core || loaded.core_concrete) {
    for (int k = vars.i_CoreTopSlice; k <= vars.i_CoreBottomSlice; ++k) {
      if (loaded.core) force += vars.CoreStress[k] * vars.CoreSliceArea[k];
      if (loaded.core_concrete) force += vars.CoreConcreteStress[k] * vars.CoreConcreteSliceArea[k];
    }
  }
  return force;
}

void Compute_Section_Moment(const EI_Vars& vars, MomentCurvatureCurve& curve, int i) {
  const SectionComponents loaded = Loaded_Components(vars);
  const double half_depth = vars.rd_Depth / 2.0;
  double moment = 0.0;
  for (int k = 1; k <= kNumSlices; ++k) {
    double slice = 0.0;
    if (loaded.concrete) slice += vars.ConcreteStress[k] * vars.ConcreteSliceArea[k];
    if (loaded.bars) slice += vars.RebarStress[k] * vars.RebarSliceArea[k];
    if (loaded.casing) slice += vars.CasingStress[k] * vars.CasingSliceArea[k];
    moment += slice * (half_depth - vars.rd_SliceDepth[k]);
  }
  if (loaded.core || loaded.core_concrete) {
    for (int k = vars.i_CoreTopSlice; k <= vars.i_CoreBottomSlice; ++k) {
      double slice = 0.0;
      if (loaded.core) slice += vars.CoreStress[k] * vars.CoreSliceArea[k];
      if (loaded.core_concrete) slice += vars.CoreConcreteStress[k] * vars.CoreConcreteSliceArea[k];
      moment += slice * (half_depth - vars.rd_SliceDepth[k]);
    }
  }
  const bool pipe = vars.i_SectionShape == kShapeSteelPipe;
  // The curve's moment never decreases (the steel pipe keeps the computed value).
  curve.Moment[i] = (i >= 2 && !pipe) ? std::max(curve.Moment[i - 1], moment) : moment;
  const double phi = curve.Curvature[i];
  const double c = curve.NeutralAxisDepth[i];
  curve.BendingStiffness[i] = curve.Moment[i] / phi;
  curve.MaxCompStrain[i] = pipe ? phi * c : vars.rd_EpsPc + phi * c;
  curve.MaxTensStrain[i] = phi * (c - vars.rd_Depth);
}

void Compute_Section_Maxima(const EI_Vars& vars, MomentCurvatureCurve& curve, int i) {
  const SectionComponents shape = Components_Of_Shape(vars.i_SectionShape);
  if (shape.concrete) {
    double largest = vars.ConcreteStress[1];
    for (int k = 2; k <= kNumSlices; ++k) largest = std::max(largest, vars.ConcreteStress[k]);
    curve.MaxConcreteStress[i] = largest;
  }
  if (shape.bars) curve.MaxSteelStress[i] = Signed_Extreme(vars.RebarStress, 1, kNumSlices);
  if (shape.casing) curve.MaxCasingStress[i] = Signed_Extreme(vars.CasingStress, 1, kNumSlices);
  if (vars.i_SectionShape == kShapeCasedShaftWithCore) {
    curve.MaxCoreStress[i] =
        Signed_Extreme(vars.CoreStress, vars.i_CoreTopSlice, vars.i_CoreBottomSlice);
  }
  if (vars.i_SectionShape == kShapeRoundPile && vars.i_SteelModel == kRebarModel) {
    // The strain at each bar's centre; the smallest is the most tensile.
    const double phi = curve.Curvature[i];
    const double c = curve.NeutralAxisDepth[i];
    double smallest = 0.0;
    for (int b = 0; b < vars.NumBars; ++b) {
      const double strain = (c - (vars.rd_Depth / 2.0 - vars.BarY[b])) * phi;
      if (b == 0 || strain < smallest) smallest = strain;
    }
    curve.MinBarStrain[i] = smallest;
  }
}

}  // namespace tavik
