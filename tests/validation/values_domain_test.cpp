// Value-domain rules of ValidateNoticeValues, one table per rule family. Each case states the
// whole error text the notice draws.

#include "validation/validate.h"
#include "validation_test_support.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using namespace testing_support;

struct DomainCase {
    std::string name;
    NoticeRecord record;
    std::string errors; // the whole expected error text
    bool ok;
};

void PrintTo(const DomainCase &c, std::ostream *os) {
    *os << c.name;
}

class ValueDomain : public ::testing::TestWithParam<DomainCase> {};

TEST_P(ValueDomain, ReportsExactlyTheseFindings) {
    const auto &c = GetParam();
    const ValuesResult result = RunValues(c.record);
    EXPECT_EQ(result.errors, c.errors);
    EXPECT_EQ(result.ok, c.ok);
}

std::string DomainName(const ::testing::TestParamInfo<DomainCase> &info) {
    return info.param.name;
}

const std::string kAssignmentFragment =
    FatalLine(" :  t_fragment : Acceptable value for assignments are {GE06D, NTFD_RR}");
const std::string kPlanOnlyGE06D = FatalLine(" :  t_plan : Acceptable value for assignments are {GE06D}");
const std::string kRefPlanCfg =
    FatalLine(" :  t_ref_plan_cfg : Acceptable values are : for DVB-T : {RPC1, RPC2, "
              "RPC3} and for T_DAB : {RPC4, RPC5}");
const std::string kTestPointCount = FatalLine(" : Value must be between [3-99]");

// A notice of the type with one item set.
NoticeRecord With(std::string_view type, std::string NoticeRecord::*item, std::string value) {
    return Notice(type, [&](NoticeRecord &r) { r.*item = std::move(value); });
}

// A GA1 notice that passes its own count rule, so other findings stand alone.
NoticeRecord SubArea(const Setup &setup) {
    return Notice("GA1", [&](NoticeRecord &r) {
        r.sub_area.t_nb_test_pts = "3";
        setup(r);
    });
}

INSTANTIATE_TEST_SUITE_P(
    AdministrativeNotices, ValueDomain,
    ::testing::Values(
        DomainCase{"Tb5ForeignFragment", With("TB5", &NoticeRecord::t_fragment, "GE06A"), kAssignmentFragment,
                   false},
        DomainCase{"Tb5FragmentAnyCase", With("TB5", &NoticeRecord::t_fragment, "ntfd_rr"), "", true},
        DomainCase{"Tb3PlanThenAction",
                   Notice("TB3",
                          [](auto &r) {
                              r.t_plan = "RRC04";
                              r.t_action = "ADD";
                          }),
                   kPlanOnlyGE06D + FatalLine(" :  t_action : Acceptable values are {PARTB}"), false},
        DomainCase{"Tb3LowerCaseCodesPass",
                   Notice("TB3",
                          [](auto &r) {
                              r.t_plan = "ge06d";
                              r.t_action = "partb";
                          }),
                   "", true},
        DomainCase{"Tb2PlanThenAction",
                   Notice("TB2",
                          [](auto &r) {
                              r.t_plan = "X";
                              r.t_action = "PARTB";
                          }),
                   kPlanOnlyGE06D + FatalLine(" :  t_action : Acceptable values are {CONFORM}"), false},
        DomainCase{"Gs1DoesNotRunTb2Rules", With("GS1", &NoticeRecord::t_plan, "X"), "", true}),
    DomainName);

