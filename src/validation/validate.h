#pragma once
// The receivability validations run by the Validate button, always all three, on one record and
// one error text (which they only append to). Each returns true when it added no fatal finding.

#include "notice/record.h"

#include <string>

namespace ondrell {

class WorldMap;

bool ValidateNoticeValues(const NoticeRecord &record, std::string &errors, const std::string &label);
bool ValidateNoticeMandatory(const NoticeRecord &record, std::string &errors, const std::string &label);
// Geographic checks through the world map; a null map is reported as a fatal finding, never passed.
// Takes the record by non-const reference: the only change it makes is the one geography is allowed.
bool ValidateGeography(NoticeRecord &record, std::string &errors, const std::string &label,
                       const WorldMap *map);

// What the error-list window shows after the three validations.
struct ValidationOutcome {
    bool receivable = false;
    std::string caption; // "Notice Receivable" or "Notice Error(s)"
    std::string text;    // "The notice is receivable" + CR LF + errors, or the errors alone
};

// Runs the three validations exactly as the Validate button does (empty error text, empty label).
ValidationOutcome ValidateNotice(NoticeRecord &record, const WorldMap *map);

} // namespace ondrell
