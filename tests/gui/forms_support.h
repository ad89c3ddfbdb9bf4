#pragma once
// Driving a live notice form by control name as a user would: type into a box (the box gets the
// focus, so the previous one runs its leave check), pick a list entry, click a button.

// GCC 12 at -O2 wrongly sees the recorder's copied optional<QString> as maybe uninitialised.
#include "forms/dialogs_recorder.h"
#include "forms/notice_form.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

namespace ondrell::testing {

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

} // namespace ondrell::testing