INSTANTIATE_TEST_SUITE_P(
    Assignments, ValueDomain,
    ::testing::Values(
        DomainCase{"ForeignFragment", With("GT1", &NoticeRecord::t_fragment, "GE06L"), kAssignmentFragment,
                   false},
        DomainCase{"ErpAtBoundPasses", With("GS1", &NoticeRecord::t_erp_h_dbw, "53"), "", true},
        DomainCase{"ErpHAboveBound", With("GS1", &NoticeRecord::t_erp_h_dbw, "53.01"),
                   FatalLine(" :  t_erp_h_dbw : Value should be <= 53.0 (8BH)"), false},
        DomainCase{"ErpWithoutLeadingNumberReadsZero", With("GS1", &NoticeRecord::t_erp_h_dbw, "x60"), "",
                   true},
        DomainCase{"ErpVAboveBound", With("GT1", &NoticeRecord::t_erp_v_dbw, "60"),
                   FatalLine(" :  t_erp_v_dbw : Value should be <= 53.0 (8BV)"), false},
        DomainCase{"NoLowerBoundOnErp", With("GS1", &NoticeRecord::t_erp_v_dbw, "-100"), "", true},
        DomainCase{"PolarisationU", With("GS1", &NoticeRecord::t_polar, "u"),
                   FatalLine(" :  t_polar : For assignments acceptable values are {V, H, M} (9D)"), false},
        DomainCase{"CallSignIsOnlyAWarning", With("GS1", &NoticeRecord::t_call_sign, "ABC"),
                   WarningLine(" : t_call_sign (3A1) provided but NOT validated."), true},
        DomainCase{"BeamTiltErpAboveBound", With("GT1", &NoticeRecord::t_erp_beam_tilt_dbw, "53.5"),
                   FatalLine(" :  t_erp_beam_tilt_dbw : Value should be <= 53.0"), false},
        DomainCase{"BeamTiltErpEqualToHorizontal",
                   Notice("GT1",
                          [](auto &r) {
                              r.t_erp_beam_tilt_dbw = "40";
                              r.t_erp_h_dbw = "40";
                          }),
                   FatalLine(" :  t_erp_beam_tilt_dbw must be greater than t_erp_h_dbw"), false},
        DomainCase{"BeamTiltErpAboveHorizontal",
                   Notice("GT1",
                          [](auto &r) {
                              r.t_erp_beam_tilt_dbw = "40";
                              r.t_erp_h_dbw = "39.9";
                          }),
                   "", true},
        DomainCase{"BeamTiltErpBelowVertical",
                   Notice("GT1",
                          [](auto &r) {
                              r.t_erp_beam_tilt_dbw = "40";
                              r.t_erp_v_dbw = "41";
                          }),
                   FatalLine(" :  t_erp_beam_tilt_dbw must be greater than t_erp_v_dbw"), false},
        DomainCase{"BeamTiltNotTestedOnTdab",
                   Notice("GS1",
                          [](auto &r) {
                              r.t_erp_beam_tilt_dbw = "60";
                              r.t_beam_tilt_angle = "-30.5";
                          }),
                   "", true},
        DomainCase{"BeamTiltAngleBounds", With("GT1", &NoticeRecord::t_beam_tilt_angle, "30"), "", true},
        DomainCase{"BeamTiltAngleOutside", With("GT1", &NoticeRecord::t_beam_tilt_angle, "-30.5"),
                   FatalLine(" :  t_beam_tilt_angle : Value should be [-30.0, 30.0]"), false}),
    DomainName);

