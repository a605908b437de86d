// Massive rock (Liang et al. 2009): the hyperbola reaches half its ultimate resistance at
// y = pu/Ki, the initial modulus from the rock mass and the pile's bending stiffness, the
// input errors of a layer without strength or modulus, and a node on the boundary with weak
// rock, where both are rock.
#include <gtest/gtest.h>

#include <utility>

#include "profile/profile_fixture.h"
#include "profile/soil_lookup.h"
#include "pycurves/py_framework.h"

namespace tavik::testing {
namespace {

// A 36 in shaft (E = 29.0E6 psi, I = 50000 in**4), 600 in long, 100 increments, in massive
// rock of qu 5000 psi, Ei 1.0E6 psi and unit weight 0.09 pci from the pile head.
void Rock_Shaft(ProfileRun& r, double qu = 5000.0, double Ei = 1.0e6) {
  r.Add_Section(600.0, 36.0, 36.0, 29.0e6, 50000.0);
  r.Add_Layer(kMassiveRockIndex, 0.0, 700.0, Props{.gamma = 0.09, .c = qu},
              Props{.gamma = 0.09, .c = qu});
  r.problem().Layers[0].SubgradeModulusTop = Ei;
  r.problem().Layers[0].SubgradeModulusBottom = Ei;
  r.Discretise(100);
}

double Modulus_At(ProfileRun& r, int i, double y) {
  r.run().Nodes.rd_Y[i] = y;
  PY_MassiveRock(r.run(), 1);
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
  return r.run().Nodes.rd_NodeEs[i];
}

TEST(MassiveRock, HyperbolaReachesHalfItsResistanceAtPuOverKi) {
  // Ki = Em (EI/(Em b^4))^0.284 (b/12) exp(-0.8) with Em = (Ei/100) exp(1.9354838):
  // Ei = 1.0E6 psi, EI = 1.45E12 lb-in**2, b = 36 in: Ki = 191162.461 psi.
  ProfileRun r;
  Rock_Shaft(r);
  const double Ki = Modulus_At(r, 31, 0.0);
  EXPECT_NEAR(Ki, 191162.461387, 1e-4);
  // p = y/(1/Ki + y/pu): 1/Es(y) - 1/Ki = y/pu gives pu from one deflection; at y = pu/Ki
  // the modulus is Ki/2 (p = pu/2), and at a large deflection p approaches pu.
  const double y1 = 0.05;
  const double pu = y1 / (1.0 / Modulus_At(r, 31, y1) - 1.0 / Ki);
  EXPECT_GT(pu, 0.0);
  EXPECT_NEAR(Modulus_At(r, 31, pu / Ki) / Ki, 0.5, 1e-12);
  EXPECT_NEAR(Modulus_At(r, 31, 1000.0 * pu / Ki) * 1000.0 * pu / Ki / pu, 1000.0 / 1001.0, 1e-12);
}

TEST(MassiveRock, LayerWithoutStrengthOrModulusIsRefused) {
  for (auto [qu, Ei] : {std::pair{0.0, 1.0e6}, std::pair{5000.0, 0.0}}) {
    ProfileRun r;
    Rock_Shaft(r, qu, Ei);
    PY_MassiveRock(r.run(), 1);
    EXPECT_EQ(r.run().Status.ErrorNumber, 174) << qu << " " << Ei;
  }
}

TEST(MassiveRock, BoundaryWithWeakRockIsARockInterface) {
  // Weak rock (qu 500 psi) over massive rock (qu 5000 psi) at 300 in: a node on the
  // boundary takes the rock-on-rock mean (500 + 5000)/2 instead of stopping the run.
  ProfileRun r;
  r.Add_Section(600.0, 36.0, 36.0, 29.0e6, 50000.0);
  r.Add_Layer(kWeakRockIndex, 0.0, 300.0, Props{.gamma = 0.09, .c = 500.0, .eps50 = 0.0001},
              Props{.gamma = 0.09, .c = 500.0, .eps50 = 0.0001});
  r.Add_Layer(kMassiveRockIndex, 300.0, 700.0, Props{.gamma = 0.09, .c = 5000.0},
              Props{.gamma = 0.09, .c = 5000.0});
  r.Discretise(100);
  EXPECT_EQ(fn_c(r.run(), 300.0), 2750.0);
  EXPECT_EQ(r.run().Status.ErrorNumber, 0);
}

}  // namespace
}  // namespace tavik::testing
