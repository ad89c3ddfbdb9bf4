// The GS1 and GT1 rules on a fake form: antenna, Plan entry, intent and article with the target
// given one way or the other, the GT1 DVB-T parameters, the forms' own untouched-form rules, what
// Reset and Save/Next clear, and the boxes a fill range writes.
#include "forms/rules/assignment_rules.h"

#include "notice/control_names.h"

#include "../support/fake_form.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ondrell {
namespace {

using namespace ctl;
using testing::FakeForm;

// A freshly opened form, opened as the form base opens it.
struct Assignment {
    FormKind kind;
    FormBehaviour behaviour = AssignmentBehaviour(kind);
    FakeForm form{behaviour};

    explicit Assignment(FormKind k) : kind(k) {
        form.Group({OptInt_Add, OptInt_Mod}).Group({Opt_Art4, Opt_Art5});
        form.Inside(Txt_TrgAdmRefID, FrameTrg).Inside(Lbl_trg_or, FrameTrg);
        for (auto name : TargetCharacteristicFields())
            form.Inside(std::string(name), FrameTrg);
        form.Run(behaviour.chooseAdd);
        form.Run(behaviour.setUp);
        Reset();
        form.Run(behaviour.afterOpen);
        form.untouched = true;
    }
    void SaveNext() {
        form.Run(behaviour.clearScreen);
        form.Run(behaviour.chooseAdd);
    }
    void Reset() {
        form.Run(behaviour.clearScreen);
        form.Run(behaviour.resetOnly);
        form.Run(behaviour.chooseAdd);
    }
    // Whether every one of the controls is shown (or, with `shown` false, hidden).
    bool Shown(std::initializer_list<const char *> names, bool shown = true) const {
        return std::all_of(names.begin(), names.end(),
                           [&](const char *n) { return form.Visible(n) == shown; });
    }
};

struct AssignmentRules : ::testing::TestWithParam<FormKind> {
    Assignment a{GetParam()};
    FakeForm &form = a.form;
    bool gt1 = GetParam() == FormKind::GT1;
};

TEST_P(AssignmentRules, OpensUnderAddWithBothArticlesAndBothAttenuationTables) {
    EXPECT_TRUE(form.Checked(OptInt_Add));
    EXPECT_FALSE(form.Checked(Opt_Art4) || form.Checked(Opt_Art5));
    EXPECT_TRUE(a.Shown({Frame_Art4_Only, Frame_ART5_Only, Frame_9NH_AttnH, Frame_9NV_AttnV, Button_Fill9NH,
                         Button_Fill9NV, Txt_8BH_Erp_H, Txt_8BV_Erp_V}));
    EXPECT_FALSE(form.Visible(FrameTrg));
    // Only GT1 opens with the default hours; GS1 gets them at its first Reset or Save/Next.
    EXPECT_EQ(form.Text(Txt_10B_Ophhfr), gt1 ? "0000" : "");
    EXPECT_EQ(form.Text(Txt_10B_Ophhto), gt1 ? "2400" : "");
    EXPECT_TRUE(!gt1 || a.Shown({Combo_RRC04_RefPlan, Combo_RRC04_Sys_Var, Combo_RRC04_RxMode, LblOr}));
}

TEST_P(AssignmentRules, AntennaShowsTheAttenuationTablesAndPowersThePolarizationNeeds) {
    const struct {
        const char *dir, *pol;
        bool attnH, attnV, erpH, erpV;
    } rows[] = {
        {"ND", "M", false, false, true, true}, {"D", "V", false, true, false, true},
        {"D", "M", true, true, true, true},    {"D", "H", true, false, true, false},
        {"D", "", true, true, true, true},     {"", "H", true, true, true, false},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(std::string(r.dir) + "/" + r.pol);
        Assignment fresh(GetParam());
        FakeForm &f = fresh.form;
        f.Type("Txt_9NHAzm010", "3");
        f.Pick(Combo_9D_Polariz, r.pol);
        f.Pick(Combo_9_AntDir, r.dir);
        const std::pair<const char *, bool> expected[] = {
            {Frame_9NH_AttnH, r.attnH}, {Button_Fill9NH, r.attnH}, {Frame_9NV_AttnV, r.attnV},
            {Button_Fill9NV, r.attnV},  {Txt_8BH_Erp_H, r.erpH},   {Lbl_8BH_Erp_H, r.erpH},
            {Txt_8BV_Erp_V, r.erpV},    {Lbl_8BV_Erp_V, r.erpV},
        };
        for (const auto &[control, shown] : expected)
            EXPECT_EQ(f.Visible(control), shown) << control;
        EXPECT_TRUE(f.Visible(Frame_9EC_EffAntHeight));
        EXPECT_EQ(f.Text("Txt_9NHAzm010"), "3"); // hidden boxes keep their texts
    }
}

TEST_P(AssignmentRules, PlanEntryHidesAndEmptiesTheIdentifiersItExcludesAndResetBringsThemBack) {
    const struct {
        const char *entry, *sfn, *assoc, *allot; // the text left, or nullptr when hidden and emptied
        bool allotShown;
    } rows[] = {
        {"1", nullptr, nullptr, "A1", false}, {"2", "S1", nullptr, nullptr, false},
        {"3", "S1", "F1", "A1", true},        {"4", "S1", "F1", "A1", true},
        {"5", nullptr, nullptr, "A1", true},
    };
    auto allShown = [&] {
        return a.Shown({Txt_RRC04_SfnID, Lbl_RRC04_SfnID, Txt_GE06_assoc_allot_sfnID,
                        Lbl_GE06_assoc_allot_sfnID, Txt_RRC04_AdmAllotID, Lbl_RRC04_AdmAllotID});
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.entry);
        form.Type(Txt_RRC04_SfnID, "S1");
        form.Type(Txt_GE06_assoc_allot_sfnID, "F1");
        form.Type(Txt_RRC04_AdmAllotID, "A1");
        form.Pick(Combo_GE06_Plan, r.entry);
        EXPECT_EQ(form.Visible(Txt_RRC04_SfnID) && form.Visible(Lbl_RRC04_SfnID), r.sfn != nullptr);
        EXPECT_EQ(form.Text(Txt_RRC04_SfnID), r.sfn ? r.sfn : "");
        EXPECT_EQ(form.Visible(Txt_GE06_assoc_allot_sfnID) && form.Visible(Lbl_GE06_assoc_allot_sfnID),
                  r.assoc != nullptr);
        EXPECT_EQ(form.Text(Txt_GE06_assoc_allot_sfnID), r.assoc ? r.assoc : "");
        EXPECT_EQ(form.Visible(Txt_RRC04_AdmAllotID) && form.Visible(Lbl_RRC04_AdmAllotID), r.allotShown);
        EXPECT_EQ(form.Text(Txt_RRC04_AdmAllotID), r.allot ? r.allot : "");
        form.Pick(Combo_GE06_Plan, "");
        EXPECT_TRUE(allShown());
        form.Pick(Combo_GE06_Plan, r.entry);
        a.Reset();
        EXPECT_EQ(form.Text(Combo_GE06_Plan), "");
        EXPECT_TRUE(allShown());
    }
}

