// Elastic subgrade p-y curves: PY_ElasticSubgrade. A linear spring p = Es b y, with the
// elastic subgrade modulus Es interpolated over the layer, whatever the deflection.
#include "profile/pile_discretisation.h"
#include "profile/soil_lookup.h"
#include "pycurves/py_framework.h"

namespace tavik {

namespace {

constexpr int kNumPoints = 17;
constexpr double kPointsPerWidth = 8.0;  // printed deflections (k - 1) b / 8, 0 to 2 b
constexpr int kLayerColumn = 56;
constexpr int kLayerNumberWidth = 10;

// Report block, table and plot records of one curve at output depth number i; ks = pm Es b.
void Write_Elastic_Subgrade_Curve(RunContext& run, int j, int i, double es, double b, double ks,
                                  double pm, double ym) {
  const double depth = run.Nodes.rd_NodeDepth[i];
  TextChannel& out = run.Report;

  Write_Py_Title(run, "p-y Curve for Elastic Subgrade");
  out.Empty_Lines(1);
  out.Line().A("Soil Layer Number").T(kLayerColumn).A("= ").I(j, kLayerNumberWidth);
  out.End_Line();
  Write_Py_Depth_Parameter(run, "Depth below pile head", depth);
  Write_Py_Depth_Parameter(run, "Depth below ground surface",
                           depth - run.Problem.GroundSurfaceDepth);
  Write_Py_Parameter(run, "Shaft Diameter", b, 3, Unit_Length(run));
  Write_Py_Parameter(run, "Elastic Subgrade Modulus", es, 3, Unit_Force_Per_Length(run, 3));
  Write_Py_Parameter(run, "p-multiplier", pm, 5);
  Write_Py_Parameter(run, "y-multiplier", ym, 5);
  out.Empty_Lines(1);
  out.Line().A("        y, ").A(Unit_Length(run)).T(22).A("p, ").A(Unit_Force_Per_Length(run, 1));
  out.End_Line();
  out.Write_Line("---------------   ---------------");

  Write_Py_Plot_Curve(run, depth, kNumPoints,
                      "Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on "
                      "curve no. ",
                      i);
  for (int k = 1; k <= kNumPoints; ++k) {
    const double y = (k - 1) * b / kPointsPerWidth;
    Write_Py_Table_Row(run, ym * y, ks * y);
    Write_Py_Plot_Point(run, ym * y, ks * y, k, "elastic subgrade", 50, 0);
  }
}

}  // namespace

// PY_ElasticSubgrade(j): elastic subgrade for the nodes (or output depths) of layer j.
// Reads ElasticSubgradeModulus of the layer's top and bottom points (force/length**3,
// linear in the soil depth), the p- and y-multipliers and the pile width at the depth
// along the axis. Analysis mode: rd_NodeEs(i) = pm Es b / ym at every deflection, then the
// soil movement load when a movement profile is present. Output mode: the report block,
// 17 table rows (ym y, ks y) for y = 0 to 2 b and the plot records. Returns at once when a
// lookup of pm, ym or b sets the error number; sets no error of its own.
void PY_ElasticSubgrade(RunContext& run, int j) {
  const int first = run.i_TopNodeInLayer[j];
  const int last = run.i_BottomNodeInLayer[j];
  if (first < 1 || last < first) return;
  const SoilLayer& layer = run.Problem.Layers[j - 1];

  for (int i = first; i <= last; ++i) {
    const PyNodeDepths depths = Py_Node_Depths(run, i);
    const double es = Value_Over_Layer(layer, layer.Top.ElasticSubgradeModulus,
                                       layer.Bottom.ElasticSubgradeModulus, depths.soil);
    const double pm = P_Multiplier_At_Depth(run, depths.axial);
    if (run.Status.Has_Error()) return;
    const double ym = Y_Multiplier_At_Depth(run, depths.axial);
    if (run.Status.Has_Error()) return;
    const double b = Pile_Properties_At_Depth(run, depths.axial).b;
    if (run.Status.Has_Error()) return;
    const double ks = pm * es * b;

    if (run.b_PyOutputPass) {
      Write_Elastic_Subgrade_Curve(run, j, i, es, b, ks, pm, ym);
      continue;
    }
    run.Nodes.rd_NodeEs[i] = ks / ym;
    Apply_Soil_Movement_Load(run, i);
  }
}

}  // namespace tavik
