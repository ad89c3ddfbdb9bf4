#pragma once
// Turns records into the pieces of an electronic notice file: three header lines, HEAD, one NOTICE
// section per notice and TAIL. The file sink writes each piece followed by CR LF.

#include "notice/file_format.h"
#include "notice/record.h"

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace ondrell {

// The NOTICE section of a GS1, GT1, GS2, GT2, TB2, TB3 or TB5 notice. A notice whose internal
// remarks mention "TB3" is written as a TB3 request whatever its type.
std::string FormatNotice(const NoticeRecord &record, int noticeNumber);

// The NOTICE section of a GA1 notice (remarks first, then the number, then one POINT per test point).
std::string FormatSubAreaNotice(const NoticeRecord &record, int noticeNumber);

// FormatSubAreaNotice for "GA1" (any case), FormatNotice for every other type.
std::string FormatAnyNotice(const NoticeRecord &record, int noticeNumber);

// What the three header lines say; injectable so tests and tools are deterministic.
struct FileHeaderInfo {
    std::string date; // the system's default text for today's date
    std::string time; // and for the time of day
    std::string user; // CurrentUserName()
};

// Now, in the user's locale, and the current user.
FileHeaderInfo CurrentFileHeaderInfo();
FileHeaderInfo FileHeaderInfoAt(const std::tm &when, std::string user);

// "File captured on <date>-<time>", "Processed by <user>", "Program Id: <identification>".
std::vector<std::string> FormatHeaderLines(const FileHeaderInfo &info);

// The proposed file name: folder (the working directory, or programDir when that is empty), the
// native separator, type prefix "GS1-" etc., year month day unpadded, "-", hour minute second
// unpadded, "-", user, ".txt".
std::string ProposedFileName(std::string_view workDir, std::string_view programDir,
                             std::string_view noticeType, const std::tm &when, std::string_view user);

// The whole file as the program writes it: every piece followed by CR LF. HEAD takes t_adm and the
// e-mail address of the first record; notices are numbered from 1. Nothing when records is empty.
std::string FormatNoticeFile(const FileHeaderInfo &info, const std::vector<NoticeRecord> &records);

} // namespace ondrell
