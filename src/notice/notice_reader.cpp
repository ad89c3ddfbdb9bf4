#include "notice/notice_reader.h"

#include "notice/notice_types.h"
#include "util/text_compare.h"

#include "notice/file_keys.h"
#include "notice/read_values.h"
#include "notice/vocabulary.h"
#include "notice/windows1252.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace ondrell {
namespace {

constexpr std::string_view kNoticeContent =
    "a line \"key = value\", a sub-section (<ANT_HGT>, <ANT_DIAGR_H>, <ANT_DIAGR_V>, <COORD>, <POINT>) or "
    "\"</NOTICE>\"";

// The most POINT sections one notice may hold: far more than any count the rules accept, few enough
// that a notice stays small in memory.
constexpr size_t kMaxPointSections = 10000;
constexpr size_t kMaxCoordEntries = 32767;

// A sub-section of NOTICE: an antenna table, COORD or POINT.
struct SubSection {
    std::string open, close;
    const AntennaSection *antenna; // nullptr for COORD and POINT
    bool repeats;                  // POINT may come any number of times
};

const std::vector<SubSection> &SubSections() {
    static const std::vector<SubSection> all = [] {
        const auto tags = [](std::string_view tag) {
            return std::pair{"<" + std::string(tag) + ">", "</" + std::string(tag) + ">"};
        };
        std::vector<SubSection> list;
        for (const auto &antenna : kAntennaSections) {
            auto [open, close] = tags(antenna.tag);
            list.push_back({open, close, &antenna, false});
        }
        auto [coordOpen, coordClose] = tags(kCoordTag);
        list.push_back({coordOpen, coordClose, nullptr, false});
        auto [pointOpen, pointClose] = tags(kPointTag);
        list.push_back({pointOpen, pointClose, nullptr, true});
        return list;
    }();
    return all;
}

// The line split at its first " = "; false when there is none or it begins the line.
bool SplitKeyValue(std::string_view line, std::string_view &key, std::string_view &value) {
    if (line.starts_with(" = "))
        return false;
    for (size_t at = 1; at + 2 < line.size(); ++at) {
        const void *equals = std::memchr(line.data() + at + 1, '=', line.size() - at - 2);
        if (!equals)
            return false;
        at = static_cast<size_t>(static_cast<const char *>(equals) - line.data()) - 1;
        if (line[at] == ' ' && line[at + 2] == ' ') {
            key = line.substr(0, at);
            value = line.substr(at + 3);
            return true;
        }
    }
    return false;
}

// "<prefix><azimuth> = " of each line of each antenna table, in azimuth order, as the writer puts
// them: these lines are most of a file, and most are recognised by one compare with the line
// expected next.
const auto &AntennaLineHeads() {
    static const auto heads = [] {
        std::array<std::array<std::string, kAntennaEntries>, std::size(kAntennaSections)> all;
        for (size_t s = 0; s < all.size(); ++s)
            for (int i = 0; i < kAntennaEntries; ++i)
                all[s][i] = std::string(kAntennaSections[s].keyPrefix) + std::to_string(10 * i) + " = ";
        return all;
    }();
    return heads;
}

std::uint64_t Word(const char *p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

// Whether the line begins with the head (at least 8 bytes long), a word at a time.
bool BeginsWith(std::string_view line, const std::string &head) {
    const size_t n = head.size();
    if (line.size() < n)
        return false;
    std::uint64_t diff = Word(line.data() + n - 8) ^ Word(head.data() + n - 8);
    for (size_t i = 0; i + 8 < n; i += 8)
        diff |= Word(line.data() + i) ^ Word(head.data() + i);
    return diff == 0;
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
    if (key.size() <= prefix.size() || key.size() > prefix.size() + 3 || !key.starts_with(prefix))
        return -1;
    const std::string_view digits = key.substr(prefix.size());
    if (digits.size() > 1 && digits[0] == '0')
        return -1;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value % 10 == 0 && value <= 350 ? value / 10 : -1;
}

// Makes a record read before as a fresh one, keeping the room its texts and lists took: copying a
// fresh record instead cost a fifth of reading a notice. Clears everything the reader fills, and the
// seconds geography may write into positions (they are in the key table).
void ResetRecord(NoticeRecord &r) {
    for (const NoticeKey &key : kNoticeKeys) {
        if (std::string *text = KeyText(key, r))
            text->clear();
        else if (key.position)
            for (std::string *part : {&(r.*key.position).deg, &(r.*key.position).hemi, &(r.*key.position).min,
                                      &(r.*key.position).sec})
                part->clear();
    }
    static const AntennaTable kFreshTable;
    for (const AntennaSection &section : kAntennaSections) {
        auto &entries = (r.*section.table).entries;
        for (size_t i = 0; i < entries.size(); ++i) {
            entries[i].given = false;
            entries[i].value.clear();
            if (entries[i].azimuth.empty()) // a record moved from has lost them
                entries[i].azimuth = kFreshTable.entries[i].azimuth;
        }
    }
    r.captured = r.op_hours_given = false;
    r.planning.present = r.planning.allotment.present = r.sub_area.present = r.coord.present = false;
    for (std::string &id : r.planning.allotment.t_contour_id)
        id.clear();
    r.sub_area.t_contour_id.clear();
    r.sub_area.test_points.clear();
    r.sub_area.captured_on.clear();
    r.coord.count = 0;
    r.coord.entries.clear();
    r.stn_cls.clear();
    r.t_adm.clear();
    r.planning.email_addr.clear();
    r.captured_by.clear();
    r.captured_on.clear();
}

} // namespace

// What a NOTICE section holds besides the record's own fields, until the section closes. Kept by the
// reader from one notice to the next so that its lists keep their room.
struct NoticeFileReader::NoticeParts {
    std::array<int, kNoticeKeyCount> seenOn{}; // line of each key's first appearance
    bool numbered = false;
    std::vector<std::pair<std::string, int>> contourIds; // value, line
    std::vector<bool> subSeen;

