#pragma once
// Read-only view of a notice form by control name, so screen capture and the save-readiness
// checks run on the real Qt forms and on plain test fakes alike.

#include <string>
#include <vector>

namespace ondrell {

class FormView {
  public:
    virtual ~FormView() = default;
    // Whether the form has a control of this name at all.
    virtual bool Has(const std::string &control) const = 0;
    // Text of a text box, or the current text of a combo box; "" when there is no such control.
    virtual std::string Text(const std::string &control) const = 0;
    virtual bool Visible(const std::string &control) const = 0;
    // Checked state of an option button or check box.
    virtual bool Checked(const std::string &control) const = 0;
    // Items of a list box (all items), or the selected items when selectedOnly.
    virtual std::vector<std::string> ListItems(const std::string &control,
                                               bool selectedOnly = false) const = 0;
};

} // namespace ondrell
