// The discretised pile: node depths, properties at section boundaries, membership of
// nodes in sections and layers, the distributed load over tributary lengths, soil
// movements and the thin-layer check.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "profile/pile_discretisation.h"
#include "profile/profile_fixture.h"

namespace tavik::testing {
namespace {

const Props kClay{0.03, 3.0, 0.0, 0.02, 0.0};

// A 50 ft (600 in) pile of one section, 12 in wide, in one soft clay layer.
void One_Section_Pile(ProfileRun& r) {
  r.Add_Section(600.0, 12.0, 12.0, 29.0e6, 1000.0);
  r.Add_Layer(kSoftClayIndex, 0.0, 600.0, kClay, kClay);
}

TEST(DiscretisePile, NodeDepthsAlongAxisAndVertical) {
  ProfileRun r;
  One_Section_Pile(r);
  r.Discretise(100);
  const PileNodes& nodes = r.run().Nodes;
  EXPECT_EQ(nodes.i_Num_Nodes, 101);
  EXPECT_DOUBLE_EQ(nodes.rd_Increment, 6.0);  // 600 in / 100
  EXPECT_EQ(nodes.rd_NodeDepth[101], 600.0);  // the tip exactly at the pile length
  EXPECT_DOUBLE_EQ(nodes.rd_NodeDepth[51], 300.0);
  EXPECT_DOUBLE_EQ(nodes.rd_NodeVertDepth[51], 300.0);  // no batter: vertical = axial

  // Batter of 0.2 rad: vertical depth = axial depth * cos(0.2) = 300 * 0.9800666 = 294.02.
  r.problem().PileBatterAngle = 0.2;
  Discretise_Pile(r.run());
  EXPECT_DOUBLE_EQ(nodes.rd_NodeDepth[51], 300.0);
  EXPECT_NEAR(nodes.rd_NodeVertDepth[51], 294.0199, 1e-4);
}

TEST(DiscretisePile, SectionBoundaryTakesLowerPropertiesButCountsInUpperSection) {
  ProfileRun r;
  r.Add_Section(300.0, 36.0, 30.0, 4.0e6, 1000.0);  // tapered, EI = 4E9
  r.Add_Section(300.0, 24.0, 24.0, 29.0e6, 500.0);  // EI = 1.45E10
  r.Add_Layer(kSoftClayIndex, 0.0, 600.0, kClay, kClay);
  r.Discretise(100);
  const PileNodes& nodes = r.run().Nodes;

  // Node 51 lies at 300 in, on the boundary: EI and width of section 2, counted in section 1.
  EXPECT_DOUBLE_EQ(nodes.rd_NodeEI[51], 1.45e10);
  EXPECT_DOUBLE_EQ(Pile_Properties_At_Depth(r.run(), 300.0).b, 24.0);
  EXPECT_EQ(nodes.i_NodeSection[51], 1);
  EXPECT_EQ(nodes.i_NodeSection[52], 2);
  EXPECT_EQ(nodes.i_NodeSection[1], 1);
  EXPECT_EQ(nodes.i_NodeSection[101], 2);

  // Within the tapered section the width is linear: 36 + (30 - 36) * 150/300 = 33.
  const PileProperties mid = Pile_Properties_At_Depth(r.run(), 150.0);
  EXPECT_DOUBLE_EQ(mid.b, 33.0);
  EXPECT_DOUBLE_EQ(mid.EI, 4.0e9);
  // Beyond the last station: the last station's values; above the first: the first's.
  EXPECT_DOUBLE_EQ(Pile_Properties_At_Depth(r.run(), 700.0).b, 24.0);
  EXPECT_DOUBLE_EQ(Pile_Properties_At_Depth(r.run(), -5.0).b, 36.0);
}

TEST(DiscretisePile, NodeAtLayerBoundaryBelongsToLayerBelow) {
  ProfileRun r;
  r.Add_Section(600.0, 12.0, 12.0, 29.0e6, 1000.0);
  r.Add_Layer(kSoftClayIndex, 30.0, 120.0, kClay, kClay);  // ground surface 30 in below the head
  r.Add_Layer(kSoftClayIndex, 120.0, 600.0, kClay, kClay);
  r.Discretise(100);
  const RunContext& run = r.run();
  // Nodes 1 to 5 (0 to 24 in) are above the ground; node 6 lies at 30, node 21 at 120.
  EXPECT_EQ(run.i_TopNodeInLayer[1], 6);
  EXPECT_EQ(run.i_BottomNodeInLayer[1], 20);
  EXPECT_EQ(run.i_TopNodeInLayer[2], 21);
  EXPECT_EQ(run.i_BottomNodeInLayer[2], 101);
}

TEST(DiscretisePile, BatteredPileUsesVerticalDepthsForLayersAndAxialForOutput) {
  ProfileRun r;
  r.Add_Section(600.0, 12.0, 12.0, 29.0e6, 1000.0);
  r.Add_Layer(kSoftClayIndex, 0.0, 150.0, kClay, kClay);
  r.Add_Layer(kSoftClayIndex, 150.0, 600.0, kClay, kClay);
  r.problem().PileBatterAngle = std::numbers::pi / 3.0;  // cos = 0.5
  r.Discretise(100);
  // Vertical depth 150 is reached at axial depth 300 (node 51)...
  EXPECT_EQ(r.run().i_TopNodeInLayer[2], 51);
  EXPECT_EQ(r.run().i_BottomNodeInLayer[1], 50);
  // ...and the along-axis variant places the boundary at axial depth 150 (node 26).
  Assign_Nodes_To_Layers_Along_Axis(r.run(), 101);
  EXPECT_EQ(r.run().i_TopNodeInLayer[2], 26);
}

TEST(DiscretisePile, PileReachingBelowTheProfileLeavesDeeperNodesWithoutLayer) {
  ProfileRun r;
  r.Add_Section(600.0, 12.0, 12.0, 29.0e6, 1000.0);
  r.Add_Layer(kSoftClayIndex, 0.0, 300.0, kClay, kClay);
  r.Discretise(100);
  // The layer keeps its nodes 1 to 51 (0 to 300 in); nodes 52 to 101 belong to no layer.
  EXPECT_EQ(r.run().i_TopNodeInLayer[1], 1);
  EXPECT_EQ(r.run().i_BottomNodeInLayer[1], 51);
}

TEST(DistributedLoad, AveragedOverTributaryLength) {
  struct Case {
    const char* what;
    std::vector<std::pair<double, double>> profile;  // (depth in, intensity lb/in)
    double x;
    double expected;
  };
  // h = 6 in: the tributary interval of a node at x is [x - 3, x + 3]; the integral is
  // divided by 6 even where the interval is cut.
  const std::vector<Case> cases = {
      {"inside a 100 lb/in band from 120 to 240", {{120, 100}, {240, 100}}, 180.0, 100.0},
      {"interval cut by the top of the band: 3 in of 6", {{120, 100}, {240, 100}}, 120.0, 50.0},
      {"interval cut by the bottom of the band", {{120, 100}, {240, 100}}, 240.0, 50.0},
      {"interval wholly above the band", {{120, 100}, {240, 100}}, 114.0, 0.0},
      {"interval wholly below the band", {{120, 100}, {240, 100}}, 246.0, 0.0},
      // w = x: the mean over [297, 303] is 300; at the head [0, 3] holds 4.5 -> 0.75.
      {"linear profile", {{0, 0}, {600, 600}}, 300.0, 300.0},
      {"head node of a linear profile", {{0, 0}, {600, 600}}, 0.0, 0.75},
      // A step at 300: 10 over [297, 300] and 20 over [300, 303] -> (30 + 60)/6 = 15.
      {"step in the profile", {{0, 10}, {300, 10}, {300, 20}, {600, 20}}, 300.0, 15.0},
  };
  for (const Case& c : cases) {
    ProfileRun r;
    One_Section_Pile(r);
    DepthValueTable& load = r.problem().DistributedLoad;
    for (const auto& [depth, w] : c.profile) {
      load.Depth[load.NumPoints] = depth;
      load.Value[load.NumPoints] = w;
      ++load.NumPoints;
    }
    r.Discretise(100);
    EXPECT_NEAR(Distributed_Load_At_Node(r.run(), c.x), c.expected, 1e-9) << c.what;
  }
}

TEST(DistributedLoad, NodeLoadsSetByDiscretisationUnlessLrfd) {
  ProfileRun r;
  One_Section_Pile(r);
  DepthValueTable& load = r.problem().DistributedLoad;
  load.NumPoints = 2;
  load.Depth[0] = 120.0;
  load.Value[0] = 100.0;
  load.Depth[1] = 240.0;
  load.Value[1] = 100.0;
  r.Discretise(100);
  EXPECT_DOUBLE_EQ(r.run().Nodes.rd_NodeLoad[21], 50.0);   // 120 in
  EXPECT_DOUBLE_EQ(r.run().Nodes.rd_NodeLoad[31], 100.0);  // 180 in
  EXPECT_DOUBLE_EQ(r.run().Nodes.rd_NodeLoad[20], 0.0);    // 114 in
}

TEST(NodeSoilMovement, InterpolatedBetweenPointsAndZeroOutside) {
  ProfileRun r;
  One_Section_Pile(r);
  DepthValueTable& move = r.problem().SoilMovement;
  // 1.0 in at the head falling to 0 at 300 in, then a jump at 300 (two points at one depth).
  const double points[][2] = {{0, 1.0}, {300, 0.0}, {300, 0.5}, {480, 0.5}};
  for (const auto& p : points) {
    move.Depth[move.NumPoints] = p[0];
    move.Value[move.NumPoints] = p[1];
    ++move.NumPoints;
  }
  r.Discretise(100);
  const PileNodes& nodes = r.run().Nodes;
  EXPECT_DOUBLE_EQ(nodes.rd_NodeSoilMove[1], 1.0);
  EXPECT_DOUBLE_EQ(nodes.rd_NodeSoilMove[26], 0.5);   // 150 in: halfway down to 0
  EXPECT_DOUBLE_EQ(nodes.rd_NodeSoilMove[51], 0.0);   // 300 in: the first point at 300
  EXPECT_DOUBLE_EQ(nodes.rd_NodeSoilMove[61], 0.5);   // 360 in
  EXPECT_DOUBLE_EQ(nodes.rd_NodeSoilMove[101], 0.0);  // 600 in: below the profile

  // A profile of a single point gives no movement anywhere.
  move.NumPoints = 1;
  Discretise_Pile(r.run());
  EXPECT_DOUBLE_EQ(nodes.rd_NodeSoilMove[1], 0.0);
}

// Three layers with a 1.5 in layer 2 (100 to 101.5 in) between nodes 17 (96) and 18 (102).
void Thin_Layer_Pile(ProfileRun& r) {
  r.Add_Section(600.0, 12.0, 12.0, 29.0e6, 1000.0);
  r.Add_Layer(kSoftClayIndex, 0.0, 100.0, kClay, kClay);
  r.Add_Layer(kSoftClayIndex, 100.0, 101.5, kClay, kClay);
  r.Add_Layer(kSoftClayIndex, 101.5, 600.0, kClay, kClay);
  r.Discretise(100);
}

TEST(ThinLayerCheck, LayerWithoutNodeStopsTheRunWithError29) {
  ProfileRun r;
  Thin_Layer_Pile(r);
  EXPECT_EQ(r.run().i_TopNodeInLayer[2], 0);
  Check_Layer_Has_Node(r.run(), 2);
  EXPECT_EQ(r.run().Status.ErrorNumber, 229);
  // 600 in / 1.5 in = 400 increments needed.
  const std::vector<std::string> expected = {
      "",
      "",
      "**** Runtime Error No. 29 ****",
      "",
      "PROBLEM:  The thickness of layer 2 was too thin to contain a nodal point.",
      "          This layer lacks a nodal point and this prevents the correct computation of "
      "the layer's p-y curves. ",
      "          The thickness of layer 2 is     1.500 in and the pile increment length is "
      "    6.000 in",
      "          The current number of pile increments is 100.",
      "          The estimated minimum number of increments needed to get at least one nodal "
      "point in the layer is 400.",
      "",
      "SOLUTION: Increase the number of pile increments. Up to 500 pile increments are "
      "allowed in Tavik.",
      "          If this error occurs with the maximum number of pile increments, you will "
      "need to combine the thinnest",
      "          soil layer with an adjacent layer.",
      "",
      ""};
  EXPECT_EQ(r.Report_Lines(), expected);
  EXPECT_EQ(r.Message_Lines(), expected);
}

TEST(ThinLayerCheck, ExemptLayers) {
  struct Case {
    const char* what;
    void (*change)(RunContext&);
    int layer;
  };
  const Case cases[] = {
      {"equivalent depth already computed", [](RunContext& run) { run.rd_LayerEqDepth[2] = 0.0; },
       2},
      {"layer below rock", [](RunContext& run) { run.b_BelowRockLayer[2] = true; }, 2},
      {"a layer that holds a node", [](RunContext&) {}, 3},
      {"the first layer", [](RunContext& run) { run.i_TopNodeInLayer[1] = 0; }, 1},
      {"a layer starting at the tip",
       [](RunContext& run) {
         run.Problem.Layers[1].XLayerTop = 600.0;
         run.Problem.Layers[1].XLayerBottom = 700.0;
       },
       2},
  };
  for (const Case& c : cases) {
    ProfileRun r;
    Thin_Layer_Pile(r);
    c.change(r.run());
    Check_Layer_Has_Node(r.run(), c.layer);
    EXPECT_EQ(r.run().Status.ErrorNumber, 0) << c.what;
  }
}

}  // namespace
}  // namespace tavik::testing
