// What keeps every registered form safe and comfortable to use, run over the registry so a new form
// is covered as soon as it registers: Escape, closing with a notice that would be lost, the
// coordination list by keyboard, Enter, where the files go, fitting the screen, a layout that holds
// still while rules show and hide fields, boxes wide enough for their text.
#include "forms_support.h"
#include "shell_probe_form.h"

#include "app/app_font.h"
#include "app/digital_menu_frm.h"
#include "app/settings.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

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

using Places = QHash<QWidget *, QRect>;

// Where every named control the user sees lies within the form's body.
Places PlacesIn(QWidget &form) {
    QWidget *body = Control(form, "FormBody");
    Places places;
    for (QWidget *w : body->findChildren<QWidget *>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) &&
            w->isVisibleTo(body))
            places.insert(w, QRect(w->mapTo(body, QPoint()), w->size()));
    return places;
}

QString Where(const QRect &r) {
    return QStringLiteral("%1x%2 at %3,%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

// The first row of a layout in which two boxes lie apart with room that nothing of the row fills
// (the layout spreading them over a width it cannot use), or an empty text.
QString SpreadBoxes(QWidget &form) {
    QList<QList<QLayoutItem *>> rows;
    for (QLayout *layout : form.findChildren<QLayout *>()) {
        if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
            for (int r = 0; r < grid->rowCount(); ++r) {
                rows.append(QList<QLayoutItem *>());
                for (int c = 0; c < grid->columnCount(); ++c)
                    if (QLayoutItem *item = grid->itemAtPosition(r, c); item && !rows.last().contains(item))
                        rows.last().append(item);
            }
        } else if (auto *box = qobject_cast<QBoxLayout *>(layout);
                   box && box->direction() == QBoxLayout::LeftToRight) {
            rows.append(QList<QLayoutItem *>());
            for (int i = 0; i < box->count(); ++i)
                rows.last().append(box->itemAt(i));
        }
    }
    for (const auto &row : rows) {
        QLineEdit *last = nullptr;
        int filled = 0;
        for (QLayoutItem *item : row) {
            QWidget *w = item->widget();
            if (item->spacerItem()) { // room the layout was asked to leave
                last = nullptr;
            } else if (auto *box = qobject_cast<QLineEdit *>(w); box && box->isVisible()) {
                if (last && box->x() - last->geometry().right() - filled > 30)
                    return last->objectName() + QStringLiteral(" to ") + box->objectName();
                last = box;
                filled = 0;
            } else if (!item->isEmpty()) {
                filled += item->geometry().width();
            }
        }
    }
    return {};
}

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
    void initTestCase() { UseApplicationFont(); } // as the program starts
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

    // At any scale the window opens within the screen's free area, frame included, and every button
    // of the workflow bar lies in the window, outside the scrolled body. The sizes go to the log.
    void fitsTheScreen_data() { FormRows(); }
    void fitsTheScreen() {
        QFETCH(int, kind);
        auto form = OpenForm(FormKind(kind));
        ShowActive(*form);
        QCoreApplication::processEvents();
        const QRect free = form->screen()->availableGeometry();
        qInfo("scale %s: %dx%d (least %dx%d) on %dx%d", qgetenv("QT_SCALE_FACTOR").constData(),
              form->frameGeometry().width(), form->frameGeometry().height(), form->minimumWidth(),
              form->minimumHeight(), free.width(), free.height());
        QVERIFY(free.contains(form->frameGeometry()));
        const auto buttons = Control(*form, "WorkflowBar")->findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 4);
        for (QPushButton *button : buttons) {
            QVERIFY(button->isVisible());
            QVERIFY(form->rect().contains(QRect(button->mapTo(form.get(), QPoint()), button->size())));
            QVERIFY(!Control(*form, "FormBodyArea")->isAncestorOf(button));
        }
    }

    // Every rule of the form run both ways, as a user would (each entry of a combo box picked, each
    // option chosen, a digit typed and taken out again, each button clicked): no control seen before
    // and after moved, and no frame spread its boxes apart.
    void showingAndHidingMovesNothing_data() { FormRows(); }
    void showingAndHidingMovesNothing() {
        QFETCH(int, kind);
        auto form = OpenForm(FormKind(kind));
        ShowActive(*form);
        QCoreApplication::processEvents(); // the layout settles once shown
        int steps = 0, toggled = 0;
        auto step = [&](const char *control, const std::function<void()> &act) {
            const Places before = PlacesIn(*form);
            act();
            QCoreApplication::processEvents();
            const Places after = PlacesIn(*form);
            ++steps;
            toggled += QSet(before.keyBegin(), before.keyEnd()) != QSet(after.keyBegin(), after.keyEnd());
            for (auto it = before.begin(); it != before.end(); ++it)
                QVERIFY2(!after.contains(it.key()) || after[it.key()] == it.value(),
                         qPrintable(it.key()->objectName() + QStringLiteral(" moved by ") + control +
                                    QStringLiteral(": ") + Where(it.value()) + QStringLiteral(" to ") +
                                    Where(after[it.key()])));
            QVERIFY2(SpreadBoxes(*form).isEmpty(),
                     qPrintable(SpreadBoxes(*form) + QStringLiteral(" after ") + control));
        };
        // Twice: the second time from where the first left the form (the options clicked last still
        // chosen), so the rules of fields only an option shows run too.
        const std::vector<FormRule> &rules = BehaviourOf(FormKind(kind)).rules;
        for (int i = 0; i < 2 * int(rules.size()); ++i) {
            const FormRule &rule = rules[i % rules.size()];
            QWidget *w = form->findChild<QWidget *>(QString::fromLatin1(rule.control));
            if (!w || !w->isVisibleTo(form.get()) || !w->isEnabled())
                continue;
            if (auto *combo = qobject_cast<QComboBox *>(w); combo && rule.on == On::Pick) {
                // Each entry (the first dozen of a long list), then the first one again.
                const int n = std::min(combo->count(), 12);
                for (int entry = 1; entry <= n; ++entry)
                    if (combo->isVisibleTo(form.get()))
                        step(rule.control, [&] { Choose(*form, rule.control, combo->itemText(entry % n)); });
            } else if (auto *box = qobject_cast<QLineEdit *>(w); box && !box->isReadOnly()) {
                step(rule.control, [&] { Type(*form, rule.control, QStringLiteral("1")), Leave(*form); });
                step(rule.control, [&] { Type(*form, rule.control, QString()), Leave(*form); });
            } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
                step(rule.control, [&] { button->click(); });
            }
        }
        qInfo("%d steps, %d of them showed or hid controls", steps, toggled);
        QVERIFY(toggled > 0 || rules.empty());
    }

    // At the least size the window takes, and at the whole screen's width, every box with a length
    // limit shows its longest text (eight characters of a longer one) and no row spreads its boxes.
    void nothingClippedAtTheLeastSize_data() { FormRows(); }
    void nothingClippedAtTheLeastSize() {
        QFETCH(int, kind);
        auto form = OpenForm(FormKind(kind));
        ShowActive(*form);
        const int frame = form->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        int boxes = 0;
        for (const QSize size : {form->minimumSize(), form->screen()->availableGeometry().size()}) {
            form->resize(size);
            QCoreApplication::processEvents();
            for (QLineEdit *box : form->findChildren<QLineEdit *>())
                if (box->isVisible() && box->maxLength() < QLineEdit().maxLength()) {
                    const QString longest(std::min(box->maxLength(), 8), QLatin1Char('0'));
                    const int text = box->fontMetrics().horizontalAdvance(longest);
                    QVERIFY2(box->width() >= text + 2 * frame + 4, qPrintable(box->objectName()));
                    ++boxes;
                }
            QVERIFY2(SpreadBoxes(*form).isEmpty(), qPrintable(SpreadBoxes(*form)));
        }
        qInfo("%d boxes checked at %dx%d and the screen's width", boxes, form->minimumWidth(),
              form->minimumHeight());
    }

    // With ONDRELL_SCREENSHOT_DIR set (scripts/screenshots.sh): GS1 as it opens on this screen at
    // this scale, and GS1 before and after a Plan entry of "1", side by side.
    void pictures() {
        const QDir dir(qEnvironmentVariable("ONDRELL_SCREENSHOT_DIR"));
        if (dir.path() == QLatin1String("."))
            QSKIP("no folder for pictures given");
        auto form = OpenForm(FormKind::GS1);
        ShowActive(*form);
        QCoreApplication::processEvents();
        const QSize screen = form->screen()->geometry().size() * form->devicePixelRatio();
        const QString where = QStringLiteral("-%1x%2-scale%3.png")
                                  .arg(screen.width())
                                  .arg(screen.height())
                                  .arg(qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")));
        QPixmap before = form->grab();
        QVERIFY(before.save(dir.filePath(QStringLiteral("GS1AssignFrmGE06") + where)));
        Choose(*form, "Combo_GE06_Plan", QStringLiteral("1"));
        QCoreApplication::processEvents();
        QPixmap after = form->grab();
        before.setDevicePixelRatio(1);
        after.setDevicePixelRatio(1);
        QPixmap both(before.width() + 16 + after.width(), std::max(before.height(), after.height()));
        both.fill(Qt::darkGray);
        QPainter painter(&both);
        painter.drawPixmap(0, 0, before);
        painter.drawPixmap(before.width() + 16, 0, after);
        painter.end();
        QVERIFY(both.save(dir.filePath(QStringLiteral("GS1AssignFrmGE06-plan-entry-1") + where)));
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
