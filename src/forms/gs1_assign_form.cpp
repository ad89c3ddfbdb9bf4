#include "forms/gs1_assign_form.h"

#include "app/form_registry.h"
#include "refdata/frequencies.h"
#include "ui_gs1_assign_form.h"

#include <QComboBox>

namespace ondrell {
namespace {

constexpr std::string_view kOwnResetFields[] = {"Combo_GE06_FreqAssgn"};

const bool registered = RegisterNoticeForm(
    FormKind::GS1, [](QWidget *parent) { return std::make_unique<GS1AssignFrmGE06>(parent); });

} // namespace

GS1AssignFrmGE06::GS1AssignFrmGE06(QWidget *parent)
    : AssignmentForm(FormKind::GS1, &MakeVisibleGS1GE06::Article, parent) {
    Ui::GS1AssignFrmGE06 ui;
    ui.setupUi(this);
    InitAssignmentForm();
    // A fresh GS1 form shows no hours of operation; the first Reset or Save/Next sets the defaults.
    screen().SetText("Txt_10B_Ophhfr", "");
    screen().SetText("Txt_10B_Ophhto", "");
}

std::span<const std::string_view> GS1AssignFrmGE06::OwnResetFields() const {
    return kOwnResetFields;
}

void GS1AssignFrmGE06::FillLists() {
    AssignmentForm::FillLists();
    if (QComboBox *freq = Combo("Combo_GE06_FreqAssgn")) {
        freq->clear();
        freq->addItem(QString());
        for (double mhz : TdabBlockFrequencies())
            freq->addItem(QString::fromStdString(ShortestDecimalText(mhz)));
    }
}

void GS1AssignFrmGE06::ConnectOwnControls() {
    // Choosing the empty entry of these two lists counts as leaving the form untouched.
    for (const char *name : {"Combo_RRC04_RefPlan", "Combo_RRC04_SpectMask"})
        OwnTouchRule(name, [this](const QString &chosen) { setUntouched(chosen.isEmpty()); });
}

} // namespace ondrell
