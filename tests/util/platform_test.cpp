#include "util/platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace ondrell {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

std::string Utf8(const fs::path &path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A fresh folder whose name is not ASCII, so every call is exercised with such paths.
class PlatformFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               fs::path(u8"ondrell_données_" +
                        std::u8string(reinterpret_cast<const char8_t *>(
                            ::testing::UnitTest::GetInstance()->current_test_info()->name())));
        dir_ += "_" + std::to_string(std::random_device{}()); // runs in other work trees at once
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Make(const std::u8string &name, const std::string &bytes) {
        const std::string path = Utf8(dir_ / fs::path(name));
        std::FILE *file = platform::OpenFile(path, "wb");
        EXPECT_NE(file, nullptr) << path;
        if (file) {
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
        return path;
    }
    fs::path dir_;
};

// The calls a locked writer makes: create, lock (a second holder refused), write, cut back, sync.
TEST_F(PlatformFiles, WritesALockedFileByteForByte) {
    const std::string path = Utf8(dir_ / fs::path(u8"n°1.txt"));
    EXPECT_EQ(platform::OpenForWriting(path, false), -1); // missing
    const int fd = platform::OpenForWriting(path, true);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(platform::OpenForWriting(path, true), -1); // exists now
    EXPECT_EQ(platform::LockForWriting(fd), 0);
    const int second = platform::OpenForWriting(path, false);
    ASSERT_GE(second, 0);
    EXPECT_EQ(platform::LockForWriting(second), EWOULDBLOCK);
    EXPECT_EQ(platform::CloseFile(second), 0);

    const std::string bytes = "a\r\n\xE9\n"; // no line-end translation, whatever the system
    EXPECT_EQ(platform::WriteSome(fd, bytes.data(), bytes.size()), static_cast<long long>(bytes.size()));
    EXPECT_EQ(platform::CutFile(fd, 3), 0);
    EXPECT_EQ(platform::WriteSome(fd, "b", 1), 1);
    EXPECT_EQ(platform::FlushToDisk(fd), 0);
    bool regular = false;
    long long size = 0;
    EXPECT_EQ(platform::FileInfo(fd, regular, size), 0);
    EXPECT_TRUE(regular);
    EXPECT_EQ(size, 4);
    { // the lock keeps writers out, not readers
        std::ifstream reader(platform::PathFromUtf8(path), std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reader), {}), "a\r\nb");
    }
    EXPECT_EQ(platform::CloseFile(fd), 0);
    const platform::MappedFile written = platform::MapReadOnly(path);
    ASSERT_NE(written.data, nullptr) << written.error;
    EXPECT_EQ(std::string(written.data, written.size), "a\r\nb");
    platform::Unmap(written.data, written.size);
    EXPECT_EQ(platform::RemoveFile(path), 0);
    EXPECT_FALSE(fs::exists(platform::PathFromUtf8(path)));
}

TEST_F(PlatformFiles, MapsAWholeFileReadOnly) {
    const std::string content = "map\0bytes\r\n\xFF"s;
    const std::string path = Make(u8"carte é.map", content);
    const platform::MappedFile mapped = platform::MapReadOnly(path);
    ASSERT_NE(mapped.data, nullptr) << mapped.error;
    EXPECT_EQ(std::string(mapped.data, mapped.size), content);
    platform::Unmap(mapped.data, mapped.size);

    const std::string empty = Make(u8"empty.map", "");
    const std::string missing = Utf8(dir_ / "missing.map");
    EXPECT_EQ(platform::MapReadOnly(empty).error, empty + " is empty or unreadable");
    const platform::MappedFile none = platform::MapReadOnly(missing);
    EXPECT_EQ(none.data, nullptr);
    EXPECT_EQ(none.error.rfind("cannot open " + missing + ": ", 0), 0u) << none.error;
}

TEST_F(PlatformFiles, ListsEntriesMatchingAPattern) {
    Make(u8"Région.dll", "x");
    Make(u8"b.dll", "x");
    Make(u8"b.txt", "x");
    Make(u8".hidden.dll", "x");
    fs::create_directories(dir_ / "sub.dll");
    const auto names = [&](const std::string &pattern) {
        std::vector<std::string> found;
        for (const auto &entry : platform::ListFolder(Utf8(dir_), pattern))
            found.push_back(entry.name + (entry.isFolder ? "/" : ""));
        std::sort(found.begin(), found.end());
        return found;
    };
    using Names = std::vector<std::string>;
    EXPECT_EQ(names("*.dll"), (Names{"R\xC3\xA9gion.dll", "b.dll", "sub.dll/"}));
    EXPECT_EQ(names("?.*"), (Names{"b.dll", "b.txt"}));
    EXPECT_EQ(names(".*"), (Names{".hidden.dll"}));
    EXPECT_EQ(names("*.exe"), Names{});
    EXPECT_TRUE(platform::ListFolder(Utf8(dir_ / "missing"), "*").empty());
}

TEST(PlatformTime, LocalTimeIsTheCalendarOfTheInstant) {
    const std::time_t when = 1241773507; // May 2009
    std::tm local = platform::LocalTime(when);
    EXPECT_EQ(local.tm_year, 109);
    EXPECT_EQ(local.tm_mon, 4);
    EXPECT_EQ(std::mktime(&local), when);
}

TEST(PlatformRegional, GivesTextsForDatesAndTheUser) {
    std::tm when{};
    when.tm_year = 109;
    when.tm_mon = 4;
    when.tm_mday = 28;
    when.tm_wday = 4;
    when.tm_hour = 21;
    when.tm_min = 5;
    const std::string date = platform::RegionalDateText(when);
    EXPECT_NE(date.find("28"), std::string::npos) << date;
    EXPECT_NE(date.find("09"), std::string::npos) << date; // in "2009" or "09"
    EXPECT_NE(platform::RegionalTimeText(when).find("05"), std::string::npos);
    EXPECT_FALSE(platform::RegionalDateSeparator().empty());
    EXPECT_FALSE(platform::RegionalTimeSeparator().empty());
    EXPECT_FALSE(platform::LoginName().empty());
}

} // namespace
} // namespace ondrell
