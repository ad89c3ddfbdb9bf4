#include "geo_validation_fake_map.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using fake::FakeMap;

struct JudgeCase {
    const char *name;
    const char *areaAt;
    std::vector<NearArea> near;
    const char *country;
    int tolerance;
    bool accepted;
    const char *detail;
};

TEST(GeoValidationPoint, JudgePointInCountry) {
    const std::vector<NearArea> eleven = {{"A1", 1}, {"A2", 1}, {"A3", 1}, {"A4", 1}, {"A5", 1}, {"A6", 1},
                                          {"A7", 1}, {"A8", 1}, {"A9", 1}, {"B1", 1}, {"F", 1}};
    const JudgeCase cases[] = {
        {"inside", "F", {}, "F", 10, true, ""},
        {"inside, other case and blanks", "f  ", {}, "F", 10, true, ""},
        {"3 km off the coast", "", {{"F", 3.0}}, "F", 10, true, " are in the sea, 3 km from F"},
        {"blank area is the sea", "   ", {{"F", 2.5}}, "F", 10, true, " are in the sea, 2.5 km from F"},
        {"15 km inside a neighbour",
         "D",
         {{"D", 0.2}, {"F", 15.0}},
         "F",
         10,
         false,
         " are in D, 15 km from F"},
        {"just inside tolerance", "D", {{"F", 9.99}}, "F", 10, true, " are in D, 9.99 km from F"},
        {"at the tolerance", "D", {{"F", 10.0}}, "F", 10, false, " are in D, 10 km from F"},
        {"less than 1 km", "D", {{"F", 0.999}}, "F", 10, true, " are in D, less than 1 km from F"},
        {"zero km", "SUI", {{"F", 0.0}}, "F", 10, true, " are in SUI, less than 1 km from F"},
        {"China for Kazakhstan",
         "CHN",
         {{"CHN", 0.1}, {"KAZ", 0.4}},
         "KAZ",
         10,
         false,
         " are in CHN, less than 1 km from KAZ and OUTSIDE of the PLANNING AREA "},
        {"Pakistan, distance form",
         "PAK",
         {{"AFG", 2}, {"IRN", 6.5}},
         "IRN",
         10,
         false,
         " are in PAK, 6.5 km from IRN and OUTSIDE of the PLANNING AREA "},
        {"outside area but beyond tolerance",
         "CHN",
         {{"KAZ", 12.0}},
         "KAZ",
         10,
         false,
         " are in CHN, 12 km from KAZ"},
        {"Article 5 tolerance", "FRO", {{"NOR", 15.0}}, "NOR", 20, true, " are in FRO, 15 km from NOR"},
        {"first match counts", "", {{"F", 4.0}, {"F", 40.0}}, "f", 10, true, " are in the sea, 4 km from f"},
        {"single precision text",
         "",
         {{"F", 123.456789}},
         "F",
         200,
         true,
         " are in the sea, 123.4568 km from F"},
        {"not near at all",
         "D",
         {{"D", 1}, {"HOL", 30}},
         "F",
         10,
         false,
         " are not in F according to the Ostrel's Mapora"},
        {"only ten neighbours are read", "", eleven, "F", 10, false,
         " are not in F according to the Ostrel's Mapora"},
    };
    for (const auto &c : cases) {
        const auto verdict = JudgePointInCountry(c.areaAt, c.near, c.country, c.tolerance);
        EXPECT_EQ(verdict.accepted, c.accepted) << c.name;
        EXPECT_EQ(verdict.detail, c.detail) << c.name;
    }
}

TEST(GeoValidationPoint, FillsEmptySecondsAndAsksAtTheRightPlace) {
    FakeMap map;
    // 5 07 09 W, 46 12 N: the point the map is asked about must be this one.
    map.places.push_back({{-(5 + 7 / 60.0 + 9 / 3600.0), 46.2}, "F", {}});
    Coordinate lon{"005", "W", "07", "09"};
    Coordinate lat{"46", "N", "12", ""};
    std::string detail = "stale";
    EXPECT_TRUE(CheckPointInCountry(map, lon, lat, "F", 10, detail));
    EXPECT_EQ(detail, "");
    EXPECT_EQ(lat.sec, "00");
    EXPECT_EQ(lon.sec, "09");
}

TEST(GeoValidationPoint, WithoutMapNothingPasses) {
    FakeMap map;
    map.hasMap = false;
    Coordinate lon{"005", "E", "00", ""};
    Coordinate lat{"46", "N", "00", ""};
    std::string detail;
    EXPECT_FALSE(CheckPointInCountry(map, lon, lat, "F", 10, detail));
    EXPECT_EQ(detail, kNoMapDetail);
    EXPECT_EQ(lon.sec, "00");
    EXPECT_FALSE(CheckPointInCountry(static_cast<const WorldMap *>(nullptr), lon, lat, "F", 10, detail));
    EXPECT_EQ(detail, kNoMapDetail);
}

TEST(GeoValidationPoint, ReadMapText) {
    const auto p = ReadMapText("451200S0123456E");
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->lat, -45.2, 1e-5);
    EXPECT_NEAR(p->lon, 12 + 34 / 60.0 + 56 / 3600.0, 1e-5);
    const auto q = ReadMapText("000000n1800000w");
    ASSERT_TRUE(q);
    EXPECT_EQ(q->lon, -180.0);
    for (const char *bad : {"", "451200S0123456", "451200S0123456EE", "45 200S0123456E", "451200X0123456E",
                            "451200S0123456N", "4512+0S0123456E"})
        EXPECT_FALSE(ReadMapText(bad)) << bad;
}

TEST(GeoValidationPoint, SignedCoordinateTexts) {
    const std::pair<const char *, bool> longitudes[] = {
        {"+0050709", true},  {"-00507", true},   {"+1800000", true}, {"+1800001", false}, {"+0056009", false},
        {"+0050760", false}, {"0050709", false}, {"+005070", false}, {"+005a709", false}, {"", false}};
    for (const auto &[text, ok] : longitudes)
        EXPECT_EQ(IsSignedLongitudeText(text), ok) << text;
    const std::pair<const char *, bool> latitudes[] = {
        {"-461200", true}, {"+4612", true},    {"+900000", true},  {"+900100", false},
        {"+46120", false}, {"*461200", false}, {"+0050709", false}};
    for (const auto &[text, ok] : latitudes)
        EXPECT_EQ(IsSignedLatitudeText(text), ok) << text;
}

} // namespace
} // namespace ondrell
