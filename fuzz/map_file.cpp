// Damaged map files. The base is a small map the map builder makes at start (a few areas, one of
// them with a hole, one across the antimeridian). Each input changes a few bytes of it, anywhere in
// the header or inside one of its tables, and reseals the checksums over the damage or not; or it
// is taken whole as a map file. Loading refuses with a message, or the queries answer with areas of
// the map; nothing crashes or hangs.

#include "geo/map_file.h"
#include "geo/map_format.h"
#include "geo/world_map.h"
#include "map_builder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using namespace ondrell;
namespace mf = ondrell::mapfile;

mapbuild::Ring Box(double lon0, double lat0, double lon1, double lat1) {
    return {{lon0, lat0}, {lon1, lat0}, {lon1, lat1}, {lon0, lat1}};
}

std::string BuildBaseMap() {
    const std::vector<mapbuild::AreaPolygon> areas = {
        {"F", {Box(-4, 43, 7, 51)}},
        {"E", {Box(-9, 36, 3, 43)}},
        {"I", {Box(7, 38, 18, 46), Box(11, 41, 13, 43)}}, // a hole
        {"SMR", {Box(11, 41, 13, 43)}},                   // inside it
        {"AZR", {Box(-31, 37, -25, 40)}},
        {"RUS", {Box(170, 60, 180, 70)}},
        {"RUS", {Box(-180, 60, -170, 70)}},
    };
    const auto path =
        std::filesystem::temp_directory_path() / ("ondrell_fuzz_base_" + std::to_string(::getpid()) + ".map");
    mapbuild::WriteMapFile(areas, path.string());
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(path);
    return bytes;
}

// The parts of the file an input may damage, with the size of one record.
struct Part {
    mf::Section mf::Header::*section;
    std::size_t record;
};
const Part kParts[] = {
    {&mf::Header::areas, sizeof(mf::AreaRecord)},
    {&mf::Header::cellFirst, 4},
    {&mf::Header::cellArea, 2},
    {&mf::Header::groups, sizeof(mf::CellGroup)},
    {&mf::Header::cellEdges, sizeof(mf::CellEdge)},
    {&mf::Header::nodes, sizeof(mf::BvhNode)},
    {&mf::Header::nodeEdges, sizeof(mf::BoundaryEdge)},
    {&mf::Header::areaNodes, sizeof(mf::BvhNode)},
    {&mf::Header::areaOrder, 4},
};

struct Reader {
    const std::uint8_t *p;
    std::size_t left;
    bool Has(std::size_t n) const { return left >= n; }
    std::uint32_t Take(std::size_t n) {
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < n && left; ++i, ++p, --left)
            v = v << 8 | *p;
        return v;
    }
};

void Query(const WorldMap &map, Reader &in) {
    const auto symbols = map.Symbols();
    auto check = [&](const std::string &symbol) {
        if (!symbol.empty() && std::find(symbols.begin(), symbols.end(), symbol) == symbols.end())
            __builtin_trap(); // an answer must be an area of the map
    };
    std::vector<std::pair<double, double>> points = {{2, 47},      {12, 42},    {-28, 38.5}, {179.9, 65},
                                                     {-3.999, 43}, {0, -89.99}, {-20, 40}};
    while (in.Has(4) && points.size() < 12)
        points.emplace_back(static_cast<std::int16_t>(in.Take(2)) / 180.0,
                            static_cast<std::int16_t>(in.Take(2)) / 360.0);
    for (const auto &[lon, lat] : points) {
        check(map.AreaAt(lon, lat));
        for (const auto &near : map.NearAreas(lon, lat))
            check(near.symbol);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t flags = data[0];
    Reader in{data + 1, size - 1};
    std::string error;
    const MapCheck check = flags & 2 ? MapCheck::Full : MapCheck::Tables;
    if (flags & 0x80) { // the input itself as a map file
        const auto map = WorldMap::FromBytes(std::string_view(reinterpret_cast<const char *>(in.p), in.left),
                                             "fuzz.map", &error, check);
        if (!map && error.empty())
            __builtin_trap(); // a refusal always says why
        if (map) {
            Reader none{nullptr, 0};
            Query(*map, none);
        }
        return 0;
    }

    static const std::string base = BuildBaseMap();
    static std::string work = base;
    mf::Header header;
    std::memcpy(&header, base.data(), sizeof header);
    std::vector<std::pair<std::size_t, std::size_t>> changed = {{0, sizeof header}};
    // Up to eight changes: which part, where in it, how many bytes, the bytes.
    for (int n = 0; n < 8 && in.Has(6); ++n) {
        const std::uint8_t where = static_cast<std::uint8_t>(in.Take(1));
        const std::uint32_t offset = in.Take(4);
        const std::size_t length = 1 + in.Take(1) % 8;
        std::size_t begin = 0, span = sizeof header;
        if (where % 10 != 0) {
            const Part &part = kParts[where % 10 - 1];
            begin = (header.*part.section).offset;
            span = (header.*part.section).count * part.record;
        }
        if (span == 0)
            continue;
        begin += where & 0x80 ? (offset % (span / 8 + 1)) : offset % span; // often near the start
        for (std::size_t i = 0; i < length && begin + i < work.size() && in.Has(1); ++i)
            work[begin + i] = static_cast<char>(in.Take(1));
        changed.emplace_back(begin, length);
    }
    if (flags & 1)
        SealMap(work.data(), work.size()); // damage the checksums cannot see
    const auto map = WorldMap::FromBytes(work, "fuzz.map", &error, check);
    if (!map && error.empty())
        __builtin_trap();
    if (map)
        Query(*map, in);
    for (const auto &[begin, length] : changed) // back to the base for the next input
        std::memcpy(work.data() + begin, base.data() + begin, std::min(length, base.size() - begin));
    return 0;
}
