#pragma once
// Notices written as text for case tables: "key=value; key=value", applied in order. Keys are the
// file keys (t_long=deg,hemi,min,sec and t_long.min for a part), plus what a record holds beyond
// the file: captured, op_hours_given, planning.present, allotment.present, sub.present,
// sub.t_contour_id, coord.present, coord.count, coord=F,I (a captured list), coord[i]=adm,role,
// points=n, point[i]=long,lat (given; empty: not given), t_contour_id[i] of an allotment, and the
// antenna tables eff_hgt, attn_h, attn_v: [i]=value, [i].given=1, [i].azimuth=, [*]=value (every
// entry given), =v0,v1,... (the non-empty ones given).
//
// Named notices come from tests/support/notices.tsv: "Notice<TAB>name<TAB>changes", rows of one
// name applied in order, "from=name" starting from another notice.

#include "notice/record.h"
#include "support/case_table.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ondrell::record_text {

inline std::vector<std::string> Split(std::string_view text, char by) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t at = text.find(by, start);
        parts.emplace_back(text.substr(start, at - start));
        if (at == std::string_view::npos)
            return parts;
        start = at + 1;
    }
}

inline std::string *TextField(NoticeRecord &r, std::string_view key) {
    using R = NoticeRecord;
    static const std::map<std::string_view, std::string R::*> texts = {
        {"t_action", &R::t_action},
        {"t_fragment", &R::t_fragment},
        {"t_plan", &R::t_plan},
        {"t_prov", &R::t_prov},
        {"t_adm_ref_id", &R::t_adm_ref_id},
        {"t_trg_adm_ref_id", &R::t_trg_adm_ref_id},
        {"t_plan_adm_ref_id", &R::t_plan_adm_ref_id},
        {"t_notice_type", &R::t_notice_type},
        {"stn_cls", &R::stn_cls},
        {"t_sys_var", &R::t_sys_var},
        {"t_adm", &R::t_adm},
        {"t_ctry", &R::t_ctry},
        {"t_is_resub", &R::t_is_resub},
        {"t_is_pub_req", &R::t_is_pub_req},
        {"t_call_sign", &R::t_call_sign},
        {"t_plan_entry", &R::t_plan_entry},
        {"t_assgn_code", &R::t_assgn_code},
        {"t_offset", &R::t_offset},
        {"t_remark_conds_met", &R::t_remark_conds_met},
        {"t_signed_commitment", &R::t_signed_commitment},
        {"t_erp_beam_tilt_dbw", &R::t_erp_beam_tilt_dbw},
        {"t_beam_tilt_angle", &R::t_beam_tilt_angle},
        {"t_addr_code", &R::t_addr_code},
        {"t_op_agcy", &R::t_op_agcy},
        {"t_d_expiry", &R::t_d_expiry},
        {"t_d_inuse", &R::t_d_inuse},
        {"t_date_rcv", &R::t_date_rcv},
        {"t_freq_assgn", &R::t_freq_assgn},
        {"t_trg_freq_assgn", &R::t_trg_freq_assgn},
        {"t_hgt_agl", &R::t_hgt_agl},
        {"t_eff_hgtmax", &R::t_eff_hgtmax},
        {"t_erp_h_dbw", &R::t_erp_h_dbw},
        {"t_erp_v_dbw", &R::t_erp_v_dbw},
        {"t_polar", &R::t_polar},
        {"t_ant_dir", &R::t_ant_dir},
        {"t_site_name", &R::t_site_name},
        {"t_site_alt", &R::t_site_alt},
        {"t_op_hh_fr", &R::t_op_hh_fr},
        {"t_op_hh_to", &R::t_op_hh_to},
        {"t_remarks", &R::t_remarks},
        {"t_int_remarks", &R::t_int_remarks},
    };
    static const std::map<std::string_view, std::string PlanningGroup::*> planning = {
        {"t_email_addr", &PlanningGroup::email_addr},
        {"t_rx_mode", &PlanningGroup::t_rx_mode},
        {"t_ref_plan_cfg", &PlanningGroup::t_ref_plan_cfg},
        {"t_sfn_id", &PlanningGroup::t_sfn_id},
        {"t_associated_adm_allot_id", &PlanningGroup::t_associated_adm_allot_id},
        {"t_associated_allot_sfn_id", &PlanningGroup::t_associated_allot_sfn_id},
        {"t_spect_mask", &PlanningGroup::t_spect_mask},
    };
    static const std::map<std::string_view, std::string AllotmentGroup::*> allotment = {
        {"t_allot_name", &AllotmentGroup::t_allot_name},
        {"t_geo_area", &AllotmentGroup::t_geo_area},
        {"t_nb_sub_areas", &AllotmentGroup::t_nb_sub_areas},
        {"t_typ_ref_netwk", &AllotmentGroup::t_typ_ref_netwk},
    };
    if (auto it = texts.find(key); it != texts.end())
        return &(r.*it->second);
    if (auto it = planning.find(key); it != planning.end())
        return &(r.planning.*it->second);
    if (auto it = allotment.find(key); it != allotment.end())
        return &(r.planning.allotment.*it->second);
    if (key == "sub.t_contour_id")
        return &r.sub_area.t_contour_id;
    if (key == "t_nb_test_pts")
        return &r.sub_area.t_nb_test_pts;
    return nullptr;
}

