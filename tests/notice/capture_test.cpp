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

// A GS1 form with an article and an intent chosen and every other control empty.
FakeForm Assignment(const char *article = "Opt_Art4", const char *intent = "OptInt_Add") {
    FakeForm f;
    f.Check(article).Check(intent);
    return f;
}

TEST(CaptureTest, TypeCodeFixesTypeStationClassAndPath) {
    struct Case {
        CaptureCode code;
        const char *type, *cls, *fragment;
    } cases[] = {
        {CaptureCode::GS1, "GS1", "BC", "GE06D"},
        {CaptureCode::GT1, "GT1", "BT", "GE06D"},
        {CaptureCode::GS2, "GS2", "BC", "GE06D"},
        {CaptureCode::GT2, "GT2", "BT", "GE06D"},
    };
    for (const auto &c : cases) {
        NoticeRecord r = Capture(Assignment(), c.code);
        EXPECT_EQ(r.t_notice_type, c.type);
        EXPECT_EQ(r.stn_cls, c.cls);
        EXPECT_EQ(r.t_fragment, c.fragment);
        EXPECT_EQ(r.t_action, "ADD");
        EXPECT_TRUE(r.captured);
        EXPECT_EQ(r.captured_on, "2009-05-08");
        EXPECT_EQ(r.captured_by, "jdoe");
    }
}

TEST(CaptureTest, DateJoinsOnlyWhenAllThreePartsAreGiven) {
    struct Case {
        const char *yy, *mm, *dd, *joined;
    } cases[] = {
        {"2009", "5", "8", "2009-5-8"},
        {"2009", "05", "08", "2009-05-08"},
        {"", "5", "8", ""},
        {"2009", "", "8", ""},
        {"2009", "5", "", ""},
        {"", "", "", ""},
    };
    for (const auto &c : cases) {
        FakeForm f = Assignment();
        f.Set("Txt_Exp_YY", c.yy).Set("Txt_Exp_MM", c.mm).Set("Txt_Exp_DD", c.dd);
        f.Set("Txt_InUse_YY", c.yy).Set("Txt_InUse_MM", c.mm).Set("Txt_InUse_DD", c.dd);
        NoticeRecord r = Capture(f, CaptureCode::GS1);
        EXPECT_EQ(r.t_d_expiry, c.joined) << c.yy << "/" << c.mm << "/" << c.dd;
        EXPECT_EQ(r.t_d_inuse, c.joined);
    }
}

TEST(CaptureTest, SitePositionIsPaddedPerPart) {
    FakeForm f = Assignment();
    f.Set("Txt_4C_Deg_Long", "5")
        .Set("Txt_4C_EW", "W")
        .Set("Txt_4C_Min_Long", "12")
        .Set("Txt_4C_Sec_Long", "7");
    f.Set("Txt_4C_Deg_Lat", "5").Set("Txt_4C_NS", "n").Set("Txt_4C_Min_Lat", "1234");
    NoticeRecord r = Capture(f, CaptureCode::GT1);
    EXPECT_EQ(r.site_long, (Coordinate{"005", "W", "12", "07"}));
    // An empty seconds box stays empty; the writer turns it into "00".
    EXPECT_EQ(r.site_lat, (Coordinate{"05", "n", "1234", ""}));
    EXPECT_EQ(r.trg_long, Coordinate{});
}

