#include "forms/err_msg_frm.h"

#include "ui_err_msg_frm.h"

namespace ondrell {

ErrMsgFrm::ErrMsgFrm(const QString &caption, const QString &text, QWidget *parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ErrMsgFrm>()), text_(text) {
    ui_->setupUi(this);
    setWindowTitle(caption);
    QString shown = text;
    ui_->ErrorMsgTxt->setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    connect(ui_->Button_Close, &QPushButton::clicked, this, &QDialog::accept);
}

ErrMsgFrm::~ErrMsgFrm() = default;

} // namespace ondrell
