#include "notice/file_sink.h"
#include "notice/text_check.h"
#include "notice/windows1252.h"

#include "golden.h"
#include "sample_records.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace ondrell {
namespace {

TEST(Windows1252, EncodesLatinAndTheHighRangeAndRefusesTheRest) {
    std::string out;
    ASSERT_TRUE(Utf8ToWindows1252("Dôle €‚ƒ„…†‡ˆ‰Š‹ŒŽ''\"\"•–—˜™š›œžŸ ÿ", out));
    EXPECT_EQ(out.substr(0, 5), "D\xF4le ");
    EXPECT_EQ(out.substr(5, 3), "\x80\x82\x83");
    EXPECT_EQ(out.back(), '\xFF');
    EXPECT_EQ(Windows1252ToUtf8(out), "Dôle €‚ƒ„…†‡ˆ‰Š‹ŒŽ''\"\"•–—˜™š›œžŸ ÿ");

    // Every byte decodes and encodes back to itself.
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    ASSERT_TRUE(Utf8ToWindows1252(Windows1252ToUtf8(all), out));
    EXPECT_EQ(out, all);

    EncodeProblem problem;
    EXPECT_FALSE(Utf8ToWindows1252("abĀ", out, &problem));
    EXPECT_EQ(problem.codePoint, U'\u0100');
    EXPECT_EQ(problem.offset, 2u);
    EXPECT_FALSE(Utf8ToWindows1252("a😀", out, &problem));
    EXPECT_EQ(problem.codePoint, U'\U0001F600');
    for (const char *bad :
         {"\xC3", "\xC3\x28", "\xC0\xAF", "\xED\xA0\x80", "\xF8\x88\x80\x80\x80", "x\xE2\x82"}) {
        EXPECT_FALSE(Utf8ToWindows1252(bad, out, &problem)) << bad;
        EXPECT_TRUE(problem.invalidUtf8);
    }
}

TEST(CheckNoticeText, NamesTheCharacterAndTheField) {
    EXPECT_EQ(CheckNoticeText(samples::Gs1Article4()), "");
    EXPECT_EQ(CheckNoticeText(NoticeRecord{}), "");

    const struct {
        void (*spoil)(NoticeRecord &);
        const char *expected;
    } cases[] = {
        {[](NoticeRecord &r) { r.t_site_name = "Łódź"; },
         "The character \"Ł\" (U+0141) in t_site_name cannot be written to the notice file (Windows-1252 "
         "text)."},
        {[](NoticeRecord &r) { r.planning.email_addr = "δ@x"; },
         "The character \"δ\" (U+03B4) in t_email_addr cannot be written to the notice file (Windows-1252 "
         "text)."},
        {[](NoticeRecord &r) { r.attn_h.entries[35].value = "1\xE2\x80\x89"; },
         "The character \"\xE2\x80\x89\" (U+2009) in t_attn@azm350 cannot be written to the notice file "
         "(Windows-1252 text)."},
        {[](NoticeRecord &r) { r.t_remarks = "line one\r\nline two"; },
         "The field t_remarks holds a line break, which cannot be written to the notice file (one line per "
         "value)."},
        {[](NoticeRecord &r) { r.t_int_remarks = "\xFF"; },
         "The field t_int_remarks holds bytes that are not UTF-8 text."},
        {[](NoticeRecord &r) { r.coord.entries[0].adm = "Ж"; },
         "The character \"Ж\" (U+0416) in t_adm cannot be written to the notice file (Windows-1252 text)."},
    };
    for (const auto &c : cases) {
        NoticeRecord r = samples::Gt1Article5Modify();
        c.spoil(r);
        EXPECT_EQ(CheckNoticeText(r), c.expected);
    }
}

class FileSinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("ondrell_sink_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(dir_);
    }
    std::filesystem::path dir_;
};

TEST_F(FileSinkTest, OverwritesAndEndsEveryPieceWithCrLf) {
    const auto path = (dir_ / "n.txt").string();
    std::ofstream(path) << "old content that is longer than the new one";
    FileSink sink;
    ASSERT_TRUE(sink.Open(path));
    ASSERT_TRUE(sink.Write("é"));
    ASSERT_TRUE(sink.Write(""));
    EXPECT_EQ(golden::ReadBytes(path), "\xE9\r\n\r\n"); // on disk before Close
    ASSERT_TRUE(sink.Close());
    EXPECT_EQ(golden::ReadBytes(path), "\xE9\r\n\r\n");
}

TEST_F(FileSinkTest, RefusesUnencodablePieceWhole) {
    const auto path = (dir_ / "n.txt").string();
    FileSink sink;
    ASSERT_TRUE(sink.Open(path));
    EXPECT_FALSE(sink.Write("ok ✓"));
    EXPECT_EQ(sink.ErrorString(),
              "The character \"✓\" (U+2713) cannot be written to the notice file (Windows-1252 text).");
    sink.Close();
    EXPECT_EQ(golden::ReadBytes(path), "");
}

TEST_F(FileSinkTest, ReportsTheSystemReason) {
    FileSink sink;
    const auto missing = (dir_ / "no such folder" / "n.txt").string();
    EXPECT_FALSE(sink.Open(missing));
    EXPECT_EQ(sink.ErrorString(),
              "Cannot create the notice file \"" + missing + "\": No such file or directory");
    EXPECT_FALSE(sink.IsOpen());
    EXPECT_FALSE(sink.Write("x"));
    EXPECT_EQ(sink.ErrorString(), "The notice file is not open.");

    if (::geteuid() != 0) { // root ignores permissions
        std::filesystem::permissions(dir_,
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        const auto locked = (dir_ / "n.txt").string();
        EXPECT_FALSE(sink.Open(locked));
        EXPECT_EQ(sink.ErrorString(), "Cannot create the notice file \"" + locked + "\": Permission denied");
    }
    EXPECT_FALSE(sink.Open(dir_.string())); // a folder
    EXPECT_NE(sink.ErrorString().find("Is a directory"), std::string::npos);
}

TEST(FileSinkDevice, ReportsAFullDisk) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    FileSink sink;
    ASSERT_TRUE(sink.Open("/dev/full"));
    EXPECT_FALSE(sink.Write("x"));
    EXPECT_EQ(sink.ErrorString(), "Cannot write the notice file \"/dev/full\": No space left on device");
}

} // namespace
} // namespace ondrell
