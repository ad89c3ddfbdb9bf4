#include "notice/windows1252.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

TEST(Windows1252, EncodesLatinAndTheHighRangeAndRefusesTheRest) {
    std::string out;
    ASSERT_TRUE(Utf8ToWindows1252("Dôle €‚ƒ„…†‡ˆ‰Š‹ŒŽ''\"\"•–—˜™š›œžŸ ÿ", out));
    EXPECT_EQ(out.substr(0, 5), "D\xF4le ");
    EXPECT_EQ(out.substr(5, 3), "\x80\x82\x83");
    EXPECT_EQ(out.back(), '\xFF');
    EXPECT_EQ(Windows1252ToUtf8(out), "Dôle €‚ƒ„…†‡ˆ‰Š‹ŒŽ''\"\"•–—˜™š›œžŸ ÿ");

    // Every byte decodes and encodes back to itself.
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    ASSERT_TRUE(Utf8ToWindows1252(Windows1252ToUtf8(all), out));
    EXPECT_EQ(out, all);

    EncodeProblem problem;
    EXPECT_FALSE(Utf8ToWindows1252("abĀ", out, &problem));
    EXPECT_EQ(problem.codePoint, U'\u0100');
    EXPECT_EQ(problem.offset, 2u);
    EXPECT_FALSE(Utf8ToWindows1252("a😀", out, &problem));
    EXPECT_EQ(problem.codePoint, U'\U0001F600');
    for (const char *bad :
         {"\xC3", "\xC3\x28", "\xC0\xAF", "\xED\xA0\x80", "\xF8\x88\x80\x80\x80", "x\xE2\x82"}) {
        EXPECT_FALSE(Utf8ToWindows1252(bad, out, &problem)) << bad;
        EXPECT_TRUE(problem.invalidUtf8);
    }
}

} // namespace
} // namespace ondrell
