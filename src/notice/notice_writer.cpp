#include "notice/notice_writer.h"
#include "util/text_compare.h"

#include "notice/file_format.h"
#include "notice/read_values.h"
#include "notice/vocabulary.h"
#include "util/platform.h"
#include "util/program_id.h"
#include "util/user_name.h"

#include <cctype>
#include <filesystem>

namespace ondrell {
namespace {

using TextField = std::string NoticeRecord::*;
using PlanningField = std::string PlanningGroup::*;
using AllotmentField = std::string AllotmentGroup::*;

struct Keyed {
    std::string_view key;
    TextField field;
};

bool ContainsNoCase(std::string_view text, std::string_view word) {
    if (word.size() > text.size())
        return false;
    for (size_t i = 0; i + word.size() <= text.size(); ++i)
        if (EqualsNoCase(text.substr(i, word.size()), word))
            return true;
    return false;
}

class Body {
  public:
    void Line(std::string_view key, std::string_view value) { text_ += FormatLine(key, value); }
    void Lines(const NoticeRecord &r, std::initializer_list<Keyed> fields) {
        for (const auto &f : fields)
            Line(f.key, r.*f.field);
    }
    void Raw(std::string_view text) { text_ += text; }
    std::string &Text() { return text_; }

  private:
    std::string text_;
};

std::string Long(const Coordinate &c) {
    return FormatCoordinate(c.deg, c.min, c.sec, c.hemi);
}

std::string AntennaSection(std::string_view tag, std::string_view prefix, const AntennaTable &table) {
    std::string body;
    for (const auto &e : table.entries)
        if (!e.value.empty())
            body += FormatLine(std::string(prefix) + e.azimuth, e.value);
    return FormatSection(tag, body);
}

// Every selected administration (entries 0 to count - 1) is written. Capture never sets a role, so
// the role is not looked at: filtering on one would leave the section empty for every notice.
std::string CoordSection(const CoordinationList &coord) {
    std::string body;
    const size_t count = std::min<size_t>(coord.count > 0 ? coord.count : 0, coord.entries.size());
    for (size_t i = 0; i < count; ++i)
        body += FormatLine("t_adm", coord.entries[i].adm);
    return FormatSection("COORD", body);
}

void StationBlock(const NoticeRecord &r, Body &b) {
    b.Lines(r, {{"t_notice_type", &NoticeRecord::t_notice_type},
                {"t_fragment", &NoticeRecord::t_fragment},
                {"t_action", &NoticeRecord::t_action},
                {"t_adm_ref_id", &NoticeRecord::t_adm_ref_id}});
    b.Line("t_d_inuse", FormatDateIso(r.t_d_inuse));
    b.Line("t_d_expiry", FormatDateIso(r.t_d_expiry));
    b.Line("t_call_sign", r.t_call_sign);
    if (EqualsNoCase(r.t_action, action::Modify)) {
        if (!r.t_trg_adm_ref_id.empty()) {
            b.Line("t_trg_adm_ref_id", r.t_trg_adm_ref_id);
        } else {
            b.Line("t_trg_freq_assgn", r.t_trg_freq_assgn);
            b.Line("t_trg_long", Long(r.trg_long));
            b.Line("t_trg_lat", Long(r.trg_lat));
        }
    }
    b.Lines(r, {{"t_site_name", &NoticeRecord::t_site_name}, {"t_ctry", &NoticeRecord::t_ctry}});
    const bool assignment =
        EqualsNoCase(r.t_notice_type, notice_type::GS1) || EqualsNoCase(r.t_notice_type, notice_type::GT1);
    if (assignment) {
        b.Line("t_long", Long(r.site_long));
        b.Line("t_lat", Long(r.site_lat));
    }
    b.Lines(r, {{"t_freq_assgn", &NoticeRecord::t_freq_assgn},
                {"t_offset", &NoticeRecord::t_offset},
                {"t_site_alt", &NoticeRecord::t_site_alt},
                {"t_plan_entry", &NoticeRecord::t_plan_entry},
                {"t_assgn_code", &NoticeRecord::t_assgn_code},
                {"t_polar", &NoticeRecord::t_polar},
                {"t_erp_h_dbw", &NoticeRecord::t_erp_h_dbw},
                {"t_erp_v_dbw", &NoticeRecord::t_erp_v_dbw},
                {"t_erp_beam_tilt_dbw", &NoticeRecord::t_erp_beam_tilt_dbw},
                {"t_beam_tilt_angle", &NoticeRecord::t_beam_tilt_angle},
                {"t_hgt_agl", &NoticeRecord::t_hgt_agl},
                {"t_eff_hgtmax", &NoticeRecord::t_eff_hgtmax},
                {"t_ant_dir", &NoticeRecord::t_ant_dir}});
    if (r.t_fragment == fragment::NTFD_RR) {
        b.Lines(r, {{"t_op_agcy", &NoticeRecord::t_op_agcy},
                    {"t_addr_code", &NoticeRecord::t_addr_code},
                    {"t_is_resub", &NoticeRecord::t_is_resub},
                    {"t_remark_conds_met", &NoticeRecord::t_remark_conds_met},
                    {"t_signed_commitment", &NoticeRecord::t_signed_commitment}});
        if (r.op_hours_given) {
            b.Line("t_op_hh_fr", FormatTime(r.t_op_hh_fr));
            b.Line("t_op_hh_to", FormatTime(r.t_op_hh_to));
        }
        b.Line("t_plan_adm_ref_id", r.t_plan_adm_ref_id);
        b.Line("t_prov", kProvisionRR112);
    } else if (r.t_fragment == fragment::GE06D) {
        b.Line("t_is_pub_req", r.t_is_pub_req);
    }
    b.Line("t_sys_var", r.t_sys_var);
    if (r.planning.present) {
        const auto &p = r.planning;
        const auto &a = p.allotment;
        b.Line("t_rx_mode", p.t_rx_mode);
        b.Line("t_ref_plan_cfg", p.t_ref_plan_cfg);
        b.Line("t_typ_ref_netwk", a.t_typ_ref_netwk);
        b.Line("t_sfn_id", p.t_sfn_id);
        b.Line("t_associated_adm_allot_id", p.t_associated_adm_allot_id);
        b.Line("t_associated_allot_sfn_id", p.t_associated_allot_sfn_id);
        b.Line("t_spect_mask", p.t_spect_mask);
        b.Line("t_allot_name", a.t_allot_name);
        b.Line("t_geo_area", a.t_geo_area);
        b.Line("t_nb_sub_areas", a.t_nb_sub_areas);
        for (const auto &id : a.t_contour_id)
            b.Line("t_contour_id", id);
    }
    if (r.coord.present) {
        b.Raw(kFileLineEnd);
        b.Raw(CoordSection(r.coord));
    }
    if (assignment) {
        b.Raw(kFileLineEnd);
        b.Raw(AntennaSection("ANT_HGT", "t_eff_hgt@azm", r.eff_hgt));
        if (r.attn_h.AnyGiven()) {
            b.Raw(kFileLineEnd);
            b.Raw(AntennaSection("ANT_DIAGR_H", "t_attn@azm", r.attn_h));
        }
        if (r.attn_v.AnyGiven()) {
            b.Raw(kFileLineEnd);
            b.Raw(AntennaSection("ANT_DIAGR_V", "t_attn@azm", r.attn_v));
        }
    }
}

void Tb5Block(const NoticeRecord &r, Body &b) {
    b.Lines(r, {{"t_notice_type", &NoticeRecord::t_notice_type},
                {"t_action", &NoticeRecord::t_action},
                {"t_fragment", &NoticeRecord::t_fragment},
                {"t_trg_adm_ref_id", &NoticeRecord::t_trg_adm_ref_id}});
}

void Tb3Block(const NoticeRecord &r, Body &b) {
    b.Line("t_notice_type", notice_type::TB3);
    if (EqualsNoCase(r.t_action, action::PartB)) {
        b.Lines(r, {{"t_action", &NoticeRecord::t_action},
                    {"t_plan", &NoticeRecord::t_plan},
                    {"t_trg_adm_ref_id", &NoticeRecord::t_trg_adm_ref_id}});
    } else { // another type marked "TB3" in its internal remarks
        b.Line("t_action", action::PartB);
        b.Line("t_plan", r.t_fragment);
        b.Line("t_trg_adm_ref_id", r.t_adm_ref_id);
    }
    if (r.coord.present) {
        b.Raw(kFileLineEnd);
        b.Raw(CoordSection(r.coord));
    }
}

void Tb2Block(const NoticeRecord &r, Body &b) {
    b.Lines(r, {{"t_notice_type", &NoticeRecord::t_notice_type},
                {"t_action", &NoticeRecord::t_action},
                {"t_plan", &NoticeRecord::t_plan},
                {"t_plan_adm_ref_id", &NoticeRecord::t_plan_adm_ref_id}});
    b.Line("t_trg_long", Long(r.trg_long));
    b.Line("t_trg_lat", Long(r.trg_lat));
    b.Lines(r, {{"t_trg_freq_assgn", &NoticeRecord::t_trg_freq_assgn},
                {"t_op_agcy", &NoticeRecord::t_op_agcy},
                {"t_addr_code", &NoticeRecord::t_addr_code},
                {"t_call_sign", &NoticeRecord::t_call_sign}});
    if (r.op_hours_given) {
        b.Line("t_op_hh_fr", FormatTime(r.t_op_hh_fr));
        b.Line("t_op_hh_to", FormatTime(r.t_op_hh_to));
    }
    b.Line("t_d_inuse", FormatDateIso(r.t_d_inuse));
}

} // namespace

std::string FormatNotice(const NoticeRecord &record, int noticeNumber) {
    Body b;
    b.Line("Notice No", std::to_string(noticeNumber));
    if (EqualsNoCase(record.t_notice_type, notice_type::TB3) || ContainsNoCase(record.t_int_remarks, "TB3"))
        Tb3Block(record, b);
    else if (EqualsNoCase(record.t_notice_type, notice_type::TB5))
        Tb5Block(record, b);
    else if (EqualsNoCase(record.t_notice_type, notice_type::TB2))
        Tb2Block(record, b);
    else
        StationBlock(record, b);
    b.Line("t_remarks", record.t_remarks);
    b.Line("t_int_remarks", record.t_int_remarks);
    return FormatSection("NOTICE", b.Text());
}

std::string FormatSubAreaNotice(const NoticeRecord &record, int noticeNumber) {
    Body b;
    b.Line("t_remarks", record.t_remarks);
    b.Line("Notice No", std::to_string(noticeNumber));
    b.Lines(record, {{"t_notice_type", &NoticeRecord::t_notice_type},
                     {"t_action", &NoticeRecord::t_action},
                     {"t_ctry", &NoticeRecord::t_ctry}});
    b.Line("t_contour_id", record.sub_area.t_contour_id);
    b.Line("t_nb_test_pts", record.sub_area.t_nb_test_pts);
    const auto &points = record.sub_area.test_points;
    const size_t count = std::min<size_t>(LeadingWholeNumber(record.sub_area.t_nb_test_pts), points.size());
    for (size_t i = 0; i < count; ++i) {
        if (!points[i].given)
            continue;
        b.Raw(kFileLineEnd);
        b.Raw(FormatSection("POINT",
                            FormatLine("t_long", points[i].t_long) + FormatLine("t_lat", points[i].t_lat)));
    }
    return FormatSection("NOTICE", b.Text());
}

std::string FormatAnyNotice(const NoticeRecord &record, int noticeNumber) {
    return EqualsNoCase(record.t_notice_type, notice_type::GA1) ? FormatSubAreaNotice(record, noticeNumber)
                                                                : FormatNotice(record, noticeNumber);
}

FileHeaderInfo FileHeaderInfoAt(const std::tm &when, std::string user) {
    FileHeaderInfo info;
    info.user = std::move(user);
    info.date = platform::RegionalDateText(when);
    info.time = platform::RegionalTimeText(when);
    return info;
}

FileHeaderInfo CurrentFileHeaderInfo() {
    return FileHeaderInfoAt(platform::LocalTime(std::time(nullptr)), CurrentUserName());
}

std::vector<std::string> FormatHeaderLines(const FileHeaderInfo &info) {
    return {"File captured on " + info.date + "-" + info.time, "Processed by " + info.user,
            "Program Id: " + std::string(kProgramIdentification)};
}

std::string ProposedFileName(std::string_view workDir, std::string_view programDir,
                             std::string_view noticeType, const std::tm &when, std::string_view user) {
    std::string name(workDir.empty() ? programDir : workDir);
    name += std::filesystem::path::preferred_separator;
    name += noticeType;
    name += '-';
    name +=
        std::to_string(when.tm_year + 1900) + std::to_string(when.tm_mon + 1) + std::to_string(when.tm_mday);
    name += '-';
    name += std::to_string(when.tm_hour) + std::to_string(when.tm_min) + std::to_string(when.tm_sec);
    name += '-';
    name += user;
    name += ".txt";
    return name;
}

std::string FormatNoticeFile(const FileHeaderInfo &info, const std::vector<NoticeRecord> &records) {
    if (records.empty())
        return {};
    std::string text;
    const auto piece = [&text](std::string_view p) {
        text += p;
        text += kFileLineEnd;
    };
    for (const auto &line : FormatHeaderLines(info))
        piece(line);
    piece(FormatHead(records.front().t_adm, records.front().planning.email_addr));
    int number = 1;
    for (const auto &record : records)
        piece(FormatAnyNotice(record, number++));
    piece(FormatTail(number - 1));
    return text;
}

} // namespace ondrell
