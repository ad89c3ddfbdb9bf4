#include "forms/parts/azimuth_fill.h"

#include "checks/numbers.h"
#include "forms/fill_range_frm.h"
#include "forms/rules/assignment_rules.h"
#include "notice/capture.h"
#include "notice/control_names.h"

#include <QAbstractButton>

namespace ondrell {

namespace {

// Each Fill button, the table it fills and what the dialog is asked for.
struct FillButton {
    const char *button;
    AzimuthTable table;
    FillKind kind;
};
constexpr FillButton kFillButtons[] = {
    {ctl::Button_Fill9EC, AzimuthTable::EffHeight, FillKind::EffHeight},
    {ctl::Button_Fill9NH, AzimuthTable::AttnH, FillKind::Attenuation},
    {ctl::Button_Fill9NV, AzimuthTable::AttnV, FillKind::Attenuation},
};

} // namespace

void AttachAzimuthFill(QWidget &form, FormControls &controls, std::function<void()> markTouched) {
    for (const auto &fill : kFillButtons) {
        auto *button = form.findChild<QAbstractButton *>(QString::fromLatin1(fill.button));
        if (!button)
            continue;
        QObject::connect(button, &QAbstractButton::clicked, &form, [&form, &controls, markTouched, fill] {
            const int maxEffHeight =
                static_cast<int>(RoundHalfEven(ReadLeadingNumber(controls.Text(ctl::Txt_9EB_Eff_hgtmax))));
            const FillRangeResult answer =
                FillRangeFrm::Ask(&form, fill.kind, fill.kind == FillKind::EffHeight ? maxEffHeight : 0);
            const std::string value = answer.value.toStdString();
            for (int index : AzimuthFillIndices(answer.from, answer.to))
                controls.SetText(AzimuthControlName(fill.table, index), value);
            markTouched();
        });
    }
}

} // namespace ondrell
