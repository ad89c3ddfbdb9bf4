#include "notice/notice_writer.h"
#include "util/text_compare.h"

#include "notice/file_format.h"
#include "notice/file_keys.h"
#include "notice/read_values.h"
#include "notice/vocabulary.h"
#include "util/platform.h"
#include "util/program_id.h"
#include "util/user_name.h"

#include <cctype>
#include <filesystem>

namespace ondrell {
namespace {

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
    explicit Body(const NoticeRecord &r) : r_(r) {}
    void Line(std::string_view key, std::string_view value) { text_ += FormatLine(key, value); }
    // Each key with the record's value in its written form; nothing for a value not given.
    void Keys(std::initializer_list<const NoticeKey *> keys) {
        for (const NoticeKey *key : keys)
            Line(key->name, WrittenValue(*key, r_));
    }
    void Section(const std::string &section) {
        text_ += kFileLineEnd;
        text_ += section;
    }
    std::string &Text() { return text_; }

  private:
    const NoticeRecord &r_;
    std::string text_;
};

std::string AntennaSectionText(const AntennaSection &section, const AntennaTable &table) {
    std::string body;
    for (const auto &e : table.entries)
        if (!e.value.empty())
            body += FormatLine(std::string(section.keyPrefix) + e.azimuth, e.value);
    return FormatSection(section.tag, body);
}

// Every selected administration (entries 0 to count - 1) is written. Capture never sets a role, so
// the role is not looked at: filtering on one would leave the section empty for every notice.
std::string CoordSection(const CoordinationList &coord) {
    std::string body;
    const size_t count = std::min<size_t>(coord.count > 0 ? coord.count : 0, coord.entries.size());
    for (size_t i = 0; i < count; ++i)
        body += FormatLine(kAdmKey, coord.entries[i].adm);
    return FormatSection(kCoordTag, body);
}

void StationBlock(const NoticeRecord &r, Body &b) {
    b.Keys({&Key("t_notice_type"), &Key("t_fragment"), &Key("t_action"), &Key("t_adm_ref_id"),
            &Key("t_d_inuse"), &Key("t_d_expiry"), &Key("t_call_sign")});
    if (EqualsNoCase(r.t_action, action::Modify)) {
        if (!r.t_trg_adm_ref_id.empty())
            b.Keys({&Key("t_trg_adm_ref_id")});
        else
            b.Keys({&Key("t_trg_freq_assgn"), &Key("t_trg_long"), &Key("t_trg_lat")});
    }
    b.Keys({&Key("t_site_name"), &Key("t_ctry")});
    const bool assignment =
        EqualsNoCase(r.t_notice_type, notice_type::GS1) || EqualsNoCase(r.t_notice_type, notice_type::GT1);
    if (assignment)
        b.Keys({&Key("t_long"), &Key("t_lat")});
    b.Keys({&Key("t_freq_assgn"), &Key("t_offset"), &Key("t_site_alt"), &Key("t_plan_entry"),
            &Key("t_assgn_code"), &Key("t_polar"), &Key("t_erp_h_dbw"), &Key("t_erp_v_dbw"),
            &Key("t_erp_beam_tilt_dbw"), &Key("t_beam_tilt_angle"), &Key("t_hgt_agl"), &Key("t_eff_hgtmax"),
            &Key("t_ant_dir")});
    if (r.t_fragment == fragment::NTFD_RR) {
        b.Keys({&Key("t_op_agcy"), &Key("t_addr_code"), &Key("t_is_resub"), &Key("t_remark_conds_met"),
                &Key("t_signed_commitment")});
        if (r.op_hours_given)
            b.Keys({&Key("t_op_hh_fr"), &Key("t_op_hh_to")});
        b.Keys({&Key("t_plan_adm_ref_id")});
        b.Line(Key("t_prov").name, kProvisionRR112);
    } else if (r.t_fragment == fragment::GE06D) {
        b.Keys({&Key("t_is_pub_req")});
    }
    b.Keys({&Key("t_sys_var")});
    if (r.planning.present) {
        b.Keys({&Key("t_rx_mode"), &Key("t_ref_plan_cfg"), &Key("t_typ_ref_netwk"), &Key("t_sfn_id"),
                &Key("t_associated_adm_allot_id"), &Key("t_associated_allot_sfn_id"), &Key("t_spect_mask"),
                &Key("t_allot_name"), &Key("t_geo_area"), &Key("t_nb_sub_areas")});
        for (const auto &id : r.planning.allotment.t_contour_id)
            b.Line(Key("t_contour_id").name, id);
    }
    if (r.coord.present)
        b.Section(CoordSection(r.coord));
    if (assignment) {
        for (const AntennaSection &section : kAntennaSections) {
            const AntennaTable &table = r.*section.table;
            // The heights are always written, even empty; a pattern only when some value is given.
            if (section.table == &NoticeRecord::eff_hgt || table.AnyGiven())
                b.Section(AntennaSectionText(section, table));
        }
    }
}

void Tb5Block(Body &b) {
    b.Keys({&Key("t_notice_type"), &Key("t_action"), &Key("t_fragment"), &Key("t_trg_adm_ref_id")});
}

void Tb3Block(const NoticeRecord &r, Body &b) {
    b.Line(Key("t_notice_type").name, notice_type::TB3);
    if (EqualsNoCase(r.t_action, action::PartB)) {
        b.Keys({&Key("t_action"), &Key("t_plan"), &Key("t_trg_adm_ref_id")});
    } else { // another type marked "TB3" in its internal remarks
        b.Line(Key("t_action").name, action::PartB);
        b.Line(Key("t_plan").name, r.t_fragment);
        b.Line(Key("t_trg_adm_ref_id").name, r.t_adm_ref_id);
    }
    if (r.coord.present)
        b.Section(CoordSection(r.coord));
}

void Tb2Block(const NoticeRecord &r, Body &b) {
    b.Keys({&Key("t_notice_type"), &Key("t_action"), &Key("t_plan"), &Key("t_plan_adm_ref_id"),
            &Key("t_trg_long"), &Key("t_trg_lat"), &Key("t_trg_freq_assgn"), &Key("t_op_agcy"),
            &Key("t_addr_code"), &Key("t_call_sign")});
    if (r.op_hours_given)
        b.Keys({&Key("t_op_hh_fr"), &Key("t_op_hh_to")});
    b.Keys({&Key("t_d_inuse")});
}

std::string NumberLine(int noticeNumber) {
    return FormatLine(Key("Notice No").name, std::to_string(noticeNumber));
}

} // namespace

