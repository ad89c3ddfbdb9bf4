#include "checks/coordinates.h"
#include "checks/numbers.h"
#include "refdata/area_codes.h"
#include "validation/check_point_coordinates.h"
#include "validation/findings.h"
#include "validation/geo_validation.h"

#include <algorithm>

namespace ondrell {

long TestPointCount(const SubAreaGroup &subArea) {
    // Held to a billion either way before the cast: a count of 22 digits does not fit a long.
    return static_cast<long>(std::clamp(RoundHalfEven(ReadLeadingNumber(subArea.t_nb_test_pts)), -1e9, 1e9));
}

std::vector<std::pair<int, int>> ContourCrossingPairs(const SubAreaGroup &subArea, const MapQueries &map) {
    const auto &points = subArea.test_points;
    const long n = std::min<long>(TestPointCount(subArea), static_cast<long>(points.size()));
    if (n <= 0)
        return {};

    // A point that was not given, or that cannot be read, is left out of the polygon; the others
    // keep their position in the list (from 1), which is what a crossing message names.
    std::vector<std::pair<double, double>> polygon;
    std::vector<int> position;
    for (long i = 0; i < n; ++i) {
        if (!points[i].given)
            continue;
        if (auto p = ReadMapText(MapCoordText(points[i].t_long, points[i].t_lat))) {
            polygon.emplace_back(p->lon, p->lat);
            position.push_back(static_cast<int>(i) + 1);
        }
    }
    const TestPoint &first = points.front();
    const TestPoint &last = points[n - 1];
    if (!polygon.empty() &&
        (!SameSymbol(first.t_long, last.t_long) || !SameSymbol(first.t_lat, last.t_lat))) {
        polygon.push_back(polygon.front());
        position.push_back(static_cast<int>(n) + 1); // the closing point stands for point n+1
    }

    auto positionOf = [&](int index) {
        return index >= 0 && static_cast<std::size_t>(index) < position.size() ? position[index] : index + 1;
    };
    std::vector<std::pair<int, int>> pairs;
    for (const Crossing &c : map.Crossings(polygon))
        pairs.emplace_back(positionOf(c.p), positionOf(c.q));
    return pairs;
}

bool CheckContourCrossing(const SubAreaGroup &subArea, std::string &errors, const std::string &label,
                          const MapQueries &map) {
    const auto pairs = ContourCrossingPairs(subArea, map);
    for (const auto &[p, q] : pairs) {
        AppendFinding(errors, Severity::Fatal, label,
                      " : EITHER the segment formed by test point " + std::to_string(p) + " and " +
                          std::to_string(p + 1) + " crosses the segment formed by test point " +
                          std::to_string(q) + " and " + std::to_string(q + 1) +
                          " OR the two points have the same coordinates");
    }
    return !pairs.empty();
}

bool CheckContourCrossing(const SubAreaGroup &subArea, std::string &errors, const std::string &label) {
    // The crossing test needs no map data.
    return CheckContourCrossing(subArea, errors, label, WorldMapQueries(nullptr));
}

} // namespace ondrell
