#include "geo_validation_fake_map.h"
#include "validation/geo_validation.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using fake::FakeMap;

std::string Fatal(const std::string &text) {
    return "FATAL ERROR : \r\n" + text + "\r\n";
}

// A GA1 notice by D for D whose test points are the given (longitude, latitude) texts.
NoticeRecord SubArea(const std::vector<std::pair<std::string, std::string>> &points,
                     const char *count = nullptr) {
    NoticeRecord r;
    r.t_notice_type = "GA1";
    r.t_adm = "D";
    r.t_ctry = "D";
    r.sub_area.present = true;
    r.sub_area.t_contour_id = "1";
    for (const auto &[lon, lat] : points)
        r.sub_area.test_points.push_back({true, lon, lat});
    r.sub_area.t_nb_test_pts = count ? count : std::to_string(points.size());
    return r;
}

// A square around 10 E 50 N, all four corners inside D.
const std::vector<std::pair<std::string, std::string>> kSquare = {
    {"+0100000", "+500000"}, {"+0110000", "+500000"}, {"+0110000", "+510000"}, {"+0100000", "+510000"}};

class GeoValidationContour : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto &[lon, lat] : kSquare)
            map.Put(lon, lat, "D", {{"D", 30}});
    }
    FakeMap map;
};

TEST_F(GeoValidationContour, TestPointCountOutOfRangeStopsEverything) {
    for (const char *count : {"", "0", "100", "abc"}) {
        NoticeRecord r = SubArea(kSquare, count);
        r.t_ctry = "";
        std::string errors;
        EXPECT_FALSE(ValidateGeography(r, errors, "", map)) << count;
        EXPECT_EQ(errors,
                  Fatal(" : t_ctry is empty cannot validate") +
                      Fatal(std::string(" : Number of test point notified is : ") + count +
                            " the maximum number of test point allowed is 99 so the coordinates are not "
                            "validated."))
            << count;
        EXPECT_TRUE(map.polygons.empty());
    }
}

TEST_F(GeoValidationContour, OpenContourIsClosedOnce) {
    std::string errors;
    NoticeRecord open = SubArea(kSquare);
    EXPECT_TRUE(ValidateGeography(open, errors, "", map));
    ASSERT_EQ(map.polygons.size(), 1u);
    ASSERT_EQ(map.polygons[0].size(), 5u);
    EXPECT_EQ(map.polygons[0].back(), map.polygons[0].front());

    auto closed = kSquare;
    closed.emplace_back("+0100000", "+500000");
    NoticeRecord r = SubArea(closed);
    EXPECT_TRUE(ValidateGeography(r, errors, "", map));
    ASSERT_EQ(map.polygons.size(), 2u);
    EXPECT_EQ(map.polygons[1].size(), 5u);
    EXPECT_EQ(errors, "");
}

TEST_F(GeoValidationContour, OneFatalPerCrossingNumberedFromOne) {
    map.crossings = {{0, 2}, {1, 3}};
    NoticeRecord r = SubArea(kSquare);
    std::string errors;
    EXPECT_FALSE(ValidateGeography(r, errors, "", map));
    const std::string either = " : EITHER the segment formed by test point ";
    EXPECT_EQ(errors,
              Fatal(either + "1 and 2 crosses the segment formed by test point 3 and 4 OR the two points "
                             "have the same coordinates") +
                  Fatal(either + "2 and 3 crosses the segment formed by test point 4 and 5 OR the two "
                                 "points have the same coordinates"));
}

TEST_F(GeoValidationContour, PointOutsideMeansNoCrossingTest) {
    map.crossings = {{0, 2}};
    map.places[2].area = "CZE";
    map.places[2].near = {{"CZE", 1}, {"D", 25}};
    NoticeRecord r = SubArea(kSquare);
    std::string errors;
    EXPECT_FALSE(ValidateGeography(r, errors, "", map));
    EXPECT_EQ(errors, Fatal(" : t_long : +0110000 t_lat : +510000 are in CZE, 25 km from D"));
    EXPECT_TRUE(map.polygons.empty());
}

TEST_F(GeoValidationContour, WarningsStillAllowTheCrossingTest) {
    map.places[1].area = "";
    map.places[1].near = {{"D", 2}};
    NoticeRecord r = SubArea(kSquare);
    std::string errors;
    EXPECT_TRUE(ValidateGeography(r, errors, "", map));
    EXPECT_EQ(map.polygons.size(), 1u);
}

TEST(GeoValidationContourReal, FigureEightCrossesOnce) {
    // 1 -> 2 -> 3 -> 4 -> 1 with 2 and 3 swapped: the first and third segments cross.
    const auto r = SubArea(
        {{"+0100000", "+500000"}, {"+0110000", "+510000"}, {"+0110000", "+500000"}, {"+0100000", "+510000"}});
    std::string errors;
    EXPECT_TRUE(CheckContourCrossing(r.sub_area, errors, "L"));
    EXPECT_EQ(errors,
              "FATAL ERROR : \r\nL : EITHER the segment formed by test point 1 and 2 crosses the segment "
              "formed by test point 3 and 4 OR the two points have the same coordinates\r\n");

    const auto square = SubArea(kSquare);
    errors.clear();
    EXPECT_FALSE(CheckContourCrossing(square.sub_area, errors, "L"));
    EXPECT_EQ(errors, "");
    EXPECT_TRUE(ContourCrossingPairs(square.sub_area, WorldMapQueries(nullptr)).empty());
}

} // namespace
} // namespace ondrell
