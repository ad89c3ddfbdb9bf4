#pragma once
// Presence tests for the items the mandatory and applicability rules look at, written so that
// rule tables can name them in one short expression.

#include "notice/record.h"
#include "validation/findings.h"
#include "validation/rule_helpers.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace ondrell {

using ItemTest = bool (*)(const NoticeRecord &);

template <auto Member> bool Has(const NoticeRecord &r) {
    return Given(r.*Member);
}
template <auto Member> bool HasPlanning(const NoticeRecord &r) {
    return Given(r.planning.*Member);
}
template <auto Member> bool HasAllotment(const NoticeRecord &r) {
    return Given(r.planning.allotment.*Member);
}
template <auto Member> bool HasSubArea(const NoticeRecord &r) {
    return Given(r.sub_area.*Member);
}

// Degrees, hemisphere and minutes must be there; seconds may be left empty.
inline bool PositionGiven(const Coordinate &c) {
    return Given(c.deg) && Given(c.hemi) && Given(c.min);
}

// Any of the eight texts of the site position.
inline bool SitePositionGiven(const NoticeRecord &r) {
    return AnyGiven(r.site_long) || AnyGiven(r.site_lat);
}

inline bool CoordinationGiven(const NoticeRecord &r) {
    return r.coord.present || !r.coord.entries.empty();
}

// The five texts that identify a Plan entry by its characteristics; hemispheres and seconds
// are not part of them.
inline int TargetCharacteristicsGiven(const NoticeRecord &r) {
    return Given(r.t_trg_freq_assgn) + Given(r.trg_long.deg) + Given(r.trg_long.min) + Given(r.trg_lat.deg) +
           Given(r.trg_lat.min);
}
inline constexpr int kTargetCharacteristics = 5;

// The number of test points the rules visit: t_nb_test_pts rounded, capped by the points held and
// by the most a sub-area may notify, so that an absurd count does not make an absurd report.
inline std::size_t VisitedTestPoints(const NoticeRecord &r) {
    const long wanted = std::min<long>(WholeNumberOf(r.sub_area.t_nb_test_pts), kMaxTestPoints);
    if (wanted <= 0)
        return 0;
    return std::min(static_cast<std::size_t>(wanted), r.sub_area.test_points.size());
}

// An item with the text reported when it is missing (or, in a list of items not allowed, given).
struct ItemRule {
    std::string_view text;
    ItemTest given;
};

inline void ReportMissing(const NoticeRecord &r, std::span<const ItemRule> items, FindingSink &sink) {
    for (const auto &item : items)
        if (!item.given(r))
            sink.Fatal(item.text);
}

inline void ReportGiven(const NoticeRecord &r, std::span<const ItemRule> items, FindingSink &sink) {
    for (const auto &item : items)
        if (item.given(r))
            sink.Fatal(item.text);
}

} // namespace ondrell
