#include "map_grid.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace ondrell::mapbuild {

namespace mf = ondrell::mapfile;

namespace {

int Col(double lon) {
    return std::clamp(static_cast<int>(std::floor((lon + 180) / mf::kCellDeg)), 0, mf::kGridCols - 1);
}
int Row(double lat) {
    return std::clamp(static_cast<int>(std::floor((lat + 90) / mf::kCellDeg)), 0, mf::kGridRows - 1);
}

} // namespace

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

} // namespace ondrell::mapbuild
