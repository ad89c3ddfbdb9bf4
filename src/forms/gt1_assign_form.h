#pragma once
// GT1AssignFrmGE06: the notice of a DVB-T frequency assignment. Beside GS1's fields it has the
// DVB-T system variant, reception mode and beam tilt, and a typed frequency.

#include "forms/assignment_form.h"

namespace ondrell {

class GT1AssignFrmGE06 final : public AssignmentForm {
    Q_OBJECT

  public:
    explicit GT1AssignFrmGE06(QWidget *parent = nullptr);

  protected:
    std::span<const std::string_view> OwnResetFields() const override;
    void OnIntentAdd() override;
    void OnIntentMod() override;
    void OnArticle() override;
    void ConnectOwnControls() override;

  private:
    void ApplyDvbtRule();
};

} // namespace ondrell