TEST_P(AssignmentRules, ModifyUnderArticle4TargetsTheNoticesOwnIdentifier) {
    form.Type(Txt_AdmRefID, "CH-0001");
    form.Click(Opt_Art4);
    form.Click(OptInt_Mod);
    EXPECT_TRUE(form.Visible(FrameTrg) && form.Visible(Txt_TrgAdmRefID));
    EXPECT_EQ(form.Text(Txt_TrgAdmRefID), "CH-0001");
    for (auto name : TargetCharacteristicFields())
        EXPECT_FALSE(form.Visible(name)) << name;
    EXPECT_FALSE(form.Visible(Lbl_trg_or) || form.Visible(Frame_ART5_Only));
    form.Click(OptInt_Add);
    EXPECT_FALSE(form.Visible(FrameTrg));
    EXPECT_EQ(form.Text(Txt_TrgAdmRefID), "");
}

TEST_P(AssignmentRules, ModifyUnderArticle5OffersTheIdentifierOrTheCharacteristicsNeverBoth) {
    form.Type(Txt_AdmRefID, "X1");
    form.Click(Opt_Art5);
    form.Click(OptInt_Mod);
    EXPECT_EQ(form.Text(Txt_TrgAdmRefID), "");
    EXPECT_TRUE(a.Shown({Txt_TrgAdmRefID, Lbl_TrgAdmRefID, Lbl_trg_or}));
    for (auto name : TargetCharacteristicFields())
        EXPECT_TRUE(form.Visible(name)) << name;
    EXPECT_FALSE(form.Visible(Frame_Art4_Only));

    // Any frequency, degree, minute or second box hides the identifier; hemispheres do not count.
    for (auto box : TargetToggleFields()) {
        SCOPED_TRACE(box);
        form.Type(std::string(box), "1");
        EXPECT_TRUE(a.Shown({Txt_TrgAdmRefID, Lbl_TrgAdmRefID, Lbl_trg_or}, false));
        form.Type(std::string(box), "");
        EXPECT_TRUE(a.Shown({Txt_TrgAdmRefID, Lbl_TrgAdmRefID, Lbl_trg_or}));
    }
    form.Type(Txt_trg_lat_NS, "N");
    form.Type(Txt_trg_long_EW, "E");
    EXPECT_TRUE(form.Visible(Txt_TrgAdmRefID));

    // The identifier hides the characteristics and the "or"; emptying it shows them again.
    form.Type(Txt_TrgAdmRefID, "OLD");
    for (auto name : TargetCharacteristicFields())
        EXPECT_FALSE(form.Visible(name)) << name;
    EXPECT_FALSE(form.Visible(Lbl_trg_or));
    form.Type(Txt_TrgAdmRefID, "");
    EXPECT_TRUE(form.Visible(Txt_trg_freq_assgn) && form.Visible(Lbl_trg_or));

    // Article 4 empties the characteristics and targets the notice's own identifier.
    form.Click(Opt_Art4);
    EXPECT_EQ(form.Text(Txt_TrgAdmRefID), "X1");
    EXPECT_EQ(form.Text(Txt_trg_lat_NS), "");
    EXPECT_FALSE(form.Visible(Txt_trg_freq_assgn));
    // Back under Article 5 with the identifier given, the characteristics stay hidden.
    form.Click(Opt_Art5);
    EXPECT_FALSE(form.Visible(Frame_Art4_Only));
    EXPECT_FALSE(form.Visible(Txt_trg_freq_assgn));
}

