#include "notice/vocabulary.h"
#include "validation/rule_helpers.h"
#include "validation/values_helpers.h"
#include "validation/values_rules.h"

namespace ondrell::value_rules {
namespace {
constexpr int kArticle5InUseMonths = 3;
}

// A date that cannot be read is left alone: the entry checks keep such texts out of the record.
void CheckDates(const NoticeRecord &record, FindingSink &sink, std::chrono::year_month_day today) {
    const auto inUse = ReadRecordDate(record.t_d_inuse);
    const auto expiry = ReadRecordDate(record.t_d_expiry);
    if (inUse && expiry && *expiry < *inUse)
        sink.Fatal(" t_d_inuse =< t_d_expiry");

    // The fragment test is exact here: only "NTFD_RR" as written.
    if (record.t_fragment != fragment::NTFD_RR || !inUse)
        return;
    std::optional<std::chrono::year_month_day> reference = today;
    if (Given(record.t_date_rcv))
        reference = ReadRecordDate(record.t_date_rcv);
    if (reference && *inUse > AddCalendarMonths(*reference, kArticle5InUseMonths))
        sink.Fatal(" t_d_inuse must be =< t_date_rcv + 3 months");
}

} // namespace ondrell::value_rules
