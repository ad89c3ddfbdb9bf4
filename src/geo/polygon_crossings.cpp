// Self-crossings of a closed polygon: pairs of non-adjacent edges that meet, adjacent edges that
// fold back over each other, and points given twice.

#include "geo/world_map.h"

#include <algorithm>

namespace ondrell {

namespace {

using Point = std::pair<double, double>;

int Sign(double v) {
    return (v > 0) - (v < 0);
}

int Orientation(const Point &a, const Point &b, const Point &c) {
    return Sign((b.first - a.first) * (c.second - a.second) - (b.second - a.second) * (c.first - a.first));
}

// c is known to lie on the line through a and b.
bool WithinBox(const Point &a, const Point &b, const Point &c) {
    return std::min(a.first, b.first) <= c.first && c.first <= std::max(a.first, b.first) &&
           std::min(a.second, b.second) <= c.second && c.second <= std::max(a.second, b.second);
}

double Dot(const Point &a, const Point &b, const Point &c, const Point &d) {
    return (b.first - a.first) * (d.first - c.first) + (b.second - a.second) * (d.second - c.second);
}

bool Intersect(const Point &a, const Point &b, const Point &c, const Point &d) {
    const int o1 = Orientation(a, b, c), o2 = Orientation(a, b, d);
    const int o3 = Orientation(c, d, a), o4 = Orientation(c, d, b);
    if (o1 * o2 < 0 && o3 * o4 < 0)
        return true;
    return (o1 == 0 && WithinBox(a, b, c)) || (o2 == 0 && WithinBox(a, b, d)) ||
           (o3 == 0 && WithinBox(c, d, a)) || (o4 == 0 && WithinBox(c, d, b));
}

// Two collinear segments that share more than a single point.
bool Overlap(const Point &a, const Point &b, const Point &c, const Point &d) {
    if (Orientation(a, b, c) != 0 || Orientation(a, b, d) != 0)
        return false;
    // Project on the segment's direction and compare the intervals.
    const double len = Dot(a, b, a, b);
    double t0 = Dot(a, b, a, c) / len, t1 = Dot(a, b, a, d) / len;
    if (t0 > t1)
        std::swap(t0, t1);
    return std::min(1.0, t1) - std::max(0.0, t0) > 0;
}

} // namespace

std::vector<Crossing> PolygonCrossings(const std::vector<Point> &points) {
    std::vector<Crossing> found;
    const int n = static_cast<int>(points.size());
    if (n < 2)
        return found;
    const bool closed = n > 2 && points.front() == points.back();
    const int distinct = closed ? n - 1 : n;
    for (int i = 0; i < distinct; ++i)
        for (int j = i + 1; j < distinct; ++j)
            if (points[i] == points[j])
                found.push_back({i, j});

    const int segments = n - 1; // segment k runs from point k to point k + 1
    auto degenerate = [&](int k) { return points[k] == points[k + 1]; };
    for (int i = 0; i < segments; ++i) {
        if (degenerate(i))
            continue;
        const Point &a = points[i], &b = points[i + 1];
        for (int j = i + 1; j < segments; ++j) {
            if (degenerate(j))
                continue;
            const Point &c = points[j], &d = points[j + 1];
            const bool adjacent = j == i + 1 || (closed && i == 0 && j == segments - 1);
            const bool sharePoint = a == c || a == d || b == c || b == d;
            if (adjacent || sharePoint) {
                // Meeting at the shared point is expected (or reported as a repeated point).
                if (Overlap(a, b, c, d))
                    found.push_back({i, j});
            } else if (Intersect(a, b, c, d)) {
                found.push_back({i, j});
            }
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Crossing &x, const Crossing &y) { return x.p != y.p ? x.p < y.p : x.q < y.q; });
    found.erase(std::unique(found.begin(), found.end(),
                            [](const Crossing &x, const Crossing &y) { return x.p == y.p && x.q == y.q; }),
                found.end());
    return found;
}

} // namespace ondrell