TEST_P(AssignmentRules, ResetEmptiesTheNoticeAndSaveNextKeepsTheSenderAndTheCountry) {
    struct Field {
        const char *control;
        bool keptBySave;
        bool gt1Only = false, gs1Only = false;
    };
    const Field fields[] = {
        {Txt_EmailAddr, true},
        {Txt_4C_EW, true},
        {Txt_4C_NS, true},
        {Combo_4B_Ctry, true},
        {Txt_AdmRefID, false},
        {Txt_4A_SiteName, false},
        {Txt_4C_Sec_Lat, false},
        {Txt_9EB_Eff_hgtmax, false},
        {Txt_Exp_YY, false},
        {Txt_notified_Rmks, false},
        {Combo_GE06_assgnCde, false},
        {Combo_RRC04_SpectMask, false},
        {Txt_12A_OpAgcy, false},
        {Combo_GE06_PubReq, false},
        {Txt_PlanAdm_RefID, false},
        {"Txt_9EC_azm000", false},
        {"Txt_9NHAzm170", false},
        {"Txt_9NVAzm350", false},
        {Combo_GE06_FreqAssgn, false, false, true},
        {Txt_GE06_erpBeam_tilt, false, true},
        {Txt_GE06_TiltAngle, false, true},
        {Txt_GE06_freqAssgn, false, true},
        {Combo_RRC04_Sys_Var, false, true},
        {Combo_RRC04_RxMode, false, true},
    };
    for (bool reset : {false, true}) {
        SCOPED_TRACE(reset ? "Reset" : "Save/Next");
        auto onForm = [&](const Field &f) { return !(gt1 ? f.gs1Only : f.gt1Only); };
        for (const Field &f : fields)
            if (onForm(f))
                form.Type(f.control, "7");
        form.Pick(Combo_9_AntDir, "ND");
        form.Click(Opt_Art5);
        form.Click(OptInt_Mod);
        form.Type(Txt_TrgAdmRefID, "T");
        form.Type(Txt_10B_Ophhto, "1800");
        form.SetListItems(ListAdmSel, {"G"});
        reset ? a.Reset() : a.SaveNext();
        for (const Field &f : fields)
            EXPECT_EQ(form.Text(f.control), onForm(f) && f.keptBySave && !reset ? "7" : "") << f.control;
        EXPECT_EQ(form.Text(Combo_9_AntDir), "");
        EXPECT_EQ(form.Text(Txt_TrgAdmRefID), "");
        EXPECT_EQ(form.Text(Txt_10B_Ophhfr), "0000");
        EXPECT_EQ(form.Text(Txt_10B_Ophhto), "2400");
        EXPECT_TRUE(form.ListItems(ListAdmSel).empty());
        EXPECT_TRUE(form.Checked(OptInt_Add));
        EXPECT_FALSE(form.Checked(OptInt_Mod) || form.Checked(Opt_Art4) || form.Checked(Opt_Art5));
        EXPECT_TRUE(a.Shown({Frame_9NH_AttnH, Frame_9NV_AttnV, Frame_Art4_Only, Frame_ART5_Only}));
        EXPECT_FALSE(form.Visible(FrameTrg));
        EXPECT_TRUE(!gt1 || a.Shown({Combo_RRC04_RefPlan, Combo_RRC04_Sys_Var, LblOr}));
    }
}

