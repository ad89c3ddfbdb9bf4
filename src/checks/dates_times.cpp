#include "checks/dates_times.h"

#include "checks/numbers.h"
#include "checks/text_chars.h"

#include <optional>

namespace ondrell {
namespace {

struct DigitsPart {
    int value = 0;
    std::size_t digits = 0;
};

// Digits only, blanks around allowed; nullopt for anything else or more than four digits.
std::optional<DigitsPart> ReadDigits(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (text.size() > 4)
        return std::nullopt;
    DigitsPart part{0, text.size()};
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        part.value = part.value * 10 + (c - '0');
    }
    return part;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

struct HhmmLimits {
    int hhLow, hhHigh;
    double wholeLow, wholeHigh;
    const char *hhExplanation;
};

bool CheckTime(std::string_view text, std::string &explanation, const HhmmLimits &limits) {
    explanation.clear();
    bool ok = true;
    const double hh = ReadLeadingNumber(text_chars::Mid(text, 1, 2));
    const double mm = ReadLeadingNumber(text_chars::Mid(text, 3, 2));
    if (hh > limits.hhHigh || hh < limits.hhLow) {
        ok = false;
        explanation += limits.hhExplanation;
        explanation += "\r\n";
    }
    if (mm > 59 || mm < 0) {
        ok = false;
        explanation += " where the last 2 digits MM should [0,59]\r\n";
    }
    const double whole = ReadLeadingNumber(text);
    if (whole > limits.wholeHigh || whole < limits.wholeLow)
        ok = false;
    return ok;
}

} // namespace

bool IsDayValue(int day) {
    return day >= 1 && day <= 31;
}
bool IsMonthValue(int month) {
    return month >= 1 && month <= 12;
}
bool IsYearValue(int year) {
    return year >= 2000;
}

bool IsCalendarDate(std::string_view day, std::string_view month, std::string_view year) {
    const auto d = ReadDigits(day), m = ReadDigits(month), y = ReadDigits(year);
    if (!d || !m || !y)
        return false;
    // One or two digits name a year of the 1930-2029 window, as dates are commonly typed.
    int fullYear = y->value;
    if (y->digits <= 2)
        fullYear += fullYear < 30 ? 2000 : 1900;
    if (fullYear < 100)
        return false;
    if (!IsMonthValue(m->value))
        return false;
    return d->value >= 1 && d->value <= DaysInMonth(m->value, fullYear);
}

bool CheckHhmm(std::string_view text, std::string &explanation) {
    return CheckTime(text, explanation, {0, 23, 0, 2359, " where the first 2 digits HH should [0,23]"});
}

bool CheckHhmmStop(std::string_view text, std::string &explanation) {
    return CheckTime(text, explanation, {1, 24, 1, 2400, " where the first 2 digits HH should [1,24]"});
}

} // namespace ondrell
