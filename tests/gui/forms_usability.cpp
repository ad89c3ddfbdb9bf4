// What keeps every registered form safe and comfortable to use, run over the registry so a new form
// is covered as soon as it registers: Escape, closing with a notice that would be lost, the
// coordination list by keyboard, Enter, where the files go.
#include "forms_support.h"
#include "shell_probe_form.h"

#include "app/digital_menu_frm.h"
#include "app/settings.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

using namespace ondrell;
using namespace ondrell::testing;

namespace {

// Every registered form, one row each.
void FormRows() {
    QTest::addColumn<int>("kind");
    for (const NoticeTypeDescriptor &type : NoticeTypes())
        if (CreateNoticeForm(type.kind, nullptr))
            QTest::newRow(std::string(type.formName).c_str()) << static_cast<int>(type.kind);
}

// The recorder's answers, except for the question before a notice is dropped: answered as told.
class DiscardAnswers final : public Dialogs {
  public:
    RecordingDialogs recorded;
    bool discard = true;

    MsgAnswer Message(QWidget *parent, const QString &title, const QString &text, MsgIcon icon,
                      MsgButtons buttons) override {
        const MsgAnswer answer = recorded.Message(parent, title, text, icon, buttons);
        if (title != QLatin1String("Discard Notice"))
            return answer;
        return discard ? MsgAnswer::Yes : MsgAnswer::No;
    }
    std::optional<QString> BrowseFolder(QWidget *parent, const QString &title) override {
        return recorded.BrowseFolder(parent, title);
    }
    int Exec(QDialog &dialog) override { return recorded.Exec(dialog); }
    void Beep() override { recorded.Beep(); }
    int Discards() const { return int(recorded.MessageTitles().count(QStringLiteral("Discard Notice"))); }
};

} // namespace

class FormsUsability : public QObject {
    Q_OBJECT

    DiscardAnswers dialogs;
    std::unique_ptr<ScopedDialogs> scope;
    QTemporaryDir dir;

    // The form, shown, with its file in the temporary folder and a notice typed that cannot be
    // saved (no administration, no article).
    std::unique_ptr<NoticeForm> FormWithUnsavableNotice(FormKind kind) {
        auto form = OpenForm(kind);
        Control<QLineEdit>(*form, "Txt_Filename")->setText(dir.filePath(QStringLiteral("notice.txt")));
        form->controls().SetText(form->type().newBoxes.back(), "1");
        form->MarkTouched();
        ShowActive(*form);
        return form;
    }
    QString Typed(NoticeForm &form) {
        return QString::fromStdString(form.controls().Text(form.type().newBoxes.back()));
    }

  private slots:
    void init() {
        dialogs.recorded = RecordingDialogs();
        scope = std::make_unique<ScopedDialogs>(dialogs);
    }
    void cleanup() {
        scope.reset();
        QFile::remove(dir.filePath(QStringLiteral("notice.txt")));
    }

