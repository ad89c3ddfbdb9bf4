// How the value rules read an item as a number.

#include "validation/values_helpers.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

TEST(ItemNumbers, LeadingNumberBlanksSkippedCorrectlyRounded) {
    const struct {
        const char *text;
        double value;
    } cases[] = {
        {"174.928", 174.928}, {"229.072", 229.072}, {" 53.01", 53.01}, {"- 5", -5}, {"1 2", 12},
        {"53,5", 53},         {"40.5dB", 40.5},     {".5", 0.5},       {"abc", 0},  {"", 0},
        {"+-3", 0},           {"1.2.3", 1.2},       {"-30.5", -30.5},  {"1e2", 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ReadItemNumber(c.text), c.value) << '"' << c.text << '"';
}

} // namespace
} // namespace ondrell
