#include <algorithm>

#include "input/input_checks.h"

namespace tavik {

namespace {
constexpr int kProfileAboveTipError = 18;        // INP00018
constexpr int kFirstPointBelowGroundError = 19;  // INP00019
constexpr int kFirstPointAboveGroundError = 20;  // INP00020
}  // namespace

// Check_Soil_Profile_Reaches_Pile_Tip: reads PileLength and the bottom depth of the last
// soil layer (0 when there is no layer). When the pile reaches deeper than the profile, both
// files receive the error 18 block with the two depths (ES12.4) and the run ends with input
// error 18 (number 118).
void Check_Soil_Profile_Reaches_Pile_Tip(RunContext& run) {
  const ProblemData& problem = run.Problem;
  const int layers = std::clamp(problem.i_Number_of_Layers, 0, kMaxLayers);
  const double profile_bottom = layers > 0 ? problem.Layers[layers - 1].XLayerBottom : 0.0;
  if (!(problem.PileLength > profile_bottom)) return;
  for (TextChannel* channel : {&run.Report, &run.Messages}) {
    channel->Write_Line("**** Input Data Error No. 18 ****");
    channel->Empty_Lines(1);
    channel->Line()
        .A("Problem: The depth at the bottom of the lowermost soil layer is ")
        .ES(profile_bottom, 12, 4);
    channel->End_Line();
    channel->Line()
        .A("         This depth is higher than the tip of the pile at ")
        .ES(problem.PileLength, 12, 4)
        .A(".");
    channel->End_Line();
    channel->Write_Line(
        "Solution: Increase the depth of the soil profile or shorten the pile length.");
  }
  Terminate_With_Error(run, Input_Error_Code(kProfileAboveTipError), 100 + kProfileAboveTipError);
}

// Check_Soil_Profile_Starts_At_Ground: compares the depth z1 of soil property point 1 (the
// top of layer 1) with GroundSurfaceDepth. z1 deeper: input error 19; z1 shallower: input
// error 20; each with its block (depths F12.4) to both files. The keyword reader takes the
// ground surface from the top of layer 1, so only other sources of problem data reach these.
void Check_Soil_Profile_Starts_At_Ground(RunContext& run) {
  const ProblemData& problem = run.Problem;
  const double first_depth = problem.Layers[0].XLayerTop;
  const double ground = problem.GroundSurfaceDepth;
  if (first_depth > ground) {
    for (TextChannel* channel : {&run.Report, &run.Messages}) {
      channel->Write_Line("**** Input Data Error No. 19 ****");
      channel->Empty_Lines(1);
      channel->Write_Line("The depth of the first point of the data for effective unit");
      channel->Line().A("is located at ").F(first_depth, 12, 4).A(" below the top of the pile.");
      channel->End_Line();
      channel->Line().A("The ground surface is located at ").F(ground, 12, 4).A(".");
      channel->End_Line();
      channel->Write_Line("The first point for the effective unit weight should be located");
      channel->Write_Line("at the same elevation as the ground surface.");
    }
    Terminate_With_Error(run, Input_Error_Code(kFirstPointBelowGroundError),
                         100 + kFirstPointBelowGroundError);
  } else if (first_depth < ground) {
    for (TextChannel* channel : {&run.Report, &run.Messages}) {
      channel->Write_Line("**** Input Data Error No. 20 ****");
      channel->Empty_Lines(1);
      channel->Line()
          .A("Problem:  The first depth of the soil profile is located at ")
          .F(first_depth, 12, 4);
      channel->End_Line();
      channel->Write_Line("          below the top of the pile.");
      channel->Line().A("          The ground surface is elevation is ").F(ground, 12, 4).A(".");
      channel->End_Line();
      channel->Write_Line("Solution: Correct the input data so that the first depth of ");
      channel->Write_Line(
          "          the soil profile data is be located at the same elevation as the ground "
          "surface.");
    }
    Terminate_With_Error(run, Input_Error_Code(kFirstPointAboveGroundError),
                         100 + kFirstPointAboveGroundError);
  }
}

}  // namespace tavik