TEST(CaptureTest, TargetIsCapturedOnlyForModifyAndByArticle) {
    auto filled = [](const char *article, const char *intent) {
        FakeForm f = Assignment(article, intent);
        f.Set("Txt_TrgAdmRefID", "T-1").Set("Txt_trg_freq_assgn", "178.352");
        f.Set("Txt_trg_long_DD", "7").Set("Txt_trg_long_EW", "E").Set("Txt_trg_long_MM", "1");
        f.Set("Txt_trg_lat_DD", "46")
            .Set("Txt_trg_lat_NS", "N")
            .Set("Txt_trg_lat_MM", "30")
            .Set("Txt_trg_lat_SS", "5");
        return f;
    };
    NoticeRecord add5 = Capture(filled("Opt_Art5", "OptInt_Add"), CaptureCode::GS1);
    EXPECT_EQ(add5.t_trg_adm_ref_id, "");
    EXPECT_EQ(add5.t_trg_freq_assgn, "");
    EXPECT_EQ(add5.trg_lat, Coordinate{});
    EXPECT_EQ(add5.t_fragment, "NTFD_RR");
    EXPECT_EQ(add5.t_prov, "RR11.2");

    NoticeRecord mod4 = Capture(filled("Opt_Art4", "OptInt_Mod"), CaptureCode::GS1);
    EXPECT_EQ(mod4.t_action, "MODIFY");
    EXPECT_EQ(mod4.t_trg_adm_ref_id, "T-1");
    EXPECT_EQ(mod4.t_trg_freq_assgn, "");
    EXPECT_EQ(mod4.trg_long, Coordinate{});
    EXPECT_EQ(mod4.t_prov, "");

    NoticeRecord mod5 = Capture(filled("Opt_Art5", "OptInt_Mod"), CaptureCode::GT1);
    EXPECT_EQ(mod5.t_trg_adm_ref_id, "T-1");
    EXPECT_EQ(mod5.t_trg_freq_assgn, "178.352");
    EXPECT_EQ(mod5.trg_long, (Coordinate{"007", "E", "01", ""}));
    EXPECT_EQ(mod5.trg_lat, (Coordinate{"46", "N", "30", "05"}));
}

TEST(CaptureTest, NoArticleStoresNoFragment) {
    FakeForm f;
    f.Check("OptInt_Mod").Set("Txt_TrgAdmRefID", "T-1");
    NoticeRecord r = Capture(f, CaptureCode::GS1);
    EXPECT_EQ(r.t_fragment, "");
    EXPECT_EQ(r.t_trg_adm_ref_id, "");
}

TEST(CaptureTest, AttenuationFollowsDirectivityAndPolarization) {
    struct Case {
        const char *dir, *pol;
        bool h, v;
    } cases[] = {
        {"D", "H", true, false}, {"D", "V", false, true},   {"D", "M", true, true},  {"D", "U", true, true},
        {"D", "", false, false}, {"ND", "M", false, false}, {"", "M", false, false}, {"d", "M", false, false},
    };
    for (const auto &c : cases) {
        FakeForm f = Assignment();
        f.Set("Combo_9_AntDir", c.dir).Set("Combo_9D_Polariz", c.pol);
        f.Set("Txt_9EC_azm000", "150").Set("Txt_9EC_azm350", "-20");
        f.Set("Txt_9NHAzm010", "3").Set("Txt_9NVAzm350", "12");
        NoticeRecord r = Capture(f, CaptureCode::GS1);
        SCOPED_TRACE(std::string(c.dir) + "/" + c.pol);
        EXPECT_EQ(r.eff_hgt.entries[0], (AntennaEntry{true, "0", "150"}));
        EXPECT_EQ(r.eff_hgt.entries[35], (AntennaEntry{true, "350", "-20"}));
        EXPECT_FALSE(r.eff_hgt.entries[1].given);
        EXPECT_EQ(r.attn_h.AnyGiven(), c.h);
        EXPECT_EQ(r.attn_v.AnyGiven(), c.v);
        if (c.h) {
            EXPECT_EQ(r.attn_h.entries[1], (AntennaEntry{true, "10", "3"}));
        }
    }
}

