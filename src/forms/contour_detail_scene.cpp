#include "forms/contour_detail_scene.h"

#include "checks/coordinates.h"
#include "checks/numbers.h"
#include "util/text_compare.h"
#include "validation/check_point.h"
#include "validation/check_point_coordinates.h"
#include "validation/geo_validation.h"

#include <algorithm>
#include <cmath>

namespace ondrell {

namespace {

constexpr double kMarginShare = 0.2;   // of the contour's larger extent on the ground
constexpr double kMinExtentDeg = 0.01; // a single point still gets about a kilometre around it
constexpr double kMinCosLat = 0.05;    // keeps the longitude scale finite near the poles
constexpr LonLatBox kNoPointsRegion{-0.5, -0.5, 0.5, 0.5};

double Degrees(const std::string &d, const std::string &m, const std::string &s) {
    return ReadLeadingNumber(d) + ReadLeadingNumber(m) / 60 + ReadLeadingNumber(s) / 3600;
}

PointMark MarkOf(const WorldMap &map, const TestPoint &point, const std::string &country) {
    Coordinate lon = SplitSignedLongitude(point.t_long);
    Coordinate lat = SplitSignedLatitude(point.t_lat);
    std::string detail;
    if (!CheckPointInCountry(&map, lon, lat, country, kCountryToleranceKm, detail))
        return PointMark::Outside;
    return detail.empty() ? PointMark::Inside : PointMark::Near;
}

LonLatBox RegionAround(const std::vector<std::pair<double, double>> &points, double *cosLat) {
    if (points.empty()) {
        *cosLat = 1;
        return kNoPointsRegion;
    }
    LonLatBox box{points[0].first, points[0].second, points[0].first, points[0].second};
    for (const auto &[lon, lat] : points) {
        box.west = std::min(box.west, lon);
        box.east = std::max(box.east, lon);
        box.south = std::min(box.south, lat);
        box.north = std::max(box.north, lat);
    }
    constexpr double kRad = 3.14159265358979323846 / 180;
    *cosLat = std::max(kMinCosLat, std::cos((box.south + box.north) / 2 * kRad));
    const double extent = std::max({(box.east - box.west) * *cosLat, box.north - box.south, kMinExtentDeg});
    const double margin = kMarginShare * extent;
    return {box.west - margin / *cosLat, std::max(-90.0, box.south - margin), box.east + margin / *cosLat,
            std::min(90.0, box.north + margin)};
}

// A square on the ground, twice the region's larger side, around the region's centre: the
// borders cover the plot whatever its shape, up to twice as wide as high or the reverse.
LonLatBox BorderQueryBox(const LonLatBox &region, double cosLat) {
    const double half = std::max((region.east - region.west) * cosLat, region.north - region.south);
    const double lon = (region.west + region.east) / 2, lat = (region.south + region.north) / 2;
    return {std::max(-180.0, lon - half / cosLat), std::max(-90.0, lat - half),
            std::min(180.0, lon + half / cosLat), std::min(90.0, lat + half)};
}

// Samples a grid over the region; each area found is labelled at its sample nearest to the mean
// of its samples, which lies inside the area.
std::vector<AreaLabel> LabelsIn(const WorldMap &map, const LonLatBox &region) {
    constexpr int kGrid = 9;
    struct Samples {
        std::vector<std::pair<double, double>> points;
        double lon = 0, lat = 0;
    };
    std::vector<std::pair<std::string, Samples>> areas;
    for (int i = 0; i < kGrid; ++i)
        for (int j = 0; j < kGrid; ++j) {
            const double lon = region.west + (region.east - region.west) * (i + 0.5) / kGrid;
            const double lat = region.south + (region.north - region.south) * (j + 0.5) / kGrid;
            const std::string symbol = map.AreaAt(lon, lat);
            if (symbol.empty())
                continue;
            auto it =
                std::find_if(areas.begin(), areas.end(), [&](const auto &a) { return a.first == symbol; });
            if (it == areas.end())
                it = areas.insert(areas.end(), {symbol, {}});
            it->second.points.emplace_back(lon, lat);
            it->second.lon += lon;
            it->second.lat += lat;
        }
    std::vector<AreaLabel> labels;
    for (auto &[symbol, samples] : areas) {
        const double n = static_cast<double>(samples.points.size());
        const double lon = samples.lon / n, lat = samples.lat / n;
        auto distance = [&](const std::pair<double, double> &p) {
            return std::hypot(p.first - lon, p.second - lat);
        };
        const auto best =
            std::min_element(samples.points.begin(), samples.points.end(),
                             [&](const auto &a, const auto &b) { return distance(a) < distance(b); });
        labels.push_back({symbol, best->first, best->second});
    }
    return labels;
}

} // namespace

double SignedLongitudeDegrees(std::string_view t) {
    const double value = Degrees(LongitudeDegrees(t), LongitudeMinutes(t), LongitudeSeconds(t));
    return LongitudeHemisphere(t) == "W" ? -value : value;
}

double SignedLatitudeDegrees(std::string_view t) {
    const double value = Degrees(LatitudeDegrees(t), LatitudeMinutes(t), LatitudeSeconds(t));
    return LatitudeHemisphere(t) == "S" ? -value : value;
}

ContourScene BuildContourScene(const NoticeRecord &record, const WorldMap *map) {
    ContourScene scene;
    const SubAreaGroup &subArea = record.sub_area;
    scene.title = "Contour ID : " + subArea.t_contour_id;
    scene.country = record.t_ctry;

    const auto n = static_cast<std::size_t>(
        std::clamp<long>(TestPointCount(subArea), 0, static_cast<long>(subArea.test_points.size())));
    std::vector<std::size_t> sceneIndex(n + 2, n); // by list position from 1
    const TestPoint *first = nullptr, *last = nullptr;
    for (std::size_t i = 0; i < n; ++i) {
        const TestPoint &point = subArea.test_points[i];
        if (!point.given)
            continue;
        sceneIndex[i + 1] = scene.points.size();
        scene.points.emplace_back(SignedLongitudeDegrees(point.t_long), SignedLatitudeDegrees(point.t_lat));
        scene.marks.push_back(map && !scene.country.empty() ? MarkOf(*map, point, scene.country)
                                                            : PointMark::Inside);
        first = first ? first : &point;
        last = &point;
    }
    const std::size_t count = scene.points.size();
    scene.closingSegment =
        count > 1 && !(EqualsNoCase(first->t_long, last->t_long) && EqualsNoCase(first->t_lat, last->t_lat));

    // The crossing check numbers segments by the list position of their first point.
    for (const auto &[p, q] : ContourCrossingPairs(subArea, WorldMapQueries(map)))
        for (int position : {p, q})
            if (position >= 1 && position <= static_cast<int>(n) && sceneIndex[position] < count) {
                const std::size_t from = sceneIndex[position];
                scene.crossings.emplace_back(from, (from + 1) % count);
            }
    std::sort(scene.crossings.begin(), scene.crossings.end());
    scene.crossings.erase(std::unique(scene.crossings.begin(), scene.crossings.end()), scene.crossings.end());

    scene.region = RegionAround(scene.points, &scene.cosLat);
    if (map && count > 0) {
        scene.borders = map->BordersInBox(BorderQueryBox(scene.region, scene.cosLat));
        scene.labels = LabelsIn(*map, scene.region);
    }
    return scene;
}

LonLatBox FitToAspect(const LonLatBox &region, double cosLat, double width, double height) {
    const double groundWidth = (region.east - region.west) * cosLat;
    const double groundHeight = region.north - region.south;
    const double lon = (region.west + region.east) / 2, lat = (region.south + region.north) / 2;
    double halfWidth = groundWidth / 2, halfHeight = groundHeight / 2;
    if (groundWidth * height < groundHeight * width)
        halfWidth = groundHeight * width / height / 2;
    else
        halfHeight = groundWidth * height / width / 2;
    return {lon - halfWidth / cosLat, lat - halfHeight, lon + halfWidth / cosLat, lat + halfHeight};
}

std::vector<double> AxisTicks(double lo, double hi, int maxCount, double *step) {
    std::vector<double> ticks;
    if (!(hi > lo) || !std::isfinite(lo) || !std::isfinite(hi) || maxCount < 1)
        return ticks;
    // The finest round step that gives no more than maxCount ticks.
    constexpr double kEps = 1e-9;
    const double magnitude = std::pow(10.0, std::floor(std::log10((hi - lo) / maxCount)));
    double s = magnitude;
    for (int i = 0;; ++i) {
        s = magnitude * std::pow(10.0, i / 3) * (i % 3 == 0 ? 1 : i % 3 == 1 ? 2 : 5);
        if (std::floor(hi / s + kEps) - std::ceil(lo / s - kEps) + 1 <= maxCount)
            break;
    }
    for (double k = std::ceil(lo / s - kEps); k <= std::floor(hi / s + kEps); ++k)
        ticks.push_back(k == 0 ? 0.0 : k * s); // no "-0"
    if (step)
        *step = s;
    return ticks;
}

} // namespace ondrell
