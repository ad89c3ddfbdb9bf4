#include "forms/assignment_form_screen.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace ondrell {

QtAssignmentScreen::QtAssignmentScreen(QWidget &form) : form_(form) {
    for (QLabel *label : form.findChildren<QLabel *>())
        if (label->buddy())
            buddyLabels_[label->buddy()].append(label);
}

QWidget *QtAssignmentScreen::Find(std::string_view control) const {
    return form_.findChild<QWidget *>(
        QString::fromUtf8(control.data(), static_cast<qsizetype>(control.size())));
}

std::string QtAssignmentScreen::Text(std::string_view control) const {
    QWidget *w = Find(control);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text().toStdString();
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentText().toStdString();
    return {};
}

void QtAssignmentScreen::SetText(std::string_view control, std::string_view text) {
    QWidget *w = Find(control);
    const QString value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        edit->setText(value);
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        if (const int index = combo->findText(value, Qt::MatchExactly); index >= 0)
            combo->setCurrentIndex(index);
    }
}

bool QtAssignmentScreen::Shown(std::string_view control) const {
    QWidget *w = Find(control);
    return w && !w->isHidden();
}

void QtAssignmentScreen::Show(std::string_view control, bool shown) {
    QWidget *w = Find(control);
    if (!w)
        return;
    w->setVisible(shown);
    for (QLabel *label : buddyLabels_.value(w))
        label->setVisible(shown);
}

bool QtAssignmentScreen::Chosen(std::string_view option) const {
    auto *button = qobject_cast<QAbstractButton *>(Find(option));
    return button && button->isChecked();
}

void QtAssignmentScreen::SetChosen(std::string_view option, bool chosen) {
    auto *button = qobject_cast<QAbstractButton *>(Find(option));
    if (!button)
        return;
    if (chosen) {
        button->setChecked(true);
        return;
    }
    // An exclusive option cannot be unchosen directly; lift the exclusivity for the moment.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(exclusive);
}

void QtAssignmentScreen::Focus(std::string_view control) {
    if (QWidget *w = Find(control))
        w->setFocus(Qt::OtherFocusReason);
}

void QtAssignmentScreen::ClearList(std::string_view control) {
    if (auto *list = qobject_cast<QListWidget *>(Find(control)))
        list->clear();
}

} // namespace ondrell
