#include "map_builder.h"

#include "geo/map_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <stdexcept>
#include <unordered_map>

namespace ondrell::mapbuild {

namespace mf = ondrell::mapfile;

namespace {

// Long edges are split so that each piece is short enough to be treated alike as a straight line
// in degrees (for containment) and as a geodesic (for distances): deviations stay below a metre.
constexpr double kMaxPieceDeg = 0.05;
constexpr std::size_t kLeafEdges = 8;
constexpr double kBoxMarginKm = 0.002;

struct Edge {
    float ax, ay, bx, by;
    bool boundary; // counts for distances (not a seam at +-180, a pole or a joint inside an area)
};

struct Polygon {
    std::uint16_t area;
    std::vector<Edge> edges;
};

float F(double v) {
    return static_cast<float>(v);
}

// Key of an undirected edge, on float coordinates.
struct EdgeKey {
    std::uint64_t p, q;
    bool operator==(const EdgeKey &) const = default;
};
struct EdgeKeyHash {
    std::size_t operator()(const EdgeKey &k) const {
        return std::hash<std::uint64_t>()(k.p * 0x9E3779B97F4A7C15ull ^ k.q);
    }
};
std::uint64_t PointBits(float x, float y) {
    std::uint32_t bx, by;
    std::memcpy(&bx, &x, 4);
    std::memcpy(&by, &y, 4);
    return (std::uint64_t(bx) << 32) | by;
}
EdgeKey KeyOf(float ax, float ay, float bx, float by, std::uint16_t area) {
    std::uint64_t p = PointBits(ax, ay), q = PointBits(bx, by);
    if (p > q)
        std::swap(p, q);
    return {p ^ (std::uint64_t(area) << 1), q};
}

bool IsSeam(float ax, float ay, float bx, float by) {
    return (std::abs(ax) == 180 && ax == bx) || (std::abs(ay) == 90 && ay == by);
}

std::vector<Polygon> MakePolygons(const std::vector<AreaPolygon> &input,
                                  const std::vector<std::string> &symbols) {
    std::vector<Polygon> polygons;
    for (const auto &src : input) {
        Polygon polygon;
        polygon.area = static_cast<std::uint16_t>(
            std::lower_bound(symbols.begin(), symbols.end(), src.symbol) - symbols.begin());
        for (const auto &ring : src.rings) {
            std::vector<std::pair<float, float>> pts;
            for (const auto &p : ring) {
                std::pair<float, float> q{F(p.lon), F(p.lat)};
                if (pts.empty() || pts.back() != q)
                    pts.push_back(q);
            }
            while (pts.size() > 1 && pts.back() == pts.front())
                pts.pop_back();
            if (pts.size() < 3)
                continue;
            for (std::size_t i = 0; i < pts.size(); ++i) {
                const auto &a = pts[i], &b = pts[(i + 1) % pts.size()];
                polygon.edges.push_back({a.first, a.second, b.first, b.second, true});
            }
        }
        if (!polygon.edges.empty())
            polygons.push_back(std::move(polygon));
    }
    // Small polygons first: where an enclave lies on top of its surroundings (the Vatican in
    // Italy), the look-up tries it first.
    auto size = [](const Polygon &p) {
        double sum = 0;
        for (const auto &e : p.edges)
            sum += double(e.ax) * e.by - double(e.bx) * e.ay;
        return std::abs(sum);
    };
    std::stable_sort(polygons.begin(), polygons.end(),
                     [&](const Polygon &a, const Polygon &b) { return size(a) < size(b); });
    // An edge drawn twice within one area joins two of its polygons: no boundary there.
    std::unordered_map<EdgeKey, int, EdgeKeyHash> uses;
    for (const auto &polygon : polygons)
        for (const auto &e : polygon.edges)
            ++uses[KeyOf(e.ax, e.ay, e.bx, e.by, polygon.area)];
    for (auto &polygon : polygons)
        for (auto &e : polygon.edges)
            e.boundary =
                !IsSeam(e.ax, e.ay, e.bx, e.by) && uses[KeyOf(e.ax, e.ay, e.bx, e.by, polygon.area)] == 1;
    return polygons;
}

void Densify(std::vector<Polygon> &polygons) {
    for (auto &polygon : polygons) {
        std::vector<Edge> out;
        out.reserve(polygon.edges.size());
        for (const auto &e : polygon.edges) {
            const double span = std::max(std::abs(double(e.bx) - e.ax), std::abs(double(e.by) - e.ay));
            const int n = std::max(1, static_cast<int>(std::ceil(span / kMaxPieceDeg)));
            float px = e.ax, py = e.ay;
            for (int k = 1; k <= n; ++k) {
                const float qx = k == n ? e.bx : F(e.ax + (double(e.bx) - e.ax) * k / n);
                const float qy = k == n ? e.by : F(e.ay + (double(e.by) - e.ay) * k / n);
                out.push_back({px, py, qx, qy, e.boundary});
                px = qx;
                py = qy;
            }
        }
        polygon.edges = std::move(out);
    }
}

int Col(double lon) {
    return std::clamp(static_cast<int>(std::floor((lon + 180) / mf::kCellDeg)), 0, mf::kGridCols - 1);
}
int Row(double lat) {
    return std::clamp(static_cast<int>(std::floor((lat + 90) / mf::kCellDeg)), 0, mf::kGridRows - 1);
}

struct Grid {
    std::vector<std::uint32_t> cellFirst;
    std::vector<std::uint16_t> cellArea;
    std::vector<mf::CellGroup> groups;
    std::vector<mf::CellEdge> edges;
};

Grid BuildGrid(const std::vector<Polygon> &polygons) {
    const std::size_t cells = std::size_t(mf::kGridCols) * mf::kGridRows;
    struct Entry {
        std::uint32_t cell, polygon, edge;
    };
    std::vector<Entry> entries;
    // Crossings of each row's reference parallel, to tell which polygons hold a reference point.
    struct Crossing {
        double x;
        std::uint32_t polygon;
    };
    std::vector<std::vector<Crossing>> rows(mf::kGridRows);
    for (std::uint32_t pi = 0; pi < polygons.size(); ++pi) {
        const auto &edges = polygons[pi].edges;
        for (std::uint32_t ei = 0; ei < edges.size(); ++ei) {
            const auto &e = edges[ei];
            const int c0 = Col(std::min(e.ax, e.bx)), c1 = Col(std::max(e.ax, e.bx));
            const int r0 = Row(std::min(e.ay, e.by)), r1 = Row(std::max(e.ay, e.by));
            for (int r = r0; r <= r1; ++r)
                for (int c = c0; c <= c1; ++c)
                    entries.push_back({std::uint32_t(r * mf::kGridCols + c), pi, ei});
            for (int r = std::max(0, r0 - 1); r <= std::min(mf::kGridRows - 1, r1 + 1); ++r) {
                const double y = -90 + (r + 0.5) * mf::kCellDeg + mf::kRefOffsetLat;
                if ((e.ay > y) != (e.by > y))
                    rows[r].push_back(
                        {e.ax + (y - e.ay) * (double(e.bx) - e.ax) / (double(e.by) - e.ay), pi});
            }
        }
    }
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return std::tie(a.cell, a.polygon, a.edge) < std::tie(b.cell, b.polygon, b.edge);
    });

