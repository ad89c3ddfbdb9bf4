// Areas near a point, by their geodesic distance on WGS84.
//
// The search runs on earth-centred coordinates, where the straight-line (chord) distance never
// exceeds the geodesic distance and differs from it by a nearly constant factor at a given
// length (under 0.1 % up to 1000 km). Candidate areas, found through a tree over the areas' root
// boxes, are ordered by the chord distance to their box; each area's tree is searched for its
// nearest boundary edge while the chord can still beat the current bound; only the winners get
// an exact geodesic (geodesic_distance.h).

#include "geo/geodesic_distance.h"
#include "geo/world_map_impl.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace ondrell {

namespace mf = mapfile;

namespace {

// Chord distances of different areas that agree within this factor may rank differently once
// converted to geodesics.
constexpr double kRankSlack = 1 + 2e-5;
constexpr double kSlackKm = 0.005; // float storage of positions and straight-edge sagitta

// Distance from x to the interval [lo, hi]. The three axes are written out: these two functions
// are most of a query's time, and the compiler does not unroll their loops.
double Gap(float lo, float hi, double x) {
    const double below = double(lo) - x, above = x - double(hi);
    return below > 0 ? below : above > 0 ? above : 0.0;
}

double BoxDistance2(const mf::BvhNode &node, const double p[3]) {
    const double x = Gap(node.lo[0], node.hi[0], p[0]);
    const double y = Gap(node.lo[1], node.hi[1], p[1]);
    const double z = Gap(node.lo[2], node.hi[2], p[2]);
    return x * x + y * y + z * z;
}

double SegmentDistance2(const mf::BoundaryEdge &e, const double p[3], double *t) {
    const double ax = e.a[0], ay = e.a[1], az = e.a[2];
    const double dx = double(e.b[0]) - ax, dy = double(e.b[1]) - ay, dz = double(e.b[2]) - az;
    const double wx = p[0] - ax, wy = p[1] - ay, wz = p[2] - az;
    const double dd = dx * dx + dy * dy + dz * dz, wd = wx * dx + wy * dy + wz * dz;
    const double s = dd > 0 ? std::clamp(wd / dd, 0.0, 1.0) : 0.0;
    const double vx = wx - s * dx, vy = wy - s * dy, vz = wz - s * dz;
    *t = s;
    return vx * vx + vy * vy + vz * vz;
}

struct Hit {
    double chord2;
    std::size_t area;
    std::uint32_t edge;
    double t;
};

// Walks the tree held in nodes[begin, end) from its root at begin, nearer child first, into every
// leaf whose box lies closer than sqrt(bound2()) (asked again after each leaf). A valid tree's
// children come after their parent and each node is reached once; anything else is damage, and
// the walk stops with false.
template <typename Bound, typename Leaf>
bool WalkTree(const mf::BvhNode *nodes, std::uint32_t begin, std::uint32_t end, const double p[3],
              double rootDistance2, Bound bound2, Leaf leaf) {
    struct Pending {
        std::uint32_t node;
        double distance2;
    };
    Pending stack[mf::kMaxTreeDepth + 2];
    int top = 0;
    stack[top++] = {begin, rootDistance2};
    std::uint32_t budget = end - begin;
    while (top > 0) {
        const Pending pending = stack[--top];
        const double limit = bound2();
        if (pending.distance2 >= limit)
            continue;
        if (budget-- == 0)
            return false;
        const mf::BvhNode &node = nodes[pending.node];
        if (node.count > 0) {
            if (!leaf(node))
                return false;
            continue;
        }
        if (node.first <= pending.node || node.first >= end - 1)
            return false;
        // Visit the nearer child first so the bound tightens early.
        Pending a{node.first, BoxDistance2(nodes[node.first], p)};
        Pending b{node.first + 1, BoxDistance2(nodes[node.first + 1], p)};
        if (a.distance2 > b.distance2)
            std::swap(a, b);
        // The walk is a chain of cache misses down the tree: start loading the next level now.
        for (const Pending *child : {&a, &b})
            if (nodes[child->node].count == 0)
                __builtin_prefetch(&nodes[nodes[child->node].first]);
        if (top + 2 > int(std::size(stack)))
            return false;
        if (b.distance2 < limit)
            stack[top++] = b;
        if (a.distance2 < limit)
            stack[top++] = a;
    }
    return true;
}

// Nearest boundary edge of one area closer than sqrt(bound2); false when there is none.
// rootDistance2 is the squared distance to the area's root box.
bool NearestEdge(const WorldMap::Impl &map, std::size_t area, const double p[3], double rootDistance2,
                 double bound2, Hit *hit) {
    const mf::AreaRecord &record = map.areas[area];
    if (record.nodeCount == 0)
        return false;
    bool found = false;
    const bool whole = WalkTree(
        map.nodes, record.rootNode, record.rootNode + record.nodeCount, p, rootDistance2,
        [&] { return bound2; },
        [&](const mf::BvhNode &leaf) {
            if (leaf.first > map.nodeEdgeCount || leaf.count > map.nodeEdgeCount - leaf.first)
                return false;
            for (std::uint32_t i = leaf.first; i < leaf.first + leaf.count; ++i) {
                double t;
                const double d2 = SegmentDistance2(map.nodeEdges[i], p, &t);
                if (d2 < bound2) {
                    bound2 = d2;
                    *hit = {d2, area, i, t};
                    found = true;
                }
            }
            return true;
        });
    if (!whole)
        map.MarkDamaged("boundary trees");
    return whole && found;
}

// Areas with boundary edges whose root box lies closer than radius, nearest box first, found
// through the tree over the areas' root boxes.
std::vector<std::pair<double, std::size_t>> CandidateAreas(const WorldMap::Impl &map, const double p[3],
                                                           double radius) {
    std::vector<std::pair<double, std::size_t>> candidates;
    if (map.areaNodeCount == 0)
        return candidates;
    const double radius2 = radius * radius;
    const bool whole = WalkTree(
        map.areaNodes, 0, std::uint32_t(map.areaNodeCount), p, BoxDistance2(map.areaNodes[0], p),
        [&] { return radius2; },
        [&](const mf::BvhNode &leaf) {
            if (leaf.first > map.areaOrderCount || leaf.count > map.areaOrderCount - leaf.first)
                return false;
            for (std::uint32_t i = leaf.first; i < leaf.first + leaf.count; ++i) {
                const std::size_t area = map.areaOrder[i]; // bounded when the map was loaded
                if (map.areas[area].nodeCount == 0)
                    continue;
                const double d2 = BoxDistance2(map.nodes[map.areas[area].rootNode], p);
                if (d2 < radius2)
                    candidates.emplace_back(d2, area);
            }
            return true;
        });
    if (!whole) {
        map.MarkDamaged("area tree");
        candidates.clear();
    }
    std::sort(candidates.begin(), candidates.end());
    return candidates;
}

double GeodesicKm(const mf::BoundaryEdge &e, double t, double lon, double lat) {
    const double qlon = e.alon + t * (double(e.blon) - e.alon);
    const double qlat = e.alat + t * (double(e.blat) - e.alat);
    return GeodesicMetres(lat, lon, qlat, qlon) / 1000;
}

} // namespace

