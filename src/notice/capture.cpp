#include "notice/capture.h"
#include "notice/control_names.h"

#include "notice/file_format.h"
#include "notice/notice_types.h"
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

void Apply(const FormControls &form, NoticeRecord &r, const Copy &row) {
    const std::string name(row.control);
    if (row.ifVisible && !form.Visible(name))
        return;
    std::string text = form.Text(name);
    if (text.empty())
        return;
    row.field(r) = row.pad ? PadLeftZeros(text, row.pad) : std::move(text);
    Raise(r, row.flag);
}

template <std::size_t N> void ApplyAll(const FormControls &form, NoticeRecord &r, const Copy (&rows)[N]) {
    for (const auto &row : rows)
        Apply(form, r, row);
}

// Year, month and day boxes joined by "-" exactly as typed, or empty unless all three are given.
std::string JoinDate(const FormControls &form, const ctl::DateControls &date) {
    const std::string y = form.Text(date.year), m = form.Text(date.month), d = form.Text(date.day);
    if (y.empty() || m.empty() || d.empty())
        return {};
    return y + "-" + m + "-" + d;
}

void Stamp(NoticeRecord &r, const CaptureStamp &stamp) {
    r.captured = true;
    r.captured_on = stamp.captured_on;
    r.captured_by = stamp.captured_by;
}

void CaptureInternalRemarks(const FormControls &form, NoticeRecord &r) {
    if (form.Visible(ctl::Lbl_int_rmk) && form.Visible(ctl::txt_int_rmk))
        Apply(form, r, {ctl::txt_int_rmk, [](NoticeRecord &n) -> std::string & { return n.t_int_remarks; }});
}

void CaptureCoordination(const FormControls &form, NoticeRecord &r) {
    const auto items = form.ListItems(ctl::ListAdmSel);
    if (items.empty())
        return;
    r.coord.count = static_cast<std::int16_t>(items.size());
    r.coord.present = true;
    r.coord.entries.assign(items.size() + 1, {});
    for (std::size_t i = 0; i < items.size(); ++i)
        r.coord.entries[i].adm = items[i];
}

const NoticeTypeDescriptor &TypeOfCapture(CaptureCode code) {
    for (const auto &type : NoticeTypes())
        if (type.captureCode == code)
            return type;
    return NoticeTypes().front(); // every code belongs to a type
}

#define FIELD(expr) [](NoticeRecord &n) -> std::string & { return n.expr; }

void CaptureCommon(const FormControls &form, NoticeRecord &r, CaptureCode code) {
    if (form.Checked(ctl::OptInt_Add))
        r.t_action = action::Add;
    else if (form.Checked(ctl::OptInt_Mod))
        r.t_action = action::Modify;
    Apply(form, r, {ctl::Combo_B_Adm, FIELD(t_adm)});
    Apply(form, r, {ctl::Combo_4B_Ctry, FIELD(t_ctry)});
    const NoticeTypeDescriptor &type = TypeOfCapture(code);
    r.t_notice_type = type.type;
    r.stn_cls = type.stationClass;
    Apply(form, r, {ctl::Txt_GE06_Offset, FIELD(t_offset)});
    r.t_d_expiry = JoinDate(form, ctl::kExpiryDate);
    static const Copy rows[] = {
        {ctl::Txt_AdmRefID, FIELD(t_adm_ref_id)},
        {ctl::Combo_9D_Polariz, FIELD(t_polar)},
        {ctl::Txt_EmailAddr, FIELD(planning.email_addr), Flag::Planning},
        {ctl::Txt_notified_Rmks, FIELD(t_remarks)},
        {ctl::Combo_RRC04_RefPlan, FIELD(planning.t_ref_plan_cfg), Flag::Planning, true},
        {ctl::Txt_RRC04_SfnID, FIELD(planning.t_sfn_id), Flag::Planning},
        {ctl::Combo_RRC04_SpectMask, FIELD(planning.t_spect_mask), Flag::Planning},
        {ctl::Combo_GE06_PubReq, FIELD(t_is_pub_req), Flag::None, true},
        {ctl::Combo_GE06_Plan, FIELD(t_plan_entry)},
    };
    ApplyAll(form, r, rows);
    CaptureCoordination(form, r);
}

