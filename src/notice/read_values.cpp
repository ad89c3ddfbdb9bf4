#include "notice/read_values.h"

namespace ondrell {
namespace {

bool AllDigits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return !s.empty();
}

std::optional<Coordinate> ReadSigned(std::string_view text, int degreeDigits, const char *plus,
                                     const char *minus) {
    if (text.size() != static_cast<size_t>(1 + degreeDigits + 4) || (text[0] != '+' && text[0] != '-') ||
        !AllDigits(text.substr(1)))
        return std::nullopt;
    Coordinate c;
    c.deg = text.substr(1, degreeDigits);
    c.hemi = text[0] == '+' ? plus : minus;
    c.min = text.substr(1 + degreeDigits, 2);
    c.sec = text.substr(3 + degreeDigits, 2);
    return c;
}

} // namespace

std::optional<std::string> ReadIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !AllDigits(text.substr(0, 4)) ||
        !AllDigits(text.substr(5, 2)) || !AllDigits(text.substr(8, 2)))
        return std::nullopt;
    return std::string(text);
}

std::optional<std::string> ReadTime(std::string_view text) {
    if (text.size() < 4 || text.size() > 7 || text[2] != ':')
        return std::nullopt;
    return std::string(text.substr(0, 2)) + std::string(text.substr(3));
}

std::optional<Coordinate> ReadLongitude(std::string_view text) {
    return ReadSigned(text, 3, "E", "W");
}
std::optional<Coordinate> ReadLatitude(std::string_view text) {
    return ReadSigned(text, 2, "N", "S");
}

std::optional<int> ReadWholeNumber(std::string_view text) {
    if (text.size() > 9 || !AllDigits(text))
        return std::nullopt;
    int n = 0;
    for (char c : text)
        n = n * 10 + (c - '0');
    return n;
}

int LeadingWholeNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    int n = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && n < 100000000; ++i)
        n = n * 10 + (text[i] - '0');
    return n;
}

} // namespace ondrell
