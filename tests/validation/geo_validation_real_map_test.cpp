// The geographic rules against the real world map: the positions below were chosen on it.

#include "validation/check_point_coordinates.h"
#include "validation/geo_validation.h"
#include "validation/validate.h"

#include <gtest/gtest.h>

#include <memory>
#include <regex>

namespace ondrell {
namespace {

class GeoValidationRealMap : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::string error;
        if (auto loaded = WorldMap::Load(ONDRELL_MAP_FILE, &error))
            map_ = std::make_unique<WorldMap>(std::move(*loaded));
    }
    static void TearDownTestSuite() { map_.reset(); }
    void SetUp() override {
        if (!map_)
            GTEST_SKIP() << "no world map at " << ONDRELL_MAP_FILE;
    }

    // A GS1 notice by adm for ctry sited at the signed texts lon, lat; returns the result and errors.
    std::pair<bool, std::string> Site(const char *adm, const char *ctry, const char *lon, const char *lat,
                                      const char *fragment = "GE06D") {
        NoticeRecord r;
        r.t_notice_type = "GS1";
        r.t_adm = adm;
        r.t_ctry = ctry;
        r.t_fragment = fragment;
        r.site_long = SplitSignedLongitude(lon);
        r.site_lat = SplitSignedLatitude(lat);
        std::string errors;
        const bool ok = ValidateGeography(r, errors, "", map_.get());
        return {ok, errors};
    }

    static std::unique_ptr<WorldMap> map_;
};
std::unique_ptr<WorldMap> GeoValidationRealMap::map_;

TEST_F(GeoValidationRealMap, SitesAroundFrance) {
    EXPECT_EQ(Site("F", "F", "+0022100", "+485200"), std::make_pair(true, std::string()));

    // Off the Pointe du Raz, about 3 km out to sea: a warning with the distance.
    auto [ok, errors] = Site("F", "F", "-0044600", "+480200");
    EXPECT_TRUE(ok);
    EXPECT_TRUE(
        std::regex_match(errors, std::regex("WARNING : \r\n : t_long : -0044600 t_lat : \\+480200 are in "
                                            "the sea, [1-9](\\.[0-9]+)? km from F\r\n")))
        << errors;

    // Near Yverdon, about 15 km inside Switzerland.
    std::tie(ok, errors) = Site("F", "F", "+0063730", "+464600");
    EXPECT_FALSE(ok);
    EXPECT_TRUE(
        std::regex_match(errors, std::regex("FATAL ERROR : \r\n : t_long : \\+0063730 t_lat : \\+464600 are "
                                            "in SUI, 1[0-9](\\.[0-9]+)? km from F\r\n")))
        << errors;
}

TEST_F(GeoValidationRealMap, JustInsideChinaForKazakhstan) {
    EXPECT_EQ(Site("KAZ", "KAZ", "+0802200", "+441200"),
              std::make_pair(false,
                             std::string("FATAL ERROR : \r\n : t_long : +0802200 t_lat : +441200 are in CHN, "
                                         "less than 1 km from KAZ and OUTSIDE of the PLANNING AREA \r\n")));
}

TEST_F(GeoValidationRealMap, PortugalNotifiesForMadeira) {
    EXPECT_EQ(Site("POR", "MDR", "-0165500", "+323900", "NTFD_RR"), std::make_pair(true, std::string()));
    EXPECT_EQ(Site("POR", "POR", "-0090800", "+384300"), std::make_pair(true, std::string()));
}

TEST_F(GeoValidationRealMap, ContoursInGermany) {
    auto contour = [](std::vector<std::pair<std::string, std::string>> points) {
        NoticeRecord r;
        r.t_notice_type = "GA1";
        r.t_adm = "D";
        r.t_ctry = "D";
        for (const auto &[lon, lat] : points)
            r.sub_area.test_points.push_back({true, lon, lat});
        r.sub_area.t_nb_test_pts = std::to_string(points.size());
        return r;
    };
    NoticeRecord eight = contour(
        {{"+0100000", "+500000"}, {"+0110000", "+510000"}, {"+0110000", "+500000"}, {"+0100000", "+510000"}});
    std::string errors;
    EXPECT_FALSE(ValidateGeography(eight, errors, "", map_.get()));
    EXPECT_EQ(errors,
              "FATAL ERROR : \r\n : EITHER the segment formed by test point 1 and 2 crosses the segment "
              "formed by test point 3 and 4 OR the two points have the same coordinates\r\n");

    // Already closed by the user: not closed a second time, so no repeated point is reported.
    NoticeRecord closed = contour({{"+0100000", "+500000"},
                                   {"+0110000", "+500000"},
                                   {"+0110000", "+510000"},
                                   {"+0100000", "+510000"},
                                   {"+0100000", "+500000"}});
    errors.clear();
    EXPECT_TRUE(ValidateGeography(closed, errors, "", map_.get()));
    EXPECT_EQ(errors, "");
}

} // namespace
} // namespace ondrell
