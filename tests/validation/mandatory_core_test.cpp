// Mandatory core items, the choice of the type-specific group and the message line format.

#include "validation_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace ondrell {
namespace {

using namespace testing_support;
using ::testing::ElementsAre;

// Every mandatory-item case of this folder: the change draws exactly the expected lines, in order.
TEST_P(MandatoryRule, ReportsExactly) {
    NoticeRecord r = GetParam().make();
    GetParam().change(r);
    const auto run = RunMandatory(r);
    EXPECT_EQ(run.lines, GetParam().lines);
    EXPECT_EQ(run.ok, GetParam().lines.empty());
    EXPECT_EQ(run.errors.empty(), run.lines.empty());
}

// The baselines of every other case: a notice of each type that carries what it must.
INSTANTIATE_TEST_SUITE_P(
    CleanNotice, MandatoryRule,
    ::testing::Values(RuleCase{"GS1", CleanGs1, Unchanged, {}}, RuleCase{"GT1", CleanGt1, Unchanged, {}},
                      RuleCase{"GT1Art5", CleanGt1Article5, Unchanged, {}},
                      RuleCase{"GS2", CleanGs2, Unchanged, {}}, RuleCase{"GT2", CleanGt2, Unchanged, {}},
                      RuleCase{"GA1", CleanGa1, Unchanged, {}}, RuleCase{"TB5", CleanTb5, Unchanged, {}},
                      RuleCase{"TB3", CleanTb3, Unchanged, {}}, RuleCase{"TB2", CleanTb2, Unchanged, {}}),
    CaseName);

TEST(MandatoryCore, EmptyRecordReportsCoreItemsOnly) {
    const auto run = RunMandatory(NoticeRecord{});
    EXPECT_FALSE(run.ok);
    EXPECT_THAT(run.lines,
                ElementsAre(" :  t_adm is a mandatory value (B)", " :  t_notice_type is a mandatory value",
                            " :  t_action is a mandatory value", " :  t_fragment is a mandatory value",
                            " :  t_ctry is a mandatory value (4B)"));
    for (const auto &f : SplitFindings(run.errors))
        EXPECT_EQ(f.severity, "FATAL ERROR : ");
}

INSTANTIATE_TEST_SUITE_P(
    Core, MandatoryRule,
    ::testing::Values(
        RuleCase{
            "AdmMissing", CleanGs1, [](auto &r) { r.t_adm.clear(); }, {" :  t_adm is a mandatory value (B)"}},
        RuleCase{"ActionMissing",
                 CleanTb3,
                 [](auto &r) { r.t_action.clear(); },
                 {" :  t_action is a mandatory value"}},
        RuleCase{"CountryMissingOnAllotment",
                 CleanGt2,
                 [](auto &r) { r.t_ctry.clear(); },
                 {" :  t_ctry is a mandatory value (4B)"}},
        RuleCase{"FragmentMissingOnTb5",
                 CleanTb5,
                 [](auto &r) { r.t_fragment.clear(); },
                 {" :  t_fragment is a mandatory value"}},
        // The target of an Article 4 modification is the notice itself; identifiers compare exactly.
        RuleCase{"ModifyTargetDiffersInCase",
                 CleanGs1,
                 [](auto &r) {
                     r.t_action = "MODIFY";
                     r.t_trg_adm_ref_id = "a1";
                 },
                 {" :  t_trg_adm_ref_id must be same as t_adm_ref_id for fragment GE06D"}},
        RuleCase{"ModifyTargetSame",
                 CleanGs1,
                 [](auto &r) {
                     r.t_action = "modify";
                     r.t_trg_adm_ref_id = "A1";
                 },
                 {}},
        RuleCase{"ModifyUnderArticle5NamesAnotherTarget",
                 CleanGt1Article5,
                 [](auto &r) {
                     r.t_action = "MODIFY";
                     r.t_trg_adm_ref_id = "a1";
                 },
                 {}},
        // The fragment-rule type test is exact: a lower-case tb2 must carry a fragment, yet still
        // runs the TB2 group and is spared the country.
        RuleCase{"FragmentTypeTestIsExact",
                 CleanTb2,
                 [](auto &r) { r.t_notice_type = "tb2"; },
                 {" :  t_fragment is a mandatory value"}},
        RuleCase{"UnknownTypeRunsNoTypeGroup",
                 CleanGs1,
                 [](auto &r) {
                     r.t_notice_type = "GX9";
                     r.t_site_name.clear();
                     r.t_plan = "GE06D";
                 },
                 {" : t_plan should not be notified for a GX9"}}),
    CaseName);

TEST(MandatoryCore, LabelPrecedesEveryMessageLine) {
    NoticeRecord r = CleanGs1();
    r.t_adm.clear();
    r.t_plan = "GE06D";
    std::string errors;
    EXPECT_FALSE(ValidateNoticeMandatory(r, errors, "N7"));
    EXPECT_EQ(errors, "FATAL ERROR : \r\nN7 :  t_adm is a mandatory value (B)\r\n"
                      "FATAL ERROR : \r\nN7 : t_plan should not be notified for a GS1\r\n");
}

TEST(MandatoryCore, AppendsToWhatTheErrorTextHolds) {
    std::string errors = "earlier\r\n";
    ValidateNoticeMandatory(NoticeRecord{}, errors, "");
    EXPECT_TRUE(errors.starts_with("earlier\r\nFATAL ERROR : \r\n :  t_adm is a mandatory value (B)\r\n"));
}

} // namespace
} // namespace ondrell
