#pragma once
// The rules behind ValidateNoticeValues. Most are rows of tables (which notice types a rule
// concerns, which item it reads, how the item fails, the message); the date and system-variant
// rules tie several items together and are functions.

#include "notice/record.h"
#include "validation/findings.h"

#include <array>
#include <chrono>
#include <span>
#include <string>
#include <string_view>

namespace ondrell::value_rules {

using ItemOf = const std::string &(*)(const NoticeRecord &);

template <auto Member> const std::string &Item(const NoticeRecord &record) {
    return record.*Member;
}

// The notice types a rule concerns, compared ignoring case; `except` turns the set round, so
// an unknown or empty type matches it.
struct TypeSet {
    std::array<std::string_view, 3> types{};
    bool except = false;

    bool Matches(std::string_view type) const;
};

enum class Fails {
    UnlessOneOf,         // given and none of `codes` (ignoring case)
    IfOneOf,             // one of `codes` (ignoring case)
    Above,               // given and its value above `high`
    Outside,             // given and its value outside [low, high]
    MissingOrOutside,    // missing, or its value outside [low, high]
    IfGiven,             // given at all
    NotAboveOther,       // given, `other` given, and its value not above the value of `other`
    ContourCountDiffers, // given, within [low, high], and its value is not the number of contour ids given
    NotTdabFrequency,    // given and refused by CheckTdabFrequency, whose text follows `prefix`
    NotDvbtFrequency,    // given and refused by CheckDvbtFrequency for t_ctry, whose text follows `prefix`
};

struct ValueRule {
    TypeSet types;
    ItemOf item;
    Fails fails;
    std::string_view text;
    std::array<std::string_view, 4> codes{};
    double low = 0;
    double high = 0;
    ItemOf other = nullptr;
    std::string_view prefix{}; // stands before `text` on the message line
    Severity severity = Severity::Fatal;
};

// Runs the rules in order on the record; rules whose types do not match t_notice_type are skipped.
void Run(std::span<const ValueRule> rules, const NoticeRecord &record, FindingSink &sink);

// The tables, in the order ValidateNoticeValues runs them.
std::span<const ValueRule> AdministrativeRules(); // TB5, TB3, TB2
std::span<const ValueRule> AssignmentRules();     // GS1, GT1 (before the antenna patterns)
std::span<const ValueRule> ActionRules();         // every type, before the dates
std::span<const ValueRule> HeightAndMaskRules();  // every type, after the dates
std::span<const ValueRule> OffsetRules();         // every type, after the system variant
std::span<const ValueRule> AllotmentRules();      // GS2, GT2
std::span<const ValueRule> ReferenceRules();      // configuration, network and frequencies
std::span<const ValueRule> TestPointRules();      // GA1

// In-use date not after expiry; under Article 5 not after receipt (or today) plus three months.
void CheckDates(const NoticeRecord &record, FindingSink &sink, std::chrono::year_month_day today);

// DVB-T system variant: its form, then whether its channel width fits the channel raster.
void CheckSystemVariant(const NoticeRecord &record, FindingSink &sink);

// ValidateNoticeValues with the current date given.
bool ValidateValues(const NoticeRecord &record, std::string &errors, const std::string &label,
                    std::chrono::year_month_day today);

} // namespace ondrell::value_rules
