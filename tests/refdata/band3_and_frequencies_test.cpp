#include "refdata/band3_groups.h"
#include "refdata/frequencies.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace ondrell {
namespace {

TEST(Band3Groups, SizesAndNoCodeInTwoGroups) {
    const std::span<const std::string_view> groups[] = {Band3Group7MHz(), Band3Group8MHzA(),
                                                        Band3Group8MHzB(), Band3Group8MHzC()};
    EXPECT_EQ(groups[0].size(), 90u);
    EXPECT_EQ(groups[1].size(), 10u);
    EXPECT_EQ(groups[2].size(), 12u);
    EXPECT_EQ(groups[3].size(), 17u);
    std::set<std::string_view> seen;
    for (auto group : groups)
        for (auto code : group)
            EXPECT_TRUE(seen.insert(code).second) << code;
}

struct GroupCase {
    const char *code;
    bool in7, inA, inB, inC;
};

TEST(Band3Groups, MembershipIsCaseSensitive) {
    const GroupCase cases[] = {
        {"E", true, false, false, false},    {"e", false, false, false, false},
        {"SCG", true, false, false, false},  {"RUS", false, true, false, false},
        {"rus", false, false, false, false}, {"G", false, false, true, false},
        {"REU", false, false, false, true},  {"AFS", false, false, true, false},
        {"PSE", false, false, false, false}, {"", false, false, false, false},
        {"XWB", true, false, false, false},  {"ZWE", false, false, false, false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(InBand3Group7MHz(c.code), c.in7) << c.code;
        EXPECT_EQ(InBand3Group8MHzA(c.code), c.inA) << c.code;
        EXPECT_EQ(InBand3Group8MHzB(c.code), c.inB) << c.code;
        EXPECT_EQ(InBand3Group8MHzC(c.code), c.inC) << c.code;
    }
}

TEST(Frequencies, TdabBlocksShowTheirShortestText) {
    const auto blocks = TdabBlockFrequencies();
    ASSERT_EQ(blocks.size(), 32u);
    const char *expected[] = {"174.928", "176.64",  "178.352", "180.064", "181.936", "183.648", "185.36",
                              "187.072", "188.928", "190.64",  "192.352", "194.064", "195.936", "197.648",
                              "199.36",  "201.072", "202.928", "204.64",  "206.352", "208.064", "209.936",
                              "211.648", "213.36",  "215.072", "216.928", "218.64",  "220.352", "222.064",
                              "223.936", "225.648", "227.36",  "229.072"};
    for (std::size_t i = 0; i < blocks.size(); ++i)
        EXPECT_EQ(ShortestDecimalText(blocks[i]), expected[i]) << i;
}

TEST(Frequencies, UhfChannels21To69) {
    const auto uhf = UhfChannelFrequencies();
    ASSERT_EQ(uhf.size(), 49u);
    EXPECT_EQ(ShortestDecimalText(uhf.front()), "474");
    EXPECT_EQ(ShortestDecimalText(uhf.back()), "858");
    for (std::size_t i = 0; i < uhf.size(); ++i)
        EXPECT_EQ(uhf[i], 306.0 + 8.0 * (21 + static_cast<int>(i)));
}

TEST(Frequencies, SingleTextAtMostSevenDigits) {
    const std::pair<float, const char *> cases[] = {
        {3.2f, "3.2"},
        {15.0f, "15"},
        {0.4f, "0.4"},
        {999.99f, "999.99"},
        {12.345678f, "12.34568"},
        {1234.5678f, "1234.568"},
        {1000.0f, "1000"},
        {0.1234567f, "0.1234567"},
    };
    for (const auto &[value, text] : cases)
        EXPECT_EQ(ShortestDecimalText(value), text) << value;
}

} // namespace
} // namespace ondrell
