// Consistency of the field-check tables: what a table entry promises, the entries it names exist.

#include "checks/field_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace ondrell {
namespace {

TEST(FieldTables, EveryFormHasATableOfRealKindsWithTitlesWhereTheyCanRefuse) {
    for (std::string_view form : CheckedFormNames()) {
        EXPECT_FALSE(FieldChecksFor(form).empty()) << form;
        std::set<std::string> seen;
        for (const FieldCheck &check : FieldChecksFor(form)) {
            SCOPED_TRACE(std::string(form) + " " + check.control);
            EXPECT_TRUE(seen.insert(check.control).second) << "listed twice";
            EXPECT_FALSE(CheckKindName(check.check.kind).empty());
            EXPECT_GE(check.maxLength, 0);
            if (CheckKindCanRefuse(check.check.kind)) {
                EXPECT_TRUE(check.check.title.starts_with("Prevalidation Error - "));
                EXPECT_FALSE(check.check.text.empty());
            }
            // A date part names its three fields, itself among them.
            if (!check.date.day.empty()) {
                EXPECT_TRUE(check.control == check.date.day || check.control == check.date.month ||
                            check.control == check.date.year);
                for (const auto &part : {check.date.day, check.date.month, check.date.year})
                    EXPECT_NE(FindFieldCheck(form, part), nullptr) << part;
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
        EXPECT_EQ(FindFieldCheck(form, "Txt_9EC_azm360"), nullptr);
    }
}

TEST(FieldTables, Gt1IsGs1PlusItsOwnFields) {
    for (const FieldCheck &gs1 : FieldChecksFor("GS1AssignFrmGE06")) {
        const FieldCheck *gt1 = FindFieldCheck("GT1AssignFrmGE06", gs1.control);
        ASSERT_NE(gt1, nullptr) << gs1.control;
        EXPECT_TRUE(gt1->check.kind == gs1.check.kind && gt1->check.title == gs1.check.title &&
                    gt1->check.text == gs1.check.text && gt1->key == gs1.key)
            << gs1.control;
    }
    for (std::string_view own : {"Txt_GE06_freqAssgn", "Txt_GE06_erpBeam_tilt", "Txt_GE06_TiltAngle"})
        EXPECT_EQ(FindFieldCheck("GS1AssignFrmGE06", own), nullptr) << own;
}

} // namespace
} // namespace ondrell
