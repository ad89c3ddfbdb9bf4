// Cases found by reading the rules against the notices' users' expectations: the rules read
// numbers without an exponent (a field check may let "6e1" through; the rules see 6).

#include "notice/record.h"
#include "validation/validate.h"

#include <gtest/gtest.h>

#include <string>

namespace ondrell {
namespace {

struct ExponentCase {
    const char *name;
    const char *type;
    std::string NoticeRecord::*item; // nullptr: the GA1 test-point count
    const char *text;
    const char *message; // the only finding expected, or "" for none
};

class RulesReadNoExponent : public ::testing::TestWithParam<ExponentCase> {};

TEST_P(RulesReadNoExponent, OnlyTheLeadingDecimalCounts) {
    const ExponentCase &c = GetParam();
    NoticeRecord r;
    r.t_notice_type = c.type;
    if (c.item)
        r.*c.item = c.text;
    else
        r.sub_area.t_nb_test_pts = c.text;
    std::string errors;
    const bool ok = ValidateNoticeValues(r, errors, "");
    const std::string expected =
        std::string(c.message).empty() ? "" : "FATAL ERROR : \r\n" + std::string(c.message) + "\r\n";
    EXPECT_EQ(errors, expected);
    EXPECT_EQ(ok, expected.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Review, RulesReadNoExponent,
    ::testing::Values(
        // 6e1 would be 60, above the 53.0 bound.
        ExponentCase{"ErpBoundSeesSix", "GS1", &NoticeRecord::t_erp_h_dbw, "6e1", ""},
        // 9e2 would be 900, above the 800 bound.
        ExponentCase{"HeightSeesNine", "GT2", &NoticeRecord::t_hgt_agl, "9e2", ""},
        // 5e1 would be 50, inside [3, 99]; 5 is too.
        ExponentCase{"TestPointCountSeesFive", "GA1", nullptr, "5e1", ""},
        // 1.74928e2 would be the valid block 174.928; read as 1.74928 it is no block at all.
        ExponentCase{"TdabFrequencyDropsExponent", "GS1", &NoticeRecord::t_freq_assgn, "1.74928e2",
                     " : t_freq_assgn : Invalid T-DAB frequency in Band III\r\n"},
        // 4e1 would be 40, outside [-30, 30].
        ExponentCase{"TiltAngleSeesFour", "GT1", &NoticeRecord::t_beam_tilt_angle, "4e1", ""}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace ondrell
