#include "map_builder.h"

#include "geo/map_file.h"
#include "geo/map_format.h"
#include "map_grid.h"
#include "map_polygons.h"
#include "map_trees.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace ondrell::mapbuild {

namespace mf = ondrell::mapfile;

namespace {

template <typename T> mf::Section Append(std::vector<char> &out, const std::vector<T> &items) {
    while (out.size() % 8)
        out.push_back(0);
    mf::Section section{out.size(), items.size(), 0};
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
        std::memcpy(areas[i].symbol, symbols[i].data(), symbols[i].size()); // records start zeroed
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
    header.areaNodes = Append(out, trees.areaNodes);
    header.areaOrder = Append(out, trees.areaOrder);
    header.fileSize = out.size();
    std::memcpy(out.data(), &header, sizeof header);
    if (!SealMap(out.data(), out.size()))
        throw std::runtime_error("map layout does not fit its own size");

    const std::string temp = path + ".tmp";
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        file.write(out.data(), std::streamsize(out.size()));
        if (!file.flush())
            throw std::runtime_error("cannot write " + temp);
    }
    // Replaces an older map (std::rename would refuse to on Windows). Windows refuses while a
    // running program maps the old map: the error says why.
    std::error_code renamed;
    std::filesystem::rename(temp, path, renamed);
    if (renamed)
        throw std::runtime_error("cannot rename " + temp + " to " + path + ": " + renamed.message());

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
