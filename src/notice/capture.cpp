#include "notice/capture.h"

#include "notice/file_format.h"
#include "util/user_name.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace ondrell {
namespace {

enum class Flag { None, Planning, Allotment, OpHours, SubArea };

void Raise(NoticeRecord &r, Flag flag) {
    switch (flag) {
    case Flag::None:
        break;
    case Flag::Planning:
        r.planning.present = true;
        break;
    case Flag::Allotment:
        r.planning.allotment.present = true;
        break;
    case Flag::OpHours:
        r.op_hours_given = true;
        break;
    case Flag::SubArea:
        r.sub_area.present = true;
        break;
    }
}

// One "copied" row of a capture table: the control's text goes to the field when it is not empty.
struct Copy {
    std::string_view control;
    std::string &(*field)(NoticeRecord &);
    Flag flag = Flag::None;
    bool ifVisible = false;
    int pad = 0; // PadLeftZeros width, 0 for none
};

void Apply(const FormView &form, NoticeRecord &r, const Copy &row) {
    const std::string name(row.control);
    if (row.ifVisible && !form.Visible(name))
        return;
    std::string text = form.Text(name);
    if (text.empty())
        return;
    row.field(r) = row.pad ? PadLeftZeros(text, row.pad) : std::move(text);
    Raise(r, row.flag);
}

template <std::size_t N> void ApplyAll(const FormView &form, NoticeRecord &r, const Copy (&rows)[N]) {
    for (const auto &row : rows)
        Apply(form, r, row);
}

// Year, month and day boxes joined by "-" exactly as typed, or empty unless all three are given.
std::string JoinDate(const FormView &form, const char *yy, const char *mm, const char *dd) {
    const std::string y = form.Text(yy), m = form.Text(mm), d = form.Text(dd);
    if (y.empty() || m.empty() || d.empty())
        return {};
    return y + "-" + m + "-" + d;
}

void Stamp(NoticeRecord &r, const CaptureStamp &stamp) {
    r.captured = true;
    r.captured_on = stamp.captured_on;
    r.captured_by = stamp.captured_by;
}

void CaptureInternalRemarks(const FormView &form, NoticeRecord &r) {
    if (form.Visible("Lbl_int_rmk") && form.Visible("txt_int_rmk"))
        Apply(form, r, {"txt_int_rmk", [](NoticeRecord &n) -> std::string & { return n.t_int_remarks; }});
}

void CaptureCoordination(const FormView &form, NoticeRecord &r) {
    const auto items = form.ListItems("ListAdmSel");
    if (items.empty())
        return;
    r.coord.count = static_cast<std::int16_t>(items.size());
    r.coord.present = true;
    r.coord.entries.assign(items.size() + 1, {});
    for (std::size_t i = 0; i < items.size(); ++i)
        r.coord.entries[i].adm = items[i];
}

#define FIELD(expr) [](NoticeRecord &n) -> std::string & { return n.expr; }

void CaptureCommon(const FormView &form, NoticeRecord &r, CaptureCode code) {
    if (form.Checked("OptInt_Add"))
        r.t_action = action::Add;
    else if (form.Checked("OptInt_Mod"))
        r.t_action = action::Modify;
    Apply(form, r, {"Combo_B_Adm", FIELD(t_adm)});
    Apply(form, r, {"Combo_4B_Ctry", FIELD(t_ctry)});
    r.t_notice_type = TypeOfCode(code);
    r.stn_cls = StationClassOf(r.t_notice_type);
    Apply(form, r, {"Txt_GE06_Offset", FIELD(t_offset)});
    r.t_d_expiry = JoinDate(form, "Txt_Exp_YY", "Txt_Exp_MM", "Txt_Exp_DD");
    static const Copy rows[] = {
        {"Txt_AdmRefID", FIELD(t_adm_ref_id)},
        {"Combo_9D_Polariz", FIELD(t_polar)},
        {"Txt_EmailAddr", FIELD(planning.email_addr), Flag::Planning},
        {"Txt_notified_Rmks", FIELD(t_remarks)},
        {"Combo_RRC04_RefPlan", FIELD(planning.t_ref_plan_cfg), Flag::Planning, true},
        {"Txt_RRC04_SfnID", FIELD(planning.t_sfn_id), Flag::Planning},
        {"Combo_RRC04_SpectMask", FIELD(planning.t_spect_mask), Flag::Planning},
        {"Combo_GE06_PubReq", FIELD(t_is_pub_req), Flag::None, true},
        {"Combo_GE06_Plan", FIELD(t_plan_entry)},
    };
    ApplyAll(form, r, rows);
    CaptureCoordination(form, r);
}

// Site or target position: longitude degrees, hemisphere, minutes, seconds, then latitude likewise.
struct PositionControls {
    const char *longDeg, *longHemi, *longMin, *longSec;
    const char *latDeg, *latHemi, *latMin, *latSec;
};

void CapturePosition(const FormView &form, NoticeRecord &r, const PositionControls &c,
                     Coordinate NoticeRecord::*lon, Coordinate NoticeRecord::*lat, int longDegWidth,
                     bool ifVisible) {
    auto part = [&](const char *control, std::string &field, int pad) {
        if (ifVisible && !form.Visible(control))
            return;
        const std::string text = form.Text(control);
        if (!text.empty())
            field = pad ? PadLeftZeros(text, pad) : text;
    };
    part(c.longDeg, (r.*lon).deg, longDegWidth);
    part(c.longHemi, (r.*lon).hemi, 0);
    part(c.longMin, (r.*lon).min, 2);
    part(c.longSec, (r.*lon).sec, 2);
    part(c.latDeg, (r.*lat).deg, 2);
    part(c.latHemi, (r.*lat).hemi, 0);
    part(c.latMin, (r.*lat).min, 2);
    part(c.latSec, (r.*lat).sec, 2);
}

constexpr PositionControls kSite{"Txt_4C_Deg_Long", "Txt_4C_EW", "Txt_4C_Min_Long", "Txt_4C_Sec_Long",
                                 "Txt_4C_Deg_Lat",  "Txt_4C_NS", "Txt_4C_Min_Lat",  "Txt_4C_Sec_Lat"};
constexpr PositionControls kTarget{"Txt_trg_long_DD", "Txt_trg_long_EW", "Txt_trg_long_MM", "Txt_trg_long_SS",
                                   "Txt_trg_lat_DD",  "Txt_trg_lat_NS",  "Txt_trg_lat_MM",  "Txt_trg_lat_SS"};

void CaptureTable(const FormView &form, AzimuthTable table, AntennaTable &into) {
    for (int i = 0; i < kAntennaEntries; ++i) {
        std::string text = form.Text(AzimuthControlName(table, i));
        if (text.empty())
            continue;
        auto &entry = into.entries[i];
        entry.given = true;
        entry.azimuth = std::to_string(10 * i);
        entry.value = std::move(text);
    }
}

void CaptureArticle(const FormView &form, NoticeRecord &r) {
    const bool modify = r.t_action == action::Modify;
    if (form.Checked("Opt_Art4")) {
        r.t_fragment = fragment::GE06D;
        if (modify)
            Apply(form, r, {"Txt_TrgAdmRefID", FIELD(t_trg_adm_ref_id)});
    } else if (form.Checked("Opt_Art5")) {
        r.t_fragment = fragment::NTFD_RR;
        r.t_prov = kProvisionRR112;
        if (modify) {
            Apply(form, r, {"Txt_TrgAdmRefID", FIELD(t_trg_adm_ref_id)});
            Apply(form, r, {"Txt_trg_freq_assgn", FIELD(t_trg_freq_assgn)});
            CapturePosition(form, r, kTarget, &NoticeRecord::trg_long, &NoticeRecord::trg_lat, 3, false);
        }
    }
}

void CaptureAssignment(const FormView &form, NoticeRecord &r, CaptureCode code) {
    CaptureArticle(form, r);
    Apply(form, r, {"Txt_4A_SiteName", FIELD(t_site_name)});
    CapturePosition(form, r, kSite, &NoticeRecord::site_long, &NoticeRecord::site_lat, 3, false);
    static const Copy station[] = {
        {"Txt_9E_AntHgt", FIELD(t_hgt_agl)},
        {"Txt_9EB_Eff_hgtmax", FIELD(t_eff_hgtmax)},
        {"Txt_8BH_Erp_H", FIELD(t_erp_h_dbw), Flag::None, true},
        {"Txt_8BV_Erp_V", FIELD(t_erp_v_dbw), Flag::None, true},
        {"Combo_9_AntDir", FIELD(t_ant_dir)},
        {"Txt_9EA_SiteAlt", FIELD(t_site_alt)},
        {"Combo_GE06_assgnCde", FIELD(t_assgn_code)},
        {"Txt_RRC04_AdmAllotID", FIELD(planning.t_associated_adm_allot_id), Flag::Planning},
        {"Txt_GE06_assoc_allot_sfnID", FIELD(planning.t_associated_allot_sfn_id), Flag::Planning},
    };
    ApplyAll(form, r, station);
    r.t_d_inuse = JoinDate(form, "Txt_InUse_YY", "Txt_InUse_MM", "Txt_InUse_DD");
    static const Copy operation[] = {
        {"Txt_3A1_CallSign", FIELD(t_call_sign)},
        {"Txt_GE06_Offset", FIELD(t_offset)},
        {"Txt_12A_OpAgcy", FIELD(t_op_agcy), Flag::None, true, 3},
        {"Txt_12B_AddrCde", FIELD(t_addr_code), Flag::None, true},
        {"Txt_10B_Ophhfr", FIELD(t_op_hh_fr), Flag::OpHours, true},
        {"Txt_10B_Ophhto", FIELD(t_op_hh_to), Flag::OpHours, true},
        {"Combo_GE06_IsResub", FIELD(t_is_resub), Flag::None, true},
        {"Combo_GE06_Rmk_Cond", FIELD(t_remark_conds_met), Flag::None, true},
        {"Combo_GE06_SigComit", FIELD(t_signed_commitment), Flag::None, true},
        {"Txt_PlanAdm_RefID", FIELD(t_plan_adm_ref_id), Flag::None, true},
    };
    ApplyAll(form, r, operation);

    CaptureTable(form, AzimuthTable::EffHeight, r.eff_hgt);
    const std::string dir = form.Text("Combo_9_AntDir");
    const std::string pol = form.Text("Combo_9D_Polariz");
    if (dir == "D" && (pol == "H" || pol == "M" || pol == "U"))
        CaptureTable(form, AzimuthTable::AttnH, r.attn_h);
    if (dir == "D" && (pol == "V" || pol == "M" || pol == "U"))
        CaptureTable(form, AzimuthTable::AttnV, r.attn_v);

    if (code == CaptureCode::GS1) {
        Apply(form, r, {"Combo_GE06_FreqAssgn", FIELD(t_freq_assgn)});
        return;
    }
    static const Copy dvbt[] = {
        {"Txt_GE06_freqAssgn", FIELD(t_freq_assgn)},
        {"Combo_RRC04_Sys_Var", FIELD(t_sys_var)},
        {"Combo_RRC04_RxMode", FIELD(planning.t_rx_mode), Flag::Planning},
        {"Txt_GE06_erpBeam_tilt", FIELD(t_erp_beam_tilt_dbw)},
        {"Txt_GE06_TiltAngle", FIELD(t_beam_tilt_angle)},
    };
    ApplyAll(form, r, dvbt);
}

void CaptureAllotment(const FormView &form, NoticeRecord &r, CaptureCode code) {
    r.t_fragment = fragment::GE06D;
    if (code == CaptureCode::GS2) {
        Apply(form, r, {"Combo_GE06_FreqAssgn", FIELD(t_freq_assgn)});
    } else {
        Apply(form, r, {"Txt_GE06_freqAssgn", FIELD(t_freq_assgn)});
        Apply(form, r,
              {"Combo_RRC04_TypRefNetwk", FIELD(planning.allotment.t_typ_ref_netwk), Flag::Allotment});
    }
    if (r.t_action == action::Modify)
        Apply(form, r, {"Txt_TrgAdmRefID", FIELD(t_trg_adm_ref_id)});
    static const Copy rows[] = {
        {"Txt_RRC04_allot_name", FIELD(planning.allotment.t_allot_name), Flag::Allotment},
        {"Combo_RRC04_geo_area", FIELD(planning.allotment.t_geo_area), Flag::Allotment},
        {"Txt_RRC04_nb_sub_areas", FIELD(planning.allotment.t_nb_sub_areas), Flag::Allotment},
    };
    ApplyAll(form, r, rows);
    const auto items = form.ListItems("ListBoxContourID");
    for (std::size_t i = 0; i < items.size() && i < r.planning.allotment.t_contour_id.size(); ++i) {
        r.planning.allotment.t_contour_id[i] = items[i];
        r.planning.allotment.present = true;
    }
}

// Administration, e-mail address and remarks: the part the three administrative notices share.
void CaptureAdministrative(const FormView &form, NoticeRecord &r, bool withTarget) {
    if (withTarget)
        Apply(form, r, {"Txt_TrgAdmRefID", FIELD(t_trg_adm_ref_id)});
    static const Copy rows[] = {
        {"Combo_B_Adm", FIELD(t_adm)},
        {"Txt_EmailAddr", FIELD(planning.email_addr), Flag::Planning},
        {"Txt_notified_Rmks", FIELD(t_remarks)},
    };
    ApplyAll(form, r, rows);
}

void CaptureTB5(const FormView &form, NoticeRecord &r) {
    r.t_notice_type = notice_type::TB5;
    CaptureInternalRemarks(form, r);
    if (form.Checked("OptInt_WDraw"))
        r.t_action = action::Withdraw;
    else if (form.Checked("OptInt_Supp"))
        r.t_action = action::Suppress;
    r.t_fragment = form.Checked("Opt_Art4") ? fragment::GE06D : fragment::NTFD_RR;
    CaptureAdministrative(form, r, true);
}

void CaptureTB3(const FormView &form, NoticeRecord &r) {
    r.t_notice_type = notice_type::TB3;
    r.t_action = action::PartB;
    r.t_plan = kPlanGE06D;
    CaptureInternalRemarks(form, r);
    CaptureAdministrative(form, r, true);
    CaptureCoordination(form, r);
}

void CaptureTB2(const FormView &form, NoticeRecord &r) {
    r.t_notice_type = notice_type::TB2;
    r.t_action = action::Conform;
    r.t_plan = kPlanGE06D;
    CaptureInternalRemarks(form, r);
    CaptureAdministrative(form, r, false);
    static const Copy target[] = {
        {"Txt_PlanAdmRefID", FIELD(t_plan_adm_ref_id)},
        {"Txt_TrgAdmRefID", FIELD(t_trg_adm_ref_id), Flag::None, true},
        {"Txt_TrgFreq", FIELD(t_trg_freq_assgn), Flag::None, true},
    };
    ApplyAll(form, r, target);
    // On this form the site boxes hold the target's position; the writer widens the degrees later.
    CapturePosition(form, r, kSite, &NoticeRecord::trg_long, &NoticeRecord::trg_lat, 2, true);
    r.t_d_inuse = JoinDate(form, "Txt_InUse_YY", "Txt_InUse_MM", "Txt_InUse_DD");
    static const Copy operation[] = {
        {"Txt_12A_OpAgcy", FIELD(t_op_agcy), Flag::None, true, 3},
        {"Txt_12B_AddrCde", FIELD(t_addr_code), Flag::None, true},
        {"Txt_10B_Ophhfr", FIELD(t_op_hh_fr), Flag::OpHours, true},
        {"Txt_10B_Ophhto", FIELD(t_op_hh_to), Flag::OpHours, true},
    };
    ApplyAll(form, r, operation);
}

// Leading decimal number of a text, as a count: "12abc" gives 12, "" and "x" give 0.
std::size_t LeadingCount(const std::string &text) {
    const double value = std::strtod(text.c_str(), nullptr);
    return value > 0 && value < 1e6 ? static_cast<std::size_t>(value) : 0;
}

std::string Slice(const std::string &text, std::size_t from, std::size_t count) {
    return from < text.size() ? text.substr(from, count) : std::string();
}

} // namespace

