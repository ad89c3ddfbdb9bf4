// Mandatory items of the administrative notices TB5, TB3 and TB2, with their applicability group.

#include "validation_test_support.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using namespace testing_support;

void SetTargetPosition(NoticeRecord &r) {
    r.trg_long = {"002", "E", "20", "00"};
    r.trg_lat = {"48", "N", "51", "00"};
}

INSTANTIATE_TEST_SUITE_P(
    Administrative, MandatoryRule,
    ::testing::Values(
        // The target-identifier text has no leading blank of its own.
        RuleCase{"Tb5TargetMissing",
                 CleanTb5,
                 [](auto &r) { r.t_trg_adm_ref_id.clear(); },
                 {" : t_trg_adm_ref_id is a mandatory value"}},
        RuleCase{"Tb3TargetAndPlanMissing",
                 CleanTb3,
                 [](auto &r) {
                     r.t_trg_adm_ref_id.clear();
                     r.t_plan.clear();
                 },
                 {" : t_trg_adm_ref_id is a mandatory value", " :  t_plan is a mandatory value"}},
        RuleCase{"Tb2ItemsMissingInOrder",
                 CleanTb2,
                 [](auto &r) {
                     r.t_plan_adm_ref_id.clear();
                     r.t_plan.clear();
                     r.t_d_inuse.clear();
                     r.t_addr_code.clear();
                 },
                 {" :  t_plan_adm_ref_id is a mandatory value", " :  t_plan is a mandatory value",
                  " :  t_d_inuse is a mandatory value (2C)", " :  t_addr_code is a mandatory value (12B)"}},
        RuleCase{
            "Tb2IdentifierAndFrequency",
            CleanTb2,
            [](auto &r) { r.t_trg_freq_assgn = "223.936"; },
            {" :  Either t_trg_adm_ref_id or t_trg_freq and t_trg_long and t_trg_lat must be provided, but "
             "not both",
             " :  t_trg_long and t_trg_lat must be provided"}},
        RuleCase{
            "Tb2IdentifierAndOneMinutesText",
            CleanTb2,
            [](auto &r) { r.trg_lat.min = "51"; },
            {" :  Either t_trg_adm_ref_id or t_trg_freq and t_trg_long and t_trg_lat must be provided, but "
             "not both",
             " :  t_freq_assgn must be provided"}},
        RuleCase{"Tb2NeitherIdentifierNorCharacteristics",
                 CleanTb2,
                 [](auto &r) { r.t_trg_adm_ref_id.clear(); },
                 {}},
        // Hemisphere letters and seconds are no part of the characteristics.
        RuleCase{"Tb2HemispheresAndSecondsAreIgnored",
                 CleanTb2,
                 [](auto &r) {
                     r.trg_long = {"", "E", "", "10"};
                     r.trg_lat = {"", "N", "", "20"};
                 },
                 {}},
        RuleCase{"Tb2ByCharacteristics",
                 CleanTb2,
                 [](auto &r) {
                     r.t_trg_adm_ref_id.clear();
                     r.t_trg_freq_assgn = "223.936";
                     SetTargetPosition(r);
                 },
                 {}},
        RuleCase{"Tb2PositionWithoutFrequency",
                 CleanTb2,
                 [](auto &r) {
                     r.t_trg_adm_ref_id.clear();
                     SetTargetPosition(r);
                 },
                 {" :  t_freq_assgn must be provided"}},
        RuleCase{"Tb2FrequencyWithPartOfPosition",
                 CleanTb2,
                 [](auto &r) {
                     r.t_trg_adm_ref_id.clear();
                     r.t_trg_freq_assgn = "223.936";
                     SetTargetPosition(r);
                     r.trg_long.min.clear();
                 },
                 {" :  t_trg_long and t_trg_lat must be provided"}},
        // Coordination lists belong to TB3 only; the items TB2 must carry are not refused there.
        RuleCase{"Tb3MayCarryCoordination", CleanTb3, [](auto &r) { r.coord.present = true; }, {}},
        RuleCase{"Tb5MayNotCarryCoordination",
                 CleanTb5,
                 [](auto &r) {
                     r.coord.entries.push_back({"G", "X"});
                 },
                 {" : <COORD> or <COORDINATION> should not be notified for a TB5"}},
        RuleCase{"Tb5MayNotCarryDateInUse",
                 CleanTb5,
                 [](auto &r) { r.t_d_inuse = "01/01/2027"; },
                 {" : t_d_inuse should not be notified for a TB5"}},
        RuleCase{"Tb2MayCarryOperatingDetails",
                 CleanTb2,
                 [](auto &r) {
                     r.t_op_agcy = "007";
                     r.t_op_hh_fr = "0000";
                     r.t_op_hh_to = "2400";
                 },
                 {}},
        RuleCase{"Tb3MayNotCarryOperatingAgency",
                 CleanTb3,
                 [](auto &r) { r.t_op_agcy = "007"; },
                 {" : t_op_agcy should not be notified for a TB3"}},
        // The applicability group runs after the type's own items.
        RuleCase{"Tb3OwnItemsBeforeApplicability",
                 CleanTb3,
                 [](auto &r) {
                     r.t_plan.clear();
                     r.t_adm_ref_id = "A1";
                 },
                 {" :  t_plan is a mandatory value", " : t_adm_ref_id should not be notified for a TB3"}}),
    CaseName);

} // namespace
} // namespace ondrell
