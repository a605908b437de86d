#include <algorithm>

#include "input/input_checks.h"

namespace tavik {

namespace {
// Plausible effective unit weights; a value at a limit counts as outside.
constexpr double kLowestUnitWeightPcf = 20.0;
constexpr double kHighestUnitWeightPcf = 140.0;
constexpr double kLowestUnitWeightKNm3 = 3.15;
constexpr double kHighestUnitWeightKNm3 = 22.0;

void Write_Possible_Error_Head(TextChannel& channel) {
  channel.Empty_Lines(1);
  channel.Write_Line("**** Warning - Possible Input Data Error ****");
  channel.Empty_Lines(1);
  channel.Write_Line("Values entered for effective unit weights of soil were outside");
}
}  // namespace

// Check_Effective_Unit_Weights: reads the effective unit weights of all soil property points
// (the top and bottom of every layer, as entered: pcf or kN/m3) and IUNITS.
//   US customary: smallest <= 20 or largest >= 140 pcf -> the warning block to both files.
//   SI: smallest <= 3.15 or largest >= 22 kN/m3 -> the warning block, whose closing sentence
//       differs between the runtime message file and the report.
//   General units: both files receive a note that the weights cannot be checked.
// A profile without layers has no weights to test. Nothing is tallied; never an error.
void Check_Effective_Unit_Weights(RunContext& run) {
  const ProblemData& problem = run.Problem;
  if (problem.IUNITS != kUnitsUSCustomary && problem.IUNITS != kUnitsSI) {
    for (TextChannel* channel : {&run.Report, &run.Messages}) {
      channel->Empty_Lines(1);
      channel->Write_Line("**** Warning ****");
      channel->Empty_Lines(1);
      channel->Write_Line("Values of effective unit weight cannot be checked because ");
      channel->Write_Line("general units have been selected.");
      channel->Empty_Lines(1);
    }
    return;
  }
  const int layers = std::clamp(problem.i_Number_of_Layers, 0, kMaxLayers);
  if (layers == 0) return;
  double lightest = problem.Layers[0].Top.EffectiveUnitWeight;
  double heaviest = lightest;
  for (int j = 0; j < layers; ++j) {
    for (const SoilPropertyPoint* point : {&problem.Layers[j].Top, &problem.Layers[j].Bottom}) {
      lightest = std::min(lightest, point->EffectiveUnitWeight);
      heaviest = std::max(heaviest, point->EffectiveUnitWeight);
    }
  }
  if (problem.IUNITS == kUnitsUSCustomary) {
    if (lightest > kLowestUnitWeightPcf && heaviest < kHighestUnitWeightPcf) return;
    for (TextChannel* channel : {&run.Report, &run.Messages}) {
      Write_Possible_Error_Head(*channel);
      channel->Write_Line("the limits of 0.011574 pci (20 pcf) or 0.0810019 pci (140 pcf)");
      channel->Write_Line("This data may be erroneous.  Please check your data.");
      channel->Empty_Lines(1);
    }
    return;
  }
  if (lightest > kLowestUnitWeightKNm3 && heaviest < kHighestUnitWeightKNm3) return;
  Write_Possible_Error_Head(run.Messages);
  run.Messages.Write_Line("the limits of 3.15 kN/m3 or 22 kN/m3.");
  run.Messages.Write_Line("The input data may be erroneous. Please check your data.");
  run.Messages.Empty_Lines(1);
  Write_Possible_Error_Head(run.Report);
  run.Report.Write_Line("the limits of 3.15 kN/m3 or 22 kN/m3.");
  run.Report.Write_Line(
      "The input data for effective unit weight may be erroneous. Please check your data.");
  run.Report.Empty_Lines(1);
}

}  // namespace tavik
