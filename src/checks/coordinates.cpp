#include "checks/coordinates.h"

#include "checks/text_chars.h"

namespace ondrell {
namespace {

using text_chars::Mid;

bool IsOneOf(std::string_view text, char upperA, char upperB) {
    if (text.size() != 1)
        return false;
    const char c = text[0] >= 'a' && text[0] <= 'z' ? static_cast<char>(text[0] - 'a' + 'A') : text[0];
    return c == upperA || c == upperB;
}

bool StartsWith(std::string_view text, char c) {
    return !text.empty() && text.front() == c;
}

std::string SecondsOr00(std::string seconds) {
    return seconds.empty() ? std::string("00") : seconds;
}

} // namespace

bool IsEastWest(std::string_view text) {
    return IsOneOf(text, 'E', 'W');
}

bool IsNorthSouth(std::string_view text) {
    return IsOneOf(text, 'N', 'S');
}

std::string PadLeft3(std::string_view text) {
    const std::size_t count = text_chars::Count(text);
    // Built by appending: GCC 12 at -O3 misreads "00" + string as overlapping copies (-Wrestrict).
    std::string padded(count == 1 ? 2 : count == 2 ? 1 : 0, '0');
    padded.append(text);
    return padded;
}

std::string LongitudeDegrees(std::string_view signedLong) {
    return std::string(Mid(signedLong, 2, 3));
}
std::string LongitudeMinutes(std::string_view signedLong) {
    return std::string(Mid(signedLong, 5, 2));
}
std::string LongitudeSeconds(std::string_view signedLong) {
    if (text_chars::Count(signedLong) == 6)
        return {};
    return std::string(Mid(signedLong, 7, 2));
}
std::string LongitudeHemisphere(std::string_view signedLong) {
    return StartsWith(signedLong, '+') ? "E" : "W";
}

std::string LatitudeDegrees(std::string_view signedLat) {
    return std::string(Mid(signedLat, 2, 2));
}
std::string LatitudeMinutes(std::string_view signedLat) {
    return std::string(Mid(signedLat, 4, 2));
}
std::string LatitudeSeconds(std::string_view signedLat) {
    if (text_chars::Count(signedLat) == 5)
        return {};
    return std::string(Mid(signedLat, 6, 2));
}
std::string LatitudeHemisphere(std::string_view signedLat) {
    return StartsWith(signedLat, '-') ? "S" : "N";
}

std::string MapCoordText(std::string_view signedLong, std::string_view signedLat) {
    return LatitudeDegrees(signedLat) + LatitudeMinutes(signedLat) + SecondsOr00(LatitudeSeconds(signedLat)) +
           LatitudeHemisphere(signedLat) + LongitudeDegrees(signedLong) + LongitudeMinutes(signedLong) +
           SecondsOr00(LongitudeSeconds(signedLong)) + LongitudeHemisphere(signedLong);
}

} // namespace ondrell
