#pragma once
// How the field checks read numbers out of typed text. Three readings exist side by side:
// the leading number (what a value "is" for range comparisons), the whole-text number test
// (whether a text is a number at all) and the whole-number form (no decimal or group mark).

#include <optional>
#include <string_view>

namespace ondrell {

// The leading decimal number of a text: leading blanks are skipped, then an optional sign,
// digits, a full stop with a fraction and an exponent ("e" or "E", optional sign, digits) are
// read as far as they form a number; the rest of the text is ignored. A text that does not
// begin with a number reads as 0. Values beyond the double range read as +-infinity.
double ReadLeadingNumber(std::string_view text);

// The value of a text that is a number as a whole (see IsNumber), nullopt otherwise. Group
// marks (",") are dropped from the value, so "1,234" is 1234.
std::optional<double> ParseNumber(std::string_view text);

// True when the whole text, blanks around it allowed, reads as a number: an optional sign,
// digits with optional "," group marks between them, an optional full stop and fraction, an
// optional exponent. At least one digit is needed; the empty text is not a number, and neither
// is a number too large for a double.
bool IsNumber(std::string_view text);

// True when the text holds neither "," nor "." and is a number: what a whole-number field accepts.
bool IsWholeNumberForm(std::string_view text);

// Rounds to the nearest whole number, a half to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// A date part as the checks see it: the text's number rounded half-to-even, or nullopt when the
// text is not a number or the rounded value does not fit a 16-bit signed integer.
std::optional<int> DatePartValue(std::string_view text);

} // namespace ondrell
