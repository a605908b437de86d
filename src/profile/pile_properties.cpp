// Pile width and stiffness at a depth along the axis, from the pile property table (two
// stations per section: its top and its bottom).
#include <algorithm>

#include "profile/pile_discretisation.h"

namespace tavik {

namespace {

// The values of station s (1-based).
PileProperties Station_Values(const PilePropertyTable& table, int s) {
  PileProperties p;
  p.b = table.PileWidth[s - 1];
  p.b2 = table.PileStressWidth[s - 1];
  p.I = table.PileInertia[s - 1];
  p.A = table.PileArea[s - 1];
  p.EI = table.PileModulus[s - 1] * table.PileInertia[s - 1];
  return p;
}

}  // namespace

// Pile_Properties_At_Depth(x): reads run.Problem.PileProperties; lengths and stiffness in
// the units of the table (section dimensions).
PileProperties Pile_Properties_At_Depth(const RunContext& run, double x) {
  const PilePropertyTable& table = run.Problem.PileProperties;
  const int np = std::min(table.NumPoints, kMaxPilePropertyPoints);
  if (np < 1) return PileProperties{};
  if (np < 2) return Station_Values(table, np);
  const auto& station = table.PileStation;
  int s = 0;
  for (int q = 2; q <= np; ++q) {
    if (x <= station[q - 1]) {
      s = q;
      break;
    }
  }
  if (s == 0 || x == station[np - 1]) return Station_Values(table, np);
  const double upper = station[s - 2];
  const double lower = station[s - 1];
  if (x == lower) {
    // A station that is not the last: at a section boundary the section below applies.
    return (s < np && station[s] == lower) ? Station_Values(table, s + 1)
                                           : Station_Values(table, s);
  }
  // Above the first station (a depth above the pile head): the first station's values.
  if (x < upper) return Station_Values(table, s - 1);
  const PileProperties a = Station_Values(table, s - 1);
  const PileProperties b = Station_Values(table, s);
  const double t = (x - upper) / (lower - upper);
  PileProperties p;
  p.b = a.b + (b.b - a.b) * t;
  p.b2 = a.b2 + (b.b2 - a.b2) * t;
  p.I = a.I + (b.I - a.I) * t;
  p.A = a.A + (b.A - a.A) * t;
  p.EI = a.EI + (b.EI - a.EI) * t;
  return p;
}

}  // namespace tavik
