#include "notice/file_sink.h"
#include "notice/notice_writer.h"
#include "notice/windows1252.h"

#include "golden.h"
#include "support/record_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace ondrell {
namespace {

FileHeaderInfo FixedHeader() {
    return {"08/05/2009", "09:05:07", "jdupont"};
}

TEST(NoticeFileGolden, WholeFileThroughTheSink) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("ondrell_whole_file_test_" + std::to_string(::getpid()) + ".txt");
    const NoticeRecord first = record_text::Named("Gs1Article4");
    const NoticeRecord second = record_text::Named("Tb5");
    FileSink sink;
    ASSERT_TRUE(sink.Open(path.string())) << sink.ErrorString();
    std::vector<std::string> head = FormatHeaderLines(FixedHeader());
    head.push_back(FormatHead(first.t_adm, first.planning.email_addr));
    ASSERT_TRUE(sink.Start(head)) << sink.ErrorString();
    ASSERT_TRUE(sink.Write(FormatNotice(first, 1)));
    ASSERT_TRUE(sink.Write(FormatNotice(second, 2)));
    ASSERT_TRUE(sink.Write(FormatTail(2)));
    ASSERT_TRUE(sink.Close()) << sink.ErrorString();
    const std::string bytes = golden::ReadBytes(path.string());
    std::filesystem::remove(path);

    golden::ExpectMatches("whole_file.txt", bytes);
    std::string expectedText;
    ASSERT_TRUE(Utf8ToWindows1252(FormatNoticeFile(FixedHeader(), {first, second}), expectedText));
    EXPECT_EQ(bytes, expectedText);
    EXPECT_TRUE(bytes.ends_with("</TAIL>\r\n\r\n"));
}

TEST(NoticeFile, EmptyHeadLeavesAnEmptyLine) {
    NoticeRecord r = record_text::Named("Tb5");
    r.t_adm.clear();
    const std::string text = FormatNoticeFile(FixedHeader(), {r});
    EXPECT_NE(text.find("Program Id: GE06 Ivrel Quorra Digital Version 2.08 / 08.05.2009\r\n\r\n<NOTICE>"),
              std::string::npos);
    EXPECT_EQ(FormatNoticeFile(FixedHeader(), {}), "");
}

TEST(FileName, RunsDatePartsTogetherUnpadded) {
    std::tm when{};
    when.tm_year = 109;
    when.tm_mon = 4;
    when.tm_mday = 8;
    when.tm_hour = 9;
    when.tm_min = 5;
    when.tm_sec = 7;
    const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
    EXPECT_EQ(ProposedFileName("/home/u/notices", "/opt/ondrell", "GS1", when, "jdupont"),
              "/home/u/notices" + sep + "GS1-200958-957-jdupont.txt");
    EXPECT_EQ(ProposedFileName("", "/opt/ondrell", "TB5", when, "x"),
              "/opt/ondrell" + sep + "TB5-200958-957-x.txt");
}

// The fixed header lines are in the whole-file golden bytes; here only the live values.
TEST(HeaderLines, CurrentInfoIsFilled) {
    const auto now = CurrentFileHeaderInfo();
    EXPECT_FALSE(now.date.empty());
    EXPECT_FALSE(now.time.empty());
    EXPECT_FALSE(now.user.empty());
}

} // namespace
} // namespace ondrell
