#pragma once
// Small readings shared by the validation rules: what "given" means, how codes compare and how
// a text is read as a number.

#include "checks/numbers.h"
#include "notice/record.h"
#include "util/text_compare.h"
#include "validation/values_helpers.h"

#include <algorithm>
#include <string>
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
    return EqualsNoCase(a, b);
}

// A count read from a text: its leading number rounded to the nearest whole number, a half to
// the even neighbour; absurd sizes are held to a billion either way.
inline long WholeNumberOf(std::string_view text) {
    const double rounded = RoundHalfEven(ReadItemNumber(text));
    return static_cast<long>(std::clamp(rounded, -1e9, 1e9));
}

// A position counts as given when any one of its four texts is.
inline bool AnyGiven(const Coordinate &c) {
    return Given(c.deg) || Given(c.hemi) || Given(c.min) || Given(c.sec);
}

} // namespace ondrell
