// Boundary lines within a box: which areas answer, that every line is a connected run of edges
// meeting the box, and that lines lie where the area look-up changes.

#include "map_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace ondrell {
namespace {

using maptest::BuiltMap;

constexpr LonLatBox kPyrenees{-2.0, 42.0, 3.5, 43.5};

bool SegmentMeets(const std::pair<double, double> &a, const std::pair<double, double> &b,
                  const LonLatBox &box) {
    return std::max(a.first, b.first) >= box.west && std::min(a.first, b.first) <= box.east &&
           std::max(a.second, b.second) >= box.south && std::min(a.second, b.second) <= box.north;
}

std::vector<std::string> SymbolsOf(const std::vector<AreaBorder> &borders) {
    std::vector<std::string> symbols;
    for (const auto &b : borders)
        symbols.push_back(b.symbol);
    return symbols;
}

TEST(MapBorderLinesTest, EveryLineIsAConnectedRunOfEdgesMeetingTheBox) {
    for (const char *symbol : {"F", "E", "AND"}) {
        const auto lines = BuiltMap().BorderLines(symbol, kPyrenees);
        ASSERT_FALSE(lines.empty()) << symbol;
        for (const auto &line : lines) {
            ASSERT_GE(line.size(), 2u) << symbol;
            for (std::size_t i = 1; i < line.size(); ++i)
                EXPECT_TRUE(SegmentMeets(line[i - 1], line[i], kPyrenees)) << symbol << " vertex " << i;
        }
    }
}

TEST(MapBorderLinesTest, AnAreaWhollyInsideTheBoxGivesClosedRings) {
    const auto lines = BuiltMap().BorderLines("AND", kPyrenees);
    for (const auto &line : lines) {
        EXPECT_GE(line.size(), 4u);
        EXPECT_EQ(line.front(), line.back());
    }
}

TEST(MapBorderLinesTest, BoxesWithoutBoundaryOrArguments) {
    const auto &map = BuiltMap();
    EXPECT_TRUE(map.BorderLines("F", {2.0, 46.5, 3.0, 47.5}).empty()); // inland France
    EXPECT_TRUE(map.BorderLines("XYZ", kPyrenees).empty());
    EXPECT_TRUE(map.BorderLines("F", {3.5, 42.0, -2.0, 43.5}).empty()); // west > east
    EXPECT_TRUE(map.BordersInBox({-30.0, 40.0, -29.0, 41.0}).empty());  // open Atlantic
    EXPECT_TRUE(map.BordersInBox({0.0, NAN, 1.0, 1.0}).empty());
}

TEST(MapBorderLinesTest, BordersInBoxNamesTheNeighboursInSymbolOrder) {
    const auto borders = BuiltMap().BordersInBox(kPyrenees);
    const auto symbols = SymbolsOf(borders);
    EXPECT_TRUE(std::is_sorted(symbols.begin(), symbols.end()));
    for (const char *expected : {"AND", "E", "F"})
        EXPECT_NE(std::find(symbols.begin(), symbols.end(), expected), symbols.end()) << expected;
    for (const auto &b : borders)
        EXPECT_EQ(b.lines, BuiltMap().BorderLines(b.symbol, kPyrenees)) << b.symbol;
}

TEST(MapBorderLinesTest, LinesRunWhereTheAreaChanges) {
    // Off each edge midpoint, a small step to either side lands in the area on one side and
    // outside it on the other (sampled: every 25th edge of the French border in the box).
    const auto &map = BuiltMap();
    int checked = 0, agreeing = 0;
    for (const auto &line : map.BorderLines("F", kPyrenees))
        for (std::size_t i = 1; i < line.size(); i += 25) {
            const auto [ax, ay] = line[i - 1];
            const auto [bx, by] = line[i];
            const double mx = (ax + bx) / 2, my = (ay + by) / 2;
            const double len = std::hypot(bx - ax, by - ay);
            if (len < 1e-6)
                continue;
            const double nx = -(by - ay) / len * 1e-4, ny = (bx - ax) / len * 1e-4;
            const bool left = map.AreaAt(mx + nx, my + ny) == "F";
            const bool right = map.AreaAt(mx - nx, my - ny) == "F";
            ++checked;
            agreeing += left != right;
        }
    ASSERT_GT(checked, 10);
    EXPECT_GE(agreeing * 10, checked * 9); // a few hits on tiny islands or spikes are allowed
}

} // namespace
} // namespace ondrell
