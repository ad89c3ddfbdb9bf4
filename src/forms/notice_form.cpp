#include "forms/notice_form.h"

#include "app/app_state.h"
#include "app/caption_table.h"
#include "forms/dialogs.h"
#include "forms/err_msg_frm.h"
#include "forms/notice_form_fields.h"
#include "forms/parts/azimuth_fill.h"
#include "forms/parts/coordination_list.h"
#include "forms/parts/form_pieces.h"
#include "forms/parts/screen_fit.h"
#include "notice/capture.h"
#include "notice/control_names.h"
#include "notice/file_format.h"
#include "notice/file_sink.h"
#include "notice/notice_writer.h"
#include "notice/text_check.h"
#include "refdata/area_codes.h"
#include "refdata/frequencies.h"
#include "util/platform.h"
#include "util/user_name.h"
#include "validation/save_readiness.h"
#include "validation/validate.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <ctime>
#include <set>
#include <utility>

namespace ondrell {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString Q(const std::string &s) {
    return QString::fromStdString(s);
}

std::tm Now() {
    return platform::LocalTime(std::time(nullptr));
}

// The error a form shows when the file cannot be created or written.
const QString kFileErrorTitle = QStringLiteral("File Error");

} // namespace

// The message boxes of the form's own rules.
class NoticeForm::Prompts final : public FormPrompts {
  public:
    explicit Prompts(QWidget &form) : form_(form) {}
    void Tell(std::string_view title, std::string_view text, PromptIcon icon) override {
        const MsgIcon shown = icon == PromptIcon::Information   ? MsgIcon::Information
                              : icon == PromptIcon::Exclamation ? MsgIcon::Exclamation
                                                                : MsgIcon::None;
        AppDialogs().Message(&form_, Q(std::string(title)), Q(std::string(text)), shown);
    }

  private:
    QWidget &form_;
};

NoticeForm::NoticeForm(FormKind kind, QWidget *parent, const FormBehaviour *behaviour)
    : QDialog(parent), type_(Descriptor(kind)), behaviour_(behaviour ? *behaviour : BehaviourOf(kind)),
      controls_(*this), prompts_(std::make_unique<Prompts>(*this)), file_(std::make_unique<FileSink>()) {
    setObjectName(QString::fromUtf8(type_.formName.data(), static_cast<qsizetype>(type_.formName.size())));
    setModal(true);
}

NoticeForm::~NoticeForm() = default;

bool NoticeForm::fileOpen() const {
    return file_->IsOpen();
}

FormContext NoticeForm::Context(int row) {
    FormContext context{controls_, *prompts_, state_, TheApp().map,
                        [this](bool untouched) { untouched_ = untouched; }};
    context.row = row;
    return context;
}

void NoticeForm::Run(const FormAction &action) {
    if (!action)
        return;
    FormContext context = Context();
    action(context);
}

void NoticeForm::Fire(const QString &control, On on, int row) {
    const std::string name = control.toStdString();
    for (const FormRule &rule : behaviour_.rules)
        if (rule.on == on && name == rule.control) {
            FormContext context = Context(row);
            rule.run(context);
        }
}

