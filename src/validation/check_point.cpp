#include "validation/check_point.h"

#include "refdata/area_codes.h"
#include "refdata/decimal_text.h"
#include "validation/check_point_coordinates.h"

#include <algorithm>
#include <array>

namespace ondrell {
namespace {

// Neighbours outside the planning area: a point in one of them is never accepted for a country.
constexpr std::array<std::string_view, 6> kOutsidePlanningArea = {"CHN", "AFG", "J", "KRE", "MNG", "PAK"};

bool OutsidePlanningArea(std::string_view area) {
    return std::any_of(kOutsidePlanningArea.begin(), kOutsidePlanningArea.end(),
                       [&](std::string_view s) { return SameSymbol(s, area); });
}

std::string Trimmed(std::string text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string WorldMapQueries::AreaAt(double lon, double lat) const {
    return map_ ? map_->AreaAt(lon, lat) : std::string();
}

std::vector<NearArea> WorldMapQueries::NearAreas(double lon, double lat) const {
    return map_ ? map_->NearAreas(lon, lat, kNearSearchKm, kNearMaxCount) : std::vector<NearArea>();
}

std::vector<Crossing> WorldMapQueries::Crossings(const std::vector<std::pair<double, double>> &points) const {
    return PolygonCrossings(points);
}

PointVerdict JudgePointInCountry(std::string_view areaAt, const std::vector<NearArea> &near,
                                 std::string_view country, int toleranceKm) {
    const std::string found = Trimmed(std::string(areaAt));
    if (SameSymbol(found, country))
        return {true, {}};
    const std::string where = found.empty() ? "the sea" : found;

    const std::size_t count = std::min(near.size(), kNearMaxCount);
    for (std::size_t i = 0; i < count; ++i) {
        if (!SameSymbol(Trimmed(near[i].symbol), country))
            continue;
        // The distance is a single-precision number, as the map has always reported it.
        const float km = static_cast<float>(near[i].km);
        const bool outside = km < static_cast<float>(toleranceKm) && OutsidePlanningArea(found);
        PointVerdict verdict;
        verdict.accepted = km < static_cast<float>(toleranceKm) && !outside;
        verdict.detail = " are in " + where + ", ";
        verdict.detail += static_cast<long>(km) == 0 ? std::string("less than 1") : ShortestDecimalText(km);
        verdict.detail += " km from " + std::string(country);
        if (outside)
            verdict.detail += " and OUTSIDE of the PLANNING AREA ";
        return verdict;
    }
    return {false, " are not in " + std::string(country) + " according to the Ostrel's Mapora"};
}

bool CheckPointInCountry(const MapQueries &map, Coordinate &lon, Coordinate &lat, std::string_view country,
                         int toleranceKm, std::string &detail) {
    if (lon.sec.empty())
        lon.sec = "00";
    if (lat.sec.empty())
        lat.sec = "00";
    if (!map.HasMap()) {
        detail = kNoMapDetail;
        return false;
    }
    const auto point = ReadMapText(MapText(lon, lat));
    if (!point) {
        detail = kUnreadableDetail;
        return false;
    }
    const std::string area = map.AreaAt(point->lon, point->lat);
    std::vector<NearArea> near;
    if (!SameSymbol(Trimmed(area), country))
        near = map.NearAreas(point->lon, point->lat);
    auto verdict = JudgePointInCountry(area, near, country, toleranceKm);
    detail = std::move(verdict.detail);
    return verdict.accepted;
}

bool CheckPointInCountry(const WorldMap *map, Coordinate &lon, Coordinate &lat, std::string_view country,
                         int toleranceKm, std::string &detail) {
    return CheckPointInCountry(WorldMapQueries(map), lon, lat, country, toleranceKm, detail);
}

} // namespace ondrell
