#pragma once
// Notices written as text for case tables: "key=value; key=value", applied in order. Keys are the
// file keys (t_long=deg,hemi,min,sec and t_long.min for a part), plus what a record holds beyond
// the file: captured, op_hours_given, planning.present, allotment.present, sub.present,
// sub.t_contour_id, coord.present, coord.count, coord=F,I (a captured list), coord[i]=adm,role,
// points=n, point[i]=long,lat (given; empty: not given), point[i].given=0, t_contour_id[i] of an allotment,
// and the antenna tables eff_hgt, attn_h, attn_v: [i]=value, [i].given=1, [i].azimuth=, [*]=value (every
// entry given), =v0,v1,... (the non-empty ones given).
//
// Named notices come from tests/support/notices.tsv: "Notice<TAB>name<TAB>changes", rows of one
// name applied in order, "from=name" starting from another notice.

#include "notice/record.h"
#include "support/case_file.h"

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ondrell::record_text {

using cases::Split;

// The texts of a record by file key; FIELD names a member and its key at once. The tables are kept
// packed by hand (clang-format would give each entry a line).
// clang-format off
#define FIELD(name) {#name, &Group::name}
inline std::string *TextField(NoticeRecord &r, std::string_view key) {
    static const auto texts = [] {
        using Group = NoticeRecord;
        return std::map<std::string_view, std::string Group::*>{
            FIELD(t_action), FIELD(t_fragment), FIELD(t_plan), FIELD(t_prov), FIELD(t_adm_ref_id),
            FIELD(t_trg_adm_ref_id), FIELD(t_plan_adm_ref_id), FIELD(t_notice_type), FIELD(stn_cls),
            FIELD(t_sys_var), FIELD(t_adm), FIELD(t_ctry), FIELD(t_is_resub), FIELD(t_is_pub_req),
            FIELD(t_call_sign), FIELD(t_plan_entry), FIELD(t_assgn_code), FIELD(t_offset),
            FIELD(t_remark_conds_met), FIELD(t_signed_commitment), FIELD(t_erp_beam_tilt_dbw),
            FIELD(t_beam_tilt_angle), FIELD(t_addr_code), FIELD(t_op_agcy), FIELD(t_d_expiry), FIELD(t_d_inuse),
            FIELD(t_date_rcv), FIELD(t_freq_assgn), FIELD(t_trg_freq_assgn), FIELD(t_hgt_agl), FIELD(t_eff_hgtmax),
            FIELD(t_erp_h_dbw), FIELD(t_erp_v_dbw), FIELD(t_polar), FIELD(t_ant_dir), FIELD(t_site_name),
            FIELD(t_site_alt), FIELD(t_op_hh_fr), FIELD(t_op_hh_to), FIELD(t_remarks), FIELD(t_int_remarks),
            FIELD(captured_on), FIELD(captured_by)};
    }();
    static const auto planning = [] {
        using Group = PlanningGroup;
        return std::map<std::string_view, std::string Group::*>{
            {"t_email_addr", &Group::email_addr}, FIELD(t_rx_mode), FIELD(t_ref_plan_cfg), FIELD(t_sfn_id),
            FIELD(t_associated_adm_allot_id), FIELD(t_associated_allot_sfn_id), FIELD(t_spect_mask)};
    }();
    static const auto allotment = [] {
        using Group = AllotmentGroup;
        return std::map<std::string_view, std::string Group::*>{
            FIELD(t_allot_name), FIELD(t_geo_area), FIELD(t_nb_sub_areas), FIELD(t_typ_ref_netwk)};
    }();
    // clang-format on
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
    if (key == "sub.captured_on")
        return &r.sub_area.captured_on;
    return nullptr;
}
#undef FIELD

// clang-format off
inline bool *FlagField(NoticeRecord &r, std::string_view key) {
    return key == "captured" ? &r.captured : key == "op_hours_given" ? &r.op_hours_given
         : key == "planning.present" ? &r.planning.present : key == "allotment.present" ? &r.planning.allotment.present
         : key == "sub.present" ? &r.sub_area.present : key == "coord.present" ? &r.coord.present : nullptr;
}
inline Coordinate *Position(NoticeRecord &r, std::string_view key) {
    return key == "t_long" ? &r.site_long : key == "t_lat" ? &r.site_lat
         : key == "t_trg_long" ? &r.trg_long : key == "t_trg_lat" ? &r.trg_lat : nullptr;
}
inline AntennaTable *Antenna(NoticeRecord &r, std::string_view key) {
    return key == "eff_hgt" ? &r.eff_hgt : key == "attn_h" ? &r.attn_h : key == "attn_v" ? &r.attn_v : nullptr;
}
// clang-format on

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
        if (part == "given")
            r.sub_area.test_points[i].given = value == "1";
        else
            r.sub_area.test_points[i] =
                value.empty() ? TestPoint{} : TestPoint{true, cells.at(0), cells.at(1)};
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
        throw std::invalid_argument("no record key " + key);
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

// A key's value as Set takes it: positions "deg,hemi,min,sec", coord[i] "adm,role", point[i]
// "long,lat" ("" when not given), flags 0 or 1, an antenna entry its value ("" when not given); plus
// coord.entries and points (the number of slots), eff_hgt.any, attn_h.any, attn_v.any, eff_hgt[i].azimuth.
inline std::string Get(const NoticeRecord &record, const std::string &key) {
    NoticeRecord &r = const_cast<NoticeRecord &>(record); // the look-ups below only read
    const std::size_t open = key.find('[');
    const std::string base = key.substr(0, std::min(open, key.find('.')));
    const int i = open == std::string::npos ? -1 : std::stoi(key.substr(open + 1));
    if (const std::string *text = TextField(r, key))
        return *text;
    if (const bool *flag = FlagField(r, key))
        return *flag ? "1" : "0";
    if (const Coordinate *c = Position(r, key))
        return c->deg + "," + c->hemi + "," + c->min + "," + c->sec;
    if (key == "coord.count")
        return std::to_string(r.coord.count);
    if (key == "coord.entries")
        return std::to_string(r.coord.entries.size());
    if (base == "coord" && i >= 0)
        return r.coord.entries.at(i).adm + "," + r.coord.entries.at(i).role;
    if (key == "points")
        return std::to_string(r.sub_area.test_points.size());
    if (base == "point" && i >= 0) {
        const TestPoint &p = r.sub_area.test_points.at(i);
        return p.given ? p.t_long + "," + p.t_lat : "";
    }
    if (base == "t_contour_id" && i >= 0)
        return r.planning.allotment.t_contour_id.at(i);
    if (const AntennaTable *table = Antenna(r, base)) {
        if (key.ends_with(".any"))
            return table->AnyGiven() ? "1" : "0";
        const AntennaEntry &e = table->entries.at(i);
        return key.ends_with(".azimuth") ? e.azimuth : e.given ? e.value : "";
    }
    throw std::invalid_argument("no record key " + key);
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

// Named notices, in order.
inline std::vector<NoticeRecord> Notices(std::initializer_list<std::string_view> names) {
    std::vector<NoticeRecord> records;
    for (auto name : names)
        records.push_back(Named(name));
    return records;
}

// A named notice with changes applied.
inline NoticeRecord Make(std::string_view name, std::string_view changes = {}) {
    NoticeRecord r = Named(name);
    Apply(r, changes);
    return r;
}

} // namespace ondrell::record_text
