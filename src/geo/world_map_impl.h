#pragma once
// The loaded map behind WorldMap: the mapped file and its arrays.

#include "geo/map_file.h"
#include "geo/world_map.h"

#include <string_view>

namespace ondrell {

struct WorldMap::Impl {
    explicit Impl(MapFile mapped);

    // Index of the area containing the point, or -1 for the sea.
    int AreaIndexAt(double lon, double lat) const;
    std::string_view Symbol(std::size_t area) const;

    MapFile file;
    const mapfile::AreaRecord *areas;
    std::size_t areaCount;
    const std::uint32_t *cellFirst;
    const std::uint16_t *cellArea;
    const mapfile::CellGroup *groups;
    const mapfile::CellEdge *cellEdges;
    const mapfile::BvhNode *nodes;
    const mapfile::BoundaryEdge *nodeEdges;
};

// The near-area search (map_near_areas.cpp).
std::vector<NearArea> FindNearAreas(const WorldMap::Impl &map, double lon, double lat, double radiusKm,
                                    std::size_t maxCount);

} // namespace ondrell
