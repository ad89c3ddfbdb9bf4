#pragma once
// Driving a live notice form by control name as a user would: type into a box (the box gets the
// focus, so the previous one runs its leave check), pick a list entry, click a button.

// GCC 12 at -O2 wrongly sees the recorder's copied optional<QString> as maybe uninitialised.
#include "forms/dialogs_recorder.h"
#include "forms/notice_form.h"

#include "app/app_state.h"
#include "geo/world_map.h"
#include "util/program_id.h"
#include "util/user_name.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QTest>

#include <optional>

namespace ondrell::testing {

// A new form of that type, as the main menu opens it.
inline std::unique_ptr<NoticeForm> OpenForm(FormKind kind) {
    std::unique_ptr<QDialog> dialog = CreateNoticeForm(kind, nullptr);
    if (!dialog)
        qFatal("no form is registered for that notice type");
    return std::unique_ptr<NoticeForm>(static_cast<NoticeForm *>(dialog.release()));
}

template <typename T = QWidget> T *Control(QWidget &form, const char *name) {
    T *w = form.findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

inline void ShowActive(QWidget &form) {
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        qFatal("form did not become active");
}

// Replaces the box's text by typing; keys pass the box's key filter.
inline void Type(QWidget &form, const char *name, const QString &text) {
    auto *box = Control<QLineEdit>(form, name);
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// Moves the focus away from the box being edited, so its leave check runs.
inline void Leave(QWidget &form, const char *name = "Txt_notified_Rmks") {
    Control(form, name)->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
}

// A pick from the drop-down list: the entry becomes current and the choice is reported as a click.
inline void Choose(QWidget &form, const char *name, const QString &entry) {
    auto *combo = Control<QComboBox>(form, name);
    const int index = combo->findText(entry, Qt::MatchExactly);
    if (index < 0)
        qFatal("%s has no entry %s", name, qPrintable(entry));
    if (!combo->isVisibleTo(combo->window()))
        qFatal("%s is hidden: no user can choose in it", name);
    combo->setFocus(Qt::MouseFocusReason);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

inline void Click(QWidget &form, const char *name) {
    Control<QAbstractButton>(form, name)->click();
}

inline QString Text(QWidget &form, const char *name) {
    QWidget *w = Control(form, name);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentText();
    return {};
}

// Shown as far as the form goes: the control and every frame around it.
inline bool Shown(QWidget &form, const char *name) {
    return Control(form, name)->isVisibleTo(&form);
}

inline void ClickListEntry(QWidget &form, const char *list, const QString &entry) {
    auto *w = Control<QListWidget>(form, list);
    const auto items = w->findItems(entry, Qt::MatchExactly);
    if (items.isEmpty())
        qFatal("%s has no entry %s", list, qPrintable(entry));
    w->setCurrentItem(items.front());
    emit w->itemClicked(items.front());
}

// A notice file's text after its three header lines (which carry today's date, time and user and
// are checked here by their fixed beginnings).
inline QByteArray FileBody(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QByteArray text = file.readAll();
    QByteArray header;
    for (int i = 0; i < 3; ++i) {
        const int end = text.indexOf("\r\n");
        if (end < 0)
            qFatal("short file");
        header += text.left(end) + '\n';
        text = text.mid(end + 2);
    }
    const QList<QByteArray> lines = header.split('\n');
    if (!lines[0].startsWith("File captured on ") ||
        lines[1] != "Processed by " + QByteArray::fromStdString(CurrentUserName()) ||
        lines[2] != "Program Id: " + QByteArray(kProgramIdentification.data(), kProgramIdentification.size()))
        qFatal("unexpected header %s", header.constData());
    return text;
}

// The expected text of a notice file from its fourth line on: tests/gui/data/<name>. When it
// differs, the file written is kept beside the test program for a look.
inline bool MatchesGolden(const QString &path, const char *name) {
    QFile golden(QStringLiteral(ONDRELL_TEST_DATA "/gui/data/") + QString::fromLatin1(name));
    const QByteArray body = FileBody(path);
    if (golden.open(QIODevice::ReadOnly) && golden.readAll() == body)
        return true;
    QFile actual(QString::fromLatin1(name) + QStringLiteral(".actual"));
    if (actual.open(QIODevice::WriteOnly))
        actual.write(body);
    return false;
}

// `ondrell-tool validate` on a saved file: its exit code (0 when every notice is receivable) and,
// when it is not 0, what it printed.
inline int ToolValidate(const QString &path, QByteArray *output = nullptr) {
    QProcess tool;
    tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/ondrell-tool"),
               {QStringLiteral("validate"), path});
    tool.waitForFinished(60000);
    if (output)
        *output = tool.readAllStandardOutput() + tool.readAllStandardError();
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

} // namespace ondrell::testing
