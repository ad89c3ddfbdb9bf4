#pragma once
// Plane geometry on longitude/latitude rings used while converting the boundary data.

#include <vector>

namespace ondrell::mapbuild {

struct LonLat {
    double lon = 0;
    double lat = 0;
    bool operator==(const LonLat &) const = default;
};

// An open ring: the closing edge runs from the last point back to the first.
using Ring = std::vector<LonLat>;

struct Box {
    double minLon = 1e9, minLat = 1e9, maxLon = -1e9, maxLat = -1e9;
    void Add(const LonLat &p);
    bool Within(const Box &outer) const;
};

Box BoundsOf(const std::vector<Ring> &rings);

// Keeps the part of the ring on one side of a meridian (byLon) or parallel; the cut runs along the
// line. Sutherland-Hodgman: good for the simple cuts made here.
Ring ClipRing(const Ring &ring, bool byLon, double value, bool keepGreater);

// Rings that jump across the antimeridian (or circle a pole) are unwrapped and cut at +-180 so
// every piece lies within [-180, 180]. Each returned entry is one window's set of rings.
std::vector<std::vector<Ring>> SplitAtAntimeridian(const std::vector<Ring> &polygon);

// Twice the signed area in square degrees (positive when counter-clockwise).
double SignedArea2(const Ring &ring);

} // namespace ondrell::mapbuild
