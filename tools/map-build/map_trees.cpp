#include "map_trees.h"

#include <algorithm>
#include <cmath>

namespace ondrell::mapbuild {

namespace mf = ondrell::mapfile;

namespace {

constexpr std::size_t kLeafEdges = 8;
constexpr double kBoxMarginKm = 0.002; // covers float rounding and the sagitta of short edges

float F(double v) {
    return static_cast<float>(v);
}

void SetBox(mf::BvhNode &node, const std::vector<mf::BoundaryEdge> &edges, std::size_t lo, std::size_t hi) {
    double mn[3] = {1e30, 1e30, 1e30}, mx[3] = {-1e30, -1e30, -1e30};
    for (std::size_t i = lo; i < hi; ++i)
        for (int d = 0; d < 3; ++d) {
            mn[d] = std::min({mn[d], double(edges[i].a[d]), double(edges[i].b[d])});
            mx[d] = std::max({mx[d], double(edges[i].a[d]), double(edges[i].b[d])});
        }
    for (int d = 0; d < 3; ++d) {
        node.lo[d] = std::nextafter(F(mn[d] - kBoxMarginKm), -1e30f);
        node.hi[d] = std::nextafter(F(mx[d] + kBoxMarginKm), 1e30f);
    }
}

// Splits items [lo, hi) of a node at the median of key and appends the node's two children, whose
// index it returns; the caller builds them over [lo, mid) and [mid, hi).
template <class Item, class Key>
std::uint32_t SplitAtMedian(std::vector<Item> &items, std::vector<mf::BvhNode> &nodes, std::uint32_t index,
                            std::size_t lo, std::size_t hi, Key key) {
    const std::size_t mid = (lo + hi) / 2;
    std::nth_element(items.begin() + long(lo), items.begin() + long(mid), items.begin() + long(hi),
                     [&](const Item &a, const Item &b) { return key(a) < key(b); });
    const auto child = std::uint32_t(nodes.size());
    nodes.resize(nodes.size() + 2);
    nodes[index].first = child;
    nodes[index].count = 0;
    return child;
}

void BuildNode(Trees &trees, std::uint32_t index, std::size_t lo, std::size_t hi) {
    SetBox(trees.nodes[index], trees.edges, lo, hi);
    if (hi - lo <= kLeafEdges) {
        trees.nodes[index].first = std::uint32_t(lo);
        trees.nodes[index].count = std::uint32_t(hi - lo);
        return;
    }
    auto centre = [](const mf::BoundaryEdge &e, int d) { return double(e.a[d]) + e.b[d]; };
    double mn[3] = {1e30, 1e30, 1e30}, mx[3] = {-1e30, -1e30, -1e30};
    for (std::size_t i = lo; i < hi; ++i)
        for (int d = 0; d < 3; ++d) {
            mn[d] = std::min(mn[d], centre(trees.edges[i], d));
            mx[d] = std::max(mx[d], centre(trees.edges[i], d));
        }
    int axis = 0;
    for (int d = 1; d < 3; ++d)
        if (mx[d] - mn[d] > mx[axis] - mn[axis])
            axis = d;
    const std::size_t mid = (lo + hi) / 2;
    const std::uint32_t child = SplitAtMedian(trees.edges, trees.nodes, index, lo, hi,
                                              [&](const auto &e) { return centre(e, axis); });
    BuildNode(trees, child, lo, mid);
    BuildNode(trees, child + 1, mid, hi);
}

constexpr std::size_t kLeafAreas = 4;

// The tree over the areas' root boxes: split at the median box centre along the widest axis.
void BuildAreaNode(Trees &trees, std::uint32_t index, std::size_t lo, std::size_t hi) {
    auto box = [&](std::uint32_t root) -> const mf::BvhNode & { return trees.nodes[root]; };
    mf::BvhNode &node = trees.areaNodes[index];
    for (int d = 0; d < 3; ++d) {
        node.lo[d] = 1e30f;
        node.hi[d] = -1e30f;
    }
    for (std::size_t i = lo; i < hi; ++i)
        for (int d = 0; d < 3; ++d) {
            node.lo[d] = std::min(node.lo[d], box(trees.areaOrder[i]).lo[d]);
            node.hi[d] = std::max(node.hi[d], box(trees.areaOrder[i]).hi[d]);
        }
    if (hi - lo <= kLeafAreas) {
        node.first = std::uint32_t(lo);
        node.count = std::uint32_t(hi - lo);
        return;
    }
    int axis = 0;
    for (int d = 1; d < 3; ++d)
        if (node.hi[d] - node.lo[d] > node.hi[axis] - node.lo[axis])
            axis = d;
    auto centre = [&](std::uint32_t root) { return double(box(root).lo[axis]) + box(root).hi[axis]; };
    const std::size_t mid = (lo + hi) / 2;
    const std::uint32_t child = SplitAtMedian(trees.areaOrder, trees.areaNodes, index, lo, hi, centre);
    BuildAreaNode(trees, child, lo, mid);
    BuildAreaNode(trees, child + 1, mid, hi);
}

} // namespace

Trees BuildTrees(const std::vector<Polygon> &polygons, std::vector<mf::AreaRecord> &areas) {
    Trees trees;
    for (std::uint16_t area = 0; area < areas.size(); ++area) {
        const std::size_t lo = trees.edges.size();
        for (const auto &polygon : polygons) {
            if (polygon.area != area)
                continue;
            for (const auto &e : polygon.edges) {
                if (!e.boundary)
                    continue;
                mf::BoundaryEdge b{};
                double a3[3], b3[3];
                mf::ToEcef(e.ax, e.ay, a3);
                mf::ToEcef(e.bx, e.by, b3);
                for (int d = 0; d < 3; ++d) {
                    b.a[d] = F(a3[d]);
                    b.b[d] = F(b3[d]);
                }
                b.alon = e.ax;
                b.alat = e.ay;
                b.blon = e.bx;
                b.blat = e.by;
                trees.edges.push_back(b);
            }
        }
        const std::size_t hi = trees.edges.size();
        areas[area].rootNode = std::uint32_t(trees.nodes.size());
        if (hi == lo)
            continue;
        trees.nodes.emplace_back();
        BuildNode(trees, areas[area].rootNode, lo, hi);
        areas[area].nodeCount = std::uint32_t(trees.nodes.size() - areas[area].rootNode);
    }
    // The area tree sorts root node indices while it is built, then names the areas instead.
    std::vector<std::uint32_t> areaOfRoot(trees.nodes.size());
    for (std::uint32_t area = 0; area < areas.size(); ++area)
        if (areas[area].nodeCount > 0) {
            trees.areaOrder.push_back(areas[area].rootNode);
            areaOfRoot[areas[area].rootNode] = area;
        }
    if (!trees.areaOrder.empty()) {
        trees.areaNodes.emplace_back();
        BuildAreaNode(trees, 0, 0, trees.areaOrder.size());
    }
    for (auto &entry : trees.areaOrder)
        entry = areaOfRoot[entry];
    return trees;
}

} // namespace ondrell::mapbuild