    Grid grid;
    grid.cellFirst.assign(cells + 1, 0);
    grid.cellArea.assign(cells, mf::kNoArea);
    std::vector<std::uint8_t> parity(polygons.size(), 0);
    std::vector<std::uint32_t> active; // polygons holding the current reference point
    std::size_t next = 0;
    for (int r = 0; r < mf::kGridRows; ++r) {
        auto &crossings = rows[r];
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing &a, const Crossing &b) { return a.x < b.x; });
        std::size_t k = 0;
        for (int c = 0; c < mf::kGridCols; ++c) {
            const double x = -180 + (c + 0.5) * mf::kCellDeg + mf::kRefOffsetLon;
            for (; k < crossings.size() && crossings[k].x < x; ++k) {
                const auto p = crossings[k].polygon;
                parity[p] ^= 1;
                if (parity[p])
                    active.push_back(p);
                else
                    std::erase(active, p);
            }
            const std::uint32_t cell = std::uint32_t(r * mf::kGridCols + c);
            grid.cellFirst[cell] = std::uint32_t(grid.groups.size());
            std::vector<std::uint32_t> present;
            while (next < entries.size() && entries[next].cell == cell) {
                const auto p = entries[next].polygon;
                mf::CellGroup group{std::uint32_t(grid.edges.size()), 0, polygons[p].area, parity[p]};
                for (; next < entries.size() && entries[next].cell == cell && entries[next].polygon == p;
                     ++next) {
                    const auto &e = polygons[p].edges[entries[next].edge];
                    grid.edges.push_back({e.ax, e.ay, e.bx, e.by});
                    ++group.edgeCount;
                }
                grid.groups.push_back(group);
                present.push_back(p);
            }
            std::uint32_t background = std::uint32_t(polygons.size());
            for (auto p : active)
                if (p < background && std::find(present.begin(), present.end(), p) == present.end())
                    background = p;
            if (background < polygons.size())
                grid.cellArea[cell] = polygons[background].area;
        }
        for (auto p : active) // every ring closes, so each row ends outside all polygons
            parity[p] = 0;
        active.clear();
    }
    grid.cellFirst[cells] = std::uint32_t(grid.groups.size());
    return grid;
}

