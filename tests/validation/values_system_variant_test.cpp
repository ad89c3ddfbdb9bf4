// DVB-T system variant: its form, and its channel width against the channel raster.

#include "validation_test_support.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using namespace testing_support;

const std::string kTooLong = " :  t_sys_var : Maximum number of alphanumerical characters is 2 ";
const std::string kNotAccepted = " :  t_sys_var : Acceptable values are {A1, A2, A3, A5, A7, B1, B2, B3, B5, "
                                 "B7, C1, C2, C3, C5, C7, D1, D2, D3, "
                                 "D5, D7, E1, E2, E3, E5, E7, F1, F2, F3, F5, F7}";
const std::string k8In7 = " :  8MHz system notified in a 7MHz channel.";
const std::string k7In8 = " :  7MHz system notified in a 8MHz channel.";

struct VariantCase {
    const char *variant, *frequency, *country, *fragment;
    std::string line; // the one message line, or empty
    bool warning = false;
};

TEST(SystemVariant, FormThenChannelRaster) {
    const VariantCase cases[] = {
        // Form: only the length message for a long variant, the list for anything else malformed.
        {"A12", "", "D", "GE06D", kTooLong},
        {"G1", "", "D", "GE06D", kNotAccepted},
        {"A4", "", "D", "GE06D", kNotAccepted},
        {"a1", "", "D", "GE06D", kNotAccepted},
        {"A", "", "D", "GE06D", kNotAccepted},
        {"F7", "", "D", "GE06D", k7In8},
        // Bands IV/V, or no frequency at all, are 8 MHz channels.
        {"A1", "650", "D", "GE06D", ""},
        {"D1", "650", "D", "GE06D", k7In8},
        {"D1", "650", "D", "NTFD_RR", k7In8, true},
        {"D1", "650", "D", "ntfd_rr", k7In8, true},
        {"E2", "", "RUS", "GE06D", k7In8},
        {"E2", "470", "D", "GE06D", k7In8},
        // Band III: by the country's raster.
        {"A1", "191.5", "D", "GE06D", k8In7},
        {"A1", "191.5", "d", "GE06D", ""}, // raster groups compare exactly
        {"D1", "191.5", "D", "GE06D", ""},
        {"B3", "469.9", "RUS", "GE06D", ""},
        {"D1", "194", "RUS", "GE06D", k7In8},
        {"D1", "194", "G", "GE06D", k7In8},
        {"D1", "194", "REU", "GE06D", k7In8},
        {"F5", "194", "zwe", "GE06D", k7In8},
        {"C1", "194", "MOZ", "GE06D", ""},
        {"A1", "191.5", "CHN", "GE06D", ""},
        {"D1", "191.5", "CHN", "GE06D", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.variant) + " at " + c.frequency + " in " + c.country + " " + c.fragment);
        // A TB5 notice: no frequency or fragment rule of its own interferes.
        const ValuesResult result = RunValues(Notice("TB5", [&](NoticeRecord &r) {
            r.t_sys_var = c.variant;
            r.t_freq_assgn = c.frequency;
            r.t_ctry = c.country;
            r.t_fragment = c.fragment;
        }));
        const std::string expected =
            c.line.empty() ? "" : (c.warning ? WarningLine(c.line) : FatalLine(c.line));
        EXPECT_EQ(result.errors, expected);
        EXPECT_EQ(result.ok, c.line.empty() || c.warning);
    }
}

} // namespace
} // namespace ondrell
