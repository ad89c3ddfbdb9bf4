#pragma once
// The GeoJSON features of one notice (RFC 7946: WGS84 decimal degrees, longitude first): its site
// and its target position as Points, a GA1 contour as a Polygon when its last point closes it and
// as a LineString when not. A notice without any position has no feature.

#include "notice/notice_reader.h"
#include "validation/validate.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace ondrell::tool {

// Decimal degrees of a position as held in a record (east and north positive); nullopt when it
// was not given or is not a number. Computed in double precision, rounded to 1e-7 degree.
std::optional<double> Degrees(const Coordinate &c);

// Features of the notice read from `file`; with an outcome, each carries the receivability verdict
// ("receivable") and the messages of the error-list window ("messages", LF line ends).
std::vector<nlohmann::ordered_json> NoticeFeatures(const std::string &file, const ReadNotice &notice,
                                                   const ValidationOutcome *outcome);

} // namespace ondrell::tool
