// Near-area distances against a brute-force search: GeographicLib's inverse geodesic to points
// along every boundary edge in the map file.

#include "map_test_support.h"

#include "geo/geodesic_distance.h"
#include "geo/map_file.h"
#include "support/case_table.h"

#include <GeographicLib/Geodesic.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>

namespace ondrell {
namespace {

namespace mf = mapfile;
using maptest::BuiltMap;

double HaversineKm(double lon1, double lat1, double lon2, double lat2) {
    constexpr double r = 3.14159265358979323846 / 180;
    const double a = std::pow(std::sin((lat2 - lat1) * r / 2), 2) +
                     std::cos(lat1 * r) * std::cos(lat2 * r) * std::pow(std::sin((lon2 - lon1) * r / 2), 2);
    return 2 * 6371.0 * std::asin(std::min(1.0, std::sqrt(a)));
}

// Nearest boundary distance of every area within maxKm, by brute force over all edges.
std::map<std::string, double> BruteForce(double lon, double lat, double maxKm) {
    std::string error;
    const auto file = MapFile::Open(ONDRELL_MAP_FILE, MapCheck::Tables, &error);
    EXPECT_TRUE(file.has_value()) << error;
    const mf::Header &h = file->Header();
    const auto *areas = file->Array<mf::AreaRecord>(h.areas);
    const auto *nodes = file->Array<mf::BvhNode>(h.nodes);
    const auto *edges = file->Array<mf::BoundaryEdge>(h.nodeEdges);
    const auto &geod = GeographicLib::Geodesic::WGS84();
    std::map<std::string, double> result;
    for (std::size_t a = 0; a < h.areas.count; ++a) {
        // The spherical estimate is within 0.6 % of the geodesic; edges are under 6 km long.
        std::vector<const mf::BoundaryEdge *> candidates;
        double bestEstimate = 1e9;
        for (std::uint32_t n = areas[a].rootNode; n < areas[a].rootNode + areas[a].nodeCount; ++n)
            for (std::uint32_t i = nodes[n].first; i < nodes[n].first + nodes[n].count; ++i) {
                const auto &e = edges[i];
                const double est =
                    std::min(HaversineKm(lon, lat, e.alon, e.alat), HaversineKm(lon, lat, e.blon, e.blat));
                bestEstimate = std::min(bestEstimate, est);
                if (est < maxKm * 1.01 + 10)
                    candidates.push_back(&e);
            }
        double best = 1e9;
        for (const auto *e : candidates) {
            const double est =
                std::min(HaversineKm(lon, lat, e->alon, e->alat), HaversineKm(lon, lat, e->blon, e->blat));
            if (est > bestEstimate * 1.01 + 7)
                continue;
            for (int k = 0; k <= 64; ++k) {
                const double t = k / 64.0;
                double s12 = 0;
                geod.Inverse(lat, lon, e->alat + t * (e->blat - e->alat), e->alon + t * (e->blon - e->alon),
                             s12);
                best = std::min(best, s12 / 1000);
            }
        }
        if (best <= maxKm)
            result[std::string(areas[a].symbol, strnlen(areas[a].symbol, 4))] = best;
    }
    return result;
}

TEST(MapDistanceTest, AgreesWithBruteForceGeodesics) {
    for (const auto &row : cases::Load("geo/data/probes.tsv")) {
        const struct {
            std::string name;
            double lon, lat;
        } probe{row[1], cases::ToNumber(row[2]), cases::ToNumber(row[3])};
        const auto near = BuiltMap().NearAreas(probe.lon, probe.lat);
        ASSERT_FALSE(near.empty()) << probe.name;
        const double reach = near.size() == 10 ? near.back().km : 1000.0;
        const auto brute = BruteForce(probe.lon, probe.lat, reach * 1.01);
        for (const auto &n : near) {
            ASSERT_TRUE(brute.count(n.symbol)) << probe.name << " " << n.symbol;
            EXPECT_NEAR(n.km, brute.at(n.symbol), 0.001 * brute.at(n.symbol) + 0.005)
                << probe.name << " " << n.symbol;
        }
        // No area clearly nearer than the last one listed may be missing.
        for (const auto &[symbol, km] : brute) {
            if (km < reach * 0.999) {
                EXPECT_GE(maptest::KmTo(near, symbol), 0)
                    << probe.name << " misses " << symbol << " at " << km;
            }
        }
    }
}

// The fast geodesic agrees with GeographicLib's general solution wherever it is used, and hands
// it the lines it cannot take (poles, near-antipodes).
TEST(MapDistanceTest, FastGeodesicMatchesGeographicLib) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> lon(-180, 180), lat(-89.9, 89.9), step(-12, 12);
    // {lat1, lon1, lat2, lon2}: a point, a hair's breadth, the antimeridian, the equator, over a
    // pole, near-antipodes, pole to pole, next to a pole.
    std::vector<std::array<double, 4>> lines = {
        {0, 0, 0, 0},       {10, 20, 10.000001, 20}, {10, 179.9, 10.5, -179.9}, {0, 90, 0, 90.5},
        {89.5, 0, 89, 180}, {0, 0, 0.5, 179.5},      {-90, 30, 90, -30},        {-89.99, 0, -45, 90}};
    for (int i = 0; i < 20000; ++i) {
        const double a = lat(random), b = lon(random);
        lines.push_back({a, b, std::clamp(a + step(random), -90.0, 90.0), b + step(random)});
    }
    for (const auto &[lat1, lon1, lat2, lon2] : lines) {
        double exact = 0;
        GeographicLib::Geodesic::WGS84().Inverse(lat1, lon1, lat2, lon2, exact);
        EXPECT_NEAR(GeodesicMetres(lat1, lon1, lat2, lon2), exact, 1e-4)
            << lat1 << ' ' << lon1 << " -> " << lat2 << ' ' << lon2;
    }
}

} // namespace
} // namespace ondrell
