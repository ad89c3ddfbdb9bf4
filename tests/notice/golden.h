#pragma once
// Golden files: exact bytes under tests/notice/data. Set ONDRELL_UPDATE_GOLDEN=1 to rewrite them
// from the current output (then review the diff before committing).

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace ondrell::golden {

inline std::string DataPath(const std::string &name) {
    return std::string(ONDRELL_TEST_DATA) + "/notice/data/" + name;
}

inline std::string ReadBytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void ExpectMatches(const std::string &name, const std::string &actual) {
    const std::string path = DataPath(name);
    if (std::getenv("ONDRELL_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    const std::string expected = ReadBytes(path);
    ASSERT_FALSE(expected.empty()) << "missing golden file " << path;
    EXPECT_EQ(actual, expected) << "differs from " << path;
}

} // namespace ondrell::golden
