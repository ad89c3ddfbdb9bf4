#pragma once
// The rule groups that decide which items a notice must and must not carry, by notice type,
// action and article. Each reports fatal findings only.

#include "notice/record.h"
#include "validation/findings.h"

namespace ondrell {

void CheckAssignmentItems(const NoticeRecord &record, FindingSink &sink); // GS1, GT1
void CheckAllotmentItems(const NoticeRecord &record, FindingSink &sink);  // GS2, GT2
void CheckSubAreaItems(const NoticeRecord &record, FindingSink &sink);    // GA1
void CheckAdministrativeItems(const NoticeRecord &record,
                              FindingSink &sink);                           // TB2, TB3, TB5 (after their own)
void CheckFragmentAndTarget(const NoticeRecord &record, FindingSink &sink); // every notice, last

} // namespace ondrell
