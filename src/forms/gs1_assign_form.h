#pragma once
// GS1AssignFrmGE06: the notice of a T-DAB frequency assignment.

#include "forms/assignment_form.h"

namespace ondrell {

class GS1AssignFrmGE06 final : public AssignmentForm {
    Q_OBJECT

  public:
    explicit GS1AssignFrmGE06(QWidget *parent = nullptr);

  protected:
    std::span<const std::string_view> OwnResetFields() const override;
    void FillLists() override;
    void ConnectOwnControls() override;
};

} // namespace ondrell
