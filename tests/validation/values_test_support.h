#pragma once
// Building notices and expected error texts for the value-rule tests. Expected message lines are
// always written out whole, label " : " included, so a wrong blank shows.

#include "notice/record.h"
#include "validation/values_rules.h"

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace ondrell::testing_values {

inline std::string FatalLine(std::string_view line) {
    return "FATAL ERROR : \r\n" + std::string(line) + "\r\n";
}
inline std::string WarningLine(std::string_view line) {
    return "WARNING : \r\n" + std::string(line) + "\r\n";
}

using Setup = std::function<void(NoticeRecord &)>;

inline NoticeRecord Notice(std::string_view type, const Setup &setup = {}) {
    NoticeRecord r;
    r.t_notice_type = std::string(type);
    if (setup)
        setup(r);
    return r;
}

inline constexpr std::chrono::year_month_day kToday{std::chrono::year{2026}, std::chrono::month{12},
                                                    std::chrono::day{5}};

struct ValuesResult {
    bool ok;
    std::string errors;
};

// ValidateNoticeValues with the label the forms use (empty) and a fixed today.
inline ValuesResult RunValues(const NoticeRecord &r, std::chrono::year_month_day today = kToday) {
    ValuesResult result{true, {}};
    result.ok = value_rules::ValidateValues(r, result.errors, "", today);
    return result;
}

} // namespace ondrell::testing_values