TEST(CaptureTest, HiddenControlsAreSkippedWhereVisibilityCounts) {
    FakeForm f = Assignment("Opt_Art5");
    f.Set("Txt_8BH_Erp_H", "30").Set("Txt_8BV_Erp_V", "31").Hide("Txt_8BV_Erp_V");
    f.Set("Txt_12A_OpAgcy", "12").Set("Txt_12B_AddrCde", "A").Hide("Txt_12B_AddrCde");
    f.Set("Txt_10B_Ophhfr", "0000").Set("Txt_10B_Ophhto", "2400");
    f.Set("Combo_RRC04_RefPlan", "RPC4").Hide("Combo_RRC04_RefPlan");
    f.Set("Combo_GE06_PubReq", "TRUE").Hide("Combo_GE06_PubReq");
    // Copied whether visible or not.
    f.Set("Txt_RRC04_SfnID", "SFN1").Hide("Txt_RRC04_SfnID");
    NoticeRecord r = Capture(f, CaptureCode::GS1);
    EXPECT_EQ(r.t_erp_h_dbw, "30");
    EXPECT_EQ(r.t_erp_v_dbw, "");
    EXPECT_EQ(r.t_op_agcy, "012");
    EXPECT_EQ(r.t_addr_code, "");
    EXPECT_TRUE(r.op_hours_given);
    EXPECT_EQ(r.t_op_hh_to, "2400");
    EXPECT_EQ(r.planning.t_ref_plan_cfg, "");
    EXPECT_EQ(r.t_is_pub_req, "");
    EXPECT_EQ(r.planning.t_sfn_id, "SFN1");
    EXPECT_TRUE(r.planning.present);
}

TEST(CaptureTest, FlagsRiseOnlyWithAStoredValue) {
    NoticeRecord empty = Capture(Assignment(), CaptureCode::GT1);
    EXPECT_FALSE(empty.planning.present);
    EXPECT_FALSE(empty.op_hours_given);
    EXPECT_FALSE(empty.coord.present);

    struct Case {
        const char *control;
        bool NoticeRecord::*top;
    } cases[] = {{"Txt_EmailAddr", nullptr},
                 {"Txt_RRC04_AdmAllotID", nullptr},
                 {"Txt_GE06_assoc_allot_sfnID", nullptr},
                 {"Combo_RRC04_SpectMask", nullptr},
                 {"Combo_RRC04_RxMode", nullptr},
                 {"Txt_10B_Ophhfr", &NoticeRecord::op_hours_given}};
    for (const auto &c : cases) {
        FakeForm f = Assignment();
        f.Set(c.control, "X");
        NoticeRecord r = Capture(f, CaptureCode::GT1);
        EXPECT_TRUE(c.top ? r.*c.top : r.planning.present) << c.control;
    }
}

TEST(CaptureTest, InternalRemarksNeedLabelAndBoxVisible) {
    for (const char *hidden : {"", "Lbl_int_rmk", "txt_int_rmk"}) {
        FakeForm f = Assignment();
        f.Set("txt_int_rmk", "TB3 please");
        if (*hidden)
            f.Hide(hidden);
        for (CaptureCode code : {CaptureCode::GS1, CaptureCode::TB2, CaptureCode::TB3, CaptureCode::TB5}) {
            NoticeRecord r = Capture(f, code);
            EXPECT_EQ(r.t_int_remarks, *hidden ? "" : "TB3 please") << hidden;
        }
    }
}

TEST(CaptureTest, CoordinationListKeepsOrderAndOneSpareEntry) {
    FakeForm f = Assignment();
    f.Items("ListAdmSel", {"F", "ALB", "G"});
    NoticeRecord r = Capture(f, CaptureCode::GS2);
    EXPECT_TRUE(r.coord.present);
    EXPECT_EQ(r.coord.count, 3);
    ASSERT_EQ(r.coord.entries.size(), 4u);
    EXPECT_EQ(r.coord.entries[1], (CoordinationEntry{"ALB", ""}));
    EXPECT_EQ(r.coord.entries[3], CoordinationEntry{});
}

