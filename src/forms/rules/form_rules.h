#pragma once
// What makes one notice form differ from another, as plain data and functions over the form's
// controls: the rules wired to its controls and its set-up and clearing procedures. The shared form
// base runs the workflow and calls these; the same behaviour runs on the live Qt form and on the
// plain fake of the tests.

#include "notice/form_controls.h"
#include "notice/notice_types.h"

#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ondrell {

class WorldMap;

enum class PromptIcon { None, Information, Exclamation };

// The message boxes a form's own rules show (the workflow's are the base's business).
class FormPrompts {
  public:
    virtual ~FormPrompts() = default;
    // An empty title means the application's default title.
    virtual void Tell(std::string_view title, std::string_view text, PromptIcon icon = PromptIcon::None) = 0;
};

// What a form remembers between two events besides its controls.
struct FormState {
    int selectedRow = -1;     // the list entry last clicked
    int pendingOperation = 0; // GA1: 0 add at the end, 1 insert, 2 modify the selected entry
};

// What a rule sees: the form's controls, the untouched-form flag and the form's message boxes.
struct FormContext {
    FormControls &form;
    FormPrompts &prompts;
    FormState &state;
    const WorldMap *map = nullptr;
    std::function<void(bool untouched)> setUntouched; // the untouched-form flag
    int row = -1;                                     // the list entry clicked (SelectItem rules)

    void MarkTouched() const { SetUntouched(false); }
    void SetUntouched(bool untouched) const {
        if (setUntouched)
            setUntouched(untouched);
    }
};

using FormAction = std::function<void(FormContext &)>;

// The events a rule can be wired to.
enum class On {
    Choose,        // an option button becomes chosen, by the user or by a rule
    Click,         // a button is clicked
    Pick,          // the user picks an entry of a combo box
    Change,        // a text box's text changes, typed or written by a rule
    Accept,        // the field check accepted the text (on change or on leave; empty texts pass)
    LeaveAccepted, // the field was left and its check accepted it
    Leave,         // the field was left, whatever its text
    SelectItem,    // an entry of a list box is clicked (FormContext::row)
};

struct FormRule {
    const char *control;
    On on;
    FormAction run;
};

struct FormBehaviour {
    std::vector<FormRule> rules;
    // Opening, before Reset's clearing (after the lists are filled).
    FormAction setUp;
    // The form's clear routine: Reset and Save/Next.
    FormAction clearScreen;
    // Reset only, after the clear routine.
    FormAction resetOnly;
    // Assignment and allotment forms: choose OptInt_Add and hide and empty the target.
    FormAction chooseAdd;
    // Opening, last steps before the untouched-form flag is set.
    FormAction afterOpen;
    // Where the focus goes after a save (none: it stays).
    const char *focusAfterSave = nullptr;
    // Whether every pick in a combo box clears the untouched-form flag, except in the combos that
    // keep a rule of their own; otherwise only the rules decide.
    bool picksMarkTouched = false;
    std::vector<const char *> ownTouchRule;
};

// The behaviour of each form that has one (registered by the forms' rule files).
const FormBehaviour &BehaviourOf(FormKind kind);

// Helpers the rule files share.
namespace form_rules {
void ShowAll(FormControls &form, std::span<const std::string_view> controls, bool shown);
void ShowAll(FormControls &form, std::initializer_list<std::string_view> controls, bool shown);
void EmptyAll(FormControls &form, std::span<const std::string_view> controls);
void EmptyAll(FormControls &form, std::initializer_list<std::string_view> controls);
// Unchooses every option of the list (an exclusive group is left with none chosen).
void Unchoose(FormControls &form, std::initializer_list<std::string_view> options);
} // namespace form_rules

} // namespace ondrell
