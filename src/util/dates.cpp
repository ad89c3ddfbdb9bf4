#include "util/dates.h"
#include "util/platform.h"
#include "util/text_compare.h"

#include <array>
#include <cctype>
#include <cstdio>

namespace ondrell {
namespace {

// The first character between two conversions of a strftime format, skipping flags and modifiers.
std::string SeparatorOfFormat(std::string_view format, std::string_view fallback) {
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%') {
            ++i;
            while (i < format.size() && std::string_view("EO-_0^#").find(format[i]) != std::string_view::npos)
                ++i;
            if (i < format.size()) {
                if (format[i] == 'D')
                    return "/";
                if (format[i] == 'F')
                    return "-";
                if (format[i] == 'T' || format[i] == 'R')
                    return ":";
            }
            continue;
        }
        if (!std::isspace(static_cast<unsigned char>(format[i])))
            return std::string(1, format[i]);
    }
    return std::string(fallback);
}

bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysIn(int y, int m) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// Digits only, 1 to 4 of them.
bool ReadNumber(std::string_view s, int &out) {
    if (s.empty() || s.size() > 4)
        return false;
    out = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
        out = out * 10 + (c - '0');
    }
    return true;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::string DateSeparatorOfFormat(std::string_view format) {
    return SeparatorOfFormat(format, "/");
}

std::string TimeSeparatorOfFormat(std::string_view format) {
    return SeparatorOfFormat(format, ":");
}

std::string GetIntlSetting(std::string_view key) {
    if (EqualsNoCase(key, "sdate"))
        return platform::RegionalDateSeparator();
    if (EqualsNoCase(key, "stime"))
        return platform::RegionalTimeSeparator();
    return {};
}

std::string FormatDateDMY(std::string_view value) {
    if (value.empty())
        return {};
    // The regional settings do not change while the program runs; asking costs a locale load.
    static const std::string separator = GetIntlSetting("sdate");
    return FormatDateDMY(value, separator);
}

std::string FormatDateDMY(std::string_view value, std::string_view regionalSeparator) {
    if (value.empty())
        return {};
    const std::string_view trimmed = Trim(value);
    std::string text;
    for (size_t i = 0; i < trimmed.size();) {
        if (!regionalSeparator.empty() && trimmed.substr(i, regionalSeparator.size()) == regionalSeparator) {
            text += '/';
            i += regionalSeparator.size();
        } else {
            text += trimmed[i++];
        }
    }

    std::array<std::string_view, 3> parts;
    size_t count = 0, start = 0;
    const std::string_view all(text);
    for (size_t i = 0; i <= all.size(); ++i) {
        if (i == all.size() || all[i] == '/' || all[i] == '-' || all[i] == '.') {
            if (count == parts.size())
                return {};
            parts[count++] = Trim(all.substr(start, i - start));
            start = i + 1;
        }
    }
    if (count != 3)
        return {};
    const bool yearFirst = parts[0].size() >= 3;
    int day = 0, month = 0, year = 0;
    if (!ReadNumber(parts[yearFirst ? 2 : 0], day) || !ReadNumber(parts[1], month) ||
        !ReadNumber(parts[yearFirst ? 0 : 2], year))
        return {};
    if (parts[yearFirst ? 0 : 2].size() <= 2)
        year += year < 30 ? 2000 : 1900;
    if (month < 1 || month > 12 || day < 1 || day > DaysIn(year, month))
        return {};
    char out[32];
    std::snprintf(out, sizeof out, "%02d.%02d.%04d", day, month, year);
    return out;
}

void SplitDateDMY(std::string &text, std::string &year, std::string &month, std::string &day) {
    if (text.empty())
        return;
    text = std::string(Trim(text));
    const size_t first = text.find('.');
    if (first == std::string::npos)
        return;
    day = text.substr(0, first);
    text = text.substr(first + 1);
    const size_t second = text.find('.');
    if (second == std::string::npos) {
        month = text;
        year.clear();
    } else {
        month = text.substr(0, second);
        year = text.substr(second + 1);
    }
}

} // namespace ondrell
