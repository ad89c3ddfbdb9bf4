#include "notice/windows1252.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

// Every byte decodes and encodes back to itself (the texts: Encode rows of data/writer.tsv).
TEST(Windows1252, EveryByteComesBackAsItself) {
    std::string all, out;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    ASSERT_TRUE(Utf8ToWindows1252(Windows1252ToUtf8(all), out));
    EXPECT_EQ(out, all);
}

} // namespace
} // namespace ondrell
