#pragma once
// What the assignment forms GS1 and GT1 share beyond the common workflow: their lists, the
// intent, article, antenna and Plan-entry rules wired to the controls, the target-group toggle,
// the coordination list and the buttons that fill a range of azimuths. A form builds its
// widgets, then calls InitAssignmentForm(); GT1 adds its DVB-T parameter rule through the hooks.

#include "forms/notice_form.h"
#include "forms/visibility_assignment.h"

#include <functional>
#include <memory>
#include <span>
#include <string_view>

class QComboBox;

namespace ondrell {

class CoordinationListControls;

class AssignmentForm : public NoticeForm {
    Q_OBJECT

  public:
    ~AssignmentForm() override;

    // The rules' view of this form (also for tests that check a rule on the live form).
    AssignmentScreen &screen() { return *screen_; }

  protected:
    using ArticleRule = void (*)(AssignmentScreen &);
    AssignmentForm(FormKind kind, ArticleRule articleRule, QWidget *parent);

    // Connects the handlers, runs the common opening sequence, then chooses OptInt_Add.
    void InitAssignmentForm();

    // The form's own boxes and combos emptied by the reset procedure beside the common ones.
    virtual std::span<const std::string_view> OwnResetFields() const = 0;
    void ApplyArticleRule() { articleRule_(*screen_); }
    // The option handlers (GT1 adds its DVB-T parameter rule).
    virtual void OnIntentAdd();
    virtual void OnIntentMod();
    virtual void OnArticle();
    // Handlers of the form's own controls, connected before the common workflow's.
    virtual void ConnectOwnControls() {}
    // Gives the combo box of that name its own untouched-form rule in place of the common one.
    void OwnTouchRule(const char *combo, std::function<void(const QString &chosen)> rule);

    void FillLists() override;
    void ClearScreen() override;
    void ClearForReset() override;
    void ResetTargetFields() override;

    QComboBox *Combo(const char *name) const;
    // Runs handler after a user's choice in the combo box of that name.
    void OnChoice(const char *combo, void (AssignmentForm::*handler)());
    void OnChoice(const char *combo, std::function<void()> handler);

  private:
    void ConnectRules();

    ArticleRule articleRule_;
    std::unique_ptr<AssignmentScreen> screen_;
    CoordinationListControls *coordination_ = nullptr;
};

} // namespace ondrell
