#pragma once
// Visibility, default and reset procedures of the assignment forms GS1 and GT1: which groups of
// fields are shown for the notice's intent, article, antenna, Plan entry and (GT1) DVB-T system
// parameters, and the behaviour the two forms hand to the shared form base.

#include "forms/rules/form_rules.h"
#include "notice/control_names.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ondrell {

// The target frequency and the eight target coordinate boxes.
std::span<const std::string_view> TargetCharacteristicFields();
// The boxes whose change runs the target toggle: the frequency, degrees, minutes and seconds.
std::span<const std::string_view> TargetToggleFields();

namespace MakeVisibleGS1GE06 {

// Intent rule for Add: both article frames shown, the target frame hidden and emptied.
void IntentAdd(FormControls &screen);
// Step 2 of the Add rule alone: hide the target frame and empty its boxes.
void HideTargetFrame(FormControls &screen);
void IntentMod(FormControls &screen);
// Article rule for the choice of Opt_Art4 / Opt_Art5 (or neither).
void Article(FormControls &screen);
// Attenuation frames and radiated-power fields by directivity and polarization.
void Antenna(FormControls &screen);
// SFN and allotment identifiers by the type of Plan entry.
void PlanEntry(FormControls &screen);
// The target is given either by its identifier or by its characteristics, never both: run on a
// change of the target frequency or of a degree/minute/second box, and on a change of the identifier.
void TargetFromCharacteristics(FormControls &screen);
void TargetFromIdentifier(FormControls &screen);

// Reset procedure (Reset and Save/Next): empty the notice, restore the defaults, re-apply the rules.
// `ownFields` are the form's own boxes and lists emptied in step 1 beside the common ones.
void ResetScreen(FormControls &screen, std::span<const std::string_view> ownFields,
                 void (*article)(FormControls &));

} // namespace MakeVisibleGS1GE06

namespace MakeVisibleGT1GE06 {

// The GS1 article rule followed by the DVB-T additions (Art. 5 also sets the operating hours).
void Article(FormControls &screen);
// System variant with reception mode, or a reference planning configuration, never both.
void DvbtParameters(FormControls &screen);

} // namespace MakeVisibleGT1GE06

// The behaviour of GS1 (T-DAB) or GT1 (DVB-T).
FormBehaviour AssignmentBehaviour(FormKind kind);

// Box indices (azimuth / 10) that a fill from..to in steps of 10 degrees writes; azimuths that name
// no box (not 0, 10, ... 350) are skipped, and from > to writes nothing.
std::vector<int> AzimuthFillIndices(int from, int to);

} // namespace ondrell
