// Centre-frequency checks for T-DAB and DVB-T, and how ValidateNoticeValues reports them.

#include "validation/frequency.h"
#include "validation_test_support.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using namespace testing_support;

TEST(TdabFrequency, ExactBlockCentresOnly) {
    for (const char *valid : {"174.928", "229.072", "176.64", " 176.640 MHz"}) {
        std::string message;
        EXPECT_TRUE(CheckTdabFrequency(valid, message)) << valid;
        EXPECT_EQ(message, "");
    }
    for (const char *invalid : {"174.93", "175", "", "abc", "474"}) {
        std::string message = "x";
        EXPECT_FALSE(CheckTdabFrequency(invalid, message)) << invalid;
        EXPECT_EQ(message, "xInvalid T-DAB frequency in Band III\r\n");
    }
}

TEST(DvbtFrequency, UhfChannelsThenTheCountrysBand3Raster) {
    const std::string k7MHzD = "For D the valid frequencies are {177.5, 184.5, 191.5, 198.5, 205.5, 212.5, "
                               "219.5, 226.5} or [474, 858] \r\n";
    const struct {
        const char *country, *frequency;
        std::string message; // empty when valid
    } cases[] = {
        {"D", "474", ""},
        {"D", "858", ""},
        {"CHN", "690", ""},
        {"D", "475", "Invalid DVB-T frequency in Bands IV and V\r\n"},
        {"D", "184.5", ""},
        {"D", "186", k7MHzD},
        {"D", "866", k7MHzD}, // above Band V: judged against Band III
        {"D", "", k7MHzD},
        {"RUS", "186", ""},
        {"RUS", "184.5",
         "For RUS the valid frequencies are {178, 186, 194, 202, 210, 218, 226} or [474, 858]\r\n"},
        {"TZA", "226", ""},
        {"REU", "178", ""},
        {"MOZ", "194", ""},
        {"swz", "202", ""},
        {"ZWE", "191.5",
         "For ZWE the valid frequencies are {178, 186, 194, 202, 210, 218, 226} or [474, 858]\r\n"},
        {"CHN", "186", "No frequency validation found for CHN\r\n"},
        {"d", "184.5", "No frequency validation found for d\r\n"}, // raster groups compare exactly
        {"", "186", "No frequency validation found for \r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.country) + " at " + c.frequency);
        std::string message;
        EXPECT_EQ(CheckDvbtFrequency(c.country, c.frequency, message), c.message.empty());
        EXPECT_EQ(message, c.message);
    }
}

TEST(FrequencyRules, AssignedAndTargetFrequencyLines) {
    const struct {
        const char *type, *country, *frequency, *target;
        std::string errors;
    } cases[] = {
        {"GS1", "", "174.928", "176.64", ""},
        {"GS2", "", "174.93", "176.6",
         FatalLine(" : t_freq_assgn : Invalid T-DAB frequency in Band III\r\n") +
             FatalLine(" : t_trg_freq_assgn : Invalid T-DAB frequency in Band III\r\n")},
        {"GT1", "RUS", "184.5", "",
         FatalLine(
             " : t_freq_assgn : For RUS the valid frequencies are {178, 186, 194, 202, 210, 218, 226} or "
             "[474, 858]\r\n")},
        {"GT2", "CHN", "", "186",
         FatalLine(" : t_trg_freq_assgn : No frequency validation found for CHN\r\n")},
        {"TB5", "D", "1", "2", ""}, // no frequency rule outside the four planning types
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.frequency + " / " + c.target);
        const ValuesResult result = RunValues(Notice(c.type, [&](NoticeRecord &r) {
            r.t_ctry = c.country;
            r.t_freq_assgn = c.frequency;
            r.t_trg_freq_assgn = c.target;
        }));
        EXPECT_EQ(result.errors, c.errors);
        EXPECT_EQ(result.ok, c.errors.empty());
    }
}

} // namespace
} // namespace ondrell
