#pragma once
// The fill-range dialog: one value for a range of azimuths of the effective-height or attenuation
// table. The caller gives the kind and the maximum effective height; the dialog answers the range
// and the value (kNoAzimuth twice and "" when cancelled).

#include "forms/fill_range_rules.h"

#include <QDialog>
#include <QString>

#include <memory>

class QLineEdit;

namespace Ui {
class FillRangeFrm;
}

namespace ondrell {

struct FillRangeResult {
    int from = kNoAzimuth;
    int to = kNoAzimuth;
    QString value;

    bool Cancelled() const { return value.isEmpty(); }
};

class FillRangeFrm : public QDialog {
    Q_OBJECT

  public:
    // language: 0 English, 1 French, 2 Spanish; any other value keeps the design-time captions.
    FillRangeFrm(FillKind kind, int maxEffHeight, int language, QWidget *parent = nullptr);
    ~FillRangeFrm() override;

    const FillRangeResult &result() const { return result_; }

    // Opens the dialog modally (through AppDialogs) in the program's language and returns its answer.
    static FillRangeResult Ask(QWidget *parent, FillKind kind, int maxEffHeight);

    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void ApplyLanguage(int language);
    void UpdateOk(bool refused);
    bool CheckAzimuthField(QLineEdit *field);
    void CheckValue();
    void Refuse(const FillRefusal &refusal, QLineEdit *keepFocus);
    void Accept();
    void Cancel();

    std::unique_ptr<Ui::FillRangeFrm> ui_;
    FillKind kind_;
    int maxEffHeight_;
    FillRangeResult result_;
    bool reportPending_ = false;
};

} // namespace ondrell
