// A sub-area contour with a test point left out: the crossing messages still number the points
// by their place in the notice's list, not by their place in the polygon handed to the map.

#include "geo_validation_fake_map.h"
#include "validation/geo_validation.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

TEST(GeoReviewContour, CrossingNumbersAreListPositions) {
    NoticeRecord r;
    r.t_notice_type = "GA1";
    r.t_adm = "D";
    r.t_ctry = "D";
    r.sub_area.present = true;
    r.sub_area.t_contour_id = "1";
    r.sub_area.t_nb_test_pts = "5";
    r.sub_area.test_points = {{true, "+0100000", "+500000"},
                              {false, "", ""}, // point 2 not given: out of the polygon
                              {true, "+0110000", "+500000"},
                              {true, "+0110000", "+510000"},
                              {true, "+0100000", "+510000"}};
    fake::FakeMap map;
    for (const auto &p : r.sub_area.test_points)
        if (p.given)
            map.Put(p.t_long, p.t_lat, "D", {});
    // Polygon indices 1 and 3 are list points 3 and 5 (the closing point stands for point 6).
    map.crossings = {{1, 3}};

    std::string errors;
    EXPECT_FALSE(ValidateGeography(r, errors, "", map));
    ASSERT_EQ(map.polygons.size(), 1u);
    EXPECT_EQ(map.polygons[0].size(), 5u); // four given points and the closing one
    EXPECT_EQ(errors,
              "FATAL ERROR : \r\n : EITHER the segment formed by test point 3 and 4 crosses the segment "
              "formed by test point 5 and 6 OR the two points have the same coordinates\r\n");
}

} // namespace
} // namespace ondrell
