#pragma once
// The real world map for the targets that validate or look up: $ONDRELL_MAP_FILE when set, else
// the map of the build the target belongs to. Loaded once per process.

#include "geo/world_map.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace ondrell::fuzz {

inline const WorldMap &RealMap() {
    static const std::optional<WorldMap> map = [] {
        const char *env = std::getenv("ONDRELL_MAP_FILE");
        std::string error;
        auto loaded = WorldMap::Load(env && *env ? env : ONDRELL_MAP_FILE, &error);
        if (!loaded) {
            std::fprintf(stderr, "fuzz: no map: %s\n", error.c_str());
            std::abort();
        }
        return loaded;
    }();
    return *map;
}

} // namespace ondrell::fuzz
