#pragma once
// FormView over a live Qt form: controls are found by objectName among the form's children.

#include "notice/form_view.h"

class QWidget;

namespace ondrell {

class QtFormView final : public FormView {
  public:
    explicit QtFormView(const QWidget &form) : form_(form) {}

    bool Has(const std::string &control) const override;
    std::string Text(const std::string &control) const override;
    // Visible as far as the form is concerned: the control and every frame up to the form are shown.
    bool Visible(const std::string &control) const override;
    bool Checked(const std::string &control) const override;
    std::vector<std::string> ListItems(const std::string &control, bool selectedOnly = false) const override;

  private:
    QWidget *Find(const std::string &control) const;
    const QWidget &form_;
};

} // namespace ondrell
