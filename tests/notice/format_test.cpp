#include "notice/file_format.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

TEST(FormatLine, EmptyKeyOrValueGivesNothing) {
    EXPECT_EQ(FormatLine("t_adm", "F"), "\r\nt_adm = F");
    EXPECT_EQ(FormatLine("Notice No", "12"), "\r\nNotice No = 12");
    EXPECT_EQ(FormatLine("t_adm", ""), "");
    EXPECT_EQ(FormatLine("", "F"), "");
    EXPECT_EQ(FormatLine("t_remarks", "a = b"), "\r\nt_remarks = a = b");
}

TEST(FormatSection, UpperCasesTagAndNeverEndsWithLineBreak) {
    EXPECT_EQ(FormatSection("point", "\r\nt_long = +0010203"), "<POINT>\r\nt_long = +0010203\r\n</POINT>");
    EXPECT_EQ(FormatSection("COORD", ""), "");
    EXPECT_EQ(FormatSection("", "x"), "");
}

TEST(FormatHeadAndTail, EmptyCases) {
    EXPECT_EQ(FormatHead("F", "a@b.example"), "<HEAD>\r\nt_adm = F\r\nt_email_addr = a@b.example\r\n</HEAD>");
    EXPECT_EQ(FormatHead("F", ""), "<HEAD>\r\nt_adm = F\r\n</HEAD>");
    EXPECT_EQ(FormatHead("", ""), "");
    EXPECT_EQ(FormatTail(0), "");
    EXPECT_EQ(FormatTail(-3), "");
    EXPECT_EQ(FormatTail(2), "<TAIL>\r\nt_num_notices = 2\r\n</TAIL>\r\n");
}

TEST(PadLeftZeros, AddsAtMostTwoZerosAndNeverCuts) {
    const struct {
        const char *text;
        int width;
        const char *expected;
    } cases[] = {{"5", 3, "005"}, {"52", 3, "052"}, {"123", 3, "123"}, {"1234", 3, "1234"}, {"", 2, "00"},
                 {"", 3, ""},     {"7", 2, "07"},   {"07", 2, "07"},   {"x", 2, "0x"}};
    for (const auto &c : cases)
        EXPECT_EQ(PadLeftZeros(c.text, c.width), c.expected) << c.text << " " << c.width;
}

TEST(FormatCoordinate, SignsPadsAndRefuses) {
    const struct {
        const char *deg, *min, *sec, *hemi, *expected;
    } cases[] = {
        {"5", "7", "9", "W", "-0050709"},
        {"46", "12", "", "N", "+461200"},
        {"5", "7", "9", "w", "-0050709"},
        {"005", "07", "09", "E", "+0050709"},
        {"5", "7", "9", "s", "-050709"},
        {"5", "7", "9", "", ""},
        {"5", "7", "9", "X", ""},
        {"", "7", "9", "E", ""},
        {"5", "", "9", "E", ""},
        {"12", "29", "", "E", "+0122900"},
        {"1234", "1", "1", "E", "+12340101"},
        {"5", "7", "9", "EW", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatCoordinate(c.deg, c.min, c.sec, c.hemi), c.expected)
            << c.deg << " " << c.min << " " << c.sec << " " << c.hemi;
}

TEST(FormatTime, HoursColonMinutes) {
    const struct {
        const char *text, *expected;
    } cases[] = {{"", ""},        {"8", "08:00"},  {"0830", "08:30"},     {"2400", "24:00"},
                 {"12", "12:00"}, {"123", "12:3"}, {"083000", "08:3000"}, {"08300000", "08:3000"}};
    for (const auto &c : cases)
        EXPECT_EQ(FormatTime(c.text), c.expected) << c.text;
}

TEST(FormatDateIso, TwoDigitMonthAndDayFourDigitYear) {
    const struct {
        const char *text, *expected;
    } cases[] = {{"2009-5-8", "2009-05-08"},
                 {"2009-12-31", "2009-12-31"},
                 {"", ""},
                 {"2009-2-30", ""},
                 {"2009-5", ""}};
    for (const auto &c : cases)
        EXPECT_EQ(FormatDateIso(c.text), c.expected) << c.text;
}

} // namespace
} // namespace ondrell
