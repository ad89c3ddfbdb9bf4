#include "notice/file_sink.h"
#include "notice/notice_reader.h"
#include "notice/notice_writer.h"
#include "notice/windows1252.h"

#include "golden.h"
#include "support/case_table.h"
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

// A disk with `room` bytes left; the write that reaches the limit stores what fits, the next one
// gets "No space left on device", as a real full disk does.
class FullDiskSink : public FileSink {
  public:
    std::size_t room = SIZE_MAX;

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

// Runs one step of a sink scenario (data/sink.tsv) on sink a or b.
void RunSinkStep(const fs::path &dir, FullDiskSink (&sinks)[2], std::string step) {
    SCOPED_TRACE(step);
    FullDiskSink &sink = sinks[step.starts_with("b:") ? 1 : 0];
    if (step.starts_with("b:"))
        step.erase(0, 2);
    const bool fails = step.starts_with("!");
    const std::size_t space = step.find(' ', fails);
    const std::string verb = step.substr(fails, space - fails),
                      rest = space == std::string::npos ? "" : step.substr(space + 1);
    const std::string name = rest.substr(0, rest.find(' ')),
                      value = rest.find(' ') == std::string::npos ? "" : rest.substr(rest.find(' ') + 1);
    const auto path = [&](const std::string &n) {
        return n == "." ? dir.string() : n.starts_with("/") ? n : (dir / n).string();
    };
    const auto text = [&](std::string t) {
        for (std::size_t at; (at = t.find("$dir")) != std::string::npos;)
            t.replace(at, 4, dir.string());
        return t == "\"\"" ? "" : t;
    };
    // clang-format off
    if (verb == "open") EXPECT_NE(sink.Open(path(rest)), fails) << sink.ErrorString();
    else if (verb == "start") EXPECT_NE(sink.Start(record_text::Split(rest, '|')), fails) << sink.ErrorString();
    else if (verb == "write") EXPECT_NE(sink.Write(rest), fails) << sink.ErrorString();
    else if (verb == "close") EXPECT_TRUE(sink.Close()) << sink.ErrorString();
    else if (verb == "room") sink.room = rest == "-" ? SIZE_MAX : std::stoul(rest);
    else if (verb == "file") WriteBytes(path(name), value);
    else if (verb == "?error") EXPECT_EQ(sink.ErrorString(), text(rest));
    else if (verb == "?error~") EXPECT_NE(sink.ErrorString().find(rest), std::string::npos) << sink.ErrorString();
    else if (verb == "?file") EXPECT_EQ(golden::ReadBytes(path(name)), text(value));
    else if (verb == "?no-file") EXPECT_FALSE(fs::exists(path(name)));
    else if (verb == "?open") EXPECT_EQ(sink.IsOpen(), rest == "1");
    else if (verb == "?holds-text") EXPECT_EQ(sink.HoldsText(), rest == "1");
    // clang-format on
    else if (verb == "?refused-elsewhere") {
        const std::string refused =
            "The notice file \"" + path(name) +
            "\" is being written by another form or program. Choose another file name.";
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            FileSink other;
            ::_exit(!other.Open(path(name)) && other.ErrorString() == refused ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the other process was not refused";
    } else
        FAIL() << "no step " << verb;
}

struct SinkScenario : ::testing::TestWithParam<cases::Row> {};
TEST_P(SinkScenario, Steps) {
    static int run = 0;
    const fs::path dir = fs::temp_directory_path() /
                         ("ondrell_sink_" + std::to_string(::getpid()) + "_" + std::to_string(++run));
    fs::create_directories(dir);
    {
        FullDiskSink sinks[2];
        for (std::size_t i = 1; i < GetParam().size() && !HasFatalFailure(); ++i)
            RunSinkStep(dir, sinks, GetParam()[i]);
    }
    fs::remove_all(dir);
}
INSTANTIATE_TEST_SUITE_P(Table, SinkScenario, ::testing::ValuesIn(cases::Load("notice/data/sink.tsv")),
                         cases::Name);

TEST_F(FileSinkTest, AFolderItCannotWriteGivesTheSystemReason) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root ignores permissions";
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    FileSink sink;
    EXPECT_FALSE(sink.Open(path_));
    EXPECT_EQ(sink.ErrorString(), "Cannot create the notice file \"" + path_ + "\": Permission denied");
}

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
