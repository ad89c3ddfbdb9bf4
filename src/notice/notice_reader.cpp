#include "notice/notice_reader.h"

#include "notice/notice_types.h"
#include "util/text_compare.h"

#include "notice/read_values.h"
#include "notice/vocabulary.h"
#include "notice/windows1252.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <unordered_map>

namespace ondrell {
namespace {

// How the value of a NOTICE key goes into the record.
enum class Kind {
    Text,
    Date,
    Time,
    Longitude,
    Latitude,
    Planning,
    Allotment,
    ContourId,
    NbTestPts,
    NoticeNo
};

struct KeyDescription {
    std::string_view key;
    Kind kind;
    std::string NoticeRecord::*text;
    Coordinate NoticeRecord::*position;
    std::string PlanningGroup::*planning;
    std::string AllotmentGroup::*allotment;
};

constexpr KeyDescription Text(std::string_view key, std::string NoticeRecord::*f, Kind kind = Kind::Text) {
    return {key, kind, f, nullptr, nullptr, nullptr};
}
constexpr KeyDescription Position(std::string_view key, Coordinate NoticeRecord::*f, Kind kind) {
    return {key, kind, nullptr, f, nullptr, nullptr};
}
constexpr KeyDescription Planning(std::string_view key, std::string PlanningGroup::*f) {
    return {key, Kind::Planning, nullptr, nullptr, f, nullptr};
}
constexpr KeyDescription Allotment(std::string_view key, std::string AllotmentGroup::*f) {
    return {key, Kind::Allotment, nullptr, nullptr, nullptr, f};
}
constexpr KeyDescription Special(std::string_view key, Kind kind) {
    return {key, kind, nullptr, nullptr, nullptr, nullptr};
}

using R = NoticeRecord;
constexpr KeyDescription kNoticeKeys[] = {
    Special("Notice No", Kind::NoticeNo),
    Text("t_notice_type", &R::t_notice_type),
    Text("t_fragment", &R::t_fragment),
    Text("t_action", &R::t_action),
    Text("t_plan", &R::t_plan),
    Text("t_adm_ref_id", &R::t_adm_ref_id),
    Text("t_d_inuse", &R::t_d_inuse, Kind::Date),
    Text("t_d_expiry", &R::t_d_expiry, Kind::Date),
    Text("t_call_sign", &R::t_call_sign),
    Text("t_trg_adm_ref_id", &R::t_trg_adm_ref_id),
    Text("t_trg_freq_assgn", &R::t_trg_freq_assgn),
    Position("t_trg_long", &R::trg_long, Kind::Longitude),
    Position("t_trg_lat", &R::trg_lat, Kind::Latitude),
    Text("t_site_name", &R::t_site_name),
    Text("t_ctry", &R::t_ctry),
    Position("t_long", &R::site_long, Kind::Longitude),
    Position("t_lat", &R::site_lat, Kind::Latitude),
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
    Text("t_op_hh_fr", &R::t_op_hh_fr, Kind::Time),
    Text("t_op_hh_to", &R::t_op_hh_to, Kind::Time),
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
    Special("t_contour_id", Kind::ContourId),
    Special("t_nb_test_pts", Kind::NbTestPts),
    Text("t_remarks", &R::t_remarks),
    Text("t_int_remarks", &R::t_int_remarks),
};
constexpr size_t kKeyCount = std::size(kNoticeKeys);

const KeyDescription *FindKey(std::string_view key) {
    static const auto *index = [] {
        auto *map = new std::unordered_map<std::string_view, const KeyDescription *>();
        for (const auto &keyInfo : kNoticeKeys)
            map->emplace(keyInfo.key, &keyInfo);
        return map;
    }();
    const auto it = index->find(key);
    return it == index->end() ? nullptr : it->second;
}

enum class Sub { AntHgt, AntDiagrH, AntDiagrV, Coord, Point };
struct SubSectionDescription {
    std::string_view open, close;
    Sub sub;
};
constexpr SubSectionDescription kSubSections[] = {
    {"<ANT_HGT>", "</ANT_HGT>", Sub::AntHgt},
    {"<ANT_DIAGR_H>", "</ANT_DIAGR_H>", Sub::AntDiagrH},
    {"<ANT_DIAGR_V>", "</ANT_DIAGR_V>", Sub::AntDiagrV},
    {"<COORD>", "</COORD>", Sub::Coord},
    {"<POINT>", "</POINT>", Sub::Point},
};
constexpr std::string_view kNoticeContent =
    "a line \"key = value\", a sub-section (<ANT_HGT>, <ANT_DIAGR_H>, <ANT_DIAGR_V>, <COORD>, <POINT>) or "
    "\"</NOTICE>\"";

bool SplitKeyValue(std::string_view line, std::string_view &key, std::string_view &value) {
    const size_t at = line.find(" = ");
    if (at == std::string_view::npos || at == 0)
        return false;
    key = line.substr(0, at);
    value = line.substr(at + 3);
    return true;
}

// A line as quoted in messages: at most 60 bytes, control and non-ASCII bytes as \xNN.
std::string Shown(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size() && i < 60; ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x20 || b >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        } else {
            out += static_cast<char>(b);
        }
    }
    if (text.size() > 60)
        out += "...";
    return out;
}

