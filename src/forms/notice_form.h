#pragma once
// The workflow every notice form shares: Validation, Save/Next, Finish, Reset and closing the
// window, the untouched-form and save-refused flags, the file and its notice counter, and the
// field checks attached from the per-form tables. A form derives from NoticeForm, builds its
// widgets (setupUi), then calls InitNoticeForm(); it fills in the hooks below.

#include "forms/qt_form_view.h"
#include "notice/record.h"
#include "validation/save_readiness.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <string>

class QCloseEvent;
class QLineEdit;

namespace ondrell {

class FileSink;
class FieldCheckFilter;

// What differs between the eight forms in the shared workflow.
struct NoticeFormTraits {
    FormKind kind;
    const char *formName;            // "GS1AssignFrmGE06", ...; also the key of the field-check tables
    const char *filePrefix;          // "GS1-", ...
    bool articleCheck;               // GS1, GT1: Art. 4 or Art. 5 must be chosen
    bool hoursDefaults;              // TB2: empty operating hours become 0000 and 2400
    bool intentOptions;              // assignment, allotment and GA1 forms: select OptInt_Add after a save
    const char *const *contentBoxes; // the boxes of which one must be filled for a notice on screen
};

const NoticeFormTraits &TraitsOf(FormKind kind);

class NoticeForm : public QDialog {
    Q_OBJECT

  public:
    // A combo box with this property set keeps its own rule for the untouched-form flag instead
    // of the common one (every choice clears the flag).
    static constexpr const char *kOwnTouchRuleProperty = "ownTouchRule";

    NoticeForm(FormKind kind, QWidget *parent = nullptr);
    ~NoticeForm() override;

    FormKind kind() const { return traits_.kind; }
    const NoticeFormTraits &traits() const { return traits_; }
    const FormView &view() const { return view_; }

    // The four buttons (Button_Validate, Button_Next, Button_Finish, Button_Reset).
    void ValidateClicked();
    // True when the notice was written to the file.
    bool SaveNextClicked();
    void FinishClicked();
    void ResetClicked();

    // Screen-content test: whether any of the form's content boxes is filled.
    virtual bool IsNewNotice() const;

    bool untouched() const { return untouched_; }
    void setUntouched(bool untouched) { untouched_ = untouched; }
    // A field was left non-empty, a combo clicked, a fill-range applied.
    void MarkTouched() { untouched_ = false; }
    bool saveRefused() const { return saveRefused_; }
    bool fileOpen() const;
    bool finished() const { return finished_; }
    int nextNoticeNumber() const { return nextNumber_; }

    // The field-check machinery (tests look at it; forms rarely need it).
    FieldCheckFilter &fieldChecks() { return *fieldChecks_; }

  protected:
    // Attaches buttons and field checks, sets the captions and runs the opening sequence.
    void InitNoticeForm();

    // Hooks the forms fill in.
    virtual void FillLists() {}
    // Screen capture into a fresh record (default: the form's capture by its type code).
    virtual void CaptureRecord(NoticeRecord &record) const;
    // Clears the screen after a save and at Reset.
    virtual void ClearScreen() = 0;
    // Reset only: what Reset clears beyond ClearScreen.
    virtual void ClearForReset() {}
    // Assignment and allotment forms: hide and empty the target fields (OptInt_Add is selected first).
    virtual void ResetTargetFields() {}
    // Counts the save-readiness checks need from the form.
    virtual int ContourIdCount() const { return 0; }
    virtual int TestPointCount() const { return 0; }

    void closeEvent(QCloseEvent *event) override;

  public:
    void reject() override;

  private:
    void ConnectButtons();
    bool ArticleChosen();
    bool HasNoticeOnScreen();
    void ApplyHoursDefaults();
    void LockFileName();
    void SelectAddIntent();
    // Reset's clearing: the form's clear routines, then OptInt_Add chosen and the target hidden.
    void ClearAsReset();
    bool PassesSaveReadiness();
    bool WriteNotice(const NoticeRecord &record);
    bool FileFailed();
    // The closing sequence; false when the window must stay open.
    bool Unload();
    QString ProposedFileName() const;
    void SetLocked(const char *control, bool readOnly);
    void SetEnabled(const char *control, bool enabled);

    const NoticeFormTraits &traits_;
    QtFormView view_;
    std::unique_ptr<FileSink> file_;
    std::unique_ptr<FieldCheckFilter> fieldChecks_;
    int nextNumber_ = 1;
    bool untouched_ = true;
    bool saveRefused_ = false;
    bool finished_ = false;
    bool fileError_ = false;
};

} // namespace ondrell
