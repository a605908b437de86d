// The discretisation of the pile into nodes, the membership of nodes in sections and soil
// layers, and the thin-layer check.
#include <algorithm>
#include <climits>
#include <cmath>

#include "lrfd/lrfd.h"
#include "profile/pile_discretisation.h"
#include "pycurves/current_soil.h"

namespace tavik {

namespace {

constexpr int kThinLayerError = 29;  // runtime error 29, stored without a message code
constexpr std::string_view kInternalErrorCode = "RUN00999";

// Checks the number of increments before any node array is touched. The options reader
// allows 40 to 500; anything else here is an internal inconsistency (error 999).
bool Increments_Fit(RunContext& run, int increments) {
  if (increments >= 1 && increments <= kMaxIncrements) return true;
  run.Report.Line()
      .A("Internal error: the number of pile increments ")
      .I(increments, 0)
      .A(" does not fit the node tables.");
  run.Report.End_Line();
  Terminate_With_Error(run, kInternalErrorCode, kInternalError);
  return false;
}

// Node depths (i - 1) * h along the axis, the last node exactly at the pile length.
void Set_Node_Depths(PileNodes& nodes) {
  const int n = nodes.i_Num_Increments;
  nodes.i_Num_Nodes = n + 1;
  nodes.rd_Increment = nodes.rd_PileLength / n;
  for (int i = 1; i <= n + 1; ++i) nodes.rd_NodeDepth[i] = (i - 1) * nodes.rd_Increment;
  nodes.rd_NodeDepth[n + 1] = nodes.rd_PileLength;
}

// The node-to-layer scan on the depth array `depth` (vertical or along the axis).
void Assign_Layers(RunContext& run, int num_nodes, const NodeArray& depth) {
  run.i_TopNodeInLayer.fill(0);
  run.i_BottomNodeInLayer.fill(0);
  const int n = std::clamp(num_nodes, 0, kMaxNodeSlots);
  const int num_layers = std::clamp(run.Problem.i_Number_of_Layers, 0, kMaxLayers);
  if (num_layers == 0) {
    run.i_BottomNodeInLayer[1] = n;
    return;
  }
  if (n == 0) return;
  int stop = num_layers + 1;  // the layer that contains the tip; past the last when none does
  for (int j = 1; j <= num_layers; ++j) {
    const SoilLayer& layer = run.Problem.Layers[j - 1];
    int first = n + 1;
    for (int i = 1; i <= n; ++i) {
      if (layer.XLayerTop <= depth[i]) {
        first = i;
        break;
      }
    }
    if (first > n || layer.XLayerBottom < depth[first]) continue;  // holds no node
    run.i_TopNodeInLayer[j] = first;
    if (layer.XLayerBottom < depth[n]) continue;  // the pile continues below the layer
    stop = j;
    break;
  }
  run.i_BottomNodeInLayer[stop] = n;
  // Each earlier layer that holds a node ends just above the next layer that holds one.
  int next_top = run.i_TopNodeInLayer[stop];
  for (int k = stop - 1; k >= 1; --k) {
    if (run.i_TopNodeInLayer[k] == 0) continue;
    if (next_top > 0) {
      run.i_BottomNodeInLayer[k] = next_top - 1;
    } else {
      // The pile reaches below the deepest layer: the deepest layer that holds a node ends
      // at its last node; the nodes below it belong to no layer.
      const double bottom = run.Problem.Layers[k - 1].XLayerBottom;
      int last = run.i_TopNodeInLayer[k];
      while (last < n && depth[last + 1] <= bottom) ++last;
      run.i_BottomNodeInLayer[k] = last;
    }
    next_top = run.i_TopNodeInLayer[k];
  }
}

}  // namespace

// Start_Pile_Discretisation: reads NumIncrements, PileLength, GroundSurfaceDepth and the
// layer bottoms; writes the layer tops, and n, N, L, h and rd_NodeDepth of run.Nodes.
void Start_Pile_Discretisation(RunContext& run) {
  ProblemData& problem = run.Problem;
  const int num_layers = std::clamp(problem.i_Number_of_Layers, 0, kMaxLayers);
  if (num_layers > 0) problem.Layers[0].XLayerTop = problem.GroundSurfaceDepth;
  for (int j = 1; j < num_layers; ++j)
    problem.Layers[j].XLayerTop = problem.Layers[j - 1].XLayerBottom;

  if (!Increments_Fit(run, problem.Options.NumIncrements)) return;
  PileNodes& nodes = run.Nodes;
  nodes.i_Num_Increments = problem.Options.NumIncrements;
  nodes.rd_PileLength = problem.PileLength;
  Set_Node_Depths(nodes);
}

// Discretise_Pile: reads rd_PileLength and i_Num_Increments of run.Nodes, the batter angle,
// the distributed load and soil movement profiles and the pile property table; writes the
// node depths, rd_NodeLoad (without LRFD), rd_NodeEI, rd_NodeSoilMove, i_NodeSection and the
// layer node ranges; with LRFD the distributed load of each load type at the nodes.
void Discretise_Pile(RunContext& run) {
  PileNodes& nodes = run.Nodes;
  if (!Increments_Fit(run, nodes.i_Num_Increments)) return;
  const ProblemData& problem = run.Problem;
  const int n = nodes.i_Num_Increments;
  const int num_nodes = n + 1;
  nodes.i_Num_Nodes = num_nodes;
  nodes.rd_Increment = nodes.rd_PileLength / n;
  const double cos_batter = std::cos(problem.PileBatterAngle);
  for (int i = 1; i <= num_nodes; ++i) {
    const double depth = (i - 1) * nodes.rd_Increment;
    nodes.rd_NodeDepth[i] = depth;
    nodes.rd_NodeVertDepth[i] = depth * cos_batter;
    if (!problem.Options.UseLRFD) nodes.rd_NodeLoad[i] = Distributed_Load_At_Node(run, depth);
    nodes.rd_NodeEI[i] = Pile_Properties_At_Depth(run, depth).EI;
  }
  // The tip exactly at the pile length (its vertical depth and EI came from the unrounded
  // depth).
  nodes.rd_NodeDepth[num_nodes] = nodes.rd_PileLength;

  Assign_Section_To_Nodes(run, num_nodes);
  Assign_Nodes_To_Layers(run, num_nodes);
  if (problem.SoilMovement.NumPoints >= 2) {
    Soil_Movement_At_Nodes(run, num_nodes);
  } else {
    std::fill(nodes.rd_NodeSoilMove.begin(), nodes.rd_NodeSoilMove.end(), 0.0);
  }
  // With LRFD each load case takes its node loads from the factored load groups.
  if (problem.Options.UseLRFD) LRFD_Distributed_Loads(run);
}

// Assign_Section_To_Nodes(N): reads the stations of the pile property table and
// rd_NodeDepth; writes i_NodeSection of nodes 1..N.
void Assign_Section_To_Nodes(RunContext& run, int num_nodes) {
  const PilePropertyTable& table = run.Problem.PileProperties;
  const int num_sections =
      std::min(run.Problem.NumSections, std::min(table.NumPoints, kMaxPilePropertyPoints) / 2);
  PileNodes& nodes = run.Nodes;
  const int n = std::clamp(num_nodes, 0, kMaxNodeSlots);
  for (int i = 1; i <= n; ++i) {
    int section = 1;
    if (num_sections > 1 && i > 1) {
      const double depth = nodes.rd_NodeDepth[i];
      section = num_sections;  // a node beyond the last station counts in the last section
      for (int k = 1; k <= num_sections; ++k) {
        if (table.PileStation[2 * k - 2] < depth && depth <= table.PileStation[2 * k - 1]) {
          section = k;
          break;
        }
      }
    }
    nodes.i_NodeSection[i] = section;
  }
}

// Assign_Nodes_To_Layers(N): reads XLayerTop/Bottom and rd_NodeVertDepth; writes
// i_TopNodeInLayer and i_BottomNodeInLayer.
void Assign_Nodes_To_Layers(RunContext& run, int num_nodes) {
  Assign_Layers(run, num_nodes, run.Nodes.rd_NodeVertDepth);
}

// Assign_Nodes_To_Layers_Along_Axis(N): as Assign_Nodes_To_Layers on rd_NodeDepth.
void Assign_Nodes_To_Layers_Along_Axis(RunContext& run, int num_nodes) {
  Assign_Layers(run, num_nodes, run.Nodes.rd_NodeDepth);
}

// Check_Layer_Has_Node(j): reads the node range, depths and flags of layer j; on a thin
// layer writes the error 29 block to the report and the runtime message file and stores
// error number 229.
void Check_Layer_Has_Node(RunContext& run, int j) {
  if (j <= 1 || j > std::min(run.Problem.i_Number_of_Layers, kMaxLayers)) return;
  const PileNodes& nodes = run.Nodes;
  const SoilLayer& layer = run.Problem.Layers[j - 1];
  if (run.i_TopNodeInLayer[j] != 0) return;
  if (!(layer.XLayerTop < nodes.rd_NodeVertDepth[nodes.i_Num_Nodes])) return;
  if (run.rd_LayerEqDepth[j] != kUnsetEquivalentDepth) return;
  if (run.b_BelowRockLayer[j]) return;

  const double thickness = layer.XLayerBottom - layer.XLayerTop;
  const double increment = nodes.rd_PileLength / (nodes.i_Num_Nodes - 1);
  // A layer of zero thickness can never be given a node: the estimate saturates.
  const double estimate = thickness > 0.0 ? nodes.rd_PileLength / thickness : INT_MAX;
  const long long needed = estimate < INT_MAX ? static_cast<long long>(estimate) : INT_MAX;
  const std::string_view unit = run.Units.c_UnitLength2;
  for (TextChannel* out : {&run.Report, &run.Messages}) {
    out->Empty_Lines(2);
    out->Write_Line("**** Runtime Error No. 29 ****");
    out->Empty_Lines(1);
    out->Line()
        .A("PROBLEM:  The thickness of layer ")
        .I(j, 0)
        .A(" was too thin to contain a nodal point.");
    out->End_Line();
    out->Write_Line(
        "          This layer lacks a nodal point and this prevents the correct computation "
        "of the layer's p-y curves. ");
    out->Line()
        .A("          The thickness of layer ")
        .I(j, 0)
        .A(" is ")
        .F(thickness, 9, 3)
        .A(" ")
        .A(unit)
        .A(" and the pile increment length is ")
        .F(increment, 9, 3)
        .A(" ")
        .A(unit);
    out->End_Line();
    out->Line()
        .A("          The current number of pile increments is ")
        .I(nodes.i_Num_Nodes - 1, 0)
        .A(".");
    out->End_Line();
    out->Line()
        .A("          The estimated minimum number of increments needed to get at least one "
           "nodal point in the layer is ")
        .I(needed, 0)
        .A(".");
    out->End_Line();
    out->Empty_Lines(1);
    out->Write_Line(
        "SOLUTION: Increase the number of pile increments. Up to 500 pile increments are "
        "allowed in Tavik.");
    out->Write_Line(
        "          If this error occurs with the maximum number of pile increments, you will "
        "need to combine the thinnest");
    out->Write_Line("          soil layer with an adjacent layer.");
    out->Empty_Lines(2);
  }
  Store_Error_Number(run.Status, 200 + kThinLayerError);
}

}  // namespace tavik