std::string FormatNotice(const NoticeRecord &record, int noticeNumber) {
    Body b(record);
    b.Text() += NumberLine(noticeNumber);
    if (EqualsNoCase(record.t_notice_type, notice_type::TB3) || ContainsNoCase(record.t_int_remarks, "TB3"))
        Tb3Block(record, b);
    else if (EqualsNoCase(record.t_notice_type, notice_type::TB5))
        Tb5Block(b);
    else if (EqualsNoCase(record.t_notice_type, notice_type::TB2))
        Tb2Block(record, b);
    else
        StationBlock(record, b);
    b.Keys({&Key("t_remarks"), &Key("t_int_remarks")});
    return FormatSection("NOTICE", b.Text());
}

std::string FormatSubAreaNotice(const NoticeRecord &record, int noticeNumber) {
    Body b(record);
    b.Keys({&Key("t_remarks")});
    b.Text() += NumberLine(noticeNumber);
    b.Keys({&Key("t_notice_type"), &Key("t_action"), &Key("t_ctry")});
    b.Line(Key("t_contour_id").name, record.sub_area.t_contour_id);
    b.Keys({&Key("t_nb_test_pts")});
    const auto &points = record.sub_area.test_points;
    const size_t count = std::min<size_t>(LeadingWholeNumber(record.sub_area.t_nb_test_pts), points.size());
    for (size_t i = 0; i < count; ++i) {
        if (!points[i].given)
            continue;
        b.Section(FormatSection(kPointTag, FormatLine(kPointLongKey, points[i].t_long) +
                                               FormatLine(kPointLatKey, points[i].t_lat)));
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
