#include "util/dates.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

struct DmyCase {
    const char *input;
    const char *separator;
    const char *expected;
};

class FormatDateDmyTest : public ::testing::TestWithParam<DmyCase> {};

TEST_P(FormatDateDmyTest, GivesDayMonthYearWithFixedWidths) {
    const auto &c = GetParam();
    EXPECT_EQ(FormatDateDMY(c.input, c.separator), c.expected) << c.input;
}

INSTANTIATE_TEST_SUITE_P(Table, FormatDateDmyTest,
                         ::testing::Values(
                             // Capture joins year, month and day with "-", one-digit parts as typed.
                             DmyCase{"2009-5-8", "/", "08.05.2009"}, DmyCase{"2009-05-08", "/", "08.05.2009"},
                             DmyCase{"2009-5-8", "-", "08.05.2009"}, DmyCase{"2009-5-8", ".", "08.05.2009"},
                             // Regional separator and slashes give the same result.
                             DmyCase{"8.5.2009", ".", "08.05.2009"}, DmyCase{"8/5/2009", ".", "08.05.2009"},
                             DmyCase{"8-5-2009", "-", "08.05.2009"}, DmyCase{"08/05/2009", "/", "08.05.2009"},
                             // Two-digit years pivot at 30.
                             DmyCase{"1/2/29", "/", "01.02.2029"}, DmyCase{"1/2/30", "/", "01.02.1930"},
                             // Calendar checks, leap years included.
                             DmyCase{"2008-2-29", "/", "29.02.2008"}, DmyCase{"2009-2-29", "/", ""},
                             DmyCase{"2000-2-29", "/", "29.02.2000"}, DmyCase{"1900-2-29", "/", ""},
                             DmyCase{"2009-13-1", "/", ""}, DmyCase{"2009-4-31", "/", ""},
                             DmyCase{"2009-0-1", "/", ""},
                             // Not dates.
                             DmyCase{"", "/", ""}, DmyCase{"2009-5", "/", ""}, DmyCase{"2009-5-8-1", "/", ""},
                             DmyCase{"2009-x-8", "/", ""}, DmyCase{"--", "/", ""},
                             DmyCase{"  2009-5-8 ", "/", "08.05.2009"}));

TEST(FormatDateDmy, UsesTheLocaleSeparatorWhenNoneIsGiven) {
    EXPECT_EQ(FormatDateDMY("2009-5-8"), "08.05.2009");
    EXPECT_EQ(FormatDateDMY(""), "");
}

TEST(DateSeparator, FoundBetweenConversions) {
    EXPECT_EQ(DateSeparatorOfFormat("%m/%d/%y"), "/");
    EXPECT_EQ(DateSeparatorOfFormat("%d.%m.%Y"), ".");
    EXPECT_EQ(DateSeparatorOfFormat("%Y-%m-%d"), "-");
    EXPECT_EQ(DateSeparatorOfFormat("%F"), "-");
    EXPECT_EQ(DateSeparatorOfFormat("%Od.%Om.%EY"), ".");
    EXPECT_EQ(DateSeparatorOfFormat(""), "/");
    EXPECT_EQ(GetIntlSetting("SDATE").size(), 1u);
    EXPECT_EQ(GetIntlSetting("nothing"), "");
}

TEST(SplitDateDmy, SplitsAtPointsAndLeavesTheRemainder) {
    std::string text = " 08.05.2009 ", y = "y", m = "m", d = "d";
    SplitDateDMY(text, y, m, d);
    EXPECT_EQ(d, "08");
    EXPECT_EQ(m, "05");
    EXPECT_EQ(y, "2009");
    EXPECT_EQ(text, "05.2009");

    std::string noPoint = "08/05/2009";
    SplitDateDMY(noPoint, y, m, d);
    EXPECT_EQ(d, "08"); // unchanged
    EXPECT_EQ(y, "2009");

    std::string empty;
    y = m = d = "keep";
    SplitDateDMY(empty, y, m, d);
    EXPECT_EQ(y + m + d, "keepkeepkeep");
}

} // namespace
} // namespace ondrell
