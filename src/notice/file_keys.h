#pragma once
// The keys of the electronic notice file and where each keeps its value in the record: the one list
// the reader, the writer and the text check share. A key whose value has a written form of its own
// (date, time, position) is turned into it and back from its form here.

#include "notice/record.h"

#include <string>
#include <string_view>

namespace ondrell {

// How a NOTICE key's value is written.
enum class KeyForm {
    Text,      // as the record holds it
    Date,      // yyyy-mm-dd; the record holds the date as captured
    Time,      // HH:MM; the record holds HHMM, and op_hours_given
    Longitude, // +DDDMMSS; the record holds a Coordinate
    Latitude,  // +DDMMSS
    Number,    // "Notice No": the notice's place in its file, not part of the record
    ContourId, // the one id of a GA1 sub-area, or one of the ten of an allotment
};

// A NOTICE key. Exactly one place holds its value (none for Number and ContourId); a key of the
// planning, allotment or sub-area group marks that group present when it is read.
struct NoticeKey {
    std::string_view name;
    KeyForm form = KeyForm::Text;
    std::string NoticeRecord::*text = nullptr; // Text, Date, Time
    Coordinate NoticeRecord::*position = nullptr;
    std::string PlanningGroup::*planning = nullptr;
    std::string AllotmentGroup::*allotment = nullptr;
    std::string SubAreaGroup::*subArea = nullptr;
};

namespace keys_detail {
using R = NoticeRecord;
constexpr NoticeKey Text(std::string_view name, std::string R::*f, KeyForm form = KeyForm::Text) {
    return {name, form, f};
}
constexpr NoticeKey Position(std::string_view name, Coordinate R::*f, KeyForm form) {
    return {name, form, nullptr, f};
}
constexpr NoticeKey Planning(std::string_view name, std::string PlanningGroup::*f) {
    return {name, KeyForm::Text, nullptr, nullptr, f};
}
constexpr NoticeKey Allotment(std::string_view name, std::string AllotmentGroup::*f) {
    return {name, KeyForm::Text, nullptr, nullptr, nullptr, f};
}
constexpr NoticeKey SubArea(std::string_view name, std::string SubAreaGroup::*f) {
    return {name, KeyForm::Text, nullptr, nullptr, nullptr, nullptr, f};
}

inline constexpr NoticeKey kTable[] = {
    {"Notice No", KeyForm::Number},
    Text("t_notice_type", &R::t_notice_type),
    Text("t_fragment", &R::t_fragment),
    Text("t_action", &R::t_action),
    Text("t_plan", &R::t_plan),
    Text("t_adm_ref_id", &R::t_adm_ref_id),
    Text("t_d_inuse", &R::t_d_inuse, KeyForm::Date),
    Text("t_d_expiry", &R::t_d_expiry, KeyForm::Date),
    Text("t_call_sign", &R::t_call_sign),
    Text("t_trg_adm_ref_id", &R::t_trg_adm_ref_id),
    Text("t_trg_freq_assgn", &R::t_trg_freq_assgn),
    Position("t_trg_long", &R::trg_long, KeyForm::Longitude),
    Position("t_trg_lat", &R::trg_lat, KeyForm::Latitude),
    Text("t_site_name", &R::t_site_name),
    Text("t_ctry", &R::t_ctry),
    Position("t_long", &R::site_long, KeyForm::Longitude),
    Position("t_lat", &R::site_lat, KeyForm::Latitude),
    Text("t_freq_assgn", &R::t_freq_assgn),
    Text("t_offset", &R::t_offset),
    Text("t_site_alt", &R::t_site_alt),
    Text("t_plan_entry", &R::t_plan_entry),
    Text("t_assgn_code", &R::t_assgn_code),
    Text("t_polar", &R::t_polar),
    Text("t_erp_h_dbw", &R::t_erp_h_dbw),
    Text("t_erp_v_dbw", &R::t_erp_v_dbw),
    Text("t_erp_beam_tilt_dbw", &R::t_erp_beam_tilt_dbw),
    Text("t_beam_tilt_angle", &R::t_beam_tilt_angle),
    Text("t_hgt_agl", &R::t_hgt_agl),
    Text("t_eff_hgtmax", &R::t_eff_hgtmax),
    Text("t_ant_dir", &R::t_ant_dir),
    Text("t_op_agcy", &R::t_op_agcy),
    Text("t_addr_code", &R::t_addr_code),
    Text("t_is_resub", &R::t_is_resub),
    Text("t_remark_conds_met", &R::t_remark_conds_met),
    Text("t_signed_commitment", &R::t_signed_commitment),
    Text("t_op_hh_fr", &R::t_op_hh_fr, KeyForm::Time),
    Text("t_op_hh_to", &R::t_op_hh_to, KeyForm::Time),
    Text("t_plan_adm_ref_id", &R::t_plan_adm_ref_id),
    Text("t_prov", &R::t_prov),
    Text("t_is_pub_req", &R::t_is_pub_req),
    Text("t_sys_var", &R::t_sys_var),
    Planning("t_rx_mode", &PlanningGroup::t_rx_mode),
    Planning("t_ref_plan_cfg", &PlanningGroup::t_ref_plan_cfg),
    Planning("t_sfn_id", &PlanningGroup::t_sfn_id),
    Planning("t_associated_adm_allot_id", &PlanningGroup::t_associated_adm_allot_id),
    Planning("t_associated_allot_sfn_id", &PlanningGroup::t_associated_allot_sfn_id),
    Planning("t_spect_mask", &PlanningGroup::t_spect_mask),
    Allotment("t_typ_ref_netwk", &AllotmentGroup::t_typ_ref_netwk),
    Allotment("t_allot_name", &AllotmentGroup::t_allot_name),
    Allotment("t_geo_area", &AllotmentGroup::t_geo_area),
    Allotment("t_nb_sub_areas", &AllotmentGroup::t_nb_sub_areas),
    {"t_contour_id", KeyForm::ContourId},
    SubArea("t_nb_test_pts", &SubAreaGroup::t_nb_test_pts),
    Text("t_remarks", &R::t_remarks),
    Text("t_int_remarks", &R::t_int_remarks),
};
} // namespace keys_detail

inline constexpr auto &kNoticeKeys = keys_detail::kTable;
inline constexpr size_t kNoticeKeyCount = std::size(kNoticeKeys);

// The key of that name, checked when the program is compiled: Key("t_sit_name") does not build.
consteval const NoticeKey &Key(std::string_view name) {
    for (const auto &key : kNoticeKeys)
        if (key.name == name)
            return key;
    throw "no such NOTICE key";
}

// The key of that name, nullptr for a name the file does not use.
const NoticeKey *FindNoticeKey(std::string_view name);

inline size_t IndexOf(const NoticeKey &key) {
    return static_cast<size_t>(&key - kNoticeKeys);
}

// The text that holds a key's value; nullptr for positions, the notice number and contour ids.
const std::string *KeyText(const NoticeKey &key, const NoticeRecord &record);
std::string *KeyText(const NoticeKey &key, NoticeRecord &record);

// The value as the writer puts it after "key = ": dates, times and positions in their written
// forms; "" for the notice number and contour ids, which the writer gives itself.
std::string WrittenValue(const NoticeKey &key, const NoticeRecord &record);

// The keys of HEAD, and those of the sub-sections.
inline constexpr std::string_view kAdmKey = "t_adm"; // in HEAD and in each COORD line
inline constexpr std::string_view kEmailKey = "t_email_addr";
inline constexpr std::string_view kPointLongKey = "t_long";
inline constexpr std::string_view kPointLatKey = "t_lat";
inline constexpr std::string_view kCoordTag = "COORD";
inline constexpr std::string_view kPointTag = "POINT";

// The three antenna tables: each a sub-section whose keys are a prefix and an azimuth.
struct AntennaSection {
    std::string_view tag;
    std::string_view keyPrefix;
    AntennaTable NoticeRecord::*table;
};
inline constexpr AntennaSection kAntennaSections[] = {
    {"ANT_HGT", "t_eff_hgt@azm", &NoticeRecord::eff_hgt},
    {"ANT_DIAGR_H", "t_attn@azm", &NoticeRecord::attn_h},
    {"ANT_DIAGR_V", "t_attn@azm", &NoticeRecord::attn_v},
};

} // namespace ondrell
