#include "geojson_features.h"

#include "validation/check_point_coordinates.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ondrell::tool {
namespace {

using Json = nlohmann::ordered_json;
using Position = std::pair<double, double>; // longitude, latitude

std::optional<int> Whole(const std::string &text, bool optional) {
    if (text.empty())
        return optional ? std::optional<int>(0) : std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<Position> PositionOf(const Coordinate &lon, const Coordinate &lat) {
    const auto x = Degrees(lon), y = Degrees(lat);
    if (!x || !y)
        return std::nullopt;
    return Position{*x, *y};
}

Json Coordinates(const Position &p) {
    return Json::array({p.first, p.second});
}

// Twice the signed area of a ring; positive when it runs counterclockwise.
double SignedArea(const std::vector<Position> &ring) {
    double sum = 0;
    for (std::size_t i = 0; i + 1 < ring.size(); ++i)
        sum += ring[i].first * ring[i + 1].second - ring[i + 1].first * ring[i].second;
    return sum;
}

Json ContourGeometry(std::vector<Position> points) {
    if (points.size() == 1)
        return {{"type", "Point"}, {"coordinates", Coordinates(points.front())}};
    const bool closed = points.size() >= 4 && points.front() == points.back();
    // RFC 7946 wants outer rings counterclockwise; the contour is the same either way round.
    if (closed && SignedArea(points) < 0)
        std::reverse(points.begin(), points.end());
    Json line = Json::array();
    for (const auto &p : points)
        line.push_back(Coordinates(p));
    if (closed)
        return {{"type", "Polygon"}, {"coordinates", Json::array({line})}};
    return {{"type", "LineString"}, {"coordinates", line}};
}

std::vector<Position> ContourPoints(const SubAreaGroup &subArea) {
    std::vector<Position> points;
    for (const TestPoint &point : subArea.test_points) {
        if (!point.given || !IsSignedLongitudeText(point.t_long) || !IsSignedLatitudeText(point.t_lat))
            continue;
        if (auto p = PositionOf(SplitSignedLongitude(point.t_long), SplitSignedLatitude(point.t_lat)))
            points.push_back(*p);
    }
    return points;
}

Json TextOrNull(const std::string &text) {
    return text.empty() ? Json(nullptr) : Json(text);
}

// The same fields on every feature, null when not given, so GIS tools see one attribute table.
Json Properties(const std::string &file, const ReadNotice &notice, const char *position,
                const ValidationOutcome *outcome) {
    const NoticeRecord &r = notice.record;
    Json properties = {{"file", file},
                       {"notice", notice.number},
                       {"notice_type", TextOrNull(r.t_notice_type)},
                       {"position", position},
                       {"adm", TextOrNull(r.t_adm)},
                       {"ctry", TextOrNull(r.t_ctry)},
                       {"adm_ref_id", TextOrNull(r.t_adm_ref_id)},
                       {"trg_adm_ref_id", TextOrNull(r.t_trg_adm_ref_id)},
                       {"plan_adm_ref_id", TextOrNull(r.t_plan_adm_ref_id)},
                       {"contour_id", TextOrNull(r.sub_area.t_contour_id)},
                       {"site_name", TextOrNull(r.t_site_name)},
                       {"freq_assgn", TextOrNull(r.t_freq_assgn)},
                       {"trg_freq_assgn", TextOrNull(r.t_trg_freq_assgn)}};
    if (outcome) {
        std::string messages;
        for (char c : outcome->text)
            if (c != '\r')
                messages += c;
        properties["receivable"] = outcome->receivable;
        properties["messages"] = messages;
    }
    return properties;
}

Json Feature(Json geometry, Json properties) {
    return {{"type", "Feature"}, {"geometry", std::move(geometry)}, {"properties", std::move(properties)}};
}

} // namespace

std::optional<double> Degrees(const Coordinate &c) {
    if (c.hemi.size() != 1)
        return std::nullopt;
    const auto deg = Whole(c.deg, false), min = Whole(c.min, true), sec = Whole(c.sec, true);
    if (!deg || !min || !sec)
        return std::nullopt;
    const double value = std::round((*deg + *min / 60.0 + *sec / 3600.0) * 1e7) / 1e7;
    const char hemi = c.hemi[0];
    return hemi == 'W' || hemi == 'w' || hemi == 'S' || hemi == 's' ? -value : value;
}

std::vector<Json> NoticeFeatures(const std::string &file, const ReadNotice &notice,
                                 const ValidationOutcome *outcome) {
    const NoticeRecord &r = notice.record;
    std::vector<Json> features;
    const auto point = [&](const Position &p, const char *position) {
        features.push_back(Feature({{"type", "Point"}, {"coordinates", Coordinates(p)}},
                                   Properties(file, notice, position, outcome)));
    };
    if (const auto site = PositionOf(r.site_long, r.site_lat))
        point(*site, "site");
    if (const auto target = PositionOf(r.trg_long, r.trg_lat))
        point(*target, "target");
    if (const auto contour = ContourPoints(r.sub_area); !contour.empty())
        features.push_back(Feature(ContourGeometry(contour), Properties(file, notice, "contour", outcome)));
    return features;
}

} // namespace ondrell::tool
