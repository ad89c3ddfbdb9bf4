// Real places land in their own area; sea points lie at a sensible distance from the coast; the
// look-up wraps longitudes and treats invalid positions as sea. Self-crossings of contours.

#include "map_test_support.h"
#include "support/case_table.h"

#include <sstream>

namespace ondrell {
namespace {

using maptest::BuiltMap;
using maptest::KmTo;

class MapTable : public ::testing::TestWithParam<cases::Row> {};

TEST_P(MapTable, AgreesWithTheRow) {
    const auto &row = GetParam();
    const double lon = cases::ToNumber(row[2]), lat = cases::ToNumber(row[3]);
    const std::string expected = row[4] == "-" ? "" : row[4];
    const auto &map = BuiltMap();
    EXPECT_EQ(map.AreaAt(lon, lat), row[0] == "Sea" ? "" : expected) << row[1];
    const auto near = map.NearAreas(lon, lat);
    if (row[0] == "Place") {
        EXPECT_GE(KmTo(near, expected), 0) << row[1] << " missing from its own near list";
    } else if (row[0] == "Sea" && expected.empty()) {
        EXPECT_TRUE(near.empty()) << row[1];
    } else if (row[0] == "Sea") {
        ASSERT_FALSE(near.empty()) << row[1];
        EXPECT_EQ(near.front().symbol, expected) << row[1];
        EXPECT_GE(near.front().km, cases::ToNumber(row[5])) << row[1];
        EXPECT_LE(near.front().km, cases::ToNumber(row[6])) << row[1];
    }
}
INSTANTIATE_TEST_SUITE_P(Places, MapTable, ::testing::ValuesIn(cases::Load("geo/data/places.tsv")),
                         cases::Name);

class CrossingTable : public ::testing::TestWithParam<cases::Row> {};

TEST_P(CrossingTable, FindsEachCrossingPairOnce) {
    std::vector<std::pair<double, double>> points;
    std::istringstream in(GetParam()[1]);
    for (std::string point; in >> point;)
        points.emplace_back(std::stod(point), std::stod(point.substr(point.find(',') + 1)));
    std::string pairs;
    for (const auto &c : PolygonCrossings(points))
        pairs += (pairs.empty() ? "" : " ") + std::to_string(c.p) + "-" + std::to_string(c.q);
    EXPECT_EQ(pairs, GetParam()[2]);
}
INSTANTIATE_TEST_SUITE_P(Contours, CrossingTable, ::testing::ValuesIn(cases::Load("geo/data/crossings.tsv")),
                         cases::Name);

} // namespace
} // namespace ondrell
