// A damaged map file gives a clear error: refused at load when a checksum or a small table
// tells, otherwise reported by the query that meets the damage, never a crash, a hang or a
// symbol that is not an area of the map.

#include "geo/map_file.h"
#include "map_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <set>
#include <unistd.h>

namespace ondrell {
namespace {

namespace mf = mapfile;

const std::string &MapBytes() {
    static const std::string bytes = [] {
        std::ifstream in(ONDRELL_MAP_FILE, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    return bytes;
}

mf::Header HeaderOf(const std::string &bytes) {
    mf::Header h;
    std::memcpy(&h, bytes.data(), sizeof h);
    return h;
}

template <typename T> T *Record(std::string &bytes, const mf::Section &s, std::size_t i) {
    return reinterpret_cast<T *>(bytes.data() + s.offset) + i;
}

// Places whose queries reach each part of the map: a cell with groups (the first mixed cell
// at or after the Pyrenees), a whole cell (Paris), and France's tree.
struct Landmarks {
    std::size_t mixedCell, wholeCell, france;
};

std::size_t CellOf(double lon, double lat) {
    return std::size_t((lat + 90) / mf::kCellDeg) * mf::kGridCols + std::size_t((lon + 180) / mf::kCellDeg);
}

std::pair<double, double> CentreOf(std::size_t cell) {
    return {-180 + (double(cell % mf::kGridCols) + 0.5) * mf::kCellDeg,
            -90 + (double(cell / mf::kGridCols) + 0.5) * mf::kCellDeg};
}

Landmarks Find(std::string &bytes) {
    const mf::Header h = HeaderOf(bytes);
    Landmarks l{CellOf(0.5, 42.7), CellOf(2.35, 48.85), 0};
    while (*Record<std::uint32_t>(bytes, h.cellFirst, l.mixedCell) ==
           *Record<std::uint32_t>(bytes, h.cellFirst, l.mixedCell + 1))
        ++l.mixedCell;
    while (std::string(Record<mf::AreaRecord>(bytes, h.areas, l.france)->symbol) != "F")
        ++l.france;
    return l;
}

struct Damage {
    const char *name;
    const char *part; // as the message names it
    std::function<void(std::string &, const mf::Header &, const Landmarks &)> apply;
};

mf::BvhNode *FranceRoot(std::string &b, const mf::Header &h, const Landmarks &l) {
    return Record<mf::BvhNode>(b, h.nodes, Record<mf::AreaRecord>(b, h.areas, l.france)->rootNode);
}

const Damage kDamages[] = {
    {"tree node pointing to itself", "boundary trees",
     [](std::string &b, const mf::Header &h, const Landmarks &l) {
         mf::BvhNode *root = FranceRoot(b, h, l);
         root->first = Record<mf::AreaRecord>(b, h.areas, l.france)->rootNode;
     }},
    {"tree children past the area's nodes", "boundary trees",
     [](std::string &b, const mf::Header &h, const Landmarks &l) {
         const auto *area = Record<mf::AreaRecord>(b, h.areas, l.france);
         FranceRoot(b, h, l)->first = area->rootNode + area->nodeCount - 1;
     }},
    {"tree nodes sharing children (exponential walk)", "boundary trees",
     [](std::string &b, const mf::Header &h, const Landmarks &l) {
         const auto *area = Record<mf::AreaRecord>(b, h.areas, l.france);
         for (std::uint32_t n = area->rootNode; n + 2 < area->rootNode + area->nodeCount; ++n) {
             auto *node = Record<mf::BvhNode>(b, h.nodes, n);
             *node = *FranceRoot(b, h, l);
             node->first = n + 1;
             node->count = 0;
         }
     }},
    {"leaf past the edges", "boundary trees",
     [](std::string &b, const mf::Header &h, const Landmarks &l) {
         mf::BvhNode *root = FranceRoot(b, h, l);
         root->count = 8;
         root->first = std::uint32_t(h.nodeEdges.count) - 4;
     }},
    {"cell table out of order", "cell table",
     [](std::string &b, const mf::Header &h, const Landmarks &l) {
         *Record<std::uint32_t>(b, h.cellFirst, l.wholeCell) = 0xFFFFFFF0u;
     }},
    {"cell group past the edges", "cell groups",
     [](std::string &b, const mf::Header &h, const Landmarks &l) {
         const auto g = *Record<std::uint32_t>(b, h.cellFirst, l.mixedCell);
         Record<mf::CellGroup>(b, h.groups, g)->firstEdge = std::uint32_t(h.cellEdges.count);
     }},
    {"cell group of no area", "cell groups",
     [](std::string &b, const mf::Header &h, const Landmarks &l) {
         const auto g = *Record<std::uint32_t>(b, h.cellFirst, l.mixedCell);
         Record<mf::CellGroup>(b, h.groups, g)->area = std::uint16_t(h.areas.count);
         Record<mf::CellGroup>(b, h.groups, g)->refInside = 1;
     }},
    {"whole cell of no area", "cell areas",
     [](std::string &b, const mf::Header &h, const Landmarks &l) {
         *Record<std::uint16_t>(b, h.cellArea, l.wholeCell) = std::uint16_t(h.areas.count);
     }},
    {"area tree pointing to itself", "area tree",
     [](std::string &b, const mf::Header &h, const Landmarks &) {
         Record<mf::BvhNode>(b, h.areaNodes, 0)->first = 0;
     }},
    {"area tree leaf past its list", "area tree",
     [](std::string &b, const mf::Header &h, const Landmarks &) {
         auto *root = Record<mf::BvhNode>(b, h.areaNodes, 0);
         root->count = 4;
         root->first = std::uint32_t(h.areaOrder.count) - 1;
     }},
    {"area tree naming no area", "area tree",
     [](std::string &b, const mf::Header &h, const Landmarks &) {
         *Record<std::uint32_t>(b, h.areaOrder, 0) = std::uint32_t(h.areas.count);
     }},
    {"garbled symbol", "area table",
     [](std::string &b, const mf::Header &h, const Landmarks &l) {
         Record<mf::AreaRecord>(b, h.areas, l.france)->symbol[1] = '\x7f';
     }},
    {"area tree past the trees", "area table",
     [](std::string &b, const mf::Header &h, const Landmarks &l) {
         Record<mf::AreaRecord>(b, h.areas, l.france)->rootNode = std::uint32_t(h.nodes.count);
     }},
};

// Queries every part of the map around the landmarks and on a world grid; true when every answer
// was an area of the map (or the sea).
bool AnswersStayOnTheMap(const WorldMap &map, const Landmarks &l) {
    std::vector<std::pair<double, double>> points = {CentreOf(l.mixedCell), CentreOf(l.wholeCell)};
    for (double lon = -177.5; lon < 180; lon += 15)
        for (double lat = -82.5; lat < 90; lat += 15)
            points.emplace_back(lon, lat);
    const auto symbols = map.Symbols();
    const std::set<std::string> known(symbols.begin(), symbols.end());
    bool onMap = true;
    for (const auto &[lon, lat] : points) {
        const std::string area = map.AreaAt(lon, lat);
        onMap &= area.empty() || known.count(area) > 0;
        for (const auto &near : map.NearAreas(lon, lat))
            onMap &= known.count(near.symbol) > 0;
    }
    for (const auto &border : map.BordersInBox({-5, 41, 10, 52}))
        onMap &= known.count(border.symbol) > 0;
    return onMap;
}

TEST(MapDamageTest, ChecksumsRefuseAnyDamagedPart) {
    for (const auto &damage : kDamages) {
        std::string bytes = MapBytes();
        const Landmarks l = Find(bytes);
        damage.apply(bytes, HeaderOf(bytes), l);
        std::string error;
        EXPECT_FALSE(WorldMap::FromBytes(bytes, "m.map", &error, MapCheck::Full)) << damage.name;
        EXPECT_NE(error.find("m.map is damaged"), std::string::npos) << damage.name << ": " << error;
    }
    std::string header = MapBytes();
    ++reinterpret_cast<mf::Header *>(header.data())->nodes.count;
    std::string error;
    EXPECT_FALSE(WorldMap::FromBytes(header, "m.map", &error, MapCheck::Tables));
    EXPECT_EQ(error, "m.map is damaged (header)");
}

// Damage behind valid checksums (as if the builder had a fault, or for the large tables under
// the lighter check): refused at load or named by the first query that meets it.
TEST(MapDamageTest, BoundsCatchDamageTheChecksumsMiss) {
    for (const auto &damage : kDamages) {
        std::string bytes = MapBytes();
        const Landmarks l = Find(bytes);
        damage.apply(bytes, HeaderOf(bytes), l);
        ASSERT_TRUE(SealMap(bytes.data(), bytes.size()));
        std::string error;
        const auto map = WorldMap::FromBytes(bytes, "m.map", &error, MapCheck::Full);
        const std::string expected = std::string("m.map is damaged (") + damage.part + ")";
        if (!map) {
            EXPECT_EQ(error, expected) << damage.name;
            continue;
        }
        EXPECT_TRUE(AnswersStayOnTheMap(*map, l)) << damage.name;
        EXPECT_EQ(map->Damage(), expected) << damage.name;
        EXPECT_EQ(map->AreaAt(2.35, 48.85), "") << damage.name << ": damaged maps answer nothing";
    }
}

TEST(MapDamageTest, RandomDamageNeverLeavesTheMap) {
    std::mt19937 random(7);
    std::string bytes = MapBytes();
    const Landmarks l = Find(bytes);
    for (int round = 0; round < 12; ++round) {
        std::string damaged = bytes;
        for (int k = 0; k < 64; ++k)
            damaged[sizeof(mf::Header) + random() % (damaged.size() - sizeof(mf::Header))] ^=
                char(1 << (random() % 8));
        ASSERT_TRUE(SealMap(damaged.data(), damaged.size()));
        std::string error;
        if (const auto map = WorldMap::FromBytes(damaged, "m.map", &error, MapCheck::Full)) {
            EXPECT_TRUE(AnswersStayOnTheMap(*map, l)) << "round " << round;
        }
    }
}

// The builder replaces the map by renaming a new file over it: a program using the old one goes
// on answering from it, mapped or copied (Windows refuses the rename while the file is mapped). A
// copy also survives the file rewritten in place.
TEST(MapDamageTest, ReplacingTheFileKeepsTheLoadedMap) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("ondrell_map_replace_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto path = dir / "ondrell.map";
    const struct {
        MapAccess access;
        bool rename;
    } cases[] = {{MapAccess::Copy, true}, {MapAccess::Copy, false}, {MapAccess::Map, true}};
    for (const auto &c : cases) {
#ifdef _WIN32
        if (c.access == MapAccess::Map) {
            std::filesystem::remove_all(dir);
            GTEST_SKIP() << "Windows refuses to replace a file that is mapped (the builder says so)";
        }
#endif
        std::filesystem::copy_file(ONDRELL_MAP_FILE, path, std::filesystem::copy_options::overwrite_existing);
        std::string error;
        const auto map = WorldMap::Load(path.string(), &error, MapCheck::Tables, c.access);
        ASSERT_TRUE(map) << error;
        const auto replacement = c.rename ? dir / "new.map" : path;
        std::ofstream(replacement, std::ios::binary | std::ios::trunc) << "not a map";
        if (c.rename)
            std::filesystem::rename(replacement, path);
        EXPECT_EQ(map->AreaAt(2.35, 48.85), "F");
        EXPECT_EQ(maptest::KmTo(map->NearAreas(2.35, 48.85), "BEL"),
                  maptest::KmTo(maptest::BuiltMap().NearAreas(2.35, 48.85), "BEL"));
        EXPECT_EQ(map->Damage(), "");
    }
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace ondrell
