#include "forms/notice_form.h"

#include "app/app_state.h"
#include "app/caption_table.h"
#include "forms/dialogs.h"
#include "forms/err_msg_frm.h"
#include "forms/notice_form_fields.h"
#include "notice/capture.h"
#include "notice/file_format.h"
#include "notice/file_sink.h"
#include "notice/notice_writer.h"
#include "util/user_name.h"
#include "validation/validate.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QRadioButton>

#include <ctime>

namespace ondrell {

namespace {

const char *const kAssignmentBoxes[] = {
    "Txt_4C_Deg_Long", "Txt_4C_Min_Long", "Txt_4C_Sec_Long", "Txt_4C_Deg_Lat",
    "Txt_4C_Min_Lat",  "Txt_4C_Sec_Lat",  "Txt_AdmRefID",    nullptr};
const char *const kGt1Boxes[] = {"Txt_4C_Deg_Long", "Txt_4C_Min_Long", "Txt_4C_Sec_Long",
                                 "Txt_4C_Deg_Lat",  "Txt_4C_Min_Lat",  "Txt_4C_Sec_Lat",
                                 "Txt_AdmRefID",    "Txt_TrgAdmRefID", nullptr};
const char *const kAllotmentBoxes[] = {"Txt_AdmRefID", "Txt_TrgAdmRefID", nullptr};
const char *const kSubAreaBoxes[] = {"Txt_RRC04_contour_id", nullptr};
const char *const kTb2Boxes[] = {"Txt_PlanAdmRefID", nullptr};
const char *const kTargetBoxes[] = {"Txt_TrgAdmRefID", nullptr};

//                                   kind           form name             prefix  article hours  intent boxes
const NoticeFormTraits kTraits[] = {
    {FormKind::GS1, "GS1AssignFrmGE06", "GS1-", true, false, true, kAssignmentBoxes},
    {FormKind::GT1, "GT1AssignFrmGE06", "GT1-", true, false, true, kGt1Boxes},
    {FormKind::GS2, "GS2AllotFrmGE06", "GS2-", false, false, true, kAllotmentBoxes},
    {FormKind::GT2, "GT2AllotFrmGE06", "GT2-", false, false, true, kAllotmentBoxes},
    {FormKind::GA1, "GA1SubAllotFrmGE06", "GA1-", false, false, false, kSubAreaBoxes},
    {FormKind::TB5, "TB5FrmGE06", "TB5-", false, false, false, kTargetBoxes},
    {FormKind::TB3, "TB3FrmGE06", "TB3-", false, false, false, kTargetBoxes},
    {FormKind::TB2, "TB2FrmGE06", "TB2-", false, true, false, kTb2Boxes},
};

const QString kCrLf = QStringLiteral("\r\n");

QString Q(const std::string &s) {
    return QString::fromStdString(s);
}

std::tm Now() {
    std::time_t t = std::time(nullptr);
    std::tm when{};
    localtime_r(&t, &when);
    return when;
}

// The error a form shows when the file cannot be created or written.
const QString kFileErrorTitle = QStringLiteral("File Error");

} // namespace

const NoticeFormTraits &TraitsOf(FormKind kind) {
    return kTraits[static_cast<int>(kind)];
}

NoticeForm::NoticeForm(FormKind kind, QWidget *parent)
    : QDialog(parent), traits_(TraitsOf(kind)), view_(*this), file_(std::make_unique<FileSink>()) {
    setObjectName(QString::fromLatin1(traits_.formName));
    setModal(true);
}

NoticeForm::~NoticeForm() = default;

bool NoticeForm::fileOpen() const {
    return file_->IsOpen();
}

void NoticeForm::InitNoticeForm() {
    ConnectButtons();
    fieldChecks_ = std::make_unique<FieldCheckFilter>(*this, objectName(), [this] { MarkTouched(); });
    fieldChecks_->setParent(nullptr); // owned by the unique_ptr
    fieldChecks_->Attach();
    if (auto *reset = findChild<QAbstractButton *>(QStringLiteral("Button_Reset")))
        reset->setProperty(FieldCheckFilter::kSkipProperty, true);
    // A click in any list clears the untouched-form flag (the forms' combo Click handlers), except
    // in the lists that keep a rule of their own.
    for (auto *combo : findChildren<QComboBox *>())
        if (!combo->property(kOwnTouchRuleProperty).toBool())
            connect(combo, &QComboBox::activated, this, [this] { MarkTouched(); });

    FillLists();
    SelectAddIntent();
    ClearAsReset();
    nextNumber_ = 1;
    if (auto *number = findChild<QLineEdit *>(QStringLiteral("Txt_Ntc_Number")))
        number->setText(QStringLiteral("1"));
    if (auto *name = findChild<QLineEdit *>(QStringLiteral("Txt_Filename")))
        name->setText(ProposedFileName());
    ApplyCaptions(*this, kind());
    finished_ = false;
    saveRefused_ = false;
    untouched_ = true;
}

void NoticeForm::ConnectButtons() {
    const struct {
        const char *name;
        std::function<void()> handler;
    } buttons[] = {
        {"Button_Validate", [this] { ValidateClicked(); }},
        {"Button_Next", [this] { SaveNextClicked(); }},
        {"Button_Finish", [this] { FinishClicked(); }},
        {"Button_Reset", [this] { ResetClicked(); }},
    };
    for (const auto &b : buttons)
        if (auto *button = findChild<QAbstractButton *>(QString::fromLatin1(b.name)))
            connect(button, &QAbstractButton::clicked, this, b.handler);
}

QString NoticeForm::ProposedFileName() const {
    const std::string programDir = QCoreApplication::applicationDirPath().toStdString();
    const std::string prefix(traits_.filePrefix, 3);
    return Q(ondrell::ProposedFileName(TheApp().workDir.toStdString(), programDir, prefix, Now(),
                                       CurrentUserName()));
}

bool NoticeForm::IsNewNotice() const {
    for (const char *const *box = traits_.contentBoxes; *box; ++box)
        if (!view_.Text(*box).empty())
            return true;
    return false;
}

void NoticeForm::CaptureRecord(NoticeRecord &record) const {
    switch (kind()) {
    case FormKind::GA1:
        CaptureSubAreaNotice(view_, record);
        return;
    case FormKind::GS1:
        CaptureNotice(view_, record, CaptureCode::GS1);
        return;
    case FormKind::GT1:
        CaptureNotice(view_, record, CaptureCode::GT1);
        return;
    case FormKind::GS2:
        CaptureNotice(view_, record, CaptureCode::GS2);
        return;
    case FormKind::GT2:
        CaptureNotice(view_, record, CaptureCode::GT2);
        return;
    case FormKind::TB5:
        CaptureNotice(view_, record, CaptureCode::TB5);
        return;
    case FormKind::TB3:
        CaptureNotice(view_, record, CaptureCode::TB3);
        return;
    case FormKind::TB2:
        CaptureNotice(view_, record, CaptureCode::TB2);
        return;
    }
}

void NoticeForm::SetLocked(const char *control, bool readOnly) {
    if (auto *edit = findChild<QLineEdit *>(QString::fromLatin1(control)))
        edit->setReadOnly(readOnly);
}

void NoticeForm::SetEnabled(const char *control, bool enabled) {
    if (auto *w = findChild<QWidget *>(QString::fromLatin1(control)))
        w->setEnabled(enabled);
}

void NoticeForm::LockFileName() {
    SetLocked("Txt_Filename", true);
}

void NoticeForm::SelectAddIntent() {
    if (!traits_.intentOptions)
        return;
    if (auto *add = findChild<QAbstractButton *>(QStringLiteral("OptInt_Add")))
        add->setChecked(true);
    ResetTargetFields();
}

bool NoticeForm::ArticleChosen() {
    if (!traits_.articleCheck || view_.Checked("Opt_Art4") || view_.Checked("Opt_Art5"))
        return true;
    AppDialogs().Message(
        this, QStringLiteral("Select Article"),
        QStringLiteral("Please select under which article this assignment is been submitted"));
    return false;
}

bool NoticeForm::HasNoticeOnScreen() {
    if (IsNewNotice() && !untouched_)
        return true;
    AppDialogs().Message(this, QStringLiteral("Missing values"),
                         QStringLiteral("Not enough fields to validate"));
    return false;
}

void NoticeForm::ApplyHoursDefaults() {
    if (!traits_.hoursDefaults)
        return;
    const struct {
        const char *control;
        const char *value;
    } defaults[] = {{"Txt_10B_Ophhfr", "0000"}, {"Txt_10B_Ophhto", "2400"}};
    for (const auto &d : defaults)
        if (auto *edit = findChild<QLineEdit *>(QString::fromLatin1(d.control));
            edit && edit->text().isEmpty())
            edit->setText(QString::fromLatin1(d.value));
}

void NoticeForm::ValidateClicked() {
    if (fieldChecks_ && fieldChecks_->Refusing())
        return;
    LockFileName();
    if (!ArticleChosen() || !HasNoticeOnScreen())
        return;
    ApplyHoursDefaults();
    NoticeRecord record;
    CaptureRecord(record);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ValidationOutcome outcome = ValidateNotice(record, TheApp().map);
    QApplication::restoreOverrideCursor();
    ErrMsgFrm window(Q(outcome.caption), Q(outcome.text), this);
    AppDialogs().Exec(window);
}

bool NoticeForm::PassesSaveReadiness() {
    const ReadinessInput input{view_, ContourIdCount(), TestPointCount()};
    const ReadinessRules rules = DefaultReadinessRules(TheApp().map);
    const QString cannotSave = QStringLiteral("Cannot save the notice");
    if (!HasSoftCheck(kind())) {
        const ReadinessReport hard = CheckMandatoryFields(kind(), input, rules);
        if (hard.flag) {
            saveRefused_ = true;
            AppDialogs().Message(this, cannotSave, Q(hard.text), MsgIcon::None,
                                 MsgButtons::CancelTryContinue);
            return false;
        }
        return true;
    }
    const ReadinessReport soft = CheckSaveReadiness(kind(), input, rules);
    if (soft.flag) {
        saveRefused_ = true;
        const ReadinessReport hard = CheckMandatoryFields(kind(), input, rules);
        if (hard.flag) {
            AppDialogs().Message(this, cannotSave, Q(hard.text), MsgIcon::None,
                                 MsgButtons::CancelTryContinue);
            return false;
        }
    }
    if (!soft.text.empty()) {
        if (!AppDialogs().AskYesNo(this, QStringLiteral("Save Invalid Notice"),
                                   Q(soft.text) + kCrLf + QStringLiteral("Save invalid Notice"),
                                   MsgIcon::None))
            return false;
        saveRefused_ = false;
    }
    return true;
}

bool NoticeForm::FileFailed() {
    // The notice stays on the screen and the form stays open; a Finish or close that led here stops.
    saveRefused_ = true;
    fileError_ = true;
    // With no file begun yet the user may pick another name (a folder that exists, a file no other
    // writer holds).
    if (!file_->IsOpen())
        SetLocked("Txt_Filename", false);
    AppDialogs().Message(this, kFileErrorTitle, Q(file_->ErrorString()), MsgIcon::Critical);
    return false;
}

bool NoticeForm::WriteNotice(const NoticeRecord &record) {
    if (!file_->IsOpen()) {
        const QString path =
            view_.Text("Txt_Filename").empty() ? ProposedFileName() : Q(view_.Text("Txt_Filename"));
        if (!file_->Open(path.toStdString()))
            return FileFailed();
        if (file_->HoldsText() &&
            !AppDialogs().AskYesNo(this, QStringLiteral("Replace File"),
                                   QStringLiteral("The file \"%1\" already exists and is not empty (it may "
                                                  "hold notices saved before).")
                                           .arg(path) +
                                       kCrLf + QStringLiteral("Replace it? Its content will be lost."))) {
            file_->Close();
            saveRefused_ = true;
            SetLocked("Txt_Filename", false);
            return false;
        }
        // The header lines and HEAD reach the disk together before any notice, or not at all.
        std::vector<std::string> head = FormatHeaderLines(CurrentFileHeaderInfo());
        head.push_back(FormatHead(record.t_adm, record.planning.email_addr));
        if (!file_->Start(head))
            return FileFailed();
        LockFileName();
        // Every further notice of this file keeps the administration and address of the first one.
        SetEnabled("Combo_B_Adm", false);
        SetEnabled("Txt_EmailAddr", false);
    }
    const std::string section = kind() == FormKind::GA1 ? FormatSubAreaNotice(record, nextNumber_)
                                                        : FormatNotice(record, nextNumber_);
    // A failed write leaves the file as it was, so Save/Next again retries this very notice.
    if (!file_->Write(section))
        return FileFailed();
    return true;
}

bool NoticeForm::SaveNextClicked() {
    if (fieldChecks_ && fieldChecks_->Refusing())
        return false;
    LockFileName();
    saveRefused_ = false;
    fileError_ = false;
    if (!ArticleChosen() || !HasNoticeOnScreen())
        return false;
    if (!PassesSaveReadiness())
        return false;
    ApplyHoursDefaults();
    NoticeRecord record;
    CaptureRecord(record);
    if (!WriteNotice(record))
        return false;
    ++nextNumber_;
    if (auto *number = findChild<QLineEdit *>(QStringLiteral("Txt_Ntc_Number")))
        number->setText(QString::number(nextNumber_));
    ClearScreen();
    SelectAddIntent();
    if (traits_.articleCheck)
        if (auto *add = findChild<QWidget *>(QStringLiteral("OptInt_Add")))
            add->setFocus(Qt::OtherFocusReason);
    untouched_ = true;
    return true;
}

void NoticeForm::FinishClicked() {
    if (fieldChecks_ && fieldChecks_->Refusing())
        return;
    fileError_ = false;
    if (IsNewNotice()) {
        SaveNextClicked();
        if (saveRefused_)
            return;
    }
    if (file_->IsOpen()) {
        if (!file_->Write(FormatTail(nextNumber_ - 1)) || !file_->Close()) {
            FileFailed();
            return;
        }
    }
    finished_ = true;
    QDialog::done(QDialog::Accepted);
}

void NoticeForm::ClearAsReset() {
    ClearScreen();
    ClearForReset();
    SelectAddIntent();
}

void NoticeForm::ResetClicked() {
    ClearAsReset();
    if (fieldChecks_)
        fieldChecks_->Forget();
    untouched_ = true;
    saveRefused_ = false;
}

bool NoticeForm::Unload() {
    fileError_ = false;
    if (!saveRefused_ && !finished_)
        FinishClicked();
    // A file that could not be written keeps the window, and the notice on it, open.
    return !fileError_;
}

void NoticeForm::closeEvent(QCloseEvent *event) {
    if (!Unload()) {
        event->ignore();
        return;
    }
    event->accept();
    if (!finished_)
        QDialog::done(QDialog::Rejected);
}

void NoticeForm::reject() {
    if (Unload() && !finished_)
        QDialog::reject();
}

} // namespace ondrell
