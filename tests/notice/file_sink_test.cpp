#include "notice/file_sink.h"
#include "notice/notice_reader.h"
#include "notice/notice_writer.h"
#include "notice/windows1252.h"

#include "golden.h"
#include "support/record_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ondrell {
namespace {

namespace fs = std::filesystem;

void WriteBytes(const std::string &path, const std::string &bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class FileSinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("ondrell_sink_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        path_ = (dir_ / "n.txt").string();
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all);
        fs::remove_all(dir_);
    }
    fs::path dir_;
    std::string path_;
};

TEST_F(FileSinkTest, StartReplacesOnlyAfterOpenAndEndsEveryPieceWithCrLf) {
    WriteBytes(path_, "old content that is longer than the new one");
    FileSink sink;
    ASSERT_TRUE(sink.Open(path_));
    EXPECT_TRUE(sink.HoldsText());
    EXPECT_EQ(golden::ReadBytes(path_), "old content that is longer than the new one"); // not yet
    ASSERT_TRUE(sink.Start({"é", ""}));
    ASSERT_TRUE(sink.Write("x"));
    EXPECT_EQ(golden::ReadBytes(path_), "\xE9\r\n\r\nx\r\n"); // on disk before Close
    ASSERT_TRUE(sink.Close());
    EXPECT_EQ(golden::ReadBytes(path_), "\xE9\r\n\r\nx\r\n");

    ASSERT_TRUE(sink.Open((dir_ / "new.txt").string()));
    EXPECT_FALSE(sink.HoldsText());
}

TEST_F(FileSinkTest, RefusesUnencodablePieceWhole) {
    FileSink sink;
    ASSERT_TRUE(sink.Open(path_));
    ASSERT_TRUE(sink.Start({"head"}));
    EXPECT_FALSE(sink.Write("ok ✓"));
    EXPECT_EQ(sink.ErrorString(),
              "The character \"✓\" (U+2713) cannot be written to the notice file (Windows-1252 text).");
    EXPECT_TRUE(sink.Write("next"));
    sink.Close();
    EXPECT_EQ(golden::ReadBytes(path_), "head\r\nnext\r\n");
}

TEST_F(FileSinkTest, ReportsTheSystemReasonAndWritesNothingUnstarted) {
    FileSink sink;
    const auto missing = (dir_ / "no such folder" / "n.txt").string();
    EXPECT_FALSE(sink.Open(missing));
    EXPECT_EQ(sink.ErrorString(),
              "Cannot create the notice file \"" + missing + "\": No such file or directory");
    EXPECT_FALSE(sink.IsOpen());
    EXPECT_FALSE(sink.Write("x"));
    EXPECT_EQ(sink.ErrorString(), "The notice file is not open.");

    ASSERT_TRUE(sink.Open(path_));
    EXPECT_FALSE(sink.Write("<NOTICE>")); // never a notice without the header lines
    EXPECT_EQ(sink.ErrorString(), "The notice file \"" + path_ + "\" has no header lines yet.");
    sink.Close();
    EXPECT_EQ(golden::ReadBytes(path_), "");

    if (::geteuid() != 0) { // root ignores permissions
        fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
        const auto locked = (dir_ / "other.txt").string();
        EXPECT_FALSE(sink.Open(locked));
        EXPECT_EQ(sink.ErrorString(), "Cannot create the notice file \"" + locked + "\": Permission denied");
    }
    EXPECT_FALSE(sink.Open(dir_.string())); // a folder
    EXPECT_NE(sink.ErrorString().find("Is a directory"), std::string::npos);
}

