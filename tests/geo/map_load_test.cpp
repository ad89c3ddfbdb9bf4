// Loading refuses files that are not a complete map; the map path can be overridden.

#include "geo/map_format.h"
#include "geo/world_map.h"
#include "util/platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace ondrell {
namespace {

std::string WriteTemp(const std::string &name, const std::string &bytes) {
    const auto path = std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

TEST(MapLoadTest, RefusesMissingForeignAndTruncatedFiles) {
    std::string head(64 * 1024, '\0');
    {
        std::ifstream in(ONDRELL_MAP_FILE, std::ios::binary);
        in.read(head.data(), std::streamsize(head.size()));
        ASSERT_TRUE(in) << ONDRELL_MAP_FILE;
    }
    std::string otherVersion = head;
    otherVersion[8] = char(otherVersion[8] + 1); // the version follows the 8-byte magic
    const struct {
        const char *name;
        std::string path;
        const char *reason;
    } cases[] = {
        {"missing", "/nonexistent/ondrell.map", "cannot open"},
        {"empty", WriteTemp("ondrell_empty.map", ""), "empty"},
        {"short", WriteTemp("ondrell_short.map", head.substr(0, 20)), "too short"},
        {"foreign", WriteTemp("ondrell_foreign.map", std::string(4096, 'x')), "not an Ondrell map"},
        {"other version", WriteTemp("ondrell_version.map", otherVersion), "another version"},
        {"truncated", WriteTemp("ondrell_truncated.map", head), "truncated"},
    };
    for (const auto &c : cases) {
        std::string error;
        EXPECT_FALSE(WorldMap::Load(c.path, &error).has_value()) << c.name;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
        std::error_code ignored;
        std::filesystem::remove(c.path, ignored);
    }
    std::string error;
    EXPECT_TRUE(WorldMap::Load(ONDRELL_MAP_FILE, &error).has_value()) << error;
}

TEST(MapLoadTest, DefaultPathIsBesideTheProgramUnlessOverridden) {
    const char *outer = std::getenv("ONDRELL_MAP_FILE");
    const std::string saved = outer ? outer : "";
    platform::SetEnv("ONDRELL_MAP_FILE", nullptr);
    EXPECT_EQ(DefaultMapPath("/opt/ondrell/bin"), "/opt/ondrell/bin/ondrell.map");
    EXPECT_EQ(DefaultMapPath("/opt/ondrell/bin/"), "/opt/ondrell/bin/ondrell.map");
    EXPECT_EQ(DefaultMapPath(""), "ondrell.map");
    platform::SetEnv("ONDRELL_MAP_FILE", ""); // set but empty: not an override
    EXPECT_EQ(DefaultMapPath("/opt/ondrell/bin"), "/opt/ondrell/bin/ondrell.map");
    platform::SetEnv("ONDRELL_MAP_FILE", "/data/other.map");
    EXPECT_EQ(DefaultMapPath("/opt/ondrell/bin"), "/data/other.map");
    if (outer)
        platform::SetEnv("ONDRELL_MAP_FILE", saved.c_str());
    else
        platform::SetEnv("ONDRELL_MAP_FILE", nullptr);
}

} // namespace
} // namespace ondrell
