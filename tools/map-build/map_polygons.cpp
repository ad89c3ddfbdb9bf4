#include "map_polygons.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>

namespace ondrell::mapbuild {

namespace {

// Pieces of at most this many degrees deviate from a geodesic by under a metre.
constexpr double kMaxPieceDeg = 0.05;

float F(double v) {
    return static_cast<float>(v);
}

// Key of an undirected edge of one area, on float coordinates.
struct EdgeKey {
    std::uint64_t p, q;
    std::uint16_t area;
    bool operator==(const EdgeKey &) const = default;
};
struct EdgeKeyHash {
    std::size_t operator()(const EdgeKey &k) const {
        return std::hash<std::uint64_t>()((k.p * 0x9E3779B97F4A7C15ull) ^ k.q ^
                                          (std::uint64_t(k.area) << 48));
    }
};
std::uint64_t PointBits(float x, float y) {
    std::uint32_t bx, by;
    std::memcpy(&bx, &x, 4);
    std::memcpy(&by, &y, 4);
    return (std::uint64_t(bx) << 32) | by;
}
EdgeKey KeyOf(const Edge &e, std::uint16_t area) {
    std::uint64_t p = PointBits(e.ax, e.ay), q = PointBits(e.bx, e.by);
    if (p > q)
        std::swap(p, q);
    return {p, q, area};
}

bool IsSeam(float ax, float ay, float bx, float by) {
    return (std::abs(ax) == 180 && ax == bx) || (std::abs(ay) == 90 && ay == by);
}

} // namespace

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
            ++uses[KeyOf(e, polygon.area)];
    for (auto &polygon : polygons)
        for (auto &e : polygon.edges)
            e.boundary = !IsSeam(e.ax, e.ay, e.bx, e.by) && uses[KeyOf(e, polygon.area)] == 1;
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

} // namespace ondrell::mapbuild