void NoticeForm::InitNoticeForm() {
    if (auto *bar = findChild<WorkflowBar *>())
        ScrollFormBody(*this, *bar);
    for (auto *table : findChildren<AzimuthFrame *>())
        table->Build();
    // Enter in a box must not press a button the user did not mean: no button is a default one
    // (a dialog otherwise makes every push button an automatic default).
    for (auto *button : findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    ConnectButtons();
    fieldChecks_ = std::make_unique<FieldCheckFilter>(
        *this, objectName(), [this] { MarkTouched(); },
        [this](QWidget *field, bool left) {
            const QString name = field->objectName();
            Fire(name, On::Accept);
            // "Lost focus" rules run once the focus change has settled (they may move the focus).
            if (left)
                QTimer::singleShot(0, this, [this, name] { Fire(name, On::LeaveAccepted); });
        });
    fieldChecks_->setParent(nullptr); // owned by the unique_ptr
    fieldChecks_->Attach();
    WidenShortBoxes(*this);
    if (auto *reset = findChild<QAbstractButton *>(QString::fromLatin1(ctl::Button_Reset)))
        reset->setProperty(FieldCheckFilter::kSkipProperty, true);
    if (findChild<QListWidget *>(QString::fromLatin1(ctl::ListAdmAvail)))
        new CoordinationListControls(*this);
    AttachAzimuthFill(*this, controls_, [this] { MarkTouched(); });
    ConnectRules();

    FillLists();
    Run(behaviour_.chooseAdd);
    Run(behaviour_.setUp);
    ClearAsReset();
    nextNumber_ = 1;
    controls_.SetText(ctl::Txt_Ntc_Number, "1");
    controls_.SetText(ctl::Txt_Filename, ProposedFileName().toStdString());
    ApplyCaptions(*this, kind());
    // Internal remarks are kept off screen on every form that has them, without keeping their room.
    for (const char *name : {ctl::Lbl_int_rmk, ctl::txt_int_rmk})
        if (QWidget *w = controls_.Find(name))
            w->hide();
    Run(behaviour_.afterOpen);
    finished_ = false;
    saveRefused_ = false;
    untouched_ = true;
}

void NoticeForm::ConnectRules() {
    // One connection per control and event; Fire runs every rule wired to them, in order.
    std::set<std::pair<std::string, On>> connected;
    for (const FormRule &rule : behaviour_.rules) {
        QWidget *w = controls_.Find(rule.control);
        if (!w || !connected.insert({rule.control, rule.on}).second)
            continue;
        const QString name = w->objectName();
        switch (rule.on) {
        case On::Choose:
            if (auto *option = qobject_cast<QAbstractButton *>(w))
                connect(option, &QAbstractButton::toggled, this, [this, name](bool chosen) {
                    if (chosen)
                        Fire(name, On::Choose);
                });
            break;
        case On::Click:
            if (auto *button = qobject_cast<QAbstractButton *>(w))
                connect(button, &QAbstractButton::clicked, this, [this, name] { Fire(name, On::Click); });
            break;
        case On::Pick:
            if (auto *combo = qobject_cast<QComboBox *>(w))
                connect(combo, &QComboBox::activated, this, [this, name] { Fire(name, On::Pick); });
            break;
        case On::Change:
            if (auto *edit = qobject_cast<QLineEdit *>(w))
                connect(edit, &QLineEdit::textChanged, this, [this, name] { Fire(name, On::Change); });
            break;
        case On::Leave:
            w->installEventFilter(this);
            break;
        case On::SelectItem:
            if (auto *list = qobject_cast<QListWidget *>(w))
                connect(list, &QListWidget::itemClicked, this, [this, name, list](QListWidgetItem *item) {
                    Fire(name, On::SelectItem, list->row(item));
                });
            break;
        case On::Accept:
        case On::LeaveAccepted:
            break; // reported by the field checks
        }
    }
    // In forms where every pick counts as touching the form, the combos with a rule of their own
    // about the flag are left out.
    if (!behaviour_.picksMarkTouched)
        return;
    for (auto *combo : findChildren<QComboBox *>()) {
        const std::string name = combo->objectName().toStdString();
        bool own = false;
        for (const char *control : behaviour_.ownTouchRule)
            own = own || name == control;
        if (!own)
            connect(combo, &QComboBox::activated, this, [this] { MarkTouched(); });
    }
}

bool NoticeForm::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // The form's own message boxes and closing the window take the focus too: not a leave.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Fire(watched->objectName(), On::Leave);
    }
    return QDialog::eventFilter(watched, event);
}

void NoticeForm::FillLists() {
    std::vector<std::string> administrations{""}, countries{""}, frequencies{""};
    for (auto code : AdministrationCodes())
        administrations.emplace_back(code);
    for (auto code : CountryCodes())
        countries.emplace_back(code);
    for (double mhz : TdabBlockFrequencies())
        frequencies.push_back(ShortestDecimalText(mhz));
    controls_.SetListItems(ctl::Combo_B_Adm, administrations);
    controls_.SetListItems(ctl::Combo_4B_Ctry, countries);
    controls_.SetListItems(ctl::Combo_RRC04_geo_area, countries);
    controls_.SetListItems(ctl::Combo_GE06_FreqAssgn, frequencies);
    controls_.SetListItems(ctl::ListAdmAvail, {administrations.begin() + 1, administrations.end()});
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
    const std::string prefix(type_.filePrefix.substr(0, 3));
    return Q(ondrell::ProposedFileName(TheApp().workDir.toStdString(), programDir, prefix, Now(),
                                       CurrentUserName()));
}

bool NoticeForm::IsNewNotice() const {
    for (auto box : type_.newBoxes)
        if (!controls_.Text(box).empty())
            return true;
    return false;
}

void NoticeForm::CaptureRecord(NoticeRecord &record) const {
    if (type_.captureCode)
        CaptureNotice(controls_, record, *type_.captureCode);
    else
        CaptureSubAreaNotice(controls_, record);
}

void NoticeForm::LockFileName(bool locked) {
    if (auto *edit = findChild<QLineEdit *>(QString::fromLatin1(ctl::Txt_Filename)))
        edit->setReadOnly(locked);
}

