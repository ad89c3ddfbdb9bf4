#pragma once
// The loaded map behind WorldMap: the mapped file, its arrays with their lengths, and the first
// damage a query met.

#include "geo/map_file.h"
#include "geo/world_map.h"

#include <atomic>
#include <string_view>

namespace ondrell {

struct WorldMap::Impl {
    Impl(MapFile mapped, std::string name);

    // Index of the area containing the point, or -1 for the sea (or a damaged map).
    int AreaIndexAt(double lon, double lat) const;
    std::string_view Symbol(std::size_t area) const;

    // Records that a query met damage in the named part; queries answer nothing from then on.
    void MarkDamaged(const char *part) const;
    bool Damaged() const { return damage.load(std::memory_order_relaxed) != nullptr; }

    MapFile file;
    std::string name;
    mutable std::atomic<const char *> damage{nullptr};
    const mapfile::AreaRecord *areas;
    std::size_t areaCount;
    const std::uint32_t *cellFirst;
    const std::uint16_t *cellArea;
    const mapfile::CellGroup *groups;
    std::size_t groupCount;
    const mapfile::CellEdge *cellEdges;
    std::size_t cellEdgeCount;
    const mapfile::BvhNode *nodes;
    const mapfile::BoundaryEdge *nodeEdges;
    std::size_t nodeEdgeCount;
    const mapfile::BvhNode *areaNodes;
    std::size_t areaNodeCount;
    const std::uint32_t *areaOrder;
    std::size_t areaOrderCount;
};

// The near-area search (map_near_areas.cpp).
std::vector<NearArea> FindNearAreas(const WorldMap::Impl &map, double lon, double lat, double radiusKm,
                                    std::size_t maxCount);

} // namespace ondrell
