// The GS2 and GT2 rules on a fake form: the area given one way or the other, the contour list in
// its fixed order of checks, and what each form's clearing keeps.
#include "forms/rules/allotment_rules.h"

#include "checks/field_tables.h"
#include "notice/control_names.h"

#include "../support/fake_form.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using namespace ctl;
using testing::FakeForm;

struct Allotment : ::testing::TestWithParam<FormKind> {
    FormBehaviour behaviour = AllotmentBehaviour(GetParam());
    FakeForm form{behaviour};

    Allotment() {
        const std::string formName(Descriptor(GetParam()).formName);
        form.fieldCheckAccepts = [formName](const std::string &control, const std::string &text) {
            return RunFieldCheck(formName, control, text).accepted;
        };
        form.Group({OptInt_Add, OptInt_Mod});
        form.Inside(Txt_RRC04_contour_id, FrameSubArea);
        form.Run(behaviour.chooseAdd);
        form.Run(behaviour.clearScreen);
        form.Run(behaviour.resetOnly);
        form.Run(behaviour.chooseAdd);
        form.Run(behaviour.afterOpen);
        form.untouched = true;
    }
    bool Entry() const { return form.Enabled(Txt_RRC04_contour_id) && form.Enabled(FrameSubArea); }
    void Add(const std::string &id) {
        form.Type(Txt_RRC04_contour_id, id);
        form.Click(Button_Add_Contour);
    }
};

TEST_P(Allotment, OpensWithAddChosenTheTargetHiddenAndTheContourEntryClosed) {
    EXPECT_TRUE(form.Checked(OptInt_Add));
    EXPECT_FALSE(form.Visible(FrameTrg));
    EXPECT_FALSE(Entry());
    EXPECT_TRUE(form.controls[ListBoxContourID].grey);
    EXPECT_TRUE(form.Visible(Combo_RRC04_geo_area) && form.Visible(Txt_RRC04_nb_sub_areas));
}

TEST_P(Allotment, ModCopiesTheNoticeIdentifierOnceAndAddEmptiesIt) {
    form.Type(Txt_AdmRefID, "A1");
    form.Click(OptInt_Mod);
    EXPECT_TRUE(form.Visible(FrameTrg));
    EXPECT_EQ(form.Text(Txt_TrgAdmRefID), "A1");
    EXPECT_TRUE(form.untouched); // Mod leaves the flag alone
    form.Type(Txt_AdmRefID, "A2");
    EXPECT_EQ(form.Text(Txt_TrgAdmRefID), "A1");
    form.Click(OptInt_Add);
    EXPECT_FALSE(form.Visible(FrameTrg));
    EXPECT_EQ(form.Text(Txt_TrgAdmRefID), "");
    EXPECT_FALSE(form.untouched);
}

TEST_P(Allotment, PlanEntryFiveHidesAndEmptiesTheSfnIdentifier) {
    form.Type(Txt_RRC04_SfnID, "S");
    form.Pick(Combo_GE06_Plan, "5");
    EXPECT_FALSE(form.Visible(Txt_RRC04_SfnID) || form.Visible(Lbl_RRC04_SfnID));
    EXPECT_EQ(form.Text(Txt_RRC04_SfnID), "");
    form.Pick(Combo_GE06_Plan, "");
    EXPECT_TRUE(form.Visible(Txt_RRC04_SfnID) && form.Visible(Lbl_RRC04_SfnID));
}

TEST_P(Allotment, TheGeographicAreaAndTheSubAreasExcludeEachOther) {
    form.Pick(Combo_RRC04_geo_area, "F");
    for (const char *c : {Lbl_RRC04_or, Lbl_RRC04_nb_sub_areas, Txt_RRC04_nb_sub_areas, FrameSubArea})
        EXPECT_FALSE(form.Visible(c)) << c;
    EXPECT_FALSE(form.untouched);
    form.Pick(Combo_RRC04_geo_area, "");
    EXPECT_TRUE(form.Visible(FrameSubArea));

    form.Type(Txt_RRC04_nb_sub_areas, "1");
    EXPECT_FALSE(form.Visible(Combo_RRC04_geo_area) || form.Visible(Lbl_RRC04_or));
    EXPECT_TRUE(Entry());
    form.Type(Txt_RRC04_nb_sub_areas, "10"); // refused: nothing changes
    EXPECT_TRUE(Entry());
    Add("4");
    form.Type(Txt_RRC04_nb_sub_areas, "");
    EXPECT_TRUE(form.Visible(Combo_RRC04_geo_area));
    EXPECT_FALSE(Entry());
    EXPECT_TRUE(form.ListItems(ListBoxContourID).empty()); // closing the entry empties the list
}

