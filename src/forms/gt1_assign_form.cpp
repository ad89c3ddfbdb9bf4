#include "forms/gt1_assign_form.h"

#include "app/form_registry.h"
#include "ui_gt1_assign_form.h"

#include <QComboBox>

namespace ondrell {
namespace {

constexpr std::string_view kOwnResetFields[] = {"Txt_GE06_erpBeam_tilt", "Txt_GE06_TiltAngle",
                                                "Txt_GE06_freqAssgn", "Combo_RRC04_Sys_Var",
                                                "Combo_RRC04_RxMode"};

const bool registered = RegisterNoticeForm(
    FormKind::GT1, [](QWidget *parent) { return std::make_unique<GT1AssignFrmGE06>(parent); });

} // namespace

GT1AssignFrmGE06::GT1AssignFrmGE06(QWidget *parent)
    : AssignmentForm(FormKind::GT1, &MakeVisibleGT1GE06::Article, parent) {
    Ui::GT1AssignFrmGE06 ui;
    ui.setupUi(this);
    InitAssignmentForm();
}

std::span<const std::string_view> GT1AssignFrmGE06::OwnResetFields() const {
    return kOwnResetFields;
}

void GT1AssignFrmGE06::ApplyDvbtRule() {
    MakeVisibleGT1GE06::DvbtParameters(screen());
}

void GT1AssignFrmGE06::OnIntentAdd() {
    AssignmentForm::OnIntentAdd();
    ApplyDvbtRule();
    MarkTouched();
}

void GT1AssignFrmGE06::OnIntentMod() {
    // The article rule comes last, so it has the last word over the DVB-T rule.
    MakeVisibleGS1GE06::IntentMod(screen());
    MakeVisibleGS1GE06::Antenna(screen());
    ApplyDvbtRule();
    ApplyArticleRule();
}

void GT1AssignFrmGE06::OnArticle() {
    ApplyArticleRule();
    ApplyDvbtRule();
}

void GT1AssignFrmGE06::ConnectOwnControls() {
    for (const char *name : {"Combo_RRC04_RefPlan", "Combo_RRC04_RxMode", "Combo_RRC04_Sys_Var"})
        OnChoice(name, [this] { ApplyDvbtRule(); });
    // The empty spectrum mask leaves the flag as it was.
    OwnTouchRule("Combo_RRC04_SpectMask", [this](const QString &chosen) {
        if (!chosen.isEmpty())
            MarkTouched();
    });
}

} // namespace ondrell
