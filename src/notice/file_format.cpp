#include "notice/file_format.h"

#include "notice/file_keys.h"

#include "util/dates.h"

#include <cctype>

namespace ondrell {

std::string FormatLine(std::string_view key, std::string_view value) {
    if (key.empty() || value.empty())
        return {};
    std::string line;
    line.reserve(2 + key.size() + 3 + value.size());
    line += kFileLineEnd;
    line += key;
    line += " = ";
    line += value;
    return line;
}

std::string FormatSection(std::string_view tag, std::string_view body) {
    if (tag.empty() || body.empty())
        return {};
    std::string upper(tag);
    for (char &c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string section;
    section.reserve(body.size() + 2 * upper.size() + 8);
    section += '<';
    section += upper;
    section += '>';
    section += body;
    section += kFileLineEnd;
    section += "</";
    section += upper;
    section += '>';
    return section;
}

std::string FormatHead(std::string_view adm, std::string_view emailAddr) {
    return FormatSection("HEAD", FormatLine(kAdmKey, adm) + FormatLine(kEmailKey, emailAddr));
}

std::string FormatTail(int count) {
    if (count < 1)
        return {};
    std::string tail = "<TAIL>" + FormatLine("t_num_notices", std::to_string(count));
    tail += kFileLineEnd;
    tail += "</TAIL>";
    tail += kFileLineEnd;
    return tail;
}

std::string PadLeftZeros(std::string_view text, int width) {
    const auto size = static_cast<int>(text.size());
    // One or two zeros only, as the form's boxes give them. Built by appending: GCC 12 at -O3
    // misreads "00" + string as overlapping copies (-Wrestrict).
    std::string padded(size == width - 1 ? 1 : size == width - 2 ? 2 : 0, '0');
    padded.append(text);
    return padded;
}

std::string FormatCoordinate(std::string_view degrees, std::string_view minutes, std::string_view seconds,
                             std::string_view hemisphere) {
    if (degrees.empty() || minutes.empty() || hemisphere.size() != 1)
        return {};
    const char h = static_cast<char>(std::toupper(static_cast<unsigned char>(hemisphere[0])));
    int degreeWidth = 0;
    switch (h) {
    case 'E':
    case 'W':
        degreeWidth = 3;
        break;
    case 'N':
    case 'S':
        degreeWidth = 2;
        break;
    default:
        return {};
    }
    std::string text(1, h == 'N' || h == 'E' ? '+' : '-');
    text += PadLeftZeros(degrees, degreeWidth);
    text += PadLeftZeros(minutes, 2);
    text += PadLeftZeros(seconds, 2);
    return text;
}

std::string FormatTime(std::string_view text) {
    if (text.empty())
        return {};
    std::string time = PadLeftZeros(text.substr(0, 2), 2);
    time += ':';
    time += text.size() > 2 ? text.substr(2, 4) : std::string_view("00");
    return time;
}

std::string FormatDateIso(std::string_view text) {
    if (text.empty())
        return {};
    std::string dmy = FormatDateDMY(text);
    std::string year, month, day;
    SplitDateDMY(dmy, year, month, day);
    if (year.empty() || month.empty() || day.empty())
        return {};
    return year + "-" + month + "-" + day;
}

} // namespace ondrell