TEST_P(Allotment, LeavingTheNumberOfSubAreasMovesToAnEmptyContourIdentifier) {
    form.Type(Txt_RRC04_nb_sub_areas, "2");
    form.Type(Txt_RRC04_contour_id, "5");
    form.Leave(Txt_RRC04_nb_sub_areas);
    EXPECT_EQ(form.Text(Txt_RRC04_contour_id), "");
    EXPECT_EQ(form.focus, Txt_RRC04_contour_id);
}

TEST_P(Allotment, ContourListChecksInItsFixedOrder) {
    form.Type(Txt_RRC04_nb_sub_areas, "2");
    form.Click(Button_Add_Contour);
    ASSERT_EQ(form.told.size(), 1u);
    EXPECT_EQ(form.told[0], (std::pair<std::string, std::string>{"", "First type in a Contour ID"}));
    Add("007");
    EXPECT_FALSE(form.Enabled(Button_Add_Contour));
    EXPECT_EQ(form.focus, Txt_RRC04_contour_id);
    Add("7"); // the same number: silently refused, the text stays
    EXPECT_EQ(form.told.size(), 1u);
    EXPECT_EQ(form.Text(Txt_RRC04_contour_id), "7");
    Add("-3");
    Add("7"); // a full list comes before the duplicate test
    ASSERT_EQ(form.told.size(), 2u);
    EXPECT_EQ(form.told[1].second, "The number of sub-areas have been added");
    EXPECT_EQ(form.Text(Txt_RRC04_contour_id), "");
    EXPECT_EQ(form.ListItems(ListBoxContourID), (std::vector<std::string>{"7", "-3"}));

    form.Type(Txt_RRC04_nb_sub_areas, "1"); // lowering the count keeps the list
    EXPECT_EQ(form.ListItems(ListBoxContourID).size(), 2u);
    form.SelectItem(ListBoxContourID, 0);
    EXPECT_TRUE(form.Enabled(Button_Clear_Contour));
    form.Click(Button_Clear_Contour);
    EXPECT_EQ(form.ListItems(ListBoxContourID), (std::vector<std::string>{"-3"}));
    form.SetListItems(ListBoxContourID, {});
    form.Click(Button_Clear_Contour); // a stale position removes nothing
    EXPECT_TRUE(form.ListItems(ListBoxContourID).empty());
}

TEST_P(Allotment, ClearingKeepsWhatGt2KeepsAndResetClosesTheEntry) {
    const bool gt2 = GetParam() == FormKind::GT2;
    form.Type(Txt_RRC04_allot_name, "NAME");
    form.Pick(Combo_RRC04_TypRefNetwk, "RN1");
    form.Type(Txt_RRC04_nb_sub_areas, "2");
    Add("1");
    form.Type(Txt_RRC04_contour_id, "2");
    form.Run(behaviour.clearScreen);
    form.Run(behaviour.chooseAdd);
    EXPECT_EQ(form.Text(Txt_RRC04_allot_name), gt2 ? "NAME" : "");
    EXPECT_EQ(form.Text(Txt_RRC04_nb_sub_areas), gt2 ? "2" : "");
    EXPECT_EQ(form.Text(Txt_RRC04_contour_id), gt2 ? "2" : "");
    EXPECT_TRUE(form.ListItems(ListBoxContourID).empty());
    EXPECT_EQ(Entry(), gt2); // GT2's entry stays open after a save
    EXPECT_TRUE(form.Visible(Combo_RRC04_geo_area));
    form.Run(behaviour.resetOnly);
    EXPECT_FALSE(Entry());
    EXPECT_FALSE(form.Enabled(Button_Add_Contour) || form.Enabled(Button_Clear_Contour));
}

TEST_P(Allotment, PolarizationTouchesTheFormOnlyWhenChosen) {
    form.Pick(Combo_9D_Polariz, "");
    EXPECT_TRUE(form.untouched);
    form.Pick(Combo_9D_Polariz, "U");
    EXPECT_FALSE(form.untouched);
}

INSTANTIATE_TEST_SUITE_P(Gs2AndGt2, Allotment, ::testing::Values(FormKind::GS2, FormKind::GT2));

} // namespace
} // namespace ondrell
