#pragma once
// Date texts: the regional date separator, the "dd.mm.yyyy" form every file date passes through,
// and its split into day, month and year.

#include <string>
#include <string_view>

namespace ondrell {

// A regional setting by key, compared without regard to case. "sdate" gives the date separator of
// the user's regional settings; "stime" the time separator. Other keys: "".
std::string GetIntlSetting(std::string_view key);

// The separator a strftime date format puts between its fields ("%d.%m.%Y" gives "."); "/" when
// the format shows none.
std::string DateSeparatorOfFormat(std::string_view format);
// Same for a time format; ":" when it shows none.
std::string TimeSeparatorOfFormat(std::string_view format);

// "dd.mm.yyyy" for a date text, or "" when the text is empty or no calendar date. The regional
// separator is first replaced by "/"; then "/", "-" and "." all separate the three parts. A first
// part of three or four digits makes the order year, month, day (as screen capture builds dates);
// otherwise it is day, month, year. Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999.
std::string FormatDateDMY(std::string_view value);
// Same, with the separator given instead of read from the locale.
std::string FormatDateDMY(std::string_view value, std::string_view regionalSeparator);

// Splits "dd.mm.yyyy": when text is not empty it is trimmed; when it holds a point, day gets the part
// before the first point, month the part before the next one and year the rest, and text is left
// holding the remainder after the first point. Without a point the outputs are left unchanged.
void SplitDateDMY(std::string &text, std::string &year, std::string &month, std::string &day);

} // namespace ondrell
