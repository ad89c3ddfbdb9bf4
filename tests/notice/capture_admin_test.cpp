// Capture of the administrative notices: TB5's choices, TB2's target as far as it is shown.
#include "notice/capture.h"

#include "../support/fake_form.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using testing::FakeForm;

const CaptureStamp kStamp{"2009-05-08", "jdoe"};

NoticeRecord Capture(const FakeForm &form, CaptureCode code) {
    NoticeRecord r;
    CaptureNotice(form, r, code, kStamp);
    return r;
}

// The article decides the fragment and the intent the action; neither check the other.
TEST(CaptureAdministrative, Tb5ChoicesGiveActionAndFragment) {
    const struct {
        std::vector<const char *> chosen;
        const char *action, *fragment;
    } cases[] = {
        {{}, "", "NTFD_RR"},
        {{"Opt_Art4"}, "", "GE06D"},
        {{"Opt_Art5"}, "", "NTFD_RR"},
        {{"Opt_Art4", "OptInt_WDraw"}, "WITHDRAW", "GE06D"},
        {{"Opt_Art5", "OptInt_Supp"}, "SUPPRESS", "NTFD_RR"},
        {{"OptInt_Supp"}, "SUPPRESS", "NTFD_RR"},
    };
    for (const auto &c : cases) {
        FakeForm f;
        f.Set("Txt_TrgAdmRefID", "G-T-0815");
        for (const char *option : c.chosen)
            f.Check(option);
        const NoticeRecord r = Capture(f, CaptureCode::TB5);
        EXPECT_EQ(r.t_action, c.action) << c.chosen.size();
        EXPECT_EQ(r.t_fragment, c.fragment) << c.chosen.size();
        EXPECT_EQ(r.t_trg_adm_ref_id, "G-T-0815");
        EXPECT_EQ(r.t_plan, "");
    }
}

// A TB2 form filled both ways, with the toggles' hiding applied: only what is shown is taken.
FakeForm Tb2WithBothTargets() {
    FakeForm f;
    f.Set("Txt_PlanAdmRefID", "I-PLAN-99").Set("Txt_TrgAdmRefID", "I-MIFR-1").Set("Txt_TrgFreq", "658");
    f.Set("Txt_4C_Deg_Long", "12").Set("Txt_4C_Min_Long", "29").Set("Txt_4C_Sec_Long", "1");
    f.Set("Txt_4C_EW", "E").Set("Txt_4C_Deg_Lat", "1").Set("Txt_4C_Min_Lat", "54");
    f.Set("Txt_4C_Sec_Lat", "10").Set("Txt_4C_NS", "N");
    return f;
}

constexpr const char *kCharacteristics[] = {"Txt_TrgFreq",     "Txt_4C_Deg_Long", "Txt_4C_Min_Long",
                                            "Txt_4C_Sec_Long", "Txt_4C_EW",       "Txt_4C_Deg_Lat",
                                            "Txt_4C_Min_Lat",  "Txt_4C_Sec_Lat",  "Txt_4C_NS"};

TEST(CaptureAdministrative, Tb2TakesOnlyTheTargetFieldsShown) {
    FakeForm byId = Tb2WithBothTargets();
    for (const char *c : kCharacteristics)
        byId.Hide(c);
    NoticeRecord r = Capture(byId, CaptureCode::TB2);
    EXPECT_EQ(r.t_plan_adm_ref_id, "I-PLAN-99");
    EXPECT_EQ(r.t_trg_adm_ref_id, "I-MIFR-1");
    EXPECT_EQ(r.t_trg_freq_assgn, "");
    EXPECT_EQ(r.trg_long, Coordinate{});
    EXPECT_EQ(r.trg_lat, Coordinate{});

    FakeForm byCharacteristics = Tb2WithBothTargets();
    byCharacteristics.Hide("Txt_TrgAdmRefID");
    r = Capture(byCharacteristics, CaptureCode::TB2);
    EXPECT_EQ(r.t_trg_adm_ref_id, "");
    EXPECT_EQ(r.t_trg_freq_assgn, "658");
    // Longitude degrees padded to two here; the writer widens them to three.
    EXPECT_EQ(r.trg_long, (Coordinate{"12", "E", "29", "01"}));
    EXPECT_EQ(r.trg_lat, (Coordinate{"01", "N", "54", "10"}));
    EXPECT_EQ(r.site_long, Coordinate{});
}

TEST(CaptureAdministrative, Tb2OperatingDetailsAreTakenWhenShown) {
    FakeForm f = Tb2WithBothTargets();
    f.Set("Txt_12A_OpAgcy", "12").Set("Txt_12B_AddrCde", "AB");
    f.Set("Txt_10B_Ophhfr", "0000").Set("Txt_10B_Ophhto", "2400");
    NoticeRecord r = Capture(f, CaptureCode::TB2);
    EXPECT_EQ(r.t_op_agcy, "012");
    EXPECT_EQ(r.t_addr_code, "AB");
    EXPECT_EQ(r.t_op_hh_fr, "0000");
    EXPECT_EQ(r.t_op_hh_to, "2400");
    EXPECT_TRUE(r.op_hours_given);
    for (const char *c : {"Txt_12A_OpAgcy", "Txt_12B_AddrCde", "Txt_10B_Ophhfr", "Txt_10B_Ophhto"})
        f.Hide(c);
    r = Capture(f, CaptureCode::TB2);
    EXPECT_EQ(r.t_op_agcy + r.t_addr_code + r.t_op_hh_fr + r.t_op_hh_to, "");
    EXPECT_FALSE(r.op_hours_given);
}

} // namespace
} // namespace ondrell