    void escapeNeitherSavesNorDiscards_data() { FormRows(); }
    void escapeNeitherSavesNorDiscards() {
        QFETCH(int, kind);
        auto form = FormWithUnsavableNotice(FormKind(kind));
        // From the box being typed in and from the window itself.
        if (QWidget *focused = QApplication::focusWidget())
            QTest::keyClick(focused, Qt::Key_Escape);
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QVERIFY(form->isVisible());
        QVERIFY(!form->finished());
        QVERIFY(dialogs.recorded.shown.empty());
        QCOMPARE(Typed(*form), QStringLiteral("1"));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("notice.txt"))));
    }

    // A notice that would be lost (refused, no article) is dropped only when the user agrees; "No"
    // keeps it and the window as they were, a second close asked "Yes" closes without a file.
    void closingAsksBeforeDroppingATypedNotice_data() { FormRows(); }
    void closingAsksBeforeDroppingATypedNotice() {
        QFETCH(int, kind);
        auto form = FormWithUnsavableNotice(FormKind(kind));
        dialogs.discard = false;
        form->close();
        QCOMPARE(dialogs.Discards(), 1);
        QVERIFY(form->isVisible());
        QCOMPARE(Typed(*form), QStringLiteral("1"));
        dialogs.discard = true;
        form->close();
        QCOMPARE(dialogs.Discards(), 2);
        QVERIFY(!form->isVisible());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("notice.txt"))));
    }

    // Keyboard only: the arrow keys or the first letters pick the entry ">" adds, End the one "<"
    // removes.
    void coordinationButtonsActOnTheCurrentItem_data() { FormRows(); }
    void coordinationButtonsActOnTheCurrentItem() {
        QFETCH(int, kind);
        auto form = OpenForm(FormKind(kind));
        auto *available = form->findChild<QListWidget *>(QStringLiteral("ListAdmAvail"));
        if (!available)
            QSKIP("no coordination list on this form");
        ShowActive(*form);
        if (!available->isVisible())
            QSKIP("the coordination list is hidden when the form opens");
        auto *selected = Control<QListWidget>(*form, "ListAdmSel");
        available->setFocus(Qt::TabFocusReason);
        QTest::keyClick(available, Qt::Key_Down);
        QTest::keyClick(available, Qt::Key_Down);
        const QString byArrows = available->currentItem()->text();
        Click(*form, "Button_Coord_Add");
        QTest::keyClicks(available, QStringLiteral("F"));
        const QString byLetter = available->currentItem()->text();
        QVERIFY(byLetter.startsWith(QLatin1Char('F')));
        Click(*form, "Button_Coord_Add");
        QCOMPARE(form->controls().ListItems("ListAdmSel"),
                 (std::vector<std::string>{byArrows.toStdString(), byLetter.toStdString()}));
        selected->setFocus(Qt::TabFocusReason);
        QTest::keyClick(selected, Qt::Key_End);
        Click(*form, "Button_Coord_Del");
        QCOMPARE(form->controls().ListItems("ListAdmSel"),
                 (std::vector<std::string>{byArrows.toStdString()}));
    }

    // Enter in any box presses no button: none is a default one, and none is clicked.
    void enterInABoxPressesNoButton_data() { FormRows(); }
    void enterInABoxPressesNoButton() {
        QFETCH(int, kind);
        auto form = OpenForm(FormKind(kind));
        ShowActive(*form);
        int clicks = 0;
        for (auto *button : form->findChildren<QAbstractButton *>())
            connect(button, &QAbstractButton::clicked, this, [&clicks] { ++clicks; });
        for (auto *button : form->findChildren<QPushButton *>())
            QVERIFY2(!button->autoDefault() && !button->isDefault(), qPrintable(button->objectName()));
        int boxes = 0;
        for (auto *box : form->findChildren<QLineEdit *>())
            if (box->isVisible() && box->isEnabled()) {
                box->setFocus(Qt::TabFocusReason);
                QTest::keyClick(box, Qt::Key_Return);
                QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
                ++boxes;
            }
        QVERIFY(boxes > 0);
        QCOMPARE(clicks, 0);
        QVERIFY(form->isVisible());
    }

    // On the main menu Enter means Go, wherever the focus is but on another button.
    void enterOnTheMenuMeansGo() {
        WriteSetting(QStringLiteral("workDir"), dir.path()); // no working-directory question
        qputenv("ONDRELL_MAP_FILE", "/nonexistent/ondrell.map");
        DigitalMenuFrmGE06 menu(QCoreApplication::applicationDirPath());
        const NoticeTypeDescriptor *registered = nullptr;
        for (const NoticeTypeDescriptor &t : NoticeTypes())
            if (!registered && CreateNoticeForm(t.kind, nullptr))
                registered = &t;
        QVERIFY(registered);
        const NoticeTypeDescriptor &type = *registered;
        menu.Option(type.kind)->setChecked(true);
        ShowActive(menu);
        dialogs.recorded.Clear();
        menu.Option(type.kind)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(menu.Option(type.kind), Qt::Key_Return);
        QTest::keyClick(&menu, Qt::Key_Enter, Qt::KeypadModifier);
        int opened = 0;
        for (const auto &shown : dialogs.recorded.shown)
            opened += shown.kind == RecordingDialogs::Kind::Exec &&
                      shown.text == QString::fromLatin1(type.formName.data(), type.formName.size());
        QCOMPARE(opened, 2);
    }

    // The menu names the working directory and, after a form's Finish, the file's full path, with
    // no box to close. Last: it puts a bare form in the registry in place of TB3's.
    void menuShowsTheWorkingDirectoryAndTheFinishedFile() {
        WriteSetting(QStringLiteral("workDir"), dir.path());
        RegisterNoticeForm(FormKind::TB3, [](QWidget *parent) {
            auto form = std::make_unique<ProbeForm>(FormKind::TB3, QStringList{"Txt_TrgAdmRefID"});
            form->setParent(parent, Qt::Dialog);
            return form;
        });
        DigitalMenuFrmGE06 menu(QCoreApplication::applicationDirPath());
        QCOMPARE(Control<QLabel>(menu, "Lbl_WorkDirPath")->text(), QDir::toNativeSeparators(dir.path()));
        QVERIFY(!Control(menu, "Lbl_LastFile")->isVisibleTo(&menu));
        const QString path = dir.filePath(QStringLiteral("menu.txt"));
        dialogs.recorded.onExec = [&](QDialog &dialog) {
            auto &form = static_cast<NoticeForm &>(dialog);
            Control<QLineEdit>(form, "Txt_Filename")->setText(path);
            Control<QComboBox>(form, "Combo_B_Adm")->setCurrentText(QStringLiteral("F"));
            Control<QLineEdit>(form, "Txt_TrgAdmRefID")->setText(QStringLiteral("T1"));
            form.MarkTouched();
            form.FinishClicked();
            return form.result();
        };
        dialogs.recorded.Clear();
        menu.Option(FormKind::TB3)->setChecked(true);
        menu.ButtonGoClicked();
        QVERIFY(dialogs.recorded.MessageTitles().isEmpty());
        QVERIFY(QFile::exists(path));
        QVERIFY(Control(menu, "Lbl_LastFile")->isVisibleTo(&menu));
        QVERIFY(Control<QLabel>(menu, "Lbl_LastFile")->text().endsWith(QDir::toNativeSeparators(path)));
    }
};

QTEST_MAIN(FormsUsability)
#include "forms_usability.moc"