// The azimuth of an antenna key "<prefix><azimuth>": 0, 10, ... 350 written without leading zeros.
int AzimuthIndex(std::string_view key, std::string_view prefix) {
    if (key.substr(0, prefix.size()) != prefix)
        return -1;
    const std::string_view digits = key.substr(prefix.size());
    const auto value = ReadWholeNumber(digits);
    if (!value || (digits.size() > 1 && digits[0] == '0') || *value % 10 != 0 || *value > 350)
        return -1;
    return *value / 10;
}

// What one NOTICE section holds besides the record's own fields, until the section closes.
struct NoticeParts {
    std::array<int, kKeyCount> seenOn{}; // line of each key's first appearance
    bool numbered = false;
    std::vector<std::pair<std::string, int>> contourIds; // value, line
    std::vector<std::string> coordAdms;
    std::vector<TestPoint> points;
    std::array<bool, 5> subSeen{};
};

} // namespace

bool NoticeFileReader::Fail(int line, const std::string &message) {
    error_ = name_ + ", line " + std::to_string(line) + ": " + message;
    done_ = true;
    return false;
}

bool NoticeFileReader::Expected(const std::string &what, std::string_view found) {
    return Fail(source_.LineNumber(), "expected " + what + ", found \"" + Shown(found) + "\"");
}

bool NoticeFileReader::ExpectedAtEnd(const std::string &what) {
    return Fail(source_.LineNumber() + 1, "expected " + what + " but the file ends");
}

NoticeFileReader::Got NoticeFileReader::NextLine(std::string_view &line) {
    switch (source_.Next(line)) {
    case LineSource::Status::Line:
        return Got::Line;
    case LineSource::Status::End:
        return Got::End;
    case LineSource::Status::TooLong:
        Fail(source_.LineNumber(), "the line is longer than " + std::to_string(LineSource::kMaxLineBytes) +
                                       " bytes; this is not an electronic notice file");
        return Got::Fault;
    case LineSource::Status::ReadError:
        error_ = name_ + ": cannot read the file: " + source_.ReadErrorText();
        done_ = true;
        return Got::Fault;
    }
    return Got::Fault;
}

NoticeFileReader::Got NoticeFileReader::NextNonEmpty(std::string_view &line) {
    Got got;
    while ((got = NextLine(line)) == Got::Line && line.empty()) {
    }
    return got;
}

bool NoticeFileReader::Open(const std::string &path) {
    name_ = path;
    std::string reason;
    if (!source_.OpenFile(path, &reason)) {
        error_ = path + ": cannot open the file: " + reason;
        done_ = true;
        return false;
    }
    return ReadHeader();
}

bool NoticeFileReader::OpenText(std::string_view text, std::string name) {
    name_ = std::move(name);
    source_.OpenText(text);
    return ReadHeader();
}

