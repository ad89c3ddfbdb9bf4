// The writer's pieces, whole notices, the text check and the reader's refusals against the case
// tables in data/.

#include "golden.h"
#include "notice/file_format.h"
#include "notice/notice_reader.h"
#include "notice/notice_writer.h"
#include "notice/text_check.h"
#include "notice/windows1252.h"
#include "support/case_table.h"
#include "support/record_text.h"

#include <cstdio>

namespace ondrell {
namespace {

using cases::Out;
using record_text::Make;

std::string ParseError(const std::string &text) {
    NoticeFile file;
    std::string error;
    EXPECT_FALSE(ParseNoticeFile(text, "t.txt", file, error));
    return error;
}

// clang-format off
const cases::Adapters kFunctions = {
    {"Line", {2, [](auto &r) { return Out{FormatLine(r[1], r[2])}; }}},
    {"Section", {2, [](auto &r) { return Out{FormatSection(r[1], r[2])}; }}},
    {"Head", {2, [](auto &r) { return Out{FormatHead(r[1], r[2])}; }}},
    {"Tail", {1, [](auto &r) { return Out{FormatTail(std::stoi(r[1]))}; }}},
    {"PadZeros", {2, [](auto &r) { return Out{PadLeftZeros(r[1], std::stoi(r[2]))}; }}},
    {"Coordinate", {4, [](auto &r) { return Out{FormatCoordinate(r[1], r[2], r[3], r[4])}; }}},
    {"Time", {1, [](auto &r) { return Out{FormatTime(r[1])}; }}},
    {"DateIso", {1, [](auto &r) { return Out{FormatDateIso(r[1])}; }}},
    {"Notice", {3, [](auto &r) { return Out{FormatNotice(Make(r[1], r[2]), std::stoi(r[3]))}; }}},
    {"AnyNotice", {3, [](auto &r) { return Out{FormatAnyNotice(Make(r[1], r[2]), std::stoi(r[3]))}; }}},
    {"TextCheck", {2, [](auto &r) { return Out{CheckNoticeText(Make(r[1], r[2]))}; }}},
    // whether the text written holds a piece
    {"Has", {4, [](auto &r) {
        const NoticeRecord n = Make(r[2], r[3]);
        const std::string text = r[1] == "SubArea" ? FormatSubAreaNotice(n, 1) : FormatNotice(n, 1);
        return Out{cases::Flag(text.find(r[4]) != std::string::npos)}; }}},
    {"ParseError", {1, [](auto &r) { return Out{ParseError(r[1])}; }}},
    {"Encode", {1, [](auto &r) {
        std::string out;
        EncodeProblem problem;
        if (Utf8ToWindows1252(r[1], out, &problem))
            return Out{out, Windows1252ToUtf8(out)};
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(problem.codePoint));
        return problem.invalidUtf8 ? Out{"invalid"} : Out{"refused", code, std::to_string(problem.offset)}; }}},
    // a notice of a golden file ("file#n") or a named notice written alone, read back: the keys of the
    // expected cells ("key=value") as read
    {"ReadBack", {1, [](auto &r) {
        NoticeFile file;
        std::string error, bytes;
        const std::size_t hash = r[1].find('#');
        if (hash == std::string::npos)
            Utf8ToWindows1252(FormatNoticeFile({"d", "t", "u"}, {record_text::Named(r[1])}), bytes);
        const bool read = hash == std::string::npos ? ParseNoticeFile(bytes, "t.txt", file, error)
                                                    : ReadNoticeFile(golden::DataPath(r[1].substr(0, hash)), file, error);
        EXPECT_TRUE(read) << error;
        const NoticeRecord &n = file.notices.at(hash == std::string::npos ? 0 : std::stoi(r[1].substr(hash + 1)) - 1).record;
        Out out;
        for (std::size_t i = 2; i < r.size(); ++i)
            out.push_back(r[i].substr(0, r[i].find('=') + 1) + record_text::Get(n, r[i].substr(0, r[i].find('='))));
        return out; }}},
    // the test-point slots of a GA1 notifying a count and holding as many POINT sections, or the error
    {"Ga1Slots", {2, [](auto &r) {
        std::string text = "File captured on x\nProcessed by u\nProgram Id: p\n\n<NOTICE>\nNotice No = 1\n"
                           "t_notice_type = GA1\nt_nb_test_pts = " + r[1] + "\n";
        for (int i = 0; i < std::stoi(r[2]); ++i)
            text += "<POINT>\nt_long = +0010000\nt_lat = +470000\n</POINT>\n";
        NoticeFile file;
        std::string error;
        return Out{ParseNoticeFile(text + "</NOTICE>\n", "t.txt", file, error)
                       ? std::to_string(file.notices.at(0).record.sub_area.test_points.size()) : error}; }}},
    // the exact bytes of a named notice as the sink writes it, against a golden file
    {"Golden", {3, [](auto &r) {
        std::string bytes;
        EXPECT_TRUE(Utf8ToWindows1252(FormatAnyNotice(record_text::Named(r[2]), std::stoi(r[3])), bytes));
        golden::ExpectMatches(r[1], bytes + "\r\n");
        return Out{}; }}},
};
// clang-format on
ONDRELL_CASE_TABLES(NoticeTable, kFunctions, "notice/data/writer.tsv", "notice/data/reader_errors.tsv");

} // namespace
} // namespace ondrell
