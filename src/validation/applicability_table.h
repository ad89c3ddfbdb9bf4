#pragma once
// The items a notice must not carry, kept as one table with a column per rule group.

#include "notice/record.h"
#include "validation/findings.h"

namespace ondrell {

enum class CarryColumn { Assignment, Allotment, SubArea, Administrative };

// Reports, in the column's own order, every item of the column that the notice carries.
void ReportItemsNotCarried(const NoticeRecord &record, CarryColumn column, FindingSink &sink);

} // namespace ondrell