TEST_F(FileSinkTest, OneWriterAtATimeInThisAndAnyOtherProcess) {
    FileSink first;
    ASSERT_TRUE(first.Open(path_));
    ASSERT_TRUE(first.Start({"header"}));
    const std::string locked = "The notice file \"" + path_ +
                               "\" is being written by another form or program. Choose another file name.";

    FileSink second;
    EXPECT_FALSE(second.Open(path_));
    EXPECT_EQ(second.ErrorString(), locked);
    EXPECT_FALSE(second.IsOpen());

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FileSink other;
        ::_exit(!other.Open(path_) && other.ErrorString() == locked ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the other process was not refused";

    ASSERT_TRUE(first.Write("notice"));
    EXPECT_EQ(golden::ReadBytes(path_), "header\r\nnotice\r\n"); // the refused writers changed nothing
    ASSERT_TRUE(first.Close());
    EXPECT_TRUE(second.Open(path_)); // released by Close
    EXPECT_TRUE(second.HoldsText());
}

TEST(FileSinkDevice, ReportsAFullDisk) {
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    FileSink sink;
    ASSERT_TRUE(sink.Open("/dev/full"));
    EXPECT_FALSE(sink.Start({"x"}));
    EXPECT_EQ(sink.ErrorString(), "Cannot write the notice file \"/dev/full\": No space left on device");
    EXPECT_FALSE(sink.IsOpen());
}

// A disk with `room` bytes left; the write that reaches the limit stores what fits, the next one
// gets "No space left on device", as a real full disk does.
class FullDiskSink : public FileSink {
  public:
    std::size_t room = 0;

  protected:
    long long WriteSome(int fd, const char *data, std::size_t size) override {
        if (room == 0) {
            errno = ENOSPC;
            return -1;
        }
        const long long n = FileSink::WriteSome(fd, data, std::min(size, room));
        if (n > 0)
            room -= static_cast<size_t>(n);
        return n;
    }
};

// The user's side: Save/Next until it succeeds, freeing space after each "File Error". The file
// must read back with exactly the notices reported saved, and match a file written without faults.
TEST_F(FileSinkTest, EveryRetryAfterAFullDiskLeavesASoundFile) {
    const std::vector<NoticeRecord> records = record_text::Notices({"Gs1Article4", "Tb5", "Tb2"});
    const FileHeaderInfo header{"08/05/2009", "09:05:07", "jdupont"};
    std::string whole;
    ASSERT_TRUE(Utf8ToWindows1252(FormatNoticeFile(header, records), whole));
    std::vector<std::string> head = FormatHeaderLines(header);
    head.push_back(FormatHead(records[0].t_adm, records[0].planning.email_addr));

    for (std::size_t room = 0; room <= whole.size(); room += 97) {
        SCOPED_TRACE("room " + std::to_string(room));
        fs::remove(path_);
        FullDiskSink sink;
        sink.room = room;
        int failures = 0;
        auto retried = [&](auto save) {
            const std::string before = golden::ReadBytes(path_);
            if (save())
                return true;
            ++failures;
            EXPECT_NE(sink.ErrorString().find("No space left on device"), std::string::npos);
            EXPECT_EQ(golden::ReadBytes(path_), before); // exactly as before the failed save
            sink.room = whole.size();                    // the user frees space and tries again
            return save();
        };
        ASSERT_TRUE(retried([&] {
            if (!sink.IsOpen() && !sink.Open(path_))
                return false;
            return sink.Start(head);
        })) << sink.ErrorString();
        for (std::size_t i = 0; i < records.size(); ++i)
            ASSERT_TRUE(
                retried([&] { return sink.Write(FormatNotice(records[i], static_cast<int>(i) + 1)); }));
        ASSERT_TRUE(retried([&] { return sink.Write(FormatTail(static_cast<int>(records.size()))); }));
        ASSERT_TRUE(sink.Close());
        EXPECT_EQ(failures, room < whole.size() ? 1 : 0);

        EXPECT_EQ(golden::ReadBytes(path_), whole);
        NoticeFile file;
        std::string error;
        ASSERT_TRUE(ReadNoticeFile(path_, file, error)) << error;
        ASSERT_EQ(file.notices.size(), records.size());
        for (std::size_t i = 0; i < records.size(); ++i)
            EXPECT_EQ(file.notices[i].number, static_cast<int>(i) + 1);
    }
}

TEST_F(FileSinkTest, AFailedHeaderLeavesNoFileAndTheNextTryStartsAgain) {
    FullDiskSink sink;
    sink.room = 20; // inside the first header line
    ASSERT_TRUE(sink.Open(path_));
    EXPECT_FALSE(sink.Start({"File captured on 08/05/2009 09:05:07", "Processed by jdupont"}));
    EXPECT_FALSE(sink.IsOpen());
    EXPECT_FALSE(fs::exists(path_)); // created by this try, so removed again
    EXPECT_FALSE(sink.Write("<NOTICE>"));

    WriteBytes(path_, "old notices"); // the user agreed to replace this one
    sink.room = 3;
    ASSERT_TRUE(sink.Open(path_));
    EXPECT_FALSE(sink.Start({"header"}));
    EXPECT_EQ(golden::ReadBytes(path_), ""); // no half header

    sink.room = 100;
    ASSERT_TRUE(sink.Open(path_));
    ASSERT_TRUE(sink.Start({"header"}));
    ASSERT_TRUE(sink.Write("notice"));
    EXPECT_EQ(golden::ReadBytes(path_), "header\r\nnotice\r\n");
}

// The kernel's own refusal (a file size limit, which needs no privileges) goes through the same
// cut-back path as a full disk.
TEST_F(FileSinkTest, AFileSizeLimitCutsBackTheUnfinishedPiece) {
    FileSink sink;
    ASSERT_TRUE(sink.Open(path_));
    ASSERT_TRUE(sink.Start({"header"}));
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 12;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = sink.Write("a notice longer than the limit");
    const std::string error = sink.ErrorString();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(written);
    EXPECT_EQ(error, "Cannot write the notice file \"" + path_ + "\": File too large");
    EXPECT_EQ(golden::ReadBytes(path_), "header\r\n");
    ASSERT_TRUE(sink.Write("short"));
    EXPECT_EQ(golden::ReadBytes(path_), "header\r\nshort\r\n");
}

} // namespace
} // namespace ondrell
