#include "support/case_table.h"
#include "util/dates.h"
#include "util/dms.h"
#include "util/file_exists.h"
#include "util/user_name.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace ondrell {
namespace {

using cases::Out;

// clang-format off
const cases::Adapters kFunctions = {
    {"DMY", {2, [](auto &r) { return Out{FormatDateDMY(r[1], r[2])}; }}},
    {"DMYLocale", {1, [](auto &r) { return Out{FormatDateDMY(r[1])}; }}},
    {"Separator", {1, [](auto &r) { return Out{DateSeparatorOfFormat(r[1])}; }}},
    {"Split", {1, [](auto &r) {
        std::string text = r[1], y = "keep", m = "keep", d = "keep";
        SplitDateDMY(text, y, m, d);
        return Out{text, y, m, d}; }}},
    {"UserName", {1, [](auto &r) { return Out{ShortUserName(r[1])}; }}},
    {"Dms", {3, [](auto &r) {
        const auto part = [&](int i) { return std::int16_t(std::stoi(r[i])); };
        return Out{cases::Number(DmsToDecimal(part(1), part(2), part(3)))}; }}},
};
// clang-format on
ONDRELL_CASE_TABLES(UtilTable, kFunctions, "util/data/util.tsv");

TEST(Environment, ShortUserNameAndDateSeparatorOfThisMachine) {
    const std::string current = CurrentUserName();
    EXPECT_FALSE(current.empty());
    EXPECT_TRUE(current.size() <= 8 || current == kUnknownUserName);
    EXPECT_EQ(GetIntlSetting("SDATE").size(), 1u);
    EXPECT_EQ(GetIntlSetting("nothing"), "");
}

// True only for existing non-folders; a pattern matches any file, a path ending in its separator
// lists the folder's visible files.
TEST(FileExists, FilesPatternsAndListings) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("ondrell_file_exists_test_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "sub");
    const std::string listing = dir.string() + "/";
    EXPECT_FALSE(FileExists(listing)); // only a folder inside
    std::ofstream(dir / ".hidden") << "x";
    EXPECT_FALSE(FileExists(listing)); // hidden entries are not listed
    std::ofstream(dir / "map.dll") << "x";
    EXPECT_TRUE(FileExists(listing));
    EXPECT_TRUE(FileExists((dir / "map.dll").string()));
    EXPECT_TRUE(FileExists((dir / "*.dll").string()));
    EXPECT_FALSE(FileExists((dir / "*.txt").string()));
    EXPECT_FALSE(FileExists(dir.string())); // the folder itself is no file
    EXPECT_FALSE(FileExists((dir / "missing.dll").string()));
    EXPECT_FALSE(FileExists(listing + "missing/"));
    EXPECT_FALSE(FileExists(""));
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace ondrell
