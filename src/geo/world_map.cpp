#include "geo/world_map.h"

#include "geo/world_map_impl.h"
#include "util/platform.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace ondrell {

namespace mf = mapfile;

WorldMap::Impl::Impl(MapFile mapped, std::string mapName)
    : file(std::move(mapped)), name(std::move(mapName)) {
    const mf::Header &h = file.Header();
    areas = file.Array<mf::AreaRecord>(h.areas);
    areaCount = h.areas.count;
    cellFirst = file.Array<std::uint32_t>(h.cellFirst);
    cellArea = file.Array<std::uint16_t>(h.cellArea);
    groups = file.Array<mf::CellGroup>(h.groups);
    groupCount = h.groups.count;
    cellEdges = file.Array<mf::CellEdge>(h.cellEdges);
    cellEdgeCount = h.cellEdges.count;
    nodes = file.Array<mf::BvhNode>(h.nodes);
    nodeEdges = file.Array<mf::BoundaryEdge>(h.nodeEdges);
    nodeEdgeCount = h.nodeEdges.count;
    areaNodes = file.Array<mf::BvhNode>(h.areaNodes);
    areaNodeCount = h.areaNodes.count;
    areaOrder = file.Array<std::uint32_t>(h.areaOrder);
    areaOrderCount = h.areaOrder.count;
}

void WorldMap::Impl::MarkDamaged(const char *part) const {
    const char *none = nullptr;
    damage.compare_exchange_strong(none, part, std::memory_order_relaxed);
}

std::string_view WorldMap::Impl::Symbol(std::size_t area) const {
    const char *s = areas[area].symbol;
    return {s, strnlen(s, sizeof areas[area].symbol)};
}

namespace {

double Orient(double ax, double ay, double bx, double by, double cx, double cy) {
    return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

} // namespace

int WorldMap::Impl::AreaIndexAt(double lon, double lat) const {
    if (!std::isfinite(lon) || !(lat >= -90 && lat <= 90))
        return -1;
    if (lon < -180 || lon >= 180)
        lon = std::fmod(std::fmod(lon + 180, 360) + 360, 360) - 180;
    const int col = std::min(static_cast<int>((lon + 180) / mf::kCellDeg), mf::kGridCols - 1);
    const int row = std::min(static_cast<int>((lat + 90) / mf::kCellDeg), mf::kGridRows - 1);
    const std::size_t cell = std::size_t(row) * mf::kGridCols + col;
    if (Damaged())
        return -1;
    const std::uint32_t firstGroup = cellFirst[cell], endGroup = cellFirst[cell + 1];
    if (firstGroup > endGroup || endGroup > groupCount) {
        MarkDamaged("cell table");
        return -1;
    }
    // Walk from the cell's reference point to the point: each polygon boundary crossed flips
    // whether we are inside that polygon.
    const double rx = -180 + (col + 0.5) * mf::kCellDeg + mf::kRefOffsetLon;
    const double ry = -90 + (row + 0.5) * mf::kCellDeg + mf::kRefOffsetLat;
    for (std::uint32_t g = firstGroup; g < endGroup; ++g) {
        const mf::CellGroup &group = groups[g];
        if (group.firstEdge > cellEdgeCount || group.edgeCount > cellEdgeCount - group.firstEdge ||
            group.area >= areaCount) {
            MarkDamaged("cell groups");
            return -1;
        }
        bool inside = group.refInside != 0;
        const mf::CellEdge *e = cellEdges + group.firstEdge;
        for (const mf::CellEdge *end = e + group.edgeCount; e != end; ++e) {
            const bool sa = Orient(rx, ry, lon, lat, e->ax, e->ay) > 0;
            const bool sb = Orient(rx, ry, lon, lat, e->bx, e->by) > 0;
            if (sa != sb && (Orient(e->ax, e->ay, e->bx, e->by, rx, ry) > 0) !=
                                (Orient(e->ax, e->ay, e->bx, e->by, lon, lat) > 0))
                inside = !inside;
        }
        if (inside)
            return group.area;
    }
    const std::uint16_t whole = cellArea[cell];
    if (whole == mf::kNoArea)
        return -1;
    if (whole >= areaCount) {
        MarkDamaged("cell areas");
        return -1;
    }
    return whole;
}

WorldMap::WorldMap(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
WorldMap::~WorldMap() = default;
WorldMap::WorldMap(WorldMap &&) noexcept = default;
WorldMap &WorldMap::operator=(WorldMap &&) noexcept = default;

std::optional<WorldMap> WorldMap::Load(const std::string &path, std::string *error, MapCheck check,
                                       MapAccess access) {
    auto file =
        access == MapAccess::Copy ? MapFile::ReadCopy(path, check, error) : MapFile::Open(path, check, error);
    if (!file)
        return std::nullopt;
    return WorldMap(std::make_unique<Impl>(std::move(*file), path));
}

std::optional<WorldMap> WorldMap::FromBytes(std::string_view bytes, const std::string &name,
                                            std::string *error, MapCheck check) {
    auto file = MapFile::FromBytes(bytes, name, check, error);
    if (!file)
        return std::nullopt;
    return WorldMap(std::make_unique<Impl>(std::move(*file), name));
}

std::string WorldMap::Damage() const {
    const char *part = impl_->damage.load(std::memory_order_relaxed);
    return part ? impl_->name + " is damaged (" + part + ")" : std::string();
}

std::string WorldMap::AreaAt(double lon, double lat) const {
    const int area = impl_->AreaIndexAt(lon, lat);
    return area < 0 ? std::string() : std::string(impl_->Symbol(std::size_t(area)));
}

std::vector<NearArea> WorldMap::NearAreas(double lon, double lat, double radiusKm,
                                          std::size_t maxCount) const {
    return FindNearAreas(*impl_, lon, lat, radiusKm, maxCount);
}

std::vector<std::string> WorldMap::Symbols() const {
    std::vector<std::string> symbols;
    for (std::size_t i = 0; i < impl_->areaCount; ++i)
        symbols.emplace_back(impl_->Symbol(i));
    return symbols;
}

std::string DefaultMapPath(const std::string &exeDir) {
    if (std::string env = platform::GetEnv("ONDRELL_MAP_FILE"); !env.empty())
        return env;
    if (exeDir.empty())
        return kMapFileName;
    const std::string dir = exeDir.back() == '/' ? exeDir : exeDir + "/";
    const std::string beside = dir + kMapFileName;
    // The install step writes the folder's path relative to bin, so an installed tree can move.
    const std::string installedDir = dir + ONDRELL_MAP_DIR_FROM_BIN;
    // In an installed tree without its map, the installed place is the one to name in messages.
    std::error_code ec;
    const bool useInstalled = !std::filesystem::exists(platform::PathFromUtf8(beside), ec) &&
                              std::filesystem::is_directory(platform::PathFromUtf8(installedDir), ec);
    return useInstalled ? installedDir + "/" + kMapFileName : beside;
}

} // namespace ondrell
