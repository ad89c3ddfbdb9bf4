#include "forms/parts/coordination_list.h"

#include <QAbstractButton>
#include <QListWidget>

namespace ondrell {

CoordinationListControls::CoordinationListControls(QWidget &form)
    : QObject(&form), available_(form.findChild<QListWidget *>(QStringLiteral("ListAdmAvail"))),
      selected_(form.findChild<QListWidget *>(QStringLiteral("ListAdmSel"))),
      add_(form.findChild<QAbstractButton *>(QStringLiteral("Button_Coord_Add"))),
      addAll_(form.findChild<QAbstractButton *>(QStringLiteral("Button_Coord_AddALL"))),
      del_(form.findChild<QAbstractButton *>(QStringLiteral("Button_Coord_Del"))),
      clear_(form.findChild<QAbstractButton *>(QStringLiteral("Button_Coord_Clear"))) {
    if (!available_ || !selected_)
        return;
    connect(available_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { ChooseAvailable(item->text()); });
    connect(available_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        ChooseAvailable(item->text());
        Add();
    });
    connect(selected_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { ChooseSelected(selected_->row(item)); });
    // The arrow keys and typed first letters move the current item: the buttons act on it too.
    connect(available_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item)
            ChooseAvailable(item->text());
    });
    connect(selected_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        chosenRow_ = item ? selected_->row(item) : -1;
        if (item)
            Enable(del_, true);
    });
    const struct {
        QAbstractButton *button;
        void (CoordinationListControls::*action)();
    } buttons[] = {{add_, &CoordinationListControls::Add},
                   {addAll_, &CoordinationListControls::AddAll},
                   {del_, &CoordinationListControls::Remove},
                   {clear_, &CoordinationListControls::Clear}};
    for (const auto &b : buttons)
        if (b.button)
            connect(b.button, &QAbstractButton::clicked, this, b.action);
}

void CoordinationListControls::Enable(QAbstractButton *button, bool enabled) {
    if (button)
        button->setEnabled(enabled);
}

void CoordinationListControls::Fill(const QStringList &administrations) {
    if (!available_ || !selected_)
        return;
    available_->clear();
    available_->addItems(administrations);
    selected_->clear();
    for (auto *button : {add_, addAll_, del_, clear_})
        Enable(button, true);
}

void CoordinationListControls::ChooseAvailable(const QString &administration) {
    chosen_ = administration;
    Enable(add_, true);
}

void CoordinationListControls::Add() {
    // Nothing chosen yet adds nothing: an empty entry would reach the file as an empty symbol.
    if (selected_ && !chosen_.isEmpty() && selected_->findItems(chosen_, Qt::MatchExactly).isEmpty()) {
        selected_->addItem(chosen_);
        Enable(clear_, true);
    }
    Enable(add_, false);
}

void CoordinationListControls::AddAll() {
    if (!available_ || !selected_)
        return;
    selected_->clear();
    for (int i = 0; i < available_->count(); ++i)
        selected_->addItem(available_->item(i)->text());
    Enable(clear_, true);
    Enable(addAll_, false);
    Enable(add_, false);
}

void CoordinationListControls::ChooseSelected(int row) {
    chosenRow_ = row;
    Enable(del_, true);
}

void CoordinationListControls::Remove() {
    if (!selected_)
        return;
    if (chosenRow_ >= 0 && chosenRow_ < selected_->count())
        delete selected_->takeItem(chosenRow_);
    if (selected_->count() == 0) {
        Enable(del_, false);
        Enable(clear_, false);
    }
    Enable(addAll_, true);
}

void CoordinationListControls::Clear() {
    if (selected_)
        selected_->clear();
    Enable(del_, false);
    Enable(clear_, false);
    Enable(addAll_, true);
}

} // namespace ondrell
