#include "checks/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace ondrell {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Converts plain "digits[.digits][e[+-]digits]" (no sign, no group marks) without regard to the
// process locale, which a desktop toolkit may have switched to one with a decimal comma.
double ConvertUnsigned(const std::string &plain) {
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // Too large becomes infinity; too small is as good as zero.
        const auto e = plain.find_first_of("eE");
        const bool negativeExponent = e != std::string::npos && e + 1 < plain.size() && plain[e + 1] == '-';
        return negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return value;
}

// Reads "[digits][.digits][e[+-]digits]" from text at pos into out (group marks allowed when
// asked); returns false when no mantissa digit was found. pos ends after what was read.
bool ReadUnsignedNumber(std::string_view text, std::size_t &pos, std::string &out, bool groupMarks) {
    bool digits = false;
    while (pos < text.size()) {
        const char c = text[pos];
        if (IsDigit(c)) {
            out += c;
            digits = true;
            ++pos;
        } else if (groupMarks && c == ',' && digits && pos + 1 < text.size() && IsDigit(text[pos + 1])) {
            ++pos;
        } else {
            break;
        }
    }
    if (pos < text.size() && text[pos] == '.') {
        std::size_t p = pos + 1;
        std::string fraction;
        while (p < text.size() && IsDigit(text[p]))
            fraction += text[p++];
        if (digits || !fraction.empty()) {
            if (!digits)
                out += '0';
            out += '.';
            out += fraction.empty() ? "0" : fraction;
            digits = true;
            pos = p;
        }
    }
    if (!digits)
        return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t p = pos + 1;
        std::string exponent = "e";
        if (p < text.size() && (text[p] == '+' || text[p] == '-'))
            exponent += text[p++];
        const std::size_t firstDigit = p;
        while (p < text.size() && IsDigit(text[p]))
            exponent += text[p++];
        if (p > firstDigit) {
            out += exponent;
            pos = p;
        }
    }
    return true;
}

bool ReadSign(std::string_view text, std::size_t &pos) {
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        return text[pos++] == '-';
    return false;
}

} // namespace

double ReadLeadingNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    const bool negative = ReadSign(text, pos);
    std::string plain;
    if (!ReadUnsignedNumber(text, pos, plain, false))
        return 0.0;
    const double value = ConvertUnsigned(plain);
    return negative ? -value : value;
}

std::optional<double> ParseNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    const bool negative = ReadSign(text, pos);
    std::string plain;
    if (!ReadUnsignedNumber(text, pos, plain, true))
        return std::nullopt;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    if (pos != text.size())
        return std::nullopt;
    const double value = ConvertUnsigned(plain);
    if (!std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

bool IsNumber(std::string_view text) {
    return ParseNumber(text).has_value();
}

bool IsWholeNumberForm(std::string_view text) {
    return text.find_first_of(",.") == std::string_view::npos && IsNumber(text);
}

double RoundHalfEven(double value) {
    const double nearest = std::round(value); // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return nearest;
}

std::optional<int> DatePartValue(std::string_view text) {
    const auto value = ParseNumber(text);
    if (!value)
        return std::nullopt;
    const double rounded = RoundHalfEven(*value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<int>(rounded);
}

} // namespace ondrell
