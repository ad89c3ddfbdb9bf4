#pragma once
// One bounding-volume tree per area over its boundary edges, in earth-centred coordinates.

#include "geo/map_format.h"
#include "map_polygons.h"

#include <vector>

namespace ondrell::mapbuild {

struct Trees {
    std::vector<mapfile::BvhNode> nodes;
    std::vector<mapfile::BoundaryEdge> edges;
    // One tree over the areas' root boxes, so a search near a point never looks at every area.
    std::vector<mapfile::BvhNode> areaNodes;
    std::vector<std::uint32_t> areaOrder;
};

// Fills each area's rootNode and nodeCount, and the tree over the areas.
Trees BuildTrees(const std::vector<Polygon> &polygons, std::vector<mapfile::AreaRecord> &areas);

} // namespace ondrell::mapbuild