INSTANTIATE_TEST_SUITE_P(
    EveryType, ValueDomain,
    ::testing::Values(
        DomainCase{"SuppressOnAssignment", With("GS1", &NoticeRecord::t_action, "suppress"),
                   FatalLine(" :  t_action : Acceptable values are {ADD, MODIFY}"), false},
        DomainCase{"SuppressOnUnknownType", With("XX1", &NoticeRecord::t_action, "SUPPRESS"),
                   FatalLine(" :  t_action : Acceptable values are {ADD, MODIFY}"), false},
        DomainCase{"SuppressOnSubArea", SubArea([](auto &r) { r.t_action = "SUPPRESS"; }), "", true},
        DomainCase{"ModifyOnSubArea", SubArea([](auto &r) { r.t_action = "MODIFY"; }),
                   FatalLine(" :  t_action : Acceptable values are {ADD, SUPPRESS}"), false},
        DomainCase{"HeightAboveGroundBounds", With("TB5", &NoticeRecord::t_hgt_agl, "800"), "", true},
        DomainCase{"HeightAboveGroundNegative", With("GS2", &NoticeRecord::t_hgt_agl, "-1"),
                   FatalLine(" :  t_hgt_agl : Value should be between [0, 800] (9E)"), false},
        DomainCase{"SiteAltitudeOutside", With("GT1", &NoticeRecord::t_site_alt, "8851"),
                   FatalLine(" :  t_site_alt : Value should be an integer between [-1000, 8850] (9EA)"),
                   false},
        DomainCase{"SiteAltitudeLowestPasses", With("GT1", &NoticeRecord::t_site_alt, "-1000"), "", true},
        DomainCase{"MaxEffectiveHeightOutside", With("GS2", &NoticeRecord::t_eff_hgtmax, "-3001"),
                   FatalLine(" : t_eff_hgtmax  : Value should be an integer between [-3000, 3000] (9EB)"),
                   false},
        DomainCase{"DvbtMaskForeign", Notice("GT2", [](auto &r) { r.planning.t_spect_mask = "1"; }),
                   FatalLine(" :  t_spect_mask : Acceptable values are : for DVB-T : {N, S} "), false},
        DomainCase{"DvbtMaskAnyCase", Notice("GT1", [](auto &r) { r.planning.t_spect_mask = "s"; }), "",
                   true},
        DomainCase{"TdabMaskForeign", Notice("GS1", [](auto &r) { r.planning.t_spect_mask = "S"; }),
                   FatalLine(" :  t_spect_mask : Acceptable values are : for T-DAB : {1, 2, 3}"), false},
        DomainCase{"TdabMaskListed", Notice("GS2", [](auto &r) { r.planning.t_spect_mask = "3"; }), "", true},
        DomainCase{"MaskNotTestedOnOtherTypes", Notice("TB5", [](auto &r) { r.planning.t_spect_mask = "Q"; }),
                   "", true},
        DomainCase{"OffsetOutside", With("TB3", &NoticeRecord::t_offset, "500.5"),
                   FatalLine(" :  t_offset  t_offset : Value should be between [-500.0, 500.0] (1E)"), false},
        DomainCase{"OffsetLowestPasses", With("GT1", &NoticeRecord::t_offset, "-500"), "", true}),
    DomainName);

