// The point-line parser and the bounded line reader of locate and crossings.

#include "point_lines.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace ondrell::tool {
namespace {

TEST(PointLinesTest, ParsesTwoDecimalNumbersAndNothingElse) {
    const struct {
        const char *line;
        bool ok;
        double lon, lat;
    } cases[] = {
        {"2.35 48.85", true, 2.35, 48.85},
        {" \t-20\t+40 ", true, -20, 40},
        {"180 -90", true, 180, -90},
        {"-.5 5.", true, -0.5, 5},
        {"2 91", false, 0, 0},
        {"181 0", false, 0, 0},
        {"2 48 x", false, 0, 0},
        {"2,35 48", false, 0, 0},
        {"nan 0", false, 0, 0},
        {"inf 0", false, 0, 0},
        {"1e1 0", false, 0, 0},
        {"0x1 0", false, 0, 0},
        {"2", false, 0, 0},
        {"", false, 0, 0},
        {"+ 1", false, 0, 0},
        {"--1 0", false, 0, 0},
        {"1..2 0", false, 0, 0},
        {"2\v 48", false, 0, 0},
    };
    for (const auto &c : cases) {
        std::string reason;
        const auto p = ParseDecimalPoint(c.line, &reason);
        ASSERT_EQ(p.has_value(), c.ok) << '"' << c.line << "\" " << reason;
        if (p) {
            EXPECT_DOUBLE_EQ(p->lon, c.lon) << c.line;
            EXPECT_DOUBLE_EQ(p->lat, c.lat) << c.line;
        } else {
            EXPECT_FALSE(reason.empty()) << c.line;
        }
    }
    std::string reason;
    ParseDecimalPoint("10 -95", &reason);
    EXPECT_EQ(reason, "latitude -95 is not between -90 and 90");
}

TEST(PointLinesTest, ReaderBoundsLinesAndCountsThem) {
    // A long line twice the reader's buffer, CR LF ends and a last line without its end.
    const std::string longLine(150000, '7');
    const std::string input = "a b\r\n" + longLine + "\nc\n\n" + std::string(12, 'x') + "\nlast";
    std::FILE *in = fmemopen(const_cast<char *>(input.data()), input.size(), "r");
    ASSERT_NE(in, nullptr);
    LineReader reader(in, 12);
    std::string seen;
    std::string_view line;
    for (LineReader::Status s; (s = reader.Next(&line)) != LineReader::Status::End;)
        seen += std::to_string(reader.Number()) +
                (s == LineReader::Status::Line ? "=" + std::string(line) : "!") + ' ';
    std::fclose(in);
    EXPECT_EQ(seen, "1=a b 2! 3=c 4= 5=xxxxxxxxxxxx 6=last ");
}

} // namespace
} // namespace ondrell::tool
