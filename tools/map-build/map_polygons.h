#pragma once
// Area polygons as float edges, the form both indexes of the map file are built from.

#include "area_symbols.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ondrell::mapbuild {

struct Edge {
    float ax, ay, bx, by;
    bool boundary; // counts for distances (not a seam at +-180, a pole or a joint inside an area)
};

struct Polygon {
    std::uint16_t area; // index into the sorted symbols
    std::vector<Edge> edges;
};

// Rounds the rings to float, drops repeated points, orders polygons smallest first and marks
// which edges are real boundaries. symbols must be sorted and hold every input symbol.
std::vector<Polygon> MakePolygons(const std::vector<AreaPolygon> &input,
                                  const std::vector<std::string> &symbols);

// Splits long edges into pieces short enough to be both straight in degrees and geodesic.
void Densify(std::vector<Polygon> &polygons);

} // namespace ondrell::mapbuild
