#include "validation/plan_entry.h"

#include "validation/findings.h"
#include "validation/rule_helpers.h"

#include <array>

namespace ondrell {
namespace {

enum class Item { AssgnCode, SfnId, AssociatedAdmAllotId, AssociatedAllotSfnId };
enum class Need { OneOf, Given, Missing };

struct PlanEntryRule {
    std::string_view code; // t_plan_entry
    Item item;
    Need need;
    std::array<std::string_view, 2> assgnCodes; // for Need::OneOf
    std::string_view text;                      // appended when the need is not met
};

// Texts shared by the assignment and the allotment tables.
constexpr std::string_view kSfnNeeded3 = "For t_plan_entry = 3, t_sfn_id MUST be provided";
constexpr std::string_view kSfnNeeded4 = "For t_plan_entry = 4, t_sfn_id MUST be provided";

constexpr PlanEntryRule kAssignmentRules[] = {
    {"1", Item::AssgnCode, Need::OneOf, {"S"}, "For t_plan_entry = 1, t_assgn_code must be 'S' "},
    {"1", Item::SfnId, Need::Missing, {}, "For t_plan_entry = 1, t_sfn_id must NOT be provided"},
    {"1",
     Item::AssociatedAdmAllotId,
     Need::Missing,
     {},
     "For t_plan_entry = 1, t_associated_adm_allot_id must NOT be provided"},
    {"2", Item::AssgnCode, Need::OneOf, {"L"}, "For t_plan_entry = 2, t_assgn_code must be 'L'"},
    {"2", Item::SfnId, Need::Given, {}, "For t_plan_entry = 2, t_sfn_id MUST be provided"},
    {"2",
     Item::AssociatedAdmAllotId,
     Need::Missing,
     {},
     "For t_plan_entry = 2, t_associated_adm_allot_id must NOT be provided"},
    {"2",
     Item::AssociatedAllotSfnId,
     Need::Missing,
     {},
     "For t_plan_entry = 2, t_associated_allot_sfn_id must NOT be provided"},
    {"3", Item::AssgnCode, Need::OneOf, {"C"}, "For t_plan_entry = 3, t_assgn_code must be 'C'"},
    {"3", Item::SfnId, Need::Given, {}, kSfnNeeded3},
    {"3",
     Item::AssociatedAdmAllotId,
     Need::Given,
     {},
     "For t_plan_entry = 3, t_associated_adm_allot_id must be provided"},
    {"3",
     Item::AssociatedAllotSfnId,
     Need::Given,
     {},
     "For t_plan_entry = 3, t_associated_allot_sfn_id must be provided and it must be equal to t_sfn_id of "
     "the "
     "allotment"},
    {"4", Item::AssgnCode, Need::OneOf, {"L", "C"}, "For t_plan_entry = 4, t_assgn_code can only be {L, C}"},
    {"4", Item::SfnId, Need::Given, {}, kSfnNeeded4},
    {"4",
     Item::AssociatedAdmAllotId,
     Need::Given,
     {},
     "For t_plan_entry = 4, t_associated_adm_allot_id must be provided"},
    {"4",
     Item::AssociatedAllotSfnId,
     Need::Given,
     {},
     "For t_plan_entry = 4, t_associated_allot_sfn_id must be provided and it must be equal to t_sfn_id of "
     "the "
     "allotment"},
    {"5", Item::AssgnCode, Need::OneOf, {"L"}, "For t_plan_entry = 5, t_assgn_code must be 'L'"},
    {"5", Item::SfnId, Need::Missing, {}, "For t_plan_entry = 5, t_sfn_id MUST NOT be provided"},
    {"5",
     Item::AssociatedAdmAllotId,
     Need::Given,
     {},
     "For t_plan_entry = 5, t_associated_adm_allot_id must be provided"},
    {"5",
     Item::AssociatedAllotSfnId,
     Need::Missing,
     {},
     "For t_plan_entry = 5, t_associated_allot_sfn_id must NOT be provided"},
};

constexpr PlanEntryRule kAllotmentRules[] = {
    {"3", Item::SfnId, Need::Given, {}, kSfnNeeded3},
    {"4", Item::SfnId, Need::Given, {}, kSfnNeeded4},
    {"5", Item::SfnId, Need::Missing, {}, "For t_plan_entry = 5, t_sfn_id MUST be NOT be provided"},
};

struct PlanEntryItems {
    std::string_view assgnCode, sfnId, associatedAdmAllotId, associatedAllotSfnId;

    std::string_view operator[](Item item) const {
        switch (item) {
        case Item::AssgnCode:
            return assgnCode;
        case Item::SfnId:
            return sfnId;
        case Item::AssociatedAdmAllotId:
            return associatedAdmAllotId;
        case Item::AssociatedAllotSfnId:
            return associatedAllotSfnId;
        }
        return {};
    }
};

bool NeedMet(const PlanEntryRule &rule, std::string_view value) {
    switch (rule.need) {
    case Need::OneOf:
        for (std::string_view code : rule.assgnCodes)
            if (!code.empty() && SameCode(value, code))
                return true;
        return false;
    case Need::Given:
        return Given(value);
    case Need::Missing:
        return Missing(value);
    }
    return true;
}

template <std::size_t N>
bool ReportBroken(const PlanEntryRule (&rules)[N], std::string_view planEntry, const PlanEntryItems &items,
                  std::string &messages) {
    bool broken = false;
    for (const auto &rule : rules) {
        if (!SameCode(planEntry, rule.code) || NeedMet(rule, items[rule.item]))
            continue;
        messages += rule.text;
        messages += kCrLf;
        broken = true;
    }
    return broken;
}

} // namespace

bool AssignmentPlanEntryBroken(std::string_view t_plan_entry, std::string_view t_assgn_code,
                               std::string_view t_sfn_id, std::string_view t_associated_adm_allot_id,
                               std::string_view t_associated_allot_sfn_id, std::string &messages) {
    return ReportBroken(kAssignmentRules, t_plan_entry,
                        {t_assgn_code, t_sfn_id, t_associated_adm_allot_id, t_associated_allot_sfn_id},
                        messages);
}

bool AllotmentPlanEntryBroken(std::string_view t_plan_entry, std::string_view t_sfn_id,
                              std::string &messages) {
    return ReportBroken(kAllotmentRules, t_plan_entry, {{}, t_sfn_id, {}, {}}, messages);
}

} // namespace ondrell
