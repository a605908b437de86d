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
  // The order matters for the shared cracking flag: the concrete rewrites it, the core
  // concrete can only set it. A casing or core of zero wall, and core concrete that is not
  // modelled or not there, carry no force.
  const SectionComponents shape = Components_Of_Shape(vars.i_SectionShape);
  const SectionComponents loaded = Loaded_Components(vars);
  double concrete = 0.0;
  double casing = 0.0;
  double bars = 0.0;
  double core = 0.0;
  double core_concrete = 0.0;
  if (shape.concrete && vars.i_ConcreteModel == kConcreteCurve) {
    concrete = Compute_Concrete_Stresses(vars, phi, c_iterate);
  }
  if (shape.casing) casing = Compute_Casing_Stresses(vars);
  if (shape.bars) bars = Compute_Rebar_Stresses(vars);
  if (shape.core) core = Compute_Core_Stresses(vars);
  if (shape.core_concrete) core_concrete = Compute_Core_Concrete_Stresses(vars, phi, c_iterate);
  double force = concrete + bars;
  if (loaded.casing) force += casing;
  if (loaded.core) force += core;
  if (loaded.core_concrete) force += core_concrete;
  return force;
}

void Record_Yield(EI_Vars& vars, double phi, double c) {
  // The strain is linear over the depth, so a steel curve reaches its limit somewhere when it
  // does at one end of the range its stresses are formed over.
  auto beyond = [&](double modulus, double fy, int first, int last) {
    const double top = modulus * ((c - vars.rd_SliceDepth[first]) * phi);
    const double bottom = modulus * ((c - vars.rd_SliceDepth[last]) * phi);
    return std::fabs(top) > fy || std::fabs(bottom) > fy;
  };
  const SectionComponents shape = Components_Of_Shape(vars.i_SectionShape);
  bool yielded = false;
  if (shape.bars && vars.i_SteelModel == kRebarModel && vars.NumBars > 0) {
    yielded = beyond(vars.rd_Es, vars.rd_Fy, 1, kNumSlices);
  }
  if (shape.casing) yielded = yielded || beyond(vars.rd_CasingEs, vars.rd_CasingFy, 1, kNumSlices);
  if (shape.core && vars.CoreWall > 0.0 && vars.i_CoreTopSlice >= 1) {
    yielded = yielded ||
              beyond(vars.rd_CoreEs, vars.rd_CoreFy, vars.i_CoreTopSlice, vars.i_CoreBottomSlice);
  }
  if (yielded) vars.b_Yielded = true;
}

void Compute_Section_Moment(const EI_Vars& vars, MomentCurvatureCurve& curve, int i) {
  const SectionComponents loaded = Loaded_Components(vars);
  // Each component's slice forces times their lever arms about the mid-depth.
  const double half_depth = vars.rd_Depth / 2.0;
  auto component = [&](const SliceArray& stress, const SliceArray& area, int first, int last) {
    double sum = 0.0;
    for (int k = first; k <= last; ++k) {
      sum += stress[k] * area[k] * (half_depth - vars.rd_SliceDepth[k]);
    }
    return sum;
  };
  double moment = 0.0;
  if (loaded.concrete) {
    moment += component(vars.ConcreteStress, vars.ConcreteSliceArea, 1, kNumSlices);
  }
  if (loaded.bars) {
    double bars = 0.0;
    for (int b = 0; b < vars.NumBarSlices; ++b) {
      const int k = vars.BarSlice[b];
      bars += vars.RebarStress[k] * vars.RebarSliceArea[k] * (half_depth - vars.rd_SliceDepth[k]);
    }
    moment += bars;
  }
  if (loaded.casing) moment += component(vars.CasingStress, vars.CasingSliceArea, 1, kNumSlices);
  const int top = vars.i_CoreTopSlice;
  const int bottom = vars.i_CoreBottomSlice;
  if (loaded.core) moment += component(vars.CoreStress, vars.CoreSliceArea, top, bottom);
  if (loaded.core_concrete) {
    moment += component(vars.CoreConcreteStress, vars.CoreConcreteSliceArea, top, bottom);
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
  if (shape.bars) {
    // The bar curve at every slice, with or without bars. The reinforcing bar curve rises
    // with the strain, so its extremes lie at the top and bottom slices (the top one
    // winning a tie).
    double extreme = 0.0;
    if (vars.i_SteelModel == kRebarModel) {
      const double top = Rebar_Stress(vars, vars.Strain[1]);
      const double bottom = Rebar_Stress(vars, vars.Strain[kNumSlices]);
      extreme = std::fabs(bottom) > std::fabs(top) ? bottom : top;
    } else {
      for (int k = 1; k <= kNumSlices; ++k) {
        const double stress = Rebar_Stress(vars, vars.Strain[k]);
        if (std::fabs(stress) > std::fabs(extreme)) extreme = stress;
      }
    }
    curve.MaxSteelStress[i] = extreme;
  }
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
