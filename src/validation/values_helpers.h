#pragma once
// Readings of the value rules: numbers, the record's dates, calendar-month addition and today.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace ondrell {

// An item's number for the range and list comparisons: blanks anywhere are skipped, then the
// leading decimal number (sign, digits, full stop and fraction; no exponent) is read, correctly
// rounded (174.928 reads as the same double as the literal 174.928); a text that does not begin
// with a number reads as 0. Plain digits, what most items hold, are read here; the rest by
// ReadItemNumberSlowly.
double ReadItemNumberSlowly(std::string_view text);
inline double ReadItemNumber(std::string_view text) {
    // Exact in a double up to 15 digits.
    if (text.empty() || text.size() > 15)
        return ReadItemNumberSlowly(text);
    std::uint64_t digits = 0;
    for (const char c : text) {
        const unsigned d = static_cast<unsigned>(static_cast<unsigned char>(c)) - '0';
        if (d > 9)
            return ReadItemNumberSlowly(text);
        digits = digits * 10 + d;
    }
    return static_cast<double>(digits);
}

// A record date as captured: year, month and day joined by "-" ("2026-03-31", "2026-3-1").
// Nothing when the text is not three numbers naming an existing calendar date.
std::optional<std::chrono::year_month_day> ReadRecordDate(std::string_view text);

// The same day number `months` calendar months later, clipped to the last day of a shorter month
// (2026-11-30 plus 3 months is 2027-02-28).
std::chrono::year_month_day AddCalendarMonths(std::chrono::year_month_day date, int months);

// The current local date.
std::chrono::year_month_day LocalToday();

} // namespace ondrell
