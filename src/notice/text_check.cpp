#include "notice/text_check.h"

#include "notice/windows1252.h"

#include <functional>
#include <string_view>

namespace ondrell {
namespace {

using Visit = std::function<bool(std::string_view key, const std::string &value)>;

// Every text of the record that can reach the file, with the key it is written under. Stops early
// when visit returns false.
bool ForEachWrittenText(const NoticeRecord &r, const Visit &visit) {
    static constexpr struct {
        std::string_view key;
        std::string NoticeRecord::*field;
    } kTexts[] = {
        {"t_action", &NoticeRecord::t_action},
        {"t_fragment", &NoticeRecord::t_fragment},
        {"t_plan", &NoticeRecord::t_plan},
        {"t_prov", &NoticeRecord::t_prov},
        {"t_adm_ref_id", &NoticeRecord::t_adm_ref_id},
        {"t_trg_adm_ref_id", &NoticeRecord::t_trg_adm_ref_id},
        {"t_plan_adm_ref_id", &NoticeRecord::t_plan_adm_ref_id},
        {"t_notice_type", &NoticeRecord::t_notice_type},
        {"t_sys_var", &NoticeRecord::t_sys_var},
        {"t_adm", &NoticeRecord::t_adm},
        {"t_ctry", &NoticeRecord::t_ctry},
        {"t_is_resub", &NoticeRecord::t_is_resub},
        {"t_is_pub_req", &NoticeRecord::t_is_pub_req},
        {"t_call_sign", &NoticeRecord::t_call_sign},
        {"t_plan_entry", &NoticeRecord::t_plan_entry},
        {"t_assgn_code", &NoticeRecord::t_assgn_code},
        {"t_offset", &NoticeRecord::t_offset},
        {"t_remark_conds_met", &NoticeRecord::t_remark_conds_met},
        {"t_signed_commitment", &NoticeRecord::t_signed_commitment},
        {"t_erp_beam_tilt_dbw", &NoticeRecord::t_erp_beam_tilt_dbw},
        {"t_beam_tilt_angle", &NoticeRecord::t_beam_tilt_angle},
        {"t_addr_code", &NoticeRecord::t_addr_code},
        {"t_op_agcy", &NoticeRecord::t_op_agcy},
        {"t_d_expiry", &NoticeRecord::t_d_expiry},
        {"t_d_inuse", &NoticeRecord::t_d_inuse},
        {"t_freq_assgn", &NoticeRecord::t_freq_assgn},
        {"t_trg_freq_assgn", &NoticeRecord::t_trg_freq_assgn},
        {"t_hgt_agl", &NoticeRecord::t_hgt_agl},
        {"t_eff_hgtmax", &NoticeRecord::t_eff_hgtmax},
        {"t_erp_h_dbw", &NoticeRecord::t_erp_h_dbw},
        {"t_erp_v_dbw", &NoticeRecord::t_erp_v_dbw},
        {"t_polar", &NoticeRecord::t_polar},
        {"t_ant_dir", &NoticeRecord::t_ant_dir},
        {"t_site_name", &NoticeRecord::t_site_name},
        {"t_site_alt", &NoticeRecord::t_site_alt},
        {"t_op_hh_fr", &NoticeRecord::t_op_hh_fr},
        {"t_op_hh_to", &NoticeRecord::t_op_hh_to},
        {"t_remarks", &NoticeRecord::t_remarks},
        {"t_int_remarks", &NoticeRecord::t_int_remarks},
    };
    for (const auto &t : kTexts)
        if (!visit(t.key, r.*t.field))
            return false;

    const std::pair<std::string_view, const Coordinate *> positions[] = {{"t_long", &r.site_long},
                                                                         {"t_lat", &r.site_lat},
                                                                         {"t_trg_long", &r.trg_long},
                                                                         {"t_trg_lat", &r.trg_lat}};
    for (const auto &[key, c] : positions)
        for (const std::string *part : {&c->deg, &c->hemi, &c->min, &c->sec})
            if (!visit(key, *part))
                return false;

    const std::pair<std::string_view, const AntennaTable *> tables[] = {
        {"t_eff_hgt@azm", &r.eff_hgt}, {"t_attn@azm", &r.attn_h}, {"t_attn@azm", &r.attn_v}};
    for (const auto &[prefix, table] : tables)
        for (const auto &e : table->entries)
            if (!visit(std::string(prefix) + e.azimuth, e.value))
                return false;

    const auto &p = r.planning;
    const auto &a = p.allotment;
    const std::pair<std::string_view, const std::string *> planning[] = {
        {"t_email_addr", &p.email_addr},
        {"t_rx_mode", &p.t_rx_mode},
        {"t_ref_plan_cfg", &p.t_ref_plan_cfg},
        {"t_sfn_id", &p.t_sfn_id},
        {"t_associated_adm_allot_id", &p.t_associated_adm_allot_id},
        {"t_associated_allot_sfn_id", &p.t_associated_allot_sfn_id},
        {"t_spect_mask", &p.t_spect_mask},
        {"t_allot_name", &a.t_allot_name},
        {"t_geo_area", &a.t_geo_area},
        {"t_nb_sub_areas", &a.t_nb_sub_areas},
        {"t_typ_ref_netwk", &a.t_typ_ref_netwk},
        {"t_contour_id", &r.sub_area.t_contour_id},
        {"t_nb_test_pts", &r.sub_area.t_nb_test_pts},
    };
    for (const auto &[key, value] : planning)
        if (!visit(key, *value))
            return false;
    for (const auto &id : a.t_contour_id)
        if (!visit("t_contour_id", id))
            return false;
    for (const auto &point : r.sub_area.test_points)
        if (!visit("t_long", point.t_long) || !visit("t_lat", point.t_lat))
            return false;
    for (const auto &entry : r.coord.entries)
        if (!visit("t_adm", entry.adm))
            return false;
    return true;
}

} // namespace

std::string CheckNoticeText(const NoticeRecord &record) {
    std::string message;
    std::string scratch;
    ForEachWrittenText(record, [&](std::string_view key, const std::string &value) {
        if (value.find_first_of("\r\n") != std::string::npos) {
            message = "The field " + std::string(key) +
                      " holds a line break, which cannot be written to the notice file (one line per value).";
            return false;
        }
        EncodeProblem problem;
        if (Utf8ToWindows1252(value, scratch, &problem))
            return true;
        if (problem.invalidUtf8)
            message = "The field " + std::string(key) + " holds bytes that are not UTF-8 text.";
        else
            message = "The character " + DescribeCharacter(problem.codePoint) + " in " + std::string(key) +
                      " cannot be written to the notice file (Windows-1252 text).";
        return false;
    });
    return message;
}

} // namespace ondrell
