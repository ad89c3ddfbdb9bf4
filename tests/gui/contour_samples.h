#pragma once
// GA1 records for the contour detail window and its benchmark: no points, three points, 99 points
// on a circle, a figure eight; and the built world map.

#include "geo/world_map.h"
#include "notice/record.h"

#include <QtGlobal>

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace ondrell::testing {

inline const WorldMap *SampleMap() {
    static const std::optional<WorldMap> map = [] {
        std::string error;
        auto loaded = WorldMap::Load(ONDRELL_MAP_FILE, &error);
        if (!loaded)
            qFatal("cannot load the map %s: %s", ONDRELL_MAP_FILE, error.c_str());
        return loaded;
    }();
    return &*map;
}

// A signed coordinate text of decimal degrees, rounded to the second: "+DDDMMSS" / "+DDMMSS".
inline std::string SignedText(double degrees, bool longitude) {
    const int seconds = static_cast<int>(std::lround(std::fabs(degrees) * 3600)) % (360 * 3600);
    char text[48];
    std::snprintf(text, sizeof text, longitude ? "%c%03d%02d%02d" : "%c%02d%02d%02d", degrees < 0 ? '-' : '+',
                  seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

// A GA1 notice as the View button gives it: every listed point given, the number of test points
// set to the number listed.
inline NoticeRecord ContourRecord(const std::string &contourId,
                                  const std::vector<std::pair<double, double>> &points,
                                  const std::string &adm = "F", const std::string &country = "F") {
    NoticeRecord record;
    record.t_notice_type = "GA1";
    record.t_adm = adm;
    record.t_ctry = country;
    record.sub_area.present = true;
    record.sub_area.t_contour_id = contourId;
    record.sub_area.t_nb_test_pts = std::to_string(points.size());
    for (const auto &[lon, lat] : points)
        record.sub_area.test_points.push_back({true, SignedText(lon, true), SignedText(lat, false)});
    return record;
}

// A circle of n points in France, in the Jura about 10 km from the Swiss border at its nearest.
inline std::vector<std::pair<double, double>> CirclePoints(int n, double lon = 5.6, double lat = 46.45,
                                                           double radiusLat = 0.22) {
    std::vector<std::pair<double, double>> points;
    const double cosLat = std::cos(lat * M_PI / 180);
    for (int i = 0; i < n; ++i) {
        const double a = 2 * M_PI * i / n;
        points.emplace_back(lon + radiusLat * std::cos(a) / cosLat, lat + radiusLat * std::sin(a));
    }
    return points;
}

// Around Lake Geneva: a point in France, one in Switzerland 15 km from France, one in Switzerland
// 5 km from France (within the country check's tolerance).
inline const std::vector<std::pair<double, double>> kThreePoints{{5.95, 46.05}, {6.85, 46.55}, {6.35, 46.45}};

// A figure eight near the Swiss border: its middle segments cross once.
inline const std::vector<std::pair<double, double>> kFigureEight{
    {5.50, 46.00}, {5.90, 46.30}, {5.50, 46.30}, {5.90, 46.00}};

} // namespace ondrell::testing
