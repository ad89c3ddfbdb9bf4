#include "validation/values_rules.h"

#include "validation/frequency.h"
#include "validation/rule_helpers.h"
#include "validation/values_helpers.h"

#include <algorithm>

namespace ondrell::value_rules {
namespace {

bool OneOf(std::string_view value, const std::array<std::string_view, 4> &codes) {
    return std::any_of(codes.begin(), codes.end(),
                       [&](std::string_view code) { return !code.empty() && SameCode(value, code); });
}

bool Within(std::string_view text, const ValueRule &rule) {
    const double value = ReadItemNumber(text);
    return value >= rule.low && value <= rule.high;
}

long ContourIdsGiven(const NoticeRecord &record) {
    const auto &slots = record.planning.allotment.t_contour_id;
    return static_cast<long>(
        std::count_if(slots.begin(), slots.end(), [](const std::string &s) { return Given(s); }));
}

// Whether the rule fails; a frequency rule leaves the check's explanation in `detail`.
bool RuleFails(const ValueRule &rule, const NoticeRecord &record, std::string &detail) {
    const std::string &value = rule.item(record);
    if (rule.fails == Fails::MissingOrOutside)
        return Missing(value) || !Within(value, rule);
    if (rule.fails == Fails::IfOneOf)
        return OneOf(value, rule.codes);
    if (Missing(value))
        return false;
    switch (rule.fails) {
    case Fails::UnlessOneOf:
        return !OneOf(value, rule.codes);
    case Fails::Above:
        return ReadItemNumber(value) > rule.high;
    case Fails::Outside:
        return !Within(value, rule);
    case Fails::IfGiven:
        return true;
    case Fails::NotAboveOther: {
        const std::string &other = rule.other(record);
        return Given(other) && !(ReadItemNumber(other) < ReadItemNumber(value));
    }
    case Fails::ContourCountDiffers:
        return Within(value, rule) && ReadItemNumber(value) != static_cast<double>(ContourIdsGiven(record));
    case Fails::NotTdabFrequency:
        return !CheckTdabFrequency(value, detail);
    case Fails::NotDvbtFrequency:
        return !CheckDvbtFrequency(record.t_ctry, value, detail);
    case Fails::MissingOrOutside:
    case Fails::IfOneOf:
        break;
    }
    return false;
}

// The same set by the very same texts (the tables share their type constants); a set written
// out again merely counts as another one.
bool SameTexts(const TypeSet &a, const TypeSet &b) {
    for (size_t i = 0; i < a.types.size(); ++i)
        if (a.types[i].data() != b.types[i].data() || a.types[i].size() != b.types[i].size())
            return false;
    return a.except == b.except;
}

} // namespace

bool TypeSet::Matches(std::string_view type) const {
    const bool listed = std::any_of(types.begin(), types.end(),
                                    [&](std::string_view t) { return !t.empty() && SameCode(type, t); });
    return listed != except;
}

void Run(std::span<const ValueRule> rules, const NoticeRecord &record, FindingSink &sink) {
    // Rules follow each other with the same type set: its answer is kept from one rule to the next.
    const TypeSet *last = nullptr;
    bool matches = false;
    for (const ValueRule &rule : rules) {
        if (!last || !SameTexts(rule.types, *last))
            matches = rule.types.Matches(record.t_notice_type);
        last = &rule.types;
        if (!matches)
            continue;
        std::string detail;
        if (RuleFails(rule, record, detail))
            sink.Add(rule.severity, std::string(rule.prefix).append(rule.text).append(detail));
    }
}

} // namespace ondrell::value_rules
