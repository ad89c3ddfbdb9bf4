#pragma once
// The point-in-area grid: per cell, the polygons whose edges cross it with their edges and
// whether the cell's reference point lies inside each, or the one area holding the whole cell.

#include "geo/map_format.h"
#include "map_polygons.h"

#include <vector>

namespace ondrell::mapbuild {

struct Grid {
    std::vector<std::uint32_t> cellFirst;
    std::vector<std::uint16_t> cellArea;
    std::vector<mapfile::CellGroup> groups;
    std::vector<mapfile::CellEdge> edges;
};

Grid BuildGrid(const std::vector<Polygon> &polygons);

} // namespace ondrell::mapbuild
