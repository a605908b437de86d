#include "echo/echo_input.h"

#include "echo/echo_blocks.h"
#include "input/input_checks.h"

namespace tavik {

// Echo_Input: reads run.Problem as entered and run.Units (set for IUNITS beforehand); writes
// the echo blocks to the report in order, running each whole-input check at its place, and
// "Output of input data begun" / "Output of input data completed" to the runtime message
// file. A stiffness-only run (ICOM 2) stops after the program options, without the checks and
// without the closing message. An input error ends the echo where it is found. Changes the
// problem data only where a check says so: a convergence tolerance of 0 or less is reset, and
// the list of p-y output depths is rebuilt.
void Echo_Input(RunContext& run) {
  run.Messages.Write_Line("Output of input data begun");
  Echo_Title(run);
  Echo_Program_Options(run);
  if (run.Problem.Options.ICOM == kComputeEIOnly) return;

  Echo_Pile_Structure(run);
  if (run.Status.Has_Error()) return;
  Echo_Slope_And_Batter(run);
  Echo_Soil_Layers(run);
  Echo_Effective_Unit_Weights(run);
  Echo_Soil_Summary(run);
  Echo_User_Py_Curves(run);
  Echo_Py_Modifiers(run);
  Echo_Soil_Movements(run);
  Echo_Loading_Type(run);
  if (run.Status.Has_Error()) return;
  Echo_Distributed_Load(run);
  if (run.Problem.Options.UseLRFD) {
    Echo_Lrfd_Input(run);
  } else {
    Echo_Pile_Head_Loads(run);
  }
  if (run.Status.Has_Error()) return;
  Echo_Tip_Shear(run);
  if (run.Status.Has_Error()) return;
  Echo_Py_Output_Depths(run);
  if (run.Status.Has_Error()) return;

  Check_Pile_Property_Count(run);
  if (run.Status.Has_Error()) return;
  Check_Soil_Profile_Reaches_Pile_Tip(run);
  if (run.Status.Has_Error()) return;
  Check_Soil_Profile_Starts_At_Ground(run);
  if (run.Status.Has_Error()) return;
  Check_Py_Modifier_Depths(run);
  if (run.Status.Has_Error()) return;
  run.Messages.Write_Line("Output of input data completed");
}

}  // namespace tavik