std::vector<NearArea> FindNearAreas(const WorldMap::Impl &map, double lon, double lat, double radiusKm,
                                    std::size_t maxCount) {
    if (maxCount == 0 || !std::isfinite(lon) || !(lat >= -90 && lat <= 90) || !(radiusKm >= 0) ||
        map.Damaged())
        return {};
    double p[3];
    mf::ToEcef(lon, lat, p);
    const double radiusBound = radiusKm + kSlackKm;

    const auto candidates = CandidateAreas(map, p, radiusBound);

    const std::size_t keep = maxCount + 2; // a little spare for rank changes near the cut
    std::vector<Hit> hits;
    auto bound2 = [&] {
        double b = radiusBound;
        if (hits.size() >= keep)
            b = std::min(b, std::sqrt(hits[keep - 1].chord2) * kRankSlack + kSlackKm);
        return b * b;
    };
    for (const auto &[boxDistance2, area] : candidates) {
        const double limit = bound2();
        if (boxDistance2 >= limit)
            break;
        Hit hit{};
        if (NearestEdge(map, area, p, boxDistance2, limit, &hit)) {
            hits.insert(std::upper_bound(hits.begin(), hits.end(), hit,
                                         [](const Hit &a, const Hit &b) { return a.chord2 < b.chord2; }),
                        hit);
            if (hits.size() > keep)
                hits.pop_back();
        }
    }

    if (map.Damaged())
        return {};
    // Geodesics for the first maxCount hits, and for any later hit close enough to swap places.
    std::vector<NearArea> result;
    double cut = HUGE_VAL;
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const double chord = std::sqrt(hits[i].chord2);
        if (chord > cut)
            break;
        const double km = GeodesicKm(map.nodeEdges[hits[i].edge], hits[i].t, lon, lat);
        if (km <= radiusKm)
            result.push_back({std::string(map.Symbol(hits[i].area)), km});
        if (i + 1 == maxCount)
            cut = chord * kRankSlack + kSlackKm;
    }
    std::stable_sort(result.begin(), result.end(),
                     [](const NearArea &a, const NearArea &b) { return a.km < b.km; });
    if (result.size() > maxCount)
        result.resize(maxCount);
    return result;
}

} // namespace ondrell
