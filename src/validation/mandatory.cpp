#include "validation/mandatory.h"

#include "notice/vocabulary.h"
#include "validation/applicability.h"
#include "validation/rule_helpers.h"
#include "validation/validate.h"

#include <string>

namespace ondrell {
namespace {

// The fragment and target-identifier rules skip these types; the type test is exact here.
bool CarriesFragment(const NoticeRecord &r) {
    return r.t_notice_type != notice_type::TB2 && r.t_notice_type != notice_type::GA1 &&
           r.t_notice_type != notice_type::TB3;
}

bool CarriesCountry(const NoticeRecord &r) {
    return !SameCode(r.t_notice_type, notice_type::TB5) && !SameCode(r.t_notice_type, notice_type::TB2) &&
           !SameCode(r.t_notice_type, notice_type::TB3);
}

struct TypeGroup {
    std::string_view type;
    void (*check)(const NoticeRecord &, FindingSink &);
};

constexpr TypeGroup kTypeGroups[] = {
    {notice_type::GS1, CheckAssignmentItems}, {notice_type::GT1, CheckAssignmentItems},
    {notice_type::GS2, CheckAllotmentItems},  {notice_type::GT2, CheckAllotmentItems},
    {notice_type::GA1, CheckSubAreaItems},    {notice_type::TB5, CheckTb5Items},
    {notice_type::TB2, CheckTb2Items},        {notice_type::TB3, CheckTb3Items},
};

} // namespace

void CheckCoreItems(const NoticeRecord &r, FindingSink &sink) {
    if (Missing(r.t_adm))
        sink.Fatal(" t_adm is a mandatory value (B)");
    if (Missing(r.t_notice_type))
        sink.Fatal(" t_notice_type is a mandatory value");
    if (Missing(r.t_action))
        sink.Fatal(" t_action is a mandatory value");
    if (CarriesFragment(r)) {
        if (Missing(r.t_fragment))
            sink.Fatal(" t_fragment is a mandatory value");
        // A modification under Article 4 names its own target; identifiers compare exactly.
        if (SameCode(r.t_action, action::Modify) && r.t_trg_adm_ref_id != r.t_adm_ref_id &&
            r.t_fragment != fragment::NTFD_RR)
            sink.Fatal(" t_trg_adm_ref_id must be same as t_adm_ref_id for fragment " + r.t_fragment);
    }
    if (CarriesCountry(r) && Missing(r.t_ctry))
        sink.Fatal(" t_ctry is a mandatory value (4B)");
}

bool ValidateNoticeMandatory(const NoticeRecord &record, std::string &errors, const std::string &label) {
    FindingSink sink(errors, label);
    CheckCoreItems(record, sink);
    for (const auto &group : kTypeGroups)
        if (SameCode(record.t_notice_type, group.type)) {
            group.check(record, sink);
            break;
        }
    CheckFragmentAndTarget(record, sink);
    return sink.ok();
}

} // namespace ondrell