NoticeRecord AllotmentWithContours(std::string count, std::initializer_list<int> slots) {
    return Notice("GS2", [&](NoticeRecord &r) {
        r.planning.allotment.t_nb_sub_areas = count;
        for (int slot : slots)
            r.planning.allotment.t_contour_id[slot] = "C" + std::to_string(slot);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Allotments, ValueDomain,
    ::testing::Values(
        DomainCase{"Article5Fragment", With("GT2", &NoticeRecord::t_fragment, "NTFD_RR"),
                   FatalLine(" :  t_fragment : Acceptable value for allotments are {GE06D}"), false},
        DomainCase{"SubAreaCountMatchesAnySlots", AllotmentWithContours("2", {0, 7}), "", true},
        DomainCase{"SubAreaCountMismatch", AllotmentWithContours("2", {0, 3, 9}),
                   FatalLine(" :  t_nb_sub_area and the number of t_contour_id notified, do not match"),
                   false},
        DomainCase{"SubAreaCountOutsideSkipsMatching", AllotmentWithContours("10", {0}),
                   FatalLine(" :  t_nb_sub_area : Value should be between [1, 9]"), false},
        DomainCase{"SubAreaCountZero", AllotmentWithContours("0", {}),
                   FatalLine(" :  t_nb_sub_area : Value should be between [1, 9]"), false}),
    DomainName);

INSTANTIATE_TEST_SUITE_P(
    ReferenceConfiguration, ValueDomain,
    ::testing::Values(
        DomainCase{"TdabWithDvbtConfig", Notice("GS1", [](auto &r) { r.planning.t_ref_plan_cfg = "RPC1"; }),
                   kRefPlanCfg, false},
        DomainCase{"TdabConfigAnyCase", Notice("GS2", [](auto &r) { r.planning.t_ref_plan_cfg = "rpc5"; }),
                   "", true},
        DomainCase{"DvbtWithTdabConfig", Notice("GT2", [](auto &r) { r.planning.t_ref_plan_cfg = "RPC4"; }),
                   kRefPlanCfg, false},
        DomainCase{
            "ForeignReferenceNetwork",
            Notice("GT2", [](auto &r) { r.planning.allotment.t_typ_ref_netwk = "RN5"; }),
            FatalLine(" :  t_typ_ref_netwk : Acceptable values are : for DVB-T allotment : {RN1, RN2, RN3, "
                      "RN4}"),
            false},
        DomainCase{"ReferenceNetworkOnlyForGt2",
                   Notice("GT1", [](auto &r) { r.planning.allotment.t_typ_ref_netwk = "RN5"; }), "", true}),
    DomainName);

INSTANTIATE_TEST_SUITE_P(
    TestPointCount, ValueDomain,
    ::testing::Values(
        DomainCase{"Three", SubArea([](auto &) {}), "", true},
        DomainCase{"NinetyNine", SubArea([](auto &r) { r.sub_area.t_nb_test_pts = "99"; }), "", true},
        DomainCase{"Two", SubArea([](auto &r) { r.sub_area.t_nb_test_pts = "2"; }), kTestPointCount, false},
        DomainCase{"Hundred", SubArea([](auto &r) { r.sub_area.t_nb_test_pts = "100"; }), kTestPointCount,
                   false},
        DomainCase{"Missing", Notice("GA1"), kTestPointCount, false},
        DomainCase{"OnlyForSubAreas", Notice("GS2"), "", true}),
    DomainName);

// One DVB-T assignment breaking a rule of every step shows the steps' order.
TEST(ValueRuleOrder, StepsRunInTheirFixedOrder) {
    NoticeRecord r = Notice("GT1", [](NoticeRecord &r) {
        r.t_ctry = "D";
        r.t_call_sign = "X";
        r.t_eff_hgtmax = "4000";
        r.eff_hgt.entries[1].value = "4500";
        r.attn_h.entries[0].value = "41";
        r.t_action = "SUPPRESS";
        r.t_d_inuse = "2027-01-02";
        r.t_d_expiry = "2027-01-01";
        r.t_hgt_agl = "900";
        r.t_sys_var = "A12";
        r.t_offset = "600";
        r.planning.t_ref_plan_cfg = "RPC9";
        r.t_freq_assgn = "475";
    });
    const ValuesResult result = RunValues(r);
    EXPECT_EQ(
        result.errors,
        WarningLine(" : t_call_sign (3A1) provided but NOT validated.") +
            FatalLine(
                " :  t_eff_hgt@azm10 : Value should be an integer between [-3000 , t_eff_hgtmax] (9EC)") +
            FatalLine(" : <ANT_DIAGR_H> :  t_attn@azm0 : Value should be a numerical between [0.0 , 40.0]") +
            FatalLine(" :  t_action : Acceptable values are {ADD, MODIFY}") +
            FatalLine(" :  t_d_inuse =< t_d_expiry") +
            FatalLine(" :  t_hgt_agl : Value should be between [0, 800] (9E)") +
            FatalLine(" : t_eff_hgtmax  : Value should be an integer between [-3000, 3000] (9EB)") +
            FatalLine(" :  t_sys_var : Maximum number of alphanumerical characters is 2 ") +
            FatalLine(" :  t_offset  t_offset : Value should be between [-500.0, 500.0] (1E)") + kRefPlanCfg +
            FatalLine(" : t_freq_assgn : Invalid DVB-T frequency in Bands IV and V\r\n"));
    EXPECT_FALSE(result.ok);
}

TEST(ValueRuleOrder, LabelLeadsEveryMessageLine) {
    NoticeRecord r = Notice("GS1", [](NoticeRecord &r) {
        r.t_call_sign = "X";
        r.t_hgt_agl = "900";
    });
    std::string errors = "kept\r\n";
    EXPECT_FALSE(ValidateNoticeValues(r, errors, "N1"));
    EXPECT_EQ(errors, "kept\r\n" + WarningLine("N1 : t_call_sign (3A1) provided but NOT validated.") +
                          FatalLine("N1 :  t_hgt_agl : Value should be between [0, 800] (9E)"));
}

TEST(ValueRuleOrder, EmptyRecordOfEveryTypePasses) {
    for (const char *type : {"GS1", "GT1", "GS2", "GT2", "TB2", "TB3", "TB5", "", "ZZZ"}) {
        SCOPED_TRACE(type);
        const ValuesResult result = RunValues(Notice(type));
        EXPECT_EQ(result.errors, "");
        EXPECT_TRUE(result.ok);
    }
}

} // namespace
} // namespace ondrell
