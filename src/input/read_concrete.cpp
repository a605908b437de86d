// Concrete sub-block of a section.
#include "input/input_errors.h"
#include "input/section_readers.h"

namespace tavik {

// Reads the concrete of section i: ConcreteStrength (stress), MaxAggregateSize (section
// dimension, mm -> m in SI), the tensile strength option with TensileStrength when it is
// overridden, and the stress-strain option with the input curve (strain, stress) when one is
// given. The tensile strength and the curve are stored only. Ends the run with input error
// 95 for an option line not recognised or a curve point out of sequence, 91 for more than
// 100 curve points, 92 for a negative count.
void Read_Concrete(RunContext& run, int i) {
  Write_Section_Progress(run, "Reading concrete property data for Section ", i);
  ConcreteData& concrete = run.Problem.Sections[i - 1].Concrete;
  if (!Read_Section_Real(run, concrete.ConcreteStrength)) return;
  if (!Read_Section_Real(run, concrete.MaxAggregateSize, SectionQuantity::kDimension)) return;

  std::string line;
  if (!Read_Section_Option_Line(run, line)) return;
  if (Matches_Word(line, "Override concrete tensile strength")) {
    if (!Read_Section_Real(run, concrete.TensileStrength)) return;
  } else if (!Matches_Word(line, "Use default concrete tensile strength")) {
    run.Report.Empty_Lines(1);
    run.Report.Write_Line(
        "INPUT ERROR - Unrecognized command for concrete tensile strength option");
    End_With_Section_Line_Error(run);
    return;
  }

  if (!Read_Section_Option_Line(run, line)) return;
  if (Matches_Word(line, "Use internal stress-strain curve for concrete")) return;
  if (!Matches_Word(line, "Input stress-strain curve for concrete")) {
    run.Report.Empty_Lines(1);
    run.Report.Write_Line("INPUT ERROR - Unrecognized input for concrete stress-strain option");
    End_With_Section_Line_Error(run);
    return;
  }
  int points = 0;
  if (!Read_Section_Integer(run, points)) return;
  if (!Check_Section_Count(run, "concrete stress-strain points", points, 0,
                           kMaxConcreteCurvePoints)) {
    return;
  }
  concrete.NumCurvePoints = 0;
  for (int k = 1; k <= points; ++k) {
    int number = 0;
    double strain = 0.0;
    double stress = 0.0;
    FreeFormatRead read(run.Input);
    read.Int(number).Real(strain).Real(stress);
    if (read.Failed()) {
      Report_Read_Failure(run, read, kSectionsBlock);
      return;
    }
    if (number != k) {
      run.Report.Empty_Lines(1);
      run.Report.Write_Line(
          "INPUT ERROR - Sequence error encountered when reading concrete stress-strain curve");
      run.Report.Empty_Lines(1);
      run.Report.Line().A("Expecting line no. ").I(k, 0).A(" but line no. ").I(number, 0);
      run.Report.Line().A(" was read");
      run.Report.End_Line();
      run.Report.Empty_Lines(2);
      End_With_Section_Line_Error(run);
      return;
    }
    concrete.CurveStrain[k - 1] = strain;
    concrete.CurveStress[k - 1] = stress;
    concrete.NumCurvePoints = k;
  }
}

}  // namespace tavik
