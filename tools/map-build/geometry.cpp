#include "geometry.h"

#include <algorithm>
#include <cmath>

namespace ondrell::mapbuild {

void Box::Add(const LonLat &p) {
    minLon = std::min(minLon, p.lon);
    maxLon = std::max(maxLon, p.lon);
    minLat = std::min(minLat, p.lat);
    maxLat = std::max(maxLat, p.lat);
}

bool Box::Within(const Box &outer) const {
    return minLon >= outer.minLon && maxLon <= outer.maxLon && minLat >= outer.minLat &&
           maxLat <= outer.maxLat;
}

Box BoundsOf(const std::vector<Ring> &rings) {
    Box box;
    for (const auto &ring : rings)
        for (const auto &p : ring)
            box.Add(p);
    return box;
}

Ring ClipRing(const Ring &ring, bool byLon, double value, bool keepGreater) {
    auto coord = [byLon](const LonLat &p) { return byLon ? p.lon : p.lat; };
    auto inside = [&](const LonLat &p) { return keepGreater ? coord(p) >= value : coord(p) <= value; };
    auto cut = [&](const LonLat &a, const LonLat &b) {
        const double t = (value - coord(a)) / (coord(b) - coord(a));
        LonLat q{a.lon + t * (b.lon - a.lon), a.lat + t * (b.lat - a.lat)};
        (byLon ? q.lon : q.lat) = value; // exactly on the line, so both sides of a cut share it
        return q;
    };
    Ring out;
    const std::size_t n = ring.size();
    for (std::size_t i = 0; i < n; ++i) {
        const LonLat &prev = ring[(i + n - 1) % n];
        const LonLat &cur = ring[i];
        if (inside(cur)) {
            if (!inside(prev))
                out.push_back(cut(prev, cur));
            out.push_back(cur);
        } else if (inside(prev)) {
            out.push_back(cut(prev, cur));
        }
    }
    return out;
}

double SignedArea2(const Ring &ring) {
    double sum = 0;
    for (std::size_t i = 0, n = ring.size(); i < n; ++i) {
        const LonLat &a = ring[i], &b = ring[(i + 1) % n];
        sum += a.lon * b.lat - b.lon * a.lat;
    }
    return sum;
}

namespace {

// Makes consecutive longitudes differ by at most 180 degrees. A ring around a pole ends a full
// turn from where it started; it is closed along the pole's parallel.
Ring Unwrap(const Ring &ring) {
    Ring out;
    out.reserve(ring.size() + 2);
    for (const auto &p : ring) {
        LonLat q = p;
        if (!out.empty()) {
            while (q.lon - out.back().lon > 180)
                q.lon -= 360;
            while (q.lon - out.back().lon < -180)
                q.lon += 360;
        }
        out.push_back(q);
    }
    if (out.size() > 2 && std::abs(out.back().lon - out.front().lon) > 180) {
        double latSum = 0;
        for (const auto &p : out)
            latSum += p.lat;
        const double pole = latSum < 0 ? -90.0 : 90.0;
        out.push_back({out.back().lon, pole});
        out.push_back({out.front().lon, pole});
    }
    return out;
}

bool Jumps(const Ring &ring) {
    for (std::size_t i = 0, n = ring.size(); i < n; ++i)
        if (std::abs(ring[(i + 1) % n].lon - ring[i].lon) > 180)
            return true;
    return false;
}

} // namespace

std::vector<std::vector<Ring>> SplitAtAntimeridian(const std::vector<Ring> &polygon) {
    if (std::none_of(polygon.begin(), polygon.end(), Jumps))
        return {polygon};
    std::vector<std::vector<Ring>> windows(3);
    for (const auto &ring : polygon) {
        const Ring unwrapped = Unwrap(ring);
        for (int w = 0; w < 3; ++w) {
            Ring shifted = unwrapped;
            for (auto &p : shifted)
                p.lon += (w - 1) * 360.0;
            Ring piece = ClipRing(ClipRing(shifted, true, -180, true), true, 180, false);
            if (piece.size() >= 3 && SignedArea2(piece) != 0)
                windows[w].push_back(std::move(piece));
        }
    }
    std::erase_if(windows, [](const auto &rings) { return rings.empty(); });
    return windows;
}

} // namespace ondrell::mapbuild
