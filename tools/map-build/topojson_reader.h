#pragma once
// Reads the countries object of a TopoJSON topology (world-atlas countries-10m.json).

#include "geometry.h"

#include <string>
#include <vector>

namespace ondrell::mapbuild {

struct SourceFeature {
    int isoNumeric = -1; // -1 when the feature carries no id
    std::string name;
    std::vector<std::vector<Ring>> polygons; // each: outer ring, then holes
};

// Throws std::runtime_error with a readable reason when the file is missing or malformed.
std::vector<SourceFeature> ReadCountries(const std::string &path);

} // namespace ondrell::mapbuild