void CapturePosition(const FormControls &form, NoticeRecord &r, const ctl::PositionControls &c,
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

void CaptureTable(const FormControls &form, AzimuthTable table, AntennaTable &into) {
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

void CaptureArticle(const FormControls &form, NoticeRecord &r) {
    const bool modify = r.t_action == action::Modify;
    if (form.Checked(ctl::Opt_Art4)) {
        r.t_fragment = fragment::GE06D;
        if (modify)
            Apply(form, r, {ctl::Txt_TrgAdmRefID, FIELD(t_trg_adm_ref_id)});
    } else if (form.Checked(ctl::Opt_Art5)) {
        r.t_fragment = fragment::NTFD_RR;
        r.t_prov = kProvisionRR112;
        if (modify) {
            Apply(form, r, {ctl::Txt_TrgAdmRefID, FIELD(t_trg_adm_ref_id)});
            Apply(form, r, {ctl::Txt_trg_freq_assgn, FIELD(t_trg_freq_assgn)});
            CapturePosition(form, r, ctl::kTargetPosition, &NoticeRecord::trg_long, &NoticeRecord::trg_lat, 3,
                            false);
        }
    }
}

void CaptureAssignment(const FormControls &form, NoticeRecord &r, CaptureCode code) {
    CaptureArticle(form, r);
    Apply(form, r, {ctl::Txt_4A_SiteName, FIELD(t_site_name)});
    CapturePosition(form, r, ctl::kSitePosition, &NoticeRecord::site_long, &NoticeRecord::site_lat, 3, false);
    static const Copy station[] = {
        {ctl::Txt_9E_AntHgt, FIELD(t_hgt_agl)},
        {ctl::Txt_9EB_Eff_hgtmax, FIELD(t_eff_hgtmax)},
        {ctl::Txt_8BH_Erp_H, FIELD(t_erp_h_dbw), Flag::None, true},
        {ctl::Txt_8BV_Erp_V, FIELD(t_erp_v_dbw), Flag::None, true},
        {ctl::Combo_9_AntDir, FIELD(t_ant_dir)},
        {ctl::Txt_9EA_SiteAlt, FIELD(t_site_alt)},
        {ctl::Combo_GE06_assgnCde, FIELD(t_assgn_code)},
        {ctl::Txt_RRC04_AdmAllotID, FIELD(planning.t_associated_adm_allot_id), Flag::Planning},
        {ctl::Txt_GE06_assoc_allot_sfnID, FIELD(planning.t_associated_allot_sfn_id), Flag::Planning},
    };
    ApplyAll(form, r, station);
    r.t_d_inuse = JoinDate(form, ctl::kInUseDate);
    static const Copy operation[] = {
        {ctl::Txt_3A1_CallSign, FIELD(t_call_sign)},
        {ctl::Txt_GE06_Offset, FIELD(t_offset)},
        {ctl::Txt_12A_OpAgcy, FIELD(t_op_agcy), Flag::None, true, 3},
        {ctl::Txt_12B_AddrCde, FIELD(t_addr_code), Flag::None, true},
        {ctl::Txt_10B_Ophhfr, FIELD(t_op_hh_fr), Flag::OpHours, true},
        {ctl::Txt_10B_Ophhto, FIELD(t_op_hh_to), Flag::OpHours, true},
        {ctl::Combo_GE06_IsResub, FIELD(t_is_resub), Flag::None, true},
        {ctl::Combo_GE06_Rmk_Cond, FIELD(t_remark_conds_met), Flag::None, true},
        {ctl::Combo_GE06_SigComit, FIELD(t_signed_commitment), Flag::None, true},
        {ctl::Txt_PlanAdm_RefID, FIELD(t_plan_adm_ref_id), Flag::None, true},
    };
    ApplyAll(form, r, operation);

    CaptureTable(form, AzimuthTable::EffHeight, r.eff_hgt);
    const std::string dir = form.Text(ctl::Combo_9_AntDir);
    const std::string pol = form.Text(ctl::Combo_9D_Polariz);
    if (dir == "D" && (pol == "H" || pol == "M" || pol == "U"))
        CaptureTable(form, AzimuthTable::AttnH, r.attn_h);
    if (dir == "D" && (pol == "V" || pol == "M" || pol == "U"))
        CaptureTable(form, AzimuthTable::AttnV, r.attn_v);

    if (code == CaptureCode::GS1) {
        Apply(form, r, {ctl::Combo_GE06_FreqAssgn, FIELD(t_freq_assgn)});
        return;
    }
    static const Copy dvbt[] = {
        {ctl::Txt_GE06_freqAssgn, FIELD(t_freq_assgn)},
        {ctl::Combo_RRC04_Sys_Var, FIELD(t_sys_var)},
        {ctl::Combo_RRC04_RxMode, FIELD(planning.t_rx_mode), Flag::Planning},
        {ctl::Txt_GE06_erpBeam_tilt, FIELD(t_erp_beam_tilt_dbw)},
        {ctl::Txt_GE06_TiltAngle, FIELD(t_beam_tilt_angle)},
    };
    ApplyAll(form, r, dvbt);
}

void CaptureAllotment(const FormControls &form, NoticeRecord &r, CaptureCode code) {
    r.t_fragment = fragment::GE06D;
    if (code == CaptureCode::GS2) {
        Apply(form, r, {ctl::Combo_GE06_FreqAssgn, FIELD(t_freq_assgn)});
    } else {
        Apply(form, r, {ctl::Txt_GE06_freqAssgn, FIELD(t_freq_assgn)});
        Apply(form, r,
              {ctl::Combo_RRC04_TypRefNetwk, FIELD(planning.allotment.t_typ_ref_netwk), Flag::Allotment});
    }
    if (r.t_action == action::Modify)
        Apply(form, r, {ctl::Txt_TrgAdmRefID, FIELD(t_trg_adm_ref_id)});
    static const Copy rows[] = {
        {ctl::Txt_RRC04_allot_name, FIELD(planning.allotment.t_allot_name), Flag::Allotment},
        {ctl::Combo_RRC04_geo_area, FIELD(planning.allotment.t_geo_area), Flag::Allotment},
        {ctl::Txt_RRC04_nb_sub_areas, FIELD(planning.allotment.t_nb_sub_areas), Flag::Allotment},
    };
    ApplyAll(form, r, rows);
    const auto items = form.ListItems(ctl::ListBoxContourID);
    for (std::size_t i = 0; i < items.size() && i < r.planning.allotment.t_contour_id.size(); ++i) {
        r.planning.allotment.t_contour_id[i] = items[i];
        r.planning.allotment.present = true;
    }
}

// Administration, e-mail address and remarks: the part the three administrative notices share.
void CaptureAdministrative(const FormControls &form, NoticeRecord &r, bool withTarget) {
    if (withTarget)
        Apply(form, r, {ctl::Txt_TrgAdmRefID, FIELD(t_trg_adm_ref_id)});
    static const Copy rows[] = {
        {ctl::Combo_B_Adm, FIELD(t_adm)},
        {ctl::Txt_EmailAddr, FIELD(planning.email_addr), Flag::Planning},
        {ctl::Txt_notified_Rmks, FIELD(t_remarks)},
    };
    ApplyAll(form, r, rows);
}

void CaptureTB5(const FormControls &form, NoticeRecord &r) {
    r.t_notice_type = notice_type::TB5;
    CaptureInternalRemarks(form, r);
    if (form.Checked(ctl::OptInt_WDraw))
        r.t_action = action::Withdraw;
    else if (form.Checked(ctl::OptInt_Supp))
        r.t_action = action::Suppress;
    r.t_fragment = form.Checked(ctl::Opt_Art4) ? fragment::GE06D : fragment::NTFD_RR;
    CaptureAdministrative(form, r, true);
}

void CaptureTB3(const FormControls &form, NoticeRecord &r) {
    r.t_notice_type = notice_type::TB3;
    r.t_action = action::PartB;
    r.t_plan = kPlanGE06D;
    CaptureInternalRemarks(form, r);
    CaptureAdministrative(form, r, true);
    CaptureCoordination(form, r);
}

void CaptureTB2(const FormControls &form, NoticeRecord &r) {
    r.t_notice_type = notice_type::TB2;
    r.t_action = action::Conform;
    r.t_plan = kPlanGE06D;
    CaptureInternalRemarks(form, r);
    CaptureAdministrative(form, r, false);
    static const Copy target[] = {
        {ctl::Txt_PlanAdmRefID, FIELD(t_plan_adm_ref_id)},
        {ctl::Txt_TrgAdmRefID, FIELD(t_trg_adm_ref_id), Flag::None, true},
        {ctl::Txt_TrgFreq, FIELD(t_trg_freq_assgn), Flag::None, true},
    };
    ApplyAll(form, r, target);
    // On this form the site boxes hold the target's position; the writer widens the degrees later.
    CapturePosition(form, r, ctl::kSitePosition, &NoticeRecord::trg_long, &NoticeRecord::trg_lat, 2, true);
    r.t_d_inuse = JoinDate(form, ctl::kInUseDate);
    static const Copy operation[] = {
        {ctl::Txt_12A_OpAgcy, FIELD(t_op_agcy), Flag::None, true, 3},
        {ctl::Txt_12B_AddrCde, FIELD(t_addr_code), Flag::None, true},
        {ctl::Txt_10B_Ophhfr, FIELD(t_op_hh_fr), Flag::OpHours, true},
        {ctl::Txt_10B_Ophhto, FIELD(t_op_hh_to), Flag::OpHours, true},
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

void CaptureNotice(const FormControls &form, NoticeRecord &record, CaptureCode code,
                   const CaptureStamp &stamp) {
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

void CaptureSubAreaNotice(const FormControls &form, NoticeRecord &record, const CaptureStamp &stamp) {
    record.sub_area.test_points.assign(LeadingCount(form.Text(ctl::Txt_RRC04_nb_test_pts)) + 1, {});
    Stamp(record, stamp);
    record.t_notice_type = notice_type::GA1;
    static const Copy head[] = {
        {ctl::Txt_notified_Rmks, FIELD(t_remarks)},
        {ctl::Combo_B_Adm, FIELD(t_adm)},
        {ctl::Combo_4B_Ctry, FIELD(t_ctry)},
    };
    ApplyAll(form, record, head);
    if (form.Checked(ctl::OptInt_Add))
        record.t_action = action::Add;
    else if (form.Checked(ctl::OptInt_Suppress))
        record.t_action = action::Suppress;
    static const Copy area[] = {
        {ctl::Txt_EmailAddr, FIELD(planning.email_addr), Flag::Planning},
        {ctl::Txt_RRC04_contour_id, FIELD(sub_area.t_contour_id), Flag::SubArea},
        {ctl::Txt_RRC04_nb_test_pts, FIELD(sub_area.t_nb_test_pts), Flag::SubArea},
    };
    ApplyAll(form, record, area);
    record.sub_area.captured_on = record.captured_on;
    const auto items = form.ListItems(ctl::ListBox_RRC04_Coordinates);
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
