#include "util/dms.h"
#include "util/file_exists.h"
#include "util/user_name.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ondrell {
namespace {

TEST(UserName, KeepsAtMostEightNonNulCharacters) {
    EXPECT_EQ(ShortUserName("administrator"), "administ");
    EXPECT_EQ(ShortUserName("bob"), "bob");
    EXPECT_EQ(ShortUserName(std::string_view("ab\0cd", 5)), "abcd");
    EXPECT_EQ(ShortUserName(std::string_view("\0\0\0", 3)), kUnknownUserName);
    EXPECT_EQ(ShortUserName(""), kUnknownUserName);
    const std::string current = CurrentUserName();
    EXPECT_FALSE(current.empty());
    EXPECT_TRUE(current.size() <= 8 || current == kUnknownUserName);
}

TEST(DmsToDecimal, AddsMinutesAndSecondsAsFractions) {
    EXPECT_FLOAT_EQ(DmsToDecimal(46, 12, 0), 46.2f);
    EXPECT_FLOAT_EQ(DmsToDecimal(5, 7, 9), 5.0f + 7.0f / 60 + 9.0f / 3600);
    EXPECT_FLOAT_EQ(DmsToDecimal(0, 0, 36), 0.01f);
    EXPECT_FLOAT_EQ(DmsToDecimal(180, 0, 0), 180.0f);
}

TEST(FileExists, TrueOnlyForExistingNonFolders) {
    const auto dir = std::filesystem::temp_directory_path() / "ondrell_file_exists_test";
    std::filesystem::create_directories(dir);
    const auto file = dir / "map.dll";
    std::ofstream(file) << "x";
    EXPECT_TRUE(FileExists(file.string()));
    EXPECT_TRUE(FileExists((dir / "*.dll").string()));
    EXPECT_FALSE(FileExists((dir / "*.txt").string()));
    EXPECT_FALSE(FileExists(dir.string()));
    EXPECT_FALSE(FileExists((dir / "missing.dll").string()));
    EXPECT_FALSE(FileExists(""));
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace ondrell