std::string AzimuthControlName(AzimuthTable table, int index) {
    static constexpr const char *kPrefix[] = {"Txt_9EC_azm", "Txt_9NHAzm", "Txt_9NVAzm"};
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", 10 * index);
    return std::string(kPrefix[static_cast<int>(table)]) + digits;
}

CaptureStamp CaptureStamp::Now() {
    const auto today =
        std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02u-%02u", static_cast<int>(today.year()),
                  static_cast<unsigned>(today.month()), static_cast<unsigned>(today.day()));
    return {date, CurrentUserName()};
}

void CaptureNotice(const FormView &form, NoticeRecord &record, CaptureCode code, const CaptureStamp &stamp) {
    Stamp(record, stamp);
    switch (code) {
    case CaptureCode::TB5:
        CaptureTB5(form, record);
        return;
    case CaptureCode::TB3:
        CaptureTB3(form, record);
        return;
    case CaptureCode::TB2:
        CaptureTB2(form, record);
        return;
    default:
        break;
    }
    CaptureInternalRemarks(form, record);
    CaptureCommon(form, record, code);
    if (code == CaptureCode::GS1 || code == CaptureCode::GT1)
        CaptureAssignment(form, record, code);
    else if (code == CaptureCode::GS2 || code == CaptureCode::GT2)
        CaptureAllotment(form, record, code);
}