TEST(CaptureTest, CommonAndStationFieldsLandInTheirKeys) {
    const struct {
        const char *control, *text;
        std::string NoticeRecord::*key;
    } fields[] = {
        {"Combo_B_Adm", "SUI", &NoticeRecord::t_adm},
        {"Combo_4B_Ctry", "AUT", &NoticeRecord::t_ctry},
        {"Txt_GE06_Offset", "-250", &NoticeRecord::t_offset},
        {"Txt_AdmRefID", "ID-1", &NoticeRecord::t_adm_ref_id},
        {"Combo_9D_Polariz", "V", &NoticeRecord::t_polar},
        {"Txt_notified_Rmks", "r", &NoticeRecord::t_remarks},
        {"Combo_GE06_Plan", "2", &NoticeRecord::t_plan_entry},
        {"Txt_4A_SiteName", "BERN", &NoticeRecord::t_site_name},
        {"Txt_9E_AntHgt", "120", &NoticeRecord::t_hgt_agl},
        {"Txt_9EB_Eff_hgtmax", "300", &NoticeRecord::t_eff_hgtmax},
        {"Combo_9_AntDir", "ND", &NoticeRecord::t_ant_dir},
        {"Txt_9EA_SiteAlt", "560", &NoticeRecord::t_site_alt},
        {"Combo_GE06_assgnCde", "L", &NoticeRecord::t_assgn_code},
        {"Combo_GE06_FreqAssgn", "176.64", &NoticeRecord::t_freq_assgn},
    };
    FakeForm f = Assignment();
    for (const auto &c : fields)
        f.Set(c.control, c.text);
    f.Set("Txt_GE06_freqAssgn", "500").Set("Combo_RRC04_Sys_Var", "A1");
    NoticeRecord gs1 = Capture(f, CaptureCode::GS1);
    for (const auto &c : fields)
        EXPECT_EQ(gs1.*c.key, c.text) << c.control;
    EXPECT_EQ(gs1.t_sys_var, "");
    NoticeRecord gt1 = Capture(f, CaptureCode::GT1);
    EXPECT_EQ(gt1.t_freq_assgn, "500");
    EXPECT_EQ(gt1.t_sys_var, "A1");
}

TEST(CaptureTest, AllotmentFillsContourSlotsAndGroup) {
    FakeForm f = Assignment("Opt_Art4", "OptInt_Mod");
    f.Set("Txt_TrgAdmRefID", "AL-0").Set("Txt_RRC04_allot_name", "NORTH").Set("Combo_RRC04_geo_area", "F");
    f.Set("Txt_RRC04_nb_sub_areas", "2")
        .Set("Combo_GE06_FreqAssgn", "176.64")
        .Set("Txt_GE06_freqAssgn", "474");
    f.Set("Combo_RRC04_TypRefNetwk", "RN1").Set("Txt_9EC_azm000", "150");
    f.Items("ListBoxContourID", {"101", "102"});
    NoticeRecord gs2 = Capture(f, CaptureCode::GS2);
    EXPECT_EQ(gs2.t_trg_adm_ref_id, "AL-0");
    EXPECT_EQ(gs2.t_freq_assgn, "176.64");
    EXPECT_EQ(gs2.planning.allotment.t_typ_ref_netwk, "");
    EXPECT_EQ(gs2.planning.allotment.t_contour_id[1], "102");
    EXPECT_EQ(gs2.planning.allotment.t_contour_id[2], "");
    EXPECT_TRUE(gs2.planning.allotment.present);
    EXPECT_FALSE(gs2.eff_hgt.AnyGiven());
    NoticeRecord gt2 = Capture(f, CaptureCode::GT2);
    EXPECT_EQ(gt2.t_freq_assgn, "474");
    EXPECT_EQ(gt2.planning.allotment.t_typ_ref_netwk, "RN1");
}

TEST(CaptureTest, AdministrativeNotices) {
    FakeForm f;
    f.Set("Txt_TrgAdmRefID", "T-9")
        .Set("Combo_B_Adm", "F")
        .Set("Txt_EmailAddr", "a@b.c")
        .Set("Txt_notified_Rmks", "r");
    f.Check("OptInt_Supp").Items("ListAdmSel", {"G"});
    NoticeRecord tb5 = Capture(f, CaptureCode::TB5);
    EXPECT_EQ(tb5.t_notice_type, "TB5");
    EXPECT_EQ(tb5.t_action, "SUPPRESS");
    EXPECT_EQ(tb5.t_fragment, "NTFD_RR");
    EXPECT_EQ(tb5.t_trg_adm_ref_id, "T-9");
    EXPECT_EQ(tb5.planning.email_addr, "a@b.c");
    EXPECT_TRUE(tb5.planning.present);
    EXPECT_FALSE(tb5.coord.present);
    f.Check("OptInt_WDraw").Check("Opt_Art4");
    EXPECT_EQ(Capture(f, CaptureCode::TB5).t_action, "WITHDRAW");
    EXPECT_EQ(Capture(f, CaptureCode::TB5).t_fragment, "GE06D");

    NoticeRecord tb3 = Capture(f, CaptureCode::TB3);
    EXPECT_EQ(tb3.t_action, "PARTB");
    EXPECT_EQ(tb3.t_plan, "GE06D");
    EXPECT_EQ(tb3.t_remarks, "r");
    EXPECT_EQ(tb3.coord.count, 1);
}

