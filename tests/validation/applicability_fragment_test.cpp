// The last group every notice runs: fragment or plan, and the target characteristics of a Plan entry.

#include "validation_test_support.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using namespace testing_support;

void SetTarget(NoticeRecord &r) {
    r.t_plan_adm_ref_id = "P1";
    r.t_trg_freq_assgn = "474";
    r.trg_long.hemi = "E"; // any one of the four texts
    r.trg_lat.sec = "10";
}

INSTANTIATE_TEST_SUITE_P(
    Fragment, MandatoryRule,
    ::testing::Values(RuleCase{"Tb3CarriesNoFragment",
                               CleanTb3,
                               [](auto &r) { r.t_fragment = "GE06D"; },
                               {" : t_fragment should not be notified for a TB3"}},
                      RuleCase{"Tb2CarriesNoFragment",
                               CleanTb2,
                               [](auto &r) { r.t_fragment = "GE06D"; },
                               {" : t_fragment should not be notified for a TB2"}},
                      RuleCase{"AssignmentCarriesNoPlan",
                               CleanGs1,
                               [](auto &r) { r.t_plan = "GE06D"; },
                               {" : t_plan should not be notified for a GS1"}},
                      RuleCase{"Article4AssignmentNamesNoPlanEntry",
                               CleanGs1,
                               [](auto &r) { r.t_plan_adm_ref_id = "P1"; },
                               {" : t_plan_adm_ref_id should not be notified for a GS1 - Fragment: GE06D"}},
                      RuleCase{"SuppressionNamesNoCharacteristics",
                               CleanTb5,
                               SetTarget,
                               {" : t_plan_adm_ref_id should not be notified for a TB5 - Fragment: GE06D",
                                " : t_trg_freq_assgn should not be notified for a TB5 - Fragment: GE06D",
                                " : t_trg_long should not be notified for a TB5 - Fragment: GE06D",
                                " : t_trg_lat should not be notified for a TB5 - Fragment: GE06D"}},
                      RuleCase{"Article5InAnyCaseMayNameThem",
                               CleanTb5,
                               [](auto &r) {
                                   SetTarget(r);
                                   r.t_fragment = "ntfd_rr";
                               },
                               {}},
                      RuleCase{"CopyToMasterRegisterMayNameThem",
                               CleanTb2,
                               [](auto &r) {
                                   r.t_trg_adm_ref_id.clear();
                                   r.t_trg_freq_assgn = "474";
                                   r.trg_long = {"002", "E", "20", "00"};
                                   r.trg_lat = {"48", "N", "51", "00"};
                               },
                               {}}),
    CaseName);

} // namespace
} // namespace ondrell
