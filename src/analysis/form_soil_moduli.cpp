#include "analysis/form_soil_moduli.h"

#include <string>

#include "profile/pile_discretisation.h"
#include "pycurves/py_framework.h"
#include "pycurves/soil_type_codes.h"
#include "run/run_analysis.h"

namespace tavik {

namespace {
// Soil types that have a p-y criterion are those with a long name (indices 1 to 16); "Frz
// Soil" and the undefined codes have none, and their nodes keep their moduli.
bool Has_Criterion(int index) {
  return index >= 1 && index <= kNumSoilTypeCodes && !kSoilLongName[index].empty();
}

void Flag(RunContext& run, int j) {
  if (run.i_RockLayersAbove > 0) run.b_BelowRockLayer[j] = true;
}
}  // namespace

void Apply_Rock_Layer_Bookkeeping(RunContext& run, int j) {
  const int index = run.Problem.Layers[j - 1].SoilTypeIndex;
  switch (Py_Criterion_For_Soil_Type(index).after) {
    case AfterCriterion::Flag:
      Flag(run, j);
      break;
    case AfterCriterion::CountThenFlag:
      ++run.i_RockLayersAbove;
      Flag(run, j);
      break;
    case AfterCriterion::FlagThenCount:
      Flag(run, j);
      ++run.i_RockLayersAbove;
      break;
    case AfterCriterion::Nothing:
      break;
  }
}

bool Call_Layer_Criterion(RunContext& run, int j) {
  const int index = run.Problem.Layers[j - 1].SoilTypeIndex;
  const PyCriterionEntry& entry = Py_Criterion_For_Soil_Type(index);
  if (entry.routine == nullptr) {
    if (!Has_Criterion(index)) return true;  // no criterion: the moduli stay as they are
    Stage_Not_Built(run, "p-y curves by the criterion for " + std::string(kSoilLongName[index]) +
                             " (soil layer " + std::to_string(j) + ")");
    return false;
  }
  entry.routine(run, j);
  // Every criterion is followed by the error check, also those without bookkeeping.
  if (run.Status.Has_Error()) return false;
  Apply_Rock_Layer_Bookkeeping(run, j);
  return true;
}

void Form_Soil_Moduli(RunContext& run, bool check_thin_layers) {
  run.i_RockLayersAbove = 0;
  for (int j = 1; j <= run.Problem.i_Number_of_Layers; ++j) {
    if (run.i_TopNodeInLayer[j] > 0 && !Call_Layer_Criterion(run, j)) return;
    if (check_thin_layers) {
      Check_Layer_Has_Node(run, j);
      if (run.Status.Has_Error()) return;
    }
  }
}

}  // namespace tavik
