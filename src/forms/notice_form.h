#pragma once
// The workflow every notice form shares: Validation, Save/Next, Finish, Reset and closing the
// window, the untouched-form and save-refused flags, the file and its notice counter, the field
// checks attached from the per-form tables, the lists every form fills, and the form's own rules
// wired to its controls. A form is its Designer .ui, its descriptor and its behaviour: its class
// builds its widgets (setupUi) and calls InitNoticeForm().

#include "forms/qt_form_controls.h"
#include "forms/rules/form_rules.h"
#include "notice/notice_types.h"
#include "notice/record.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <string>

class QCloseEvent;

namespace ondrell {

class FileSink;
class FieldCheckFilter;

class NoticeForm : public QDialog {
    Q_OBJECT

  public:
    // The form's behaviour is its type's unless another is given (tests of the bare workflow).
    NoticeForm(FormKind kind, QWidget *parent = nullptr, const FormBehaviour *behaviour = nullptr);
    ~NoticeForm() override;

    FormKind kind() const { return type_.kind; }
    const NoticeTypeDescriptor &type() const { return type_; }
    FormControls &controls() { return controls_; }

    // The four buttons (Button_Validate, Button_Next, Button_Finish, Button_Reset).
    void ValidateClicked();
    // True when the notice was written to the file.
    bool SaveNextClicked();
    void FinishClicked();
    void ResetClicked();

    // Screen-content test: whether any of the type's "new notice" boxes is filled.
    bool IsNewNotice() const;

    bool untouched() const { return untouched_; }
    void setUntouched(bool untouched) { untouched_ = untouched; }
    void MarkTouched() { untouched_ = false; }
    bool saveRefused() const { return saveRefused_; }
    bool fileOpen() const;
    bool finished() const { return finished_; }
    // The full path of the file this form finished (tail written and closed), empty when none.
    const QString &finishedFile() const { return finishedFile_; }

    // The field-check machinery (tests look at it; forms rarely need it).
    FieldCheckFilter &fieldChecks() { return *fieldChecks_; }

    // Does nothing: Escape must not close the form (closing saves or asks).
    void reject() override;
    // The first showing sizes the form to the screen it opens on.
    void setVisible(bool visible) override;

  protected:
    // Attaches buttons, field checks, parts and rules, then runs the opening sequence.
    void InitNoticeForm();
    // Screen capture into a fresh record.
    virtual void CaptureRecord(NoticeRecord &record) const;

    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    class Prompts;

    FormContext Context(int row = -1);
    // Runs the form's rules wired to that control and event.
    void Fire(const QString &control, On on, int row = -1);
    void Run(const FormAction &action);
    void ConnectButtons();
    void ConnectRules();
    void FillLists();
    bool ArticleChosen();
    bool HasNoticeOnScreen();
    void ApplyHoursDefaults();
    void LockFileName(bool locked = true);
    // Reset's clearing: the form's clear routines, then OptInt_Add chosen and the target hidden.
    void ClearAsReset();
    bool PassesSaveReadiness();
    bool WriteNotice(const NoticeRecord &record);
    bool FileFailed();
    // Finish; when closing, a typed notice that was not saved stops it (false) instead of being
    // dropped.
    bool Finish(bool closing);
    // Writes the tail of the open file and closes it; false after a file error (shown).
    bool FinishFile();
    // The closing sequence; false when the window must stay open.
    bool Unload();
    QString ProposedFileName() const;

    const NoticeTypeDescriptor &type_;
    const FormBehaviour &behaviour_;
    QtFormControls controls_;
    std::unique_ptr<Prompts> prompts_;
    FormState state_;
    std::unique_ptr<FileSink> file_;
    std::unique_ptr<FieldCheckFilter> fieldChecks_;
    int nextNumber_ = 1;
    bool untouched_ = true;
    bool saveRefused_ = false;
    bool finished_ = false;
    bool fileError_ = false;
    bool fitted_ = false;
    QString openedFile_;
    QString finishedFile_;
};

// A notice form made of its Designer .ui and its type: the forms' own classes are these.
template <typename Ui, FormKind Kind> class DesignedForm final : public NoticeForm {
  public:
    explicit DesignedForm(QWidget *parent = nullptr) : NoticeForm(Kind, parent) {
        Ui ui;
        ui.setupUi(this);
        InitNoticeForm();
    }
};

// Registers a form class for its notice type (for a form's .cpp: one line at namespace scope).
template <typename Form> bool RegisterForm(FormKind kind);

} // namespace ondrell

#include "app/form_registry.h"

template <typename Form> bool ondrell::RegisterForm(FormKind kind) {
    return RegisterNoticeForm(kind, [](QWidget *parent) { return std::make_unique<Form>(parent); });
}
