#include "validation/antenna.h"

#include "checks/numbers.h"
#include "validation/findings.h"
#include "validation/rule_helpers.h"
#include "validation/values_helpers.h"

#include <algorithm>
#include <array>

namespace ondrell {
namespace {

struct PatternInfo {
    AntennaTable NoticeRecord::*table;
    std::string_view incompleteText;
};

constexpr std::array<PatternInfo, 3> kPatterns = {{
    {&NoticeRecord::eff_hgt,
     " (9EC) <ANT_HGT> : All 36 values of the effective antenna height must be provided"},
    {&NoticeRecord::attn_v, " (9NV) <ANT_DIAGR_V> : All 36 values of e.r.p reduction of vertically-polarized "
                            "component must be provided"},
    {&NoticeRecord::attn_h,
     " (9NH) <ANT_DIAGR_H> : All 36 values of e.r.p reduction of horizontally-polarized "
     "component must be provided"},
}};

const PatternInfo &InfoOf(AntennaPattern pattern) {
    return kPatterns[static_cast<std::size_t>(pattern)];
}

constexpr double kLowestEffectiveHeight = -3000;
constexpr double kDefaultEffectiveHeightMax = 3000;
constexpr double kMostAttenuation = 40;

// The horizontal and vertical attenuation patterns, in the order their entries are tested.
struct AttenuationPattern {
    std::string_view rangePrefix; // line start of a range finding, before the azimuth
    std::string_view notNormalised;
};

constexpr AttenuationPattern kAttnH = {" : <ANT_DIAGR_H> :  t_attn@azm",
                                       " : <ANT_DIAGR_H> : has to be normalized "};
constexpr AttenuationPattern kAttnV = {" : <ANT_DIAGR_V> :  t_attn@azm",
                                       " : <ANT_DIAGR_V> : has to be normalized "};
constexpr std::string_view kAttnRangeText = " : Value should be a numerical between [0.0 , 40.0]";

} // namespace

const AntennaTable &PatternTable(const NoticeRecord &record, AntennaPattern pattern) {
    return record.*(InfoOf(pattern).table);
}

bool PatternGiven(const NoticeRecord &record, AntennaPattern pattern) {
    const auto &entries = PatternTable(record, pattern).entries;
    return std::any_of(entries.begin(), entries.end(), [](const AntennaEntry &e) { return Given(e.value); });
}

bool PatternComplete(const NoticeRecord &record, AntennaPattern pattern, std::string &message) {
    const auto &entries = PatternTable(record, pattern).entries;
    const bool complete = std::all_of(entries.begin(), entries.end(), [](const AntennaEntry &e) {
        return Given(e.azimuth) && Given(e.value);
    });
    message.clear();
    if (!complete) {
        message += InfoOf(pattern).incompleteText;
        message += kCrLf;
    }
    return complete;
}

bool ValidateEffectiveHeightPattern(const NoticeRecord &record, std::string &errors,
                                    const std::string &label) {
    FindingSink sink(errors, label);
    const double highest = Given(record.t_eff_hgtmax) ? RoundHalfEven(ReadItemNumber(record.t_eff_hgtmax))
                                                      : kDefaultEffectiveHeightMax;
    for (const AntennaEntry &entry : record.eff_hgt.entries) {
        const double value = ReadItemNumber(entry.value);
        if (value < kLowestEffectiveHeight || value > highest)
            sink.Fatal(" t_eff_hgt@azm" + entry.azimuth +
                       " : Value should be an integer between [-3000 , t_eff_hgtmax] (9EC)");
    }
    return sink.ok();
}

bool ValidateAttenuationPatterns(const NoticeRecord &record, std::string &errors, const std::string &label) {
    FindingSink sink(errors, label);
    bool normalisedH = false, normalisedV = false;
    // One entry: its range finding, or whether it marks its pattern as normalised (0 dB).
    auto test = [&](const AttenuationPattern &p, const AntennaEntry &entry, bool &normalised) {
        const double value = ReadItemNumber(entry.value);
        if (value > kMostAttenuation || (entry.given && value < 0)) {
            sink.Fatal(std::string(p.rangePrefix) + entry.azimuth + std::string(kAttnRangeText));
            return;
        }
        if (value == 0)
            normalised = true;
    };
    for (int i = 0; i < kAntennaEntries; ++i) {
        test(kAttnH, record.attn_h.entries[i], normalisedH);
        test(kAttnV, record.attn_v.entries[i], normalisedV);
    }
    if (!normalisedV)
        sink.Fatal(kAttnV.notNormalised);
    if (!normalisedH)
        sink.Fatal(kAttnH.notNormalised);
    return sink.ok();
}

} // namespace ondrell