void CaptureSubAreaNotice(const FormView &form, NoticeRecord &record, const CaptureStamp &stamp) {
    record.sub_area.test_points.assign(LeadingCount(form.Text("Txt_RRC04_nb_test_pts")) + 1, {});
    Stamp(record, stamp);
    record.t_notice_type = notice_type::GA1;
    static const Copy head[] = {
        {"Txt_notified_Rmks", FIELD(t_remarks)},
        {"Combo_B_Adm", FIELD(t_adm)},
        {"Combo_4B_Ctry", FIELD(t_ctry)},
    };
    ApplyAll(form, record, head);
    if (form.Checked("OptInt_Add"))
        record.t_action = action::Add;
    else if (form.Checked("OptInt_Suppress"))
        record.t_action = action::Suppress;
    static const Copy area[] = {
        {"Txt_EmailAddr", FIELD(planning.email_addr), Flag::Planning},
        {"Txt_RRC04_contour_id", FIELD(sub_area.t_contour_id), Flag::SubArea},
        {"Txt_RRC04_nb_test_pts", FIELD(sub_area.t_nb_test_pts), Flag::SubArea},
    };
    ApplyAll(form, record, area);
    record.sub_area.captured_on = record.captured_on;
    const auto items = form.ListItems("ListBox_RRC04_Coordinates");
    // The form keeps the list within the typed count; a longer list still keeps every point.
    if (items.size() > record.sub_area.test_points.size())
        record.sub_area.test_points.resize(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto &point = record.sub_area.test_points[i];
        point.given = true;
        point.t_long = Slice(items[i], 0, 8);
        point.t_lat = Slice(items[i], 9, 7);
    }
}

#undef FIELD

} // namespace ondrell
