#include "forms/visibility_assignment.h"

#include "notice/capture.h"

#include <initializer_list>

namespace ondrell {
namespace {

using Names = std::initializer_list<std::string_view>;

constexpr std::string_view kTargetCharacteristics[] = {
    "Txt_trg_freq_assgn", "Txt_trg_long_DD", "Txt_trg_long_MM", "Txt_trg_long_SS", "Txt_trg_long_EW",
    "Txt_trg_lat_DD",     "Txt_trg_lat_MM",  "Txt_trg_lat_SS",  "Txt_trg_lat_NS",
};
// The boxes whose text decides the toggle: frequency, degrees, minutes, seconds (no hemispheres).
constexpr std::string_view kTargetToggleFields[] = {
    "Txt_trg_freq_assgn", "Txt_trg_long_DD", "Txt_trg_long_MM", "Txt_trg_long_SS",
    "Txt_trg_lat_DD",     "Txt_trg_lat_MM",  "Txt_trg_lat_SS"};

void ShowAll(AssignmentScreen &s, std::span<const std::string_view> names, bool shown) {
    for (auto name : names)
        s.Show(name, shown);
}
void ShowAll(AssignmentScreen &s, Names names, bool shown) {
    ShowAll(s, std::span(names.begin(), names.size()), shown);
}

void EmptyAll(AssignmentScreen &s, std::span<const std::string_view> names) {
    for (auto name : names)
        s.SetText(name, "");
}

// The characteristics group as the rules show and hide it: the nine boxes and the "Or" label.
void ShowCharacteristics(AssignmentScreen &s, bool shown) {
    ShowAll(s, kTargetCharacteristics, shown);
    s.Show("Lbl_trg_or", shown);
}

bool IsMod(const AssignmentScreen &s) {
    return s.Chosen("OptInt_Mod");
}

// The target is named by the notice's own identifier.
void TargetByOwnIdentifier(AssignmentScreen &s) {
    s.SetText("Txt_TrgAdmRefID", s.Text("Txt_AdmRefID"));
    s.Show("Txt_TrgAdmRefID", true);
    ShowCharacteristics(s, false);
}

// The four article steps.
void A4Hide5(AssignmentScreen &s) {
    s.Show("Frame_ART5_Only", false);
    if (IsMod(s)) {
        EmptyAll(s, kTargetCharacteristics);
        ShowCharacteristics(s, false);
    }
}
void A4Show4(AssignmentScreen &s) {
    s.Show("Frame_Art4_Only", true);
    if (IsMod(s))
        TargetByOwnIdentifier(s);
}
void A5Hide4(AssignmentScreen &s) {
    s.Show("Frame_Art4_Only", false);
    if (IsMod(s) && s.Text("Txt_TrgAdmRefID").empty())
        ShowCharacteristics(s, true);
}
void A5Show5(AssignmentScreen &s) {
    s.Show("Frame_ART5_Only", true);
    if (IsMod(s) && s.Text("Txt_TrgAdmRefID").empty()) {
        s.Show("Txt_TrgAdmRefID", true);
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

void ApplyEffect(AssignmentScreen &s, std::string_view box, std::string_view label, Effect effect) {
    const bool shown = effect == Effect::Show;
    s.Show(box, shown);
    s.Show(label, shown);
    if (effect == Effect::HideAndEmpty)
        s.SetText(box, "");
}

// Boxes and lists every assignment form empties in step 1 of its reset procedure.
constexpr std::string_view kResetCommon[] = {
    "Txt_AdmRefID",
    "Txt_4A_SiteName",
    "Txt_4C_Deg_Long",
    "Txt_4C_Min_Long",
    "Txt_4C_Sec_Long",
    "Txt_4C_Deg_Lat",
    "Txt_4C_Min_Lat",
    "Txt_4C_Sec_Lat",
    "Txt_9EA_SiteAlt",
    "Txt_8BH_Erp_H",
    "Txt_8BV_Erp_V",
    "Txt_9E_AntHgt",
    "Txt_9EB_Eff_hgtmax",
    "Txt_InUse_DD",
    "Txt_InUse_MM",
    "Txt_InUse_YY",
    "Txt_Exp_DD",
    "Txt_Exp_MM",
    "Txt_Exp_YY",
    "Txt_RRC04_SfnID",
    "Txt_GE06_Offset",
    "Txt_RRC04_AdmAllotID",
    "Txt_GE06_assoc_allot_sfnID",
    "Txt_notified_Rmks",
    "Combo_9D_Polariz",
    "Combo_9_AntDir",
    "Combo_RRC04_RefPlan",
    "Combo_GE06_Plan",
    "Combo_GE06_assgnCde",
    "Combo_RRC04_SpectMask",
};
// Article 5 items emptied in step 3 (the operating hours get their defaults instead).
constexpr std::string_view kResetArticle5[] = {
    "Txt_12A_OpAgcy",     "Txt_12B_AddrCde",     "Txt_3A1_CallSign",    "Txt_PlanAdm_RefID",
    "Combo_GE06_IsResub", "Combo_GE06_Rmk_Cond", "Combo_GE06_SigComit", "Combo_GE06_PubReq",
};

void SetDefaultHours(AssignmentScreen &s) {
    s.SetText("Txt_10B_Ophhfr", "0000");
    s.SetText("Txt_10B_Ophhto", "2400");
}

} // namespace

std::span<const std::string_view> TargetCharacteristicFields() {
    return kTargetCharacteristics;
}
std::span<const std::string_view> TargetToggleFields() {
    return kTargetToggleFields;
}

namespace MakeVisibleGS1GE06 {

void HideTargetFrame(AssignmentScreen &s) {
    s.Show("FrameTrg", false);
    s.SetText("Txt_TrgAdmRefID", "");
    EmptyAll(s, kTargetCharacteristics);
}

void IntentAdd(AssignmentScreen &s) {
    A5Show5(s);
    A4Show4(s);
    HideTargetFrame(s);
}

void IntentMod(AssignmentScreen &s) {
    s.Show("FrameTrg", true);
    if (s.Shown("Frame_ART5_Only"))
        ShowCharacteristics(s, true);
    else
        TargetByOwnIdentifier(s);
}

void Article(AssignmentScreen &s) {
    if (s.Chosen("Opt_Art4")) {
        A4Hide5(s);
        A4Show4(s);
    } else if (s.Chosen("Opt_Art5")) {
        A5Hide4(s);
        A5Show5(s);
    } else {
        A5Show5(s);
        A4Show4(s);
    }
}

void Antenna(AssignmentScreen &s) {
    const std::string dir = s.Text("Combo_9_AntDir");
    const std::string pol = s.Text("Combo_9D_Polariz");
    auto frames = [&s](bool h, bool v) {
        ShowAll(s, {"Frame_9NH_AttnH", "Button_Fill9NH"}, h);
        ShowAll(s, {"Frame_9NV_AttnV", "Button_Fill9NV"}, v);
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

    ShowAll(s, {"Txt_8BH_Erp_H", "Lbl_8BH_Erp_H"}, pol != "V");
    ShowAll(s, {"Txt_8BV_Erp_V", "Lbl_8BV_Erp_V"}, pol != "H");
}

void PlanEntry(AssignmentScreen &s) {
    const std::string entry = s.Text("Combo_GE06_Plan");
    for (const auto &row : kPlanEntries) {
        if (row.entry != entry)
            continue;
        ApplyEffect(s, "Txt_RRC04_SfnID", "Lbl_RRC04_SfnID", row.sfnId);
        ApplyEffect(s, "Txt_GE06_assoc_allot_sfnID", "Lbl_GE06_assoc_allot_sfnID", row.assocSfnId);
        ApplyEffect(s, "Txt_RRC04_AdmAllotID", "Lbl_RRC04_AdmAllotID", row.admAllotId);
        return;
    }
}

void TargetFromCharacteristics(AssignmentScreen &s) {
    bool anyGiven = false;
    for (auto name : kTargetToggleFields)
        anyGiven = anyGiven || !s.Text(name).empty();
    if (anyGiven) {
        ShowAll(s, {"Txt_TrgAdmRefID", "Lbl_TrgAdmRefID", "Lbl_trg_or"}, false);
        return;
    }
    ShowCharacteristics(s, true);
    ShowAll(s, {"Txt_TrgAdmRefID", "Lbl_TrgAdmRefID"}, true);
}

void TargetFromIdentifier(AssignmentScreen &s) {
    ShowCharacteristics(s, s.Text("Txt_TrgAdmRefID").empty());
}

void ResetScreen(AssignmentScreen &s, std::span<const std::string_view> ownFields,
                 void (*article)(AssignmentScreen &)) {
    EmptyAll(s, kResetCommon);
    EmptyAll(s, ownFields);
    s.ClearList("ListAdmSel");
    s.SetChosen("OptInt_Add", false);
    s.SetChosen("OptInt_Mod", false);
    SetDefaultHours(s);
    EmptyAll(s, kResetArticle5);
    s.SetText("Txt_TrgAdmRefID", "");
    EmptyAll(s, kTargetCharacteristics);
    for (auto table : {AzimuthTable::EffHeight, AzimuthTable::AttnH, AzimuthTable::AttnV})
        for (int i = 0; i < 36; ++i)
            s.SetText(AzimuthControlName(table, i), "");
    IntentAdd(s);
    s.SetChosen("Opt_Art4", false);
    s.SetChosen("Opt_Art5", false);
    article(s);
    Antenna(s);
    // Choosing the Plan entry's empty entry runs its rule as a click would: what an earlier entry
    // hid is shown again (the "" row empties nothing).
    PlanEntry(s);
}

} // namespace MakeVisibleGS1GE06

namespace MakeVisibleGT1GE06 {

void Article(AssignmentScreen &s) {
    MakeVisibleGS1GE06::Article(s);
    ShowAll(s, {"Combo_RRC04_Sys_Var", "Lbl_RRC04_DigSys", "Combo_RRC04_RxMode", "Lbl_RRC04_RxMode"}, true);
    if (s.Chosen("Opt_Art5")) {
        ShowAll(s, {"LblOr", "Lbl_RRC04_RefPlan", "Combo_RRC04_RefPlan"}, false);
        SetDefaultHours(s);
    } else {
        ShowAll(s, {"LblOr", "Lbl_RRC04_RefPlan"}, true);
    }
}

void DvbtParameters(AssignmentScreen &s) {
    constexpr std::string_view kSystem[] = {"Combo_RRC04_Sys_Var", "Lbl_RRC04_DigSys", "Combo_RRC04_RxMode",
                                            "Lbl_RRC04_RxMode"};
    const bool art4 = s.Chosen("Opt_Art4"), art5 = s.Chosen("Opt_Art5");
    {
        const std::string sys = s.Text("Combo_RRC04_Sys_Var"), rx = s.Text("Combo_RRC04_RxMode");
        if (!sys.empty() || !rx.empty()) {
            s.SetText("Combo_RRC04_RefPlan", "");
            ShowAll(s, {"Combo_RRC04_RefPlan", "LblOr", "Lbl_RRC04_RefPlan"}, false);
            if (rx.empty())
                s.Focus("Combo_RRC04_RxMode");
            if (sys.empty())
                s.Focus("Combo_RRC04_Sys_Var");
            return;
        }
    }
    if (!art5) {
        ShowAll(s, {"Combo_RRC04_RefPlan", "Lbl_RRC04_RefPlan"}, true);
        s.Show("LblOr", false);
    }
    const bool noSystem = s.Text("Combo_RRC04_Sys_Var").empty() && s.Text("Combo_RRC04_RxMode").empty();
    const bool noRefPlan = s.Text("Combo_RRC04_RefPlan").empty();
    if (noSystem && noRefPlan && !art4 && !art5) {
        ShowAll(s, kSystem, true);
        ShowAll(s, {"LblOr", "Lbl_RRC04_RefPlan", "Combo_RRC04_RefPlan"}, true);
    } else if (!noRefPlan && !art5) {
        ShowAll(s, kSystem, false);
        s.Show("LblOr", false);
    } else if (noRefPlan) {
        ShowAll(s, kSystem, true);
        s.Show("LblOr", false);
    }
}

} // namespace MakeVisibleGT1GE06

std::vector<int> AzimuthFillIndices(int from, int to) {
    std::vector<int> indices;
    for (long a = from; a <= to; a += 10)
        if (a >= 0 && a <= 350 && a % 10 == 0)
            indices.push_back(static_cast<int>(a / 10));
    return indices;
}

} // namespace ondrell
