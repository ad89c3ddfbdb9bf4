// Look-up edge cases: limits of the near search, and agreement between the area look-up and the
// boundary distances.

#include "map_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ondrell {
namespace {

using maptest::BuiltMap;
using maptest::KmTo;

TEST(MapQueryTest, NearListIsSortedLimitedAndWithinRadius) {
    const auto &map = BuiltMap();
    const auto near = map.NearAreas(9.5, 47.1); // Liechtenstein: many borders close by
    ASSERT_EQ(near.size(), 10u);
    for (std::size_t i = 1; i < near.size(); ++i)
        EXPECT_LE(near[i - 1].km, near[i].km);
    EXPECT_LE(near.back().km, 1000.0);

    const auto three = map.NearAreas(9.5, 47.1, 1000.0, 3);
    ASSERT_EQ(three.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(three[i].symbol, near[i].symbol);

    const auto close = map.NearAreas(9.5, 47.1, 20.0, 10);
    for (const auto &n : close)
        EXPECT_LE(n.km, 20.0);
    EXPECT_TRUE(map.NearAreas(9.5, 47.1, 1000.0, 0).empty());
    EXPECT_TRUE(map.NearAreas(2.35, NAN).empty());
}

TEST(MapQueryTest, AntimeridianDistancesSeeBothSides) {
    // Just west of 180 on Chukotka's coast: the land east of 180 is the same area, so the
    // distance to RUS must be the distance to the real coast, not to the cut at 180.
    const auto near = BuiltMap().NearAreas(179.99, 67.0);
    ASSERT_FALSE(near.empty());
    EXPECT_EQ(near.front().symbol, "RUS");
    EXPECT_GT(near.front().km, 20);
}

TEST(MapQueryTest, AreaChangesOnlyAtBoundaries) {
    // Walk a grid over Europe, Africa and the Middle East: wherever two neighbouring points lie in
    // different areas, both areas' boundaries must pass between them.
    const auto &map = BuiltMap();
    const double step = 0.2;
    const double maxKm = step * 111.4 + 0.5;
    int changes = 0;
    for (double lat = -35; lat < 70; lat += 1.3)
        for (double lon = -25; lon < 60; lon += step) {
            const std::string a = map.AreaAt(lon, lat), b = map.AreaAt(lon + step, lat);
            if (a == b)
                continue;
            ++changes;
            const auto near = map.NearAreas(lon, lat, maxKm + 5, 10);
            for (const auto &s : {a, b})
                if (!s.empty()) {
                    const double km = KmTo(near, s);
                    EXPECT_TRUE(km >= 0 && km <= maxKm) << s << " at " << lon << " " << lat << ": " << km;
                }
        }
    EXPECT_GT(changes, 500);
}

} // namespace
} // namespace ondrell
