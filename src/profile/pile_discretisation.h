// The finite-difference discretisation of the pile and the per-node data it fills in
// run.Nodes (see profile/pile_nodes.h): node depths, bending stiffness, distributed load,
// soil movement, section membership and the node ranges of the soil layers.
//
// Units are the run's internal units: lengths in inches (US customary) or metres (SI),
// forces in pounds or kilonewtons.
#ifndef TAVIK_PROFILE_PILE_DISCRETISATION_H
#define TAVIK_PROFILE_PILE_DISCRETISATION_H

#include "run/run_context.h"

namespace tavik {

// Pile properties at one depth along the axis.
struct PileProperties {
  double b = 0.0;   // width or diameter (the drilled hole of an embedded pole)
  double b2 = 0.0;  // embedded circular pole: the pole's own width (stresses); else 0
  double I = 0.0;   // second moment of area
  double A = 0.0;   // cross-sectional area
  double EI = 0.0;  // bending stiffness E * I
};

// Start of an analysis that computes pile response: makes the layer tops contiguous from
// the ground surface (XLayerTop(1) = GroundSurfaceDepth, XLayerTop(j + 1) =
// XLayerBottom(j)), saves the pile length in run.Nodes.rd_PileLength and sets n, N, h and
// the node depths. Internal error 999 when the option NumIncrements is outside 1..500.
void Start_Pile_Discretisation(RunContext& run);

// Start of each load case (and each trial length of the length study, which sets
// run.Nodes.rd_PileLength first): node depths along the axis and vertical, the distributed
// load of each node (not with the LRFD option: the LRFD per-type loads are then formed by
// the LRFD routines), EI from the pile property table, sections, layer node ranges and
// soil movements.
void Discretise_Pile(RunContext& run);

// Width, second width, I, A and EI at depth x along the axis, from the pile property table:
// linear between stations; at a section boundary (two stations at one depth) the section
// below; beyond the last station (or with fewer than two) the last station's values.
PileProperties Pile_Properties_At_Depth(const RunContext& run, double x);

// Distributed lateral load (force/length) of a node at depth x along the axis: the
// profile integrated over the node's tributary interval [x - h/2, x + h/2], cut to the
// profile's depth range, divided by the full increment h.
double Distributed_Load_At_Node(const RunContext& run, double x);

// i_NodeSection of nodes 1..num_nodes: node i belongs to the section k with
// PileStation(2k-1) < depth <= PileStation(2k) (node 1 to section 1), so a node at a
// section boundary counts in the section above.
void Assign_Section_To_Nodes(RunContext& run, int num_nodes);

// i_TopNodeInLayer / i_BottomNodeInLayer of every layer from the vertical node depths
// (the along-axis variant uses rd_NodeDepth; the p-y output at user depths uses it). A
// node at a layer boundary belongs to the layer below; nodes above the ground surface
// belong to no layer; a layer that holds no node gets 0 for both.
void Assign_Nodes_To_Layers(RunContext& run, int num_nodes);
void Assign_Nodes_To_Layers_Along_Axis(RunContext& run, int num_nodes);

// rd_NodeSoilMove of nodes 1..num_nodes from the soil movement profile (2 or more points):
// linear between points, 0 outside the profile's depth range.
void Soil_Movement_At_Nodes(RunContext& run, int num_nodes);

// The thin-layer check of the first iteration, for layer j after its turn in the pass:
// runtime error 29 (status 229, no message code) when layer j > 1 holds no node, starts
// above the tip, never had its equivalent depth computed and does not lie below rock.
void Check_Layer_Has_Node(RunContext& run, int j);

}  // namespace tavik

#endif  // TAVIK_PROFILE_PILE_DISCRETISATION_H
