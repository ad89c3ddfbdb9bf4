#pragma once
// The mandatory items every notice must carry, and those of the administrative notices.

#include "notice/record.h"
#include "validation/findings.h"

namespace ondrell {

void CheckCoreItems(const NoticeRecord &record, FindingSink &sink);
void CheckTb5Items(const NoticeRecord &record, FindingSink &sink);
void CheckTb3Items(const NoticeRecord &record, FindingSink &sink);
void CheckTb2Items(const NoticeRecord &record, FindingSink &sink);

} // namespace ondrell
