#pragma once
// Hemisphere tests, zero padding and the signed coordinate text helpers.
//
// A signed coordinate text is a sign ("+" or "-") followed by degrees, minutes and optional
// seconds: a longitude is sign DDD MM [SS] (8 or 6 characters), a latitude sign DD MM [SS]
// (7 or 5 characters). For a longitude "+" means East and anything else West; for a latitude
// "-" means South and anything else North. The helpers cut by character position and never
// fail: on a short or malformed text they return whatever the positions hold (possibly "").

#include <string>
#include <string_view>

namespace ondrell {

// True when the text is "E" or "W", ignoring case.
bool IsEastWest(std::string_view text);
// True when the text is "N" or "S", ignoring case.
bool IsNorthSouth(std::string_view text);

// "7" -> "007", "12" -> "012"; "" stays ""; three characters or more are returned unchanged.
std::string PadLeft3(std::string_view text);

// Longitude parts: characters 2-4, 5-6 and 7-8; the seconds are "" for a 6-character text.
std::string LongitudeDegrees(std::string_view signedLong);
std::string LongitudeMinutes(std::string_view signedLong);
std::string LongitudeSeconds(std::string_view signedLong);
// "E" when the text starts with "+", else "W".
std::string LongitudeHemisphere(std::string_view signedLong);

// Latitude parts: characters 2-3, 4-5 and 6-7; the seconds are "" for a 5-character text.
std::string LatitudeDegrees(std::string_view signedLat);
std::string LatitudeMinutes(std::string_view signedLat);
std::string LatitudeSeconds(std::string_view signedLat);
// "S" when the text starts with "-", else "N".
std::string LatitudeHemisphere(std::string_view signedLat);

// The 15-character text the world map reads: latitude DD MM SS and N/S, then longitude DDD MM SS
// and E/W, with no separators; missing seconds are written "00".
// Example: ("+0123456", "-4512") -> "451200S0123456E".
std::string MapCoordText(std::string_view signedLong, std::string_view signedLat);

} // namespace ondrell
