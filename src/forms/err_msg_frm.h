#pragma once
// The error-list window: the outcome of a Validation, a caption and one text, shown modally.

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class ErrMsgFrm;
}

namespace ondrell {

class ErrMsgFrm : public QDialog {
    Q_OBJECT

  public:
    ErrMsgFrm(const QString &caption, const QString &text, QWidget *parent = nullptr);
    ~ErrMsgFrm() override;

    // The text as given (lines end in CR LF), not as displayed.
    const QString &text() const { return text_; }

  private:
    std::unique_ptr<Ui::ErrMsgFrm> ui_;
    QString text_;
};

} // namespace ondrell
