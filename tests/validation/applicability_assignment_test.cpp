// What an assignment (GS1, GT1) must and must not carry, by action, article and polarisation.

#include "validation_test_support.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using namespace testing_support;

const std::string kHgtIncomplete =
    " :  (9EC) <ANT_HGT> : All 36 values of the effective antenna height must be provided\r\n";
const std::string kAttnHIncomplete = " :  (9NH) <ANT_DIAGR_H> : All 36 values of e.r.p reduction of "
                                     "horizontally-polarized component must be provided\r\n";
const std::string kAttnVIncomplete = " :  (9NV) <ANT_DIAGR_V> : All 36 values of e.r.p reduction of "
                                     "vertically-polarized component must be provided\r\n";

void Directional(NoticeRecord &r, const char *polar) {
    r.t_polar = polar;
    r.t_ant_dir = "D";
}

INSTANTIATE_TEST_SUITE_P(
    Target, MandatoryRule,
    ::testing::Values(
        RuleCase{"Article4ModifyWithoutTarget",
                 CleanGs1,
                 [](auto &r) { r.t_action = "MODIFY"; },
                 {" :  t_trg_adm_ref_id must be same as t_adm_ref_id for fragment GE06D",
                  " : t_trg_adm_ref_id is a mandatory value"}},
        RuleCase{"Article5ModifyWithFrequencyOnly",
                 CleanGt1Article5,
                 [](auto &r) {
                     r.t_action = "MODIFY";
                     r.t_trg_freq_assgn = "474";
                 },
                 {" :  Either t_trg_adm_ref_id Or t_trg_freq, t_trg_long and t_trg_lat must be provided"}},
        RuleCase{"Article5ModifyByCharacteristics",
                 CleanGt1Article5,
                 [](auto &r) {
                     r.t_action = "MODIFY";
                     r.t_trg_freq_assgn = "474";
                     r.trg_long = {"002", "", "20", ""};
                     r.trg_lat = {"48", "", "51", ""};
                 },
                 {}},
        RuleCase{
            "Article5ModifyByBoth",
            CleanGt1Article5,
            [](auto &r) {
                r.t_action = "MODIFY";
                r.t_trg_adm_ref_id = "T1";
                r.trg_lat.min = "51";
            },
            {" :  Either t_trg_adm_ref_id or t_trg_freq and t_trg_long and t_trg_lat must be provided, but "
             "not both"}},
        RuleCase{"AddNamesNoTarget",
                 CleanGs1,
                 [](auto &r) {
                     r.t_action = "add";
                     r.t_trg_adm_ref_id = "T1";
                 },
                 {" : t_trg_adm_ref_id should not be notified for a add; t_adm_ref_id is used as the "
                  "identifier of the target"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Site, MandatoryRule,
    ::testing::Values(
        RuleCase{"EverySiteItemMissing",
                 CleanGs1,
                 [](auto &r) {
                     r.t_adm_ref_id.clear();
                     r.t_site_name.clear();
                     r.site_long.min.clear();
                     r.site_lat.hemi.clear();
                     r.t_site_alt.clear();
                     r.t_polar.clear();
                     r.t_hgt_agl.clear();
                     r.t_ant_dir.clear();
                     r.t_eff_hgtmax.clear();
                     r.planning.t_spect_mask.clear();
                     r.eff_hgt.entries[35].value.clear();
                     r.t_freq_assgn.clear();
                 },
                 {" :  t_adm_ref_id is a mandatory value", " :  t_sitename is a mandatory value (4A)",
                  " :  t_long is a mandatory value (4C)", " :  t_lat is a mandatory value (4C)",
                  " :  t_site_alt is a mandatory value (9EA)", " :  t_polar is a mandatory value (9D)",
                  " :  t_hgt_agl is a mandatory value (9E)", " :  t_ant_dir is a mandatory value (9)",
                  " :  t_eff_hgtmax is a mandatory value (9EB)", " :  t_spect_mask is a mandatory value",
                  kHgtIncomplete, " :  t_freq_assgn is a mandatory value (1A)"}},
        RuleCase{"SecondsMayBeEmpty",
                 CleanGs1,
                 [](auto &r) {
                     r.site_long.sec.clear();
                     r.site_lat.sec.clear();
                 },
                 {}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Polarisation, MandatoryRule,
    ::testing::Values(
        RuleCase{"VerticalWithHorizontalPowerOnly",
                 CleanGt1,
                 [](auto &r) { r.t_polar = "V"; },
                 {" :  t_erp_h_dbw should not be notified when polarization is V (8BH)"}},
        RuleCase{"VerticalWithoutPower",
                 CleanGt1,
                 [](auto &r) {
                     r.t_polar = "V";
                     r.t_erp_h_dbw.clear();
                 },
                 {" :  t_erp_v_dbw is a mandatory value (8BV)"}},
        RuleCase{"HorizontalWithVerticalPower",
                 CleanGt1,
                 [](auto &r) { r.t_erp_v_dbw = "30"; },
                 {" :  t_erp_v_dbw should not be notified when polarization is H (8BV)"}},
        RuleCase{"HorizontalWithoutPower",
                 CleanGt1,
                 [](auto &r) { r.t_erp_h_dbw.clear(); },
                 {" :  t_erp_h_dbw is a mandatory value (8BH)"}},
        RuleCase{"MixedDirectionalWithoutPatterns",
                 CleanGt1,
                 [](auto &r) {
                     Directional(r, "M");
                     r.t_erp_h_dbw.clear();
                 },
                 {" :  t_erp_v_dbw is a mandatory value (8BV)", " :  t_erp_h_dbw is a mandatory value (8BH)",
                  kAttnHIncomplete, kAttnVIncomplete}},
        RuleCase{"VerticalDirectionalCarryingHorizontalPattern",
                 CleanGt1,
                 [](auto &r) {
                     Directional(r, "V");
                     std::swap(r.t_erp_h_dbw, r.t_erp_v_dbw);
                     FillPattern(r.attn_v, "0");
                     r.attn_h.entries[4].value = "3";
                 },
                 {" :  (9NH) <ANT_DIAGR_H> : should not be notified if the polarization isV"}},
        RuleCase{
            "HorizontalDirectionalCarryingVerticalPattern",
            CleanGt1,
            [](auto &r) {
                Directional(r, "H");
                r.attn_h.entries[0].value = "0";
                r.attn_v.entries[0].value = "0";
            },
            {kAttnHIncomplete, " :  (9NV) <ANT_DIAGR_V> : should not be notified if the polarization is H"}},
        RuleCase{"NonDirectionalWithBothPatterns",
                 CleanGt1,
                 [](auto &r) {
                     FillPattern(r.attn_h, "0");
                     FillPattern(r.attn_v, "0");
                 },
                 {" :  (9NV) <ANT_DIAGR_V> : should not be notified if the polarization is H and the antenna "
                  "is ND"}},
        // The one line with no " : " after the label.
        RuleCase{
            "NonDirectionalWithHorizontalPattern",
            CleanGt1,
            [](auto &r) { r.attn_h.entries[9].value = "0"; },
            {" (9NH) <ANT_DIAGR_H> : should not be notified if the polarization isH and the antenna is ND"}},
        RuleCase{"PolarisationComparesExactly",
                 CleanGt1,
                 [](auto &r) {
                     r.t_polar = "v";
                     r.t_ant_dir = "d";
                 },
                 {}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    PlanEntry, MandatoryRule,
    ::testing::Values(
        RuleCase{"CodesMissing",
                 CleanGs1,
                 [](auto &r) {
                     r.t_plan_entry.clear();
                     r.t_assgn_code.clear();
                     r.planning.t_associated_allot_sfn_id = "S1"; // tested only when both are given
                 },
                 {" :  t_plan_entry is a mandatory value", " :  t_assgn_code is a mandatory value"}},
        RuleCase{"BrokenRulesInOneFinding",
                 CleanGs1,
                 [](auto &r) {
                     r.t_assgn_code = "L";
                     r.planning.t_sfn_id = "S1";
                 },
                 {" : For t_plan_entry = 1, t_assgn_code must be 'S' \r\nFor t_plan_entry = 1, t_sfn_id must "
                  "NOT be provided\r\n"}},
        RuleCase{"SingleStationWithAllotmentNetwork",
                 CleanGs1,
                 [](auto &r) {
                     r.t_assgn_code = "s";
                     r.planning.t_associated_allot_sfn_id = "S1";
                 },
                 {" : if t_assgn_code = S then t_associated_allot_sfn_id must not be provided"}},
        RuleCase{"NetworkIdentifiersCompareExactly",
                 CleanGs1,
                 [](auto &r) {
                     r.t_plan_entry = "3";
                     r.t_assgn_code = "C";
                     r.planning.t_sfn_id = "SFN1";
                     r.planning.t_associated_adm_allot_id = "AL1";
                     r.planning.t_associated_allot_sfn_id = "sfn1";
                 },
                 {" : t_associated_allot_sfn_id must be equal to t_sfn_id"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Article, MandatoryRule,
    ::testing::Values(
        RuleCase{"Article4WithoutPublicationRequest",
                 CleanGs1,
                 [](auto &r) { r.t_is_pub_req.clear(); },
                 {" :  t_is_pub_req is a mandatory value if notified under Art 4"}},
        RuleCase{
            "Article5EveryItemMissing",
            CleanGt1Article5,
            [](auto &r) {
                r.t_d_inuse.clear();
                r.t_addr_code.clear();
                r.t_op_hh_fr.clear();
                r.t_op_hh_to.clear();
                r.t_remark_conds_met.clear();
                r.t_is_resub.clear();
                r.t_signed_commitment.clear();
                r.t_plan_adm_ref_id.clear();
                r.t_prov.clear();
            },
            {" :  t_d_inuse is a mandatory value if notified under Art 5 (2C)",
             " :  t_addr_code is a mandatory value if notified under Art 5 (12B)",
             " :  t_op_hh_fr is a mandatory value if notified under Art 5 (10B)",
             " :  t_op_hh_to is a mandatory value if notified under Art 5 (10B)",
             " :  t_remark_conds_met is a mandatory value if notified under Art 5",
             " :  t_is_resub is a mandatory value if notified under Art 5",
             " :  t_signed_commitment is a mandatory value if notified under Art 5",
             " :  t_plan_adm_ref_id is a mandatory value if notified under Art 5",
             " :  t_prov is a mandatory value if notified under Art 5\r\n(The value will be automatically "
             "generated if validated through Mendra and saved back to text file)"}},
        RuleCase{"Article4CarryingArticle5Items",
                 CleanGs1,
                 [](auto &r) {
                     r.t_op_agcy = "007";
                     r.t_addr_code = "A12";
                     r.t_op_hh_fr = "0000";
                     r.t_op_hh_to = "2400";
                     r.t_remark_conds_met = "Y";
                     r.t_is_resub = "N";
                     r.t_signed_commitment = "Y";
                 },
                 {" : t_op_agcy should not be notified under Art 4",
                  " : t_addr_code should not be notified under Art 4",
                  " : t_op_hh_fr should not be notified under Art 4",
                  " : t_op_hh_to should not be notified under Art 4",
                  " : t_remarks_conds_met should not be notified under Art 4",
                  " : t_is_resub should not be notified under Art 4",
                  " : t_signed_commitment should not be notified under Art 4"}},
        RuleCase{"Article5CarryingPublicationRequest",
                 CleanGt1Article5,
                 [](auto &r) { r.t_is_pub_req = "Y"; },
                 {" : t_is_pub_req should not be notified under Art 5"}},
        RuleCase{"TdabWithoutConfiguration",
                 CleanGs1,
                 [](auto &r) { r.planning.t_ref_plan_cfg.clear(); },
                 {" :  t_ref_plan_cfg is mandatory"}},
        // The not-carried items come after the article's items, and before the Article 4 list.
        RuleCase{"OrderOfTheLastSteps",
                 CleanGs1,
                 [](auto &r) {
                     r.planning.t_ref_plan_cfg.clear();
                     r.t_sys_var = "A1";
                     r.t_is_resub = "N";
                 },
                 {" :  t_ref_plan_cfg is mandatory", " : t_sys_var should not be notified for a GS1",
                  " : t_is_resub should not be notified under Art 4"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    DvbtSystem, MandatoryRule,
    ::testing::Values(
        RuleCase{"TiltPowerWithoutAngle",
                 CleanGt1,
                 [](auto &r) { r.t_erp_beam_tilt_dbw = "40"; },
                 {" : if t_erp_beam_tilt_dbw is provided then t_beam_tilt_angle must be provided"}},
        RuleCase{"TiltAngleWithoutPower",
                 CleanGt1,
                 [](auto &r) { r.t_beam_tilt_angle = "5"; },
                 {" : if t_beam_tilt_angle is provided then t_erp_beam_tilt_dbw must be provided"}},
        RuleCase{"Article4WithoutSystem",
                 CleanGt1,
                 [](auto &r) { r.planning.t_ref_plan_cfg.clear(); },
                 {" :  Either {t_sys_var, t_rx_mode} or {t_ref_plan_cfg} must be provided if notifed under "
                  "Art 4"}},
        RuleCase{"Article4WithVariantOnly",
                 CleanGt1,
                 [](auto &r) {
                     r.planning.t_ref_plan_cfg.clear();
                     r.t_sys_var = "A1";
                 },
                 {" : {t_sys_var, t_rx_mode} must be provided"}},
        RuleCase{"Article4WithConfigurationAndVariant",
                 CleanGt1,
                 [](auto &r) { r.t_sys_var = "A1"; },
                 {" :  If t_ref_plan_cfg is provided then {t_sys_var, t_rx_mode} must NOT be provided if "
                  "notifed under Art 4"}},
        RuleCase{"Article5WithConfiguration",
                 CleanGt1Article5,
                 [](auto &r) { r.planning.t_ref_plan_cfg = "RPC1"; },
                 {" : t_ref_plan_cfg must not be provided if notified under Art 5, however {t_sys_var, "
                  "t_rx_mode} must be provided"}},
        RuleCase{"Article5WithoutMode",
                 CleanGt1Article5,
                 [](auto &r) {
                     r.planning.t_ref_plan_cfg = "RPC1";
                     r.planning.t_rx_mode.clear();
                 },
                 {" : t_ref_plan_cfg must not be provided if notified under Art 5, however {t_sys_var, "
                  "t_rx_mode} must be provided",
                  " : {t_sys_var, t_rx_mode} must be provided"}}),
    CaseName);

TEST(MandatoryLabel, BareLabelLineKeepsTheLabel) {
    NoticeRecord r = CleanGt1();
    r.attn_h.entries[9].value = "0";
    std::string errors;
    EXPECT_FALSE(ValidateNoticeMandatory(r, errors, "N2"));
    EXPECT_EQ(errors,
              "FATAL ERROR : \r\nN2 (9NH) <ANT_DIAGR_H> : should not be notified if the polarization isH and "
              "the antenna is ND\r\n");
}

} // namespace
} // namespace ondrell
