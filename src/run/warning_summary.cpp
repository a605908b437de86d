#include "run/warning_summary.h"

#include <algorithm>
#include <iterator>

namespace tavik {

namespace {

// One entry of the warning text table: a warning number and the lines written under its
// tally line ("" is an empty line). Texts are reproduced character for character, odd
// spellings and trailing blanks included, because host programs parse the report.
struct WarningText {
  int number;
  std::span<const std::string_view> lines;
};

// The texts, one line per report line (kept unwrapped so each reads as it is written).
// clang-format off
constexpr std::string_view kWarning302[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable value was input for friction angle has been specified",
    "for a soil layer defined uisng the sand criteria.  The input value is",
    "either smaller than 20 degrees or higher than 48 degrees.  The input",
    "data should be checked for correctness.",
    "",
};
constexpr std::string_view kWarning303[] = {
    "**** Warning ****",
    "",
    "An unreasonable value was input for friction angle has been specified for a",
    "soil layer defined uisng the API sand criteria.  The input value is either",
    "smaller than 20 degrees or higher than 48 degrees.  The input data should",
    "be checked for correctness.",
    "",
};
constexpr std::string_view kWarning305[] = {
    "***** Warning *****",
    "",
    "Too many values were calculated for moment-curvature.",
    "This may indicate that the pile is too weak or is under-reinforced, ",
    "where all reinforcing steel has yielded.  You should examine your input ",
    "data and increase the amount of steel reinforcement if necessary.",
};
constexpr std::string_view kWarning306[] = {
    "",
    "Warning - Negative values of bending moment were computed in nonlinear EI computations.",
    "This may indicate that the pile is too weak or is under-reinforced and that all reinforcing steel ",
    "has yielded.",
    "You should examine your input data and increase the amount of steel reinforcement if necessary.",
    "",
};
constexpr std::string_view kWarning307[] = {
    "",
    "",
    "**** Warning - POSSIBLE INPUT ERROR ****",
    "",
    "The input data for nonlinear bending appears to be have been input incorrectly.",
    "The program assumes that only positive values and increasing values of",
    "bending moment are input to the program.  All interpolation for nonlinear",
    "bending stiffness is based on the absolute value of computed bending ",
    "moment.  Thus, negative values of bending moment should not be input.  ",
    "",
    "",
};
constexpr std::string_view kWarning308[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for uniaxial compressive strength has been ",
    "specified for a soil defined using the vuggy limestone criteria.",
    "The input value is outside of the range of 1,000 to 2,500 psi (6,895 to 17,237 kPa).",
    "You should check your input data for correctness.",
    "",
};
constexpr std::string_view kWarning309[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for uniaxial compressive strength has been ",
    "specified for a soil defined using the vuggy limestone criteria.  The input ",
    "value is less than 1000 psi.  You should check your input data for ",
    "correctness.",
    "",
};
constexpr std::string_view kWarning310[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for uniaxial compressive strength has been ",
    "specified for a soil defined using the vuggy limestone criteria.  The input ",
    "value is greater than 2000 psi.  You should check your input data for ",
    "correctness.",
    "",
};
constexpr std::string_view kWarning311[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for uniaxial compressive strength has been ",
    "specified for a soil defined using the vuggy limestone criteria.  The input ",
    "value is less than 3447 kPa.  You should check your input data for ",
    "correctness.",
    "",
};
constexpr std::string_view kWarning312[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for uniaxial compressive strength has been ",
    "specified for a soil defined using the vuggy limestone criteria.  The input ",
    "value is greater than 6894 kN/m2.  You should check your input data for ",
    "correctness.",
    "",
};
constexpr std::string_view kWarning315[] = {
    "",
    "***** Warning *****",
    "",
    "Computed pile deflection has exceeded the failure deflection for the vuggy",
    "limestone criteria for one or more of the loading cases analyzed.",
    "You should check the computed output for both deflection and bending",
    "moment.",
    "",
};
constexpr std::string_view kWarning316[] = {
    "***** Warning *****",
    "",
    "The input value for k_rm used by the weak rock criteria is smaller than ",
    "0.00005.  This value is outside the recommended range of 0.00005 to 0.0005.",
    "You should check your input data for accuracy.",
    "",
};
constexpr std::string_view kWarning317[] = {
    "**** Warning - Possible Input Data Error ****",
    "",
    "The input value for k_rm used by the weak rock criteria is ",
    "greater than 0.0005.  This value is outside the recommended ",
    "range of 0.00005 to 0.005.  You should check your input data",
    "for accuracy.",
    "",
};
constexpr std::string_view kWarning318[] = {
    "",
    "**** Warning ****",
    "",
    "The pile deflection is less than 1.0E-14.  Tavik used ",
    "the limiting value of soil modulus when computing the p-y curve for soft clay.",
    "",
};
constexpr std::string_view kWarning351[] = {
    "",
    "**** Warning - Possible Input Data Error ****",
    "",
    "Values entered for effective unit weights of soil were outside",
    "the limits of 20 pcf or 140 pcf",
    "The inut data for effective unit weight may be erroneous. Please check your data.",
    "",
};
constexpr std::string_view kWarning352[] = {
    "",
    "**** Warning - Possible Input Data Error ****",
    "",
    "Values entered for effective unit weights of soil were outside",
    "the limits of 3.15 kN/m3 or 22 kN/m3.",
    "The input data for effective unit weight may be erroneous. Please check your data.",
    "",
};
constexpr std::string_view kWarning353[] = {
    "",
    "**** Warning ****",
    "",
    "Values of effective unit weight cannot be checked because ",
    "general units have been selected.",
    "",
};
constexpr std::string_view kWarning354[] = {
    "",
    "**** Warning - Possible Modelling Error ****",
    "",
    "The depth of this liquefied sand layer is deeper than the recommended depth ",
    "limit of 6 meters for using the p-y criteria for liquefied sand.",
    "Please consult the Tavik Technical Manual for additional background ",
    "information regarding limitations on the use of the liquefied sand criteria.",
    "",
};
constexpr std::string_view kWarning355[] = {
    "",
    "**** Warning - Possible Design Error ****",
    "",
    "Maximum moment capacity was reached at maximum compressive strains that are",
    "smaller than 0.003.  This usually indicates that the pile section is under-",
    "reinforced.  The user should carefully examine the moment-curve results to",
    "determine if additional reinforcement or higher prestressing force is needed",
    "to achieve the necessary moment capacity.",
    "",
};
constexpr std::string_view kWarning400[] = {
    "",
    "**** Warning - Failure for One or More LRFD Load Cases ****",
    "",
    "This warning message is provided to alert the user that one or more of ",
    "LRFD load cases has overloaded the structural capacity of the pile.",
};
constexpr std::string_view kWarning3041[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for shear strength has been specified for a soil",
    "defined using the soft clay criteria.  The input value is greater than 8.68",
    "psi (1,250 psf).  You should check your input data for correctness.",
    "",
};
constexpr std::string_view kWarning3042[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for shear strength has been specified for a soil",
    "defined using the soft clay criteria.",
    "The input value is greater than 59.85 kN/m2. You should check your input data for correctness.",
    "",
};
constexpr std::string_view kWarning3051[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for shear strength has been specified for a layer.",
    "defined using the stiff clay with free water criteria.  The input value is ",
    "less than 3.47 psi (500 psf). You should check your input data for correctness.",
    "",
};
constexpr std::string_view kWarning3052[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for shear strength has been specified for a layer.",
    "defined using the stiff clay with free water criteria.  The input value is ",
    "greater than 55.55 psi (8,000 psf).  You should check your input data for",
    "correctness.",
    "",
};
constexpr std::string_view kWarning3053[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for shear strength has been specified for a layer.",
    "defined using the stiff clay with free water criteria.  The input value is ",
    "less than 23.94 kN/m2.  You should check your input data for correctness.",
    "",
};
constexpr std::string_view kWarning3054[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for shear strength has been specified for a layer. ",
    "defined using the stiff clay with free water criteria.  The input value is ",
    "greater than 383.04 kN/m2.  You should check your input data for correctness.",
    "",
};
constexpr std::string_view kWarning3061[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for shear strength has been specified for a layer. ",
    "defined using the stiff clay without free water criteria.  The input value is ",
    "less than 3.47 psi (500 psf).  You should check your input data for correctness.",
    "",
};
constexpr std::string_view kWarning3062[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for shear strength has been specified for a layer.",
    "defined using the stiff clay without free water criteria.  The input value is ",
    "greater than 8,000 psf (55.55 psi).  You should check your input data for correctness.",
    "",
};
constexpr std::string_view kWarning3063[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for shear strength has been specified for a layer.",
    "defined using the stiff clay without free water criteria.  The input value is ",
    "less than 23.94 kN/m2.  You should check your input data for correctness.",
    "",
};
constexpr std::string_view kWarning3064[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for shear strength has been specified for a layer.",
    "defined using the stiff clay without free water criteria.  The input value is ",
    "greater than 383.04 kN/m2.  You should check your input data for correctness.",
    "",
};
constexpr std::string_view kWarning3071[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for the compressive strength has been specified",
    "for a soil defined using the weak rock criteria.  The input value is less ",
    "than 100 psi.  You should check your input data for correctness.",
    "",
};
constexpr std::string_view kWarning3072[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for unconfined compressive strength has been ",
    "specified for a soil defined using the weak rock criteria.  The input value",
    "is greater than 1000 psi.  You should check your input data for correctness.",
    "",
};
constexpr std::string_view kWarning3073[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for unconfined compressive strength has been ",
    "specified for a soil defined using the weak rock criteria.  The input value",
    "is less than  689.5 kN/m2.  You should check your input data for correctness.",
    "",
};
constexpr std::string_view kWarning3074[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for unconfined compressive strength has been",
    "specified for a soil defined using the weak rock criteria.  The input value",
    "is greater than 6895 kN/m2.  You should check your input data for correctness.",
    "",
};
constexpr std::string_view kWarning3091[] = {
    "**** Warning ****",
    "",
    "An unreasonable input value for compressive strength of concrete has been",
    "specified.  The input value is either smaller than 2000 psi or larger than",
    "8000 psi.  You should check your input for correctness.",
    "",
};
constexpr std::string_view kWarning3092[] = {
    "**** Warning ****",
    "",
    "An unreasonable input value for compressive strength of concrete has been",
    "specified.  The input value is either smaller than 13790 kN/m2 or larger ",
    "than 55,160 kN/m2.  You should check your input for correctness.",
    "",
};
constexpr std::string_view kWarning3101[] = {
    "**** Warning ****",
    "",
    "An unreasonable input value for modulus of elasticity  has been specified",
    "for the reinforcing steel.  The input value is either smaller than ",
    "27,500,000 psi or larger than 30,500,000 psi.  You should check your input",
    "for correctness.",
    "",
};
constexpr std::string_view kWarning3102[] = {
    "**** Warning ****",
    "",
    "An unreasonable input value for modulus of elasticity  has been specified",
    "for the reinforcing steel.  The input value is either smaller than ",
    "189,600,000 kPa or larger than 210,300,000 kPa.  You should check your ",
    "input for correctness.",
    "",
};
constexpr std::string_view kWarning3111[] = {
    "**** Warning ****",
    "",
    "An unreasonable input value for yield strength of reinforcing steel has been",
    "specified.  The input value is either smaller than 38,000 psi or larger than",
    "80,000 psi.  You should check your input for correctness.",
    "",
};
constexpr std::string_view kWarning3112[] = {
    "**** Warning ****",
    "",
    "An unreasonable input value for yield strength of reinforcing steel has been",
    "specified.  The input value is either smaller than 262,000 kPa or larger ",
    "than 551,600 kPa.  You should check you input for correctness.",
    "",
};
constexpr std::string_view kWarning3121[] = {
    "**** Warning ****",
    "",
    "An unreasonable input value for concrete cover thickness has been specified.",
    "The input value is either smaller than 0.8 inches or larger than 6 inches.",
    "You should check your input for correctness.",
    "",
};
constexpr std::string_view kWarning3122[] = {
    "**** Warning ****",
    "",
    "An unreasonable input value for concrete cover thickness has been specified.",
    "The input value is either smaller than 0.02 meters or larger than 0.16 meters.",
    "You should check your input for correctness.",
    "",
};
constexpr std::string_view kWarning3261[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for shear strength has been specified for a layer.",
    "defined using the stiff clay without free water criteria using k.",
    "The input value is less than 500 psf (3.47 psi).",
    "   You should check your input data for correctness.",
    "",
};
constexpr std::string_view kWarning3262[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for shear strength has been specified for a layer.",
    "defined using the stiff clay without free water criteria using k.",
    "The input value is greater than 8,000 psf (55.55 psi).",
    "You should check your input data for correctness.",
    "",
};
constexpr std::string_view kWarning3263[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for shear strength has been specified for a layer.",
    "defined using the stiff clay without free water criteria using k.",
    "The input value is less than 23.94 kN/m2.",
    "You should check your input data for correctness.",
    "",
};
constexpr std::string_view kWarning3264[] = {
    "",
    "**** Warning ****",
    "",
    "An unreasonable input value for shear strength has been specified for a layer.",
    "defined using the stiff clay without free water criteria using k.",
    "The input value is greater than 383.04 kN/m2.",
    "You should check your input data for correctness.",
    "",
};
// clang-format on

constexpr WarningText kWarningTexts[] = {
    {302, kWarning302},   {303, kWarning303},   {305, kWarning305},   {306, kWarning306},
    {307, kWarning307},   {308, kWarning308},   {309, kWarning309},   {310, kWarning310},
    {311, kWarning311},   {312, kWarning312},   {315, kWarning315},   {316, kWarning316},
    {317, kWarning317},   {318, kWarning318},   {351, kWarning351},   {352, kWarning352},
    {353, kWarning353},   {354, kWarning354},   {355, kWarning355},   {400, kWarning400},
    {3041, kWarning3041}, {3042, kWarning3042}, {3051, kWarning3051}, {3052, kWarning3052},
    {3053, kWarning3053}, {3054, kWarning3054}, {3061, kWarning3061}, {3062, kWarning3062},
    {3063, kWarning3063}, {3064, kWarning3064}, {3071, kWarning3071}, {3072, kWarning3072},
    {3073, kWarning3073}, {3074, kWarning3074}, {3091, kWarning3091}, {3092, kWarning3092},
    {3101, kWarning3101}, {3102, kWarning3102}, {3111, kWarning3111}, {3112, kWarning3112},
    {3121, kWarning3121}, {3122, kWarning3122}, {3261, kWarning3261}, {3262, kWarning3262},
    {3263, kWarning3263}, {3264, kWarning3264},
};

static_assert(std::is_sorted(std::begin(kWarningTexts), std::end(kWarningTexts),
                             [](const WarningText& a, const WarningText& b) {
                               return a.number < b.number;
                             }),
              "Warning_Text searches the table by number");

constexpr int kSummaryTitleIndent = 26;

}  // namespace

// The text lines of warning w, empty for a number the program has no text for (including
// numbers outside 1..4000). The table is sorted by number.
std::span<const std::string_view> Warning_Text(int w) {
  const auto* end = std::end(kWarningTexts);
  const auto* it = std::lower_bound(std::begin(kWarningTexts), end, w,
                                    [](const WarningText& t, int n) { return t.number < n; });
  if (it == end || it->number != w) return {};
  return it->lines;
}

// Writes the closing warning summary: a "no messages" note when no tally is nonzero;
// otherwise a titled block with, for each warning number in ascending order, its count line
// followed by an empty line and its text (a number without a text gets the count line only).
void Write_Warning_Summary(TextChannel& report, const RunStatus& status) {
  const int reported =
      static_cast<int>(std::count_if(status.WarningTally.begin() + 1, status.WarningTally.end(),
                                     [](int tally) { return tally != 0; }));
  report.Empty_Lines(2);
  if (reported == 0) {
    report.Write_Line("No error or warning messages were generated by this analysis.");
    report.Empty_Lines(1);
    return;
  }
  report.Rule('-');
  report.Line().X(kSummaryTitleIndent).A("Summary of Warning Messages");
  report.End_Line();
  report.Rule('-');
  report.Empty_Lines(1);
  for (int w = 1; w <= kMaxWarningNumber; ++w) {
    const int tally = status.WarningTally[w];
    if (tally == 0) continue;
    report.Line().A("The following warning was reported ").I(tally, 0).A(" times");
    report.End_Line();
    const std::span<const std::string_view> text = Warning_Text(w);
    if (text.empty()) continue;
    report.Empty_Lines(1);
    for (const std::string_view line : text) report.Write_Line(line);
  }
}

}  // namespace tavik
