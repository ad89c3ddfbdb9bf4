// What the Validate button runs: the three validations in turn on one record and one error text.

#include "validation/findings.h"
#include "validation/validate.h"

#include <string>

namespace ondrell {

ValidationOutcome ValidateNotice(NoticeRecord &record, const WorldMap *map) {
    std::string errors;
    const std::string label; // the forms never label their notices
    // All three run whatever the earlier ones found, so that every finding is listed at once.
    const bool values = ValidateNoticeValues(record, errors, label);
    const bool mandatory = ValidateNoticeMandatory(record, errors, label);
    const bool geography = ValidateGeography(record, errors, label, map);

    ValidationOutcome outcome;
    outcome.receivable = values && mandatory && geography;
    if (outcome.receivable) {
        outcome.caption = "Notice Receivable";
        constexpr std::string_view kReceivable = "The notice is receivable";
        outcome.text.reserve(kReceivable.size() + kCrLf.size() + errors.size());
        outcome.text.append(kReceivable).append(kCrLf).append(errors);
    } else {
        outcome.caption = "Notice Error(s)";
        outcome.text = std::move(errors);
    }
    return outcome;
}

} // namespace ondrell
