// What the case tables cannot show: labels and appending, today's date, the record changes geography
// makes, a missing map, and the real world map.

#include "geo_validation_fake_map.h"
#include "support/record_text.h"
#include "validation/geo_validation.h"
#include "validation/validate.h"
#include "validation/values_helpers.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace ondrell {
namespace {

using record_text::Make;

TEST(Labels, LeadEveryMessageLineAndTextsAreAppended) {
    std::string errors = "kept\r\n";
    EXPECT_FALSE(ValidateNoticeMandatory(Make("CleanGs1", "t_adm=; t_plan=GE06D"), errors, "N7"));
    EXPECT_FALSE(ValidateNoticeMandatory(Make("CleanGt1", "attn_h[9]=0"), errors, "N2"));
    EXPECT_FALSE(ValidateNoticeValues(Make("GS1", "t_call_sign=X; t_hgt_agl=900"), errors, "N1"));
    EXPECT_EQ(errors,
              "kept\r\nFATAL ERROR : \r\nN7 :  t_adm is a mandatory value (B)\r\n"
              "FATAL ERROR : \r\nN7 : t_plan should not be notified for a GS1\r\n"
              // the one line with no " : " after the label
              "FATAL ERROR : \r\nN2 (9NH) <ANT_DIAGR_H> : should not be notified if the polarization isH "
              "and the antenna is ND\r\n"
              "WARNING : \r\nN1 : t_call_sign (3A1) provided but NOT validated.\r\n"
              "FATAL ERROR : \r\nN1 :  t_hgt_agl : Value should be between [0, 800] (9E)\r\n");
}

TEST(ValueDateRules, EntryPointMeasuresFromToday) {
    const auto limit = AddCalendarMonths(LocalToday(), 3);
    const auto text = [](std::chrono::year_month_day d) {
        return std::to_string(int(d.year())) + "-" + std::to_string(unsigned(d.month())) + "-" +
               std::to_string(unsigned(d.day()));
    };
    std::string errors;
    ValidateNoticeValues(Make("GS2", "t_fragment=NTFD_RR; t_d_inuse=" + text(limit)), errors, "");
    EXPECT_EQ(errors.find("t_date_rcv + 3 months"), std::string::npos);
    ValidateNoticeValues(Make("GS2", "t_fragment=NTFD_RR; t_d_inuse=" +
                                         text(std::chrono::sys_days{limit} + std::chrono::days{1})),
                         errors, "");
    EXPECT_NE(errors.find(" :  t_d_inuse must be =< t_date_rcv + 3 months"), std::string::npos);
}

TEST(GeographyPoint, FillsEmptySecondsAndAsksAtTheRightPlace) {
    fake::FakeMap map;
    map.places.push_back({{-(5 + 7 / 60.0 + 9 / 3600.0), 46.2}, "F", {}}); // 5 07 09 W, 46 12 N
    Coordinate lon{"005", "W", "07", "09"}, lat{"46", "N", "12", ""};
    std::string detail = "stale";
    EXPECT_TRUE(CheckPointInCountry(map, lon, lat, "F", 10, detail));
    EXPECT_EQ(detail, "");
    EXPECT_EQ(lat.sec + lon.sec, "0009");
}

TEST(GeographyWithoutMap, NothingPassesAndPositionsAreReportedAsNotChecked) {
    fake::FakeMap map;
    map.hasMap = false;
    Coordinate lon{"005", "E", "00", ""}, lat{"46", "N", "00", ""};
    std::string detail;
    EXPECT_FALSE(CheckPointInCountry(map, lon, lat, "F", 10, detail));
    EXPECT_EQ(detail, kNoMapDetail);
    EXPECT_EQ(lon.sec, "00");
    EXPECT_FALSE(CheckPointInCountry(static_cast<const WorldMap *>(nullptr), lon, lat, "F", 10, detail));
    EXPECT_EQ(detail, kNoMapDetail);

    NoticeRecord r = Make("GeoGs1");
    std::string errors;
    EXPECT_FALSE(ValidateGeography(r, errors, "N1", static_cast<const WorldMap *>(nullptr)));
    EXPECT_EQ(errors,
              "FATAL ERROR : \r\nN1 : t_long : +0050709 t_lat : +461200 cannot be checked: the world map "
              "could not be loaded\r\n");
    EXPECT_EQ(r.site_lat.sec, "00"); // the one change geography makes to the record
    // Geography runs after the other validations failed.
    r = Make("CleanGs1", "t_adm=");
    EXPECT_TRUE(
        ValidateNotice(r, nullptr)
            .text.starts_with("FATAL ERROR : \r\n :  t_adm is a mandatory value (B)\r\nFATAL ERROR : "));
}

// Every plain decimal reads as the correctly rounded double, whatever its length.
TEST(ItemNumbers, AgreeWithCorrectlyRoundedReading) {
    unsigned seed = 7;
    for (int n = 0; n < 20000; ++n) {
        std::string text;
        const int digits = 1 + n % 24;
        for (int i = 0; i < digits; ++i) {
            seed = seed * 1103515245u + 12345u;
            text += static_cast<char>('0' + (seed >> 16) % 10);
        }
        text.insert(static_cast<size_t>((seed >> 8) % (digits + 1)), ".");
        EXPECT_EQ(ReadItemNumber(text), std::strtod(text.c_str(), nullptr)) << text;
    }
}

// Without a map the crossing test still runs on the polygon alone.
TEST(GeographyContour, FigureEightCrossesOnceWithoutAMap) {
    const auto eight = Make("GeoSquare", "point[1]=+0110000,+510000; point[2]=+0110000,+500000");
    std::string errors;
    EXPECT_TRUE(CheckContourCrossing(eight.sub_area, errors, "L"));
    EXPECT_EQ(errors,
              "FATAL ERROR : \r\nL : EITHER the segment formed by test point 1 and 2 crosses the segment "
              "formed by test point 3 and 4 OR the two points have the same coordinates\r\n");
    errors.clear();
    EXPECT_FALSE(CheckContourCrossing(Make("GeoSquare").sub_area, errors, "L"));
    EXPECT_EQ(errors, "");
    EXPECT_TRUE(ContourCrossingPairs(Make("GeoSquare").sub_area, WorldMapQueries(nullptr)).empty());
}

} // namespace
} // namespace ondrell
