#include "refdata/decimal_text.h"

#include <charconv>
#include <cstdio>
#include <string_view>

namespace ondrell {
namespace {

int SignificantDigits(std::string_view text) {
    int digits = 0;
    bool leading = true;
    for (char c : text) {
        if (c == 'e' || c == 'E')
            break;
        if (c < '0' || c > '9')
            continue;
        if (leading && c == '0')
            continue;
        leading = false;
        ++digits;
    }
    return digits;
}

} // namespace

std::string ShortestDecimalText(double value) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

std::string ShortestDecimalText(float value) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    std::string text(buf, res.ptr);
    if (SignificantDigits(text) <= 7)
        return text;
    // Shortest round-trip text needs 8 or 9 digits: round to 7 as a single is displayed.
    std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(value));
    return buf;
}

} // namespace ondrell
