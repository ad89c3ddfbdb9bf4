#include "checks/dates_times.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace ondrell {
namespace {

TEST(IsCalendarDate, MonthLengthsAndLeapYears) {
    struct Case {
        std::string_view d, m, y;
        bool valid;
    };
    const Case cases[] = {
        {"31", "04", "2009", false}, {"30", "04", "2009", true},  {"31", "12", "2009", true},
        {"29", "02", "2008", true},  {"29", "02", "2009", false}, {"29", "02", "2000", true},
        {"29", "02", "2100", false}, {"28", "02", "2100", true},  {"31", "06", "2010", false},
        {"31", "09", "2010", false}, {"31", "11", "2010", false}, {"0", "1", "2010", false},
        {"1", "13", "2010", false},  {"1", "1", "09", true},      {"29", "2", "08", true},
        {"1.5", "1", "2010", false}, {"a", "1", "2010", false},   {" 5 ", "1", "2010", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsCalendarDate(c.d, c.m, c.y), c.valid) << c.d << "/" << c.m << "/" << c.y;
}

struct TimeCase {
    std::string_view text;
    bool valid;
    std::string_view explanation;
};

constexpr std::string_view kHhStart = " where the first 2 digits HH should [0,23]\r\n";
constexpr std::string_view kHhStop = " where the first 2 digits HH should [1,24]\r\n";
constexpr std::string_view kMm = " where the last 2 digits MM should [0,59]\r\n";

TEST(CheckHhmm, StartTimes) {
    const std::string both = std::string(kHhStart) + std::string(kMm);
    const TimeCase cases[] = {
        {"0000", true, ""},        {"2359", true, ""},    {"2360", false, kMm},
        {"2400", false, kHhStart}, {"2460", false, both}, {"1230", true, ""},
    };
    for (const auto &c : cases) {
        std::string explanation = "stale";
        EXPECT_EQ(CheckHhmm(c.text, explanation), c.valid) << c.text;
        EXPECT_EQ(explanation, c.explanation) << c.text;
    }
}

TEST(CheckHhmmStop, StopTimes) {
    const TimeCase cases[] = {
        {"2400", true, ""},  {"0001", false, kHhStop}, {"0000", false, kHhStop}, {"0030", false, kHhStop},
        {"2430", false, ""}, {"0100", true, ""},       {"2500", false, kHhStop}, {"1260", false, kMm},
    };
    for (const auto &c : cases) {
        std::string explanation;
        EXPECT_EQ(CheckHhmmStop(c.text, explanation), c.valid) << c.text;
        EXPECT_EQ(explanation, c.explanation) << c.text;
    }
}

} // namespace
} // namespace ondrell
