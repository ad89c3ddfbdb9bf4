#include "notice/text_check.h"

#include "notice/file_keys.h"
#include "notice/windows1252.h"

#include <functional>
#include <string_view>

namespace ondrell {
namespace {

using Visit = std::function<bool(std::string_view key, const std::string &value)>;

// Every text of the record that can reach the file, with the key it is written under. Stops early
// when visit returns false.
bool ForEachWrittenText(const NoticeRecord &r, const Visit &visit) {
    for (const NoticeKey &key : kNoticeKeys) {
        if (const std::string *text = KeyText(key, r)) {
            if (!visit(key.name, *text))
                return false;
        } else if (key.position) {
            const Coordinate &c = r.*key.position;
            for (const std::string *part : {&c.deg, &c.hemi, &c.min, &c.sec})
                if (!visit(key.name, *part))
                    return false;
        } else if (key.form == KeyForm::ContourId) {
            if (!visit(key.name, r.sub_area.t_contour_id))
                return false;
            for (const auto &id : r.planning.allotment.t_contour_id)
                if (!visit(key.name, id))
                    return false;
        }
    }
    if (!visit(kAdmKey, r.t_adm) || !visit(kEmailKey, r.planning.email_addr))
        return false;
    for (const AntennaSection &section : kAntennaSections)
        for (const auto &e : (r.*section.table).entries)
            if (!visit(std::string(section.keyPrefix) + e.azimuth, e.value))
                return false;
    for (const auto &point : r.sub_area.test_points)
        if (!visit(kPointLongKey, point.t_long) || !visit(kPointLatKey, point.t_lat))
            return false;
    for (const auto &entry : r.coord.entries)
        if (!visit(kAdmKey, entry.adm))
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
        if (HoldsControlByte(value)) {
            message = "The field " + std::string(key) +
                      " holds a control character, which cannot be written to the notice file.";
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
