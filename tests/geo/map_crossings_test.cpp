// Self-crossings of closed contours.

#include "geo/world_map.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using Points = std::vector<std::pair<double, double>>;

std::vector<std::pair<int, int>> Pairs(const Points &points) {
    std::vector<std::pair<int, int>> out;
    for (const auto &c : PolygonCrossings(points))
        out.emplace_back(c.p, c.q);
    return out;
}

struct Case {
    const char *name;
    Points points; // closing point included
    std::vector<std::pair<int, int>> expected;
};

const Case kCases[] = {
    {"square", {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}}, {}},
    {"triangle", {{0, 0}, {2, 0}, {1, 1}, {0, 0}}, {}},
    {"concave", {{0, 0}, {4, 0}, {4, 4}, {2, 1}, {0, 4}, {0, 0}}, {}},
    // 0-1 runs along the bottom, 2-3 along the top, the diagonals 1-2 and 3-0 cross.
    {"figure eight", {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 0}}, {{1, 3}}},
    {"two crossings", {{0, 0}, {3, 0}, {3, 2}, {2, -1}, {1, -1}, {1, 2}, {0, 2}, {0, 0}}, {{0, 2}, {0, 4}}},
    // Point 4 repeats point 1: the contour touches itself there.
    {"repeated point", {{0, 0}, {2, 0}, {3, 1}, {2, 2}, {2, 0}, {0, 2}, {0, 0}}, {{1, 4}}},
    {"repeated consecutive point", {{0, 0}, {1, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}}, {{1, 2}}},
    // Point 3 lies inside segment 0-1: both segments that end there touch it.
    {"vertex on an edge", {{0, 0}, {4, 0}, {4, 4}, {2, 0}, {0, 4}, {0, 0}}, {{0, 2}, {0, 3}}},
    // Segment 1-2 turns back along segment 0-1, and point 2 then lies inside segment 0-1.
    {"fold back", {{0, 0}, {2, 0}, {1, 0}, {1, 1}, {0, 0}}, {{0, 1}, {0, 2}}},
    {"too few points", {{0, 0}}, {}},
};

TEST(PolygonCrossingsTest, FindsEachCrossingPairOnce) {
    for (const auto &c : kCases)
        EXPECT_EQ(Pairs(c.points), c.expected) << c.name;
}

TEST(PolygonCrossingsTest, ClosingSegmentIsAdjacentToTheFirst) {
    // The closing segment 3-0 meets segment 0-1 only at point 0: no crossing.
    EXPECT_TRUE(PolygonCrossings({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}}).empty());
    // Unclosed input: the first and last segments are not adjacent, and they cross here.
    EXPECT_EQ(Pairs({{0, 0}, {2, 2}, {2, 0}, {0, 2}}), (std::vector<std::pair<int, int>>{{0, 2}}));
}

} // namespace
} // namespace ondrell