struct Trees {
    std::vector<mf::BvhNode> nodes;
    std::vector<mf::BoundaryEdge> edges;
};

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
    std::nth_element(trees.edges.begin() + long(lo), trees.edges.begin() + long(mid),
                     trees.edges.begin() + long(hi),
                     [&](const auto &a, const auto &b) { return centre(a, axis) < centre(b, axis); });
    const auto child = std::uint32_t(trees.nodes.size());
    trees.nodes.resize(trees.nodes.size() + 2);
    trees.nodes[index].first = child;
    trees.nodes[index].count = 0;
    BuildNode(trees, child, lo, mid);
    BuildNode(trees, child + 1, mid, hi);
}

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
    return trees;
}

template <typename T> mf::Section Append(std::vector<char> &out, const std::vector<T> &items) {
    while (out.size() % 8)
        out.push_back(0);
    mf::Section section{out.size(), items.size()};
    const char *bytes = reinterpret_cast<const char *>(items.data());
    out.insert(out.end(), bytes, bytes + items.size() * sizeof(T));
    return section;
}

} // namespace

MapStats WriteMapFile(const std::vector<AreaPolygon> &input, const std::string &path) {
    std::vector<std::string> symbols;
    for (const auto &p : input)
        symbols.push_back(p.symbol);
    std::sort(symbols.begin(), symbols.end());
    symbols.erase(std::unique(symbols.begin(), symbols.end()), symbols.end());
    if (symbols.size() >= mf::kNoArea)
        throw std::runtime_error("too many areas");

    auto polygons = MakePolygons(input, symbols);
    Densify(polygons);
    std::vector<mf::AreaRecord> areas(symbols.size());
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        if (symbols[i].size() > 3)
            throw std::runtime_error("symbol longer than 3 characters: " + symbols[i]);
        std::strncpy(areas[i].symbol, symbols[i].c_str(), sizeof areas[i].symbol);
    }
    const Grid grid = BuildGrid(polygons);
    const Trees trees = BuildTrees(polygons, areas);

    std::vector<char> out(sizeof(mf::Header), 0);
    mf::Header header;
    std::memcpy(header.magic, mf::kMagic, sizeof header.magic);
    header.areas = Append(out, areas);
    header.cellFirst = Append(out, grid.cellFirst);
    header.cellArea = Append(out, grid.cellArea);
    header.groups = Append(out, grid.groups);
    header.cellEdges = Append(out, grid.edges);
    header.nodes = Append(out, trees.nodes);
    header.nodeEdges = Append(out, trees.edges);
    header.fileSize = out.size();
    std::memcpy(out.data(), &header, sizeof header);

    const std::string temp = path + ".tmp";
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        file.write(out.data(), std::streamsize(out.size()));
        if (!file.flush())
            throw std::runtime_error("cannot write " + temp);
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0)
        throw std::runtime_error("cannot rename " + temp + " to " + path);

    MapStats stats;
    stats.areas = areas.size();
    stats.polygons = polygons.size();
    for (const auto &p : polygons)
        stats.edges += p.edges.size();
    stats.boundaryEdges = trees.edges.size();
    for (std::size_t c = 0; c + 1 < grid.cellFirst.size(); ++c)
        stats.mixedCells += grid.cellFirst[c + 1] != grid.cellFirst[c];
    stats.bytes = out.size();
    return stats;
}

} // namespace ondrell::mapbuild
