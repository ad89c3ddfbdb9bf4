#pragma once
// Which map area each piece of the boundary data becomes, named by the agreement's symbols.

#include "geometry.h"
#include "topojson_reader.h"

#include <string>
#include <vector>

namespace ondrell::mapbuild {

struct AreaPolygon {
    std::string symbol;
    std::vector<Ring> rings; // evaluated by parity: outer rings and holes alike
};

// Symbol of a whole source feature by its ISO 3166 numeric code or, for features without one,
// by its name; empty when the tables hold neither.
std::string FeatureSymbol(int isoNumeric, const std::string &name);

// Splits every feature into area polygons: special areas are cut out of their ISO entity, rings
// across the antimeridian are split at it. Throws std::runtime_error for a feature with no symbol.
std::vector<AreaPolygon> AssignAreas(const std::vector<SourceFeature> &features);

} // namespace ondrell::mapbuild