TEST(CaptureTest, TB2TakesTheTargetFromTheSiteBoxes) {
    FakeForm f;
    f.Set("Combo_B_Adm", "F").Set("Txt_PlanAdmRefID", "P-1").Set("Txt_TrgFreq", "178.352");
    f.Set("Txt_4C_Deg_Long", "5").Set("Txt_4C_EW", "E").Set("Txt_4C_Min_Long", "3");
    f.Set("Txt_4C_Deg_Lat", "4").Set("Txt_4C_NS", "N").Set("Txt_4C_Min_Lat", "10").Hide("Txt_4C_Sec_Lat");
    f.Set("Txt_4C_Sec_Lat", "9").Set("Txt_12A_OpAgcy", "7").Set("Txt_10B_Ophhfr", "0800");
    f.Set("Txt_TrgAdmRefID", "T-1").Hide("Txt_TrgAdmRefID");
    f.Set("Txt_InUse_YY", "2010").Set("Txt_InUse_MM", "1").Set("Txt_InUse_DD", "2");
    NoticeRecord r = Capture(f, CaptureCode::TB2);
    EXPECT_EQ(r.t_action, "CONFORM");
    EXPECT_EQ(r.t_plan, "GE06D");
    EXPECT_EQ(r.t_plan_adm_ref_id, "P-1");
    EXPECT_EQ(r.t_trg_adm_ref_id, "");
    EXPECT_EQ(r.t_trg_freq_assgn, "178.352");
    EXPECT_EQ(r.trg_long, (Coordinate{"05", "E", "03", ""}));
    EXPECT_EQ(r.trg_lat, (Coordinate{"04", "N", "10", ""}));
    EXPECT_EQ(r.site_long, Coordinate{});
    EXPECT_EQ(r.t_op_agcy, "007");
    EXPECT_TRUE(r.op_hours_given);
    EXPECT_EQ(r.t_d_inuse, "2010-1-2");
}

TEST(CaptureTest, SubAreaTakesPointsFromTheCoordinateList) {
    FakeForm f;
    f.Set("Txt_RRC04_nb_test_pts", "3").Set("Txt_RRC04_contour_id", "7").Set("Combo_4B_Ctry", "F");
    f.Check("OptInt_Suppress").Set("Txt_notified_Rmks", "r").Set("txt_int_rmk", "ignored");
    f.Items("ListBox_RRC04_Coordinates", {"+0070102 +463000", "-0010000 -0112", "+001"});
    NoticeRecord r;
    CaptureSubAreaNotice(f, r, kStamp);
    EXPECT_EQ(r.t_notice_type, "GA1");
    EXPECT_EQ(r.t_action, "SUPPRESS");
    EXPECT_EQ(r.t_int_remarks, "");
    EXPECT_TRUE(r.sub_area.present);
    EXPECT_EQ(r.sub_area.captured_on, "2009-05-08");
    ASSERT_EQ(r.sub_area.test_points.size(), 4u);
    EXPECT_EQ(r.sub_area.test_points[0], (TestPoint{true, "+0070102", "+463000"}));
    EXPECT_EQ(r.sub_area.test_points[1], (TestPoint{true, "-0010000", "-0112"}));
    EXPECT_EQ(r.sub_area.test_points[2], (TestPoint{true, "+001", ""}));
    EXPECT_FALSE(r.sub_area.test_points[3].given);

    FakeForm none;
    NoticeRecord empty;
    CaptureSubAreaNotice(none, empty, kStamp);
    EXPECT_EQ(empty.sub_area.test_points.size(), 1u);
    EXPECT_FALSE(empty.sub_area.present);
}

} // namespace
} // namespace ondrell
