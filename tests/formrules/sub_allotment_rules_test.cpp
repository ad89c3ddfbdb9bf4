// The GA1 rules on a fake form: the point text as the list keeps it, the point entry opened and
// closed, stale list positions, and what Save/Next's clearing keeps that Reset does not.
#include "forms/rules/sub_allotment_rules.h"

#include "checks/field_tables.h"
#include "notice/control_names.h"

#include "../support/fake_form.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using namespace ctl;
using namespace MakeVisibleGA1GE06;
using testing::FakeForm;

constexpr const char *kFields[] = {Txt_RRC04_Deg_Long, Txt_RRC04_Min_Long, Txt_RRC04_Sec_Long, Txt_RRC04_EW,
                                   Txt_RRC04_Deg_Lat,  Txt_RRC04_Min_Lat,  Txt_RRC04_Sec_Lat,  Txt_RRC04_NS};

struct SubAllotment : ::testing::Test {
    FormBehaviour behaviour = SubAllotmentBehaviour();
    FakeForm form{behaviour};

    SubAllotment() {
        form.fieldCheckAccepts = [](const std::string &control, const std::string &text) {
            return RunFieldCheck("GA1SubAllotFrmGE06", control, text).accepted;
        };
        form.Group({OptInt_Add, OptInt_Suppress});
        form.Run(behaviour.setUp);
        form.Run(behaviour.clearScreen);
        form.Run(behaviour.resetOnly);
        form.Run(behaviour.afterOpen);
        form.untouched = true;
        form.Set(Combo_4B_Ctry, "F");
        form.Type(Txt_RRC04_nb_test_pts, "3");
        form.Leave(Txt_RRC04_nb_test_pts);
    }
    void TypePoint(std::initializer_list<const char *> parts) {
        const char *const *field = kFields;
        for (const char *part : parts)
            form.Type(*field++, part);
    }
    std::vector<std::string> List() const { return form.ListItems(ListBox_RRC04_Coordinates); }
};

struct PointTextCase {
    std::vector<const char *> parts;
    const char *longitude, *latitude;
};

class PointText : public SubAllotment, public ::testing::WithParamInterface<PointTextCase> {};

TEST_P(PointText, EveryPartPaddedToItsWidth) {
    std::size_t i = 0;
    for (const char *part : GetParam().parts)
        form.Set(kFields[i++], part);
    EXPECT_EQ(LongitudeText(form), GetParam().longitude);
    EXPECT_EQ(LatitudeText(form), GetParam().latitude);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PointText,
    ::testing::Values(PointTextCase{{"5", "3", "0", "E", "4", "5", "6", "N"}, "+0050300", "+040506"},
                      PointTextCase{{"123", "45", "59", "W", "45", "00", "01", "S"}, "-1234559", "-450001"},
                      PointTextCase{
                          {"0", "0", "", "E", "0", "0", "", "N"}, "+00000", "+0000"},  // seconds optional
                      PointTextCase{{"", "10", "0", "E", "45", "", "0", "S"}, "", ""}, // no degrees, minutes
                      PointTextCase{{"7", "1", "2", "w", "45.5", "1", "2", "s"}, "-0070102", "-45.50102"}));

TEST_F(SubAllotment, NumberOfTestPointsOpensTheEntryAndLocksTheCountry) {
    EXPECT_TRUE(form.Enabled(Txt_RRC04_Deg_Long));
    EXPECT_FALSE(form.controls[Txt_RRC04_Deg_Long].grey);
    EXPECT_FALSE(form.Enabled(Combo_4B_Ctry));
    EXPECT_EQ(form.focus, Txt_RRC04_Deg_Long);
    EXPECT_EQ(form.Text(Txt_CountDownTP), "3");
    EXPECT_FALSE(form.untouched);

    // Without the map a point is taken as it is: Validation reports what cannot be checked.
    TypePoint({"5", "30", "0", "E", "46", "0", "0", "N"});
    form.Click(Button_Add_Coordinates);
    EXPECT_EQ(List(), (std::vector<std::string>{"+0053000 +460000"}));
    EXPECT_TRUE(form.told.empty());

    // Emptying the number closes the entry, and the list goes with it.
    form.Type(Txt_RRC04_nb_test_pts, "");
    form.Leave(Txt_RRC04_nb_test_pts);
    EXPECT_TRUE(List().empty());
    EXPECT_FALSE(form.Enabled(Txt_RRC04_Deg_Long));
    EXPECT_TRUE(form.controls[Txt_RRC04_Deg_Long].grey);
    EXPECT_TRUE(form.controls[ListBox_RRC04_Coordinates].grey);
}

TEST_F(SubAllotment, StalePositionsInsertAtTheEndAndRemoveNothing) {
    TypePoint({"5", "30", "0", "E", "46", "0", "0", "N"});
    form.Click(Button_Add_Coordinates);
    form.SelectItem(ListBox_RRC04_Coordinates, 0);
    form.Click(Button_ClearAll_Coordinates); // Delete, Insert and Modify stay enabled
    EXPECT_EQ(form.Text(Txt_CountDownTP), "3");
    form.Click(Button_Del_Coordinates);
    EXPECT_TRUE(List().empty());
    TypePoint({"5", "31", "0", "E", "46", "0", "0", "N"});
    form.Click(Button_Upd_Coordinates);
    EXPECT_EQ(List(), (std::vector<std::string>{"+0053100 +460000"}));
    EXPECT_EQ(form.Text(Txt_CountDownTP), "2");
    form.SelectItem(ListBox_RRC04_Coordinates, 5); // no such entry: nothing selected
    EXPECT_EQ(form.state.selectedRow, 0);
}

TEST_F(SubAllotment, SaveNextKeepsTheLockAndViewResetLiftsThem) {
    TypePoint({"5", "30", "0", "E", "46", "0", "0", "N"});
    form.Click(Button_Add_Coordinates);
    form.Run(behaviour.clearScreen);
    EXPECT_TRUE(List().empty());
    EXPECT_EQ(form.Text(Txt_RRC04_nb_test_pts), "");
    EXPECT_EQ(form.Text(Txt_CountDownTP), "0");
    EXPECT_FALSE(form.Enabled(Combo_4B_Ctry));
    EXPECT_TRUE(form.Enabled(Button_View));
    form.Run(behaviour.resetOnly);
    EXPECT_TRUE(form.Enabled(Combo_4B_Ctry));
    EXPECT_EQ(form.Text(Combo_4B_Ctry), "");
    EXPECT_FALSE(form.Enabled(Button_View));
}

} // namespace
} // namespace ondrell
