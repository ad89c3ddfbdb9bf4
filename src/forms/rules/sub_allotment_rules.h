#pragma once
// The sub-allotment form GA1: the number of test points and the point entry it opens, the
// countdown of points still to give, the country lock, and the test-point list with its one
// procedure for Add, Insert and Modify.

#include "forms/rules/form_rules.h"

#include <string>

namespace ondrell {

FormBehaviour SubAllotmentBehaviour();

namespace MakeVisibleGA1GE06 {

// The pending list operation (FormState::pendingOperation).
enum Operation { kAppend = 0, kInsert = 1, kModify = 2 };

// The point being entered as the list holds it: longitude and latitude signed texts, each part
// padded with zeros to its width; a text is empty when its degrees or minutes are.
std::string LongitudeText(const FormControls &form);
std::string LatitudeText(const FormControls &form);

// Opens (enables, paints white) or closes (disables, paints grey, empties the list) the entry.
void OpenPointEntry(FormControls &form, bool open);
// The remaining count: the number of test points minus the entries listed.
void ShowCountDown(FormControls &form);
// After a coordinate field's check accepted its text.
void EntryButtons(FormContext &context);
void SelectEntry(FormContext &context);
// The procedure Add, Insert and Modify share, for the pending operation.
void StorePoint(FormContext &context);
void DeletePoint(FormContext &context);
void ClearPoint(FormContext &context);
void ClearAllPoints(FormContext &context);

} // namespace MakeVisibleGA1GE06

} // namespace ondrell
