#pragma once
// A notice form without widgets: controls by name with their text, visibility, checked state and items.

#include "notice/form_view.h"

#include <map>
#include <string>
#include <vector>

namespace ondrell::testing {

struct FakeControl {
    std::string text;
    bool visible = true;
    bool checked = false;
    std::vector<std::string> items;
};

class FakeFormView : public FormView {
  public:
    std::map<std::string, FakeControl> controls;

    FakeFormView &Set(const std::string &name, const std::string &text) {
        controls[name].text = text;
        return *this;
    }
    FakeFormView &Check(const std::string &name) {
        controls[name].checked = true;
        return *this;
    }
    FakeFormView &Hide(const std::string &name) {
        controls[name].visible = false;
        return *this;
    }
    FakeFormView &Items(const std::string &name, std::vector<std::string> items) {
        controls[name].items = std::move(items);
        return *this;
    }

    bool Has(const std::string &control) const override { return controls.count(control) != 0; }
    std::string Text(const std::string &control) const override { return Find(control).text; }
    bool Visible(const std::string &control) const override { return Find(control).visible; }
    bool Checked(const std::string &control) const override { return Find(control).checked; }
    std::vector<std::string> ListItems(const std::string &control, bool) const override {
        return Find(control).items;
    }

  private:
    // A control the form never set reads as an empty, visible, unchecked one.
    const FakeControl &Find(const std::string &control) const {
        static const FakeControl kAbsent;
        auto it = controls.find(control);
        return it == controls.end() ? kAbsent : it->second;
    }
};

} // namespace ondrell::testing