bool NoticeFileReader::ReadHeader() {
    static constexpr std::pair<std::string_view, std::string NoticeFileHeader::*> kLines[] = {
        {"File captured on ", &NoticeFileHeader::capturedOn},
        {"Processed by ", &NoticeFileHeader::processedBy},
        {"Program Id: ", &NoticeFileHeader::programId},
    };
    std::string_view line;
    for (const auto &[prefix, field] : kLines) {
        const std::string what = "the header line \"" + std::string(prefix) + "...\"";
        const Got got = NextLine(line);
        if (got == Got::Fault)
            return false;
        if (got == Got::End)
            return ExpectedAtEnd(what);
        if (line.substr(0, prefix.size()) != prefix)
            return Expected(what, line);
        header_.*field = Windows1252ToUtf8(line.substr(prefix.size()));
    }
    // An empty line stands where HEAD is when the first notice had no administration and no address.
    const Got got = NextLine(line);
    if (got == Got::Fault)
        return false;
    if (got == Got::End)
        return ExpectedAtEnd("\"<HEAD>\" or an empty line");
    if (line.empty())
        return true;
    if (line != "<HEAD>")
        return Expected("\"<HEAD>\" or an empty line", line);
    header_.headPresent = true;
    const int headLine = source_.LineNumber();
    bool admSeen = false, emailSeen = false;
    for (;;) {
        const Got g = NextNonEmpty(line);
        if (g == Got::Fault)
            return false;
        if (g == Got::End)
            return ExpectedAtEnd("\"</HEAD>\" to close the HEAD begun on line " + std::to_string(headLine));
        if (line == "</HEAD>")
            return true;
        std::string_view key, value;
        if (!SplitKeyValue(line, key, value) || (key != "t_adm" && key != "t_email_addr"))
            return Expected("\"t_adm = ...\", \"t_email_addr = ...\" or \"</HEAD>\"", line);
        bool &seen = key == "t_adm" ? admSeen : emailSeen;
        if (seen)
            return Fail(source_.LineNumber(), std::string(key) + " is given twice in HEAD");
        seen = true;
        (key == "t_adm" ? header_.adm : header_.emailAddr) = Windows1252ToUtf8(value);
    }
}

bool NoticeFileReader::Next(ReadNotice &notice) {
    if (done_)
        return false;
    std::string_view line;
    const Got got = NextNonEmpty(line);
    if (got == Got::Fault)
        return false;
    if (got == Got::End) {
        done_ = true;
        // A file whose last save was refused stays without TAIL; it still holds its notices.
        return noticesRead_ == 0 ? ExpectedAtEnd("\"<NOTICE>\"") : false;
    }
    if (line == "<TAIL>") {
        if (noticesRead_ == 0)
            return Expected("\"<NOTICE>\"", line);
        ReadTail();
        return false;
    }
    if (line != "<NOTICE>")
        return Expected(noticesRead_ == 0 ? "\"<NOTICE>\"" : "\"<NOTICE>\" or \"<TAIL>\"", line);
    if (!ReadNoticeBody(notice))
        return false;
    ++noticesRead_;
    return true;
}

bool NoticeFileReader::ReadTail() {
    done_ = true;
    std::string_view line, key, value;
    Got got = NextNonEmpty(line);
    if (got == Got::Fault)
        return false;
    if (got == Got::End)
        return ExpectedAtEnd("\"t_num_notices = ...\"");
    if (!SplitKeyValue(line, key, value) || key != "t_num_notices")
        return Expected("\"t_num_notices = ...\"", line);
    const auto count = ReadWholeNumber(value);
    if (!count)
        return Expected("the number of notices", value);
    if (*count != noticesRead_)
        return Fail(source_.LineNumber(), "t_num_notices is " + std::to_string(*count) +
                                              " but the file holds " + std::to_string(noticesRead_) +
                                              " notices");
    got = NextNonEmpty(line);
    if (got == Got::Fault)
        return false;
    if (got == Got::End)
        return ExpectedAtEnd("\"</TAIL>\"");
    if (line != "</TAIL>")
        return Expected("\"</TAIL>\"", line);
    got = NextNonEmpty(line);
    if (got == Got::Line)
        return Expected("nothing after the TAIL section", line);
    if (got == Got::Fault)
        return false;
    tailCount_ = *count;
    return true;
}

