// Boundary lines of areas within a box of longitudes and latitudes, for drawing a region of the map.
//
// Each area's boundary edges sit in its tree, whose boxes are in earth-centred coordinates. The
// box of longitudes and latitudes is turned into earth-centred bounds to skip whole subtrees; the
// edges left are tested on their own longitudes and latitudes, then joined end to start into lines
// (the edges of a ring share their end points exactly, as the map builder wrote them).

#include "geo/world_map_impl.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <unordered_map>

namespace ondrell {

namespace mf = mapfile;

namespace {

// Bounds padding: an edge can pass through the box with both ends outside it, its chord then
// runs under the surface the bounds are taken on (about 25 km below for a 10-degree edge).
constexpr double kBoundsPadKm = 60;

struct EcefBounds {
    double lo[3], hi[3];
};

// Earth-centred bounds of the box's surface: each coordinate is extreme at a corner, or where the
// box meets the equator or the meridians 0, 90, 180 and -90.
EcefBounds BoundsOf(const LonLatBox &box) {
    EcefBounds b{{HUGE_VAL, HUGE_VAL, HUGE_VAL}, {-HUGE_VAL, -HUGE_VAL, -HUGE_VAL}};
    const double lats[] = {box.south, box.north, 0.0};
    const double lons[] = {box.west, box.east, -180.0, -90.0, 0.0, 90.0, 180.0};
    for (double lat : lats) {
        if (lat < box.south || lat > box.north)
            continue;
        for (double lon : lons) {
            if (lon < box.west || lon > box.east)
                continue;
            double p[3];
            mf::ToEcef(lon, lat, p);
            for (int d = 0; d < 3; ++d) {
                b.lo[d] = std::min(b.lo[d], p[d] - kBoundsPadKm);
                b.hi[d] = std::max(b.hi[d], p[d] + kBoundsPadKm);
            }
        }
    }
    return b;
}

bool Overlaps(const mf::BvhNode &node, const EcefBounds &b) {
    for (int d = 0; d < 3; ++d)
        if (double(node.hi[d]) < b.lo[d] || double(node.lo[d]) > b.hi[d])
            return false;
    return true;
}

bool Meets(const mf::BoundaryEdge &e, const LonLatBox &box) {
    return std::max(e.alon, e.blon) >= box.west && std::min(e.alon, e.blon) <= box.east &&
           std::max(e.alat, e.blat) >= box.south && std::min(e.alat, e.blat) <= box.north;
}

// The edges of one area that meet the box, in tree order. A tree that breaks the builder's rules
// (children after their parent, within the area's nodes, leaves within the edges) is damage.
std::vector<const mf::BoundaryEdge *> EdgesInBox(const WorldMap::Impl &map, std::size_t area,
                                                 const LonLatBox &box, const EcefBounds &bounds) {
    std::vector<const mf::BoundaryEdge *> edges;
    const mf::AreaRecord &record = map.areas[area];
    if (record.nodeCount == 0 || map.Damaged())
        return edges;
    const std::uint32_t end = record.rootNode + record.nodeCount;
    std::uint32_t stack[mf::kMaxTreeDepth + 2];
    int top = 0;
    stack[top++] = record.rootNode;
    std::uint32_t budget = record.nodeCount; // a tree reaches each node once
    while (top > 0) {
        const std::uint32_t index = stack[--top];
        const mf::BvhNode &node = map.nodes[index];
        if (!Overlaps(node, bounds))
            continue;
        const bool whole =
            budget-- > 0 &&
            (node.count > 0 ? node.first <= map.nodeEdgeCount && node.count <= map.nodeEdgeCount - node.first
                            : node.first > index && node.first < end - 1 && top + 2 <= int(std::size(stack)));
        if (!whole) {
            map.MarkDamaged("boundary trees");
            return {};
        }
        if (node.count > 0) {
            for (std::uint32_t i = node.first; i < node.first + node.count; ++i)
                if (Meets(map.nodeEdges[i], box))
                    edges.push_back(&map.nodeEdges[i]);
        } else {
            stack[top++] = node.first + 1;
            stack[top++] = node.first;
        }
    }
    return edges;
}

std::uint64_t PointKey(float lon, float lat) {
    std::uint32_t a, b;
    std::memcpy(&a, &lon, sizeof a);
    std::memcpy(&b, &lat, sizeof b);
    return (std::uint64_t(a) << 32) | b;
}

// Joins edges end to start. Lines begin at edges nothing leads into; what is left are whole rings.
std::vector<Polyline> JoinEdges(const std::vector<const mf::BoundaryEdge *> &edges) {
    std::unordered_multimap<std::uint64_t, std::size_t> byStart;
    byStart.reserve(edges.size());
    for (std::size_t i = 0; i < edges.size(); ++i)
        byStart.emplace(PointKey(edges[i]->alon, edges[i]->alat), i);
    std::vector<bool> hasPredecessor(edges.size(), false), used(edges.size(), false);
    for (const auto *e : edges) {
        auto [it, end] = byStart.equal_range(PointKey(e->blon, e->blat));
        for (; it != end; ++it)
            hasPredecessor[it->second] = true;
    }
    auto next = [&](const mf::BoundaryEdge *e) -> std::size_t {
        auto [it, end] = byStart.equal_range(PointKey(e->blon, e->blat));
        for (; it != end; ++it)
            if (!used[it->second])
                return it->second;
        return edges.size();
    };
    std::vector<Polyline> lines;
    auto trace = [&](std::size_t first) {
        Polyline line{{edges[first]->alon, edges[first]->alat}};
        for (std::size_t i = first; i < edges.size(); i = next(edges[i])) {
            used[i] = true;
            line.emplace_back(edges[i]->blon, edges[i]->blat);
        }
        lines.push_back(std::move(line));
    };
    for (std::size_t i = 0; i < edges.size(); ++i)
        if (!hasPredecessor[i] && !used[i])
            trace(i);
    for (std::size_t i = 0; i < edges.size(); ++i)
        if (!used[i])
            trace(i);
    return lines;
}

bool ValidBox(const LonLatBox &box) {
    return std::isfinite(box.west) && std::isfinite(box.east) && box.west <= box.east &&
           std::isfinite(box.south) && std::isfinite(box.north) && box.south <= box.north;
}

} // namespace

std::vector<Polyline> WorldMap::BorderLines(std::string_view symbol, const LonLatBox &box) const {
    if (!ValidBox(box))
        return {};
    std::size_t lo = 0, hi = impl_->areaCount; // areas are sorted by symbol
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (impl_->Symbol(mid) < symbol)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo == impl_->areaCount || impl_->Symbol(lo) != symbol)
        return {};
    return JoinEdges(EdgesInBox(*impl_, lo, box, BoundsOf(box)));
}

std::vector<AreaBorder> WorldMap::BordersInBox(const LonLatBox &box) const {
    std::vector<AreaBorder> borders;
    if (!ValidBox(box))
        return borders;
    const EcefBounds bounds = BoundsOf(box);
    for (std::size_t area = 0; area < impl_->areaCount; ++area) {
        auto edges = EdgesInBox(*impl_, area, box, bounds);
        if (!edges.empty())
            borders.push_back({std::string(impl_->Symbol(area)), JoinEdges(edges)});
    }
    return borders;
}

} // namespace ondrell
