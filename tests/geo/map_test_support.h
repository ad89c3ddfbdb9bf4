#pragma once
// The built world map, loaded once for all map tests.

#include "geo/world_map.h"

#include <gtest/gtest.h>

namespace ondrell::maptest {

inline const WorldMap &BuiltMap() {
    static const WorldMap map = [] {
        std::string error;
        auto loaded = WorldMap::Load(ONDRELL_MAP_FILE, &error);
        if (!loaded)
            throw std::runtime_error("cannot load " + std::string(ONDRELL_MAP_FILE) + ": " + error);
        return std::move(*loaded);
    }();
    return map;
}

inline double KmTo(const std::vector<NearArea> &near, const std::string &symbol) {
    for (const auto &n : near)
        if (n.symbol == symbol)
            return n.km;
    return -1;
}

} // namespace ondrell::maptest
