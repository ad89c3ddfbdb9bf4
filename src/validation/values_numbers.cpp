#include "validation/values_helpers.h"

#include <charconv>
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
double ReadItemNumber(std::string_view text) {
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
