#include "forms/qt_form_view.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace ondrell {

QWidget *QtFormView::Find(const std::string &control) const {
    return form_.findChild<QWidget *>(QString::fromStdString(control));
}

bool QtFormView::Has(const std::string &control) const {
    return Find(control) != nullptr;
}

std::string QtFormView::Text(const std::string &control) const {
    QWidget *w = Find(control);
    QString text;
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        text = edit->text();
    else if (auto *combo = qobject_cast<QComboBox *>(w))
        text = combo->currentText();
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(w))
        text = plain->toPlainText();
    else if (auto *rich = qobject_cast<QTextEdit *>(w))
        text = rich->toPlainText();
    else if (auto *label = qobject_cast<QLabel *>(w))
        text = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        text = button->text();
    return text.toStdString();
}

bool QtFormView::Visible(const std::string &control) const {
    QWidget *w = Find(control);
    return w && w->isVisibleTo(&form_);
}

bool QtFormView::Checked(const std::string &control) const {
    auto *button = qobject_cast<QAbstractButton *>(Find(control));
    return button && button->isChecked();
}

std::vector<std::string> QtFormView::ListItems(const std::string &control, bool selectedOnly) const {
    std::vector<std::string> items;
    QWidget *w = Find(control);
    if (auto *list = qobject_cast<QListWidget *>(w)) {
        for (int i = 0; i < list->count(); ++i)
            if (!selectedOnly || list->item(i)->isSelected())
                items.push_back(list->item(i)->text().toStdString());
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        for (int i = 0; i < combo->count(); ++i)
            if (!selectedOnly || i == combo->currentIndex())
                items.push_back(combo->itemText(i).toStdString());
    }
    return items;
}

} // namespace ondrell