// What the forms' own rules do to the untouched-form flag (every other pick is the base's rule).
TEST(AssignmentUntouched, OwnListsSetOrKeepTheFlag) {
    const struct {
        FormKind kind;
        const char *combo, *entry;
        bool before, after;
    } rows[] = {
        // GS1: the flag follows the chosen entry, both ways.
        {FormKind::GS1, Combo_RRC04_RefPlan, "RPC4", true, false},
        {FormKind::GS1, Combo_RRC04_RefPlan, "", false, true},
        {FormKind::GS1, Combo_RRC04_SpectMask, "2", true, false},
        {FormKind::GS1, Combo_RRC04_SpectMask, "", false, true},
        // GT1: only a real spectrum mask clears the flag; the empty entry leaves it as it was.
        {FormKind::GT1, Combo_RRC04_SpectMask, "", false, false},
        {FormKind::GT1, Combo_RRC04_SpectMask, "", true, true},
        {FormKind::GT1, Combo_RRC04_SpectMask, "N", true, false},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(std::string(r.combo) + " '" + r.entry + "'");
        Assignment a(r.kind);
        a.form.untouched = r.before;
        a.form.Pick(r.combo, r.entry);
        EXPECT_EQ(a.form.untouched, r.after);
        const bool own = std::find(a.behaviour.ownTouchRule.begin(), a.behaviour.ownTouchRule.end(),
                                   std::string_view(r.combo)) != a.behaviour.ownTouchRule.end();
        EXPECT_TRUE(own); // else the base's rule would clear the flag as well
    }
}

struct Gt1Rules : ::testing::Test {
    Assignment a{FormKind::GT1};
    FakeForm &form = a.form;
};

