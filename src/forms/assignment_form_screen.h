#pragma once
// AssignmentScreen over a live Qt form: controls found by objectName. A label whose buddy is a
// field is shown and hidden with it, so no caption is left standing beside a hidden box.

#include "forms/visibility_assignment.h"

#include <QHash>
#include <QList>

class QLabel;
class QWidget;

namespace ondrell {

class QtAssignmentScreen final : public AssignmentScreen {
  public:
    explicit QtAssignmentScreen(QWidget &form);

    std::string Text(std::string_view control) const override;
    void SetText(std::string_view control, std::string_view text) override;
    bool Shown(std::string_view control) const override;
    void Show(std::string_view control, bool shown) override;
    bool Chosen(std::string_view option) const override;
    void SetChosen(std::string_view option, bool chosen) override;
    void Focus(std::string_view control) override;
    void ClearList(std::string_view control) override;

  private:
    QWidget *Find(std::string_view control) const;

    QWidget &form_;
    QHash<QWidget *, QList<QLabel *>> buddyLabels_;
};

} // namespace ondrell
