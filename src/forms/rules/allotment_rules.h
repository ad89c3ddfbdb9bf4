#pragma once
// The allotment forms GS2 (T-DAB) and GT2 (DVB-T): intent and Plan-entry rules, the area given
// either by a geographic area or by sub-areas with their contour identifiers, and the contour list.

#include "forms/rules/form_rules.h"

namespace ondrell {

FormBehaviour AllotmentBehaviour(FormKind kind);

namespace MakeVisibleGS2GE06 {
void IntentAdd(FormControls &form);
void IntentMod(FormControls &form);
void PlanEntry(FormControls &form);
// The geographic area chosen or emptied: the sub-area side hidden or shown.
void GeoAreaSide(FormContext &context);
// The number of sub-areas accepted (or emptied): the geographic side hidden (shown), the contour
// entry opened (closed).
void SubAreaSide(FormContext &context);
void OpenContourEntry(FormControls &form, bool open);
// The contour list's Add button, in its fixed order of checks.
void AddContour(FormContext &context);
void ClearContour(FormContext &context);
} // namespace MakeVisibleGS2GE06

} // namespace ondrell