TEST_F(Gt1Rules, SystemVariantExcludesTheReferencePlanningAndAsksForTheMissingHalf) {
    form.Pick(Combo_RRC04_Sys_Var, "A1");
    EXPECT_EQ(form.Text(Combo_RRC04_RefPlan), "");
    EXPECT_TRUE(a.Shown({Combo_RRC04_RefPlan, Lbl_RRC04_RefPlan, LblOr}, false));
    EXPECT_EQ(form.focus, Combo_RRC04_RxMode);
    form.Pick(Combo_RRC04_Sys_Var, "");
    form.Pick(Combo_RRC04_RxMode, "M");
    EXPECT_EQ(form.focus, Combo_RRC04_Sys_Var);
    form.Pick(Combo_RRC04_RxMode, "");
    EXPECT_TRUE(a.Shown({Combo_RRC04_RefPlan, LblOr, Combo_RRC04_Sys_Var, Combo_RRC04_RxMode}));
}

TEST_F(Gt1Rules, ReferencePlanningHidesTheSystemVariant) {
    form.Pick(Combo_RRC04_RefPlan, "RPC2");
    EXPECT_TRUE(
        a.Shown({Combo_RRC04_Sys_Var, Lbl_RRC04_DigSys, Combo_RRC04_RxMode, Lbl_RRC04_RxMode, LblOr}, false));
    EXPECT_TRUE(form.Visible(Combo_RRC04_RefPlan));
}

TEST_F(Gt1Rules, Article5SetsTheHoursAndOffersOnlyTheSystemVariant) {
    form.Type(Txt_10B_Ophhfr, "0600");
    form.Pick(Combo_RRC04_RefPlan, "RPC3");
    form.Click(Opt_Art5);
    EXPECT_EQ(form.Text(Txt_10B_Ophhfr), "0000");
    EXPECT_EQ(form.Text(Txt_10B_Ophhto), "2400");
    EXPECT_TRUE(a.Shown({Combo_RRC04_RefPlan, Lbl_RRC04_RefPlan, LblOr}, false));
    EXPECT_TRUE(a.Shown({Combo_RRC04_Sys_Var, Combo_RRC04_RxMode}));
    form.Click(Opt_Art4);
    EXPECT_TRUE(a.Shown({Combo_RRC04_RefPlan, Frame_Art4_Only}));
    EXPECT_FALSE(form.Visible(Frame_ART5_Only));
}

// Under Mod the article rule runs after the DVB-T rule and has the last word on the "Or".
TEST_F(Gt1Rules, ModifyUnderArticle4KeepsTheChoiceOffered) {
    form.Click(Opt_Art4);
    form.Click(OptInt_Mod);
    EXPECT_TRUE(a.Shown({Combo_RRC04_RefPlan, Lbl_RRC04_RefPlan, LblOr, Combo_RRC04_Sys_Var}));
}

TEST(AzimuthFill, WritesTheBoxesOnTheTenDegreeRasterBetweenFromAndTo) {
    const struct {
        int from, to;
        std::vector<int> indices;
    } rows[] = {
        {100, 130, {10, 11, 12, 13}},
        {350, 350, {35}},
        {130, 100, {}},
        {9999, 9999, {}}, // a cancelled dialog
        {5, 45, {}},
        {-20, 10, {0, 1}},
        {340, 400, {34, 35}},
        {0, 350,
         [] {
             std::vector<int> all;
             for (int i = 0; i < 36; ++i)
                 all.push_back(i);
             return all;
         }()},
        {2147483600, 2147483647, {}}, // no overflow past the largest int
    };
    for (const auto &r : rows)
        EXPECT_EQ(AzimuthFillIndices(r.from, r.to), r.indices) << r.from << ".." << r.to;
}

INSTANTIATE_TEST_SUITE_P(Gs1AndGt1, AssignmentRules, ::testing::Values(FormKind::GS1, FormKind::GT1),
                         [](const auto &info) { return info.param == FormKind::GT1 ? "GT1" : "GS1"; });

} // namespace
} // namespace ondrell
