#include "util/file_exists.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ondrell {
namespace {

// A folder path ending in its separator is a listing of the folder: any visible file answers.
TEST(FileExistsListing, TrailingSeparatorListsTheFolder) {
    const auto dir = std::filesystem::temp_directory_path() / "ondrell_file_exists_listing";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "sub");
    const std::string listing = dir.string() + "/";
    EXPECT_FALSE(FileExists(listing)); // only a folder inside
    std::ofstream(dir / ".hidden") << "x";
    EXPECT_FALSE(FileExists(listing)); // hidden entries are not listed
    std::ofstream(dir / "a.txt") << "x";
    EXPECT_TRUE(FileExists(listing));
    EXPECT_FALSE(FileExists(dir.string())); // the folder itself is no file
    EXPECT_FALSE(FileExists(listing + "missing/"));
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace ondrell
