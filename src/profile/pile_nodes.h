// The discretised pile: the finite-difference nodes with their per-node data, and the
// node ranges of the soil layers.
//
// Indexing: every per-node array is 1-based in the engineering sense, element i is node i
// and element 0 is unused. There are kMaxNodeSlots = 505 usable slots (indices 1 to 505):
// nodes 1 (pile head) to N = n + 1 (pile tip, N <= 501) are real nodes; slot N + 1 of rd_Y
// holds the phantom node below the tip (set by the finite-difference solver). The two
// phantom nodes above the head have fields of their own (rd_Y0 at -h, rd_Ym1 at -2h).
// The per-layer node ranges are 1-based as well (element j is soil layer j).
#ifndef TAVIK_PROFILE_PILE_NODES_H
#define TAVIK_PROFILE_PILE_NODES_H

#include <array>

namespace tavik {

inline constexpr int kMaxIncrements = 500;
inline constexpr int kMaxNodeSlots = 505;  // usable node indices 1 .. kMaxNodeSlots
inline constexpr int kMaxLayerSlots = 80;  // usable layer indices 1 .. kMaxLayerSlots

// One value per node slot, index i = node i (index 0 unused).
using NodeArray = std::array<double, kMaxNodeSlots + 1>;
using NodeIntArray = std::array<int, kMaxNodeSlots + 1>;
// One value per layer slot, index j = layer j (index 0 unused).
using LayerArray = std::array<double, kMaxLayerSlots + 1>;
using LayerIntArray = std::array<int, kMaxLayerSlots + 1>;
using LayerFlagArray = std::array<bool, kMaxLayerSlots + 1>;

struct PileNodes {
  int i_Num_Increments = 0;    // n, 40 to 500 (option NumIncrements)
  int i_Num_Nodes = 0;         // N = n + 1
  double rd_PileLength = 0.0;  // L along the axis (sum of the section lengths, or a trial length)
  double rd_Increment = 0.0;   // h = L / n

  NodeArray rd_NodeDepth{};      // depth of node i along the axis below the pile head
  NodeArray rd_NodeVertDepth{};  // vertical depth below the pile head: depth * cos(batter)
  NodeArray rd_NodeEI{};         // bending stiffness EI (force * length**2)
  NodeArray rd_NodeEs{};         // soil spring modulus p/y (force / length**2)
  NodeArray rd_NodeLoad{};       // distributed lateral load (force / length)
  NodeArray rd_NodeSoilMove{};   // free-field lateral soil movement (length)
  NodeIntArray i_NodeSection{};  // pile section the node belongs to
  NodeArray rd_Y{};              // lateral deflection; slot N + 1 is the phantom below the tip
  double rd_Y0 = 0.0;            // deflection of the phantom node at -h
  double rd_Ym1 = 0.0;           // deflection of the phantom node at -2h
};

}  // namespace tavik

#endif  // TAVIK_PROFILE_PILE_NODES_H
