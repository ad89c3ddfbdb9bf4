// Plan entry codes against the assignment code and the network identifiers. These checks return
// true when a rule is broken.

#include "validation/plan_entry.h"

#include <gtest/gtest.h>

#include <vector>

namespace ondrell {
namespace {

std::string Lines(std::initializer_list<std::string_view> texts) {
    std::string all;
    for (auto t : texts)
        all.append(t).append("\r\n");
    return all;
}

struct AssignmentCase {
    const char *entry, *code, *sfn, *allot, *allotSfn;
    std::string messages;
};

TEST(AssignmentPlanEntry, EveryBrokenRuleOfTheCodeInOrder) {
    const AssignmentCase cases[] = {
        {"1", "S", "", "", "X", ""}, // code 1 says nothing about the allotment's network
        {"1", "L", "N", "A", "",
         Lines({"For t_plan_entry = 1, t_assgn_code must be 'S' ",
                "For t_plan_entry = 1, t_sfn_id must NOT be provided",
                "For t_plan_entry = 1, t_associated_adm_allot_id must NOT be provided"})},
        {"2", "l", "N", "", "", ""},
        {"2", "C", "", "A", "X",
         Lines({"For t_plan_entry = 2, t_assgn_code must be 'L'",
                "For t_plan_entry = 2, t_sfn_id MUST be provided",
                "For t_plan_entry = 2, t_associated_adm_allot_id must NOT be provided",
                "For t_plan_entry = 2, t_associated_allot_sfn_id must NOT be provided"})},
        {"3", "C", "N", "A", "N", ""},
        {"3", "L", "", "", "",
         Lines({"For t_plan_entry = 3, t_assgn_code must be 'C'",
                "For t_plan_entry = 3, t_sfn_id MUST be provided",
                "For t_plan_entry = 3, t_associated_adm_allot_id must be provided",
                "For t_plan_entry = 3, t_associated_allot_sfn_id must be provided and it must be equal to "
                "t_sfn_id "
                "of the allotment"})},
        // Only the presence of the allotment's network id is tested here, not its equality.
        {"4", "c", "N", "A", "OTHER", ""},
        {"4", "L", "N", "A", "N", ""},
        {"4", "S", "", "", "",
         Lines({"For t_plan_entry = 4, t_assgn_code can only be {L, C}",
                "For t_plan_entry = 4, t_sfn_id MUST be provided",
                "For t_plan_entry = 4, t_associated_adm_allot_id must be provided",
                "For t_plan_entry = 4, t_associated_allot_sfn_id must be provided and it must be equal to "
                "t_sfn_id "
                "of the allotment"})},
        {"5", "L", "", "A", "", ""},
        {"5", "S", "N", "", "X",
         Lines({"For t_plan_entry = 5, t_assgn_code must be 'L'",
                "For t_plan_entry = 5, t_sfn_id MUST NOT be provided",
                "For t_plan_entry = 5, t_associated_adm_allot_id must be provided",
                "For t_plan_entry = 5, t_associated_allot_sfn_id must NOT be provided"})},
        {"6", "X", "N", "", "", ""},
        {"", "X", "N", "", "", ""},
        {"05", "X", "N", "", "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string("plan entry '") + c.entry + "' code '" + c.code + "'");
        std::string messages = "before\r\n";
        const bool broken = AssignmentPlanEntryBroken(c.entry, c.code, c.sfn, c.allot, c.allotSfn, messages);
        EXPECT_EQ(messages, "before\r\n" + c.messages);
        EXPECT_EQ(broken, !c.messages.empty());
    }
}

TEST(AllotmentPlanEntry, OnlyTheNetworkIdentifier) {
    const struct {
        const char *entry, *sfn;
        std::string messages;
    } cases[] = {
        {"3", "", Lines({"For t_plan_entry = 3, t_sfn_id MUST be provided"})},
        {"4", "", Lines({"For t_plan_entry = 4, t_sfn_id MUST be provided"})},
        {"5", "N", Lines({"For t_plan_entry = 5, t_sfn_id MUST be NOT be provided"})},
        {"3", "N", ""},
        {"4", "N", ""},
        {"5", "", ""},
        {"1", "N", ""},
        {"2", "", ""},
        {"7", "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.entry) + " / '" + c.sfn + "'");
        std::string messages;
        EXPECT_EQ(AllotmentPlanEntryBroken(c.entry, c.sfn, messages), !c.messages.empty());
        EXPECT_EQ(messages, c.messages);
    }
}

} // namespace
} // namespace ondrell
