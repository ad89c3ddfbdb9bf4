#include "validation/values_helpers.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace ondrell {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

// Only a sign, digits and one full stop with its fraction make the number: unlike the field
// checks, the rules do not read an exponent, so "1e2" is 1.
double ReadItemNumberSlowly(std::string_view text) {
    // Most items are short plain numbers: their value is computed without building a text when the
    // digits fit a double exactly and the fraction is at most 22 digits, where one correctly rounded
    // division gives the same double as reading the text would.
    {
        bool negative = false, signRead = false, pointRead = false, digitRead = false;
        std::uint64_t mantissa = 0;
        int fractionDigits = 0;
        bool exact = true;
        for (const char c : text) {
            if (IsBlank(c))
                continue;
            if ((c == '+' || c == '-') && !signRead && !digitRead && !pointRead) {
                negative = c == '-';
                signRead = true;
            } else if (IsDigit(c)) {
                digitRead = true;
                mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
                if (mantissa > (std::uint64_t{1} << 53)) {
                    exact = false;
                    break;
                }
                fractionDigits += pointRead;
            } else if (c == '.' && !pointRead) {
                pointRead = true;
            } else {
                break;
            }
        }
        if (exact && fractionDigits <= 22) {
            if (!digitRead)
                return 0.0;
            static constexpr double kTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
            const double value = static_cast<double>(mantissa) / kTens[fractionDigits];
            return negative ? -value : value;
        }
    }
    bool negative = false, signRead = false, pointRead = false, digitRead = false;
    std::string plain;
    for (char c : text) {
        if (IsBlank(c))
            continue;
        if ((c == '+' || c == '-') && !signRead && plain.empty()) {
            negative = c == '-';
            signRead = true;
        } else if (IsDigit(c)) {
            plain += c;
            digitRead = true;
        } else if (c == '.' && !pointRead) {
            plain += c;
            pointRead = true;
        } else {
            break;
        }
    }
    if (!digitRead)
        return 0.0;
    if (plain.front() == '.')
        plain.insert(plain.begin(), '0');
    if (plain.back() == '.')
        plain.pop_back();
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range)
        value = std::numeric_limits<double>::infinity();
    return negative ? -value : value;
}

} // namespace ondrell
