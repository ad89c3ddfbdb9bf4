#pragma once
// The administrative forms TB2, TB3 and TB5: their reset procedures and TB2's target toggles.
// Besides the toggles these forms have no visibility rule; their option buttons have no handlers.

#include "forms/rules/form_rules.h"

#include <string_view>

namespace ondrell {

FormBehaviour AdministrativeBehaviour(FormKind kind);

namespace MakeVisibleTBGE06 {

// TB2, a frequency or position box of the target just left: that box's own text decides whether
// the identifier is shown.
void Tb2CharacteristicLeft(FormControls &form, std::string_view left);
// TB2, the identifier just left: a given identifier hides the frequency, the position and their labels.
void Tb2IdentifierLeft(FormControls &form);

// Reset procedures (Reset and Save/Next).
void ClearTb2(FormControls &form);
void ClearTb3(FormControls &form);
void ClearTb5(FormControls &form);

} // namespace MakeVisibleTBGE06

} // namespace ondrell
