#pragma once
// A notice form without widgets: controls by name with their text, shown, chosen and enabled
// states and list items. Given a form's behaviour it runs the rules as the live form does: a
// written text fires the Change and Accept rules, a chosen option its Choose rules, and Pick,
// Click, Leave and SelectItem are fired by the test. Every message a rule shows is recorded.
// Filling steps as text ("set C v", "check C", "uncheck C", "hide C", "items C a|b") serve case tables.

#include "forms/rules/form_rules.h"
#include "notice/notice_types.h"
#include "support/case_file.h"

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace ondrell::testing {

using cases::Split;

struct FakeControl {
    std::string text;
    bool shown = true;
    bool checked = false;
    bool enabled = true;
    bool grey = false;
    std::vector<std::string> items;
    std::string parent; // the frame around it, "" for the form
    std::string group;  // exclusive option group
};

class FakeForm : public FormControls, public FormPrompts {
  public:
    std::map<std::string, FakeControl> controls;
    std::vector<std::pair<std::string, std::string>> told; // (title, text) of each message
    std::string focus;
    bool untouched = true;
    FormState state;
    // When set, a written text fires the Accept rules only if this says the field check accepts it.
    std::function<bool(const std::string &control, const std::string &text)> fieldCheckAccepts;

    FakeForm() = default;
    explicit FakeForm(const FormBehaviour &behaviour) : behaviour_(&behaviour) {}

    // Set-up helpers (no rules run).
    FakeForm &Set(const std::string &name, const std::string &text) {
        controls[name].text = text;
        return *this;
    }
    FakeForm &Inside(const std::string &name, const std::string &frame) {
        controls[name].parent = frame;
        return *this;
    }
    FakeForm &Group(std::initializer_list<std::string> options) {
        for (const auto &o : options)
            controls[o].group = *options.begin();
        return *this;
    }

    // Events a user causes.
    void Type(const std::string &name, const std::string &text) { SetText(name, text); }
    void Pick(const std::string &name, const std::string &entry) {
        controls[name].text = entry;
        Fire(name, On::Pick);
    }
    void Click(const std::string &name) {
        if (controls[name].group.empty())
            Fire(name, On::Click);
        else
            SetChecked(name, true);
    }
    void Leave(const std::string &name) {
        Fire(name, On::Leave);
        Fire(name, On::LeaveAccepted);
    }
    void SelectItem(const std::string &name, int row) { Fire(name, On::SelectItem, row); }
    void Run(const FormAction &action) {
        if (!action)
            return;
        FormContext c = Context();
        action(c);
    }

    // FormControls
    bool Has(std::string_view c) const override { return controls.count(std::string(c)) != 0; }
    std::string Text(std::string_view c) const override { return Find(c).text; }
    void SetText(std::string_view c, std::string_view text) override {
        auto &control = controls[std::string(c)];
        if (control.text == text)
            return;
        control.text = text;
        Fire(std::string(c), On::Change);
        if (!fieldCheckAccepts || fieldCheckAccepts(std::string(c), control.text))
            Fire(std::string(c), On::Accept);
    }
    bool Visible(std::string_view c) const override {
        for (const FakeControl *control = &Find(c); control; control = Parent(*control))
            if (!control->shown)
                return false;
        return true;
    }
    void Show(std::string_view c, bool shown) override { controls[std::string(c)].shown = shown; }
    bool Checked(std::string_view c) const override { return Find(c).checked; }
    void SetChecked(std::string_view c, bool checked) override {
        auto &control = controls[std::string(c)];
        if (control.checked == checked)
            return;
        if (checked && !control.group.empty())
            for (auto &[name, other] : controls)
                if (other.group == control.group)
                    other.checked = false;
        control.checked = checked;
        if (checked)
            Fire(std::string(c), On::Choose);
    }
    bool Enabled(std::string_view c) const override { return Find(c).enabled; }
    void Enable(std::string_view c, bool enabled) override { controls[std::string(c)].enabled = enabled; }
    void SetGrey(std::string_view c, bool grey) override { controls[std::string(c)].grey = grey; }
    void Focus(std::string_view c) override { focus = c; }
    std::vector<std::string> ListItems(std::string_view c) const override { return Find(c).items; }
    void SetListItems(std::string_view c, const std::vector<std::string> &items) override {
        controls[std::string(c)].items = items;
    }

    // FormPrompts
    void Tell(std::string_view title, std::string_view text, PromptIcon) override {
        told.emplace_back(title, text);
    }

  private:
    FormContext Context(int row = -1) {
        FormContext c{*this, *this, state, nullptr, [this](bool u) { untouched = u; }};
        c.row = row;
        return c;
    }
    void Fire(const std::string &name, On on, int row = -1) {
        if (!behaviour_)
            return;
        for (const FormRule &rule : behaviour_->rules)
            if (rule.on == on && name == rule.control) {
                FormContext c = Context(row);
                rule.run(c);
            }
    }
    const FakeControl *Parent(const FakeControl &control) const {
        if (control.parent.empty())
            return nullptr;
        auto it = controls.find(control.parent);
        return it == controls.end() ? nullptr : &it->second;
    }
    // A control the form never set reads as an empty, shown, unchecked one.
    const FakeControl &Find(std::string_view c) const {
        static const FakeControl kAbsent;
        auto it = controls.find(std::string(c));
        return it == controls.end() ? kAbsent : it->second;
    }

    const FormBehaviour *behaviour_ = nullptr;
};

// The steps that fill a form without running rules; false for any other verb.
inline bool FillStep(FakeForm &f, std::string_view verb, const std::string &c, const std::string &value) {
    if (verb != "set" && verb != "check" && verb != "uncheck" && verb != "hide" && verb != "items")
        return false;
    FakeControl &control = f.controls[c];
    if (verb == "set")
        control.text = value;
    if (verb == "items")
        control.items = value.empty() ? std::vector<std::string>{} : Split(value, '|');
    control.checked = verb == "check" || (control.checked && verb != "uncheck");
    control.shown = control.shown && verb != "hide";
    return true;
}

// Splits "verb names value" and runs `each(verb, name, value)` for every name.
template <typename Each> void ForEachName(const std::string &step, Each each) {
    const std::size_t a = step.find(' '), b = a == std::string::npos ? a : step.find(' ', a + 1);
    const std::string verb = step.substr(0, a);
    const std::string names = a == std::string::npos ? "" : step.substr(a + 1, b - a - 1);
    const std::string value = b == std::string::npos ? "" : step.substr(b + 1);
    for (const std::string &c : Split(names, ','))
        each(verb, c, value);
}

inline FormKind KindNamed(std::string_view type) {
    for (const auto &d : NoticeTypes())
        if (d.type == type)
            return d.kind;
    throw std::invalid_argument("no form " + std::string(type));
}

} // namespace ondrell::testing
