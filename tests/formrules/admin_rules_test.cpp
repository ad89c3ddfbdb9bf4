// The TB2, TB3 and TB5 rules on a fake form: TB2's toggles look at the field just left and hide
// different sets each way; the reset procedures, and what they leave as it was.
#include "forms/rules/admin_rules.h"

#include "notice/control_names.h"

#include "../support/fake_form.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using namespace ctl;
using testing::FakeForm;

constexpr std::string_view kIdentifierGroup[] = {Txt_TrgAdmRefID, Lbl_trg_MIFR, LblOr};
constexpr std::string_view kCharacteristics[] = {Txt_TrgFreq,     Txt_4C_Deg_Long, Txt_4C_Min_Long,
                                                 Txt_4C_Sec_Long, Txt_4C_EW,       Txt_4C_Deg_Lat,
                                                 Txt_4C_Min_Lat,  Txt_4C_Sec_Lat,  Txt_4C_NS};
constexpr std::string_view kLabels[] = {LblOr, Lbl_FreqUnit, lbl_freqAssgn, Lbl_4C_Long, Lbl_4C_Lat};

// The controls among `names` that the form shows.
std::vector<std::string> ShownOf(const FakeForm &form, std::span<const std::string_view> names) {
    std::vector<std::string> shown;
    for (auto name : names)
        if (form.Visible(name))
            shown.emplace_back(name);
    return shown;
}

std::vector<std::string> All(std::span<const std::string_view> names) {
    return {names.begin(), names.end()};
}

struct Tb2 : ::testing::Test {
    FormBehaviour behaviour = AdministrativeBehaviour(FormKind::TB2);
    FakeForm form{behaviour};
};

TEST_F(Tb2, LeavingACharacteristicLooksAtThatBoxAlone) {
    form.Type(Txt_TrgFreq, "600");
    form.Leave(Txt_TrgFreq);
    EXPECT_EQ(ShownOf(form, kIdentifierGroup), std::vector<std::string>{});
    EXPECT_EQ(ShownOf(form, kLabels),
              (std::vector<std::string>{Lbl_FreqUnit, lbl_freqAssgn, Lbl_4C_Long, Lbl_4C_Lat}));
    // An empty seconds box shows the identifier again, although the frequency is given.
    form.Leave(Txt_4C_Sec_Long);
    EXPECT_EQ(ShownOf(form, kIdentifierGroup), All(kIdentifierGroup));
}

TEST_F(Tb2, LeavingTheIdentifierHidesTheCharacteristicsAndTheirLabels) {
    form.Type(Txt_TrgAdmRefID, "I-MIFR-1");
    form.Leave(Txt_TrgAdmRefID);
    EXPECT_EQ(ShownOf(form, kCharacteristics), std::vector<std::string>{});
    EXPECT_EQ(ShownOf(form, kLabels), std::vector<std::string>{});
    EXPECT_EQ(ShownOf(form, kIdentifierGroup), (std::vector<std::string>{Txt_TrgAdmRefID, Lbl_trg_MIFR}));
    form.Type(Txt_TrgAdmRefID, "");
    form.Leave(Txt_TrgAdmRefID);
    EXPECT_EQ(ShownOf(form, kCharacteristics), All(kCharacteristics));
    EXPECT_EQ(ShownOf(form, kLabels), All(kLabels));
}

// Reset empties the target and shows it again, except "Or" and the unit; the hours get their defaults.
TEST_F(Tb2, ResetShowsTheTargetButNotOrAndTheUnit) {
    form.Type(Txt_TrgAdmRefID, "I-MIFR-1");
    form.Leave(Txt_TrgAdmRefID);
    form.Type(Txt_10B_Ophhfr, "");
    form.Type(Txt_PlanAdmRefID, "P");
    form.Run(behaviour.clearScreen);
    form.Run(behaviour.resetOnly);
    EXPECT_EQ(form.Text(Txt_TrgAdmRefID) + form.Text(Txt_PlanAdmRefID), "");
    EXPECT_EQ(form.Text(Txt_10B_Ophhfr), "0000");
    EXPECT_EQ(form.Text(Txt_10B_Ophhto), "2400");
    EXPECT_EQ(ShownOf(form, kCharacteristics), All(kCharacteristics));
    EXPECT_EQ(ShownOf(form, kLabels), (std::vector<std::string>{lbl_freqAssgn, Lbl_4C_Long, Lbl_4C_Lat}));
}

// A fresh TB5 shows Art. 4 and no intent; Reset unchooses the intent and keeps the article.
TEST(Tb5, ResetUnchoosesTheIntentAndKeepsTheArticle) {
    const FormBehaviour behaviour = AdministrativeBehaviour(FormKind::TB5);
    FakeForm form{behaviour};
    form.Group({Opt_Art4, Opt_Art5}).Group({OptInt_WDraw, OptInt_Supp});
    form.Run(behaviour.setUp);
    form.Run(behaviour.clearScreen);
    EXPECT_TRUE(form.Checked(Opt_Art4));
    EXPECT_FALSE(form.Checked(OptInt_WDraw) || form.Checked(OptInt_Supp));
    form.Click(Opt_Art5);
    form.Click(OptInt_Supp);
    form.Type(Txt_TrgAdmRefID, "G-T-1");
    form.Run(behaviour.clearScreen);
    EXPECT_TRUE(form.Checked(Opt_Art5));
    EXPECT_FALSE(form.Checked(OptInt_WDraw) || form.Checked(OptInt_Supp));
    EXPECT_EQ(form.Text(Txt_TrgAdmRefID), "");
    EXPECT_TRUE(form.untouched); // the options have no handlers
}

TEST(Tb3, ResetEmptiesTheSelectedAdministrationsOnly) {
    const FormBehaviour behaviour = AdministrativeBehaviour(FormKind::TB3);
    FakeForm form{behaviour};
    form.Items(ListAdmAvail, {"F", "G"}).Items(ListAdmSel, {"G"}).Set(Txt_TrgAdmRefID, "E-1");
    form.Set(Txt_EmailAddr, "a@b.c").Set(Combo_B_Adm, "E");
    form.Run(behaviour.clearScreen);
    EXPECT_EQ(form.ListItems(ListAdmSel), std::vector<std::string>{});
    EXPECT_EQ(form.ListItems(ListAdmAvail), (std::vector<std::string>{"F", "G"}));
    EXPECT_EQ(form.Text(Txt_EmailAddr), "a@b.c"); // Reset alone empties the address
    form.Run(behaviour.resetOnly);
    EXPECT_EQ(form.Text(Txt_EmailAddr), "");
    EXPECT_EQ(form.Text(Combo_B_Adm), "E");
}

} // namespace
} // namespace ondrell
