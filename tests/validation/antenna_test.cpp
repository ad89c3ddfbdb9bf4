// The three antenna patterns: presence, completeness, effective-height range and attenuation
// range with normalisation.

#include "validation/antenna.h"
#include "validation_test_support.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using namespace testing_support;

std::string EffHeightLine(const std::string &azimuth) {
    return FatalLine(" :  t_eff_hgt@azm" + azimuth +
                     " : Value should be an integer between [-3000 , t_eff_hgtmax] (9EC)");
}

TEST(AntennaPatterns, GivenMeansAnyValueText) {
    NoticeRecord r;
    for (auto p :
         {AntennaPattern::EffectiveHeight, AntennaPattern::AttenuationV, AntennaPattern::AttenuationH})
        EXPECT_FALSE(PatternGiven(r, p));
    r.attn_v.entries[35].value = "3";
    r.attn_h.entries[0].given = true; // a flag without a value text does not count
    EXPECT_TRUE(PatternGiven(r, AntennaPattern::AttenuationV));
    EXPECT_FALSE(PatternGiven(r, AntennaPattern::AttenuationH));
    EXPECT_FALSE(PatternGiven(r, AntennaPattern::EffectiveHeight));
}

TEST(AntennaPatterns, CompletenessTexts) {
    const struct {
        AntennaPattern pattern;
        AntennaTable NoticeRecord::*table;
        std::string text;
    } cases[] = {
        {AntennaPattern::EffectiveHeight, &NoticeRecord::eff_hgt,
         " (9EC) <ANT_HGT> : All 36 values of the effective antenna height must be provided\r\n"},
        {AntennaPattern::AttenuationV, &NoticeRecord::attn_v,
         " (9NV) <ANT_DIAGR_V> : All 36 values of e.r.p reduction of vertically-polarized component must be "
         "provided\r\n"},
        {AntennaPattern::AttenuationH, &NoticeRecord::attn_h,
         " (9NH) <ANT_DIAGR_H> : All 36 values of e.r.p reduction of horizontally-polarized component must "
         "be "
         "provided\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        NoticeRecord r;
        FillPattern(r.*c.table, "1");
        std::string message = "stale";
        EXPECT_TRUE(PatternComplete(r, c.pattern, message));
        EXPECT_EQ(message, "");

        (r.*c.table).entries[17].value.clear();
        EXPECT_FALSE(PatternComplete(r, c.pattern, message));
        EXPECT_EQ(message, c.text);

        FillPattern(r.*c.table, "1");
        (r.*c.table).entries[0].azimuth.clear(); // an azimuth text is needed as well
        message = "stale";
        EXPECT_FALSE(PatternComplete(r, c.pattern, message));
        EXPECT_EQ(message, c.text);
    }
}

TEST(EffectiveHeightPattern, BoundIsRoundedMaximumOr3000) {
    NoticeRecord r;
    r.eff_hgt.entries[0].value = "3000";
    r.eff_hgt.entries[1].value = "3000.5";
    r.eff_hgt.entries[2].value = "-3000";
    r.eff_hgt.entries[3].value = "-3000.1";
    std::string errors;
    EXPECT_FALSE(ValidateEffectiveHeightPattern(r, errors, ""));
    EXPECT_EQ(errors, EffHeightLine("10") + EffHeightLine("30"));

    const struct {
        const char *max, *value;
        bool ok;
    } bounds[] = {
        {"100.5", "100", true}, {"100.5", "100.4", false}, // a half rounds to the even neighbour
        {"101.5", "102", true}, {"101.5", "102.1", false}, {"99.6", "100", true},
    };
    for (const auto &b : bounds) {
        SCOPED_TRACE(std::string(b.max) + " / " + b.value);
        NoticeRecord n;
        n.t_eff_hgtmax = b.max;
        n.eff_hgt.entries[5].value = b.value;
        std::string text;
        EXPECT_EQ(ValidateEffectiveHeightPattern(n, text, ""), b.ok);
        EXPECT_EQ(text, b.ok ? "" : EffHeightLine("50"));
    }
}

TEST(EffectiveHeightPattern, EmptyEntriesReadAsZeroAgainstANegativeMaximum) {
    NoticeRecord r;
    r.t_eff_hgtmax = "-50";
    r.eff_hgt.entries[4].value = "-60";
    std::string errors, expected;
    EXPECT_FALSE(ValidateEffectiveHeightPattern(r, errors, ""));
    for (int i = 0; i < kAntennaEntries; ++i)
        if (i != 4)
            expected += EffHeightLine(std::to_string(10 * i));
    EXPECT_EQ(errors, expected);
}

std::string AttnLine(char hv, const std::string &azimuth) {
    return FatalLine(std::string(" : <ANT_DIAGR_") + hv + "> :  t_attn@azm" + azimuth +
                     " : Value should be a numerical between [0.0 , 40.0]");
}
const std::string kVNotNormalised = FatalLine(" : <ANT_DIAGR_V> : has to be normalized ");
const std::string kHNotNormalised = FatalLine(" : <ANT_DIAGR_H> : has to be normalized ");

TEST(AttenuationPatterns, RangeAndNormalisation) {
    struct Case {
        const char *name;
        void (*setup)(NoticeRecord &);
        std::string errors;
    };
    const Case cases[] = {
        {"empty patterns pass", [](NoticeRecord &) {}, ""},
        {"40 passes, 40.5 fails",
         [](NoticeRecord &r) {
             r.attn_h.entries[1].value = "40";
             r.attn_h.entries[2].value = "40.5";
         },
         AttnLine('H', "20")},
        {"negative fails when given",
         [](NoticeRecord &r) {
             r.attn_v.entries[3].given = true;
             r.attn_v.entries[3].value = "-1";
         },
         AttnLine('V', "30")},
        {"one azimuth: horizontal before vertical",
         [](NoticeRecord &r) {
             r.attn_v.entries[7].value = "41";
             r.attn_h.entries[7].value = "41";
         },
         AttnLine('H', "70") + AttnLine('V', "70")},
        {"horizontal 1 to 40 is not normalised",
         [](NoticeRecord &r) {
             FillPattern(r.attn_h, "1");
             r.attn_h.entries[35].value = "40";
         },
         kHNotNormalised},
        {"one 0 dB entry normalises",
         [](NoticeRecord &r) {
             FillPattern(r.attn_h, "1");
             r.attn_h.entries[20].value = "0";
         },
         ""},
        {"0.0 counts as 0",
         [](NoticeRecord &r) {
             FillPattern(r.attn_v, "3");
             r.attn_v.entries[0].value = "0.0";
         },
         ""},
        {"a failed entry does not normalise; vertical reported first",
         [](NoticeRecord &r) {
             FillPattern(r.attn_h, "2");
             FillPattern(r.attn_v, "2");
             r.attn_v.entries[0].value = "50";
         },
         AttnLine('V', "0") + kVNotNormalised + kHNotNormalised},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        NoticeRecord r;
        c.setup(r);
        std::string errors;
        EXPECT_EQ(ValidateAttenuationPatterns(r, errors, ""), c.errors.empty());
        EXPECT_EQ(errors, c.errors);
    }
}

TEST(AntennaPatternRules, RunForAssignmentsOnly) {
    auto withPatterns = [](NoticeRecord &r) {
        FillPattern(r.attn_h, "5");
        r.eff_hgt.entries[0].value = "5000";
    };
    const std::string assignmentErrors = EffHeightLine("0") + kHNotNormalised;
    EXPECT_EQ(RunValues(Notice("GS1", withPatterns)).errors, assignmentErrors);
    EXPECT_EQ(RunValues(Notice("gt1", withPatterns)).errors, assignmentErrors);
    EXPECT_EQ(RunValues(Notice("GS2", withPatterns)).errors, "");
    EXPECT_EQ(RunValues(Notice("TB2", withPatterns)).errors, "");
}

} // namespace
} // namespace ondrell
