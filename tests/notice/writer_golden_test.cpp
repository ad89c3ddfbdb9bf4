#include "notice/file_sink.h"
#include "notice/notice_writer.h"
#include "notice/windows1252.h"

#include "golden.h"
#include "sample_records.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace ondrell {
namespace {

// What the sink puts in the file for one piece.
std::string AsWritten(const std::string &piece) {
    std::string bytes;
    EXPECT_TRUE(Utf8ToWindows1252(piece, bytes));
    return bytes + "\r\n";
}

struct GoldenCase {
    const char *file;
    NoticeRecord (*make)();
    int number;
};

class NoticeGoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(NoticeGoldenTest, WritesExactBytes) {
    const auto &c = GetParam();
    golden::ExpectMatches(c.file, AsWritten(FormatAnyNotice(c.make(), c.number)));
}

INSTANTIATE_TEST_SUITE_P(Kinds, NoticeGoldenTest,
                         ::testing::Values(GoldenCase{"gs1_art4.txt", samples::Gs1Article4, 1},
                                           GoldenCase{"gt1_art5_modify.txt", samples::Gt1Article5Modify, 2},
                                           GoldenCase{"gs2_contours.txt", samples::Gs2WithContours, 3},
                                           GoldenCase{"ga1_points.txt", samples::Ga1WithPoints, 4},
                                           GoldenCase{"tb2.txt", samples::Tb2, 5},
                                           GoldenCase{"tb3.txt", samples::Tb3, 6},
                                           GoldenCase{"tb5.txt", samples::Tb5, 7},
                                           GoldenCase{"gs1_marked_tb3.txt", samples::Gs1MarkedTb3, 8}),
                         [](const auto &info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

FileHeaderInfo FixedHeader() {
    return {"08/05/2009", "09:05:07", "jdupont"};
}

TEST(NoticeFileGolden, WholeFileThroughTheSink) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("ondrell_whole_file_test_" + std::to_string(::getpid()) + ".txt");
    const NoticeRecord first = samples::Gs1Article4();
    const NoticeRecord second = samples::Tb5();
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
    NoticeRecord r = samples::Tb5();
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
    EXPECT_EQ(ProposedFileName("/home/u/notices", "/opt/ondrell", "GS1", when, "jdupont"),
              "/home/u/notices/GS1-200958-957-jdupont.txt");
    EXPECT_EQ(ProposedFileName("", "/opt/ondrell", "TB5", when, "x"), "/opt/ondrell/TB5-200958-957-x.txt");
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
