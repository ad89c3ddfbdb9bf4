#include "forms/rules/admin_rules.h"

#include "notice/control_names.h"

namespace ondrell {
namespace {

using namespace ctl;
using form_rules::EmptyAll;
using form_rules::ShowAll;

// The target's frequency and position on TB2 (the position boxes carry the site names).
constexpr std::string_view kCharacteristics[] = {Txt_TrgFreq,     Txt_4C_Deg_Long, Txt_4C_Min_Long,
                                                 Txt_4C_Sec_Long, Txt_4C_EW,       Txt_4C_Deg_Lat,
                                                 Txt_4C_Min_Lat,  Txt_4C_Sec_Lat,  Txt_4C_NS};
// What leaving a characteristic hides or shows; what leaving the identifier hides beside them.
constexpr std::string_view kIdentifierGroup[] = {Txt_TrgAdmRefID, Lbl_trg_MIFR, LblOr};
constexpr std::string_view kCharacteristicLabels[] = {LblOr, Lbl_FreqUnit, lbl_freqAssgn, Lbl_4C_Long,
                                                      Lbl_4C_Lat};

} // namespace

namespace MakeVisibleTBGE06 {

void Tb2CharacteristicLeft(FormControls &form, std::string_view left) {
    ShowAll(form, kIdentifierGroup, form.Text(left).empty());
}

void Tb2IdentifierLeft(FormControls &form) {
    const bool shown = form.Text(Txt_TrgAdmRefID).empty();
    ShowAll(form, kCharacteristicLabels, shown);
    ShowAll(form, kCharacteristics, shown);
}

void ClearTb2(FormControls &form) {
    EmptyAll(form, {Txt_notified_Rmks, Txt_TrgAdmRefID, Txt_12A_OpAgcy, Txt_12B_AddrCde, Txt_InUse_DD,
                    Txt_InUse_MM, Txt_InUse_YY, Txt_PlanAdmRefID});
    EmptyAll(form, kCharacteristics);
    form.SetText(Txt_10B_Ophhfr, "0000");
    form.SetText(Txt_10B_Ophhto, "2400");
    // The target is shown again, except "Or" and the unit: they stay as the toggles left them.
    ShowAll(form, kCharacteristics, true);
    ShowAll(form, {Txt_TrgAdmRefID, Lbl_4C_Lat, Lbl_4C_Long, lbl_freqAssgn, Lbl_trg_MIFR}, true);
}

void ClearTb3(FormControls &form) {
    EmptyAll(form, {Txt_notified_Rmks, Txt_TrgAdmRefID});
    form.SetListItems(ListAdmSel, {});
}

void ClearTb5(FormControls &form) {
    form.SetText(Txt_notified_Rmks, "");
    form_rules::Unchoose(form, {OptInt_Supp, OptInt_WDraw});
    form.SetText(Txt_TrgAdmRefID, "");
}

} // namespace MakeVisibleTBGE06

FormBehaviour AdministrativeBehaviour(FormKind kind) {
    using namespace MakeVisibleTBGE06;
    FormBehaviour b;
    b.resetOnly = [](FormContext &c) { c.form.SetText(Txt_EmailAddr, ""); };
    switch (kind) {
    case FormKind::TB2:
        b.clearScreen = [](FormContext &c) { ClearTb2(c.form); };
        for (std::string_view box : kCharacteristics)
            b.rules.push_back(
                {box.data(), On::Leave, [box](FormContext &c) { Tb2CharacteristicLeft(c.form, box); }});
        b.rules.push_back({Txt_TrgAdmRefID, On::Leave, [](FormContext &c) { Tb2IdentifierLeft(c.form); }});
        break;
    case FormKind::TB3:
        b.clearScreen = [](FormContext &c) { ClearTb3(c.form); };
        break;
    default:
        // The opening Reset unchooses the intent again: a fresh form shows Art. 4 and no intent.
        b.setUp = [](FormContext &c) {
            c.form.SetChecked(Opt_Art4, true);
            c.form.SetChecked(OptInt_WDraw, true);
        };
        b.clearScreen = [](FormContext &c) { ClearTb5(c.form); };
        break;
    }
    return b;
}

} // namespace ondrell
