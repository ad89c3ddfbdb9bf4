#pragma once
// Date-part and HHMM tests behind the date and operating-hours field checks.

#include <string>
#include <string_view>

namespace ondrell {

bool IsDayValue(int day);     // 1 to 31
bool IsMonthValue(int month); // 1 to 12
bool IsYearValue(int year);   // 2000 or later

// True when day "/" month "/" year names an existing calendar date, day first. Each part must
// be digits (blanks around allowed); a year of one or two digits is read in the 1930-2029
// window, and years 100 to 9999 are taken as written (Gregorian leap years).
bool IsCalendarDate(std::string_view day, std::string_view month, std::string_view year);

// A valid start time HHMM: HH (leading number of characters 1-2) 0 to 23, MM (characters 3-4)
// 0 to 59, and the whole text's leading number 0 to 2359. The explanation (out) is reset and
// then receives " where the first 2 digits HH should [0,23]" and/or
// " where the last 2 digits MM should [0,59]", each followed by CR LF, in that order.
bool CheckHhmm(std::string_view text, std::string &explanation);

// As CheckHhmm for a stop time: HH 1 to 24 (" where the first 2 digits HH should [1,24]"),
// MM 0 to 59, whole text 1 to 2400. 2400 is accepted, 0030 and 2430 are not.
bool CheckHhmmStop(std::string_view text, std::string &explanation);

} // namespace ondrell