bool NoticeFileReader::ReadNoticeBody(ReadNotice &notice) {
    static const NoticeRecord kFresh;
    notice.record = kFresh;
    notice.number = 0;
    notice.line = source_.LineNumber();
    NoticeRecord &r = notice.record;
    NoticeParts parts;
    const std::string closeWhat =
        "\"</NOTICE>\" to close the NOTICE begun on line " + std::to_string(notice.line);

    std::string_view line, key, value;
    for (;;) {
        const Got got = NextNonEmpty(line);
        if (got == Got::Fault)
            return false;
        if (got == Got::End)
            return ExpectedAtEnd(closeWhat);
        if (line == "</NOTICE>")
            break;
        if (line.front() == '<') {
            const SubSectionDescription *sub = nullptr;
            for (const auto &s : kSubSections)
                if (line == s.open)
                    sub = &s;
            if (!sub)
                return Expected(std::string(kNoticeContent), line);
            auto &seen = parts.subSeen[static_cast<size_t>(sub->sub)];
            if (seen && sub->sub != Sub::Point)
                return Fail(source_.LineNumber(), "a second " + std::string(line) + " section in one notice");
            seen = true;
            TestPoint point;
            point.given = true;
            for (;;) {
                const Got g = NextNonEmpty(line);
                if (g == Got::Fault)
                    return false;
                if (g == Got::End)
                    return ExpectedAtEnd("\"" + std::string(sub->close) + "\"");
                if (line == sub->close)
                    break;
                if (!SplitKeyValue(line, key, value))
                    return Expected("a line \"key = value\" or \"" + std::string(sub->close) + "\"", line);
                if (value.empty())
                    continue;
                switch (sub->sub) {
                case Sub::AntHgt:
                case Sub::AntDiagrH:
                case Sub::AntDiagrV: {
                    const bool heights = sub->sub == Sub::AntHgt;
                    const int i = AzimuthIndex(key, heights ? "t_eff_hgt@azm" : "t_attn@azm");
                    if (i < 0)
                        return Expected(heights ? "\"t_eff_hgt@azm<0, 10, ... 350> = ...\""
                                                : "\"t_attn@azm<0, 10, ... 350> = ...\"",
                                        line);
                    AntennaTable &table = heights                      ? r.eff_hgt
                                          : sub->sub == Sub::AntDiagrH ? r.attn_h
                                                                       : r.attn_v;
                    if (table.entries[i].given)
                        return Fail(source_.LineNumber(), std::string(key) + " is given twice");
                    table.entries[i].given = true;
                    table.entries[i].value = Windows1252ToUtf8(value);
                    break;
                }
                case Sub::Coord:
                    if (key != "t_adm")
                        return Expected("\"t_adm = ...\" or \"</COORD>\"", line);
                    parts.coordAdms.push_back(Windows1252ToUtf8(value));
                    break;
                case Sub::Point: {
                    if (key != "t_long" && key != "t_lat")
                        return Expected("\"t_long = ...\", \"t_lat = ...\" or \"</POINT>\"", line);
                    std::string &field = key == "t_long" ? point.t_long : point.t_lat;
                    if (!field.empty())
                        return Fail(source_.LineNumber(), std::string(key) + " is given twice in one POINT");
                    field = Windows1252ToUtf8(value);
                    break;
                }
                }
            }
            if (sub->sub == Sub::Point)
                parts.points.push_back(std::move(point));
            continue;
        }
        if (!SplitKeyValue(line, key, value))
            return Expected(std::string(kNoticeContent), line);
        const KeyDescription *keyInfo = FindKey(key);
        if (!keyInfo)
            return Fail(source_.LineNumber(), "unknown key \"" + Shown(key) + "\" in a NOTICE section");
        const size_t index = static_cast<size_t>(keyInfo - kNoticeKeys);
        if (parts.seenOn[index] != 0 && keyInfo->kind != Kind::ContourId)
            return Fail(source_.LineNumber(), std::string(key) + " is given twice (first on line " +
                                                  std::to_string(parts.seenOn[index]) + ")");
        parts.seenOn[index] = source_.LineNumber();
        if (value.empty())
            continue;
        switch (keyInfo->kind) {
        case Kind::Text:
            r.*keyInfo->text = Windows1252ToUtf8(value);
            break;
        case Kind::Date: {
            auto date = ReadIsoDate(value);
            if (!date)
                return Expected("a date written yyyy-mm-dd for " + std::string(key), value);
            r.*keyInfo->text = std::move(*date);
            break;
        }
        case Kind::Time: {
            auto time = ReadTime(value);
            if (!time)
                return Expected("a time written HH:MM for " + std::string(key), value);
            r.*keyInfo->text = Windows1252ToUtf8(*time);
            r.op_hours_given = true;
            break;
        }
        case Kind::Longitude:
        case Kind::Latitude: {
            const bool lon = keyInfo->kind == Kind::Longitude;
            auto position = lon ? ReadLongitude(value) : ReadLatitude(value);
            if (!position)
                return Expected(lon ? "a longitude written +DDDMMSS or -DDDMMSS for " + std::string(key)
                                    : "a latitude written +DDMMSS or -DDMMSS for " + std::string(key),
                                value);
            r.*keyInfo->position = std::move(*position);
            break;
        }
        case Kind::Planning:
            r.planning.*keyInfo->planning = Windows1252ToUtf8(value);
            r.planning.present = true;
            break;
        case Kind::Allotment:
            r.planning.allotment.*keyInfo->allotment = Windows1252ToUtf8(value);
            r.planning.present = r.planning.allotment.present = true;
            break;
        case Kind::ContourId:
            parts.contourIds.emplace_back(Windows1252ToUtf8(value), source_.LineNumber());
            break;
        case Kind::NbTestPts:
            r.sub_area.t_nb_test_pts = Windows1252ToUtf8(value);
            r.sub_area.present = true;
            break;
        case Kind::NoticeNo: {
            const auto number = ReadWholeNumber(value);
            if (!number || *number < 1)
                return Expected("a notice number of 1 or more", value);
            notice.number = *number;
            parts.numbered = true;
            break;
        }
        }
    }

    if (!parts.numbered)
        return Fail(notice.line, "the NOTICE section has no \"Notice No\" line");
    if (EqualsNoCase(r.t_notice_type, notice_type::GA1)) {
        if (parts.contourIds.size() > 1)
            return Fail(parts.contourIds[1].second, "t_contour_id is given twice in a GA1 notice");
        if (!parts.contourIds.empty()) {
            r.sub_area.t_contour_id = std::move(parts.contourIds[0].first);
            r.sub_area.present = true;
        }
    } else if (!parts.contourIds.empty()) {
        if (parts.contourIds.size() > kContourSlots)
            return Fail(parts.contourIds[kContourSlots].second,
                        "more than 10 t_contour_id lines in one notice");
        for (size_t i = 0; i < parts.contourIds.size(); ++i)
            r.planning.allotment.t_contour_id[i] = std::move(parts.contourIds[i].first);
        r.planning.present = r.planning.allotment.present = true;
    }
    if (!parts.points.empty() || r.sub_area.present) {
        const size_t slots = std::max<size_t>(
            parts.points.size(), static_cast<size_t>(LeadingWholeNumber(r.sub_area.t_nb_test_pts)));
        r.sub_area.test_points.resize(std::min<size_t>(slots, 100000) + 1);
        std::move(parts.points.begin(), parts.points.end(), r.sub_area.test_points.begin());
    }
    if (!parts.coordAdms.empty()) {
        if (parts.coordAdms.size() > 32767)
            return Fail(source_.LineNumber(), "more COORD administrations than a notice can hold");
        r.coord.count = static_cast<std::int16_t>(parts.coordAdms.size());
        r.coord.present = true;
        r.coord.entries.resize(parts.coordAdms.size() + 1);
        for (size_t i = 0; i < parts.coordAdms.size(); ++i)
            r.coord.entries[i].adm = std::move(parts.coordAdms[i]);
    }
    r.captured = true;
    r.captured_by = header_.processedBy;
    r.captured_on = header_.capturedOn;
    r.sub_area.captured_on = header_.capturedOn;
    r.t_adm = header_.adm;
    if (!header_.emailAddr.empty()) {
        r.planning.email_addr = header_.emailAddr;
        r.planning.present = true;
    }
    std::string upperType = r.t_notice_type;
    for (char &c : upperType)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    r.stn_cls = StationClassOf(upperType);
    return true;
}

namespace {
bool ReadAll(NoticeFileReader &reader, bool opened, NoticeFile &file, std::string &error) {
    if (opened) {
        ReadNotice notice;
        while (reader.Next(notice))
            file.notices.push_back(std::move(notice));
    }
    file.header = reader.Header();
    file.tailCount = reader.TailCount();
    error = reader.Error();
    return error.empty();
}
} // namespace

bool ReadNoticeFile(const std::string &path, NoticeFile &file, std::string &error) {
    NoticeFileReader reader;
    const bool opened = reader.Open(path);
    return ReadAll(reader, opened, file, error);
}

bool ParseNoticeFile(std::string_view text, const std::string &name, NoticeFile &file, std::string &error) {
    NoticeFileReader reader;
    const bool opened = reader.OpenText(text, name);
    return ReadAll(reader, opened, file, error);
}

} // namespace ondrell