bool NoticeForm::ArticleChosen() {
    if (!type_.articleCheck || controls_.Checked(ctl::Opt_Art4) || controls_.Checked(ctl::Opt_Art5))
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
    if (!type_.hoursDefaults)
        return;
    if (controls_.Text(ctl::Txt_10B_Ophhfr).empty())
        controls_.SetText(ctl::Txt_10B_Ophhfr, "0000");
    if (controls_.Text(ctl::Txt_10B_Ophhto).empty())
        controls_.SetText(ctl::Txt_10B_Ophhto, "2400");
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
    const ReadinessInput input{controls_, static_cast<int>(controls_.ListItems(ctl::ListBoxContourID).size()),
                               static_cast<int>(controls_.ListItems(ctl::ListBox_RRC04_Coordinates).size())};
    const ReadinessRules rules = DefaultReadinessRules(TheApp().map);
    const QString cannotSave = QStringLiteral("Cannot save the notice");
    if (!type_.softReadiness) {
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
        LockFileName(false);
    AppDialogs().Message(this, kFileErrorTitle, Q(file_->ErrorString()), MsgIcon::Critical);
    return false;
}

bool NoticeForm::WriteNotice(const NoticeRecord &record) {
    // A pasted control character or a letter Windows-1252 lacks would make the file unreadable or
    // the write fail: refuse it before the file is touched, naming the field.
    if (const std::string unwritable = CheckNoticeText(record); !unwritable.empty()) {
        saveRefused_ = true;
        AppDialogs().Message(this, QStringLiteral("Cannot save the notice"), Q(unwritable),
                             MsgIcon::Critical);
        return false;
    }
    if (!file_->IsOpen()) {
        const std::string typed = controls_.Text(ctl::Txt_Filename);
        const QString path = typed.empty() ? ProposedFileName() : Q(typed);
        if (!file_->Open(path.toStdString()))
            return FileFailed();
        openedFile_ = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
        if (file_->HoldsText() &&
            !AppDialogs().AskYesNo(this, QStringLiteral("Replace File"),
                                   QStringLiteral("The file \"%1\" already exists and is not empty (it may "
                                                  "hold notices saved before).")
                                           .arg(path) +
                                       kCrLf + QStringLiteral("Replace it? Its content will be lost."))) {
            file_->Close();
            saveRefused_ = true;
            LockFileName(false);
            return false;
        }
        // The header lines and HEAD reach the disk together before any notice, or not at all.
        std::vector<std::string> head = FormatHeaderLines(CurrentFileHeaderInfo());
        head.push_back(FormatHead(record.t_adm, record.planning.email_addr));
        if (!file_->Start(head))
            return FileFailed();
        LockFileName();
        // Every further notice of this file keeps the administration and address of the first one.
        controls_.Enable(ctl::Combo_B_Adm, false);
        controls_.Enable(ctl::Txt_EmailAddr, false);
    }
    const std::string section =
        type_.captureCode ? FormatNotice(record, nextNumber_) : FormatSubAreaNotice(record, nextNumber_);
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
    controls_.SetText(ctl::Txt_Ntc_Number, std::to_string(nextNumber_));
    Run(behaviour_.clearScreen);
    Run(behaviour_.chooseAdd);
    if (behaviour_.focusAfterSave)
        controls_.Focus(behaviour_.focusAfterSave);
    untouched_ = true;
    return true;
}

void NoticeForm::FinishClicked() {
    Finish(false);
}

bool NoticeForm::Finish(bool closing) {
    if (fieldChecks_ && fieldChecks_->Refusing())
        return false;
    fileError_ = false;
    if (IsNewNotice()) {
        const bool saved = SaveNextClicked();
        if (saveRefused_)
            return false;
        // Closing the window never drops a notice the user typed that could not be saved (no
        // article chosen); the Finish button goes on as it always has.
        if (closing && !saved && !untouched_)
            return false;
    }
    if (!FinishFile())
        return false;
    finished_ = true;
    QDialog::done(QDialog::Accepted);
    return true;
}

bool NoticeForm::FinishFile() {
    if (!file_->IsOpen())
        return true;
    if (!file_->Write(FormatTail(nextNumber_ - 1)) || !file_->Close())
        return FileFailed();
    finishedFile_ = openedFile_;
    return true;
}

void NoticeForm::ClearAsReset() {
    Run(behaviour_.clearScreen);
    Run(behaviour_.resetOnly);
    Run(behaviour_.chooseAdd);
}

void NoticeForm::ResetClicked() {
    ClearAsReset();
    if (fieldChecks_)
        fieldChecks_->Forget();
    untouched_ = true;
    saveRefused_ = false;
}

bool NoticeForm::Unload() {
    if (finished_)
        return true;
    fileError_ = false;
    // After a refused save the notice is still on the screen: closing asks before losing it.
    if ((!saveRefused_ || !IsNewNotice()) && Finish(true))
        return true;
    // A file that could not be written just now keeps the window, and the notice on it, open.
    if (fileError_)
        return false;
    if (!AppDialogs().AskYesNo(this, QStringLiteral("Discard Notice"),
                               QStringLiteral("The notice on the screen has not been saved.") + kCrLf +
                                   QStringLiteral("Close the form and discard it?")))
        return false;
    // The notices saved before still get their file finished.
    return FinishFile();
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

// Escape (QDialog's rejection) neither saves nor discards: the form closes by Finish or by closing
// its window, both of which keep the notice on the screen safe.
void NoticeForm::reject() {}

void NoticeForm::setVisible(bool visible) {
    if (visible && !fitted_) {
        fitted_ = true;
        FitToScreen(*this);
        // The real frame is known once the window is up: it must lie on the screen too.
        QTimer::singleShot(0, this, [this] { KeepOnScreen(*this); });
    }
    QDialog::setVisible(visible);
}

} // namespace ondrell
