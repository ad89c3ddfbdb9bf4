#pragma once
// Consistency of a Plan entry code (1 to 5) with the assignment code and the single-frequency
// network identifiers.
//
// Mind the convention: these two checks return true when a rule is BROKEN (the other checks of
// the validation engine return true on success). Each broken rule appends its text and CR LF to
// `messages`; a code other than 1 to 5, the empty one included, breaks no rule.

#include <string>
#include <string_view>

namespace ondrell {

// Every rule of the code is tested in order and every broken one is reported.
bool AssignmentPlanEntryBroken(std::string_view t_plan_entry, std::string_view t_assgn_code,
                               std::string_view t_sfn_id, std::string_view t_associated_adm_allot_id,
                               std::string_view t_associated_allot_sfn_id, std::string &messages);

// Allotments: only the presence of the network identifier is tied to the code (3, 4 and 5).
bool AllotmentPlanEntryBroken(std::string_view t_plan_entry, std::string_view t_sfn_id,
                              std::string &messages);

} // namespace ondrell
