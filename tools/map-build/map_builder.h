#pragma once
// Turns area polygons into the map file's flat arrays: the point-in-area grid and one bounding-
// volume tree per area over its boundary edges.

#include "area_symbols.h"

#include <string>
#include <vector>

namespace ondrell::mapbuild {

struct MapStats {
    std::size_t areas = 0, polygons = 0, edges = 0, boundaryEdges = 0, mixedCells = 0, bytes = 0;
};

// Builds the map and writes it to path (through a temporary file, renamed when complete).
// Throws std::runtime_error when writing fails.
MapStats WriteMapFile(const std::vector<AreaPolygon> &polygons, const std::string &path);

} // namespace ondrell::mapbuild
