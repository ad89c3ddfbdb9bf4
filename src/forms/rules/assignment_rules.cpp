#include "forms/rules/assignment_rules.h"

#include "notice/capture.h"

#include <initializer_list>

namespace ondrell {
namespace {

constexpr std::string_view kTargetCharacteristics[] = {
    ctl::Txt_trg_freq_assgn, ctl::Txt_trg_long_DD, ctl::Txt_trg_long_MM,
    ctl::Txt_trg_long_SS,    ctl::Txt_trg_long_EW, ctl::Txt_trg_lat_DD,
    ctl::Txt_trg_lat_MM,     ctl::Txt_trg_lat_SS,  ctl::Txt_trg_lat_NS,
};
// The boxes whose text decides the toggle: frequency, degrees, minutes, seconds (no hemispheres).
constexpr std::string_view kTargetToggleFields[] = {
    ctl::Txt_trg_freq_assgn, ctl::Txt_trg_long_DD, ctl::Txt_trg_long_MM, ctl::Txt_trg_long_SS,
    ctl::Txt_trg_lat_DD,     ctl::Txt_trg_lat_MM,  ctl::Txt_trg_lat_SS};

using form_rules::EmptyAll;
using form_rules::ShowAll;

// The characteristics group as the rules show and hide it: the nine boxes and the "Or" label.
void ShowCharacteristics(FormControls &s, bool shown) {
    ShowAll(s, kTargetCharacteristics, shown);
    s.Show(ctl::Lbl_trg_or, shown);
}

bool IsMod(const FormControls &s) {
    return s.Checked(ctl::OptInt_Mod);
}

// The target is named by the notice's own identifier.
void TargetByOwnIdentifier(FormControls &s) {
    s.SetText(ctl::Txt_TrgAdmRefID, s.Text(ctl::Txt_AdmRefID));
    s.Show(ctl::Txt_TrgAdmRefID, true);
    ShowCharacteristics(s, false);
}

// The four article steps.
void A4Hide5(FormControls &s) {
    s.Show(ctl::Frame_ART5_Only, false);
    if (IsMod(s)) {
        EmptyAll(s, kTargetCharacteristics);
        ShowCharacteristics(s, false);
    }
}
void A4Show4(FormControls &s) {
    s.Show(ctl::Frame_Art4_Only, true);
    if (IsMod(s))
        TargetByOwnIdentifier(s);
}
void A5Hide4(FormControls &s) {
    s.Show(ctl::Frame_Art4_Only, false);
    if (IsMod(s) && s.Text(ctl::Txt_TrgAdmRefID).empty())
        ShowCharacteristics(s, true);
}
void A5Show5(FormControls &s) {
    s.Show(ctl::Frame_ART5_Only, true);
    if (IsMod(s) && s.Text(ctl::Txt_TrgAdmRefID).empty()) {
        s.Show(ctl::Txt_TrgAdmRefID, true);
        ShowCharacteristics(s, true);
    }
}

// Plan-entry rule: what each entry does to the SFN identifier, the associated allotment's SFN
// identifier and the allotment identifier.
enum class Effect { Show, HideAndEmpty, HideKeepText };
struct PlanEntryRow {
    std::string_view entry;
    Effect sfnId, assocSfnId, admAllotId;
};
constexpr PlanEntryRow kPlanEntries[] = {
    {"", Effect::Show, Effect::Show, Effect::Show},
    {"1", Effect::HideAndEmpty, Effect::HideAndEmpty, Effect::HideKeepText},
    {"2", Effect::Show, Effect::HideAndEmpty, Effect::HideAndEmpty},
    {"3", Effect::Show, Effect::Show, Effect::Show},
    {"4", Effect::Show, Effect::Show, Effect::Show},
    {"5", Effect::HideAndEmpty, Effect::HideAndEmpty, Effect::Show},
};

void ApplyEffect(FormControls &s, std::string_view box, std::string_view label, Effect effect) {
    const bool shown = effect == Effect::Show;
    s.Show(box, shown);
    s.Show(label, shown);
    if (effect == Effect::HideAndEmpty)
        s.SetText(box, "");
}

// Boxes and lists every assignment form empties in step 1 of its reset procedure.
constexpr std::string_view kResetCommon[] = {
    ctl::Txt_AdmRefID,
    ctl::Txt_4A_SiteName,
    ctl::Txt_4C_Deg_Long,
    ctl::Txt_4C_Min_Long,
    ctl::Txt_4C_Sec_Long,
    ctl::Txt_4C_Deg_Lat,
    ctl::Txt_4C_Min_Lat,
    ctl::Txt_4C_Sec_Lat,
    ctl::Txt_9EA_SiteAlt,
    ctl::Txt_8BH_Erp_H,
    ctl::Txt_8BV_Erp_V,
    ctl::Txt_9E_AntHgt,
    ctl::Txt_9EB_Eff_hgtmax,
    ctl::Txt_InUse_DD,
    ctl::Txt_InUse_MM,
    ctl::Txt_InUse_YY,
    ctl::Txt_Exp_DD,
    ctl::Txt_Exp_MM,
    ctl::Txt_Exp_YY,
    ctl::Txt_RRC04_SfnID,
    ctl::Txt_GE06_Offset,
    ctl::Txt_RRC04_AdmAllotID,
    ctl::Txt_GE06_assoc_allot_sfnID,
    ctl::Txt_notified_Rmks,
    ctl::Combo_9D_Polariz,
    ctl::Combo_9_AntDir,
    ctl::Combo_RRC04_RefPlan,
    ctl::Combo_GE06_Plan,
    ctl::Combo_GE06_assgnCde,
    ctl::Combo_RRC04_SpectMask,
};
// Article 5 items emptied in step 3 (the operating hours get their defaults instead).
constexpr std::string_view kResetArticle5[] = {
    ctl::Txt_12A_OpAgcy,     ctl::Txt_12B_AddrCde,     ctl::Txt_3A1_CallSign,    ctl::Txt_PlanAdm_RefID,
    ctl::Combo_GE06_IsResub, ctl::Combo_GE06_Rmk_Cond, ctl::Combo_GE06_SigComit, ctl::Combo_GE06_PubReq,
};

void SetDefaultHours(FormControls &s) {
    s.SetText(ctl::Txt_10B_Ophhfr, "0000");
    s.SetText(ctl::Txt_10B_Ophhto, "2400");
}

} // namespace

std::span<const std::string_view> TargetCharacteristicFields() {
    return kTargetCharacteristics;
}
std::span<const std::string_view> TargetToggleFields() {
    return kTargetToggleFields;
}

namespace MakeVisibleGS1GE06 {

void HideTargetFrame(FormControls &s) {
    s.Show(ctl::FrameTrg, false);
    s.SetText(ctl::Txt_TrgAdmRefID, "");
    EmptyAll(s, kTargetCharacteristics);
}

void IntentAdd(FormControls &s) {
    A5Show5(s);
    A4Show4(s);
    HideTargetFrame(s);
}

void IntentMod(FormControls &s) {
    s.Show(ctl::FrameTrg, true);
    if (s.Visible(ctl::Frame_ART5_Only))
        ShowCharacteristics(s, true);
    else
        TargetByOwnIdentifier(s);
}

void Article(FormControls &s) {
    if (s.Checked(ctl::Opt_Art4)) {
        A4Hide5(s);
        A4Show4(s);
    } else if (s.Checked(ctl::Opt_Art5)) {
        A5Hide4(s);
        A5Show5(s);
    } else {
        A5Show5(s);
        A4Show4(s);
    }
}

void Antenna(FormControls &s) {
    const std::string dir = s.Text(ctl::Combo_9_AntDir);
    const std::string pol = s.Text(ctl::Combo_9D_Polariz);
    auto frames = [&s](bool h, bool v) {
        ShowAll(s, {ctl::Frame_9NH_AttnH, ctl::Button_Fill9NH}, h);
        ShowAll(s, {ctl::Frame_9NV_AttnV, ctl::Button_Fill9NV}, v);
    };
    if (dir == "ND")
        frames(false, false);
    else if (dir != "D")
        frames(true, true);
    else if (pol == "H")
        frames(true, false);
    else if (pol == "V")
        frames(false, true);
    else if (pol.empty() || pol == "M")
        frames(true, true);

    ShowAll(s, {ctl::Txt_8BH_Erp_H, ctl::Lbl_8BH_Erp_H}, pol != "V");
    ShowAll(s, {ctl::Txt_8BV_Erp_V, ctl::Lbl_8BV_Erp_V}, pol != "H");
}

void PlanEntry(FormControls &s) {
    const std::string entry = s.Text(ctl::Combo_GE06_Plan);
    for (const auto &row : kPlanEntries) {
        if (row.entry != entry)
            continue;
        ApplyEffect(s, ctl::Txt_RRC04_SfnID, ctl::Lbl_RRC04_SfnID, row.sfnId);
        ApplyEffect(s, ctl::Txt_GE06_assoc_allot_sfnID, ctl::Lbl_GE06_assoc_allot_sfnID, row.assocSfnId);
        ApplyEffect(s, ctl::Txt_RRC04_AdmAllotID, ctl::Lbl_RRC04_AdmAllotID, row.admAllotId);
        return;
    }
}

void TargetFromCharacteristics(FormControls &s) {
    bool anyGiven = false;
    for (auto name : kTargetToggleFields)
        anyGiven = anyGiven || !s.Text(name).empty();
    if (anyGiven) {
        ShowAll(s, {ctl::Txt_TrgAdmRefID, ctl::Lbl_TrgAdmRefID, ctl::Lbl_trg_or}, false);
        return;
    }
    ShowCharacteristics(s, true);
    ShowAll(s, {ctl::Txt_TrgAdmRefID, ctl::Lbl_TrgAdmRefID}, true);
}

void TargetFromIdentifier(FormControls &s) {
    ShowCharacteristics(s, s.Text(ctl::Txt_TrgAdmRefID).empty());
}

void ResetScreen(FormControls &s, std::span<const std::string_view> ownFields,
                 void (*article)(FormControls &)) {
    EmptyAll(s, kResetCommon);
    EmptyAll(s, ownFields);
    s.SetListItems(ctl::ListAdmSel, {});
    s.SetChecked(ctl::OptInt_Add, false);
    s.SetChecked(ctl::OptInt_Mod, false);
    SetDefaultHours(s);
    EmptyAll(s, kResetArticle5);
    s.SetText(ctl::Txt_TrgAdmRefID, "");
    EmptyAll(s, kTargetCharacteristics);
    for (auto table : {AzimuthTable::EffHeight, AzimuthTable::AttnH, AzimuthTable::AttnV})
        for (int i = 0; i < 36; ++i)
            s.SetText(AzimuthControlName(table, i), "");
    IntentAdd(s);
    s.SetChecked(ctl::Opt_Art4, false);
    s.SetChecked(ctl::Opt_Art5, false);
    article(s);
    Antenna(s);
    // Choosing the Plan entry's empty entry runs its rule as a click would: what an earlier entry
    // hid is shown again (the "" row empties nothing).
    PlanEntry(s);
}

} // namespace MakeVisibleGS1GE06

namespace MakeVisibleGT1GE06 {

void Article(FormControls &s) {
    MakeVisibleGS1GE06::Article(s);
    ShowAll(s,
            {ctl::Combo_RRC04_Sys_Var, ctl::Lbl_RRC04_DigSys, ctl::Combo_RRC04_RxMode, ctl::Lbl_RRC04_RxMode},
            true);
    if (s.Checked(ctl::Opt_Art5)) {
        ShowAll(s, {ctl::LblOr, ctl::Lbl_RRC04_RefPlan, ctl::Combo_RRC04_RefPlan}, false);
        SetDefaultHours(s);
    } else {
        ShowAll(s, {ctl::LblOr, ctl::Lbl_RRC04_RefPlan}, true);
    }
}

void DvbtParameters(FormControls &s) {
    constexpr std::string_view kSystem[] = {ctl::Combo_RRC04_Sys_Var, ctl::Lbl_RRC04_DigSys,
                                            ctl::Combo_RRC04_RxMode, ctl::Lbl_RRC04_RxMode};
    const bool art4 = s.Checked(ctl::Opt_Art4), art5 = s.Checked(ctl::Opt_Art5);
    {
        const std::string sys = s.Text(ctl::Combo_RRC04_Sys_Var), rx = s.Text(ctl::Combo_RRC04_RxMode);
        if (!sys.empty() || !rx.empty()) {
            s.SetText(ctl::Combo_RRC04_RefPlan, "");
            ShowAll(s, {ctl::Combo_RRC04_RefPlan, ctl::LblOr, ctl::Lbl_RRC04_RefPlan}, false);
            if (rx.empty())
                s.Focus(ctl::Combo_RRC04_RxMode);
            if (sys.empty())
                s.Focus(ctl::Combo_RRC04_Sys_Var);
            return;
        }
    }
    if (!art5) {
        ShowAll(s, {ctl::Combo_RRC04_RefPlan, ctl::Lbl_RRC04_RefPlan}, true);
        s.Show(ctl::LblOr, false);
    }
    const bool noSystem = s.Text(ctl::Combo_RRC04_Sys_Var).empty() && s.Text(ctl::Combo_RRC04_RxMode).empty();
    const bool noRefPlan = s.Text(ctl::Combo_RRC04_RefPlan).empty();
    if (noSystem && noRefPlan && !art4 && !art5) {
        ShowAll(s, kSystem, true);
        ShowAll(s, {ctl::LblOr, ctl::Lbl_RRC04_RefPlan, ctl::Combo_RRC04_RefPlan}, true);
    } else if (!noRefPlan && !art5) {
        ShowAll(s, kSystem, false);
        s.Show(ctl::LblOr, false);
    } else if (noRefPlan) {
        ShowAll(s, kSystem, true);
        s.Show(ctl::LblOr, false);
    }
}

} // namespace MakeVisibleGT1GE06

namespace {

using namespace ctl;

constexpr std::string_view kGs1OwnResetFields[] = {Combo_GE06_FreqAssgn};
constexpr std::string_view kGt1OwnResetFields[] = {
    Txt_GE06_erpBeam_tilt, Txt_GE06_TiltAngle, Txt_GE06_freqAssgn, Combo_RRC04_Sys_Var, Combo_RRC04_RxMode};

void Gs1Intent(FormContext &c, void (*intent)(FormControls &)) {
    intent(c.form);
    MakeVisibleGS1GE06::Antenna(c.form);
    MakeVisibleGS1GE06::Article(c.form);
}

FormBehaviour Common(void (*article)(FormControls &), std::span<const std::string_view> ownFields) {
    using namespace MakeVisibleGS1GE06;
    FormBehaviour b;
    b.picksMarkTouched = true;
    b.focusAfterSave = OptInt_Add;
    auto antenna = [](FormContext &c) { Antenna(c.form); };
    b.rules = {
        {Combo_9_AntDir, On::Pick, antenna},
        {Combo_9D_Polariz, On::Pick, antenna},
        {Combo_GE06_Plan, On::Pick, [](FormContext &c) { PlanEntry(c.form); }},
        {Txt_TrgAdmRefID, On::Change, [](FormContext &c) { TargetFromIdentifier(c.form); }},
    };
    for (auto box : kTargetToggleFields)
        b.rules.push_back(
            {box.data(), On::Change, [](FormContext &c) { TargetFromCharacteristics(c.form); }});
    b.clearScreen = [article, ownFields](FormContext &c) { ResetScreen(c.form, ownFields, article); };
    b.resetOnly = [](FormContext &c) {
        form_rules::EmptyAll(c.form, {Txt_EmailAddr, Txt_4C_EW, Txt_4C_NS, Combo_4B_Ctry});
    };
    b.chooseAdd = [](FormContext &c) {
        c.form.SetChecked(OptInt_Add, true);
        HideTargetFrame(c.form);
    };
    return b;
}

FormBehaviour Gs1() {
    using namespace MakeVisibleGS1GE06;
    FormBehaviour b = Common(&Article, kGs1OwnResetFields);
    b.rules.insert(b.rules.end(),
                   {
                       {OptInt_Add, On::Choose, [](FormContext &c) { Gs1Intent(c, &IntentAdd); }},
                       {OptInt_Mod, On::Choose, [](FormContext &c) { Gs1Intent(c, &IntentMod); }},
                       {Opt_Art4, On::Choose, [](FormContext &c) { Article(c.form); }},
                       {Opt_Art5, On::Choose, [](FormContext &c) { Article(c.form); }},
                   });
    // Choosing the empty entry of these two lists counts as leaving the form untouched.
    for (const char *combo : {Combo_RRC04_RefPlan, Combo_RRC04_SpectMask}) {
        b.ownTouchRule.push_back(combo);
        b.rules.push_back(
            {combo, On::Pick, [combo](FormContext &c) { c.SetUntouched(c.form.Text(combo).empty()); }});
    }
    // A fresh GS1 form shows no hours of operation; the first Reset or Save/Next sets the defaults.
    b.afterOpen = [](FormContext &c) { form_rules::EmptyAll(c.form, {Txt_10B_Ophhfr, Txt_10B_Ophhto}); };
    return b;
}

FormBehaviour Gt1() {
    using namespace MakeVisibleGS1GE06;
    using MakeVisibleGT1GE06::DvbtParameters;
    FormBehaviour b = Common(&MakeVisibleGT1GE06::Article, kGt1OwnResetFields);
    b.rules.insert(b.rules.end(),
                   {
                       {OptInt_Add, On::Choose,
                        [](FormContext &c) {
                            IntentAdd(c.form);
                            Antenna(c.form);
                            MakeVisibleGT1GE06::Article(c.form);
                            DvbtParameters(c.form);
                            c.MarkTouched();
                        }},
                       // The article rule comes last, so it has the last word over the DVB-T rule.
                       {OptInt_Mod, On::Choose,
                        [](FormContext &c) {
                            IntentMod(c.form);
                            Antenna(c.form);
                            DvbtParameters(c.form);
                            MakeVisibleGT1GE06::Article(c.form);
                        }},
                   });
    auto article = [](FormContext &c) {
        MakeVisibleGT1GE06::Article(c.form);
        DvbtParameters(c.form);
    };
    b.rules.push_back({Opt_Art4, On::Choose, article});
    b.rules.push_back({Opt_Art5, On::Choose, article});
    for (const char *combo : {Combo_RRC04_RefPlan, Combo_RRC04_RxMode, Combo_RRC04_Sys_Var})
        b.rules.push_back({combo, On::Pick, [](FormContext &c) { DvbtParameters(c.form); }});
    // The empty spectrum mask leaves the flag as it was.
    b.ownTouchRule.push_back(Combo_RRC04_SpectMask);
    b.rules.push_back({Combo_RRC04_SpectMask, On::Pick, [](FormContext &c) {
                           if (!c.form.Text(Combo_RRC04_SpectMask).empty())
                               c.MarkTouched();
                       }});
    return b;
}

} // namespace

FormBehaviour AssignmentBehaviour(FormKind kind) {
    return kind == FormKind::GT1 ? Gt1() : Gs1();
}

std::vector<int> AzimuthFillIndices(int from, int to) {
    std::vector<int> indices;
    for (long long a = from; a <= to; a += 10) // long is 32 bits on Windows
        if (a >= 0 && a <= 350 && a % 10 == 0)
            indices.push_back(static_cast<int>(a / 10));
    return indices;
}

} // namespace ondrell
