// The last group, run for every notice: which of fragment and plan a type carries, and which
// notices may name a target Plan entry by its characteristics.

#include "notice/vocabulary.h"
#include "validation/applicability.h"
#include "validation/applicability_items.h"

#include <string>

namespace ondrell {
namespace {

using R = NoticeRecord;

bool TargetLongitudeGiven(const NoticeRecord &r) {
    return AnyGiven(r.trg_long);
}
bool TargetLatitudeGiven(const NoticeRecord &r) {
    return AnyGiven(r.trg_lat);
}

constexpr ItemRule kTargetItems[] = {
    {" : t_plan_adm_ref_id should not be notified for a ", Has<&R::t_plan_adm_ref_id>},
    {" : t_trg_freq_assgn should not be notified for a ", Has<&R::t_trg_freq_assgn>},
    {" : t_trg_long should not be notified for a ", TargetLongitudeGiven},
    {" : t_trg_lat should not be notified for a ", TargetLatitudeGiven},
};

} // namespace

void CheckFragmentAndTarget(const NoticeRecord &r, FindingSink &sink) {
    const bool tb2 = SameCode(r.t_notice_type, notice_type::TB2);
    if (tb2 || SameCode(r.t_notice_type, notice_type::TB3)) {
        if (Given(r.t_fragment))
            sink.Fatal(" : t_fragment should not be notified for a " + r.t_notice_type);
    } else if (Given(r.t_plan)) {
        sink.Fatal(" : t_plan should not be notified for a " + r.t_notice_type);
    }
    // Only a copy to the Master Register and Article 5 notices identify a target this way.
    if (tb2 || SameCode(r.t_fragment, fragment::NTFD_RR))
        return;
    for (const auto &item : kTargetItems)
        if (item.given(r))
            sink.Fatal(std::string(item.text) + r.t_notice_type + " - Fragment: " + r.t_fragment);
}

} // namespace ondrell
