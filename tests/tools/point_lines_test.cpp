// The point-line parser and the bounded line reader of locate and crossings.

#include "point_lines.h"
#include "support/case_table.h"

#include <cstdio>

namespace ondrell::tool {
namespace {

using cases::Out;

// clang-format off
const cases::Adapters kFunctions = {
    {"Parse", {1, [](auto &r) {
        std::string reason;
        const auto p = ParseDecimalPoint(r[1], &reason);
        return p ? Out{cases::Number(p->lon), cases::Number(p->lat)} : Out{reason.empty() ? "no reason" : "refused"}; }}},
    {"Reason", {1, [](auto &r) { std::string reason; ParseDecimalPoint(r[1], &reason); return Out{reason}; }}},
};
// clang-format on
ONDRELL_CASE_TABLES(PointLines, kFunctions, "tools/data/point_lines.tsv");

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
