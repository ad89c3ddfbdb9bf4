#include "forms/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ondrell {

namespace {

Dialogs *&Current() {
    static QtDialogs real;
    static Dialogs *current = &real;
    return current;
}

QMessageBox::Icon ToQt(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MsgAnswer QtDialogs::Message(QWidget *parent, const QString &title, const QString &text, MsgIcon icon,
                             MsgButtons buttons) {
    // Texts carry CR LF line ends as the notice file does; the box wants plain new lines.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(ToQt(icon), title.isEmpty() ? QApplication::applicationName() : title, shown,
                    QMessageBox::NoButton, parent);
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MsgButtons::CancelTryContinue: {
        box.addButton(QMessageBox::Cancel);
        box.addButton(QMessageBox::Retry)->setText(QObject::tr("Try Again"));
        box.addButton(QMessageBox::Ignore)->setText(QObject::tr("Continue"));
        break;
    }
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    case QMessageBox::Retry:
        return MsgAnswer::TryAgain;
    case QMessageBox::Ignore:
        return MsgAnswer::Continue;
    default:
        return MsgAnswer::Ok;
    }
}

std::optional<QString> QtDialogs::BrowseFolder(QWidget *parent, const QString &title) {
    QString dir = QFileDialog::getExistingDirectory(parent, title, QString(), QFileDialog::ShowDirsOnly);
    if (dir.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dir);
}

int QtDialogs::Exec(QDialog &dialog) {
    return dialog.exec();
}

void QtDialogs::Beep() {
    QApplication::beep();
}

Dialogs &AppDialogs() {
    return *Current();
}

ScopedDialogs::ScopedDialogs(Dialogs &dialogs) : previous_(Current()) {
    Current() = &dialogs;
}

ScopedDialogs::~ScopedDialogs() {
    Current() = previous_;
}

} // namespace ondrell
