#pragma once
// Positions as the map reads them: the 15-character map text (latitude DDMMSS and N or S, then
// longitude DDDMMSS and E or W) and its reading into decimal degrees.

#include "notice/record.h"

#include <optional>
#include <string>
#include <string_view>

namespace ondrell {

struct MapPoint {
    double lon = 0; // east-positive decimal degrees
    double lat = 0; // north-positive decimal degrees
};

// The map text of a position held as four texts each; parts are laid end to end as they stand.
std::string MapText(const Coordinate &lon, const Coordinate &lat);

// Reads a map text into degrees, computed in single precision as the map's own reader does.
// nullopt when the text is not 15 characters of digits and hemisphere letters in their places.
std::optional<MapPoint> ReadMapText(std::string_view text);

// True for a well-formed signed coordinate text: "+" or "-", degrees (3 digits for a longitude,
// 2 for a latitude), minutes and optional seconds in 2 digits, within their ranges.
bool IsSignedLongitudeText(std::string_view text);
bool IsSignedLatitudeText(std::string_view text);

// The four texts of a signed coordinate text ("+0050709", "-461200", seconds optional).
Coordinate SplitSignedLongitude(std::string_view signedLong);
Coordinate SplitSignedLatitude(std::string_view signedLat);

} // namespace ondrell
