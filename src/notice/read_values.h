#pragma once
// The file's written forms of dates, times and positions, read back into the record's own forms.
// Each gives nullopt when the text is not in the form the writer produces.

#include "notice/record.h"

#include <optional>
#include <string>
#include <string_view>

namespace ondrell {

// "yyyy-mm-dd" to the record's year-month-day text (kept as written).
std::optional<std::string> ReadIsoDate(std::string_view text);

// "HH:MM" (hours exactly two characters, then ":" and one to four characters) to "HHMM".
std::optional<std::string> ReadTime(std::string_view text);

// "+DDDMMSS" / "-DDDMMSS" to degrees, "E"/"W", minutes, seconds.
std::optional<Coordinate> ReadLongitude(std::string_view text);
// "+DDMMSS" / "-DDMMSS" to degrees, "N"/"S", minutes, seconds.
std::optional<Coordinate> ReadLatitude(std::string_view text);

// A whole number of one to nine digits and nothing else.
std::optional<int> ReadWholeNumber(std::string_view text);

// The leading whole number of a text (blanks first are skipped), 0 when there is none.
int LeadingWholeNumber(std::string_view text);

} // namespace ondrell
