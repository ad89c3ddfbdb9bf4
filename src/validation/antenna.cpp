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

// Message lines of the attenuation patterns begin with the pattern's tag.
constexpr std::string_view kAttnHTag = " : <ANT_DIAGR_H> : ";
constexpr std::string_view kAttnVTag = " : <ANT_DIAGR_V> : ";

std::string AttnOutOfRange(std::string_view tag, const std::string &azimuth) {
    return std::string(tag) + " t_attn@azm" + azimuth + " : Value should be a numerical between [0.0 , 40.0]";
}
std::string AttnNotNormalised(std::string_view tag) {
    return std::string(tag) + "has to be normalized ";
}

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
    auto test = [&](std::string_view tag, const AntennaEntry &entry, bool &normalised) {
        const double value = ReadItemNumber(entry.value);
        // Only an entered value can be negative; an empty one reads as 0.
        if (value > kMostAttenuation || (entry.given && value < 0)) {
            sink.Fatal(AttnOutOfRange(tag, entry.azimuth));
            return;
        }
        if (value == 0)
            normalised = true;
    };
    for (int i = 0; i < kAntennaEntries; ++i) {
        test(kAttnHTag, record.attn_h.entries[i], normalisedH);
        test(kAttnVTag, record.attn_v.entries[i], normalisedV);
    }
    if (!normalisedV)
        sink.Fatal(AttnNotNormalised(kAttnVTag));
    if (!normalisedH)
        sink.Fatal(AttnNotNormalised(kAttnHTag));
    return sink.ok();
}

} // namespace ondrell
