#include "validation/applicability_table.h"

#include "notice/vocabulary.h"
#include "validation/antenna.h"
#include "validation/applicability_items.h"
#include "validation/mandatory_texts.h"

#include <algorithm>
#include <array>
#include <string>
#include <type_traits>
#include <vector>

namespace ondrell {
namespace {

// How a row decides what to report.
enum class RowKind {
    Item,         // one message when the item is given
    TestPoints,   // t_nb_test_pts, then one message per visited test point whose flag is set
    ContourSlots, // one message per given allotment contour slot, in slot order
    TargetOnAdd,  // t_trg_adm_ref_id given on an ADD notice; the action follows the text
};

// One group's use of a row: its position in the group's order (0: not tested), the notice type
// it is limited to or exempts, and a text that replaces the row's own for this group.
struct Cell {
    int position = 0;
    std::string_view onlyType = {};
    std::string_view exceptType = {};
    std::string_view text = {};
};

struct Row {
    RowKind kind;
    std::string_view text;
    ItemTest given;
    Cell cells[4]; // indexed by CarryColumn
};

constexpr std::string_view kContourIdNotCarried = " : t_contour_id should not be notified for a ";
constexpr std::string_view kTestPointNotCarried = " : t_long and t_lat should not be notified for a ";
constexpr std::string_view kTargetOnAddTail = "; t_adm_ref_id is used as the identifier of the target";

bool AttnHGiven(const NoticeRecord &r) {
    return PatternGiven(r, AntennaPattern::AttenuationH);
}
bool AttnVGiven(const NoticeRecord &r) {
    return PatternGiven(r, AntennaPattern::AttenuationV);
}
bool EffHgtGiven(const NoticeRecord &r) {
    return PatternGiven(r, AntennaPattern::EffectiveHeight);
}

constexpr auto GS1 = notice_type::GS1;
constexpr auto TB2 = notice_type::TB2;
constexpr auto TB3 = notice_type::TB3;
constexpr std::string_view kTypRefNetwkSubArea = " : t_typ_ref_netwk should not be notified for a ";
using R = NoticeRecord;
using P = PlanningGroup;
using A = AllotmentGroup;
using S = SubAreaGroup;
using enum RowKind;

// Cells: assignment (GS1, GT1), allotment (GS2, GT2), sub-area (GA1), administrative (TB2, TB3,
// TB5); a cell holds {position, only for type, except for type, own text}. Two rows may share a
// position: they then run in table order (the allotment contour slots follow t_nb_sub_areas).
// Contour slots are tested one by one, so that row has no item test.
// clang-format off
constexpr Row kNotCarried[] = {
    {Item,         " : t_adm_ref_id should not be notified for a ",              Has<&R::t_adm_ref_id>,                      {{}, {}, {}, {1}}},
    {TargetOnAdd,  "t_trg_adm_ref_id should not be notified for a ",             Has<&R::t_trg_adm_ref_id>,                  {{2}, {}, {}, {}}},
    {Item,         " : t_site_name should not be notified for a ",               Has<&R::t_site_name>,                       {{}, {1}, {1}, {2}}},
    {Item,         " : t_site_alt should not be notified for a ",                Has<&R::t_site_alt>,                        {{}, {2}, {2}, {3}}},
    {Item,         " : t_long t_lat should not be notified for a ",              SitePositionGiven,                          {{}, {3}, {3}, {4}}},
    {Item,         " : t_erp_h_dbw should not be notified for a ",               Has<&R::t_erp_h_dbw>,                       {{}, {4}, {4}, {5}}},
    {Item,         " : t_erp_v_dbw should not be notified for a ",               Has<&R::t_erp_v_dbw>,                       {{}, {5}, {5}, {6}}},
    {Item,         " : t_erp_beam_tilt_dbw should not be notified for a ",       Has<&R::t_erp_beam_tilt_dbw>,               {{10, GS1}, {6}, {27}, {7}}},
    {Item,         " : t_beam_tilt_angle should not be notified for a ",         Has<&R::t_beam_tilt_angle>,                 {{11, GS1}, {7}, {28}, {8}}},
    {Item,         " : t_eff_hgtmax should not be notified for a ",              Has<&R::t_eff_hgtmax>,                      {{}, {8}, {6}, {9}}},
    {Item,         " : t_hgt_agl should not be notified for a ",                 Has<&R::t_hgt_agl>,                         {{}, {9}, {7}, {10}}},
    {Item,         " : <COORD> or <COORDINATION> should not be notified for a ", CoordinationGiven,                          {{}, {}, {8}, {11, {}, TB3}}},
    {Item,         " : <ANT_DIAGR_H> should not be notified for a ",             AttnHGiven,                                 {{}, {10}, {9}, {12}}},
    {Item,         " : <ANT_DIAGR_V> should not be notified for a ",             AttnVGiven,                                 {{}, {11}, {10}, {13}}},
    {Item,         " : <ANT_HGT> should not be notified for a ",                 EffHgtGiven,                                {{}, {12}, {11}, {14}}},
    {Item,         " : t_associated_adm_allot_id should not be notified for a ", HasPlanning<&P::t_associated_adm_allot_id>, {{}, {13}, {12}, {15}}},
    {Item,         " : t_associated_allot_sfn_id should not be notified for a ", HasPlanning<&P::t_associated_allot_sfn_id>, {{}, {14}, {}, {16}}},
    {TestPoints,   " : t_nb_test_pts should not be notified for a ",             HasSubArea<&S::t_nb_test_pts>,              {{6}, {15}, {}, {17}}},
    {Item,         " : t_assgn_code should not be notified for a ",              Has<&R::t_assgn_code>,                      {{}, {16}, {}, {18}}},
    {Item,         kContourIdNotCarried,                                         HasSubArea<&S::t_contour_id>,               {{7}, {17}, {}, {19}}},
    {Item,         " : t_sys_var should not be notified for a ",                 Has<&R::t_sys_var>,                         {{8, GS1}, {18}, {16}, {20}}},
    {Item,         " : t_rx_mode should not be notified for a ",                 HasPlanning<&P::t_rx_mode>,                 {{9, GS1}, {19}, {17}, {21}}},
    {Item,         " : t_op_agcy should not be notified for a ",                 Has<&R::t_op_agcy>,                         {{}, {20}, {18}, {22, {}, TB2}}},
    {Item,         " : t_d_inuse should not be notified for a ",                 Has<&R::t_d_inuse>,                         {{}, {21}, {19}, {23, {}, TB2}}},
    {Item,         " : t_addr_code should not be notified for a ",               Has<&R::t_addr_code>,                       {{}, {22}, {20}, {24, {}, TB2}}},
    {Item,         " : t_op_hh_fr should not be notified for a ",                Has<&R::t_op_hh_fr>,                        {{}, {23}, {21}, {25, {}, TB2}}},
    {Item,         " : t_op_hh_to should not be notified for a ",                Has<&R::t_op_hh_to>,                        {{}, {24}, {22}, {26, {}, TB2}}},
    {Item,         " : t_remarks_conds_met should not be notified for a ",       Has<&R::t_remark_conds_met>,                {{}, {25}, {23}, {27}}},
    {Item,         " : t_is_resub should not be notified for a ",                Has<&R::t_is_resub>,                        {{}, {26}, {24}, {28}}},
    {Item,         " : t_signed_commitment should not be notified for a ",       Has<&R::t_signed_commitment>,               {{}, {27}, {25}, {29}}},
    {Item,         " : t_freq_assgn should not be notified for a ",              Has<&R::t_freq_assgn>,                      {{}, {}, {26}, {}}},
    {Item,         "t_typ_ref_netwk should not be notified for a ",              HasAllotment<&A::t_typ_ref_netwk>,          {{1}, {}, {29, {}, {}, kTypRefNetwkSubArea}, {30}}},
    {Item,         " : t_allot_name should not be notified for a ",              HasAllotment<&A::t_allot_name>,             {{3}, {}, {13}, {31}}},
    {Item,         " : t_geo_area should not be notified for a ",                HasAllotment<&A::t_geo_area>,               {{4}, {}, {14}, {32}}},
    {Item,         " : t_nb_sub_areas should not be notified for a ",            HasAllotment<&A::t_nb_sub_areas>,           {{5}, {}, {15}, {33}}},
    {ContourSlots, kContourIdNotCarried,                                         nullptr,                                    {{5}, {}, {15}, {34}}},
    {Item,         " : t_is_pub_req should not be notified for a ",              Has<&R::t_is_pub_req>,                      {{}, {}, {30, {}, {}, mandatory_text::kPubReqNotUnderArt5}, {35}}},
    {Item,         " : t_sfn_id should not be notified for a ",                  HasPlanning<&P::t_sfn_id>,                  {{}, {}, {}, {36}}},
};
// clang-format on

// A text ending in "for a " names the notice type after it.
std::string WithType(std::string_view text, const NoticeRecord &r) {
    std::string line(text);
    if (text.ends_with("for a "))
        line += r.t_notice_type;
    return line;
}

bool CellApplies(const Cell &cell, const NoticeRecord &r) {
    if (!cell.onlyType.empty() && !SameCode(r.t_notice_type, cell.onlyType))
        return false;
    return cell.exceptType.empty() || !SameCode(r.t_notice_type, cell.exceptType);
}

void ReportRow(const Row &row, std::string_view text, const NoticeRecord &r, FindingSink &sink) {
    switch (row.kind) {
    case RowKind::Item:
        if (row.given(r))
            sink.Fatal(WithType(text, r));
        break;
    case RowKind::TestPoints: {
        if (row.given(r))
            sink.Fatal(WithType(text, r));
        const std::size_t visited = VisitedTestPoints(r);
        for (std::size_t i = 0; i < visited; ++i)
            if (r.sub_area.test_points[i].given)
                sink.Fatal(WithType(kTestPointNotCarried, r));
        break;
    }
    case RowKind::ContourSlots:
        for (const auto &slot : r.planning.allotment.t_contour_id)
            if (Given(slot))
                sink.Fatal(WithType(text, r));
        break;
    case RowKind::TargetOnAdd:
        if (SameCode(r.t_action, action::Add) && row.given(r))
            sink.Fatal(std::string(text) + r.t_action + std::string(kTargetOnAddTail));
        break;
    }
}

} // namespace

void ReportItemsNotCarried(const NoticeRecord &record, CarryColumn column, FindingSink &sink) {
    const auto c = static_cast<std::size_t>(column);
    // The rows of each column in the order of their positions (rows without one left out), worked
    // out once: every validation goes through them.
    static const auto kOrder = [] {
        std::array<std::vector<const Row *>, std::extent_v<decltype(Row::cells)>> order;
        for (std::size_t col = 0; col < order.size(); ++col) {
            for (const auto &row : kNotCarried)
                if (row.cells[col].position > 0)
                    order[col].push_back(&row);
            std::stable_sort(order[col].begin(), order[col].end(), [col](const Row *a, const Row *b) {
                return a->cells[col].position < b->cells[col].position;
            });
        }
        return order;
    }();
    for (const Row *row : kOrder[c]) {
        const Cell &cell = row->cells[c];
        if (CellApplies(cell, record))
            ReportRow(*row, cell.text.empty() ? row->text : cell.text, record, sink);
    }
}

} // namespace ondrell
