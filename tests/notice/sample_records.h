#pragma once
// Records of every notice kind, filled as screen capture would fill them; shared by the writer's
// golden tests and the reader's round-trip tests.

#include "notice/record.h"

#include <string>
#include <vector>

namespace ondrell::samples {

inline void SetCoord(Coordinate &c, std::string deg, std::string hemi, std::string min, std::string sec) {
    c = {std::move(deg), std::move(hemi), std::move(min), std::move(sec)};
}

inline void Give(AntennaTable &table, int index, std::string value) {
    table.entries[index].given = true;
    table.entries[index].value = std::move(value);
}

inline void Coordinate(NoticeRecord &r, std::vector<std::string> adms) {
    r.coord.count = static_cast<std::int16_t>(adms.size());
    r.coord.present = !adms.empty();
    r.coord.entries.resize(adms.size() + 1);
    for (size_t i = 0; i < adms.size(); ++i)
        r.coord.entries[i].adm = adms[i];
}

inline NoticeRecord Gs1Article4() {
    NoticeRecord r;
    r.captured = true;
    r.t_notice_type = "GS1";
    r.stn_cls = "BC";
    r.t_action = "ADD";
    r.t_fragment = "GE06D";
    r.t_adm = "F";
    r.t_ctry = "F";
    r.t_adm_ref_id = "F-DAB-0001";
    r.t_d_inuse = "2009-5-8";
    r.t_call_sign = "FDAB1";
    r.t_site_name = "Paris Tour Eiffel";
    SetCoord(r.site_long, "002", "E", "17", "40");
    SetCoord(r.site_lat, "48", "N", "51", "");
    r.t_freq_assgn = "225.648";
    r.t_site_alt = "35";
    r.t_plan_entry = "1";
    r.t_assgn_code = "S";
    r.t_polar = "M";
    r.t_erp_h_dbw = "37";
    r.t_erp_v_dbw = "40";
    r.t_hgt_agl = "300";
    r.t_eff_hgtmax = "330";
    r.t_ant_dir = "D";
    r.t_is_pub_req = "FALSE";
    r.planning.present = true;
    r.planning.email_addr = "spectre@anfr.example";
    r.planning.t_ref_plan_cfg = "RPC4";
    r.planning.t_sfn_id = "SFN-IDF";
    for (int i = 0; i < kAntennaEntries; ++i)
        Give(r.eff_hgt, i, std::to_string(300 + i));
    Give(r.attn_h, 0, "0");
    Give(r.attn_h, 9, "3");
    Give(r.attn_h, 35, "10");
    Give(r.attn_v, 18, "20");
    r.t_remarks = "Site partagé avec FM";
    return r;
}

inline NoticeRecord Gt1Article5Modify() {
    NoticeRecord r;
    r.captured = true;
    r.t_notice_type = "GT1";
    r.stn_cls = "BT";
    r.t_action = "MODIFY";
    r.t_fragment = "NTFD_RR";
    r.t_prov = "RR11.2";
    r.t_adm = "SUI";
    r.t_ctry = "SUI";
    r.t_adm_ref_id = "SUI-T-42";
    r.t_d_inuse = "2010-12-1";
    r.t_d_expiry = "2030-1-31";
    r.t_call_sign = "CH42";
    r.t_trg_freq_assgn = "594";
    SetCoord(r.trg_long, "6", "e", "9", "5");
    SetCoord(r.trg_lat, "46", "n", "12", "0");
    r.t_site_name = "La Dôle";
    SetCoord(r.site_long, "006", "E", "05", "57");
    SetCoord(r.site_lat, "46", "N", "25", "26");
    r.t_freq_assgn = "594";
    r.t_offset = "-166";
    r.t_site_alt = "1677";
    r.t_plan_entry = "2";
    r.t_assgn_code = "L";
    r.t_polar = "H";
    r.t_erp_h_dbw = "46.5";
    r.t_erp_beam_tilt_dbw = "45";
    r.t_beam_tilt_angle = "1.5";
    r.t_hgt_agl = "60";
    r.t_eff_hgtmax = "1200";
    r.t_ant_dir = "ND";
    r.t_op_agcy = "007";
    r.t_addr_code = "SRG";
    r.t_is_resub = "FALSE";
    r.t_remark_conds_met = "TRUE";
    r.t_signed_commitment = "TRUE";
    r.op_hours_given = true;
    r.t_op_hh_fr = "6";
    r.t_op_hh_to = "2330";
    r.t_plan_adm_ref_id = "SUI-PLAN-7";
    r.t_sys_var = "A5";
    r.planning.present = true;
    r.planning.t_rx_mode = "FX";
    r.planning.t_ref_plan_cfg = "RPC1";
    r.planning.t_spect_mask = "N";
    r.planning.t_associated_adm_allot_id = "SUI-ALLOT-3";
    r.planning.t_associated_allot_sfn_id = "SFN3";
    Coordinate(r, {"F", "I", "D"});
    for (int i = 0; i < kAntennaEntries; i += 3)
        Give(r.eff_hgt, i, std::to_string(1000 + 5 * i));
    return r;
}

inline NoticeRecord Gs2WithContours() {
    NoticeRecord r;
    r.captured = true;
    r.t_notice_type = "GS2";
    r.stn_cls = "BC";
    r.t_action = "ADD";
    r.t_fragment = "GE06D";
    r.t_adm = "D";
    r.t_ctry = "D";
    r.t_adm_ref_id = "D-ALLOT-BY";
    r.t_d_expiry = "2025-6-30";
    SetCoord(r.site_long, "011", "E", "34", "00"); // not written for allotments
    r.t_freq_assgn = "223.936";
    r.t_plan_entry = "3";
    r.t_polar = "V";
    r.t_is_pub_req = "TRUE";
    r.planning.present = true;
    r.planning.t_ref_plan_cfg = "RPC4";
    r.planning.t_sfn_id = "BY-SFN";
    r.planning.t_spect_mask = "S";
    r.planning.allotment.present = true;
    r.planning.allotment.t_allot_name = "Bayern Süd";
    r.planning.allotment.t_nb_sub_areas = "3";
    r.planning.allotment.t_contour_id[0] = "101";
    r.planning.allotment.t_contour_id[1] = "102";
    r.planning.allotment.t_contour_id[2] = "103";
    Give(r.eff_hgt, 0, "150"); // an allotment never writes antenna sections
    Coordinate(r, {"AUT"});
    return r;
}

inline NoticeRecord Ga1WithPoints() {
    NoticeRecord r;
    r.captured = true;
    r.t_notice_type = "GA1";
    r.t_action = "ADD";
    r.t_adm = "HOL";
    r.t_ctry = "HOL";
    r.t_remarks = "Randstad contour";
    r.sub_area.present = true;
    r.sub_area.t_contour_id = "7";
    r.sub_area.t_nb_test_pts = "4";
    const char *points[][2] = {
        {"+0043000", "+520000"}, {"+0050000", "+523000"}, {"+0051500", "+521500"}, {"+0044500", "+515000"}};
    r.sub_area.test_points.resize(5);
    for (int i = 0; i < 4; ++i)
        r.sub_area.test_points[i] = {true, points[i][0], points[i][1]};
    return r;
}

inline NoticeRecord Tb2() {
    NoticeRecord r;
    r.captured = true;
    r.t_notice_type = "TB2";
    r.t_action = "CONFORM";
    r.t_plan = "GE06D";
    r.t_adm = "I";
    r.t_plan_adm_ref_id = "I-PLAN-99";
    SetCoord(r.trg_long, "12", "E", "29", "");
    SetCoord(r.trg_lat, "41", "N", "54", "10");
    r.t_trg_freq_assgn = "658";
    r.t_op_agcy = "012";
    r.t_addr_code = "RAI";
    r.t_call_sign = "RAI-MUX1";
    r.op_hours_given = true;
    r.t_op_hh_fr = "0000";
    r.t_op_hh_to = "2400";
    r.t_d_inuse = "2011-7-14";
    r.t_remarks = "Copy to MIFR";
    r.t_int_remarks = "checked";
    return r;
}

inline NoticeRecord Tb3() {
    NoticeRecord r;
    r.captured = true;
    r.t_notice_type = "TB3";
    r.t_action = "PARTB";
    r.t_plan = "GE06D";
    r.t_adm = "E";
    r.t_trg_adm_ref_id = "E-DVB-123";
    r.t_remarks = "Request publication";
    Coordinate(r, {"POR", "F"});
    return r;
}

inline NoticeRecord Tb5() {
    NoticeRecord r;
    r.captured = true;
    r.t_notice_type = "TB5";
    r.t_action = "WITHDRAW";
    r.t_fragment = "NTFD_RR";
    r.t_adm = "G";
    r.t_trg_adm_ref_id = "G-T-0815";
    r.t_remarks = "Withdrawn";
    return r;
}

// An Article 4 GS1 whose internal remarks ask for Part B publication: written as a TB3 request.
inline NoticeRecord Gs1MarkedTb3() {
    NoticeRecord r = Gs1Article4();
    r.t_int_remarks = "send as tb3 please";
    return r;
}

} // namespace ondrell::samples
