// What allotments (GS2, GT2) and sub-areas (GA1) must and must not carry.

#include "validation_test_support.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using namespace testing_support;

INSTANTIATE_TEST_SUITE_P(
    Allotment, MandatoryRule,
    ::testing::Values(
        RuleCase{"ItemsMissingInOrder",
                 CleanGs2,
                 [](auto &r) {
                     r.t_adm_ref_id.clear();
                     r.planning.allotment.t_allot_name.clear();
                     r.t_polar.clear();
                     r.t_is_pub_req.clear();
                     r.t_plan_entry.clear();
                     r.planning.t_ref_plan_cfg.clear();
                 },
                 {" :  t_adm_ref_id is a mandatory value", " :  t_allot_name is mandatory",
                  " :  t_polar is a mandatory value (9D)",
                  " :  t_is_pub_req is a mandatory value if notified under Art 4",
                  " :  t_plan_entry is a mandatory value", " :  t_ref_plan_cfg is mandatory"}},
        RuleCase{"PlanEntryAgainstNetwork",
                 CleanGs2,
                 [](auto &r) { r.t_plan_entry = "4"; },
                 {" : For t_plan_entry = 4, t_sfn_id MUST be provided\r\n"}},
        RuleCase{"AreaGivenTwice",
                 CleanGs2,
                 [](auto &r) {
                     r.planning.allotment.t_nb_sub_areas = "1";
                     r.planning.allotment.t_contour_id[0] = "1";
                 },
                 {" :  If t_geo_area is provided then t_nb_sub_areas should not be given"}},
        RuleCase{"AreaMissing",
                 CleanGs2,
                 [](auto &r) { r.planning.allotment.t_geo_area.clear(); },
                 {" :  Either t_geo_area or t_nb_sub_areas and t_contour_id(s) should be given"}},
        RuleCase{"DvbtWithoutNetwork",
                 CleanGt2,
                 [](auto &r) { r.planning.allotment.t_typ_ref_netwk.clear(); },
                 {" :  t_typ_ref_netwk is mandatory"}},
        RuleCase{"TdabNeedsNoNetwork",
                 CleanGs2,
                 [](auto &r) { r.planning.allotment.t_typ_ref_netwk.clear(); },
                 {}},
        // Unlike the assignment's, this text begins with " : " and names the target identifier.
        RuleCase{"AddNamesNoTarget",
                 CleanGt2,
                 [](auto &r) { r.t_trg_adm_ref_id = "T1"; },
                 {" : t_trg_adm_ref_id should not be notified for a ADD; t_trg_adm_ref_id is used as the "
                  "identifier of the target"}},
        RuleCase{"NotCarriedAfterOwnItems",
                 CleanGt2,
                 [](auto &r) {
                     r.planning.t_ref_plan_cfg.clear();
                     r.t_site_name = "X";
                 },
                 {" :  t_ref_plan_cfg is mandatory", " : t_site_name should not be notified for a GT2"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    SubArea, MandatoryRule,
    ::testing::Values(RuleCase{"ContourAndCountMissing",
                               CleanGa1,
                               [](auto &r) {
                                   r.sub_area.t_contour_id.clear();
                                   r.sub_area.t_nb_test_pts.clear();
                               },
                               {" : t_countour_id is mandatory", " : t_nb_test_pts is mandatory"}},
                      RuleCase{"TwoOfFivePointsUnfilled",
                               CleanGa1,
                               [](auto &r) {
                                   r.sub_area.t_nb_test_pts = "5";
                                   r.sub_area.test_points.resize(5);
                               },
                               {" : All the coordinates of the test points are mandatory",
                                " : All the coordinates of the test points are mandatory"}},
                      RuleCase{"ZeroPointsVisitsNone",
                               CleanGa1,
                               [](auto &r) {
                                   r.sub_area.t_nb_test_pts = "0";
                                   r.sub_area.test_points.resize(5);
                               },
                               {}},
                      RuleCase{"PublicationRequestNamesTheArticle",
                               CleanGa1,
                               [](auto &r) { r.t_is_pub_req = "Y"; },
                               {" : t_is_pub_req should not be notified under Art 5"}},
                      RuleCase{"NetworkTypeRefused",
                               CleanGa1,
                               [](auto &r) { r.planning.allotment.t_typ_ref_netwk = "RN1"; },
                               {" : t_typ_ref_netwk should not be notified for a GA1"}}),
    CaseName);

} // namespace
} // namespace ondrell
