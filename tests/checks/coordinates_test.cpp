#include "checks/coordinates.h"

#include <gtest/gtest.h>

#include <string_view>

namespace ondrell {
namespace {

TEST(HemisphereTests, IgnoreCaseButNothingElse) {
    struct Case {
        std::string_view text;
        bool ew, ns;
    };
    const Case cases[] = {{"E", true, false},   {"w", true, false}, {"n", false, true},
                          {"S", false, true},   {"", false, false}, {"EE", false, false},
                          {" E", false, false}, {"X", false, false}};
    for (const auto &c : cases) {
        EXPECT_EQ(IsEastWest(c.text), c.ew) << c.text;
        EXPECT_EQ(IsNorthSouth(c.text), c.ns) << c.text;
    }
}

TEST(PadLeft3, PadsOnlyShortTexts) {
    const std::string_view cases[][2] = {
        {"", ""}, {"7", "007"}, {"12", "012"}, {"123", "123"}, {"1234", "1234"}};
    for (const auto &c : cases)
        EXPECT_EQ(PadLeft3(c[0]), c[1]) << c[0];
}

struct SignedCase {
    std::string_view text;
    std::string_view deg, min, sec, hemi;
};

TEST(SignedLongitude, SplitsByPosition) {
    const SignedCase cases[] = {
        {"+0123456", "012", "34", "56", "E"},
        {"-0123456", "012", "34", "56", "W"},
        {"+01234", "012", "34", "", "E"},
        {"0123456", "123", "45", "6", "W"}, // no sign: read by position all the same
        {"", "", "", "", "W"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(LongitudeDegrees(c.text), c.deg) << c.text;
        EXPECT_EQ(LongitudeMinutes(c.text), c.min) << c.text;
        EXPECT_EQ(LongitudeSeconds(c.text), c.sec) << c.text;
        EXPECT_EQ(LongitudeHemisphere(c.text), c.hemi) << c.text;
    }
}

TEST(SignedLatitude, SplitsByPosition) {
    const SignedCase cases[] = {
        {"+451256", "45", "12", "56", "N"},
        {"-451256", "45", "12", "56", "S"},
        {"-4512", "45", "12", "", "S"},
        {"x451256", "45", "12", "56", "N"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(LatitudeDegrees(c.text), c.deg) << c.text;
        EXPECT_EQ(LatitudeMinutes(c.text), c.min) << c.text;
        EXPECT_EQ(LatitudeSeconds(c.text), c.sec) << c.text;
        EXPECT_EQ(LatitudeHemisphere(c.text), c.hemi) << c.text;
    }
}

TEST(MapCoordText, LatitudeFirstWithMissingSecondsAsZeros) {
    EXPECT_EQ(MapCoordText("+0123456", "-4512"), "451200S0123456E");
    EXPECT_EQ(MapCoordText("-17959", "+895959"), "895959N1795900W");
    EXPECT_EQ(MapCoordText("+0123456", "-4512").size(), 15u);
}

} // namespace
} // namespace ondrell
