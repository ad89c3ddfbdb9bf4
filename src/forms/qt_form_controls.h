#pragma once
// FormControls over a live Qt form: controls are found by objectName among the form's children. A
// label whose buddy is a field is shown and hidden with it, so no caption is left standing beside a
// hidden box.

#include "notice/form_controls.h"

#include <QHash>
#include <QList>

class QLabel;
class QWidget;

namespace ondrell {

class QtFormControls final : public FormControls {
  public:
    explicit QtFormControls(QWidget &form);

    bool Has(std::string_view control) const override;
    std::string Text(std::string_view control) const override;
    void SetText(std::string_view control, std::string_view text) override;
    bool Visible(std::string_view control) const override;
    void Show(std::string_view control, bool shown) override;
    bool Checked(std::string_view control) const override;
    void SetChecked(std::string_view control, bool checked) override;
    bool Enabled(std::string_view control) const override;
    void Enable(std::string_view control, bool enabled) override;
    void SetGrey(std::string_view control, bool grey) override;
    void Focus(std::string_view control) override;
    std::vector<std::string> ListItems(std::string_view control) const override;
    void SetListItems(std::string_view control, const std::vector<std::string> &items) override;

    QWidget *Find(std::string_view control) const;

  private:
    QWidget &form_;
    mutable QHash<QWidget *, QList<QLabel *>> buddyLabels_;
    mutable bool buddiesKnown_ = false;
};

// The text a control shows: a text box's or text edit's text, a combo box's current entry, a
// label's or button's caption.
QString ControlText(const QWidget *control);

} // namespace ondrell
