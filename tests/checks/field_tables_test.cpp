#include "checks/field_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace ondrell {
namespace {

TEST(FieldTables, EveryFormHasATableOfRealKindsWithTitlesWhereTheyCanRefuse) {
    for (std::string_view form : CheckedFormNames()) {
        const auto table = FieldChecksFor(form);
        EXPECT_FALSE(table.empty()) << form;
        std::set<std::string> seen;
        for (const FieldCheck &check : table) {
            SCOPED_TRACE(std::string(form) + " " + check.control);
            EXPECT_TRUE(seen.insert(check.control).second) << "listed twice";
            EXPECT_FALSE(CheckKindName(check.check.kind).empty());
            EXPECT_TRUE(check.key == KeyFilter::None || check.key == KeyFilter::UpperCaseEntry);
            if (CheckKindCanRefuse(check.check.kind)) {
                EXPECT_TRUE(check.check.title.starts_with("Prevalidation Error - "));
                EXPECT_FALSE(check.check.text.empty());
            }
            EXPECT_GE(check.maxLength, 0);
            // A date part names its three fields, itself among them.
            if (!check.date.day.empty()) {
                EXPECT_TRUE(check.control == check.date.day || check.control == check.date.month ||
                            check.control == check.date.year);
                EXPECT_NE(FindFieldCheck(form, check.date.day), nullptr);
                EXPECT_NE(FindFieldCheck(form, check.date.month), nullptr);
                EXPECT_NE(FindFieldCheck(form, check.date.year), nullptr);
            }
        }
    }
    EXPECT_TRUE(FieldChecksFor("NoSuchFrm").empty());
}

TEST(FieldTables, AzimuthFramesHaveThirtySixBoxesEach) {
    for (std::string_view form : {"GS1AssignFrmGE06", "GT1AssignFrmGE06"}) {
        for (std::string_view prefix : {"Txt_9EC_azm", "Txt_9NHAzm", "Txt_9NVAzm"}) {
            int boxes = 0;
            for (const FieldCheck &check : FieldChecksFor(form))
                boxes += check.control.starts_with(prefix);
            EXPECT_EQ(boxes, 36) << form << " " << prefix;
        }
        EXPECT_NE(FindFieldCheck(form, "Txt_9EC_azm350"), nullptr);
        EXPECT_EQ(FindFieldCheck(form, "Txt_9EC_azm360"), nullptr);
    }
}

TEST(FieldTables, Gt1IsGs1PlusItsOwnFields) {
    for (const FieldCheck &gs1 : FieldChecksFor("GS1AssignFrmGE06")) {
        const FieldCheck *gt1 = FindFieldCheck("GT1AssignFrmGE06", gs1.control);
        ASSERT_NE(gt1, nullptr) << gs1.control;
        EXPECT_EQ(gt1->check.kind, gs1.check.kind) << gs1.control;
        EXPECT_EQ(gt1->check.title, gs1.check.title) << gs1.control;
        EXPECT_EQ(gt1->check.text, gs1.check.text) << gs1.control;
        EXPECT_EQ(gt1->key, gs1.key) << gs1.control;
    }
    for (std::string_view own : {"Txt_GE06_freqAssgn", "Txt_GE06_erpBeam_tilt", "Txt_GE06_TiltAngle"}) {
        EXPECT_NE(FindFieldCheck("GT1AssignFrmGE06", own), nullptr) << own;
        EXPECT_EQ(FindFieldCheck("GS1AssignFrmGE06", own), nullptr) << own;
    }
}

TEST(FieldTables, ChecksThatRunWhileTyping) {
    EXPECT_TRUE(FindFieldCheck("GA1SubAllotFrmGE06", "Txt_RRC04_Sec_Lat")->onChange);
    EXPECT_TRUE(FindFieldCheck("GS2AllotFrmGE06", "Txt_RRC04_nb_sub_areas")->onChange);
    EXPECT_FALSE(FindFieldCheck("GA1SubAllotFrmGE06", "Txt_RRC04_nb_test_pts")->onChange);
    EXPECT_FALSE(FindFieldCheck("GS1AssignFrmGE06", "Txt_4C_Sec_Lat")->onChange);
}

} // namespace
} // namespace ondrell
