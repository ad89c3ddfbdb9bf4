#include "forms/fill_range_frm.h"

#include "app/app_state.h"
#include "checks/numbers.h"
#include "forms/dialogs.h"

#include "ui_fill_range_frm.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPointer>
#include <QTimer>

#include <iterator>

namespace ondrell {

namespace {

struct FillCaptions {
    const char *titleEffHeight;
    const char *titleAttenuation;
    const char *from;
    const char *to;
    const char *ok;
    const char *cancel;
};

// Indexed by the language code.
const FillCaptions kCaptions[] = {
    {"Fill in Effective Antenna Height for a Range of azimuths",
     "Fill in e.r.p Attenuation for a Range of azimuths", "From", "To", "OK", "Cancel"},
    {"F-Fill in Effective Antenna Height for a Range of azimuths",
     "F-Fill in e.r.p Attenuation for a Range of azimuths", "De", "A", "OK", "Annuler"},
    {"S-Fill in Effective Antenna Height for a Range of azimuths",
     "S-Fill in e.r.p Attenuation for a Range of azimuths", "De", "Hasta", "OK", "Anular"},
};

QString Q(const std::string &s) {
    return QString::fromStdString(s);
}

} // namespace

FillRangeFrm::FillRangeFrm(FillKind kind, int maxEffHeight, int language, QWidget *parent)
    : QDialog(parent), ui_(std::make_unique<Ui::FillRangeFrm>()), kind_(kind), maxEffHeight_(maxEffHeight) {
    ui_->setupUi(this);
    ui_->Button_OK->setEnabled(false);
    ui_->LblValue->setText(kind == FillKind::EffHeight ? QStringLiteral("eff_hgt") : QStringLiteral("attn"));
    ApplyLanguage(language);

    for (QLineEdit *azimuth : {ui_->TxtFrom, ui_->TxtTo}) {
        azimuth->installEventFilter(this);
        connect(azimuth, &QLineEdit::textChanged, this, [this] { UpdateOk(false); });
    }
    // The value is checked while it is typed.
    connect(ui_->TxtValue, &QLineEdit::textChanged, this, [this] { CheckValue(); });
    ui_->Button_Cancel->setProperty("skipFieldCheck", true);
    connect(ui_->Button_OK, &QPushButton::clicked, this, [this] { Accept(); });
    connect(ui_->Button_Cancel, &QPushButton::clicked, this, [this] { Cancel(); });
}

FillRangeFrm::~FillRangeFrm() = default;

FillRangeResult FillRangeFrm::Ask(QWidget *parent, FillKind kind, int maxEffHeight) {
    FillRangeFrm dialog(kind, maxEffHeight, TheApp().language, parent);
    AppDialogs().Exec(dialog);
    return dialog.result();
}

void FillRangeFrm::ApplyLanguage(int language) {
    if (language < 0 || language >= int(std::size(kCaptions)))
        return;
    const FillCaptions &c = kCaptions[language];
    setWindowTitle(QString::fromLatin1(kind_ == FillKind::EffHeight ? c.titleEffHeight : c.titleAttenuation));
    ui_->LblFrom->setText(QString::fromLatin1(c.from));
    ui_->LblTo->setText(QString::fromLatin1(c.to));
    ui_->Button_OK->setText(QString::fromLatin1(c.ok));
    ui_->Button_Cancel->setText(QString::fromLatin1(c.cancel));
}

void FillRangeFrm::UpdateOk(bool refused) {
    const bool complete =
        !ui_->TxtFrom->text().isEmpty() && !ui_->TxtTo->text().isEmpty() && !ui_->TxtValue->text().isEmpty();
    ui_->Button_OK->setEnabled(complete && !refused);
}

bool FillRangeFrm::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusOut && !reportPending_) {
        auto reason = static_cast<QFocusEvent *>(event)->reason();
        QWidget *next = QApplication::focusWidget();
        const bool leaving = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        if (leaving && !(next && next->property("skipFieldCheck").toBool()))
            CheckAzimuthField(static_cast<QLineEdit *>(watched));
    }
    return QDialog::eventFilter(watched, event);
}

bool FillRangeFrm::CheckAzimuthField(QLineEdit *field) {
    auto refusal = CheckFillAzimuth(field->text().toStdString());
    if (!refusal)
        refusal = CheckFillOrder(ui_->TxtFrom->text().toStdString(), ui_->TxtTo->text().toStdString());
    UpdateOk(refusal.has_value());
    if (refusal)
        Refuse(*refusal, field);
    return !refusal;
}

void FillRangeFrm::CheckValue() {
    auto refusal = CheckFillValue(kind_, maxEffHeight_, ui_->TxtValue->text().toStdString());
    UpdateOk(refusal.has_value());
    if (refusal)
        AppDialogs().Message(this, Q(refusal->title), Q(refusal->text), MsgIcon::Exclamation);
}

void FillRangeFrm::Refuse(const FillRefusal &refusal, QLineEdit *keepFocus) {
    // Reported once the focus change that led here has settled, then the focus goes back.
    reportPending_ = true;
    QTimer::singleShot(0, this, [this, refusal, field = QPointer<QLineEdit>(keepFocus)] {
        AppDialogs().Message(this, Q(refusal.title), Q(refusal.text), MsgIcon::Exclamation);
        if (field) {
            activateWindow();
            field->setFocus(Qt::OtherFocusReason);
            field->selectAll();
        }
        reportPending_ = false;
    });
}

void FillRangeFrm::Accept() {
    // The azimuths must pass their checks before OK fills anything.
    if (!CheckAzimuthField(ui_->TxtFrom) || !CheckAzimuthField(ui_->TxtTo))
        return;
    result_.value = ui_->TxtValue->text();
    result_.from = int(ReadLeadingNumber(ui_->TxtFrom->text().toStdString()));
    result_.to = int(ReadLeadingNumber(ui_->TxtTo->text().toStdString()));
    accept();
}

void FillRangeFrm::Cancel() {
    result_ = FillRangeResult{};
    reject();
}

} // namespace ondrell
