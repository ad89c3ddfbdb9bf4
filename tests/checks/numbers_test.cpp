#include "checks/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string_view>

namespace ondrell {
namespace {

struct LeadingCase {
    std::string_view text;
    double value;
};

TEST(ReadLeadingNumber, ReadsAsFarAsTheTextFormsANumber) {
    const LeadingCase cases[] = {
        {"", 0},        {"abc", 0},  {"  12", 12}, {"12abc", 12},  {"-3.5", -3.5},
        {"+7", 7},      {".5", 0.5}, {"5.", 5},    {"1.2.3", 1.2}, {"1e3", 1000},
        {"1E-2", 0.01}, {"1e", 1},   {"1e+", 1},   {"2e3x", 2000}, {"12,5", 12},
        {"-", 0},       {"- 5", 0},  {"0030", 30}, {"\t42 ", 42},  {"1 2", 1},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(ReadLeadingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(ReadLeadingNumber, HugeExponentsSaturate) {
    EXPECT_TRUE(std::isinf(ReadLeadingNumber("1e999")));
    EXPECT_EQ(ReadLeadingNumber("1e-999"), 0.0);
}

struct NumberCase {
    std::string_view text;
    bool isNumber;
    bool wholeForm;
};

TEST(IsNumber, WholeTextMustReadAsANumber) {
    const NumberCase cases[] = {
        {"", false, false},       {" ", false, false},   {"12", true, true},    {" 12 ", true, true},
        {"-1", true, true},       {"+1", true, true},    {"45.5", true, false}, {"45,5", true, false},
        {"1,234.5", true, false}, {",5", false, false},  {"5,", false, false},  {".", false, false},
        {"1e3", true, true},      {"1e", false, false},  {"12a", false, false}, {"N", false, false},
        {"A12", false, false},    {"1 2", false, false}, {"--1", false, false}, {"1e999", false, false},
        {"007", true, true},      {".5", true, false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(IsNumber(c.text), c.isNumber) << '"' << c.text << '"';
        EXPECT_EQ(IsWholeNumberForm(c.text), c.wholeForm) << '"' << c.text << '"';
    }
}

TEST(ParseNumber, GroupMarksAreDroppedFromTheValue) {
    EXPECT_EQ(ParseNumber("1,234"), 1234.0);
    EXPECT_EQ(ParseNumber(" -2.5 "), -2.5);
    EXPECT_EQ(ParseNumber("x"), std::nullopt);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const double cases[][2] = {{0.5, 0},   {1.5, 2}, {2.5, 2}, {3.5, 4},
                               {-2.5, -2}, {2.4, 2}, {2.6, 3}, {30.5, 30}};
    for (const auto &c : cases)
        EXPECT_EQ(RoundHalfEven(c[0]), c[1]) << c[0];
}

TEST(DatePartValue, RefusesNonNumbersAndValuesBeyondSixteenBits) {
    EXPECT_EQ(DatePartValue("31"), 31);
    EXPECT_EQ(DatePartValue("31.5"), 32);
    EXPECT_EQ(DatePartValue("32767"), 32767);
    EXPECT_EQ(DatePartValue("32768"), std::nullopt);
    EXPECT_EQ(DatePartValue("-32768"), -32768);
    EXPECT_EQ(DatePartValue("-32769"), std::nullopt);
    EXPECT_EQ(DatePartValue("ab"), std::nullopt);
}

} // namespace
} // namespace ondrell
