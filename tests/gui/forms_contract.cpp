// Every registered form has every control that anything in the program asks it for, with the
// expected kind of widget: the field-check tables, capture, the save checks, the captions and
// tooltips, the descriptor's "new notice" boxes and the form's own rules and procedures. A name
// misspelt in a .ui (or in code) fails here instead of silently losing its check.

#include "forms_support.h"

#include "app/caption_table.h"
#include "checks/field_tables.h"
#include "notice/capture.h"
#include "validation/save_readiness.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <set>

using namespace ondrell;
using namespace ondrell::testing;

namespace {

// Answers every question and remembers the names it was asked about; it can pass the questions on
// to the live form (rules and procedures) or answer "given" and "chosen" to everything (capture and
// the save checks, so that every branch that reads a control is taken).
class RecordingControls final : public FormControls, public FormPrompts {
  public:
    std::set<std::string, std::less<>> names;
    FormControls *live = nullptr;
    std::set<std::string, std::less<>> unchosen; // when not live: options answered "not chosen"

    bool Has(std::string_view c) const override { return Note(c) && (!live || live->Has(c)); }
    std::string Text(std::string_view c) const override { return Note(c) && live ? live->Text(c) : "1"; }
    void SetText(std::string_view c, std::string_view t) override {
        if (Note(c) && live)
            live->SetText(c, t);
    }
    bool Visible(std::string_view c) const override { return Note(c) && (!live || live->Visible(c)); }
    void Show(std::string_view c, bool s) override {
        if (Note(c) && live)
            live->Show(c, s);
    }
    bool Checked(std::string_view c) const override {
        return Note(c) && (live ? live->Checked(c) : !unchosen.count(c));
    }
    void SetChecked(std::string_view c, bool v) override {
        if (Note(c) && live)
            live->SetChecked(c, v);
    }
    bool Enabled(std::string_view c) const override { return Note(c) && (!live || live->Enabled(c)); }
    void Enable(std::string_view c, bool e) override {
        if (Note(c) && live)
            live->Enable(c, e);
    }
    void SetGrey(std::string_view c, bool g) override {
        if (Note(c) && live)
            live->SetGrey(c, g);
    }
    void Focus(std::string_view c) override {
        if (Note(c) && live)
            live->Focus(c);
    }
    std::vector<std::string> ListItems(std::string_view c) const override {
        return Note(c) && live ? live->ListItems(c) : std::vector<std::string>{"+0010000 +460000"};
    }
    void SetListItems(std::string_view c, const std::vector<std::string> &items) override {
        if (Note(c) && live)
            live->SetListItems(c, items);
    }
    void Tell(std::string_view, std::string_view, PromptIcon) override {}

  private:
    bool Note(std::string_view c) const {
        const_cast<RecordingControls *>(this)->names.emplace(c);
        return true;
    }
};

// The widget kind a control's name promises.
bool KindMatches(const QString &name, QWidget *w) {
    auto starts = [&name](const char *prefix) { return name.startsWith(QLatin1String(prefix)); };
    if (starts("Txt_") || starts("txt_"))
        return qobject_cast<QLineEdit *>(w) || qobject_cast<QPlainTextEdit *>(w);
    if (starts("Combo_"))
        return qobject_cast<QComboBox *>(w);
    if (starts("Opt"))
        return qobject_cast<QRadioButton *>(w);
    if (starts("Lbl") || starts("lbl"))
        return qobject_cast<QLabel *>(w);
    if (starts("Button_"))
        return qobject_cast<QPushButton *>(w);
    if (starts("Frame"))
        return qobject_cast<QGroupBox *>(w);
    if (starts("List"))
        return qobject_cast<QListWidget *>(w);
    return true;
}

// Everything the program asks of a form of that type, by control name.
std::set<std::string, std::less<>> NamesAskedOf(NoticeForm &form) {
    const NoticeTypeDescriptor &type = form.type();
    RecordingControls recorder;
    for (const FieldCheck &check : FieldChecksFor(type.formName))
        recorder.names.insert(check.control);
    for (auto box : type.newBoxes)
        recorder.names.emplace(box);
    for (const CaptionBinding &b : CaptionBindings())
        if ((b.forms & MaskOf(type.kind)) && *b.control)
            recorder.names.insert(b.control);

    // Capture and both save checks read everything they may read: once with every option chosen,
    // once with only the second option of each pair chosen.
    const ReadinessRules rules = DefaultReadinessRules(nullptr);
    for (const std::set<std::string, std::less<>> &unchosen :
         {std::set<std::string, std::less<>>{},
          std::set<std::string, std::less<>>{"Opt_Art4", "OptInt_Add", "OptInt_WDraw"}}) {
        recorder.unchosen = unchosen;
        NoticeRecord record;
        if (type.captureCode)
            CaptureNotice(recorder, record, *type.captureCode);
        else
            CaptureSubAreaNotice(recorder, record);
        const ReadinessInput input{recorder, 1, 1};
        CheckSaveReadiness(type.kind, input, rules);
        CheckMandatoryFields(type.kind, input, rules);
    }

    // The form's procedures and every rule, run on the live form.
    recorder.live = &form.controls();
    const FormBehaviour &behaviour = BehaviourOf(type.kind);
    FormState state;
    FormContext context{recorder, recorder, state, nullptr, [](bool) {}};
    for (const FormAction *action : {&behaviour.setUp, &behaviour.chooseAdd, &behaviour.clearScreen,
                                     &behaviour.resetOnly, &behaviour.afterOpen})
        if (*action)
            (*action)(context);
    for (const FormRule &rule : behaviour.rules) {
        recorder.names.insert(rule.control);
        rule.run(context);
    }
    for (const char *combo : behaviour.ownTouchRule)
        recorder.names.insert(combo);
    return recorder.names;
}

} // namespace

class FormsContractTest : public QObject {
    Q_OBJECT

    RecordingDialogs dialogs_;
    std::unique_ptr<ScopedDialogs> scope_;

  private slots:
    void init() { scope_ = std::make_unique<ScopedDialogs>(dialogs_); }
    void cleanup() { scope_.reset(); }

    void everyRegisteredFormHasEveryControlItIsAskedFor() {
        int forms = 0;
        for (const NoticeTypeDescriptor &type : NoticeTypes()) {
            std::unique_ptr<QDialog> dialog = CreateNoticeForm(type.kind, nullptr);
            if (!dialog)
                continue;
            ++forms;
            auto &form = static_cast<NoticeForm &>(*dialog);
            QCOMPARE(form.objectName().toStdString(), std::string(type.formName));
            QStringList missing;
            for (const std::string &name : NamesAskedOf(form)) {
                const QString control = QString::fromStdString(name);
                QWidget *w = form.findChild<QWidget *>(control);
                if (!w)
                    missing << control + QStringLiteral(" (missing)");
                else if (!KindMatches(control, w))
                    missing << control + QStringLiteral(" (") +
                                   QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(")");
            }
            QVERIFY2(missing.isEmpty(),
                     qPrintable(QString::fromLatin1(type.formName.data()) + QStringLiteral(": ") +
                                missing.join(QStringLiteral(", "))));
        }
        QVERIFY(forms >= 4);
    }
};

QTEST_MAIN(FormsContractTest)
#include "forms_contract.moc"
