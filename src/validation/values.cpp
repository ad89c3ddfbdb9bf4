// ValidateNoticeValues: the value-domain, frequency and antenna-pattern rules in their fixed order.

#include "notice/vocabulary.h"
#include "validation/antenna.h"
#include "validation/rule_helpers.h"
#include "validation/validate.h"
#include "validation/values_helpers.h"
#include "validation/values_rules.h"

namespace ondrell {
namespace value_rules {

bool ValidateValues(const NoticeRecord &record, std::string &errors, const std::string &label,
                    std::chrono::year_month_day today) {
    FindingSink sink(errors, label);
    Run(AdministrativeRules(), record, sink);

    const std::string &type = record.t_notice_type;
    if (SameCode(type, notice_type::GS1) || SameCode(type, notice_type::GT1)) {
        Run(AssignmentRules(), record, sink);
        sink.Merge(ValidateEffectiveHeightPattern(record, errors, label));
        sink.Merge(ValidateAttenuationPatterns(record, errors, label));
    }

    Run(ActionRules(), record, sink);
    CheckDates(record, sink, today);
    Run(HeightAndMaskRules(), record, sink);
    CheckSystemVariant(record, sink);
    Run(OffsetRules(), record, sink);

    Run(AllotmentRules(), record, sink);
    Run(ReferenceRules(), record, sink);
    Run(TestPointRules(), record, sink);
    return sink.ok();
}

} // namespace value_rules

bool ValidateNoticeValues(const NoticeRecord &record, std::string &errors, const std::string &label) {
    return value_rules::ValidateValues(record, errors, label, LocalToday());
}

} // namespace ondrell
