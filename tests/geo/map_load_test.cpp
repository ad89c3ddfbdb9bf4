// Loading refuses files that are not a complete map; the map path can be overridden.

#include "geo/world_map.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace ondrell {
namespace {

std::string WriteTemp(const std::string &name, const std::string &bytes) {
    const auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

TEST(MapLoadTest, RefusesMissingForeignAndTruncatedFiles) {
    std::string map;
    {
        std::ifstream in(ONDRELL_MAP_FILE, std::ios::binary);
        map.assign(std::istreambuf_iterator<char>(in), {});
    }
    ASSERT_GT(map.size(), 1000u);
    const struct {
        const char *name;
        std::string path;
    } cases[] = {
        {"missing", "/nonexistent/ondrell.map"},
        {"empty", WriteTemp("ondrell_empty.map", "")},
        {"foreign", WriteTemp("ondrell_foreign.map", std::string(4096, 'x'))},
        {"truncated", WriteTemp("ondrell_truncated.map", map.substr(0, map.size() / 2))},
    };
    for (const auto &c : cases) {
        std::string error;
        EXPECT_FALSE(WorldMap::Load(c.path, &error).has_value()) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
    }
    std::string error;
    EXPECT_TRUE(WorldMap::Load(ONDRELL_MAP_FILE, &error).has_value()) << error;
}

TEST(MapLoadTest, DefaultPathIsBesideTheProgramUnlessOverridden) {
    unsetenv("ONDRELL_MAP_FILE");
    EXPECT_EQ(DefaultMapPath("/opt/ondrell/bin"), "/opt/ondrell/bin/ondrell.map");
    EXPECT_EQ(DefaultMapPath("/opt/ondrell/bin/"), "/opt/ondrell/bin/ondrell.map");
    EXPECT_EQ(DefaultMapPath(""), "ondrell.map");
    setenv("ONDRELL_MAP_FILE", "/data/other.map", 1);
    EXPECT_EQ(DefaultMapPath("/opt/ondrell/bin"), "/data/other.map");
    unsetenv("ONDRELL_MAP_FILE");
}

} // namespace
} // namespace ondrell
