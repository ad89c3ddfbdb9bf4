// World map speed: loading the map file, point -> area, and the near-area search.

#include "geo/world_map.h"

#include <benchmark/benchmark.h>

#include <random>
#include <stdexcept>

namespace {

const ondrell::WorldMap &Map() {
    static const ondrell::WorldMap map = [] {
        std::string error;
        auto loaded = ondrell::WorldMap::Load(ONDRELL_MAP_FILE, &error);
        if (!loaded)
            throw std::runtime_error(error);
        return std::move(*loaded);
    }();
    return map;
}

struct Region {
    double lon0, lon1, lat0, lat1;
};
constexpr Region kWorld{-180, 180, -60, 80};
// Europe, North Africa and the Middle East: dense borders and coasts.
constexpr Region kEurope{-12, 45, 27, 62};

std::vector<std::pair<double, double>> RandomPoints(const Region &r, std::size_t n) {
    std::mt19937 gen(42);
    std::uniform_real_distribution<double> lon(r.lon0, r.lon1), lat(r.lat0, r.lat1);
    std::vector<std::pair<double, double>> points(n);
    for (auto &p : points)
        p = {lon(gen), lat(gen)};
    return points;
}

// Loading with the small tables checked (the desktop program's start-up) and with every checksum
// checked (the command-line tools).
void Load(benchmark::State &state, ondrell::MapCheck check) {
    for (auto _ : state) {
        std::string error;
        auto map = ondrell::WorldMap::Load(ONDRELL_MAP_FILE, &error, check);
        benchmark::DoNotOptimize(map);
    }
}
BENCHMARK_CAPTURE(Load, tables, ondrell::MapCheck::Tables)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Load, full, ondrell::MapCheck::Full)->Unit(benchmark::kMicrosecond);

// Load plus one look-up, as the program does at start and on its first validation.
void BM_LoadAndFirstQuery(benchmark::State &state) {
    for (auto _ : state) {
        std::string error;
        auto map = ondrell::WorldMap::Load(ONDRELL_MAP_FILE, &error);
        benchmark::DoNotOptimize(map->NearAreas(2.35, 48.85));
    }
}
BENCHMARK(BM_LoadAndFirstQuery)->Unit(benchmark::kMicrosecond);

void AreaAt(benchmark::State &state, const Region &region) {
    const auto &map = Map();
    const auto points = RandomPoints(region, 1 << 16);
    std::size_t i = 0;
    for (auto _ : state) {
        const auto &p = points[i++ & (points.size() - 1)];
        benchmark::DoNotOptimize(map.AreaAt(p.first, p.second));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(AreaAt, world, kWorld);
BENCHMARK_CAPTURE(AreaAt, europe, kEurope);

void NearAreas(benchmark::State &state, const Region &region) {
    const auto &map = Map();
    const auto points = RandomPoints(region, 1 << 12);
    std::size_t i = 0;
    for (auto _ : state) {
        const auto &p = points[i++ & (points.size() - 1)];
        benchmark::DoNotOptimize(map.NearAreas(p.first, p.second, 1000.0, 10));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(NearAreas, world, kWorld)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(NearAreas, europe, kEurope)->Unit(benchmark::kMicrosecond);

} // namespace
