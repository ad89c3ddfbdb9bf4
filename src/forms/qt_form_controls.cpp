#include "forms/qt_form_controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace ondrell {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString ControlText(const QWidget *w) {
    if (auto *edit = qobject_cast<const QLineEdit *>(w))
        return edit->text();
    if (auto *combo = qobject_cast<const QComboBox *>(w))
        return combo->currentText();
    if (auto *plain = qobject_cast<const QPlainTextEdit *>(w))
        return plain->toPlainText();
    if (auto *rich = qobject_cast<const QTextEdit *>(w))
        return rich->toPlainText();
    if (auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text();
    return {};
}

QtFormControls::QtFormControls(QWidget &form) : form_(form) {}

QWidget *QtFormControls::Find(std::string_view control) const {
    return form_.findChild<QWidget *>(Q(control));
}

bool QtFormControls::Has(std::string_view control) const {
    return Find(control) != nullptr;
}

std::string QtFormControls::Text(std::string_view control) const {
    return ControlText(Find(control)).toStdString();
}

void QtFormControls::SetText(std::string_view control, std::string_view text) {
    QWidget *w = Find(control);
    const QString value = Q(text);
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        edit->setText(value);
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        if (const int index = combo->findText(value, Qt::MatchExactly); index >= 0)
            combo->setCurrentIndex(index);
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(w)) {
        plain->setPlainText(value);
    } else if (auto *rich = qobject_cast<QTextEdit *>(w)) {
        rich->setPlainText(value);
    }
}

bool QtFormControls::Visible(std::string_view control) const {
    QWidget *w = Find(control);
    return w && w->isVisibleTo(&form_);
}

void QtFormControls::Show(std::string_view control, bool shown) {
    QWidget *w = Find(control);
    if (!w)
        return;
    if (!buddiesKnown_) {
        for (QLabel *label : form_.findChildren<QLabel *>())
            if (label->buddy())
                buddyLabels_[label->buddy()].append(label);
        buddiesKnown_ = true;
    }
    // A control the rules show and hide keeps its room while hidden, so nothing else moves.
    QList<QWidget *> together{w};
    for (QLabel *label : buddyLabels_.value(w))
        together.append(label);
    for (QWidget *each : together) {
        QSizePolicy policy = each->sizePolicy();
        if (!policy.retainSizeWhenHidden()) {
            policy.setRetainSizeWhenHidden(true);
            each->setSizePolicy(policy);
        }
        each->setVisible(shown);
    }
}

bool QtFormControls::Checked(std::string_view control) const {
    auto *button = qobject_cast<QAbstractButton *>(Find(control));
    return button && button->isChecked();
}

void QtFormControls::SetChecked(std::string_view control, bool checked) {
    auto *button = qobject_cast<QAbstractButton *>(Find(control));
    if (!button)
        return;
    if (checked) {
        button->setChecked(true);
        return;
    }
    // An exclusive option cannot be unchosen directly; lift the exclusivity for the moment.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(exclusive);
}

bool QtFormControls::Enabled(std::string_view control) const {
    QWidget *w = Find(control);
    return w && w->isEnabled();
}

void QtFormControls::Enable(std::string_view control, bool enabled) {
    if (QWidget *w = Find(control))
        w->setEnabled(enabled);
}

void QtFormControls::SetGrey(std::string_view control, bool grey) {
    QWidget *w = Find(control);
    if (!w)
        return;
    // Set for every colour group, so the disabled palette does not override the grey.
    QPalette palette = w->palette();
    const QColor colour = grey ? QColor(192, 192, 192) : QColor(Qt::white);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    w->setPalette(palette);
}

void QtFormControls::Focus(std::string_view control) {
    if (QWidget *w = Find(control))
        w->setFocus(Qt::OtherFocusReason);
}

std::vector<std::string> QtFormControls::ListItems(std::string_view control) const {
    std::vector<std::string> items;
    QWidget *w = Find(control);
    if (auto *list = qobject_cast<QListWidget *>(w)) {
        for (int i = 0; i < list->count(); ++i)
            items.push_back(list->item(i)->text().toStdString());
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        for (int i = 0; i < combo->count(); ++i)
            items.push_back(combo->itemText(i).toStdString());
    }
    return items;
}

void QtFormControls::SetListItems(std::string_view control, const std::vector<std::string> &items) {
    QStringList texts;
    for (const std::string &item : items)
        texts.append(QString::fromStdString(item));
    QWidget *w = Find(control);
    if (auto *list = qobject_cast<QListWidget *>(w)) {
        list->clear();
        list->addItems(texts);
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        combo->clear();
        combo->addItems(texts);
    }
}

} // namespace ondrell
