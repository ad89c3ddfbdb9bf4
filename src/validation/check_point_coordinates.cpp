#include "validation/check_point_coordinates.h"

#include "checks/coordinates.h"
#include "util/dms.h"

namespace ondrell {
namespace {

std::optional<int> Digits(std::string_view text) {
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Degrees of one DMS group followed by its hemisphere letter; the negative letter gives the sign.
std::optional<double> ReadGroup(std::string_view group, std::size_t degWidth, char positive, char negative) {
    auto deg = Digits(group.substr(0, degWidth));
    auto min = Digits(group.substr(degWidth, 2));
    auto sec = Digits(group.substr(degWidth + 2, 2));
    char hemi = group[degWidth + 4];
    if (hemi >= 'a' && hemi <= 'z')
        hemi = static_cast<char>(hemi - 'a' + 'A');
    if (!deg || !min || !sec || (hemi != positive && hemi != negative))
        return std::nullopt;
    const double value = DmsToDecimal(static_cast<std::int16_t>(*deg), static_cast<std::int16_t>(*min),
                                      static_cast<std::int16_t>(*sec));
    return hemi == negative ? -value : value;
}

bool IsSignedText(std::string_view text, std::size_t degWidth, int maxDegrees) {
    if (text.size() != degWidth + 3 && text.size() != degWidth + 5)
        return false;
    if (text[0] != '+' && text[0] != '-')
        return false;
    const auto deg = Digits(text.substr(1, degWidth));
    const auto min = Digits(text.substr(1 + degWidth, 2));
    const auto sec = Digits(text.substr(3 + degWidth));
    if (!deg || !min || !sec || *min > 59 || *sec > 59)
        return false;
    const int seconds = (*deg * 60 + *min) * 60 + *sec;
    return seconds <= maxDegrees * 3600;
}

} // namespace

bool IsSignedLongitudeText(std::string_view text) {
    return IsSignedText(text, 3, 180);
}

bool IsSignedLatitudeText(std::string_view text) {
    return IsSignedText(text, 2, 90);
}

std::string MapText(const Coordinate &lon, const Coordinate &lat) {
    return lat.deg + lat.min + lat.sec + lat.hemi + lon.deg + lon.min + lon.sec + lon.hemi;
}

std::optional<MapPoint> ReadMapText(std::string_view text) {
    if (text.size() != 15)
        return std::nullopt;
    auto lat = ReadGroup(text.substr(0, 7), 2, 'N', 'S');
    auto lon = ReadGroup(text.substr(7, 8), 3, 'E', 'W');
    if (!lat || !lon)
        return std::nullopt;
    return MapPoint{*lon, *lat};
}

Coordinate SplitSignedLongitude(std::string_view signedLong) {
    return {LongitudeDegrees(signedLong), LongitudeHemisphere(signedLong), LongitudeMinutes(signedLong),
            LongitudeSeconds(signedLong)};
}

Coordinate SplitSignedLatitude(std::string_view signedLat) {
    return {LatitudeDegrees(signedLat), LatitudeHemisphere(signedLat), LatitudeMinutes(signedLat),
            LatitudeSeconds(signedLat)};
}

} // namespace ondrell
