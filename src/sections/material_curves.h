// The stress-strain curves of the section materials: concrete (with the top-down cracking
// rule), concrete inside a steel core, reinforcing bars, the six prestressing strand and
// bar materials, casing and pipe steel, and the steel core. Each routine turns the slice
// strains of the current evaluation (EI_Vars::Strain) into the stresses of its material,
// and maintains the run-message flags: b_Cracked describes the last evaluation, b_Yielded
// latches for the rest of the thrust's curve.
//
// Compression is positive. Stresses in ksi (US customary) or kPa (SI): the empirical
// constants are in ksi and are scaled by rd_StressScale in SI.
#ifndef TAVIK_SECTIONS_MATERIAL_CURVES_H
#define TAVIK_SECTIONS_MATERIAL_CURVES_H

#include "sections/ei_vars.h"

namespace tavik {

// Concrete constants from f'c (i_ConcreteModel 2): Ec = 57000 sqrt(f'c) psi, the modulus of
// rupture 7.5 sqrt(f'c) psi (reinforced) or 4 sqrt(f'c) psi (prestressed) as a tension,
// eps0 = 1.7 f'c / Ec, and the cracking strain where the tension branch reaches fr.
// Without concrete (i_ConcreteModel 1) only Ec = 0 is set.
void Set_Concrete_Properties(EI_Vars& vars);

// Each stress routine also returns its material's axial force, the sum over its slices of
// stress times slice area. Concrete and core concrete need the curvature phi and the
// neutral axis depth c of the evaluation for the extreme tension fibre test.
double Compute_Concrete_Stresses(EI_Vars& vars, double phi, double c);
double Compute_Core_Concrete_Stresses(EI_Vars& vars, double phi, double c);
// Bars and strands: the stresses of the slices that hold bar area (Rebar_Stress gives the
// curve at any slice strain). A reinforcing bar curve that reaches its yield stress anywhere
// on the depth sets b_Yielded when the section has bars; the strand curves never do.
double Compute_Rebar_Stresses(EI_Vars& vars);
double Rebar_Stress(const EI_Vars& vars, double strain);
double Compute_Casing_Stresses(EI_Vars& vars);
double Compute_Core_Stresses(EI_Vars& vars);

// The stress (ksi) of strand material `steel_model` (4 to 9) at the total strand strain x;
// `deformed_fpu` is the ultimate strength (ksi) of deformed bars.
double Strand_Stress_Ksi(int steel_model, double x, double deformed_fpu);

// Ultimate strength (ksi) of deformed prestressing bars by the size code of the first bar.
double Deformed_Bar_Fpu(int size_code);

}  // namespace tavik

#endif  // TAVIK_SECTIONS_MATERIAL_CURVES_H
