#pragma once
// Small readings shared by the validation rules: what "given" means, how codes compare and how
// a text is read as a number.

#include "notice/record.h"

#include <cmath>
#include <string_view>

namespace ondrell {

// An item is given when its text is not empty.
inline bool Given(std::string_view text) {
    return !text.empty();
}
inline bool Missing(std::string_view text) {
    return text.empty();
}

// Codes compare without regard to letter case (ASCII letters only; codes never hold others).
inline bool SameCode(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

// The leading decimal number of a text: blanks are skipped anywhere, then an optional sign,
// digits, an optional full stop and fraction; reading stops at the first character that cannot
// continue the number. A text that does not begin with a number reads as 0.
inline double LeadingNumber(std::string_view text) {
    double whole = 0.0, scale = 1.0;
    bool negative = false, signSeen = false, digitSeen = false, inFraction = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r')
            continue;
        if ((c == '+' || c == '-') && !signSeen && !digitSeen && !inFraction) {
            signSeen = true;
            negative = c == '-';
        } else if (c >= '0' && c <= '9') {
            digitSeen = true;
            if (inFraction) {
                scale /= 10.0;
                whole += (c - '0') * scale;
            } else {
                whole = whole * 10.0 + (c - '0');
            }
        } else if (c == '.' && !inFraction) {
            inFraction = true;
            signSeen = true;
        } else {
            break;
        }
    }
    return negative ? -whole : whole;
}

// A count read from a text: its leading number rounded to the nearest whole number, a half to
// the even neighbour.
inline long WholeNumberOf(std::string_view text) {
    return std::lround(std::nearbyint(LeadingNumber(text)));
}

// A position counts as given when any one of its four texts is.
inline bool AnyGiven(const Coordinate &c) {
    return Given(c.deg) || Given(c.hemi) || Given(c.min) || Given(c.sec);
}

} // namespace ondrell