    void Clear() {
        seenOn.fill(0);
        numbered = false;
        contourIds.clear();
        subSeen.assign(SubSections().size(), false);
    }
};

NoticeFileReader::NoticeFileReader() : parts_(std::make_unique<NoticeParts>()) {}
NoticeFileReader::~NoticeFileReader() = default;

void NoticeFileReader::StoreText(std::string_view bytes, std::string &out) const {
    if (source_.IsAscii())
        out.assign(bytes);
    else
        Windows1252ToUtf8(bytes, out);
}

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

inline NoticeFileReader::Got NoticeFileReader::NextLine(std::string_view &line) {
    switch (source_.Next(line)) {
    case LineSource::Status::Line:
        if (source_.HasControlByte()) {
            Expected("a line without control bytes", line);
            return Got::Fault;
        }
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

inline NoticeFileReader::Got NoticeFileReader::NextNonEmpty(std::string_view &line) {
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
        if (!SplitKeyValue(line, key, value) || (key != kAdmKey && key != kEmailKey))
            return Expected("\"t_adm = ...\", \"t_email_addr = ...\" or \"</HEAD>\"", line);
        bool &seen = key == kAdmKey ? admSeen : emailSeen;
        if (seen)
            return Fail(source_.LineNumber(), std::string(key) + " is given twice in HEAD");
        seen = true;
        (key == kAdmKey ? header_.adm : header_.emailAddr) = Windows1252ToUtf8(value);
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
    ResetRecord(notice.record);
    notice.number = 0;
    notice.line = source_.LineNumber();
    NoticeParts &parts = *parts_;
    parts.Clear();
    for (;;) {
        std::string_view line;
        const Got got = NextNonEmpty(line);
        if (got == Got::Fault)
            return false;
        if (got == Got::End)
            return ExpectedAtEnd("\"</NOTICE>\" to close the NOTICE begun on line " +
                                 std::to_string(notice.line));
        if (line == "</NOTICE>")
            return FinishNotice(notice);
        if (!(line.front() == '<' ? ReadSubSection(line, notice.record) : ReadKeyLine(line, notice)))
            return false;
    }
}

bool NoticeFileReader::ReadSubSection(std::string_view openLine, NoticeRecord &r) {
    const auto &subSections = SubSections();
    size_t index = 0;
    while (index < subSections.size() && openLine != subSections[index].open)
        ++index;
    if (index == subSections.size())
        return Expected(std::string(kNoticeContent), openLine);
    const SubSection &sub = subSections[index];
    if (parts_->subSeen[index] && !sub.repeats)
        return Fail(source_.LineNumber(), "a second " + sub.open + " section in one notice");
    parts_->subSeen[index] = true;
    TestPoint *point = nullptr;
    if (sub.repeats) {
        if (r.sub_area.test_points.size() == kMaxPointSections)
            return Fail(source_.LineNumber(),
                        "more than " + std::to_string(kMaxPointSections) + " POINT sections in one notice");
        point = &r.sub_area.test_points.emplace_back();
        point->given = true;
    }
    const auto *heads =
        sub.antenna ? &AntennaLineHeads()[static_cast<size_t>(sub.antenna - kAntennaSections)] : nullptr;
    int next = 0; // the azimuth expected next in an antenna table
    for (;;) {
        std::string_view line, key, value;
        const Got got = NextNonEmpty(line);
        if (got == Got::Fault)
            return false;
        if (got == Got::End)
            return ExpectedAtEnd("\"" + sub.close + "\"");
        if (line == sub.close)
            return true;
        if (heads && next < kAntennaEntries && BeginsWith(line, (*heads)[next])) {
            const size_t keyEnd = (*heads)[next].size() - 3;
            value = line.substr(keyEnd + 3);
            if (!value.empty() && !StoreAntennaValue(*sub.antenna, next, line.substr(0, keyEnd), value, r))
                return false;
            ++next;
            continue;
        }
        if (!SplitKeyValue(line, key, value))
            return Expected("a line \"key = value\" or \"" + sub.close + "\"", line);
        if (value.empty())
            continue;
        bool stored;
        if (sub.antenna) {
            const int i = AzimuthIndex(key, sub.antenna->keyPrefix);
            if (i < 0)
                return Expected("\"" + std::string(sub.antenna->keyPrefix) + "<0, 10, ... 350> = ...\"",
                                line);
            stored = StoreAntennaValue(*sub.antenna, i, key, value, r);
            next = i + 1;
        } else {
            stored = point ? ReadPointLine(*point, key, value, line) : ReadCoordLine(key, value, line, r);
        }
        if (!stored)
            return false;
    }
}

bool NoticeFileReader::StoreAntennaValue(const AntennaSection &section, int azimuthIndex,
                                         std::string_view key, std::string_view value, NoticeRecord &r) {
    AntennaEntry &entry = (r.*section.table).entries[static_cast<size_t>(azimuthIndex)];
    if (entry.given)
        return Fail(source_.LineNumber(), std::string(key) + " is given twice");
    entry.given = true;
    StoreText(value, entry.value);
    return true;
}

bool NoticeFileReader::ReadPointLine(TestPoint &point, std::string_view key, std::string_view value,
                                     std::string_view line) {
    if (key != kPointLongKey && key != kPointLatKey)
        return Expected("\"t_long = ...\", \"t_lat = ...\" or \"</POINT>\"", line);
    std::string &field = key == kPointLongKey ? point.t_long : point.t_lat;
    if (!field.empty())
        return Fail(source_.LineNumber(), std::string(key) + " is given twice in one POINT");
    StoreText(value, field);
    return true;
}

bool NoticeFileReader::ReadCoordLine(std::string_view key, std::string_view value, std::string_view line,
                                     NoticeRecord &r) {
    if (key != kAdmKey)
        return Expected("\"t_adm = ...\" or \"</COORD>\"", line);
    if (r.coord.entries.size() == kMaxCoordEntries)
        return Fail(source_.LineNumber(), "more COORD administrations than a notice can hold");
    r.coord.entries.push_back({Windows1252ToUtf8(value), {}});
    return true;
}

bool NoticeFileReader::ReadKeyLine(std::string_view line, ReadNotice &notice) {
    std::string_view name, value;
    if (!SplitKeyValue(line, name, value))
        return Expected(std::string(kNoticeContent), line);
    const NoticeKey *key = FindNoticeKey(name);
    if (!key)
        return Fail(source_.LineNumber(), "unknown key \"" + Shown(name) + "\" in a NOTICE section");
    int &seenOn = parts_->seenOn[IndexOf(*key)];
    if (seenOn != 0 && key->form != KeyForm::ContourId)
        return Fail(source_.LineNumber(),
                    std::string(name) + " is given twice (first on line " + std::to_string(seenOn) + ")");
    seenOn = source_.LineNumber();
    return value.empty() || StoreValue(*key, value, notice);
}

// The value of a key in the record, from its written form.
bool NoticeFileReader::StoreValue(const NoticeKey &key, std::string_view value, ReadNotice &notice) {
    NoticeRecord &r = notice.record;
    const auto name = [&key] { return std::string(key.name); }; // for messages only
    switch (key.form) {
    case KeyForm::Number: {
        const auto number = ReadWholeNumber(value);
        if (!number || *number < 1)
            return Expected("a notice number of 1 or more", value);
        notice.number = *number;
        parts_->numbered = true;
        return true;
    }
    case KeyForm::ContourId:
        parts_->contourIds.emplace_back(Windows1252ToUtf8(value), source_.LineNumber());
        return true;
    case KeyForm::Date: {
        auto date = ReadIsoDate(value);
        if (!date)
            return Expected("a date written yyyy-mm-dd for " + name(), value);
        r.*key.text = std::move(*date);
        return true;
    }
    case KeyForm::Time: {
        const auto time = ReadTime(value);
        if (!time)
            return Expected("a time written HH:MM for " + name(), value);
        StoreText(*time, r.*key.text);
        r.op_hours_given = true;
        return true;
    }
    case KeyForm::Longitude:
    case KeyForm::Latitude: {
        const bool longitude = key.form == KeyForm::Longitude;
        auto position = longitude ? ReadLongitude(value) : ReadLatitude(value);
        if (!position)
            return Expected(longitude ? "a longitude written +DDDMMSS or -DDDMMSS for " + name()
                                      : "a latitude written +DDMMSS or -DDMMSS for " + name(),
                            value);
        r.*key.position = std::move(*position);
        return true;
    }
    case KeyForm::Text:
        break;
    }
    StoreText(value, *KeyText(key, r));
    if (key.planning || key.allotment)
        r.planning.present = true;
    if (key.allotment)
        r.planning.allotment.present = true;
    if (key.subArea)
        r.sub_area.present = true;
    return true;
}

// What the section's lines together make of the record: contour ids by notice type, the list sizes
// capture would leave, and what the file's header gives every notice.
bool NoticeFileReader::FinishNotice(ReadNotice &notice) {
    NoticeRecord &r = notice.record;
    auto &contourIds = parts_->contourIds;
    if (!parts_->numbered)
        return Fail(notice.line, "the NOTICE section has no \"Notice No\" line");
    if (EqualsNoCase(r.t_notice_type, notice_type::GA1)) {
        if (contourIds.size() > 1)
            return Fail(contourIds[1].second, "t_contour_id is given twice in a GA1 notice");
        if (!contourIds.empty()) {
            r.sub_area.t_contour_id = std::move(contourIds[0].first);
            r.sub_area.present = true;
        }
    } else if (!contourIds.empty()) {
        if (contourIds.size() > kContourSlots)
            return Fail(contourIds[kContourSlots].second, "more than 10 t_contour_id lines in one notice");
        for (size_t i = 0; i < contourIds.size(); ++i)
            r.planning.allotment.t_contour_id[i] = std::move(contourIds[i].first);
        r.planning.present = r.planning.allotment.present = true;
    }
    auto &points = r.sub_area.test_points;
    if (!points.empty() || r.sub_area.present) {
        // One slot per notified point, as capture leaves them, and a spare; a count beyond what the
        // rules accept adds no slots of its own.
        const size_t notified = std::min<size_t>(
            static_cast<size_t>(LeadingWholeNumber(r.sub_area.t_nb_test_pts)), kMaxTestPoints);
        points.resize(std::max(points.size(), notified) + 1);
    }
    if (!r.coord.entries.empty()) {
        r.coord.count = static_cast<std::int16_t>(r.coord.entries.size());
        r.coord.present = true;
        r.coord.entries.emplace_back();
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
