#pragma once
// One bounding-volume tree per area over its boundary edges, in earth-centred coordinates.

#include "geo/map_format.h"
#include "map_polygons.h"

#include <vector>

namespace ondrell::mapbuild {

struct Trees {
    std::vector<mapfile::BvhNode> nodes;
    std::vector<mapfile::BoundaryEdge> edges;
};

// Fills each area's rootNode and nodeCount.
Trees BuildTrees(const std::vector<Polygon> &polygons, std::vector<mapfile::AreaRecord> &areas);

} // namespace ondrell::mapbuild
