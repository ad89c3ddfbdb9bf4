#pragma once
// A notice form's controls by name, read and written: screen capture, the save checks and the
// forms' rules see a form only through this, so they run unchanged on the live Qt form and on the
// plain fake of the tests. A control the form lacks reads as empty, hidden and unchecked, and
// writes to it are ignored.

#include <string>
#include <string_view>
#include <vector>

namespace ondrell {

class FormControls {
  public:
    virtual ~FormControls() = default;

    virtual bool Has(std::string_view control) const = 0;

    // Text of a text box, or the current entry of a combo box.
    virtual std::string Text(std::string_view control) const = 0;
    // A text box's text, or the combo box entry of that text ("" picks the empty entry). Fires the
    // control's change handlers just as typing does.
    virtual void SetText(std::string_view control, std::string_view text) = 0;

    // Visible as far as the form goes: the control and every frame around it are shown (the form
    // itself need not be on screen).
    virtual bool Visible(std::string_view control) const = 0;
    // Shows or hides the control, with the label that names it.
    virtual void Show(std::string_view control, bool shown) = 0;

    // Option buttons: chosen or not; choosing one unchooses the others of its group, and unchoosing
    // leaves the whole group unchosen.
    virtual bool Checked(std::string_view control) const = 0;
    virtual void SetChecked(std::string_view control, bool checked) = 0;

    virtual bool Enabled(std::string_view control) const = 0;
    virtual void Enable(std::string_view control, bool enabled) = 0;
    // Paints an entry box or list grey (closed) or white (open).
    virtual void SetGrey(std::string_view control, bool grey) = 0;
    virtual void Focus(std::string_view control) = 0;

    // Items of a list box (or the entries of a combo box).
    virtual std::vector<std::string> ListItems(std::string_view control) const = 0;
    virtual void SetListItems(std::string_view control, const std::vector<std::string> &items) = 0;
};

} // namespace ondrell
