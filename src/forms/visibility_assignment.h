#pragma once
// Visibility, default and reset procedures of the assignment forms GS1 and GT1: which groups of
// fields are shown for the notice's intent, article, antenna, Plan entry and (GT1) DVB-T system
// parameters. The rules see the form only through AssignmentScreen, so they run unchanged on the
// live Qt form and on a plain fake.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ondrell {

// An assignment form's controls by name. Writing a text fires the control's change handlers just
// as typing does (the target-group toggle depends on it). Controls the form lacks are ignored.
class AssignmentScreen {
  public:
    virtual ~AssignmentScreen() = default;
    virtual std::string Text(std::string_view control) const = 0;
    // A text box's text, or the entry of a combo box whose text it is ("" picks the empty entry).
    virtual void SetText(std::string_view control, std::string_view text) = 0;
    // The control's own shown state (the form itself need not be on screen).
    virtual bool Shown(std::string_view control) const = 0;
    virtual void Show(std::string_view control, bool shown) = 0;
    virtual bool Chosen(std::string_view option) const = 0;
    // Chooses an option button, or leaves both buttons of its pair unchosen.
    virtual void SetChosen(std::string_view option, bool chosen) = 0;
    virtual void Focus(std::string_view control) = 0;
    virtual void ClearList(std::string_view control) = 0;
};

// The target frequency and the eight target coordinate boxes.
std::span<const std::string_view> TargetCharacteristicFields();
// The boxes whose change runs the target toggle: the frequency, degrees, minutes and seconds.
std::span<const std::string_view> TargetToggleFields();

namespace MakeVisibleGS1GE06 {

// Intent rule for Add: both article frames shown, the target frame hidden and emptied.
void IntentAdd(AssignmentScreen &screen);
// Step 2 of the Add rule alone: hide the target frame and empty its boxes.
void HideTargetFrame(AssignmentScreen &screen);
void IntentMod(AssignmentScreen &screen);
// Article rule for the choice of Opt_Art4 / Opt_Art5 (or neither).
void Article(AssignmentScreen &screen);
// Attenuation frames and radiated-power fields by directivity and polarization.
void Antenna(AssignmentScreen &screen);
// SFN and allotment identifiers by the type of Plan entry.
void PlanEntry(AssignmentScreen &screen);
// The target is given either by its identifier or by its characteristics, never both: run on a
// change of the target frequency or of a degree/minute/second box, and on a change of the identifier.
void TargetFromCharacteristics(AssignmentScreen &screen);
void TargetFromIdentifier(AssignmentScreen &screen);

// Reset procedure (Reset and Save/Next): empty the notice, restore the defaults, re-apply the rules.
// `ownFields` are the form's own boxes and lists emptied in step 1 beside the common ones.
void ResetScreen(AssignmentScreen &screen, std::span<const std::string_view> ownFields,
                 void (*article)(AssignmentScreen &));

} // namespace MakeVisibleGS1GE06

namespace MakeVisibleGT1GE06 {

// The GS1 article rule followed by the DVB-T additions (Art. 5 also sets the operating hours).
void Article(AssignmentScreen &screen);
// System variant with reception mode, or a reference planning configuration, never both.
void DvbtParameters(AssignmentScreen &screen);

} // namespace MakeVisibleGT1GE06

// Box indices (azimuth / 10) that a fill from..to in steps of 10 degrees writes; azimuths that name
// no box (not 0, 10, ... 350) are skipped, and from > to writes nothing.
std::vector<int> AzimuthFillIndices(int from, int to);

} // namespace ondrell
