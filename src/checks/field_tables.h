#pragma once
// Which check each field of each notice form runs, as data: the forms attach their handlers by
// walking their table, without code per field.

#include "checks/field_checks.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace ondrell {

// The controls of one date on a form (empty for fields that are not date parts).
struct DateFields {
    std::string_view day, month, year;
};

struct FieldCheck {
    std::string control; // e.g. "Txt_4C_Deg_Lat"
    KeyFilter key = KeyFilter::None;
    CheckRule check;
    bool onChange = false;      // the check also runs on every change of the text
    int maxLength = 0;          // characters the user can type; 0 = no limit
    DateFields date;            // date parts: the three controls of their date
    std::string_view dateFocus; // date parts: control focused before "Invalid date" ("" = stay)
};

// The forms that have a table, in menu order: "GS1AssignFrmGE06", "GT1AssignFrmGE06",
// "GS2AllotFrmGE06", "GT2AllotFrmGE06", "GA1SubAllotFrmGE06", "TB2FrmGE06", "TB3FrmGE06",
// "TB5FrmGE06".
std::span<const std::string_view> CheckedFormNames();

// The table of a form (one entry per control that has a check, a key filter or a length limit);
// empty for an unknown form. The tables live for the whole program.
std::span<const FieldCheck> FieldChecksFor(std::string_view formName);

// The entry of one control, or null when the form gives it nothing.
const FieldCheck *FindFieldCheck(std::string_view formName, std::string_view control);

// Reads the current text of another control of the same form (for the date check).
using FieldTextReader = std::function<std::string(std::string_view control)>;

// Runs the leave check of a control on `text`. A control without an entry accepts anything and
// changes nothing. Date parts read their sibling fields through `others` (no date check when it
// is empty).
Verdict RunFieldCheck(std::string_view formName, std::string_view control, std::string_view text,
                      const FieldTextReader &others = {});

// The key filter of a control applied to a typed key (unchanged when the control has none).
std::optional<char32_t> FilterFieldKey(std::string_view formName, std::string_view control, char32_t key);

} // namespace ondrell