inline bool *FlagField(NoticeRecord &r, std::string_view key) {
    if (key == "captured")
        return &r.captured;
    if (key == "op_hours_given")
        return &r.op_hours_given;
    if (key == "planning.present")
        return &r.planning.present;
    if (key == "allotment.present")
        return &r.planning.allotment.present;
    if (key == "sub.present")
        return &r.sub_area.present;
    if (key == "coord.present")
        return &r.coord.present;
    return nullptr;
}

inline Coordinate *Position(NoticeRecord &r, std::string_view key) {
    if (key == "t_long")
        return &r.site_long;
    if (key == "t_lat")
        return &r.site_lat;
    if (key == "t_trg_long")
        return &r.trg_long;
    if (key == "t_trg_lat")
        return &r.trg_lat;
    return nullptr;
}

inline AntennaTable *Antenna(NoticeRecord &r, std::string_view key) {
    if (key == "eff_hgt")
        return &r.eff_hgt;
    if (key == "attn_h")
        return &r.attn_h;
    if (key == "attn_v")
        return &r.attn_v;
    return nullptr;
}

inline NoticeRecord Named(std::string_view name);

// One "key=value"; an unknown key fails the test that uses it.
inline void Set(NoticeRecord &r, const std::string &key, const std::string &value) {
    const std::size_t open = key.find('['), dot = key.find('.', key.find(']') + 1);
    const std::string base = key.substr(0, std::min(open, dot));
    const std::string index = open == std::string::npos ? "" : key.substr(open + 1, key.find(']') - open - 1);
    const std::string part = dot == std::string::npos || open == std::string::npos ? "" : key.substr(dot + 1);
    const int i = index.empty() || index == "*" ? -1 : std::stoi(index);
    if (key == "from") {
        r = Named(value);
    } else if (std::string *text = TextField(r, key)) {
        *text = value;
    } else if (bool *flag = FlagField(r, key)) {
        *flag = value == "1";
    } else if (key == "coord.count") {
        r.coord.count = static_cast<std::int16_t>(std::stoi(value));
    } else if (key == "coord") {
        const auto adms = Split(value, ',');
        r.coord.count = static_cast<std::int16_t>(adms.size());
        r.coord.present = true;
        r.coord.entries.assign(adms.size() + 1, {});
        for (std::size_t k = 0; k < adms.size(); ++k)
            r.coord.entries[k].adm = adms[k];
    } else if (base == "coord" && i >= 0) {
        const auto cells = Split(value, ',');
        r.coord.entries.resize(std::max<std::size_t>(r.coord.entries.size(), i + 1));
        r.coord.entries[i] = {cells.at(0), cells.size() > 1 ? cells[1] : ""};
    } else if (key == "points") {
        r.sub_area.test_points.resize(std::stoi(value));
    } else if (base == "point" && i >= 0) {
        const auto cells = Split(value, ',');
        r.sub_area.test_points.resize(std::max<std::size_t>(r.sub_area.test_points.size(), i + 1));
        r.sub_area.test_points[i] = value.empty() ? TestPoint{} : TestPoint{true, cells.at(0), cells.at(1)};
    } else if (base == "t_contour_id" && i >= 0) {
        r.planning.allotment.t_contour_id.at(i) = value;
    } else if (Coordinate *c = Position(r, key.substr(0, key.find('.')))) {
        const std::string which = key.find('.') == std::string::npos ? "" : key.substr(key.find('.') + 1);
        if (which.empty()) {
            const auto cells = Split(value, ',');
            *c = {cells.at(0), cells.at(1), cells.at(2), cells.at(3)};
        } else {
            (which == "deg" ? c->deg : which == "hemi" ? c->hemi : which == "min" ? c->min : c->sec) = value;
        }
    } else if (AntennaTable *table = Antenna(r, base)) {
        if (index == "*") {
            for (auto &e : table->entries)
                e = {true, e.azimuth, value};
        } else if (i < 0) {
            const auto values = Split(value, ',');
            for (std::size_t k = 0; k < values.size(); ++k)
                if (!values[k].empty())
                    table->entries.at(k) = {true, table->entries.at(k).azimuth, values[k]};
        } else if (part == "given") {
            table->entries.at(i).given = value == "1";
        } else if (part == "azimuth") {
            table->entries.at(i).azimuth = value;
        } else {
            table->entries.at(i).value = value;
        }
    } else {
        ADD_FAILURE() << "no record key " << key;
    }
}

inline void Apply(NoticeRecord &r, std::string_view changes) {
    for (const std::string &item : Split(changes, ';')) {
        const std::size_t start = item.find_first_not_of(' ');
        if (start == std::string::npos)
            continue;
        const std::size_t eq = item.find('=');
        Set(r, item.substr(start, eq - start), eq == std::string::npos ? "" : item.substr(eq + 1));
    }
}

// A named notice of notices.tsv, or a notice of that type when the name is none of them.
inline NoticeRecord Named(std::string_view name) {
    static const auto rows = cases::Load("support/notices.tsv", "Notice");
    NoticeRecord r;
    bool found = false;
    for (const auto &row : rows)
        if (row[1] == name) {
            Apply(r, row[2]);
            found = true;
        }
    if (!found)
        r.t_notice_type = std::string(name == "-" ? "" : name);
    return r;
}

// A named notice with changes applied.
inline NoticeRecord Make(std::string_view name, std::string_view changes = {}) {
    NoticeRecord r = Named(name);
    Apply(r, changes);
    return r;
}

} // namespace ondrell::record_text
