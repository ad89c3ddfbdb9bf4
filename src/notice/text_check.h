#pragma once
// The check run before a record is written: every text that goes into the file must be storable
// as one Windows-1252 line. Characters outside Windows-1252 are refused rather than replaced, so
// nothing is silently changed in a notice; line breaks would split a line and other control
// characters are refused by the reader, so both are refused here.

#include "notice/record.h"

#include <string>

namespace ondrell {

// "" when every written text can be stored; otherwise a message naming the first offending
// character and the file key of its field, for example:
//   The character "Ā" (U+0100) in t_site_name cannot be written to the notice file (Windows-1252 text).
std::string CheckNoticeText(const NoticeRecord &record);

} // namespace ondrell
