#include "forms/rules/form_rules.h"

#include "forms/rules/admin_rules.h"
#include "forms/rules/allotment_rules.h"
#include "forms/rules/assignment_rules.h"
#include "forms/rules/sub_allotment_rules.h"

namespace ondrell {

const FormBehaviour &BehaviourOf(FormKind kind) {
    static const FormBehaviour kBehaviours[] = {
        AssignmentBehaviour(FormKind::GS1),
        AssignmentBehaviour(FormKind::GT1),
        AllotmentBehaviour(FormKind::GS2),
        AllotmentBehaviour(FormKind::GT2),
        SubAllotmentBehaviour(),
        AdministrativeBehaviour(FormKind::TB5),
        AdministrativeBehaviour(FormKind::TB3),
        AdministrativeBehaviour(FormKind::TB2),
    };
    return kBehaviours[static_cast<int>(kind)];
}

namespace form_rules {

void ShowAll(FormControls &form, std::span<const std::string_view> controls, bool shown) {
    for (auto control : controls)
        form.Show(control, shown);
}

void ShowAll(FormControls &form, std::initializer_list<std::string_view> controls, bool shown) {
    ShowAll(form, std::span(controls.begin(), controls.size()), shown);
}

void EmptyAll(FormControls &form, std::span<const std::string_view> controls) {
    for (auto control : controls)
        form.SetText(control, "");
}

void EmptyAll(FormControls &form, std::initializer_list<std::string_view> controls) {
    EmptyAll(form, std::span(controls.begin(), controls.size()));
}

void Unchoose(FormControls &form, std::initializer_list<std::string_view> options) {
    for (auto option : options)
        form.SetChecked(option, false);
}

} // namespace form_rules

} // namespace ondrell
